// Damaged or hand-edited data files, each taken through start-up, the
// history window, the match search and a weighted run: the statistics stop
// where a value is not a number, a value without a ball gets no picture, and
// nothing crashes or changes a byte of the file.
#include "base/errors.h"
#include "base/numtext.h"
#include "base/textfile.h"
#include "draws/statistics_kernels.h"
#include "hardening/scenario.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zoki {
namespace {

using namespace test;

const std::string kNul("7\0", 2);
const std::string kMegabyteOfDigits(1 << 20, '1');
const std::string kMegabyteOfLetters(1 << 20, 'x');
const std::string kShiftJisSeven = "\x82\x56"; // full-width "７" in Shift_JIS
const std::string kUtf8Seven = "\xE4\xB8\x83"; // "七" in UTF-8
const std::string kUtf8Text = "\xE7\xAC\xAC"
                              "7"; // "第7"

// How a value is taken: as a number 1..43, as a number with no ball, as an
// empty value, or as a text that is not a number.
enum class Reading { Counted, NotCounted, Blank, NotANumber };

struct ValueCase {
    const char* name;
    std::string line; // the line as it stands in the file
    std::string text; // what the draw table holds (decoded and trimmed)
    Reading reading;
    int number = 0;        // for Counted: the number it counts as
    std::string decoded{}; // the line decoded from the code page, when it is not the line itself

