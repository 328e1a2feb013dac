#pragma once

#include "base/loto.h"
#include "matching/prize.h"
#include "reports/report_file.h"

#include <array>
#include <optional>
#include <span>
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

// One block of the prediction report for the numbers on the board's cells
// (set r, position c is cell 6(r - 1) + c; 0 for an empty cell).
ReportText predictionBlock(const std::array<int, kBoardCells>& cells);
// Earlier lines of a file (decoded) that are a prediction report, which a
// new block is appended to: the banner exactly, then the title.
bool isPredictionReport(const std::vector<std::string>& lines);

// A draw of the table (its values from 7(d - 1) on, at most seven) as the
// winning numbers report writes it: its values; none for the values after
// the last whole draw. A damaged data.dat can hold values with "-" or "_" in
// them, which the report has always read as the separators of the draw's
// record ("3-11-19-25-33-41-7_1"); such a draw is what cutDrawRecord cuts
// from that record, if anything.
std::optional<DrawTexts> reportedDraw(std::span<const std::string> values);

// The winning numbers report: one line per draw of the table.
ReportText winNumbersReport(const std::vector<std::string>& drawTable);

} // namespace zoki
