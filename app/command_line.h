#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zoki {

// The name and version, as the main window's title shows them: "ゾキ ver0.42".
std::string programTitle();

// What an option given on the command line asks for instead of the window.
struct CommandLineReply {
    std::string text; // for standard output
    int status = 0;
    std::string error; // for standard error
};

// "--version" and "--help" (or "-V", "-h"): the text to print, naming the
// data files in `folder`, the program's own folder. "--backtest" and its
// options: the backtest over the data in `folder` (backtest_command.h). For
// anything else nothing: the window opens, and the window system takes its
// own options.
std::optional<CommandLineReply> commandLineReply(const std::vector<std::string>& args,
                                                 const std::filesystem::path& folder);

} // namespace zoki
