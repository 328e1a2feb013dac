#include "backtest/backtest_window.h"

#include "backtest/backtest_texts.h"
#include "backtest/chance.h"
#include "backtest/csv.h"
#include "base/atomic_save.h"
#include "base/errors.h"
#include "program/messages.h"
#include "program/program.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <initializer_list>

namespace zoki {

namespace {

constexpr const char* kCsvFilter = "CSV ファイル (*.csv)|*.csv|";
constexpr const char* kNotSaved = "検証の結果を保存できませんでした。";
constexpr const char* kNone = "—";

std::string fixed(const char* format, double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, v);
    return buffer;
}

HistoryReading programHistory(const Program& p) {
    const DrawTable& t = p.s.drawTable;
    return drawHistory(t.elements(), static_cast<std::size_t>(t.lineCount()));
}

// A field that does not hold a setting the backtest can run with.
struct FieldFault {
    const TextField* field;
    std::string message;
};

std::optional<FieldFault> readSetting(const TextField& field, std::uint64_t low, std::uint64_t high,
                                      std::string message, std::uint64_t& into) {
    const std::optional<std::uint64_t> v = settingNumber(field.text(), high);
    if (!v || *v < low)
        return FieldFault{&field, std::move(message)};
    into = *v;
    return std::nullopt;
}

// The settings the fields hold, checked against a history of `draws`.
std::optional<FieldFault> readSettings(const BacktestForm& f, int draws, BacktestSettings& s) {
    const auto fault = [draws](SettingsFault k) { return btext::settingsFaultMessage(k, draws); };
    std::uint64_t sets = 0;
    std::uint64_t repeats = 0;
    std::uint64_t first = 0;
    if (auto bad = readSetting(f.setsField, 1, kMaxSets, fault(SettingsFault::Sets), sets))
        return bad;
    if (auto bad = readSetting(f.repeatsField, 1, kMaxRepeats, fault(SettingsFault::Repeats), repeats))
        return bad;
    if (auto bad = readSetting(f.firstField, 0, kMaxDrawFileLines, fault(SettingsFault::FirstDraw), first))
        return bad;
    if (auto bad = readSetting(f.seedField, 0, UINT64_MAX, btext::kSeedFault, s.seed))
        return bad;
    s.sets = static_cast<int>(sets);
    s.repeats = static_cast<int>(repeats);
    s.firstDraw = static_cast<int>(first);
    switch (checkSettings(s, draws)) {
    case SettingsFault::None:
        return std::nullopt;
    case SettingsFault::TooShort:
        return FieldFault{nullptr, fault(SettingsFault::TooShort)};
    default:
        return FieldFault{&f.firstField, fault(SettingsFault::FirstDraw)};
    }
}

// While a run goes on, only 中止 (enabled first, so that the keyboard's
// focus moves on to it) and the table take input.
void showRunning(BacktestForm& f, bool running, bool hasResult) {
    f.cancelButton.setEnabled(running);
    for (Control* c :
         std::initializer_list<Control*>{&f.setsField, &f.repeatsField, &f.firstField, &f.seedField, &f.runButton})
        c->setEnabled(!running);
    for (Button* b : {&f.saveTableButton, &f.saveDetailButton})
        b->setEnabled(!running && hasResult);
    f.runTimer.setEnabled(running);
}

void showNoResult(BacktestForm& f) {
    f.resultTable.setContent(resultHeadings(), resultRows(nullptr));
    f.rateChart.setContent({});
    f.scopeLabel.setCaption(btext::kWhatItDoes);
    f.verdictLabel.setCaption("");
}

void showProgress(BacktestForm& f, const Backtest& b) {
    f.progress.setMax(b.drawsToTest());
    f.progress.setValue(b.drawsTested());
    f.progressLabel.setCaption(
        btext::progressText(b.drawsTested(), b.drawsToTest(), b.settings().firstDraw + b.drawsTested() - 1));
}

void showResult(BacktestForm& f, const BacktestResult& r) {
    f.resultTable.setContent(resultHeadings(), resultRows(&r));
    f.rateChart.setContent(rateChartContent(r));
    f.scopeLabel.setCaption(btext::scopeSentence(r));
    std::string verdicts;
    for (const MethodResult& m : r.methods)
        verdicts += btext::verdictSentence(m) + "\n";
    f.verdictLabel.setCaption(verdicts + btext::severalMethodsSentence() + "\n" +
                              btext::uniformitySentence(r.uniformity));
}

// The save dialog, then the file, replaced whole; a failure is told and
// writes nothing.
void saveCsv(Program& p, BacktestSession& s, const std::function<std::string()>& bytes) {
    const std::optional<std::string> chosen = p.dialogs.saveFileName(kCsvFilter, s.lastSaveName);
    if (!chosen)
        return;
    s.lastSaveName = *chosen;
    std::string name = *chosen;
    if (name.find(".csv") == std::string::npos)
        name += ".csv";
    try {
        replaceFileAtomically(std::filesystem::path(name), bytes());
    } catch (const FileError& e) {
        p.message(msg::fileFailure(kNotSaved, e.what(), msg::kNothingWritten), msg::kWarning, Buttons::Ok,
                  Icon::Critical);
    }
}

} // namespace

