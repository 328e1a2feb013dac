#pragma once

// Runs part of a test in a forked child process, for what a test process must
// not do to itself: give up root so that permission bits bind, mount a small
// file system in a mount namespace of its own, or be killed.

#include "base/syscalls.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zoki::test {

// The unprivileged account tests drop to when they run as root.
inline constexpr uid_t kNobody = 65534;
inline constexpr gid_t kNoGroup = 65534;

// Handed to the child's body: lets it give up with a reason the parent turns
// into a skipped test.
class ChildContext {
public:
    explicit ChildContext(int fd) : fd_(fd) {}
    [[noreturn]] void skip(const std::string& reason) const {
        note(reason);
        std::fflush(stdout);
        ::_exit(kSkipped);
    }
    void note(const std::string& text) const {
        const char* p = text.data();
        std::size_t left = text.size();
        while (left > 0) {
            const ssize_t n = ::write(fd_, p, left);
            if (n <= 0)
                return;
            p += n;
            left -= static_cast<std::size_t>(n);
        }
    }
    static constexpr int kSkipped = 77;

private:
    int fd_;
};

inline std::string errnoText(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

// The exit code of a child stopped by crashAt.
inline constexpr int kCrashed = 86;

// In the child: the process ends at `step` of the next save, as if the
// machine had stopped there.
inline void crashAt(sys::SaveStep step) {
    sys::Faults::onStep([step](sys::SaveStep reached, const std::filesystem::path&) {
        if (reached == step) {
            std::fflush(stdout);
            ::_exit(kCrashed);
        }
    });
}

// Runs `body` in a child process and reports its outcome in the calling test:
// failures of EXPECT/ASSERT inside the child (printed by the child) fail the
// test, a skip note skips it, a crash or an escaping exception fails it, and
// so does ending other than with `expectedExit` (kCrashed: stopped by
// crashAt). Call it as the last statement of a test, or check
// HasFailure()/IsSkipped().
inline void runInChild(const std::function<void(const ChildContext&)>& body, int expectedExit = 0) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0) << errnoText("pipe");
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0) << errnoText("fork");
    if (pid == 0) {
        ::close(fds[0]);
        const ChildContext context(fds[1]);
        int code = 0;
        try {
            body(context);
            code = ::testing::Test::HasFailure() ? 1 : 0;
        } catch (const std::exception& e) {
            context.note(std::string("exception escaped: ") + e.what());
            code = 2;
        } catch (...) {
            context.note("unknown exception escaped");
            code = 2;
        }
        std::fflush(stdout);
        std::fflush(stderr);
        ::_exit(code);
    }
    ::close(fds[1]);
    std::string note;
    char buf[512];
    for (;;) {
        const ssize_t n = ::read(fds[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        note.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(status)) {
        ADD_FAILURE() << "the child process died of signal " << WTERMSIG(status) << " " << note;
        return;
    }
    const int code = WEXITSTATUS(status);
    if (code == ChildContext::kSkipped)
        GTEST_SKIP() << note;
    if (code == expectedExit)
        return;
    if (code == 0)
        ADD_FAILURE() << "the child process ended without reaching its crash point " << note;
    else if (code == 1)
        ADD_FAILURE() << "the child process failed (its failures are printed above) " << note;
    else if (code != 0)
        ADD_FAILURE() << "the child process ended with code " << code << ": " << note;
}

// In the child: a mount namespace of its own whose mounts vanish with it and
// never reach the rest of the system. False (errno set) when not permitted.
inline bool privateMountNamespace() {
    if (::unshare(CLONE_NEWNS) != 0)
        return false;
    return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// A program folder the child can turn read-only and back while the program
// runs, its files with it or (`filesToo` false) not. As root, whom permission
// bits do not bind, the child either drops to an unprivileged account that
// owns the folder (chown the folder and its files to kNobody in the parent
// first, see handOverToNobody), or, when that is not possible, uses a bind
// mount of the folder that it remounts read-only, files and all.
class ReadOnlySwitch {
public:
    // Call in the child before the program starts; skips when no way works.
    ReadOnlySwitch(const ChildContext& child, std::filesystem::path folder) : folder_(std::move(folder)) {
        if (::geteuid() != 0) {
            method_ = Method::Permissions;
            return;
        }
        if (::setgroups(0, nullptr) == 0 && ::setgid(kNoGroup) == 0 && ::setuid(kNobody) == 0 && ::geteuid() != 0) {
            method_ = Method::Permissions;
            return;
        }
        const std::string dropFailure = errnoText("cannot drop to uid 65534");
        if (privateMountNamespace() && ::mount(folder_.c_str(), folder_.c_str(), nullptr, MS_BIND, nullptr) == 0) {
            method_ = Method::BindMount;
            return;
        }
        child.skip("no way to make a folder read-only for this process: " + dropFailure + "; " +
                   errnoText("read-only bind mount"));
    }

    void readOnly(bool on, bool filesToo = true) const {
        if (method_ == Method::Permissions) {
            ASSERT_EQ(::chmod(folder_.c_str(), on ? 0555 : 0755), 0) << errnoText("chmod");
            for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
                if (filesToo && entry.is_regular_file()) {
                    ASSERT_EQ(::chmod(entry.path().c_str(), on ? 0444 : 0644), 0) << errnoText("chmod");
                }
            }
        } else {
            unsigned long flags = MS_REMOUNT | MS_BIND;
            if (on)
                flags |= MS_RDONLY;
            ASSERT_EQ(::mount(nullptr, folder_.c_str(), nullptr, flags, nullptr), 0) << errnoText("remount");
        }
    }

    // Only permission bits can keep a folder closed and its files open.
    void needFilesWritable(const ChildContext& child) const {
        if (method_ != Method::Permissions)
            child.skip("a read-only bind mount closes the files with their folder");
    }

private:
    enum class Method { Permissions, BindMount };
    std::filesystem::path folder_;
    Method method_ = Method::Permissions;
};

// In the parent, running as root: gives the folder and everything in it to
// the unprivileged account, as a user's program folder belongs to the user.
inline void handOverToNobody(const std::filesystem::path& folder) {
    if (::geteuid() != 0)
        return;
    ASSERT_EQ(::chown(folder.c_str(), kNobody, kNoGroup), 0) << errnoText("chown");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        ASSERT_EQ(::lchown(entry.path().c_str(), kNobody, kNoGroup), 0) << errnoText("chown");
}

} // namespace zoki::test
