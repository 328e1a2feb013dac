#pragma once

namespace zoki {

class Program;

void dataClear(Program& p);
void vMClear_Click(Program& p);
void addAdd_Click(Program& p);
void VScroll1_Change(Program& p);

} // namespace zoki
