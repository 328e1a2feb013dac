#include "draws/statistics.h"
#include "draws/statistics_kernels.h"
#include "support/control_values.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zoki {
namespace {

using test::crlf;
using test::drawFile;
using test::Harness;
using test::kBlue;
using test::kRed;

constexpr float kFull = 975.0f;

// Starts the program over the given data.dat and OutData.dat.
Program& startWith(Harness& h, const std::string& draws, const std::string& outputs = "") {
    h.folder.write("data.dat", draws);
    h.folder.write("OutData.dat", outputs);
    return h.start();
}

std::vector<float> drawBars(Program& p) {
    std::vector<float> w;
    for (const auto& bar : p.form2().Label2)
        w.push_back(bar->width());
    return w;
}

std::vector<float> outBars(Program& p) {
    std::vector<float> w;
    for (const auto& bar : p.form2().Label5)
        w.push_back(bar->width());
    return w;
}

std::vector<int> rankingPictures(Program& p) {
    std::vector<int> pictures;
    for (const auto& image : p.form2().Image2)
        pictures.push_back(image->picture());
    return pictures;
}

// The bars expected from per-number counts: the top count is full width.
std::vector<float> barsFor(const std::vector<int>& counts) {
    int top = 0;
    for (int c : counts)
        top = std::max(top, c);
    std::vector<float> w;
    for (int c : counts)
        w.push_back(kFull * static_cast<float>(c) / static_cast<float>(top));
    return w;
}

std::vector<int> countsOf(const std::vector<std::vector<int>>& draws) {
    std::vector<int> counts(43, 0);
    for (const auto& d : draws)
        for (int n : d)
            ++counts[static_cast<std::size_t>(n - 1)];
    return counts;
}

void expectBars(const std::vector<float>& actual, const std::vector<float>& expected, const std::string& what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t k = 0; k < actual.size(); ++k)
        EXPECT_FLOAT_EQ(actual[k], expected[k]) << what << ": bar of " << k + 1;
}

const std::vector<int> kDraw{3, 11, 19, 25, 33, 41, 7};
const std::string kOneKeptSet = crlf({"1", "2", "3", "4", "5", "6"});

