#include "base/syscalls.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <sys/file.h>
#include <time.h>
#include <unistd.h>
#include <utility>

namespace zoki::sys {

namespace {

struct Plan {
    std::array<int, kCallKinds> calls{};
    std::optional<std::pair<Call, int>> fault; // which call, counted from the reset
    int error = 0;
    std::size_t room = std::numeric_limits<std::size_t>::max(); // what a full disk has left
    bool delivered = false;
    std::function<void(SaveStep, const std::filesystem::path&)> stepHook;
    std::function<void()> waitHook;
};

Plan& plan() {
    static Plan p;
    return p;
}

// Counts the call; true (errno set) when it is the one to fail.
bool fails(Call call) {
    Plan& p = plan();
    const int n = ++p.calls[static_cast<std::size_t>(call)];
    if (p.fault && p.fault->first == call && p.fault->second == n) {
        p.delivered = true;
        errno = p.error;
        return true;
    }
    return false;
}

constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();

off_t sizeOf(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? st.st_size : 0;
}

// How much of a write of `size` bytes at `at`, into a file of `end` bytes, a
// full disk lets through: overwriting what the file holds needs no room,
// the rest only what is left. 0 with errno set when nothing can be written.
std::size_t roomFor(off_t at, off_t end, std::size_t size) {
    Plan& p = plan();
    if (p.room == kUnlimited)
        return size;
    const std::size_t over = end > at ? static_cast<std::size_t>(end - at) : 0;
    const std::size_t n = std::min(size, over + p.room);
    if (n == 0 && size > 0) {
        p.delivered = true;
        errno = ENOSPC;
    }
    return n;
}

void took(off_t at, ssize_t written, off_t end) {
    Plan& p = plan();
    if (p.room != kUnlimited && written > 0 && at + written > end)
        p.room -= std::min(p.room, static_cast<std::size_t>(at + written - end));
}

} // namespace

int open(const char* path, int flags, mode_t mode) {
    if (fails(Call::Open))
        return -1;
    return ::open(path, flags, mode);
}

int close(int fd) {
    if (fails(Call::Other)) {
        ::close(fd); // the descriptor is gone either way, as after a real failure
        return -1;
    }
    return ::close(fd);
}

ssize_t read(int fd, void* buffer, std::size_t size) {
    if (fails(Call::Read))
        return -1;
    return ::read(fd, buffer, size);
}

ssize_t pwrite(int fd, const void* bytes, std::size_t size, off_t offset) {
    if (fails(Call::Write)) {
        // A write that fails half-way: half of it goes out, then the next
        // call fails, as a disk that fills up or breaks in the middle would.
        if (size < 2)
            return -1;
        const int error = errno;
        Plan& p = plan();
        p.fault = std::make_pair(Call::Write, p.calls[static_cast<std::size_t>(Call::Write)] + 1);
        p.error = error;
        return ::pwrite(fd, bytes, size / 2, offset);
    }
    const off_t end = plan().room == kUnlimited ? 0 : sizeOf(fd);
    const std::size_t n = roomFor(offset, end, size);
    if (n == 0 && size > 0)
        return -1;
    const ssize_t written = ::pwrite(fd, bytes, n, offset);
    took(offset, written, end);
    return written;
}

int ftruncate(int fd, off_t length) {
    if (fails(Call::Write))
        return -1;
    return ::ftruncate(fd, length);
}

int fsync(int fd) {
    if (fails(Call::Fsync))
        return -1;
    return ::fsync(fd);
}

int stat(const char* path, struct stat* st) {
    if (fails(Call::Stat))
        return -1;
    return ::stat(path, st);
}

int lstat(const char* path, struct stat* st) {
    if (fails(Call::Stat))
        return -1;
    return ::lstat(path, st);
}

int fstat(int fd, struct stat* st) {
    if (fails(Call::Stat))
        return -1;
    return ::fstat(fd, st);
}

ssize_t readlink(const char* path, char* buffer, std::size_t size) {
    if (fails(Call::Read))
        return -1;
    return ::readlink(path, buffer, size);
}

int rename(const char* from, const char* to) {
    if (fails(Call::Rename))
        return -1;
    return ::rename(from, to);
}

int renameNoReplace(const char* from, const char* to) {
    if (fails(Call::Rename))
        return -1;
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return -1;
    // A file system without exclusive renames: a hard link never replaces
    // either, and the temporary name then goes.
    if (::link(from, to) != 0)
        return -1;
    ::unlink(from);
    return 0;
}

int unlink(const char* path) {
    if (fails(Call::Other))
        return -1;
    return ::unlink(path);
}

int fchmod(int fd, mode_t mode) {
    if (fails(Call::Other))
        return -1;
    return ::fchmod(fd, mode);
}

int fchown(int fd, uid_t owner, gid_t group) {
    if (fails(Call::Other))
        return -1;
    return ::fchown(fd, owner, group);
}

int flock(int fd, int operation) {
    if (fails(Call::Other))
        return -1;
    return ::flock(fd, operation);
}

int lockRecord(int fd) {
    if (fails(Call::Other))
        return -1;
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &whole);
}

void waitBeforeRetry() {
    if (plan().waitHook) {
        plan().waitHook();
        return;
    }
    const struct timespec pause { 0, 50'000'000 };
    ::nanosleep(&pause, nullptr);
}

bool listFolder(const char* path, const std::function<void(const char* name)>& each) {
    if (fails(Call::Open))
        return false;
    DIR* dir = ::opendir(path);
    if (!dir)
        return false;
    for (;;) {
        if (fails(Call::Read)) {
            const int err = errno;
            ::closedir(dir);
            errno = err;
            return false;
        }
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry)
            break;
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            each(entry->d_name);
    }
    const int err = errno;
    ::closedir(dir);
    errno = err;
    return err == 0;
}

void reached(SaveStep step, const std::filesystem::path& file) {
    if (plan().stepHook)
        plan().stepHook(step, file);
}

void Faults::failNth(Call call, int nth, int error) {
    Plan& p = plan();
    p.fault = std::make_pair(call, p.calls[static_cast<std::size_t>(call)] + nth);
    p.error = error;
}

void Faults::diskFullAfter(std::size_t bytes) { plan().room = bytes; }

int Faults::count(Call call) { return plan().calls[static_cast<std::size_t>(call)]; }

bool Faults::delivered() { return plan().delivered; }

void Faults::onStep(std::function<void(SaveStep, const std::filesystem::path&)> hook) {
    plan().stepHook = std::move(hook);
}

void Faults::onWait(std::function<void()> hook) { plan().waitHook = std::move(hook); }

void Faults::reset() { plan() = Plan{}; }

} // namespace zoki::sys
