// A program folder the program may read but not write: at start-up, at a
// kept run, at a registration and at a report. Each case runs in a child
// process that cannot write the folder even when the tests run as root.
#include "base/atomic_save.h"
#include "base/errors.h"
#include "base/syscalls.h"
#include "base/textfile.h"
#include "hardening/child_process.h"
#include "hardening/scenario.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <utility>
#include <vector>

namespace zoki {
namespace {

using namespace test;

TEST(ReadOnlyFolder, WithoutAnOutputHistoryStartUpStopsNamingTheFolder) {
    Harness h;
    const std::string draws = drawFile(kThreeDraws);
    h.folder.write("data.dat", draws);
    handOverToNobody(h.folder.path());
    runInChild([&](const ChildContext& child) {
        const ReadOnlySwitch folder(child, h.folder.path());
        folder.readOnly(true);
        try {
            h.start();
            ADD_FAILURE() << "start-up went on without an output history file";
        } catch (const FileError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find(h.folder.path().string()), std::string::npos) << what;
            EXPECT_NE(what.find("OutData.dat"), std::string::npos) << what;
        }
        EXPECT_EQ(entriesOf(h.folder.path()), (std::vector<std::string>{"data.dat"}));
        EXPECT_EQ(h.folder.read("data.dat"), draws);
    });
}

// What the user sees of the draws after a command: the table the windows
// read, the recent draws panel, and the match search's rank.
struct Seen {
    Lines table;
    Lines panel;
    std::string rank;
    friend bool operator==(const Seen&, const Seen&) = default;
};

Seen seen(Program& p) {
    Seen s{p.s.drawTable.elements(), {}, {}};
    Form2& f2 = p.form2();
    for (const auto& label : f2.Label4)
        s.panel.push_back(label->caption());
    for (const auto& label : f2.Label3)
        s.panel.push_back(label->caption());
    if (p.hasForm(FormId::Form5))
        s.rank = p.form5().Label5.caption();
    return s;
}

// A folder the program cannot write, with data.dat not yet tidied (an empty
// line between two draws), shows exactly what a writable folder shows after
// every command: every read of data.dat drops empty lines as the start-up's
// does, and what is saved there is added after the file's own lines.
TEST(ReadOnlyFolder, ShowsWhatAWritableFolderShowsAfterEveryCommand) {
    const std::string draws =
        crlf({"3", "11", "19", "25", "33", "41", "7"}) + "\r\n" + crlf({"11", "12", "13", "14", "15", "16", "17"});
    const std::string outs = crlf({"11", "12", "13", "14", "15", "16"});
    const std::vector<std::pair<const char*, std::function<void(Harness&)>>> commands = {
        {"start-up", [](Harness&) {}},
        {"match search", [](Harness& h) { h.p().form1.vCheckNumber.click(); }},
        {"registration", [](Harness& h) { enterDraw(h.p(), kNewDraw).Command1.click(); }},
        {"kept run", [](Harness& h) { runAndReveal(h, 1, Answer::Yes); }},
        {"match search again", [](Harness& h) { h.p().form1.vCheckNumber.click(); }},
    };
    std::vector<Seen> writable;
    {
        Harness h;
        startWith(h, draws, outs);
        for (const auto& [name, command] : commands) {
            command(h);
            writable.push_back(seen(h.p()));
        }
    }
    ASSERT_EQ(writable[1].rank, "一等当選");
    ASSERT_EQ(writable[1].panel[0], "第2回");

    Harness h;
    h.folder.write("data.dat", draws);
    h.folder.write("OutData.dat", outs);
    handOverToNobody(h.folder.path());
    runInChild([&](const ChildContext& child) {
        const ReadOnlySwitch folder(child, h.folder.path());
        folder.needFilesWritable(child);
        folder.readOnly(true, false);
        h.start();
        for (std::size_t i = 0; i < commands.size(); ++i) {
            if (i > 0)
                commands[i].second(h);
            EXPECT_EQ(seen(h.p()), writable[i]) << commands[i].first;
        }
        EXPECT_EQ(h.folder.read("data.dat"), draws + crlf(kNewDraw));
    });
}

TEST(ReadOnlyFolder, AMissingDrawFileThatCannotBeCreatedIsToldAndStartUpGoesOn) {
    Harness h;
    const std::string outs = crlf(kTwoSets);
    h.folder.write("OutData.dat", outs);
    handOverToNobody(h.folder.path());
    runInChild([&](const ChildContext& child) {
        const ReadOnlySwitch folder(child, h.folder.path());
        folder.readOnly(true);
        Program& p = h.start();
        ASSERT_EQ(h.dialogs.shown.size(), 1U);
        EXPECT_NE(h.dialogs.shown[0].text.find("data.dat"), std::string::npos) << h.dialogs.shown[0].text;
        EXPECT_EQ(p.form1.caption(), kTitle);
        EXPECT_TRUE(p.s.drawTable.empty());
        EXPECT_EQ(entriesOf(h.folder.path()), (std::vector<std::string>{"OutData.dat"}));
        EXPECT_EQ(h.folder.read("OutData.dat"), outs);
    });
}

TEST(ReadOnlyFolder, AKeptRunIsToldAndChangesNeitherFileNorHistory) {
    Harness h;
    const std::string outs = crlf(kTwoSets);
    h.folder.write("data.dat", drawFile(kThreeDraws));
    h.folder.write("OutData.dat", outs);
    handOverToNobody(h.folder.path());
    runInChild([&](const ChildContext& child) {
        const ReadOnlySwitch folder(child, h.folder.path());
        Program& p = h.start();
        const Lines held = p.s.outHistory;
        folder.readOnly(true);

        runAndReveal(h, 3, Answer::Yes);

        ASSERT_EQ(h.dialogs.shown.size(), 2U) << "the keep question and the failure";
        EXPECT_EQ(h.dialogs.shown[0].text, kKeepQuestion);
        const ShownMessage& m = h.dialogs.shown[1];
        EXPECT_NE(m.text.find("OutData.dat"), std::string::npos) << m.text;
        EXPECT_NE(m.text.find(h.folder.path().string()), std::string::npos) << m.text;
        EXPECT_EQ(m.icon, Icon::Critical);
        EXPECT_FALSE(anyMessageContains(h.dialogs, kWish));
        EXPECT_EQ(h.folder.read("OutData.dat"), outs);
        EXPECT_EQ(p.s.outHistory, held);
        EXPECT_EQ(entriesOf(h.folder.path()), (std::vector<std::string>{"OutData.dat", "data.dat"}));
        // The sets stay on the board and the window is usable again.
        for (const Lines& set : boardSets(p, 3))
            expectSoundSet(set, "board");
        EXPECT_TRUE(p.form1.Command1.enabled());

        // Once the folder can be written again, the next kept run saves.
        folder.readOnly(false);
        h.dialogs.shown.clear();
        runAndReveal(h, 1, Answer::Yes);
        const Lines kept = boardSets(p, 1)[0];
        Lines expected = kTwoSets;
        expected.insert(expected.end(), kept.begin(), kept.end());
        EXPECT_EQ(h.folder.read("OutData.dat"), crlf(expected));
        EXPECT_TRUE(anyMessageContains(h.dialogs, kWish));
    });
}

TEST(ReadOnlyFolder, ARegistrationIsToldAndKeepsFileAndTexts) {
    Harness h;
    const std::string draws = drawFile(kThreeDraws);
    h.folder.write("data.dat", draws);
    h.folder.write("OutData.dat", crlf(kTwoSets));
    handOverToNobody(h.folder.path());
    runInChild([&](const ChildContext& child) {
        const ReadOnlySwitch folder(child, h.folder.path());
        Program& p = h.start();
        folder.readOnly(true);

        Form4& f = enterDraw(p, kNewDraw);
        f.Command1.click();

        ASSERT_EQ(h.dialogs.shown.size(), 1U);
        const ShownMessage& m = h.dialogs.shown[0];
        EXPECT_NE(m.text.find("data.dat"), std::string::npos) << m.text;
        EXPECT_NE(m.text.find("書き込みの権限がありません。"), std::string::npos) << m.text;
        EXPECT_NE(m.text.find("登録は行われていません"), std::string::npos) << m.text;
        EXPECT_EQ(m.title, "警告");
        EXPECT_EQ(h.folder.read("data.dat"), draws);
        EXPECT_EQ(fieldTexts(f), kNewDraw);
        EXPECT_TRUE(f.visible());
        EXPECT_EQ(p.s.drawTable.elements().size(), 22U) << "the file's 21 lines and the spare";
        EXPECT_EQ(p.stats.drawNumberTotal, 21);

        folder.readOnly(false);
        h.dialogs.shown.clear();
        f.Command1.click();
        EXPECT_TRUE(h.dialogs.shown.empty());
        EXPECT_EQ(h.folder.read("data.dat"), draws + crlf(kNewDraw));
        EXPECT_FALSE(f.visible());
    });
}

TEST(ReadOnlyFolder, AReportIsToldAndWritesNothing) {
    Harness h;
    h.folder.write("data.dat", drawFile(kThreeDraws));
    h.folder.write("OutData.dat", crlf(kTwoSets));
    h.folder.write("old.txt", "an earlier file\r\n");
    handOverToNobody(h.folder.path());
    runInChild([&](const ChildContext& child) {
        const ReadOnlySwitch folder(child, h.folder.path());
        Program& p = h.start();
        runAndReveal(h, 2, Answer::Yes); // a board to report
        const std::vector<std::string> before = entriesOf(h.folder.path());
        folder.readOnly(true);

        for (const ReportKind& report : kReports) {
            for (const char* name : {"new.txt", "old.txt"}) {
                SCOPED_TRACE(std::string(report.name) + " to " + name);
                h.dialogs.shown.clear();
                h.dialogs.saveAnswers.push_back((h.folder / name).string());
                (p.form1.*report.item).click();
                ASSERT_EQ(h.dialogs.shown.size(), 1U);
                EXPECT_NE(h.dialogs.shown[0].text.find("レポートを保存できませんでした"), std::string::npos)
                    << h.dialogs.shown[0].text;
                EXPECT_NE(h.dialogs.shown[0].text.find(name), std::string::npos) << h.dialogs.shown[0].text;
                EXPECT_EQ(entriesOf(h.folder.path()), before);
                EXPECT_EQ(h.folder.read("old.txt"), "an earlier file\r\n");
            }
        }
    });
}

TEST(ReadOnlyFolder, ErasingTheOutputHistoryIsToldAndKeepsTheFile) {
    Harness h;
    const std::string outs = crlf(kTwoSets);
    h.folder.write("data.dat", drawFile(kThreeDraws));
    h.folder.write("OutData.dat", outs);
    handOverToNobody(h.folder.path());
    runInChild([&](const ChildContext& child) {
        const ReadOnlySwitch folder(child, h.folder.path());
        Program& p = h.start();
        folder.readOnly(true);
        p.form1.outDataClear.click();
        ASSERT_EQ(h.dialogs.shown.size(), 1U);
        // The erased sets could not be kept as a backup, so they stay.
        EXPECT_EQ(h.dialogs.shown[0].text.rfind("出力履歴ファイル (OutData.dat) を消去できませんでした。\r", 0), 0U)
            << h.dialogs.shown[0].text;
        EXPECT_NE(h.dialogs.shown[0].text.find("への書き込みの権限がありません"), std::string::npos);
        EXPECT_EQ(h.folder.read("OutData.dat"), outs);
        EXPECT_EQ(entriesOf(h.folder.path()), (std::vector<std::string>{"OutData.dat", "data.dat"}));
    });
}

// The files themselves can be written: a save that adds lines adds them after
// the file's own bytes, keeping its mode, and a failed write takes them back;
// a save that would change what is there is refused, since a crash in the
// middle of it would leave the file broken.
TEST(ReadOnlyFolder, WritableFilesOnlyEverGrowInPlace) {
    Harness h;
    const std::string draws = drawFile(kThreeDraws);
    h.folder.write("data.dat", draws + "\r\n"); // an empty line for the start-up clean-up
    h.folder.write("OutData.dat", crlf(kTwoSets));
    h.folder.write("old.txt", "an earlier file\r\n");
    for (const char* name : {"data.dat", "OutData.dat", "old.txt"})
        ASSERT_EQ(::chmod((h.folder / name).c_str(), 0640), 0);
    handOverToNobody(h.folder.path());
    runInChild([&](const ChildContext& child) {
        const ReadOnlySwitch folder(child, h.folder.path());
        folder.needFilesWritable(child);
        folder.readOnly(true, false);
        const std::vector<std::string> entries = {"OutData.dat", "data.dat", "old.txt"};
        const std::string refused = " を安全に書き換えられません";

        Program& p = h.start();
        ASSERT_EQ(h.dialogs.shown.size(), 1U) << "the clean-up, refused";
        EXPECT_NE(h.dialogs.shown[0].text.find("data.dat" + refused), std::string::npos) << h.dialogs.shown[0].text;
        EXPECT_EQ(h.folder.read("data.dat"), draws + "\r\n");
        EXPECT_EQ(p.s.drawTable.lineCount(), 21);
        // The registration adds after the file's own lines.
        h.dialogs.shown.clear();
        enterDraw(p, kNewDraw).Command1.click();
        EXPECT_EQ(h.folder.read("data.dat"), draws + "\r\n" + crlf(kNewDraw));
        EXPECT_EQ(p.s.drawTable.lineCount(), 28);
        runAndReveal(h, 1, Answer::Yes);
        EXPECT_EQ(h.folder.read("OutData.dat"), crlf(kTwoSets) + crlf(boardSets(p, 1)[0]));
        ASSERT_TRUE(anyMessageContains(h.dialogs, kWish));
        EXPECT_EQ(h.dialogs.shown.size(), 2U) << "the keep question and the wish";

        // A report over another file would change its bytes.
        h.dialogs.shown.clear();
        h.dialogs.saveAnswers.push_back((h.folder / "old.txt").string());
        p.form1.vResHitNoData.click();
        EXPECT_EQ(h.folder.read("old.txt"), "an earlier file\r\n");
        ASSERT_EQ(h.dialogs.shown.size(), 1U);
        EXPECT_NE(h.dialogs.shown[0].text.find("old.txt" + refused), std::string::npos) << h.dialogs.shown[0].text;

        // A new file cannot be made there.
        h.dialogs.shown.clear();
        h.dialogs.saveAnswers.push_back((h.folder / "new.txt").string());
        p.form1.vResHitNoData.click();
        ASSERT_EQ(h.dialogs.shown.size(), 1U);
        EXPECT_NE(h.dialogs.shown[0].text.find("new.txt への書き込みの権限がありません。"), std::string::npos);

        // A write that fails half-way, or whose bytes do not reach the disk,
        // takes back what it added. (Another draw than the one just added,
        // which would first be asked about as a double entry.)
        const std::vector<std::string> nextDraw = {"5", "12", "19", "26", "33", "40", "2"};
        for (const auto& [call, error, told] : {std::tuple(sys::Call::Write, ENOSPC, "空き容量が不足しています"),
                                                std::tuple(sys::Call::Fsync, EIO, "ディスクのエラーが起きました")}) {
            h.dialogs.shown.clear();
            const std::string before = h.folder.read("data.dat");
            sys::Faults::failNth(call, 1, error);
            enterDraw(p, nextDraw).Command1.click();
            sys::Faults::reset();
            EXPECT_EQ(h.folder.read("data.dat"), before) << told;
            ASSERT_EQ(h.dialogs.shown.size(), 1U) << told;
            EXPECT_NE(h.dialogs.shown[0].text.find(told), std::string::npos) << h.dialogs.shown[0].text;
        }

        // A save planned from a read that the file no longer holds.
        const std::string now = h.folder.read("data.dat");
        try {
            replaceFileAtomically(h.folder / "data.dat", now + crlf(kNewDraw), {.expected = draws});
            ADD_FAILURE() << "a save from a stale read went through";
        } catch (const FileError& e) {
            EXPECT_EQ(e.error(), kChangedSinceRead);
        }
        EXPECT_EQ(h.folder.read("data.dat"), now);

        for (const std::string& name : entries) {
            struct stat st {};
            ASSERT_EQ(::stat((h.folder / name).c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, 0640U) << name;
        }
        EXPECT_EQ(entriesOf(h.folder.path()), entries);
    });
}

// A folder that lets new files in but not over another user's file (a
// sticky shared folder): each save that would change what the file holds is
// refused, writes nothing and says why. `rename` is the nth rename of the
// command (a backup before the save takes one).
TEST(StickyFolder, ASaveThatChangesEarlierBytesIsRefusedWhereTheRenameIs) {
    struct Case {
        const char* name;
        std::string draws;
        int rename;
        std::function<void(Harness&)> run;
        const char* file;
    };
    const std::string draws = drawFile(kThreeDraws);
    std::string otherSecond = draws;
    otherSecond.replace(otherSecond.find("43\r\n"), 2, "42");
    const std::vector<Case> cases = {
        {"start-up clean-up", draws + "\r\n", 1, [](Harness&) {}, "data.dat"},
        {"import replacing a draw", draws, 2,
         [&](Harness& h) {
             h.folder.write("h.csv", "1,3,11,19,25,33,41,7\r\n2,2,8,20,27,30,42,15\r\n3,1,5,12,23,34,40,9\r\n");
             h.dialogs.answers.push_back(Answer::Yes);
             h.dialogs.openAnswers.push_back((h.folder / "h.csv").string());
             h.p().form1.vImport.click();
         },
         "data.dat"},
        {"erasing the kept sets", draws, 2, [](Harness& h) { h.p().form1.outDataClear.click(); }, "OutData.dat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        h.folder.write("data.dat", c.draws);
        h.folder.write("OutData.dat", crlf(kTwoSets));
        const bool atStart = c.name == std::string("start-up clean-up");
        if (!atStart)
            h.start();
        const std::string before = h.folder.read(c.file);
        sys::Faults::failNth(sys::Call::Rename, c.rename, EPERM);
        if (atStart)
            h.start();
        c.run(h);
        EXPECT_TRUE(sys::Faults::delivered());
        sys::Faults::reset();
        EXPECT_EQ(h.folder.read(c.file), before);
        ASSERT_FALSE(h.dialogs.shown.empty());
        EXPECT_EQ(h.dialogs.shown.back().icon, Icon::Critical);
        EXPECT_NE(h.dialogs.shown.back().text.find(std::string(c.file) + " を安全に書き換えられません"),
                  std::string::npos)
            << h.dialogs.shown.back().text;
    }
}

} // namespace
} // namespace zoki
