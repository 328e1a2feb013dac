// Placeholder until the reports are built; delete when implementing.
#include "app/errors.h"
#include "reports/reports.h"

namespace zoki {
namespace {
[[noreturn]] void pending() { throw ProgramError("not built yet"); }
} // namespace
void vResData_Click(Program&) { pending(); }
void vResHitNoData_Click(Program&) { pending(); }
void vResHistData_Click(Program&) { pending(); }
} // namespace zoki
