#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

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
std::optional<std::array<std::string, 7>> cutDrawRecord(std::string_view record);

} // namespace zoki
