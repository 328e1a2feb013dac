#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zoki {

// "zoki --backtest [--sets N] [--repeat R] [--from D] [--seed S] [--detail FILE]":
// the backtest over data.dat in the program's folder, read as the start-up
// reads it and never written, the table printed as CSV.
struct CommandOutput {
    std::string out; // for standard output
    std::string err; // for standard error: one Japanese line
    int status = 0;
};

// True when the arguments ask for the backtest.
bool asksForBacktest(const std::vector<std::string>& args);

// Runs it: on any fault nothing for standard output, one line for standard
// error and a non-zero status.
CommandOutput backtestCommand(const std::vector<std::string>& args, const std::filesystem::path& folder);

} // namespace zoki
