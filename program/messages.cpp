#include "program/messages.h"

#include "base/encoding.h"
#include "base/errors.h"
#include "base/int16.h"
#include "base/loto.h"

#include <new>

namespace zoki::msg {

std::string onlyRangesLeft(const std::string& ranges) {
    return ranges + "の予測範囲指定のみで実行することはできません。";
}

std::string outOfRange() { return "数値が範囲内にありません。【1 - " + std::to_string(kHighestNumber) + "】 "; }

std::string drawFileFull() {
    return "当選データファイル (data.dat) は " + std::to_string(kMaxDrawFileLines) +
           " 行で一杯のため、これ以上登録できません。\r登録は行われていません。";
}

std::string fileFailure(const char* what, const std::string& reason, const char* consequence) {
    std::string text = std::string(what) + "\r" + reason;
    if (consequence)
        text += std::string("\r") + consequence;
    return text;
}

std::string failureText(const std::exception& e) {
    if (dynamic_cast<const FileError*>(&e) || dynamic_cast<const EncodingError*>(&e))
        return e.what();
    if (dynamic_cast<const OverflowError*>(&e))
        return "扱える数の上限 (" + std::to_string(kInt16Max) +
               ") を超えました。\rdata.dat と OutData.dat に大きすぎる数や多すぎる行がないか確かめて下さい。";
    if (dynamic_cast<const TypeMismatchError*>(&e))
        return "数として読めない値がありました。\rdata.dat と OutData.dat に数字以外の行がないか確かめて下さい。";
    if (dynamic_cast<const DivisionByZeroError*>(&e))
        return "0 で割る計算になりました。\rdata.dat と OutData.dat の内容を確かめて下さい。";
    if (dynamic_cast<const IndexError*>(&e))
        return "表の範囲の外を読もうとしました。\rdata.dat と OutData.dat の内容を確かめて下さい。";
    if (dynamic_cast<const RedrawLimitError*>(&e))
        return "乱数が同じ値ばかりを返すため、予測を中止しました。\rもう一度「判定」を押して下さい。";
    if (dynamic_cast<const TooFewNumbersError*>(&e))
        return "対象外にした範囲が多すぎて、6 個の数字を選べません。\r"
               "「予測範囲指定」のチェックを減らしてから、もう一度「判定」を押して下さい。";
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return "メモリが足りません。\r他のプログラムを閉じてから、もう一度操作して下さい。";
    return "予期しない問題が起きました。\rもう一度操作して下さい。直らないときはゾキを起動し直して下さい。";
}

std::string stoppedMessage(const std::exception& e) { return std::string(kStopped) + "\r" + failureText(e); }

std::string cannotStartMessage(const std::exception& e, const std::filesystem::path& folder) {
    return std::string(kCannotStart) + "\r" + failureText(e) + "\rフォルダー: " + folder.string();
}

std::string usage(const std::filesystem::path& drawFile, const std::filesystem::path& historyFile) {
    return "使い方: zoki [オプション]\n"
           "\n"
           "ゾキは ロト6 の当選番号を記録し、予想番号を出すデスクトップ用のツールです。\n"
           "オプションなしで起動すると、ウィンドウが開きます。\n"
           "\n"
           "データファイル (プログラムと同じフォルダーにあります):\n"
           "  " +
           drawFile.string() +
           "  当選番号の履歴\n"
           "  " +
           historyFile.string() +
           "  履歴に残した予想番号\n"
           "\n"
           "オプション:\n"
           "  -h, --help     この説明を表示して終了します\n"
           "  -V, --version  名前とバージョンを表示して終了します\n"
           "  --backtest [--sets N] [--repeat R] [--from D] [--seed S] [--detail FILE]\n"
           "                 予測の検証: 各回をそれより前の回だけから予測し、偶然と比べた表を\n"
           "                 CSV で表示して終了します (data.dat は読むだけです)。\n"
           "                 N: 1 回あたりのセット数 (1～5、既定 5)  R: 繰り返し (1～100、既定 20)\n"
           "                 D: 最初に検証する回 (既定 101)  S: 乱数の種 (既定 1)\n"
           "                 FILE: 予測した全セットの明細を CSV で書き出すファイル\n";
}

std::string sameAsLatestDraw(int latest) {
    const std::string next = "第" + std::to_string(latest + 1) + "回";
    return "入力された 7 個の数字は、登録済みの最新の回 (第" + std::to_string(latest) +
           "回) と同じです。\r同じ回を二度登録しようとしていないか確かめて下さい。\rこのまま" + next +
           "として登録しますか？";
}

} // namespace zoki::msg
