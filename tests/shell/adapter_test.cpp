#include "adapter_fixture.h"
#include "base/errors.h"
#include "program/messages.h"
#include "shell/adapter.h"
#include "shell/pictures.h"
#include "shell/widgets.h"
#include "support/control_values.h"
#include "support/fakes.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zoki {
namespace {

using test::kRed;

QString qs(const std::string& s) { return QString::fromStdString(s); }

class AdapterTest : public test::AdapterFixture {
protected:
    template <class W> W* widget(const Control& c) {
        qt::FormView* view = adapter->view(c.form().id());
        return view ? dynamic_cast<W*>(view->widget(c)) : nullptr;
    }
};

TEST_F(AdapterTest, LabelsButtonsAndFramesShowTheirCaptionsAndAreNamedByThem) {
    f1().Label8(3).setCaption("17");
    auto* label = main()->findChild<QLabel*>("Label8_3");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "17");
    EXPECT_EQ(label->accessibleName(), "17");

    f1().Label8(3).setCaption("");
    EXPECT_EQ(label->text(), "");
    EXPECT_EQ(label->accessibleName(), "");

    auto* frame = widget<QGroupBox>(f1().Frame5);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), "判定結果");
    EXPECT_EQ(frame->accessibleName(), "判定結果");

    auto* button = widget<QPushButton>(f1().Command1);
    ASSERT_NE(button, nullptr);
    f1().Command1.setCaption("判&定");
    EXPECT_EQ(button->text(), "判&定");
    EXPECT_EQ(button->accessibleName(), "判定");
}

TEST_F(AdapterTest, EveryControlHasOneWidgetNamedLikeIt) {
    int widgets = 0;
    for (Control* c : f1().controls()) {
        if (c->kind() == Kind::MenuItem || c->kind() == Kind::Timer)
            continue;
        const auto found = main()->findChildren<QWidget*>(qs(c->objectName()));
        EXPECT_EQ(found.size(), 1) << c->objectName();
        ++widgets;
    }
    EXPECT_EQ(widgets, 1 + 1 + 6 + 6 + 1 + 5 + 30 + 30 + 1 + 1 + 1 + 1 + 4);
    EXPECT_EQ(main()->objectName(), "Form1");
}

// The backtest window's own kinds of control: a table, a progress bar and a
// chart, each showing what its control holds and named for a screen reader.
TEST_F(AdapterTest, TablesProgressBarsAndChartsShowTheirControls) {
    f1().vBacktest.click();
    BacktestForm& f = h.p().backtestForm();
    auto* table = widget<QTableWidget>(f.resultTable);
    ASSERT_NE(table, nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(table->rowCount(), 13);
    EXPECT_EQ(table->verticalScrollBar()->maximum(), 0) << "every row in sight";
    EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0) << "every column in sight";
    f.resultTable.setContent({"", "a", "b"}, {{"1等", "0", "1/6,096,454"}, {"当選率", "2.7%", "x"}});
    ASSERT_EQ(table->columnCount(), 3);
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->horizontalHeaderItem(1)->text(), "a");
    EXPECT_EQ(table->item(0, 2)->text(), "1/6,096,454");
    EXPECT_EQ(table->item(1, 0)->text(), "当選率");
    EXPECT_EQ(table->columnWidth(0), 170);
    EXPECT_EQ(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(table->tabKeyNavigation()) << "Tab leaves the table";
    EXPECT_EQ(table->accessibleName(), "検証の結果");

    auto* progress = widget<QProgressBar>(f.progress);
    ASSERT_NE(progress, nullptr);
    f.progress.setMax(80);
    f.progress.setValue(30);
    EXPECT_EQ(progress->maximum(), 80);
    EXPECT_EQ(progress->value(), 30);
    EXPECT_EQ(progress->accessibleName(), "進み具合");

    auto* chart = widget<qt::IntervalChartWidget>(f.rateChart);
    ASSERT_NE(chart, nullptr);
    ChartContent content;
    content.rows = {{"ランダム", 0.02, 0.01, 0.03, "2.00%"}, {"データ", 0.05, 0.045, 0.055, "5.00%"}};
    content.reference = 0.04;
    content.referenceText = "偶然 4.00%";
    content.axisMax = 0.06;
    content.ticks = {{0, "0%"}, {0.03, "3%"}, {0.06, "6%"}};
    f.rateChart.setContent(content);
    EXPECT_EQ(chart->content(), content);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(chart);
    EXPECT_EQ(a->role(), QAccessible::Chart);
    EXPECT_EQ(a->text(QAccessible::Name), "当選率と 95% 区間 (赤い縦線は偶然の当選率)");
    EXPECT_EQ(a->text(QAccessible::Description), "ランダム 2.00%、データ 5.00%、偶然 4.00%");
    // The red line stands at chance's rate, and nowhere else.
    const QImage image = chart->grab().toImage();
    const auto redAt = [&image](int x) {
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            red += image.pixelColor(x, y).red() > 180 && image.pixelColor(x, y).green() < 80 ? 1 : 0;
        return red;
    };
    EXPECT_GT(redAt(chart->xOf(0.04)), 20);
    EXPECT_EQ(redAt(chart->xOf(0.02)), 0);
    EXPECT_LT(chart->xOf(0.01), chart->xOf(0.03));

    EXPECT_TRUE(widget<QLabel>(f.verdictLabel)->wordWrap());
    EXPECT_EQ(widget<QLineEdit>(f.seedField)->accessibleName(), "乱数の種");
}

