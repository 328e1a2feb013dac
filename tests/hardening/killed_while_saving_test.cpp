// The program killed while it saves, again and again: each data file must
// afterwards hold either its old or its new content, byte for byte, and
// temporary files must not pile up. A stress test: where the kills land
// depends on the machine, so nothing here asserts it; crash_test.cpp stops a
// save at each of its steps.
#include "app/startup.h"
#include "app/wiring.h"
#include "base/atomic_save.h"
#include "base/errors.h"
#include "base/textfile.h"
#include "draws/draw_file.h"
#include "hardening/child_process.h"
#include "hardening/scenario.h"
#include "kept/kept_file.h"
#include "program/main_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace zoki {
namespace {

using namespace test;

constexpr int kKills = 200;

// A folder on the disk the tests use, as the program's folder would be: the
// flush to disk makes the moments between writing and renaming the
// temporary file long enough for kills to land in them.
class KillFolder {
public:
    KillFolder() = default;
    const std::filesystem::path& path() const { return folder_.path(); }
    void write(const std::string& name, const std::string& bytes) const {
        replaceFileAtomically(folder_ / name, bytes);
    }
    std::string read(const std::string& name) const { return folder_.read(name); }

private:
    TempFolder folder_;
};

// The program over that folder, with scripted services.
struct KillProgram {
    KillFolder folder;
    ScriptedDialogs dialogs;
    ScriptedRandom random;
    FakePlatform platform;
    Program p{folder.path(), dialogs, random, platform, wire};
};

// How long one save takes here, so that the kills spread over whole saves
// on a slow machine or under a sanitizer too.
std::chrono::microseconds timeOfOneSave(const std::function<void()>& save) {
    const auto start = std::chrono::steady_clock::now();
    save();
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
}

// Forks a writer that calls `save` over and over; kills it with SIGKILL at a
// random moment within its first one and a half saves.
void killWhileSaving(std::mt19937& gen, std::chrono::microseconds saveTime, const std::function<void()>& save) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0) << errnoText("pipe");
    std::fflush(stdout);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0) << errnoText("fork");
    if (pid == 0) {
        ::close(fds[0]);
        try {
            const char ready = 'r';
            if (::write(fds[1], &ready, 1) != 1)
                ::_exit(4);
            for (;;)
                save();
        } catch (...) {
            ::_exit(3);
        }
    }
    ::close(fds[1]);
    char ready = 0;
    ASSERT_EQ(::read(fds[0], &ready, 1), 1);
    ::close(fds[0]);
    const auto longest = static_cast<long>(saveTime.count()) * 3 / 2;
    std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<long>(0, longest)(gen)));
    ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself with code " << WEXITSTATUS(status);
}

// Files the program left in the folder besides the ones it keeps there.
std::vector<std::string> leftovers(const std::filesystem::path& folder, const std::vector<std::string>& kept) {
    std::vector<std::string> out;
    for (const std::string& name : entriesOf(folder))
        if (std::find(kept.begin(), kept.end(), name) == kept.end())
            out.push_back(name);
    return out;
}

// A draw file of `lines` numbers following its own pattern.
Lines drawLines(int lines, int step) {
    Lines out;
    for (int i = 0; i < lines; ++i)
        out.push_back(std::to_string((i * step) % 43 + 1));
    return out;
}

// Kills a writer that saves `name` with the contents a and b in turn, again
// and again; after each kill the file must be one of the two, whole.
void killAlternatingSaves(const KillFolder& folder, const std::string& name, const std::string& aBytes,
                          const std::string& bBytes, const std::function<void(bool)>& save) {
    const std::vector<std::string> kept = {"OutData.dat", "data.dat"};
    const auto saveTime = timeOfOneSave([&] { save(false); });
    std::mt19937 gen(20240601);
    for (int kill = 0; kill < kKills; ++kill) {
        bool newOne = false;
        killWhileSaving(gen, saveTime, [&] {
            newOne = !newOne;
            save(newOne);
        });
        const std::string now = folder.read(name);
        ASSERT_TRUE(now == aBytes || now == bBytes) << "kill " << kill << ": " << now.size() << " bytes";
        const std::vector<std::string> left = leftovers(folder.path(), kept);
        ASSERT_LE(left.size(), 2U) << "kill " << kill << ": temporary files pile up, " << left.front();
    }

    // The next save leaves nothing behind but the file.
    save(false);
    EXPECT_EQ(folder.read(name), aBytes);
    EXPECT_EQ(leftovers(folder.path(), kept), std::vector<std::string>{});
}

// The file layer with a few hundred kilobytes a save.
TEST(KilledWhileSaving, AReplacedFileIsAlwaysTheOldOrTheNewOne) {
    KillFolder folder;
    std::string aBytes;
    std::string bBytes;
    for (int i = 0; i < 30000; ++i) {
        aBytes += std::to_string(i) + "\r\n";
        bBytes += std::to_string(i % 43 + 1) + "-" + std::to_string(i) + "\r\n";
    }
    folder.write("OutData.dat", aBytes);
    killAlternatingSaves(folder, "OutData.dat", aBytes, bBytes, [&](bool newOne) {
        replaceFileAtomically(folder.path() / "OutData.dat", newOne ? bBytes : aBytes);
    });
}

