// Placeholder until matching and registration are built; delete when implementing.
#include "app/errors.h"
#include "draws/registration.h"
#include "matching/match_window.h"

namespace zoki {
namespace {
[[noreturn]] void pending() { throw ProgramError("not built yet"); }
} // namespace
void vCheckNumber_Click(Program&) { pending(); }
void showCheckPage(Program&) { pending(); }
void checkHit(Program&) { pending(); }
void blackData(Program&) { pending(); }
void Form5_VScroll1_Change(Program&) { pending(); }
void Form5_VScroll2_Change(Program&) { pending(); }
void Form4_Command1_Click(Program&) { pending(); }
} // namespace zoki
