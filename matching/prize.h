#pragma once

#include <array>
#include <string>
#include <vector>

namespace zoki {

struct MatchedPair {
    int drawPosition; // 0..6
    int setPosition;  // 0..5
    bool bonus() const { return drawPosition == 6; }
    friend bool operator==(const MatchedPair&, const MatchedPair&) = default;
};

struct PrizeResult {
    int mainHits = 0;
    int bonusHits = 0;
    int rank = 0; // 1..5, 0 = no prize
    std::vector<MatchedPair> pairs;
};

// Textual comparison of a draw (six main numbers, then the bonus) with a set.
PrizeResult prizeRank(const std::array<std::string, 7>& draw, const std::array<std::string, 6>& set);

// "一等当選" .. "五等当選", "ニ等当選" with katakana, "該当なし".
const char* rankText(int rank);
// "【一等当選】" .. with kanji 二 for rank 2, "【該当なし】".
const char* rankHeading(int rank);

} // namespace zoki
