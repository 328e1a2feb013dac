#pragma once

#include "base/loto.h"

#include <array>
#include <string>
#include <vector>

namespace zoki {

// First to fifth prize; 0 is no prize.
inline constexpr int kPrizeRanks = 5;

using DrawTexts = std::array<std::string, kLinesPerDraw>; // six main numbers, then the bonus
using SetTexts = std::array<std::string, kNumbersPerSet>;

struct MatchedPair {
    int drawPosition; // 0..6
    int setPosition;  // 0..5
    bool bonus() const { return drawPosition == kBonusPosition; }
    friend bool operator==(const MatchedPair&, const MatchedPair&) = default;
};

struct PrizeResult {
    int mainHits = 0;
    int bonusHits = 0;
    int rank = 0; // 1..kPrizeRanks, 0 = no prize
    std::vector<MatchedPair> pairs;
};

// Textual comparison of a draw (six main numbers, then the bonus) with a set.
PrizeResult prizeRank(const DrawTexts& draw, const SetTexts& set);

// The rank table, tried from the top: six main hits first, five with one
// bonus hit second, five third, four fourth, three fifth, else 0.
int rankFor(int mainHits, int bonusHits);

// A draw and a set as numbers. For the canonical texts the program writes,
// prizeRank of their texts counts exactly these hits and gives this rank.
using DrawNumbers = std::array<int, kLinesPerDraw>;
using SetNumberArray = std::array<int, kNumbersPerSet>;
struct Hits {
    int mainHits = 0;
    int bonusHits = 0;
    int rank = 0;
    friend bool operator==(const Hits&, const Hits&) = default;
};
Hits prizeRankOf(const DrawNumbers& draw, const SetNumberArray& set);

// "一等当選" .. "五等当選", "ニ等当選" with katakana, "該当なし".
const char* rankText(int rank);
// "【一等当選】" .. with kanji 二 for rank 2, "【該当なし】".
const char* rankHeading(int rank);

} // namespace zoki
