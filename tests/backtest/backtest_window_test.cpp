// The backtest window through its controls: opened from the menu, run tick
// by tick, stopped, saved; what it shows is what the backtest computes.
#include "backtest/backtest_window.h"
#include "backtest/csv.h"
#include "invented_history.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace zoki {
namespace {

// The program over invented draws, the window opened from its menu item.
BacktestForm& openOver(test::Harness& h, int draws, std::uint64_t seed = 31) {
    h.folder.write("data.dat", test::crlf(test::tableValues(test::inventedHistory(draws, seed))));
    h.start();
    h.p().form1.vBacktest.click();
    return h.p().backtestForm();
}

struct BacktestWindowTest : testing::Test {
    test::Harness h;

    BacktestForm& open(int draws) { return openOver(h, draws); }
    static void type(BacktestForm& f, const char* sets, const char* repeats, const char* first, const char* seed) {
        f.setsField.setText(sets);
        f.repeatsField.setText(repeats);
        f.firstField.setText(first);
        f.seedField.setText(seed);
    }
    // Ticks until the run ends; how many ticks it took.
    static int runToTheEnd(BacktestForm& f) {
        int ticks = 0;
        while (f.runTimer.enabled() && ticks < 10000) {
            f.runTimer.tick();
            ++ticks;
        }
        return ticks;
    }
    static std::vector<bool> enabled(const BacktestForm& f) {
        return {f.setsField.enabled(), f.runButton.enabled(),       f.cancelButton.enabled(),
                f.runTimer.enabled(),  f.saveTableButton.enabled(), f.saveDetailButton.enabled()};
    }
};

TEST_F(BacktestWindowTest, TheLastItemOfThePredictionMenuOpensItWithTheDefaults) {
    struct Case {
        const char* name;
        int draws;
        const char* first;
    };
    for (const Case& c : {Case{"a long history", 150, "101"}, Case{"a short one", 60, "2"}}) {
        test::Harness h;
        BacktestForm& f = openOver(h, c.draws);
        const Form1& f1 = h.p().form1;
        ASSERT_GE(f1.exepe.items.size(), 2u);
        EXPECT_EQ(f1.exepe.items.back(), &f1.vBacktest) << c.name;
        EXPECT_TRUE(f1.exepe.items[f1.exepe.items.size() - 2]->isSeparator()) << c.name;
        EXPECT_EQ(f1.vBacktest.caption(), "予測の検証(&V)");
        EXPECT_TRUE(f.visible()) << c.name;
        EXPECT_EQ(f.caption(), "検証");
        EXPECT_EQ(f.firstField.text(), c.first) << c.name;
        EXPECT_EQ(f.setsField.text() + " " + f.repeatsField.text() + " " + f.seedField.text(), "5 20 1") << c.name;
        EXPECT_EQ(enabled(f), (std::vector<bool>{true, true, false, false, false, false})) << c.name;
        // Chance's column stands before any run; the methods' are empty.
        EXPECT_EQ(f.resultTable.rows()[1].back(), "1/6,096,454") << c.name;
        EXPECT_EQ(f.resultTable.rows()[6].back(), "2.717% (1/36.8)") << c.name;
        EXPECT_EQ(f.resultTable.rows()[6][1], "") << c.name;
    }
}

TEST_F(BacktestWindowTest, ARunGoesOnTickByTickAndShowsWhatTheBacktestComputes) {
    BacktestForm& f = open(90);
    type(f, "4", "25", "11", "8");
    f.runButton.click();
    EXPECT_EQ(enabled(f), (std::vector<bool>{false, false, true, true, false, false}));
    EXPECT_EQ(f.progress.max(), 80);
    // 20,000 sets a tick are 50 draws of 4 methods × 25 × 4 sets.
    EXPECT_EQ(runToTheEnd(f), 2);
    EXPECT_EQ(f.progress.value(), 80);
    EXPECT_EQ(f.progressLabel.caption(), "第90回まで検証しました (80 / 80 回)");
    EXPECT_EQ(enabled(f), (std::vector<bool>{true, true, false, false, true, true}));

    BacktestSettings s;
    s.sets = 4;
    s.repeats = 25;
    s.firstDraw = 11;
    s.seed = 8;
    const BacktestResult expected = runBacktest(test::inventedHistory(90, 31), s);
    EXPECT_EQ(f.resultTable.rows(), resultRows(&expected));
    EXPECT_EQ(f.rateChart.content(), rateChartContent(expected));
    EXPECT_NE(f.scopeLabel.caption().find("第11回から第90回までの 80 回"), std::string::npos) << f.scopeLabel.caption();
    const std::string& verdicts = f.verdictLabel.caption();
    EXPECT_EQ(std::count(verdicts.begin(), verdicts.end(), '\n'), 5) << verdicts;
    EXPECT_NE(verdicts.find("どれか 1 つが p < 0.05 になることが 5 回に 1 回ほど"), std::string::npos) << verdicts;
    EXPECT_TRUE(verdicts.starts_with("ランダム: ")) << verdicts;
    EXPECT_NE(verdicts.find("過去 90 回の本数字の出方は"), std::string::npos) << verdicts;
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST_F(BacktestWindowTest, StoppedItShowsNothingHalfDoneAndTheNextTickDoesNothing) {
    BacktestForm& f = open(400);
    f.runButton.click();
    f.runTimer.tick();
    EXPECT_EQ(f.progress.value(), 50);
    f.cancelButton.click();
    EXPECT_EQ(f.progressLabel.caption(), "検証を中止しました。");
    EXPECT_EQ(enabled(f), (std::vector<bool>{true, true, false, false, false, false}));
    EXPECT_EQ(f.resultTable.rows(), resultRows(nullptr));
    f.runTimer.setEnabled(true);
    f.runTimer.tick();
    EXPECT_FALSE(f.runTimer.enabled()) << "a stray tick stops the timer";
    EXPECT_EQ(f.progress.value(), 50);
    // Closed in the middle of a run, it comes back fresh.
    f.runButton.click();
    f.runTimer.tick();
    h.p().userClosed(FormId::Backtest);
    EXPECT_FALSE(h.p().hasForm(FormId::Backtest));
    h.p().form1.vBacktest.click();
    EXPECT_EQ(enabled(h.p().backtestForm()), (std::vector<bool>{true, true, false, false, false, false}));
}

TEST_F(BacktestWindowTest, SettingsItCannotRunWithAreToldAndStartNothing) {
    struct Case {
        const char* name;
        int draws;
        std::vector<const char*> fields; // sets, repeats, first, seed
        const char* says;
        bool aboutAField;
    };
    const Case cases[] = {
        {"six sets", 50, {"6", "20", "2", "1"}, "1 回あたりのセット数は 1 から 5 までの整数で", true},
        {"no repeat", 50, {"5", "0", "2", "1"}, "繰り返しの回数は 1 から 100 までの整数で", true},
        {"not a number", 50, {"5", "２０", "2", "1"}, "繰り返しの回数は", true},
        {"an empty field", 50, {"5", "20", "", "1"}, "最初に検証する回は 2 から 49 までの整数で", true},
        {"draw 1", 50, {"5", "20", "1", "1"}, "最初に検証する回は 2 から 49 までの整数で", true},
        {"past the history", 50, {"5", "20", "50", "1"}, "(当選データは第50回まで)", true},
        {"a negative seed", 50, {"5", "20", "2", "-1"}, "乱数の種は 0 から", true},
        {"two draws", 2, {"5", "20", "2", "1"}, "当選データが 3 回分以上必要です (いまは 2 回分)", false},
    };
    for (const Case& c : cases) {
        test::Harness h;
        BacktestForm& f = openOver(h, c.draws);
        type(f, c.fields[0], c.fields[1], c.fields[2], c.fields[3]);
        std::vector<const Control*> subject;
        h.dialogs.duringMessage = [&](const test::ShownMessage&) { subject = h.p().messageSubject(); };
        f.runButton.click();
        ASSERT_EQ(h.dialogs.shown.size(), 1u) << c.name;
        EXPECT_NE(h.dialogs.shown[0].text.find(c.says), std::string::npos) << c.name << ": " << h.dialogs.shown[0].text;
        EXPECT_EQ(h.dialogs.shown[0].title, "警告") << c.name;
        EXPECT_EQ(subject.size(), c.aboutAField ? 1u : 0u) << c.name;
        EXPECT_FALSE(f.runTimer.enabled()) << c.name;
        EXPECT_TRUE(f.runButton.enabled()) << c.name;
    }
}

TEST_F(BacktestWindowTest, ADrawThatIsNoDrawIsNamed) {
    std::vector<std::string> values = test::tableValues(test::inventedHistory(40, 32));
    values[7 * 12 + 3] = "0";
    h.folder.write("data.dat", test::crlf(values));
    h.start();
    h.p().form1.vBacktest.click();
    BacktestForm& f = h.p().backtestForm();
    EXPECT_EQ(f.firstField.text(), "2") << "eleven draws read";
    f.runButton.click();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_NE(h.dialogs.shown[0].text.find("第13回の当選データ"), std::string::npos) << h.dialogs.shown[0].text;
    EXPECT_FALSE(f.runTimer.enabled());
}

TEST_F(BacktestWindowTest, TheTableAndTheDetailAreSavedAsCsv) {
    BacktestForm& f = open(30);
    type(f, "2", "3", "20", "4");
    f.runButton.click();
    runToTheEnd(f);
    BacktestSettings s;
    s.sets = 2;
    s.repeats = 3;
    s.firstDraw = 20;
    s.seed = 4;
    s.keepDetail = true;
    const BacktestResult expected = runBacktest(test::inventedHistory(30, 31), s);
    struct Case {
        const char* name;
        Button& button;
        std::string answer;
        std::string file;
        std::string bytes;
    };
    const Case cases[] = {
        {"the table", f.saveTableButton, (h.folder / "table").string(), "table.csv",
         backtestTableCsv(expected, "\r\n")},
        {"the detail", f.saveDetailButton, (h.folder / "sets.csv").string(), "sets.csv",
         backtestDetailCsv(expected, "\r\n")},
    };
    for (const Case& c : cases) {
        h.dialogs.saveAnswers.push_back(c.answer);
        c.button.click();
        EXPECT_EQ(h.folder.read(c.file), c.bytes) << c.name;
        EXPECT_EQ(h.dialogs.saveRequests.back().filter, "CSV ファイル (*.csv)|*.csv|") << c.name;
    }
    EXPECT_EQ(h.dialogs.saveRequests.back().lastName, (h.folder / "table").string()) << "the name chosen last";
    // Cancelled, nothing; a folder that is not there, told, nothing written.
    f.saveTableButton.click();
    h.dialogs.saveAnswers.push_back((h.folder / "no" / "table.csv").string());
    f.saveTableButton.click();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_TRUE(h.dialogs.shown[0].text.starts_with("検証の結果を保存できませんでした。\r")) << h.dialogs.shown[0].text;
    EXPECT_FALSE(std::filesystem::exists(h.folder / "no"));
}

} // namespace
} // namespace zoki
