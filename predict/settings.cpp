#include "predict/settings.h"

#include "base/numtext.h"
#include "program/program.h"

namespace zoki {

namespace {

MenuItem& rangeItem(Form1& f, int numX) {
    MenuItem* items[] = {&f.lvA, &f.lvB, &f.lvC, &f.lvD, &f.lvE};
    return *items[numX - 1];
}

// The strength items are set together, lowest first.
void checkStrength(Form1& f, Strength chosen) {
    f.vSetLow.setChecked(chosen == Strength::Low);
    f.vSetMid.setChecked(chosen == Strength::Mid);
    f.vSetHigh.setChecked(chosen == Strength::High);
}

} // namespace

PredictionSettings currentSettings(Program& p) {
    const Form1& f = p.form1;
    PredictionSettings s;
    s.dataMode = f.vData.checked();
    // Tested in the order the weighted draw tests them; with no mark at all
    // (the menu never allows it) the strongest weighting stands.
    if (f.vSetLow.checked())
        s.strength = Strength::Low;
    else if (f.vSetMid.checked())
        s.strength = Strength::Mid;
    else
        s.strength = Strength::High;
    const MenuItem* ranges[] = {&f.lvA, &f.lvB, &f.lvC, &f.lvD, &f.lvE};
    for (int i = 0; i < 5; ++i)
        s.excludeRange[i] = ranges[i]->checked();
    return s;
}

void vData_Click(Program& p) { p.form1.vData.setChecked(!p.form1.vData.checked()); }

void vSetHigh_Click(Program& p) { checkStrength(p.form1, Strength::High); }
void vSetMid_Click(Program& p) { checkStrength(p.form1, Strength::Mid); }
void vSetLow_Click(Program& p) { checkStrength(p.form1, Strength::Low); }

void lvRange_Click(Program& p, int numX) {
    MenuItem& item = rangeItem(p.form1, numX);
    item.setChecked(!item.checked());
    jyufukuCheck(p, numX);
}

void jyufukuCheck(Program& p, int numX) {
    Form1& f = p.form1;
    bool refused = false;
    if (f.lvA.checked() && f.lvB.checked() && f.lvC.checked() && f.lvD.checked() && f.lvE.checked()) {
        p.message("全ての予測範囲指定項目に対してチェックを入れることはできません。", "警告", Buttons::Ok,
                  Icon::Critical);
        refused = true;
    } else if (f.lvA.checked() && f.lvB.checked() && f.lvC.checked() && f.lvD.checked()) {
        p.message("40～43の予測範囲指定のみで実行することはできません。", "警告", Buttons::Ok, Icon::Critical);
        refused = true;
    }
    if (refused && numX >= 1 && numX <= 5)
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
    p.s.anyNumber = f3.Label1.caption();
    f3.hide();
    p.s.anyNumberSet = true;
}

void Form3_Image1_DblClick(Program& p) { Form3_Command1_Click(p); }

} // namespace zoki
