#include "adapter_fixture.h"
#include "program/messages.h"
#include "shell/adapter.h"
#include "shell/qt_services.h"
#include "support/fakes.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

namespace zoki {
namespace {

// Lets the window system expose the shown main window and deliver what that
// set off.
void settle(QWidget* window) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

class FirstStart : public test::AdapterFixture {};

TEST_F(FirstStart, AnEmptyDrawFileIsOfferedTheImportOnceAfterTheMainWindowIsShown) {
    EXPECT_TRUE(h.dialogs.shown.empty()) << "not before the window is on the screen";
    settle(main());
    ASSERT_EQ(h.dialogs.shown.size(), 1U);
    EXPECT_EQ(h.dialogs.shown[0].text, msg::kOfferImport);
    EXPECT_EQ(h.dialogs.openRequests.size(), 1U) << "Yes opens the import's file dialog";

    f1().hide();
    f1().show();
    settle(main());
    EXPECT_EQ(h.dialogs.shown.size(), 1U) << "once per start";
}

class FirstStartWithDraws : public test::AdapterFixture {
    void prepareFolder() override { h.folder.write("data.dat", test::drawFile({{3, 11, 19, 25, 33, 41, 7}})); }
};

TEST_F(FirstStartWithDraws, ADrawFileWithADrawIsNotAskedAbout) {
    settle(main());
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_TRUE(h.dialogs.openRequests.empty());
}

// Three draws and a kept set, the main window on the screen.
class Guidance : public test::AdapterFixture {
protected:
    void prepareFolder() override {
        h.folder.write("data.dat",
                       test::drawFile({{3, 11, 19, 25, 33, 41, 7}, {7, 11, 20, 27, 30, 43, 3}, {1, 2, 3, 4, 5, 6, 9}}));
        h.folder.write("OutData.dat", test::drawFile({{3, 7, 8, 9, 10, 11}}));
    }
    void SetUp() override {
        AdapterFixture::SetUp();
        settle(main());
        h.dialogs.shown.clear();
        dialogs.owner = [this] { return main(); };
        dialogs.place = [this](QWidget& box) { adapter->placeMessageBox(box); };
    }
    QWidget* widget(const Control& c) { return adapter->view(c.form().id())->widget(c); }
    QRect globalRect(const Control& c) {
        QWidget* w = widget(c);
        return {w->mapToGlobal(QPoint(0, 0)), w->size()};
    }
    // Where a Yes/No box opens, answered No.
    QRect boxAt(const char* text) {
        QRect at;
        QTimer::singleShot(0, [&at] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            at = box->frameGeometry();
            box->button(QMessageBox::No)->click();
        });
        dialogs.messageBox(text, msg::kQuestion, Buttons::YesNo, Icon::None);
        return at;
    }

    qt::QtDialogs dialogs;
};

// The keep question opens clear of the board and the reveal, wholly on the
// screen; without a subject a box opens over the middle of its window.
TEST_F(Guidance, AQuestionAboutTheResultLeavesTheResultInSight) {
    f1().Frame5.setVisible(true);
    const QRect screen = main()->screen()->availableGeometry();
    QRect at;
    {
        const MessagesAbout about(h.p(), {&f1().Frame1, &f1().Frame5});
        at = boxAt(msg::kKeepResult);
    }
    ASSERT_FALSE(at.isEmpty());
    EXPECT_TRUE(screen.contains(at)) << screen.width() << "x" << screen.height();
    for (const Control* c : {static_cast<const Control*>(&f1().Frame1), static_cast<const Control*>(&f1().Frame5)})
        EXPECT_FALSE(at.intersects(globalRect(*c))) << c->objectName();
    EXPECT_GT(at.top(), globalRect(f1().Frame1).bottom()) << "below the board";

    const QRect centred = boxAt(msg::kKeepResult);
    EXPECT_NEAR(centred.center().x(), main()->frameGeometry().center().x(), 2);
    EXPECT_TRUE(centred.intersects(globalRect(f1().Frame1)));
}

// Every bar and ranking picture tells its counts as its tool tip and to a
// screen reader; the chart's frame tells what red and blue mean.
TEST_F(Guidance, TheChartsTellTheirCountsInToolTipsAndToAScreenReader) {
    f1().dataAdd.click();
    Form2& f2 = h.p().form2();
    ASSERT_TRUE(f2.visible());
    struct Case {
        const Control* control;
        const char* tip;
    };
    for (const Case& c :
         {Case{&f2.Label2(6), "7: 本数字 1 回・ボーナス 1 回 / 出力 1 回"},
          Case{&f2.Label5(6), "7: 本数字 1 回・ボーナス 1 回 / 出力 1 回"},
          Case{&f2.Label1(2), "3: 本数字 2 回・ボーナス 1 回 / 出力 1 回"},
          Case{&f2.Label5(42), "43: 本数字 1 回・ボーナス 0 回 / 出力 0 回"},
          Case{&f2.Image2(0), "3: 本数字 2 回・ボーナス 1 回"}, Case{&f2.Image2(1), "11: 本数字 2 回・ボーナス 0 回"},
          Case{&f2.Frame4, "赤の棒: 当選番号に出た回数 / 青の棒: 履歴に残した予想に入った回数"}}) {
        QWidget* w = widget(*c.control);
        ASSERT_NE(w, nullptr) << c.control->objectName();
        EXPECT_EQ(w->toolTip(), c.tip) << c.control->objectName();
        EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description), c.tip)
            << c.control->objectName();
    }
}

} // namespace
} // namespace zoki
