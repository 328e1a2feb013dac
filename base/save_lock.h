#pragma once

#include "base/file_descriptor.h"

#include <filesystem>

namespace zoki {

// Holds the file a save replaces from the check that it still holds what was
// read until the new bytes have taken its name, so that of two writers (two
// copies on one folder, or two folders sharing the file through links) only
// one saves from a given read: the other then finds the file changed. The
// lock is the system's, on the file itself, so it goes with the process
// however that ends and leaves nothing behind.
class SaveLock {
public:
    // Locks `file` (its links already followed), waiting a short, bounded time
    // while another writer holds it; still held then: FileError(kFileBusy).
    // Holds nothing when there is no such file or where the file system has
    // no locks (the start-up says so once). Any other failure to open the
    // file throws FileError.
    explicit SaveLock(const std::filesystem::path& file);
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;
    SaveLock(SaveLock&&) = default;
    SaveLock& operator=(SaveLock&&) = default;

    bool held() const { return fd_.get() >= 0; }

private:
    FileDescriptor fd_{-1};
};

} // namespace zoki
