#include "matching/match_window.h"
#include "support/control_values.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zoki {
namespace {

using test::captions;
using test::colours;
using test::kDarkRed;
using test::kRed;
using test::pictures;

using test::crlf;
using test::drawFile;
using test::Harness;

std::vector<std::string> setLines(const std::vector<std::vector<int>>& sets) {
    std::vector<std::string> lines;
    for (const auto& s : sets)
        for (int n : s)
            lines.push_back(std::to_string(n));
    return lines;
}

// A program whose data.dat and OutData.dat hold the given draws and sets.
Program& startWith(Harness& h, const std::string& drawBytes, const std::vector<std::string>& outLines) {
    h.folder.write("data.dat", drawBytes);
    h.folder.write("OutData.dat", crlf(outLines));
    Program& p = h.start();
    h.dialogs.shown.clear();
    return p;
}

const std::vector<int> kDraw1{1, 2, 3, 4, 5, 6, 7};
const std::vector<int> kDraw2{10, 11, 12, 13, 14, 15, 16};
const std::vector<int> kDraw3{3, 11, 19, 25, 33, 41, 7};

TEST(MatchWindow, OpensOnTheLatestDrawAndTheLatestSet) {
    Harness h;
    Program& p =
        startWith(h, drawFile({kDraw1, kDraw2, kDraw3}), setLines({{1, 2, 3, 4, 5, 6}, {3, 8, 11, 20, 30, 43}}));
    p.form1.vCheckNumber.click();

    ASSERT_TRUE(h.dialogs.shown.empty()) << h.dialogs.shown.front().text;
    Form5& f = p.form5();
    EXPECT_TRUE(f.visible());
    EXPECT_TRUE(p.s.matchSearchMode);
    EXPECT_EQ(f.VScroll1.min(), 1);
    EXPECT_EQ(f.VScroll1.max(), 3);
    EXPECT_EQ(f.VScroll1.value(), 3);
    EXPECT_EQ(f.VScroll2.min(), 1);
    EXPECT_EQ(f.VScroll2.max(), 2);
    EXPECT_EQ(f.VScroll2.value(), 2);
    EXPECT_EQ(f.Frame1.caption(), "第 3 回 当選番号");
    EXPECT_EQ(f.Frame2.caption(), "予想番号 第 2 回");
    EXPECT_EQ(captions(f.Label2), (std::vector<std::string>{"3", "11", "19", "25", "33", "41", "7"}));
    EXPECT_EQ(captions(f.Label3), (std::vector<std::string>{"3", "8", "11", "20", "30", "43"}));
    // The bonus uses the bonus-style ball 143 + n.
    EXPECT_EQ(pictures(f.Image1), (std::vector<int>{103, 111, 119, 125, 133, 141, 150}));
    EXPECT_EQ(pictures(f.Image2), (std::vector<int>{103, 108, 111, 120, 130, 143}));
    EXPECT_EQ(f.Label5.caption(), "該当なし");
    EXPECT_EQ(f.Label6.caption(), "2");
    EXPECT_EQ(f.Label7.caption(), "0");
    EXPECT_EQ(colours(f.Label1), (std::vector<Rgb>{kRed, kRed, kBlack, kBlack, kBlack, kBlack, kBlack}));
    EXPECT_EQ(colours(f.Label4), (std::vector<Rgb>{kRed, kBlack, kRed, kBlack, kBlack, kBlack}));
}

TEST(MatchWindow, OneDrawAndOneSetGiveRangesOfOnePage) {
    Harness h;
    Program& p = startWith(h, drawFile({kDraw3}), setLines({{3, 11, 19, 25, 33, 41}}));
    p.form1.vCheckNumber.click();

    ASSERT_TRUE(h.dialogs.shown.empty());
    Form5& f = p.form5();
    EXPECT_EQ(f.VScroll1.min(), 1);
    EXPECT_EQ(f.VScroll1.max(), 1);
    EXPECT_EQ(f.VScroll1.value(), 1);
    EXPECT_EQ(f.VScroll2.min(), 1);
    EXPECT_EQ(f.VScroll2.max(), 1);
    EXPECT_EQ(f.VScroll2.value(), 1);
    EXPECT_EQ(f.Frame1.caption(), "第 1 回 当選番号");
    EXPECT_EQ(f.Frame2.caption(), "予想番号 第 1 回");
    EXPECT_EQ(f.Label5.caption(), "一等当選");
    EXPECT_EQ(f.Label6.caption(), "6");
    EXPECT_EQ(f.Label7.caption(), "0");
}

TEST(MatchWindow, MissingDataIsAWarningAndNoWindow) {
    const std::string noHistory = "履歴データが登録されていません。\r最低一回以上の出力結果を履歴として残して下さい。";
    const std::string noDraws = "当選データが登録されていません。\r追加するか、データファイルを差し替えて下さい。";
    struct Case {
        const char* name;
        std::string drawBytes;
        std::vector<std::string> outLines;
        std::string message;
    };
    const Case cases[] = {
        {"empty history", drawFile({kDraw1, kDraw2}), {}, noHistory},
        {"empty history and no draws", "", {}, noHistory},
        {"no draws", "", setLines({{1, 2, 3, 4, 5, 6}}), noDraws},
        {"three lines of a draw", crlf({"1", "2", "3"}), setLines({{1, 2, 3, 4, 5, 6}}), noDraws},
        {"three history lines", drawFile({kDraw1}), {"1", "2", "3"}, noHistory},
        {"draws are checked before a short history", crlf({"1", "2"}), {"1", "2", "3"}, noDraws},
    };
    for (const Case& c : cases) {
        Harness h;
        Program& p = startWith(h, c.drawBytes, c.outLines);
        p.form1.vCheckNumber.click();
        ASSERT_EQ(h.dialogs.shown.size(), 1U) << c.name;
        EXPECT_EQ(h.dialogs.shown[0].text, c.message) << c.name;
        EXPECT_EQ(h.dialogs.shown[0].title, "【警告】") << c.name;
        EXPECT_EQ(h.dialogs.shown[0].buttons, Buttons::Ok) << c.name;
        EXPECT_EQ(h.dialogs.shown[0].icon, Icon::None) << c.name;
        EXPECT_FALSE(p.hasForm(FormId::Form5)) << c.name;
        EXPECT_FALSE(p.s.matchSearchMode) << c.name;
    }
}

TEST(MatchWindow, CaptionsNameTheDrawAndTheSetOnScreen) {
    Harness h;
    std::vector<std::vector<int>> draws;
    for (int d = 1; d <= 12; ++d)
        draws.push_back({d, d + 1, d + 2, d + 3, d + 4, d + 5, d + 20});
    Program& p =
        startWith(h, drawFile(draws), setLines({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {2, 3, 4, 5, 6, 7}}));
    p.form1.vCheckNumber.click();
    Form5& f = p.form5();
    EXPECT_EQ(f.Frame1.caption(), "第 12 回 当選番号");
    EXPECT_EQ(f.Frame2.caption(), "予想番号 第 3 回");

    f.VScroll1.setValue(5);
    EXPECT_EQ(f.Frame1.caption(), "第 5 回 当選番号");
    EXPECT_EQ(captions(f.Label2), (std::vector<std::string>{"5", "6", "7", "8", "9", "10", "25"}));
    f.VScroll2.setValue(1);
    EXPECT_EQ(f.Frame2.caption(), "予想番号 第 1 回");
    EXPECT_EQ(captions(f.Label3), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
}

TEST(MatchWindow, SetPagesRoundHalvesToEven) {
    // setPageMax = (U_h - 2) / 6 rounded half to even; U_h = lines read.
    struct Case {
        int lines;
        int setPageMax;
    };
    for (const Case& c : {Case{6, 1}, Case{11, 2}, Case{17, 2}, Case{18, 3}}) {
        Harness h;
        std::vector<std::string> out;
        for (int i = 0; i < c.lines; ++i)
            out.push_back(std::to_string(i % 43 + 1));
        Program& p = startWith(h, drawFile({kDraw1}), out);
        p.form1.vCheckNumber.click();
        EXPECT_EQ(p.form5().VScroll2.max(), c.setPageMax) << c.lines;
        EXPECT_EQ(p.form5().VScroll2.value(), c.setPageMax) << c.lines;
    }
}

TEST(MatchWindow, SecondPrizeColoursFiveMainPairsRedAndTheBonusPairDarkRed) {
    Harness h;
    Program& p = startWith(h, drawFile({kDraw3}), setLines({{3, 7, 11, 19, 25, 33}}));
    p.form1.vCheckNumber.click();
    Form5& f = p.form5();
    EXPECT_EQ(colours(f.Label1), (std::vector<Rgb>{kRed, kRed, kRed, kRed, kRed, kBlack, kDarkRed}));
    EXPECT_EQ(colours(f.Label4), (std::vector<Rgb>{kRed, kDarkRed, kRed, kRed, kRed, kRed}));
    EXPECT_EQ(f.Label5.caption(), "\u30cb等当選");
    EXPECT_EQ(f.Label6.caption(), "5");
    EXPECT_EQ(f.Label7.caption(), "1");
}

TEST(MatchWindow, PagingReRanksAndReturnsStaleCellsToBlack) {
    Harness h;
    // Set 1 holds the whole draw; set 2 only three of it, in other places.
    Program& p = startWith(h, drawFile({kDraw3}), setLines({{3, 11, 19, 25, 33, 41}, {1, 2, 25, 33, 41, 43}}));
    p.form1.vCheckNumber.click();
    Form5& f = p.form5();
    EXPECT_EQ(f.Label5.caption(), "五等当選");
    EXPECT_EQ(colours(f.Label4), (std::vector<Rgb>{kBlack, kBlack, kRed, kRed, kRed, kBlack}));

    f.VScroll2.setValue(1);
    EXPECT_EQ(f.Label5.caption(), "一等当選");
    EXPECT_EQ(f.Label6.caption(), "6");
    EXPECT_EQ(colours(f.Label4), std::vector<Rgb>(6, kRed));
    EXPECT_EQ(colours(f.Label1), (std::vector<Rgb>{kRed, kRed, kRed, kRed, kRed, kRed, kBlack}));

    f.VScroll2.setValue(2);
    EXPECT_EQ(f.Label5.caption(), "五等当選");
    EXPECT_EQ(f.Label6.caption(), "3");
    EXPECT_EQ(colours(f.Label4), (std::vector<Rgb>{kBlack, kBlack, kRed, kRed, kRed, kBlack}));
    EXPECT_EQ(colours(f.Label1), (std::vector<Rgb>{kBlack, kBlack, kBlack, kRed, kRed, kRed, kBlack}));
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(MatchWindow, BeforeTheFirstOpeningAScrollChangeOnlyClearsTheColours) {
    Harness h;
    Program& p = startWith(h, drawFile({kDraw3}), setLines({{3, 11, 19, 25, 33, 41}}));
    Form5& f = p.form5();
    f.Label1(2).setBackColor(kRed);
    f.Label4(5).setBackColor(kDarkRed);
    f.VScroll1.setValue(1);
    EXPECT_EQ(colours(f.Label1), std::vector<Rgb>(7, kBlack));
    EXPECT_EQ(colours(f.Label4), std::vector<Rgb>(6, kBlack));
    EXPECT_EQ(f.Frame1.caption(), "") << "the page is filled only after an opening";
    EXPECT_EQ(f.Label5.caption(), "1等当選");
}

// The opening fills the balls in order (the draw's seven, then the set's
// six) up to the first entry that is not a number (an empty one included)
// and leaves the rest; a
// number without a ball ("44", "0") shows none and the fill goes on. A page
// change shows every ball there is. The ranking compares the texts either way.
TEST(MatchWindow, TheOpeningFillsTheBallsUpToAnEntryThatIsNotANumber) {
    using Pictures = std::vector<int>;
    struct Case {
        std::vector<std::string> draw, set;
        Pictures drawAtOpening, setAtOpening, drawAfterPaging, setAfterPaging;
        const char* rank;
    };
    const Case cases[] = {
        {{"3", "11", "x", "25", "33", "41", "7"},
         {"3", "11", "19", "20", "33", "43"},
         {103, 111, 0, 0, 0, 0, 0},
         Pictures(6, 0),
         {103, 111, 0, 125, 133, 141, 150},
         {103, 111, 119, 120, 133, 143},
         "五等当選"},
        {{"1", "2", "3", "4", "5", "6", "44"},
         {"1", "2", "3", "4", "5", "6"},
         {101, 102, 103, 104, 105, 106, 0},
         {101, 102, 103, 104, 105, 106},
         {101, 102, 103, 104, 105, 106, 0},
         {101, 102, 103, 104, 105, 106},
         "一等当選"},
        {{"3", "44", "19", "25", "33", "41", "0"},
         {"3", "11", "0", "20", "", "43"},
         {103, 0, 119, 125, 133, 141, 0},
         {103, 111, 0, 120, 0, 0},
         {103, 0, 119, 125, 133, 141, 0},
         {103, 111, 0, 120, 0, 143},
         "該当なし"},
        {{"3", "11", "19", "25", "33", "41", "7"},
         {"3", "11", "19", "abc", "33", "0"},
         {103, 111, 119, 125, 133, 141, 150},
         {103, 111, 119, 0, 0, 0},
         {103, 111, 119, 125, 133, 141, 150},
         {103, 111, 119, 0, 133, 0},
         "四等当選"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.draw[2] + c.draw[6] + c.set[3]);
        Harness h;
        std::vector<std::string> draws = {"1", "2", "3", "4", "5", "6", "7"};
        draws.insert(draws.end(), c.draw.begin(), c.draw.end());
        std::vector<std::string> sets = setLines({{1, 2, 3, 4, 5, 6}});
        sets.insert(sets.end(), c.set.begin(), c.set.end());
        Program& p = startWith(h, crlf(draws), sets);
        p.form1.vCheckNumber.click();
        Form5& f = p.form5();
        EXPECT_TRUE(f.visible());
        EXPECT_EQ(captions(f.Label2), c.draw);
        EXPECT_EQ(captions(f.Label3), c.set);
        EXPECT_EQ(pictures(f.Image1), c.drawAtOpening);
        EXPECT_EQ(pictures(f.Image2), c.setAtOpening);
        EXPECT_EQ(f.Label5.caption(), c.rank);

        f.VScroll1.setValue(1);
        f.VScroll1.setValue(2);
        f.VScroll2.setValue(1);
        f.VScroll2.setValue(2);
        EXPECT_TRUE(h.dialogs.shown.empty());
        EXPECT_EQ(pictures(f.Image1), c.drawAfterPaging);
        EXPECT_EQ(pictures(f.Image2), c.setAfterPaging);
        EXPECT_EQ(f.Label5.caption(), c.rank);
    }
}

// Empty texts of a page that exists are ranked like any texts and match
// each other (36 main pairs are no prize: only exactly six is); a page that
// does not exist matches nothing.
TEST(MatchWindow, EmptyEntriesOfAnExistingPageMatchEachOther) {
    const std::vector<std::string> emptySet(7, ""); // with the spare entry
    const std::vector<std::string> emptyBonus{"1", "2", "3", "4", "5", "6", "", ""};
    struct Case {
        std::vector<std::string> drawTable, outHistory;
        std::string mainHits, bonusHits;
        Rgb mainCell, bonusCell, setCell;
    };
    const Case cases[] = {
        {std::vector<std::string>(8, ""), emptySet, "36", "6", kRed, kDarkRed, kDarkRed},
        {emptyBonus, emptySet, "0", "6", kBlack, kDarkRed, kDarkRed},
        {emptyBonus, {"", "", "", "", "", ""}, "0", "0", kBlack, kBlack, kBlack}, // no whole set
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mainHits + c.bonusHits);
        Harness h;
        Program& p = startWith(h, drawFile({kDraw1, kDraw2}), setLines({{1, 2, 3, 4, 5, 6}}));
        p.form1.vCheckNumber.click();
        Form5& f = p.form5();
        // Tables as damaged files leave them; the pages follow on the next change.
        p.s.drawTable = DrawTable(c.drawTable);
        p.s.outHistory = c.outHistory;
        f.VScroll1.setValue(2);
        f.VScroll1.setValue(1);
        EXPECT_TRUE(h.dialogs.shown.empty());
        EXPECT_EQ(f.Label5.caption(), "該当なし");
        EXPECT_EQ(f.Label6.caption(), c.mainHits);
        EXPECT_EQ(f.Label7.caption(), c.bonusHits);
        std::vector<Rgb> drawCells(6, c.mainCell);
        drawCells.push_back(c.bonusCell);
        EXPECT_EQ(colours(f.Label1), drawCells);
        EXPECT_EQ(colours(f.Label4), std::vector<Rgb>(6, c.setCell));
    }
}

TEST(MatchWindow, PagesThatDoNotExistShowEmpty) {
    Harness h;
    // Five history entries: no whole set, so the set half stays empty.
    Program& p = startWith(h, drawFile({kDraw3}), {"3", "11", "19", "25", "33"});
    p.form1.vCheckNumber.click();
    ASSERT_TRUE(h.dialogs.shown.empty());
    Form5& f = p.form5();
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(f.VScroll2.max(), 0);
    EXPECT_EQ(captions(f.Label3), std::vector<std::string>(6, ""));
    EXPECT_EQ(pictures(f.Image2), std::vector<int>(6, 0));
    EXPECT_EQ(f.Label5.caption(), "該当なし");
    EXPECT_EQ(f.Label6.caption(), "0");
    EXPECT_EQ(colours(f.Label4), std::vector<Rgb>(6, kBlack));
    // Even if the window system lets the bar reach 1, there is no set 1 yet.
    f.VScroll2.setValue(1);
    EXPECT_EQ(captions(f.Label3), std::vector<std::string>(6, ""));
    EXPECT_EQ(pictures(f.Image2), std::vector<int>(6, 0));

    // A draw table whose last draw is incomplete: its missing entries show empty.
    p.s.drawTable = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", ""};
    f.VScroll1.setValue(2);
    ASSERT_TRUE(h.dialogs.shown.empty()) << h.dialogs.shown.front().text;
    EXPECT_EQ(f.VScroll1.max(), 2);
    EXPECT_EQ(captions(f.Label2), (std::vector<std::string>{"8", "9", "10", "11", "", "", ""}));
    EXPECT_EQ(pictures(f.Image1), (std::vector<int>{108, 109, 110, 111, 0, 0, 0}));
}

TEST(MatchWindow, TheMenuCommandReopensOnTheLatestPagesEvenAfterClosing) {
    Harness h;
    Program& p = startWith(h, drawFile({kDraw1, kDraw3}), setLines({{1, 2, 3, 4, 5, 6}, {3, 11, 19, 25, 33, 41}}));
    p.form1.vCheckNumber.click();
    p.form5().VScroll1.setValue(1);
    p.form5().VScroll2.setValue(1);
    EXPECT_EQ(p.form5().Frame1.caption(), "第 1 回 当選番号");

    p.form1.vCheckNumber.click();
    EXPECT_EQ(p.form5().Frame1.caption(), "第 2 回 当選番号");
    EXPECT_EQ(p.form5().Frame2.caption(), "予想番号 第 2 回");
    EXPECT_EQ(p.form5().Label5.caption(), "一等当選");

    p.userClosed(FormId::Form5);
    ASSERT_FALSE(p.hasForm(FormId::Form5));
    h.folder.write("data.dat", drawFile({kDraw1, kDraw3, kDraw2}));
    p.form1.vCheckNumber.click();
    ASSERT_TRUE(h.dialogs.shown.empty());
    Form5& f = p.form5();
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(f.Frame1.caption(), "第 3 回 当選番号") << "the draw table is reloaded first";
    EXPECT_EQ(f.Frame2.caption(), "予想番号 第 2 回");
    EXPECT_EQ(f.Label5.caption(), "該当なし");
    // Only 11 of draw 3 is in set 2; the new window starts black elsewhere.
    EXPECT_EQ(colours(f.Label1), (std::vector<Rgb>{kBlack, kRed, kBlack, kBlack, kBlack, kBlack, kBlack}));
    EXPECT_EQ(colours(f.Label4), (std::vector<Rgb>{kBlack, kRed, kBlack, kBlack, kBlack, kBlack}));
    EXPECT_EQ(f.Label6.caption(), "1");
}

} // namespace
} // namespace zoki
