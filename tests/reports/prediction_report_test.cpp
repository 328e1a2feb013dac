#include "base/syscalls.h"
#include "base/textfile.h"
#include "predict/run_support.h"
#include "reports/cp932_words.h"
#include "reports/reports.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <string>
#include <vector>

namespace zoki {
namespace {

using test::crlf;
using test::Harness;
namespace sj = test::sj;

const std::string k38(38, '#');
const std::string kEmptyRow(10, ' '); // five two-space separators around empty cells

const std::vector<int> kFullBoard = {1, 5,  12, 23, 34, 41, //
                                     2, 9,  10, 19, 28, 43, //
                                     3, 7,  15, 22, 30, 40, //
                                     4, 8,  16, 26, 33, 39, //
                                     6, 11, 17, 27, 35, 42};

// The block as the file must hold it, built from the table of lines.
std::string expectedBlock(const std::array<std::string, 5>& rows) {
    std::vector<std::string> lines = {k38, "         LOTO 6 EXPECTED DATA         ", k38, ""};
    for (int r = 0; r < 5; ++r)
        lines.push_back("    " + sj::suisoku + std::to_string(r + 1) + " : " + rows[static_cast<std::size_t>(r)]);
    for (const char* tail : {"", k38.c_str(), "", ""})
        lines.emplace_back(tail);
    return crlf(lines);
}

const std::array<std::string, 5> kFullRows = {
    "01  05  12  23  34  41", "02  09  10  19  28  43", "03  07  15  22  30  40",
    "04  08  16  26  33  39", "06  11  17  27  35  42",
};

struct PredictionReport : ::testing::Test {
    Harness h;
    void SetUp() override { h.start(); }
    // Plain sets of these numbers, six a set, generated, revealed and kept
    // as the user would; the board then shows them.
    void setBoard(const std::vector<int>& numbers) {
        Program& p = h.p();
        if (p.form1.vData.checked())
            p.form1.vData.click(); // plain sets, from the scripted values
        const int sets = static_cast<int>(numbers.size()) / 6;
        p.form1.VScroll1.setValue(sets);
        h.random.values = test::plainDraws(numbers);
        p.form1.Command1.click();
        h.dialogs.answers.push_back(Answer::Yes);
        for (int tick = 0; tick < 6 * sets; ++tick)
            p.form1.Timer1.tick();
        h.dialogs.shown.clear();
    }
    void choose(const std::string& name) { h.dialogs.saveAnswers.push_back(name); }
    void run() { h.p().form1.vResData.click(); }
};

TEST_F(PredictionReport, AnEmptyBoardIsRefusedBeforeTheDialog) {
    run();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "先にデータ予想を実行して下さい。");
    EXPECT_EQ(h.dialogs.shown[0].title, "【警告】");
    EXPECT_EQ(h.dialogs.shown[0].buttons, Buttons::Ok);
    EXPECT_EQ(h.dialogs.shown[0].icon, Icon::None);
    EXPECT_TRUE(h.dialogs.saveRequests.empty());
}

TEST_F(PredictionReport, WritesTheBoardAsOneBlockInShiftJis) {
    setBoard(kFullBoard);
    choose((h.folder / "yosoku").string());
    run();
    EXPECT_TRUE(h.dialogs.shown.empty());
    ASSERT_EQ(h.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(h.dialogs.saveRequests[0].filter, "テキスト ファイル (*.txt)|*.txt|");
    EXPECT_EQ(h.dialogs.saveRequests[0].lastName, "");
    EXPECT_EQ(h.folder.read("yosoku.txt"), expectedBlock(kFullRows));
    EXPECT_FALSE(h.folder.exists("yosoku"));
}

TEST(PredictionBlock, CellsFollowTheTwoDigitRuleAndEmptyRowsKeepTheirSeparators) {
    const std::array<int, 30> cells = {5, 10, 123, 7, 0, 43, //
                                       0, 0,  0,   0, 0, 0,  //
                                       0, 0,  0,   0, 0, 0,  //
                                       0, 0,  0,   0, 0, 0,  //
                                       0, 0,  0,   0, 0, 9};
    EXPECT_EQ(predictionBlock(cells).bytes(),
              expectedBlock({"05  10  123  07    43", kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow + "09"}));
}

TEST_F(PredictionReport, ReportsAccumulateOldestFirst) {
    setBoard(kFullBoard);
    choose((h.folder / "acc").string());
    run();
    setBoard({8, 9, 10, 11, 12, 13});
    choose((h.folder / "acc").string());
    run();

    const std::string secondBlock =
        expectedBlock({"08  09  10  11  12  13", kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow});
    const std::string bytes = h.folder.read("acc.txt");
    EXPECT_EQ(bytes, expectedBlock(kFullRows) + secondBlock);
    EXPECT_EQ(splitLines(bytes).size(), 26u);
    ASSERT_EQ(h.dialogs.saveRequests.size(), 2u);
    EXPECT_EQ(h.dialogs.saveRequests[1].lastName, (h.folder / "acc").string()) << "the chosen name is remembered";
}

TEST_F(PredictionReport, OnlyAnEarlierPredictionReportIsKept) {
    const std::string k53(53, '#');
    struct Case {
        const char* what;
        std::string before;
        std::string kept; // what precedes the new block afterwards
    };
    const std::string lfReport = k38 + "\n  LOTO 6 EXPECTED DATA\nold\n";
    for (const Case& c : {
             Case{"winning numbers report", crlf({k53, "                  LOTO 6 WIN NO DATA                 ", k53}),
                  ""},
             Case{"title on the wrong line", crlf({k38, "", "LOTO 6 EXPECTED DATA"}), ""},
             Case{"banner with a blank", crlf({k38 + " ", "LOTO 6 EXPECTED DATA"}), ""},
             Case{"banner one sign short", crlf({std::string(37, '#'), "LOTO 6 EXPECTED DATA"}), ""},
             Case{"title in lower case", crlf({k38, "loto 6 expected data"}), ""},
             Case{"one line only", crlf({k38}), ""},
             Case{"empty file", "", ""},
             Case{"other line ends", lfReport, crlf({k38, "  LOTO 6 EXPECTED DATA", "old"})},
             // キ is 83 4C: its second byte is an "L".
             Case{"title completed by half a character", crlf({k38, "\x83LOTO 6 EXPECTED DATA"}), ""},
             Case{"Shift_JIS text kept as bytes", crlf({k38, "x LOTO 6 EXPECTED DATA x", sj::suisoku + "\x5C"}),
                  crlf({k38, "x LOTO 6 EXPECTED DATA x", sj::suisoku + "\x5C"})},
         }) {
        h.folder.write("t.txt", c.before);
        setBoard(kFullBoard);
        choose((h.folder / "t.txt").string());
        run();
        EXPECT_EQ(h.folder.read("t.txt"), c.kept + expectedBlock(kFullRows)) << c.what;
    }
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST_F(PredictionReport, ACancelledDialogWritesNothing) {
    setBoard(kFullBoard);
    h.p().lastSaveName = (h.folder / "earlier").string();
    h.dialogs.saveAnswers.push_back(std::nullopt);
    run();
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_FALSE(h.folder.exists("earlier.txt"));
    EXPECT_FALSE(h.folder.exists(".txt"));
    EXPECT_EQ(h.p().lastSaveName, (h.folder / "earlier").string());
}

TEST_F(PredictionReport, AFailedWriteIsToldAndLeavesTheFile) {
    h.folder.write("keep.txt", "precious\r\n");
    setBoard(kFullBoard);
    choose((h.folder / "keep.txt").string());
    sys::Faults::failNth(sys::Call::Write, 1, ENOSPC);
    run();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].title, "警告");
    EXPECT_NE(h.dialogs.shown[0].text.find("keep.txt"), std::string::npos) << h.dialogs.shown[0].text;
    EXPECT_EQ(h.folder.read("keep.txt"), "precious\r\n");
}

TEST_F(PredictionReport, AFolderOfTheChosenNameIsToldNotReplaced) {
    std::filesystem::create_directory(h.folder / "dir.txt");
    setBoard(kFullBoard);
    choose((h.folder / "dir.txt").string());
    run();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].title, "警告");
    EXPECT_TRUE(std::filesystem::is_directory(h.folder / "dir.txt"));
}

