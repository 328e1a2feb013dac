#pragma once

#include "backtest/history.h"
#include "backtest/inference.h"
#include "base/loto.h"
#include "predict/strengths.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zoki {

// The prediction methods a backtest compares, in their order everywhere
// (table rows, CSV rows, the streams' method number): the plain generator,
// then the weighted one at each strength.
struct BacktestMethod {
    const char* name; // in the CSV
    std::optional<Strength> strength;
};
inline constexpr BacktestMethod kBacktestMethods[] = {
    {"plain", std::nullopt},
    {"high", Strength::High},
    {"mid", Strength::Mid},
    {"low", Strength::Low},
};
inline constexpr int kBacktestMethodCount = static_cast<int>(std::size(kBacktestMethods));

struct BacktestSettings {
    int sets = kMaxSets; // per draw and repeat, as a run makes them
    int repeats = 20;    // runs per draw and method
    int firstDraw = 101; // the first draw predicted
    std::uint64_t seed = 1;
    bool keepDetail = false; // keep every set (BacktestResult::detail)
};

inline constexpr int kMaxRepeats = 100;
inline constexpr int kDefaultFirstDraw = 101;
// Draws a backtest predicts at least: the spread between draws needs two.
inline constexpr int kMinTestedDraws = 2;

// A setting as the player types it: plain digits, at most `max`, with
// blanks around them allowed.
std::optional<std::uint64_t> settingNumber(std::string_view text, std::uint64_t max);

// The first draw a window offers: kDefaultFirstDraw, or draw 2 when the
// history is too short to begin there.
int defaultFirstDraw(int historyDraws);

enum class SettingsFault { None, Sets, Repeats, FirstDraw, TooShort };
// TooShort: the history holds too few draws for any first draw.
SettingsFault checkSettings(const BacktestSettings& s, int historyDraws);

// One predicted set, as the detail lists it.
struct SetRecord {
    std::uint16_t draw = 0;                             // data.dat holds at most 4,681 draws
    std::uint8_t repeat = 0;                            // from 1
    std::uint8_t method = 0;                            // index into kBacktestMethods
    std::uint8_t set = 0;                               // from 1
    std::array<std::uint8_t, kNumbersPerSet> numbers{}; // ascending
    std::uint8_t matches = 0;                           // main numbers matched
    bool bonus = false;                                 // the bonus number is in the set
    std::uint8_t rank = 0;                              // 1..5, 0 for no prize
};

struct MethodResult {
    int method = 0; // index into kBacktestMethods
    long long sets = 0;
    std::array<long long, kPrizeRanks + 1> ranks{}; // sets per rank; element 0 no prize
    Comparison prize;                               // the share of sets that won any prize
    Comparison matches;                             // the main numbers a set matched
};

struct BacktestResult {
    BacktestSettings settings;
    int firstDraw = 0;
    int lastDraw = 0;
    std::vector<MethodResult> methods; // in the order of kBacktestMethods
    Uniformity uniformity;             // of the whole history
    std::vector<SetRecord> detail;     // when kept: by draw, method, repeat, set
};

// A backtest under way, a few draws at a time: for every draw d from the
// first, each method predicts as a run with the start-up's settings would
// (no range excluded, no chosen number) from the counts of draws 1 .. d - 1
// alone, and each set is ranked against draw d.
class Backtest {
public:
    // The settings must pass checkSettings for the history.
    Backtest(DrawHistory history, const BacktestSettings& settings);

    const BacktestSettings& settings() const { return settings_; }
    int drawsToTest() const { return lastDraw() - settings_.firstDraw + 1; }
    int drawsTested() const { return next_ - settings_.firstDraw; }
    bool finished() const { return next_ > lastDraw(); }
    // Predicts and ranks up to `draws` more draws.
    void advance(int draws);
    // Once finished.
    BacktestResult result() const;

private:
    struct Tally {
        long long sets = 0;
        std::array<long long, kPrizeRanks + 1> ranks{};
        std::vector<double> prizeShare;  // per draw: the share of its sets that won
        std::vector<double> meanMatches; // per draw
    };
    int lastDraw() const { return static_cast<int>(history_.size()); }
    void testDraw(int d);
    void predict(int d, int method, Tally& tally);

    DrawHistory history_;
    BacktestSettings settings_;
    int next_;
    // How often each number occurs in draws 1 .. next_ - 1, bonus included,
    // as the statistics count it; updated draw by draw.
    NumberCounts numberCount_{};
    Int16 drawNumberTotal_;
    std::array<Tally, kBacktestMethodCount> tallies_;
    std::vector<SetRecord> detail_;
};

// The whole backtest at once.
BacktestResult runBacktest(DrawHistory history, const BacktestSettings& settings);

} // namespace zoki