TEST(Statistics, OneDrawFillsRecordsCountsBarsAndPictures) {
    Harness h;
    Program& p = startWith(h, drawFile({kDraw}), kOneKeptSet);

    EXPECT_EQ(p.stats.drawNumberTotal, 7);
    for (int n = 1; n <= 43; ++n) {
        const bool drawn = std::find(kDraw.begin(), kDraw.end(), n) != kDraw.end();
        EXPECT_EQ(p.stats.numberCount[static_cast<std::size_t>(n)], drawn ? 1 : 0) << n;
        // Exact: the one drawn count is the top count.
        EXPECT_EQ(p.form2().Label2(n - 1).width(), drawn ? kFull : 0.0f) << n;
        EXPECT_EQ(p.form2().Label2(n - 1).backColor(), kRed) << n;
    }
    // 41 is the most frequent number: among equal counts the largest.
    EXPECT_EQ(rankingPictures(p), (std::vector<int>{141, 133, 125, 119, 111}));
    // Start-up counted the table as loaded, without a spare element.
    EXPECT_EQ(p.stats.countedTable, (std::vector<std::string>{"3", "11", "19", "25", "33", "41", "7"}));
    EXPECT_TRUE(p.form2().Timer1.enabled());
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(Statistics, TheSpareElementFormsAFurtherRecordWithoutADrawNumber) {
    Harness h;
    Program& p = startWith(h, drawFile({kDraw, {2, 8, 20, 27, 30, 43, 15}}), kOneKeptSet);
    ASSERT_EQ(p.s.drawTable.elements().size(), 15U); // reloaded with its spare
    RefreshStatistics(p);
    EXPECT_EQ(p.stats.countedTable, p.s.drawTable.elements());
    EXPECT_EQ(p.stats.countedTable.back(), "");
    EXPECT_EQ(p.stats.drawNumberTotal, 14);
}

TEST(Statistics, AnIncompleteLastDrawFormsARecordEndingInADash) {
    Harness h;
    Program& p = startWith(h, crlf({"3", "11", "19", "25", "33", "41", "7", "9"}), kOneKeptSet);
    EXPECT_EQ(p.stats.countedTable.size(), 8U);
    EXPECT_EQ(p.stats.numberCount[9], 1);
    EXPECT_EQ(p.stats.drawNumberTotal, 8);
}

TEST(Statistics, RankingAndBarsFollowTheCounts) {
    struct Case {
        const char* name;
        std::vector<std::vector<int>> draws;
        std::vector<int> pictures; // 1位 .. 5位
    };
    const std::vector<Case> cases = {
        // 5 and 9 both twice: the larger number takes first place.
        {"tie at the top", {{1, 2, 3, 4, 5, 9, 10}, {5, 9, 20, 21, 22, 23, 24}}, {109, 105, 124, 123, 122}},
        // The bonus 3 of one draw and the main 3 of the other both count.
        {"bonus counts", {{10, 11, 12, 13, 14, 15, 3}, {3, 20, 21, 22, 23, 24, 25}}, {103, 125, 124, 123, 122}},
        {"three levels",
         {{1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 8, 9, 10, 11}, {1, 2, 12, 13, 14, 15, 16}},
         {102, 101, 103, 116, 115}},
    };
    for (const Case& c : cases) {
        Harness h;
        Program& p = startWith(h, drawFile(c.draws), kOneKeptSet);
        const std::vector<int> counts = countsOf(c.draws);
        for (int n = 1; n <= 43; ++n)
            EXPECT_EQ(p.stats.numberCount[static_cast<std::size_t>(n)], counts[static_cast<std::size_t>(n - 1)])
                << c.name << ": " << n;
        EXPECT_EQ(p.stats.drawNumberTotal, 7 * static_cast<int>(c.draws.size())) << c.name;
        expectBars(drawBars(p), barsFor(counts), c.name);
        EXPECT_EQ(rankingPictures(p), c.pictures) << c.name;
        const FrequencyRanking ranking = rankByCount(p.stats.numberCount);
        for (std::size_t j = 0; j < kTopPlace; ++j)
            EXPECT_LE(ranking.sortedCount[j], ranking.sortedCount[j + 1]) << c.name;
    }
}

TEST(Statistics, ValuesCountByNumericValue) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::vector<std::pair<int, int>> counts; // number, count
        int total;
    };
    const std::vector<Case> cases = {
        {"07 is 7", {"07", "11", "19", "25", "33", "41", "7"}, {{7, 2}, {11, 1}}, 7},
        {"7.5 is no number 1..43", {"7.5", "11", "19", "25", "33", "41", "7"}, {{7, 1}, {8, 0}}, 6},
        {"outside 1..43", {"0", "44", "-3", "43", "1", "100", "7"}, {{43, 1}, {1, 1}, {7, 1}}, 3},
        {"7.0 is 7", {"7.0", "1", "2", "3", "4", "5", "6"}, {{7, 1}}, 7},
    };
    for (const Case& c : cases) {
        Harness h;
        Program& p = startWith(h, crlf(c.lines), kOneKeptSet);
        for (const auto& [n, count] : c.counts)
            EXPECT_EQ(p.stats.numberCount[static_cast<std::size_t>(n)], count) << c.name << ": " << n;
        EXPECT_EQ(p.stats.drawNumberTotal, c.total) << c.name;
        // The run went on to its end: the table was reloaded with its spare.
        EXPECT_EQ(p.s.drawTable.elements().size(), c.lines.size() + 1) << c.name;
    }
}

