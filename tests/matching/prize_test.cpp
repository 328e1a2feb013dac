#include "base/errors.h"
#include "base/random.h"
#include "matching/prize.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

namespace zoki {
namespace {

using Draw = std::array<std::string, 7>;
using Set = std::array<std::string, 6>;

const Draw kDraw{"3", "11", "19", "25", "33", "41", "7"};

TEST(PrizeRank, RankTableWithTheBonusCountingOnlyForSecondPrize) {
    struct Case {
        const char* name;
        Set set;
        int mainHits;
        int bonusHits;
        int rank;
    };
    const Case cases[] = {
        {"six main in another order", {"41", "3", "33", "11", "25", "19"}, 6, 0, 1},
        {"five main and the bonus", {"3", "11", "19", "25", "33", "7"}, 5, 1, 2},
        {"five main and a stranger", {"3", "11", "19", "25", "33", "8"}, 5, 0, 3},
        {"four main and the bonus", {"3", "11", "19", "25", "7", "8"}, 4, 1, 4},
        {"four main", {"3", "11", "19", "25", "9", "8"}, 4, 0, 4},
        {"three main and the bonus", {"3", "11", "19", "7", "9", "8"}, 3, 1, 5},
        {"three main", {"3", "11", "19", "1", "9", "8"}, 3, 0, 5},
        {"two main and the bonus", {"3", "11", "7", "1", "9", "8"}, 2, 1, 0},
        {"only the bonus", {"7", "1", "2", "4", "5", "6"}, 0, 1, 0},
        {"nothing", {"1", "2", "4", "5", "6", "8"}, 0, 0, 0},
        {"leading zero and trailing blank differ", {"03", "11 ", " 19", "25", "33", "41"}, 3, 0, 5},
        {"full-width digits differ", {"３", "11", "19", "25", "33", "41"}, 5, 0, 3},
    };
    for (const Case& c : cases) {
        const PrizeResult r = prizeRank(kDraw, c.set);
        EXPECT_EQ(r.mainHits, c.mainHits) << c.name;
        EXPECT_EQ(r.bonusHits, c.bonusHits) << c.name;
        EXPECT_EQ(r.rank, c.rank) << c.name;
        EXPECT_EQ(static_cast<int>(r.pairs.size()), c.mainHits + c.bonusHits) << c.name;
    }
}

TEST(PrizeRank, SevenAgainstZeroSevenIsNoMatch) {
    const PrizeResult r = prizeRank({"7", "1", "2", "4", "5", "6", "9"}, {"07", "10", "12", "14", "15", "16"});
    EXPECT_EQ(r.mainHits, 0);
    EXPECT_TRUE(r.pairs.empty());
}

TEST(PrizeRank, EmptyEntriesMatchEachOther) {
    // An incomplete draw (two missing entries) against an incomplete set
    // (one missing entry): each pair of empties is a hit.
    const PrizeResult r = prizeRank({"3", "11", "19", "25", "33", "", ""}, {"3", "11", "19", "", "40", "42"});
    EXPECT_EQ(r.mainHits, 4);
    EXPECT_EQ(r.bonusHits, 1);
    EXPECT_EQ(r.rank, 4);
    const std::vector<MatchedPair> expected{{0, 0}, {1, 1}, {2, 2}, {5, 3}, {6, 3}};
    EXPECT_EQ(r.pairs, expected);
}

TEST(PrizeRank, ATextTwiceInTheDrawCountsForEachOccurrence) {
    // Damaged data: 7 is both a main number and the bonus.
    const PrizeResult r = prizeRank({"7", "11", "19", "25", "33", "41", "7"}, {"7", "11", "19", "25", "33", "1"});
    EXPECT_EQ(r.mainHits, 5);
    EXPECT_EQ(r.bonusHits, 1);
    EXPECT_EQ(r.rank, 2);
    EXPECT_TRUE(r.pairs.back().bonus());

    const PrizeResult twice = prizeRank({"7", "7", "19", "25", "33", "41", "2"}, {"7", "19", "1", "4", "5", "6"});
    EXPECT_EQ(twice.mainHits, 3) << "one set number, two draw occurrences";
    EXPECT_EQ(twice.rank, 5);
}

TEST(PrizeRank, PairsComeInDrawOrderThenSetOrder) {
    const PrizeResult r = prizeRank(kDraw, {"7", "41", "33", "25", "19", "3"});
    const std::vector<MatchedPair> expected{{0, 5}, {2, 4}, {3, 3}, {4, 2}, {5, 1}, {6, 0}};
    EXPECT_EQ(r.pairs, expected);
    EXPECT_FALSE(r.pairs[0].bonus());
    EXPECT_TRUE(r.pairs[5].bonus());
    EXPECT_EQ(r.rank, 2);
}

// The ranking on numbers, which the backtest uses, against the ranking on the
// texts the program writes: every set of a few thousand, over a draw and a
// damaged draw that holds a number twice.
TEST(PrizeRank, OnNumbersItCountsAndRanksAsOnTheirTexts) {
    const auto textsOf = [](const auto& numbers) {
        std::array<std::string, std::tuple_size_v<std::decay_t<decltype(numbers)>>> out;
        for (std::size_t i = 0; i < numbers.size(); ++i)
            out[i] = std::to_string(numbers[i]);
        return out;
    };
    struct Case {
        const char* name;
        DrawNumbers draw;
    };
    ClockMixedRandom random(7, [] { return std::uint64_t{0}; });
    std::array<int, kHighestNumber + 1> ranksSeen{};
    for (const Case& c : {Case{"a draw", {3, 11, 19, 25, 33, 41, 7}}, Case{"7 twice", {7, 11, 19, 25, 33, 41, 7}}}) {
        std::vector<SetNumberArray> sets{{41, 3, 33, 11, 25, 19}, {3, 11, 19, 25, 33, 7}, {3, 11, 19, 25, 33, 8},
                                         {3, 11, 19, 25, 7, 8},   {3, 11, 19, 7, 9, 8},   {3, 11, 7, 1, 9, 8}};
        for (int i = 0; i < 3000; ++i) {
            SetNumberArray set{};
            // Near the draw, so that every rank comes up: each number from
            // the draw or beside it.
            for (std::size_t k = 0; k < set.size(); ++k)
                set[k] = c.draw[static_cast<std::size_t>(oneTo(kLinesPerDraw, random.next()) - 1)] +
                         oneTo(3, random.next()) - 2;
            sets.push_back(set);
        }
        for (const SetNumberArray& set : sets) {
            const PrizeResult byText = prizeRank(textsOf(c.draw), textsOf(set));
            const Hits byNumber = prizeRankOf(c.draw, set);
            ASSERT_EQ(byNumber, (Hits{byText.mainHits, byText.bonusHits, byText.rank}))
                << c.name << ": " << testing::PrintToString(set);
            ++ranksSeen[static_cast<std::size_t>(byNumber.rank)];
        }
    }
    for (int rank = 0; rank <= kPrizeRanks; ++rank)
        EXPECT_GT(ranksSeen[static_cast<std::size_t>(rank)], 0) << "rank " << rank << " was tried";
}

TEST(RankTexts, WindowTextAndReportHeadingPerRank) {
    struct Case {
        int rank;
        const char* text;
        const char* heading;
    };
    for (const Case& c : {Case{0, "該当なし", "【該当なし】"}, Case{1, "一等当選", "【一等当選】"},
                          Case{2, "\u30cb等当選", "【\u4e8c等当選】"}, Case{3, "三等当選", "【三等当選】"},
                          Case{4, "四等当選", "【四等当選】"}, Case{5, "五等当選", "【五等当選】"}}) {
        EXPECT_EQ(std::string(rankText(c.rank)), c.text) << c.rank;
        EXPECT_EQ(std::string(rankHeading(c.rank)), c.heading) << c.rank;
    }
    EXPECT_THROW(rankText(6), IndexError);
    EXPECT_THROW(rankHeading(-1), IndexError);
}

} // namespace
} // namespace zoki