void vBacktest_Click(Program& p) {
    const bool fresh = !p.hasForm(FormId::Backtest);
    BacktestForm& f = p.backtestForm();
    if (fresh) {
        const BacktestSettings defaults;
        f.setsField.setText(std::to_string(defaults.sets));
        f.repeatsField.setText(std::to_string(defaults.repeats));
        f.firstField.setText(std::to_string(defaultFirstDraw(static_cast<int>(programHistory(p).draws.size()))));
        f.seedField.setText(std::to_string(defaults.seed));
        showNoResult(f);
    }
    f.show();
}

void backtestRun_Click(Program& p, BacktestSession& s) {
    BacktestForm& f = p.backtestForm();
    HistoryReading history = programHistory(p);
    if (history.faultyDraw != 0) {
        p.message(btext::faultyDrawMessage(history.faultyDraw), msg::kWarning, Buttons::Ok, Icon::Critical);
        return;
    }
    BacktestSettings settings;
    if (const auto bad = readSettings(f, static_cast<int>(history.draws.size()), settings)) {
        const MessagesAbout about(p,
                                  bad->field ? std::vector<const Control*>{bad->field} : std::vector<const Control*>{});
        p.message(bad->message, msg::kWarning, Buttons::Ok, Icon::Critical);
        return;
    }
    settings.keepDetail = true;
    s.result.reset();
    s.running.emplace(std::move(history.draws), settings);
    showNoResult(f);
    showProgress(f, *s.running);
    showRunning(f, true, false);
}

void backtestCancel_Click(Program& p, BacktestSession& s) {
    BacktestForm& f = p.backtestForm();
    if (!s.running)
        return;
    s.running.reset();
    f.progressLabel.setCaption(btext::kCancelled);
    showRunning(f, false, false);
}

void backtestTimer_Timer(Program& p, BacktestSession& s) {
    BacktestForm& f = p.backtestForm();
    if (!s.running) {
        f.runTimer.setEnabled(false);
        return;
    }
    Backtest& b = *s.running;
    const BacktestSettings& settings = b.settings();
    b.advance(std::max(1, kSetsPerTick / (kBacktestMethodCount * settings.repeats * settings.sets)));
    showProgress(f, b);
    if (!b.finished())
        return;
    s.result = b.result();
    s.running.reset();
    showResult(f, *s.result);
    showRunning(f, false, true);
}

void backtestSaveTable_Click(Program& p, BacktestSession& s) {
    if (s.result)
        saveCsv(p, s, [&s] { return backtestTableCsv(*s.result, "\r\n"); });
}

void backtestSaveDetail_Click(Program& p, BacktestSession& s) {
    if (s.result)
        saveCsv(p, s, [&s] { return backtestDetailCsv(*s.result, "\r\n"); });
}

