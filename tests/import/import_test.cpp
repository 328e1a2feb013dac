#include "base/encoding.h"
#include "base/syscalls.h"
#include "base/textfile.h"
#include "import/import.h"
#include "import/import_messages.h"
#include "program/main_window.h"
#include "reveal/enabling.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

namespace zoki {
namespace {

using test::drawFile;
using test::Harness;
using Draws = std::vector<std::vector<int>>;

const Draws kDraws = {
    {3, 11, 19, 25, 33, 41, 7}, {2, 8, 20, 27, 30, 43, 15}, {1, 5, 12, 23, 34, 40, 9}, {6, 13, 21, 28, 36, 42, 10}};

Draws first(std::size_t n) { return Draws(kDraws.begin(), kDraws.begin() + static_cast<std::ptrdiff_t>(n)); }

// A history as a results site gives it, in Shift_JIS: header, "第N回", date,
// numbers, prize columns.
std::string historyCsv(const Draws& draws, int firstNumber = 1) {
    std::string text = "開催回,日付,第1数字,第2数字,第3数字,第4数字,第5数字,第6数字,ボーナス数字,1等口数,1等賞金\r\n";
    for (std::size_t i = 0; i < draws.size(); ++i) {
        text += "第" + std::to_string(firstNumber + static_cast<int>(i)) + "回,2001/03/0" + std::to_string(i + 1);
        for (const int n : draws[i])
            text += "," + std::to_string(n);
        text += ",0,\"0\"\r\n";
    }
    return toShiftJis(text);
}

std::vector<std::string> titles(const test::ScriptedDialogs& d) {
    std::vector<std::string> out;
    for (const auto& m : d.shown)
        out.push_back(m.title);
    return out;
}

// Starts over data.dat and imports `csv` through the menu with the answers.
Program& importThroughMenu(Harness& h, const std::string& dataBytes, const std::string& csv,
                           std::vector<Answer> answers = {}) {
    h.folder.write("data.dat", dataBytes);
    h.folder.write("loto6.csv", csv);
    // One kept set, so that the statistics run to their end.
    h.folder.write("OutData.dat", drawFile({{4, 9, 15, 22, 30, 41}}));
    Program& p = h.start();
    h.dialogs.shown.clear();
    h.dialogs.answers.assign(answers.begin(), answers.end());
    h.dialogs.openAnswers.push_back((h.folder / "loto6.csv").string());
    p.form1.vImport.click();
    return p;
}

TEST(Import, TheMenuAsksForAFileShowsTheSummaryAppendsAndRefreshes) {
    Harness h;
    Program& p = importThroughMenu(h, drawFile(first(2)), historyCsv(kDraws));

    ASSERT_EQ(h.dialogs.openRequests.size(), 1u);
    EXPECT_EQ(h.dialogs.openRequests[0].title, "当選データの取込");
    EXPECT_EQ(h.dialogs.openRequests[0].filter, kImportFilter);
    EXPECT_EQ(h.dialogs.openRequests[0].folder, "");
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_EQ(h.dialogs.shown[0].text, "ファイル「loto6.csv」を読み込みました。\r"
                                       "当選データ: 4 回分 (第1回～第4回)\r"
                                       "新しく追加する当選データ: 2 回分 (第3回～第4回)\r"
                                       "取り込めない行: なし\r"
                                       "data.dat に追加しますか？");
    EXPECT_EQ(h.dialogs.shown[0].title, "【質問】");
    EXPECT_EQ(h.dialogs.shown[0].buttons, Buttons::YesNo);
    EXPECT_EQ(h.dialogs.shown[1].text, "当選データを 2 回分取り込みました (全 4 回分)。");

    EXPECT_EQ(h.folder.read("data.dat"), drawFile(kDraws));
    EXPECT_TRUE(datedBackups(h.folder, "data.dat").empty());
    // The statistics and the recent draws follow at once.
    EXPECT_EQ(p.s.drawNumberTotal, 28);
    EXPECT_EQ(p.s.numberCount[43], 1);
    EXPECT_EQ(p.s.numberCount[4], 0);
    EXPECT_EQ(p.s.drawLineCount, 28);
    EXPECT_EQ(p.form2().Label4(0).caption(), "第4回");
    EXPECT_EQ(p.form2().Label3(0).caption(), "6");

    // The dialog opens where the last file was, for the rest of the session.
    p.form1.vImport.click();
    ASSERT_EQ(h.dialogs.openRequests.size(), 2u);
    EXPECT_EQ(h.dialogs.openRequests[1].folder, h.folder.path().string());
}

TEST(Import, WritesOnlyWhatTheUserAgreedToAndKeepsTheOldFileAsBackup) {
    // Hand-written, LF only, a blank: the backup must keep these very bytes.
    const std::string old = "3\n11\n 19\n25\n33\n41\n8\n";
    const std::string older = "an older backup";
    const std::string all = historyCsv(kDraws);
    const std::string one = drawFile(first(1));
    const std::string four = drawFile(kDraws);
    const std::string q = "【質問】", w = "【警告】", i = kImportTitle;
    std::string handEdited = drawFile(first(3));
    handEdited.replace(handEdited.find("11\r\n"), 2, "\x82\x56");
    struct Case {
        const char* name;
        std::string data, csv;
        Answer answer;
        std::vector<std::string> titles;
        std::string dataAfter;
        std::vector<std::string> backups;
        std::string asked;
    };
    const Case cases[] = {
        {"empty data.dat takes all", "", all, Answer::Yes, {q, i}, four, {}, "追加する当選データ: 4 回分"},
        {"No writes nothing", one, all, Answer::No, {q}, one, {}, "第2回～第4回"},
        {"all there already", four, historyCsv(first(3)), Answer::Yes, {i}, four, {}, "すべて data.dat に登録済み"},
        {"they differ: Yes replaces",
         old,
         all,
         Answer::Yes,
         {q, i},
         four,
         {old},
         "第1回が取り込むファイルと異なります"},
        {"they differ: No keeps data.dat", old, all, Answer::No, {q}, old, {}, "data.dat を置き換えますか？"},
        {"a later history needs earlier draws",
         one,
         historyCsv(first(2), 3),
         Answer::Yes,
         {w},
         one,
         {},
         "第2回が欠けてしまいます"},
        // "７" typed by hand in Shift_JIS, in a draw before the history's first.
        {"draws kept before the history keep their bytes",
         handEdited,
         historyCsv(Draws(kDraws.begin() + 2, kDraws.end()), 3),
         Answer::Yes,
         {q, i},
         handEdited + drawFile({kDraws[3]}),
         {},
         "data.dat に追加しますか？"},
        {"no draws in the file",
         one,
         toShiftJis("回号,日付\r\n※ データなし\r\n"),
         Answer::Yes,
         {w},
         one,
         {},
         "取り込める当選データが見つかりませんでした"},
    };
    for (const Case& c : cases) {
        Harness h;
        h.folder.write("data.dat.bak", older);
        importThroughMenu(h, c.data, c.csv, {c.answer});
        EXPECT_EQ(titles(h.dialogs), c.titles) << c.name;
        ASSERT_FALSE(h.dialogs.shown.empty()) << c.name;
        EXPECT_NE(h.dialogs.shown[0].text.find(c.asked), std::string::npos)
            << c.name << ": " << h.dialogs.shown[0].text;
        EXPECT_EQ(h.folder.read("data.dat"), c.dataAfter) << c.name;
        EXPECT_EQ(backupContents(h.folder, "data.dat"), c.backups) << c.name;
        EXPECT_EQ(h.folder.read("data.dat.bak"), older) << c.name << ": an earlier backup is never touched";
    }
}

TEST(Import, AFailedReadOrWriteIsToldAndChangesNothing) {
    struct Case {
        const char* name;
        std::string data;
        int failingWrites;
        const char* told;
    };
    Draws other = kDraws;
    other[0][0] = 4;
    const Case cases[] = {
        {"data.dat cannot be written", drawFile(first(1)), 1, "当選データファイル (data.dat) に保存できませんでした。"},
        {"the backup cannot be written", drawFile(other), 1, "data.dat の控えを保存できませんでした。"},
    };
    for (const Case& c : cases) {
        Harness h;
        h.folder.write("data.dat", c.data);
        h.folder.write("loto6.csv", historyCsv(kDraws));
        Program& p = h.start();
        const std::vector<std::string> table = p.s.drawTable;
        h.dialogs.shown.clear();
        h.dialogs.openAnswers.push_back((h.folder / "loto6.csv").string());
        sys::Faults::failNth(sys::Call::Write, 1, ENOSPC);
        p.form1.vImport.click();
        sys::Faults::reset();
        ASSERT_EQ(h.dialogs.shown.size(), 2u) << c.name;
        EXPECT_EQ(h.dialogs.shown[1].text.rfind(c.told, 0), 0u) << c.name << ": " << h.dialogs.shown[1].text;
        EXPECT_EQ(h.dialogs.shown[1].icon, Icon::Critical) << c.name;
        EXPECT_EQ(h.folder.read("data.dat"), c.data) << c.name;
        EXPECT_TRUE(datedBackups(h.folder, "data.dat").empty()) << c.name;
        EXPECT_EQ(p.s.drawTable, table) << c.name;
    }

    Harness h;
    h.folder.write("data.dat", drawFile(first(1)));
    h.folder.write("huge.csv", std::string((16u << 20) + 1, '1'));
    Program& p = h.start();
    const std::pair<const char*, const char*> told[] = {{"gone.csv", "ファイル「gone.csv」を読み込めませんでした。"},
                                                        {"huge.csv", "ファイル「huge.csv」は大きすぎます"}};
    for (const auto& [file, text] : told) {
        h.dialogs.shown.clear();
        importDrawHistory(p, h.folder / file);
        ASSERT_EQ(h.dialogs.shown.size(), 1u) << file;
        EXPECT_EQ(h.dialogs.shown[0].text.rfind(text, 0), 0u) << file;
        EXPECT_EQ(h.dialogs.shown[0].title, "【警告】") << file;
        EXPECT_EQ(h.folder.read("data.dat"), drawFile(first(1))) << file;
    }
}

TEST(Import, ADropImportsOneFileAndRefusesSeveralOrDuringAReveal) {
    Harness h;
    h.folder.write("data.dat", "");
    h.folder.write("loto6.csv", historyCsv(kDraws));
    Program& p = h.start();
    h.dialogs.shown.clear();
    const std::string csv = (h.folder / "loto6.csv").string();

    itemEnable(p, 0); // a reveal greys the data menu
    p.form1.onOLEDragDrop({csv});
    EXPECT_TRUE(h.dialogs.shown.empty());

    p.form1.vSet.setEnabled(true);
    p.form1.onOLEDragDrop({csv, csv});
    p.form1.onOLEDragDrop({csv});
    EXPECT_EQ(titles(h.dialogs), (std::vector<std::string>{"【警告】", "【質問】", kImportTitle}));
    EXPECT_EQ(h.dialogs.shown[0].text,
              "一度に取り込めるファイルは一つです。\r当選データのファイルを一つだけドロップして下さい。");
    EXPECT_EQ(h.folder.read("data.dat"), drawFile(kDraws));
    EXPECT_EQ(p.lastImportFolder, h.folder.path().string());
}

TEST(ImportMessages, ListTheFirstTenFaultyRowsAndCountTheRest) {
    std::vector<FaultyRow> faults;
    for (int line = 2; line <= 13; ++line)
        faults.push_back({line, RowFault::AfterGap, 500});
    faults[0] = {2, RowFault::OutOfRange, 0};
    const std::string text = faultList(faults);
    EXPECT_EQ(text.rfind("取り込めない行: 12 行\r・2 行目: 1～43 以外の数字があります\r・3 行目: "
                         "第500回が欠けているため取り込みません\r",
                         0),
              0u);
    EXPECT_NE(text.find("・11 行目: "), std::string::npos);
    EXPECT_EQ(text.find("・12 行目"), std::string::npos);
    EXPECT_EQ(text.substr(text.rfind('\r') + 1), "・ほか 2 行");
}

} // namespace
} // namespace zoki
