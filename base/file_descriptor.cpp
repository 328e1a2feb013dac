#include "base/file_descriptor.h"

#include "base/errors.h"
#include "base/syscalls.h"

#include <algorithm>
#include <cerrno>

namespace zoki {

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0)
        sys::close(fd_);
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            sys::close(fd_);
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

bool FileDescriptor::close() {
    const int fd = fd_;
    fd_ = -1;
    return sys::close(fd) == 0;
}

std::string readAll(int fd, const std::filesystem::path& path, std::size_t limit, std::size_t expected) {
    std::string bytes;
    // Room for the whole file at once; a file that grows meanwhile still
    // reads to its end, or to the limit.
    bytes.reserve(std::min(expected, limit) + 1);
    char buf[65536];
    for (;;) {
        const ssize_t n = sys::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw FileError(path, FileAction::Read, errno);
        }
        if (n == 0)
            return bytes;
        if (bytes.size() + static_cast<std::size_t>(n) > limit)
            throw FileError::tooLarge(path, limit);
        bytes.append(buf, static_cast<std::size_t>(n));
    }
}

void writeAll(int fd, std::string_view bytes, off_t offset, const std::filesystem::path& path) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = sys::pwrite(fd, p, left, offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw FileError(path, FileAction::Write, errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
        offset += n;
    }
}

} // namespace zoki
