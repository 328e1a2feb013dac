#include "ui/qt/adapter.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>

namespace zoki::qt {

Adapter::Adapter(Program& program, std::function<bool()> ticksAllowed)
    : program_(program), ticksAllowed_(std::move(ticksAllowed)) {
    add(program_.form1);
    for (FormId id : {FormId::Form2, FormId::Form3, FormId::Form4, FormId::Form5})
        if (Form* form = program_.existingForm(id))
            add(*form);
    program_.onFormCreated = [this](Form& form) { add(form); };
    program_.onFormDiscarded = [this](Form& form) { discard(form); };
}

Adapter::~Adapter() {
    program_.onFormCreated = nullptr;
    program_.onFormDiscarded = nullptr;
    views_.clear();
}

FormView* Adapter::view(FormId id) const {
    auto it = views_.find(id);
    return it == views_.end() ? nullptr : it->second.get();
}

QMainWindow* Adapter::mainWindow() const {
    FormView* v = view(FormId::Form1);
    return v ? v->mainWindow() : nullptr;
}

QWidget* Adapter::dialogOwner() const {
    QWidget* active = QApplication::activeWindow();
    if (active && active->isVisible())
        return active;
    QMainWindow* main = mainWindow();
    return main && main->isVisible() ? main : nullptr;
}

void Adapter::stop() {
    for (auto& [id, v] : views_)
        v->detach();
}

void Adapter::add(Form& form) {
    FormView::Hooks hooks;
    const FormId id = form.id();
    hooks.closed = [this, id] { program_.userClosed(id); };
    if (id == FormId::Form1)
        hooks.place = [this](QWidget& w) { placeMain(w); };
    else
        hooks.place = [this](QWidget& w) { placeBeside(w); };
    hooks.ticksAllowed = ticksAllowed_;
    views_[id] = std::make_unique<FormView>(form, std::move(hooks));
}

void Adapter::discard(Form& form) {
    auto it = views_.find(form.id());
    if (it == views_.end())
        return;
    it->second->detach();
    // The close may be delivered by this very window; let it finish first.
    it->second.release()->deleteLater();
    views_.erase(it);
}

void Adapter::placeMain(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window.adjustSize();
    const QSize size = window.size();
    window.move(area.x() + std::max(0, (area.width() - size.width()) / 2),
                area.y() + std::max(0, (area.height() - size.height()) / 3));
}

// A secondary window opens beside the main window where there is room, so it
// does not cover the board.
void Adapter::placeBeside(QWidget& window) {
    QMainWindow* main = mainWindow();
    if (!main || !main->isVisible())
        return;
    const QScreen* screen = main->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect anchor = main->frameGeometry();
    window.adjustSize();
    const QSize size = window.size();
    constexpr int gap = 8;
    int x = anchor.right() + gap;
    if (x + size.width() > area.right())
        x = anchor.left() - gap - size.width();
    if (x < area.left())
        x = std::min(anchor.left() + 48, area.right() - size.width());
    const int y = std::clamp(anchor.top(), area.top(), std::max(area.top(), area.bottom() - size.height()));
    window.move(std::max(area.left(), x), y);
}

} // namespace zoki::qt