TEST(Statistics, ANonNumericDrawValueStopsTheRunSilently) {
    Harness h;
    Program& p = startWith(h, crlf({"3", "11", "19", "25", "33", "41", "7", "2", "x", "20", "27", "30", "43", "15"}),
                           kOneKeptSet);
    // Counted up to the value, then stopped: no total, no charts, no reload.
    EXPECT_EQ(p.stats.numberCount[3], 1);
    EXPECT_EQ(p.stats.numberCount[2], 1);
    EXPECT_EQ(p.stats.numberCount[20], 0);
    EXPECT_EQ(p.stats.drawNumberTotal, 0);
    expectBars(drawBars(p), std::vector<float>(43, kFull), "draw bars");
    expectBars(outBars(p), std::vector<float>(43, kFull), "output bars");
    EXPECT_EQ(rankingPictures(p), std::vector<int>(5, 0));
    EXPECT_EQ(p.s.drawTable.elements().size(), 14U);
    EXPECT_EQ(p.form2().Label4(0).caption(), "過去1回");
    EXPECT_FALSE(p.form2().Timer1.enabled());
    // The table was taken as counted before the counting began.
    EXPECT_EQ(p.stats.countedTable.size(), 14U);
    // Start-up itself went on.
    EXPECT_EQ(p.form1.caption(), test::kTitle);
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(Statistics, ATableWithoutDrawsLeavesTheChartsAlone) {
    struct Case {
        const char* name;
        std::string draws;
        int countOf3;
        int total;
    };
    const std::vector<Case> cases = {
        {"no file content", "", 0, 0},
        // The first element is empty: counted, but no chart.
        {"first element blank", crlf({"   ", "3", "11", "19", "25", "33", "41"}), 1, 6},
        // No value in 1..43: the total of 0 would divide the bars.
        {"nothing countable", crlf({"0", "44", "50", "60", "70", "80", "90"}), 0, 0},
    };
    for (const Case& c : cases) {
        Harness h;
        Program& p = startWith(h, c.draws, kOneKeptSet);
        EXPECT_EQ(p.stats.numberCount[3], c.countOf3) << c.name;
        EXPECT_EQ(p.stats.drawNumberTotal, c.total) << c.name;
        expectBars(drawBars(p), std::vector<float>(43, kFull), c.name);
        expectBars(outBars(p), std::vector<float>(43, kFull), c.name);
        EXPECT_EQ(rankingPictures(p), std::vector<int>(5, 0)) << c.name;
        EXPECT_FALSE(p.form2().Timer1.enabled()) << c.name;
        EXPECT_TRUE(h.dialogs.shown.empty()) << c.name;
    }
}

// A number's two bars and its caption tell its counts in words; a ranking
// picture tells its number and count. They follow every run, also one that
// ends before the bars are redrawn, and say what is counted now.
TEST(Statistics, TheBarsAndRankingPicturesTellTheirCountsInTheirTips) {
    Harness h;
    Program& p = startWith(h, drawFile({kDraw, {7, 11, 20, 27, 30, 43, 3}}), crlf({"7", "7", "8", "9", "10", "3"}));
    Form2& f = p.form2();
    struct Case {
        int number;
        const char* tip;
    };
    for (const Case& c :
         {Case{7, "7: 本数字 1 回・ボーナス 1 回 / 出力 2 回"}, Case{3, "3: 本数字 1 回・ボーナス 1 回 / 出力 1 回"},
          Case{1, "1: 本数字 0 回・ボーナス 0 回 / 出力 0 回"}, Case{43, "43: 本数字 1 回・ボーナス 0 回 / 出力 0 回"},
          Case{8, "8: 本数字 0 回・ボーナス 0 回 / 出力 1 回"}})
        for (const Label* l : {&f.Label1(c.number - 1), &f.Label2(c.number - 1), &f.Label5(c.number - 1)})
            EXPECT_EQ(l->toolTip(), c.tip) << l->objectName();
    std::vector<std::string> ranking;
    for (const auto& image : f.Image2)
        ranking.push_back(image->toolTip());
    EXPECT_EQ(ranking, (std::vector<std::string>{"11: 本数字 2 回・ボーナス 0 回", "7: 本数字 1 回・ボーナス 1 回",
                                                 "3: 本数字 1 回・ボーナス 1 回", "43: 本数字 1 回・ボーナス 0 回",
                                                 "41: 本数字 1 回・ボーナス 0 回"}));
    EXPECT_EQ(f.Frame4.toolTip(), "赤の棒: 当選番号に出た回数 / 青の棒: 履歴に残した予想に入った回数");

    // No draws left: the bars and pictures keep what they showed, the tips
    // say what there is.
    p.s.drawTable = DrawTable();
    p.s.outHistory = {"7", "5", "5", "5", "5", "5", ""};
    RefreshStatistics(p);
    EXPECT_EQ(f.Label2(6).width(), kFull);
    EXPECT_EQ(f.Label2(6).toolTip(), "7: 本数字 0 回・ボーナス 0 回 / 出力 1 回");
    EXPECT_EQ(f.Label5(4).toolTip(), "5: 本数字 0 回・ボーナス 0 回 / 出力 5 回");
    EXPECT_EQ(f.Image2(0).toolTip(), "11: 本数字 2 回・ボーナス 0 回");
}

TEST(Statistics, AnEmptyTableResetsEarlierCounts) {
    Harness h;
    Program& p = startWith(h, drawFile({kDraw}), kOneKeptSet);
    ASSERT_EQ(p.stats.numberCount[41], 1);
    p.s.drawTable = DrawTable();
    RefreshStatistics(p);
    EXPECT_EQ(p.stats.numberCount[41], 0);
    EXPECT_EQ(p.stats.drawNumberTotal, 0);
    EXPECT_TRUE(p.stats.countedTable.empty());
    // The charts keep what they showed.
    EXPECT_EQ(p.form2().Label2(40).width(), kFull);
    EXPECT_EQ(p.form2().Label2(0).width(), 0.0f);
}

TEST(Statistics, OutputChartCountsKeptNumbersByWholePart) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::vector<float> bars;
    };
    std::vector<float> only7(43, 0.0f);
    only7[6] = kFull;
    std::vector<float> mixed(43, 0.0f);
    mixed[6] = kFull;         // 7 and " 7.9 " and "07"
    mixed[42] = kFull / 3;    // 43
    mixed[0] = kFull * 2 / 3; // 1, 1.5
    const std::vector<Case> cases = {
        {"one line 7", {"7"}, only7},
        {"whole parts, blanks and zeros", {"7", " 7.9 ", "07", "43", "1", "1.5", "44", "0"}, mixed},
        {"no number 1..43", {"0", "44", "-1", "0.5", "100", "50"}, std::vector<float>(43, 0.0f)},
    };
    for (const Case& c : cases) {
        Harness h;
        Program& p = startWith(h, drawFile({kDraw}), crlf(c.lines));
        EXPECT_EQ(countOutputNumbers(p.s.outHistory).outLineCount, static_cast<int>(c.lines.size())) << c.name;
        expectBars(outBars(p), c.bars, c.name);
        // The run went on to the pictures and the reload.
        EXPECT_EQ(rankingPictures(p), (std::vector<int>{141, 133, 125, 119, 111})) << c.name;
        EXPECT_EQ(p.s.drawTable.elements().size(), 8U) << c.name;
        EXPECT_TRUE(p.form2().Timer1.enabled()) << c.name;
    }
}

