#include "base/errors.h"
#include "base/syscalls.h"
#include "base/textfile.h"
#include "draws/draw_file.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

namespace zoki {
namespace {

using test::crlf;
using test::drawFile;
using test::Harness;

using Lines = std::vector<std::string>;

const std::string kOneKeptSet = crlf({"1", "2", "3", "4", "5", "6"});

// The start-up load on its own, over the given data.dat bytes.
struct StartupLoad {
    const char* name;
    std::string bytes;
    Lines table;       // drawTable after the load
    std::string after; // data.dat afterwards
};

TEST(DrawFileStartup, DropsEmptyLinesAndKeepsEveryValue) {
    const Lines draw{"3", "11", "19", "25", "33", "41", "7"};
    const std::vector<StartupLoad> cases = {
        {"clean file is kept as it is", crlf(draw), draw, crlf(draw)},
        {"extra empty line at the end", crlf(draw) + "\r\n", draw, crlf(draw)},
        {"empty lines between values", "3\r\n\r\n11\r\n19\r\n\r\n\r\n25\r\n33\r\n41\r\n7\r\n", draw, crlf(draw)},
        {"LF-only lines", "3\n11\n19\n25\n33\n\n41\n7\n", draw, crlf(draw)},
        {"last line without line end", "3\r\n11\r\n19\r\n25\r\n33\r\n41\r\n7", draw,
         "3\r\n11\r\n19\r\n25\r\n33\r\n41\r\n7"},
        {"padded values are trimmed in the table only", " 3\r\n11 \r\n19\r\n25\r\n33\r\n41\r\n7\r\n", draw,
         " 3\r\n11 \r\n19\r\n25\r\n33\r\n41\r\n7\r\n"},
        {"padded values are written trimmed when rewritten", " 3\r\n\r\n11 \r\n19\r\n25\r\n33\r\n41\r\n7\r\n", draw,
         crlf(draw)},
        // A line of spaces keeps its place as an empty value; it is not an
        // empty line, so alone it does not cause a rewrite.
        {"line of spaces alone", "3\r\n   \r\n11\r\n", {"3", "", "11"}, "3\r\n   \r\n11\r\n"},
        {"line of spaces with an empty line", "3\r\n   \r\n\r\n11\r\n", {"3", "", "11"}, "3\r\n   \r\n11\r\n"},
        {"trailing line of spaces", "3\r\n11\r\n   \r\n\r\n", {"3", "11"}, "3\r\n11\r\n"},
        {"only empty lines", "\r\n\r\n", {}, ""},
    };
    for (const StartupLoad& c : cases) {
        Harness h;
        h.folder.write("data.dat", c.bytes);
        // No kept sets: the statistics end before they reload the table, so
        // it is still the one the start-up load left.
        Program& p = h.start();
        ASSERT_TRUE(p.s.outHistory.empty());
        EXPECT_EQ(p.s.drawTable.elements(), c.table) << c.name;
        EXPECT_EQ(h.folder.read("data.dat"), c.after) << c.name;
        EXPECT_TRUE(h.dialogs.shown.empty()) << c.name;

        // A command that only looks reads the same table and tidies nothing.
        test::TempFolder look;
        look.write("data.dat", c.bytes);
        EXPECT_EQ(DrawFile(look / "data.dat").read().values, c.table) << c.name;
        EXPECT_EQ(look.read("data.dat"), c.bytes) << c.name;
    }
    test::TempFolder none;
    EXPECT_FALSE(DrawFile(none / "data.dat").read().bytes);
    EXPECT_FALSE(none.exists("data.dat")) << "a look creates nothing";
    std::filesystem::create_directory(none / "data.dat");
    EXPECT_THROW(DrawFile(none / "data.dat").read(), FileError);
}

// A line of spaces is a value of its draw: a rewrite that turned it into an
// empty line would let the next start drop it and shift every later draw.
TEST(DrawFileStartup, RewritesNeverRegroupTheDraws) {
    const std::string draws = crlf({"3",  "11", "19", "25", "33", "41", "7",  "2",  "   ", "8",  "20",
                                    "27", "30", "43", "15", "1",  "5",  "12", "23", "34",  "40", "9"});
    const std::string newDraw = crlf({"6", "13", "21", "28", "36", "42", "10"});
    struct Case {
        const char* name;
        std::string bytes;
        bool registers;
        std::string after; // data.dat after the command
    };
    const std::vector<Case> cases = {
        {"start, register, restart", draws, true, draws + newDraw},
        {"start-up clean-up, restart", draws + "\r\n", false, draws},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        h.folder.write("data.dat", c.bytes);
        h.folder.write("OutData.dat", kOneKeptSet);
        Program& p = h.start();
        const Lines before = p.stats.countedTable;
        ASSERT_EQ(before.size(), 22U);
        EXPECT_EQ(Lines(before.begin() + 7, before.begin() + 14), Lines({"2", "", "8", "20", "27", "30", "43"}));
        if (c.registers) {
            p.form1.addAdd.click();
            const Lines fields = splitLines(newDraw);
            for (int k = 0; k < 7; ++k)
                p.form4().Text1(k).setText(fields[static_cast<std::size_t>(k)]);
            p.form4().Command1.click();
            ASSERT_TRUE(h.dialogs.shown.empty());
        }
        EXPECT_EQ(h.folder.read("data.dat"), c.after);

        Harness again;
        again.folder.write("data.dat", h.folder.read("data.dat"));
        again.folder.write("OutData.dat", kOneKeptSet);
        const Lines after = again.start().stats.countedTable;
        EXPECT_EQ(again.folder.read("data.dat"), c.after);
        ASSERT_GE(after.size(), 21U);
        EXPECT_EQ(Lines(after.begin(), after.begin() + 21), Lines(before.begin(), before.begin() + 21));
    }
}

TEST(DrawFileStartup, AMissingFileIsCreatedEmpty) {
    Harness h;
    Program& p = h.start();
    EXPECT_TRUE(h.folder.exists("data.dat"));
    EXPECT_EQ(h.folder.read("data.dat"), "");
    EXPECT_TRUE(p.s.drawTable.empty());
}

TEST(DrawFileStartup, AFailedRewriteIsToldAndLeavesTheFile) {
    Harness h;
    const std::string bytes = "3\r\n\r\n11\r\n19\r\n25\r\n33\r\n41\r\n7\r\n";
    h.folder.write("data.dat", bytes);
    h.folder.write("OutData.dat", kOneKeptSet);
    sys::Faults::failNth(sys::Call::Write, 1, ENOSPC);
    Program& p = h.start();
    sys::Faults::reset();
    EXPECT_EQ(h.folder.read("data.dat"), bytes);
    ASSERT_EQ(h.dialogs.shown.size(), 1U);
    EXPECT_NE(h.dialogs.shown[0].text.find("data.dat"), std::string::npos);
    EXPECT_EQ(h.dialogs.shown[0].title, "警告");
    // Start-up carried on with the values it read.
    EXPECT_EQ(p.stats.numberCount[41], 1);
    EXPECT_EQ(p.form1.caption(), test::kTitle);
    // No temporary file is left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(h.folder.path()))
        ++files;
    EXPECT_EQ(files, 2);
}

TEST(LoadDrawFile, ReadsEveryLineTrimmedWithOneSpareElement) {
    struct Case {
        const char* name;
        std::string bytes;
        Lines table;
        int lineCount;
    };
    const std::vector<Case> cases = {
        {"CR LF", "3\r\n11\r\n", {"3", "11", ""}, 2},
        {"LF only", "3\n11\n", {"3", "11", ""}, 2},
        {"lone CR", "3\r11\r", {"3", "11", ""}, 2},
        {"no final line end", "3\r\n11", {"3", "11", ""}, 2},
        {"an empty line is dropped, as at start-up", "3\r\n\r\n 11 \r\n", {"3", "11", ""}, 2},
        {"a line of spaces is an empty value", "3\r\n  \r\n11\r\n", {"3", "", "11", ""}, 3},
        {"no empty values after the last one", "3\r\n  \r\n \r\n", {"3", ""}, 1},
        {"empty file", "", {""}, 0},
    };
    for (const Case& c : cases) {
        Harness h;
        Program& p = h.start();
        h.folder.write("data.dat", c.bytes);
        LoadDrawFile(p);
        EXPECT_EQ(p.s.drawTable.elements(), c.table) << c.name;
        EXPECT_EQ(p.s.drawTable.lineCount(), c.lineCount) << c.name;
    }
}

// The reload writes over the strings of the table it replaces: nothing of
// the earlier table may show through, whatever it held.
TEST(LoadDrawFile, LeavesNothingOfTheEarlierTable) {
    const std::string bytes = crlf({"7", "12", " 3 ", "", "100", "x", "  ", "43"});
    const Lines expected = {"7", "12", "3", "100", "x", "", "43", ""};
    const std::vector<Lines> earlier = {
        {},
        {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
        {"12", "7", "4", "5", "6"},
        // Values of the same lengths, every character different.
        {"9", "17", "4", "200", "y", "", "34", ""},
        {"7", "12", "3", "100", "x", "", "43", ""},
        Lines(40, "a value longer than any short string keeps"),
    };
    for (const Lines& table : earlier) {
        Harness h;
        Program& p = h.start();
        h.folder.write("data.dat", bytes);
        p.s.drawTable = DrawTable(table);
        LoadDrawFile(p);
        EXPECT_EQ(p.s.drawTable.elements(), expected) << table.size();
        EXPECT_EQ(p.s.drawTable.lineCount(), 7) << table.size();
    }
}

TEST(LoadDrawFile, SetsTheNumberCaptionsFirst) {
    Harness h;
    Program& p = h.start();
    p.form2().Label1(5).setCaption("x");
    p.form2().Label1(42).setCaption("");
    std::filesystem::remove(h.folder / "data.dat");
    LoadDrawFile(p);
    EXPECT_EQ(p.form2().Label1(5).caption(), "6");
    EXPECT_EQ(p.form2().Label1(42).caption(), "43");
}

TEST(LoadDrawFile, AVanishedFileKeepsTheEarlierTable) {
    Harness h;
    h.folder.write("data.dat", drawFile({{3, 11, 19, 25, 33, 41, 7}}));
    h.folder.write("OutData.dat", kOneKeptSet);
    Program& p = h.start();
    ASSERT_EQ(p.s.drawTable.elements().size(), 8U);
    std::filesystem::remove(h.folder / "data.dat");
    LoadDrawFile(p);
    EXPECT_EQ(p.s.drawTable.elements().size(), 8U);
    EXPECT_EQ(p.s.drawTable[6], "7");
    EXPECT_EQ(p.s.drawTable.lineCount(), 7);
    EXPECT_EQ(p.form2().Label4(0).caption(), "第1回");
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(DrawFileSave, WritesEveryEntryTrimmedWithCrLf) {
    Harness h;
    h.start();
    const DrawFile file(h.folder / "data.dat");
    // A line of spaces stays as it is: trimmed, it would become an empty line.
    file.save({" 3", "11 ", "", "  ", "7"}, file.read());
    EXPECT_EQ(h.folder.read("data.dat"), "3\r\n11\r\n\r\n  \r\n7\r\n");
}

TEST(DrawFileSave, AFailedWriteThrowsAndLeavesTheOldBytes) {
    Harness h;
    h.start();
    h.folder.write("data.dat", "3\r\n");
    const DrawFile file(h.folder / "data.dat");
    const DrawFileRead read = file.read();
    sys::Faults::failNth(sys::Call::Write, 1, ENOSPC);
    EXPECT_THROW(file.save({"4"}, read), FileError);
    sys::Faults::reset();
    EXPECT_EQ(h.folder.read("data.dat"), "3\r\n");
}

} // namespace
} // namespace zoki
