// The statistics run over the largest and over a typical draw history: both
// walks of the table, both charts with their sorts, the ranking pictures, the
// re-read of data.dat and the recent draws panel, with a listener on the
// history window standing in for the window adapter.
#include "app/startup.h"
#include "app/wiring.h"
#include "base/atomic_save.h"
#include "base/services.h"
#include "base/textfile.h"
#include "bench/bench_services.h"
#include "draws/statistics.h"
#include "program/program.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace zoki;
using namespace zoki::bench;

// Draws of six different main numbers and a bonus, as a real history has
// them; a fixed seed keeps every run of the benchmark on the same data.
std::vector<std::string> drawLines(int draws) {
    std::mt19937 gen(20240607u);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(draws) * 7);
    std::vector<int> pool(43);
    for (int d = 0; d < draws; ++d) {
        for (int n = 0; n < 43; ++n)
            pool[static_cast<std::size_t>(n)] = n + 1;
        std::shuffle(pool.begin(), pool.end(), gen);
        for (int j = 0; j < 7; ++j)
            lines.push_back(std::to_string(pool[static_cast<std::size_t>(j)]));
    }
    return lines;
}

// A program over its own folder with `draws` draws and 200 kept sets.
struct Fixture {
    std::filesystem::path folder;
    SilentDialogs dialogs;
    FixedRandom random;
    NoPlatform platform;
    std::unique_ptr<Program> program;
    std::int64_t notifications = 0;

    explicit Fixture(int draws) {
        folder = std::filesystem::temp_directory_path() /
                 ("zoki-bench-" + std::to_string(draws) + "-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(folder);
        replaceFileAtomically(folder / "data.dat", joinLines(drawLines(draws)));
        std::vector<std::string> kept;
        for (int i = 0; i < 200 * 6; ++i)
            kept.push_back(std::to_string(i % 43 + 1));
        replaceFileAtomically(folder / "OutData.dat", joinLines(kept));
    }
    ~Fixture() {
        program.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    Fixture(const Fixture&) = delete;
    Fixture& operator=(const Fixture&) = delete;

    Program& start() {
        program = std::make_unique<Program>(folder, dialogs, random, platform, wire);
        program->form2().listener = [this](Control*, Prop) { ++notifications; };
        Form_Load(*program);
        return *program;
    }
};

void BM_RefreshStatistics(benchmark::State& state) {
    const int draws = static_cast<int>(state.range(0));
    Fixture fx(draws);
    Program& p = fx.start();
    if (p.s.drawTable.lineCount() != draws * 7) {
        state.SkipWithError("the statistics did not run to their end");
        return;
    }
    for (auto _ : state) {
        RefreshStatistics(p);
        benchmark::DoNotOptimize(p.stats.drawNumberTotal);
    }
    if (p.s.drawTable.lineCount() != draws * 7 || p.stats.drawNumberTotal != draws * 7)
        state.SkipWithError("the statistics did not run to their end");
    state.counters["draws"] = draws;
}
BENCHMARK(BM_RefreshStatistics)->Arg(4681)->Arg(2200)->Unit(benchmark::kMillisecond);

// Start-up as a whole: both files read, the draw file checked for empty
// lines, the title and one statistics run.
void BM_StartUp(benchmark::State& state) {
    const int draws = static_cast<int>(state.range(0));
    Fixture fx(draws);
    for (auto _ : state) {
        Program& p = fx.start();
        benchmark::DoNotOptimize(p.stats.drawNumberTotal);
    }
}
BENCHMARK(BM_StartUp)->Arg(4681)->Arg(2200)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
