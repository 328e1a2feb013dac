#pragma once

#include "base/loto.h"
#include "predict/settings.h"

#include <array>
#include <optional>
#include <span>
#include <string>

namespace zoki {

class Random;
struct TicketPool;

// One set of predictNumbers: its number texts, position 0 first.
using SetRow = std::span<std::string, kNumbersPerSet>;

// A set's numbers in the order they were drawn. The generators draw numbers
// and the sets hold their texts; for the canonical texts the generators write,
// two texts are equal exactly when their numbers are, so the repeat test on
// numbers is the repeat test on texts.
using SetNumbers = std::array<int, kNumbersPerSet>;

// Fills a set plainly: each position Int(r × 43 + 1), drawn again while its
// text repeats an earlier one of the set.
void plainSet(SetRow set, Random& random);
// The same draw as numbers: plainSet writes exactly these, as texts.
SetNumbers plainNumbers(Random& random);

// Fills a set from the ticket pool: each position the number of a drawn
// ticket (excluded numbers drawn again), drawn again while its text repeats
// an earlier one; then, when a number was chosen, puts it in as
// placeChosenNumber does. TooFewNumbersError, before any draw, when the
// exclusions leave fewer numbers than a set holds.
void weightedSet(SetRow set, const TicketPool& pool, const RangeMarks& excludedRanges,
                 const std::optional<std::string>& chosen, Random& random);
// The weighted draw as numbers, before any chosen number goes in: weightedSet
// writes exactly these, as texts, then places the chosen number.
SetNumbers weightedNumbers(const TicketPool& pool, const RangeMarks& excludedRanges, Random& random);

// A set that lacks the chosen number (compared by value) gets it, as its
// text, at position q - 1 for q = Int(r × 10 + 1) up to 6; from 7 it stays.
void placeChosenNumber(SetRow set, const std::string& chosen, Random& random);

// Ascending by the whole part of each text ("7" before "12"), by adjacent
// swaps; equal values are never swapped.
void orderSet(SetRow set);

} // namespace zoki
