#pragma once

#include "forms/forms.h"
#include "reveal/speeds.h"

#include <iterator>

namespace zoki {

class Program;

void TimerStart(Program& p);
void Timer1_Timer(Program& p); // step tick
void Timer2_Timer(Program& p); // flicker tick

// The menu item of each speed, in the order of kRevealSpeeds.
inline constexpr MenuItem Form1::*const kSpeedItems[] = {&Form1::vSHigh, &Form1::vHigh, &Form1::vMidle, &Form1::vLow};
static_assert(std::size(kSpeedItems) == std::size(kRevealSpeeds), "a menu item for each speed");

// Fills the speed submenu from the table, checks the default speed and gives
// the step timer its interval: done as the main window is wired, before it
// first shows.
void setUpSpeedMenu(Form1& f);
// A speed item (vSHigh, vHigh, vMidle, vLow): sets the step interval, then
// moves the check mark, in menu order.
void vSpeed_Click(Program& p, Speed chosen);

} // namespace zoki
