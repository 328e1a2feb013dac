#pragma once

#include <cstddef>
#include <iterator>

namespace zoki {

// The reveal's speeds, fastest first: the step timer's interval each sets.
struct RevealSpeed {
    int interval; // ms
};
inline constexpr RevealSpeed kRevealSpeeds[] = {{10}, {200}, {400}, {1000}};
inline constexpr int kRevealSpeedCount = static_cast<int>(std::size(kRevealSpeeds));

// A speed by its place in kRevealSpeeds.
enum class Speed { Fastest, Fast, Medium, Slow };
static_assert(static_cast<std::size_t>(Speed::Slow) + 1 == std::size(kRevealSpeeds), "a name for each speed");

// Every start of the program begins at medium speed.
inline constexpr Speed kDefaultRevealSpeed = Speed::Medium;

constexpr int intervalOf(Speed s) { return kRevealSpeeds[static_cast<std::size_t>(s)].interval; }

} // namespace zoki
