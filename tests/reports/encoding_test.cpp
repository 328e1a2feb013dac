#include "reports/cp932_words.h"
#include "reports/encoding.h"

#include <gtest/gtest.h>

namespace zoki {
namespace {

using test::hexBytes;

TEST(ShiftJis, ConvertsTheReportsWordsToCp932) {
    struct Case {
        const char* utf8;
        std::string bytes;
    };
    for (const Case& c : {
             Case{"", ""},
             Case{"LOTO 6 EXPECTED DATA\r\n", "LOTO 6 EXPECTED DATA\r\n"},
             Case{"    推測1 : 05", "    " + test::sj::suisoku + "1 : 05"},
             Case{"…", hexBytes("81 63")},
             Case{"【二等当選】", hexBytes("81 79 93 F1 93 99 93 96 91 49 81 7A")},
             Case{"当選確立", hexBytes("93 96 91 49 8A 6D 97 A7")},
             Case{"テキスト", hexBytes("83 65 83 4C 83 58 83 67")},
             Case{"ｱ", hexBytes("B1")},    // half-width katakana: three bytes in, one out
             Case{"①", hexBytes("87 40")}, // a Windows extension of plain Shift_JIS
             Case{"髙", hexBytes("FB FC")},
         })
        EXPECT_EQ(toShiftJis(c.utf8), c.bytes) << c.utf8;
}

TEST(ShiftJis, RefusesWhatTheCodePageCannotHold) {
    struct Case {
        std::string utf8;
        const char* named;
    };
    for (const Case& c : {
             Case{"01-😀-03", "U+1F600"}, Case{"한", "U+D55C"}, Case{"caf\xC3\xA9", "U+00E9"}, Case{"12\xFF", "0xFF"},
             Case{"\xE6\x8E", "0xE6"}, // cut off in the middle of a character
         }) {
        try {
            toShiftJis(c.utf8);
            ADD_FAILURE() << "no error for " << c.named;
        } catch (const EncodingError& e) {
            EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
        }
    }
}

TEST(ShiftJis, ConvertsLongTextsWhole) {
    std::string utf8;
    std::string expected;
    for (int i = 0; i < 100'000; ++i) {
        utf8 += "第…";
        expected += hexBytes("91 E6 81 63");
    }
    EXPECT_EQ(toShiftJis(utf8), expected);
}

} // namespace
} // namespace zoki
