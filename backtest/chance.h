#pragma once

#include "matching/prize.h"

#include <array>
#include <utility>

namespace zoki {

// Ways to choose k things from n; 0 outside 0 <= k <= n.
long long choose(int n, int k);

// What a set of six different numbers, taken with no regard to the draw,
// wins against a fair draw: counted over every possible set, never typed in.
struct ExactChance {
    long long sets = 0; // every possible set: C(43, 6)
    // Sets that win each rank 1..5 (element 0: no prize).
    std::array<long long, kPrizeRanks + 1> rankWays{};
    long long prizeWays = 0; // any prize
    // Sets with k main numbers matched, k = 0..6.
    std::array<long long, kNumbersPerSet + 1> matchWays{};

    double prizeRate() const;
    // How many sets per set that wins the rank: "1 in 39.2".
    double oneIn(int rank) const;
    // The mean and the variance of the main numbers a set matches.
    double expectedMatches() const;
    // The same mean as a fraction in lowest terms (36/43).
    std::pair<long long, long long> expectedMatchesFraction() const;
    double matchesVariance() const;
    // The variance of whether a set wins a prize.
    double prizeVariance() const;
};

// For this game: 43 numbers, six main numbers and a bonus drawn, six in a set.
const ExactChance& exactChance();

} // namespace zoki
