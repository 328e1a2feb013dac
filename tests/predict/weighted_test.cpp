#include "app/wiring.h"
#include "base/errors.h"
#include "base/random.h"
#include "predict/run.h"
#include "predict/run_support.h"
#include "predict/settings.h"
#include "predict/tickets.h"
#include "predict/weighted.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace zoki {
namespace {

using test::Harness;
using test::rFor;
using test::setOf;
using test::texts;

// Puts the given counts into the statistics and the total beside them.
void setCounts(Program& p, const std::map<int, int>& counts) {
    int total = 0;
    for (int n = 1; n <= 43; ++n) {
        const auto it = counts.find(n);
        const int c = it == counts.end() ? 0 : it->second;
        p.stats.numberCount[static_cast<std::size_t>(n)] = c;
        total += c;
    }
    p.stats.drawNumberTotal = total;
}

// Ticket owners laid out independently: s even tickets per number, then one
// ticket per counted occurrence, numbers in ascending order.
std::vector<int> ticketLayout(int evenShare, const std::map<int, int>& counts) {
    std::vector<int> owners{0}; // tickets are 1-based
    const int s = evenShare / 43;
    for (int n = 1; n <= 43; ++n)
        owners.insert(owners.end(), static_cast<std::size_t>(s), n);
    for (const auto& [n, c] : counts)
        owners.insert(owners.end(), static_cast<std::size_t>(c), n);
    return owners;
}

// The counts as the statistics keep them, indexed 1..43.
NumberCounts countsOf(const std::map<int, int>& counts) {
    NumberCounts out{};
    for (const auto& [n, c] : counts)
        out[static_cast<std::size_t>(n)] = c;
    return out;
}

int totalOf(const std::map<int, int>& counts) {
    int total = 0;
    for (const auto& [n, c] : counts)
        total += c;
    return total;
}

TicketPool poolOf(Strength strength, const std::map<int, int>& counts) {
    return ticketPool(strength, countsOf(counts), totalOf(counts));
}

// Without exclusions a ticket gives its owner and nothing is drawn again.
int ownerOf(const TicketPool& pool, int ticket) {
    test::ScriptedRandom random;
    const int n = getNumberMethod(ticket, pool, RangeMarks{}, random);
    EXPECT_EQ(random.drawn, 0) << "no exclusions: no ticket is drawn again";
    EXPECT_EQ(n, ticketOwner(pool, ticket));
    return n;
}

struct StrengthCase {
    MenuItem Form1::*item;
    Strength strength;
    int evenShare;
};
const StrengthCase kStrengthCases[] = {{&Form1::vSetHigh, Strength::High, 43},
                                       {&Form1::vSetMid, Strength::Mid, 430},
                                       {&Form1::vSetLow, Strength::Low, 4300}};

TEST(TicketPool, EveryTicketMapsToItsOwnerForEachStrength) {
    const std::map<int, int> counts{{1, 3}, {3, 5}, {20, 1}, {42, 7}, {43, 2}};
    for (const StrengthCase& c : kStrengthCases) {
        SCOPED_TRACE(c.evenShare);
        const TicketPool pool = poolOf(c.strength, counts);
        EXPECT_EQ(pool.evenShare, c.evenShare);
        const std::vector<int> owners = ticketLayout(c.evenShare, counts);
        ASSERT_EQ(owners.size(), static_cast<std::size_t>(pool.size) + 1);
        for (int t = 1; t <= pool.size; ++t)
            ASSERT_EQ(ownerOf(pool, t), owners[static_cast<std::size_t>(t)]) << "ticket " << t;
    }
}

TEST(TicketPool, WorkedExampleAtMidStrength) {
    const TicketPool pool = poolOf(Strength::Mid, {{1, 3}, {3, 5}});
    EXPECT_EQ(pool.size, 438);
    const std::map<int, int> expected{{1, 1},    {10, 1},   {11, 2},  {20, 2},  {21, 3},  {30, 3},
                                      {421, 43}, {430, 43}, {431, 1}, {433, 1}, {434, 3}, {438, 3}};
    for (const auto& [ticket, number] : expected)
        EXPECT_EQ(ownerOf(pool, ticket), number) << "ticket " << ticket;
}

TEST(TicketPool, HighStrengthTicket44GoesToTheFirstCountedNumber) {
    const TicketPool pool = poolOf(Strength::High, {{17, 4}, {30, 1}});
    EXPECT_EQ(pool.size, 48);
    EXPECT_EQ(ownerOf(pool, 1), 1);
    EXPECT_EQ(ownerOf(pool, 43), 43);
    EXPECT_EQ(ownerOf(pool, 44), 17);
    EXPECT_EQ(ownerOf(pool, 47), 17);
    EXPECT_EQ(ownerOf(pool, 48), 30);
}

TEST(TicketPool, ExcludedNumberIsDrawnAgain) {
    const TicketPool pool = poolOf(Strength::High, {});
    RangeMarks marks{};
    marks[0] = true; // 1..9
    marks[2] = true; // 20..29
    // Ticket 5 (number 5) is excluded; the next tickets give 25 (excluded), then 12.
    test::ScriptedRandom random;
    random.values = {rFor(25, 43), rFor(12, 43)};
    EXPECT_EQ(getNumberMethod(5, pool, marks, random), 12);
    EXPECT_EQ(random.drawn, 2);
}

TEST(TicketPool, TicketIsDrawnFromTheWholePool) {
    const TicketPool pool = ticketPool(Strength::High, NumberCounts{}, 4096 - 43);
    ASSERT_EQ(pool.size, 4096);
    const struct {
        float r;
        int ticket;
    } cases[] = {{0.0f, 1}, {0.5f, 2049}, {std::nextafter(1.0f, 0.0f), 4096}, {rFor(77, 4096), 77}};
    test::ScriptedRandom random;
    for (const auto& c : cases) {
        random.values = {c.r};
        EXPECT_EQ(drawTicket(pool, random), c.ticket) << c.r;
    }
}

// Scripted values that make GetByData draw these tickets one after another.
std::deque<float> tickets(int weightTotal, const std::vector<int>& ts) {
    std::deque<float> out;
    for (int t : ts)
        out.push_back(rFor(t, weightTotal));
    return out;
}

TEST(WeightedRun, DrawsSixDifferentNumbersFromThePool) {
    Harness h;
    Program& p = h.start();
    test::chooseSetCount(p, 2);
    setCounts(p, {{1, 3}, {3, 5}});
    p.form1.vSetMid.click(); // 10 even tickets each, pool 438
    // Set 1: 1, 1 (repeat, drawn again), 3 via the data part, 43, 2, 20, 9.
    // Set 2: 5, 6, 7, 8, 9, 10.
    h.random.values = tickets(438, {432, 5, 434, 425, 15, 195, 85, 45, 55, 65, 75, 85, 95});
    GetByData(p);
    EXPECT_EQ(setOf(p, 1), std::vector<int>({1, 3, 43, 2, 20, 9}));
    EXPECT_EQ(setOf(p, 2), std::vector<int>({5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(h.random.reseeds, 2);
    // Two sets were asked for: the third stays as it was.
    EXPECT_EQ(setOf(p, 3), std::vector<int>(6, 0));
}

TEST(WeightedRun, ReseedsOnceBeforeEachSet) {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    test::RecordingRandom random;
    test::FakePlatform platform;
    Program p(folder.path(), dialogs, random, platform, wire);
    test::chooseSetCount(p, 3);
    // Each set: a repeat of its first number, then five new ones.
    for (int set = 0; set < 3; ++set)
        for (int n : {1, 1, 2, 3, 4, 5, 6})
            random.values.push_back(rFor(n + set * 10, 43));
    GetByData(p);
    EXPECT_EQ(random.log, "SDDDDDDDSDDDDDDDSDDDDDDD");
    EXPECT_EQ(setOf(p, 3), std::vector<int>({21, 22, 23, 24, 25, 26}));
}

TEST(WeightedRun, StrengthDecidesTheEvenShare) {
    for (const StrengthCase& c : kStrengthCases) {
        Harness h;
        Program& p = h.start();
        setCounts(p, {{7, 100}});
        (p.form1.*c.item).click();
        const int s = c.evenShare / 43;
        // The first even ticket of 1, 2, 3, 4, 5 and 6, in a pool of the even
        // share and the 100 counted tickets: another even share or pool size
        // maps these values to other numbers.
        h.random.values = tickets(c.evenShare + 100, {1, 1 + s, 1 + 2 * s, 1 + 3 * s, 1 + 4 * s, 1 + 5 * s});
        GetByData(p);
        EXPECT_EQ(setOf(p, 1), std::vector<int>({1, 2, 3, 4, 5, 6}));
    }
}

TEST(WeightedRun, ExcludedRangesNeverAppearEvenWithTheLargestCounts) {
    std::map<int, int> counts;
    for (int n = 1; n <= 9; ++n)
        counts[n] = 3000;
    counts[40] = 50;
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    test::FakePlatform platform;
    ClockMixedRandom random(2024, [] { return std::uint64_t{99}; });
    Program q(folder.path(), dialogs, random, platform, wire);
    test::chooseSetCount(q, 5);
    setCounts(q, counts);
    q.form1.lvA.click();
    q.form1.lvE.click();
    std::set<int> seen;
    for (int run = 0; run < 60; ++run) {
        GetByData(q);
        sortMethodZ(q);
        for (int i = 0; i < 30; ++i) {
            const int n = q.predictNumbers[static_cast<std::size_t>(i)];
            ASSERT_TRUE(n >= 10 && n <= 39) << n;
            seen.insert(n);
        }
    }
    EXPECT_EQ(seen.size(), 30u); // every allowed number turns up
}

TEST(WeightedRun, RefusesToRunWithFewerThanSixNumbersAllowed) {
    Harness h;
    Program& p = h.start();
    // The menu never allows this; marks set behind its back must not hang the run.
    for (MenuItem* item : {&p.form1.lvA, &p.form1.lvB, &p.form1.lvC, &p.form1.lvD})
        item->setChecked(true);
    EXPECT_THROW(GetByData(p), ProgramError);
}

TEST(WeightedRun, LargestCountableHistoryStillGivesAValidPool) {
    Harness h;
    Program& p = h.start();
    std::map<int, int> counts;
    for (int n = 1; n <= 43; ++n)
        counts[n] = 762;
    counts[43] = 1;
    counts[42] = 762 + 762; // total 32767
    setCounts(p, counts);
    ASSERT_EQ(p.stats.drawNumberTotal, 32767);
    p.form1.vSetLow.click();
    const float top = std::nextafter(1.0f, 0.0f);
    h.random.values = {top, 0.0f, 0.5f, 0.25f, 0.75f, 0.2f};
    GetByData(p);
    // 4,300 + 32,767 tickets: the pool is summed wider than 16 bits.
    EXPECT_EQ(ticketPool(Strength::Low, p.stats.numberCount, p.stats.drawNumberTotal).size, 37067);
    EXPECT_EQ(setOf(p, 1)[0], 43); // the very last ticket
    EXPECT_EQ(setOf(p, 1)[1], 1);
}

// Chosen-number step: a set drawn as 2, 3, 4, 5, 6, 8 (no 7) with 7 chosen.
struct Chosen {
    Harness h;
    Program* p = nullptr;
    explicit Chosen(int chosen) {
        p = &h.start();
        p->form1.vNumber.click();
        p->form3().HScroll1.setValue(chosen);
        p->form3().Command1.click();
        setCounts(*p, {});
    }
    void draw(const std::vector<int>& numbers, float q) {
        h.random.values = tickets(43, numbers);
        h.random.values.push_back(q);
        GetByData(*p);
    }
};

TEST(ChosenNumberStep, PutsTheNumberAtPositionQForQUpToSix) {
    for (int q = 1; q <= 10; ++q) {
        SCOPED_TRACE(q);
        Chosen c(7);
        c.draw({2, 3, 4, 5, 6, 8}, rFor(q, 10));
        std::vector<int> expected{2, 3, 4, 5, 6, 8};
        if (q <= 6)
            expected[static_cast<std::size_t>(q - 1)] = 7;
        EXPECT_EQ(setOf(*c.p, 1), expected);
        EXPECT_EQ(c.h.random.drawn, 7);
    }
}

TEST(ChosenNumberStep, LeavesASetThatHoldsTheNumberAlone) {
    Chosen c(7);
    c.draw({2, 7, 4, 5, 6, 8}, rFor(1, 10));
    EXPECT_EQ(setOf(*c.p, 1), std::vector<int>({2, 7, 4, 5, 6, 8}));
    EXPECT_EQ(c.h.random.drawn, 6); // no position is drawn
}

TEST(ChosenNumberStep, WorksOnEverySetOfTheRun) {
    Chosen c(7);
    test::chooseSetCount(*c.p, 2);
    c.h.random.values = tickets(43, {2, 3, 4, 5, 6, 8});
    c.h.random.values.push_back(rFor(6, 10));
    for (float r : tickets(43, {11, 12, 13, 14, 15, 16}))
        c.h.random.values.push_back(r);
    c.h.random.values.push_back(rFor(2, 10));
    GetByData(*c.p);
    EXPECT_EQ(setOf(*c.p, 1), std::vector<int>({2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(setOf(*c.p, 2), std::vector<int>({11, 7, 13, 14, 15, 16}));
}

TEST(ChosenNumberStep, PlacesANumberFromAnExcludedRange) {
    Chosen c(5);
    c.p->form1.lvA.click();
    c.draw({12, 13, 14, 15, 16, 17}, rFor(3, 10));
    EXPECT_EQ(setOf(*c.p, 1), std::vector<int>({12, 13, 5, 15, 16, 17}));
}

TEST(ChosenNumberStep, AClosedNumberWindowKeepsTheConfirmedNumber) {
    Chosen c(20);
    c.p->form1.vNumber.click();
    c.p->form3().HScroll1.setValue(30); // moved, then closed without deciding
    c.p->userClosed(FormId::Form3);
    c.draw({2, 3, 4, 5, 6, 8}, rFor(4, 10));
    EXPECT_EQ(setOf(*c.p, 1), std::vector<int>({2, 3, 4, 20, 6, 8}));
    EXPECT_FALSE(c.p->hasForm(FormId::Form3));

    // While the window is open its caption is the number.
    c.p->form1.vNumber.click();
    c.p->form3().HScroll1.setValue(33);
    c.draw({2, 3, 4, 5, 6, 8}, rFor(1, 10));
    EXPECT_EQ(setOf(*c.p, 1), std::vector<int>({33, 3, 4, 5, 6, 8}));
}

TEST(ChosenNumberStep, SkippedWithoutDecide) {
    Harness h;
    Program& p = h.start();
    p.form1.vNumber.click();
    p.form3().HScroll1.setValue(7);
    setCounts(p, {});
    h.random.values = tickets(43, {2, 3, 4, 5, 6, 8});
    GetByData(p);
    EXPECT_EQ(setOf(p, 1), std::vector<int>({2, 3, 4, 5, 6, 8}));
    EXPECT_EQ(h.random.drawn, 6);
}

TEST(WeightedRun, NumbersFollowTheirTicketShares) {
    // 100,000 tickets from a seeded generator against (s + count) / weightTotal.
    ClockMixedRandom random(20240601, [] { return std::uint64_t{0}; });
    std::map<int, int> counts;
    for (int n = 1; n <= 43; ++n)
        counts[n] = n % 5 == 0 ? 0 : (n * 37) % 60; // uneven, some zero
    const TicketPool pool = poolOf(Strength::Mid, counts);
    ASSERT_EQ(pool.size, 430 + totalOf(counts));

    std::array<int, 44> observed{};
    const int draws = 100000;
    for (int i = 0; i < draws; ++i)
        ++observed[static_cast<std::size_t>(getNumberMethod(drawTicket(pool, random), pool, RangeMarks{}, random))];
    double chiSquare = 0;
    for (int n = 1; n <= 43; ++n) {
        const double expected = draws * (10.0 + counts[n]) / pool.size;
        const double d = observed[static_cast<std::size_t>(n)] - expected;
        chiSquare += d * d / expected;
    }
    // 42 degrees of freedom: 76.08 is the 0.1% tail.
    EXPECT_LT(chiSquare, 76.08);
    // A uniform draw would be far off: the zero-count numbers get only the even share.
    EXPECT_LT(observed[5], draws / 43);
}

} // namespace
} // namespace zoki
