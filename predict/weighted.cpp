#include "predict/weighted.h"

#include "base/errors.h"
#include "base/numtext.h"
#include "base/random.h"
#include "predict/redraw_guard.h"
#include "predict/set_rows.h"
#include "predict/settings.h"
#include "program/main_window.h"
#include "program/program.h"

#include <cstddef>

namespace zoki {

namespace {

int evenShareFor(Strength s) {
    switch (s) {
    case Strength::Low:
        return 4300;
    case Strength::Mid:
        return 430;
    case Strength::High:
        break;
    }
    return 43;
}

bool excluded(const PredictionSettings& s, int n) {
    for (std::size_t k = 0; k < s.excludeRange.size(); ++k)
        if (n >= kExclusionRanges[k].first && n <= kExclusionRanges[k].last)
            return s.excludeRange[k];
    return false;
}

int allowedNumbers(const PredictionSettings& s) {
    int allowed = 0;
    for (int n = 1; n <= 43; ++n)
        allowed += excluded(s, n) ? 0 : 1;
    return allowed;
}

// The number owning ticket g, or 0 when g lies beyond the counted tickets
// (only possible if the counts and their total disagree).
int ticketOwner(const Program& p, std::int32_t g) {
    const std::int32_t b = p.evenShare;
    if (g <= b) {
        const double s = b / 43.0;
        for (int k = 1; k <= 43; ++k)
            if ((k - 1) * s < g && g < k * s + 1)
                return k;
        return 0;
    }
    // 32-bit sums: any history the statistics can count stays in range.
    std::int32_t below = b;
    for (int k = 1; k <= 43; ++k) {
        const std::int32_t upTo = below + static_cast<std::int32_t>(p.s.numberCount[static_cast<std::size_t>(k)]);
        if (below < g && g <= upTo)
            return k;
        below = upTo;
    }
    return 0;
}

// The chosen number of Form3 goes into a set that lacks it, at a random
// position six times in ten.
void placeChosenNumber(Program& p) {
    // The window's caption while the window exists; a closed window would
    // come back showing 1, not the number the user confirmed.
    const Form* shown = p.existingForm(FormId::Form3);
    const std::string chosen = shown ? p.form3().Label1.caption() : p.s.anyNumber;
    const double wanted = wholePart(chosen);
    for (int m = 0; m < 6; ++m)
        if (wholePart(element(p, p.rowBase + m)) == wanted)
            return;
    const int q = oneTo(10, p.random.next());
    if (q <= 6)
        element(p, p.rowBase + q - 1) = chosen;
}

} // namespace

void drawTicket(Program& p) { p.getNo = oneTo(p.s.weightTotal, p.random.next()); }

void GetByData(Program& p) {
    const int n = setCount(p);
    p.genRow = 1;
    while (p.genRow <= n) {
        beginSet(p);
        const PredictionSettings settings = currentSettings(p);
        // Six different numbers must remain, or the repeat loop would never end.
        if (allowedNumbers(settings) < 6)
            throw TooFewNumbersError();
        p.evenShare = evenShareFor(settings.strength);
        p.s.weightTotal = static_cast<std::int32_t>(p.s.drawNumberTotal) + static_cast<std::int32_t>(p.evenShare);
        for (int pos = 0; pos < 6; ++pos) {
            RedrawGuard guard;
            do {
                guard.another();
                drawTicket(p);
                getNumberMethod(p);
                element(p, p.rowBase + pos) = decimalText(p.tempNumLock);
            } while (repeatsEarlier(p, pos));
        }
        if (p.s.anyNumberSet)
            placeChosenNumber(p);
        ++p.genRow;
    }
}

void getNumberMethod(Program& p) {
    const PredictionSettings settings = currentSettings(p);
    RedrawGuard guard;
    for (;;) {
        guard.another();
        const int k = ticketOwner(p, p.getNo);
        // A ticket no number owns is drawn again like an excluded one.
        if (k != 0 && !excluded(settings, k)) {
            p.tempNumLock = k;
            return;
        }
        drawTicket(p);
    }
}

} // namespace zoki
