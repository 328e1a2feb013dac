// The exact odds against every one of the 6,096,454 sets, counted one by one.
#include "backtest/backtest_texts.h"
#include "backtest/chance.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>

namespace zoki {
namespace {

TEST(ExactChance, EverySetRankedAgainstADrawGivesTheCountedOdds) {
    // Every set of six against the draw 1..6 with bonus 7: what the
    // combinatorics must give, found the long way.
    const DrawNumbers draw{1, 2, 3, 4, 5, 6, 7};
    std::array<long long, kPrizeRanks + 1> ranks{};
    std::array<long long, kNumbersPerSet + 1> matches{};
    long long sets = 0;
    SetNumberArray s{};
    for (s[0] = 1; s[0] <= 38; ++s[0])
        for (s[1] = s[0] + 1; s[1] <= 39; ++s[1])
            for (s[2] = s[1] + 1; s[2] <= 40; ++s[2])
                for (s[3] = s[2] + 1; s[3] <= 41; ++s[3])
                    for (s[4] = s[3] + 1; s[4] <= 42; ++s[4])
                        for (s[5] = s[4] + 1; s[5] <= 43; ++s[5]) {
                            const Hits h = prizeRankOf(draw, s);
                            ++ranks[static_cast<std::size_t>(h.rank)];
                            ++matches[static_cast<std::size_t>(h.mainHits)];
                            ++sets;
                        }
    const ExactChance& c = exactChance();
    EXPECT_EQ(c.sets, sets);
    EXPECT_EQ(c.rankWays, ranks);
    EXPECT_EQ(c.matchWays, matches);
    EXPECT_EQ(c.prizeWays, sets - ranks[0]);
}

TEST(ExactChance, TheFiguresThePlayerReads) {
    const ExactChance& c = exactChance();
    EXPECT_EQ(c.sets, 6096454);
    EXPECT_EQ(c.prizeWays, 165613);
    struct Case {
        int rank;
        const char* oneIn;
    };
    for (const Case& k :
         {Case{1, "1/6,096,454"}, Case{2, "1/1,016,076"}, Case{3, "1/28,224"}, Case{4, "1/610.3"}, Case{5, "1/39.2"}})
        EXPECT_EQ(btext::oneIn(c.oneIn(k.rank)), k.oneIn) << k.rank;
    EXPECT_EQ(btext::oneIn(1 / c.prizeRate()), "1/36.8");
    EXPECT_DOUBLE_EQ(c.expectedMatches(), 36.0 / 43);
    EXPECT_EQ(c.expectedMatchesFraction(), std::make_pair(36LL, 43LL));
    // The hypergeometric variance of six drawn from 43 holding six.
    EXPECT_DOUBLE_EQ(c.matchesVariance(), 6.0 * 6 / 43 * 37 / 43 * 37 / 42);
    EXPECT_EQ(choose(43, 6), 6096454);
    EXPECT_EQ(choose(5, 7), 0);
    EXPECT_EQ(choose(37, 0), 1);
}

} // namespace
} // namespace zoki
