#include "base/random.h"

#include <chrono>
#include <cmath>
#include <utility>
#include <vector>

namespace zoki {

namespace {

void appendWord(std::vector<std::uint32_t>& words, std::uint64_t v) {
    words.push_back(static_cast<std::uint32_t>(v));
    words.push_back(static_cast<std::uint32_t>(v >> 32));
}

} // namespace

ClockMixedRandom::ClockMixedRandom() : clock(highResolutionTicks) {
    std::random_device device;
    std::vector<std::uint32_t> words;
    for (int i = 0; i < 8; ++i)
        words.push_back(device());
    appendWord(words, clock());
    std::seed_seq seq(words.begin(), words.end());
    engine.seed(seq);
}

ClockMixedRandom::ClockMixedRandom(std::uint64_t seed, Clock clock_) : engine(seed), clock(std::move(clock_)) {}

float ClockMixedRandom::next() {
    // The top 24 bits: every value k / 2^24 is exact in single precision and
    // the largest is below 1.
    const std::uint64_t bits = engine() >> 40;
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

void ClockMixedRandom::reseedFromClock() {
    // 256 bits drawn from the current state and the clock reading go
    // through seed_seq's mixing; the clock alone never decides the state.
    std::vector<std::uint32_t> words;
    for (int i = 0; i < 4; ++i)
        appendWord(words, engine());
    appendWord(words, clock());
    std::seed_seq seq(words.begin(), words.end());
    engine.seed(seq);
}

int oneTo(std::int32_t n, float r) {
    // Each step rounded to single precision, as the program's arithmetic is.
    const float scaled = static_cast<float>(n) * r;
    const float shifted = scaled + 1.0f;
    const int whole = static_cast<int>(std::floor(shifted));
    return whole > n ? static_cast<int>(n) : whole;
}

int scaledWhole(std::int32_t n, float r) {
    const float scaled = static_cast<float>(n) * r;
    return static_cast<int>(std::floor(scaled));
}

std::uint64_t ClockMixedRandom::highResolutionTicks() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

} // namespace zoki
