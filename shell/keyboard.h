#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

class QEvent;

namespace zoki::qt {

// Where the keyboard is in one window: the inputs in the order it visits
// them, the input a window starts at, Enter in a field, and the focus kept
// while the program disables the focused input for a while.
class Keyboard {
public:
    // The window whose focus this is, as soon as it exists.
    void setWindow(QWidget& window) { window_ = &window; }
    // The window's widgets in the order the window definition holds them,
    // which is the order a user reads the window in; those that take Tab
    // become the inputs, in that order.
    void setInputs(const std::vector<QWidget*>& widgets);

    QWidget* firstInput() const { return nextInput(nullptr); }
    // The first enabled, visible input after `after` (all of them: nullptr).
    QWidget* nextInput(const QWidget* after) const;
    // Puts the focus on an input (none: nothing) as a Tab would.
    void focusInput(QWidget* input);
    // Enter in a field goes on to the next input, and presses it when it is a button.
    void enterPressed(QWidget& field);
    // Enables or disables an input; one that had the focus when disabled
    // gets it back when enabled again, unless the user went on elsewhere.
    void setEnabled(QWidget& w, bool enabled);

private:
    QPointer<QWidget> window_;
    std::vector<QWidget*> inputs_;
    // The input that had the focus when the program disabled it.
    QPointer<QWidget> focusBeforeDisabling_;
};

// Esc that no control took closes a secondary window as its close box does;
// the main window would end the program, so Esc leaves it open.
bool escapeCloses(const QEvent& event, bool mainWindow);

} // namespace zoki::qt
