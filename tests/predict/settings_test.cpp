#include "predict/run_support.h"
#include "predict/settings.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zoki {
namespace {

using test::Harness;
using test::Trace;

const std::string kAllFive = "全ての予測範囲指定項目に対してチェックを入れることはできません。";
const std::string kOnlyForties = "40～43の予測範囲指定のみで実行することはできません。";

MenuItem& range(Program& p, char item) {
    MenuItem* items[] = {&p.form1.lvA, &p.form1.lvB, &p.form1.lvC, &p.form1.lvD, &p.form1.lvE};
    return *items[item - 'A'];
}

std::string checkedRanges(Program& p) {
    std::string out;
    for (char c = 'A'; c <= 'E'; ++c)
        if (range(p, c).checked())
            out += c;
    return out;
}

TEST(PredictionSettings, StartFromTheirDefaults) {
    Harness h;
    Program& p = h.start();
    const PredictionSettings s = currentSettings(p);
    EXPECT_TRUE(s.dataMode);
    EXPECT_EQ(s.strength, Strength::High);
    for (bool excluded : s.excludeRange)
        EXPECT_FALSE(excluded);
    EXPECT_TRUE(p.form1.vSetHigh.checked());
    EXPECT_FALSE(p.form1.vSetMid.checked());
    EXPECT_FALSE(p.form1.vSetLow.checked());
    EXPECT_FALSE(p.s.anyNumberSet);
    EXPECT_FALSE(p.hasForm(FormId::Form3));
}

TEST(PredictionSettings, DataModeToggles) {
    Harness h;
    Program& p = h.start();
    p.form1.vData.click();
    EXPECT_FALSE(p.form1.vData.checked());
    EXPECT_FALSE(currentSettings(p).dataMode);
    p.form1.vData.click();
    EXPECT_TRUE(p.form1.vData.checked());
    EXPECT_TRUE(currentSettings(p).dataMode);
}

TEST(PredictionSettings, StrengthItemsActAsRadioButtonsSetLowestFirst) {
    struct Case {
        MenuItem Form1::*item;
        Strength expected;
        bool high, mid, low;
    };
    const Case cases[] = {
        {&Form1::vSetMid, Strength::Mid, false, true, false},   {&Form1::vSetLow, Strength::Low, false, false, true},
        {&Form1::vSetLow, Strength::Low, false, false, true}, // already checked: stays
        {&Form1::vSetHigh, Strength::High, true, false, false}, {&Form1::vSetHigh, Strength::High, true, false, false},
        {&Form1::vSetMid, Strength::Mid, false, true, false},
    };
    Harness h;
    Program& p = h.start();
    for (const Case& c : cases) {
        (p.form1.*c.item).click();
        EXPECT_EQ(currentSettings(p).strength, c.expected);
        EXPECT_EQ(p.form1.vSetHigh.checked(), c.high);
        EXPECT_EQ(p.form1.vSetMid.checked(), c.mid);
        EXPECT_EQ(p.form1.vSetLow.checked(), c.low);
    }

    // From Mid to High: the marks change in the order vSetLow, vSetMid, vSetHigh.
    Trace trace(p.form1);
    p.form1.vSetHigh.click();
    EXPECT_EQ(trace.namesFor(Prop::Checked), (std::vector<std::string>{"vSetMid", "vSetHigh"}));
}

TEST(PredictionSettings, WeightedStrengthIsReadLowFirstWhenSeveralAreMarked) {
    Harness h;
    Program& p = h.start();
    p.form1.vSetMid.setChecked(true); // High and Mid both marked
    EXPECT_EQ(currentSettings(p).strength, Strength::Mid);
    p.form1.vSetLow.setChecked(true);
    EXPECT_EQ(currentSettings(p).strength, Strength::Low);
}

TEST(RangeExclusion, RefusesSelectionsThatLeaveTooFewNumbers) {
    struct Case {
        std::string clicks;
        std::vector<std::string> messages; // in order
        std::string finallyChecked;
    };
    const Case cases[] = {
        {"ABCD", {kOnlyForties}, "ABC"},
        {"DCBA", {kOnlyForties}, "BCD"},
        {"BDAC", {kOnlyForties}, "ABD"},
        {"EABCD", {kAllFive}, "ABCE"},
        {"ABCED", {kAllFive}, "ABCE"},
        {"BCDEA", {kAllFive}, "BCDE"},
        {"BCDE", {}, "BCDE"},                           // 1..9 left: accepted
        {"ABCA", {}, "BC"},                             // unchecking never complains
        {"ABCDD", {kOnlyForties, kOnlyForties}, "ABC"}, // refused again on the second try
        {"ABCEDE", {kAllFive}, "ABC"},                  // unchecking E after the refusal is fine
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clicks);
        Harness h;
        Program& p = h.start();
        h.dialogs.shown.clear();
        for (char item : c.clicks)
            range(p, item).click();
        std::vector<std::string> texts;
        for (const auto& m : h.dialogs.shown) {
            texts.push_back(m.text);
            EXPECT_EQ(m.title, "警告");
            EXPECT_EQ(m.buttons, Buttons::Ok);
            EXPECT_EQ(m.icon, Icon::Critical);
        }
        EXPECT_EQ(texts, c.messages);
        EXPECT_EQ(checkedRanges(p), c.finallyChecked);
        PredictionSettings s = currentSettings(p);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(s.excludeRange[i], c.finallyChecked.find(static_cast<char>('A' + i)) != std::string::npos);
    }
}

