#include "draws/draw_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zoki {
namespace {

// The checks in the form's order, each with the fields it marks in the order
// they are marked (of the last duplicate pair, the highest field last), and
// the draw a passing entry gives.
TEST(DrawEntry, TheFirstFailingCheckDecidesAndNamesItsFields) {
    struct Case {
        const char* name;
        EntryTexts texts;
        EntryFault fault;
        std::vector<int> marked;
        EntryNumbers numbers;
    };
    const std::vector<Case> cases = {
        {"a draw", {"3", "11", "17", "25", "38", "42", "7"}, EntryFault::None, {}, {3, 11, 17, 25, 38, 42, 7}},
        {"full width and a leading zero",
         {"３", "１１", "17", "25", "38", "42", "07"},
         EntryFault::None,
         {},
         {3, 11, 17, 25, 38, 42, 7}},
        {"blank before letters", {"", "a", "17", "25", "38", "42", "7"}, EntryFault::Blank, {}, {}},
        {"letters, every one", {"a", "11", "17", " 25", "38", "4 2", "7"}, EntryFault::NotDigits, {0, 3, 5}, {}},
        {"out of range, every one", {"0", "11", "1.5", "25", "38", "44", "7"}, EntryFault::OutOfRange, {0, 2, 5}, {}},
        {"the last duplicate pair", {"5", "5", "17", "9", "9", "42", "7"}, EntryFault::Duplicate, {3, 4}, {}},
        {"one number in two spellings", {"7", "11", "17", "25", "38", "42", "7.0"}, EntryFault::Duplicate, {0, 6}, {}},
    };
    for (const Case& c : cases) {
        const EntryCheck check = checkEntry(c.texts);
        EXPECT_EQ(check.fault, c.fault) << c.name;
        EXPECT_EQ(check.marked, c.marked) << c.name;
        if (c.fault == EntryFault::None) {
            EXPECT_EQ(check.numbers, c.numbers) << c.name;
        }
    }
}

TEST(DrawEntry, ADrawRepeatsTheLatestOnlyWithTheSameMainNumbersAndBonus) {
    const std::vector<std::string> values = {"1", "2", "3", "4", "5", "6", "7", "3", "11", "17", "25", "38", "42", "7"};
    EXPECT_TRUE(repeatsLatestDraw(values, {42, 38, 25, 17, 11, 3, 7}));
    EXPECT_FALSE(repeatsLatestDraw(values, {3, 11, 17, 25, 38, 7, 42})) << "the bonus swapped with a main number";
    EXPECT_FALSE(repeatsLatestDraw(values, {1, 2, 3, 4, 5, 6, 7})) << "an earlier draw";
    EXPECT_FALSE(repeatsLatestDraw({"1", "2"}, {1, 2, 3, 4, 5, 6, 7})) << "no whole draw";
}

} // namespace
} // namespace zoki
