#pragma once

#include "base/loto.h"

#include <array>
#include <iterator>
#include <optional>
#include <span>
#include <string>

namespace zoki {

// The ranges of numbers the weighted prediction can leave out, in menu order.
// Range k (0-based) is range code numX = k + 1.
struct ExclusionRange {
    int first;
    int last;
};
inline constexpr ExclusionRange kExclusionRanges[] = {
    {1, 9}, {10, 19}, {20, 29}, {30, 39}, {40, kHighestNumber},
};
inline constexpr int kRangeCount = static_cast<int>(std::size(kExclusionRanges));

// A mark per exclusion range, in the order of kExclusionRanges.
using RangeMarks = std::array<bool, kRangeCount>;

// True when number n lies in a range that is marked (the first range that
// holds n decides).
bool excluded(std::span<const ExclusionRange> ranges, std::span<const bool> marks, int n);
bool excluded(const RangeMarks& marks, int n);
// How many of the numbers 1..kHighestNumber the marks leave.
int allowedNumbers(std::span<const ExclusionRange> ranges, std::span<const bool> marks);
int allowedNumbers(const RangeMarks& marks);

// "01～09": a range as its menu item and its warning name it.
std::string rangeSpan(const ExclusionRange& range);
// "01～09の数値を対象外とする": the caption of a range's menu item.
std::string rangeCaption(const ExclusionRange& range);

// The warning that refuses the marks when they leave fewer numbers than a set
// needs: every range marked, or the ranges left too small; nothing when
// enough numbers remain.
std::optional<std::string> rangeRefusal(std::span<const ExclusionRange> ranges, std::span<const bool> marks);

} // namespace zoki
