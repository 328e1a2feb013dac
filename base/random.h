#pragma once

#include "base/services.h"

#include <cstdint>
#include <functional>
#include <random>

namespace zoki {

// The program's random numbers: 24-bit uniform singles from a 64-bit
// Mersenne Twister. A clock re-seed folds the clock reading and the
// generator's own output into a new seed, so two re-seeds within one clock
// tick still lead to different sequences.
class ClockMixedRandom : public Random {
public:
    using Clock = std::function<std::uint64_t()>;

    // Seeded from the system's entropy source and the clock.
    ClockMixedRandom();
    // A fixed start and clock, for reproducible runs (tests, benchmarks).
    explicit ClockMixedRandom(std::uint64_t seed, Clock clock = highResolutionTicks);

    float next() override;
    void reseedFromClock() override;

    // Nanoseconds of the high-resolution clock.
    static std::uint64_t highResolutionTicks();

private:
    std::mt19937_64 engine;
    Clock clock;
};

// Int(r × n + 1) as the program forms it: r times n in single precision,
// plus 1, rounded down; always 1..n for 0 <= r < 1. When n is a power of two
// the largest r gives n - 2^-24·n exactly, and adding 1 rounds (half to even)
// up to n + 1; that one value is held at n.
int oneTo(std::int32_t n, float r);

// Int(r × n): r times n in single precision, rounded down; 0..n - 1.
int scaledWhole(std::int32_t n, float r);

} // namespace zoki
