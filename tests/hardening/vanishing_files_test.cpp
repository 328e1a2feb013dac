// A data file removed, or replaced by a folder, by someone else while the
// program runs.
#include "hardening/scenario.h"
#include "program/main_window.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace zoki {
namespace {

using namespace test;

struct Mutation {
    const char* name;
    std::function<void(const TempFolder&, const std::string&)> apply;
};

const std::vector<Mutation> kMutations = {
    {"removed", [](const TempFolder& f, const std::string& name) { std::filesystem::remove(f / name); }},
    {"replaced by a folder",
     [](const TempFolder& f, const std::string& name) {
         std::filesystem::remove(f / name);
         std::filesystem::create_directory(f / name);
     }},
};

// What the program showed of the draws before the file went away.
struct DrawView {
    Lines table;
    int lineCount;
    std::array<int, 44> counts;
    int total;
    std::vector<std::string> recentCaptions;
    std::vector<float> bars;

    static DrawView of(Program& p) {
        DrawView v;
        v.table = p.s.drawTable.elements();
        v.lineCount = p.s.drawTable.lineCount();
        for (int n = 0; n <= 43; ++n)
            v.counts[static_cast<std::size_t>(n)] = p.stats.numberCount[static_cast<std::size_t>(n)];
        v.total = p.stats.drawNumberTotal;
        for (int i = 0; i < 35; ++i)
            v.recentCaptions.push_back(p.form2().Label3(i).caption());
        for (int k = 0; k < 43; ++k)
            v.bars.push_back(p.form2().Label2(k).width());
        return v;
    }
    bool operator==(const DrawView&) const = default;
};

struct Action {
    const char* name;
    std::function<void(Harness&)> run;
    std::function<void(Harness&)> check;
};

const std::vector<Action> kActions = {
    {"a prediction run's statistics", [](Harness& h) { runAndReveal(h, 3, Answer::No); },
     [](Harness& h) {
         ASSERT_EQ(h.dialogs.shown.size(), 1U);
         EXPECT_EQ(h.dialogs.shown[0].text, kKeepQuestion);
     }},
    {"the reload after keeping a run", [](Harness& h) { runAndReveal(h, 2, Answer::Yes); },
     [](Harness& h) {
         ASSERT_EQ(h.dialogs.shown.size(), 2U);
         EXPECT_EQ(h.dialogs.shown[1].text, kWish);
         Lines kept = kTwoSets;
         for (const Lines& set : boardSets(h.p(), 2))
             kept.insert(kept.end(), set.begin(), set.end());
         EXPECT_EQ(h.folder.read("OutData.dat"), crlf(kept));
         kept.emplace_back();
         EXPECT_EQ(h.p().s.outHistory, kept);
     }},
    {"opening the history window", [](Harness& h) { h.p().form1.dataAdd.click(); },
     [](Harness& h) {
         EXPECT_TRUE(h.dialogs.shown.empty());
         EXPECT_TRUE(h.p().form2().visible());
     }},
    {"the match search", [](Harness& h) { h.p().form1.vCheckNumber.click(); },
     [](Harness& h) {
         EXPECT_TRUE(h.dialogs.shown.empty());
         Form5& f = h.p().form5();
         EXPECT_TRUE(f.visible());
         EXPECT_EQ(f.VScroll1.max(), 3);
         EXPECT_EQ(f.Frame1.caption(), "第 3 回 当選番号");
         EXPECT_EQ(f.Label2(6).caption(), "9");
         EXPECT_EQ(f.Image1(6).picture(), bonusBallPicture(9));
     }},
};

// The draw file goes away between start-up and a command that reads it: the
// command ends normally and the earlier table, counts and pictures stay.
TEST(VanishingFiles, TheDrawFileGoneBeforeACommandKeepsTheEarlierTable) {
    for (const Mutation& mutation : kMutations) {
        for (const Action& action : kActions) {
            SCOPED_TRACE(std::string("data.dat ") + mutation.name + " before " + action.name);
            Harness h;
            Program& p = startWith(h, drawFile(kThreeDraws), crlf(kTwoSets));
            const DrawView before = DrawView::of(p);
            ASSERT_EQ(before.lineCount, 21);
            mutation.apply(h.folder, "data.dat");
            h.dialogs.shown.clear();

            action.run(h);

            action.check(h);
            EXPECT_FALSE(anyMessageContains(h.dialogs, kEscaped));
            EXPECT_TRUE(DrawView::of(p) == before);
            EXPECT_EQ(std::filesystem::is_directory(h.folder / "data.dat"),
                      std::string(mutation.name) == "replaced by a folder");
            EXPECT_EQ(std::filesystem::exists(h.folder / "data.dat"), std::string(mutation.name) != "removed")
                << "nothing may create it behind the user's back";
        }
    }
}

// Once the file is back, the next command reads it again at the end of its
// statistics, and the command after that counts it.
TEST(VanishingFiles, AReturnedDrawFileIsReadByTheNextCommand) {
    Harness h;
    Program& p = startWith(h, drawFile(kThreeDraws), crlf(kTwoSets));
    std::filesystem::remove(h.folder / "data.dat");
    p.form1.dataAdd.click();
    h.folder.write("data.dat", drawFile({kThreeDraws[0], kThreeDraws[1], kThreeDraws[2], kThreeDraws[0]}));
    p.form1.dataAdd.click();
    EXPECT_EQ(p.s.drawTable.lineCount(), 28);
    EXPECT_EQ(p.stats.numberCount[41], 1);
    p.form1.dataAdd.click();
    EXPECT_EQ(p.form2().Label4(0).caption(), "第4回");
    EXPECT_EQ(p.stats.numberCount[41], 2);
    EXPECT_TRUE(h.dialogs.shown.empty());
}

// The output history replaced by a folder before a run is kept: the user is
// told, the folder stays, and the history held and the board are not lost.
TEST(VanishingFiles, TheOutputHistoryReplacedByAFolderBeforeAKeptRun) {
    Harness h;
    Program& p = startWith(h, drawFile(kThreeDraws), crlf(kTwoSets));
    const Lines held = p.s.outHistory;
    kMutations[1].apply(h.folder, "OutData.dat");

    runAndReveal(h, 2, Answer::Yes);

    ASSERT_EQ(h.dialogs.shown.size(), 2U);
    EXPECT_NE(h.dialogs.shown[1].text.find("OutData.dat"), std::string::npos) << h.dialogs.shown[1].text;
    EXPECT_EQ(h.dialogs.shown[1].icon, Icon::Critical);
    EXPECT_FALSE(anyMessageContains(h.dialogs, kWish));
    EXPECT_TRUE(std::filesystem::is_directory(h.folder / "OutData.dat"));
    EXPECT_EQ(p.s.outHistory, held);
    for (const Lines& set : boardSets(p, 2))
        expectSoundSet(set, "board");
    EXPECT_TRUE(p.form1.Command1.enabled());

    // The history window and the match search still work on what is held.
    h.dialogs.shown.clear();
    p.form1.dataAdd.click();
    p.form1.vCheckNumber.click();
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(p.form5().Label3(0).caption(), "1");
    EXPECT_EQ(p.s.outHistory, held);
}

} // namespace
} // namespace zoki
