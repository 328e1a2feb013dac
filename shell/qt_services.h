#pragma once

#include "base/services.h"

#include <QString>

#include <functional>

class QWidget;

namespace zoki::qt {

// Message boxes and the save dialog of the window system.
class QtDialogs : public Dialogs {
public:
    Answer messageBox(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
    std::optional<std::string> saveFileName(const std::string& filter, const std::string& lastName) override;
    std::optional<std::string> openFileName(const std::string& title, const std::string& filter,
                                            const std::string& folder) override;

    // The window a dialog belongs to (the active one, else the main window).
    std::function<QWidget*()> owner;
    // Moves a message box, sized and about to appear, where it belongs;
    // left alone it opens over the middle of its window.
    std::function<void(QWidget&)> place;
    // True while one of these dialogs is open.
    bool open() const { return depth_ > 0; }

private:
    int depth_ = 0;
};

class QtPlatform : public Platform {
public:
    void quit() override;
    // Runs first: stops the windows so nothing more reaches the program.
    std::function<void()> beforeQuit;

private:
    bool quitting_ = false;
};

// The program's line joins ("\r", "\r\n") as line breaks for display; a
// draw's name ("第1500回") is never broken across lines, nor "ボーナス"
// apart from its number.
QString displayText(const std::string& text);
// "テキスト ファイル (*.txt)|*.txt|" as the dialog's "テキスト ファイル (*.txt)".
QString dialogFilter(const std::string& filter);

} // namespace zoki::qt
