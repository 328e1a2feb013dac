#pragma once

namespace zoki {

class Program;

void TimerStart(Program& p);
void Timer1_Timer(Program& p); // step tick
void Timer2_Timer(Program& p); // flicker tick
void vSHigh_Click(Program& p);
void vHigh_Click(Program& p);
void vMidle_Click(Program& p);
void vLow_Click(Program& p);

} // namespace zoki
