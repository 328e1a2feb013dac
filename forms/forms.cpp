#include "forms/forms.h"

#include <string>

namespace zoki {

namespace {

const char* const kFullWidthDigits[] = {"１", "２", "３", "４", "５"};

void place(Control& c, const std::string& parent, int left, int top, int width, int height) {
    c.setParent(parent);
    c.setGeometry(left, top, static_cast<float>(width), height);
}

} // namespace

Form1::Form1() : Form(FormId::Form1, "Form1") {
    clientWidth = 11730;
    clientHeight = 6120;

    typeKind.items = {&selectLoto6, &selectNumbers3, &selectNumbers4};
    selectLoto6.setChecked(true);
    vSet.items = {&addAdd, &vCheckNumber, &dataAdd, &vResData, &vResHistData, &vResHitNoData, &vSep1, &vImport};
    // vSetting, yosoku and vSpeed take their items, in the order of the
    // strengths, ranges and speeds they stand for, as the window is wired.
    exepe.items = {&vData, &vSetting, &vNumber, &yosoku, &vSpeed, &vSep2, &vBacktest};
    vClear.items = {&vAllClear, &vMClear, &outDataClear};
    menuBar = {&typeKind, &vSet, &exepe, &vClear};
    vData.setChecked(true);
    vAllClear.setEnabled(false);
    vClear.setEnabled(false);

    // Left: idle picture, or the result frame with the reveal.
    place(Image3, "", 465, 240, 4245, 4245);
    Image3.setToolTip("任意の判定数を選択し開始を押してください。");
    Image3.stretch = true;
    place(Frame5, "", 240, 240, 4695, 4245);
    Frame5.setCaption("判定結果");
    for (int k = 0; k < kNumbersPerSet; ++k) {
        Label& l = revealLabel(k);
        place(l, "Frame5", 165 + 735 * k, 1500, 690, 900);
        l.opaque = true;
        l.border = true;
        l.align = Align::Center;
        l.font = Font{"", 24, true};
        l.setBackColor(kRevealLabelColor);
        place(Image1(k), "Frame5", 270 + 735 * k, 2640, 480, 480);
    }

    // Middle: the board.
    place(Frame1, "", 5175, 240, 4440, 4245);
    Frame1.setCaption("推測結果");
    for (int r = 0; r < kMaxSets; ++r) {
        const int y = 360 + 765 * r;
        place(Label9(r), "Frame1", 120, y + 120, 720, 300);
        Label9(r).setCaption(std::string("推測") + kFullWidthDigits[r]);
        for (int p = 0; p < kNumbersPerSet; ++p) {
            const int i = r * kNumbersPerSet + p;
            place(Image2(i), "Frame1", 900 + 570 * p, y, 480, 480);
            place(Label8(i), "Frame1", 900 + 570 * p, y + 480, 480, 255);
            Label8(i).align = Align::Center;
        }
    }

    // Bottom left: the set count.
    place(Frame2, "", 240, 4605, 4695, 1275);
    Frame2.setCaption("予測回数");
    place(Image4, "Frame2", 240, 285, 900, 900);
    place(Label7, "Frame2", 1605, 405, 1500, 660);
    Label7.font = Font{"", 24, true};
    Label7.align = Align::Center;
    Label7.setCaption("1");
    place(VScroll1, "Frame2", 4050, 240, 375, 900);
    VScroll1.setMin(1);
    VScroll1.setMax(kMaxSets);
    VScroll1.setValue(1);

    // Right: start and history.
    place(Image5, "", 9855, 240, 1275, 2130);
    Image5.setToolTip("任意の予測回数を設定した後に押して下さい。");
    place(Command1, "", 9855, 2430, 1275, 450);
    Command1.setCaption("判定");
    place(Image6, "", 9855, 3060, 1275, 1425);
    Image6.setToolTip("過去の履歴、統計を表示します。");
    place(Command2, "", 9855, 4545, 1275, 450);
    Command2.setCaption("履歴");

    Timer1.setEnabled(false);
    Timer2.setInterval(kFlickerInterval);
    Timer2.setEnabled(false);
}

Label& Form1::revealLabel(int position) {
    Label* labels[] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6};
    if (position < 0 || position >= kNumbersPerSet)
        throw IndexError();
    return *labels[position];
}

