#include "base/folder_guard.h"

#include "base/syscalls.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace zoki {

FolderGuard::FolderGuard(const std::filesystem::path& folder) {
    fd_ = sys::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    if (sys::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        outcome_ = Outcome::Held;
        return;
    }
    // A file system without locks guards nothing, and must not keep the
    // program from starting.
    outcome_ = errno == EWOULDBLOCK ? Outcome::HeldElsewhere : Outcome::Unguarded;
    sys::close(fd_);
    fd_ = -1;
}

FolderGuard::~FolderGuard() {
    if (fd_ >= 0)
        sys::close(fd_);
}

} // namespace zoki
