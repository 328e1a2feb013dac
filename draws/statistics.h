#pragma once

namespace zoki {

class Program;

// Rebuilds drawRecords, numberCount, drawNumberTotal, both charts of the
// history window and its ranking pictures, then re-reads data.dat.
void RefreshStatistics(Program& p);
void PaintBarRed(Program& p);
// numberCount(1) .. numberCount(43) back to 0; the statistics' first step.
void ResetNumberCounts(Program& p);

} // namespace zoki
