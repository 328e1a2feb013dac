#pragma once

#include "base/atomic_save.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zoki {

class Program;

// The reports' file-name rule: ".txt" is appended unless the name already
// contains ".txt" somewhere (case-sensitive, so "a.TXT" becomes "a.TXT.txt").
std::string withTextExtension(const std::string& name);

// Shows the save dialog for a text report, starting from the name chosen last
// time and remembering the new one. The path to write, or std::nullopt when
// the user cancelled.
std::optional<std::filesystem::path> chooseReportPath(Program& p);

// A text of exactly one character gets a "0" in front ("7" -> "07"); longer
// and empty texts stay as they are. Characters, not bytes, are counted, as
// the code page counts them: a value kept as its raw two bytes is one.
std::string twoDigits(std::string_view text);
std::string twoDigits(long long number);

// The pieces joined into one text.
template <class... Pieces> std::string concat(const Pieces&... pieces) {
    std::string out;
    (out.append(std::string_view(pieces)), ...);
    return out;
}

// Report lines collected as UTF-8, each ended by CR LF.
class ReportText {
public:
    // The pieces make one line; no pieces make an empty line.
    template <class... Pieces> void line(const Pieces&... pieces) {
        (text_.append(std::string_view(pieces)), ...);
        text_ += "\r\n";
    }
    void reserve(std::size_t bytes) { text_.reserve(bytes); }
    const std::string& utf8() const { return text_; }
    // The file bytes: Shift_JIS; throws EncodingError.
    std::string bytes() const;

private:
    std::string text_;
};

// What the program reads of an earlier report it appends to, at most.
inline constexpr std::size_t kMaxReportBytes = std::size_t{16} << 20;

// Builds the file bytes and puts them in place atomically. makeBytes may read
// the file first and say so in the options (a save planned from that read).
// A failure to read, convert or write is told to the user (title "警告");
// the file is then left as it was and false is returned.
bool saveReport(Program& p, const std::filesystem::path& path,
                const std::function<std::string(SaveOptions&)>& makeBytes);

} // namespace zoki
