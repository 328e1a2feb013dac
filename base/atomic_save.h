#pragma once

#include "base/file_read.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <sys/types.h>

// Saving the files that hold the user's data: whole or not at all.
namespace zoki {

struct SaveOptions {
    // Set for a save planned from an earlier read: the file must still hold
    // what that read found (or still be missing); if something else changed
    // it, nothing is written and FileError(kChangedSinceRead) is thrown.
    std::optional<FileContent> expected;
    // False: where only a rewrite in place would do (see below), nothing is
    // written and replaceFileAtomically returns false.
    bool inPlaceAllowed = true;
};

// Replaces the file atomically: the bytes go to a temporary file beside the
// real file (a symbolic link is written through, never replaced), which
// takes the old file's permission bits (and owner and group where the
// process may set them), is flushed to disk and renamed over the old file;
// the folder is then flushed too. A file that did not exist is created
// without replacing one that appeared meanwhile. Only a regular file is
// replaced: a folder, a pipe or a device there is refused. On any failure the
// old file is untouched, the temporary file removed, and FileError thrown.
// Temporary files that earlier saves of the same file left when they were
// killed are removed first; one that a live save still writes is locked by
// it and stays.
//
// A folder that cannot be written, holding a file that can: the file is
// rewritten in place from the first byte that differs, so a save that adds
// to the end never overwrites the old bytes, and a crash leaves them whole.
// A save that changes earlier bytes or shortens the file has no such
// shelter: a crash between its write and its cut to length can leave the
// new bytes followed by the end of the old ones. A failed write puts the old
// content back from memory before FileError is thrown.
//
// True when the file holds the new bytes; false only when the options
// forbid the rewrite in place that would have been needed.
bool replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes, const SaveOptions& options = {});

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
