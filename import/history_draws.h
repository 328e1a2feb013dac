#pragma once

#include "import/history_fields.h"
#include "import/history_layout.h"
#include "import/history_parser.h"

#include <string_view>

// The draws of a draw-history file once its layout is known: which rows are
// draws, which are faulty, and where each draw goes.
namespace zoki::parsing {

// The draws as `layout` places them, with draw numbers from `numberColumn`.
// Without draw numbers or dates, `fromTheEnd` (when given) gets the same
// rows read from the last one up.
DrawHistory readRows(std::string_view text, Separator sep, const Layout& layout, int numberColumn,
                     DrawHistory* fromTheEnd = nullptr);

// ゾキ's own data.dat, or a backup of it: one number per line, seven lines
// per draw, draw k at lines 7k-6..7k. Empty lines are skipped, as the
// start-up does; a title above the first number is no draw. False for a
// file of another shape.
bool readDrawFileCopy(std::string_view text, DrawHistory& h);

} // namespace zoki::parsing
