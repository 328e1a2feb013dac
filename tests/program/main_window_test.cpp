#include "base/syscalls.h"
#include "base/textfile.h"
#include "predict/run_support.h"
#include "program/main_window.h"
#include "reveal/enabling.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

namespace zoki {
namespace {

using test::chooseSetCount;
using test::crlf;
using test::Harness;
using test::plainDraws;
using test::texts;
using test::Trace;

const std::string kKeepQuestion = "今回の出力結果を履歴に残しますか？";
const std::string kWish = "当たりますように(笑)";
const std::vector<std::string> kTableOrder{"Command1", "Command2", "vSet",     "vClear",      "Label7",
                                           "vSetting", "vNumber",  "VScroll1", "vCheckNumber"};

std::vector<Control*> nine(Form1& f) {
    return {&f.Command1, &f.Command2, &f.vSet,     &f.vClear,      &f.Label7,
            &f.vSetting, &f.vNumber,  &f.VScroll1, &f.vCheckNumber};
}

// Controls a reveal never switches off.
std::vector<Control*> alwaysUsable(Form1& f) {
    return {&f.Image5, &f.Image6, &f.typeKind, &f.selectLoto6, &f.exepe,       &f.vData,  &f.yosoku,
            &f.lvA,    &f.lvB,    &f.lvC,      &f.lvD,         &f.lvE,         &f.vSpeed, &f.vSHigh,
            &f.vHigh,  &f.vMidle, &f.vLow,     &f.vMClear,     &f.outDataClear};
}

// Names of the nine controls in the order their enabled flag changed.
std::vector<std::string> enableOrder(const Trace& trace) {
    std::vector<std::string> out;
    for (const std::string& name : trace.namesFor(Prop::Enabled))
        for (const std::string& n : kTableOrder)
            if (name == n)
                out.push_back(name);
    return out;
}

const std::vector<int> kSet1{3, 8, 15, 22, 37, 41};
const std::vector<int> kSet2{1, 2, 10, 20, 30, 43};

// A plain run of the given sets, revealed up to its last step tick.
struct Session {
    Harness h;
    Program* p = nullptr;
    explicit Session(const std::string& outBytes = "") {
        h.folder.write("OutData.dat", outBytes);
        h.folder.write("data.dat", test::drawFile({{1, 2, 3, 4, 5, 6, 7}}));
        p = &h.start();
        p->form1.vData.click();
        h.dialogs.shown.clear();
    }
    void start(const std::vector<std::vector<int>>& sets) {
        chooseSetCount(*p, static_cast<int>(sets.size()));
        std::vector<int> all;
        for (const auto& s : sets)
            all.insert(all.end(), s.begin(), s.end());
        h.random.values = plainDraws(all);
        p->form1.Command1.click();
    }
    void reveal(int steps) {
        for (int i = 0; i < steps; ++i)
            p->form1.Timer1.tick();
    }
};

TEST(MainWindow, ARevealSwitchesTheNineControlsOffAndOnInTableOrder) {
    Session run;
    Form1& f = run.p->form1;
    EXPECT_FALSE(f.vClear.enabled()); // until the first reveal has ended
    EXPECT_FALSE(f.vAllClear.enabled());
    for (Control* c : alwaysUsable(f))
        EXPECT_TRUE(c->enabled()) << c->objectName();

    Trace trace(f);
    run.start({kSet1});
    EXPECT_EQ(enableOrder(trace), (std::vector<std::string>{"Command1", "Command2", "vSet", "Label7", "vSetting",
                                                            "vNumber", "VScroll1", "vCheckNumber"}));
    for (Control* c : nine(f))
        EXPECT_FALSE(c->enabled()) << c->objectName();
    for (Control* c : alwaysUsable(f))
        EXPECT_TRUE(c->enabled()) << c->objectName();

    // During the question the controls are still off.
    bool offDuringQuestion = false;
    run.h.dialogs.duringMessage = [&](const test::ShownMessage& m) {
        if (m.text == kKeepQuestion)
            offDuringQuestion = !f.Command1.enabled() && !f.vCheckNumber.enabled();
    };
    trace.events.clear();
    run.reveal(6);
    EXPECT_TRUE(offDuringQuestion);
    EXPECT_EQ(enableOrder(trace), kTableOrder);
    for (Control* c : nine(f))
        EXPECT_TRUE(c->enabled()) << c->objectName();
    for (Control* c : alwaysUsable(f))
        EXPECT_TRUE(c->enabled()) << c->objectName();
    EXPECT_FALSE(f.vAllClear.enabled());
}

TEST(MainWindow, KeepingTheResultAppendsItAndWishesLuck) {
    const std::vector<std::string> old = texts({4, 5, 6, 7, 8, 9});
    Session run(crlf(old));
    run.h.dialogs.answers = {Answer::Yes};
    std::string fileAtWish;
    run.h.dialogs.duringMessage = [&](const test::ShownMessage& m) {
        if (m.text == kWish)
            fileAtWish = run.h.folder.read("OutData.dat");
    };
    run.p->form3().HScroll1.setValue(9);
    run.p->form3().Command1.click();
    run.start({kSet1, kSet2});
    // data.dat changes behind the program's back; keeping reloads it.
    run.h.folder.write("data.dat", crlf({" 11", "12 ", "13", "14", "15", "16", "17"}));
    run.reveal(12);

    ASSERT_EQ(run.h.dialogs.shown.size(), 2u);
    EXPECT_EQ(run.h.dialogs.shown[0].text, kKeepQuestion);
    EXPECT_EQ(run.h.dialogs.shown[0].title, "【質問】");
    EXPECT_EQ(run.h.dialogs.shown[0].buttons, Buttons::YesNo);
    EXPECT_EQ(run.h.dialogs.shown[0].icon, Icon::None);
    EXPECT_EQ(run.h.dialogs.shown[1].text, kWish);
    EXPECT_EQ(run.h.dialogs.shown[1].title, "【的中祈願】");
    EXPECT_EQ(run.h.dialogs.shown[1].buttons, Buttons::Ok);
    EXPECT_EQ(run.h.dialogs.shown[1].icon, Icon::None);

    std::vector<std::string> expected = old;
    for (const auto& s : {kSet1, kSet2})
        for (const std::string& t : texts(s))
            expected.push_back(t);
    EXPECT_EQ(run.h.folder.read("OutData.dat"), crlf(expected));
    EXPECT_EQ(fileAtWish, crlf(expected));
    std::vector<std::string> held = expected;
    held.emplace_back();
    EXPECT_EQ(run.p->s.outHistory, held);
    EXPECT_EQ(run.p->s.drawTable.elements(), (std::vector<std::string>{"11", "12", "13", "14", "15", "16", "17", ""}));

    // The result stays on the screen.
    Form1& f = run.p->form1;
    EXPECT_TRUE(f.Frame5.visible());
    EXPECT_FALSE(f.Image3.visible());
    EXPECT_EQ(f.Label8(11).caption(), "43");
    EXPECT_EQ(f.Image2(11).picture(), 143);
    EXPECT_EQ(f.Label6.caption(), "43");
    EXPECT_EQ(f.Image1(0).picture(), 101);
    EXPECT_TRUE(f.Image1(0).visible());
    EXPECT_FALSE(run.p->s.anyNumberSet);
}

TEST(MainWindow, DecliningTheResultClearsTheScreenAndWritesNothing) {
    const std::string before = crlf(texts({4, 5, 6, 7, 8, 9})) + "10"; // last line without its end
    Session run(before);
    run.h.dialogs.answers = {Answer::No};
    run.p->form3().Command1.click(); // a chosen number serves one run only
    run.start({kSet1});
    run.reveal(6);

    ASSERT_EQ(run.h.dialogs.shown.size(), 1u);
    EXPECT_EQ(run.h.folder.read("OutData.dat"), before);
    Form1& f = run.p->form1;
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(f.Label8(i).caption(), "");
        EXPECT_EQ(f.Image2(i).picture(), 0);
    }
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(f.revealLabel(k).caption(), "");
        EXPECT_EQ(f.revealLabel(k).backColor(), kWhite);
        EXPECT_FALSE(f.Image1(k).visible());
        EXPECT_EQ(f.Image1(k).picture(), 0);
    }
    EXPECT_FALSE(f.Frame5.visible());
    EXPECT_TRUE(f.Image3.visible());
    EXPECT_TRUE(f.Image3.enabled());
    EXPECT_EQ(f.Image3.picture(), 997);
    EXPECT_EQ(test::setOf(*run.p, 1), kSet1); // the sets themselves stay
    EXPECT_FALSE(run.p->s.anyNumberSet);
    EXPECT_TRUE(f.vClear.enabled());
}

