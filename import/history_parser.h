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
    OutOfRange,        // a value that is not a whole number 1..43
    Duplicate,         // a main number twice, or the bonus among them
    NoDrawNumber,      // the file numbers its draws, this row has none
    ConflictingRepeat, // another row has the same draw number and other numbers
    AfterGap,          // a later draw than the missing draw `ref`
    AfterFaultyRow,    // without draw numbers: a row after the faulty line `ref`
};

struct FaultyRow {
    int line = 0;
    RowFault fault = RowFault::MissingNumbers;
    int ref = 0;
    friend bool operator==(const FaultyRow&, const FaultyRow&) = default;
};

// What a history file holds, ready to merge: the draws without a gap, oldest
// first, and the rows that looked like draws but could not be taken.
struct DrawHistory {
    std::vector<ImportedDraw> draws;
    bool numbered = false;         // the file gives draw numbers
    int firstNumber = 1;           // draw number of the first draw (1 without draw numbers)
    std::vector<FaultyRow> faults; // in line order
    int repeatedRows = 0;          // identical repeats of a draw, counted once

    int lastNumber() const { return firstNumber + static_cast<int>(draws.size()) - 1; }
};

// The bytes of a history file as UTF-8 text: a byte-order mark or valid UTF-8
// says UTF-8, anything else is read as Shift_JIS.
std::string decodeHistoryText(std::string_view bytes);

// Reads a draw-history file as results sites publish it: one draw per row,
// fields separated by commas, tabs, semicolons or blanks, quoted or not. The
// six main numbers and the bonus are the seven consecutive fields at the
// column where most rows hold seven valid numbers; a column of consecutive
// draw numbers ("1234" or "第1234回") orders the draws. Rows without numbers
// (headers, notes, empty rows) are skipped silently; rows that look like
// draws but break the rules are listed in `faults`. Everything after a
// missing or faulty draw is listed too, since the draws' positions are their
// numbers.
DrawHistory parseDrawHistory(std::string_view bytes);

} // namespace zoki
