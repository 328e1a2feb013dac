// A disk that fills up while the program saves: on a real, small file system
// when the tests may mount one, and always through the file layer's fault
// injection.
#include "base/syscalls.h"
#include "base/textfile.h"
#include "hardening/child_process.h"
#include "hardening/scenario.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <vector>

namespace zoki {
namespace {

using namespace test;

// In the child: the program folder becomes a 64 KB tmpfs of its own.
void mountSmallDisk(const ChildContext& child, const std::filesystem::path& folder) {
    if (!privateMountNamespace())
        child.skip(errnoText("no mount namespace for a small file system"));
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k,mode=0755") != 0)
        child.skip(errnoText("cannot mount a 64 KB tmpfs"));
}

// Writes a file "filler" until the disk is full.
void fillDisk(const std::filesystem::path& folder) {
    const int fd = ::open((folder / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << errnoText("filler");
    const std::string chunk(512, 'x');
    for (;;) {
        const ssize_t n = ::write(fd, chunk.data(), chunk.size());
        if (n < 0) {
            EXPECT_EQ(errno, ENOSPC) << errnoText("filler");
            break;
        }
    }
    ::close(fd);
}

TEST(FullDisk, KeptRunRegistrationAndReportsAreToldAndLoseNothing) {
    Harness h;
    runInChild([&](const ChildContext& child) {
        mountSmallDisk(child, h.folder.path());
        const std::string draws = drawFile(kThreeDraws);
        const std::string outs = crlf(kTwoSets);
        Program& p = startWith(h, draws, outs);
        const Lines held = p.s.outHistory;
        runAndReveal(h, 2, Answer::No); // a board for the prediction report, nothing kept
        runAndReveal(h, 2, Answer::Yes);
        ASSERT_TRUE(anyMessageContains(h.dialogs, kWish)) << "the disk is not full yet";
        const std::string outsWithRun = h.folder.read("OutData.dat");
        const Lines heldWithRun = p.s.outHistory;
        fillDisk(h.folder.path());
        const std::vector<std::string> entries = entriesOf(h.folder.path());

        // A kept run.
        h.dialogs.shown.clear();
        runAndReveal(h, 5, Answer::Yes);
        ASSERT_EQ(h.dialogs.shown.size(), 2U);
        EXPECT_NE(h.dialogs.shown[1].text.find("OutData.dat"), std::string::npos) << h.dialogs.shown[1].text;
        EXPECT_NE(h.dialogs.shown[1].text.find("空き容量が不足しています。空きを作ってから"), std::string::npos)
            << h.dialogs.shown[1].text;
        EXPECT_EQ(h.folder.read("OutData.dat"), outsWithRun);
        EXPECT_EQ(p.s.outHistory, heldWithRun);
        EXPECT_NE(p.s.outHistory, held);

        // A registration.
        h.dialogs.shown.clear();
        Form4& f = enterDraw(p, kNewDraw);
        f.Command1.click();
        ASSERT_EQ(h.dialogs.shown.size(), 1U);
        EXPECT_NE(h.dialogs.shown[0].text.find("data.dat"), std::string::npos) << h.dialogs.shown[0].text;
        EXPECT_EQ(h.folder.read("data.dat"), draws);
        EXPECT_EQ(fieldTexts(f), kNewDraw);

        // The three reports.
        for (const ReportKind& report : kReports) {
            h.dialogs.shown.clear();
            h.dialogs.saveAnswers.push_back((h.folder / "report.txt").string());
            (p.form1.*report.item).click();
            ASSERT_EQ(h.dialogs.shown.size(), 1U) << report.name;
            EXPECT_NE(h.dialogs.shown[0].text.find("レポートを保存できませんでした"), std::string::npos)
                << report.name << ": " << h.dialogs.shown[0].text;
        }
        // No half-written or temporary file takes up what space is left.
        EXPECT_EQ(entriesOf(h.folder.path()), entries);

        // Space freed: the same registration goes through.
        std::filesystem::remove(h.folder / "filler");
        h.dialogs.shown.clear();
        f.Command1.click();
        EXPECT_TRUE(h.dialogs.shown.empty());
        EXPECT_EQ(h.folder.read("data.dat"), draws + crlf(kNewDraw));
    });
}

TEST(FullDisk, TheStartUpCleanUpIsToldAndLeavesTheOldFile) {
    Harness h;
    runInChild([&](const ChildContext& child) {
        mountSmallDisk(child, h.folder.path());
        const std::string draws = "\r\n" + drawFile(kThreeDraws) + "\r\n";
        h.folder.write("data.dat", draws);
        h.folder.write("OutData.dat", crlf(kTwoSets));
        fillDisk(h.folder.path());
        Program& p = h.start();
        ASSERT_EQ(h.dialogs.shown.size(), 1U);
        EXPECT_NE(h.dialogs.shown[0].text.find("data.dat"), std::string::npos) << h.dialogs.shown[0].text;
        EXPECT_EQ(h.folder.read("data.dat"), draws);
        EXPECT_EQ(entriesOf(h.folder.path()), (std::vector<std::string>{"OutData.dat", "data.dat", "filler"}));
        EXPECT_EQ(p.stats.drawNumberTotal, 21);
        EXPECT_EQ(p.form1.caption(), kTitle);
    });
}

// Fault injection at the file layer covers the same ground wherever the
// tests run; these are the cases the other tests leave out.
TEST(InjectedWriteFailure, AKeptRunKeepsTheHeldHistoryAndTheBoard) {
    Harness h;
    const std::string outs = crlf(kTwoSets);
    Program& p = startWith(h, drawFile(kThreeDraws), outs);
    const Lines held = p.s.outHistory;
    const std::vector<std::string> entries = entriesOf(h.folder.path());
    sys::Faults::failNth(sys::Call::Write, 1, ENOSPC);
    runAndReveal(h, 4, Answer::Yes);
    sys::Faults::reset();
    ASSERT_EQ(h.dialogs.shown.size(), 2U);
    EXPECT_NE(h.dialogs.shown[1].text.find("OutData.dat"), std::string::npos);
    EXPECT_EQ(h.folder.read("OutData.dat"), outs);
    EXPECT_EQ(p.s.outHistory, held);
    EXPECT_EQ(entriesOf(h.folder.path()), entries);
    for (const Lines& set : boardSets(p, 4))
        expectSoundSet(set, "board");
}

TEST(InjectedWriteFailure, TheWinningNumbersReportIsToldAndLeavesTheFile) {
    Harness h;
    Program& p = startWith(h, drawFile(kThreeDraws), crlf(kTwoSets));
    h.folder.write("keep.txt", "precious\r\n");
    h.dialogs.saveAnswers.push_back((h.folder / "keep.txt").string());
    sys::Faults::failNth(sys::Call::Write, 1, ENOSPC);
    p.form1.vResHitNoData.click();
    sys::Faults::reset();
    ASSERT_EQ(h.dialogs.shown.size(), 1U);
    EXPECT_EQ(h.dialogs.shown[0].title, "警告");
    EXPECT_NE(h.dialogs.shown[0].text.find("keep.txt"), std::string::npos) << h.dialogs.shown[0].text;
    EXPECT_EQ(h.folder.read("keep.txt"), "precious\r\n");
    EXPECT_EQ(entriesOf(h.folder.path()), (std::vector<std::string>{"OutData.dat", "data.dat", "keep.txt"}));
}

} // namespace
} // namespace zoki
