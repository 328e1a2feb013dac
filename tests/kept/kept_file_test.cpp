#include "base/syscalls.h"
#include "base/textfile.h"
#include "kept/kept_file.h"
#include "support/control_values.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace zoki {
namespace {

using test::crlf;
using test::Harness;
using test::kRed;

using Lines = std::vector<std::string>;

// Five different sets on the board, as a five-set run leaves them.
void fillBoard(Program& p) {
    for (int i = 0; i < 30; ++i)
        p.predictNumbers[static_cast<std::size_t>(i)] = i + 1;
}

void chooseSetCount(Program& p, int n) { p.form1.VScroll1.setValue(n); }

Lines boardLines(int sets) {
    Lines lines;
    for (int i = 0; i < 6 * sets; ++i)
        lines.push_back(std::to_string(i + 1));
    return lines;
}

Lines withSpare(Lines lines) {
    lines.emplace_back();
    return lines;
}

TEST(SaveInfo, AppendsTheRunsSetsOnly) {
    struct Case {
        const char* name;
        std::string before;  // OutData.dat bytes
        int sets;            // Label7
        Lines heldAfterSave; // outHistory: the old lines and a spare, or nothing
    };
    const std::vector<Case> cases = {
        {"empty file, one set", "", 1, {}},
        {"empty file, five sets", "", 5, {}},
        {"two sets after one kept set",
         crlf({"4", "9", "15", "22", "30", "41"}),
         2,
         {"4", "9", "15", "22", "30", "41", ""}},
        // Old lines come back exactly; the last one gains its line end.
        {"padded lines and no final line end",
         " 4\r\n9 \r\n15\r\n22\r\n30\r\n41",
         1,
         {" 4", "9 ", "15", "22", "30", "41", ""}},
    };
    for (const Case& c : cases) {
        Harness h;
        h.folder.write("OutData.dat", c.before);
        Program& p = h.start();
        fillBoard(p);
        chooseSetCount(p, c.sets);
        ASSERT_EQ(p.form1.Label7.caption(), std::to_string(c.sets)) << c.name;

        EXPECT_TRUE(saveInfo(p)) << c.name;
        std::string expected = c.before;
        if (!expected.empty() && expected.back() != '\n')
            expected += "\r\n";
        expected += crlf(boardLines(c.sets));
        EXPECT_EQ(h.folder.read("OutData.dat"), expected) << c.name;
        EXPECT_EQ(p.s.outHistory, c.heldAfterSave) << c.name;
        EXPECT_TRUE(h.dialogs.shown.empty()) << c.name;
    }
}

TEST(SaveInfo, LeftoversOfALargerEarlierRunAreNotSaved) {
    Harness h;
    Program& p = h.start();
    fillBoard(p); // a five-set run
    chooseSetCount(p, 5);
    ASSERT_TRUE(saveInfo(p));
    p.predictNumbers[0] = 43; // a one-set run rewrote only its own six
    chooseSetCount(p, 1);
    ASSERT_TRUE(saveInfo(p));
    Lines expected = boardLines(5);
    Lines second = boardLines(1);
    second[0] = "43";
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(h.folder.read("OutData.dat"), crlf(expected));
}

TEST(SaveInfo, AFileRemovedMeanwhileIsWrittenWithTheRunAlone) {
    Harness h;
    h.folder.write("OutData.dat", crlf({"4", "9", "15", "22", "30", "41"}));
    Program& p = h.start();
    std::filesystem::remove(h.folder / "OutData.dat");
    fillBoard(p);
    chooseSetCount(p, 1);
    EXPECT_TRUE(saveInfo(p));
    EXPECT_EQ(h.folder.read("OutData.dat"), crlf(boardLines(1)));
    EXPECT_TRUE(p.s.outHistory.empty());
}

TEST(SaveInfo, AFailedWriteIsToldAndChangesNothing) {
    Harness h;
    const std::string bytes = crlf({"4", "9", "15", "22", "30", "41"});
    h.folder.write("OutData.dat", bytes);
    Program& p = h.start();
    p.s.outHistory = {"held", ""}; // whatever memory holds stays
    fillBoard(p);
    chooseSetCount(p, 2);

    sys::Faults::failNth(sys::Call::Write, 1, ENOSPC);
    const bool saved = saveInfo(p);
    sys::Faults::reset();

    EXPECT_FALSE(saved);
    EXPECT_EQ(h.folder.read("OutData.dat"), bytes);
    EXPECT_EQ(p.s.outHistory, (Lines{"held", ""}));
    ASSERT_EQ(h.dialogs.shown.size(), 1U);
    EXPECT_NE(h.dialogs.shown[0].text.find("OutData.dat"), std::string::npos);
    EXPECT_EQ(h.dialogs.shown[0].title, "警告");
    EXPECT_EQ(h.dialogs.shown[0].buttons, Buttons::Ok);
    // Nothing but the two data files is in the folder.
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(h.folder.path()))
        ++files;
    EXPECT_EQ(files, 2);
}

