// The import of a draw history as results sites publish it (2,200 draws in
// Shift_JIS, with a header, "第N回", dates and prize columns): reading and
// parsing the file, the merge with data.dat, the atomic save and the
// statistics refresh, once into an empty data.dat and once as the monthly
// update of a data.dat that holds all but the last ten draws.
#include "app/startup.h"
#include "app/wiring.h"
#include "base/atomic_save.h"
#include "base/encoding.h"
#include "base/textfile.h"
#include "bench/bench_services.h"
#include "import/history_parser.h"
#include "import/import.h"
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

constexpr int kDraws = 2200;

std::vector<std::vector<int>> randomDraws() {
    std::mt19937 gen(20001005u);
    std::vector<int> pool(43);
    std::vector<std::vector<int>> draws;
    for (int d = 0; d < kDraws; ++d) {
        for (int n = 0; n < 43; ++n)
            pool[static_cast<std::size_t>(n)] = n + 1;
        std::shuffle(pool.begin(), pool.end(), gen);
        std::vector<int> draw(pool.begin(), pool.begin() + 7);
        std::sort(draw.begin(), draw.begin() + 6);
        draws.push_back(draw);
    }
    return draws;
}

std::string historyCsv(const std::vector<std::vector<int>>& draws) {
    std::string text = "開催回,日付,本数字1,本数字2,本数字3,本数字4,本数字5,本数字6,ボーナス数字,1等口数,2等口数,"
                       "3等口数,4等口数,5等口数,1等賞金,2等賞金,3等賞金,4等賞金,5等賞金,キャリーオーバー\r\n";
    for (std::size_t i = 0; i < draws.size(); ++i) {
        text += "第" + std::to_string(i + 1) + "回,20" + std::to_string(10 + i % 15) + "/0" +
                std::to_string(1 + i % 9) + "/1" + std::to_string(i % 10);
        for (const int n : draws[i])
            text += "," + std::to_string(n);
        text += "," + std::to_string(i % 3) + ",12,345,16789,265432";
        text += ",\"200,000,000\",\"12,345,600\",\"456,700\",\"9,100\",\"1,000\",\"0\"\r\n";
    }
    return toShiftJis(text);
}

std::string drawLines(const std::vector<std::vector<int>>& draws, std::size_t count) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count; ++i)
        for (const int n : draws[i])
            lines.push_back(std::to_string(n));
    return joinLines(lines);
}

struct Fixture {
    std::filesystem::path folder;
    SilentDialogs dialogs{Answer::Yes};
    FixedRandom random;
    NoPlatform platform;
    std::unique_ptr<Program> program;
    std::vector<std::vector<int>> draws = randomDraws();
    std::int64_t notifications = 0;

    Fixture() {
        folder =
            std::filesystem::temp_directory_path() / ("zoki-bench-import-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(folder);
        replaceFileAtomically(folder / "history.csv", historyCsv(draws));
        std::vector<std::string> kept;
        for (int i = 0; i < 200 * 6; ++i)
            kept.push_back(std::to_string(i % 43 + 1));
        replaceFileAtomically(folder / "OutData.dat", joinLines(kept));
        replaceFileAtomically(folder / "data.dat", "");
        program = std::make_unique<Program>(folder, dialogs, random, platform, wire);
        // Stands in for the window adapter.
        program->form2().listener = [this](Control*, Prop) { ++notifications; };
        Form_Load(*program);
    }
    ~Fixture() {
        program.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    Fixture(const Fixture&) = delete;
    Fixture& operator=(const Fixture&) = delete;
};

void BM_ImportHistory(benchmark::State& state) {
    Fixture fx;
    const auto present = static_cast<std::size_t>(state.range(0));
    const std::string before = drawLines(fx.draws, present);
    Program& p = *fx.program;
    for (auto _ : state) {
        state.PauseTiming();
        replaceFileAtomically(fx.folder / "data.dat", before);
        state.ResumeTiming();
        importDrawHistory(p, fx.folder / "history.csv");
    }
    if (p.s.drawLineCount != kDraws * 7 ||
        readFile(fx.folder / "data.dat", kMaxDataFileBytes) != drawLines(fx.draws, kDraws))
        state.SkipWithError("the import did not write the whole history");
    state.counters["draws"] = kDraws;
}
BENCHMARK(BM_ImportHistory)->Arg(0)->Arg(kDraws - 10)->Unit(benchmark::kMillisecond);

// The parser alone: decoding, the choice of separator and columns, the rows.
void BM_ParseHistory(benchmark::State& state) {
    const std::string bytes = historyCsv(randomDraws());
    for (auto _ : state) {
        const DrawHistory h = parseDrawHistory(bytes);
        if (h.draws.size() != kDraws)
            state.SkipWithError("the parser missed draws");
        benchmark::DoNotOptimize(h.draws.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_ParseHistory)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
