#include "shell/application.h"

#include "app/startup.h"
#include "app/wiring.h"
#include "program/messages.h"
#include "shell/pictures.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMainWindow>
#include <QTranslator>

#include <cstdlib>
#include <exception>

namespace zoki::qt {

namespace {

bool envSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

bool displayAvailable() { return envSet("DISPLAY") || envSet("WAYLAND_DISPLAY") || envSet("QT_QPA_PLATFORM"); }

void prepareApplication(QApplication& app) {
    QCoreApplication::setApplicationName(QStringLiteral("zoki"));

    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;

    // The windows have fixed layouts drawn for a 9 point font; a desktop with
    // larger default text would clip the captions. Japanese fonts come first so
    // that the kanji take their Japanese forms, not a Chinese fallback's.
    QFont font = QApplication::font();
    QStringList families{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP"),
                         QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic")};
    families << font.families();
    families.removeDuplicates();
    font.setFamilies(families);
    font.setPointSizeF(9);
    QApplication::setFont(font);

    QIcon icon;
    icon.addPixmap(picture(106, 1.0));
    icon.addPixmap(picture(106, 2.0));
    QApplication::setWindowIcon(icon);
}

ZokiApp::ZokiApp(const QString& folder) {
    program_ =
        std::make_unique<Program>(std::filesystem::path(folder.toStdString()), dialogs_, random_, platform_, wire);
    adapter_ = std::make_unique<Adapter>(*program_, [this] { return !dialogs_.open(); });
    dialogs_.owner = [this] { return adapter_->dialogOwner(); };
    dialogs_.place = [this](QWidget& box) { adapter_->placeMessageBox(box); };
    platform_.beforeQuit = [this] { adapter_->stop(); };
}

ZokiApp::~ZokiApp() {
    dialogs_.owner = nullptr;
    dialogs_.place = nullptr;
    platform_.beforeQuit = nullptr;
    adapter_.reset();
    program_.reset();
}

bool ZokiApp::start() {
    try {
        Form_Load(*program_);
    } catch (const std::exception& e) {
        dialogs_.messageBox(msg::cannotStartMessage(e, program_->folder), msg::kWarningBracketed, Buttons::Ok,
                            Icon::Critical);
        return false;
    }
    program_->form1.show();
    return true;
}

} // namespace zoki::qt
