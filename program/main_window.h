#pragma once

#include "base/loto.h"

#include <array>
#include <string>

namespace zoki {

class Program;

void dataClear(Program& p);
// The set whose first cell is `first` on the board, as its reveal leaves it.
void showSetOnBoard(Program& p, int first);
// The board's cells as they read: the sets shown, empty elsewhere.
std::array<std::string, kBoardCells> boardCells(const Program& p);
void vMClear_Click(Program& p);
void addAdd_Click(Program& p);
void VScroll1_Change(Program& p);

} // namespace zoki
