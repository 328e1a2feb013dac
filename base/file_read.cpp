#include "base/file_read.h"

#include "base/errors.h"
#include "base/file_descriptor.h"
#include "base/syscalls.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace zoki {

FileContent readFileIfExists(const std::filesystem::path& path, std::size_t limit) {
    FileDescriptor fd(sys::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        throw FileError(path, FileAction::Read, errno);
    }
    struct stat st {};
    if (sys::fstat(fd.get(), &st) != 0)
        throw FileError(path, FileAction::Read, errno);
    if (S_ISDIR(st.st_mode))
        throw FileError(path, FileAction::Read, EISDIR);
    if (!S_ISREG(st.st_mode))
        throw FileError(path, FileAction::Read, kNotARegularFile);
    if (static_cast<std::uintmax_t>(st.st_size) > limit)
        throw FileError::tooLarge(path, limit);
    return readAll(fd.get(), path, limit, static_cast<std::size_t>(st.st_size));
}

std::string readFile(const std::filesystem::path& path, std::size_t limit) {
    FileContent bytes = readFileIfExists(path, limit);
    if (!bytes)
        throw FileError(path, FileAction::Read, ENOENT);
    return std::move(*bytes);
}

} // namespace zoki
