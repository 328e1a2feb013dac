#include "base/textfile.h"
#include "reports/cp932_words.h"
#include "reports/reports.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zoki {
namespace {

using test::crlf;
using test::Harness;
namespace sj = test::sj;

const std::string k53(53, '#');

std::string expectedReport(const std::vector<std::string>& drawLines) {
    std::vector<std::string> lines = {k53, "                  LOTO 6 WIN NO DATA                 ", k53, ""};
    lines.insert(lines.end(), drawLines.begin(), drawLines.end());
    lines.emplace_back();
    lines.push_back(k53);
    return crlf(lines);
}

std::string drawLine(const std::string& number, const std::string& numbers) {
    return "    " + sj::dai + number + sj::kaiTousenBangou + " : " + numbers;
}

struct WinReport : ::testing::Test {
    Harness h;
    void SetUp() override { h.start(); }
    // The report of the table as the statistics counted it.
    void run(const std::vector<std::string>& counted, const std::string& name = "win") {
        h.p().stats.countedTable = counted;
        h.dialogs.saveAnswers.push_back((h.folder / name).string());
        h.p().form1.vResHitNoData.click();
    }
};

TEST_F(WinReport, OneLinePerDrawWithTheSpareRecordSkipped) {
    run({"3", "11", "17", "28", "35", "42", "7", "5", "05", "123", "10", "43", "1", "22", ""});
    EXPECT_TRUE(h.dialogs.shown.empty());
    ASSERT_EQ(h.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(h.dialogs.saveRequests[0].filter, "テキスト ファイル (*.txt)|*.txt|");
    EXPECT_EQ(h.folder.read("win.txt"), expectedReport({
                                            drawLine("01", "03  11  17  28  35  42  (07)"),
                                            drawLine("02", "05  05  123  10  43  01  (22)"),
                                        }));
}

TEST_F(WinReport, DrawsAreNumberedByTheirPlaceNotByTheStoredNumber) {
    std::vector<std::string> table;
    for (int d = 1; d <= 100; ++d)
        for (const char* value : {"1", "2", "3", "4", "5", "6", "7"})
            table.emplace_back(value);
    table.emplace_back();
    run(table);
    const std::vector<std::string> lines = splitLines(h.folder.read("win.txt"));
    ASSERT_EQ(lines.size(), 4u + 100u + 2u);
    const std::string numbers = "01  02  03  04  05  06  (07)";
    EXPECT_EQ(lines[4], drawLine("01", numbers));
    EXPECT_EQ(lines[12], drawLine("09", numbers));
    EXPECT_EQ(lines[13], drawLine("10", numbers));
    EXPECT_EQ(lines[103], drawLine("100", numbers));
    EXPECT_EQ(lines[104], "");
    EXPECT_EQ(lines[105], k53);
}

TEST_F(WinReport, NoDrawsGiveTheFrameOnly) {
    for (const std::vector<std::string>& table : {std::vector<std::string>{}, std::vector<std::string>{""}}) {
        run(table);
        EXPECT_EQ(h.folder.read("win.txt"), expectedReport({}));
    }
}

TEST_F(WinReport, ReplacesWhateverTheFileHeld) {
    const std::string k38(38, '#');
    h.folder.write("old.txt", crlf({k38, "         LOTO 6 EXPECTED DATA         ", k38, "", "x"}));
    run({"1", "2", "3", "4", "5", "6", "7"}, "old.txt");
    EXPECT_EQ(h.folder.read("old.txt"), expectedReport({drawLine("01", "01  02  03  04  05  06  (07)")}));
}

TEST_F(WinReport, ACancelledDialogWritesNothing) {
    h.p().stats.countedTable = {"1", "2", "3", "4", "5", "6", "7"};
    h.dialogs.saveAnswers.push_back(std::nullopt);
    h.p().form1.vResHitNoData.click();
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_FALSE(h.folder.exists(".txt"));
}

TEST_F(WinReport, ATextShiftJisCannotHoldIsToldAndNothingIsWritten) {
    h.folder.write("win.txt", "before\r\n");
    // Hangul from a damaged data.dat
    run({"1", "2", "3", "4", "5", "6", "7", "1", "2", "\xED\x95\x9C", "4", "5", "6", "7"});
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].title, "警告");
    EXPECT_NE(h.dialogs.shown[0].text.find("Shift_JIS"), std::string::npos);
    EXPECT_EQ(h.folder.read("win.txt"), "before\r\n");
}

