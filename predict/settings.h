#pragma once

#include "ui/forms/forms.h"

#include <array>

namespace zoki {

class Program;

enum class Strength { High, Mid, Low };

// The prediction settings as the menus and Form3 show them.
struct PredictionSettings {
    bool dataMode = true;
    Strength strength = Strength::High;
    std::array<bool, kRangeCount> excludeRange{}; // in the order of kExclusionRanges
};
PredictionSettings currentSettings(Program& p);

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
