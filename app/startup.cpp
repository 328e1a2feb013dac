#include "app/startup.h"

#include "app/command_line.h"
#include "base/loto.h"
#include "base/numtext.h"
#include "base/steps.h"
#include "draws/draw_file.h"
#include "draws/statistics.h"
#include "kept/kept_file.h"
#include "program/main_window.h"
#include "program/program.h"

#include <string>

namespace zoki {

void Form_Load(Program& p) {
    Form1& f = p.form1;
    dataClear(p);
    p.s.matchSearchMode = false;
    for (const auto& image : f.Image1)
        image->setVisible(false);
    f.Frame5.setVisible(false);
    f.Image4.setPicture(countPicture(1));
    f.Image3.setPicture(kIdlePicture);
    f.Image5.setPicture(kStartPicture);
    f.Image6.setPicture(kHistoryPicture);
    for (const auto& label : f.Label8)
        label->setCaption("");
    p.boardShows = {};
    p.s.anyNumberSet = false;

    loadOutHistoryAtStartup(p);

    for (int i = 0; i < kHighestNumber; ++i)
        p.form2().Label1(i).setCaption(decimalText(i + 1));

    runSkippingFailures({
        [&] { loadDrawFileAtStartup(p); },
        [&] { f.setCaption(programTitle()); },
        [&] { RefreshStatistics(p); },
    });
}

void Form_Activate(Program& p) { p.form2().Timer1.setEnabled(true); }

void Form_Unload(Program& p) { p.platform.quit(); }

} // namespace zoki
