#pragma once

#include "base/int16.h"
#include "base/loto.h"

#include <array>
#include <string>
#include <vector>

namespace zoki {

// Values that exist once for the whole program and every window reaches.
struct SharedState {
    // One element per line of data.dat, trimmed; 7 per draw. After
    // LoadDrawFile one spare empty element follows the last line.
    std::vector<std::string> drawTable;
    Int16 drawLineCount;
    std::vector<std::string> drawRecords;
    NumberCounts numberCount{};
    Int16 drawNumberTotal;

    // One element per line of OutData.dat; 6 per kept set; a spare empty
    // element follows the last line, or no element at all for an empty file.
    std::vector<std::string> outHistory;

    bool anyNumberSet = false;
    // The number last confirmed in the number window; stands in for the
    // number it shows once the user has closed (discarded) that window.
    int anyNumber = 1;
    bool matchSearchMode = false;
};

// Where a reveal stands: the set it shows (1..5) and the position in that set
// the next step fixes (0..5). The start button sets both; the step tick moves
// them and the flicker tick reads the position.
struct RevealState {
    Int16 revealRow;
    Int16 cnt;
};

} // namespace zoki
