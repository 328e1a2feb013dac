#include "base/errors.h"
#include "base/int16.h"
#include "base/numtext.h"

#include <gtest/gtest.h>

namespace zoki {
namespace {

TEST(NumericValue, ReadsNumbersTheWayTheFilesWriteThemAndMore) {
    struct Case {
        const char* text;
        double value;
    };
    for (const Case& c : {Case{"7", 7}, Case{"07", 7}, Case{" 7 ", 7}, Case{"+7", 7}, Case{"-1", -1}, Case{"7.0", 7},
                          Case{"43.5", 43.5}, Case{".5", 0.5}, Case{"1e1", 10}, Case{"1E+1", 10}})
        EXPECT_DOUBLE_EQ(numericValue(c.text), c.value) << c.text;
}

TEST(NumericValue, RejectsTextsThatAreNotOneNumber) {
    for (const char* text : {"", " ", "a", "1a", "1 2", "７", "1e", "-", ".", "0x10", "1,5", "\t7"}) {
        EXPECT_FALSE(isNumber(text)) << text;
        EXPECT_THROW(numericValue(text), TypeMismatchError) << text;
    }
}

TEST(WholePart, RoundsDownLikeInt) {
    EXPECT_EQ(wholePart("43.5"), 43);
    EXPECT_EQ(wholePart("0.5"), 0);
    EXPECT_EQ(wholePart("-0.5"), -1);
    EXPECT_EQ(wholePart16("1.5"), 1);
    EXPECT_THROW(wholePart16("32768"), OverflowError);
    EXPECT_EQ(wholePart16("32767.9"), 32767);
}

TEST(BallNumber, EachRuleDecidesOnlyItsOwnCase) {
    constexpr int kFails = -1;
    struct Case {
        const char* text;
        int plain;  // no rules
        int whole;  // .wholePart
        int strict; // .textFails
    };
    for (const Case& c : {
             Case{"7", 7, 7, 7},
             Case{"43", 43, 43, 43},
             Case{"07", 7, 7, 7},
             Case{" 7 ", 7, 7, 7},
             Case{"7.0", 7, 7, 7},
             Case{"1e1", 10, 10, 10},
             Case{"7.5", 0, 7, 0},
             Case{"43.9", 0, 43, 0},
             Case{"0.5", 0, 0, 0},
             Case{"0", 0, 0, 0},
             Case{"44", 0, 0, 0},
             Case{"-1", 0, 0, 0},
             Case{"", 0, 0, 0},
             Case{"   ", 0, 0, 0},
             Case{"x", 0, 0, kFails},
             Case{"７", 0, 0, kFails},
         }) {
        const auto ball = [&](BallRules rules) {
            try {
                return ballNumber(c.text, rules);
            } catch (const TypeMismatchError&) {
                return kFails;
            }
        };
        EXPECT_EQ(ball({}), c.plain) << c.text;
        EXPECT_EQ(ball({.wholePart = true}), c.whole) << c.text;
        EXPECT_EQ(ball({.textFails = true}), c.strict) << c.text;
    }
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(2.0 / 3.0), 1);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
}

TEST(TrimSpaces, RemovesOnlySpaces) {
    EXPECT_EQ(trimSpaces("  7  "), "7");
    EXPECT_EQ(trimSpaces("   "), "");
    EXPECT_EQ(trimSpaces("\t7"), "\t7");
}

TEST(Int16, ArithmeticStopsAtTheLimitsInsteadOfWrapping) {
    Int16 v = 32766;
    ++v;
    EXPECT_EQ(v, 32767);
    EXPECT_THROW(++v, OverflowError);
    EXPECT_EQ(v, 32767) << "a failed step leaves the value";
    EXPECT_THROW(Int16(-32768) - 1, OverflowError);
    EXPECT_THROW(Int16(200) * Int16(200), OverflowError);
    EXPECT_EQ(Int16(-32768) + 0, -32768);
}

} // namespace
} // namespace zoki
