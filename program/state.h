#pragma once

#include "base/draw_table.h"
#include "base/int16.h"
#include "base/loto.h"

#include <array>
#include <string>
#include <vector>

namespace zoki {

// Values that exist once for the whole program and every window reaches.
struct SharedState {
    DrawTable drawTable;

    // One element per line of OutData.dat; 6 per kept set; a spare empty
    // element follows the last line, or no element at all for an empty file.
    std::vector<std::string> outHistory;

    bool anyNumberSet = false;
    // The number last confirmed in the number window; stands in for the
    // number it shows once the user has closed (discarded) that window.
    int anyNumber = 1;
    bool matchSearchMode = false;
};

// What the last statistics run found in the draw table, as it left it: the
// history window shows it, the weighted prediction draws from its counts and
// the winning numbers report writes its draws.
struct DrawStatistics {
    // The draw table as the run counted it, before any later reload added a
    // spare element: the panel of the latest draws numbers its draws and the
    // winning numbers report writes them.
    std::vector<std::string> countedTable;
    // How often each number occurs in the table, bonus numbers included.
    NumberCounts numberCount{};
    Int16 drawNumberTotal;
};

// Where a reveal stands: the set it shows (1..5) and the position in that set
// the next step fixes (0..5). The start button sets both; the step tick moves
// them and the flicker tick reads the position.
struct RevealState {
    Int16 revealRow;
    Int16 cnt;
};

} // namespace zoki