Form2::Form2() : Form(FormId::Form2, "Form2") {
    setCaption("HISTORY");
    clientWidth = 9000;
    clientHeight = 6480;

    place(Frame1, "", 120, 120, 5100, 3240);
    Frame1.setCaption("過去当選番号");
    for (int r = 0; r < kRecentDraws; ++r) {
        const int y = 300 + 570 * r;
        place(Label4(r), "Frame1", 120, y + 120, 900, 255);
        Label4(r).setCaption("過去" + std::to_string(r + 1) + "回");
        for (int j = 0; j < kLinesPerDraw; ++j)
            place(Image1(kLinesPerDraw * r + j), "Frame1", 1080 + 555 * j + (j == kBonusPosition ? 120 : 0), y, 480,
                  480);
    }

    for (int p = 0; p < kRankingPlaces; ++p) {
        place(Frame2(p), "", 120 + 1020 * p, 3480, 960, 840);
        Frame2(p).setCaption(std::to_string(p + 1) + "位");
        place(Image2(p), "Frame2_" + std::to_string(p), 240, 270, 480, 480);
    }

    place(Frame3, "", 120, 4440, 5100, 1920);
    Frame3.setCaption("当選番号");
    for (int r = 0; r < kRecentDraws; ++r)
        for (int j = 0; j < kLinesPerDraw; ++j) {
            Label& l = Label3(kLinesPerDraw * r + j);
            place(l, "Frame3", 1080 + 555 * j + (j == kBonusPosition ? 120 : 0), 300 + 315 * r, 480, 255);
            l.align = Align::Center;
        }

    place(Frame4, "", 5340, 120, 3540, 6240);
    Frame4.setCaption("統計データ");
    Frame4.setToolTip("赤の棒: 当選番号に出た回数 / 青の棒: 履歴に残した予想に入った回数");
    for (int n = 1; n <= kHighestNumber; ++n) {
        const int k = n - 1;
        const int column = n <= 22 ? 0 : 1;
        const int row = n <= 22 ? k : k - 22;
        const int x = 120 + 1710 * column;
        const int y = 360 + 240 * row;
        place(Label1(k), "Frame4", x, y, 375, 255);
        Label1(k).align = Align::Right;
        place(Label2(k), "Frame4", x + 495, y, kBarWidth, 135);
        Label2(k).opaque = true;
        Label2(k).setBackColor(kDrawBarColor);
        place(Label5(k), "Frame4", x + 495, y + 120, kBarWidth, 135);
        Label5(k).opaque = true;
        Label5(k).setBackColor(kOutputBarColor);
    }

    Timer1.setInterval(kHistoryTimerInterval);
    Timer1.setEnabled(false);
}

Form3::Form3() : Form(FormId::Form3, "Form3") {
    setCaption("選択");
    clientWidth = 3840;
    clientHeight = 1680;
    place(HScroll1, "", 240, 240, 3360, 300);
    HScroll1.setMin(1);
    HScroll1.setMax(kHighestNumber);
    HScroll1.setValue(1);
    place(Label1, "", 240, 780, 900, 480);
    Label1.setCaption("1");
    Label1.font = Font{"", 18, true};
    Label1.align = Align::Center;
    place(Image1, "", 1320, 720, 480, 480);
    place(Command1, "", 2160, 780, 1440, 480);
    Command1.setCaption("決定");
}

Form4::Form4() : Form(FormId::Form4, "Form4") {
    setCaption("登録フォーム");
    clientWidth = 6360;
    clientHeight = 1440;
    place(Frame3, "", 120, 120, 6120, 1200);
    Frame3.setCaption("最新情報登録");
    for (int k = 0; k < kLinesPerDraw; ++k) {
        place(Text1(k), "Frame3", 120 + 660 * k + (k == kBonusPosition ? 120 : 0), 540, 600, 420);
        Text1(k).align = Align::Center;
        Text1(k).font = Font{"", 12, false};
    }
    Text1(kBonusPosition).setBackColor(kBonusFieldFirstColor);
    place(Command1, "Frame3", 4920, 540, 1080, 420);
    Command1.setCaption("登録");
}

Form5::Form5() : Form(FormId::Form5, "Form5") {
    setCaption("照合検索");
    clientWidth = 6135;
    clientHeight = 3105;
    place(Frame1, "", 120, 120, 5895, 1095);
    place(Frame2, "", 120, 1320, 5895, 1095);
    for (int k = 0; k < kLinesPerDraw; ++k) {
        place(Label1(k), "Frame1", 120 + 720 * k, 240, 735, 735);
        Label1(k).opaque = true;
        Label1(k).setBackColor(kCellColor);
        place(Image1(k), "Frame1", 240 + 720 * k, 360, 495, 495);
        Image1(k).stretch = true;
    }
    for (int k = 0; k < kNumbersPerSet; ++k) {
        place(Label4(k), "Frame2", 120 + 720 * k, 240, 735, 735);
        Label4(k).opaque = true;
        Label4(k).setBackColor(kCellColor);
        place(Image2(k), "Frame2", 240 + 720 * k, 360, 495, 495);
        Image2(k).stretch = true;
    }
    place(VScroll1, "Frame1", 5280, 240, 495, 735);
    place(VScroll2, "Frame2", 5280, 240, 495, 735);
    place(Label5, "", 4560, 2640, 1455, 375);
    Label5.setCaption("1等当選");
    Label5.font = Font{"ＭＳ ゴシック", 15.75, true};
    for (int k = 0; k < kLinesPerDraw; ++k) {
        place(Label2(k), "", 120 + 720 * k, 4440, 615, 255);
        Label2(k).setVisible(false);
    }
    for (int k = 0; k < kNumbersPerSet; ++k) {
        place(Label3(k), "", 120 + 720 * k, 4800, 615, 255);
        Label3(k).setVisible(false);
    }
    place(Label6, "", 120, 5160, 615, 255);
    Label6.setVisible(false);
    place(Label7, "", 840, 5160, 615, 255);
    Label7.setVisible(false);
}

} // namespace zoki
