// Another process on the same folder: a second copy of the program, a save
// of another process still under way, a file changed behind a question.
#include "base/atomic_save.h"
#include "base/folder_guard.h"
#include "base/syscalls.h"
#include "hardening/child_process.h"
#include "hardening/scenario.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>
#include <unistd.h>
#include <utility>

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

// A folder whose lock the file system refuses (ENOLCK on a network folder)
// is unguarded, which the start-up tells, not held elsewhere.
TEST(SecondCopy, AFolderThatCannotBeLockedIsUnguarded) {
    TempFolder folder;
    sys::Faults::failNth(sys::Call::Other, 1, ENOLCK);
    const FolderGuard guard(folder.path());
    sys::Faults::reset();
    EXPECT_EQ(guard.outcome(), FolderGuard::Outcome::Unguarded);
    EXPECT_EQ(FolderGuard(folder.path()).outcome(), FolderGuard::Outcome::Held) << "nothing was left held";
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
        replaceFileAtomically(folder / "data.dat", "first\r\n");
        ::_exit(0);
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

// A command of one copy that saves, and whether that copy was told it saved.
struct SavingCommand {
    const char* name;
    const char* file;
    std::function<void(Harness&, const Lines& draw)> run;
    std::function<bool(Harness&)> toldSaved;
    // What the command added to the file, as lines.
    std::function<Lines(Harness&, const Lines& draw)> added;
};

const std::vector<SavingCommand> kSavingCommands = {
    {"registration", "data.dat", [](Harness& h, const Lines& draw) { enterDraw(h.p(), draw).Command1.click(); },
     [](Harness& h) { return !h.p().form4().visible(); }, [](Harness&, const Lines& draw) { return draw; }},
    {"kept run", "OutData.dat", [](Harness& h, const Lines&) { runAndReveal(h, 1, Answer::Yes); },
     [](Harness& h) { return anyMessageContains(h.dialogs, kWish); },
     [](Harness& h, const Lines&) { return boardSets(h.p(), 1)[0]; }},
};

const Lines kOtherDraw = {"1", "2", "3", "4", "5", "6", "7"};

// Two copies started on one folder, and what the command's file held then.
struct TwoCopies {
    Harness first;
    Harness second;
    std::string before;

    explicit TwoCopies(const SavingCommand& c) {
        startWith(first, drawFile(kThreeDraws), crlf(kTwoSets));
        second.startIn(first.folder);
        before = first.folder.read(c.file);
    }

    // The second copy was told `why` and saved nothing; the file holds what
    // it held, then `added` alone.
    void expectSecondRefused(const SavingCommand& c, const std::string& why, const Lines& added) {
        EXPECT_FALSE(c.toldSaved(second));
        ASSERT_FALSE(second.dialogs.shown.empty());
        EXPECT_NE(second.dialogs.shown.back().text.find(why), std::string::npos) << second.dialogs.shown.back().text;
        EXPECT_EQ(first.folder.read(c.file), before + crlf(added));
    }
};

// Two copies on one folder with no single-copy guard between them (a network
// file system without flock, a folder that cannot be opened): the second
// saves while the first holds the file between its check and its rename. It
// waits a bounded time, never on the clock here, then is told and writes
// nothing; the first save lands. Nothing told as saved is lost.
TEST(SecondCopy, ASaveWhileAnotherHoldsTheFileWaitsThenWritesNothing) {
    for (const SavingCommand& c : kSavingCommands) {
        SCOPED_TRACE(c.name);
        TwoCopies copies(c);
        Harness& first = copies.first;
        Harness& second = copies.second;
        int waits = 0;
        sys::Faults::onWait([&] { ++waits; });
        bool once = false;
        sys::Faults::onStep([&](sys::SaveStep step, const std::filesystem::path&) {
            if (step == sys::SaveStep::Checked && !std::exchange(once, true))
                c.run(second, kOtherDraw);
        });
        c.run(first, kNewDraw);
        sys::Faults::reset();

        EXPECT_GT(waits, 0);
        EXPECT_TRUE(c.toldSaved(first));
        copies.expectSecondRefused(c, "書き込んでいる最中です", c.added(first, kNewDraw));
    }
}

// The same, but the first copy finishes while the second waits: the second
// then finds the file changed since it read it, is told, and writes nothing.
// The first copy is a child process, so that it can go on while the second
// waits; pipes, not the clock, say when.
TEST(SecondCopy, ASaveThatWaitedForAnotherFindsTheFileChangedAndWritesNothing) {
    for (const SavingCommand& c : kSavingCommands) {
        SCOPED_TRACE(c.name);
        TwoCopies copies(c);
        Harness& first = copies.first;
        Harness& second = copies.second;
        Signal held, goOn;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            sys::Faults::onStep([&](sys::SaveStep step, const std::filesystem::path&) {
                if (step == sys::SaveStep::Checked) {
                    held.send();
                    goOn.wait();
                }
            });
            c.run(first, kNewDraw);
            ::_exit(c.toldSaved(first) ? 0 : 1);
        }
        ASSERT_TRUE(held.wait());
        int status = -1;
        sys::Faults::onWait([&] {
            if (status == -1) {
                goOn.send();
                ::waitpid(child, &status, 0);
            }
        });
        c.run(second, kOtherDraw);
        sys::Faults::reset();
        if (status == -1) {
            ADD_FAILURE() << "the second save never waited";
            goOn.send();
            ::waitpid(child, &status, 0);
        }

        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the first copy was not told it saved";
        // The same random values give both copies the same kept set.
        copies.expectSecondRefused(c, "変更されました", c.added(second, kNewDraw));
    }
}

} // namespace
} // namespace zoki
