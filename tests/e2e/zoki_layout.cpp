// Prints where every control of every window sits, in pixels of the window's
// client area, the way the Qt adapter places it: one line per control,
// "Form1 Image5 627 16 85 142" (x, y, width, height). Scripts use it to click
// a control by its name.
#include "forms/backtest_form.h"
#include "forms/forms.h"

#include <cmath>
#include <cstdio>
#include <memory>

namespace {

int px(double twips) { return static_cast<int>(std::lround(twips / 15.0)); }

void print(const zoki::Form& form) {
    std::printf("%s window %d %d %d %d\n", form.name().c_str(), 0, 0, px(form.clientWidth), px(form.clientHeight));
    for (const zoki::Control* c : form.controls()) {
        if (c->kind() == zoki::Kind::MenuItem || c->kind() == zoki::Kind::Timer)
            continue;
        int x = px(c->left());
        int y = px(c->top());
        // Frames nest: a child's place is relative to its frame.
        for (const zoki::Control* p = c; !p->parent().empty();) {
            p = form.find(p->parent());
            if (!p)
                break;
            x += px(p->left());
            y += px(p->top());
        }
        std::printf("%s %s %d %d %d %d\n", form.name().c_str(), c->objectName().c_str(), x, y, px(c->width()),
                    px(c->height()));
    }
}

} // namespace

int main() {
    print(zoki::Form1());
    print(zoki::Form2());
    print(zoki::Form3());
    print(zoki::Form4());
    print(zoki::Form5());
    print(zoki::BacktestForm());
    return 0;
}
