#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace zoki {

// What a read found in a file: its bytes, or std::nullopt when there was no
// such file. A save planned from a read is checked against it.
using FileContent = std::optional<std::string>;

// Reads a file the program keeps or is given. Only a regular file (or a link
// to one) is read: it is opened without blocking and its type checked on the
// open descriptor, so that a pipe or a device never stalls the program or
// fills its memory. At most `limit` bytes are read; a larger file is refused.
// Only a file that does not exist (ENOENT) is missing: std::nullopt. Any other
// failure throws FileError naming the file and the cause.
FileContent readFileIfExists(const std::filesystem::path& path, std::size_t limit);

// The same, but a missing file is a FileError too.
std::string readFile(const std::filesystem::path& path, std::size_t limit);

} // namespace zoki
