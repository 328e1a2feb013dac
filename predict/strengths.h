#pragma once

#include "base/loto.h"

#include <cstddef>
#include <iterator>

namespace zoki {

// How much the history weighs in the weighted prediction, strongest first:
// the even tickets each number holds besides its counted ones (the weaker the
// strength, the more even tickets, the less the history weighs).
struct WeightingStrength {
    int evenTicketsPerNumber;
};
inline constexpr WeightingStrength kStrengths[] = {{1}, {10}, {100}};

// A weighting strength by its place in kStrengths.
enum class Strength { High, Mid, Low };
static_assert(static_cast<std::size_t>(Strength::Low) + 1 == std::size(kStrengths), "a name for each strength");

// Every start begins at the strongest.
inline constexpr Strength kDefaultStrength = Strength::High;

// The even share of a strength: tickets spread evenly over all numbers.
constexpr int evenShareFor(Strength s) {
    return kStrengths[static_cast<std::size_t>(s)].evenTicketsPerNumber * kHighestNumber;
}

} // namespace zoki
