// A pipe or a device where the program expects a file: as a data file, as
// a file to import, as a report's target. Each is refused with a message,
// at once and without reading it to its (endless) end; none is replaced.
// Each case runs in a child process with a watchdog, so that a hang fails the
// test instead of stopping the run.
#include "hardening/child_process.h"
#include "hardening/scenario.h"
#include "import/import.h"
#include "program/main_window.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace zoki {
namespace {

using namespace test;

enum class Special { Fifo, LinkToZero, Device };

// Makes `name` a special file; false when this process may not (a device
// node needs root).
bool make(const TempFolder& folder, const std::string& name, Special kind) {
    const std::filesystem::path path = folder / name;
    switch (kind) {
    case Special::Fifo:
        return ::mkfifo(path.c_str(), 0644) == 0;
    case Special::LinkToZero:
        std::filesystem::create_symlink("/dev/zero", path);
        return true;
    case Special::Device: // a private twin of /dev/null, behind a link
        if (::mknod((folder / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            return false;
        std::filesystem::create_symlink(folder / "null", path);
        return true;
    }
    return false;
}

bool stillSpecial(const TempFolder& folder, const std::string& name) {
    struct stat st {};
    return ::stat((folder / name).c_str(), &st) == 0 && !S_ISREG(st.st_mode);
}

struct Case {
    const char* name;
    const char* file;
    std::function<void(Harness&, const ChildContext&)> run; // starts and acts; checks what was shown
};

const std::vector<Case> kCases = {
    {"data.dat", "data.dat",
     [](Harness& h, const ChildContext&) {
         Program& p = startWith(h, std::nullopt, crlf(kTwoSets));
         EXPECT_EQ(p.form1.caption(), kTitle);
         ASSERT_EQ(h.dialogs.shown.size(), 1U);
         EXPECT_NE(h.dialogs.shown[0].text.find("通常のファイルではありません"), std::string::npos)
             << h.dialogs.shown[0].text;
         enterDraw(p, kNewDraw).Command1.click();
         EXPECT_TRUE(anyMessageContains(h.dialogs, "登録は行われていません。"));
     }},
    {"OutData.dat", "OutData.dat",
     [](Harness& h, const ChildContext&) {
         h.folder.write("data.dat", drawFile(kThreeDraws));
         try {
             h.start();
             ADD_FAILURE() << "started over a special OutData.dat";
         } catch (const FileError& e) {
             EXPECT_EQ(e.error(), kNotARegularFile) << e.what();
         }
     }},
    {"an import file", "h.csv",
     [](Harness& h, const ChildContext&) {
         Program& p = startWith(h, drawFile(kThreeDraws), crlf(kTwoSets));
         importDrawHistory(p, h.folder / "h.csv");
         ASSERT_EQ(h.dialogs.shown.size(), 1U);
         EXPECT_NE(h.dialogs.shown[0].text.find("通常のファイルではありません"), std::string::npos)
             << h.dialogs.shown[0].text;
     }},
    {"a report's target", "report.txt",
     [](Harness& h, const ChildContext&) {
         Program& p = startWith(h, drawFile(kThreeDraws), crlf(kTwoSets));
         p.predictNumbers[0] = 7;
         showSetOnBoard(p, 0);
         for (const ReportKind& report : kReports) {
             h.dialogs.shown.clear();
             h.dialogs.saveAnswers.push_back((h.folder / "report.txt").string());
             (p.form1.*report.item).click();
             ASSERT_EQ(h.dialogs.shown.size(), 1U) << report.name;
             EXPECT_NE(h.dialogs.shown[0].text.find("通常のファイルではありません"), std::string::npos)
                 << report.name << ": " << h.dialogs.shown[0].text;
         }
     }},
};

TEST(SpecialFiles, AreRefusedAtOnceAndNeverReplaced) {
    for (const Case& c : kCases) {
        for (const Special kind : {Special::Fifo, Special::LinkToZero, Special::Device}) {
            SCOPED_TRACE(std::string(c.name) + " as special file " + std::to_string(static_cast<int>(kind)));
            Harness h;
            if (!make(h.folder, c.file, kind))
                continue; // no device nodes without root
            runInChild([&](const ChildContext& child) {
                ::alarm(60); // the watchdog: a hang ends the child, and fails the test
                c.run(h, child);
            });
            EXPECT_TRUE(stillSpecial(h.folder, c.file)) << "replaced by a regular file";
        }
    }
}

} // namespace
} // namespace zoki
