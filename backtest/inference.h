#pragma once

#include "backtest/history.h"

#include <span>

namespace zoki {

// The distributions the backtest's tests read, written here from their
// definitions (the standard library has none of them).

// P(a, x) and Q(a, x) = 1 - P(a, x), the regularized incomplete gamma functions.
double regularizedGammaP(double a, double x);
double regularizedGammaQ(double a, double x);
// I_x(a, b), the regularized incomplete beta function.
double regularizedBeta(double x, double a, double b);

// Upper tail of the chi-square distribution: P(X >= x) with `df` degrees of freedom.
double chiSquareUpper(double x, double df);
// Two-sided tail of Student's t: P(|T| >= |t|) with `df` degrees of freedom.
double studentTwoSided(double t, double df);
// The t with P(T <= t) = p, for 0.5 <= p < 1.
double studentQuantile(double p, double df);

// The significance level of the backtest's tests and intervals, and the
// power at which it says how large a difference it could have seen.
inline constexpr double kLevel = 0.05;
inline constexpr double kPower = 0.80;

// A method's per-draw figures against what chance gives.
struct Comparison {
    int draws = 0;
    double mean = 0;
    double low = 0; // the 95% interval of the mean
    double high = 0;
    double expected = 0; // the exact value under chance
    double pValue = 1;   // two-sided, against `expected`
    // The smallest difference from `expected`, either way, that a test on
    // this many draws would find with 80% power at the 5% level.
    double detectable = 0;
};

// One observation per draw (what the draw's sets did on average: the sets
// of one draw share the draw and the history, so they are not independent
// of each other, while the draws are). The spread is estimated from the
// draws, but never taken below `chanceVariance`, the variance one draw's
// observation has at least when the method is no better than chance: a
// history too short or too quiet to show its spread is then not taken for
// a certain one. The interval is kept within [lowest, highest].
Comparison compareWithChance(std::span<const double> perDraw, double expected, double chanceVariance, double lowest,
                             double highest);

// What a comparison says: only a significant difference is one, and its
// sign says which way.
enum class Verdict { Better, Worse, CannotTell };
Verdict verdictOf(const Comparison& c);

// Whether the main numbers of the history come up equally often: Pearson's
// statistic over the 43 counts, scaled by (43 - 1) / (43 - 6) because a draw
// takes six different numbers (each count then varies less than a
// multinomial's), against chi-square with 42 degrees of freedom.
struct Uniformity {
    int draws = 0;
    double statistic = 0;
    int degreesOfFreedom = 0;
    double pValue = 1;
};
Uniformity mainNumberUniformity(std::span<const DrawNumbers> draws);

} // namespace zoki
