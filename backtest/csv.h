#pragma once

#include "backtest/backtest.h"

#include <string>

namespace zoki {

// The table as CSV: a header, then one row per method, each line ended by
// `lineEnd`. Rates, means and p-values as decimals of six significant digits.
std::string backtestTableCsv(const BacktestResult& r, const char* lineEnd);

// Every predicted set as CSV: draw, method, repeat, set, the six numbers,
// the main numbers matched, 1 when the bonus number is in the set, the rank
// (0 for no prize).
std::string backtestDetailCsv(const BacktestResult& r, const char* lineEnd);

} // namespace zoki
