#include "backtest/backtest_texts.h"

#include <cmath>
#include <cstdio>
#include <string_view>

namespace zoki::btext {

namespace {

std::string formatted(const char* format, double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, v);
    return buffer;
}

std::string number(long long v) { return std::to_string(v); }

// "当選率 2.703% は偶然の 2.717% …": a method's rate and chance's.
std::string rates(const Comparison& c) {
    return "当選率 " + percent(c.mean, 3) + " は偶然の " + percent(c.expected, 3);
}

} // namespace

const char* methodCaption(int method) {
    static const char* const captions[] = {"ランダム", "データ (重要視)", "データ (ある程度)", "データ (微妙)"};
    static_assert(std::size(captions) == kBacktestMethodCount);
    return captions[method];
}

std::string grouped(long long v) {
    const std::string digits = std::to_string(v < 0 ? -v : v);
    std::string out = v < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

std::string percent(double share, int decimals) {
    const std::string format = "%." + std::to_string(decimals) + "f%%";
    return formatted(format.c_str(), share * 100);
}

std::string oneIn(double n) {
    if (n >= 1000)
        return "1/" + grouped(std::llround(n));
    return "1/" + formatted("%.1f", n);
}

std::string pValue(double p) {
    if (p < 0.001)
        return "< 0.001";
    return formatted(p < 0.1 ? "%#.2g" : "%.2f", p);
}

std::string verdictSentence(const MethodResult& m) {
    const Comparison& c = m.prize;
    const std::string name = std::string(methodCaption(m.method)) + ": ";
    const std::string p = c.pValue < 0.001 ? "p " + pValue(c.pValue) : "p = " + pValue(c.pValue);
    switch (verdictOf(c)) {
    case Verdict::Better:
        return name + "この履歴では" + rates(c) + " より高く、偶然だけでは説明しにくい差でした (" + p + ")。";
    case Verdict::Worse:
        return name + "この履歴では" + rates(c) + " より低く、偶然だけでは説明しにくい差でした (" + p + ")。";
    case Verdict::CannotTell:
        break;
    }
    return name + rates(c) + " と区別できません (" + p + "、この量の履歴では ±" +
           formatted("%.2f", c.detectable * 100) + " ポイントより小さい差は見分けられません)。";
}

std::string severalMethodsSentence() {
    // The chance that at least one of the methods' tests errs, were all of
    // them no better than chance and their tests independent.
    const double any = 1 - std::pow(1 - kLevel, kBacktestMethodCount);
    return number(kBacktestMethodCount) +
           " つの方法を一度に比べているため、どれも偶然と変わらなくても、どれか 1 つが " + "p < " +
           formatted("%.2f", kLevel) + " になることが " + number(std::lround(1 / any)) + " 回に 1 回ほどあります。";
}

const char* verdictWord(Verdict v) {
    switch (v) {
    case Verdict::Better:
        return "偶然より良い";
    case Verdict::Worse:
        return "偶然より悪い";
    case Verdict::CannotTell:
        break;
    }
    return "区別できない";
}

std::string uniformitySentence(const Uniformity& u) {
    const std::string figures = " (χ² = " + formatted("%.1f", u.statistic) + "、自由度 " + number(u.degreesOfFreedom) +
                                "、p " + (u.pValue < 0.001 ? "" : "= ") + pValue(u.pValue) + ")。";
    const std::string subject = "過去 " + grouped(u.draws) + " 回の本数字の出方は、";
    if (u.pValue < kLevel)
        return subject + "43 個の数が同じ確率で出るとした場合から偏っています" + figures;
    return subject + "43 個の数が同じ確率で出るとした場合と矛盾しません" + figures;
}

std::string scopeSentence(const BacktestResult& r) {
    const BacktestSettings& s = r.settings;
    const long long perMethod = r.methods.empty() ? 0 : r.methods.front().sets;
    return "第" + number(r.firstDraw) + "回から第" + number(r.lastDraw) + "回までの " +
           grouped(r.lastDraw - r.firstDraw + 1) + " 回を、それより前の回だけから 1 回につき " + number(s.sets) +
           " セット × " + number(s.repeats) + " 回 (乱数の種 " + std::to_string(s.seed) +
           ") 予測しました (方法ごとに " + grouped(perMethod) + " セット)。";
}

std::string settingsFaultMessage(SettingsFault fault, int historyDraws) {
    switch (fault) {
    case SettingsFault::Sets:
        return "1 回あたりのセット数は 1 から " + number(kMaxSets) + " までの整数で入力して下さい。";
    case SettingsFault::Repeats:
        return "繰り返しの回数は 1 から " + number(kMaxRepeats) + " までの整数で入力して下さい。";
    case SettingsFault::FirstDraw:
        return "最初に検証する回は 2 から " + number(historyDraws - kMinTestedDraws + 1) +
               " までの整数で入力して下さい (当選データは第" + number(historyDraws) + "回まで)。";
    case SettingsFault::TooShort:
        return "検証するには当選データが " + number(kMinTestedDraws + 1) + " 回分以上必要です (いまは " +
               number(historyDraws) + " 回分)。「データ」→「当選データ取込」で取り込んで下さい。";
    case SettingsFault::None:
        break;
    }
    return "";
}

std::string faultyDrawMessage(int draw) {
    const std::string d = "第" + number(draw) + "回";
    return d + "の当選データに 1～43 の数でない値か同じ数の重複があるため、検証できません。" + "data.dat の" + d +
           "を確かめて下さい。";
}

std::string progressText(int tested, int toTest, int drawReached) {
    return "第" + number(drawReached) + "回まで検証しました (" + grouped(tested) + " / " + grouped(toTest) + " 回)";
}

} // namespace zoki::btext
