#pragma once

#include "forms/forms.h"

namespace zoki {

class Program;

void TimerStart(Program& p);
void Timer1_Timer(Program& p); // step tick
void Timer2_Timer(Program& p); // flicker tick
// A speed item (vSHigh, vHigh, vMidle, vLow): sets the step interval, then
// moves the check mark, in menu order.
void vSpeed_Click(Program& p, const RevealSpeed& chosen);

} // namespace zoki
