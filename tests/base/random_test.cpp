#include "base/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace zoki {
namespace {

std::vector<float> take(Random& r, int n) {
    std::vector<float> out;
    for (int i = 0; i < n; ++i)
        out.push_back(r.next());
    return out;
}

std::uint64_t frozenClock() { return 123456789; }

TEST(ClockMixedRandom, GivesSinglesOnA24BitGridBelowOne) {
    ClockMixedRandom r(42, frozenClock);
    float lowest = 1.0f;
    float highest = 0.0f;
    for (int i = 0; i < 200000; ++i) {
        const float v = r.next();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
        const float scaled = v * 16777216.0f;
        ASSERT_EQ(scaled, std::floor(scaled));
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    EXPECT_LT(lowest, 0.001f);
    EXPECT_GT(highest, 0.999f);
}

TEST(ClockMixedRandom, ReseedsWithinOneClockTickStillDiffer) {
    ClockMixedRandom r(7, frozenClock);
    r.reseedFromClock();
    const std::vector<float> first = take(r, 6);
    r.reseedFromClock();
    const std::vector<float> second = take(r, 6);
    r.reseedFromClock();
    const std::vector<float> third = take(r, 6);
    EXPECT_NE(first, second);
    EXPECT_NE(second, third);
    EXPECT_NE(first, third);
}

TEST(ClockMixedRandom, ReseedKeepsTheEarlierStateInTheMix) {
    // Same clock reading, different histories: different sequences.
    ClockMixedRandom a(1, frozenClock);
    ClockMixedRandom b(2, frozenClock);
    a.reseedFromClock();
    b.reseedFromClock();
    EXPECT_NE(take(a, 6), take(b, 6));

    // Same history, same clock: the same sequence (reproducible runs).
    ClockMixedRandom c(1, frozenClock);
    c.reseedFromClock();
    ClockMixedRandom d(1, frozenClock);
    d.reseedFromClock();
    EXPECT_EQ(take(c, 6), take(d, 6));
}

TEST(ClockMixedRandom, ReseedTakesTheClockIntoAccount) {
    std::uint64_t now = 1000;
    ClockMixedRandom a(5, [&] { return now; });
    ClockMixedRandom b(5, [&] { return now + 1; });
    a.reseedFromClock();
    b.reseedFromClock();
    EXPECT_NE(take(a, 6), take(b, 6));
}

TEST(ClockMixedRandom, ProductionInstancesStartApart) {
    ClockMixedRandom a;
    ClockMixedRandom b;
    EXPECT_NE(take(a, 6), take(b, 6));
}

const float kLargestBelowOne = std::nextafter(1.0f, 0.0f);

TEST(SinglePrecisionDraw, StaysWithinOneToNForEveryPoolSize) {
    // Powers of two are the sizes where r × n + 1 rounds up to n + 1.
    EXPECT_EQ(oneTo(4096, kLargestBelowOne), 4096);
    EXPECT_EQ(oneTo(32768, kLargestBelowOne), 32768);
    EXPECT_EQ(oneTo(4096, std::nextafter(kLargestBelowOne, 0.0f)), 4096);
    for (std::int32_t n = 1; n <= 40000; ++n) {
        ASSERT_EQ(oneTo(n, 0.0f), 1) << n;
        ASSERT_EQ(oneTo(n, kLargestBelowOne), n) << n;
        ASSERT_EQ(scaledWhole(n, kLargestBelowOne), n - 1) << n;
    }
}

TEST(SinglePrecisionDraw, RoundsInSinglePrecisionBeforeTakingTheWholePart) {
    // 43 × r is 4.99999987 exactly, but rounds to 5 in single precision.
    const float r = 1950839.0f / 16777216.0f;
    EXPECT_EQ(oneTo(43, r), 6);
    EXPECT_EQ(scaledWhole(34, 0.5f), 17);
    EXPECT_EQ(scaledWhole(255, 0.0f), 0);
    // The ends of each share.
    EXPECT_EQ(oneTo(43, 1.0f / 43.0f - 1e-7f), 1);
    EXPECT_EQ(oneTo(43, 1.0f / 43.0f + 1e-7f), 2);
}

} // namespace
} // namespace zoki
