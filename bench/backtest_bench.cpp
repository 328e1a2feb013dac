// The backtest at its defaults (five sets, twenty repeats, from draw 101)
// over 2,100 invented draws: about 800,000 sets, three quarters of them
// weighted. Also the parts: one method alone, and the detail's CSV.
#include "backtest/backtest.h"
#include "backtest/csv.h"
#include "tests/backtest/invented_history.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zoki;

const DrawHistory& history() {
    static const DrawHistory h = test::inventedHistory(2100, 2100);
    return h;
}

void BM_BacktestDefaults(benchmark::State& state) {
    for (auto _ : state) {
        BacktestResult r = runBacktest(history(), BacktestSettings{});
        benchmark::DoNotOptimize(r);
    }
    state.counters["sets"] = static_cast<double>(2000 * 20 * 5 * kBacktestMethodCount);
}
BENCHMARK(BM_BacktestDefaults)->Unit(benchmark::kMillisecond);

// One chunk of the window's run: the draws a tick of its timer takes.
void BM_BacktestWindowChunk(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Backtest b(history(), BacktestSettings{});
        state.ResumeTiming();
        b.advance(static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(b);
    }
}
BENCHMARK(BM_BacktestWindowChunk)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_BacktestDetailCsv(benchmark::State& state) {
    BacktestSettings s;
    s.keepDetail = true;
    const BacktestResult r = runBacktest(history(), s);
    for (auto _ : state) {
        std::string csv = backtestDetailCsv(r, "\r\n");
        benchmark::DoNotOptimize(csv);
    }
}
BENCHMARK(BM_BacktestDetailCsv)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
