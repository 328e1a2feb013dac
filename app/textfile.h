#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoki {

// Splits file content into lines ending at CR LF, a lone CR or a lone LF; the
// line end is not part of the text and a last line without one still counts.
std::vector<std::string> splitLines(std::string_view content);

// Reads a whole text file into lines. Throws FileError (naming the file and
// the reason) when it cannot be read; std::nullopt when it does not exist.
std::optional<std::vector<std::string>> readLinesIfExists(const std::filesystem::path& path);

// Same, but a missing file is a FileError too.
std::vector<std::string> readLines(const std::filesystem::path& path);

// Reads raw bytes; throws FileError.
std::string readBytes(const std::filesystem::path& path);

// Each line followed by CR LF.
std::string joinLines(const std::vector<std::string>& lines);

// Replaces the file atomically: the bytes go to a temporary file in the same
// folder, which is flushed to disk and renamed over the old file; the folder
// is then flushed too. On any failure the old file is untouched, the
// temporary file removed, and FileError thrown. Temporary files that earlier
// saves of the same file left when they were killed are removed first.
void replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Creates an empty file unless one exists (never overwrites). Throws FileError.
void createEmptyIfMissing(const std::filesystem::path& path);

// Test hook: when set, the next atomic replacements fail as a full disk would.
struct WriteFaultInjection {
    static void failNextWrites(int count);
};

} // namespace zoki