TEST(RangeExclusion, ACodeOutsideOneToFiveTakesNoMarkBack) {
    Harness h;
    Program& p = h.start();
    for (char c = 'A'; c <= 'E'; ++c)
        range(p, c).setChecked(true);
    jyufukuCheck(p, 0);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, kAllFive);
    EXPECT_EQ(checkedRanges(p), "ABCDE");
}

TEST(ChosenNumber, NumberWindowShowsTheScrollValueAsARedBall) {
    Harness h;
    Program& p = h.start();
    p.form1.vNumber.click();
    Form3& f3 = p.form3();
    EXPECT_TRUE(f3.visible());
    EXPECT_EQ(f3.Image1.picture(), 144);
    EXPECT_EQ(f3.Label1.caption(), "1");
    const struct {
        int value;
        const char* caption;
        int picture;
    } cases[] = {{43, "43", 186}, {7, "7", 150}, {1, "1", 144}, {20, "20", 163}};
    for (const auto& c : cases) {
        f3.HScroll1.setValue(c.value);
        EXPECT_EQ(f3.Label1.caption(), c.caption);
        EXPECT_EQ(f3.Image1.picture(), c.picture);
    }
    EXPECT_FALSE(p.s.anyNumberSet);
}

TEST(ChosenNumber, DecideHidesTheWindowAndKeepsItsChoice) {
    for (bool byDoubleClick : {false, true}) {
        SCOPED_TRACE(byDoubleClick ? "double-click" : "button");
        Harness h;
        Program& p = h.start();
        p.form1.vNumber.click();
        p.form3().HScroll1.setValue(20);
        if (byDoubleClick)
            p.form3().Image1.dblClick();
        else
            p.form3().Command1.click();
        EXPECT_FALSE(p.form3().visible());
        EXPECT_TRUE(p.s.anyNumberSet);

        p.form1.vNumber.click();
        EXPECT_TRUE(p.form3().visible());
        EXPECT_EQ(p.form3().HScroll1.value(), 20);
        EXPECT_EQ(p.form3().Label1.caption(), "20");
        EXPECT_EQ(p.form3().Image1.picture(), 163);
    }
}

TEST(ChosenNumber, ClosingTheWindowDiscardsItWithoutChoosing) {
    Harness h;
    Program& p = h.start();
    p.form1.vNumber.click();
    p.form3().HScroll1.setValue(30);
    p.userClosed(FormId::Form3);
    EXPECT_FALSE(p.s.anyNumberSet);

    p.form1.vNumber.click();
    EXPECT_EQ(p.form3().HScroll1.value(), 1);
    EXPECT_EQ(p.form3().Label1.caption(), "1");
    EXPECT_EQ(p.form3().Image1.picture(), 144);
    EXPECT_TRUE(p.form3().visible());
}

} // namespace
} // namespace zoki
