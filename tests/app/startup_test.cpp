#include "app/startup.h"
#include "base/errors.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zoki {
namespace {

using test::crlf;
using test::drawFile;
using test::Harness;

TEST(Startup, AFirstStartInAnEmptyFolder) {
    Harness h;
    Program& p = h.start();
    Form1& f = p.form1;

    EXPECT_TRUE(h.folder.exists("OutData.dat"));
    EXPECT_EQ(h.folder.read("OutData.dat"), "");
    EXPECT_TRUE(h.folder.exists("data.dat"));
    EXPECT_EQ(h.folder.read("data.dat"), "");
    EXPECT_EQ(f.caption(), test::kTitle);
    EXPECT_TRUE(p.s.outHistory.empty());
    EXPECT_TRUE(p.s.drawTable.empty());
    EXPECT_TRUE(h.dialogs.shown.empty());

    // The history window exists, unseen, with its number captions.
    ASSERT_TRUE(p.hasForm(FormId::Form2));
    EXPECT_FALSE(p.form2().visible());
    for (int i = 0; i < 43; ++i)
        EXPECT_EQ(p.form2().Label1(i).caption(), std::to_string(i + 1));

    // The main window is ready for a first run.
    EXPECT_EQ(f.Image4.picture(), 1001);
    EXPECT_EQ(f.Image3.picture(), 997);
    EXPECT_EQ(f.Image5.picture(), 503);
    EXPECT_EQ(f.Image6.picture(), 502);
    EXPECT_FALSE(f.Frame5.visible());
    for (int k = 0; k < 6; ++k) {
        EXPECT_FALSE(f.Image1(k).visible()) << k;
        EXPECT_EQ(f.revealLabel(k).caption(), "") << k;
        EXPECT_EQ(f.revealLabel(k).backColor(), kWhite) << k;
    }
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(f.Label8(i).caption(), "") << i;
    EXPECT_FALSE(p.s.anyNumberSet);
    EXPECT_FALSE(p.s.matchSearchMode);
}

TEST(Startup, AnExistingOutputHistoryIsReadVerbatimAndNotTouched) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> held;
    };
    const std::vector<Case> cases = {
        {"plain", crlf({"4", "9", "15", "22", "30", "41"}), {"4", "9", "15", "22", "30", "41", ""}},
        {"blanks kept", " 4\r\n9 \r\n\r\n22\r\n", {" 4", "9 ", "", "22", ""}},
        {"no final line end", "4\r\n9", {"4", "9", ""}},
        {"LF and lone CR", "4\n9\r15\r\n", {"4", "9", "15", ""}},
        {"empty", "", {}},
    };
    for (const Case& c : cases) {
        Harness h;
        h.folder.write("OutData.dat", c.bytes);
        const auto stamp = std::filesystem::last_write_time(h.folder / "OutData.dat");
        Program& p = h.start();
        EXPECT_EQ(h.folder.read("OutData.dat"), c.bytes) << c.name;
        EXPECT_EQ(std::filesystem::last_write_time(h.folder / "OutData.dat"), stamp) << c.name;
        EXPECT_EQ(p.s.outHistory, c.held) << c.name;
    }
}

TEST(Startup, AnOutputHistoryThatCannotBeReadStopsStartUpWithAFileError) {
    Harness h;
    std::filesystem::create_directory(h.folder / "OutData.dat");
    EXPECT_THROW(h.start(), FileError);
}

TEST(Startup, DrawsAreCountedAndShown) {
    Harness h;
    h.folder.write("data.dat", drawFile({{3, 11, 19, 25, 33, 41, 7}, {2, 8, 20, 27, 30, 43, 15}}));
    h.folder.write("OutData.dat", crlf({"1", "2", "3", "4", "5", "6"}));
    Program& p = h.start();
    EXPECT_EQ(p.stats.drawNumberTotal, 14);
    EXPECT_EQ(p.s.drawTable.lineCount(), 14);
    EXPECT_EQ(p.form2().Label4(0).caption(), "第2回");
    EXPECT_EQ(p.form2().Label3(0).caption(), "2");
    EXPECT_EQ(p.form2().Image2(0).picture(), 143);
    EXPECT_FALSE(p.form2().visible());
}

// From the draw load on, a failing step is skipped: the title still comes.
// A draw file that cannot be read is told once, and left as it is.
TEST(Startup, AnUnreadableDrawFileStillGivesTheTitle) {
    Harness h;
    std::filesystem::create_directory(h.folder / "data.dat");
    h.folder.write("OutData.dat", crlf({"1", "2", "3", "4", "5", "6"}));
    Program& p = h.start();
    EXPECT_EQ(p.form1.caption(), test::kTitle);
    EXPECT_TRUE(p.s.drawTable.empty());
    ASSERT_EQ(h.dialogs.shown.size(), 1U);
    EXPECT_EQ(h.dialogs.shown[0].text.rfind("当選データファイル (data.dat) を読み込めませんでした。\r", 0), 0U);
    EXPECT_TRUE(std::filesystem::is_directory(h.folder / "data.dat"));
}

TEST(Startup, ActivationEnablesTheHistoryTimerEveryTime) {
    Harness h;
    Program& p = h.start();
    ASSERT_FALSE(p.form2().Timer1.enabled());
    for (int i = 0; i < 3; ++i) {
        p.form2().Timer1.setEnabled(false);
        p.form1.onActivate();
        EXPECT_TRUE(p.form2().Timer1.enabled()) << i;
    }
}

TEST(Startup, ClosingTheMainWindowEndsTheProgramEvenWithTheHistoryOpen) {
    Harness h;
    Program& p = h.start();
    p.form2().show();
    Form_Unload(p);
    EXPECT_EQ(h.platform.quits, 1);
    p.userClosed(FormId::Form1);
    EXPECT_EQ(h.platform.quits, 2);
    EXPECT_TRUE(h.dialogs.shown.empty());
}

} // namespace
} // namespace zoki
