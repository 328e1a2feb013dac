// The distributions the backtest tests with, against their closed forms and
// published values, and the comparison of per-draw figures with chance.
#include "backtest/inference.h"
#include "invented_history.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace zoki {
namespace {

TEST(Distributions, ChiSquareTailMatchesClosedFormsAndTables) {
    struct Case {
        const char* name;
        double x;
        double df;
        double tail;
        double tolerance;
    };
    std::vector<Case> cases;
    // Two degrees of freedom: exactly e^(-x/2); one: erfc(sqrt(x/2)).
    for (const double x : {0.01, 0.5, 2.0, 9.0, 40.0, 120.0})
        cases.push_back({"df 2", x, 2, std::exp(-x / 2), 1e-12});
    for (const double x : {0.01, 0.5, 3.841458820694124, 9.0, 30.0})
        cases.push_back({"df 1", x, 1, std::erfc(std::sqrt(x / 2)), 1e-12});
    // Published critical values: the 5% and 1% points for 42 degrees of
    // freedom and the 5% point for 10.
    cases.push_back({"df 42 at 5%", 58.124, 42, 0.05, 2e-5});
    cases.push_back({"df 42 at 1%", 66.206, 42, 0.01, 2e-5});
    cases.push_back({"df 10 at 5%", 18.307, 10, 0.05, 2e-5});
    for (const Case& c : cases) {
        EXPECT_NEAR(chiSquareUpper(c.x, c.df), c.tail, c.tolerance * std::max(1.0, c.tail)) << c.name << " x " << c.x;
        EXPECT_NEAR(regularizedGammaP(c.df / 2, c.x / 2) + regularizedGammaQ(c.df / 2, c.x / 2), 1, 1e-13) << c.name;
    }
    EXPECT_EQ(chiSquareUpper(0, 42), 1);
}

TEST(Distributions, StudentTailAndQuantileMatchClosedForms) {
    for (const double t : {0.0, 0.3, 1.0, 2.5, 12.7, 300.0}) {
        // One degree of freedom is Cauchy's; two has an algebraic tail.
        EXPECT_NEAR(studentTwoSided(t, 1), 1 - 2 / std::numbers::pi * std::atan(t), 1e-12) << t;
        EXPECT_NEAR(studentTwoSided(t, 2), 1 - t / std::sqrt(2 + t * t), 1e-12) << t;
        // Many degrees of freedom: the normal distribution's.
        EXPECT_NEAR(studentTwoSided(t, 1e7), std::erfc(t / std::sqrt(2.0)), 1e-6) << t;
    }
    for (const double p : {0.6, 0.8, 0.975, 0.995}) {
        EXPECT_NEAR(studentQuantile(p, 1), std::tan(std::numbers::pi * (p - 0.5)), 1e-9) << p;
        EXPECT_NEAR(studentTwoSided(studentQuantile(p, 7.5), 7.5), 2 * (1 - p), 1e-12) << p;
    }
    // The values every table prints.
    EXPECT_NEAR(studentQuantile(0.975, 1e7), 1.959964, 1e-5);
    EXPECT_NEAR(studentQuantile(0.8, 1e7), 0.841621, 1e-5);
    EXPECT_NEAR(studentQuantile(0.975, 10), 2.228139, 1e-5);
}

TEST(CompareWithChance, TheSpreadComesFromTheDrawsButNeverBelowChancesOwn) {
    struct Case {
        const char* name;
        std::vector<double> perDraw;
        double chanceVariance;
        double se; // the standard error the interval and test use
    };
    const std::vector<double> spread{0.0, 0.1, 0.0, 0.2, 0.05, 0.0, 0.1, 0.05};
    double mean = 0;
    for (double x : spread)
        mean += x / 8;
    double squares = 0;
    for (double x : spread)
        squares += (x - mean) * (x - mean);
    const Case cases[] = {
        {"the draws' own spread", spread, 1e-6, std::sqrt(squares / 7 / 8)},
        {"a quiet history takes chance's spread", spread, 0.01, std::sqrt(0.01 / 8)},
        {"no spread at all", std::vector<double>(8, 0.0), 0.0004, std::sqrt(0.0004 / 8)},
    };
    for (const Case& c : cases) {
        const Comparison r = compareWithChance(c.perDraw, 0.03, c.chanceVariance, 0, 1);
        const double m = r.mean;
        const double critical = studentQuantile(0.975, 7);
        EXPECT_NEAR(r.high, std::min(1.0, m + critical * c.se), 1e-12) << c.name;
        EXPECT_NEAR(r.low, std::max(0.0, m - critical * c.se), 1e-12) << c.name;
        EXPECT_NEAR(r.pValue, studentTwoSided((m - 0.03) / c.se, 7), 1e-12) << c.name;
        EXPECT_NEAR(r.detectable, (critical + studentQuantile(0.8, 7)) * c.se, 1e-12) << c.name;
        EXPECT_EQ(r.draws, 8) << c.name;
    }
    // Nothing won in two draws of five sets: chance cannot be ruled out
    // merely because the draws came out alike. In 800 sets it can.
    const Comparison none = compareWithChance(std::vector<double>(2, 0.0), 0.03, 0.03 * 0.97 / 5, 0, 1);
    EXPECT_EQ(none.low, 0);
    EXPECT_EQ(verdictOf(none), Verdict::CannotTell);
    EXPECT_EQ(verdictOf(compareWithChance(std::vector<double>(8, 0.0), 0.03, 0.03 * 0.97 / 100, 0, 1)), Verdict::Worse);
}

TEST(CompareWithChance, TheVerdictFollowsTheTestAndItsSign) {
    struct Case {
        const char* name;
        double shift;
        Verdict verdict;
    };
    const Case cases[] = {
        {"well above", 0.02, Verdict::Better},
        {"well below", -0.02, Verdict::Worse},
        {"within the noise", 0.001, Verdict::CannotTell},
    };
    for (const Case& c : cases) {
        std::vector<double> perDraw;
        for (int d = 0; d < 400; ++d)
            perDraw.push_back(0.03 + c.shift + (d % 2 == 0 ? 0.02 : -0.02));
        const Comparison r = compareWithChance(perDraw, 0.03, 0.0001, 0, 1);
        EXPECT_EQ(verdictOf(r), c.verdict) << c.name << " p " << r.pValue;
        EXPECT_EQ(r.low <= 0.03 && 0.03 <= r.high, c.verdict == Verdict::CannotTell) << c.name;
    }
}

// On fair invented histories the test rejects uniformity about one time in
// twenty, as a 5% test should; unscaled, Pearson's statistic would reject
// far too seldom, since each count varies less than a multinomial's.
TEST(Uniformity, AFairHistoryIsRejectedAboutOneTimeInTwentyAndALoadedOneIsFound) {
    int rejected = 0;
    constexpr int kHistories = 400;
    for (int i = 0; i < kHistories; ++i) {
        const Uniformity u = mainNumberUniformity(test::inventedHistory(120, 1000 + static_cast<unsigned>(i)));
        EXPECT_EQ(u.degreesOfFreedom, 42);
        rejected += u.pValue < 0.05 ? 1 : 0;
    }
    EXPECT_GE(rejected, 10);
    EXPECT_LE(rejected, 32);

    std::array<int, kHighestNumber + 1> weight{};
    weight.fill(1);
    weight[7] = weight[21] = 2;
    const Uniformity loaded = mainNumberUniformity(test::inventedHistory(600, 5, weight));
    EXPECT_LT(loaded.pValue, 0.001);
    EXPECT_EQ(loaded.draws, 600);
}

TEST(Uniformity, EvenCountsGiveZeroAndTheScaleIsFortyTwoOverThirtySeven) {
    // 43 draws in which every number is a main number exactly six times.
    DrawHistory even;
    for (int d = 0; d < kHighestNumber; ++d) {
        DrawNumbers draw{};
        for (int k = 0; k < kLinesPerDraw; ++k)
            draw[static_cast<std::size_t>(k)] = (d + k * 7) % kHighestNumber + 1;
        even.push_back(draw);
    }
    EXPECT_NEAR(mainNumberUniformity(even).statistic, 0, 1e-12);
    EXPECT_NEAR(mainNumberUniformity(even).pValue, 1, 1e-12);
    // The first draw (1 8 15 22 29 36, bonus 43) with 2 for 36: counts of 7
    // and 5 against 6 expected give Pearson's 2/6, scaled by 42/37.
    DrawHistory moved = even;
    ASSERT_EQ(moved[0][5], 36);
    moved[0][5] = 2;
    EXPECT_NEAR(mainNumberUniformity(moved).statistic, 2.0 / 6 * 42 / 37, 1e-12);
}

} // namespace
} // namespace zoki
