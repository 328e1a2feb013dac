#include "app/textfile.h"

#include "app/errors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace zoki {

namespace {

int injectedFailures = 0;

std::string reason(int err) { return std::strerror(err); }

FileError fileError(const std::filesystem::path& path, const std::string& what, int err) {
    return FileError(path.string() + ": " + what + " (" + reason(err) + ")");
}

void writeAll(int fd, std::string_view bytes, const std::filesystem::path& path) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw fileError(path, "cannot write", errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
}

// The temporary file of a replacement: a dot, the file's name, ".tmp" and up
// to six digits. Appended piece by piece: GCC 12 at -O2 warns falsely
// (-Wrestrict) on the same expression written with operator+.
std::string temporaryPrefix(const std::filesystem::path& path) {
    std::string prefix = ".";
    prefix += path.filename().string();
    prefix += ".tmp";
    return prefix;
}

bool isTemporaryOf(const std::string& name, const std::string& prefix) {
    if (name.size() <= prefix.size() || name.size() > prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < name.size(); ++i)
        if (name[i] < '0' || name[i] > '9')
            return false;
    return true;
}

// A save killed between writing its temporary file and the rename leaves
// that file behind; the next save of the same file removes such leftovers.
// Only plain files of exactly that name pattern go; anything that fails is
// left alone.
void removeLeftTemporaries(const std::filesystem::path& folder, const std::filesystem::path& path) {
    const std::string prefix = temporaryPrefix(path);
    std::vector<std::filesystem::path> stale;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        if (isTemporaryOf(it->path().filename().string(), prefix) &&
            it->symlink_status(typeEc).type() == std::filesystem::file_type::regular)
            stale.push_back(it->path());
    }
    for (const std::filesystem::path& file : stale)
        ::unlink(file.c_str());
}

} // namespace

void WriteFaultInjection::failNextWrites(int count) { injectedFailures = count; }

std::vector<std::string> splitLines(std::string_view content) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < content.size()) {
        const char c = content[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(content.substr(start, i - start));
            if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
                ++i;
            ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < content.size())
        lines.emplace_back(content.substr(start));
    return lines;
}

std::string readBytes(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw fileError(path, "cannot read", EISDIR);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw fileError(path, "cannot open", errno);
    std::string bytes;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            throw fileError(path, "cannot read", err);
        }
        if (n == 0)
            break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

std::optional<std::vector<std::string>> readLinesIfExists(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return std::nullopt;
    return splitLines(readBytes(path));
}

std::vector<std::string> readLines(const std::filesystem::path& path) { return splitLines(readBytes(path)); }

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

void replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw fileError(path, "cannot replace", EISDIR);

    removeLeftTemporaries(folder, path);

    std::random_device rd;
    std::string name = temporaryPrefix(path);
    name += std::to_string(rd() % 1000000);
    const std::filesystem::path tmp = folder / name;
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        throw fileError(path, "cannot write", errno);
    try {
        if (injectedFailures > 0) {
            --injectedFailures;
            throw fileError(path, "cannot write", ENOSPC);
        }
        writeAll(fd, bytes, path);
        if (::fsync(fd) != 0)
            throw fileError(path, "cannot write", errno);
    } catch (...) {
        ::close(fd);
        ::unlink(tmp.c_str());
        throw;
    }
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        throw fileError(path, "cannot write", err);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        throw fileError(path, "cannot replace", err);
    }
    const int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

void createEmptyIfMissing(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
        ::close(fd);
        return;
    }
    if (errno == EEXIST)
        return;
    throw fileError(path, "cannot create", errno);
}

} // namespace zoki
