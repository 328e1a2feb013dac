#pragma once

#include "forms/form.h"
#include "shell/keyboard.h"
#include "shell/menus.h"
#include "shell/view_host.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <unordered_map>

class QAction;
class QMainWindow;
class QTimer;
class QWindow;

namespace zoki::qt {

class Binder;

// The widgets of one window definition, kept in step with its controls. The
// main window is a QMainWindow with a menu bar; the others are fixed-size
// top-level windows. The view listens to the form; user actions go back to
// the controls, which raise their events. Each kind of control has its
// binder (binders.h); the menus and the keyboard have their own parts.
class FormView : public QObject, private ViewHost {
public:
    struct Hooks {
        // The user closed the window with its close box.
        std::function<void()> closed;
        // Where a window is put each time it goes from hidden to shown.
        std::function<void(QWidget&)> place;
        // False while a modal dialog is open: timer ticks wait until it closes.
        std::function<bool()> ticksAllowed;
        // The window is about to be hidden by the program: where it stands now.
        std::function<void(QWidget&)> hiding;
    };
    // How a user action runs: through the program's dispatch, the one place
    // that tells the user of a fault escaping a handler. Without one the
    // action runs as it is.
    using Dispatch = std::function<void(const std::function<void()>&)>;

    FormView(Form& form, Hooks hooks, Dispatch dispatch = {});
    ~FormView() override;
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;

    Form* form() const { return form_; }
    QWidget* window() const { return window_; }
    QMainWindow* mainWindow() const;
    // The client area the controls sit in (the central widget of the main window).
    QWidget* client() const { return client_; }

    QWidget* widget(const Control& c) const;
    QAction* action(const MenuItem& item) const { return menus_.action(item); }
    QTimer* timer(const Timer& t) const;

    // The form is going away or the program is ending: stop listening, stop
    // the timers, hide the window. Nothing reaches the form afterwards.
    void detach();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QWidget* ensureWidget(Control& c);
    void sync(Control& c, Prop p);
    void syncAll(Control& c, QWidget& w, const Binder& binder);
    void syncForm(Prop p);
    void syncTimer(Timer& t);
    // Raises the form's onFirstShown from the event loop once the window is
    // exposed (at once when it already is).
    void announceWhenExposed();

    // What the binders and the menus ask of the view.
    void deliver(const std::function<void()>& action) override;
    bool attached() const override { return form_ != nullptr; }
    bool syncing() const override { return syncing_ > 0; }
    Keyboard& keyboard() override { return keyboard_; }

    Form* form_;
    Hooks hooks_;
    Dispatch dispatch_;
    QPointer<QWidget> window_;
    QWidget* client_ = nullptr;
    // Widgets are being set from the controls: their signals are not user actions.
    int syncing_ = 0;
    std::unordered_map<const Control*, QWidget*> widgets_;
    std::unordered_map<const Control*, QTimer*> timers_;
    Menus menus_;
    Keyboard keyboard_;
    // The window has been shown once: onFirstShown is on its way.
    bool shownOnce_ = false;
    // The native window whose exposure is awaited, if any.
    QPointer<QWindow> awaitingExposure_;
};

} // namespace zoki::qt
