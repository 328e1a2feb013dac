#pragma once

#include "base/loto.h"
#include "ui/forms/forms.h"

#include <array>

namespace zoki {

class Program;

enum class Strength { High, Mid, Low };

// Even tickets each number holds in the weighted draw, in the order of
// Strength: the weaker the strength, the less the history weighs.
inline constexpr int kEvenTicketsPerNumber[] = {1, 10, 100};

// The even share of a strength: tickets spread evenly over all numbers.
constexpr int evenShareFor(Strength s) { return kEvenTicketsPerNumber[static_cast<int>(s)] * kHighestNumber; }

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
void vSetHigh_Click(Program& p);
void vSetMid_Click(Program& p);
void vSetLow_Click(Program& p);
// A range item: numX is its place in kExclusionRanges, from 1.
void lvRange_Click(Program& p, int numX);
void jyufukuCheck(Program& p, int numX);
void vNumber_Click(Program& p);
void Form3_HScroll1_Change(Program& p);
void Form3_Command1_Click(Program& p);
void Form3_Image1_DblClick(Program& p);

} // namespace zoki
