#include "program/main_window.h"

#include "base/loto.h"
#include "base/numtext.h"
#include "program/program.h"

namespace zoki {

void dataClear(Program& p) {
    for (int k = 0; k < kNumbersPerSet; ++k) {
        Label& l = p.form1.revealLabel(k);
        l.setCaption("");
        l.setBackColor(kRevealLabelColor);
    }
}

void showSetOnBoard(Program& p, int first) {
    for (int i = first; i < first + kNumbersPerSet; ++i)
        p.form1.Label8(i).setCaption(cellText(p.predictNumbers[static_cast<std::size_t>(i)]));
    p.boardShows[static_cast<std::size_t>(first / kNumbersPerSet)] = true;
}

std::array<int, kBoardCells> boardCells(const Program& p) {
    std::array<int, kBoardCells> cells{};
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (p.boardShows[i / kNumbersPerSet])
            cells[i] = p.predictNumbers[i];
    return cells;
}

std::string cellText(int number) { return number == 0 ? std::string() : decimalText(number); }

void vMClear_Click(Program& p) {
    Form1& f = p.form1;
    p.boardShows = {};
    for (int i = 0; i < kBoardCells; ++i) {
        f.Label8(i).setCaption("");
        f.Image2(i).setPicture(0);
    }
    for (int i = 0; i < kNumbersPerSet; ++i)
        f.Image1(i).setPicture(0);
    dataClear(p);
}

void addAdd_Click(Program& p) { p.form4().show(); }

void VScroll1_Change(Program& p) {
    Form1& f = p.form1;
    const int v = f.VScroll1.value();
    if (v < 1 || v > kMaxSets)
        return;
    p.setCount = v;
    f.Label7.setCaption(decimalText(v));
    f.Image4.setPicture(countPicture(v));
}

} // namespace zoki
