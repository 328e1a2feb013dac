#pragma once

#include "backtest/history.h"
#include "base/loto.h"

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace zoki::test {

// Invented draws: six different main numbers and a different bonus, each
// number drawn with probability proportional to its weight among those not
// yet drawn (a fair lottery when every weight is 1). Reproducible: a fixed
// engine whose output the standard defines, mapped by hand.
inline DrawHistory inventedHistory(
    int draws, std::uint64_t seed, const std::array<int, kHighestNumber + 1>& weight = [] {
        std::array<int, kHighestNumber + 1> w{};
        w.fill(1);
        return w;
    }()) {
    std::mt19937_64 engine(seed);
    DrawHistory history;
    for (int d = 0; d < draws; ++d) {
        DrawNumbers draw{};
        std::array<bool, kHighestNumber + 1> taken{};
        for (int& n : draw) {
            long long total = 0;
            for (int k = 1; k <= kHighestNumber; ++k)
                total += taken[static_cast<std::size_t>(k)] ? 0 : weight[static_cast<std::size_t>(k)];
            long long ticket = static_cast<long long>(engine() % static_cast<std::uint64_t>(total));
            n = 1;
            for (;; ++n) {
                if (taken[static_cast<std::size_t>(n)])
                    continue;
                ticket -= weight[static_cast<std::size_t>(n)];
                if (ticket < 0)
                    break;
            }
            taken[static_cast<std::size_t>(n)] = true;
        }
        history.push_back(draw);
    }
    return history;
}

// The draws as data.dat's values, seven per draw.
inline std::vector<std::string> tableValues(const DrawHistory& history) {
    std::vector<std::string> values;
    for (const DrawNumbers& draw : history)
        for (const int n : draw)
            values.push_back(std::to_string(n));
    return values;
}

} // namespace zoki::test
