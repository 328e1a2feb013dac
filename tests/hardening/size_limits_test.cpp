// Histories at the edge of the 16-bit counts and one step beyond: 4,681 and
// 4,682 draws, 5,461 and 5,462 kept sets. Every command still works; a count
// that does not fit is absorbed where the program skips failing steps, or
// refused with a message, and never wraps.
#include "base/textfile.h"
#include "draws/statistics_kernels.h"
#include "hardening/scenario.h"
#include "support/control_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zoki {
namespace {

using test::captions;
using test::colours;
using test::kDarkRed;

using namespace test;

// Draw d (1-based): seven different numbers that move on with every draw.
Lines drawNumbers(int d) {
    Lines out;
    for (int j = 0; j < 7; ++j)
        out.push_back(std::to_string(((d - 1) * 7 + j) % 43 + 1));
    return out;
}

std::string drawsOf(int count) {
    Lines lines;
    for (int d = 1; d <= count; ++d) {
        const Lines draw = drawNumbers(d);
        lines.insert(lines.end(), draw.begin(), draw.end());
    }
    return crlf(lines);
}

// Set s (1-based): six different numbers in ascending order.
Lines setNumbers(int s) {
    Lines out;
    for (int j = 0; j < 6; ++j)
        out.push_back(std::to_string((s - 1) % 38 + 1 + j));
    return out;
}

Lines setsOf(int count) {
    Lines lines;
    for (int s = 1; s <= count; ++s) {
        const Lines set = setNumbers(s);
        lines.insert(lines.end(), set.begin(), set.end());
    }
    return lines;
}

// The count lines ("確率 : n / T") of a hit history report, in Shift_JIS.
std::string totalOf(const std::string& report) {
    const Lines lines = splitLines(report);
    const std::string& last = lines.at(lines.size() - 3); // the no-prize count line
    return last.substr(last.rfind(' ') + 1);
}

// Values that draw these tickets from a pool of `size`, each in the middle.
std::vector<float> ticketValues(int size, const std::vector<int>& tickets) {
    std::vector<float> out;
    for (int t : tickets)
        out.push_back((static_cast<float>(t) - 0.5f) / static_cast<float>(size));
    return out;
}

// Values that draw these numbers from the even tickets of a 43-ticket pool,
// each just above the foot of its share.
std::vector<float> footValues(const std::vector<int>& numbers) {
    std::vector<float> out;
    for (int n : numbers)
        out.push_back((static_cast<float>(n) - 0.99f) / 43.0f);
    return out;
}

void openMatchSearch(Harness& h) {
    h.dialogs.shown.clear();
    h.p().form1.vCheckNumber.click();
    EXPECT_TRUE(h.dialogs.shown.empty()) << h.dialogs.shown.front().text;
    EXPECT_TRUE(h.p().form5().visible());
}

void writeHitReport(Harness& h) {
    h.dialogs.shown.clear();
    h.dialogs.saveAnswers.push_back((h.folder / "hits.txt").string());
    h.p().form1.vResHistData.click();
    EXPECT_TRUE(h.dialogs.shown.empty()) << h.dialogs.shown.front().text;
}

TEST(SizeLimits, TheLargestDrawHistory) {
    Harness h;
    const std::string draws = drawsOf(4681);
    Program& p = startWith(h, draws, crlf(setsOf(2)));
    ASSERT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(p.stats.drawNumberTotal, 32767);
    EXPECT_EQ(p.s.drawTable.lineCount(), 32767);
    EXPECT_EQ(p.form2().Label4(0).caption(), "第4681回");

    // The pool holds 32,767 + 43 tickets, more than 16 bits count: ticket
    // 32,049, the first of 43's counted ones, gives 43; a pool cut to 32,767
    // would map the same value to 42.
    runAndReveal(h, 5, Answer::No, ticketValues(32767 + 43, {32049, 1, 2, 3, 4, 5}));
    EXPECT_EQ(predictedSets(p, 5)[0], (Lines{"1", "2", "3", "4", "5", "43"}));
    for (const Lines& set : predictedSets(p, 5))
        expectSoundSet(set, "weighted set");
    h.dialogs.shown.clear();
    p.form1.dataAdd.click();
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_TRUE(p.form2().visible());

    openMatchSearch(h);
    Form5& f = p.form5();
    EXPECT_EQ(f.VScroll1.max(), 4681);
    EXPECT_EQ(f.VScroll1.value(), 4681);
    EXPECT_EQ(f.Frame1.caption(), "第 4681 回 当選番号");
    EXPECT_EQ(captions(f.Label2), drawNumbers(4681));
    f.VScroll1.setValue(1);
    EXPECT_EQ(captions(f.Label2), drawNumbers(1));

    // Registration: the file is full.
    h.dialogs.shown.clear();
    Form4& form = enterDraw(p, kNewDraw);
    form.Command1.click();
    ASSERT_EQ(h.dialogs.shown.size(), 1U);
    EXPECT_NE(h.dialogs.shown[0].text.find("32767"), std::string::npos) << h.dialogs.shown[0].text;
    EXPECT_EQ(h.folder.read("data.dat"), draws);
    EXPECT_EQ(fieldTexts(form), kNewDraw);

    // A kept run reloads the full table.
    h.dialogs.shown.clear();
    runAndReveal(h, 1, Answer::Yes);
    EXPECT_TRUE(anyMessageContains(h.dialogs, kWish));
    EXPECT_EQ(p.s.drawTable.elements().size(), 32768U);
    EXPECT_EQ(p.s.outHistory.size(), 19U);

    writeHitReport(h);
    EXPECT_EQ(totalOf(h.folder.read("hits.txt")), std::to_string(4681 * 3));
}

TEST(SizeLimits, OneDrawBeyondTheLargestHistory) {
    Harness h;
    const std::string draws = drawsOf(4682);
    Program& p = startWith(h, draws, crlf(setsOf(2)));
    // The total of 32,774 does not fit: the statistics stop silently.
    ASSERT_TRUE(h.dialogs.shown.empty());
    // Every count was made; their sum is what does not fit.
    int sum = 0;
    for (int n = 1; n <= 43; ++n)
        sum += p.stats.numberCount[static_cast<std::size_t>(n)];
    EXPECT_EQ(sum, 32774);
    EXPECT_EQ(p.stats.drawNumberTotal, 0);
    EXPECT_EQ(p.s.drawTable.elements().size(), 32774U);
    EXPECT_EQ(p.form1.caption(), kTitle);

    // The weighted run draws on the even share alone: no total to weigh by.
    // Values at the foot of 11..16's even tickets give 11..16; a pool sized
    // by the counts' sum (32,774 + 43) would give 10..15.
    runAndReveal(h, 5, Answer::No, footValues({11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(predictedSets(p, 5)[0], (Lines{"11", "12", "13", "14", "15", "16"}));
    for (const Lines& set : predictedSets(p, 5))
        expectSoundSet(set, "weighted set");
    h.dialogs.shown.clear();
    p.form1.dataAdd.click();
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_TRUE(p.form2().visible());

    // The last draw lies beyond what 16-bit page arithmetic reaches: its
    // page shows no numbers and nothing matches, while the set half and
    // every earlier draw page are shown.
    openMatchSearch(h);
    Form5& f = p.form5();
    EXPECT_EQ(f.VScroll1.max(), 4682);
    EXPECT_EQ(f.VScroll1.value(), 4682);
    EXPECT_EQ(f.Frame1.caption(), "第 4682 回 当選番号");
    EXPECT_EQ(captions(f.Label2), Lines(7));
    EXPECT_EQ(f.Image1(0).picture(), 0);
    EXPECT_EQ(captions(f.Label3), setNumbers(2));
    EXPECT_EQ(f.Image2(0).picture(), ballPicture(2));
    EXPECT_EQ(colours(f.Label1), std::vector<Rgb>(7, kBlack));
    EXPECT_EQ(colours(f.Label4), std::vector<Rgb>(6, kBlack));
    EXPECT_EQ(f.Label5.caption(), "該当なし");
    EXPECT_EQ(f.Label6.caption(), "0");
    f.VScroll1.setValue(4681);
    EXPECT_EQ(captions(f.Label2), drawNumbers(4681));
    f.VScroll1.setValue(4682);
    EXPECT_EQ(captions(f.Label2), Lines(7));
    // A second opening pages through the change handlers.
    openMatchSearch(h);
    EXPECT_EQ(captions(f.Label3), setNumbers(2));
    EXPECT_FALSE(anyMessageContains(h.dialogs, kEscaped));

    h.dialogs.shown.clear();
    Form4& form = enterDraw(p, kNewDraw);
    form.Command1.click();
    ASSERT_EQ(h.dialogs.shown.size(), 1U);
    EXPECT_NE(h.dialogs.shown[0].text.find("32767"), std::string::npos) << h.dialogs.shown[0].text;
    EXPECT_EQ(h.folder.read("data.dat"), draws);

    h.dialogs.shown.clear();
    runAndReveal(h, 1, Answer::Yes);
    EXPECT_TRUE(anyMessageContains(h.dialogs, kWish));
    EXPECT_EQ(p.s.drawTable.elements().size(), 32775U);

    // The report counts every pair in full.
    writeHitReport(h);
    EXPECT_EQ(totalOf(h.folder.read("hits.txt")), std::to_string(4682 * 3));
}

TEST(SizeLimits, TheLargestPageableOutputHistoryAndOneKeptRunMore) {
    Harness h;
    const Lines sets = setsOf(5461);
    Program& p = startWith(h, drawFile(kThreeDraws), crlf(sets));
    ASSERT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(countOutputNumbers(p.s.outHistory).outLineCount, 32766);
    EXPECT_EQ(p.s.drawTable.lineCount(), 21) << "the statistics ran to their end";

    p.form1.dataAdd.click();
    EXPECT_TRUE(p.form2().visible());
    openMatchSearch(h);
    Form5& f = p.form5();
    EXPECT_EQ(f.VScroll2.max(), 5461);
    EXPECT_EQ(f.Frame2.caption(), "予想番号 第 5461 回");
    EXPECT_EQ(captions(f.Label3), setNumbers(5461));

    writeHitReport(h);
    EXPECT_EQ(totalOf(h.folder.read("hits.txt")), std::to_string(3 * 5461));

    // A kept run at the limit is saved in full; its set lies beyond what the
    // match search can page.
    h.dialogs.shown.clear();
    runAndReveal(h, 1, Answer::Yes);
    EXPECT_TRUE(anyMessageContains(h.dialogs, kWish));
    Lines kept = sets;
    const Lines run = boardSets(p, 1)[0];
    kept.insert(kept.end(), run.begin(), run.end());
    EXPECT_EQ(h.folder.read("OutData.dat"), crlf(kept));
    EXPECT_EQ(p.s.outHistory.size(), 32773U);

    openMatchSearch(h);
    EXPECT_EQ(f.VScroll2.max(), 5462);
    EXPECT_EQ(f.Frame2.caption(), "予想番号 第 5462 回");
    EXPECT_EQ(captions(f.Label3), Lines(6));
    EXPECT_EQ(colours(f.Label4), std::vector<Rgb>(6, kBlack));
    EXPECT_EQ(captions(f.Label2), (Lines{"1", "5", "12", "23", "34", "40", "9"}));
    f.VScroll2.setValue(5461);
    EXPECT_EQ(captions(f.Label3), setNumbers(5461));
    EXPECT_FALSE(anyMessageContains(h.dialogs, kEscaped));

    writeHitReport(h);
    EXPECT_EQ(totalOf(h.folder.read("hits.txt")), std::to_string(3 * 5462));
}

TEST(SizeLimits, AnOutputHistoryBeyondThePages) {
    Harness h;
    const Lines sets = setsOf(5462);
    Program& p = startWith(h, drawFile(kThreeDraws), crlf(sets));
    ASSERT_TRUE(h.dialogs.shown.empty());
    // 32,772 lines do not fit the line count: every output bar keeps its
    // full width, and the rest of the statistics still runs.
    const OutputCounts out = countOutputNumbers(p.s.outHistory);
    EXPECT_EQ(out.outLineCount, 0);
    int sum = 0;
    for (int n = 1; n <= 43; ++n)
        sum += out.outNumberCount[static_cast<std::size_t>(n)];
    EXPECT_EQ(sum, 32772);
    for (int k = 0; k < 43; ++k)
        EXPECT_EQ(p.form2().Label5(k).width(), 975.0f) << k;
    EXPECT_EQ(p.form2().Image2(0).picture(), ballPicture(43));
    EXPECT_EQ(p.s.drawTable.lineCount(), 21);

    runAndReveal(h, 3, Answer::No);
    for (const Lines& set : predictedSets(p, 3))
        expectSoundSet(set, "weighted set");
    h.dialogs.shown.clear();
    p.form1.dataAdd.click();
    EXPECT_TRUE(h.dialogs.shown.empty());

    openMatchSearch(h);
    Form5& f = p.form5();
    EXPECT_EQ(f.VScroll2.max(), 5462);
    EXPECT_EQ(captions(f.Label3), Lines(6));
    EXPECT_EQ(f.Label6.caption(), "0");
    f.VScroll2.setValue(1);
    EXPECT_EQ(captions(f.Label3), setNumbers(1));
    EXPECT_FALSE(anyMessageContains(h.dialogs, kEscaped));

    h.dialogs.shown.clear();
    runAndReveal(h, 2, Answer::Yes);
    EXPECT_TRUE(anyMessageContains(h.dialogs, kWish));
    EXPECT_EQ(splitLines(h.folder.read("OutData.dat")).size(), 32784U);

    writeHitReport(h);
    EXPECT_EQ(totalOf(h.folder.read("hits.txt")), std::to_string(3 * 5464));
}

// Both histories past the pages: the window opens on two pages that do not
// exist, and no cell claims a match between them.
TEST(SizeLimits, BothHistoriesBeyondThePages) {
    Harness h;
    Program& p = startWith(h, drawsOf(4682), crlf(setsOf(5462)));
    openMatchSearch(h);
    Form5& f = p.form5();
    EXPECT_EQ(captions(f.Label2), Lines(7));
    EXPECT_EQ(captions(f.Label3), Lines(6));
    EXPECT_EQ(colours(f.Label1), std::vector<Rgb>(7, kBlack));
    EXPECT_EQ(colours(f.Label4), std::vector<Rgb>(6, kBlack));
    EXPECT_EQ(f.Label5.caption(), "該当なし");
    EXPECT_EQ(f.Label6.caption(), "0");
    EXPECT_EQ(f.Label7.caption(), "0");

    // Set 5461 (27 .. 32) against draw 4681 (38 .. 43, bonus 1): nothing in common.
    f.VScroll1.setValue(4681);
    f.VScroll2.setValue(5461);
    EXPECT_EQ(captions(f.Label2), drawNumbers(4681));
    EXPECT_EQ(captions(f.Label3), setNumbers(5461));
    EXPECT_EQ(f.Label6.caption(), "0");
    // Set 1 (1 .. 6) against draw 4681: the bonus.
    f.VScroll2.setValue(1);
    EXPECT_EQ(f.Label7.caption(), "1");
    EXPECT_EQ(f.Label1(6).backColor(), kDarkRed);
    EXPECT_EQ(f.Label4(0).backColor(), kDarkRed);
    EXPECT_FALSE(anyMessageContains(h.dialogs, kEscaped));
}

// Hand-made files with more draws or kept sets than a 16-bit page count
// holds (32,768 of either): the bar reaches the highest page it can hold,
// the window opens on a page beyond reach, and every page change shows the
// pages there are, and empty ones past them, without a message.
TEST(SizeLimits, MoreDrawsOrSetsThanThePageCountHolds) {
    for (const bool manyDraws : {true, false}) {
        SCOPED_TRACE(manyDraws ? "draws" : "kept sets");
        Harness h;
        Program& p = startWith(h, drawsOf(manyDraws ? 32768 : 3), crlf(setsOf(manyDraws ? 2 : 32768)));
        openMatchSearch(h);
        Form5& f = p.form5();
        EXPECT_EQ(f.VScroll1.max(), manyDraws ? 32767 : 3);
        EXPECT_EQ(f.VScroll2.max(), manyDraws ? 2 : 32767);
        EXPECT_EQ(captions(f.Label2), manyDraws ? Lines(7) : drawNumbers(3));
        EXPECT_EQ(captions(f.Label3), manyDraws ? setNumbers(2) : Lines(6));
        EXPECT_EQ(f.Label6.caption(), "0");

        f.VScroll1.setValue(1);
        f.VScroll2.setValue(1);
        EXPECT_EQ(captions(f.Label2), drawNumbers(1));
        EXPECT_EQ(captions(f.Label3), setNumbers(1));
        EXPECT_EQ(f.Label6.caption(), "6") << "draw 1 against set 1";
        f.VScroll1.setValue(32767);
        f.VScroll2.setValue(32767);
        EXPECT_EQ(f.Frame1.caption(), "第 32767 回 当選番号");
        EXPECT_EQ(captions(f.Label2), Lines(7));
        EXPECT_EQ(captions(f.Label3), Lines(6));
        EXPECT_EQ(colours(f.Label4), std::vector<Rgb>(6, kBlack));
        openMatchSearch(h);
        EXPECT_FALSE(anyMessageContains(h.dialogs, kEscaped));
    }
}

// A data file over what its 32767 lines can hold is refused before it is
// read into memory, told once and left alone: the program starts, shows the
// draws it has, and writes nothing to the file, whatever the user does.
TEST(SizeLimits, ADataFileOverItsCapIsRefusedUnread) {
    const std::string huge = std::string(kMaxDataFileBytes - 2, '7') + "\r\n\r\n";
    {
        Harness h;
        Program& p = startWith(h, huge, crlf(kTwoSets));
        ASSERT_EQ(h.dialogs.shown.size(), 1U);
        EXPECT_NE(h.dialogs.shown[0].text.find("data.dat は大きすぎます (2 MB まで)"), std::string::npos)
            << h.dialogs.shown[0].text;
        EXPECT_TRUE(p.s.drawTable.empty());
        EXPECT_EQ(h.folder.read("data.dat"), huge);
    }
    Harness h;
    Program& p = startWith(h, drawFile(kThreeDraws), huge);
    ASSERT_EQ(h.dialogs.shown.size(), 1U);
    EXPECT_NE(h.dialogs.shown[0].text.find("OutData.dat は大きすぎます (2 MB まで)"), std::string::npos)
        << h.dialogs.shown[0].text;
    EXPECT_EQ(p.form1.caption(), kTitle);
    EXPECT_EQ(p.s.drawTable.lineCount(), 21);
    EXPECT_TRUE(p.s.outHistory.empty());
    runAndReveal(h, 2, Answer::Yes);
    p.form1.outDataClear.click();
    EXPECT_FALSE(anyMessageContains(h.dialogs, kWish));
    EXPECT_EQ(h.dialogs.shown.size(), 4U) << "the keep question, then a refusal each";
    EXPECT_EQ(h.folder.read("OutData.dat"), huge);
    EXPECT_TRUE(datedBackups(h.folder, "OutData.dat").empty());
}

} // namespace
} // namespace zoki
