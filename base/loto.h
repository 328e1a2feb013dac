#pragma once

#include "base/int16.h"

#include <array>
#include <cstddef>

namespace zoki {

// The game: a draw is six main numbers and a bonus number, each 1..43.
inline constexpr int kHighestNumber = 43;
inline constexpr int kNumbersPerSet = 6; // main numbers of a draw; numbers of a predicted set
inline constexpr int kBonusPosition = kNumbersPerSet;

// The data files hold one number per line.
inline constexpr int kLinesPerDraw = kNumbersPerSet + 1; // data.dat: the six main numbers, then the bonus
inline constexpr int kLinesPerSet = kNumbersPerSet;      // OutData.dat: one kept set

// How often each number occurs, indexed by the number; element 0 is not used.
using NumberCounts = std::array<Int16, kHighestNumber + 1>;

// Line counts are 16-bit, so data.dat holds at most 32767 lines (4681 draws).
inline constexpr int kMaxDrawFileLines = 32767;

// What the program reads of data.dat and OutData.dat, at most: their
// 32767 lines, each a generous 64 bytes (a number, blanks, the line end).
// A larger file is refused rather than read into memory.
inline constexpr std::size_t kMaxDataFileBytes = std::size_t{kMaxDrawFileLines} * 64;

// A prediction run makes one to five sets; the main window's board holds
// five rows of six.
inline constexpr int kMaxSets = 5;
inline constexpr int kBoardCells = kMaxSets * kNumbersPerSet;

// Set s (from 1) starts at this element of the predicted numbers and of the
// board's cells.
constexpr int firstOfSet(int s) { return (s - 1) * kNumbersPerSet; }

} // namespace zoki
