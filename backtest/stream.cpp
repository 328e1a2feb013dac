#include "backtest/stream.h"

namespace zoki {

namespace {

// SplitMix64: a 64-bit counter through a mixing function, which sends
// neighbouring inputs (draw 100 and 101) to unrelated outputs.
constexpr std::uint64_t kGolden = 0x9e3779b97f4a7c15ULL;

std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// Each key folded in through the mixer, so that (1, 2) and (2, 1) differ.
std::uint64_t fold(std::uint64_t state, std::uint64_t key) { return mix(state + kGolden + key); }

} // namespace

StreamRandom::StreamRandom(std::uint64_t seed, int draw, int method, int repeat)
    : state_(fold(fold(fold(fold(0, seed), static_cast<std::uint64_t>(draw)), static_cast<std::uint64_t>(method)),
                  static_cast<std::uint64_t>(repeat))) {}

float StreamRandom::next() {
    state_ += kGolden;
    // The top 24 bits: every value k / 2^24 is exact in single precision and
    // the largest is below 1.
    return static_cast<float>(mix(state_) >> 40) * (1.0f / 16777216.0f);
}

} // namespace zoki