    const std::string& held() const { return decoded.empty() ? line : decoded; }
};

// Bytes of a file that do not decode are held as U+DC00 + byte.
const std::string kKept83 = "\xED\xB2\x83";

const std::vector<ValueCase> kValues = {
    {"leading zero", "07", "07", Reading::Counted, 7},
    {"plus sign", "+7", "+7", Reading::Counted, 7},
    {"blanks around", " 7 ", "7", Reading::Counted, 7},
    {"a fraction of zero", "7.0", "7.0", Reading::Counted, 7},
    {"an exponent", "1e1", "1e1", Reading::Counted, 10},
    {"beyond 43", "44", "44", Reading::NotCounted},
    {"negative", "-1", "-1", Reading::NotCounted},
    {"zero", "0", "0", Reading::NotCounted},
    {"a line of spaces", "     ", "", Reading::Blank},
    {"a NUL byte", kNul, kNul, Reading::NotANumber},
    {"a megabyte of digits", kMegabyteOfDigits, kMegabyteOfDigits, Reading::NotANumber},
    {"a megabyte of letters", kMegabyteOfLetters, kMegabyteOfLetters, Reading::NotANumber},
    {"Shift_JIS", kShiftJisSeven, "７", Reading::NotANumber, 0, "７"},
    {"UTF-8", kUtf8Seven, "荳" + kKept83, Reading::NotANumber, 0, "荳" + kKept83},
    {"UTF-8 text and a digit", kUtf8Text, "隨ｬ7", Reading::NotANumber, 0, "隨ｬ7"},
    {"a tab", "7\t", "7\t", Reading::NotANumber},
};

// Draw 3 with `line` in place of its fourth number, 23.
std::string drawsWith(const std::string& line) {
    Lines lines;
    for (const auto& draw : kThreeDraws)
        for (int n : draw)
            lines.push_back(std::to_string(n));
    lines[17] = line;
    return crlf(lines);
}

// Set 3 with `line` in place of its third number.
Lines setsWith(const std::string& line) {
    Lines lines = kTwoSets;
    for (const char* n : {"2", "8", "", "27", "30", "43"})
        lines.emplace_back(n);
    lines[14] = line;
    return lines;
}

// The history window, the match search and a weighted run of five sets,
// declined: what the user does after start-up.
void useEverything(Harness& h) {
    Program& p = h.p();
    p.form1.dataAdd.click();
    EXPECT_TRUE(p.form2().visible());
    p.form1.vCheckNumber.click();
    ASSERT_TRUE(p.form1.vData.checked()) << "a weighted run";
    runAndReveal(h, 5, Answer::No);
    EXPECT_EQ(h.dialogs.shown.back().text, kKeepQuestion);
    EXPECT_FALSE(anyMessageContains(h.dialogs, kEscaped));
}

TEST(DamagedFiles, ADrawValueIsReadAsTheStatisticsDefine) {
    for (const ValueCase& c : kValues) {
        SCOPED_TRACE(c.name);
        Harness h;
        const std::string bytes = drawsWith(c.line);
        Program& p = startWith(h, bytes, crlf(kTwoSets));
        Form2& f2 = p.form2();
        const bool stops = c.reading == Reading::NotANumber;

        EXPECT_TRUE(h.dialogs.shown.empty());
        EXPECT_EQ(p.form1.caption(), kTitle);
        if (stops) {
            // The statistics stopped at the value: no reload, no panel.
            EXPECT_EQ(p.stats.drawNumberTotal, 0);
            EXPECT_EQ(p.s.drawTable.elements().size(), 21U);
            EXPECT_EQ(f2.Label4(0).caption(), "過去1回");
            EXPECT_EQ(f2.Image1(0).picture(), 0);
        } else {
            const int counted = c.reading == Reading::Counted ? 1 : 0;
            EXPECT_EQ(p.stats.drawNumberTotal, 20 + counted);
            if (counted) {
                EXPECT_EQ(p.stats.numberCount[static_cast<std::size_t>(c.number)], c.number == 7 ? 2 : 1);
            }
            EXPECT_EQ(p.stats.numberCount[23], 0);
            EXPECT_EQ(p.s.drawTable.lineCount(), 21);
            EXPECT_EQ(p.s.drawTable[17], c.text);
            // The panel's latest row is draw 3: the value as text, a ball
            // only for a number 1..43, and nothing after a value without one.
            EXPECT_EQ(f2.Label4(0).caption(), "第3回");
            EXPECT_EQ(f2.Label3(3).caption(), c.text);
            EXPECT_EQ(f2.Image1(3).picture(), counted ? ballPicture(c.number) : 0);
            EXPECT_EQ(f2.Image1(4).picture(), counted ? ballPicture(34) : 0);
        }

        useEverything(h);

        // The match search opened on draw 3 with the value as it is held.
        Form5& f5 = p.form5();
        EXPECT_TRUE(f5.visible());
        EXPECT_EQ(f5.VScroll1.max(), 3);
        EXPECT_EQ(f5.Label2(3).caption(), c.text);
        // The opening fills the balls up to a value that is not a number (or
        // empty); a number without a ball shows none and the fill goes on. A
        // page change shows every other ball.
        const bool ball = c.reading == Reading::Counted;
        const bool filled = c.reading == Reading::Counted || c.reading == Reading::NotCounted;
        EXPECT_EQ(f5.Image1(3).picture(), ball ? ballPicture(c.number) : 0);
        EXPECT_EQ(f5.Image1(4).picture(), filled ? ballPicture(34) : 0);
        EXPECT_EQ(f5.Image1(6).picture(), filled ? bonusBallPicture(9) : 0);
        f5.VScroll1.setValue(1);
        f5.VScroll1.setValue(3);
        EXPECT_EQ(f5.Image1(3).picture(), ball ? ballPicture(c.number) : 0);
        EXPECT_EQ(f5.Image1(4).picture(), ballPicture(34));
        EXPECT_EQ(f5.Image1(6).picture(), bonusBallPicture(9));
        for (const Lines& set : predictedSets(p, 5))
            expectSoundSet(set, "weighted set");
        EXPECT_EQ(h.folder.read("data.dat"), bytes);
        EXPECT_EQ(h.folder.read("OutData.dat"), crlf(kTwoSets));

        // A registration keeps every line byte for byte, only trimmed of
        // blanks; a line of blanks stays as it is.
        h.dialogs.shown.clear();
        Form4& form = enterDraw(p, kNewDraw);
        form.Command1.click();
        EXPECT_TRUE(h.dialogs.shown.empty());
        Lines expected = splitLines(bytes);
        if (!trimSpaces(c.line).empty())
            expected[17] = trimSpaces(c.line);
        expected.insert(expected.end(), kNewDraw.begin(), kNewDraw.end());
        EXPECT_EQ(h.folder.read("data.dat"), crlf(expected));
    }
}

TEST(DamagedFiles, AKeptLineIsReadAsTheStatisticsDefine) {
    for (const ValueCase& c : kValues) {
        SCOPED_TRACE(c.name);
        Harness h;
        const Lines lines = setsWith(c.line);
        const std::string bytes = crlf(lines);
        Program& p = startWith(h, drawFile(kThreeDraws), bytes);
        Form2& f2 = p.form2();
        // " 7 " is a number with blanks around it; the output history keeps
        // its lines as read, and the chart counts it all the same.
        const bool number = c.reading == Reading::Counted || c.reading == Reading::NotCounted;

        EXPECT_TRUE(h.dialogs.shown.empty());
        Lines held = lines;
        held[14] = c.held();
        held.emplace_back();
        EXPECT_EQ(p.s.outHistory, held);
        EXPECT_EQ(p.stats.drawNumberTotal, 21);
        if (number) {
            const OutputCounts out = countOutputNumbers(p.s.outHistory);
            EXPECT_EQ(out.outLineCount, 18);
            if (c.reading == Reading::Counted) {
                EXPECT_EQ(out.outNumberCount[static_cast<std::size_t>(c.number)], 1);
            }
            EXPECT_EQ(f2.Image2(0).picture(), ballPicture(43)) << "the run reached the ranking pictures";
            EXPECT_EQ(p.s.drawTable.lineCount(), 21);
        } else {
            // The run ended at the line: no ranking pictures, no reload.
            EXPECT_EQ(f2.Image2(0).picture(), 0);
        }

        useEverything(h);

        // The match search opened on set 3 with the line as read.
        Form5& f5 = p.form5();
        EXPECT_TRUE(f5.visible());
        EXPECT_EQ(f5.VScroll2.max(), 3);
        EXPECT_EQ(f5.Label3(2).caption(), c.held());
        const bool ball = c.reading == Reading::Counted;
        EXPECT_EQ(f5.Image2(2).picture(), ball ? ballPicture(c.number) : 0);
        EXPECT_EQ(f5.Image2(3).picture(), number ? ballPicture(27) : 0);
        f5.VScroll2.setValue(1);
        f5.VScroll2.setValue(3);
        EXPECT_EQ(f5.Image2(3).picture(), ballPicture(27));
        EXPECT_EQ(h.folder.read("OutData.dat"), bytes);
        EXPECT_EQ(h.folder.read("data.dat"), drawFile(kThreeDraws));

        // A kept run writes every old line back byte for byte.
        h.dialogs.shown.clear();
        runAndReveal(h, 1, Answer::Yes);
        ASSERT_TRUE(anyMessageContains(h.dialogs, kWish));
        const Lines kept = boardSets(p, 1)[0];
        EXPECT_EQ(h.folder.read("OutData.dat"), bytes + crlf(kept));
    }
}

// Damage that concerns the whole file rather than one line.
struct FileCase {
    const char* name;
    std::string bytes;
    std::optional<std::string> afterStart; // the file after start-up, when it is rewritten
    std::function<void(Harness&)> check;   // after start-up and use
};

TEST(DamagedFiles, WholeDrawFiles) {
    std::string loneCr;
    for (const auto& draw : kThreeDraws)
        for (int n : draw)
            loneCr += std::to_string(n) + "\r";
    const std::string withEmptyLine = loneCr.substr(0, 10) + "\r" + loneCr.substr(10);
    const std::vector<FileCase> cases = {
        {"lone CRs", loneCr, std::nullopt,
         [](Harness& h) {
             EXPECT_EQ(h.p().stats.drawNumberTotal, 21);
             EXPECT_EQ(h.p().form5().Label2(6).caption(), "9");
         }},
        {"lone CRs and an empty line", withEmptyLine, drawFile(kThreeDraws),
         [](Harness& h) { EXPECT_EQ(h.p().stats.drawNumberTotal, 21); }},
        {"LF only", "3\n11\n19\n25\n33\n41\n7\n", std::nullopt,
         [](Harness& h) { EXPECT_EQ(h.p().form5().Frame1.caption(), "第 1 回 当選番号"); }},
        {"no line end at the end", "3\r\n11\r\n19\r\n25\r\n33\r\n41\r\n7", std::nullopt,
         [](Harness& h) { EXPECT_EQ(h.p().stats.numberCount[7], 1); }},
        {"NUL bytes only", std::string(4096, '\0'), std::nullopt,
         [](Harness& h) {
             EXPECT_EQ(h.p().stats.drawNumberTotal, 0);
             // One line is no draw: the match search says so.
             EXPECT_TRUE(anyMessageContains(h.dialogs, "当選データが登録されていません。"));
         }},
        {"a UTF-8 byte order mark", "\xEF\xBB\xBF" + drawFile(kThreeDraws), std::nullopt,
         [](Harness& h) {
             EXPECT_EQ(h.p().stats.drawNumberTotal, 0);
             EXPECT_TRUE(h.p().form5().visible());
         }},
        {"one draw and one number", drawFile({kThreeDraws[0]}) + "5\r\n", std::nullopt,
         [](Harness& h) {
             EXPECT_EQ(h.p().form5().VScroll1.max(), 1);
             EXPECT_EQ(h.p().form2().Label4(0).caption(), "第1回");
         }},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        startWith(h, c.bytes, crlf(kTwoSets));
        EXPECT_FALSE(anyMessageContains(h.dialogs, kEscaped));
        useEverything(h);
        c.check(h);
        EXPECT_EQ(h.folder.read("data.dat"), c.afterStart.value_or(c.bytes));
    }
}

TEST(DamagedFiles, ADrawFileThatIsAFolder) {
    Harness h;
    std::filesystem::create_directory(h.folder / "data.dat");
    Program& p = startWith(h, std::nullopt, crlf(kTwoSets));
    ASSERT_EQ(h.dialogs.shown.size(), 1U) << "told once, at start-up";
    EXPECT_NE(h.dialogs.shown[0].text.find("ゾキは data.dat に何も書き込みません"), std::string::npos);
    EXPECT_NE(h.dialogs.shown[0].text.find("data.dat には、ファイルの代わりにフォルダーがあります"), std::string::npos)
        << h.dialogs.shown[0].text;
    h.dialogs.shown.clear();
    EXPECT_EQ(p.form1.caption(), kTitle);
    EXPECT_TRUE(p.s.drawTable.empty());

    p.form1.dataAdd.click();
    EXPECT_TRUE(p.form2().visible());
    p.form1.vCheckNumber.click();
    ASSERT_EQ(h.dialogs.shown.size(), 1U);
    EXPECT_EQ(h.dialogs.shown[0].text,
              "当選データが登録されていません。\r追加するか、データファイルを差し替えて下さい。");
    EXPECT_FALSE(p.form5().visible());
    runAndReveal(h, 5, Answer::No);
    for (const Lines& set : predictedSets(p, 5))
        expectSoundSet(set, "weighted set on no draws");
    EXPECT_FALSE(anyMessageContains(h.dialogs, kEscaped));
    EXPECT_TRUE(std::filesystem::is_directory(h.folder / "data.dat"));
    EXPECT_EQ(h.folder.read("OutData.dat"), crlf(kTwoSets));
}

TEST(DamagedFiles, AnOutputHistoryThatIsAFolderStopsStartUpNamingIt) {
    Harness h;
    h.folder.write("data.dat", drawFile(kThreeDraws));
    std::filesystem::create_directory(h.folder / "OutData.dat");
    try {
        h.start();
        ADD_FAILURE() << "start-up went on without its output history";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find((h.folder / "OutData.dat").string()), std::string::npos) << e.what();
    }
    EXPECT_TRUE(std::filesystem::is_directory(h.folder / "OutData.dat"));
    EXPECT_EQ(h.folder.read("data.dat"), drawFile(kThreeDraws));
}

