#pragma once

#include "forms/controls.h"

namespace zoki {

// Every colour the program paints, named by what it marks: changing one
// role changes that one thing only.

// Main window: a number fixed on a reveal label.
inline constexpr Rgb kRevealLabelColor{255, 255, 255};

// History window: how often each number was drawn, and kept.
inline constexpr Rgb kDrawBarColor{255, 0, 0};
inline constexpr Rgb kOutputBarColor{0, 0, 255};

// Registration form: the fields, and a field whose entry is refused.
inline constexpr Rgb kFieldColor{255, 255, 255};
inline constexpr Rgb kBonusFieldFirstColor{255, 192, 255}; // until its first error highlight
inline constexpr Rgb kBonusFieldColor{255, 100, 100};
inline constexpr Rgb kFaultyFieldColor{255, 0, 0};

// Match search window: the cell behind each ball.
inline constexpr Rgb kCellColor{0, 0, 0};
inline constexpr Rgb kMatchedCellColor{255, 0, 0};
inline constexpr Rgb kMatchedBonusCellColor{100, 0, 0};

} // namespace zoki
