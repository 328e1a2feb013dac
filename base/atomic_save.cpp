#include "base/atomic_save.h"

#include "base/errors.h"
#include "base/file_descriptor.h"
#include "base/save_lock.h"
#include "base/syscalls.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <optional>
#include <random>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zoki {

namespace {

using sys::reached;
using sys::SaveStep;

bool folderRefusesNewFiles(int err) { return err == EACCES || err == EPERM || err == EROFS; }

std::filesystem::path folderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// The temporary file of a save: a dot, the file's name, ".tmp" and up to six
// digits. Appended piece by piece: GCC 12 at -O2 warns falsely (-Wrestrict)
// on the same expression written with operator+.
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
// A live save holds a lock on its temporary file from the moment it exists,
// so only files nobody holds go: those of saves that died. Anything that
// fails is left alone.
void removeLeftTemporaries(const std::filesystem::path& folder, const std::filesystem::path& path) {
    const std::string prefix = temporaryPrefix(path);
    std::vector<std::filesystem::path> found;
    sys::listFolder(folder.c_str(), [&](const char* name) {
        if (isTemporaryOf(name, prefix))
            found.push_back(folder / name);
    });
    for (const std::filesystem::path& file : found) {
        FileDescriptor fd(sys::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
        struct stat st {};
        if (fd.get() < 0 || sys::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (sys::flock(fd.get(), LOCK_EX | LOCK_NB) == 0)
            sys::unlink(file.c_str());
    }
}

// A new temporary file beside the file it stands for, locked at once so that
// the clean-up of another save leaves it alone. A clean-up that got in
// between the creation and the lock has removed the name: then another name.
// -1 with errno set when none can be made.
int openTemporary(const std::filesystem::path& folder, const std::filesystem::path& owner, mode_t mode,
                  std::filesystem::path& tmp) {
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = temporaryPrefix(owner);
        name += std::to_string(rd() % 1000000);
        tmp = folder / name;
        const int fd = sys::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return -1;
        }
        // Where locks are not supported the save goes on without one.
        struct stat st {};
        if (sys::flock(fd, LOCK_EX) == 0 && sys::fstat(fd, &st) == 0 && st.st_nlink == 0) {
            sys::close(fd);
            continue;
        }
        return fd;
    }
    errno = EEXIST;
    return -1;
}

// The temporary file holds the new bytes, flushed to disk. It stays open,
// and so locked, until it has its final name.
void fillTemporary(int fd, const std::filesystem::path& target, std::string_view bytes) {
    writeAll(fd, bytes, 0, target);
    reached(SaveStep::TemporaryWritten, target);
    if (sys::fsync(fd) != 0)
        throw FileError(target, FileAction::Write, errno);
    reached(SaveStep::TemporaryFlushed, target);
}

void flushFolder(const std::filesystem::path& folder) {
    FileDescriptor dfd(sys::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dfd.get() >= 0)
        sys::fsync(dfd.get());
}

// The replacement takes the old file's owner and group where the process may
// give them (a user may not give a file away: that is no reason to refuse the
// save), then its permission bits, which a change of owner may have cleared.
void takeOver(int fd, const struct stat& old) {
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        if (sys::fchown(fd, old.st_uid, old.st_gid) != 0 && sys::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        }
    }
    // A file system without permission bits keeps its own; the save goes on.
    if (sys::fchmod(fd, old.st_mode & 07777) != 0) {
    }
}

// True when the file holds what the save was planned from.
bool stillHolds(const std::filesystem::path& target, const FileContent& expected) {
    try {
        return readFileIfExists(target, expected ? expected->size() : 0) == expected;
    } catch (const FileError& e) {
        if (e.error() == kFileTooLarge)
            return false;
        throw;
    }
}

// The bytes a rewrite in place adds after `old`, or FileError(kNoSafeReplace)
// when the save would change what is already there.
std::string addedInPlace(const std::filesystem::path& target, const std::string& old, std::string_view bytes,
                         const SaveOptions& options) {
    if (bytes.starts_with(old))
        return std::string(bytes.substr(old.size()));
    if (!options.appended)
        throw FileError(target, FileAction::Write, kNoSafeReplace);
    std::string added;
    if (!old.empty() && old.back() != '\n' && old.back() != '\r')
        added = "\r\n";
    added += *options.appended;
    return added;
}