TEST(Statistics, OutputRankingAndKeys) {
    Harness h;
    Program& p = startWith(h, drawFile({kDraw}), crlf({"5", "9", "9", "5", "2", "40"}));
    const OutputCounts out = countOutputNumbers(p.s.outHistory);
    EXPECT_EQ(out.outNumberCount[40], 1);
    const FrequencyRanking ranking = rankByCount(out.outNumberCount);
    EXPECT_EQ(ranking.sortedNumber[kTopPlace], 9);
    EXPECT_EQ(ranking.sortedNumber[kTopPlace - 1], 5);
    EXPECT_EQ(ranking.sortedCount[kTopPlace], 2);
    EXPECT_EQ(p.form2().Label5(8).width(), kFull);
    EXPECT_EQ(p.form2().Label5(4).width(), kFull);
    EXPECT_FLOAT_EQ(p.form2().Label5(39).width(), kFull / 2);
    // Output bars are never painted: they keep their design colour.
    EXPECT_EQ(p.form2().Label5(4).backColor(), kBlue);
}

TEST(Statistics, AnEmptyOutputHistoryGivesOneTwipBarsAndEndsTheRun) {
    Harness h;
    Program& p = startWith(h, drawFile({kDraw}));
    ASSERT_TRUE(p.s.outHistory.empty());
    expectBars(outBars(p), std::vector<float>(43, 1.0f), "output bars");
    // The draw chart is done; the ranking pictures and the reload are not.
    EXPECT_EQ(p.form2().Label2(40).width(), kFull);
    EXPECT_EQ(rankingPictures(p), std::vector<int>(5, 0));
    EXPECT_EQ(p.s.drawTable.elements().size(), 7U);
    EXPECT_FALSE(p.form2().Timer1.enabled());
}