TEST_F(AdapterTest, WidthsAndPositionsInTwipsBecomeWholePixels) {
    Form2& f2 = h.p().form2();
    f2.show();
    auto* bar = widget<QLabel>(f2.Label2(0));
    auto* outBar = widget<QLabel>(f2.Label5(0));
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(outBar, nullptr);
    // Inside the statistics frame, at its own offsets.
    EXPECT_EQ(bar->parentWidget()->objectName(), "Frame4");
    EXPECT_EQ(bar->x(), 41); // 615 twips
    EXPECT_EQ(bar->height(), 9);
    EXPECT_EQ(outBar->y() - bar->y(), 8);
    EXPECT_TRUE(bar->autoFillBackground());
    EXPECT_EQ(bar->palette().color(QPalette::Window), QColor(255, 0, 0));

    struct Case {
        float twips;
        int pixels;
    };
    for (const Case& c :
         {Case{975, 65}, Case{487.5f, 33}, Case{487.4f, 32}, Case{22.5f, 2}, Case{7.4f, 0}, Case{1, 0}, Case{0, 0}}) {
        f2.Label2(0).setWidth(c.twips);
        EXPECT_EQ(bar->width(), c.pixels) << c.twips;
        EXPECT_EQ(f2.Label2(0).width(), c.twips) << "the control keeps the exact width";
    }
}

TEST_F(AdapterTest, PicturesFollowTheirNumberAndSayWhatTheyShow) {
    auto* count = widget<qt::PictureBox>(f1().Image4);
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->number(), 1001) << "start-up shows count picture 1";
    f1().Image4.setPicture(countPicture(3));
    EXPECT_EQ(count->number(), 1003);
    EXPECT_EQ(count->accessibleName(), "3");

    EXPECT_EQ(widget<qt::PictureBox>(f1().Image5)->accessibleName(), "START");
    EXPECT_EQ(widget<qt::PictureBox>(f1().Image6)->accessibleName(), "HISTORY");
    EXPECT_FALSE(widget<qt::PictureBox>(f1().Image3)->accessibleName().isEmpty());

    auto* ball = widget<qt::PictureBox>(f1().Image2(0));
    f1().Image2(0).setPicture(ballPicture(7));
    EXPECT_EQ(ball->accessibleName(), "7");
    f1().Image2(0).setPicture(bonusBallPicture(7));
    EXPECT_EQ(ball->number(), 150);
    EXPECT_EQ(ball->accessibleName(), "7");
    f1().Image2(0).setPicture(0);
    EXPECT_EQ(ball->number(), 0);
    EXPECT_EQ(ball->accessibleName(), "");
}

