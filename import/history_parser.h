#pragma once

#include "base/loto.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zoki {

// One draw read from a draw-history file.
// The six main numbers as a file gives them, then the bonus.
using DrawNumbers = std::array<int, kLinesPerDraw>;

struct ImportedDraw {
    DrawNumbers numbers{}; // the six main numbers as the file gives them, then the bonus
    int number = 0;        // its draw number in the file; 0 when the file has none
    int line = 0;          // 1-based line of the file
};

enum class RowFault {
    MissingNumbers,    // fewer than seven numbers
    MissingBonus,      // six numbers and no bonus
    OutOfRange,        // `value` is not a whole number 1..43 (-1: a text that is no number)
    Duplicate,         // the main number `value` twice
    BonusAmongMains,   // the bonus `value` is also a main number
    NoDrawNumber,      // the file numbers its draws, this row has none
    NoDate,            // the file is ordered by its dates, this row has none
    ConflictingRepeat, // another row has the same draw number and other numbers
};

struct FaultyRow {
    int line = 0;
    RowFault fault = RowFault::MissingNumbers;
    int draw = 0;  // the row's draw number, when the file gives draw numbers
    int value = 0; // the number at fault
    friend bool operator==(const FaultyRow&, const FaultyRow&) = default;
};

// The well-formed rows left out after the first draw that is missing or
// faulty: every later draw would land in the wrong place.
struct KeptOut {
    int rows = 0;
    int afterDraw = 0;   // with draw numbers: the draw that is missing or faulty
    bool absent = false; // that draw has no row at all
    int afterLine = 0;   // without draw numbers: the faulty row
    friend bool operator==(const KeptOut&, const KeptOut&) = default;
};

enum class HistoryOrder {
    FileOrder, // no draw numbers: the file's order, from draw 1
    Dates,     // no draw numbers: ordered by the date column, from draw 1
    Numbers,   // a column of draw numbers places every draw
    DrawFile,  // ゾキ's own data.dat: seven lines per draw, draw k at lines 7k-6..7k
};

// Why a file whose rows look like draws cannot be placed: the import
// refuses it rather than guess.
enum class Unreadable {
    None,
    Text,      // most lines decode in no encoding
    Column,    // a column that may hold the draw numbers or dates did not decode
    Dates,     // a column of dates that cannot be read, or can be read more than one way
    SameDates, // different draws on the same date: the dates cannot order them
};

// What a history file holds, ready to merge: the draws without a gap, oldest
// first, and the rows that looked like draws but could not be taken.
struct DrawHistory {
    std::vector<ImportedDraw> draws;
    HistoryOrder order = HistoryOrder::FileOrder;
    int firstNumber = 1;           // draw number of the first draw (1 without draw numbers)
    std::vector<FaultyRow> faults; // in line order
    KeptOut keptOut;
    int repeatedRows = 0;            // identical repeats of a draw, counted once
    bool otherGame = false;          // the rows hold another lottery's draws (Loto 7, Mini Loto)
    std::vector<int> undecodedLines; // neither UTF-8 nor Shift_JIS
    int numberColumn = -1;           // 0-based column of the draw numbers
    int offset = -1;                 // 0-based column of the first main number
    int firstDate = 0;               // Dates: the first draw's, yyyymmdd
    Unreadable unreadable = Unreadable::None;
    int unreadableColumn = -1; // 0-based (Column, Dates)
    int lines = 0;             // Text: the lines that are not empty
    bool reversed = false;     // FileOrder: read from the last row up
    // The same file read another way (another column as its draw numbers,
    // the numbers from another column, from the last row up), when nothing
    // in the file tells which reading holds.
    std::vector<DrawHistory> rivals;

    bool numbered() const { return order == HistoryOrder::Numbers || order == HistoryOrder::DrawFile; }
    int lastNumber() const { return firstNumber + static_cast<int>(draws.size()) - 1; }
    // The row that stops the history, listed first; nullptr when the stop is
    // a draw without any row, or when nothing stops it.
    const FaultyRow* stoppingRow() const;
};

// The bytes of a history file as UTF-8 text, line by line: a file that is
// UTF-8 as a whole (after a byte-order mark) is taken as it is; otherwise
// each line is UTF-8 when it is valid as such and Shift_JIS when not, and a
// line that is neither is listed in `undecoded`.
std::string decodeHistoryText(std::string_view bytes, std::vector<int>* undecoded = nullptr);

// Reads a draw-history file as results sites publish it: one draw per row,
// fields separated by commas, tabs, semicolons or blanks, quoted or not. The
// six main numbers and the bonus are the seven consecutive fields at the
// column where most rows hold seven valid numbers. A column of draw numbers
// ("1234" or "第1234回"; one that a header names wins) places the draws;
// without one, a date column orders them. Rows without numbers (headers,
// notes, empty rows) are skipped silently; rows that look like draws but
// break the rules are listed in `faults`, and the rows after a missing or
// faulty draw are left out, since the draws' positions are their numbers.
// ゾキ's own data.dat (one number per line) is read as well.
DrawHistory parseDrawHistory(std::string_view bytes);

} // namespace zoki
