#pragma once

#include "base/loto.h"
#include "reports/report_file.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zoki {

class Program;

// "結果出力(&O)": the board's sets, appended to an earlier report of this kind.
void vResData_Click(Program& p);
// "過去の当選データを出力する(&H)": every registered draw.
void vResHitNoData_Click(Program& p);
// "過去の結果を出力する(&W)": every kept set ranked against every draw.
void vResHistData_Click(Program& p);

// A draw record "3-11-19-25-33-41-7_1" cut into its six main numbers and the
// bonus; std::nullopt for a record that is not a whole draw (the spare one).
std::optional<std::array<std::string, kLinesPerDraw>> cutDrawRecord(std::string_view record);

// The reports' texts, from values. The save turns them into Shift_JIS.

// One block of the prediction report for the board's cells as they read
// (set r, position c is cell 6(r - 1) + c).
ReportText predictionBlock(const std::array<std::string, kBoardCells>& cells);
// Earlier lines of a file (decoded) that are a prediction report, which a
// new block is appended to: the banner exactly, then the title.
bool isPredictionReport(const std::vector<std::string>& lines);

// The winning numbers report: one line per draw record, the spare skipped.
ReportText winNumbersReport(const std::vector<std::string>& records);

} // namespace zoki
