#include "base/errors.h"
#include "program/messages.h"
#include "support/fakes.h"
#include "support/message_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>

namespace zoki {
namespace {

// A fault that stops a command reaches the user as one Japanese message that
// says what happened and what to do; a file's fault keeps its own text. The
// window adapter runs every user action through the dispatch, as here.
TEST(FailureText, AFaultThatStopsACommandIsExplainedInJapanese) {
    const std::string repeats = "乱数が同じ値ばかりを返すため、予測を中止しました。\rもう一度「判定」を押して下さい。";
    const std::string checkFiles = "\rdata.dat と OutData.dat の内容を確かめて下さい。";
    const std::string file = "OutData.dat に書き込めませんでした。書き込みの権限がありません。";
    const std::pair<std::function<void(Program&)>, std::string> cases[] = {
        {[](Program& p) { p.dispatch([&] { p.form1.Command1.click(); }); }, repeats},
        {[](Program& p) {
             p.form1.vData.click(); // plain
             p.dispatch([&] { p.form1.Command1.click(); });
         },
         repeats},
        {[](Program& p) {
             for (MenuItem* range : {&p.form1.lvA, &p.form1.lvB, &p.form1.lvC, &p.form1.lvD, &p.form1.lvE})
                 range->setChecked(true);
             p.dispatch([&] { p.form1.Command1.click(); });
         },
         "対象外にした範囲が多すぎて、6 個の数字を選べません。\r"
         "「予測範囲指定」のチェックを減らしてから、もう一度「判定」を押して下さい。"},
        {[](Program& p) { p.dispatch([] { throw OverflowError(); }); },
         "扱える数の上限 (32767) を超えました。\r"
         "data.dat と OutData.dat に大きすぎる数や多すぎる行がないか確かめて下さい。"},
        {[](Program& p) { p.dispatch([] { throw TypeMismatchError("x"); }); },
         "数として読めない値がありました。\rdata.dat と OutData.dat に数字以外の行がないか確かめて下さい。"},
        {[](Program& p) { p.dispatch([] { throw DivisionByZeroError(); }); },
         "0 で割る計算になりました。" + checkFiles},
        {[](Program& p) { p.dispatch([] { throw IndexError(); }); }, "表の範囲の外を読もうとしました。" + checkFiles},
        {[](Program& p) { p.dispatch([] { throw std::bad_alloc(); }); },
         "メモリが足りません。\r他のプログラムを閉じてから、もう一度操作して下さい。"},
        {[](Program& p) { p.dispatch([] { throw std::runtime_error("vector::at"); }); },
         "予期しない問題が起きました。\rもう一度操作して下さい。直らないときはゾキを起動し直して下さい。"},
        {[&](Program& p) { p.dispatch([&] { throw FileError(file); }); }, file},
    };
    for (const auto& [fault, explained] : cases) {
        test::Harness h;
        Program& p = h.start();
        h.dialogs.shown.clear();
        h.random.fallback = 0.5f; // the same value for ever
        fault(p);
        ASSERT_EQ(h.dialogs.shown.size(), 1U) << explained;
        const test::ShownMessage& m = h.dialogs.shown[0];
        EXPECT_EQ(m.text, "処理を続けられませんでした。\r" + explained);
        EXPECT_EQ(m.title, "警告");
        EXPECT_EQ(m.icon, Icon::Critical);
        EXPECT_EQ(test::lettersBeyondNames(m.text), "") << m.text;
    }
    EXPECT_EQ(test::lettersBeyondNames("/tmp/z/data.dat: overflow", {"/tmp/z"}), "overflow");
}

} // namespace
} // namespace zoki
