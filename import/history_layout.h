#pragma once

#include "import/history_dates.h"
#include "import/history_fields.h"
#include "import/history_parser.h"

#include <string_view>
#include <vector>

// Where a draw-history file keeps what: the separator, the columns of the
// numbers, of the draw numbers and of the dates, judged over all its rows.
namespace zoki::parsing {

struct Layout {
    int offset = -1; // the column of the first main number
    int validRows = 0;
    std::vector<int> offsetTies; // other columns the numbers could as well start at
    int numberColumn = -1;
    std::vector<int> rivals; // other columns that could as well hold the draw numbers
    int dateColumn = -1;
    DateForm dateForm = DateForm::Written;
    bool otherGame = false;
    // Without draw numbers: a column that may hold what orders the draws
    // but cannot be read.
    Unreadable unreadable = Unreadable::None;
    int unreadableColumn = -1;
};

// The layout of the rows of `text` split at `sep`.
Layout layoutOf(std::string_view text, Separator sep);

// The separator that lets the most rows show a draw, judged on a few hundred
// rows from all over the file.
Separator chooseSeparator(std::string_view text);

// A few hundred lines from all over the text, the first among them: the
// line that starts after each of evenly spaced places.
std::vector<std::string_view> sampleLines(std::string_view text);

} // namespace zoki::parsing
