#include "base/encoding.h"
#include "base/syscalls.h"
#include "base/textfile.h"
#include "import/history_parser.h"
#include "import/import.h"
#include "import/import_messages.h"
#include "program/main_window.h"
#include "reveal/enabling.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <optional>
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
                                       "登録済みの当選データに追加しますか？");
    EXPECT_EQ(h.dialogs.shown[0].title, "【質問】");
    EXPECT_EQ(h.dialogs.shown[0].buttons, Buttons::YesNo);
    EXPECT_EQ(h.dialogs.shown[1].text, "当選データを 2 回分取り込みました (全 4 回分)。");

    EXPECT_EQ(h.folder.read("data.dat"), drawFile(kDraws));
    EXPECT_TRUE(datedBackups(h.folder, "data.dat").empty());
    // The statistics and the recent draws follow at once.
    EXPECT_EQ(p.stats.drawNumberTotal, 28);
    EXPECT_EQ(p.stats.numberCount[43], 1);
    EXPECT_EQ(p.stats.numberCount[4], 0);
    EXPECT_EQ(p.s.drawTable.lineCount(), 28);
    EXPECT_EQ(p.form2().Label4(0).caption(), "第4回");
    EXPECT_EQ(p.form2().Label3(0).caption(), "6");

    // The dialog opens where the last file was, for the rest of the session.
    p.form1.vImport.click();
    ASSERT_EQ(h.dialogs.openRequests.size(), 2u);
    EXPECT_EQ(h.dialogs.openRequests[1].folder, h.folder.path().string());
}

