#include "backtest/backtest_command.h"

#include "backtest/backtest.h"
#include "backtest/backtest_texts.h"
#include "backtest/csv.h"
#include "base/atomic_save.h"
#include "base/errors.h"
#include "draws/draw_file.h"
#include "program/messages.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace zoki {

namespace {

constexpr std::string_view kBacktest = "--backtest";

struct Request {
    BacktestSettings settings;
    bool firstGiven = false;
    std::optional<std::filesystem::path> detail;
};

// A number written in plain digits, within [0, max]; no blanks on the
// command line.
std::optional<std::uint64_t> plainNumber(std::string_view text, std::uint64_t max) {
    if (text.find(' ') != std::string_view::npos)
        return std::nullopt;
    return settingNumber(text, max);
}

std::string wantsNumber(std::string_view option, long long low, long long high) {
    return std::string(option) + " には " + std::to_string(low) + " から " + std::to_string(high) +
           " までの整数を指定して下さい。";
}

// One option and its value into the request; the fault's text otherwise.
std::optional<std::string> take(std::string_view option, std::string_view value, Request& r) {
    const auto small = [&](int low, int high, int& into) -> std::optional<std::string> {
        const auto v = plainNumber(value, static_cast<std::uint64_t>(high));
        if (!v || *v < static_cast<std::uint64_t>(low))
            return wantsNumber(option, low, high);
        into = static_cast<int>(*v);
        return std::nullopt;
    };
    if (option == "--sets")
        return small(1, kMaxSets, r.settings.sets);
    if (option == "--repeat")
        return small(1, kMaxRepeats, r.settings.repeats);
    if (option == "--from") {
        r.firstGiven = true;
        return small(2, kMaxDrawFileLines / kLinesPerDraw, r.settings.firstDraw);
    }
    if (option == "--seed") {
        const auto v = plainNumber(value, UINT64_MAX);
        if (!v)
            return std::string(option) + " には 0 から " + std::to_string(UINT64_MAX) + " までの整数を指定して下さい。";
        r.settings.seed = *v;
        return std::nullopt;
    }
    if (value.empty())
        return std::string(option) + " の後にファイル名を指定して下さい。";
    r.detail = std::filesystem::path(std::string(value));
    return std::nullopt;
}

// The request the arguments make, or the fault's text.
std::optional<std::string> parse(const std::vector<std::string>& args, Request& r) {
    static constexpr std::string_view kOptions[] = {"--sets", "--repeat", "--from", "--seed", "--detail"};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == kBacktest)
            continue;
        const std::size_t equals = arg.find('=');
        const std::string_view option = arg.substr(0, equals);
        if (std::find(std::begin(kOptions), std::end(kOptions), option) == std::end(kOptions))
            return "知らないオプション「" + std::string(arg) + "」です。zoki --help で使い方を確かめて下さい。";
        std::string_view value;
        if (equals != std::string_view::npos)
            value = arg.substr(equals + 1);
        else if (i + 1 < args.size())
            value = args[++i];
        else
            return std::string(option) + " の後に値を指定して下さい。";
        if (auto fault = take(option, value, r))
            return fault;
    }
    return std::nullopt;
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec))
        return true;
    return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec) && !ec;
}

CommandOutput failure(std::string text) {
    // One line on the terminal: a message box's line breaks become blanks.
    std::replace(text.begin(), text.end(), '\r', ' ');
    return CommandOutput{"", "zoki: " + text + "\n", 1};
}

} // namespace

bool asksForBacktest(const std::vector<std::string>& args) {
    return std::find(args.begin(), args.end(), kBacktest) != args.end();
}

CommandOutput backtestCommand(const std::vector<std::string>& args, const std::filesystem::path& folder) {
    Request r;
    if (auto fault = parse(args, r))
        return failure(*fault);
    const std::filesystem::path drawFile = folder / "data.dat";
    if (r.detail && (sameFile(*r.detail, drawFile) || sameFile(*r.detail, folder / "OutData.dat")))
        return failure("--detail に data.dat や OutData.dat は指定できません。別のファイル名を指定して下さい。");
    try {
        const std::vector<std::string> values = DrawFile(drawFile).read().values;
        HistoryReading history = drawHistory(values, values.size());
        if (history.faultyDraw != 0)
            return failure(btext::faultyDrawMessage(history.faultyDraw));
        const int draws = static_cast<int>(history.draws.size());
        if (!r.firstGiven)
            r.settings.firstDraw = defaultFirstDraw(draws);
        if (const SettingsFault fault = checkSettings(r.settings, draws); fault != SettingsFault::None)
            return failure(btext::settingsFaultMessage(fault, draws));
        r.settings.keepDetail = r.detail.has_value();
        const BacktestResult result = runBacktest(std::move(history.draws), r.settings);
        if (r.detail)
            replaceFileAtomically(*r.detail, backtestDetailCsv(result, "\r\n"));
        return CommandOutput{backtestTableCsv(result, "\n"), "", 0};
    } catch (const std::exception& e) {
        return failure(msg::failureText(e));
    }
}

} // namespace zoki