TEST(MainWindow, DecliningHidesBallsBeforeTheFrameAndShowsTheIdlePicture) {
    Session run;
    run.h.dialogs.answers = {Answer::No};
    run.start({kSet1});
    run.reveal(5);
    Trace trace(run.p->form1);
    run.reveal(1);
    const long ball0 = trace.indexOf("Image1_0", Prop::Visible);
    const long ball5 = trace.indexOf("Image1_5", Prop::Visible);
    const long frame = trace.indexOf("Frame5", Prop::Visible);
    const long idle = trace.indexOf("Image3", Prop::Visible);
    const long boardCleared = trace.indexOf("Label1", Prop::Caption); // vMClear, at its end
    const long enabled = trace.indexOf("Command1", Prop::Enabled);
    EXPECT_LT(ball0, ball5);
    EXPECT_LT(ball5, frame);
    EXPECT_LT(frame, idle);
    EXPECT_LT(idle, boardCleared);
    EXPECT_LT(boardCleared, enabled);
}

TEST(MainWindow, AFailedSaveIsReportedAndNotWishedFor) {
    const std::string before = crlf(texts({4, 5, 6, 7, 8, 9}));
    Session run(before);
    run.start({kSet1});
    sys::Faults::failNth(sys::Call::Write, 1, ENOSPC);
    run.reveal(6);
    sys::Faults::reset();
    EXPECT_EQ(run.h.folder.read("OutData.dat"), before);
    for (const auto& m : run.h.dialogs.shown)
        EXPECT_NE(m.text, kWish);
    ASSERT_EQ(run.h.dialogs.shown.size(), 2u); // the question and the failure
    EXPECT_EQ(run.h.dialogs.shown[1].icon, Icon::Critical);
    EXPECT_TRUE(run.p->form1.Command1.enabled());
    EXPECT_FALSE(run.p->s.anyNumberSet);
}