TEST(Import, WritesOnlyWhatTheUserAgreedToAndKeepsTheOldFileAsBackup) {
    // Hand-written, LF only, a blank: the backup must keep these very bytes.
    // Draw 1's bonus differs from the file's, draw 2 is the same.
    const std::string old = "3\n11\n 19\n25\n33\n41\n8\n2\n8\n20\n27\n30\n43\n15\n";
    // No keeps draw 1 as data.dat has it and adds the file's new draws.
    Draws keptDraws = kDraws;
    keptDraws[0][6] = 8;
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
        std::optional<Answer> answer; // none: Enter, the default button
        std::vector<std::string> titles;
        std::string dataAfter;
        std::vector<std::string> backups;
        std::string asked;
    };
    const Case cases[] = {
        {"empty data.dat takes all", "", all, Answer::Yes, {q, i}, four, {}, "追加する当選データ: 4 回分"},
        {"No writes nothing", one, all, Answer::No, {q}, one, {}, "第2回～第4回"},
        {"all there already", four, historyCsv(first(3)), Answer::Yes, {i}, four, {}, "すべて登録済みです"},
        {"they differ: Yes replaces",
         old,
         all,
         Answer::Yes,
         {q, i},
         four,
         {old},
         "のうち 1 回分が、ファイルと異なります"},
        {"they differ: No keeps data.dat's draw and adds the new ones",
         old,
         all,
         Answer::No,
         {q, i},
         drawFile(keptDraws),
         {},
         "いいえ: 異なる回は登録済みの当選データのまま残し、新しい 2 回分だけを追加します。"},
        {"they differ: Enter does the same",
         old,
         all,
         std::nullopt,
         {q, i},
         drawFile(keptDraws),
         {},
         "第1回\r　登録済み: 3 11 19 25 33 41  ボーナス ［8］\r　ファイル: 3 11 19 25 33 41  ボーナス ［7］"},
        {"they differ and nothing is new: No writes nothing",
         old,
         historyCsv(first(2)),
         Answer::No,
         {q},
         old,
         {},
         "いいえ: 異なる回は登録済みの当選データのまま残し、何も取り込みません。"},
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
         "登録済みの当選データに追加しますか？"},
        {"a later history keeps its fault list",
         one,
         historyCsv({kDraws[2], {6, 13, 21, 28, 36, 42, 44}}, 3),
         Answer::Yes,
         {w},
         one,
         {},
         "が欠けてしまいます。\r第2回から載っているファイルを取り込んで下さい。\r取り込めない行: 1 行\r・3 行目 "
         "(第4回): 1～43 以外の数字 (44) があります"},
        {"a Loto 7 history",
         one,
         "回,1,2,3,4,5,6,7,ボーナス数字1,ボーナス数字2\r\n第1回,1,5,9,12,20,30,37,3,8\r\n",
         Answer::Yes,
         {w},
         one,
         {},
         "ロト6の当選データではないようです"},
        {"the first draw faulty",
         one,
         "第1回,3,11,19,25,33,41,44\r\n第2回,2,8,20,27,30,43,15\r\n",
         Answer::Yes,
         {w},
         one,
         {},
         "最初の当選データ (1 行目) に誤りがあるため"},
        // A row index beside draw numbers 2 to 4: data.dat says which is
        // which, by the draw they share.
        {"row index or draw number: data.dat decides",
         drawFile(first(2)),
         "1,2,2,8,20,27,30,43,15\r\n2,3,1,5,12,23,34,40,9\r\n3,4,6,13,21,28,36,42,10\r\n",
         Answer::Yes,
         {q, i},
         four,
         {},
         "新しく追加する当選データ: 2 回分 (第3回～第4回)"},
        // Draws 3 and 4 follow data.dat's draw 2 as well as an index 1..2
        // would put other draws at 1 and 2: no shared draw tells.
        {"row index or draw number: no shared draw cannot tell",
         drawFile(first(2)),
         "1,3,1,5,12,23,34,40,9\r\n2,4,6,13,21,28,36,42,10\r\n",
         Answer::Yes,
         {w},
         drawFile(first(2)),
         {},
         "1 列目と 2 列目のどちらも回号のように見え"},
        {"row index or draw number: an empty data.dat cannot tell",
         "",
         "1,3,1,5,12,23,34,40,9\r\n2,4,6,13,21,28,36,42,10\r\n",
         Answer::Yes,
         {w},
         "",
         {},
         "1 列目と 2 列目のどちらも回号のように見え"},
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
        importThroughMenu(h, c.data, c.csv, c.answer ? std::vector<Answer>{*c.answer} : std::vector<Answer>{});
        EXPECT_EQ(titles(h.dialogs), c.titles) << c.name;
        ASSERT_FALSE(h.dialogs.shown.empty()) << c.name;
        // Only a replacing question defaults to No.
        if (c.titles[0] == q) {
            EXPECT_EQ(h.dialogs.shown[0].buttons, c.data == old ? Buttons::YesNoDefaultNo : Buttons::YesNo) << c.name;
        }
        EXPECT_NE(h.dialogs.shown[0].text.find(c.asked), std::string::npos)
            << c.name << ": " << h.dialogs.shown[0].text;
        EXPECT_EQ(h.folder.read("data.dat"), c.dataAfter) << c.name;
        EXPECT_EQ(backupContents(h.folder, "data.dat"), c.backups) << c.name;
        EXPECT_EQ(h.folder.read("data.dat.bak"), older) << c.name << ": an earlier backup is never touched";
    }
}

