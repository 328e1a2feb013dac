// Backups have names of their own and stay: none is ever overwritten, not by
// a backup of the same second, not by a disk that fills up after it.
#include "base/backup.h"
#include "base/syscalls.h"
#include "hardening/scenario.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <sys/stat.h>

namespace zoki {
namespace {

using namespace test;

std::time_t at(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

TEST(Backups, ANameOfItsOwnThatNothingOverwrites) {
    TempFolder folder;
    folder.write("data.dat", "now\r\n");
    ASSERT_EQ(::chmod((folder / "data.dat").c_str(), 0640), 0);
    const std::time_t when = at(2026, 12, 8, 15, 30, 12);
    folder.write("data.dat.20261208-153012.bak", "someone's file"); // taken already
    const auto first = keepBackup(folder / "data.dat", "one", when);
    const auto second = keepBackup(folder / "data.dat", "two", when);
    EXPECT_EQ(first.filename(), "data.dat.20261208-153012-2.bak");
    EXPECT_EQ(second.filename(), "data.dat.20261208-153012-3.bak");
    EXPECT_EQ(folder.read("data.dat.20261208-153012.bak"), "someone's file");
    EXPECT_EQ(folder.read(first.filename()), "one");
    EXPECT_EQ(folder.read(second.filename()), "two");
    struct stat st {};
    ASSERT_EQ(::stat(first.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640U) << "the data file's mode";
    EXPECT_EQ(backupName("/a/OutData.dat", at(2027, 1, 2, 3, 4, 5)), "OutData.dat.20270102-030405.bak");
}

// The contents of the backups, in any order (two in one second sort by
// their copy number, not by time).
Lines backupsOf(const TempFolder& folder) {
    Lines out = backupContents(folder, "data.dat");
    std::sort(out.begin(), out.end());
    return out;
}

Lines sorted(Lines lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Two replacing imports in a row keep both originals; a third whose save
// meets a full disk after its backup leaves them all and data.dat as it was.
// Each file corrects draw 1 and agrees on draw 2: a file that differs in
// most draws it shares is refused, not offered.
TEST(Backups, EveryReplacedDrawFileStays) {
    Harness h;
    const std::vector<int> second = {5, 12, 20, 26, 34, 42, 8};
    const auto withSecond = [&](const std::vector<int>& draw) { return drawFile({draw, second}); };
    const std::string firstData = withSecond({4, 11, 19, 25, 33, 41, 7});
    Program& p = startWith(h, firstData, crlf(kTwoSets));
    const auto replaceWith = [&](const std::vector<int>& draw) {
        std::string csv;
        for (const std::vector<int>& row : {draw, second}) {
            for (int n : row)
                csv += std::to_string(n) + ",";
            csv += "\r\n";
        }
        h.folder.write("h.csv", csv);
        h.dialogs.openAnswers.push_back((h.folder / "h.csv").string());
        h.dialogs.answers.push_back(Answer::Yes); // the replacing question defaults to No
        p.form1.vImport.click();
    };
    replaceWith(kThreeDraws[0]);
    replaceWith(kThreeDraws[1]);
    EXPECT_EQ(backupsOf(h.folder), sorted({firstData, withSecond(kThreeDraws[0])}));
    EXPECT_EQ(h.folder.read("data.dat"), withSecond(kThreeDraws[1]));

    h.dialogs.shown.clear();
    sys::Faults::diskFullAfter(withSecond(kThreeDraws[1]).size()); // room for the backup alone
    replaceWith(kThreeDraws[2]);
    sys::Faults::reset();
    EXPECT_TRUE(anyMessageContains(h.dialogs, "空き容量が不足しています"));
    EXPECT_EQ(h.folder.read("data.dat"), withSecond(kThreeDraws[1]));
    EXPECT_EQ(backupsOf(h.folder), sorted({firstData, withSecond(kThreeDraws[0]), withSecond(kThreeDraws[1])}));
}

// Erasing the kept sets keeps them first; an empty history needs no backup.
TEST(Backups, ErasingTheKeptSetsKeepsThem) {
    Harness h;
    Program& p = startWith(h, drawFile(kThreeDraws), crlf(kTwoSets));
    p.form1.outDataClear.click();
    p.form1.outDataClear.click();
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.folder.read("OutData.dat"), "");
    EXPECT_EQ(backupContents(h.folder, "OutData.dat"), Lines{crlf(kTwoSets)});
}

} // namespace
} // namespace zoki
