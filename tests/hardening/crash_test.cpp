// The program stopped at each step of a save, exactly there, as a crash
// would stop it: each data file holds its old or its new bytes, whole, and
// the next save leaves no temporary file behind.
#include "app/startup.h"
#include "app/wiring.h"
#include "hardening/child_process.h"
#include "hardening/scenario.h"
#include "kept/kept_file.h"
#include "program/main_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace zoki {
namespace {

using namespace test;

const std::string kDraws = drawFile(kThreeDraws);
const std::string kOuts = crlf(kTwoSets);
const Lines kKeptSet = {"2", "9", "17", "26", "35", "43"};
const std::vector<std::string> kDataFiles = {"OutData.dat", "data.dat"};

// A command that saves one data file, and the bytes it leaves there.
struct Save {
    const char* name;
    const char* file;
    std::string drawBytes;
    std::string before;
    std::string after;
    bool onAStartedProgram; // or the start-up itself saves
    std::function<void(Program&)> command;
};

const std::vector<Save> kSaves = {
    {"registration", "data.dat", kDraws, kDraws, kDraws + crlf(kNewDraw), true,
     [](Program& p) { enterDraw(p, kNewDraw).Command1.click(); }},
    {"start-up clean-up", "data.dat", "\r\n" + kDraws + "\r\n", "\r\n" + kDraws + "\r\n", kDraws, false,
     [](Program& p) { Form_Load(p); }},
    {"kept run", "OutData.dat", kDraws, kOuts, kOuts + crlf(kKeptSet), true,
     [](Program& p) {
         setPredicted(p, kKeptSet);
         ASSERT_EQ(p.setCount, 1);
         ASSERT_TRUE(saveInfo(p));
     }},
};

struct Step {
    sys::SaveStep step;
    bool saved; // the new bytes are in place
    bool leavesTemporary;
};

// Runs the save in a child stopped at `step`; `inChild` prepares the child.
void crashDuring(Harness& h, const Save& save, sys::SaveStep step,
                 const std::function<void(const ChildContext&)>& inChild = nullptr) {
    runInChild(
        [&](const ChildContext& child) {
            if (inChild)
                inChild(child);
            Program p(h.folder.path(), h.dialogs, h.random, h.platform, wire);
            if (save.onAStartedProgram)
                Form_Load(p);
            crashAt(step);
            save.command(p);
        },
        kCrashed);
}

// After the crash the program starts again and the command saves again. A
// registration whose draw the crash had saved is now a double entry: it is
// asked about, and Yes stores it again.
void saveAgain(Harness& h, const Save& save, bool doubleEntry) {
    Program p(h.folder.path(), h.dialogs, h.random, h.platform, wire);
    Form_Load(p);
    h.dialogs.answers.push_back(Answer::Yes);
    if (save.onAStartedProgram)
        save.command(p);
    if (doubleEntry) {
        ASSERT_EQ(h.dialogs.shown.size(), 1U);
        EXPECT_EQ(h.dialogs.shown[0].title, "【質問】") << h.dialogs.shown[0].text;
        EXPECT_EQ(h.folder.read(save.file), save.after + crlf(kNewDraw));
    } else {
        EXPECT_TRUE(h.dialogs.shown.empty()) << h.dialogs.shown.front().text;
    }
    EXPECT_EQ(entriesOf(h.folder.path()), kDataFiles);
}

TEST(CrashWhileSaving, EachFileIsOldOrNewAndTheNextSaveCleansUp) {
    for (const Save& save : kSaves) {
        for (const Step& s :
             {Step{sys::SaveStep::TemporaryWritten, false, true}, Step{sys::SaveStep::TemporaryFlushed, false, true},
              Step{sys::SaveStep::Renamed, true, false}, Step{sys::SaveStep::FolderFlushed, true, false}}) {
            SCOPED_TRACE(std::string(save.name) + " stopped at step " + std::to_string(static_cast<int>(s.step)));
            Harness h;
            const std::string other = save.file == std::string("data.dat") ? kOuts : kDraws;
            h.folder.write("data.dat", save.drawBytes);
            h.folder.write("OutData.dat", kOuts);
            crashDuring(h, save, s.step);
            ASSERT_FALSE(HasFailure());
            EXPECT_EQ(h.folder.read(save.file), s.saved ? save.after : save.before);
            EXPECT_EQ(h.folder.read(save.file == std::string("data.dat") ? "OutData.dat" : "data.dat"), other);
            EXPECT_EQ(entriesOf(h.folder.path()).size(), s.leavesTemporary ? 3U : 2U);
            saveAgain(h, save, s.saved && save.name == std::string("registration"));
        }
    }
}

// A folder the program cannot write holding files it can: the file itself
// takes the added lines, after the old bytes it never overwrites.
TEST(CrashWhileSaving, AFileRewrittenInPlaceIsOldOrNew) {
    for (const Save& save : kSaves) {
        if (!save.onAStartedProgram)
            continue; // the clean-up shortens the file: no append, see textfile.h
        for (const sys::SaveStep step : {sys::SaveStep::InPlaceWritten, sys::SaveStep::InPlaceFlushed}) {
            SCOPED_TRACE(std::string(save.name) + " stopped at step " + std::to_string(static_cast<int>(step)));
            Harness h;
            h.folder.write("data.dat", save.drawBytes);
            h.folder.write("OutData.dat", kOuts);
            handOverToNobody(h.folder.path());
            crashDuring(h, save, step, [&](const ChildContext& child) {
                const ReadOnlySwitch folder(child, h.folder.path());
                folder.needFilesWritable(child);
                folder.readOnly(true, false);
            });
            if (IsSkipped() || HasFailure())
                return;
            EXPECT_EQ(h.folder.read(save.file), save.after);
            EXPECT_EQ(entriesOf(h.folder.path()), kDataFiles);
        }
    }
}

} // namespace
} // namespace zoki