// A season: import, register a draw by hand in drawn order, import the
// update, then a file that disagrees about one draw and ends earlier.
TEST(Import, ASeasonOfImportsAndRegistrationsLosesNoDraw) {
    Harness h;
    Program& p = importThroughMenu(h, "", historyCsv(first(2)));
    ASSERT_EQ(h.folder.read("data.dat"), drawFile(first(2)));

    p.form1.addAdd.click();
    const std::vector<std::string> drawnOrder = {"34", "1", "23", "5", "40", "12", "9"}; // draw 3
    for (int k = 0; k < 7; ++k)
        p.form4().Text1(k).setText(drawnOrder[static_cast<std::size_t>(k)]);
    p.form4().Command1.click();
    const std::string registered = drawFile(first(2)) + test::crlf(drawnOrder);
    ASSERT_EQ(h.folder.read("data.dat"), registered);

    const auto importFile = [&](const std::string& csv, std::vector<Answer> answers) {
        h.folder.write("loto6.csv", csv);
        h.dialogs.shown.clear();
        h.dialogs.answers.assign(answers.begin(), answers.end());
        importDrawHistory(p, h.folder / "loto6.csv");
    };
    // The update adds draw 4 and keeps the registered draw as it was typed.
    importFile(historyCsv(kDraws), {});
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_EQ(h.dialogs.shown[0].buttons, Buttons::YesNo);
    EXPECT_NE(h.dialogs.shown[0].text.find("新しく追加する当選データ: 1 回分 (第4回)"), std::string::npos);
    const std::string updated = registered + drawFile({kDraws[3]});
    EXPECT_EQ(h.folder.read("data.dat"), updated);

    // A shorter file with another draw 2: Enter keeps data.dat, Yes replaces
    // draw 2 alone and keeps draws 3 and 4.
    Draws wrong = first(2);
    wrong[1][5] = 42;
    importFile(historyCsv(wrong), {});
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].buttons, Buttons::YesNoDefaultNo);
    EXPECT_NE(h.dialogs.shown[0].text.find(
                  "登録済みの当選データ (4 回分) のうち 1 回分が、ファイルと異なります (［ ］は異なる数字):\r"
                  "第2回\r　登録済み: 2 8 20 27 30 ［43］  ボーナス 15\r　ファイル: 2 8 20 27 30 ［42］  ボーナス 15\r"
                  "はい: "),
              std::string::npos)
        << h.dialogs.shown[0].text;
    EXPECT_EQ(h.folder.read("data.dat"), updated);
    importFile(historyCsv(wrong), {Answer::Yes});
    const auto backups = datedBackups(h.folder, "data.dat");
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].second, updated);
    EXPECT_EQ(h.dialogs.shown.back().text,
              "登録済みの当選データのうち 1 回分 (第2回) をファイルの内容に置き換えました (全 4 回分)。"
              "\r置き換える前の当選データは " +
                  backups[0].first + " に残してあります。");
    std::string replaced = updated;
    replaced.replace(replaced.find("43\r\n"), 2, "42");
    EXPECT_EQ(h.folder.read("data.dat"), replaced);
    EXPECT_EQ(p.s.drawTable.lineCount(), 28);

    // The right file again puts draw 2 back; both replaced files are kept.
    importFile(historyCsv(kDraws), {Answer::Yes});
    EXPECT_EQ(h.folder.read("data.dat"), updated);
    std::vector<std::string> kept = backupContents(h.folder, "data.dat");
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, (std::vector<std::string>{replaced, updated}));
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
        {"the backup cannot be written", drawFile(other), 1, "当選データの控えを保存できませんでした。"},
    };
    for (const Case& c : cases) {
        Harness h;
        h.folder.write("data.dat", c.data);
        h.folder.write("loto6.csv", historyCsv(kDraws));
        Program& p = h.start();
        const std::vector<std::string> table = p.s.drawTable.elements();
        h.dialogs.shown.clear();
        h.dialogs.openAnswers.push_back((h.folder / "loto6.csv").string());
        h.dialogs.answers = {Answer::Yes};
        sys::Faults::failNth(sys::Call::Write, 1, ENOSPC);
        p.form1.vImport.click();
        sys::Faults::reset();
        ASSERT_EQ(h.dialogs.shown.size(), 2u) << c.name;
        EXPECT_EQ(h.dialogs.shown[1].text.rfind(c.told, 0), 0u) << c.name << ": " << h.dialogs.shown[1].text;
        EXPECT_EQ(h.dialogs.shown[1].icon, Icon::Critical) << c.name;
        EXPECT_EQ(h.folder.read("data.dat"), c.data) << c.name;
        EXPECT_TRUE(datedBackups(h.folder, "data.dat").empty()) << c.name;
        EXPECT_EQ(p.s.drawTable.elements(), table) << c.name;
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

// Twelve draws, none like another.
Draws twelve() {
    Draws out;
    for (int k = 0; k < 12; ++k) {
        std::vector<int> d;
        for (int j = 0; j < 7; ++j)
            d.push_back((k * 5 + j * 6) % 43 + 1);
        out.push_back(d);
    }
    return out;
}

// A data.dat of ten draws and a file of twelve that differs in draws 2, 4,
// 6 and 8: the question shows three side by side and names the fourth; No
// adds draws 11 and 12 and keeps the four, Yes replaces them.
TEST(Import, TheQuestionShowsTheDifferencesAndEachAnswerSaysWhatItDid) {
    const Draws file = twelve();
    Draws mine(file.begin(), file.begin() + 10);
    for (const std::size_t k : {1u, 3u, 5u, 7u})
        mine[k][2] = mine[k][2] % 43 + 1 == mine[k][3] ? 40 : mine[k][2] % 43 + 1;
    struct Case {
        const char* name;
        Answer answer;
        std::string data;
        std::string summary;
    };
    const Case cases[] = {
        {"No", Answer::No, drawFile(mine) + drawFile({file[10], file[11]}),
         "新しい当選データ 2 回分 (第11回～第12回) を追加しました (全 12 回分)。\r"
         "ファイルと異なる 4 回分 (第2回、第4回、第6回、第8回) は、登録済みの当選データのまま残しました。"},
        {"Yes", Answer::Yes, drawFile(file),
         "登録済みの当選データのうち 4 回分 (第2回、第4回、第6回、第8回) をファイルの内容に置き換え、2 回分 "
         "(第11回～第12回) を追加しました (全 12 回分)。\r置き換える前の当選データは "},
    };
    for (const Case& c : cases) {
        Harness h;
        importThroughMenu(h, drawFile(mine), historyCsv(file), {c.answer});
        ASSERT_EQ(h.dialogs.shown.size(), 2u) << c.name;
        const std::string& question = h.dialogs.shown[0].text;
        EXPECT_NE(question.find("のうち 4 回分が、ファイルと異なります (［ ］は異なる数字):\r"
                                "第2回\r　登録済み: 6 12 ［19］ 24 30 36  ボーナス 42\r"
                                "　ファイル: 6 12 ［18］ 24 30 36  ボーナス 42\r第4回\r　登録済み: "),
                  std::string::npos)
            << c.name << ": " << question;
        EXPECT_NE(question.find("\r第6回\r　登録済み: "), std::string::npos) << c.name;
        EXPECT_NE(question.find("\rほかに異なる回: 第8回\r新しく追加する当選データ: 2 回分 (第11回～第12回)\r"),
                  std::string::npos)
            << c.name << ": " << question;
        EXPECT_EQ(question.find("\r第8回\r"), std::string::npos) << c.name << ": three side by side at most";
        EXPECT_EQ(h.dialogs.shown[1].text.rfind(c.summary, 0), 0u) << c.name << ": " << h.dialogs.shown[1].text;
        EXPECT_EQ(h.folder.read("data.dat"), c.data) << c.name;
        EXPECT_EQ(datedBackups(h.folder, "data.dat").size(), c.answer == Answer::Yes ? 1u : 0u) << c.name;
    }
}

// A file read one draw off differs in every draw it shares: refused, with
// the count, the likely cause and how to start afresh.
TEST(Import, AFileThatDiffersInMostSharedDrawsIsRefused) {
    const Draws all = twelve();
    Harness h;
    const std::string data = drawFile(Draws(all.begin(), all.begin() + 10));
    importThroughMenu(h, data, historyCsv(Draws(all.begin() + 1, all.end())), {Answer::Yes});
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].title, "【警告】");
    const std::string& text = h.dialogs.shown[0].text;
    EXPECT_EQ(
        text.rfind("ファイル「loto6.csv」と登録済みの当選データに共通する 10 回分のうち 10 回分の数字が異なります。\r"
                   "ファイルの列や並び順を正しく読み取れなかったものと思われます。\r例: 第1回\r　登録済み: ",
                   0),
        0u)
        << text;
    EXPECT_NE(
        text.find("ゾキのフォルダーの data.dat を別のフォルダーへ移し、空になった当選データにこのファイルを取り込んで"
                  "下さい。\r取り込みは行われていません。"),
        std::string::npos)
        << text;
    EXPECT_EQ(h.folder.read("data.dat"), data);
}

