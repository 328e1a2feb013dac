#include "shell/adapter.h"

#include "shell/pictures.h"
#include "shell/placement.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>

namespace zoki::qt {

Adapter::Adapter(Program& program, std::function<bool()> ticksAllowed)
    : program_(program), ticksAllowed_(std::move(ticksAllowed)) {
    add(program_.form1);
    for (FormId id : {FormId::Form2, FormId::Form3, FormId::Form4, FormId::Form5, FormId::Backtest})
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

void Adapter::bringToFront() {
    QMainWindow* main = mainWindow();
    if (!main || !main->isVisible())
        return;
    main->setWindowState(main->windowState() & ~Qt::WindowMinimized);
    main->raise();
    for (const auto& [id, v] : views_)
        if (QWidget* window = v->window(); id != FormId::Form1 && window && window->isVisible())
            window->raise();
    // An open question stays above the window it belongs to, and answers.
    QWidget* focus = QApplication::activeModalWidget();
    if (focus)
        focus->raise();
    (focus ? focus : main)->activateWindow();
}

void Adapter::add(Form& form) {
    FormView::Hooks hooks;
    const FormId id = form.id();
    hooks.closed = [this, id] { program_.userClosed(id); };
    if (id == FormId::Form1) {
        hooks.place = [this](QWidget& w) { placeMain(w); };
    } else {
        hooks.place = [this, id](QWidget& w) { placeSecondary(id, w); };
        hooks.hiding = [this, id](QWidget& w) { remember(id, w); };
    }
    hooks.ticksAllowed = ticksAllowed_;
    // A fault escaping what the user did is told where every handler's is.
    views_[id] = std::make_unique<FormView>(form, std::move(hooks),
                                            [this](const std::function<void()>& action) { program_.dispatch(action); });
}

void Adapter::discard(Form& form) {
    auto it = views_.find(form.id());
    if (it == views_.end())
        return;
    if (QWidget* window = it->second->window(); window && window->isVisible())
        remember(form.id(), *window);
    it->second->detach();
    // The close may be delivered by this very window; let it finish first.
    it->second.release()->deleteLater();
    views_.erase(it);
}

namespace {

// The widest secondary window by its design, for the room the main window
// leaves beside it.
int widestSecondaryWindow() {
    static const int width =
        twipsToPixels(std::max({Form2().clientWidth, Form3().clientWidth, Form4().clientWidth, Form5().clientWidth}));
    return width;
}

// A window's frame: exact once it has been on screen, before that its size
// with the frame the main window got from the window manager.
QSize frameSize(const QWidget& window, const QWidget& main) {
    if (window.frameGeometry() != window.geometry())
        return window.frameGeometry().size();
    const QRect frame = main.frameGeometry();
    const QRect inner = main.geometry();
    return window.size() + QSize(frame.width() - inner.width(), frame.height() - inner.height());
}

} // namespace

void Adapter::placeMain(QWidget& window) {
    if (mainPlaced_)
        return;
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    mainPlaced_ = true;
    window.adjustSize();
    window.move(
        mainWindowPosition(screen->availableGeometry(), window.frameGeometry().size(), widestSecondaryWindow()));
}

void Adapter::placeSecondary(FormId id, QWidget& window) {
    QMainWindow* main = mainWindow();
    if (!main || !main->isVisible() || !main->screen())
        return;
    Desk desk;
    desk.area = main->screen()->availableGeometry();
    desk.main = main->frameGeometry();
    const int menuBottom = main->menuBar()->mapToGlobal(QPoint(0, main->menuBar()->height())).y();
    desk.mainTop = QRect(desk.main.topLeft(), QPoint(desk.main.right(), std::max(desk.main.top(), menuBottom - 1)));
    for (const auto& [other, view] : views_)
        if (other != id && other != FormId::Form1 && view->window() && view->window()->isVisible())
            desk.others.push_back(view->window()->frameGeometry());

    const QSize frame = frameSize(window, *main);
    auto user = userPlaces_.find(id);
    const QPoint at =
        user != userPlaces_.end() ? onScreen(desk.area, QRect(user->second, frame)) : besideMain(desk, frame);
    window.move(at);
    placedAt_[id] = window.pos();
}

void Adapter::placeMessageBox(QWidget& box) const {
    std::vector<QRect> subject;
    for (const Control* c : program_.messageSubject())
        for (const auto& [id, v] : views_)
            if (QWidget* w = v->widget(*c); w && w->isVisible())
                subject.emplace_back(w->mapToGlobal(QPoint(0, 0)), w->size());
    QWidget* owner = box.parentWidget() ? box.parentWidget()->window() : mainWindow();
    const QScreen* screen = owner ? owner->screen() : box.screen();
    if (subject.empty() || !owner || !screen)
        return;
    const auto at = clearOf(screen->availableGeometry(), subject, frameSize(box, *owner));
    if (!at)
        return;
    // Until the window manager has framed it, the box knows no frame, and a
    // move puts its client area where asked: its frame would reach up over
    // the controls by the height of a title bar.
    const QPoint inset = box.frameGeometry() == box.geometry()
                             ? owner->geometry().topLeft() - owner->frameGeometry().topLeft()
                             : QPoint();
    box.move(*at + inset);
}

void Adapter::remember(FormId id, const QWidget& window) {
    auto placed = placedAt_.find(id);
    if (placed != placedAt_.end() && placed->second != window.pos())
        userPlaces_[id] = window.pos();
}

} // namespace zoki::qt
