// Saves keep what the user set up: a data file or report that is a symbolic
// link is written through to the file it names, and the file keeps its
// permission bits, owner and group.
#include "base/errors.h"
#include "hardening/child_process.h"
#include "hardening/scenario.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace zoki {
namespace {

using namespace test;

struct LinkedSave {
    const char* name;
    const char* link; // in the program folder
    std::function<void(Harness&)> command;
    std::function<void(Harness&, const std::string&)> checkSaved; // the linked-to file's bytes
};

bool anyCritical(const ScriptedDialogs& d) {
    return std::any_of(d.shown.begin(), d.shown.end(), [](const ShownMessage& m) { return m.icon == Icon::Critical; });
}

TEST(LinksAndModes, ASaveWritesThroughLinksAndKeepsTheFilesMode) {
    const std::vector<LinkedSave> saves = {
        {"registration", "data.dat", [](Harness& h) { enterDraw(h.p(), kNewDraw).Command1.click(); },
         [](Harness&, const std::string& bytes) { EXPECT_EQ(bytes, drawFile(kThreeDraws) + crlf(kNewDraw)); }},
        {"kept run", "OutData.dat", [](Harness& h) { runAndReveal(h, 1, Answer::Yes); },
         [](Harness& h, const std::string& bytes) { EXPECT_EQ(bytes, crlf(kTwoSets) + crlf(boardSets(h.p(), 1)[0])); }},
        {"report", "report.txt",
         [](Harness& h) {
             h.dialogs.saveAnswers.push_back((h.folder / "report.txt").string());
             h.p().form1.vResHitNoData.click();
         },
         [](Harness&, const std::string& bytes) { EXPECT_NE(bytes.find("LOTO 6 WIN NO DATA"), std::string::npos); }},
    };
    for (const LinkedSave& save : saves) {
        SCOPED_TRACE(save.name);
        Harness h;
        TempFolder elsewhere;
        h.folder.write("data.dat", drawFile(kThreeDraws));
        h.folder.write("OutData.dat", crlf(kTwoSets));
        // A chain: an absolute link to a link that names its file relatively.
        elsewhere.write("real", save.link == std::string("data.dat") ? drawFile(kThreeDraws) : crlf(kTwoSets));
        std::filesystem::create_symlink("real", elsewhere / "middle");
        std::filesystem::remove(h.folder / save.link); // a report's name holds no file yet
        std::filesystem::create_symlink(elsewhere / "middle", h.folder / save.link);
        ASSERT_EQ(::chmod((elsewhere / "real").c_str(), 0640), 0);
        const bool root = ::geteuid() == 0;
        if (root) {
            ASSERT_EQ(::chown((elsewhere / "real").c_str(), kNobody, kNoGroup), 0);
        }
        const std::vector<std::string> folderBefore = entriesOf(h.folder.path());
        h.start();

        h.dialogs.shown.clear();
        save.command(h);

        EXPECT_FALSE(anyCritical(h.dialogs));
        EXPECT_EQ(std::filesystem::read_symlink(h.folder / save.link), elsewhere / "middle");
        EXPECT_EQ(std::filesystem::read_symlink(elsewhere / "middle"), "real");
        save.checkSaved(h, elsewhere.read("real"));
        struct stat st {};
        ASSERT_EQ(::stat((elsewhere / "real").c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0640U);
        if (root) {
            EXPECT_EQ(st.st_uid, kNobody);
            EXPECT_EQ(st.st_gid, kNoGroup);
        }
        EXPECT_EQ(entriesOf(h.folder.path()), folderBefore) << "no temporary file beside the link";
        EXPECT_EQ(entriesOf(elsewhere.path()), (std::vector<std::string>{"middle", "real"}));
    }
}

// A link to nothing: the file it names is made, in a folder that exists; a
// link into a missing folder is told, and stays.
TEST(LinksAndModes, ALinkToNothing) {
    Harness h;
    TempFolder elsewhere;
    std::filesystem::create_symlink(elsewhere / "out.dat", h.folder / "OutData.dat");
    std::filesystem::create_symlink(elsewhere / "gone" / "data.dat", h.folder / "data.dat");
    Program& p = h.start();

    EXPECT_EQ(elsewhere.read("out.dat"), "");
    EXPECT_TRUE(std::filesystem::is_symlink(h.folder / "OutData.dat"));
    ASSERT_EQ(h.dialogs.shown.size(), 1U);
    EXPECT_NE(h.dialogs.shown[0].text.find("フォルダー " + (elsewhere / "gone").string() + " が見つかりません。"),
              std::string::npos)
        << h.dialogs.shown[0].text;
    EXPECT_TRUE(std::filesystem::is_symlink(h.folder / "data.dat"));
    EXPECT_EQ(p.form1.caption(), kTitle);

    runAndReveal(h, 2, Answer::Yes);
    EXPECT_TRUE(anyMessageContains(h.dialogs, kWish));
    EXPECT_EQ(splitLines(elsewhere.read("out.dat")).size(), 12U);
    EXPECT_EQ(entriesOf(h.folder.path()), (std::vector<std::string>{"OutData.dat", "data.dat"}));
}

} // namespace
} // namespace zoki
