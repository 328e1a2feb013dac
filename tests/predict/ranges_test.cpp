#include "predict/ranges.h"
#include "predict/settings.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zoki {
namespace {

const std::string kAllMarked = "全ての予測範囲指定項目に対してチェックを入れることはできません。";
const std::string kOnlyForties = "40～43の予測範囲指定のみで実行することはできません。";

// The warning for the ranges marked by letter, "AC" for the first and third.
std::optional<std::string> refusalFor(std::span<const ExclusionRange> ranges, const std::string& letters) {
    std::array<bool, 8> marks{};
    for (char c : letters)
        marks.at(static_cast<std::size_t>(c - 'A')) = true;
    return rangeRefusal(ranges, std::span<const bool>(marks).first(ranges.size()));
}

TEST(ExclusionRanges, EveryMarkingIsRefusedExactlyWhenFewerThanSixNumbersRemain) {
    // All five: the first warning; the four below 40 alone: the second; any
    // other marking leaves at least nine numbers.
    for (unsigned bits = 0; bits < 32; ++bits) {
        std::string letters;
        for (int k = 0; k < 5; ++k)
            if (bits & (1u << k))
                letters += static_cast<char>('A' + k);
        std::optional<std::string> expected;
        if (bits == 31)
            expected = kAllMarked;
        else if ((bits & 15u) == 15u)
            expected = kOnlyForties;
        EXPECT_EQ(refusalFor(kExclusionRanges, letters), expected) << letters;
    }
}

TEST(ExclusionRanges, TheRuleHoldsForAnyTable) {
    // A sixth range: 40..43 split in two.
    const ExclusionRange six[] = {{1, 9}, {10, 19}, {20, 29}, {30, 39}, {40, 41}, {42, 43}};
    struct Case {
        const char* name;
        std::string marked;
        std::optional<std::string> warning;
    };
    const Case cases[] = {
        {"two numbers left", "ABCDE", "42～43の予測範囲指定のみで実行することはできません。"},
        {"four numbers in two ranges", "ABCD", "40～41、42～43の予測範囲指定のみで実行することはできません。"},
        {"every range", "ABCDEF", kAllMarked},
        {"1..9 left", "BCDEF", std::nullopt},
        {"30..39 left", "ABCEF", std::nullopt},
        {"nothing marked", "", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(refusalFor(six, c.marked), c.warning) << c.name;
}

TEST(ExclusionRanges, CountTheNumbersTheMarksLeave) {
    struct Case {
        const char* name;
        std::string marked;
        int allowed;
        std::vector<int> excludedNumbers; // at the ranges' edges
        std::vector<int> keptNumbers;
    };
    const Case cases[] = {
        {"none", "", 43, {}, {1, 9, 10, 43}},  {"first", "A", 34, {1, 9}, {10, 43}},
        {"last", "E", 39, {40, 43}, {39, 1}},  {"all but the first", "BCDE", 9, {10, 19, 20, 39, 40, 43}, {1, 9}},
        {"all", "ABCDE", 0, {1, 43}, {0, 44}},
    };
    for (const Case& c : cases) {
        RangeMarks marks{};
        for (char l : c.marked)
            marks.at(static_cast<std::size_t>(l - 'A')) = true;
        EXPECT_EQ(allowedNumbers(marks), c.allowed) << c.name;
        for (int n : c.excludedNumbers)
            EXPECT_TRUE(excluded(marks, n)) << c.name << " " << n;
        for (int n : c.keptNumbers)
            EXPECT_FALSE(excluded(marks, n)) << c.name << " " << n;
    }
}

TEST(ExclusionRanges, CaptionsAreBuiltFromTheNumbersInTwoDigits) {
    struct Case {
        ExclusionRange range;
        const char* caption;
    };
    const Case cases[] = {
        {{1, 9}, "01～09の数値を対象外とする"},
        {{10, 19}, "10～19の数値を対象外とする"},
        {{40, 43}, "40～43の数値を対象外とする"},
        {{5, 5}, "05～05の数値を対象外とする"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rangeCaption(c.range), c.caption) << c.caption;
}

// The main window's table-driven submenus, as the user finds them at start.
TEST(PredictionMenus, ShowTheirItemsAndCaptionsInTableOrder) {
    struct Case {
        const char* name;
        MenuItem Form1::*menu;
        std::vector<std::string> captions;
        std::string checked;
    };
    const Case cases[] = {
        {"strengths",
         &Form1::vSetting,
         {"過去に出現したデータを重要視する(&H)", "過去に出現したデータをある程度重視する(&M)",
          "過去に出現したデータを微妙に考慮する(&L)"},
         "vSetHigh"},
        {"ranges",
         &Form1::yosoku,
         {"01～09の数値を対象外とする", "10～19の数値を対象外とする", "20～29の数値を対象外とする",
          "30～39の数値を対象外とする", "40～43の数値を対象外とする"},
         ""},
        {"speeds", &Form1::vSpeed, {"超超速(&S)", "超速(&H)", "中速(&M)", "低速(&L)"}, "vMidle"},
    };
    test::Harness h;
    Program& p = h.start();
    for (const Case& c : cases) {
        std::vector<std::string> captions;
        std::string checked;
        for (const MenuItem* item : (p.form1.*c.menu).items) {
            captions.push_back(item->caption());
            if (item->checked())
                checked += item->objectName();
        }
        EXPECT_EQ(captions, c.captions) << c.name;
        EXPECT_EQ(checked, c.checked) << c.name;
    }
}

} // namespace
} // namespace zoki
