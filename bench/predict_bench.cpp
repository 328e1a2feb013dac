// Weighted and plain generation of five sets over a 2,200-draw history.
#include "app/wiring.h"
#include "base/random.h"
#include "bench/bench_services.h"
#include "predict/run.h"
#include "predict/sets.h"
#include "predict/settings.h"
#include "predict/tickets.h"
#include "predict/weighted.h"
#include "program/program.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace zoki;
using namespace zoki::bench;

// A program holding the counts of 2,200 draws (six different numbers and a
// different bonus each), five sets chosen.
struct Fixture {
    SilentDialogs dialogs;
    NoPlatform platform;
    ClockMixedRandom random{12345};
    Program p{std::filesystem::temp_directory_path(), dialogs, random, platform, wire};

    Fixture() {
        std::mt19937 gen(2200);
        std::vector<int> numbers(43);
        std::iota(numbers.begin(), numbers.end(), 1);
        int total = 0;
        for (int draw = 0; draw < 2200; ++draw) {
            std::shuffle(numbers.begin(), numbers.end(), gen);
            for (int k = 0; k < 7; ++k) {
                p.stats.numberCount[static_cast<std::size_t>(numbers[static_cast<std::size_t>(k)])] += 1;
                ++total;
            }
        }
        p.stats.drawNumberTotal = total;
        p.form1.VScroll1.setValue(5);
    }
};

void BM_GetByData(benchmark::State& state) {
    Fixture f;
    switch (state.range(0)) {
    case 1:
        f.p.form1.vSetMid.click();
        break;
    case 2:
        f.p.form1.vSetLow.click();
        break;
    default:
        break;
    }
    if (state.range(1) != 0) { // 1..9 and 40..43 excluded: more tickets are drawn again
        f.p.form1.lvA.setChecked(true);
        f.p.form1.lvE.setChecked(true);
    }
    for (auto _ : state) {
        GetByData(f.p);
        sortMethodZ(f.p);
        benchmark::DoNotOptimize(f.p.predictNumbers);
    }
    const char* names[] = {"High", "Mid", "Low"};
    state.SetLabel(std::string(names[state.range(0)]) + (state.range(1) ? ", 1..9 and 40..43 excluded" : ""));
}
BENCHMARK(BM_GetByData)->Args({0, 0})->Args({1, 0})->Args({2, 0})->Args({0, 1})->Unit(benchmark::kMicrosecond);

// The kernels alone: five weighted sets from the same pool, each re-seeded
// and ordered as the handlers do, without reading or writing controls.
void BM_weightedSet(benchmark::State& state) {
    Fixture f;
    const TicketPool pool = ticketPool(Strength::High, f.p.stats.numberCount, f.p.stats.drawNumberTotal);
    const RangeMarks marks{};
    std::array<int, kBoardCells> sets{};
    for (auto _ : state) {
        for (int r = 1; r <= kMaxSets; ++r) {
            const SetRow set(sets.begin() + firstOfSet(r), kNumbersPerSet);
            f.random.reseedFromClock();
            weightedSet(set, pool, marks, std::nullopt, f.random);
            orderSet(set);
        }
        benchmark::DoNotOptimize(sets);
    }
    state.SetLabel("High");
}
BENCHMARK(BM_weightedSet)->Unit(benchmark::kMicrosecond);

void BM_NormalGet(benchmark::State& state) {
    Fixture f;
    for (auto _ : state) {
        NormalGet(f.p);
        sortMethodZ(f.p);
        benchmark::DoNotOptimize(f.p.predictNumbers);
    }
}
BENCHMARK(BM_NormalGet)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
