// The backtest's core, by value: what it predicts from, what it ranks, and
// what its figures say on fair and on loaded histories.
#include "backtest/backtest.h"
#include "backtest/chance.h"
#include "backtest/stream.h"
#include "draws/statistics_kernels.h"
#include "invented_history.h"
#include "predict/sets.h"
#include "predict/tickets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

namespace zoki {
namespace {

using test::inventedHistory;

BacktestSettings settings(int sets, int repeats, int firstDraw, std::uint64_t seed = 1) {
    BacktestSettings s;
    s.sets = sets;
    s.repeats = repeats;
    s.firstDraw = firstDraw;
    s.seed = seed;
    s.keepDetail = true;
    return s;
}

// The detail's rows of one draw and earlier, as comparable values.
using Row = std::tuple<int, int, int, int, std::array<std::uint8_t, 6>, int, bool, int>;
std::vector<Row> rowsUpTo(const BacktestResult& r, int lastDraw, int fromDraw = 0) {
    std::vector<Row> rows;
    for (const SetRecord& s : r.detail)
        if (s.draw <= lastDraw && s.draw >= fromDraw)
            rows.emplace_back(s.draw, s.method, s.repeat, s.set, s.numbers, s.matches, s.bonus, s.rank);
    return rows;
}

TEST(Backtest, NoDrawIsPredictedFromItselfOrFromAnyLaterDraw) {
    const DrawHistory history = inventedHistory(60, 11);
    const BacktestResult whole = runBacktest(history, settings(3, 2, 10));
    struct Case {
        const char* name;
        int keptDraws; // draws 1..keptDraws as they were; later ones changed
    };
    for (const Case& c : {Case{"the last draw changed", 59}, Case{"every draw after 30 changed", 30},
                          Case{"every draw after 10 changed", 10}}) {
        DrawHistory changed = history;
        const DrawHistory other = inventedHistory(60, 99);
        std::copy(other.begin() + c.keptDraws, other.end(), changed.begin() + c.keptDraws);
        const BacktestResult r = runBacktest(changed, settings(3, 2, 10));
        EXPECT_EQ(rowsUpTo(r, c.keptDraws), rowsUpTo(whole, c.keptDraws)) << c.name;
        EXPECT_NE(rowsUpTo(r, 60), rowsUpTo(whole, 60)) << c.name << ": the changed draws are ranked anew";
    }
}

TEST(Backtest, ADrawsPredictionsDoNotDependOnTheFirstDrawOrHowTheRunIsCut) {
    const DrawHistory history = inventedHistory(50, 12);
    const BacktestResult from10 = runBacktest(history, settings(5, 3, 10));
    const BacktestResult from30 = runBacktest(history, settings(5, 3, 30));
    EXPECT_EQ(rowsUpTo(from30, 50), rowsUpTo(from10, 50, 30));

    // A few draws at a time, as the window runs it.
    Backtest chunked(history, settings(5, 3, 10));
    EXPECT_EQ(chunked.drawsToTest(), 41);
    while (!chunked.finished())
        chunked.advance(7);
    EXPECT_EQ(chunked.drawsTested(), 41);
    EXPECT_EQ(rowsUpTo(chunked.result(), 50), rowsUpTo(from10, 50));
}

TEST(Backtest, TheSameSeedGivesTheSameResultAndAnotherSeedOtherSets) {
    const DrawHistory history = inventedHistory(40, 13);
    const BacktestResult a = runBacktest(history, settings(2, 4, 5, 77));
    const BacktestResult b = runBacktest(history, settings(2, 4, 5, 77));
    const BacktestResult other = runBacktest(history, settings(2, 4, 5, 78));
    EXPECT_EQ(rowsUpTo(a, 40), rowsUpTo(b, 40));
    for (std::size_t m = 0; m < a.methods.size(); ++m) {
        EXPECT_EQ(a.methods[m].ranks, b.methods[m].ranks);
        EXPECT_EQ(a.methods[m].prize.pValue, b.methods[m].prize.pValue);
    }
    EXPECT_NE(rowsUpTo(a, 40), rowsUpTo(other, 40));
}

// Each set is what the generator makes from the counts the statistics would
// give over the draws before it (bonus numbers counted), with the values of
// its own stream; and its rank is the prize ranking's on the texts. A fair
// history, and one drawn almost always from 1..8, where the weighted sets
// win every prize.
TEST(Backtest, EverySetIsTheGeneratorsFromTheEarlierCountsAndIsRankedAsThePrizeRankingRanksIt) {
    std::array<int, kHighestNumber + 1> narrow{};
    narrow.fill(1);
    for (int n = 1; n <= 8; ++n)
        narrow[static_cast<std::size_t>(n)] = 5000;
    struct Case {
        const char* name;
        DrawHistory history;
    };
    const Case cases[] = {{"fair", inventedHistory(30, 14)}, {"from 1..8", inventedHistory(30, 15, narrow)}};
    std::array<long long, kPrizeRanks + 1> ranksSeen{};
    for (const Case& c : cases) {
        const std::vector<std::string> values = test::tableValues(c.history);
        const BacktestResult r = runBacktest(c.history, settings(3, 2, 2, 5));
        ASSERT_EQ(r.detail.size(), 29u * 4 * 2 * 3) << c.name;
        std::map<std::tuple<int, int, int>, StreamRandom> streams;
        for (const SetRecord& s : r.detail) {
            const auto key = std::make_tuple(int{s.draw}, int{s.method}, int{s.repeat});
            auto stream = streams.try_emplace(key, 5, s.draw, s.method, s.repeat).first;
            const std::optional<Strength> strength = kBacktestMethods[s.method].strength;
            SetNumbers expected{};
            if (strength) {
                const std::vector<std::string> before(values.begin(), values.begin() + (s.draw - 1) * 7);
                const DrawCounts counts = countDrawNumbers(before);
                expected = weightedNumbers(ticketPool(*strength, counts.numberCount, *counts.drawNumberTotal), {},
                                           stream->second);
            } else {
                expected = plainNumbers(stream->second);
            }
            std::sort(expected.begin(), expected.end());
            ASSERT_TRUE(std::equal(expected.begin(), expected.end(), s.numbers.begin()))
                << c.name << " draw " << s.draw << " method " << int{s.method} << " repeat " << int{s.repeat};

            DrawTexts draw;
            SetTexts set;
            for (std::size_t k = 0; k < draw.size(); ++k)
                draw[k] = values[(static_cast<std::size_t>(s.draw) - 1) * 7 + k];
            for (std::size_t k = 0; k < set.size(); ++k)
                set[k] = std::to_string(s.numbers[k]);
            const PrizeResult byText = prizeRank(draw, set);
            ASSERT_EQ(int{s.rank}, byText.rank) << c.name << " draw " << s.draw;
            ASSERT_EQ(int{s.matches}, byText.mainHits) << c.name << " draw " << s.draw;
            ASSERT_EQ(s.bonus, byText.bonusHits == 1) << c.name << " draw " << s.draw;
            ++ranksSeen[s.rank];
        }
        // The tallies are the detail's.
        for (const MethodResult& m : r.methods) {
            std::array<long long, kPrizeRanks + 1> ranks{};
            for (const SetRecord& s : r.detail)
                if (s.method == m.method)
                    ++ranks[s.rank];
            EXPECT_EQ(m.ranks, ranks) << c.name;
            EXPECT_EQ(m.sets, 29 * 2 * 3) << c.name;
        }
    }
    for (int rank = 0; rank <= kPrizeRanks; ++rank)
        EXPECT_GT(ranksSeen[static_cast<std::size_t>(rank)], 0) << "rank " << rank << " was tried";
}

// A fair history shaped like the real one (2,000 draws, the defaults): the
// plain method's interval holds the exact prize rate.
TEST(Backtest, OnAFairHistoryThePlainPrizeRateIntervalHoldsTheExactOne) {
    BacktestSettings s;
    const BacktestResult r = runBacktest(inventedHistory(2000, 15), s);
    ASSERT_EQ(r.methods.size(), 4u);
    const MethodResult& plain = r.methods[0];
    EXPECT_EQ(plain.sets, 1900LL * 20 * 5);
    EXPECT_LE(plain.prize.low, plain.prize.expected);
    EXPECT_GE(plain.prize.high, plain.prize.expected);
    EXPECT_LE(plain.matches.low, plain.matches.expected);
    EXPECT_GE(plain.matches.high, plain.matches.expected);
    EXPECT_EQ(verdictOf(plain.prize), Verdict::CannotTell);
    // Plain sets are independent of each other, so 1,900 draws of 100 sets
    // tell what 190,000 independent sets would: about 0.1 point.
    const double chance = exactChance().prizeVariance() / 190000;
    EXPECT_NEAR(plain.prize.detectable, (studentQuantile(0.975, 1899) + studentQuantile(0.8, 1899)) * std::sqrt(chance),
                0.0001);
    EXPECT_EQ(r.firstDraw, 101);
    EXPECT_EQ(r.lastDraw, 2000);
}

// Five numbers three times as likely as the others throughout: weighting by
// the history pays, at every strength, and the plain draw still does not.
TEST(Backtest, WhenAFewNumbersComeUpThreeTimesAsOftenTheWeightedMethodsBeatChance) {
    std::array<int, kHighestNumber + 1> weight{};
    weight.fill(1);
    for (int n : {4, 13, 22, 31, 40})
        weight[static_cast<std::size_t>(n)] = 3;
    BacktestSettings s;
    s.repeats = 10;
    const BacktestResult r = runBacktest(inventedHistory(1200, 16, weight), s);
    EXPECT_EQ(verdictOf(r.methods[0].prize), Verdict::CannotTell) << "plain p " << r.methods[0].prize.pValue;
    for (int m = 1; m < kBacktestMethodCount; ++m) {
        EXPECT_EQ(verdictOf(r.methods[static_cast<std::size_t>(m)].prize), Verdict::Better)
            << kBacktestMethods[m].name << " p " << r.methods[static_cast<std::size_t>(m)].prize.pValue;
        EXPECT_GT(r.methods[static_cast<std::size_t>(m)].matches.low, r.methods[0].matches.expected);
    }
    EXPECT_LT(r.uniformity.pValue, 0.001) << "the history itself is not uniform";
}

TEST(BacktestSettings, CheckedAgainstTheHistory) {
    struct Case {
        const char* name;
        int sets;
        int repeats;
        int firstDraw;
        int historyDraws;
        SettingsFault fault;
    };
    const Case cases[] = {
        {"the defaults", 5, 20, 101, 2000, SettingsFault::None},
        {"one set, one repeat", 1, 1, 2, 3, SettingsFault::None},
        {"no set", 0, 20, 101, 2000, SettingsFault::Sets},
        {"six sets", 6, 20, 101, 2000, SettingsFault::Sets},
        {"no repeat", 5, 0, 101, 2000, SettingsFault::Repeats},
        {"101 repeats", 5, 101, 101, 2000, SettingsFault::Repeats},
        {"draw 1 has nothing before it", 5, 20, 1, 2000, SettingsFault::FirstDraw},
        {"the last draw alone", 5, 20, 2000, 2000, SettingsFault::FirstDraw},
        {"the last two draws", 5, 20, 1999, 2000, SettingsFault::None},
        {"beyond the history", 5, 20, 2001, 2000, SettingsFault::FirstDraw},
        {"two draws are too few", 5, 20, 2, 2, SettingsFault::TooShort},
        {"no draw", 5, 20, 2, 0, SettingsFault::TooShort},
    };
    for (const Case& c : cases) {
        BacktestSettings s;
        s.sets = c.sets;
        s.repeats = c.repeats;
        s.firstDraw = c.firstDraw;
        EXPECT_EQ(checkSettings(s, c.historyDraws), c.fault) << c.name;
    }
    for (const auto& [draws, first] : {std::pair{2000, 101}, {102, 101}, {101, 2}, {3, 2}})
        EXPECT_EQ(defaultFirstDraw(draws), first) << draws;
}

TEST(HistoryFromTheTable, CompleteDrawsAsNumbersUpToTheFirstThatIsNone) {
    struct Case {
        const char* name;
        std::vector<std::string> values;
        std::size_t draws;
        int faulty;
    };
    const std::vector<std::string> two{"3", "11", "19", "25", "33", "41", "7", "1", "2", "3", "4", "5", "6", "43"};
    auto with = [&](std::size_t i, std::string v) {
        std::vector<std::string> out = two;
        out[i] = std::move(v);
        return out;
    };
    auto plus = [&](std::vector<std::string> extra) {
        std::vector<std::string> out = two;
        out.insert(out.end(), extra.begin(), extra.end());
        return out;
    };
    const Case cases[] = {
        {"two draws", two, 2, 0},
        {"\"07\" is 7", with(6, "07"), 2, 0},
        {"an incomplete last draw is left out", plus({"1", "2", "3"}), 2, 0},
        {"44 is no number of the game", with(9, "44"), 1, 2},
        {"a text is no number", with(0, "x"), 0, 1},
        {"an empty value", with(13, ""), 1, 2},
        {"the bonus repeats a main number", with(13, "1"), 1, 2},
        {"7.5 is no ball", with(1, "7.5"), 0, 1},
    };
    for (const Case& c : cases) {
        const HistoryReading r = drawHistory(c.values, c.values.size());
        EXPECT_EQ(r.draws.size(), c.draws) << c.name;
        EXPECT_EQ(r.faultyDraw, c.faulty) << c.name;
    }
    const HistoryReading r = drawHistory(with(6, "07"), 14);
    EXPECT_EQ(r.draws[0], (DrawNumbers{3, 11, 19, 25, 33, 41, 7}));
    EXPECT_EQ(drawHistory(two, 13).draws.size(), 1u) << "the spare and what lies beyond the lines read";
}

TEST(StreamRandom, ItsOwnValuesPerDrawMethodAndRepeat) {
    const auto first = [](std::uint64_t seed, int d, int m, int r) {
        StreamRandom s(seed, d, m, r);
        std::vector<float> v;
        for (int i = 0; i < 8; ++i)
            v.push_back(s.next());
        return v;
    };
    const std::vector<float> base = first(1, 101, 0, 1);
    EXPECT_EQ(first(1, 101, 0, 1), base) << "reproducible";
    for (const auto& [seed, d, m, r] :
         {std::tuple{2ULL, 101, 0, 1}, {1ULL, 102, 0, 1}, {1ULL, 101, 1, 1}, {1ULL, 101, 0, 2}, {1ULL, 1, 101, 0}})
        EXPECT_NE(first(seed, d, m, r), base) << seed << " " << d << " " << m << " " << r;
    StreamRandom s(3, 4, 5, 6);
    double sum = 0;
    for (int i = 0; i < 100000; ++i) {
        const float v = s.next();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
        ASSERT_EQ(v * 16777216.0f, std::floor(v * 16777216.0f)) << "a multiple of 2^-24";
        sum += v;
    }
    EXPECT_NEAR(sum / 100000, 0.5, 0.005);
}

} // namespace
} // namespace zoki
