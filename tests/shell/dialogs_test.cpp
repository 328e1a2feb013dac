#include "shell/qt_services.h"
#include "support/fakes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace zoki {
namespace {

TEST(DialogText, LineJoinsBecomeLineBreaks) {
    EXPECT_EQ(qt::displayText("一行目\r二行目"), "一行目\n二行目");
    EXPECT_EQ(qt::displayText("a\r\nb\rc"), "a\nb\nc");
    EXPECT_EQ(qt::displayText("当たりますように(笑)"), "当たりますように(笑)");
}

// Laid out in a box far too narrow for it, a line breaks around a draw's
// name, never inside it, and never between "ボーナス" and its number.
TEST(DialogText, DrawNamesAndBonusNumbersStayOnOneLine) {
    const QString text = qt::displayText("第1500回  登録済み: 2 8 10 13 27 ［30］  ボーナス 39  ／  第12回");
    QTextLayout layout(text, QApplication::font());
    layout.beginLayout();
    std::vector<QString> lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(1); // every place that may break, breaks
        lines.push_back(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    const auto whole = [&](const QString& part) {
        return std::any_of(lines.begin(), lines.end(), [&](const QString& l) { return l.contains(part); });
    };
    EXPECT_GT(lines.size(), 8u);
    EXPECT_TRUE(whole(QStringLiteral("第\u20601500\u2060回")));
    EXPECT_TRUE(whole(QStringLiteral("ス\u00A039"))) << "the number stays with its word";
    EXPECT_TRUE(whole(QStringLiteral("第\u206012\u2060回")));
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

// Runs `look` on the message box from the box's own event loop, the first
// events it takes once it is open.
void onceTheBoxIsOpen(std::function<void(QMessageBox&)> look) {
    QTimer::singleShot(0, [look] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        look(*box);
    });
}

void press(QMessageBox& box, Qt::Key key) { QTest::keyClick(box.focusWidget() ? box.focusWidget() : &box, key); }

// A question (the keep question among them) is answered by its buttons or by
// Enter on its default button; Esc and the close box do nothing, where
// QMessageBox would take them as No. A box with OK alone still closes on Esc.
TEST(QtDialogs, EscAndTheCloseBoxDoNotAnswerAQuestion) {
    struct Case {
        const char* name;
        Buttons buttons;
        std::function<void(QMessageBox&)> answer; // after Esc and a close
        bool staysOpen;
        Answer expected;
    };
    const Case cases[] = {
        {"Enter takes the default Yes", Buttons::YesNo, [](QMessageBox& box) { press(box, Qt::Key_Return); }, true,
         Answer::Yes},
        {"the No button", Buttons::YesNo, [](QMessageBox& box) { box.button(QMessageBox::No)->click(); }, true,
         Answer::No},
        {"the Yes button", Buttons::YesNo, [](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); }, true,
         Answer::Yes},
        {"Enter takes the default No of a replacing question", Buttons::YesNoDefaultNo,
         [](QMessageBox& box) { press(box, Qt::Key_Return); }, true, Answer::No},
        {"the Yes button of a replacing question", Buttons::YesNoDefaultNo,
         [](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); }, true, Answer::Yes},
        {"a notice closes on Esc", Buttons::Ok, [](QMessageBox&) {}, false, Answer::Ok},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        qt::QtDialogs dialogs;
        bool openAfterEsc = false;
        bool openAfterClose = false;
        onceTheBoxIsOpen([&](QMessageBox& box) {
            press(box, Qt::Key_Escape);
            openAfterEsc = box.isVisible();
            if (openAfterEsc) {
                box.close();
                openAfterClose = box.isVisible();
            }
            if (box.isVisible())
                c.answer(box);
        });
        EXPECT_EQ(dialogs.messageBox("今回の出力結果を履歴に残しますか？", "【質問】", c.buttons, Icon::None),
                  c.expected);
        EXPECT_EQ(openAfterEsc, c.staysOpen);
        EXPECT_EQ(openAfterClose, c.staysOpen);
        EXPECT_FALSE(dialogs.open());
    }
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
