#pragma once

#include "base/int16.h"

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

} // namespace zoki
