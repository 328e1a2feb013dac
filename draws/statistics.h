#pragma once

namespace zoki {

class Program;

// Keeps the table as counted, rebuilds numberCount, drawNumberTotal, both
// charts of the history window and its ranking pictures, then re-reads
// data.dat.
void RefreshStatistics(Program& p);
// Paints the draw bar of barNumber 1..43 in its colour.
void PaintBarRed(Program& p, int barNumber);
// numberCount(1) .. numberCount(43) back to 0; the statistics' first step.
void ResetNumberCounts(Program& p);

} // namespace zoki
