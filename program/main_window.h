#pragma once

#include "base/loto.h"

#include <array>
#include <string>

namespace zoki {

class Program;

void dataClear(Program& p);
// The set whose first cell is `first` on the board, as its reveal leaves it.
void showSetOnBoard(Program& p, int first);
// The numbers of the board's cells: the sets shown, 0 elsewhere.
std::array<int, kBoardCells> boardCells(const Program& p);
// A predicted number as the reveal, the board and the files show it; none
// (0) shows as an empty text.
std::string cellText(int number);
void vMClear_Click(Program& p);
void addAdd_Click(Program& p);
void VScroll1_Change(Program& p);

} // namespace zoki
