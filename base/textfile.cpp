#include "base/textfile.h"

#include "base/encoding.h"
#include "base/errors.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace zoki {

namespace {

int injectedFailures = 0;
std::function<void(SaveStep, const std::filesystem::path&)> stepHook;

bool injectedFailure() {
    if (injectedFailures <= 0)
        return false;
    --injectedFailures;
    return true;
}

void reached(SaveStep step, const std::filesystem::path& target) {
    if (stepHook)
        stepHook(step, target);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, reporting whether the last buffered bytes went out.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Writes all bytes at `offset`, or at the current position when negative.
void writeAll(int fd, std::string_view bytes, off_t offset, const std::filesystem::path& path) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = offset < 0 ? ::write(fd, p, left) : ::pwrite(fd, p, left, offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw FileError(path, FileAction::Write, errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
        if (offset >= 0)
            offset += n;
    }
}

std::string readAll(int fd, const std::filesystem::path& path) {
    std::string bytes;
    // Room for the whole file at once; a file that grows meanwhile still
    // reads to its end.
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw FileError(path, FileAction::Read, errno);
        }
        if (n == 0)
            return bytes;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
}

// The replacement takes the old file's owner and group where the process may
// give them (a user may not give a file away: that is no reason to refuse the
// save), then its permission bits, which a change of owner may have cleared.
void takeOver(int fd, const struct stat& old) {
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        }
    }
    // A file system without permission bits keeps its own; the save goes on.
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
    }
}

bool folderRefusesNewFiles(int err) { return err == EACCES || err == EPERM || err == EROFS; }

// The fallback for a folder that cannot be written: the file itself is
// rewritten from the first byte that differs. The old content stays in memory
// until the new one is flushed and is put back if anything fails.
void rewriteInPlace(const std::filesystem::path& target, std::string_view bytes) {
    FileDescriptor fd(::open(target.c_str(), O_RDWR | O_CLOEXEC));
    if (fd.get() < 0)
        throw FileError(target, FileAction::Write, errno);
    const std::string old = readAll(fd.get(), target);
    const std::size_t from =
        static_cast<std::size_t>(std::mismatch(old.begin(), old.end(), bytes.begin(), bytes.end()).first - old.begin());
    if (from == old.size() && from == bytes.size())
        return;
    const auto at = static_cast<off_t>(from);
    try {
        if (injectedFailure()) {
            writeAll(fd.get(), bytes.substr(from, (bytes.size() - from) / 2), at, target);
            throw FileError(target, FileAction::Write, ENOSPC);
        }
        writeAll(fd.get(), bytes.substr(from), at, target);
        reached(SaveStep::InPlaceWritten, target);
        if (bytes.size() < old.size() && ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0)
            throw FileError(target, FileAction::Write, errno);
        if (::fsync(fd.get()) != 0)
            throw FileError(target, FileAction::Write, errno);
    } catch (const FileError&) {
        // Best effort: what cannot be put back is still the old content up to
        // `from`, and the caller tells the user.
        try {
            writeAll(fd.get(), std::string_view(old).substr(from), at, target);
        } catch (const FileError&) {
        }
        if (::ftruncate(fd.get(), static_cast<off_t>(old.size())) != 0 || ::fsync(fd.get()) != 0) {
        }
        throw;
    }
    reached(SaveStep::InPlaceFlushed, target);
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

void SaveStepHook::set(std::function<void(SaveStep, const std::filesystem::path&)> hook) { stepHook = std::move(hook); }

namespace detail {

std::uint64_t lineEndBits(const char* block, std::size_t n) {
#if defined(__SSE2__)
    if (n == 64) {
        const __m128i cr = _mm_set1_epi8('\r');
        const __m128i lf = _mm_set1_epi8('\n');
        std::uint64_t bits = 0;
        for (int i = 0; i < 4; ++i) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i));
            const __m128i ends = _mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf));
            bits |= static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(ends))) << (16 * i);
        }
        return bits;
    }
#endif
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (block[i] == '\r' || block[i] == '\n')
            bits |= std::uint64_t{1} << i;
    return bits;
}

} // namespace detail

std::vector<std::string> splitLines(std::string_view content) {
    std::vector<std::string> lines;
    forEachLine(content, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::string readBytes(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw FileError(path, FileAction::Read, EISDIR);
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throw FileError(path, FileAction::Read, errno);
    return readAll(fd.get(), path);
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::optional<std::vector<std::string>> readTextLinesIfExists(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return std::nullopt;
    return splitLines(readText(path));
}

std::vector<std::string> readTextLines(const std::filesystem::path& path) { return splitLines(readText(path)); }

std::string readText(const std::filesystem::path& path) {
    std::string bytes = readBytes(path);
    if (isAscii(bytes))
        return bytes; // the same in both code pages: no copy
    return fromShiftJis(bytes);
}

std::string textFileBytes(const std::vector<std::string>& lines) { return toShiftJis(joinLines(lines)); }

std::filesystem::path resolveLinks(const std::filesystem::path& path) {
    std::filesystem::path at = path;
    // As many links as the system itself follows before it gives up.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return at;
        std::error_code ec;
        const std::filesystem::path next = std::filesystem::read_symlink(at, ec);
        if (ec)
            throw FileError(at, FileAction::Read, ec.value());
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    throw FileError(path, FileAction::Write, ELOOP);
}

void replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path target = resolveLinks(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    struct stat oldStat {};
    const bool existed = ::stat(target.c_str(), &oldStat) == 0;
    if (existed && S_ISDIR(oldStat.st_mode))
        throw FileError(target, FileAction::Write, EISDIR);
    const bool inPlacePossible = existed && S_ISREG(oldStat.st_mode);

    removeLeftTemporaries(folder, target);

    // A new file gets what the user's umask allows; a replacement starts
    // private and takes the old file's mode before any byte is written.
    std::random_device rd;
    std::filesystem::path tmp;
    int raw = -1;
    for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
        std::string name = temporaryPrefix(target);
        name += std::to_string(rd() % 1000000);
        tmp = folder / name;
        raw = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existed ? 0600 : 0666);
        if (raw < 0 && errno != EEXIST)
            break;
    }
    if (raw < 0) {
        const int err = errno;
        if (inPlacePossible && folderRefusesNewFiles(err))
            return rewriteInPlace(target, bytes);
        throw FileError(target, existed ? FileAction::Write : FileAction::Create, err);
    }
    FileDescriptor fd(raw);
    if (existed)
        takeOver(fd.get(), oldStat);
    try {
        if (injectedFailure())
            throw FileError(target, FileAction::Write, ENOSPC);
        writeAll(fd.get(), bytes, -1, target);
        reached(SaveStep::TemporaryWritten, target);
        if (::fsync(fd.get()) != 0)
            throw FileError(target, FileAction::Write, errno);
        if (!fd.close())
            throw FileError(target, FileAction::Write, errno);
    } catch (...) {
        ::unlink(tmp.c_str());
        throw;
    }
    reached(SaveStep::TemporaryFlushed, target);
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        // A folder that lets new files in but not over this one (sticky).
        if (inPlacePossible && folderRefusesNewFiles(err))
            return rewriteInPlace(target, bytes);
        throw FileError(target, FileAction::Write, err);
    }
    reached(SaveStep::Renamed, target);
    const int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    reached(SaveStep::FolderFlushed, target);
}

void createEmptyIfMissing(const std::filesystem::path& path) {
    const std::filesystem::path target = resolveLinks(path);
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        ::close(fd);
        return;
    }
    if (errno == EEXIST)
        return;
    throw FileError(target, FileAction::Create, errno);
}

} // namespace zoki
