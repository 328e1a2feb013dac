#pragma once

namespace zoki {

class Program;

// Opens the history window (menu "履歴閲覧(&V)", button "履歴", picture).
void dataAdd_Click(Program& p);
// The main window's button "履歴" and its picture open it too.
void Command2_Click(Program& p);
void Image6_Click(Program& p);

} // namespace zoki
