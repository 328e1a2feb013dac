#include "forms/backtest_form.h"

#include <string>

namespace zoki {

namespace {

// This window is laid out in pixels at 96 dpi; its controls hold twips.
constexpr int kTwipsPerPixel = 15;

void place(Control& c, const std::string& parent, int left, int top, int width, int height) {
    c.setParent(parent);
    c.setGeometry(left * kTwipsPerPixel, top * kTwipsPerPixel, static_cast<float>(width * kTwipsPerPixel),
                  height * kTwipsPerPixel);
}

void field(TextField& f, const char* name, int left, int top, int width) {
    place(f, "settingsFrame", left, top, width, 22);
    f.align = Align::Right;
    f.accessibleName = name;
}

} // namespace

BacktestForm::BacktestForm() : Form(FormId::Backtest, "BacktestForm") {
    setCaption("検証");
    clientWidth = 760 * kTwipsPerPixel;
    clientHeight = 682 * kTwipsPerPixel;

    place(settingsFrame, "", 8, 6, 744, 76);
    settingsFrame.setCaption("設定");
    place(setsLabel, "settingsFrame", 12, 22, 160, 20);
    setsLabel.setCaption("1 回あたりのセット数 (1～5)");
    field(setsField, "1 回あたりのセット数", 176, 20, 48);
    place(repeatsLabel, "settingsFrame", 244, 22, 110, 20);
    repeatsLabel.setCaption("繰り返し (1～100)");
    field(repeatsField, "繰り返し", 358, 20, 48);
    place(firstLabel, "settingsFrame", 12, 48, 160, 20);
    firstLabel.setCaption("最初に検証する回");
    field(firstField, "最初に検証する回", 176, 46, 64);
    place(seedLabel, "settingsFrame", 244, 48, 110, 20);
    seedLabel.setCaption("乱数の種");
    field(seedField, "乱数の種", 358, 46, 160);
    place(runButton, "settingsFrame", 620, 16, 112, 26);
    runButton.setCaption("実行");
    place(cancelButton, "settingsFrame", 620, 44, 112, 26);
    cancelButton.setCaption("中止");
    cancelButton.setEnabled(false);

    place(progress, "", 8, 90, 460, 18);
    progress.accessibleName = "進み具合";
    place(progressLabel, "", 476, 89, 276, 20);
    place(scopeLabel, "", 8, 114, 744, 30);
    scopeLabel.wordWrap = true;
    // Wide and tall enough for its six columns and thirteen rows without a
    // scroll bar.
    place(resultTable, "", 8, 148, 744, 268);
    resultTable.columnWidths = {170 * kTwipsPerPixel, 112 * kTwipsPerPixel, 112 * kTwipsPerPixel,
                                112 * kTwipsPerPixel, 112 * kTwipsPerPixel, 118 * kTwipsPerPixel};
    resultTable.accessibleName = "検証の結果";
    place(rateChart, "", 8, 420, 744, 100);
    rateChart.accessibleName = "当選率と 95% 区間 (赤い縦線は偶然の当選率)";
    place(verdictLabel, "", 8, 524, 744, 118);
    verdictLabel.wordWrap = true;

    place(saveTableButton, "", 8, 648, 120, 26);
    saveTableButton.setCaption("CSV で保存");
    place(saveDetailButton, "", 136, 648, 160, 26);
    saveDetailButton.setCaption("明細を CSV で保存");
    for (Button* b : {&saveTableButton, &saveDetailButton})
        b->setEnabled(false);

    runTimer.setInterval(1);
    runTimer.setEnabled(false);
}

} // namespace zoki
