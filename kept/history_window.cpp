#include "kept/history_window.h"

#include "base/steps.h"
#include "draws/statistics.h"
#include "kept/kept_file.h"
#include "program/messages.h"
#include "program/program.h"

namespace zoki {

void dataAdd_Click(Program& p) {
    if (p.s.outHistory.empty()) {
        p.message(msg::kNoHistory, msg::kWarningBracketed);
        return;
    }
    runSkippingFailures({
        [&] { DummyFormLoad(p); },
        [&] { RefreshStatistics(p); },
        [&] { p.form2().show(); },
    });
}

void Command2_Click(Program& p) { dataAdd_Click(p); }

void Image6_Click(Program& p) { Command2_Click(p); }

} // namespace zoki
