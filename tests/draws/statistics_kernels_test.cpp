#include "base/errors.h"
#include "base/numtext.h"
#include "draws/statistics_kernels.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zoki {
namespace {

using Lines = std::vector<std::string>;

NumberCounts countsOf(const std::vector<std::pair<int, int>>& numberAndCount) {
    NumberCounts counts{};
    for (const auto& [n, c] : numberAndCount)
        counts[static_cast<std::size_t>(n)] = c;
    return counts;
}

TEST(StatisticsKernels, DrawCounts) {
    struct Case {
        const char* name;
        Lines table;
        std::vector<std::pair<int, int>> counts; // every other number 0
        std::optional<int> total;
    };
    const std::vector<Case> cases = {
        {"bonus counts like a main number",
         {"3", "11", "19", "25", "33", "41", "3"},
         {{3, 2}, {11, 1}, {19, 1}, {25, 1}, {33, 1}, {41, 1}},
         7},
        {"by numeric value", {"07", "7.0", " 7 ", "43", "1"}, {{7, 3}, {43, 1}, {1, 1}}, 5},
        {"not counted", {"0", "44", "-3", "7.5", "", "   ", "100", "1e1"}, {{10, 1}}, 1},
        {"a text stops the count where it stands", {"3", "2", "x", "20", "3"}, {{3, 1}, {2, 1}}, std::nullopt},
        {"spare element", {"5", ""}, {{5, 1}}, 1},
        {"nothing", {}, {}, 0},
    };
    for (const Case& c : cases) {
        const DrawCounts counts = countDrawNumbers(c.table);
        EXPECT_EQ(counts.numberCount, countsOf(c.counts)) << c.name;
        EXPECT_EQ(counts.drawNumberTotal.has_value(), c.total.has_value()) << c.name;
        if (counts.drawNumberTotal && c.total) {
            EXPECT_EQ(*counts.drawNumberTotal, *c.total) << c.name;
        }
    }

    // Values that name no ball are no count, however many there are.
    Lines zeros(40000, "0");
    zeros.emplace_back("8");
    const DrawCounts counts = countDrawNumbers(zeros);
    EXPECT_EQ(counts.numberCount, countsOf({{8, 1}}));
    EXPECT_EQ(counts.drawNumberTotal, std::optional<Int16>(1));
}

// The one- and two-character values the file holds are counted by a short
// way: for every such text it must agree with the general rule.
// The seventh of each draw is its bonus, counted as far as the draw counts
// go: a value that is no number stops both.
TEST(StatisticsKernels, BonusCounts) {
    struct Case {
        const char* name;
        Lines table;
        std::vector<std::pair<int, int>> counts; // number, times the bonus
    };
    const Case cases[] = {
        {"two draws and the spare",
         {"3", "11", "19", "25", "33", "41", "7", "7", "11", "20", "27", "30", "43", "03", ""},
         {{7, 1}, {3, 1}, {11, 0}, {43, 0}}},
        {"a text stops the count",
         {"3", "11", "19", "25", "33", "41", "7", "x", "1", "2", "4", "5", "6", "9"},
         {{7, 1}, {9, 0}}},
    };
    for (const Case& c : cases) {
        const NumberCounts bonus = bonusCounts(c.table);
        for (const auto& [number, times] : c.counts)
            EXPECT_EQ(bonus[static_cast<std::size_t>(number)], times) << c.name << ": " << number;
    }
}

TEST(StatisticsKernels, ShortValuesCountAsTheGeneralRuleSays) {
    const std::string characters = std::string("0123456789 x.-+e") + '\0';
    std::vector<std::string> texts;
    for (char a : characters) {
        texts.emplace_back(1, a);
        for (char b : characters)
            texts.push_back(std::string{a, b});
    }
    for (const std::string& text : texts) {
        const DrawCounts counts = countDrawNumbers({text});
        int ball = 0;
        bool stops = false;
        try {
            ball = ballNumber(text, {.textFails = true});
        } catch (const TypeMismatchError&) {
            stops = true;
        }
        EXPECT_EQ(counts.drawNumberTotal.has_value(), !stops) << '"' << text << '"';
        EXPECT_EQ(counts.numberCount, ball == 0 ? NumberCounts{} : countsOf({{ball, 1}})) << '"' << text << '"';
    }
}

TEST(StatisticsKernels, HoldsADraw) {
    EXPECT_FALSE(holdsADraw({}));
    EXPECT_FALSE(holdsADraw({"", "3"}));
    EXPECT_FALSE(holdsADraw({"   ", "3"}));
    EXPECT_TRUE(holdsADraw({"3"}));
    EXPECT_TRUE(holdsADraw({"x"}));
}

TEST(StatisticsKernels, OutputCounts) {
    struct Case {
        const char* name;
        Lines history;
        std::vector<std::pair<int, int>> counts;
        int outLineCount;
        bool allNumbers;
    };
    const std::vector<Case> cases = {
        {"empty file", {}, {}, 0, true},
        {"one set", {"1", "2", "3", "4", "5", "43", ""}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {43, 1}}, 6, true},
        {"whole parts", {"7", " 7.9 ", "07", "1.5", "44", "0", "-1", ""}, {{7, 3}, {1, 1}}, 7, true},
        {"a blank line ends the count", {"3", "", "7", ""}, {{3, 1}}, 3, false},
        {"a text ends the count", {"3", "x", "7", ""}, {{3, 1}}, 3, false},
    };
    for (const Case& c : cases) {
        const OutputCounts out = countOutputNumbers(c.history);
        EXPECT_EQ(out.outNumberCount, countsOf(c.counts)) << c.name;
        EXPECT_EQ(out.outLineCount, c.outLineCount) << c.name;
        EXPECT_EQ(out.lines, static_cast<std::size_t>(c.outLineCount)) << c.name;
        EXPECT_EQ(out.allNumbers, c.allNumbers) << c.name;
    }
}