// The report shows the board, not the sets generated: a smaller run after a
// larger one leaves the larger run's later sets behind, off the board, and a
// declined or cleared run leaves nothing to report.
TEST_F(PredictionReport, ShowsTheBoardAsTheLastRunLeftIt) {
    Program& p = h.p();
    p.form1.vData.click(); // plain sets, from the scripted values
    const auto reveal = [&](const std::vector<int>& numbers, Answer answer) {
        const int sets = static_cast<int>(numbers.size()) / 6;
        p.form1.VScroll1.setValue(sets);
        h.random.values = test::plainDraws(numbers);
        p.form1.Command1.click();
        h.dialogs.answers.push_back(answer);
        for (int tick = 0; tick < 6 * sets; ++tick)
            p.form1.Timer1.tick();
    };
    reveal({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}, Answer::Yes);
    reveal({20, 21, 22, 23, 24, 25}, Answer::Yes);
    p.form1.VScroll1.setValue(5);
    h.dialogs.shown.clear();
    choose((h.folder / "board").string());
    run();
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.folder.read("board.txt"),
              expectedBlock({"20  21  22  23  24  25", kEmptyRow, kEmptyRow, kEmptyRow, kEmptyRow}));

    for (const bool declined : {true, false}) {
        reveal({30, 31, 32, 33, 34, 35}, declined ? Answer::No : Answer::Yes);
        if (!declined)
            p.form1.vMClear.click();
        h.dialogs.shown.clear();
        run();
        ASSERT_EQ(h.dialogs.shown.size(), 1u) << declined;
        EXPECT_EQ(h.dialogs.shown[0].text, "先にデータ予想を実行して下さい。") << declined;
    }
    EXPECT_EQ(h.dialogs.saveRequests.size(), 1u);
}

} // namespace
} // namespace zoki
