#include "app/first_start.h"
#include "import/import_messages.h"
#include "program/messages.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace zoki {
namespace {

using test::crlf;
using test::drawFile;
using test::Harness;

// Only a data.dat without a single value is a first start; the question
// leads to the import's file dialog on Yes and nowhere on No.
TEST(FirstStart, WithoutADrawTheImportIsOfferedAndYesOpensItsFileDialog) {
    struct Case {
        const char* name;
        std::string drawBytes; // written after start-up, as another program might
        Answer answer;
        bool asked;
    };
    const Case cases[] = {
        {"empty, Yes", "", Answer::Yes, true},
        {"empty, No", "", Answer::No, true},
        {"blank lines only", crlf({"", "  ", ""}), Answer::Yes, true},
        {"one draw", drawFile({{3, 11, 19, 25, 33, 41, 7}}), Answer::Yes, false},
        {"a single value", crlf({"", "x"}), Answer::Yes, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        Program& p = h.start();
        h.folder.write("data.dat", c.drawBytes);
        h.dialogs.answers.push_back(c.answer);
        Form_FirstShown(p);
        ASSERT_EQ(h.dialogs.shown.size(), c.asked ? 1U : 0U);
        if (c.asked) {
            EXPECT_EQ(h.dialogs.shown[0].text, msg::kOfferImport);
            EXPECT_EQ(h.dialogs.shown[0].title, "【質問】");
            EXPECT_EQ(h.dialogs.shown[0].buttons, Buttons::YesNo);
        }
        const bool opened = c.asked && c.answer == Answer::Yes;
        ASSERT_EQ(h.dialogs.openRequests.size(), opened ? 1U : 0U);
        if (opened) {
            EXPECT_EQ(h.dialogs.openRequests[0].title, kImportTitle);
            EXPECT_EQ(h.dialogs.openRequests[0].filter, kImportFilter);
        }
        EXPECT_EQ(h.folder.read("data.dat"), c.drawBytes) << "the dialog was cancelled";
    }
}

// A data.dat that cannot be read is no first start: nothing is offered. A
// missing one (removed since start-up) is.
TEST(FirstStart, AnUnreadableDrawFileIsNoFirstStartButAMissingOneIs) {
    Harness h;
    Program& p = h.start();
    std::filesystem::remove(h.folder / "data.dat");
    std::filesystem::create_directory(h.folder / "data.dat");
    Form_FirstShown(p);
    EXPECT_TRUE(h.dialogs.shown.empty());

    std::filesystem::remove(h.folder / "data.dat");
    h.dialogs.answers.push_back(Answer::No);
    Form_FirstShown(p);
    EXPECT_EQ(h.dialogs.shown.size(), 1U);
}

// Where nothing keeps a second copy off the folder, the user hears it first,
// whether or not the import is offered after it.
TEST(FirstStart, AFolderNothingGuardsIsToldFirst) {
    for (const bool draws : {false, true}) {
        SCOPED_TRACE(draws);
        Harness h;
        Program& p = h.start();
        if (draws)
            h.folder.write("data.dat", drawFile({{3, 11, 19, 25, 33, 41, 7}}));
        p.folderUnguarded = true;
        h.dialogs.answers = {Answer::Ok, Answer::No};
        Form_FirstShown(p);
        ASSERT_EQ(h.dialogs.shown.size(), draws ? 1U : 2U);
        EXPECT_EQ(h.dialogs.shown[0].text, msg::kFolderUnguarded);
        EXPECT_EQ(h.dialogs.shown[0].title, "【警告】");
    }
}

// Yes and a chosen file: the draws are imported as from the menu.
TEST(FirstStart, TheOfferedImportTakesTheChosenFile) {
    Harness h;
    Program& p = h.start();
    h.folder.write("loto6.csv", "第1回,2001/04/05,3,11,19,25,33,41,7\r\n");
    h.dialogs.openAnswers.push_back((h.folder / "loto6.csv").string());
    Form_FirstShown(p);
    EXPECT_EQ(h.folder.read("data.dat"), drawFile({{3, 11, 19, 25, 33, 41, 7}}));
    EXPECT_EQ(p.stats.numberCount[41], 1);
}

} // namespace
} // namespace zoki
