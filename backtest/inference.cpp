#include "backtest/inference.h"

#include "base/loto.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace zoki {

namespace {

// The series and continued fractions below converge within a few dozen
// terms for every argument the backtest gives them; the limit only keeps a
// bad argument from looping.
constexpr int kMaxTerms = 1000;
constexpr double kPrecision = 1e-15;
// Keeps a continued fraction's denominators away from zero (modified Lentz).
constexpr double kTiny = 1e-300;

double awayFromZero(double v) { return std::fabs(v) < kTiny ? kTiny : v; }

// x^a e^-x / Γ(a), the common factor of both incomplete gamma expansions.
double gammaFront(double a, double x) { return std::exp(-x + a * std::log(x) - std::lgamma(a)); }

// P(a, x) by its power series; converges quickly for x < a + 1.
double gammaSeries(double a, double x) {
    double term = 1.0 / a;
    double sum = term;
    double ap = a;
    for (int n = 0; n < kMaxTerms; ++n) {
        ap += 1;
        term *= x / ap;
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * kPrecision)
            break;
    }
    return sum * gammaFront(a, x);
}

// Q(a, x) by its continued fraction; converges quickly for x >= a + 1.
double gammaFraction(double a, double x) {
    double b = x + 1 - a;
    double c = 1 / kTiny;
    double d = 1 / b;
    double h = d;
    for (int i = 1; i < kMaxTerms; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = 1 / awayFromZero(an * d + b);
        c = awayFromZero(b + an / c);
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1) < kPrecision)
            break;
    }
    return gammaFront(a, x) * h;
}

// The continued fraction of I_x(a, b), without its front factor; converges
// quickly for x < (a + 1) / (a + b + 2).
double betaFraction(double x, double a, double b) {
    double c = 1;
    double d = 1 / awayFromZero(1 - (a + b) * x / (a + 1));
    double h = d;
    for (int m = 1; m <= kMaxTerms; ++m) {
        const double m2 = 2.0 * m;
        const double even = m * (b - m) * x / ((a - 1 + m2) * (a + m2));
        d = 1 / awayFromZero(1 + even * d);
        c = awayFromZero(1 + even / c);
        h *= d * c;
        const double odd = -(a + m) * (a + b + m) * x / ((a + m2) * (a + 1 + m2));
        d = 1 / awayFromZero(1 + odd * d);
        c = awayFromZero(1 + odd / c);
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1) < kPrecision)
            break;
    }
    return h;
}

} // namespace

double regularizedGammaP(double a, double x) {
    if (x <= 0)
        return 0;
    return x < a + 1 ? gammaSeries(a, x) : 1 - gammaFraction(a, x);
}

double regularizedGammaQ(double a, double x) {
    if (x <= 0)
        return 1;
    return x < a + 1 ? 1 - gammaSeries(a, x) : gammaFraction(a, x);
}

double regularizedBeta(double x, double a, double b) {
    if (x <= 0)
        return 0;
    if (x >= 1)
        return 1;
    const double front =
        std::exp(std::lgamma(a + b) - std::lgamma(a) - std::lgamma(b) + a * std::log(x) + b * std::log1p(-x));
    if (x < (a + 1) / (a + b + 2))
        return front * betaFraction(x, a, b) / a;
    return 1 - front * betaFraction(1 - x, b, a) / b;
}

double chiSquareUpper(double x, double df) { return regularizedGammaQ(df / 2, x / 2); }

double studentTwoSided(double t, double df) { return regularizedBeta(df / (df + t * t), df / 2, 0.5); }

double studentQuantile(double p, double df) {
    // The two-sided tail falls as t grows: bracket the t whose tail is
    // 2(1 - p), then halve the bracket.
    const double tail = 2 * (1 - p);
    double lo = 0;
    double hi = 1;
    while (studentTwoSided(hi, df) > tail && hi < 1e12)
        hi *= 2;
    for (int i = 0; i < 200 && hi - lo > 1e-13 * hi; ++i) {
        const double mid = (lo + hi) / 2;
        (studentTwoSided(mid, df) > tail ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

Comparison compareWithChance(std::span<const double> perDraw, double expected, double chanceVariance, double lowest,
                             double highest) {
    Comparison c;
    c.draws = static_cast<int>(perDraw.size());
    c.expected = expected;
    if (perDraw.empty())
        return c;
    const double n = static_cast<double>(perDraw.size());
    double sum = 0;
    for (const double x : perDraw)
        sum += x;
    c.mean = sum / n;
    double squares = 0;
    for (const double x : perDraw)
        squares += (x - c.mean) * (x - c.mean);
    const double sampleVariance = perDraw.size() > 1 ? squares / (n - 1) : 0;
    const double se = std::sqrt(std::max(sampleVariance, chanceVariance) / n);
    const double df = std::max(n - 1, 1.0);
    const double critical = studentQuantile(1 - kLevel / 2, df);
    c.low = std::clamp(c.mean - critical * se, lowest, highest);
    c.high = std::clamp(c.mean + critical * se, lowest, highest);
    c.pValue = se > 0 ? studentTwoSided((c.mean - expected) / se, df) : 1;
    c.detectable = (critical + studentQuantile(kPower, df)) * se;
    return c;
}

Verdict verdictOf(const Comparison& c) {
    if (!(c.pValue < kLevel))
        return Verdict::CannotTell;
    return c.mean > c.expected ? Verdict::Better : Verdict::Worse;
}

Uniformity mainNumberUniformity(std::span<const DrawNumbers> draws) {
    Uniformity u;
    u.draws = static_cast<int>(draws.size());
    u.degreesOfFreedom = kHighestNumber - 1;
    if (draws.empty())
        return u;
    std::array<long long, kHighestNumber + 1> count{};
    for (const DrawNumbers& draw : draws)
        for (int k = 0; k < kNumbersPerSet; ++k)
            ++count[static_cast<std::size_t>(draw[static_cast<std::size_t>(k)])];
    const double expected = static_cast<double>(draws.size()) * kNumbersPerSet / kHighestNumber;
    double pearson = 0;
    for (int n = 1; n <= kHighestNumber; ++n) {
        const double d = static_cast<double>(count[static_cast<std::size_t>(n)]) - expected;
        pearson += d * d / expected;
    }
    u.statistic = pearson * (kHighestNumber - 1) / (kHighestNumber - kNumbersPerSet);
    u.pValue = chiSquareUpper(u.statistic, u.degreesOfFreedom);
    return u;
}

} // namespace zoki
