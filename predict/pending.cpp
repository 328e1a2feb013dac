// Placeholder until the prediction run is built; delete when implementing.
#include "app/errors.h"
#include "predict/run.h"
#include "predict/settings.h"
#include "predict/weighted.h"
#include "reveal/reveal.h"

namespace zoki {
namespace {
[[noreturn]] void pending() { throw ProgramError("not built yet"); }
} // namespace
PredictionSettings currentSettings(Program&) { pending(); }
void vData_Click(Program&) { pending(); }
void vSetHigh_Click(Program&) { pending(); }
void vSetMid_Click(Program&) { pending(); }
void vSetLow_Click(Program&) { pending(); }
void lvRange_Click(Program&, int) { pending(); }
void jyufukuCheck(Program&, int) { pending(); }
void vNumber_Click(Program&) { pending(); }
void Form3_HScroll1_Change(Program&) { pending(); }
void Form3_Command1_Click(Program&) { pending(); }
void Form3_Image1_DblClick(Program&) { pending(); }
void Command1_Click(Program&) { pending(); }
void Image5_Click(Program&) { pending(); }
void NormalGet(Program&) { pending(); }
void sortMethodZ(Program&) { pending(); }
void GetByData(Program&) { pending(); }
void getNumberMethod(Program&) { pending(); }
void TimerStart(Program&) { pending(); }
void Timer1_Timer(Program&) { pending(); }
void Timer2_Timer(Program&) { pending(); }
void vSHigh_Click(Program&) { pending(); }
void vHigh_Click(Program&) { pending(); }
void vMidle_Click(Program&) { pending(); }
void vLow_Click(Program&) { pending(); }
} // namespace zoki
