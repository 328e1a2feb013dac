#pragma once

#include "matching/prize.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zoki {

// The winning draws as numbers, draw 1 first: six main numbers, then the bonus.
using DrawHistory = std::vector<DrawNumbers>;

struct HistoryReading {
    DrawHistory draws;
    // The first draw that is no draw (a value that is no whole number 1..43,
    // or a number twice), from 1; 0 when every draw is one. The draws before
    // it are read.
    int faultyDraw = 0;
};

// The complete draws among the first `lineCount` values of the draw table
// ("07" is 7, as the statistics count it). The values of an incomplete last
// draw are no draw yet and are left out.
HistoryReading drawHistory(const std::vector<std::string>& values, std::size_t lineCount);

} // namespace zoki
