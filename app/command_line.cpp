#include "app/command_line.h"

#include "app/version.h"
#include "backtest/backtest_command.h"
#include "base/numtext.h"
#include "program/messages.h"

#include <utility>

namespace zoki {

std::string programTitle() {
    return "ゾキ ver" + decimalText(kVersionMajor) + "." + decimalText(kVersionMinor) + decimalText(kVersionRevision);
}

std::optional<CommandLineReply> commandLineReply(const std::vector<std::string>& args,
                                                 const std::filesystem::path& folder) {
    for (const std::string& arg : args) {
        if (arg == "--version" || arg == "-V")
            return CommandLineReply{programTitle() + "\n", 0, ""};
        if (arg == "--help" || arg == "-h")
            return CommandLineReply{msg::usage(folder / "data.dat", folder / "OutData.dat"), 0, ""};
    }
    if (asksForBacktest(args)) {
        CommandOutput run = backtestCommand(args, folder);
        return CommandLineReply{std::move(run.out), run.status, std::move(run.err)};
    }
    return std::nullopt;
}

} // namespace zoki
