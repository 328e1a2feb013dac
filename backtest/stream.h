#pragma once

#include "base/services.h"

#include <cstdint>

namespace zoki {

// The random values of one prediction in a backtest: draw `draw`, method
// `method`, repeat `repeat` under `seed`. Each has a stream of its own,
// derived from these four alone, so that no prediction depends on another
// draw, on the draw the backtest began at or on how far it got, and the
// same seed gives the same values. Single-precision values in [0, 1), as
// the generators take them; a clock never enters.
class StreamRandom : public Random {
public:
    StreamRandom(std::uint64_t seed, int draw, int method, int repeat);
    float next() override;
    // A backtest is reproducible: there is nothing to mix in.
    void reseedFromClock() override {}

private:
    std::uint64_t state_;
};

} // namespace zoki