TEST(Statistics, ANonNumericOutputLineEndsTheRunBeforeTheOutputBars) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
    };
    for (const Case& c :
         {Case{"letter", {"3", "x", "7"}}, Case{"blank line", {"3", "", "7"}}, Case{"spaces", {"3", "   ", "7"}}}) {
        Harness h;
        Program& p = startWith(h, drawFile({kDraw}), crlf(c.lines));
        const OutputCounts out = countOutputNumbers(p.s.outHistory);
        EXPECT_FALSE(out.allNumbers) << c.name;
        EXPECT_EQ(out.outNumberCount[3], 1) << c.name;
        EXPECT_EQ(out.outNumberCount[7], 0) << c.name;
        expectBars(outBars(p), std::vector<float>(43, kFull), c.name);
        EXPECT_EQ(p.form2().Label2(40).width(), kFull) << c.name;
        EXPECT_EQ(p.form2().Label2(0).width(), 0.0f) << c.name;
        EXPECT_EQ(rankingPictures(p), std::vector<int>(5, 0)) << c.name;
        EXPECT_EQ(p.s.drawTable.elements().size(), 7U) << c.name;
    }
}

TEST(Statistics, TheOutputChartStartsAfreshEachRun) {
    Harness h;
    Program& p = startWith(h, drawFile({kDraw}), crlf({"7", "8"}));
    ASSERT_FLOAT_EQ(p.form2().Label5(7).width(), kFull);
    p.s.outHistory = {"8", "8", "9", ""};
    RefreshStatistics(p);
    // Nothing of the earlier history counts: 7 is gone, 8 counts twice, not three times.
    EXPECT_EQ(p.form2().Label5(6).width(), 0.0f);
    EXPECT_FLOAT_EQ(p.form2().Label5(7).width(), kFull);
    EXPECT_FLOAT_EQ(p.form2().Label5(8).width(), kFull / 2);
}

TEST(Statistics, AClosedHistoryWindowIsBuiltAfreshAndFilled) {
    Harness h;
    Program& p = startWith(h, drawFile({kDraw}), kOneKeptSet);
    p.userClosed(FormId::Form2);
    ASSERT_FALSE(p.hasForm(FormId::Form2));
    RefreshStatistics(p);
    ASSERT_TRUE(p.hasForm(FormId::Form2));
    EXPECT_EQ(p.form2().Label2(0).width(), 0.0f);
    EXPECT_EQ(p.form2().Label2(40).width(), kFull);
    EXPECT_EQ(p.form2().Image2(0).picture(), 141);
    EXPECT_EQ(p.form2().Label4(0).caption(), "第1回");
}

// 32767 lines: every count and the total still fit in 16 bits.
TEST(Statistics, TheLargestHistoryIsCountedInFull) {
    std::vector<std::vector<int>> draws;
    for (int d = 0; d < 4681; ++d) {
        std::vector<int> draw;
        for (int j = 0; j < 7; ++j)
            draw.push_back((d * 7 + j) % 43 + 1);
        draws.push_back(draw);
    }
    Harness h;
    Program& p = startWith(h, drawFile(draws), kOneKeptSet);
    EXPECT_EQ(p.stats.drawNumberTotal, 32767);
    EXPECT_EQ(p.stats.numberCount[1], 763);
    EXPECT_EQ(p.stats.numberCount[43], 762);
    EXPECT_EQ(p.form2().Image2(0).picture(), ballPicture(1));
    // Scaled in single precision: within one unit in the last place.
    EXPECT_FLOAT_EQ(p.form2().Label2(0).width(), kFull);
    EXPECT_FLOAT_EQ(p.form2().Label2(42).width(), kFull * 762 / 763);
    EXPECT_EQ(p.s.drawTable.lineCount(), 32767);
    EXPECT_EQ(p.stats.countedTable.size(), 32767U);
    EXPECT_EQ(p.form2().Label4(0).caption(), "第4681回");
    EXPECT_EQ(p.form2().Label3(6).caption(), std::to_string(draws.back()[6]));
    EXPECT_EQ(p.form2().Image1(6).picture(), bonusBallPicture(draws.back()[6]));
}

