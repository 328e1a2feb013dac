#include "support/fakes.h"
#include "ui/qt/qt_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace zoki {
namespace {

TEST(DialogText, LineJoinsBecomeLineBreaks) {
    EXPECT_EQ(qt::displayText("一行目\r二行目"), "一行目\n二行目");
    EXPECT_EQ(qt::displayText("a\r\nb\rc"), "a\nb\nc");
    EXPECT_EQ(qt::displayText("当たりますように(笑)"), "当たりますように(笑)");
}

TEST(DialogText, FiltersKeepTheirDescriptions) {
    EXPECT_EQ(qt::dialogFilter(kTextFileFilter), "テキスト ファイル (*.txt)");
    EXPECT_EQ(qt::dialogFilter("Text|*.txt;*.text|All|*.*|"), "Text (*.txt *.text);;All (*.*)");
    EXPECT_EQ(qt::dialogFilter(""), "");
}

// Runs `look` on the modal dialog once it is open.
void whenModalOpens(std::function<void(QWidget&)> look) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, look] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            look(*modal);
        }
    });
    poll->start(5);
}

TEST(QtDialogs, AQuestionShowsTitleTextAndButtonsAndReturnsTheAnswer) {
    qt::QtDialogs dialogs;
    QString title;
    QString text;
    bool openWhileShown = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModalOpens([&](QWidget& w) {
        auto& box = dynamic_cast<QMessageBox&>(w);
        title = box.windowTitle();
        text = box.text();
        icon = box.icon();
        openWhileShown = dialogs.open();
        ASSERT_NE(box.button(QMessageBox::Yes), nullptr);
        ASSERT_NE(box.button(QMessageBox::No), nullptr);
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(dialogs.messageBox("残しますか？\r二行目", "【質問】", Buttons::YesNo, Icon::None), Answer::No);
    EXPECT_EQ(title, "【質問】");
    EXPECT_EQ(text, "残しますか？\n二行目");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_TRUE(openWhileShown);
    EXPECT_FALSE(dialogs.open());

    whenModalOpens([&](QWidget& w) {
        auto& box = dynamic_cast<QMessageBox&>(w);
        icon = box.icon();
        ASSERT_NE(box.button(QMessageBox::Ok), nullptr);
        EXPECT_EQ(box.button(QMessageBox::Yes), nullptr);
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(dialogs.messageBox("<b>警告</b>", "警告", Buttons::Ok, Icon::Critical), Answer::Ok);
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST(QtDialogs, TheSaveDialogReturnsTheChosenNameOrNothing) {
    test::TempFolder folder;
    qt::QtDialogs dialogs;
    const QString wanted = QString::fromStdString((folder / "report.txt").string());
    QStringList filters;
    bool confirms = true;
    whenModalOpens([&](QWidget& w) {
        auto& dialog = dynamic_cast<QFileDialog&>(w);
        filters = dialog.nameFilters();
        confirms = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        dialog.selectFile(wanted);
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_EQ(dialogs.saveFileName(kTextFileFilter, ""), wanted.toStdString());
    EXPECT_EQ(filters, QStringList{"テキスト ファイル (*.txt)"});
    EXPECT_FALSE(confirms) << "the program asks its own overwrite question";

    whenModalOpens([&](QWidget& w) { dynamic_cast<QFileDialog&>(w).reject(); });
    EXPECT_EQ(dialogs.saveFileName(kTextFileFilter, wanted.toStdString()), std::nullopt);
}

} // namespace
} // namespace zoki
