#pragma once

#include "backtest/backtest.h"

#include <string>

// What the backtest tells the player, in Japanese: the names of the methods,
// the figures as the window shows them, one sentence per method and one on
// the history, and the messages for settings it cannot run with.
namespace zoki::btext {

// "ランダム", "データ重視 (強)", ...: a method as the window names it.
const char* methodCaption(int method);

// Figures: "6,096,454"; "2.717%"; "1/36.8" or "1/6,096,454" (one decimal
// below 1,000); "0.81", "0.034" or "< 0.001".
std::string grouped(long long v);
std::string percent(double share, int decimals);
std::string oneIn(double n);
std::string pValue(double p);

// The verdict on a method's prize rate against chance, with the smallest
// difference the history could have shown when it cannot tell.
std::string verdictSentence(const MethodResult& m);
// How often one of the methods would seem to differ from chance when none
// does, since several are tested at once.
std::string severalMethodsSentence();
// The verdict in two or three words, for the table.
const char* verdictWord(Verdict v);
// Whether the history's main numbers come up equally often.
std::string uniformitySentence(const Uniformity& u);
// Which draws were predicted and how: "第101回から第2000回までの 1,900 回を…".
std::string scopeSentence(const BacktestResult& r);

// Why settings cannot run (the figures the player typed, or the history);
// lines joined with "\r" as message boxes join them.
std::string settingsFaultMessage(SettingsFault fault, int historyDraws);
inline constexpr const char* kSeedFault = "乱数の種は 0 から 18446744073709551615 までの整数で入力して下さい。";
std::string faultyDrawMessage(int draw);
inline constexpr const char* kCancelled = "検証を中止しました。";
inline constexpr const char* kWhatItDoes =
    "「実行」を押すと、最初に検証する回から後の各回を、その回より前の当選番号だけから"
    "予測し、当たり方を偶然と比べます。";
std::string progressText(int tested, int toTest, int drawReached);

} // namespace zoki::btext
