#pragma once

#include "base/int16.h"
#include "matching/prize.h"

#include <string>
#include <vector>

namespace zoki {

// Draws and kept sets as pages, for the match search and the hit history
// report. Draw page p holds draw-table entries 7p - 7 .. 7p - 1 (the last is
// the bonus); set page q holds output-history entries 6q - 6 .. 6q - 1.

// The highest index of a table; -1 when it has no element at all.
long long highestIndex(const std::vector<std::string>& table);

// Page counts from the tables' highest indexes U_d and U_h: U_d / 7 and
// (U_h - 2) / 6, each rounded half to even. With the spare entry after the
// last line these are the numbers of draws and of kept sets.
long long drawPageCount(long long highestDrawIndex);
long long setPageCount(long long highestHistoryIndex);

// A page count as a 16-bit scroll bar holds it: a longer history leaves its
// later pages beyond reach instead of stopping every page change.
Int16 pageMax16(long long count);

// The last page of each of the match search window's scroll bars, for the
// tables as they are.
struct PageLimits {
    Int16 drawPageMax;
    Int16 setPageMax;
};
PageLimits pageLimits(const std::vector<std::string>& drawTable, const std::vector<std::string>& outHistory);

// The warning a match of kept sets against draws gives before it starts,
// checked in this order: no kept set at all (A), no draw (B), too few kept
// entries (A); nullptr when there is something to match.
const char* matchWarning(const std::vector<std::string>& drawTable, const std::vector<std::string>& outHistory);

// A page exists when its bar can select it (1..pageMax) and 16-bit page
// arithmetic reaches it (at most 4681 draws, 5461 sets). A page that does
// not exist shows empty and matches nothing; an existing page is ranked
// whatever its entries hold.
bool pageExists(int page, Int16 pageMax, int size);

// The draw and the kept set on a page: the table's entries, empty beyond its
// end (a last draw or set cut short) and all empty on a page that does not
// exist.
DrawTexts drawOnPage(const std::vector<std::string>& drawTable, int page, Int16 drawPageMax);
SetTexts setOnPage(const std::vector<std::string>& outHistory, int page, Int16 setPageMax);

// How the balls of a page treat an entry of an existing page that is not a
// number.
enum class BallFill {
    // A page change: no picture for it, the rest filled.
    Lenient,
    // The opening: it ends the fill, an empty entry too, so the balls from
    // it on keep what they showed. A number without a ball ("44") ends
    // nothing: it shows none, and the fill goes on.
    UpToFailure,
};

// The pictures of a page's balls in the order they are filled: the draw's
// six numbers, its bonus, then the set's six; 0 for an entry that names no
// ball 1..43 by its whole part, so a damaged entry never borrows another
// ball's picture. Shorter than thirteen where an UpToFailure fill ended.
std::vector<int> pageBallPictures(const DrawTexts& draw, bool drawExists, const SetTexts& set, bool setExists,
                                  BallFill fill);

} // namespace zoki