std::vector<std::string> resultHeadings() {
    std::vector<std::string> h{""};
    for (int m = 0; m < kBacktestMethodCount; ++m)
        h.emplace_back(btext::methodCaption(m));
    h.emplace_back("偶然 (理論値)");
    return h;
}

std::vector<std::vector<std::string>> resultRows(const BacktestResult* r) {
    const ExactChance& c = exactChance();
    std::vector<std::vector<std::string>> rows;
    const auto row = [&](std::string label, const std::function<std::string(const MethodResult&)>& cell,
                         std::string chance) {
        std::vector<std::string> line{std::move(label)};
        for (int m = 0; m < kBacktestMethodCount; ++m)
            line.push_back(r ? cell(r->methods[static_cast<std::size_t>(m)]) : "");
        line.push_back(std::move(chance));
        rows.push_back(std::move(line));
    };
    const auto interval = [](const Comparison& k, const std::function<std::string(double)>& show) {
        return show(k.low) + "～" + show(k.high);
    };
    const auto rate = [](double v) { return btext::percent(v, 2); };
    const auto mean = [](double v) { return fixed("%.3f", v); };
    row(
        "予測したセット数", [](const MethodResult& m) { return btext::grouped(m.sets); }, kNone);
    for (int rank = 1; rank <= kPrizeRanks; ++rank)
        row(
            std::to_string(rank) + "等",
            [rank](const MethodResult& m) { return btext::grouped(m.ranks[static_cast<std::size_t>(rank)]); },
            btext::oneIn(c.oneIn(rank)));
    row(
        "当選率 (1～5等)", [](const MethodResult& m) { return btext::percent(m.prize.mean, 3); },
        btext::percent(c.prizeRate(), 3) + " (" + btext::oneIn(1 / c.prizeRate()) + ")");
    row(
        "　その 95% 区間", [&](const MethodResult& m) { return interval(m.prize, rate); }, kNone);
    const auto [num, den] = c.expectedMatchesFraction();
    row(
        "本数字の一致数 (平均)", [](const MethodResult& m) { return fixed("%.4f", m.matches.mean); },
        fixed("%.4f", c.expectedMatches()) + " (" + std::to_string(num) + "/" + std::to_string(den) + ")");
    row(
        "　その 95% 区間", [&](const MethodResult& m) { return interval(m.matches, mean); }, kNone);
    row(
        "p 値 (当選率)", [](const MethodResult& m) { return btext::pValue(m.prize.pValue); }, kNone);
    row(
        "見分けられる差 (当選率)",
        [](const MethodResult& m) { return "±" + fixed("%.2f", m.prize.detectable * 100) + " ポイント"; }, kNone);
    row(
        "判定", [](const MethodResult& m) { return btext::verdictWord(verdictOf(m.prize)); }, kNone);
    return rows;
}

ChartContent rateChartContent(const BacktestResult& r) {
    ChartContent chart;
    chart.reference = exactChance().prizeRate();
    chart.referenceText = "偶然 " + btext::percent(chart.reference, 2);
    double top = chart.reference;
    for (const MethodResult& m : r.methods) {
        chart.rows.push_back(
            {btext::methodCaption(m.method), m.prize.mean, m.prize.low, m.prize.high, btext::percent(m.prize.mean, 2)});
        top = std::max(top, m.prize.high);
    }
    // Ticks a round step apart, at most six of them, the last past every
    // interval.
    double step = 0.005;
    for (const double s : {0.01, 0.02, 0.05, 0.1, 0.2})
        if (top * 1.1 / step > 6)
            step = s;
    chart.axisMax = std::ceil(top * 1.1 / step) * step;
    for (int i = 0; i * step <= chart.axisMax + step / 2; ++i)
        chart.ticks.push_back({i * step, btext::percent(i * step, step < 0.01 ? 1 : 0)});
    return chart;
}

} // namespace zoki
