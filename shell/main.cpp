#include "app/command_line.h"
#include "program/messages.h"
#include "shell/application.h"
#include "shell/qt_services.h"
#include "shell/single_copy.h"

#include <QApplication>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

// The program's own folder, where its data files live, as Qt finds it later.
std::filesystem::path programFolder(const char* argv0) {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", ec);
    if (!ec)
        return self.parent_path();
    return std::filesystem::absolute(argv0, ec).parent_path();
}

} // namespace

int main(int argc, char* argv[]) {
    // --version, --help and --backtest answer on the terminal, with or without
    // a display.
    if (const auto reply = zoki::commandLineReply(std::vector<std::string>(argv + 1, argv + argc),
                                                  programFolder(argc > 0 ? argv[0] : "zoki"))) {
        std::fputs(reply->text.c_str(), stdout);
        std::fputs(reply->error.c_str(), stderr);
        return reply->status;
    }
    // Without a display Qt would abort with a long trace; one line says it better.
    if (!zoki::qt::displayAvailable()) {
        std::fputs(zoki::msg::kNoDisplay, stderr);
        return 1;
    }
    QApplication app(argc, argv);
    zoki::qt::prepareApplication(app);
    const QString folder = QCoreApplication::applicationDirPath();
    // A second start on the same data brings the running window forward.
    zoki::qt::SingleCopy single(folder);
    if (single.runningElsewhere()) {
        using Reach = zoki::qt::SingleCopy::Reach;
        const Reach reach = single.raiseRunningCopy();
        if (reach == Reach::Raised)
            return 0;
        zoki::qt::QtDialogs().messageBox(reach == Reach::NotAnswering ? zoki::msg::kRunningButNotAnswering
                                                                      : zoki::msg::kAlreadyRunning,
                                         zoki::msg::kWarningBracketed, zoki::Buttons::Ok, zoki::Icon::None);
        return 1;
    }
    zoki::qt::ZokiApp zoki(folder);
    zoki.program().folderUnguarded = single.unguarded();
    single.onRaiseRequested([&zoki] { zoki.adapter().bringToFront(); });
    if (!zoki.start())
        return 1;
    return QApplication::exec();
}
