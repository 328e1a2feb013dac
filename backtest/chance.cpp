#include "backtest/chance.h"

#include "base/loto.h"

#include <cstddef>
#include <numeric>

namespace zoki {

long long choose(int n, int k) {
    if (k < 0 || n < 0 || k > n)
        return 0;
    long long ways = 1;
    // Each partial product is itself a binomial coefficient, so the division is exact.
    for (int i = 1; i <= k; ++i)
        ways = ways * (n - k + i) / i;
    return ways;
}

namespace {

ExactChance countEverySet() {
    // A set holds k of the six main numbers, b of the one bonus number and
    // the rest from the numbers drawn as neither; the prize ranking decides
    // what each kind of set wins.
    constexpr int kNeither = kHighestNumber - kNumbersPerSet - 1;
    ExactChance c;
    c.sets = choose(kHighestNumber, kNumbersPerSet);
    for (int k = 0; k <= kNumbersPerSet; ++k)
        for (int b = 0; b <= 1; ++b) {
            const long long ways = choose(kNumbersPerSet, k) * choose(1, b) * choose(kNeither, kNumbersPerSet - k - b);
            c.rankWays[static_cast<std::size_t>(rankFor(k, b))] += ways;
            c.matchWays[static_cast<std::size_t>(k)] += ways;
        }
    for (int rank = 1; rank <= kPrizeRanks; ++rank)
        c.prizeWays += c.rankWays[static_cast<std::size_t>(rank)];
    return c;
}

} // namespace

const ExactChance& exactChance() {
    static const ExactChance chance = countEverySet();
    return chance;
}

double ExactChance::prizeRate() const { return static_cast<double>(prizeWays) / static_cast<double>(sets); }

double ExactChance::oneIn(int rank) const {
    return static_cast<double>(sets) / static_cast<double>(rankWays[static_cast<std::size_t>(rank)]);
}

double ExactChance::expectedMatches() const {
    double sum = 0;
    for (std::size_t k = 0; k < matchWays.size(); ++k)
        sum += static_cast<double>(k) * static_cast<double>(matchWays[k]);
    return sum / static_cast<double>(sets);
}

std::pair<long long, long long> ExactChance::expectedMatchesFraction() const {
    long long matched = 0;
    for (std::size_t k = 0; k < matchWays.size(); ++k)
        matched += static_cast<long long>(k) * matchWays[k];
    const long long common = std::gcd(matched, sets);
    return {matched / common, sets / common};
}

double ExactChance::matchesVariance() const {
    const double mean = expectedMatches();
    double sum = 0;
    for (std::size_t k = 0; k < matchWays.size(); ++k) {
        const double d = static_cast<double>(k) - mean;
        sum += d * d * static_cast<double>(matchWays[k]);
    }
    return sum / static_cast<double>(sets);
}

double ExactChance::prizeVariance() const {
    const double p = prizeRate();
    return p * (1 - p);
}

} // namespace zoki
