#include "import/import_messages.h"

#include "base/loto.h"
#include "program/messages.h"

#include <cstddef>

namespace zoki {

namespace {

constexpr std::size_t kListedFaults = 10;
constexpr const char* kNotImported = "取り込みは行われていません。";

std::string n(int v) { return std::to_string(v); }

std::string drawName(int number) { return "第" + n(number) + "回"; }

std::string drawRange(int from, int to) { return from == to ? drawName(from) : drawName(from) + "～" + drawName(to); }

std::string readLine(const DrawHistory& h) {
    std::string line = "当選データ: " + n(static_cast<int>(h.draws.size())) + " 回分 (";
    if (h.numbered)
        line += drawRange(h.firstNumber, h.lastNumber()) + ")";
    else
        line += "回号なし。ファイルの順に第1回からとします)";
    return line;
}

std::string faultPart(const DrawHistory& h) {
    std::string text = faultList(h.faults);
    if (h.repeatedRows > 0)
        text += "\r同じ回の重複行: " + n(h.repeatedRows) + " 行 (一つとして数えました)";
    return text;
}

} // namespace

std::string faultText(const FaultyRow& f) {
    std::string reason;
    switch (f.fault) {
    case RowFault::MissingNumbers:
        reason = "数字が 7 個そろっていません";
        break;
    case RowFault::MissingBonus:
        reason = "ボーナス数字がありません";
        break;
    case RowFault::OutOfRange:
        reason = "1～43 以外の数字があります";
        break;
    case RowFault::Duplicate:
        reason = "数字が重複しています";
        break;
    case RowFault::NoDrawNumber:
        reason = "回号がありません";
        break;
    case RowFault::ConflictingRepeat:
        reason = drawName(f.ref) + "が内容の違う行と重複しています";
        break;
    case RowFault::AfterGap:
        reason = drawName(f.ref) + "が欠けているため取り込みません";
        break;
    case RowFault::AfterFaultyRow:
        reason = n(f.ref) + " 行目より後のため取り込みません";
        break;
    }
    return n(f.line) + " 行目: " + reason;
}

std::string faultList(const std::vector<FaultyRow>& faults) {
    if (faults.empty())
        return "取り込めない行: なし";
    std::string text = "取り込めない行: " + n(static_cast<int>(faults.size())) + " 行";
    for (std::size_t i = 0; i < faults.size() && i < kListedFaults; ++i)
        text += "\r・" + faultText(faults[i]);
    if (faults.size() > kListedFaults)
        text += "\r・ほか " + n(static_cast<int>(faults.size() - kListedFaults)) + " 行";
    return text;
}

std::string importQuestion(const std::string& fileName, const DrawHistory& h, const MergePlan& plan) {
    std::string text = "ファイル「" + fileName + "」を読み込みました。\r" + readLine(h) + "\r";
    if (plan.kind != MergeCase::Replace) {
        text += "新しく追加する当選データ: " + n(plan.newDraws) + " 回分 (" +
                drawRange(plan.firstNew, plan.totalDraws) + ")\r" + faultPart(h) + "\rdata.dat に追加しますか？";
        return text;
    }
    text += faultPart(h) + "\rdata.dat の当選データ (" + n(plan.existingDraws) + " 回分) は、" +
            drawName(plan.firstDifference) + "が取り込むファイルと異なります。\r";
    if (h.firstNumber > 1)
        text += drawRange(1, h.firstNumber - 1) + "は data.dat のまま残ります。\r";
    text += "置き換えると data.dat の当選データは全 " + n(plan.totalDraws) +
            " 回分になります。今の data.dat は、日時の付いた控え (data.dat.日時.bak) として同じフォルダーに残します。\r"
            "data.dat を置き換えますか？";
    return text;
}

std::string importRefusal(const std::string& fileName, const DrawHistory& h, const MergePlan& plan) {
    switch (plan.kind) {
    case MergeCase::NothingNew: {
        std::string text = "ファイル「" + fileName + "」の当選データ " + n(static_cast<int>(h.draws.size())) +
                           " 回分は、すべて data.dat に登録済みです。\r取り込むものはありません。";
        if (!h.faults.empty())
            text += "\r" + faultList(h.faults);
        return text;
    }
    case MergeCase::MissingEarlier: {
        std::string text = "ファイル「" + fileName + "」の当選データは" + drawName(h.firstNumber) + "からです。\r";
        text += plan.existingDraws == 0 ? std::string("data.dat は空のため、")
                                        : "data.dat には" + drawName(plan.existingDraws) + "までしかないため、";
        text += drawRange(plan.missingFrom, plan.missingTo) + "が欠けてしまいます。\r" + drawName(plan.missingFrom) +
                "から載っているファイルを取り込んで下さい。\r" + kNotImported;
        return text;
    }
    case MergeCase::TooLarge:
        return "取り込むと当選データが全 " + n(plan.totalDraws) + " 回分になり、data.dat に保存できる " +
               n(kMaxDrawFileLines / kLinesPerDraw) + " 回分 (" + n(kMaxDrawFileLines) + " 行) を超えてしまいます。\r" +
               kNotImported;
    case MergeCase::NoDraws:
    case MergeCase::TakeAll:
    case MergeCase::Append:
    case MergeCase::Replace:
        break;
    }
    std::string text = "ファイル「" + fileName +
                       "」から取り込める当選データが見つかりませんでした。\r"
                       "1 行に 1 回分の本数字 6 個とボーナス数字が並んだ CSV またはテキスト ファイル (Shift_JIS "
                       "または UTF-8) を選んで下さい。";
    if (!h.faults.empty())
        text += "\r" + faultList(h.faults);
    return text;
}

std::string importFileTooLarge(const std::string& fileName) {
    return "ファイル「" + fileName +
           "」は大きすぎます (16 MB まで)。\r当選データの CSV またはテキスト ファイルを選んで下さい。";
}

std::string importFileNotRead(const std::string& fileName, const std::string& reason) {
    return "ファイル「" + fileName + "」を読み込めませんでした。\r" + reason +
           "\rファイルを確かめてから、もう一度取り込んで下さい。";
}

std::string importDrawFileNotRead(const std::string& reason) {
    return msg::fileFailure(msg::kDrawFileNotRead, reason, kNotImported) +
           "\rゾキのフォルダーの data.dat を確かめてから、もう一度取り込んで下さい。";
}

std::string importNotSaved(const char* what, const std::string& reason) {
    return msg::fileFailure(what, reason, kNotImported) +
           "\rディスクの空きと、ゾキのフォルダーに書き込めるかを確かめてから、もう一度取り込んで下さい。";
}

std::string importDone(const MergePlan& plan, const std::string& backupName) {
    if (plan.kind == MergeCase::Replace)
        return "data.dat を取り込んだ当選データで置き換えました (全 " + n(plan.totalDraws) +
               " 回分)。\r元の data.dat は " + backupName + " に残してあります。";
    return "当選データを " + n(plan.newDraws) + " 回分取り込みました (全 " + n(plan.totalDraws) + " 回分)。";
}

} // namespace zoki