// One draw more: the total overflows 16 bits. The run stops there without
// a message and start-up carries on.
TEST(Statistics, OneDrawBeyondTheLimitStopsTheRunWithoutHarm) {
    std::vector<std::vector<int>> draws(4682, kDraw);
    Harness h;
    Program& p = startWith(h, drawFile(draws), kOneKeptSet);
    EXPECT_EQ(p.stats.numberCount[3], 4682);
    EXPECT_EQ(p.stats.drawNumberTotal, 0);
    EXPECT_EQ(p.form2().Label2(0).width(), kFull);
    EXPECT_EQ(p.s.drawTable.elements().size(), 32774U);
    EXPECT_EQ(p.form1.caption(), test::kTitle);
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(Statistics, ACountBeyond32767StopsTheRun) {
    Harness h;
    Program& p = startWith(h, drawFile({kDraw}), kOneKeptSet);
    std::vector<std::string> values(32768, "7");
    values.emplace_back("8");
    p.s.drawTable = DrawTable(values);
    RefreshStatistics(p);
    EXPECT_EQ(p.stats.numberCount[7], 32767);
    EXPECT_EQ(p.stats.numberCount[8], 0);
    EXPECT_EQ(p.stats.drawNumberTotal, 7); // the last completed run's
    EXPECT_EQ(p.form2().Label2(40).width(), kFull);
}

// A history too long for the 16-bit line count: the division by the count
// fails bar by bar, so every bar keeps the full width set before it.
TEST(Statistics, AnOutputHistoryBeyondTheLineLimitKeepsFullBars) {
    Harness h;
    Program& p = startWith(h, drawFile({kDraw}), kOneKeptSet);
    p.s.outHistory.assign(32768, "7");
    p.s.outHistory.emplace_back();
    RefreshStatistics(p);
    const OutputCounts out = countOutputNumbers(p.s.outHistory);
    EXPECT_EQ(out.outLineCount, 0);
    EXPECT_EQ(out.outNumberCount[7], 32767);
    expectBars(outBars(p), std::vector<float>(43, kFull), "output bars");
    // The rest of the run still happened.
    EXPECT_EQ(p.form2().Image2(0).picture(), 141);
    EXPECT_EQ(p.s.drawTable.elements().size(), 8U);
}

TEST(Statistics, PaintBarRedPaintsTheBarOfBarNumber) {
    Harness h;
    Program& p = startWith(h, drawFile({kDraw}), kOneKeptSet);
    p.form2().Label2(9).setBackColor(kBlack);
    p.form2().Label2(10).setBackColor(kBlack);
    PaintBarRed(p, 10);
    EXPECT_EQ(p.form2().Label2(9).backColor(), kRed);
    EXPECT_EQ(p.form2().Label2(10).backColor(), kBlack);
}

TEST(Statistics, ResetNumberCountsClearsAllFortyThree) {
    Harness h;
    Program& p = h.start();
    for (int n = 1; n <= 43; ++n)
        p.stats.numberCount[static_cast<std::size_t>(n)] = n;
    ResetNumberCounts(p);
    for (int n = 1; n <= 43; ++n)
        EXPECT_EQ(p.stats.numberCount[static_cast<std::size_t>(n)], 0) << n;
}

} // namespace
} // namespace zoki

namespace zoki {
namespace {

// Whatever the history, the most frequent number's bar is exactly full
// width, not a single-precision hair beside it.
TEST(Statistics, TopBarsAreExactlyFullWidthForManyHistories) {
    for (int drawCount : {1, 2, 3, 7, 13, 29, 101, 333, 761}) {
        std::vector<std::vector<int>> draws;
        for (int d = 0; d < drawCount; ++d) {
            std::vector<int> draw;
            for (int j = 0; j < 7; ++j)
                draw.push_back((d * 7 + j * 5 + d / 3) % 43 + 1);
            draws.push_back(draw);
        }
        Harness h;
        Program& p = startWith(h, drawFile(draws), crlf({"7", "7", "8", "9", "9", "9"}));
        const auto counts = countsOf(draws);
        const int top = *std::max_element(counts.begin(), counts.end());
        for (int k = 0; k < 43; ++k) {
            if (counts[static_cast<std::size_t>(k)] == top) {
                EXPECT_EQ(p.form2().Label2(k).width(), kFull) << drawCount << " draws, bar of " << k + 1;
            }
        }
        EXPECT_EQ(p.form2().Label5(8).width(), kFull);
    }
}

} // namespace
} // namespace zoki
