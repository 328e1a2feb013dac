#pragma once

#include <functional>

namespace zoki::qt {

class Keyboard;

// What the parts of a window's view (the binders, the menus) ask of the view.
class ViewHost {
public:
    // Hands a user action to the program, which tells the user of a fault
    // that escapes it; nothing once the view is detached.
    virtual void deliver(const std::function<void()>& action) = 0;
    // False once the view is detached: nothing reaches the form any more.
    virtual bool attached() const = 0;
    // True while widgets are set from the controls: their signals are then
    // no user actions.
    virtual bool syncing() const = 0;
    virtual Keyboard& keyboard() = 0;

protected:
    ViewHost() = default;
    ~ViewHost() = default;
    ViewHost(const ViewHost&) = default;
    ViewHost& operator=(const ViewHost&) = default;
};

} // namespace zoki::qt
