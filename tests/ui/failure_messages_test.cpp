#include "app/errors.h"
#include "app/failure_text.h"
#include "app/startup.h"
#include "support/fakes.h"
#include "support/message_checks.h"
#include "ui/qt/adapter.h"
#include "ui/qt/application.h"
#include "ui/qt/qt_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace zoki {
namespace {

// The text of the message box that `action` opens, which is then closed.
template <class Action> QString boxTextOf(Action action) {
    QString text;
    QTimer::singleShot(0, [&text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    action();
    return text;
}

// A fault that a handler does not report itself, caught by the window's last
// guard, reads as the program's own message does.
TEST(FailureMessages, AFaultCaughtByTheWindowIsExplainedInJapanese) {
    test::Harness h;
    h.start();
    qt::Adapter adapter(h.p());
    h.p().form1.show();
    h.p().form1.VScroll1.onChange = [] { throw OverflowError(); };
    auto* bar = dynamic_cast<QScrollBar*>(adapter.view(FormId::Form1)->widget(h.p().form1.VScroll1));
    ASSERT_NE(bar, nullptr);

    const QString text = boxTextOf([bar] { bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); });
    EXPECT_EQ(text.toStdString(), qt::displayText(stoppedMessage(OverflowError())).toStdString());
    EXPECT_EQ(test::lettersBeyondNames(text.toStdString()), "") << text.toStdString();
}

// A start-up that cannot prepare its data says why in the file's own words,
// and where the program keeps its data; the main window stays hidden.
TEST(FailureMessages, AStartUpThatCannotGoOnSaysWhyAndWhere) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder / "OutData.dat");
    std::string fault;
    {
        test::ScriptedDialogs dialogs;
        test::ScriptedRandom random;
        test::FakePlatform platform;
        Program probe(folder.path(), dialogs, random, platform);
        try {
            Form_Load(probe);
        } catch (const FileError& e) {
            fault = e.what();
        }
    }
    ASSERT_FALSE(fault.empty()) << "the start-up failed on its output history";

    qt::ZokiApp app(QString::fromStdString(folder.path().string()));
    bool started = true;
    const QString text = boxTextOf([&] { started = app.start(); });
    EXPECT_FALSE(started);
    EXPECT_EQ(text.toStdString(), qt::displayText(cannotStartMessage(FileError(fault), folder.path())).toStdString());
    EXPECT_FALSE(app.adapter().mainWindow()->isVisible());
}

} // namespace
} // namespace zoki
