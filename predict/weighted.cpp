#include "predict/weighted.h"

#include "base/services.h"
#include "predict/set_rows.h"
#include "predict/sets.h"
#include "predict/settings.h"
#include "predict/tickets.h"
#include "program/main_window.h"
#include "program/program.h"

#include <optional>

namespace zoki {

namespace {

// The number confirmed in Form3, when one was: the one the window shows
// while it exists (its scroll bar, which its caption displays); a closed
// window would come back showing 1, not the number the user confirmed.
std::optional<int> chosenNumber(Program& p) {
    if (!p.s.anyNumberSet)
        return std::nullopt;
    if (p.existingForm(FormId::Form3))
        return p.form3().HScroll1.value();
    return p.s.anyNumber;
}

} // namespace

void GetByData(Program& p) {
    const int n = p.setCount;
    for (int genRow = 1; genRow <= n; ++genRow) {
        p.random.reseedFromClock();
        p.reveal.cnt = 0;
        dataClear(p);
        // The settings and the counts are read afresh for every set.
        const PredictionSettings settings = currentSettings(p);
        const TicketPool pool = ticketPool(settings.strength, p.stats.numberCount, p.stats.drawNumberTotal);
        weightedSet(setRow(p, genRow), pool, settings.excludeRange, chosenNumber(p), p.random);
    }
}

} // namespace zoki