TEST(MainWindow, DisablingNeitherAsksNorForgetsTheChosenNumber) {
    Session run;
    run.p->s.anyNumberSet = true;
    itemEnable(*run.p, 0);
    EXPECT_TRUE(run.h.dialogs.shown.empty());
    EXPECT_TRUE(run.p->s.anyNumberSet);
    EXPECT_FALSE(run.p->form1.VScroll1.enabled());
}

TEST(MainWindow, ClearingTheOutputEmptiesTheBoardButKeepsTheResultArea) {
    Session run;
    run.start({kSet1});
    run.reveal(6);
    Form1& f = run.p->form1;
    f.vMClear.click();
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(f.Label8(i).caption(), "");
        EXPECT_EQ(f.Image2(i).picture(), 0);
    }
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(f.revealLabel(k).caption(), "");
        EXPECT_EQ(f.revealLabel(k).backColor(), kWhite);
        EXPECT_EQ(f.Image1(k).picture(), 0);
        EXPECT_TRUE(f.Image1(k).visible());
    }
    EXPECT_TRUE(f.Frame5.visible());
    EXPECT_EQ(test::setOf(*run.p, 1), kSet1);
}

TEST(MainWindow, RevealLabelsAreBlankedBeforeTurningWhite) {
    Session run;
    Form1& f = run.p->form1;
    f.Label2.setCaption("5");
    f.Label2.setBackColor(Rgb{1, 1, 1});
    Trace trace(f);
    dataClear(*run.p);
    EXPECT_LT(trace.indexOf("Label2", Prop::Caption), trace.indexOf("Label2", Prop::BackColor));
    EXPECT_EQ(trace.namesFor(Prop::Caption), (std::vector<std::string>{"Label2"}));
}

TEST(MainWindow, SetCountFollowsTheScrollBar) {
    Session run;
    Form1& f = run.p->form1;
    for (int v : {3, 5, 1, 2}) {
        f.VScroll1.setValue(v);
        EXPECT_EQ(f.Label7.caption(), std::to_string(v));
        EXPECT_EQ(f.Image4.picture(), 1000 + v);
        EXPECT_EQ(run.p->setCount, v);
    }
    f.VScroll1.setValue(3);
    std::vector<int> all;
    for (int n = 1; n <= 18; ++n)
        all.push_back(n);
    run.h.random.values = plainDraws(all);
    f.Command1.click();
    EXPECT_EQ(test::setOf(*run.p, 3), std::vector<int>({13, 14, 15, 16, 17, 18}));
    run.reveal(17);
    EXPECT_TRUE(run.h.dialogs.shown.empty());
    run.reveal(1);
    EXPECT_EQ(run.h.dialogs.shown.size(), 2u);
}

TEST(MainWindow, RegistrationFormOpensBesideTheMainWindow) {
    Session run;
    run.p->form1.addAdd.click();
    EXPECT_TRUE(run.p->form4().visible());
    EXPECT_TRUE(run.p->form1.Command1.enabled());
    EXPECT_TRUE(run.h.dialogs.shown.empty());
}

TEST(MainWindow, HistoryButtonAndPictureOpenTheHistoryWindow) {
    for (bool byPicture : {false, true}) {
        Session run(crlf(texts(kSet1)));
        if (byPicture)
            run.p->form1.Image6.click();
        else
            run.p->form1.Command2.click();
        EXPECT_TRUE(run.p->form2().visible());
    }
}

} // namespace
} // namespace zoki
