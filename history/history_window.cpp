#include "history/history_window.h"

#include "base/steps.h"
#include "draws/statistics.h"
#include "history/output_file.h"
#include "program/program.h"

namespace zoki {

void dataAdd_Click(Program& p) {
    if (p.s.outHistory.empty()) {
        p.message("履歴データが登録されていません。\r最低一回以上の出力結果を履歴として残して下さい。", "【警告】");
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