TEST(ReloadAfterSaving, TrimsEveryLineAndAddsTheSpare) {
    Harness h;
    Program& p = h.start();
    h.folder.write("OutData.dat", " 4\r\n9 \r\n 15 \n22");
    reloadOutHistoryTrimmed(p);
    EXPECT_EQ(p.s.outHistory, withSpare({"4", "9", "15", "22"}));
}

TEST(DummyFormLoad, BlanksTheRevealLabelsAndReloadsTheHistory) {
    struct Case {
        const char* name;
        Lines held;
        std::string file;
        Lines after;
    };
    const std::vector<Case> cases = {
        {"file lines replace a longer list", withSpare(boardLines(2)), crlf({" 5", "6", "7", "8", "9", "10"}),
         withSpare({" 5", "6", "7", "8", "9", "10"})},
        {"an empty file keeps what was held", withSpare(boardLines(1)), "", withSpare(boardLines(1))},
        {"an empty file and an empty list", {}, "", {}},
    };
    for (const Case& c : cases) {
        Harness h;
        Program& p = h.start();
        for (int k = 0; k < 6; ++k) {
            p.form1.revealLabel(k).setCaption("12");
            p.form1.revealLabel(k).setBackColor(kRed);
        }
        p.form1.Label8(0).setCaption("12");
        p.s.outHistory = c.held;
        h.folder.write("OutData.dat", c.file);

        DummyFormLoad(p);

        EXPECT_EQ(p.s.outHistory, c.after) << c.name;
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(p.form1.revealLabel(k).caption(), "") << c.name;
            EXPECT_EQ(p.form1.revealLabel(k).backColor(), kWhite) << c.name;
        }
        EXPECT_EQ(p.form1.Label8(0).caption(), "12") << c.name; // the board keeps its numbers
    }
}

TEST(OutDataClear, LeavesAnEmptyFileAndTheHeldHistory) {
    for (const char* before : std::initializer_list<const char*>{"4\r\n9\r\n15\r\n22\r\n30\r\n41\r\n", "", nullptr}) {
        SCOPED_TRACE(before ? before : "no file");
        Harness h;
        h.folder.write("OutData.dat", crlf({"4", "9", "15", "22", "30", "41"}));
        Program& p = h.start();
        const Lines held = p.s.outHistory;
        if (before)
            h.folder.write("OutData.dat", before);
        else
            std::filesystem::remove(h.folder / "OutData.dat");

        p.form1.outDataClear.click();

        EXPECT_TRUE(h.folder.exists("OutData.dat"));
        EXPECT_EQ(h.folder.read("OutData.dat"), "");
        EXPECT_EQ(p.s.outHistory, held);
        EXPECT_TRUE(h.dialogs.shown.empty());
    }
}

TEST(OutDataClear, TheNextKeptRunStartsAFreshHistory) {
    Harness h;
    h.folder.write("OutData.dat", crlf({"4", "9", "15", "22", "30", "41"}));
    Program& p = h.start();
    p.form1.outDataClear.click();
    fillBoard(p);
    chooseSetCount(p, 1);
    ASSERT_TRUE(saveInfo(p));
    EXPECT_EQ(h.folder.read("OutData.dat"), crlf(boardLines(1)));
    reloadOutHistoryTrimmed(p);
    EXPECT_EQ(p.s.outHistory, withSpare(boardLines(1)));
}

} // namespace
} // namespace zoki