TEST(Pictures, EveryNumberTheProgramShowsIsCompiledInAtBothScales) {
    struct Range {
        int first;
        int last;
        QSize size;
    };
    for (const Range& r : {Range{101, 186, {32, 32}}, Range{1001, 1005, {60, 60}}, Range{997, 997, {283, 283}},
                           Range{503, 503, {85, 142}}, Range{502, 502, {85, 95}}}) {
        for (int n = r.first; n <= r.last; ++n) {
            const QPixmap plain = qt::picture(n, 1.0);
            const QPixmap crisp = qt::picture(n, 2.0);
            EXPECT_EQ(plain.size(), r.size) << n;
            EXPECT_EQ(crisp.size(), r.size * 2) << n;
            EXPECT_EQ(crisp.deviceIndependentSize(), QSizeF(r.size)) << n;
        }
    }
    for (int n : {0, 100, 187, 1000, 1006, 501})
        EXPECT_TRUE(qt::picture(n).isNull()) << n;
    EXPECT_EQ(qt::pictureWord(143), "43");
    EXPECT_EQ(qt::pictureWord(144), "1");
    EXPECT_EQ(qt::pictureWord(186), "43");
    EXPECT_EQ(qt::pictureWord(1005), "5");
}

TEST_F(AdapterTest, UserMovesOfTheScrollBarRaiseTheChangeAndProgramMovesDoNotEcho) {
    int changes = 0;
    auto handler = f1().VScroll1.onChange;
    f1().VScroll1.onChange = [&] {
        ++changes;
        handler();
    };
    auto* bar = widget<QScrollBar>(f1().VScroll1);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 5);

    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(f1().VScroll1.value(), 2);
    EXPECT_EQ(widget<QLabel>(f1().Label7)->text(), "2");
    EXPECT_EQ(widget<qt::PictureBox>(f1().Image4)->number(), 1002);

    f1().VScroll1.setValue(4);
    EXPECT_EQ(changes, 2) << "one change for one program move";
    EXPECT_EQ(bar->value(), 4);
    EXPECT_EQ(widget<QLabel>(f1().Label7)->text(), "4");
}

TEST_F(AdapterTest, ClicksOnPicturesButtonsAndMenusReachTheHandlers) {
    // With no kept sets the history opener warns; reaching it proves the route.
    QTest::mouseClick(widget<qt::PictureBox>(f1().Image6), Qt::LeftButton);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].title, "【警告】");

    widget<QPushButton>(f1().Command2)->click();
    EXPECT_EQ(h.dialogs.shown.size(), 2u);

    QAction* veryFast = adapter->view(FormId::Form1)->action(f1().vSHigh);
    ASSERT_NE(veryFast, nullptr);
    veryFast->trigger();
    EXPECT_TRUE(f1().vSHigh.checked());
    EXPECT_FALSE(f1().vMidle.checked());
    EXPECT_TRUE(veryFast->isChecked());
    EXPECT_FALSE(adapter->view(FormId::Form1)->action(f1().vMidle)->isChecked());
    EXPECT_EQ(f1().Timer1.interval(), 10);
}

// What the user does runs through the program's one last guard: a fault
// that escapes is told in the program's own message box.
TEST_F(AdapterTest, AFaultEscapingAUserActionIsToldByTheProgram) {
    f1().Command1.onClick = [] { throw OverflowError(); };
    f1().Image6.onClick = [] { throw IndexError(); };
    widget<QPushButton>(f1().Command1)->click();
    QTest::mouseClick(widget<qt::PictureBox>(f1().Image6), Qt::LeftButton);
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_EQ(h.dialogs.shown[0].text, msg::stoppedMessage(OverflowError()));
    EXPECT_EQ(h.dialogs.shown[1].text, msg::stoppedMessage(IndexError()));
    for (const test::ShownMessage& shown : h.dialogs.shown) {
        EXPECT_EQ(shown.title, msg::kWarning);
        EXPECT_EQ(shown.icon, Icon::Critical);
    }
}

