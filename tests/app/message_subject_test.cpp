#include "predict/run_support.h"
#include "program/messages.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace zoki {
namespace {

using test::Harness;

// Each message box says what it is about, so that the window system can keep
// that in sight: the keep question and the wish after it the board and the
// reveal, the registration's warnings its fields, the others nothing.
TEST(MessageSubject, TheKeepQuestionIsAboutTheResultAndRegistrationWarningsAboutTheFields) {
    Harness h;
    Program& p = h.start();
    std::map<std::string, std::vector<std::string>> about; // by message text
    h.dialogs.duringMessage = [&](const test::ShownMessage& m) {
        std::vector<std::string>& names = about[m.text];
        for (const Control* c : p.messageSubject())
            names.push_back(c->form().name() + "." + c->objectName());
    };

    p.form1.vCheckNumber.click(); // nothing kept yet: a warning about no control
    p.form1.vData.click();        // plain sets
    h.random.values = test::plainDraws({1, 2, 3, 4, 5, 6});
    p.form1.Command1.click();
    for (int i = 0; i < 100 && p.form1.Timer1.enabled(); ++i)
        p.form1.Timer1.tick();
    ASSERT_FALSE(p.form1.Timer1.enabled()) << "the reveal ended";
    p.form1.addAdd.click();
    p.form4().Command1.click(); // every field blank

    const std::vector<std::string> result{"Form1.Frame1", "Form1.Frame5"};
    std::vector<std::string> fields;
    for (int k = 0; k < 7; ++k)
        fields.push_back("Form4.Text1_" + std::to_string(k));
    EXPECT_EQ(
        about,
        (std::map<std::string, std::vector<std::string>>{
            {msg::kNoHistory, {}}, {msg::kKeepResult, result}, {msg::kMayItWin, result}, {msg::kBlankField, fields}}));
    EXPECT_TRUE(p.messageSubject().empty()) << "only while the boxes are open";
}

} // namespace
} // namespace zoki
