// The generators' kernels from values to values: the ticket pool, the plain
// and the weighted set from exact random values, and the ordering of a set.
#include "base/errors.h"
#include "predict/run_support.h"
#include "predict/sets.h"
#include "predict/tickets.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zoki {
namespace {

using test::rFor;
using test::ScriptedRandom;
using test::texts;

using Set = std::array<std::string, kNumbersPerSet>;

std::vector<std::string> asVector(const Set& set) { return {set.begin(), set.end()}; }

NumberCounts countsOf(const std::map<int, int>& counts) {
    NumberCounts out{};
    for (const auto& [n, c] : counts)
        out[static_cast<std::size_t>(n)] = c;
    return out;
}

TEST(TicketPoolKernel, SizeEvenShareAndOwners) {
    std::map<int, int> largest; // 4,681 draws: 32,767 counted numbers
    for (int n = 1; n <= 43; ++n)
        largest[n] = n == 1 ? 763 : 762;
    const struct {
        const char* what;
        Strength strength;
        std::map<int, int> counts;
        int drawNumberTotal;
        int evenShare;
        int size;
        std::vector<std::pair<int, int>> owners; // ticket, number (0: none)
    } cases[] = {
        {"empty history", Strength::High, {}, 0, 43, 43, {{1, 1}, {43, 43}, {44, 0}}},
        {"even part first, then the counted tickets",
         Strength::Low,
         {{2, 5}},
         5,
         4300,
         4305,
         {{100, 1}, {101, 2}, {4300, 43}, {4301, 2}, {4305, 2}, {4306, 0}}},
        {"the total decides the size, not the counts' sum", Strength::High, {{5, 2}, {9, 4}}, 0, 43, 43, {{43, 43}}},
        {"tickets beyond the counted ones have no owner",
         Strength::High,
         {{5, 2}},
         5,
         43,
         48,
         {{44, 5}, {45, 5}, {46, 0}, {48, 0}}},
        {"the largest history, beyond 16 bits",
         Strength::High,
         largest,
         32767,
         43,
         32810,
         {{44, 1}, {806, 1}, {807, 2}, {32048, 42}, {32049, 43}, {32810, 43}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TicketPool pool = ticketPool(c.strength, countsOf(c.counts), c.drawNumberTotal);
        EXPECT_EQ(pool.evenShare, c.evenShare);
        EXPECT_EQ(pool.size, c.size);
        for (const auto& [ticket, number] : c.owners)
            EXPECT_EQ(ticketOwner(pool, ticket), number) << "ticket " << ticket;
    }
    EXPECT_EQ(evenShareFor(Strength::Mid), 430);
}

TEST(TicketPoolKernel, ATicketNoNumberOwnsIsDrawnAgain) {
    const TicketPool pool = ticketPool(Strength::High, countsOf({{5, 2}}), 5);
    ScriptedRandom random;
    random.values = {rFor(44, 48)};
    EXPECT_EQ(getNumberMethod(46, pool, RangeMarks{}, random), 5);
    EXPECT_EQ(random.drawn, 1);
}

TEST(PlainSetKernel, DrawsFromScriptedValues) {
    const float top = std::nextafter(1.0f, 0.0f);
    const struct {
        const char* what;
        std::vector<int> draws; // each drawn as the middle of its share
        std::vector<float> extra;
        std::vector<int> expected;
        int drawn;
    } cases[] = {
        {"six different numbers", {12, 7, 43, 1, 30, 9}, {}, {12, 7, 43, 1, 30, 9}, 6},
        {"a repeated text is drawn again", {5, 5, 9, 5, 9, 1, 2, 3, 4}, {}, {5, 9, 1, 2, 3, 4}, 9},
        {"the ends of the range", {2, 3, 4, 5}, {0.0f, top}, {2, 3, 4, 5, 1, 43}, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedRandom random;
        random.values = test::plainDraws(c.draws);
        random.values.insert(random.values.end(), c.extra.begin(), c.extra.end());
        Set set{};
        plainSet(set, random);
        EXPECT_EQ(asVector(set), texts(c.expected));
        EXPECT_EQ(random.drawn, c.drawn);
        EXPECT_EQ(random.reseeds, 0) << "the handler re-seeds, once per set";
    }
}

TEST(WeightedSetKernel, DrawsFromScriptedValues) {
    // High strength and no history: ticket n is number n.
    const TicketPool pool = ticketPool(Strength::High, NumberCounts{}, 0);
    RangeMarks lowOut{};
    lowOut[0] = true; // 1..9
    const auto ticket = [](int n) { return rFor(n, 43); };
    const auto place = [](int q) { return rFor(q, 10); };
    const struct {
        const char* what;
        RangeMarks marks;
        std::optional<std::string> chosen;
        std::vector<float> values;
        std::vector<std::string> expected;
        int drawn;
    } cases[] = {
        {"six different numbers",
         {},
         std::nullopt,
         {ticket(5), ticket(9), ticket(1), ticket(2), ticket(3), ticket(4)},
         texts({5, 9, 1, 2, 3, 4}),
         6},
        {"an excluded number is drawn again",
         lowOut,
         std::nullopt,
         {ticket(5), ticket(12), ticket(3), ticket(13), ticket(14), ticket(15), ticket(16), ticket(17)},
         texts({12, 13, 14, 15, 16, 17}),
         8},
        {"a repeated text is drawn again, an excluded redraw within",
         lowOut,
         std::nullopt,
         {ticket(12), ticket(12), ticket(5), ticket(13), ticket(13), ticket(14), ticket(15), ticket(16), ticket(17)},
         texts({12, 13, 14, 15, 16, 17}),
         9},
        {"q = 1 puts the chosen number first",
         {},
         "7",
         {ticket(2), ticket(3), ticket(4), ticket(5), ticket(6), ticket(8), place(1)},
         {"7", "3", "4", "5", "6", "8"},
         7},
        {"q = 6 puts it last",
         {},
         "7",
         {ticket(2), ticket(3), ticket(4), ticket(5), ticket(6), ticket(8), place(6)},
         {"2", "3", "4", "5", "6", "7"},
         7},
        {"q = 7 leaves the set",
         {},
         "7",
         {ticket(2), ticket(3), ticket(4), ticket(5), ticket(6), ticket(8), place(7)},
         texts({2, 3, 4, 5, 6, 8}),
         7},
        {"a set holding it is left without a draw",
         {},
         "7",
         {ticket(2), ticket(7), ticket(4), ticket(5), ticket(6), ticket(8), place(1)},
         texts({2, 7, 4, 5, 6, 8}),
         6},
        {"compared by value: \"07\" is there as \"7\"",
         {},
         "07",
         {ticket(2), ticket(7), ticket(4), ticket(5), ticket(6), ticket(8), place(1)},
         texts({2, 7, 4, 5, 6, 8}),
         6},
        {"a chosen number from an excluded range is put in",
         lowOut,
         "5",
         {ticket(12), ticket(13), ticket(14), ticket(15), ticket(16), ticket(17), place(3)},
         {"12", "13", "5", "15", "16", "17"},
         7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedRandom random;
        random.values = {c.values.begin(), c.values.end()};
        Set set{};
        weightedSet(set, pool, c.marks, c.chosen, random);
        EXPECT_EQ(asVector(set), c.expected);
        EXPECT_EQ(random.drawn, c.drawn);
        EXPECT_EQ(random.reseeds, 0) << "the handler re-seeds, once per set";
    }
}

TEST(WeightedSetKernel, RefusesBeforeAnyDrawWhenTooFewNumbersAreLeft) {
    RangeMarks marks{true, true, true, true, false}; // 40..43 only
    ScriptedRandom random;
    Set set{};
    EXPECT_THROW(weightedSet(set, ticketPool(Strength::High, NumberCounts{}, 0), marks, std::nullopt, random),
                 TooFewNumbersError);
    EXPECT_EQ(random.drawn, 0);
    EXPECT_EQ(asVector(set), std::vector<std::string>(6, ""));
}

TEST(SetKernels, AStuckRandomSourceEndsTheDrawInsteadOfHanging) {
    ScriptedRandom random;
    random.fallback = 0.0f; // always number 1
    Set set{};
    EXPECT_THROW(plainSet(set, random), RedrawLimitError);
    EXPECT_THROW(weightedSet(set, ticketPool(Strength::High, NumberCounts{}, 0), RangeMarks{}, std::nullopt, random),
                 RedrawLimitError);
}

TEST(OrderSetKernel, AscendingByWholeValueEqualValuesKeepTheirPlace) {
    const struct {
        Set in;
        Set out;
    } cases[] = {
        {{"12", "7", "43", "1", "30", "9"}, {"1", "7", "9", "12", "30", "43"}},       // "7" before "12"
        {{"43", "42", "41", "40", "39", "38"}, {"38", "39", "40", "41", "42", "43"}}, // needs every pass
        {{"9", "7.5", "7", "1", "3", "2"}, {"1", "2", "3", "7.5", "7", "9"}},         // 7.5 and 7 are equal
        {{"7", "07", "1", "2", "3", "4"}, {"1", "2", "3", "4", "7", "07"}},
    };
    for (const auto& c : cases) {
        Set set = c.in;
        orderSet(set);
        EXPECT_EQ(set, c.out);
    }
}

TEST(OrderSetKernel, ATextThatIsNoNumberFailsWhereItIsFirstCompared) {
    Set set{"9", "8", "x", "1", "2", "3"};
    EXPECT_THROW(orderSet(set), TypeMismatchError);
    EXPECT_EQ(set, (Set{"8", "9", "x", "1", "2", "3"})); // the swap before it stands
}

} // namespace
} // namespace zoki