TEST(DamagedFiles, WholeOutputHistories) {
    std::string loneCr;
    for (const std::string& n : kTwoSets)
        loneCr += n + "\r";
    const std::vector<FileCase> cases = {
        {"lone CRs", loneCr, std::nullopt,
         [](Harness& h) {
             EXPECT_EQ(countOutputNumbers(h.p().s.outHistory).outLineCount, 12);
             EXPECT_EQ(h.p().form5().Label3(5).caption(), "40");
         }},
        {"no line end at the end", "4\r\n9\r\n15\r\n22\r\n30\r\n41", std::nullopt,
         [](Harness& h) { EXPECT_EQ(h.p().form5().Label3(5).caption(), "41"); }},
        {"NUL bytes only", std::string(4096, '\0'), std::nullopt,
         [](Harness& h) {
             EXPECT_EQ(countOutputNumbers(h.p().s.outHistory).outLineCount, 1);
             // One line is no kept set: the match search says so.
             EXPECT_TRUE(anyMessageContains(h.dialogs, "履歴データが登録されていません。"));
         }},
        {"an empty line between the sets", crlf({"4", "9", "15", "22", "30", "41", ""}) + crlf(kTwoSets), std::nullopt,
         [](Harness& h) { EXPECT_EQ(h.p().form2().Image2(0).picture(), 0); }},
        {"a UTF-8 byte order mark", "\xEF\xBB\xBF" + crlf(kTwoSets), std::nullopt,
         [](Harness& h) { EXPECT_EQ(h.p().form5().Image2(0).picture(), ballPicture(1)); }},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        startWith(h, drawFile(kThreeDraws), c.bytes);
        EXPECT_FALSE(anyMessageContains(h.dialogs, kEscaped));
        useEverything(h);
        c.check(h);
        EXPECT_EQ(h.folder.read("OutData.dat"), c.bytes);
    }
}

} // namespace
} // namespace zoki
