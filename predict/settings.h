#pragma once

#include "base/loto.h"
#include "forms/forms.h"

#include <array>

namespace zoki {

class Program;

// A weighting strength by its place in kStrengths.
enum class Strength { High, Mid, Low };

// The even share of a strength: tickets spread evenly over all numbers.
constexpr int evenShareFor(Strength s) { return kStrengths[static_cast<int>(s)].evenTicketsPerNumber * kHighestNumber; }

// A mark per exclusion range, in the order of kExclusionRanges.
using RangeMarks = std::array<bool, kRangeCount>;

// The prediction settings as the menus and Form3 show them.
struct PredictionSettings {
    bool dataMode = true;
    Strength strength = Strength::High;
    RangeMarks excludeRange{};
};
PredictionSettings currentSettings(Program& p);

// True when number n lies in a range that is marked.
bool excluded(const RangeMarks& marks, int n);
// How many of the numbers 1..kHighestNumber the marks leave.
int allowedNumbers(const RangeMarks& marks);

void vData_Click(Program& p);
// A strength item (vSetHigh, vSetMid, vSetLow): checks it alone, the marks
// set weakest first.
void vStrength_Click(Program& p, const WeightingStrength& chosen);
// A range item: numX is its place in kExclusionRanges, from 1.
void lvRange_Click(Program& p, int numX);
void jyufukuCheck(Program& p, int numX);
void vNumber_Click(Program& p);
void Form3_HScroll1_Change(Program& p);
void Form3_Command1_Click(Program& p);
void Form3_Image1_DblClick(Program& p);

} // namespace zoki
