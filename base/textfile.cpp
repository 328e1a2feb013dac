#include "base/textfile.h"

#include "base/encoding.h"
#include "base/errors.h"
#include "base/loto.h"

#include <utility>

namespace zoki {

std::string decodeText(std::string bytes) {
    if (isAscii(bytes))
        return bytes;
    return fromShiftJis(bytes);
}

std::vector<std::string> textLines(std::string bytes) { return splitLines(decodeText(std::move(bytes))); }

std::optional<std::vector<std::string>> readTextLinesIfExists(const std::filesystem::path& path, std::size_t limit) {
    FileContent bytes = readFileIfExists(path, limit);
    if (!bytes)
        return std::nullopt;
    return textLines(std::move(*bytes));
}

std::vector<std::string> readTextLines(const std::filesystem::path& path, std::size_t limit) {
    return textLines(readFile(path, limit));
}

std::string readText(const std::filesystem::path& path, std::size_t limit) { return decodeText(readFile(path, limit)); }

std::string textFileBytes(const std::vector<std::string>& lines) { return toShiftJis(joinLines(lines)); }

std::string dataFileBytes(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    std::string bytes = textFileBytes(lines);
    if (bytes.size() > kMaxDataFileBytes)
        throw FileError::tooLarge(file, kMaxDataFileBytes);
    return bytes;
}

} // namespace zoki
