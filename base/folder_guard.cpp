#include "base/folder_guard.h"

#include "base/syscalls.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>

namespace zoki {

FolderGuard::FolderGuard(const std::filesystem::path& folder) {
    fd_ = sys::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    struct stat st {};
    if (sys::fstat(fd_, &st) == 0)
        identity_ = std::to_string(st.st_dev) + "-" + std::to_string(st.st_ino);
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
