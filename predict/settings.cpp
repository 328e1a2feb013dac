#include "predict/settings.h"

#include "base/numtext.h"
#include "program/messages.h"
#include "program/program.h"

#include <cstddef>
#include <iterator>
#include <optional>
#include <string>

namespace zoki {

namespace {

constexpr int kStrengthCount = static_cast<int>(std::size(kStrengths));

MenuItem& strengthItem(Form1& f, int k) { return f.*kStrengthItems[k]; }

MenuItem& rangeItem(Form1& f, int numX) { return f.*kRangeItems[numX - 1]; }

RangeMarks rangeMarks(const Form1& f) {
    RangeMarks marks{};
    for (std::size_t k = 0; k < marks.size(); ++k)
        marks[k] = (f.*kRangeItems[k]).checked();
    return marks;
}

} // namespace

PredictionSettings currentSettings(Program& p) {
    const Form1& f = p.form1;
    PredictionSettings s;
    s.dataMode = f.vData.checked();
    // The weakest marked strength, as the weighted draw tests them; with no
    // mark at all (the menu never allows it) the strongest stands.
    s.strength = Strength::High;
    for (int k = kStrengthCount - 1; k >= 0; --k)
        if ((f.*kStrengthItems[k]).checked()) {
            s.strength = static_cast<Strength>(k);
            break;
        }
    s.excludeRange = rangeMarks(f);
    return s;
}

void setUpPredictionMenus(Form1& f) {
    f.vSetting.items.clear();
    for (int k = 0; k < kStrengthCount; ++k)
        f.vSetting.items.push_back(&strengthItem(f, k));
    strengthItem(f, static_cast<int>(kDefaultStrength)).setChecked(true);
    f.yosoku.items.clear();
    for (int numX = 1; numX <= kRangeCount; ++numX) {
        MenuItem& item = rangeItem(f, numX);
        item.setCaption(rangeCaption(kExclusionRanges[numX - 1]));
        f.yosoku.items.push_back(&item);
    }
}

void vData_Click(Program& p) { p.form1.vData.setChecked(!p.form1.vData.checked()); }

void vStrength_Click(Program& p, Strength chosen) {
    for (int k = kStrengthCount - 1; k >= 0; --k)
        strengthItem(p.form1, k).setChecked(static_cast<Strength>(k) == chosen);
}

void lvRange_Click(Program& p, int numX) {
    MenuItem& item = rangeItem(p.form1, numX);
    item.setChecked(!item.checked());
    jyufukuCheck(p, numX);
}

void jyufukuCheck(Program& p, int numX) {
    const std::optional<std::string> refusal = rangeRefusal(kExclusionRanges, rangeMarks(p.form1));
    if (!refusal)
        return;
    p.message(*refusal, msg::kWarning, Buttons::Ok, Icon::Critical);
    if (numX >= 1 && numX <= kRangeCount)
        rangeItem(p.form1, numX).setChecked(false);
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
