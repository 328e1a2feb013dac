#include "predict/ranges.h"

#include "program/messages.h"

#include <array>
#include <cstddef>
#include <cstdio>

namespace zoki {

namespace {

// Formatted rather than joined: GCC 12 at -O3 warns (-Wrestrict) on "0" + string.
std::string twoDigits(int n) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%02d", n);
    return text.data();
}

} // namespace

bool excluded(std::span<const ExclusionRange> ranges, std::span<const bool> marks, int n) {
    for (std::size_t k = 0; k < ranges.size() && k < marks.size(); ++k)
        if (n >= ranges[k].first && n <= ranges[k].last)
            return marks[k];
    return false;
}

bool excluded(const RangeMarks& marks, int n) { return excluded(kExclusionRanges, marks, n); }

int allowedNumbers(std::span<const ExclusionRange> ranges, std::span<const bool> marks) {
    int allowed = 0;
    for (int n = 1; n <= kHighestNumber; ++n)
        allowed += excluded(ranges, marks, n) ? 0 : 1;
    return allowed;
}

int allowedNumbers(const RangeMarks& marks) { return allowedNumbers(kExclusionRanges, marks); }

std::string rangeSpan(const ExclusionRange& range) { return twoDigits(range.first) + "～" + twoDigits(range.last); }

std::string rangeCaption(const ExclusionRange& range) { return rangeSpan(range) + "の数値を対象外とする"; }

std::optional<std::string> rangeRefusal(std::span<const ExclusionRange> ranges, std::span<const bool> marks) {
    if (allowedNumbers(ranges, marks) >= kNumbersPerSet)
        return std::nullopt;
    std::string left;
    for (std::size_t k = 0; k < ranges.size() && k < marks.size(); ++k)
        if (!marks[k])
            left += (left.empty() ? "" : "、") + rangeSpan(ranges[k]);
    if (left.empty())
        return std::string(msg::kEveryRangeExcluded);
    return msg::onlyRangesLeft(left);
}

} // namespace zoki