// A draw is written with the table's values; one with a "-" or "_" in a
// value as its record has always been cut.
TEST(WinReportDraw, IsTheValuesUnlessASeparatorIsInOne) {
    using Values = std::vector<std::string>;
    struct Case {
        const char* name;
        Values values;
        std::optional<DrawTexts> draw;
    };
    const std::vector<Case> cases = {
        {"a whole draw", {"3", "11", "19", "25", "33", "41", "7"}, DrawTexts{"3", "11", "19", "25", "33", "41", "7"}},
        {"values of any length",
         {"1", "22", "", "333", " 4", "5", "06"},
         DrawTexts{"1", "22", "", "333", " 4", "5", "06"}},
        {"values after the last draw", {"20", "21", "22", "23", "24", "25"}, std::nullopt},
        {"one value after the last draw", {"9"}, std::nullopt},
        {"a dash spreads a value over two fields",
         {"1-2", "3", "4", "5", "6", "7", "8"},
         DrawTexts{"1", "2", "3", "4", "5", "6", "7-8"}},
        {"a leading minus shifts the fields",
         {"-5", "11", "17", "28", "35", "42", "7"},
         DrawTexts{"", "5", "11", "17", "28", "35", "42-7"}},
        {"an underscore among the main numbers", {"1", "2", "3_4", "5", "6", "7", "8"}, std::nullopt},
        {"an underscore in the bonus",
         {"1", "2", "3", "4", "5", "6", "7_9"},
         DrawTexts{"1", "2", "3", "4", "5", "6", "7"}},
        {"one value holding a whole draw's separators",
         {"1-2-3-4-5-6-7_8"},
         DrawTexts{"1", "2", "3", "4", "5", "6", "7"}},
        {"too few separators", {"1-2", "3", "4", "5"}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(reportedDraw(c.values), c.draw) << c.name;
}

// The report names the draws of the table as the statistics last counted
// it. A damaged data.dat can hold values with "-" or "_" in them; those have
// always been read as separators: a "-" spreads a value over two fields, a
// "_" among the main numbers drops the draw and one in the bonus ends it.
// Values left empty by lines of spaces are empty fields, and values after
// the last whole draw make no line unless a spare element completes them.
TEST(WinReportOfAFile, DamagedValuesAndCutShortDrawsAsTheyHaveAlwaysBeenWritten) {
    const std::vector<std::string> draw2 = {"10", "11", "12", "13", "14", "15", "16"};
    const std::string line2 = drawLine("02", "10  11  12  13  14  15  (16)");
    struct Case {
        const char* name;
        std::vector<std::string> first; // the first draw's lines; draw2 follows
        std::vector<std::string> after; // lines after draw2
        bool keptSets;                  // OutData.dat holds a set: the start-up reloads with a spare
        bool historyWindow;             // the history window counts again before the report
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"a dash spreads a value over two fields",
         {"1-2", "3", "4", "5", "6", "7", "8"},
         {},
         true,
         false,
         {drawLine("01", "01  02  03  04  05  06  (7-8)"), line2}},
        {"an underscore among the main numbers drops the draw",
         {"1", "2", "3_4", "5", "6", "7", "8"},
         {},
         true,
         false,
         {line2}},
        {"an underscore in the bonus ends it there",
         {"1", "2", "3", "4", "5", "6", "7_9"},
         {},
         true,
         false,
         {drawLine("01", "01  02  03  04  05  06  (07)"), line2}},
        {"a line of spaces is an empty field, a space inside stays",
         {"1", "  ", "3 4", "5", "6", "7", "8"},
         {},
         true,
         false,
         {drawLine("01", "01    3 4  05  06  07  (08)"), line2}},
        {"a value after the last draw makes no line",
         {"1", "2", "3", "4", "5", "6", "7"},
         {"9"},
         true,
         true,
         {drawLine("01", "01  02  03  04  05  06  (07)"), line2}},
        {"six values after the last draw, as the start-up counted them",
         {"1", "2", "3", "4", "5", "6", "7"},
         {"20", "21", "22", "23", "24", "25"},
         true,
         false,
         {drawLine("01", "01  02  03  04  05  06  (07)"), line2}},
        {"six values after the last draw, counted again with the spare",
         {"1", "2", "3", "4", "5", "6", "7"},
         {"20", "21", "22", "23", "24", "25"},
         true,
         true,
         {drawLine("01", "01  02  03  04  05  06  (07)"), line2, drawLine("03", "20  21  22  23  24  25  ()")}},
        {"six values after the last draw, no kept sets: never reloaded",
         {"1", "2", "3", "4", "5", "6", "7"},
         {"20", "21", "22", "23", "24", "25"},
         false,
         false,
         {drawLine("01", "01  02  03  04  05  06  (07)"), line2}},
        {"one value after the last draw holding a whole draw's separators",
         {"1", "2", "3", "4", "5", "6", "7"},
         {"1-2-3-4-5-6-7_8"},
         true,
         false,
         {drawLine("01", "01  02  03  04  05  06  (07)"), line2, drawLine("03", "01  02  03  04  05  06  (07)")}},
    };
    for (const Case& c : cases) {
        Harness h;
        std::vector<std::string> lines = c.first;
        lines.insert(lines.end(), draw2.begin(), draw2.end());
        lines.insert(lines.end(), c.after.begin(), c.after.end());
        h.folder.write("data.dat", crlf(lines));
        if (c.keptSets)
            h.folder.write("OutData.dat", crlf({"1", "2", "3", "4", "5", "6"}));
        Program& p = h.start();
        if (c.historyWindow)
            p.form1.Command2.click();
        h.dialogs.saveAnswers.push_back((h.folder / "win").string());
        p.form1.vResHitNoData.click();
        EXPECT_EQ(h.folder.read("win.txt"), expectedReport(c.lines)) << c.name;
    }
}

} // namespace
} // namespace zoki