// The rows of draws 1..4 after the fields `before(k)`, newest first.
std::string newestFirstRows(const std::function<std::string(int)>& before) {
    std::string text;
    for (int k = 4; k >= 1; --k) {
        text += before(k);
        for (const int n : kDraws[static_cast<std::size_t>(k - 1)])
            text += "," + std::to_string(n);
        text += "\r\n";
    }
    return text;
}

// Files whose rows look like draws but whose order cannot be told: each is
// refused with the reason and what to do, whatever data.dat holds, and
// nothing is written.
TEST(Import, AFileWhoseOrderCannotBeToldIsRefusedWithTheReason) {
    const std::string two = drawFile(first(2));
    struct Case {
        const char* name;
        std::string data, csv;
        std::string told;
    };
    const Case cases[] = {
        {"dates no calendar holds", "", newestFirstRows([](int k) { return "2026/13/0" + std::to_string(k); }),
         "ファイル「loto6.csv」には回号がなく、1 列目の日付を読めないため "
         "(日と月のどちらが先かを決められない場合も含みま"
         "す)、回号の順を決められません。\r回号 (第1回、第2回…) の列があるファイルか、日付が 2026/03/16 "
         "の形で書かれたファイルを取り込んで下さい。\r取り込みは行われていません。"},
        {"all on one date", two, newestFirstRows([](int) { return std::string("2026/01/05"); }),
         "ファイル「loto6.csv」には回号がなく、1 列目に同じ日付の違う回があるため、日付で回号の順を決められません。"},
        {"no draw numbers into an empty data.dat", "", newestFirstRows([](int) { return std::string("x"); }),
         "ファイル「loto6."
         "csv」には回号がなく、登録済みの当選データも空のため、ファイルの最初の回が第何回かを決められません "
         "(ロト6の第1回は 2000年10月5日です)。\r回号 (第1回、第2回…) の列があるファイルを取り込んで下さい。"},
        {"no draw numbers, no dates, nothing shared", drawFile({{9, 10, 11, 12, 13, 14, 15}}),
         newestFirstRows([](int) { return std::string("x"); }),
         "ファイル「loto6.csv」には回号も日付もないため、古い回から並んでいるのか新しい回から並んでいるのかを、"
         "登録済みの当選データと比べても決められませんでした。"},
        {"mostly no known encoding", two, "\x80\xFD,\xFD\r\n\xFD\x80\r\n3,11,19,25,33,41,7\r\n",
         "ファイル「loto6.csv」の文字コードを読み取れませんでした: 空でない 3 行のうち 2 行が UTF-8、Shift_JIS、"
         "EUC-JP、UTF-16 のどれでも読めない行です。\rファイルを UTF-8 か Shift_JIS の CSV として保存し直してから、"},
        {"Loto 7 without a header", two, "3,11,19,25,33,37,7,1,2\r\n", "ロト7やミニロトのようです"},
        {"one row, eight numbers, no header", drawFile({{9, 10, 11, 12, 13, 14, 15}}), "12,30,11,19,25,33,41,7\r\n",
         "ファイル「loto6.csv」の 1 回分の 7 個の数字は 1 列目と 2 "
         "列目のどれからとも読め、登録済みの当選データと比べても"
         "決められませんでした。\r1 行目に見出し (回,日付,第1数字,…,第6数字,ボーナス数字) を入れてから、"},
    };
    for (const Case& c : cases) {
        Harness h;
        importThroughMenu(h, c.data, c.csv, {Answer::Yes});
        ASSERT_EQ(h.dialogs.shown.size(), 1u) << c.name;
        EXPECT_EQ(h.dialogs.shown[0].title, "【警告】") << c.name;
        EXPECT_NE(h.dialogs.shown[0].text.find(c.told), std::string::npos) << c.name << ": " << h.dialogs.shown[0].text;
        EXPECT_EQ(h.folder.read("data.dat"), c.data) << c.name;
    }
}