TEST(KilledWhileSaving, TheDrawFileIsAlwaysTheOldOrTheNewOne) {
    KillProgram h;
    // Different lengths and different lines throughout, so that a mixture or
    // a cut-off of either can equal neither.
    const Lines a = drawLines(10001, 5);
    const Lines b = drawLines(9100, 7);
    h.folder.write("data.dat", joinLines(a));
    h.folder.write("OutData.dat", "");
    killAlternatingSaves(h.folder, "data.dat", joinLines(a), joinLines(b), [&](bool newOne) {
        const DrawFile file(h.folder.path() / "data.dat");
        file.save(newOne ? b : a, file.read());
    });
}

TEST(KilledWhileSaving, TheOutputHistoryHoldsWholeKeptRunsOnly) {
    KillProgram h;
    Program& p = h.p;
    Lines base;
    for (int i = 0; i < 12000; ++i)
        base.push_back(std::to_string(i % 43 + 1));
    const std::string baseBytes = joinLines(base);
    const Lines set = {"2", "9", "17", "26", "35", "43"};
    const std::string setBytes = joinLines(set);
    h.folder.write("data.dat", drawFile(kThreeDraws));
    h.folder.write("OutData.dat", baseBytes);
    setPredicted(p, set);
    ASSERT_EQ(p.setCount, 1);
    const auto saveTime = timeOfOneSave([&] { saveInfo(p); });
    h.folder.write("OutData.dat", baseBytes);

    std::mt19937 gen(20240602);
    std::size_t savedRuns = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        killWhileSaving(gen, saveTime, [&] {
            if (!saveInfo(p))
                throw FileError("not saved");
        });
        // The old history and some whole runs, nothing cut short.
        const std::string now = h.folder.read("OutData.dat");
        ASSERT_EQ(now.compare(0, baseBytes.size(), baseBytes), 0) << "kill " << kill;
        const std::size_t added = now.size() - baseBytes.size();
        ASSERT_EQ(added % setBytes.size(), 0U) << "kill " << kill << ": a run cut short";
        ASSERT_GE(added / setBytes.size(), savedRuns) << "kill " << kill << ": a kept run was lost";
        savedRuns = added / setBytes.size();
        std::string runs;
        for (std::size_t r = 0; r < savedRuns; ++r)
            runs += setBytes;
        ASSERT_EQ(now.substr(baseBytes.size()), runs) << "kill " << kill;
        const std::vector<std::string> left = leftovers(h.folder.path(), {"OutData.dat", "data.dat"});
        ASSERT_LE(left.size(), 2U) << "kill " << kill << ": temporary files pile up, " << left.front();
    }

    // A start and a kept run afterwards: the history is whole and the folder clean.
    Program started(h.folder.path(), h.dialogs, h.random, h.platform, wire);
    Form_Load(started);
    EXPECT_EQ(started.s.outHistory.size(), base.size() + 6 * savedRuns + 1);
    setPredicted(started, set);
    ASSERT_TRUE(saveInfo(started));
    EXPECT_EQ(h.folder.read("OutData.dat").size(), baseBytes.size() + (savedRuns + 1) * setBytes.size());
    EXPECT_EQ(leftovers(h.folder.path(), {"OutData.dat", "data.dat"}), std::vector<std::string>{});
}

// Only the program's own temporary names are cleaned up: a dot, the file's
// name, ".tmp" and up to six digits, and only plain files.
TEST(KilledWhileSaving, TheCleanUpTouchesOnlyOurOwnTemporaryFiles) {
    Harness h;
    Program& p = startWith(h, drawFile(kThreeDraws), crlf(kTwoSets));
    const std::vector<std::string> theirs = {
        ".data.dat.tmp",        ".data.dat.tmp12x",  "data.dat.tmp123",  ".data.dat.tmp1234567",
        ".OutData.dat.tmp4711", ".data.dat.tmp-1",   ".data.dat.tmp 12", "x.data.dat.tmp123",
        ".data.dat.tmp12.txt",  ".data.dat.tmp123~", ".data.dat.bak",    "data.dat~",
    };
    for (const std::string& name : theirs)
        h.folder.write(name, "someone else's\r\n");
    std::filesystem::create_directory(h.folder / ".data.dat.tmp77");
    h.folder.write("target", "kept\r\n");
    std::filesystem::create_symlink(h.folder / "target", h.folder / ".data.dat.tmp88");
    const std::vector<std::string> ours = {".data.dat.tmp0", ".data.dat.tmp123456", ".data.dat.tmp4711"};
    for (const std::string& name : ours)
        h.folder.write(name, "3\r\n11\r\n");

    Form4& f = enterDraw(p, kNewDraw);
    f.Command1.click();
    ASSERT_TRUE(h.dialogs.shown.empty());

    for (const std::string& name : ours)
        EXPECT_FALSE(h.folder.exists(name)) << name;
    for (const std::string& name : theirs)
        EXPECT_EQ(h.folder.read(name), "someone else's\r\n") << name;
    EXPECT_TRUE(std::filesystem::is_directory(h.folder / ".data.dat.tmp77"));
    EXPECT_TRUE(std::filesystem::is_symlink(h.folder / ".data.dat.tmp88"));
    EXPECT_EQ(h.folder.read("target"), "kept\r\n");
}

} // namespace
} // namespace zoki
