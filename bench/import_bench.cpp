// The import of a draw history as results sites publish it (2,200 draws in
// Shift_JIS, with a header, "第N回", dates and prize columns): reading and
// parsing the file, the merge with data.dat, the atomic save and the
// statistics refresh, once into an empty data.dat and once as the monthly
// update of a data.dat that holds all but the last ten draws. Then files of
// the largest size the import reads (16 MB) in several shapes, for time and
// for the peak of heap memory the import takes on top of what it had.
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
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

// Heap in use and its peak, for the memory the import takes.
namespace heap {
std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};

void* allocate(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr)
        throw std::bad_alloc();
    const std::size_t now = inUse += malloc_usable_size(p);
    std::size_t seen = peak.load();
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
    return p;
}

void release(void* p) noexcept {
    if (p == nullptr)
        return;
    inUse -= malloc_usable_size(p);
    std::free(p);
}
} // namespace heap

void* operator new(std::size_t size) { return heap::allocate(size); }
void* operator new[](std::size_t size) { return heap::allocate(size); }
void operator delete(void* p) noexcept { heap::release(p); }
void operator delete[](void* p) noexcept { heap::release(p); }
void operator delete(void* p, std::size_t) noexcept { heap::release(p); }
void operator delete[](void* p, std::size_t) noexcept { heap::release(p); }

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
    if (p.s.drawTable.lineCount() != kDraws * 7 ||
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

// Files just under the 16 MB the import reads, in the shapes that cost most.
enum class Shape { DrawFile, NumberedCsv, OneLine, EmptyLines, ShiftJisText, ShortRows };

std::string largeFile(Shape shape) {
    constexpr std::size_t kSize = (16u << 20) - 64;
    std::mt19937 gen(7u);
    std::uniform_int_distribution<int> ball(1, 43);
    std::string text;
    text.reserve(kSize + 256);
    for (std::size_t k = 1; text.size() < kSize; ++k) {
        switch (shape) {
        case Shape::DrawFile: // a data.dat of far too many draws
            text += std::to_string(ball(gen)) + "\r\n";
            break;
        case Shape::NumberedCsv:
            text += "第" + std::to_string(k) + "回,2024/01/01";
            for (int i = 0; i < 7; ++i)
                text += "," + std::to_string(ball(gen));
            text += ",1,12,345,16789,265432,\"200,000,000\",\"12,345,600\"\r\n";
            break;
        case Shape::OneLine:
            text += std::to_string(ball(gen)) + ",";
            break;
        case Shape::EmptyLines:
            text += "\r\n";
            break;
        case Shape::ShortRows: // the most draws a file can hold: seven numbers a row, nothing else
            for (int i = 0; i < 7; ++i)
                text += std::to_string(ball(gen)) + (i < 6 ? "," : "\r\n");
            break;
        case Shape::ShiftJisText: // mostly Japanese text, as notes and prize columns are
            text += toShiftJis("第" + std::to_string(k) +
                               "回,令和6年1月1日（月）,該当なし,キャリーオーバー発生中,"
                               "1等該当者なしのため次回へ繰り越し,ボーナス数字は本数字と別に抽せん\r\n");
            break;
        }
    }
    text.resize(kSize);
    return text;
}

// The whole import of a 16 MB file into a data.dat of ten draws, which the
// file is far too large to fit: the time, and the peak heap over the file's
// size.
void BM_ImportLargeFile(benchmark::State& state) {
    Fixture fx;
    fx.dialogs.answer = Answer::No; // whatever is asked, data.dat stays
    const std::string bytes = largeFile(static_cast<Shape>(state.range(0)));
    replaceFileAtomically(fx.folder / "large.csv", bytes);
    replaceFileAtomically(fx.folder / "data.dat", drawLines(fx.draws, 10));
    Program& p = *fx.program;
    std::size_t worst = 0;
    for (auto _ : state) {
        const std::size_t before = heap::inUse.load();
        heap::peak = before;
        importDrawHistory(p, fx.folder / "large.csv");
        worst = std::max(worst, heap::peak.load() - before);
    }
    if (readFile(fx.folder / "data.dat", kMaxDataFileBytes) != drawLines(fx.draws, 10))
        state.SkipWithError("the import changed data.dat");
    state.counters["peak_MB"] = static_cast<double>(worst) / (1 << 20);
    state.counters["peak_per_byte"] = static_cast<double>(worst) / static_cast<double>(bytes.size());
}
BENCHMARK(BM_ImportLargeFile)
    ->ArgName("shape")
    ->Arg(static_cast<int>(Shape::DrawFile))
    ->Arg(static_cast<int>(Shape::NumberedCsv))
    ->Arg(static_cast<int>(Shape::OneLine))
    ->Arg(static_cast<int>(Shape::EmptyLines))
    ->Arg(static_cast<int>(Shape::ShiftJisText))
    ->Arg(static_cast<int>(Shape::ShortRows))
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