TEST_F(AdapterTest, MenusShowCaptionsCheckMarksAndEnabling) {
    qt::FormView* view = adapter->view(FormId::Form1);
    QAction* clearMenu = view->action(f1().vClear);
    ASSERT_NE(clearMenu, nullptr);
    ASSERT_NE(clearMenu->menu(), nullptr);
    EXPECT_EQ(clearMenu->text(), "クリア(&C)");
    EXPECT_EQ(clearMenu->menu()->accessibleName(), "クリア(C)");
    EXPECT_EQ(clearMenu->objectName(), "vClear");
    EXPECT_FALSE(clearMenu->isEnabled());
    f1().vClear.setEnabled(true);
    EXPECT_TRUE(clearMenu->isEnabled());
    EXPECT_FALSE(view->action(f1().vAllClear)->isEnabled());
    EXPECT_EQ(main()->menuBar()->actions().size(), 4);

    EXPECT_TRUE(view->action(f1().selectLoto6)->isChecked());
    EXPECT_FALSE(view->action(f1().selectNumbers3)->isChecked());
    EXPECT_FALSE(view->action(f1().selectNumbers3)->isCheckable()) << "no empty box beside an unchecked item";

    QAction* lvA = view->action(f1().lvA);
    QAction* lvB = view->action(f1().lvB);
    lvA->trigger();
    EXPECT_TRUE(f1().lvA.checked());
    EXPECT_TRUE(lvA->isChecked());
    EXPECT_FALSE(lvB->isChecked());
    lvA->trigger();
    EXPECT_FALSE(f1().lvA.checked());
    EXPECT_FALSE(lvA->isChecked());

    // The program takes a mark back (all five ranges refused): the menu follows.
    for (MenuItem* item : {&f1().lvA, &f1().lvB, &f1().lvC, &f1().lvD})
        view->action(*item)->trigger();
    EXPECT_FALSE(f1().lvD.checked());
    EXPECT_FALSE(view->action(f1().lvD)->isChecked());
    EXPECT_TRUE(lvB->isChecked());
}

// The range items are captioned from their numbers as the window is wired,
// before the menu is built: the submenu shows them, in range order.
TEST_F(AdapterTest, TheRangeSubmenuShowsCaptionsBuiltFromTheNumbers) {
    QAction* ranges = adapter->view(FormId::Form1)->action(f1().yosoku);
    ASSERT_NE(ranges, nullptr);
    ASSERT_NE(ranges->menu(), nullptr);
    std::vector<std::string> texts;
    for (const QAction* a : ranges->menu()->actions())
        texts.push_back(a->text().toStdString());
    EXPECT_EQ(texts, (std::vector<std::string>{"01～09の数値を対象外とする", "10～19の数値を対象外とする",
                                               "20～29の数値を対象外とする", "30～39の数値を対象外とする",
                                               "40～43の数値を対象外とする"}));
}

TEST_F(AdapterTest, TypingReachesTheFieldAndItsColourShows) {
    Form4& f4 = h.p().form4();
    f4.show();
    auto* first = widget<QLineEdit>(f4.Text1(0));
    auto* bonus = widget<QLineEdit>(f4.Text1(6));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(bonus->palette().color(QPalette::Base), QColor(255, 192, 255));
    EXPECT_EQ(first->parentWidget()->objectName(), "Frame3");

    QTest::keyClicks(first, "12");
    EXPECT_EQ(f4.Text1(0).text(), "12");
    f4.Text1(0).setBackColor(kRed);
    EXPECT_EQ(first->palette().color(QPalette::Base), QColor(255, 0, 0));
    f4.Text1(0).setText("");
    EXPECT_EQ(first->text(), "");
}

TEST_F(AdapterTest, ClosingASecondaryWindowDiscardsItAndTheNextUseBuildsItAfresh) {
    Form4& f4 = h.p().form4();
    f4.show();
    QPointer<QWidget> window = adapter->view(FormId::Form4)->window();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "登録フォーム");

    window->close();
    EXPECT_FALSE(h.p().hasForm(FormId::Form4));
    EXPECT_EQ(adapter->view(FormId::Form4), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);
    EXPECT_EQ(h.platform.quits, 0);

    h.p().form4().show();
    ASSERT_NE(adapter->view(FormId::Form4), nullptr);
    EXPECT_TRUE(adapter->view(FormId::Form4)->window()->isVisible());
}

