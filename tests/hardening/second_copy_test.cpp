// Another process on the same folder: a second copy of the program, a save
// of another process still under way, a file changed behind a question.
#include "base/atomic_save.h"
#include "base/folder_guard.h"
#include "base/syscalls.h"
#include "hardening/child_process.h"
#include "hardening/scenario.h"

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

namespace zoki {
namespace {

using namespace test;

// A pipe that carries one byte: a child says where it stands, the parent
// answers when to go on. No clock is involved.
struct Signal {
    int fds[2] = {-1, -1};
    Signal() { EXPECT_EQ(::pipe(fds), 0); }
    ~Signal() {
        ::close(fds[0]);
        ::close(fds[1]);
    }
    void send() const { EXPECT_EQ(::write(fds[1], "!", 1), 1); }
    bool wait() const {
        char c = 0;
        return ::read(fds[0], &c, 1) == 1;
    }
};

TEST(SecondCopy, OneProcessHoldsAFolderUntilItEndsHoweverItEnds) {
    TempFolder folder;
    {
        const FolderGuard first(folder.path());
        ASSERT_EQ(first.outcome(), FolderGuard::Outcome::Held);
        EXPECT_FALSE(first.identity().empty());
        // Through another name of the same folder too.
        std::filesystem::create_directory_symlink(folder.path(), folder / "alias");
        const FolderGuard second(folder / "alias");
        EXPECT_EQ(second.outcome(), FolderGuard::Outcome::HeldElsewhere);
        EXPECT_EQ(second.identity(), first.identity());
    }
    // A copy that dies without any clean-up of its own lets go as well.
    Signal held, died;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const FolderGuard guard(folder.path());
        held.send();
        died.wait();
        ::_exit(guard.outcome() == FolderGuard::Outcome::Held ? 0 : 1);
    }
    ASSERT_TRUE(held.wait());
    EXPECT_EQ(FolderGuard(folder.path()).outcome(), FolderGuard::Outcome::HeldElsewhere);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(FolderGuard(folder.path()).outcome(), FolderGuard::Outcome::Held);
    EXPECT_EQ(entriesOf(folder.path()), std::vector<std::string>{"alias"}) << "no lock file left behind";
}

// A save stopped after writing its temporary file, as another process would
// be in the middle of one: a save of the same file meanwhile leaves that
// temporary file alone, and the stopped save then completes.
TEST(SecondCopy, ASaveNeverRemovesTheTemporaryFileOfALiveOne) {
    TempFolder folder;
    folder.write("data.dat", "old\r\n");
    Signal stopped, goOn;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        sys::Faults::onStep([&](sys::SaveStep step, const std::filesystem::path&) {
            if (step == sys::SaveStep::TemporaryFlushed) {
                stopped.send();
                goOn.wait();
            }
        });
        const bool saved = replaceFileAtomically(folder / "data.dat", "first\r\n");
        ::_exit(saved ? 0 : 1);
    }
    ASSERT_TRUE(stopped.wait());
    const std::vector<std::string> live = entriesOf(folder.path());
    ASSERT_EQ(live.size(), 2U) << "the live save's temporary file";
    replaceFileAtomically(folder / "data.dat", "second\r\n");
    EXPECT_EQ(entriesOf(folder.path()), live) << "the other save's temporary file was removed";
    EXPECT_EQ(folder.read("data.dat"), "second\r\n");
    goOn.send();
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the stopped save failed";
    EXPECT_EQ(folder.read("data.dat"), "first\r\n");
    EXPECT_EQ(entriesOf(folder.path()), std::vector<std::string>{"data.dat"});
}

// data.dat changed by someone else while the import's question is open: the
// merge planned from the old file is not written, and the user is told.
TEST(SecondCopy, AnImportPlannedFromAFileChangedMeanwhileWritesNothing) {
    Harness h;
    const std::string one = drawFile({kThreeDraws[0]});
    const std::string two = drawFile({kThreeDraws[0], kThreeDraws[1]});
    Program& p = startWith(h, one, crlf(kTwoSets));
    h.folder.write("h.csv", "1,3,11,19,25,33,41,7\r\n2,2,8,20,27,30,43,15\r\n3,1,5,12,23,34,40,9\r\n");
    h.dialogs.openAnswers.push_back((h.folder / "h.csv").string());
    h.dialogs.duringMessage = [&](const ShownMessage& m) {
        if (m.buttons == Buttons::YesNo)
            h.folder.write("data.dat", two); // another copy registered a draw
    };
    p.form1.vImport.click();
    ASSERT_EQ(h.dialogs.shown.size(), 2U);
    EXPECT_EQ(h.dialogs.shown[1].icon, Icon::Critical);
    EXPECT_NE(h.dialogs.shown[1].text.find("他のプログラムによって変更されました"), std::string::npos)
        << h.dialogs.shown[1].text;
    EXPECT_EQ(h.folder.read("data.dat"), two);
    EXPECT_TRUE(datedBackups(h.folder, "data.dat").empty());
}

// A save planned from a read that found no file creates it, but never over a
// file that appeared meanwhile.
TEST(SecondCopy, AFileThatAppearedMeanwhileIsNotReplaced) {
    TempFolder folder;
    const FileContent absent = readFileIfExists(folder / "OutData.dat", 100);
    ASSERT_FALSE(absent);
    folder.write("OutData.dat", "7\r\n");
    EXPECT_THROW(replaceFileAtomically(folder / "OutData.dat", "1\r\n", {.expected = absent}), FileError);
    EXPECT_EQ(folder.read("OutData.dat"), "7\r\n");
    EXPECT_EQ(entriesOf(folder.path()), std::vector<std::string>{"OutData.dat"});
}

} // namespace
} // namespace zoki
