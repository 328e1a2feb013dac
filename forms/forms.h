#pragma once

#include "base/loto.h"
#include "forms/colors.h"
#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace zoki {

// Picture numbers.
inline constexpr int kIdlePicture = 997;
inline constexpr int kStartPicture = 503;
inline constexpr int kHistoryPicture = 502;
inline constexpr int ballPicture(int n) { return 100 + n; }
inline constexpr int bonusBallPicture(int n) { return 143 + n; }
inline constexpr int countPicture(int n) { return 1000 + n; }

// Main window.
class Form1 : public Form {
public:
    Form1();

    // Menus, in display order.
    MenuItem typeKind{*this, "typeKind", "種別(&K)"};
    MenuItem selectLoto6{*this, "selectLoto6", "Loto6(&L)"};
    MenuItem selectNumbers3{*this, "selectNumbers3", "Numbers3(&T)"};
    MenuItem selectNumbers4{*this, "selectNumbers4", "Numbers4(&F)"};

    MenuItem vSet{*this, "vSet", "データ(&D)"};
    MenuItem addAdd{*this, "addAdd", "データ登録(&A)"};
    MenuItem vCheckNumber{*this, "vCheckNumber", "照合検索(&M)"};
    MenuItem dataAdd{*this, "dataAdd", "履歴閲覧(&V)"};
    MenuItem vResData{*this, "vResData", "結果出力(&O)"};
    MenuItem vResHistData{*this, "vResHistData", "過去の結果を出力する(&W)"};
    MenuItem vResHitNoData{*this, "vResHitNoData", "過去の当選データを出力する(&H)"};
    MenuItem vSep1{*this, "vSep1", "-"};
    MenuItem vImport{*this, "vImport", "当選データ取込(&I)..."};

    MenuItem exepe{*this, "exepe", "予測設定(&E)"};
    MenuItem vData{*this, "vData", "データから乱数を予測(&R)"};
    MenuItem vSetting{*this, "vSetting", "確立変更(&P)"};
    MenuItem vSetHigh{*this, "vSetHigh", "過去に出現したデータを重要視する(&H)"};
    MenuItem vSetMid{*this, "vSetMid", "過去に出現したデータをある程度重視する(&M)"};
    MenuItem vSetLow{*this, "vSetLow", "過去に出現したデータを微妙に考慮する(&L)"};
    MenuItem vNumber{*this, "vNumber", "任意数値設定(&N)"};
    MenuItem yosoku{*this, "yosoku", "予測範囲指定(&H)"};
    // Captioned from the numbers each range excludes as the window is wired.
    MenuItem lvA{*this, "lvA", ""};
    MenuItem lvB{*this, "lvB", ""};
    MenuItem lvC{*this, "lvC", ""};
    MenuItem lvD{*this, "lvD", ""};
    MenuItem lvE{*this, "lvE", ""};
    MenuItem vSpeed{*this, "vSpeed", "データ予測速度(&S)"};
    MenuItem vSHigh{*this, "vSHigh", "超超速(&S)"};
    MenuItem vHigh{*this, "vHigh", "超速(&H)"};
    MenuItem vMidle{*this, "vMidle", "中速(&M)"};
    MenuItem vLow{*this, "vLow", "低速(&L)"};
    MenuItem vSep2{*this, "vSep2", "-"};
    MenuItem vBacktest{*this, "vBacktest", "予測の検証(&V)"};

    MenuItem vClear{*this, "vClear", "クリア(&C)"};
    MenuItem vAllClear{*this, "vAllClear", "登録したデータ全てを消去する(&A)"};
    MenuItem vMClear{*this, "vMClear", "出力した予測情報を消去する(&C)"};
    MenuItem outDataClear{*this, "outDataClear", "出力履歴消去(&H)"};

    // The idle picture and the result area share the left part of the window.
    Image Image3{*this, "Image3"};
    Frame Frame5{*this, "Frame5"};
    Label Label1{*this, "Label1"};
    Label Label2{*this, "Label2"};
    Label Label3{*this, "Label3"};
    Label Label4{*this, "Label4"};
    Label Label5{*this, "Label5"};
    Label Label6{*this, "Label6"};
    ControlArray<Image> Image1{*this, "Image1", kNumbersPerSet};