TEST_F(AdapterTest, HidingKeepsTheWindowAndShowingAgainReusesIt) {
    Form3& f3 = h.p().form3();
    f3.show();
    QWidget* window = adapter->view(FormId::Form3)->window();
    f3.HScroll1.setValue(7);
    f3.hide();
    EXPECT_FALSE(window->isVisible());
    f3.show();
    EXPECT_EQ(adapter->view(FormId::Form3)->window(), window);
    EXPECT_EQ(widget<QScrollBar>(f3.HScroll1)->value(), 7);
    EXPECT_EQ(widget<QLabel>(f3.Label1)->text(), "7");
}

TEST_F(AdapterTest, ClosingTheMainWindowEndsTheProgramEvenWithOthersOpen) {
    h.p().form4().show();
    main()->close();
    EXPECT_EQ(h.platform.quits, 1);
}

TEST_F(AdapterTest, TheWindowTitleAndActivationReachTheProgram) {
    EXPECT_EQ(main()->windowTitle().toStdString(), test::kTitle);
    Form2& f2 = h.p().form2();
    f2.Timer1.setEnabled(false);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(main(), &activate);
    EXPECT_TRUE(f2.Timer1.enabled());
    QTimer* timer = adapter->view(FormId::Form2)->timer(f2.Timer1);
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 500);
}

// A window of our own to watch ticks and clicks without the program's handlers.
struct ProbeForm : Form {
    ProbeForm() : Form(FormId::Form3, "Probe") {
        clientWidth = 1500;
        clientHeight = 1500;
        I.setGeometry(0, 0, 480, 480);
    }
    Timer T{*this, "T"};
    Image I{*this, "I"};
};

TEST(FormViewTimers, TicksFollowTheTimerAndWaitWhileADialogIsOpen) {
    ProbeForm form;
    int ticks = 0;
    form.T.onTick = [&] { ++ticks; };
    bool allowed = true;
    qt::FormView view(form, {{}, {}, [&] { return allowed; }, {}});
    QTimer* timer = view.timer(form.T);
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive()) << "an interval of 0 never ticks";

    form.T.setInterval(5);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 5000));

    allowed = false;
    const int before = ticks;
    QTest::qWait(60);
    EXPECT_EQ(ticks, before);
    allowed = true;

    form.T.setInterval(20);
    EXPECT_EQ(timer->interval(), 20);
    form.T.setEnabled(false);
    EXPECT_FALSE(timer->isActive());

    view.detach();
    form.T.setEnabled(true);
    EXPECT_FALSE(timer->isActive()) << "a detached view no longer follows the form";
}

TEST(FormViewPictures, ADoubleClickIsOneClickAndOneDoubleClick) {
    ProbeForm form;
    int clicks = 0;
    int doubles = 0;
    form.I.onClick = [&] { ++clicks; };
    form.I.onDblClick = [&] { ++doubles; };
    qt::FormView view(form, {});
    EXPECT_EQ(view.window(), nullptr) << "built on first show";
    form.show();
    auto* box = dynamic_cast<qt::PictureBox*>(view.widget(form.I));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->size(), QSize(32, 32));

    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 0);
    // What the window system delivers for a double-click.
    QTest::mousePress(box, Qt::LeftButton);
    QTest::mouseRelease(box, Qt::LeftButton);
    QTest::mousePress(box, Qt::LeftButton);
    QTest::mouseDClick(box, Qt::LeftButton);
    QTest::mouseRelease(box, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(doubles, 1);
    QTest::mouseClick(box, Qt::RightButton);
    EXPECT_EQ(clicks, 2);
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(clicks, 3) << "the click after a double-click counts again";

    form.I.setEnabled(false);
    const int before = clicks;
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(clicks, before) << "a disabled picture ignores clicks";
}

} // namespace
} // namespace zoki
