#include "app/wiring.h"
#include "base/random.h"
#include "predict/run.h"
#include "predict/run_support.h"
#include "predict/settings.h"
#include "predict/weighted.h"
#include "program/main_window.h"
#include "reveal/enabling.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace zoki {
namespace {

using test::chooseSetCount;
using test::Harness;
using test::plainDraws;
using test::rFor;
using test::setOf;
using test::texts;
using test::Trace;

// A started program in plain mode with an empty history.
Program& startPlain(Harness& h) {
    Program& p = h.start();
    p.form1.vData.click();
    h.dialogs.shown.clear();
    return p;
}

TEST(StartOperation, PreparesTheResultAreaAndHandsOverToTheReveal) {
    for (bool byPicture : {false, true}) {
        SCOPED_TRACE(byPicture ? "Image5" : "Command1");
        Harness h;
        Program& p = startPlain(h);
        chooseSetCount(p, 2);
        // Something left from earlier: a board cell, a reveal label, a ball.
        p.form1.Label8(29).setCaption("5");
        p.form1.Image2(3).setPicture(105);
        p.form1.Label3.setCaption("9");
        p.form1.Label3.setBackColor(Rgb{1, 2, 3});
        p.form1.Image1(4).setPicture(120);
        p.reveal = RevealState{4, 3}; // a reveal halfway through
        h.random.values = plainDraws({12, 7, 43, 1, 30, 9, 2, 4, 6, 8, 10, 3});
        Trace trace(p.form1);

        if (byPicture)
            p.form1.Image5.click();
        else
            p.form1.Command1.click();

        EXPECT_TRUE(h.dialogs.shown.empty());
        EXPECT_EQ(setOf(p, 1), std::vector<int>({1, 7, 9, 12, 30, 43}));
        EXPECT_EQ(setOf(p, 2), std::vector<int>({2, 3, 4, 6, 8, 10}));
        EXPECT_EQ(p.reveal.revealRow, 1);
        EXPECT_EQ(p.reveal.cnt, 0);
        const Form1& f = p.form1;
        EXPECT_FALSE(f.Image3.visible());
        EXPECT_TRUE(f.Frame5.visible());
        for (int i = 0; i < 6; ++i) {
            EXPECT_TRUE(f.Image1(i).visible());
            EXPECT_EQ(f.Image1(i).picture(), 0);
        }
        for (int i = 0; i < 30; ++i) {
            EXPECT_EQ(f.Label8(i).caption(), "");
            EXPECT_EQ(f.Image2(i).picture(), 0);
        }
        EXPECT_EQ(f.Label3.caption(), "");
        EXPECT_EQ(f.Label3.backColor(), kWhite);
        EXPECT_TRUE(f.Timer1.enabled());
        EXPECT_TRUE(f.Timer2.enabled());
        EXPECT_FALSE(f.Command1.enabled());

        // The steps in their order: clear, hide the idle picture, show the
        // balls and the frame, start the timers, then disable the controls.
        const long cleared = trace.indexOf("Label8_29", Prop::Caption);
        const long idleHidden = trace.indexOf("Image3", Prop::Visible);
        const long ballsShown = trace.indexOf("Image1_0", Prop::Visible);
        const long frameShown = trace.indexOf("Frame5", Prop::Visible);
        const long timer1 = trace.indexOf("Timer1", Prop::Enabled);
        const long timer2 = trace.indexOf("Timer2", Prop::Enabled);
        const long disabled = trace.indexOf("Command1", Prop::Enabled);
        EXPECT_LT(trace.indexOf("Image2_3", Prop::Picture), idleHidden);
        EXPECT_LT(cleared, idleHidden);
        EXPECT_LT(idleHidden, ballsShown);
        EXPECT_LT(ballsShown, frameShown);
        EXPECT_LT(frameShown, timer1);
        EXPECT_LT(timer1, timer2);
        EXPECT_LT(timer2, disabled);
    }
}

TEST(StartOperation, RefreshesTheStatisticsLast) {
    Harness h;
    h.folder.write("data.dat", test::drawFile({{1, 2, 3, 4, 5, 6, 7}}));
    Program& p = startPlain(h);
    // Counts that disagree with data.dat: the run's last step recounts them.
    p.stats.numberCount[1] = 9;
    p.stats.drawNumberTotal = 9;
    h.random.values = plainDraws({1, 2, 3, 4, 5, 6});
    p.form1.Command1.click();
    EXPECT_EQ(p.stats.numberCount[1], 1);
    EXPECT_EQ(p.stats.drawNumberTotal, 7);
}

TEST(StartOperation, ChoosesTheGeneratorByDataMode) {
    Harness h;
    Program& p = h.start();
    // With lvA checked the weighted generator never yields 1..9; the plain one does.
    p.form1.lvA.click();
    h.random.values = plainDraws({1, 2, 3, 4, 5, 6, 20, 21, 22, 23, 24, 25});
    p.form1.Command1.click();
    EXPECT_EQ(setOf(p, 1), std::vector<int>({20, 21, 22, 23, 24, 25}));

    // A new run over the running reveal, now in plain mode.
    p.form1.vData.click();
    h.random.values = plainDraws({1, 2, 3, 4, 5, 6});
    p.form1.Image5.click();
    EXPECT_EQ(setOf(p, 1), std::vector<int>({1, 2, 3, 4, 5, 6}));
}

TEST(PlainGenerator, DrawsAgainOnARepeatAndReseedsBeforeEachSet) {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    test::RecordingRandom random;
    test::FakePlatform platform;
    Program p(folder.path(), dialogs, random, platform, wire);
    p.form1.vData.setChecked(false);
    chooseSetCount(p, 2);
    random.values = plainDraws({5, 5, 9, 5, 9, 1, 2, 3, 4, 43, 42, 41, 40, 39, 43, 38});
    NormalGet(p);
    EXPECT_EQ(setOf(p, 1), std::vector<int>({5, 9, 1, 2, 3, 4}));
    EXPECT_EQ(setOf(p, 2), std::vector<int>({43, 42, 41, 40, 39, 38}));
    EXPECT_EQ(random.log, "SDDDDDDDDDSDDDDDDD");
    // Two sets were asked for: the third stays as it was.
    EXPECT_EQ(setOf(p, 3), std::vector<int>(6, 0));
}

TEST(PlainGenerator, IgnoresExclusionsStrengthAndTheChosenNumber) {
    Harness h;
    Program& p = startPlain(h);
    p.form1.lvA.click();
    p.form1.vSetLow.click();
    p.form1.vNumber.click();
    p.form3().HScroll1.setValue(40);
    p.form3().Command1.click();
    h.random.values = plainDraws({1, 2, 3, 4, 5, 6});
    NormalGet(p);
    EXPECT_EQ(setOf(p, 1), std::vector<int>({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(h.random.drawn, 6);
}

TEST(PlainGenerator, UsesSinglePrecisionForTheNumber) {
    Harness h;
    Program& p = startPlain(h);
    // 43 × r + 1 is 5.99999987 exactly but 6 in single precision.
    h.random.values = {1950839.0f / 16777216.0f, rFor(1), rFor(2), rFor(3), rFor(4), rFor(5)};
    NormalGet(p);
    EXPECT_EQ(setOf(p, 1)[0], 6);
    h.random.values = {std::nextafter(1.0f, 0.0f), 0.0f, rFor(2), rFor(3), rFor(4), rFor(5)};
    NormalGet(p);
    EXPECT_EQ(setOf(p, 1), std::vector<int>({43, 1, 2, 3, 4, 5}));
}

TEST(PlainGenerator, LeavesTheSetsBeyondTheCountAlone) {
    Harness h;
    Program& p = startPlain(h);
    chooseSetCount(p, 5);
    h.random.values = {};
    for (int set = 0; set < 5; ++set)
        for (int n : {1, 2, 3, 4, 5, 6})
            h.random.values.push_back(rFor(n + set * 7));
    p.form1.Command1.click();
    const auto earlier = p.predictNumbers;
    p.form1.Timer1.setEnabled(false);
    p.form1.Timer2.setEnabled(false);
    itemEnable(p, 1);
    chooseSetCount(p, 1);

    h.random.values = plainDraws({40, 41, 42, 43, 39, 38});
    p.form1.Command1.click();
    EXPECT_EQ(setOf(p, 1), std::vector<int>({38, 39, 40, 41, 42, 43}));
    for (int i = 6; i < 30; ++i) {
        EXPECT_EQ(p.predictNumbers[static_cast<std::size_t>(i)], earlier[static_cast<std::size_t>(i)]);
        EXPECT_EQ(p.form1.Label8(i).caption(), "");
    }
}

TEST(SetOrdering, SortsEachRequestedSetByNumericValue) {
    Harness h;
    Program& p = h.start();
    chooseSetCount(p, 3);
    const std::vector<std::vector<int>> drawn{{12, 7, 43, 1, 30, 9}, {43, 42, 41, 40, 39, 38}, {2, 10, 3, 20, 4, 30}};
    const std::vector<std::vector<int>> sorted{{1, 7, 9, 12, 30, 43}, {38, 39, 40, 41, 42, 43}, {2, 3, 4, 10, 20, 30}};
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 6; ++k)
            p.predictNumbers[static_cast<std::size_t>(r * 6 + k)] = drawn[r][k];
    // Set 4 lies beyond the count and stays as it is.
    const std::vector<int> fourth{9, 8, 7, 6, 5, 4};
    std::copy(fourth.begin(), fourth.end(), p.predictNumbers.begin() + 18);
    sortMethodZ(p);
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(setOf(p, r + 1), sorted[r]);
    EXPECT_EQ(setOf(p, 4), fourth);
}

TEST(SetOrdering, EverySetHoldsSixDifferentNumbersAscending) {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    test::FakePlatform platform;
    ClockMixedRandom random(77, [] { return std::uint64_t{5}; });
    Program p(folder.path(), dialogs, random, platform, wire);
    chooseSetCount(p, 5);
    for (int n = 1; n <= 43; ++n)
        p.stats.numberCount[static_cast<std::size_t>(n)] = n % 7 == 0 ? 40 : n % 3;
    int total = 0;
    for (int n = 1; n <= 43; ++n)
        total += p.stats.numberCount[static_cast<std::size_t>(n)];
    p.stats.drawNumberTotal = total;
    for (int run = 0; run < 60; ++run) {
        if (run % 2 == 0)
            NormalGet(p);
        else
            GetByData(p);
        sortMethodZ(p);
        for (int r = 1; r <= 5; ++r) {
            const std::vector<int> set = setOf(p, r);
            ASSERT_TRUE(std::is_sorted(set.begin(), set.end()));
            ASSERT_EQ(std::set<int>(set.begin(), set.end()).size(), 6u);
            ASSERT_GE(set.front(), 1);
            ASSERT_LE(set.back(), 43);
        }
    }
}

} // namespace
} // namespace zoki
