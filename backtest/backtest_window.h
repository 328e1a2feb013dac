#pragma once

#include "backtest/backtest.h"
#include "forms/controls.h"

#include <optional>
#include <string>
#include <vector>

namespace zoki {

class Program;

// What the backtest window holds between its events: the run under way and
// the last finished one, for saving. It lives and goes with the window.
struct BacktestSession {
    std::optional<Backtest> running;
    std::optional<BacktestResult> result;
    std::string lastSaveName;
};

// About this many sets per tick of the window's timer: a few hundredths of
// a second, so that 中止 and the main window answer at once.
inline constexpr int kSetsPerTick = 20000;

// 予測設定 → 予測の検証: opens the window beside the main window.
void vBacktest_Click(Program& p);
// 実行: reads the settings and starts; 中止 stops; each tick runs a few draws.
void backtestRun_Click(Program& p, BacktestSession& s);
void backtestCancel_Click(Program& p, BacktestSession& s);
void backtestTimer_Timer(Program& p, BacktestSession& s);
// CSV で保存 and 明細を CSV で保存.
void backtestSaveTable_Click(Program& p, BacktestSession& s);
void backtestSaveDetail_Click(Program& p, BacktestSession& s);

// The window's table: a column per method and one for chance, whose exact
// figures stand there before any run (r null).
std::vector<std::string> resultHeadings();
std::vector<std::vector<std::string>> resultRows(const BacktestResult* r);
// The prize rates with their intervals against chance's.
ChartContent rateChartContent(const BacktestResult& r);

} // namespace zoki
