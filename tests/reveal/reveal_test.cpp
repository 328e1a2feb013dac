#include "predict/run_support.h"
#include "reveal/reveal.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace zoki {
namespace {

using test::chooseSetCount;
using test::Harness;
using test::plainDraws;
using test::Trace;

const std::string kKeepQuestion = "今回の出力結果を履歴に残しますか？";

// Starts a plain run whose sets are the given rows (each already ascending).
Program& startRun(Harness& h, const std::vector<std::vector<int>>& rows) {
    Program& p = h.start();
    p.form1.vData.click();
    chooseSetCount(p, static_cast<int>(rows.size()));
    std::vector<int> all;
    for (const auto& row : rows)
        all.insert(all.end(), row.begin(), row.end());
    h.random.values = plainDraws(all);
    p.form1.Command1.click();
    h.dialogs.shown.clear();
    return p;
}

void stepTicks(Program& p, int count) {
    for (int i = 0; i < count; ++i)
        p.form1.Timer1.tick();
}

std::vector<std::string> revealCaptions(Program& p) {
    std::vector<std::string> out;
    for (int k = 0; k < 6; ++k)
        out.push_back(p.form1.revealLabel(k).caption());
    return out;
}

std::vector<std::string> boardRow(Program& p, int r) {
    std::vector<std::string> out;
    for (int k = 0; k < 6; ++k)
        out.push_back(p.form1.Label8((r - 1) * 6 + k).caption());
    return out;
}

std::vector<int> boardPictures(Program& p, int r) {
    std::vector<int> out;
    for (int k = 0; k < 6; ++k)
        out.push_back(p.form1.Image2((r - 1) * 6 + k).picture());
    return out;
}

const std::vector<std::string> kEmptyRow(6, "");
const std::vector<int> kNoPictures(6, 0);

TEST(Reveal, OneSetIsFixedNumberByNumberAndThenAsksToKeepIt) {
    Harness h;
    Program& p = startRun(h, {{1, 7, 9, 12, 30, 43}});
    const std::vector<int> row{1, 7, 9, 12, 30, 43};
    bool timersOffAtQuestion = false;
    h.dialogs.duringMessage = [&](const test::ShownMessage& m) {
        if (m.text == kKeepQuestion)
            timersOffAtQuestion = !p.form1.Timer1.enabled() && !p.form1.Timer2.enabled();
    };
    h.dialogs.answers = {Answer::Yes};
    for (int k = 0; k < 5; ++k) {
        p.form1.revealLabel(k).setBackColor(Rgb{9, 9, 9}); // as a flicker leaves it
        p.form1.Timer1.tick();
        EXPECT_EQ(p.form1.revealLabel(k).caption(), std::to_string(row[k]));
        EXPECT_EQ(p.form1.revealLabel(k).backColor(), kWhite);
        EXPECT_EQ(p.form1.Image1(k).picture(), 100 + row[k]);
        EXPECT_EQ(p.form1.revealLabel(k + 1).caption(), "");
        EXPECT_EQ(p.reveal.cnt, k + 1);
        EXPECT_EQ(boardRow(p, 1), kEmptyRow);
        EXPECT_TRUE(p.form1.Timer1.enabled());
        EXPECT_TRUE(h.dialogs.shown.empty());
    }
    p.form1.Timer1.tick();
    EXPECT_EQ(revealCaptions(p), test::texts(row));
    EXPECT_EQ(boardRow(p, 1), test::texts(row));
    EXPECT_EQ(boardPictures(p, 1), (std::vector<int>{101, 107, 109, 112, 130, 143}));
    for (int r = 2; r <= 5; ++r) {
        EXPECT_EQ(boardRow(p, r), kEmptyRow);
        EXPECT_EQ(boardPictures(p, r), kNoPictures);
    }
    EXPECT_FALSE(p.form1.Timer1.enabled());
    EXPECT_FALSE(p.form1.Timer2.enabled());
    ASSERT_EQ(h.dialogs.shown.size(), 2u); // the question, then the wish
    EXPECT_EQ(h.dialogs.shown[0].text, kKeepQuestion);
    EXPECT_TRUE(timersOffAtQuestion);
    EXPECT_EQ(p.reveal.revealRow, 2);
    EXPECT_EQ(p.reveal.cnt, 0);
}

TEST(Reveal, StopsStepTimerThenFlickerTimerThenAsks) {
    Harness h;
    Program& p = startRun(h, {{1, 2, 3, 4, 5, 6}});
    Trace trace(p.form1);
    long atQuestion = -1;
    h.dialogs.duringMessage = [&](const test::ShownMessage&) {
        if (atQuestion < 0)
            atQuestion = static_cast<long>(trace.events.size());
    };
    stepTicks(p, 6);
    const long timer1 = trace.indexOf("Timer1", Prop::Enabled);
    const long timer2 = trace.indexOf("Timer2", Prop::Enabled);
    ASSERT_GE(timer1, 0);
    EXPECT_LT(timer1, timer2);
    EXPECT_LT(timer2, atQuestion);
}

TEST(Reveal, LabelsKeepThePreviousRowUntilOverwritten) {
    Harness h;
    Program& p = startRun(h, {{1, 2, 3, 4, 5, 6}, {11, 12, 13, 14, 15, 16}});
    stepTicks(p, 6);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_TRUE(p.form1.Timer1.enabled());
    EXPECT_EQ(p.reveal.revealRow, 2);

    // The flicker now works on position 0 of row 2; the caption stays.
    h.random.values = {0.0f, 0.0f, 0.0f, 0.0f};
    p.form1.Timer2.tick();
    EXPECT_EQ(p.form1.Image1(0).picture(), 101);
    EXPECT_EQ(p.form1.Label1.caption(), "1");

    p.form1.Timer1.tick();
    EXPECT_EQ(revealCaptions(p), (std::vector<std::string>{"11", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(boardRow(p, 2), kEmptyRow);
    stepTicks(p, 5);
    EXPECT_EQ(boardRow(p, 1), test::texts({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(boardRow(p, 2), test::texts({11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(h.dialogs.shown.size(), 2u);
}

TEST(Reveal, FiveSetsTakeThirtyStepTicks) {
    Harness h;
    std::vector<std::vector<int>> rows;
    for (int r = 0; r < 5; ++r)
        rows.push_back({1 + r, 10 + r, 20 + r, 30 + r, 35, 43 - r});
    Program& p = startRun(h, rows);
    h.dialogs.answers = {Answer::No};
    stepTicks(p, 29);
    EXPECT_TRUE(h.dialogs.shown.empty());
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(boardRow(p, r), test::texts(rows[static_cast<std::size_t>(r - 1)]));
    EXPECT_EQ(boardRow(p, 5)[5], "");
    bool boardFullAtQuestion = false;
    h.dialogs.duringMessage = [&](const test::ShownMessage&) {
        boardFullAtQuestion = boardRow(p, 5) == test::texts(rows[4]) && boardPictures(p, 5)[5] == 139;
    };
    p.form1.Timer1.tick();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, kKeepQuestion);
    EXPECT_TRUE(boardFullAtQuestion);
    // Ticks after the end change nothing: the timer is off.
    p.form1.Timer1.tick();
    EXPECT_EQ(h.dialogs.shown.size(), 1u);
}

TEST(Reveal, FlickerShowsBallsOneToThirtyFourOnRandomColours) {
    const float top = std::nextafter(1.0f, 0.0f);
    struct Case {
        float ball, r1, r2, r3;
        int picture;
        Rgb colour;
    };
    const Case cases[] = {
        {0.0f, 0.0f, 0.0f, 0.0f, 101, Rgb{1, 1, 1}},
        {top, top, top, top, 134, Rgb{255, 255, 255}},
        {0.5f, 0.5f, 0.25f, 0.75f, 118, Rgb{128, 64, 192}},
        {33.5f / 34.0f, 254.5f / 255.0f, 1.5f / 255.0f, 0.1f, 134, Rgb{255, 2, 26}},
    };
    Harness h;
    Program& p = startRun(h, {{1, 2, 3, 4, 5, 6}});
    stepTicks(p, 2);
    p.form1.Label3.setCaption("x");
    for (const Case& c : cases) {
        h.random.values = {c.ball, c.r1, c.r2, c.r3};
        const int drawnBefore = h.random.drawn;
        p.form1.Timer2.tick();
        EXPECT_EQ(h.random.drawn - drawnBefore, 4);
        EXPECT_EQ(p.form1.Image1(2).picture(), c.picture);
        EXPECT_EQ(p.form1.Label3.backColor(), c.colour);
        EXPECT_EQ(p.form1.Label3.caption(), "x");
        EXPECT_EQ(p.form1.Image1(1).picture(), 102); // fixed positions stay
    }
    // Over the whole range of r the flicker never shows 35..43.
    for (int bits = 0; bits < (1 << 24); bits += 4099) {
        h.random.values = {static_cast<float>(bits) / 16777216.0f, 0.0f, 0.0f, 0.0f};
        p.form1.Timer2.tick();
        const int shown = p.form1.Image1(2).picture();
        ASSERT_GE(shown, 101);
        ASSERT_LE(shown, 134);
    }
}

TEST(Reveal, FlickerDoesNothingOutsideARow) {
    Harness h;
    Program& p = startRun(h, {{1, 2, 3, 4, 5, 6}});
    p.reveal.cnt = 6;
    const int drawn = h.random.drawn;
    p.form1.Timer2.tick();
    EXPECT_EQ(h.random.drawn, drawn);
}

TEST(Reveal, ARowOutsideTheBoardShowsTheFirstRow) {
    Harness h;
    Program& p = startRun(h, {{1, 2, 3, 4, 5, 6}, {11, 12, 13, 14, 15, 16}});
    for (int row : {0, 6, -1}) {
        SCOPED_TRACE(row);
        p.reveal = RevealState{row, 1};
        p.form1.Timer1.tick();
        EXPECT_EQ(p.form1.Label2.caption(), "2");
        EXPECT_EQ(p.form1.Image1(1).picture(), 102);
        EXPECT_EQ(p.reveal.cnt, 2);
    }
}

TEST(RevealSpeed, EachCommandSetsTheIntervalAndMovesTheCheckmark) {
    struct Case {
        MenuItem Form1::*item;
        int interval;
    };
    const Case cases[] = {{&Form1::vSHigh, 10},  {&Form1::vHigh, 200}, {&Form1::vLow, 1000},
                          {&Form1::vMidle, 400}, {&Form1::vLow, 1000}, {&Form1::vSHigh, 10}};
    Harness h;
    Program& p = h.start();
    EXPECT_EQ(p.form1.Timer1.interval(), 400);
    EXPECT_TRUE(p.form1.vMidle.checked());
    MenuItem Form1::*all[] = {&Form1::vSHigh, &Form1::vHigh, &Form1::vMidle, &Form1::vLow};
    for (const Case& c : cases) {
        (p.form1.*c.item).click();
        EXPECT_EQ(p.form1.Timer1.interval(), c.interval);
        for (auto item : all)
            EXPECT_EQ((p.form1.*item).checked(), item == c.item);
        EXPECT_EQ(p.form1.Timer2.interval(), 10);
    }
    // The interval is set before the marks move.
    Trace trace(p.form1);
    p.form1.vHigh.click();
    EXPECT_LT(trace.indexOf("Timer1", Prop::Interval), trace.indexOf("vHigh", Prop::Checked));
    EXPECT_EQ(trace.namesFor(Prop::Checked), (std::vector<std::string>{"vSHigh", "vHigh"}));
}

TEST(RevealSpeed, ChangesInTheMiddleOfAReveal) {
    Harness h;
    Program& p = startRun(h, {{1, 2, 3, 4, 5, 6}});
    stepTicks(p, 3);
    ASSERT_TRUE(p.form1.vSpeed.enabled());
    ASSERT_TRUE(p.form1.vLow.enabled());
    p.form1.vLow.click();
    EXPECT_EQ(p.form1.Timer1.interval(), 1000);
    EXPECT_TRUE(p.form1.Timer1.enabled());
    stepTicks(p, 3);
    EXPECT_EQ(boardRow(p, 1), test::texts({1, 2, 3, 4, 5, 6}));
}

TEST(Reveal, ANewRunDuringARevealStartsAgainFromRowOne) {
    Harness h;
    Program& p = startRun(h, {{1, 2, 3, 4, 5, 6}, {11, 12, 13, 14, 15, 16}});
    stepTicks(p, 8);
    ASSERT_EQ(boardRow(p, 1), test::texts({1, 2, 3, 4, 5, 6}));
    ASSERT_TRUE(p.form1.Image5.enabled());

    h.random.values = plainDraws({21, 22, 23, 24, 25, 26, 31, 32, 33, 34, 35, 36});
    p.form1.Image5.click();
    EXPECT_EQ(p.reveal.revealRow, 1);
    EXPECT_EQ(p.reveal.cnt, 0);
    EXPECT_EQ(boardRow(p, 1), kEmptyRow);
    EXPECT_EQ(revealCaptions(p), kEmptyRow);
    EXPECT_TRUE(p.form1.Timer1.enabled());
    EXPECT_TRUE(p.form1.Timer2.enabled());
    EXPECT_FALSE(p.form1.Command1.enabled());

    stepTicks(p, 6);
    EXPECT_EQ(boardRow(p, 1), test::texts({21, 22, 23, 24, 25, 26}));
    EXPECT_TRUE(h.dialogs.shown.empty());
    stepTicks(p, 6);
    EXPECT_EQ(boardRow(p, 2), test::texts({31, 32, 33, 34, 35, 36}));
    ASSERT_FALSE(h.dialogs.shown.empty());
    EXPECT_EQ(h.dialogs.shown[0].text, kKeepQuestion);
}

} // namespace
} // namespace zoki
