// Characters of the system code page typed into the data files by hand reach
// the reports as the very bytes the user wrote.
#include "base/encoding.h"
#include "hardening/scenario.h"

#include <gtest/gtest.h>

#include <string>

namespace zoki {
namespace {

using namespace test;

TEST(CodePage, HandEditedValuesReachTheReportsAsTheirBytes) {
    Harness h;
    Lines draws = splitLines(drawFile(kThreeDraws));
    draws[10] = "\x82\x56";                                       // "７" in place of draw 2's 27
    const Lines kept = {"3", "11", "19", "\x8E\xB5", "40", "42"}; // "七"; three of draw 1, a fifth prize
    Program& p = startWith(h, crlf(draws), crlf(kept));

    struct Report {
        MenuItem Form1::*item;
        std::string line;
    };
    for (const Report& r : {
             Report{&Form1::vResHitNoData, "    第02回当選番号 : 02  08  20  0７  30  43  (15)"},
             Report{&Form1::vResHistData,
                    "第01回データ当選履歴03-11-19-25-33-41-(07) <-> 第01回データ履歴番号03-11-19-0七-40-42"},
         }) {
        h.dialogs.saveAnswers.push_back((h.folder / "report.txt").string());
        (p.form1.*r.item).click();
        EXPECT_NE(h.folder.read("report.txt").find(toShiftJis(r.line) + "\r\n"), std::string::npos) << r.line;
    }
    EXPECT_TRUE(h.dialogs.shown.empty()) << h.dialogs.shown.front().text;
}

} // namespace
} // namespace zoki
