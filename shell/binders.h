#pragma once

#include "forms/controls.h"

#include <functional>

class QObject;
class QTimer;
class QWidget;

namespace zoki::qt {

class ViewHost;

// Makes the widget for one kind of control and keeps it in step with the
// properties of that kind (caption, picture, text, colour, range). What every
// control has (place and size, visibility, enabling, tip) the view keeps.
class Binder {
public:
    Binder() = default;
    virtual ~Binder() = default;
    Binder(const Binder&) = delete;
    Binder& operator=(const Binder&) = delete;

    // A new widget for the control; what the user does with it goes to the
    // control's events through the host.
    virtual QWidget* make(Control& c, QWidget* parent, ViewHost& host) const = 0;
    // Shows what a new widget does not already show as the control holds it.
    virtual void showNew(const Control& c, QWidget& w) const = 0;
    // Shows a changed property; one the kind does not have changes nothing.
    virtual void show(const Control& c, QWidget& w, Prop p) const = 0;
};

// The binder of a kind of control; none for timers and menu items, which
// have no widget (see TimerBinder and Menus).
const Binder* binderFor(Kind kind);

// A timer control as a QTimer: it ticks the control while the control is
// enabled with an interval and the view is attached, and not while
// ticksAllowed says no.
struct TimerBinder {
    static QTimer* make(Timer& t, QObject& owner, ViewHost& host, std::function<bool()> ticksAllowed);
    static void show(const Timer& t, QTimer& qtimer, bool attached);
};

} // namespace zoki::qt
