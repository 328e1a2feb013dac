#include "draws/registration.h"

#include "base/errors.h"
#include "base/int16.h"
#include "base/loto.h"
#include "base/numtext.h"
#include "base/steps.h"
#include "base/textfile.h"
#include "draws/draw_file.h"
#include "draws/statistics.h"
#include "program/messages.h"
#include "program/program.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <string>
#include <vector>

namespace zoki {

namespace {

// One field per line of a draw: the six main numbers, then the bonus.
constexpr int kFields = kLinesPerDraw;

// ASCII digits; a full-width "５" has become one (see enteredTexts).
bool startsWithDigit(const std::string& text) { return !text.empty() && text[0] >= '0' && text[0] <= '9'; }

// A text that begins with a digit but is not one number as a whole ("1a",
// "1 2") is refused here too, so the range check only meets numbers.
bool looksNumeric(const std::string& text) { return startsWithDigit(text) && isNumber(text); }

void highlight(Form4& f, int field) { f.Text1(field).setBackColor(kFaultyFieldColor); }
void restore(Form4& f, int field) { f.Text1(field).setBackColor(Form4::normalColor(field)); }

// The fields' texts, full-width digits typed with the input method on read
// as the digits they show: "１８" is 18, as "18" is.
std::array<std::string, kFields> enteredTexts(const Form4& f) {
    std::array<std::string, kFields> texts;
    for (int k = 0; k < kFields; ++k)
        texts[static_cast<std::size_t>(k)] = asciiDigits(f.Text1(k).text());
    return texts;
}

// A line of data.dat as the number it holds; -1 for anything else.
int storedNumber(const std::string& line) {
    const std::string_view t = trimSpacesView(line);
    if (t.empty() || t.size() > 2 || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return std::stoi(std::string(t));
}

// The last whole draw of the table's first `lines` elements is the draw
// entered (the same main numbers in any order, the same bonus): a second
// registration of one draw, which a later import would find differing.
bool sameAsLatest(const std::vector<std::string>& table, long long lines, const std::array<double, kFields>& entered) {
    const long long whole = lines / kLinesPerDraw;
    if (whole == 0)
        return false;
    std::array<int, kFields> latest{};
    std::array<int, kFields> mine{};
    for (std::size_t k = 0; k < latest.size(); ++k) {
        latest[k] = storedNumber(table[static_cast<std::size_t>((whole - 1) * kLinesPerDraw) + k]);
        mine[k] = static_cast<int>(entered[k]);
    }
    std::sort(latest.begin(), latest.begin() + kNumbersPerSet);
    std::sort(mine.begin(), mine.begin() + kNumbersPerSet);
    return latest == mine;
}

using Texts = std::array<std::string, kFields>;
using Values = std::array<double, kFields>;

// Each check shows its message and ends the click; false when it did.
bool noBlank(Program& p, const Texts& text) {
    for (const std::string& t : text) {
        if (t.empty()) {
            p.message(msg::kBlankField, msg::kWarning);
            return false;
        }
    }
    return true;
}

bool allDigits(Program& p, Form4& f, const Texts& text) {
    bool fault = false;
    for (int k = 0; k < kFields; ++k) {
        if (!looksNumeric(text[static_cast<std::size_t>(k)])) {
            highlight(f, k);
            fault = true;
        }
    }
    if (!fault)
        return true;
    p.message(msg::kNotDigits, msg::kWarning);
    for (int k = 0; k < kFields; ++k)
        if (f.Text1(k).backColor() == kFaultyFieldColor)
            restore(f, k);
    return false;
}

// A number with a fraction names no ball: "1.5" is not 1.
bool inRange(Program& p, Form4& f, const Texts& text, Values& value) {
    std::array<Int16, kFields> badField{};
    bool fault = false;
    for (int k = 0; k < kFields; ++k) {
        const double v = numericValue(text[static_cast<std::size_t>(k)]);
        value[static_cast<std::size_t>(k)] = v;
        if (!(v >= 1 && v <= kHighestNumber && v == std::floor(v))) {
            badField[static_cast<std::size_t>(k)] = 1;
            fault = true;
        }
    }
    if (!fault)
        return true;
    for (int k = 0; k < kFields; ++k)
        if (badField[static_cast<std::size_t>(k)] == 1)
            highlight(f, k);
    p.message(msg::outOfRange(), msg::kWarning);
    for (int k = 0; k < kFields; ++k)
        if (badField[static_cast<std::size_t>(k)] == 1)
            restore(f, k);
    return false;
}

// Values, not texts: "7" and "07" are the same ball.
bool noDuplicate(Program& p, Form4& f, const Values& value) {
    int dupI = -1;
    int dupJ = -1;
    for (int i = 0; i < kFields; ++i) {
        for (int j = 0; j < kFields; ++j) {
            if (i != j && value[static_cast<std::size_t>(j)] == value[static_cast<std::size_t>(i)]) {
                dupI = i;
                dupJ = j;
            }
        }
    }
    if (dupI < 0)
        return true;
    highlight(f, dupJ);
    highlight(f, dupI);
    p.message(msg::kDuplicate, msg::kWarning);
    restore(f, dupJ);
    restore(f, dupI);
    return false;
}

// Appends the draw to the lines read and saves the file; false after
// telling why it could not be saved.
bool appendDraw(Program& p, const Values& value, long long lines, const DrawFileRead& read) {
    // The new draw follows the lines read; the table then ends with the bonus.
    std::vector<std::string> extended(p.s.drawTable.elements().begin(),
                                      p.s.drawTable.elements().begin() + static_cast<std::ptrdiff_t>(lines));
    for (int k = 0; k < kFields; ++k)
        extended.push_back(decimalText(static_cast<long long>(value[static_cast<std::size_t>(k)])));

    // The file is replaced atomically; on failure file, table and the
    // user's texts stay as they were, so the draw can be registered again.
    try {
        writeDrawFile(p, keepSpaceLines(read, extended),
                      {.expected = read.bytes, .appended = addedDrawLines(extended, static_cast<std::size_t>(lines))});
    } catch (const ProgramError& e) { // FileError, or EncodingError for a text the code page cannot hold
        p.message(msg::fileFailure(msg::kDrawFileNotSaved, e.what(), msg::kNotRegistered), msg::kWarning, Buttons::Ok,
                  Icon::Critical);
        return false;
    }
    p.s.drawTable = DrawTable(std::move(extended));
    return true;
}

} // namespace

void Form4_Command1_Click(Program& p) {
    Form4& f = p.form4();

    // 1. The draw table as the file holds it now, one spare. The save below is
    // planned from these bytes.
    DrawFileRead read;
    try {
        read = readDrawFile(p.drawPath());
        if (!read.bytes)
            throw FileError(p.drawPath(), FileAction::Read, ENOENT);
        p.s.drawTable = DrawTable::withSpare(read.values);
    } catch (const FileError& e) {
        p.message(msg::fileFailure(msg::kDrawFileNotRead, e.what(), msg::kNotRegistered), msg::kWarning, Buttons::Ok,
                  Icon::Critical);
        return;
    }

    const Texts text = enteredTexts(f);
    Values value{};
    if (!noBlank(p, text) || !allDigits(p, f, text) || !inRange(p, f, text, value) || !noDuplicate(p, f, value))
        return;

    // Line counts are 16-bit: a file that cannot take one more draw
    // refuses it before anything is written.
    const long long lines = p.s.drawTable.lineCount();
    if (lines + kLinesPerDraw > kMaxDrawFileLines) {
        p.message(msg::drawFileFull(), msg::kWarning);
        return;
    }
    // A double entry is asked about; Enter keeps the file as it is.
    if (sameAsLatest(p.s.drawTable.elements(), lines, value) &&
        p.message(msg::sameAsLatestDraw(static_cast<int>(lines / kLinesPerDraw)), msg::kQuestion,
                  Buttons::YesNoDefaultNo) != Answer::Yes)
        return;
    if (!appendDraw(p, value, lines, read))
        return;

    for (int k = 0; k < kFields; ++k)
        f.Text1(k).setText("");
    // The draw is saved; statistics that stop on damaged data must not keep
    // the form open as if the registration had failed.
    tryStep([&] { RefreshStatistics(p); });
    f.hide();
}

} // namespace zoki
