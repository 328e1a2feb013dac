#pragma once

#include "forms/forms.h"
#include "predict/ranges.h"
#include "predict/strengths.h"

#include <iterator>

namespace zoki {

class Program;

// The menu item of each strength, in the order of kStrengths; one is checked
// at a time.
inline constexpr MenuItem Form1::*const kStrengthItems[] = {&Form1::vSetHigh, &Form1::vSetMid, &Form1::vSetLow};
static_assert(std::size(kStrengthItems) == std::size(kStrengths), "a menu item for each strength");

// The menu item that marks each exclusion range, in the order of
// kExclusionRanges; the items take their captions from the numbers.
inline constexpr MenuItem Form1::*const kRangeItems[] = {&Form1::lvA, &Form1::lvB, &Form1::lvC, &Form1::lvD,
                                                         &Form1::lvE};
static_assert(std::size(kRangeItems) == std::size(kExclusionRanges), "a menu item for each exclusion range");

// The prediction settings as the menus and Form3 show them.
struct PredictionSettings {
    bool dataMode = true;
    Strength strength = kDefaultStrength;
    RangeMarks excludeRange{};
};
PredictionSettings currentSettings(Program& p);

// Fills the strength and range submenus from their tables, captions the
// range items from their numbers and checks the default strength: done as
// the main window is wired, before it first shows.
void setUpPredictionMenus(Form1& f);

void vData_Click(Program& p);
// A strength item (vSetHigh, vSetMid, vSetLow): checks it alone, the marks
// set weakest first.
void vStrength_Click(Program& p, Strength chosen);
// A range item: numX is its place in kExclusionRanges, from 1.
void lvRange_Click(Program& p, int numX);
void jyufukuCheck(Program& p, int numX);
void vNumber_Click(Program& p);
void Form3_HScroll1_Change(Program& p);
void Form3_Command1_Click(Program& p);
void Form3_Image1_DblClick(Program& p);

} // namespace zoki
