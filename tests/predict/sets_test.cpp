// The generators' kernels from values to values: the ticket pool, the plain
// and the weighted set from exact random values, and the ordering of a set.
#include "base/errors.h"
#include "base/random.h"
#include "predict/run_support.h"
#include "predict/sets.h"
#include "predict/tickets.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace zoki {
namespace {

using test::rFor;
using test::ScriptedRandom;
using Set = std::array<int, kNumbersPerSet>;

TEST(TicketPoolKernel, TheTotalEndsThePoolAndUnownedTicketsAreDrawnAgain) {
    NumberCounts counts{};
    counts[5] = 2;
    // The statistics gave up on the total: the even share alone.
    EXPECT_EQ(ticketPool(Strength::High, counts, 0).size, 43);
    // A total beyond the counts: tickets 46..48 belong to no number.
    const TicketPool pool = ticketPool(Strength::High, counts, 5);
    EXPECT_EQ(pool.size, 48);
    for (const auto& [ticket, owner] : {std::pair{44, 5}, {45, 5}, {46, 0}, {48, 0}})
        EXPECT_EQ(ticketOwner(pool, ticket), owner) << ticket;
    ScriptedRandom random;
    random.values = {rFor(44, 48)};
    EXPECT_EQ(getNumberMethod(46, pool, RangeMarks{}, random), 5);
    EXPECT_EQ(random.drawn, 1);
}

TEST(PlainSetKernel, RedrawsARepeatedNumber) {
    ScriptedRandom random;
    random.values = test::plainDraws({5, 5, 9, 5, 9, 1, 2, 3, 4});
    Set set{};
    plainSet(set, random);
    EXPECT_EQ(set, (Set{5, 9, 1, 2, 3, 4}));
    EXPECT_EQ(random.drawn, 9);
    EXPECT_EQ(random.reseeds, 0) << "the handler re-seeds, once per set";
}

TEST(WeightedSetKernel, DrawsFromScriptedValues) {
    // High strength and no history: ticket n is number n.
    const TicketPool pool = ticketPool(Strength::High, NumberCounts{}, 0);
    const struct {
        const char* what;
        bool lowOut; // 1..9 excluded
        std::optional<int> chosen;
        std::vector<int> tickets;
        int q; // the chosen-number draw; 0 when none is expected
        Set expected;
    } cases[] = {
        {"an excluded number is drawn again", true, {}, {5, 12, 3, 13, 14, 15, 16, 17}, 0, {12, 13, 14, 15, 16, 17}},
        {"a repeat, and an excluded redraw within it",
         true,
         {},
         {12, 12, 5, 13, 13, 14, 15, 16, 17},
         0,
         {12, 13, 14, 15, 16, 17}},
        {"q = 6 puts the chosen number last", false, 7, {2, 3, 4, 5, 6, 8}, 6, {2, 3, 4, 5, 6, 7}},
        {"q = 7 leaves the set as drawn", false, 7, {2, 3, 4, 5, 6, 8}, 7, {2, 3, 4, 5, 6, 8}},
        {"a set holding it is left without a draw", false, 7, {2, 7, 4, 5, 6, 8}, 0, {2, 7, 4, 5, 6, 8}},
        {"held in the last place counts too", false, 8, {2, 7, 4, 5, 6, 8}, 0, {2, 7, 4, 5, 6, 8}},
        {"held in the first place counts too", false, 2, {2, 7, 4, 5, 6, 8}, 0, {2, 7, 4, 5, 6, 8}},
        {"an excluded chosen number is put in", true, 5, {12, 13, 14, 15, 16, 17}, 3, {12, 13, 5, 15, 16, 17}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedRandom random;
        for (int t : c.tickets)
            random.values.push_back(rFor(t, 43));
        // One value more, for a chosen-number draw that must not happen.
        random.values.push_back(rFor(c.q == 0 ? 1 : c.q, 10));
        RangeMarks marks{};
        marks[0] = c.lowOut;
        Set set{};
        weightedSet(set, pool, marks, c.chosen, random);
        EXPECT_EQ(set, c.expected);
        EXPECT_EQ(random.drawn, static_cast<int>(c.tickets.size()) + (c.q == 0 ? 0 : 1));
        EXPECT_EQ(random.reseeds, 0) << "the handler re-seeds, once per set";
    }
}

TEST(WeightedSetKernel, RefusesBeforeAnyDrawWhenTooFewNumbersAreLeft) {
    ScriptedRandom random;
    Set set{};
    const TicketPool pool = ticketPool(Strength::High, NumberCounts{}, 0);
    EXPECT_THROW(weightedSet(set, pool, {true, true, true, true, false}, std::nullopt, random), TooFewNumbersError);
    EXPECT_EQ(random.drawn, 0);
}

TEST(SetKernels, AStuckRandomSourceEndsTheDrawInsteadOfHanging) {
    ScriptedRandom random; // always 0: number 1
    Set set{};
    EXPECT_THROW(plainSet(set, random), RedrawLimitError);
    EXPECT_THROW(weightedSet(set, ticketPool(Strength::High, NumberCounts{}, 0), {}, std::nullopt, random),
                 RedrawLimitError);
}

// The kernels that return a set draw exactly what the kernels filling a row
// write, value for value: the backtest judges the sets a run would make.
TEST(SetKernels, AsValuesTheyDrawWhatTheRowKernelsWrite) {
    NumberCounts counts{};
    for (int n = 1; n <= kHighestNumber; ++n)
        counts[static_cast<std::size_t>(n)] = (n * 37) % 11;
    const TicketPool pool = ticketPool(Strength::Mid, counts, 43 * 5 - 14);
    RangeMarks marks{};
    marks[2] = true;
    struct Case {
        const char* name;
        std::function<void(Set&, Random&)> onRow;
        std::function<SetNumbers(Random&)> asValue;
    };
    const Case cases[] = {
        {"plain", [](Set& set, Random& r) { plainSet(set, r); }, [](Random& r) { return plainNumbers(r); }},
        {"weighted", [&](Set& set, Random& r) { weightedSet(set, pool, marks, std::nullopt, r); },
         [&](Random& r) { return weightedNumbers(pool, marks, r); }},
    };
    for (const Case& c : cases)
        for (std::uint64_t seed = 1; seed <= 300; ++seed) {
            ClockMixedRandom a(seed, [] { return std::uint64_t{0}; });
            ClockMixedRandom b(seed, [] { return std::uint64_t{0}; });
            Set set{};
            c.onRow(set, a);
            ASSERT_EQ(c.asValue(b), set) << c.name << " seed " << seed;
            ASSERT_EQ(a.next(), b.next()) << c.name << ": as many values drawn, seed " << seed;
        }
}

TEST(OrderSetKernel, Ascending) {
    struct Case {
        const char* name;
        Set in;
        Set out;
    };
    const Case cases[] = {
        {"numbers, not their texts: 7 before 12", {12, 7, 43, 1, 30, 9}, {1, 7, 9, 12, 30, 43}},
        {"descending needs every pass", {43, 42, 41, 40, 39, 38}, {38, 39, 40, 41, 42, 43}},
        {"the smallest last travels to the front", {2, 3, 4, 5, 6, 1}, {1, 2, 3, 4, 5, 6}},
        {"an ordered set stays", {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}},
    };
    for (const Case& c : cases) {
        Set set = c.in;
        orderSet(set);
        EXPECT_EQ(set, c.out) << c.name;
    }
}

} // namespace
} // namespace zoki
