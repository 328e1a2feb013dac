#pragma once

#include "base/file_read.h"
#include "base/lines.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of the data files and reports: lines in the system code page
// (CP932), decoded to UTF-8 on reading and encoded on writing.
namespace zoki {

// File bytes as UTF-8. A byte that does not decode is kept (see
// fromShiftJis), so writing the lines back with textFileBytes gives the bytes
// that were read. ASCII, the same in both, is not copied.
std::string decodeText(std::string bytes);

// The decoded lines of file bytes.
std::vector<std::string> textLines(std::string bytes);

// The lines of a file, decoded; std::nullopt when it does not exist. Throws
// FileError (naming the file and the reason) when it cannot be read or is
// over `limit` bytes (see readFileIfExists).
std::optional<std::vector<std::string>> readTextLinesIfExists(const std::filesystem::path& path, std::size_t limit);

// Same, but a missing file is a FileError too.
std::vector<std::string> readTextLines(const std::filesystem::path& path, std::size_t limit);

// The whole of such a file, decoded; throws FileError.
std::string readText(const std::filesystem::path& path, std::size_t limit);

// Each line followed by CR LF, in the system code page; throws EncodingError.
std::string textFileBytes(const std::vector<std::string>& lines);

// The same for data.dat or OutData.dat (`file`), never more than the next
// start can read (kMaxDataFileBytes): beyond it FileError(kFileTooLarge).
std::string dataFileBytes(const std::filesystem::path& file, const std::vector<std::string>& lines);

} // namespace zoki