    // The result board: five rows of six balls with their numbers.
    Frame Frame1{*this, "Frame1"};
    ControlArray<Label> Label9{*this, "Label9", kMaxSets}; // row captions "推測１".."推測５"
    ControlArray<Image> Image2{*this, "Image2", kBoardCells};
    ControlArray<Label> Label8{*this, "Label8", kBoardCells};

    // Set count selector.
    Frame Frame2{*this, "Frame2"};
    Image Image4{*this, "Image4"};
    Label Label7{*this, "Label7"};
    ScrollBar VScroll1{*this, "VScroll1", true};

    // Start and history.
    Image Image5{*this, "Image5"};
    Button Command1{*this, "Command1"};
    Image Image6{*this, "Image6"};
    Button Command2{*this, "Command2"};

    Timer Timer1{*this, "Timer1"}; // reveal step
    Timer Timer2{*this, "Timer2"}; // reveal flicker

    // The six reveal labels by position 0..5.
    Label& revealLabel(int position);
};

// The reveal's flicker tick and the history window's timer, which the speeds
// leave as they are.
inline constexpr int kFlickerInterval = 10;       // ms
inline constexpr int kHistoryTimerInterval = 500; // ms

// History window "HISTORY".
class Form2 : public Form {
public:
    Form2();

    static constexpr int kRecentDraws = 5;   // rows of the latest draws
    static constexpr int kRankingPlaces = 5; // the most frequent numbers shown

    Frame Frame1{*this, "Frame1"}; // "過去当選番号": recent draws as balls
    ControlArray<Label> Label4{*this, "Label4", kRecentDraws};
    ControlArray<Image> Image1{*this, "Image1", kRecentDraws* kLinesPerDraw};

    ControlArray<Frame> Frame2{*this, "Frame2", kRankingPlaces}; // "1位".."5位"
    ControlArray<Image> Image2{*this, "Image2", kRankingPlaces};

    Frame Frame3{*this, "Frame3"}; // "当選番号": recent draws as text
    ControlArray<Label> Label3{*this, "Label3", kRecentDraws* kLinesPerDraw};

    Frame Frame4{*this, "Frame4"}; // "統計データ"
    ControlArray<Label> Label1{*this, "Label1", kHighestNumber};
    ControlArray<Label> Label2{*this, "Label2", kHighestNumber}; // draw-frequency bars
    ControlArray<Label> Label5{*this, "Label5", kHighestNumber}; // output-frequency bars

    Timer Timer1{*this, "Timer1"};

    static constexpr int kBarWidth = 975;
};

// Number choice window "選択".
class Form3 : public Form {
public:
    Form3();
    ScrollBar HScroll1{*this, "HScroll1", false};
    Label Label1{*this, "Label1"};
    Image Image1{*this, "Image1"};
    Button Command1{*this, "Command1"};
};

// Registration form "登録フォーム".
class Form4 : public Form {
public:
    Form4();
    Frame Frame3{*this, "Frame3"};
    ControlArray<TextField> Text1{*this, "Text1", kLinesPerDraw};
    Button Command1{*this, "Command1"};

    // The colour a field returns to after an error highlight.
    static Rgb normalColor(int field) { return field == kBonusPosition ? kBonusFieldColor : kFieldColor; }
};

// Match search window "照合検索".
class Form5 : public Form {
public:
    Form5();
    Frame Frame1{*this, "Frame1"};
    ControlArray<Label> Label1{*this, "Label1", kLinesPerDraw};
    ControlArray<Image> Image1{*this, "Image1", kLinesPerDraw};
    ScrollBar VScroll1{*this, "VScroll1", true};

    Frame Frame2{*this, "Frame2"};
    ControlArray<Label> Label4{*this, "Label4", kNumbersPerSet};
    ControlArray<Image> Image2{*this, "Image2", kNumbersPerSet};
    ScrollBar VScroll2{*this, "VScroll2", true};

    Label Label5{*this, "Label5"};
    // Never visible: they show the page's texts and its hits, which nothing
    // reads back.
    ControlArray<Label> Label2{*this, "Label2", kLinesPerDraw};
    ControlArray<Label> Label3{*this, "Label3", kNumbersPerSet};
    Label Label6{*this, "Label6"};
    Label Label7{*this, "Label7"};
};

} // namespace zoki
