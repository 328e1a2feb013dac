#pragma once

#include "program/main_window.h"
#include "program/program.h"

#include <cstddef>
#include <string>

namespace zoki {

// Element `index` of predictNumbers; out of range is the program's index error.
inline std::string& element(Program& p, int index) {
    if (index < 0 || index >= static_cast<int>(p.predictNumbers.size()))
        throw IndexError();
    return p.predictNumbers[static_cast<std::size_t>(index)];
}

// True when the text at rowBase + pos repeats one of the earlier texts of its set.
inline bool repeatsEarlier(Program& p, int pos) {
    const std::string& text = element(p, p.rowBase + pos);
    for (int m = 0; m < pos; ++m)
        if (element(p, p.rowBase + m) == text)
            return true;
    return false;
}

// What both generators do before the first draw of set genRow.
inline void beginSet(Program& p) {
    p.random.reseedFromClock();
    p.reveal.cnt = 0;
    dataClear(p);
    p.rowBase = (p.genRow - 1) * 6;
}

} // namespace zoki
