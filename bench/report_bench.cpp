// The largest report: every kept set ranked against every draw and written
// as Shift_JIS. Peak memory is the process's maximum resident set size.
#include "app/wiring.h"
#include "base/services.h"
#include "bench/bench_services.h"
#include "program/program.h"
#include "reports/reports.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <random>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using namespace zoki;
using namespace zoki::bench;

class SaveTo : public Dialogs {
public:
    explicit SaveTo(std::string name) : name(std::move(name)) {}
    Answer messageBox(const std::string& text, const std::string&, Buttons, Icon) override {
        messages.push_back(text);
        return Answer::Ok;
    }
    std::optional<std::string> saveFileName(const std::string&, const std::string&) override { return name; }
    std::optional<std::string> openFileName(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::string name;
    std::vector<std::string> messages;
};

// Six different numbers of 1..43 (seven for a draw), as the files hold them.
std::vector<std::string> randomNumbers(std::mt19937& rng, int count, bool sorted) {
    std::vector<int> all(43);
    std::iota(all.begin(), all.end(), 1);
    std::shuffle(all.begin(), all.end(), rng);
    if (sorted)
        std::sort(all.begin(), all.begin() + 6);
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i)
        out.push_back(std::to_string(all[static_cast<std::size_t>(i)]));
    return out;
}

struct Fixture {
    std::filesystem::path folder;
    SaveTo dialogs;
    FixedRandom random;
    NoPlatform platform;
    Program p;

    Fixture(int draws, int sets)
        : folder(std::filesystem::temp_directory_path() / ("zoki-bench-" + std::to_string(::getpid()))),
          dialogs((folder / "hist").string()), p(folder, dialogs, random, platform, wire) {
        std::filesystem::create_directories(folder);
        std::mt19937 rng(20240601);
        std::vector<std::string> drawLines;
        for (int d = 0; d < draws; ++d)
            for (std::string& n : randomNumbers(rng, 7, false))
                drawLines.push_back(std::move(n));
        p.s.drawTable = DrawTable::withSpare(std::move(drawLines));
        for (int k = 0; k < sets; ++k)
            for (std::string& n : randomNumbers(rng, 6, true))
                p.s.outHistory.push_back(std::move(n));
        p.s.outHistory.emplace_back();
        p.stats.countedTable = p.s.drawTable.elements();
    }
    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

double peakMegabytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

void BM_HitHistoryReport(benchmark::State& state) {
    const auto draws = static_cast<int>(state.range(0));
    const auto sets = static_cast<int>(state.range(1));
    Fixture f(draws, sets);
    for (auto _ : state)
        vResHistData_Click(f.p);
    if (!f.dialogs.messages.empty())
        state.SkipWithError(f.dialogs.messages.front().c_str());
    state.counters["pairs"] = static_cast<double>(draws) * sets;
    state.counters["report_MB"] =
        static_cast<double>(std::filesystem::file_size(f.folder / "hist.txt")) / (1024.0 * 1024.0);
    state.counters["peak_rss_MB"] = peakMegabytes();
}
BENCHMARK(BM_HitHistoryReport)->Args({2200, 1000})->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_WinningNumbersReport(benchmark::State& state) {
    Fixture f(static_cast<int>(state.range(0)), 1);
    for (auto _ : state)
        vResHitNoData_Click(f.p);
    if (!f.dialogs.messages.empty())
        state.SkipWithError(f.dialogs.messages.front().c_str());
    state.counters["peak_rss_MB"] = peakMegabytes();
}
BENCHMARK(BM_WinningNumbersReport)->Arg(2200)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
