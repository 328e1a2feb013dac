#include "kept/history_window.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zoki {
namespace {

using test::crlf;
using test::drawFile;
using test::Harness;

const std::string kWarning = "履歴データが登録されていません。\r最低一回以上の出力結果を履歴として残して下さい。";

Program& startWith(Harness& h, const std::string& outputs) {
    h.folder.write("data.dat", drawFile({{3, 11, 19, 25, 33, 41, 7}}));
    h.folder.write("OutData.dat", outputs);
    return h.start();
}

// The three ways the user opens the window.
const std::vector<std::pair<const char*, std::function<void(Form1&)>>> kOpeners = {
    {"menu 履歴閲覧(&V)", [](Form1& f) { f.dataAdd.click(); }},
    {"button 履歴", [](Form1& f) { f.Command2.click(); }},
    {"history picture", [](Form1& f) { f.Image6.click(); }},
};

TEST(HistoryWindow, WithoutKeptSetsWarnsAndStaysClosed) {
    for (const auto& [name, open] : kOpeners) {
        Harness h;
        Program& p = startWith(h, "");
        open(p.form1);
        ASSERT_EQ(h.dialogs.shown.size(), 1U) << name;
        EXPECT_EQ(h.dialogs.shown[0].text, kWarning) << name;
        EXPECT_EQ(h.dialogs.shown[0].title, "【警告】") << name;
        EXPECT_EQ(h.dialogs.shown[0].buttons, Buttons::Ok) << name;
        EXPECT_EQ(h.dialogs.shown[0].icon, Icon::None) << name;
        EXPECT_FALSE(p.form2().visible()) << name;
    }
}

TEST(HistoryWindow, OpensRefreshedFromTheFile) {
    for (const auto& [name, open] : kOpeners) {
        Harness h;
        Program& p = startWith(h, crlf({"1", "2", "3", "4", "5", "6"}));
        // Another set kept since, and a reveal label showing a number.
        h.folder.write("OutData.dat", crlf({"1", "2", "3", "4", "5", "6", "2", "8", "9", "10", "11", "12"}));
        p.form1.revealLabel(2).setCaption("19");
        p.form1.Label8(2).setCaption("19");

        open(p.form1);

        EXPECT_TRUE(h.dialogs.shown.empty()) << name;
        EXPECT_TRUE(p.form2().visible()) << name;
        EXPECT_EQ(p.s.outHistory.size(), 13U) << name;
        // Counted from the file as it is now: 2 twice, 1 and 8 once each.
        EXPECT_EQ(p.form2().Label5(1).width(), 975.0f) << name;
        EXPECT_FLOAT_EQ(p.form2().Label5(0).width(), 487.5f) << name;
        EXPECT_FLOAT_EQ(p.form2().Label5(7).width(), 487.5f) << name;
        EXPECT_EQ(p.form1.revealLabel(2).caption(), "") << name;
        EXPECT_EQ(p.form1.Label8(2).caption(), "19") << name;
    }
}

TEST(HistoryWindow, AfterErasingTheFileTheHeldSetsAreStillShown) {
    Harness h;
    Program& p = startWith(h, crlf({"7", "8", "9", "10", "11", "12"}));
    p.form1.outDataClear.click();
    ASSERT_EQ(h.folder.read("OutData.dat"), "");
    p.form1.dataAdd.click();
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_TRUE(p.form2().visible());
    EXPECT_EQ(p.form2().Label5(6).width(), 975.0f);
    EXPECT_EQ(p.form2().Label5(0).width(), 0.0f);
}

TEST(HistoryWindow, OpeningTwiceLeavesOneRefreshedWindow) {
    Harness h;
    Program& p = startWith(h, crlf({"7", "8", "9", "10", "11", "12"}));
    p.form1.dataAdd.click();
    Form2* first = &p.form2();
    h.folder.write("OutData.dat", crlf({"7", "8", "9", "10", "11", "13"}));
    p.form1.dataAdd.click();
    EXPECT_EQ(&p.form2(), first);
    EXPECT_TRUE(p.form2().visible());
    EXPECT_EQ(p.form2().Label5(11).width(), 0.0f);
    EXPECT_EQ(p.form2().Label5(12).width(), 975.0f);
}

TEST(HistoryWindow, AClosedWindowIsBuiltAfreshOnTheNextOpening) {
    Harness h;
    Program& p = startWith(h, crlf({"7", "8", "9", "10", "11", "12"}));
    p.form1.dataAdd.click();
    p.userClosed(FormId::Form2);
    ASSERT_FALSE(p.hasForm(FormId::Form2));
    p.form1.dataAdd.click();
    Form2& f = p.form2();
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(f.Label1(0).caption(), "1");
    EXPECT_EQ(f.Label4(0).caption(), "第1回");
    EXPECT_EQ(f.Image2(0).picture(), 141);
    EXPECT_EQ(f.Label2(40).width(), 975.0f);
    EXPECT_EQ(f.Label2(0).width(), 0.0f);
}

// A reload that fails does not keep the window closed.
TEST(HistoryWindow, OpensEvenWhenTheReloadFails) {
    Harness h;
    Program& p = startWith(h, crlf({"7", "8", "9", "10", "11", "12"}));
    std::filesystem::remove(h.folder / "OutData.dat");
    std::filesystem::create_directory(h.folder / "OutData.dat");
    p.form1.dataAdd.click();
    EXPECT_TRUE(p.form2().visible());
    EXPECT_EQ(p.form2().Label5(6).width(), 975.0f);
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(HistoryWindow, ItsTimerTicksWithoutEffect) {
    Harness h;
    Program& p = startWith(h, crlf({"7", "8", "9", "10", "11", "12"}));
    Form2& f = p.form2();
    ASSERT_TRUE(f.Timer1.enabled());
    EXPECT_EQ(f.Timer1.interval(), 500);
    const float before = f.Label2(40).width();
    f.Timer1.tick();
    EXPECT_EQ(f.Label2(40).width(), before);
    EXPECT_TRUE(h.dialogs.shown.empty());
}

} // namespace
} // namespace zoki