// The fallback for a folder that will not take the new file: the file itself
// gets the new bytes after its old ones, which stay as they are. A failure
// cuts it back to its old length.
void rewriteInPlace(const std::filesystem::path& target, std::string_view bytes, const SaveOptions& options) {
    FileDescriptor fd(sys::open(target.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        throw FileError(target, FileAction::Write, errno);
    struct stat st {};
    if (sys::fstat(fd.get(), &st) != 0)
        throw FileError(target, FileAction::Write, errno);
    if (!S_ISREG(st.st_mode))
        throw FileError(target, FileAction::Write, kNotARegularFile);
    const std::string old = readAll(fd.get(), target, static_cast<std::size_t>(st.st_size) + bytes.size() + 65536,
                                    static_cast<std::size_t>(st.st_size));
    if (options.expected && old != options.expected->value_or(std::string()))
        throw FileError(target, FileAction::Write, kChangedSinceRead);
    const std::string added = addedInPlace(target, old, bytes, options);
    reached(SaveStep::Checked, target);
    if (added.empty())
        return;
    const auto at = static_cast<off_t>(old.size());
    try {
        writeAll(fd.get(), added, at, target);
        reached(SaveStep::InPlaceWritten, target);
        if (sys::fsync(fd.get()) != 0)
            throw FileError(target, FileAction::Write, errno);
    } catch (const FileError&) {
        // Best effort: the old bytes were never touched; the caller tells
        // the user.
        if (sys::ftruncate(fd.get(), at) != 0 || sys::fsync(fd.get()) != 0) {
        }
        throw;
    }
    reached(SaveStep::InPlaceFlushed, target);
}

// The file a path really names: symbolic links followed, chains included, a
// relative link read from the folder that holds it. A link to nothing names
// the file it would create. Throws FileError (ELOOP) for a chain that loops,
// and for any failure to look at a link other than its absence.
std::filesystem::path resolveLinks(const std::filesystem::path& path) {
    std::filesystem::path at = path;
    // As many links as the system itself follows before it gives up.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (sys::lstat(at.c_str(), &st) != 0) {
            if (errno == ENOENT)
                return at;
            throw FileError(at, FileAction::Write, errno);
        }
        if (!S_ISLNK(st.st_mode))
            return at;
        char buf[PATH_MAX];
        const ssize_t n = sys::readlink(at.c_str(), buf, sizeof buf);
        if (n < 0)
            throw FileError(at, FileAction::Write, errno);
        const std::filesystem::path next(std::string(buf, static_cast<std::size_t>(n)));
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    throw FileError(path, FileAction::Write, ELOOP);
}

// The file a save replaces, as it stands before the save: absent, or a
// regular file (its mode and owner for the replacement). Anything else, and a
// file that appeared where the save was planned from its absence, throws.
std::optional<struct stat> fileToReplace(const std::filesystem::path& target, const SaveOptions& options) {
    struct stat st {};
    if (sys::stat(target.c_str(), &st) != 0) {
        if (errno != ENOENT)
            throw FileError(target, FileAction::Write, errno);
        return std::nullopt;
    }
    if (S_ISDIR(st.st_mode))
        throw FileError(target, FileAction::Write, EISDIR);
    if (!S_ISREG(st.st_mode))
        throw FileError(target, FileAction::Write, kNotARegularFile);
    if (options.expected && !*options.expected)
        throw FileError(target, FileAction::Write, kChangedSinceRead);
    return st;
}

// The temporary file, complete and flushed, and the old file held and
// checked: ready to take its name. `old` is the file it replaces, if any:
// what did not exist is not locked, since its creation never replaces what
// appeared meanwhile. The temporary file is removed on failure.
std::optional<SaveLock> prepare(int fd, const std::filesystem::path& tmp, const std::filesystem::path& target,
                                const std::optional<struct stat>& old, std::string_view bytes,
                                const SaveOptions& options) {
    try {
        if (old)
            takeOver(fd, *old);
        fillTemporary(fd, target, bytes);
        std::optional<SaveLock> lock;
        if (old)
            lock.emplace(target);
        if (options.expected && !stillHolds(target, *options.expected))
            throw FileError(target, FileAction::Write, kChangedSinceRead);
        reached(SaveStep::Checked, target);
        return lock;
    } catch (...) {
        sys::unlink(tmp.c_str());
        throw;
    }
}

} // namespace

void replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes, const SaveOptions& options) {
    const std::filesystem::path target = resolveLinks(path);
    const std::filesystem::path folder = folderOf(target);
    const std::optional<struct stat> old = fileToReplace(target, options);

    removeLeftTemporaries(folder, target);
    // A new file gets what the user's umask allows; a replacement starts
    // private and takes the old file's mode before any byte is written.
    std::filesystem::path tmp;
    const int raw = openTemporary(folder, target, old ? 0600 : 0666, tmp);
    if (raw < 0) {
        const int err = errno;
        if (!old || !folderRefusesNewFiles(err))
            throw FileError(target, old ? FileAction::Write : FileAction::Create, err);
        const SaveLock lock(target);
        rewriteInPlace(target, bytes, options);
        return;
    }
    FileDescriptor fd(raw);
    const std::optional<SaveLock> lock = prepare(fd.get(), tmp, target, old, bytes, options);
    const int renamed =
        old ? sys::rename(tmp.c_str(), target.c_str()) : sys::renameNoReplace(tmp.c_str(), target.c_str());
    if (renamed != 0) {
        const int err = errno;
        sys::unlink(tmp.c_str());
        if (!old && err == EEXIST)
            throw FileError(target, FileAction::Write, kChangedSinceRead);
        // A folder that lets new files in but not over this one (sticky).
        if (!old || !folderRefusesNewFiles(err))
            throw FileError(target, FileAction::Write, err);
        rewriteInPlace(target, bytes, options);
        return;
    }
    reached(SaveStep::Renamed, target);
    fd.close();
    flushFolder(folder);
    reached(SaveStep::FolderFlushed, target);
}

void createFileExclusively(const std::filesystem::path& target, std::string_view bytes, mode_t mode,
                           const std::filesystem::path& sibling) {
    const std::filesystem::path folder = folderOf(target);
    std::filesystem::path tmp;
    const int raw = openTemporary(folder, sibling, 0600, tmp);
    if (raw < 0)
        throw FileError(target, FileAction::Create, errno);
    FileDescriptor fd(raw);
    try {
        if (sys::fchmod(fd.get(), mode & 07777) != 0) {
        }
        fillTemporary(fd.get(), target, bytes);
        if (sys::renameNoReplace(tmp.c_str(), target.c_str()) != 0)
            throw FileError(target, FileAction::Create, errno);
    } catch (...) {
        sys::unlink(tmp.c_str());
        throw;
    }
    fd.close();
    flushFolder(folder);
}

void createEmptyIfMissing(const std::filesystem::path& path) {
    const std::filesystem::path target = resolveLinks(path);
    const int fd = sys::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
        sys::close(fd);
        return;
    }
    if (errno == EEXIST)
        return;
    throw FileError(target, FileAction::Create, errno);
}

} // namespace zoki
