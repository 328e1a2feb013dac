#include "base/encoding.h"
#include "reports/hit_history.h"
#include "reports/report_file.h"
#include "reports/reports.h"

#include <gtest/gtest.h>

#include <optional>

namespace zoki {
namespace {

TEST(FileNameRule, AppendsTxtUnlessTheNameHoldsItAnywhere) {
    struct Case {
        const char* chosen;
        const char* path;
    };
    for (const Case& c : {
             Case{"a", "a.txt"},
             Case{"a.txt", "a.txt"},
             Case{"a.txt.bak", "a.txt.bak"},
             Case{"my.txtfile", "my.txtfile"},
             Case{"a.TXT", "a.TXT.txt"},
             Case{"a.tx", "a.tx.txt"},
             Case{"/tmp/dir.txt/report", "/tmp/dir.txt/report"},
             Case{"", ".txt"},
         })
        EXPECT_EQ(withTextExtension(c.chosen), c.path) << c.chosen;
}

TEST(TwoDigitRule, PadsOnlyTextsOfOneCharacter) {
    struct Case {
        const char* text;
        const char* printed;
    };
    for (const Case& c : {
             Case{"5", "05"},
             Case{"05", "05"},
             Case{"43", "43"},
             Case{"123", "123"},
             Case{"", ""},
             Case{" ", "0 "},
             Case{"７", "0７"}, // one character, three bytes
             Case{"７７", "７７"},
         })
        EXPECT_EQ(twoDigits(std::string_view(c.text)), c.printed) << c.text;
    // Values read from a file whose bytes do not decode and encode back the
    // same way are kept raw; the code page still counts their characters.
    struct Raw {
        const char* bytes;
        const char* printed;
    };
    for (const Raw& c : {
             Raw{"\xED\x40", "0\xED\x40"}, // one character that maps back elsewhere (FA 5C)
             Raw{"\x80", "0\x80"},         // one byte that is no character
             Raw{"\xED\x40\xED\x40", "\xED\x40\xED\x40"},
             Raw{"\xED\x40"
                 "7",
                 "\xED\x40"
                 "7"},
             Raw{"\x80"
                 "7",
                 "\x80"
                 "7"},
             Raw{"\xED", "0\xED"}, // a lead byte at the end, alone
         })
        EXPECT_EQ(toShiftJis(twoDigits(fromShiftJis(c.bytes))), c.printed) << testing::PrintToString(c.bytes);
    EXPECT_EQ(twoDigits(9LL), "09");
    EXPECT_EQ(twoDigits(10LL), "10");
    EXPECT_EQ(twoDigits(100LL), "100");
}

TEST(RateText, SinglePrecisionWithSevenSignificantDigitsAndNoExponent) {
    struct Case {
        std::int64_t count;
        std::int64_t total;
        const char* text;
    };
    for (const Case& c : {
             Case{1, 1, "100"},
             Case{1, 3, "33.33333"},
             Case{2, 3, "66.66666"}, // the single-precision value, not the exact 66.666667
             Case{1, 8, "12.5"},
             Case{1, 7, "14.28571"},
             Case{1, 6, "16.66667"},
             Case{0, 5, "0"},
             Case{0, 0, "0"},
             Case{1, 2, "50"},
             Case{1, 2'200'000, "0.00004545454"}, // 4.5454544e-05 in single precision
             Case{1, 1'000'000'000, "0.0000001"},
             Case{99'999, 100'000, "99.999"},
             Case{40'000, 40'000, "100"},
             Case{1, 40'000, "0.0025"},
         })
        EXPECT_EQ(rateText(c.count, c.total), c.text) << c.count << " / " << c.total;
}

TEST(SingleText, RoundsToSevenDigitsAcrossAPowerOfTen) {
    EXPECT_EQ(singleText(99.999999f), "100");
    EXPECT_EQ(singleText(1234567.0f), "1234567");
    EXPECT_EQ(singleText(12345678.0f), "12345680");
    EXPECT_EQ(singleText(-2.5f), "-2.5");
}

TEST(DrawRecord, IsCutAtSixDashesAndTheUnderscore) {
    const auto cut = cutDrawRecord("3-11-17-28-35-42-7_1");
    ASSERT_TRUE(cut);
    EXPECT_EQ(*cut, (std::array<std::string, 7>{"3", "11", "17", "28", "35", "42", "7"}));

    // A damaged value with a leading minus shifts the cut, as the separators say.
    const auto shifted = cutDrawRecord("-5-11-17-28-35-42-7_1");
    ASSERT_TRUE(shifted);
    EXPECT_EQ(*shifted, (std::array<std::string, 7>{"", "5", "11", "17", "28", "35", "42-7"}));

    for (const char* notADraw : {"-", "", "1-2-3-4-5-6-", "1-2-3-4-5-6-7", "1-2-3-4-5_6-7", "4_2-1-2-3-4-5-6_1"})
        EXPECT_FALSE(cutDrawRecord(notADraw)) << notADraw;
}

} // namespace
} // namespace zoki
