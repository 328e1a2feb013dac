#pragma once

#include <filesystem>
#include <string>

namespace zoki {

// One running copy of the program per data folder: an exclusive lock on the
// folder itself, held for as long as this object lives and released by the
// system when the process ends, however it ends. No file is left behind that
// a crash could make stale.
class FolderGuard {
public:
    enum class Outcome {
        Held,          // this process holds the folder
        HeldElsewhere, // another process holds it
        Unguarded,     // the folder cannot be locked (opened or locked): nothing to hold
    };

    explicit FolderGuard(const std::filesystem::path& folder);
    ~FolderGuard();
    FolderGuard(const FolderGuard&) = delete;
    FolderGuard& operator=(const FolderGuard&) = delete;

    Outcome outcome() const { return outcome_; }
    // The folder itself, whatever path names it: its device and inode
    // ("2049-1835007"); empty when it could not be opened.
    const std::string& identity() const { return identity_; }

private:
    int fd_ = -1;
    std::string identity_;
    Outcome outcome_ = Outcome::Unguarded;
};

} // namespace zoki
