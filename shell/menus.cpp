#include "shell/menus.h"

#include "shell/conversions.h"
#include "shell/view_host.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace zoki::qt {

void Menus::build(const Form& form, QMainWindow& window, ViewHost& host) {
    for (MenuItem* top : form.menuBar)
        add(*top, nullptr, window, host);
    for (const auto& [item, qaction] : actions_)
        for (Prop p : {Prop::Caption, Prop::Checked, Prop::Enabled, Prop::Visible})
            show(*item, p);
}

QAction* Menus::action(const MenuItem& item) const {
    auto it = actions_.find(&item);
    return it == actions_.end() ? nullptr : it->second;
}

void Menus::add(MenuItem& item, QMenu* into, QMainWindow& window, ViewHost& host) {
    if (item.isSeparator()) {
        if (into)
            into->addSeparator()->setObjectName(qs(item.objectName()));
        return;
    }
    QMenuBar* bar = window.menuBar();
    QAction* qaction = nullptr;
    if (!item.items.empty()) {
        auto* menu = new QMenu(qs(item.caption()), &window);
        menu->setObjectName(qs(item.objectName()));
        menu->setAccessibleName(withoutMnemonic(qs(item.caption())));
        qaction = into ? into->addMenu(menu) : bar->addMenu(menu);
        for (MenuItem* sub : item.items)
            add(*sub, menu, window, host);
    } else {
        qaction = new QAction(qs(item.caption()), &window);
        if (into)
            into->addAction(qaction);
        else
            bar->addAction(qaction);
        QObject::connect(qaction, &QAction::triggered, qaction, [this, &item, &host] {
            host.deliver([&item] { item.click(); });
            // Qt flips a checkable action by itself; the control has the say.
            if (host.attached())
                show(item, Prop::Checked);
        });
    }
    qaction->setObjectName(qs(item.objectName()));
    actions_[&item] = qaction;
}

void Menus::show(const MenuItem& item, Prop p) {
    QAction* a = action(item);
    if (!a)
        return;
    switch (p) {
    case Prop::Caption:
        a->setText(qs(item.caption()));
        if (QMenu* menu = a->menu())
            menu->setAccessibleName(withoutMnemonic(qs(item.caption())));
        break;
    case Prop::Checked:
        // Only a checked item shows a mark; an unchecked one looks like any
        // other item, not like an empty check box.
        a->setCheckable(item.checked());
        a->setChecked(item.checked());
        break;
    case Prop::Enabled:
        a->setEnabled(item.enabled());
        break;
    case Prop::Visible:
        a->setVisible(item.visible());
        break;
    default:
        break;
    }
}

} // namespace zoki::qt
