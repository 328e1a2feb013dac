#pragma once

#include "base/loto.h"

#include <array>
#include <string>
#include <vector>

namespace zoki {

// The registration form's seven fields: six main numbers, then the bonus.
using EntryTexts = std::array<std::string, kLinesPerDraw>;
using EntryNumbers = std::array<int, kLinesPerDraw>;

// The first check a draw typed by hand fails, in the form's order.
enum class EntryFault { None, Blank, NotDigits, OutOfRange, Duplicate };

struct EntryCheck {
    EntryFault fault = EntryFault::None;
    // The fields marked while the fault is shown, in the order they are
    // marked and given their colour back.
    std::vector<int> marked;
    // With no fault: the draw.
    EntryNumbers numbers{};
};

// The fields checked as the form checks them: none blank, each beginning with
// a digit and a number as a whole, each a whole number 1..43, no number twice
// ("7" and "07" are one). Full-width digits count as the digits they show.
EntryCheck checkEntry(const EntryTexts& texts);

// Whether `draw` repeats the last whole draw of `values` (data.dat's values):
// the same main numbers in any order and the same bonus.
bool repeatsLatestDraw(const std::vector<std::string>& values, const EntryNumbers& draw);

} // namespace zoki
