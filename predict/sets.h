#pragma once

#include "base/loto.h"
#include "predict/settings.h"

#include <array>
#include <optional>
#include <span>

namespace zoki {

class Random;
struct TicketPool;

// One set of predictNumbers, position 0 first.
using SetRow = std::span<int, kNumbersPerSet>;

// A set's numbers in the order they were drawn.
using SetNumbers = std::array<int, kNumbersPerSet>;

// Fills a set plainly: each position Int(r × 43 + 1), drawn again while it
// repeats an earlier number of the set.
void plainSet(SetRow set, Random& random);
// The same draw as a value: plainSet writes exactly these.
SetNumbers plainNumbers(Random& random);

// Fills a set from the ticket pool: each position the number of a drawn
// ticket (excluded numbers drawn again), drawn again while it repeats an
// earlier one; then, when a number was chosen, puts it in as
// placeChosenNumber does. TooFewNumbersError, before any draw, when the
// exclusions leave fewer numbers than a set holds.
void weightedSet(SetRow set, const TicketPool& pool, const RangeMarks& excludedRanges, std::optional<int> chosen,
                 Random& random);
// The weighted draw as a value, before any chosen number goes in:
// weightedSet writes exactly these, then places the chosen number.
SetNumbers weightedNumbers(const TicketPool& pool, const RangeMarks& excludedRanges, Random& random);

// A set that lacks the chosen number gets it at position q - 1 for
// q = Int(r × 10 + 1) up to 6; from 7 it stays.
void placeChosenNumber(SetRow set, int chosen, Random& random);

// Ascending, by adjacent swaps.
void orderSet(SetRow set);

} // namespace zoki
