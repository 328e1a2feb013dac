#pragma once

#include "base/random.h"
#include "program/program.h"
#include "shell/adapter.h"
#include "shell/qt_services.h"

#include <QString>

#include <memory>

class QApplication;

namespace zoki::qt {

// True when a window system can be reached (an X or Wayland display, or a
// platform chosen explicitly with QT_QPA_PLATFORM).
bool displayAvailable();

// Application-wide settings: Qt's own translations for the desktop's
// language (so a Japanese desktop shows はい / いいえ), a font with Japanese
// glyphs at the size the layouts were drawn for, the window icon.
void prepareApplication(QApplication& app);

// The program with its windows, over the given data folder.
class ZokiApp {
public:
    explicit ZokiApp(const QString& folder);
    ~ZokiApp();
    ZokiApp(const ZokiApp&) = delete;
    ZokiApp& operator=(const ZokiApp&) = delete;

    // Runs the main window's load and shows the window. False, after telling
    // the user why, when the data files cannot be prepared.
    bool start();

    Program& program() { return *program_; }
    Adapter& adapter() { return *adapter_; }

private:
    QtDialogs dialogs_;
    ClockMixedRandom random_;
    QtPlatform platform_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<Adapter> adapter_;
};

} // namespace zoki::qt
