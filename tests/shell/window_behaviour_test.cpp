#include "adapter_fixture.h"
#include "shell/adapter.h"
#include "shell/widgets.h"
#include "support/fakes.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace zoki {
namespace {

// The program over four draws and three kept sets, so that every window opens.
class WindowBehaviour : public test::AdapterFixture {
protected:
    void prepareFolder() override {
        h.folder.write("data.dat", test::drawFile({{1, 2, 3, 4, 5, 6, 7},
                                                   {8, 9, 10, 11, 12, 13, 14},
                                                   {15, 16, 17, 18, 19, 20, 21},
                                                   {22, 23, 24, 25, 26, 27, 28}}));
        h.folder.write("OutData.dat",
                       test::drawFile({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {13, 14, 15, 16, 17, 18}}));
    }

    // Opens a window the way its menu item does.
    Form& open(FormId id) {
        MenuItem* items[] = {nullptr, &f1().dataAdd, &f1().vNumber, &f1().addAdd, &f1().vCheckNumber, &f1().vBacktest};
        if (MenuItem* item = items[static_cast<int>(id) - 1])
            item->click();
        return id == FormId::Form1 ? f1() : *h.p().existingForm(id);
    }
    QWidget* window(FormId id) { return adapter->view(id)->window(); }
    QWidget* widget(const Control& c) { return adapter->view(c.form().id())->widget(c); }
    QString focused(FormId id) {
        QWidget* f = window(id)->focusWidget();
        return f ? f->objectName() : "-";
    }
    std::vector<ScrollBar*> scrollBars() {
        open(FormId::Form3);
        open(FormId::Form5);
        return {&f1().VScroll1, &h.p().form3().HScroll1, &h.p().form5().VScroll1, &h.p().form5().VScroll2};
    }
};

TEST_F(WindowBehaviour, EnterReturnAndSpacePressTheFocusedButtonInEveryWindow) {
    int buttons = 0;
    for (FormId id : {FormId::Form1, FormId::Form3, FormId::Form4})
        for (Control* c : open(id).controls())
            if (c->kind() == Kind::Button) {
                int clicks = 0;
                static_cast<Button*>(c)->onClick = [&clicks] { ++clicks; };
                for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
                    QTest::keyClick(widget(*c), key);
                EXPECT_EQ(clicks, 3) << c->form().name() << "." << c->objectName();
                static_cast<Button*>(c)->onClick = nullptr;
                ++buttons;
            }
    EXPECT_EQ(buttons, 4);
}

// Each window starts at its first input when shown and shown again; Tab
// then visits the inputs in reading order and comes round again.
TEST_F(WindowBehaviour, FocusStartsAtTheFirstInputAndTabFollowsReadingOrder) {
    const std::pair<FormId, QStringList> cases[] = {
        {FormId::Form1, {"VScroll1", "Command1", "Command2"}},
        {FormId::Form2, {"-"}},
        {FormId::Form3, {"HScroll1", "Command1"}},
        {FormId::Form4, {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4", "Text1_5", "Text1_6", "Command1"}},
        {FormId::Form5, {"VScroll1", "VScroll2"}},
        {FormId::Backtest, {"setsField", "repeatsField", "firstField", "seedField", "runButton", "resultTable"}}};
    for (const auto& [id, order] : cases) {
        Form& form = open(id);
        const QStringList expected = order.front() == "-" ? order : order + QStringList{order.front()};
        for (int round = 0; round < 2; ++round) {
            QStringList visited{focused(id)};
            while (visited.size() < expected.size() && window(id)->focusWidget()) {
                QTest::keyClick(window(id)->focusWidget(), Qt::Key_Tab);
                visited << focused(id);
            }
            EXPECT_EQ(visited, expected) << form.name() << " round " << round;
            if (QWidget* f = window(id)->focusWidget())
                QTest::keyClick(f, Qt::Key_Tab); // leave the focus on the second input
            form.hide();
            form.show();
        }
    }
    // A run disables the focused button with the others; the focus comes back with it.
    widget(f1().Command1)->setFocus();
    for (bool enabled : {false, true})
        for (Control* c : std::initializer_list<Control*>{&f1().Command1, &f1().Command2, &f1().VScroll1})
            c->setEnabled(enabled);
    EXPECT_EQ(focused(FormId::Form1), "Command1");
}

// Fields filled through the accessibility interface, then typed with Enter
// after each: the bonus field's Enter registers all seven.
TEST_F(WindowBehaviour, WhateverFillsTheRegistrationFieldsEnterGoesOnAndRegisters) {
    const std::string before = h.folder.read("data.dat");
    const std::vector<std::string> draw{"31", "32", "33", "34", "35", "36", "37"};
    Form4& f4 = static_cast<Form4&>(open(FormId::Form4));
    f4.Text1(0).setText("12");
    f4.hide();
    f4.show();
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget(f4.Text1(0)))->selectedText(), "12") << "typing replaces it";
    for (int k = 0; k < 3; ++k) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget(f4.Text1(k)));
        a->setText(QAccessible::Value, k == 0 ? "" : "x");
        a->editableTextInterface()->replaceText(0, k == 0 ? 0 : 1, QString::fromStdString(draw[k]));
        EXPECT_EQ(f4.Text1(k).text(), draw[k]) << k;
    }
    widget(f4.Text1(3))->setFocus();
    for (int k = 3; k < 7; ++k) {
        auto* field = qobject_cast<QLineEdit*>(window(FormId::Form4)->focusWidget());
        ASSERT_EQ(field, widget(f4.Text1(k)));
        QTest::keyClicks(field, QString::fromStdString(draw[k]));
        QTest::keyClick(field, Qt::Key_Return);
    }
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.folder.read("data.dat"), before + test::crlf(draw));
    EXPECT_FALSE(f4.visible());
}

