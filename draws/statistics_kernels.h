#pragma once

// The calculations of RefreshStatistics, from values to values: the handler
// reads the tables and the bars, calls these, and writes what they return.

#include "base/int16.h"
#include "base/loto.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zoki {

// One value per bar or ranking place, element k for bar k (number k + 1).
template <class T> using PerNumber = std::array<T, kHighestNumber>;
using BarWidths = PerNumber<float>;

// The place of the most frequent number in a ranking.
inline constexpr std::size_t kTopPlace = kHighestNumber - 1;

// The table holds a draw: it has an element and the first is not blank.
bool holdsADraw(const std::vector<std::string>& drawTable);

struct DrawCounts {
    // How often each number occurs in the table, bonus numbers included.
    // Counting stops at a value that is not a number or at a count that
    // would pass 32767; the counts stay as far as they got.
    NumberCounts numberCount{};
    // Sum of the counts; none when counting stopped or the sum passes 32767,
    // which ends the statistics run.
    std::optional<Int16> drawNumberTotal;
};
DrawCounts countDrawNumbers(const std::vector<std::string>& drawTable);

struct OutputCounts {
    // How many lines hold each number, by the whole part of their value. A
    // count stops at 32767; the lines after it still count for the others.
    NumberCounts outNumberCount{};
    // The lines of outHistory, its spare element left out; 0 when they do
    // not fit 16 bits.
    Int16 outLineCount;
    std::size_t lines = 0;
    // False when a line is not a number: counting, and the run, end there.
    bool allNumbers = true;
};
OutputCounts countOutputNumbers(const std::vector<std::string>& outHistory);

struct FrequencyRanking {
    PerNumber<Int16> sortedCount{};  // element kTopPlace is the highest count
    PerNumber<Int16> sortedNumber{}; // element kTopPlace is the most frequent number
};

// The numbers in ascending order of their counts. Equal counts keep
// ascending number order, so the top place goes to the larger number.
FrequencyRanking rankByCount(const NumberCounts& counts);

// Draw bars before normalising: drawBarWidth / drawNumberTotal × count ×
// barScale, in double precision, stored in single precision.
// DivisionByZeroError for a total of 0.
BarWidths drawBarWidths(const NumberCounts& numberCount, Int16 drawNumberTotal, Int16 drawBarWidth, Int16 barScale);

// Output bars before normalising: outBarWidth / outLineCount × count. With a
// line count of 0 every bar's division fails and the bar keeps outBarWidth.
BarWidths outputBarWidths(const NumberCounts& outNumberCount, Int16 outLineCount, Int16 outBarWidth);

// The scale that makes the top bar exactly full width: fullWidth over the
// top bar's single-precision width, in double precision.
// DivisionByZeroError for a top bar of width 0.
double normalisingScale(Int16 fullWidth, float topWidth);

// Every width times s, stored in single precision.
BarWidths scaledWidths(const BarWidths& widths, double s);

// How often each number is the bonus of a draw (the seventh of its seven
// elements), counted as far as countDrawNumbers counts: to a value that is
// not a number.
NumberCounts bonusCounts(const std::vector<std::string>& drawTable);

// Tool tips of the charts, which count main numbers and bonus numbers
// alike, so they tell them apart. A number's bars: how often it was drawn
// as a main number and as the bonus, and how often it is in the kept sets,
// "12: 本数字 283 回・ボーナス 49 回 / 出力 4 回". A ranking picture: its
// number and how often it was drawn, "12: 本数字 283 回・ボーナス 49 回".
std::string barTip(int number, int mains, int bonus, int kept);
std::string rankingTip(int number, int mains, int bonus);

} // namespace zoki
