#include "draws/draw_file.h"
#include "draws/recent_draws.h"
#include "draws/statistics.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zoki {
namespace {

using test::crlf;
using test::drawFile;
using test::Harness;

const std::string kOneKeptSet = crlf({"1", "2", "3", "4", "5", "6"});

// Draw d (1-based) of a made-up history: seven different numbers.
std::vector<int> drawNo(int d) {
    std::vector<int> draw;
    for (int j = 0; j < 7; ++j)
        draw.push_back((d * 5 + j * 6) % 43 + 1);
    return draw;
}

std::vector<std::vector<int>> history(int draws) {
    std::vector<std::vector<int>> h;
    for (int d = 1; d <= draws; ++d)
        h.push_back(drawNo(d));
    return h;
}

Program& startWith(Harness& h, const std::string& draws) {
    h.folder.write("data.dat", draws);
    h.folder.write("OutData.dat", kOneKeptSet);
    return h.start();
}

// Row r shows draw d: its caption, its numbers as text and as balls, the
// bonus from the bonus set.
void expectRow(Form2& f, int r, int d, const std::vector<int>& draw) {
    EXPECT_EQ(f.Label4(r).caption(), "第" + std::to_string(d) + "回") << "row " << r;
    for (int j = 0; j < 7; ++j) {
        const int n = draw[static_cast<std::size_t>(j)];
        EXPECT_EQ(f.Label3(7 * r + j).caption(), std::to_string(n)) << "row " << r << " position " << j;
        EXPECT_EQ(f.Image1(7 * r + j).picture(), j < 6 ? 100 + n : 143 + n) << "row " << r << " position " << j;
    }
}

void expectRowUntouched(Form2& f, int r) {
    EXPECT_EQ(f.Label4(r).caption(), "過去" + std::to_string(r + 1) + "回") << "row " << r;
    for (int j = 0; j < 7; ++j) {
        EXPECT_EQ(f.Label3(7 * r + j).caption(), "") << "row " << r;
        EXPECT_EQ(f.Image1(7 * r + j).picture(), 0) << "row " << r;
    }
}

TEST(RecentDraws, RowsShowTheLatestDrawsNewestFirst) {
    for (int count : {1, 3, 5, 12}) {
        SCOPED_TRACE(std::to_string(count) + " draws");
        Harness h;
        Program& p = startWith(h, drawFile(history(count)));
        Form2& f = p.form2();
        for (int r = 0; r < 5; ++r) {
            if (r < count)
                expectRow(f, r, count - r, drawNo(count - r));
            else
                expectRowUntouched(f, r);
        }
    }
}

TEST(RecentDraws, FewerDrawsLaterLeaveTheOtherRowsAsTheyWere) {
    Harness h;
    Program& p = startWith(h, drawFile(history(6)));
    h.folder.write("data.dat", drawFile({{1, 2, 3, 4, 5, 6, 7}, {8, 9, 10, 11, 12, 13, 14}}));
    p.s.drawTable = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14"};
    RefreshStatistics(p);
    Form2& f = p.form2();
    expectRow(f, 0, 2, {8, 9, 10, 11, 12, 13, 14});
    expectRow(f, 1, 1, {1, 2, 3, 4, 5, 6, 7});
    for (int r = 2; r < 5; ++r)
        expectRow(f, r, 6 - r, drawNo(6 - r));
}

TEST(RecentDraws, ValuesAreShownAsWrittenAndPicturedByValue) {
    Harness h;
    Program& p = startWith(h, crlf({"07", "11", "19", "25", "33", "41", " 3 "}));
    Form2& f = p.form2();
    EXPECT_EQ(f.Label3(0).caption(), "07");
    EXPECT_EQ(f.Image1(0).picture(), 107);
    EXPECT_EQ(f.Label3(6).caption(), "3"); // the table is trimmed
    EXPECT_EQ(f.Image1(6).picture(), 146);
}

// A value with no ball picture stops the panel there: its text is shown,
// everything after it keeps what it showed.
TEST(RecentDraws, AValueWithoutABallStopsThePanelSilently) {
    for (const char* bad : {"44", "0", "7.5", "-1"}) {
        SCOPED_TRACE(bad);
        Harness h;
        const std::vector<int> older = drawNo(1);
        std::vector<std::string> lines;
        for (int n : older)
            lines.push_back(std::to_string(n));
        for (const char* v : {"3", "11", "19", bad, "33", "41", "7"})
            lines.emplace_back(v);
        Program& p = startWith(h, crlf(lines));
        Form2& f = p.form2();
        EXPECT_EQ(f.Label4(0).caption(), "第2回");
        EXPECT_EQ(f.Label4(1).caption(), "第1回");
        EXPECT_EQ(f.Image1(2).picture(), 119);
        EXPECT_EQ(f.Label3(3).caption(), bad);
        EXPECT_EQ(f.Image1(3).picture(), 0);
        EXPECT_EQ(f.Label3(4).caption(), "");
        EXPECT_EQ(f.Image1(4).picture(), 0);
        EXPECT_EQ(f.Label3(7).caption(), "");
        // The reload before it was done, and nothing was said.
        EXPECT_EQ(p.s.drawTable.lineCount(), 14);
        EXPECT_TRUE(h.dialogs.shown.empty());
    }
}

// A partial last draw is left out of the rows, so the numbers under
// "第1回" are draw 1's own.
TEST(RecentDraws, APartialLastDrawIsNotShown) {
    Harness h;
    Program& p = startWith(h, crlf({"3", "11", "19", "25", "33", "41", "7", "9"}));
    Form2& f = p.form2();
    EXPECT_EQ(p.s.drawTable.lineCount(), 8);
    expectRow(f, 0, 1, {3, 11, 19, 25, 33, 41, 7});
    expectRowUntouched(f, 1);
}

TEST(RecentDraws, CaptionsComeFromTheTableAsCounted) {
    Harness h;
    Program& p = startWith(h, drawFile(history(2)));
    // The counted table names the draws; the rows follow the table.
    p.stats.countedTable.resize(42 * 7 + 3);
    ShowRecentDraws(p);
    EXPECT_EQ(p.form2().Label4(0).caption(), "第42回");
    EXPECT_EQ(p.form2().Label4(1).caption(), "第41回");
    EXPECT_EQ(p.form2().Label4(2).caption(), "第40回");
    p.stats.countedTable.resize(13);
    ShowRecentDraws(p);
    EXPECT_EQ(p.form2().Label4(0).caption(), "第1回");
    EXPECT_EQ(p.form2().Label4(1).caption(), "第41回") << "no draw to name: left as it was";
}

// The rows' captions name the whole draws of the table as the statistics
// counted it. Values after the last whole draw become one more named draw
// when the spare element that a reload adds completes them, though the rows
// show whole draws of the lines read. A value with "_" in it is no number:
// the count stops before the panel, which keeps its captions.
TEST(RecentDraws, CaptionsOfDamagedTablesAsTheyHaveAlwaysBeenShown) {
    const std::vector<std::string> draw1 = {"1", "2", "3", "4", "5", "6", "7"};
    const std::vector<std::string> draw2 = {"8", "9", "10", "11", "12", "13", "14"};
    const std::vector<std::string> untouched = {"過去1回", "過去2回", "過去3回"};
    struct Case {
        const char* name;
        std::vector<std::vector<std::string>> parts;
        std::vector<std::string> atStart;      // Label4(0..2) after the start-up
        std::vector<std::string> countedAgain; // after the history window counted the reloaded table
    };
    const std::vector<Case> cases = {
        {"an underscore in a bonus", {draw1, {"8", "9", "10", "11", "12", "13", "7_9"}}, untouched, untouched},
        {"an underscore after the last draw", {draw1, draw2, {"3_4"}}, untouched, untouched},
        {"a value with a sign",
         {draw1, {"8", "9", "10", "11", "12", "13", "-1"}},
         {"第2回", "第1回", "過去3回"},
         {"第2回", "第1回", "過去3回"}},
        {"six values after the last draw",
         {draw1, {"20", "21", "22", "23", "24", "25"}},
         {"第1回", "過去2回", "過去3回"},
         {"第2回", "第1回", "過去3回"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines;
        for (const auto& part : c.parts)
            lines.insert(lines.end(), part.begin(), part.end());
        Harness h;
        Program& p = startWith(h, crlf(lines));
        const auto captions = [&] {
            return std::vector<std::string>{p.form2().Label4(0).caption(), p.form2().Label4(1).caption(),
                                            p.form2().Label4(2).caption()};
        };
        EXPECT_EQ(captions(), c.atStart);
        p.form1.Command2.click();
        EXPECT_EQ(captions(), c.countedAgain);
    }
}

} // namespace
} // namespace zoki
