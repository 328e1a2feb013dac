#pragma once

#include "base/int16.h"
#include "base/loto.h"

#include <array>
#include <cstdint>
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
    std::array<Int16, kHighestNumber + 1> numberCount{}; // indexed 1..43
    Int16 drawNumberTotal;
    Int16 drawBarWidth;
    Int16 outBarWidth;

    // One element per line of OutData.dat; 6 per kept set; a spare empty
    // element follows the last line, or no element at all for an empty file.
    std::vector<std::string> outHistory;

    bool anyNumberSet = false;
    // The number last confirmed in the number window; stands in for its
    // caption once the user has closed (discarded) that window.
    std::string anyNumber = "1";
    bool matchSearchMode = false;

    // Size of the weighted ticket pool. 32-bit so that any history the
    // statistics can count still gives a valid pool.
    std::int32_t weightTotal = 0;
    Int16 drawPageMax;
    Int16 setPageMax;
};

} // namespace zoki