TEST_F(WindowBehaviour, ScrollBarKeysMoveTheValueTheWayItsArrowsDo) {
    for (ScrollBar* bar : scrollBars()) {
        auto* w = qobject_cast<qt::ScrollBarWidget*>(widget(*bar));
        const int lo = bar->min();
        const int hi = bar->max();
        ASSERT_GE(hi - lo, 2) << bar->objectName();
        const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Home, lo},
                                                 {Qt::Key_Right, lo + 1},
                                                 {Qt::Key_Down, lo + 2},
                                                 {Qt::Key_Left, lo + 1},
                                                 {Qt::Key_Up, lo},
                                                 {Qt::Key_End, hi},
                                                 {Qt::Key_PageUp, std::max(lo, hi - w->pageStep())},
                                                 {Qt::Key_PageDown, hi}};
        for (const auto& [key, expected] : steps) {
            QTest::keyClick(w, key);
            EXPECT_EQ(bar->value(), expected) << bar->form().name() << "." << bar->objectName() << " key " << key;
        }
        QTest::keyClick(w, Qt::Key_Home, Qt::ControlModifier);
        EXPECT_EQ(bar->value(), hi) << "Ctrl+Home belongs to a shortcut";
        // The arrow at the right or bottom end agrees with Right and Down.
        bar->setValue(lo);
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().bottomRight() - QPoint(2, 2));
        EXPECT_EQ(bar->value(), lo + 1) << bar->objectName();
    }
}

TEST_F(WindowBehaviour, TheThumbIsOneStepLongAtLeastEightPixelsAndShowsTheFocus) {
    for (ScrollBar* bar : scrollBars()) {
        auto* w = qobject_cast<qt::ScrollBarWidget*>(widget(*bar));
        const auto length = [bar](const QRect& r) { return bar->vertical ? r.height() : r.width(); };
        const QRect groove = w->grooveRect();
        // The match search sets its own ranges on every change.
        const bool own = bar->form().id() == FormId::Form5;
        for (int steps : own ? std::vector<int>{bar->max() - bar->min() + 1} : std::vector<int>{1, 2, 5, 43}) {
            bar->setMax(bar->min() + steps - 1);
            for (int value : {bar->min(), bar->max()}) {
                bar->setValue(value);
                const QRect thumb = w->thumbRect();
                EXPECT_NEAR(length(thumb), std::max(8, length(groove) / steps), 1) << bar->objectName() << steps;
                EXPECT_EQ(value == bar->min() ? thumb.topLeft() : thumb.bottomRight(),
                          value == bar->min() ? groove.topLeft() : groove.bottomRight());
            }
        }
    }
    QWidget* bar = widget(h.p().form3().HScroll1);
    const auto highlighted = [bar] {
        const QImage image = bar->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == bar->palette().color(QPalette::Highlight);
        return count;
    };
    window(FormId::Form3)->activateWindow();
    QCoreApplication::processEvents();
    ASSERT_TRUE(bar->hasFocus());
    EXPECT_GT(highlighted(), 40);
    widget(h.p().form3().Command1)->setFocus();
    EXPECT_EQ(highlighted(), 0);
}

