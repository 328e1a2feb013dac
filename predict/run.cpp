#include "predict/run.h"

#include "base/numtext.h"
#include "base/random.h"
#include "draws/statistics.h"
#include "predict/redraw_guard.h"
#include "predict/set_rows.h"
#include "predict/weighted.h"
#include "program/main_window.h"
#include "program/program.h"
#include "reveal/enabling.h"
#include "reveal/reveal.h"

#include <cstddef>
#include <utility>

namespace zoki {

void Command1_Click(Program& p) {
    Form1& f = p.form1;
    p.reveal.revealRow = 1;
    vMClear_Click(p);
    f.Image3.setVisible(false);
    for (const auto& image : f.Image1)
        image->setVisible(true);
    f.Frame5.setVisible(true);
    for (const auto& label : f.Label8)
        label->setCaption("");
    if (f.vData.checked())
        GetByData(p);
    else
        NormalGet(p);
    sortMethodZ(p);
    p.reveal.cnt = 0;
    dataClear(p);
    TimerStart(p);
    itemEnable(p, 0);
    RefreshStatistics(p);
}

void Image5_Click(Program& p) { Command1_Click(p); }

void NormalGet(Program& p) {
    const int n = setCount(p);
    p.genRow = 1;
    while (p.genRow <= n) {
        beginSet(p);
        for (int pos = 0; pos < 6; ++pos) {
            RedrawGuard guard;
            do {
                guard.another();
                element(p, p.rowBase + pos) = decimalText(oneTo(43, p.random.next()));
            } while (repeatsEarlier(p, pos));
        }
        ++p.genRow;
    }
}

void sortMethodZ(Program& p) {
    const int n = setCount(p);
    for (int r = 1; r <= n; ++r) {
        p.rowBase = (r - 1) * 6;
        for (int pass = 0; pass < 5; ++pass) {
            for (int j = p.rowBase; j <= p.rowBase + 4; ++j) {
                if (wholePart(element(p, j + 1)) < wholePart(element(p, j)))
                    std::swap(element(p, j), element(p, j + 1));
            }
        }
    }
}

} // namespace zoki
