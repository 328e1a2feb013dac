#include "base/encoding.h"
#include "reports/cp932_words.h"

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

TEST(ShiftJis, DecodesTheCodePageToUtf8) {
    struct Case {
        std::string bytes;
        const char* utf8;
    };
    for (const Case& c : {
             Case{"", ""},
             Case{"12\r\n7", "12\r\n7"},
             Case{hexBytes("82 56"), "７"},
             Case{hexBytes("8E B5"), "七"},
             Case{hexBytes("91 E6 31 32 89 F1"), "第12回"},
             Case{hexBytes("B1"), "ｱ"},
             Case{hexBytes("87 40"), "①"},
         })
        EXPECT_EQ(fromShiftJis(c.bytes), c.utf8) << c.utf8;
}

// The first and last byte of each range that starts a two-byte character,
// and the bytes beside them, which start none: "@" after them is its own.
TEST(ShiftJis, LeadBytesAreThoseOfTheCodePageEdgesIncluded) {
    struct Case {
        std::string bytes;
        const char* utf8;
    };
    for (const Case& c : {
             Case{hexBytes("81 40"), "\u3000"},
             Case{hexBytes("9F FC"), "滌"},
             Case{hexBytes("E0 40"), "漾"},
             Case{hexBytes("FC 4B"), "黑"},
             Case{hexBytes("DF 40"), "ﾟ@"},
         })
        EXPECT_EQ(fromShiftJis(c.bytes), c.utf8) << c.utf8;
    for (const char* outside : {"80 40", "A0 40", "FD 40"}) {
        const std::string text = fromShiftJis(hexBytes(outside));
        EXPECT_TRUE(text.ends_with("@")) << outside;
        EXPECT_EQ(toShiftJis(text), hexBytes(outside)) << outside;
    }
}

// Whatever a hand-edited file holds, decoding and encoding again gives its
// bytes: a lead byte cut off by a line end, bytes that start no character,
// and characters the code page maps from two places.
// Eight bytes are checked at a time: a byte of the code page is found
// wherever it stands, in a whole group of eight or in the rest.
TEST(ShiftJis, AnyByteAbove127IsNotAscii) {
    for (std::size_t length : {0U, 1U, 7U, 8U, 9U, 16U, 23U}) {
        const std::string ascii(length, '7');
        EXPECT_TRUE(isAscii(ascii)) << length;
        for (std::size_t at = 0; at < length; ++at) {
            std::string text = ascii;
            text[at] = '\x82';
            EXPECT_FALSE(isAscii(text)) << length << " at " << at;
            EXPECT_EQ(toShiftJis(fromShiftJis(text)), text) << length << " at " << at;
        }
    }
    EXPECT_TRUE(isAscii(std::string("\x7f\0\r\n", 4)));
}

TEST(ShiftJis, DecodingThenEncodingKeepsEveryByte) {
    for (const std::string& bytes : {
             hexBytes("82"), hexBytes("31 82 0D 0A 32"), hexBytes("80 A0 FD FE FF"),
             hexBytes("ED 40"), // NEC's copy of an IBM extension; FA 5C is the same character
             hexBytes("87 90"), // NEC's copy of a JIS symbol
         }) {
        const std::string text = fromShiftJis(bytes);
        EXPECT_EQ(toShiftJis(text), bytes) << testing::PrintToString(bytes);
    }

    std::string everyPair;
    for (int a = 0x80; a < 0x100; ++a)
        for (int b = 0; b < 0x100; ++b) {
            everyPair += static_cast<char>(a);
            everyPair += static_cast<char>(b);
            everyPair += '\n';
        }
    EXPECT_EQ(toShiftJis(fromShiftJis(everyPair)), everyPair);
}

TEST(ShiftJis, AByteThatDoesNotDecodeIsNeitherDroppedNorANumber) {
    const std::string text = fromShiftJis(hexBytes("37 82"));
    EXPECT_NE(text, "7");
    EXPECT_EQ(text.rfind('7', 0), 0u);
    EXPECT_GT(text.size(), 2u);
}

} // namespace
} // namespace zoki

namespace zoki {
namespace {

TEST(ImportEncodings, EucJpAndUtf16DecodeAndKeepWhatDoesNot) {
    const std::string kept80 = "\xED\xB2\x80";     // U+DC80: the byte 80 kept
    const std::string notDecoded = "\xED\xB3\xBF"; // U+DCFF
    struct Case {
        const char* name;
        std::string decoded;
        std::string expected;
    };
    const Case cases[] = {
        {"EUC-JP kanji and ASCII",
         fromEucJp("\xC2\xE8"
                   "1500\xB2\xF3,\xA5\xDC\xA1\xBC\xA5\xCA\xA5\xB9"),
         "第1500回,ボーナス"},
        {"EUC-JP half-width katakana after 8E", fromEucJp("\x8E\xCE\x8E\xDE"), "ﾎﾞ"},
        {"EUC-JP NEC circled digit", fromEucJp("\xAD\xA1"), "①"},
        {"EUC-JP: a byte that starts nothing is kept",
         fromEucJp(std::string("a\x80"
                               "b")),
         "a" + kept80 + "b"},
        {"UTF-16LE",
         fromUtf16(std::string("\x2C\x7B"
                               "1\0"
                               "\xDE\x56",
                               6),
                   false),
         "第1回"},
        {"UTF-16BE",
         fromUtf16(std::string("\x7B\x2C\0"
                               "1\x56\xDE",
                               6),
                   true),
         "第1回"},
        {"UTF-16LE surrogate pair", fromUtf16(std::string("\x3D\xD8\x00\xDE", 4), false), "\xF0\x9F\x98\x80"},
        {"UTF-16LE lone surrogate and odd byte kept",
         fromUtf16(std::string("\x3D\xD8"
                               "A\0"
                               "\x80",
                               5),
                   false),
         notDecoded + "A" + notDecoded},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.decoded, c.expected) << c.name;
}

} // namespace
} // namespace zoki