TEST(StatisticsKernels, RankingByCountThenNumber) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> counts;
        std::vector<int> top; // sortedNumber from the top place down
    };
    const std::vector<Case> cases = {
        {"one draw", {{3, 1}, {11, 1}, {19, 1}, {25, 1}, {33, 1}, {41, 1}, {7, 1}}, {41, 33, 25, 19, 11, 7, 3, 43}},
        {"equal top counts: the larger number first", {{5, 2}, {9, 2}, {1, 1}}, {9, 5, 1, 43}},
        {"counts above ten compare as numbers", {{2, 9}, {3, 10}, {4, 100}}, {4, 3, 2, 43}},
        {"nothing counted", {}, {43, 42, 41}},
    };
    for (const Case& c : cases) {
        const FrequencyRanking r = rankByCount(countsOf(c.counts));
        for (std::size_t place = 0; place < c.top.size(); ++place)
            EXPECT_EQ(r.sortedNumber[kTopPlace - place], c.top[place]) << c.name << ", place " << place + 1;
        for (std::size_t k = 0; k < kTopPlace; ++k)
            EXPECT_LE(r.sortedCount[k], r.sortedCount[k + 1]) << c.name;
        for (std::size_t k = 0; k <= kTopPlace; ++k)
            EXPECT_EQ(r.sortedCount[k], countsOf(c.counts)[static_cast<std::size_t>(int(r.sortedNumber[k]))]) << c.name;
    }
}

TEST(StatisticsKernels, DrawBarsBeforeAndAfterNormalising) {
    // 975 / 7 × 1 × 10 in double, stored in single precision.
    const NumberCounts oneDraw = countsOf({{3, 1}, {11, 1}, {19, 1}, {25, 1}, {33, 1}, {41, 1}, {7, 1}});
    const BarWidths raw = drawBarWidths(oneDraw, 7, 975, 10);
    EXPECT_EQ(raw[2], static_cast<float>(975.0 / 7 * 10));
    EXPECT_EQ(raw[0], 0.0f);
    EXPECT_THROW(drawBarWidths(NumberCounts{}, 0, 975, 10), DivisionByZeroError);

    // Whatever the total, the top bar ends exactly full width, a number
    // never drawn at 0, and the others in proportion.
    for (int top = 1; top <= 400; top += 3) {
        for (int total : {top, top * 7, 32767}) {
            const NumberCounts counts = countsOf({{1, top}, {2, top / 2}, {43, top}});
            const BarWidths widths = drawBarWidths(counts, total, 975, 10);
            const BarWidths bars = scaledWidths(widths, normalisingScale(975, widths[42]));
            EXPECT_EQ(bars[42], 975.0f) << top << "/" << total;
            EXPECT_EQ(bars[0], 975.0f) << top << "/" << total;
            EXPECT_FLOAT_EQ(bars[1], 975.0f * static_cast<float>(top / 2) / static_cast<float>(top));
            EXPECT_EQ(bars[20], 0.0f);
        }
    }
}

TEST(StatisticsKernels, OutputBars) {
    const NumberCounts counts = countsOf({{7, 2}, {8, 1}});
    const BarWidths widths = outputBarWidths(counts, 6, 975);
    EXPECT_EQ(widths[6], static_cast<float>(975.0 / 6 * 2));
    EXPECT_EQ(widths[7], static_cast<float>(975.0 / 6));
    EXPECT_EQ(widths[0], 0.0f);
    const BarWidths bars = scaledWidths(widths, normalisingScale(975, widths[6]));
    EXPECT_EQ(bars[6], 975.0f);
    EXPECT_FLOAT_EQ(bars[7], 487.5f);

    // A line count of 0 (too many lines): every division fails and every
    // bar keeps the full width.
    BarWidths full{};
    full.fill(975.0f);
    EXPECT_EQ(outputBarWidths(counts, 0, 975), full);

    // No line holds a number 1..43: the top bar is 0 wide and the scale
    // cannot be taken.
    EXPECT_THROW(normalisingScale(975, outputBarWidths(NumberCounts{}, 6, 975)[42]), DivisionByZeroError);
}

} // namespace
} // namespace zoki
