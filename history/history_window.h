#pragma once

namespace zoki {

class Program;

// Opens the history window (menu "履歴閲覧(&V)", button "履歴", picture).
void dataAdd_Click(Program& p);

} // namespace zoki
