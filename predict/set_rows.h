#pragma once

#include "base/errors.h"
#include "base/loto.h"
#include "predict/sets.h"
#include "program/program.h"

namespace zoki {

// Set `set` (1..kMaxSets) of predictNumbers; any other is the program's
// index error.
inline SetRow setRow(Program& p, int set) {
    if (set < 1 || set > kMaxSets)
        throw IndexError();
    return SetRow(p.predictNumbers.begin() + firstOfSet(set), kNumbersPerSet);
}

} // namespace zoki
