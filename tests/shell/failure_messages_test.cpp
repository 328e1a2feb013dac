#include "base/errors.h"
#include "program/messages.h"
#include "shell/application.h"
#include "support/fakes.h"
#include "support/message_checks.h"

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
template <class Action> std::string boxTextOf(Action action) {
    std::string text;
    QTimer::singleShot(0, [&text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text().toStdString();
        box->button(QMessageBox::Ok)->click();
    });
    action();
    return text;
}

// The start-up and the window's last guard say what went wrong as the
// program's own messages do.
TEST(FailureMessages, StartUpAndTheWindowsExplainFaultsInJapanese) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder / "OutData.dat");
    qt::ZokiApp app(QString::fromStdString(folder.path().string()));
    bool started = true;
    const std::string startUp = boxTextOf([&] { started = app.start(); });
    EXPECT_FALSE(started);
    EXPECT_FALSE(app.adapter().mainWindow()->isVisible());
    EXPECT_TRUE(startUp.starts_with("ゾキを起動できません。\n")) << startUp;
    EXPECT_NE(startUp.find("OutData.dat"), std::string::npos) << "the file's own text: " << startUp;
    EXPECT_TRUE(startUp.ends_with("\nフォルダー: " + folder.path().string())) << startUp;

    Form1& f = app.program().form1;
    f.VScroll1.onChange = [] { throw OverflowError(); };
    auto* bar = dynamic_cast<QScrollBar*>(app.adapter().view(FormId::Form1)->widget(f.VScroll1));
    ASSERT_NE(bar, nullptr);
    const std::string caught = boxTextOf([bar] { bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); });
    EXPECT_EQ(caught, qt::displayText(msg::stoppedMessage(OverflowError())).toStdString());
    EXPECT_EQ(test::lettersBeyondNames(caught), "") << caught;
}

} // namespace
} // namespace zoki
