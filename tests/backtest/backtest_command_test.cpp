// "zoki --backtest": the table on standard output, or one Japanese line on
// standard error and nothing else; data.dat is only read.
#include "app/command_line.h"
#include "backtest/backtest_command.h"
#include "invented_history.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zoki {
namespace {

const std::string kHeader = "method,sets,tier1,tier2,tier3,tier4,tier5,prize_rate,prize_ci_low,prize_ci_high,"
                            "expected_prize_rate,mean_matches,matches_ci_low,matches_ci_high,expected_matches,p_value";

std::string dataFile(int draws, std::uint64_t seed) {
    return test::crlf(test::tableValues(test::inventedHistory(draws, seed)));
}

std::vector<std::string> lines(const std::string& text, const std::string& end = "\n") {
    std::vector<std::string> out;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t at = text.find(end, from);
        out.push_back(text.substr(from, at - from));
        from = at == std::string::npos ? text.size() : at + end.size();
    }
    return out;
}

TEST(BacktestCommand, PrintsTheTableAndLeavesTheDataFilesAsTheyWere) {
    test::TempFolder folder;
    const std::string data = dataFile(40, 21);
    folder.write("data.dat", data);
    const auto reply = commandLineReply({"--backtest", "--sets", "2", "--repeat=3", "--seed", "9"}, folder.path());
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->status, 0);
    EXPECT_EQ(reply->error, "");
    const std::vector<std::string> rows = lines(reply->text);
    ASSERT_EQ(rows.size(), 5u) << reply->text;
    EXPECT_EQ(rows[0], kHeader);
    const char* names[] = {"plain,", "high,", "mid,", "low,"};
    for (std::size_t m = 0; m < 4; ++m) {
        EXPECT_TRUE(rows[m + 1].starts_with(std::string(names[m]) + "234,")) << rows[m + 1] << ": 39 draws × 3 × 2";
        EXPECT_NE(rows[m + 1].find(",0.0271655,"), std::string::npos) << "the exact prize rate: " << rows[m + 1];
        EXPECT_NE(rows[m + 1].find(",0.837209,"), std::string::npos) << "36/43: " << rows[m + 1];
    }
    EXPECT_EQ(folder.read("data.dat"), data);
    EXPECT_FALSE(folder.exists("OutData.dat"));
    // Short histories start at draw 2; the seed decides everything.
    const auto again = commandLineReply({"--seed", "9", "--repeat", "3", "--backtest", "--sets=2"}, folder.path());
    EXPECT_EQ(again->text, reply->text);
}

TEST(BacktestCommand, WritesEverySetToTheDetailFile) {
    test::TempFolder folder;
    folder.write("data.dat", dataFile(12, 22));
    const auto reply = commandLineReply(
        {"--backtest", "--sets", "1", "--repeat", "2", "--from", "11", "--detail", (folder / "sets.csv").string()},
        folder.path());
    ASSERT_EQ(reply->status, 0) << reply->error;
    const std::vector<std::string> rows = lines(folder.read("sets.csv"), "\r\n");
    ASSERT_EQ(rows.size(), 1u + 2 * 4 * 2) << "two draws, four methods, two repeats of one set";
    EXPECT_EQ(rows[0], "draw,method,repeat,set,n1,n2,n3,n4,n5,n6,matches,bonus,tier");
    EXPECT_TRUE(rows[1].starts_with("11,plain,1,1,")) << rows[1];
    EXPECT_TRUE(rows[3].starts_with("11,high,1,1,")) << rows[3];
    EXPECT_TRUE(rows[16].starts_with("12,low,2,1,")) << rows[16];
}

TEST(BacktestCommand, AnyFaultIsOneJapaneseLineOnStandardErrorAndNothingElse) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::string data; // "-" for a folder in place of data.dat
        const char* says;
    };
    const std::string enough = dataFile(30, 23);
    std::vector<std::string> damagedValues = test::tableValues(test::inventedHistory(30, 23));
    damagedValues.back() = "44";
    const std::string damaged = test::crlf(damagedValues);
    const Case cases[] = {
        {"six sets", {"--backtest", "--sets", "6"}, enough, "--sets には 1 から 5 までの整数"},
        {"no repeat", {"--backtest", "--repeat=0"}, enough, "--repeat には 1 から 100 までの整数"},
        {"a sign", {"--backtest", "--seed", "-1"}, enough, "--seed には 0 から"},
        {"a seed past 64 bits", {"--backtest", "--seed", "18446744073709551616"}, enough, "--seed には 0 から"},
        {"a value missing", {"--backtest", "--from"}, enough, "--from の後に値を"},
        {"an unknown option", {"--backtest", "--fast"}, enough, "知らないオプション「--fast」"},
        {"a first draw past the history", {"--backtest", "--from", "30"}, enough, "2 から 29 までの整数"},
        {"a history too short", {"--backtest"}, dataFile(2, 24), "3 回分以上必要です (いまは 2 回分)"},
        {"no data.dat", {"--backtest"}, "", "いまは 0 回分"},
        {"a damaged draw", {"--backtest"}, damaged, "第30回の当選データ"},
        {"data.dat unreadable", {"--backtest"}, "-", "フォルダーがあります"},
        {"the detail onto data.dat",
         {"--backtest", "--detail", "DATA"},
         enough,
         "data.dat や OutData.dat は指定できません"},
    };
    for (const Case& c : cases) {
        test::TempFolder folder;
        if (c.data == "-")
            std::filesystem::create_directory(folder / "data.dat");
        else if (!c.data.empty())
            folder.write("data.dat", c.data);
        std::vector<std::string> args = c.args;
        for (std::string& a : args)
            if (a == "DATA")
                a = (folder / "data.dat").string();
        const CommandOutput out = backtestCommand(args, folder.path());
        EXPECT_NE(out.status, 0) << c.name;
        EXPECT_EQ(out.out, "") << c.name;
        EXPECT_TRUE(out.err.starts_with("zoki: ")) << c.name << ": " << out.err;
        EXPECT_NE(out.err.find(c.says), std::string::npos) << c.name << ": " << out.err;
        EXPECT_EQ(out.err.find_first_of("\r\n"), out.err.size() - 1) << c.name << ": one line";
        if (c.data.empty()) {
            EXPECT_FALSE(folder.exists("data.dat")) << c.name << ": not created";
        } else if (c.data != "-") {
            EXPECT_EQ(folder.read("data.dat"), c.data) << c.name;
        }
        EXPECT_FALSE(folder.exists("OutData.dat")) << c.name;
    }
}

TEST(BacktestCommand, OnlyTheBacktestOptionAsksForIt) {
    for (const auto& [args, asks] : {std::pair<std::vector<std::string>, bool>{{"--backtest"}, true},
                                     {{"--sets", "2", "--backtest"}, true},
                                     {{"--backtests"}, false},
                                     {{"-platform", "xcb"}, false},
                                     {{}, false}})
        EXPECT_EQ(asksForBacktest(args), asks) << testing::PrintToString(args);
    EXPECT_NE(commandLineReply({"--help"}, "/opt/zoki")->text.find("--backtest"), std::string::npos);
}

} // namespace
} // namespace zoki
