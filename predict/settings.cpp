#include "predict/settings.h"

#include "base/numtext.h"
#include "program/messages.h"
#include "program/program.h"

#include <cstddef>
#include <iterator>

namespace zoki {

namespace {

constexpr int kStrengthCount = static_cast<int>(std::size(kStrengths));

MenuItem& rangeItem(Form1& f, int numX) { return f.*kExclusionRanges[numX - 1].item; }

bool rangeChecked(const Form1& f, int k) { return (f.*kExclusionRanges[k].item).checked(); }

} // namespace

PredictionSettings currentSettings(Program& p) {
    const Form1& f = p.form1;
    PredictionSettings s;
    s.dataMode = f.vData.checked();
    // The weakest marked strength, as the weighted draw tests them; with no
    // mark at all (the menu never allows it) the strongest stands.
    s.strength = Strength::High;
    for (int k = kStrengthCount - 1; k >= 0; --k)
        if ((f.*kStrengths[k].item).checked()) {
            s.strength = static_cast<Strength>(k);
            break;
        }
    for (int k = 0; k < kRangeCount; ++k)
        s.excludeRange[static_cast<std::size_t>(k)] = rangeChecked(f, k);
    return s;
}

bool excluded(const RangeMarks& marks, int n) {
    for (std::size_t k = 0; k < marks.size(); ++k)
        if (n >= kExclusionRanges[k].first && n <= kExclusionRanges[k].last)
            return marks[k];
    return false;
}

int allowedNumbers(const RangeMarks& marks) {
    int allowed = 0;
    for (int n = 1; n <= kHighestNumber; ++n)
        allowed += excluded(marks, n) ? 0 : 1;
    return allowed;
}

void vData_Click(Program& p) { p.form1.vData.setChecked(!p.form1.vData.checked()); }

void vStrength_Click(Program& p, const WeightingStrength& chosen) {
    for (int k = kStrengthCount - 1; k >= 0; --k)
        (p.form1.*kStrengths[k].item).setChecked(&kStrengths[k] == &chosen);
}

void lvRange_Click(Program& p, int numX) {
    MenuItem& item = rangeItem(p.form1, numX);
    item.setChecked(!item.checked());
    jyufukuCheck(p, numX);
}

void jyufukuCheck(Program& p, int numX) {
    Form1& f = p.form1;
    // Every range checked, or every one but the last (40..43, four numbers).
    int checkedBeforeLast = 0;
    for (int k = 0; k + 1 < kRangeCount; ++k)
        checkedBeforeLast += rangeChecked(f, k) ? 1 : 0;
    const bool allButLast = checkedBeforeLast == kRangeCount - 1;
    bool refused = false;
    if (allButLast && rangeChecked(f, kRangeCount - 1)) {
        p.message(msg::kEveryRangeExcluded, msg::kWarning, Buttons::Ok, Icon::Critical);
        refused = true;
    } else if (allButLast) {
        p.message(msg::onlyLastRangeLeft(), msg::kWarning, Buttons::Ok, Icon::Critical);
        refused = true;
    }
    if (refused && numX >= 1 && numX <= kRangeCount)
        rangeItem(f, numX).setChecked(false);
}

void vNumber_Click(Program& p) {
    Form3& f3 = p.form3();
    f3.Image1.setPicture(bonusBallPicture(f3.HScroll1.value()));
    f3.show();
}

void Form3_HScroll1_Change(Program& p) {
    Form3& f3 = p.form3();
    const int v = f3.HScroll1.value();
    f3.Label1.setCaption(decimalText(v));
    f3.Image1.setPicture(bonusBallPicture(v));
}

void Form3_Command1_Click(Program& p) {
    Form3& f3 = p.form3();
    p.s.anyNumber = f3.HScroll1.value();
    f3.hide();
    p.s.anyNumberSet = true;
}

void Form3_Image1_DblClick(Program& p) { Form3_Command1_Click(p); }

} // namespace zoki
