#pragma once

#include "forms/controls.h"

#include <functional>
#include <string>
#include <vector>

namespace zoki {

enum class FormId { Form1 = 1, Form2, Form3, Form4, Form5, Backtest };

// A window: its caption, client size in twips, visibility, and every control
// it holds (in creation order, which is also the tab and drawing order).
class Form {
public:
    Form(FormId id, std::string name);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    FormId id() const { return id_; }
    const std::string& name() const { return name_; }

    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    int clientWidth = 0;  // twips
    int clientHeight = 0; // twips

    bool visible() const { return visible_; }
    // Makes the window visible and brings it to the front.
    void show();
    void hide();

    const std::vector<Control*>& controls() const { return controls_; }
    // Top-level menus in display order.
    std::vector<MenuItem*> menuBar;
    Control* find(const std::string& objectName) const;

    // The adapter listens here: control property changes (control non-null) and
    // window changes (control null: caption or visibility).
    std::function<void(Control*, Prop)> listener;

    // Raised by the adapter when the main window becomes active.
    std::function<void()> onActivate;

    // Raised by the adapter once, soon after the window is first on the
    // screen (drawn, so that a question can be asked over it).
    std::function<void()> onFirstShown;

    // Raised by the adapter when local files are dropped on the window (their
    // paths, UTF-8); a window without it takes no drops. acceptsDrop is asked
    // while files are dragged over the window: false refuses them.
    std::function<void(const std::vector<std::string>&)> onOLEDragDrop;
    std::function<bool()> acceptsDrop;

    void registerControl(Control& c) { controls_.push_back(&c); }
    void notify(Control* c, Prop p) {
        if (listener)
            listener(c, p);
    }

private:
    FormId id_;
    std::string name_;
    std::string caption_;
    bool visible_ = false;
    std::vector<Control*> controls_;
};

} // namespace zoki
