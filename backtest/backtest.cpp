#include "backtest/backtest.h"

#include "backtest/chance.h"
#include "backtest/stream.h"
#include "predict/sets.h"
#include "predict/tickets.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <system_error>
#include <utility>

namespace zoki {

namespace {

constexpr std::size_t at(int i) { return static_cast<std::size_t>(i); }

// The draws a window's first draw leaves to predict.
int drawsFrom(int firstDraw, int historyDraws) { return historyDraws - firstDraw + 1; }

} // namespace

std::optional<std::uint64_t> settingNumber(std::string_view text, std::uint64_t max) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::uint64_t v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size() || v > max)
        return std::nullopt;
    return v;
}

int defaultFirstDraw(int historyDraws) {
    return drawsFrom(kDefaultFirstDraw, historyDraws) >= kMinTestedDraws ? kDefaultFirstDraw : 2;
}

SettingsFault checkSettings(const BacktestSettings& s, int historyDraws) {
    if (s.sets < 1 || s.sets > kMaxSets)
        return SettingsFault::Sets;
    if (s.repeats < 1 || s.repeats > kMaxRepeats)
        return SettingsFault::Repeats;
    // The first draw needs one draw before it to predict from.
    if (drawsFrom(2, historyDraws) < kMinTestedDraws)
        return SettingsFault::TooShort;
    if (s.firstDraw < 2 || drawsFrom(s.firstDraw, historyDraws) < kMinTestedDraws)
        return SettingsFault::FirstDraw;
    return SettingsFault::None;
}

Backtest::Backtest(DrawHistory history, const BacktestSettings& settings)
    : history_(std::move(history)), settings_(settings), next_(settings.firstDraw) {
    for (int d = 1; d < next_; ++d)
        for (const int n : history_[at(d - 1)])
            ++numberCount_[at(n)];
    drawNumberTotal_ = Int16(static_cast<long long>(next_ - 1) * kLinesPerDraw);
    for (Tally& tally : tallies_) {
        tally.prizeShare.reserve(at(drawsToTest()));
        tally.meanMatches.reserve(at(drawsToTest()));
    }
    if (settings_.keepDetail)
        detail_.reserve(at(drawsToTest()) * kBacktestMethodCount * at(settings_.repeats) * at(settings_.sets));
}

void Backtest::advance(int draws) {
    for (int i = 0; i < draws && !finished(); ++i)
        testDraw(next_++);
}

void Backtest::testDraw(int d) {
    for (int m = 0; m < kBacktestMethodCount; ++m)
        predict(d, m, tallies_[at(m)]);
    // Only now does draw d join the counts: its own predictions never saw it.
    for (const int n : history_[at(d - 1)])
        ++numberCount_[at(n)];
    drawNumberTotal_ += kLinesPerDraw;
}

void Backtest::predict(int d, int method, Tally& tally) {
    const std::optional<Strength> strength = kBacktestMethods[at(method)].strength;
    const TicketPool pool = strength ? ticketPool(*strength, numberCount_, drawNumberTotal_) : TicketPool{};
    const DrawNumbers& draw = history_[at(d - 1)];
    long long won = 0;
    long long matched = 0;
    for (int r = 1; r <= settings_.repeats; ++r) {
        StreamRandom random(settings_.seed, d, method, r);
        for (int s = 1; s <= settings_.sets; ++s) {
            SetNumbers set = strength ? weightedNumbers(pool, RangeMarks{}, random) : plainNumbers(random);
            std::sort(set.begin(), set.end());
            const Hits hits = prizeRankOf(draw, set);
            ++tally.ranks[at(hits.rank)];
            won += hits.rank != 0 ? 1 : 0;
            matched += hits.mainHits;
            if (!settings_.keepDetail)
                continue;
            SetRecord& record = detail_.emplace_back();
            record.draw = static_cast<std::uint16_t>(d);
            record.repeat = static_cast<std::uint8_t>(r);
            record.method = static_cast<std::uint8_t>(method);
            record.set = static_cast<std::uint8_t>(s);
            std::copy(set.begin(), set.end(), record.numbers.begin());
            record.matches = static_cast<std::uint8_t>(hits.mainHits);
            record.bonus = hits.bonusHits != 0;
            record.rank = static_cast<std::uint8_t>(hits.rank);
        }
    }
    const long long sets = static_cast<long long>(settings_.repeats) * settings_.sets;
    tally.sets += sets;
    tally.prizeShare.push_back(static_cast<double>(won) / static_cast<double>(sets));
    tally.meanMatches.push_back(static_cast<double>(matched) / static_cast<double>(sets));
}

BacktestResult Backtest::result() const {
    const ExactChance& chance = exactChance();
    // What one draw's observation varies by at least under chance: the
    // variance of one set over the sets of a draw.
    const double setsPerDraw = static_cast<double>(settings_.repeats) * settings_.sets;
    BacktestResult r;
    r.settings = settings_;
    r.firstDraw = settings_.firstDraw;
    r.lastDraw = next_ - 1;
    for (int m = 0; m < kBacktestMethodCount; ++m) {
        const Tally& t = tallies_[at(m)];
        MethodResult& out = r.methods.emplace_back();
        out.method = m;
        out.sets = t.sets;
        out.ranks = t.ranks;
        out.prize = compareWithChance(t.prizeShare, chance.prizeRate(), chance.prizeVariance() / setsPerDraw, 0, 1);
        out.matches = compareWithChance(t.meanMatches, chance.expectedMatches(), chance.matchesVariance() / setsPerDraw,
                                        0, kNumbersPerSet);
    }
    r.uniformity = mainNumberUniformity(history_);
    r.detail = detail_;
    return r;
}

BacktestResult runBacktest(DrawHistory history, const BacktestSettings& settings) {
    Backtest backtest(std::move(history), settings);
    backtest.advance(backtest.drawsToTest());
    return backtest.result();
}

} // namespace zoki
