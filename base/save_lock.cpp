#include "base/save_lock.h"

#include "base/errors.h"
#include "base/syscalls.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace zoki {

namespace {

// Waits between two tries; a save that finds the file held this long tells
// the user rather than keep the window frozen.
constexpr int kTries = 40;

enum class Outcome { Locked, Busy, NoLocks };

bool noSuchLocks(int err) { return err == ENOLCK || err == EOPNOTSUPP || err == EINVAL || err == ENOSYS; }

// Some network file systems lack flock but keep record locks, which need a
// descriptor open for writing.
Outcome tryLock(int fd, bool writable) {
    if (sys::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return Outcome::Locked;
    if (errno == EWOULDBLOCK)
        return Outcome::Busy;
    if (!noSuchLocks(errno) || !writable)
        return Outcome::NoLocks;
    if (sys::lockRecord(fd) == 0)
        return Outcome::Locked;
    return errno == EAGAIN || errno == EACCES ? Outcome::Busy : Outcome::NoLocks;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

} // namespace

SaveLock::SaveLock(const std::filesystem::path& file) {
    for (int tries = 1;; ++tries) {
        bool writable = true;
        FileDescriptor fd(sys::open(file.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (fd.get() < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
            writable = false;
            fd = FileDescriptor(sys::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        }
        if (fd.get() < 0) {
            // A file this process may not even read is not its to hold; the
            // save's own check of it tells the user.
            if (errno == ENOENT || errno == EACCES || errno == EPERM)
                return;
            throw FileError(file, FileAction::Write, errno);
        }
        const Outcome outcome = tryLock(fd.get(), writable);
        if (outcome == Outcome::NoLocks)
            return;
        if (outcome == Outcome::Busy) {
            if (tries >= kTries)
                throw FileError(file, FileAction::Write, kFileBusy);
            sys::waitBeforeRetry();
            continue;
        }
        // The writer it waited for may have put another file in its place:
        // that one is the file to hold.
        struct stat held {};
        struct stat named {};
        if (sys::fstat(fd.get(), &held) != 0)
            throw FileError(file, FileAction::Write, errno);
        if (sys::stat(file.c_str(), &named) != 0) {
            if (errno == ENOENT)
                return;
            throw FileError(file, FileAction::Write, errno);
        }
        if (!sameFile(held, named)) {
            if (tries >= kTries)
                throw FileError(file, FileAction::Write, kFileBusy);
            continue;
        }
        fd_ = std::move(fd);
        return;
    }
}

} // namespace zoki