// The summary says how the draws were placed: by their numbers, by their
// dates only where the dates ordered them, by data.dat otherwise.
TEST(Import, TheSummarySaysWhatPlacedTheDraws) {
    struct Case {
        const char* name;
        std::string data, csv;
        std::string read;
        Draws after = kDraws;
    };
    const Case cases[] = {
        {"dates from Loto 6's first draw, newest first", "",
         newestFirstRows([](int k) { return "H12.10." + std::to_string(k * 7 - 2); }),
         "当選データ: 4 回分 (回号なし。日付の順に第1回からとします)"},
        {"one draw dated the first draw's day", "", "2000/10/05,3,11,19,25,33,41,7\r\n",
         "当選データ: 1 回分 (回号なし。第1回とします)", first(1)},
        {"later dates after data.dat's first draw", drawFile(first(1)),
         newestFirstRows([](int k) { return "R8.3.1" + std::to_string(k); }),
         "当選データ: 4 回分 (回号なし。日付の順に第1回からとします)"},
        {"no dates, newest first, data.dat tells", drawFile(first(1)),
         newestFirstRows([](int) { return std::string("x"); }),
         "当選データ: 4 回分 (回号・日付なし。登録済みの当選データと合うよう、下の行から第1回とします)"},
    };
    for (const Case& c : cases) {
        Harness h;
        importThroughMenu(h, c.data, c.csv, {Answer::Yes});
        ASSERT_EQ(h.dialogs.shown.size(), 2u) << c.name;
        EXPECT_NE(h.dialogs.shown[0].text.find(c.read), std::string::npos) << c.name << ": " << h.dialogs.shown[0].text;
        EXPECT_EQ(h.folder.read("data.dat"), drawFile(c.after)) << c.name;
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

// A newest-first history of draws 1001..1015, draw 1005 (line 11) changed.
DrawHistory newestFirst(const std::string& draw1005) {
    std::string text;
    for (int k = 15; k >= 1; --k)
        text += k == 5 ? draw1005 : std::to_string(1000 + k) + ",20,21,22,23,24,25," + std::to_string(k) + "\r\n";
    return parseDrawHistory(text);
}

TEST(ImportMessages, TheSummaryNamesTheRowThatStopsTheImportFirst) {
    const struct {
        const char* name;
        std::string draw1005;
        std::string summary;
    } cases[] = {
        {"a faulty draw", "1005,20,21,22,23,24,25,25\r\n",
         "取り込めない行: 11 行\r・11 行目 (第1005回): ボーナス数字 25 が本数字と同じです\r"
         "・第1005回より後の 10 行は取り込みません"},
        {"an absent draw", "",
         "取り込めない行: 10 行\r・第1005回が欠けているため、第1005回より後の 10 行は取り込みません"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(faultList(newestFirst(c.draw1005)), c.summary) << c.name;

    // Ten rows in all, the rest counted.
    DrawHistory many;
    for (int line = 1; line <= 12; ++line)
        many.faults.push_back({line, RowFault::NoDrawNumber, 0, 0});
    const std::string text = faultList(many);
    EXPECT_NE(text.find("・10 行目: 回号がありません\r・ほか 2 行"), std::string::npos) << text;
}

} // namespace
} // namespace zoki
