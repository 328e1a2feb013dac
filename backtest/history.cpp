#include "backtest/history.h"

#include "base/loto.h"
#include "base/numtext.h"

#include <algorithm>

namespace zoki {

namespace {

// A draw's seven values as numbers; false when one names no ball or one
// repeats another, which no real draw does.
bool readDraw(const std::vector<std::string>& values, std::size_t first, DrawNumbers& draw) {
    for (std::size_t k = 0; k < draw.size(); ++k) {
        draw[k] = ballNumber(values[first + k], {});
        if (draw[k] == 0)
            return false;
    }
    DrawNumbers sorted = draw;
    std::sort(sorted.begin(), sorted.end());
    return std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end();
}

} // namespace

HistoryReading drawHistory(const std::vector<std::string>& values, std::size_t lineCount) {
    HistoryReading reading;
    const std::size_t complete = std::min(lineCount, values.size()) / kLinesPerDraw;
    reading.draws.reserve(complete);
    for (std::size_t d = 0; d < complete; ++d) {
        DrawNumbers draw{};
        if (!readDraw(values, d * kLinesPerDraw, draw)) {
            reading.faultyDraw = static_cast<int>(d) + 1;
            break;
        }
        reading.draws.push_back(draw);
    }
    return reading;
}

} // namespace zoki
