#include "history/history_window.h"

#include "app/program.h"
#include "app/steps.h"
#include "draws/statistics.h"
#include "history/output_file.h"

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

} // namespace zoki
