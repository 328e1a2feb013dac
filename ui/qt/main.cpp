#include "ui/qt/application.h"

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
    zoki::qt::ZokiApp zoki(QCoreApplication::applicationDirPath());
    if (!zoki.start())
        return 1;
    return QApplication::exec();
}
