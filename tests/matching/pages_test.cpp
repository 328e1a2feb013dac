#include "matching/pages.h"
#include "program/messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zoki {
namespace {

TEST(Pages, CountsRoundHalvesToEven) {
    struct Case {
        long long highestIndex;
        long long draws;
        long long sets;
    };
    for (const Case& c : {
             Case{-1, 0, 0},
             Case{4, 1, 0},
             Case{5, 1, 0}, // (5 - 2) / 6 = 0.5 goes to 0
             Case{6, 1, 1},
             Case{7, 1, 1},
             Case{11, 2, 2}, // (11 - 2) / 6 = 1.5 goes to 2
             Case{14, 2, 2},
             Case{32767, 4681, 5461},
             Case{38228, 5461, 6371},
         }) {
        EXPECT_EQ(drawPageCount(c.highestIndex), c.draws) << c.highestIndex;
        EXPECT_EQ(setPageCount(c.highestIndex), c.sets) << c.highestIndex;
    }
    EXPECT_EQ(pageMax16(32767), 32767);
    EXPECT_EQ(pageMax16(32768), 32767);
}

TEST(Pages, AMatchNeedsKeptSetsAndDraws) {
    const std::vector<std::string> none;
    const std::vector<std::string> four(4, "1");
    const std::vector<std::string> five(5, "1");
    struct Case {
        const std::vector<std::string>& draws;
        const std::vector<std::string>& history;
        const char* warning;
    };
    for (const Case& c : {
             Case{none, none, msg::kNoHistory}, // an empty history is told before missing draws
             Case{four, five, msg::kNoDraws},
             Case{five, four, msg::kNoHistory},
             Case{five, five, nullptr},
         })
        // By text: the same constant may sit at another address in each file.
        EXPECT_STREQ(matchWarning(c.draws, c.history), c.warning) << c.draws.size() << " " << c.history.size();
}

} // namespace
} // namespace zoki
