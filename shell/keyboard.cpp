#include "shell/keyboard.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace zoki::qt {

void Keyboard::setInputs(const std::vector<QWidget*>& widgets) {
    inputs_.clear();
    for (QWidget* w : widgets)
        if (w->focusPolicy() & Qt::TabFocus)
            inputs_.push_back(w);
    for (std::size_t i = 1; i < inputs_.size(); ++i)
        QWidget::setTabOrder(inputs_[i - 1], inputs_[i]);
}

QWidget* Keyboard::nextInput(const QWidget* after) const {
    auto it = inputs_.begin();
    if (after) {
        it = std::find(inputs_.begin(), inputs_.end(), after);
        if (it != inputs_.end())
            ++it;
    }
    for (; it != inputs_.end(); ++it)
        if ((*it)->isEnabled() && (*it)->isVisibleTo(window_))
            return *it;
    return nullptr;
}

void Keyboard::focusInput(QWidget* input) {
    if (!input)
        return;
    input->setFocus(Qt::TabFocusReason);
    // Typing replaces what the field holds, as after a Tab.
    if (auto* edit = qobject_cast<QLineEdit*>(input))
        edit->selectAll();
}

// The registration form's last field presses "登録".
void Keyboard::enterPressed(QWidget& field) {
    QWidget* next = nextInput(&field);
    if (auto* button = qobject_cast<QPushButton*>(next))
        button->click();
    else
        focusInput(next);
}

// While a run is revealed the program disables the inputs, the focused one
// among them; when it comes back the keyboard is there again, as it was.
void Keyboard::setEnabled(QWidget& w, bool enabled) {
    const bool hadFocus = window_ && window_->focusWidget() == &w;
    if (!enabled && hadFocus && (!focusBeforeDisabling_ || focusBeforeDisabling_->isEnabled()))
        focusBeforeDisabling_ = &w;
    w.setEnabled(enabled);
    if (!enabled || focusBeforeDisabling_ != &w)
        return;
    focusBeforeDisabling_ = nullptr;
    QWidget* now = window_->focusWidget();
    if (!now || !now->isEnabled())
        focusInput(&w);
}

bool escapeCloses(const QEvent& event, bool mainWindow) {
    return event.type() == QEvent::KeyPress && !mainWindow &&
           static_cast<const QKeyEvent&>(event).matches(QKeySequence::Cancel);
}

} // namespace zoki::qt
