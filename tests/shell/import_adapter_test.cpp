#include "adapter_fixture.h"
#include "import/import_messages.h"
#include "program/main_window.h"
#include "reveal/enabling.h"
#include "shell/adapter.h"
#include "shell/qt_services.h"
#include "support/fakes.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <memory>

namespace zoki {
namespace {

class ImportAdapterTest : public test::AdapterFixture {
protected:
    // Drags the data over the main window, then drops it; true for each step
    // the window took.
    std::pair<bool, bool> dragAndDrop(const QMimeData& data) {
        QDragEnterEvent enter(QPoint(40, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(main(), &enter);
        QDropEvent drop(QPointF(40, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(main(), &drop);
        return {enter.isAccepted(), drop.isAccepted()};
    }
};

TEST_F(ImportAdapterTest, TheItemEndsTheDataMenuAfterALineAndReachesTheImport) {
    qt::FormView* view = adapter->view(FormId::Form1);
    QAction* data = view->action(f1().vSet);
    ASSERT_NE(data, nullptr);
    ASSERT_NE(data->menu(), nullptr);
    const QList<QAction*> items = data->menu()->actions();
    ASSERT_EQ(items.size(), 8);
    EXPECT_EQ(items[5], view->action(f1().vResHitNoData));
    EXPECT_TRUE(items[6]->isSeparator());
    EXPECT_EQ(items[7], view->action(f1().vImport));
    EXPECT_EQ(items[7]->text(), "当選データ取込(&I)...");

    items[7]->trigger();
    ASSERT_EQ(h.dialogs.openRequests.size(), 1u);
    EXPECT_EQ(h.dialogs.openRequests[0].title, "当選データの取込");

    itemEnable(h.p(), 0);
    EXPECT_FALSE(data->isEnabled()) << "out of reach during a reveal, with the whole data menu";
}

TEST_F(ImportAdapterTest, AFileDroppedOnTheMainWindowIsImportedButNotDuringAReveal) {
    h.folder.write("loto6.csv", "第1回,2001/04/05,3,11,19,25,33,41,7\r\n");
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(QString::fromStdString((h.folder / "loto6.csv").string()))});
    EXPECT_TRUE(main()->acceptDrops());

    itemEnable(h.p(), 0);
    EXPECT_EQ(dragAndDrop(file), std::make_pair(false, false));
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(h.dialogs.shown.empty());

    QMimeData link;
    link.setUrls({QUrl("https://example.com/loto6.csv")});
    f1().vSet.setEnabled(true);
    EXPECT_EQ(dragAndDrop(link), std::make_pair(false, false)) << "only local files are taken";

    EXPECT_EQ(dragAndDrop(file), std::make_pair(true, true));
    EXPECT_TRUE(h.dialogs.shown.empty()) << "taken up once the drop has ended";
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(h.dialogs.shown.size(), 2u);
    EXPECT_EQ(h.dialogs.shown[0].title, "【質問】");
    EXPECT_EQ(h.folder.read("data.dat"), test::drawFile({{3, 11, 19, 25, 33, 41, 7}}));
}

TEST(QtOpenDialog, ShowsTitleFiltersAndFolderAndGivesTheChosenFile) {
    test::TempFolder folder;
    folder.write("loto6.csv", "");
    const QString wanted = QString::fromStdString((folder / "loto6.csv").string());
    qt::QtDialogs dialogs;
    QString title;
    QStringList filters;
    QString start;
    bool answered = false;
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || answered)
            return;
        answered = true;
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        start = dialog->directory().absolutePath();
        dialog->selectFile(wanted);
        static_cast<QDialog*>(dialog)->accept();
    });
    poll->start(5);
    EXPECT_EQ(dialogs.openFileName(kImportTitle, kImportFilter, folder.path().string()), wanted.toStdString());
    delete poll;
    EXPECT_EQ(title, "当選データの取込");
    EXPECT_EQ(filters, (QStringList{"CSV/テキスト (*.csv *.txt)", "すべてのファイル (*)"}));
    EXPECT_EQ(start, QDir(QString::fromStdString(folder.path().string())).absolutePath());
}

} // namespace
} // namespace zoki
