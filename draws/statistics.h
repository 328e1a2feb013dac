#pragma once

namespace zoki {

class Program;

// Rebuilds drawRecords, numberCount, drawNumberTotal, both charts of the
// history window and its ranking pictures, then re-reads data.dat.
void RefreshStatistics(Program& p);
void PaintBarRed(Program& p);

} // namespace zoki
