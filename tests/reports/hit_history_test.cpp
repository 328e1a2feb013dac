#include "base/syscalls.h"
#include "base/textfile.h"
#include "reports/cp932_words.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <vector>

namespace zoki {
namespace {

using test::crlf;
using test::Harness;
namespace sj = test::sj;

const std::string k86(86, '#');

using Numbers = std::vector<std::string>;

// One rank's part of the expected report.
struct Section {
    std::int64_t count = 0;
    std::string rate = "0";
    std::vector<std::string> entries;
};

std::string expectedReport(const std::array<Section, 5>& ranks, std::int64_t missCount, const std::string& missRate,
                           std::int64_t total) {
    const std::string rateHead = "  " + sj::tousenKakuritsu + " " + sj::ellipsis + " ";
    const std::string countHead = sj::kakuritsu + " : ";
    std::vector<std::string> lines = {
        k86, "                            LOTO 6 HIT NUMBERS HISTORY DATA                           ", k86, ""};
    for (int rank = 1; rank <= 5; ++rank) {
        const Section& s = ranks[static_cast<std::size_t>(rank - 1)];
        lines.push_back(sj::heading(rank) + rateHead + s.rate + "%");
        lines.push_back(countHead + std::to_string(s.count) + " / " + std::to_string(total));
        if (s.entries.empty())
            lines.push_back(sj::gaitouNashi);
        lines.insert(lines.end(), s.entries.begin(), s.entries.end());
        lines.emplace_back();
    }
    lines.push_back(sj::heading(0) + rateHead + missRate + "%");
    lines.push_back(countHead + std::to_string(missCount) + " / " + std::to_string(total));
    lines.emplace_back();
    lines.push_back(k86);
    return crlf(lines);
}

// "第05回データ当選履歴01-05-12-23-34-41-(07) <-> 第03回データ履歴番号01-05-12-23-34-40"
std::string entry(const std::string& d, const std::string& drawNumbers, const std::string& bonus, const std::string& k,
                  const std::string& setNumbers) {
    return sj::dai + d + sj::kaiData + sj::tousenRireki + drawNumbers + "(" + bonus + ") <-> " + sj::dai + k +
           sj::kaiData + sj::rirekiBangou + setNumbers;
}

struct HitHistory : ::testing::Test {
    Harness h;
    void SetUp() override { h.start(); }

