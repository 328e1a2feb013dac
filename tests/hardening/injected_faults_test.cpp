// Every file-system call of every command that reads or saves the user's
// files made to fail in turn, as a failing disk would: each file ends with
// its old bytes or with the bytes the command gives without a fault, never
// anything else; a command that could not save says so, naming the file, and
// never claims success; nothing escapes a handler; no temporary file stays.
#include "app/startup.h"
#include "app/wiring.h"
#include "base/encoding.h"
#include "base/syscalls.h"
#include "hardening/scenario.h"
#include "program/main_window.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zoki {
namespace {

using namespace test;
using sys::Call;
using Files = std::map<std::string, std::string>;

const std::string kDraws = drawFile(kThreeDraws);
const std::string kOuts = crlf(kTwoSets);
const std::string kReport = "an earlier file\r\n";

std::string historyCsv(const std::vector<std::vector<int>>& draws) {
    std::string text = "開催回,日付,1,2,3,4,5,6,ボーナス\r\n";
    for (std::size_t i = 0; i < draws.size(); ++i) {
        text += "第" + std::to_string(i + 1) + "回,2001/03/0" + std::to_string(i + 1);
        for (const int n : draws[i])
            text += "," + std::to_string(n);
        text += "\r\n";
    }
    return toShiftJis(text);
}

struct Command {
    const char* name;
    Files files;                    // the folder before the command
    bool startsProgram;             // the command is the start-up itself
    std::vector<const char*> names; // what a failure message names: one of these
    std::function<void(Harness&)> run;
};

void queueReport(Harness& h) { h.dialogs.saveAnswers.push_back((h.folder / "report.txt").string()); }

const std::vector<Command> kCommands = {
    {"first start", {}, true, {"OutData.dat", "data.dat"}, [](Harness&) {}},
    {"start-up clean-up",
     {{"data.dat", "\r\n" + kDraws}, {"OutData.dat", kOuts}},
     true,
     {"data.dat", "OutData.dat"},
     [](Harness&) {}},
    {"registration",
     {{"data.dat", kDraws}, {"OutData.dat", kOuts}},
     false,
     {"data.dat"},
     [](Harness& h) { enterDraw(h.p(), kNewDraw).Command1.click(); }},
    {"kept run",
     {{"data.dat", kDraws}, {"OutData.dat", kOuts}},
     false,
     {"OutData.dat"},
     [](Harness& h) { runAndReveal(h, 2, Answer::Yes); }},
    {"erased history",
     {{"data.dat", kDraws}, {"OutData.dat", kOuts}},
     false,
     {"OutData.dat"},
     [](Harness& h) { h.p().form1.outDataClear.click(); }},
    {"import that appends",
     {{"data.dat", drawFile({kThreeDraws[0]})}, {"OutData.dat", kOuts}, {"h.csv", historyCsv(kThreeDraws)}},
     false,
     {"data.dat", "h.csv"},
     [](Harness& h) {
         h.dialogs.openAnswers.push_back((h.folder / "h.csv").string());
         h.p().form1.vImport.click();
     }},
    {"import that replaces",
     {{"data.dat", drawFile({{4, 11, 19, 25, 33, 41, 7}})}, {"OutData.dat", kOuts}, {"h.csv", historyCsv(kThreeDraws)}},
     false,
     {"data.dat", "h.csv"},
     [](Harness& h) {
         h.dialogs.openAnswers.push_back((h.folder / "h.csv").string());
         h.dialogs.answers.push_back(Answer::Yes); // the replacing question defaults to No
         h.p().form1.vImport.click();
     }},
    {"prediction report",
     {{"data.dat", kDraws}, {"OutData.dat", kOuts}, {"report.txt", kReport}},
     false,
     {"report.txt"},
     [](Harness& h) {
         setPredicted(h.p(), Lines(kTwoSets.begin(), kTwoSets.begin() + 6));
         showSetOnBoard(h.p(), 0);
         queueReport(h);
         h.p().form1.vResData.click();
     }},
    {"winning numbers report",
     {{"data.dat", kDraws}, {"OutData.dat", kOuts}, {"report.txt", kReport}},
     false,
     {"report.txt"},
     [](Harness& h) {
         queueReport(h);
         h.p().form1.vResHitNoData.click();
     }},
    {"hit history report",
     {{"data.dat", kDraws}, {"OutData.dat", kOuts}},
     false,
     {"report.txt"},
     [](Harness& h) {
         queueReport(h);
         h.p().form1.vResHistData.click();
     }},
};

// A backup's name without its date and time: "data.dat.bak".
std::string undated(const std::string& name) {
    const std::size_t bak = name.rfind(".bak");
    const std::size_t dot = bak == std::string::npos ? bak : name.rfind('.', bak - 1);
    if (bak == std::string::npos || dot == std::string::npos || bak - dot < 16)
        return name;
    return name.substr(0, dot) + ".bak";
}

Files filesOf(const TempFolder& folder) {
    Files files;
    for (const std::string& name : entriesOf(folder.path()))
        files[undated(name)] += folder.read(name);
    return files;
}

struct Outcome {
    Files files;
    std::vector<ShownMessage> shown;
    bool started = true;
};

// Runs the command over its files with the nth call of `call` failing with
// `error` (n = 0: none); `delivered` tells whether that call came.
Outcome runWith(const Command& c, Call call, int n, int error, bool& delivered) {
    Harness h;
    for (const auto& [name, bytes] : c.files)
        h.folder.write(name, bytes);
    Outcome out;
    h.dialogs.answers.assign(8, Answer::Yes);
    const auto fault = [&] {
        if (n > 0)
            sys::Faults::failNth(call, n, error);
    };
    if (c.startsProgram) {
        fault();
        try {
            h.start();
        } catch (const FileError& e) {
            out.started = false; // told by the window adapter, which ends the program
            out.shown.push_back({e.what(), "", Buttons::Ok, Icon::Critical});
        }
    } else {
        h.start();
        spreadRandom(h.random);
        h.dialogs.shown.clear();
        fault();
        c.run(h);
    }
    delivered = sys::Faults::delivered();
    sys::Faults::reset();
    out.files = filesOf(h.folder);
    out.shown.insert(out.shown.end(), h.dialogs.shown.begin(), h.dialogs.shown.end());
    return out;
}

bool critical(const ShownMessage& m) { return m.icon == Icon::Critical; }

// Whether the data files (not the backups) differ between two folders.
bool dataDiffers(const Files& a, const Files& b) {
    for (const Files* x : {&a, &b})
        for (const auto& [name, bytes] : *x)
            if (!name.ends_with(".bak") && (!a.count(name) || !b.count(name) || a.at(name) != b.at(name)))
                return true;
    return false;
}

// Each file holds its bytes from before the command or from a clean run of
// it; a backup holds what its file held before.
void expectOldOrNew(const Files& got, const Files& before, const Files& clean) {
    for (const auto& [name, bytes] : got) {
        const auto same = [&](const Files& f, const std::string& n) { return f.count(n) && f.at(n) == bytes; };
        const bool backup = name.ends_with(".bak") && same(before, name.substr(0, name.size() - 4));
        EXPECT_TRUE(same(clean, name) || same(before, name) || backup)
            << name << " holds neither its old nor its new bytes";
        EXPECT_EQ(name.find(".tmp"), std::string::npos) << "a temporary file stayed: " << name;
    }
    for (const auto& [name, bytes] : before)
        EXPECT_TRUE(got.count(name)) << name << " vanished";
}

TEST(InjectedFaults, EveryFileIsOldOrNewAndAFailureIsToldNeverHidden) {
    // A file that cannot be opened for want of permission is no missing file.
    struct Fault {
        Call call;
        int error;
        const char* name;
    };
    const std::vector<Fault> calls = {
        {Call::Stat, EIO, "stat"},    {Call::Open, EIO, "open"},   {Call::Open, EACCES, "open (EACCES)"},
        {Call::Read, EIO, "read"},    {Call::Write, EIO, "write"}, {Call::Fsync, EIO, "fsync"},
        {Call::Rename, EIO, "rename"}};
    int faults = 0;
    for (const Command& c : kCommands) {
        bool delivered = false;
        const Outcome clean = runWith(c, Call::Stat, 0, 0, delivered);
        ASSERT_TRUE(clean.started) << c.name;
        ASSERT_TRUE(std::none_of(clean.shown.begin(), clean.shown.end(), critical)) << c.name;
        const bool saves = dataDiffers(clean.files, c.files);
        for (const auto& [call, error, callName] : calls) {
            for (int n = 1;; ++n) {
                SCOPED_TRACE(std::string(c.name) + ": " + callName + " call " + std::to_string(n) + " fails");
                const Outcome got = runWith(c, call, n, error, delivered);
                if (!delivered)
                    break;
                ++faults;
                expectOldOrNew(got.files, c.files, clean.files);
                for (const ShownMessage& m : got.shown)
                    EXPECT_EQ(m.text.find(kEscaped), std::string::npos) << m.text;
                const bool told = std::any_of(got.shown.begin(), got.shown.end(), critical);
                if (saves && !dataDiffers(got.files, clean.files)) {
                    // Saved: what a clean run says, or a warning about a file
                    // the command read afterwards.
                    if (!told) {
                        EXPECT_EQ(got.shown.size(), clean.shown.size());
                    }
                } else if (saves) {
                    // Not saved: said so, naming the file, and no success told.
                    ASSERT_TRUE(told) << "a failure nobody was told of";
                    const ShownMessage& m = *std::find_if(got.shown.begin(), got.shown.end(), critical);
                    EXPECT_TRUE(std::any_of(c.names.begin(), c.names.end(), [&](const char* file) {
                        return m.text.find(file) != std::string::npos;
                    })) << m.text;
                    for (const ShownMessage& success : clean.shown) {
                        if (success.title == "【質問】")
                            continue;
                        for (const ShownMessage& shown : got.shown)
                            EXPECT_NE(shown.text, success.text) << "success told of a failed save";
                    }
                }
                if (HasFailure())
                    return;
            }
        }
    }
    EXPECT_GT(faults, 200) << "the faults reached the commands' calls";
}

} // namespace
} // namespace zoki
