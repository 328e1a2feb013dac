#include "program/messages.h"
#include "ui/qt/application.h"
#include "ui/qt/qt_services.h"
#include "ui/qt/single_copy.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Without a display Qt would abort with a long trace; one line says it better.
    if (!zoki::qt::displayAvailable()) {
        std::fputs("zoki: no display found (DISPLAY and WAYLAND_DISPLAY are not set); "
                   "start it from a desktop session.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    zoki::qt::prepareApplication(app);
    const QString folder = QCoreApplication::applicationDirPath();
    // A second start on the same data brings the running window forward.
    zoki::qt::SingleCopy single(folder);
    if (single.runningElsewhere()) {
        if (single.raiseRunningCopy())
            return 0;
        zoki::qt::QtDialogs().messageBox(zoki::msg::kAlreadyRunning, zoki::msg::kWarningBracketed, zoki::Buttons::Ok,
                                         zoki::Icon::None);
        return 1;
    }
    zoki::qt::ZokiApp zoki(folder);
    single.onRaiseRequested([&zoki] { zoki.adapter().bringToFront(); });
    if (!zoki.start())
        return 1;
    return QApplication::exec();
}