    // The tables as loaded: whole draws and sets, then the spare element.
    void setDraws(const std::vector<Numbers>& draws) {
        std::vector<std::string> t;
        for (const Numbers& d : draws)
            t.insert(t.end(), d.begin(), d.end());
        h.p().s.drawTable = DrawTable::withSpare(t);
    }
    void setSets(const std::vector<Numbers>& sets) {
        auto& t = h.p().s.outHistory;
        t.clear();
        for (const Numbers& s : sets)
            t.insert(t.end(), s.begin(), s.end());
        t.emplace_back();
    }
    void run(const std::string& name = "hist") {
        h.dialogs.saveAnswers.push_back((h.folder / name).string());
        h.p().form1.vResHistData.click();
    }
    std::string report(const std::string& name = "hist.txt") { return h.folder.read(name); }
};

TEST_F(HitHistory, OneDrawOneSetWithFourMainNumbers) {
    setDraws({{"1", "5", "12", "23", "34", "41", "7"}});
    setSets({{"1", "5", "12", "23", "30", "7"}}); // the bonus changes nothing for a fourth prize
    run();
    EXPECT_TRUE(h.dialogs.shown.empty());
    ASSERT_EQ(h.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(h.dialogs.saveRequests[0].filter, "テキスト ファイル (*.txt)|*.txt|");
    Section fourth{1, "100", {entry("01", "01-05-12-23-34-41-", "07", "01", "01-05-12-23-30-07")}};
    EXPECT_EQ(report(), expectedReport({Section{}, Section{}, Section{}, fourth, Section{}}, 0, "0", 1));
}

TEST_F(HitHistory, PairsAreListedDrawByDrawUnderTheirOwnRankOnly) {
    setDraws({{"1", "2", "3", "4", "5", "6", "7"}, {"11", "12", "13", "14", "15", "16", "17"}});
    setSets({
        {"11", "12", "13", "30", "31", "32"}, // draw 2: fifth
        {"1", "2", "3", "30", "31", "32"},    // draw 1: fifth
        {"1", "2", "3", "4", "5", "7"},       // draw 1: five and the bonus, second
        {"13", "14", "15", "33", "34", "35"}, // draw 2: fifth
    });
    run();
    const std::string d1 = "01-02-03-04-05-06-";
    const std::string d2 = "11-12-13-14-15-16-";
    Section second{1, "12.5", {entry("01", d1, "07", "03", "01-02-03-04-05-07")}};
    Section fifth{3,
                  "37.5",
                  {
                      entry("01", d1, "07", "02", "01-02-03-30-31-32"),
                      entry("02", d2, "17", "01", "11-12-13-30-31-32"),
                      entry("02", d2, "17", "04", "13-14-15-33-34-35"),
                  }};
    EXPECT_EQ(report(), expectedReport({Section{}, second, Section{}, Section{}, fifth}, 4, "50", 8));
}

TEST_F(HitHistory, FiveMainNumbersWithoutTheBonusAreAThirdPrize) {
    std::vector<Numbers> draws(4, Numbers{"30", "31", "32", "33", "35", "36", "37"});
    draws.push_back({"1", "5", "12", "23", "34", "41", "7"});
    setDraws(draws);
    setSets({{"20", "21", "22", "24", "25", "26"},
             {"20", "21", "22", "24", "25", "26"},
             {"1", "5", "12", "23", "34", "40"}});
    run();
    Section third{1, "6.666667", {entry("05", "01-05-12-23-34-41-", "07", "03", "01-05-12-23-34-40")}};
    EXPECT_EQ(report(), expectedReport({Section{}, Section{}, third, Section{}, Section{}}, 14, "93.33334", 15));
}

TEST_F(HitHistory, ThirdsAreWrittenWithSevenDigits) {
    setDraws({{"1", "2", "3", "4", "5", "6", "7"}});
    setSets({{"6", "5", "4", "3", "2", "1"}, {"1", "2", "3", "40", "41", "42"}, {"1", "2", "40", "41", "42", "7"}});
    run();
    Section first{1, "33.33333", {entry("01", "01-02-03-04-05-06-", "07", "01", "06-05-04-03-02-01")}};
    Section fifth{1, "33.33333", {entry("01", "01-02-03-04-05-06-", "07", "02", "01-02-03-40-41-42")}};
    EXPECT_EQ(report(), expectedReport({first, Section{}, Section{}, Section{}, fifth}, 1, "33.33333", 3));
}

TEST_F(HitHistory, MoreThan32767PairsAreCountedInFull) {
    const Numbers draw = {"1", "2", "3", "4", "5", "6", "7"};
    setDraws(std::vector<Numbers>(200, draw));
    std::vector<Numbers> sets(200, Numbers{"38", "39", "40", "41", "42", "43"});
    sets[0] = {"1", "2", "3", "4", "5", "6"};
    setSets(sets);
    run();
    EXPECT_TRUE(h.dialogs.shown.empty());

    const std::vector<std::string> lines = splitLines(report());
    const std::string rateHead = "  " + sj::tousenKakuritsu + " " + sj::ellipsis + " ";
    ASSERT_EQ(lines.size(), 4u + (3 + 200) + 4 * 4 + 2 + 2);
    EXPECT_EQ(lines[4], sj::heading(1) + rateHead + "0.5%");
    EXPECT_EQ(lines[5], sj::kakuritsu + " : 200 / 40000");
    const std::string setPart = "01-02-03-04-05-06";
    EXPECT_EQ(lines[6], entry("01", setPart + "-", "07", "01", setPart));
    EXPECT_EQ(lines[14], entry("09", setPart + "-", "07", "01", setPart));
    EXPECT_EQ(lines[15], entry("10", setPart + "-", "07", "01", setPart));
    EXPECT_EQ(lines[105], entry("100", setPart + "-", "07", "01", setPart));
    EXPECT_EQ(lines[205], entry("200", setPart + "-", "07", "01", setPart));
    EXPECT_EQ(lines[lines.size() - 4], sj::heading(0) + rateHead + "99.5%");
    EXPECT_EQ(lines[lines.size() - 3], sj::kakuritsu + " : 39800 / 40000");
}

TEST_F(HitHistory, AHistoryBeyondTheMatchWindowsPagesIsStillReportedInFull) {
    setDraws(std::vector<Numbers>(32768, Numbers{"1", "2", "3", "4", "5", "6", "7"}));
    setSets({{"38", "39", "40", "41", "42", "43"}});
    run();
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(report(), expectedReport({}, 32768, "100", 32768));
}

TEST_F(HitHistory, AnIncompleteSetGivesAnEmptyReport) {
    // Four or five entries: past the checks, but no whole set (five rounds half to even, to 0).
    for (const Numbers& history : {Numbers{"1", "2", "3", "4", ""}, Numbers{"1", "2", "3", "4", "5", ""}}) {
        setDraws({{"1", "2", "3", "4", "5", "6", "7"}});
        h.p().s.outHistory = history;
        run();
        EXPECT_TRUE(h.dialogs.shown.empty());
        EXPECT_EQ(report(), expectedReport({}, 0, "0", 0)) << history.size();
    }
}

TEST_F(HitHistory, ADrawCutShortReadsAsEmptyTexts) {
    // Eleven lines in data.dat: a second draw of four numbers, ranked as far as it goes.
    h.p().s.drawTable = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", ""};
    setSets({{"8", "9", "10", "20", "21", "22"}});
    run();
    EXPECT_TRUE(h.dialogs.shown.empty());
    Section fifth{1, "50", {entry("02", "08-09-10-11---", "", "01", "08-09-10-20-21-22")}};
    EXPECT_EQ(report(), expectedReport({Section{}, Section{}, Section{}, Section{}, fifth}, 1, "50", 2));
}

TEST_F(HitHistory, EveryReportStartsFromEmptyLists) {
    setDraws({{"1", "2", "3", "4", "5", "6", "7"}});
    setSets({{"1", "2", "3", "4", "5", "6"}});
    run("a");
    run("b");
    EXPECT_EQ(report("a.txt"), report("b.txt"));
    EXPECT_NE(report("b.txt").find(sj::kakuritsu + " : 1 / 1"), std::string::npos);
}

TEST_F(HitHistory, MissingDataIsWarnedAboutAfterTheDialogAndNothingIsWritten) {
    const std::string warnA = "履歴データが登録されていません。\r最低一回以上の出力結果を履歴として残して下さい。";
    const std::string warnB = "当選データが登録されていません。\r追加するか、データファイルを差し替えて下さい。";
    const Numbers draw = {"1", "2", "3", "4", "5", "6", "7", ""};
    const Numbers set = {"1", "2", "3", "4", "5", "6", ""};
    struct Case {
        const char* what;
        Numbers draws;
        Numbers history;
        std::string warning;
    };
    for (const Case& c : {
             Case{"empty history", draw, {}, warnA},
             Case{"nothing at all", {}, {}, warnA},
             Case{"no draws", {}, set, warnB},
             Case{"three draw lines", {"1", "2", "3", ""}, set, warnB},
             Case{"three history lines", draw, {"1", "2", "3", ""}, warnA},
         }) {
        Harness fresh;
        fresh.start();
        fresh.p().s.drawTable = DrawTable(c.draws);
        fresh.p().s.outHistory = c.history;
        std::size_t dialogsBeforeWarning = 0;
        fresh.dialogs.duringMessage = [&](const test::ShownMessage&) {
            dialogsBeforeWarning = fresh.dialogs.saveRequests.size();
        };
        fresh.dialogs.saveAnswers.push_back((fresh.folder / "hist").string());
        fresh.p().form1.vResHistData.click();
        ASSERT_EQ(fresh.dialogs.shown.size(), 1u) << c.what;
        EXPECT_EQ(fresh.dialogs.shown[0].text, c.warning) << c.what;
        EXPECT_EQ(fresh.dialogs.shown[0].title, "【警告】");
        EXPECT_EQ(fresh.dialogs.shown[0].buttons, Buttons::Ok);
        EXPECT_EQ(fresh.dialogs.shown[0].icon, Icon::None);
        EXPECT_EQ(dialogsBeforeWarning, 1u) << c.what;
        EXPECT_FALSE(fresh.folder.exists("hist.txt")) << c.what;
    }
}

TEST_F(HitHistory, ACancelledDialogWritesNothingAndWarnsOfNothing) {
    h.p().s.outHistory.clear();
    h.dialogs.saveAnswers.push_back(std::nullopt);
    h.p().form1.vResHistData.click();
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_FALSE(h.folder.exists(".txt"));
}

TEST_F(HitHistory, AFailedWriteIsToldAndCreatesNoFile) {
    setDraws({{"1", "2", "3", "4", "5", "6", "7"}});
    setSets({{"1", "2", "3", "4", "5", "6"}});
    sys::Faults::failNth(sys::Call::Write, 1, ENOSPC);
    run();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].title, "警告");
    EXPECT_FALSE(h.folder.exists("hist.txt"));
    std::vector<std::string> leftovers;
    for (const auto& e : std::filesystem::directory_iterator(h.folder.path()))
        if (e.path().filename().string().find("hist") != std::string::npos)
            leftovers.push_back(e.path().filename().string());
    EXPECT_TRUE(leftovers.empty()) << leftovers.front();
}

} // namespace
} // namespace zoki
