#pragma once

#include "forms/form.h"

#include <unordered_map>

class QAction;
class QMainWindow;
class QMenu;

namespace zoki::qt {

class ViewHost;

// The main window's menu bar, built from the window definition's menu items
// and kept in step with them; choosing an item raises its click.
class Menus {
public:
    void build(const Form& form, QMainWindow& window, ViewHost& host);
    QAction* action(const MenuItem& item) const;
    // Shows a changed caption, check mark, enabling or visibility.
    void show(const MenuItem& item, Prop p);

private:
    void add(MenuItem& item, QMenu* into, QMainWindow& window, ViewHost& host);

    std::unordered_map<const MenuItem*, QAction*> actions_;
};

} // namespace zoki::qt
