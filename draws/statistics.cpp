#include "draws/statistics.h"

#include "base/errors.h"
#include "base/int16.h"
#include "base/steps.h"
#include "draws/draw_file.h"
#include "draws/statistics_kernels.h"
#include "program/program.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

namespace zoki {

namespace {

// A bar at its full length: the design width of the history window's bars.
constexpr Int16 kFullBar = Form2::kBarWidth;

// The bar of a number 1..43 in a BarWidths.
std::size_t barOf(Int16 number) { return static_cast<std::size_t>(int(number) - 1); }

void setWidths(const ControlArray<Label>& bars, const BarWidths& widths) {
    for (std::size_t k = 0; k < widths.size(); ++k)
        bars(static_cast<long long>(k)).setWidth(widths[k]);
}

BarWidths filledWidths(float width) {
    BarWidths widths{};
    widths.fill(width);
    return widths;
}

// The output chart, the ranking pictures and the reload. Every statement
// that fails is skipped and the next one runs; the run ends early only where
// stated. s is the draw chart's scale, kept when the output chart's own
// division fails.
void outputChartAndClose(Program& p, const FrequencyRanking& drawRanking, double s) {
    SharedState& st = p.s;
    Form2& f2 = p.form2();

    const OutputCounts out = countOutputNumbers(st.outHistory);
    if (out.lines == 0) {
        setWidths(f2.Label5, filledWidths(1.0f));
        return;
    }
    if (!out.allNumbers)
        return;

    const BarWidths outWidths = outputBarWidths(out.outNumberCount, out.outLineCount, kFullBar);
    setWidths(f2.Label5, filledWidths(static_cast<float>(kFullBar)));
    setWidths(f2.Label5, outWidths);

    std::optional<FrequencyRanking> outRanking;
    tryStep([&] { outRanking = rankByCount(out.outNumberCount); });

    // When no line holds a number 1..43 the top bar is 0 wide, the division
    // fails and s keeps its value; every bar is 0 wide then anyway.
    if (outRanking)
        tryStep([&] { s = normalisingScale(kFullBar, outWidths[barOf(outRanking->sortedNumber[kTopPlace])]); });
    setWidths(f2.Label5, scaledWidths(outWidths, s));

    const NumberCounts bonus = bonusCounts(st.drawTable.elements());
    const int places = f2.Image2.size();
    for (int place = 1; place <= places; ++place)
        tryStep([&] {
            const std::size_t at = kTopPlace + 1 - static_cast<std::size_t>(place);
            const int number = drawRanking.sortedNumber[at];
            const int asBonus = bonus[static_cast<std::size_t>(number)];
            f2.Image2(place - 1).setPicture(ballPicture(number));
            f2.Image2(place - 1).setToolTip(
                rankingTip(number, static_cast<int>(drawRanking.sortedCount[at]) - asBonus, asBonus));
        });

    tryStep([&] { f2.Timer1.setEnabled(true); });
    tryStep([&] { LoadDrawFile(p); });
}

// Every number's counts in its bars' tool tips, and so for a screen reader
// too: the bars show them only as lengths. They tell the counts as they are,
// even where the run ended before the bars were redrawn.
void describeBars(Program& p) {
    const NumberCounts& drawn = p.stats.numberCount;
    const NumberCounts bonus = bonusCounts(p.s.drawTable.elements());
    const NumberCounts kept = countOutputNumbers(p.s.outHistory).outNumberCount;
    Form2& f2 = p.form2();
    for (int n = 1; n <= kHighestNumber; ++n) {
        const auto at = static_cast<std::size_t>(n);
        const int asBonus = bonus[at];
        std::string tip = barTip(n, std::max(static_cast<int>(drawn[at]) - asBonus, 0), asBonus, kept[at]);
        f2.Label1(n - 1).setToolTip(tip);
        f2.Label2(n - 1).setToolTip(tip);
        f2.Label5(n - 1).setToolTip(std::move(tip));
    }
}

void refreshCharts(Program& p) {
    SharedState& st = p.s;
    FrequencyRanking drawRanking;
    double s = 0.0;
    try {
        ResetNumberCounts(p);
        p.stats.countedTable = st.drawTable.elements();

        const Int16 barScale = 10;

        const DrawCounts counts = countDrawNumbers(st.drawTable.elements());
        p.stats.numberCount = counts.numberCount;
        if (!counts.drawNumberTotal)
            return; // a value that is not a number, or a count beyond 32767
        p.stats.drawNumberTotal = *counts.drawNumberTotal;

        if (!holdsADraw(st.drawTable.elements()))
            return; // both charts, the pictures and the panel keep what they showed

        Form2& f2 = p.form2();
        const BarWidths drawWidths = drawBarWidths(p.stats.numberCount, p.stats.drawNumberTotal, kFullBar, barScale);
        for (int barNumber = 1; barNumber <= kHighestNumber; ++barNumber) {
            f2.Label2(barNumber - 1).setWidth(drawWidths[static_cast<std::size_t>(barNumber - 1)]);
            PaintBarRed(p, barNumber);
        }

        drawRanking = rankByCount(p.stats.numberCount);

        s = normalisingScale(kFullBar, drawWidths[barOf(drawRanking.sortedNumber[kTopPlace])]);
        setWidths(f2.Label2, scaledWidths(drawWidths, s));
    } catch (const ProgramError&) {
        // A table with no countable value divides by a total of 0; the run
        // ends here, and nothing is reported.
        return;
    }
    outputChartAndClose(p, drawRanking, s);
}

} // namespace

void RefreshStatistics(Program& p) {
    refreshCharts(p);
    describeBars(p);
}

void ResetNumberCounts(Program& p) {
    for (int n = 1; n <= kHighestNumber; ++n)
        p.stats.numberCount[static_cast<std::size_t>(n)] = 0;
}

void PaintBarRed(Program& p, int barNumber) { p.form2().Label2(barNumber - 1).setBackColor(kDrawBarColor); }

} // namespace zoki
