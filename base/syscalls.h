#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <sys/types.h>

// The file layer's system calls, each reached through one function here, so
// that a test can make any one of them fail as a failing disk, a full disk or
// a vanished network folder would, and stop a save at any of its steps as a
// crash would. In the program nothing is injected and each is the plain call.
namespace zoki::sys {

// The kinds of call a fault can be aimed at.
enum class Call {
    Stat,   // stat, lstat, fstat
    Open,   // open, including folders
    Read,   // read, readlink, reading a folder
    Write,  // pwrite, ftruncate
    Fsync,  // fsync
    Rename, // rename, and the exclusive renames and links that never replace
    Other,  // close, unlink, chmod, chown, flock, record locks
};
inline constexpr int kCallKinds = 7;

int open(const char* path, int flags, mode_t mode = 0);
int close(int fd);
ssize_t read(int fd, void* buffer, std::size_t size);
ssize_t pwrite(int fd, const void* bytes, std::size_t size, off_t offset);
int ftruncate(int fd, off_t length);
int fsync(int fd);
int stat(const char* path, struct stat* st);
int lstat(const char* path, struct stat* st);
int fstat(int fd, struct stat* st);
ssize_t readlink(const char* path, char* buffer, std::size_t size);
int rename(const char* from, const char* to);
// Gives `from` the name `to` unless `to` exists (EEXIST), atomically.
int renameNoReplace(const char* from, const char* to);
int unlink(const char* path);
int fchmod(int fd, mode_t mode);
int fchown(int fd, uid_t owner, gid_t group);
int flock(int fd, int operation);
// An exclusive record lock on the whole file, held by the open file
// description as flock's is, without waiting; `fd` must be open for writing.
int lockRecord(int fd);
// A short pause before a lock held by another writer is tried again.
void waitBeforeRetry();
// The names in a folder (not "." and ".."); false with errno set on failure.
bool listFolder(const char* path, const std::function<void(const char* name)>& each);

// The points of a save where a test can stop the process, as a crash would.
enum class SaveStep {
    TemporaryWritten, // the new bytes are in the temporary file, not flushed
    TemporaryFlushed, // the temporary file is complete and flushed
    Checked,          // the file still holds what was read; the save holds it
    Renamed,          // it has taken the file's name
    FolderFlushed,    // the folder is flushed: the save is done
    InPlaceWritten,   // rewrite in place: the changed bytes are written
    InPlaceFlushed,   // rewrite in place: cut to length and flushed, done
};
void reached(SaveStep step, const std::filesystem::path& file);

// The test seam. Everything here starts disabled and is cleared by reset().
struct Faults {
    // The nth call of `call` from now on (1 is the next) fails with `error`
    // without taking effect; a write of more than one byte writes half of its
    // bytes instead, and the write after it fails.
    static void failNth(Call call, int nth, int error);
    // Every write from now on writes at most `bytes` more in all, then fails
    // with ENOSPC, as a disk that fills up in the middle of a save.
    static void diskFullAfter(std::size_t bytes);
    // Calls of each kind since the last reset.
    static int count(Call call);
    // True when an injected fault has been delivered since the last reset.
    static bool delivered();
    static void onStep(std::function<void(SaveStep, const std::filesystem::path&)> hook);
    // Runs instead of each pause before a held lock is tried again, so that a
    // test decides what happens meanwhile and never waits on the clock.
    static void onWait(std::function<void()> hook);
    static void reset();
};

} // namespace zoki::sys
