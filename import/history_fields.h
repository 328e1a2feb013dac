#pragma once

#include "base/loto.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The fields of a draw-history file's rows: how a line splits into fields
// and what each field holds (a number, a draw number, a date, a name).
namespace zoki::parsing {

constexpr std::size_t kWindow = kLinesPerDraw; // six main numbers and the bonus
// Results files have a few dozen columns; fields further right are not read,
// so that one endless line costs no more than a normal one.
constexpr std::size_t kMaxColumns = 128;

constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80"; // U+3000

// Blanks around the field go; full-width digits ("０".."９", EF BC 90..99)
// become ASCII ones, in `buf`.
std::string_view clean(std::string_view raw, std::string& buf);

// A whole number in ASCII digits ("7", "07"), also in brackets as bonus
// numbers sometimes are ("(7)"), or -1.
int wholeNumber(std::string_view f);

// The quick way for the commonest field, one or two plain digits; -1 for
// anything else.
inline int smallNumber(std::string_view f) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (f.size() == 1 && digit(f[0]))
        return f[0] - '0';
    if (f.size() == 2 && digit(f[0]) && digit(f[1]))
        return (f[0] - '0') * 10 + (f[1] - '0');
    return -1;
}

inline bool isLotoNumber(int v) { return v >= 1 && v <= kHighestNumber; }

// "1234", "1,234" (as spreadsheets group digits), "第1234回" or "1234回":
// the draw number, or 0; `marked` tells whether 第 or 回 was there.
int drawNumberOf(std::string_view f, bool& marked);

// What a field holds, in 20 bytes: the reader keeps one row of them.
struct Field {
    int value = -1;            // wholeNumber; -1 for none
    int drawNo = 0;            // drawNumberOf; 0 for none
    std::uint32_t date = 0;    // rawDateOf; 0 for none
    std::uint8_t drawName = 0; // how surely a header names the draw numbers (1 surest); 0 for not
    std::uint8_t source = 0;   // its place in the line, where a quoted field of several numbers counts once
    bool empty = true;
    bool marked = false; // the draw number is written "第N回" or "N回"
    bool bonusName = false;
    bool undecoded = false; // holds bytes that decoded in no encoding
};

// The fields of one row, as RowReader holds them.
using Fields = std::span<const Field>;

// Any: commas and semicolons separate fields, and so do runs of blanks, for
// files that put the six numbers into one field ("02 08 10 13 27 30").
enum class Separator { Comma, Tab, Semicolon, Blank, Any };

// Splits a line into fields and reads each one; the fields of the last line
// read stay until the next.
class RowReader {
public:
    // Fields right of the first `columns` are not read.
    explicit RowReader(Separator sep, std::size_t columns = kMaxColumns) : sep_(sep), columns_(columns) {}

    Fields read(std::string_view line);

private:
    bool full() const { return count_ >= columns_; }
    void add(std::string_view raw);
    void addQuotedAtBlanks(std::string_view raw);
    std::size_t readQuoted(std::string_view line, std::size_t i);
    void readDelimited(std::string_view line, char d);
    void readAtBlanks(std::string_view line);

    Separator sep_;
    std::size_t columns_;
    std::uint8_t source_ = 0; // of the field being read
    std::array<Field, kMaxColumns> fields_;
    std::size_t count_ = 0;
    std::vector<std::string_view> pieces_;
    std::string quoted_;
    std::string cleaned_;
};

// A header that numbers the columns ("1,2,3,4,5,6,7", "1,2,3,4,5,6,ボーナス"):
// its numbers run 1, 2, 3, ... from the left, and there are at least six.
bool isNumericHeader(Fields fields);

} // namespace zoki::parsing
