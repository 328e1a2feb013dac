#include "app/command_line.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zoki {
namespace {

TEST(CommandLine, VersionAndHelpAnswerInsteadOfTheWindowAndAnythingElseOpensIt) {
    const std::filesystem::path folder = "/home/user/.local/share/zoki";
    struct Case {
        std::vector<std::string> args;
        const char* reply; // nullptr: the window opens
    };
    const std::string usage = commandLineReply({"--help"}, folder).value().text;
    const std::string version = test::kTitle + "\n";
    for (const Case& c : {
             Case{{"--version"}, version.c_str()},
             Case{{"-V"}, version.c_str()},
             Case{{"-platform", "xcb", "--version"}, version.c_str()},
             Case{{"--help", "--version"}, usage.c_str()},
             Case{{"-h"}, usage.c_str()},
             Case{{}, nullptr},
             Case{{"-style", "fusion"}, nullptr},
             Case{{"--versions"}, nullptr},
             Case{{"version"}, nullptr},
         }) {
        const auto reply = commandLineReply(c.args, folder);
        ASSERT_EQ(reply.has_value(), c.reply != nullptr) << testing::PrintToString(c.args);
        if (reply) {
            EXPECT_EQ(reply->text, c.reply);
            EXPECT_EQ(reply->status, 0);
        }
    }
    EXPECT_EQ(programTitle(), test::kTitle);
}

TEST(CommandLine, TheUsageSaysWhatTheProgramIsAndWhereItsDataFilesAre) {
    const std::string usage = commandLineReply({"--help"}, "/opt/zoki").value().text;
    EXPECT_TRUE(usage.starts_with("使い方: zoki [オプション]\n")) << usage;
    for (const char* part : {"ロト6", "/opt/zoki/data.dat  当選番号の履歴\n",
                             "/opt/zoki/OutData.dat  履歴に残した予想番号\n", "--help", "--version"})
        EXPECT_NE(usage.find(part), std::string::npos) << part;
    EXPECT_TRUE(usage.ends_with("\n"));
    EXPECT_EQ(usage.find('\r'), std::string::npos) << "a terminal's line ends";
}

} // namespace
} // namespace zoki
