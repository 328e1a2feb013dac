#pragma once

namespace zoki {

class Program;

// 0 disables the run-sensitive controls; any other value ends a reveal: asks
// whether to keep the result, acts on the answer and enables them again.
void itemEnable(Program& p, int checkEnable);
void dataClear(Program& p);
void vMClear_Click(Program& p);
void Command2_Click(Program& p);
void Image6_Click(Program& p);
void addAdd_Click(Program& p);
void VScroll1_Change(Program& p);

// The set count: Int of the numeric value of Label7's caption.
int setCount(Program& p);

} // namespace zoki
