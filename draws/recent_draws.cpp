#include "draws/recent_draws.h"

#include "base/loto.h"
#include "base/numtext.h"
#include "program/program.h"

#include <string>

namespace zoki {

void ShowRecentDraws(Program& p) {
    Form2& f = p.form2();
    const std::vector<std::string>& table = p.s.drawTable.elements();

    // The captions number the whole draws of the table as the statistics
    // counted it; the rows show those of the table as it is now.
    const int draws = static_cast<int>(p.stats.countedTable.size() / kLinesPerDraw);
    const int rows = f.Label4.size(); // one caption per row of the panel
    for (int r = 0; r < rows && r < draws; ++r)
        f.Label4(r).setCaption("第" + decimalText(draws - r) + "回");

    // Rows hold whole draws: values of a partial last draw are left out, so
    // that a row's numbers are those of the draw its caption names.
    const int lines = static_cast<int>(p.s.drawTable.lineCount());
    const int end = lines - lines % kLinesPerDraw;
    for (int r = 0; r < rows; ++r) {
        const int first = end - kLinesPerDraw * (r + 1);
        if (first < 0)
            return;
        for (int j = 0; j < kLinesPerDraw; ++j) {
            const std::size_t index = static_cast<std::size_t>(first + j);
            if (index >= table.size())
                return;
            const std::string& value = table[index];
            const int cell = kLinesPerDraw * r + j;
            f.Label3(cell).setCaption(value);
            const int n = ballNumber(value, {});
            if (n == 0)
                return; // no picture for it: the rest of the panel stays as it was
            f.Image1(cell).setPicture(j == kBonusPosition ? bonusBallPicture(n) : ballPicture(n));
        }
    }
}

} // namespace zoki
