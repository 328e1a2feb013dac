#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <sys/types.h>

// What the file layer's readers and writers share: an owned descriptor and
// whole reads and writes over it.
namespace zoki {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    int get() const { return fd_; }
    // Closes now, reporting whether the last buffered bytes went out.
    bool close();

private:
    int fd_;
};

// Every byte up to the end, at most `limit` (FileError kFileTooLarge beyond
// it); `expected` is the size to make room for. Throws FileError.
std::string readAll(int fd, const std::filesystem::path& path, std::size_t limit, std::size_t expected = 0);

// Writes all bytes from `offset` on. Throws FileError (FileAction::Write).
void writeAll(int fd, std::string_view bytes, off_t offset, const std::filesystem::path& path);

} // namespace zoki
