// Placeholder until the statistics are built; delete when implementing.
#include "app/errors.h"
#include "draws/recent_draws.h"
#include "draws/statistics.h"

namespace zoki {
namespace {
[[noreturn]] void pending() { throw ProgramError("not built yet"); }
} // namespace
void RefreshStatistics(Program&) { pending(); }
void PaintBarRed(Program&) { pending(); }
void ShowRecentDraws(Program&) { pending(); }
} // namespace zoki
