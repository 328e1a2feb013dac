#pragma once

#include "base/file_read.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

// Saving the files that hold the user's data: whole or not at all.
namespace zoki {

struct SaveOptions {
    // Set for a save planned from an earlier read: the file must still hold
    // what that read found (or still be missing); if something else changed
    // it, nothing is written and FileError(kChangedSinceRead) is thrown.
    std::optional<FileContent> expected{};
    // Set for a save that adds lines after what the file holds: the bytes it
    // adds (see the rewrite in place below).
    std::optional<std::string> appended{};
};

// Replaces the file atomically: the bytes go to a temporary file beside the
// real file (a symbolic link is written through, never replaced), which
// takes the old file's permission bits (and owner and group where the
// process may set them), is flushed to disk and renamed over the old file;
// the folder is then flushed too. The old file is held (SaveLock) from the
// check against `expected` through the rename. A file that did not exist is
// created without replacing one that appeared meanwhile. Only a regular file
// is replaced: a folder, a pipe or a device there is refused. On any failure
// the old file is untouched, the temporary file removed, and FileError
// thrown. Temporary files that earlier saves of the same file left when they
// were killed are removed first; one that a live save still writes is locked
// by it and stays.
//
// A folder that will not take the new file, holding a file that can be
// written: the file is rewritten in place, but only by adding after its old
// bytes, which a crash therefore leaves whole: when the new bytes begin with
// the old ones, the rest; otherwise `appended`, after a line end where the
// old bytes lack one. A save that would change bytes before the end is
// refused there (FileError kNoSafeReplace) and writes nothing. A failed
// write cuts the file back to its old length before FileError is thrown.
void replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes, const SaveOptions& options = {});

// Writes a file that must not exist yet, with the given permission bits:
// through a flushed temporary file named as `sibling`'s temporaries are (so
// that the next save of `sibling` clears what a crash leaves), which takes
// the name only while it is free. Throws FileError, with EEXIST when the
// name is taken.
void createFileExclusively(const std::filesystem::path& target, std::string_view bytes, mode_t mode,
                           const std::filesystem::path& sibling);

// Creates an empty file unless one exists (never overwrites; a link to
// nothing gets its file). Throws FileError.
void createEmptyIfMissing(const std::filesystem::path& path);

} // namespace zoki