TEST_F(WindowBehaviour, EveryWindowIsAFixedWindowNamedByItsCaptionAndEmptyPicturesHaveNoName) {
    for (FormId id : {FormId::Form1, FormId::Form2, FormId::Form3, FormId::Form4, FormId::Form5, FormId::Backtest}) {
        Form& form = open(id);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(window(id));
        EXPECT_EQ(a->role(), QAccessible::Window) << form.name();
        EXPECT_EQ(a->text(QAccessible::Name).toStdString(), id == FormId::Form1 ? test::kTitle : form.caption());
        EXPECT_FALSE(window(id)->windowFlags() & Qt::WindowMaximizeButtonHint) << form.name();
        EXPECT_EQ(window(id)->minimumSize(), window(id)->maximumSize()) << form.name();
    }
    // Both inside the frame "推測結果".
    QAccessibleInterface* ball = QAccessible::queryAccessibleInterface(widget(f1().Image2(0)));
    QAccessibleInterface* number = QAccessible::queryAccessibleInterface(widget(f1().Label8(0)));
    EXPECT_EQ(ball->role(), QAccessible::Graphic);
    EXPECT_EQ(ball->text(QAccessible::Name) + number->text(QAccessible::Name), "");
    f1().Image2(0).setPicture(ballPicture(7));
    f1().Label8(0).setCaption("8");
    EXPECT_EQ(ball->text(QAccessible::Name) + number->text(QAccessible::Name), "78");
}

// Whatever control has the focus, Esc closes a secondary window the way its
// close box does (discarded, built afresh next time, nothing saved), and the
// main window not at all.
TEST_F(WindowBehaviour, EscClosesASecondaryWindowAsItsCloseBoxDoesAndNeverTheMainWindow) {
    const std::string drawsBefore = h.folder.read("data.dat");
    for (FormId id : {FormId::Form2, FormId::Form3, FormId::Form4, FormId::Form5, FormId::Backtest}) {
        Form& form = open(id);
        SCOPED_TRACE(form.name());
        if (id == FormId::Form4)
            QTest::keyClicks(window(id)->focusWidget(), "12");
        QWidget* target = window(id)->focusWidget() ? window(id)->focusWidget() : window(id);
        QTest::keyClick(target, Qt::Key_Escape);
        EXPECT_FALSE(h.p().hasForm(id));
        EXPECT_EQ(adapter->view(id), nullptr);
        open(id);
        ASSERT_NE(adapter->view(id), nullptr);
        EXPECT_TRUE(window(id)->isVisible()) << "opens again";
    }
    EXPECT_EQ(h.p().form4().Text1(0).text(), "") << "built afresh";
    EXPECT_EQ(h.folder.read("data.dat"), drawsBefore);

    for (QWidget* target : {window(FormId::Form1), widget(f1().Command1), widget(f1().VScroll1)})
        QTest::keyClick(target, Qt::Key_Escape);
    EXPECT_TRUE(main()->isVisible());
    EXPECT_EQ(h.platform.quits, 0);
}

// 実行 pressed from the keyboard: the focus goes on to 中止, which Space
// presses; Esc in the middle of a run closes the window and ends the run.
TEST_F(WindowBehaviour, TheBacktestRunsAndStopsFromTheKeyboard) {
    auto& f = static_cast<BacktestForm&>(open(FormId::Backtest));
    widget(f.runButton)->setFocus();
    QTest::keyClick(widget(f.runButton), Qt::Key_Space);
    ASSERT_TRUE(f.runTimer.enabled());
    EXPECT_EQ(focused(FormId::Backtest), "cancelButton");
    QTest::keyClick(window(FormId::Backtest)->focusWidget(), Qt::Key_Space);
    EXPECT_FALSE(f.runTimer.enabled());
    EXPECT_EQ(f.progressLabel.caption(), "検証を中止しました。");

    f.runButton.click();
    ASSERT_TRUE(f.runTimer.enabled());
    QTest::keyClick(window(FormId::Backtest)->focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(h.p().hasForm(FormId::Backtest));
}

TEST_F(WindowBehaviour, AWindowTheUserMovedReopensWhereTheyLeftItEvenAfterItWasClosed) {
    open(FormId::Form3);
    const QPoint moved = window(FormId::Form3)->screen()->availableGeometry().center() - QPoint(100, 40);
    ASSERT_NE(window(FormId::Form3)->pos(), moved);
    window(FormId::Form3)->move(moved);
    h.p().form3().Command1.click(); // "決定" hides the window
    open(FormId::Form3);
    EXPECT_EQ(window(FormId::Form3)->pos(), moved);
    window(FormId::Form3)->close();
    ASSERT_FALSE(h.p().hasForm(FormId::Form3)) << "closed windows are discarded";
    open(FormId::Form3);
    EXPECT_EQ(window(FormId::Form3)->pos(), moved);

    // One the user left alone opens afresh beside the main window, clear of its menu bar.
    open(FormId::Form4);
    QMenuBar* menu = adapter->mainWindow()->menuBar();
    EXPECT_FALSE(window(FormId::Form4)->frameGeometry().intersects(QRect(menu->mapToGlobal(QPoint()), menu->size())));
}

} // namespace
} // namespace zoki
