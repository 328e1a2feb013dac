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

TEST(Pages, EntriesOfAPage) {
    const std::vector<std::string> table = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", ""};
    struct Case {
        const char* name;
        int page;
        Int16 pageMax;
        DrawTexts draw;
        SetTexts set;
    };
    const std::vector<Case> cases = {
        {"the first page", 1, 2, {"1", "2", "3", "4", "5", "6", "7"}, {"1", "2", "3", "4", "5", "6"}},
        {"a page cut short by the table's end",
         2,
         2,
         {"8", "9", "10", "11", "", "", ""},
         {"7", "8", "9", "10", "11", ""}},
        {"a page beyond the bar's last", 3, 2, {}, {}},
        {"page 0", 0, 2, {}, {}},
        {"a page 16-bit arithmetic cannot reach", 5462, 32767, {}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(drawOnPage(table, c.page, c.pageMax), c.draw) << c.name;
        EXPECT_EQ(setOnPage(table, c.page, c.pageMax), c.set) << c.name;
    }
}

TEST(Pages, BallPicturesOfAPage) {
    const DrawTexts draw = {"3", "11", "19", "25", "33", "41", "7"};
    const SetTexts set = {"1", "2", "3", "4", "5", "43"};
    const std::vector<int> drawBalls = {103, 111, 119, 125, 133, 141, 150};
    const std::vector<int> setBalls = {101, 102, 103, 104, 105, 143};
    const auto joined = [](std::vector<int> a, const std::vector<int>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    struct Case {
        const char* name;
        DrawTexts draw;
        bool drawExists;
        SetTexts set;
        bool setExists;
        BallFill fill;
        std::vector<int> pictures;
    };
    const std::vector<Case> cases = {
        {"every ball, the bonus from the bonus set", draw, true, set, true, BallFill::UpToFailure,
         joined(drawBalls, setBalls)},
        {"by whole part, none outside 1..43",
         {"7.5", " 8 ", "0", "44", "-1", "1e1", "43.9"},
         true,
         set,
         true,
         BallFill::UpToFailure,
         joined({107, 108, 0, 0, 0, 110, 186}, setBalls)},
        {"the opening stops before a text",
         {"3", "x", "19", "25", "33", "41", "7"},
         true,
         set,
         true,
         BallFill::UpToFailure,
         {103}},
        {"and before an empty entry",
         draw,
         true,
         {"1", "2", "", "4", "5", "6"},
         true,
         BallFill::UpToFailure,
         joined(drawBalls, {101, 102})},
        {"a page change shows none for either",
         {"3", "x", "19", "25", "33", "41", "7"},
         true,
         {"1", "2", "", "4", "5", "6"},
         true,
         BallFill::Lenient,
         {103, 0, 119, 125, 133, 141, 150, 101, 102, 0, 104, 105, 106}},
        {"a page that does not exist never stops the opening",
         {"", "", "", "", "", "", ""},
         false,
         set,
         true,
         BallFill::UpToFailure,
         joined(std::vector<int>(7, 0), setBalls)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pageBallPictures(c.draw, c.drawExists, c.set, c.setExists, c.fill), c.pictures) << c.name;
}

} // namespace
} // namespace zoki
