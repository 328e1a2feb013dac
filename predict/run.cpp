#include "predict/run.h"

#include "base/services.h"
#include "draws/statistics.h"
#include "predict/set_rows.h"
#include "predict/sets.h"
#include "predict/weighted.h"
#include "program/main_window.h"
#include "program/program.h"
#include "reveal/enabling.h"
#include "reveal/reveal.h"

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
    p.boardShows = {};
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
    const int n = p.setCount;
    for (int genRow = 1; genRow <= n; ++genRow) {
        p.random.reseedFromClock();
        p.reveal.cnt = 0;
        dataClear(p);
        plainSet(setRow(p, genRow), p.random);
    }
}

void sortMethodZ(Program& p) {
    const int n = p.setCount;
    for (int r = 1; r <= n; ++r)
        orderSet(setRow(p, r));
}

} // namespace zoki
