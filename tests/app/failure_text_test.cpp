#include "app/errors.h"
#include "app/failure_text.h"
#include "predict/run_support.h"
#include "support/fakes.h"
#include "support/message_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>

namespace zoki {
namespace {

using test::Harness;
using test::lettersBeyondNames;

// A fault that escapes a command reaches the user as one Japanese message
// that says what happened and what to do; its own text never shows, except
// a file's, which names the file.
TEST(FailureText, AFaultThatStopsACommandIsExplainedInJapanese) {
    const std::string fileText = "OutData.dat に書き込めませんでした。書き込みの権限がありません。";
    struct Case {
        const char* name;
        std::function<void(Program&)> fault;
        std::string explained;
    };
    const Case cases[] = {
        {"a plain run whose random values repeat",
         [](Program& p) {
             p.form1.vData.click();
             p.form1.Command1.click();
         },
         "乱数が同じ値ばかりを返すため、予測を中止しました。\rもう一度「判定」を押して下さい。"},
        {"a weighted run whose random values repeat", [](Program& p) { p.form1.Command1.click(); },
         "乱数が同じ値ばかりを返すため、予測を中止しました。\rもう一度「判定」を押して下さい。"},
        {"a weighted run with every range excluded",
         [](Program& p) {
             for (MenuItem* range : {&p.form1.lvA, &p.form1.lvB, &p.form1.lvC, &p.form1.lvD, &p.form1.lvE})
                 range->setChecked(true);
             p.form1.Command1.click();
         },
         "対象外にした範囲が多すぎて、6 個の数字を選べません。\r"
         "「予測範囲指定」のチェックを減らしてから、もう一度「判定」を押して下さい。"},
        {"an overflow", [](Program& p) { p.dispatch([] { throw OverflowError(); }); },
         "扱える数の上限 (32767) を超えました。\r"
         "data.dat と OutData.dat に大きすぎる数や多すぎる行がないか確かめて下さい。"},
        {"a text that is not a number", [](Program& p) { p.dispatch([] { throw TypeMismatchError("x"); }); },
         "数として読めない値がありました。\rdata.dat と OutData.dat に数字以外の行がないか確かめて下さい。"},
        {"a division by zero", [](Program& p) { p.dispatch([] { throw DivisionByZeroError(); }); },
         "0 で割る計算になりました。\rdata.dat と OutData.dat の内容を確かめて下さい。"},
        {"an index out of range", [](Program& p) { p.dispatch([] { throw IndexError(); }); },
         "表の範囲の外を読もうとしました。\rdata.dat と OutData.dat の内容を確かめて下さい。"},
        {"no memory left", [](Program& p) { p.dispatch([] { throw std::bad_alloc(); }); },
         "メモリが足りません。\r他のプログラムを閉じてから、もう一度操作して下さい。"},
        {"a fault of unknown kind", [](Program& p) { p.dispatch([] { throw std::runtime_error("vector::at"); }); },
         "予期しない問題が起きました。\rもう一度操作して下さい。直らないときはゾキを起動し直して下さい。"},
        {"a file's fault", [&](Program& p) { p.dispatch([&] { throw FileError(fileText); }); }, fileText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        h.folder.write("data.dat", test::drawFile({{1, 2, 3, 4, 5, 6, 7}}));
        Program& p = h.start();
        h.dialogs.shown.clear();
        h.random.fallback = 0.5f; // the same value for ever
        c.fault(p);
        ASSERT_EQ(h.dialogs.shown.size(), 1U);
        const test::ShownMessage& m = h.dialogs.shown[0];
        EXPECT_EQ(m.text, "処理を続けられませんでした。\r" + c.explained);
        EXPECT_EQ(m.title, "警告");
        EXPECT_EQ(m.buttons, Buttons::Ok);
        EXPECT_EQ(m.icon, Icon::Critical);
        EXPECT_EQ(lettersBeyondNames(m.text), "") << m.text;
    }
}

TEST(FailureText, AStartUpThatCannotGoOnNamesTheFaultAndTheFolder) {
    EXPECT_EQ(cannotStartMessage(FileError("/home/u/zoki/OutData.dat を作成できませんでした。"), "/home/u/zoki"),
              "ゾキを起動できません。\r/home/u/zoki/OutData.dat を作成できませんでした。\rフォルダ: /home/u/zoki");
    const std::string overflow = cannotStartMessage(OverflowError(), "/home/u/zoki");
    EXPECT_EQ(overflow, "ゾキを起動できません。\r扱える数の上限 (32767) を超えました。\r"
                        "data.dat と OutData.dat に大きすぎる数や多すぎる行がないか確かめて下さい。\r"
                        "フォルダ: /home/u/zoki");
    EXPECT_EQ(lettersBeyondNames(overflow, {"/home/u/zoki"}), "");
}

TEST(FailureText, LettersBeyondNamesFindsEnglishButNotTheNamesAMessageMayQuote) {
    EXPECT_EQ(lettersBeyondNames("data.dat と OutData.dat を Shift_JIS (CP932) で"), "");
    EXPECT_EQ(lettersBeyondNames("/tmp/zoki-1/data.dat: 空き容量", {"/tmp/zoki-1"}), "");
    EXPECT_EQ(lettersBeyondNames("処理を続けられませんでした。\roverflow"), "overflow");
    EXPECT_EQ(lettersBeyondNames("data.dat: Permission denied"), "Permissiondenied");
}

} // namespace
} // namespace zoki
