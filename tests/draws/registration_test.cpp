#include "base/numtext.h"
#include "base/syscalls.h"
#include "base/textfile.h"
#include "draws/registration.h"
#include "support/control_values.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zoki {
namespace {

using test::crlf;
using test::drawFile;
using test::Harness;
using test::kRed;
using Fields = std::array<std::string, 7>;

const Fields kGood{"3", "11", "17", "25", "38", "42", "7"};
const std::vector<int> kDraw1{1, 2, 3, 4, 5, 6, 7};
const std::vector<int> kDraw2{10, 11, 12, 13, 14, 15, 16};

const std::string kBlank = "入力された数値に空欄が発見されました。 ";
const std::string kNotDigits = "数値以外が入力された可能性があります。 ";
const std::string kOutOfRange = "数値が範囲内にありません。【1 - 43】 ";
const std::string kDuplicate = "入力された数値に重複が発見されました。 ";

Fields with(std::initializer_list<std::pair<int, const char*>> changes) {
    Fields f = kGood;
    for (const auto& [k, text] : changes)
        f[static_cast<std::size_t>(k)] = text;
    return f;
}

// Starts the program over data.dat and opens the form by its menu item.
Form4& openForm(Harness& h, const std::string& drawBytes) {
    h.folder.write("data.dat", drawBytes);
    Program& p = h.start();
    h.dialogs.shown.clear();
    p.form1.addAdd.click();
    return p.form4();
}

void enter(Form4& f, const Fields& fields) {
    for (int k = 0; k < 7; ++k)
        f.Text1(k).setText(fields[static_cast<std::size_t>(k)]);
}

std::vector<Rgb> colours(const Form4& f) {
    std::vector<Rgb> out;
    for (const auto& t : f.Text1)
        out.push_back(t->backColor());
    return out;
}

std::vector<std::string> texts(const Form4& f) {
    std::vector<std::string> out;
    for (const auto& t : f.Text1)
        out.push_back(t->text());
    return out;
}

Rgb firstColour(int k) { return k == 6 ? test::kBonusFirstColor : kWhite; }

TEST(Registration, BadInputShowsOneMessageHighlightsTheFieldsAndWritesNothing) {
    struct Case {
        const char* name;
        Fields fields;
        std::string message;
        std::vector<int> red; // fields highlighted while the message is open
    };
    const Case cases[] = {
        {"blank field", with({{2, ""}}), kBlank, {}},
        {"blank bonus", with({{6, ""}}), kBlank, {}},
        {"blank comes before a non-digit", with({{0, ""}, {1, "a"}}), kBlank, {}},
        {"leading blank", with({{6, " 7"}}), kNotDigits, {6}},
        {"sign", with({{0, "+7"}}), kNotDigits, {0}},
        {"minus", with({{1, "-1"}}), kNotDigits, {1}},
        {"letter", with({{3, "a"}}), kNotDigits, {3}},
        {"digit then letter", with({{4, "1a"}}), kNotDigits, {4}},
        {"two numbers", with({{4, "1 2"}}), kNotDigits, {4}},
        {"full-width letter", with({{2, "Ａ"}}), kNotDigits, {2}},
        {"full-width zero", with({{2, "０"}}), kOutOfRange, {2}},
        {"full-width 7 and 7 are one ball", with({{0, "７"}}), kDuplicate, {0, 6}},
        {"two non-digits", with({{1, " 7"}, {5, "x"}}), kNotDigits, {1, 5}},
        {"non-digit comes before range", with({{0, "a"}, {1, "0"}}), kNotDigits, {0}},
        {"zero", with({{6, "0"}}), kOutOfRange, {6}},
        {"44", with({{1, "44"}}), kOutOfRange, {1}},
        {"0.5", with({{5, "0.5"}}), kOutOfRange, {5}},
        {"a fraction names no ball", with({{1, "1.5"}, {4, "43.5"}}), kOutOfRange, {1, 4}},
        {"two out of range", with({{2, "0"}, {4, "100"}}), kOutOfRange, {2, 4}},
        {"range comes before duplicate", with({{0, "0"}, {1, "0"}}), kOutOfRange, {0, 1}},
        {"duplicate main numbers", with({{1, "20"}, {3, "20"}}), kDuplicate, {1, 3}},
        {"bonus equal to a main number", with({{6, "42"}}), kDuplicate, {5, 6}},
        {"7 and 7", with({{0, "7"}}), kDuplicate, {0, 6}},
        {"07 and 7 are one ball", with({{0, "07"}}), kDuplicate, {0, 6}},
        {"7.0 and 7 are one ball", with({{3, "7.0"}}), kDuplicate, {3, 6}},
        {"the last pair is shown", with({{0, "5"}, {1, "5"}, {3, "9"}, {4, "9"}}), kDuplicate, {3, 4}},
        {"three equal texts", with({{0, "5"}, {2, "5"}, {4, "5"}}), kDuplicate, {2, 4}},
    };
    for (const Case& c : cases) {
        Harness h;
        const std::string before = drawFile({kDraw1, kDraw2});
        Form4& f = openForm(h, before);
        enter(f, c.fields);
        std::vector<Rgb> during;
        h.dialogs.duringMessage = [&](const test::ShownMessage&) { during = colours(f); };

        f.Command1.click();

        ASSERT_EQ(h.dialogs.shown.size(), 1U) << c.name;
        EXPECT_EQ(h.dialogs.shown[0].text, c.message) << c.name;
        EXPECT_EQ(h.dialogs.shown[0].title, "警告") << c.name;
        EXPECT_EQ(h.dialogs.shown[0].buttons, Buttons::Ok) << c.name;
        EXPECT_EQ(h.dialogs.shown[0].icon, Icon::None) << c.name;
        std::vector<Rgb> expectDuring;
        std::vector<Rgb> expectAfter;
        for (int k = 0; k < 7; ++k) {
            const bool red = std::find(c.red.begin(), c.red.end(), k) != c.red.end();
            expectDuring.push_back(red ? kRed : firstColour(k));
            expectAfter.push_back(red ? (k == 6 ? test::kBonusNormalColor : kWhite) : firstColour(k));
        }
        EXPECT_EQ(during, expectDuring) << c.name;
        EXPECT_EQ(colours(f), expectAfter) << c.name;
        EXPECT_EQ(texts(f), std::vector<std::string>(c.fields.begin(), c.fields.end())) << c.name;
        EXPECT_TRUE(f.visible()) << c.name;
        EXPECT_EQ(h.folder.read("data.dat"), before) << c.name;
    }
}

TEST(Registration, DuplicatePairTurnsRedJThenIAndBackInTheSameOrder) {
    Harness h;
    Form4& f = openForm(h, drawFile({kDraw1}));
    enter(f, with({{0, "7"}})); // pair i = 6, j = 0
    std::vector<std::string> log;
    f.listener = [&](Control* c, Prop prop) {
        if (c == nullptr || prop != Prop::BackColor)
            return;
        const Rgb colour = static_cast<TextField*>(c)->backColor();
        log.push_back(c->objectName() + (colour == kRed ? " red" : " normal"));
    };
    h.dialogs.duringMessage = [&](const test::ShownMessage&) { log.emplace_back("message"); };
    f.Command1.click();
    EXPECT_EQ(log,
              (std::vector<std::string>{"Text1_0 red", "Text1_6 red", "message", "Text1_0 normal", "Text1_6 normal"}));
}

TEST(Registration, AGoodDrawAddsSevenLinesEmptiesTheFieldsAndHidesTheForm) {
    struct Case {
        const char* name;
        Fields fields;
        std::vector<std::string> added;
    };
    const Case cases[] = {
        {"plain numbers", kGood, {"3", "11", "17", "25", "38", "42", "7"}},
        {"numbers stored as their plain text",
         {"07", "11.0", "20", "30", "40", "43", "1e1"},
         {"7", "11", "20", "30", "40", "43", "10"}},
        {"trailing blank", {"7 ", "8", "20", "30", "40", "41", "42"}, {"7", "8", "20", "30", "40", "41", "42"}},
        // Typed with the input method on: the numbers they show, stored
        // as plain digits.
        {"full-width digits",
         {"３", "１１", "１７", "２５", "３８", "４２", "７"},
         {"3", "11", "17", "25", "38", "42", "7"}},
        {"half and full width in one field",
         {"1８", "１1", "20", "30", "40", "41", "42"},
         {"18", "11", "20", "30", "40", "41", "42"}},
    };
    for (const Case& c : cases) {
        Harness h;
        const std::string before = drawFile({kDraw1, kDraw2});
        Form4& f = openForm(h, before);
        enter(f, c.fields);
        f.Command1.click();

        EXPECT_TRUE(h.dialogs.shown.empty()) << c.name << ": " << h.dialogs.shown.front().text;
        EXPECT_EQ(h.folder.read("data.dat"), before + crlf(c.added)) << c.name;
        EXPECT_EQ(texts(f), std::vector<std::string>(7, "")) << c.name;
        EXPECT_FALSE(f.visible()) << c.name;
    }
}

// Entering the latest draw again is asked about before it is stored, No
// (and Enter) keeping the file and the form as they were; a draw that only
// looks like it, or like an earlier one, is stored at once.
TEST(Registration, TheLatestDrawEnteredAgainIsAskedAbout) {
    const std::vector<int> latest{38, 3, 25, 42, 17, 11, 7}; // registered in drawn order
    const std::string question =
        "入力された 7 個の数字は、登録済みの最新の回 (第2回) と同じです。\r"
        "同じ回を二度登録しようとしていないか確かめて下さい。\rこのまま第3回として登録しますか？";
    struct Case {
        const char* name;
        Fields fields;
        std::optional<Answer> answer; // none: Enter
        bool asked;
        bool stored;
    };
    const Case cases[] = {
        {"in drawn order, Enter", {"17", "3", "25", "42", "38", "11", "7"}, std::nullopt, true, false},
        {"the same, No", kGood, Answer::No, true, false},
        {"the same, Yes", kGood, Answer::Yes, true, true},
        {"full-width, the same draw", {"３", "１１", "１７", "２５", "３８", "４２", "７"}, std::nullopt, true, false},
        {"another bonus", with({{6, "8"}}), std::nullopt, false, true},
        {"the bonus among the mains", {"3", "11", "17", "25", "38", "7", "42"}, std::nullopt, false, true},
        {"the draw before the latest", {"1", "2", "3", "4", "5", "6", "7"}, std::nullopt, false, true},
    };
    for (const Case& c : cases) {
        Harness h;
        const std::string before = drawFile({kDraw1, latest});
        Form4& f = openForm(h, before);
        enter(f, c.fields);
        if (c.answer)
            h.dialogs.answers.push_back(*c.answer);
        f.Command1.click();

        ASSERT_EQ(h.dialogs.shown.size(), c.asked ? 1U : 0U) << c.name;
        if (c.asked) {
            EXPECT_EQ(h.dialogs.shown[0].text, question) << c.name;
            EXPECT_EQ(h.dialogs.shown[0].title, "【質問】") << c.name;
            EXPECT_EQ(h.dialogs.shown[0].buttons, Buttons::YesNoDefaultNo) << c.name;
        }
        std::vector<std::string> added;
        for (const std::string& text : c.fields)
            added.push_back(std::to_string(std::stoi(asciiDigits(text))));
        EXPECT_EQ(h.folder.read("data.dat"), c.stored ? before + crlf(added) : before) << c.name;
        EXPECT_EQ(f.visible(), !c.stored) << c.name;
        EXPECT_EQ(texts(f), c.stored ? std::vector<std::string>(7, "")
                                     : std::vector<std::string>(c.fields.begin(), c.fields.end()))
            << c.name;
    }
}

TEST(Registration, TheNewDrawCountsAtOnce) {
    Harness h;
    // A kept set, so that the statistics run on to the reload of the table.
    h.folder.write("OutData.dat", crlf({"1", "2", "3", "4", "5", "6"}));
    Form4& f = openForm(h, drawFile({kDraw1}));
    Program& p = h.p();
    ASSERT_EQ(p.stats.numberCount[17], 0);
    enter(f, kGood);
    f.Command1.click();

    ASSERT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(p.stats.numberCount[17], 1);
    EXPECT_EQ(p.stats.numberCount[3], 2);
    EXPECT_EQ(p.stats.numberCount[7], 2);
    EXPECT_EQ(p.stats.drawNumberTotal, 14);
    // The statistics reload the table: the new draw, then the spare entry.
    ASSERT_EQ(p.s.drawTable.elements().size(), 15U);
    EXPECT_EQ(p.s.drawTable[13], "7");
    EXPECT_EQ(p.s.drawTable[14], "");
}

TEST(Registration, AppendsToTheFileAsItIsNowAndRewritesItTrimmed) {
    Harness h;
    Form4& f = openForm(h, drawFile({kDraw1}));
    // Changed behind the program's back since start-up, with padded lines.
    h.folder.write("data.dat", crlf({"1", " 2", "3 ", "4", "5", "6", "7"}));
    enter(f, kGood);
    f.Command1.click();
    EXPECT_EQ(h.folder.read("data.dat"), drawFile({kDraw1, {3, 11, 17, 25, 38, 42, 7}}));
}

TEST(Registration, AnEmptyFileGetsExactlyTheSevenLines) {
    Harness h;
    Form4& f = openForm(h, "");
    enter(f, kGood);
    f.Command1.click();
    EXPECT_EQ(h.folder.read("data.dat"), crlf({"3", "11", "17", "25", "38", "42", "7"}));
}

// Read as every read of data.dat reads it: trimmed, empty lines dropped.
TEST(Registration, AFailedCheckStillReloadsTheTable) {
    Harness h;
    Form4& f = openForm(h, "");
    h.folder.write("data.dat", crlf({"1", " 2 ", "", "3", "4", "5", "6", "7"}));
    enter(f, with({{2, ""}}));
    f.Command1.click();
    EXPECT_EQ(h.p().s.drawTable.elements(), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", ""}));
}

TEST(Registration, AFailedWriteKeepsFileTableAndTexts) {
    Harness h;
    const std::string before = drawFile({kDraw1, kDraw2});
    Form4& f = openForm(h, before);
    enter(f, kGood);
    sys::Faults::failNth(sys::Call::Write, 1, ENOSPC);
    f.Command1.click();
    sys::Faults::reset();

    ASSERT_EQ(h.dialogs.shown.size(), 1U);
    EXPECT_NE(h.dialogs.shown[0].text.find("data.dat"), std::string::npos) << h.dialogs.shown[0].text;
    EXPECT_EQ(h.dialogs.shown[0].title, "警告");
    EXPECT_EQ(h.folder.read("data.dat"), before);
    EXPECT_EQ(texts(f), std::vector<std::string>(kGood.begin(), kGood.end()));
    EXPECT_TRUE(f.visible());
    std::vector<std::string> reloaded = readTextLines(h.folder / "data.dat", kMaxDataFileBytes);
    reloaded.emplace_back();
    EXPECT_EQ(h.p().s.drawTable.elements(), reloaded);
    for (const auto& entry : std::filesystem::directory_iterator(h.folder.path()))
        EXPECT_TRUE(entry.path().filename() == "data.dat" || entry.path().filename() == "OutData.dat")
            << "left behind: " << entry.path();

    // The texts are still there, so a second press registers the draw.
    h.dialogs.shown.clear();
    f.Command1.click();
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.folder.read("data.dat"), before + crlf({"3", "11", "17", "25", "38", "42", "7"}));
}

TEST(Registration, AnUnreadableDrawFileIsReportedAndChangesNothing) {
    for (const bool asFolder : {false, true}) {
        Harness h;
        Form4& f = openForm(h, drawFile({kDraw1}));
        const std::vector<std::string> table = h.p().s.drawTable.elements();
        std::filesystem::remove(h.folder / "data.dat");
        if (asFolder)
            std::filesystem::create_directory(h.folder / "data.dat");
        enter(f, kGood);
        f.Command1.click();

        ASSERT_EQ(h.dialogs.shown.size(), 1U) << asFolder;
        EXPECT_NE(h.dialogs.shown[0].text.find("data.dat"), std::string::npos) << asFolder;
        EXPECT_EQ(h.dialogs.shown[0].title, "警告") << asFolder;
        EXPECT_EQ(texts(f), std::vector<std::string>(kGood.begin(), kGood.end())) << asFolder;
        EXPECT_TRUE(f.visible()) << asFolder;
        EXPECT_EQ(h.p().s.drawTable.elements(), table) << asFolder;
        EXPECT_EQ(std::filesystem::is_directory(h.folder / "data.dat"), asFolder);
        EXPECT_EQ(std::filesystem::exists(h.folder / "data.dat"), asFolder) << "no file was created";
    }
}

TEST(Registration, AFileAtItsLineLimitTakesNoFurtherDraw) {
    // 4680 draws leave room for exactly one more within 32767 lines.
    std::vector<std::vector<int>> draws(4680, kDraw1);
    Harness h;
    Form4& f = openForm(h, drawFile(draws));
    enter(f, kGood);
    f.Command1.click();
    ASSERT_TRUE(h.dialogs.shown.empty()) << h.dialogs.shown.front().text;
    const std::string full = h.folder.read("data.dat");
    EXPECT_EQ(readTextLines(h.folder / "data.dat", kMaxDataFileBytes).size(), 32767U);

    h.p().form1.addAdd.click();
    enter(f, kGood);
    f.Command1.click();
    ASSERT_EQ(h.dialogs.shown.size(), 1U);
    EXPECT_NE(h.dialogs.shown[0].text.find("32767"), std::string::npos) << h.dialogs.shown[0].text;
    EXPECT_EQ(h.dialogs.shown[0].title, "警告");
    EXPECT_EQ(h.folder.read("data.dat"), full);
    EXPECT_EQ(texts(f), std::vector<std::string>(kGood.begin(), kGood.end()));
}

} // namespace
} // namespace zoki
