#include "import/import_messages.h"

#include "base/loto.h"
#include "program/messages.h"

#include <cstddef>

namespace zoki {

namespace {

constexpr std::size_t kListedFaults = 10;
constexpr std::size_t kListedDraws = 5;
constexpr const char* kNotImported = "取り込みは行われていません。";

std::string n(int v) { return std::to_string(v); }
std::string n(std::size_t v) { return std::to_string(v); }

std::string drawName(int number) { return "第" + n(number) + "回"; }

std::string drawRange(int from, int to) { return from == to ? drawName(from) : drawName(from) + "～" + drawName(to); }

std::string readLine(const DrawHistory& h) {
    std::string line = "当選データ: " + n(h.draws.size()) + " 回分 (";
    switch (h.order) {
    case HistoryOrder::Numbers:
        return line + drawRange(h.firstNumber, h.lastNumber()) + ")";
    case HistoryOrder::DrawFile:
        return line + drawRange(h.firstNumber, h.lastNumber()) + "、ゾキの data.dat の形式)";
    case HistoryOrder::Dates:
        return line + "回号なし。日付の順に第1回からとします)";
    case HistoryOrder::FileOrder:
        break;
    }
    return line + "回号なし。ファイルの順に第1回からとします)";
}

// "第1352回より後の 214 行は取り込みません"
std::string keptOutText(const DrawHistory& h) {
    const KeptOut& k = h.keptOut;
    const std::string rows = "より後の " + n(k.rows) + " 行は取り込みません";
    if (k.afterLine != 0)
        return n(k.afterLine) + " 行目の回" + rows;
    if (k.absent)
        return drawName(k.afterDraw) + "が欠けているため、" + drawName(k.afterDraw) + rows;
    return drawName(k.afterDraw) + rows;
}

std::string undecodedList(const std::vector<int>& lines) {
    std::string text = "UTF-8 でも Shift_JIS でもない文字のある行: ";
    for (std::size_t i = 0; i < lines.size() && i < kListedDraws; ++i)
        text += (i > 0 ? "、" : "") + n(lines[i]) + " 行目";
    if (lines.size() > kListedDraws)
        text += " ほか " + n(lines.size() - kListedDraws) + " 行";
    return text;
}

std::string faultPart(const DrawHistory& h) {
    std::string text = faultList(h);
    if (h.repeatedRows > 0)
        text += "\r同じ回の重複行: " + n(h.repeatedRows) + " 行 (一つとして数えました)";
    return text;
}

// "3 11 19 25 33 41 (7)"
std::string drawText(const std::array<std::string, kLinesPerDraw>& texts) {
    std::string out;
    for (std::size_t k = 0; k < kLinesPerDraw; ++k) {
        const std::string t = texts[k].empty() ? "－" : texts[k];
        out += k == 0 ? t : k == kBonusPosition ? " (" + t + ")" : " " + t;
    }
    return out;
}

std::string drawText(const DrawNumbers& numbers) {
    std::array<std::string, kLinesPerDraw> texts;
    for (std::size_t k = 0; k < kLinesPerDraw; ++k)
        texts[k] = n(numbers[k]);
    return drawText(texts);
}

std::string changedDraws(const std::vector<int>& changed) {
    std::string text;
    for (std::size_t i = 0; i < changed.size() && i < kListedDraws; ++i)
        text += (i > 0 ? "、" : "") + drawName(changed[i]);
    if (changed.size() > kListedDraws)
        text += " ほか " + n(changed.size() - kListedDraws) + " 回分";
    return text;
}

std::string newDrawsLine(const MergePlan& plan) {
    return "新しく追加する当選データ: " + n(plan.newDraws) + " 回分 (" +
           drawRange(plan.firstNew, plan.firstNew + plan.newDraws - 1) + ")";
}

bool anyFault(const DrawHistory& h) { return !h.faults.empty() || h.keptOut.rows > 0; }

std::string columnList(const std::vector<int>& columns) {
    std::string text;
    for (std::size_t i = 0; i < columns.size(); ++i)
        text += (i == 0 ? "" : i + 1 == columns.size() ? "と " : "、") + n(columns[i] + 1) + " 列目";
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
        reason = f.value < 0 ? "1～" + n(kHighestNumber) + " の数字でない値があります"
                             : "1～" + n(kHighestNumber) + " 以外の数字 (" + n(f.value) + ") があります";
        break;
    case RowFault::Duplicate:
        reason = "本数字 " + n(f.value) + " が 2 回あります";
        break;
    case RowFault::BonusAmongMains:
        reason = "ボーナス数字 " + n(f.value) + " が本数字と同じです";
        break;
    case RowFault::NoDrawNumber:
        reason = "回号がありません";
        break;
    case RowFault::NoDate:
        reason = "日付がありません";
        break;
    case RowFault::ConflictingRepeat:
        reason = "同じ回で数字の違う行がほかにもあります";
        break;
    }
    return n(f.line) + " 行目" + (f.draw > 0 ? " (" + drawName(f.draw) + ")" : "") + ": " + reason;
}

std::string faultList(const DrawHistory& h) {
    std::string text;
    if (!anyFault(h)) {
        text = "取り込めない行: なし";
    } else {
        text = "取り込めない行: " + n(h.faults.size() + static_cast<std::size_t>(h.keptOut.rows)) + " 行";
        // The row that stops the history first: the one to fix.
        const FaultyRow* stop = h.stoppingRow();
        std::size_t listed = 0;
        if (stop != nullptr) {
            text += "\r・" + faultText(*stop);
            ++listed;
        }
        if (h.keptOut.rows > 0)
            text += "\r・" + keptOutText(h);
        for (const FaultyRow& f : h.faults) {
            if (&f == stop)
                continue;
            if (listed == kListedFaults) {
                text += "\r・ほか " + n(h.faults.size() - listed) + " 行";
                break;
            }
            text += "\r・" + faultText(f);
            ++listed;
        }
    }
    if (!h.undecodedLines.empty())
        text += "\r" + undecodedList(h.undecodedLines);
    return text;
}

std::string importQuestion(const std::string& fileName, const DrawHistory& h, const MergePlan& plan) {
    std::string text = "ファイル「" + fileName + "」を読み込みました。\r" + readLine(h) + "\r";
    if (plan.kind != MergeCase::Replace)
        return text + newDrawsLine(plan) + "\r" + faultPart(h) + "\rdata.dat に追加しますか？";
    const int count = static_cast<int>(plan.changed.size());
    text += faultPart(h) + "\rdata.dat の当選データ (" + n(plan.existingDraws) + " 回分) のうち " + n(count) +
            " 回分が、取り込むファイルと異なります: " + changedDraws(plan.changed) + "\r" +
            drawName(plan.changed.front()) + "  data.dat: " + drawText(plan.before) +
            "  ／  ファイル: " + drawText(plan.after) + "\r";
    text += "置き換えるのは異なる " + n(count) + " 回分だけで、ほかの回は data.dat のまま残ります。\r";
    if (plan.newDraws > 0)
        text += newDrawsLine(plan) + "\r";
    return text + "今の data.dat は、日時の付いた控え (data.dat.日時.bak) として同じフォルダーに残します。\r"
                  "異なる回をファイルの内容に置き換えますか？";
}

std::string importRefusal(const std::string& fileName, const DrawHistory& h, const MergePlan& plan) {
    const std::string file = "ファイル「" + fileName + "」";
    const std::string faults = anyFault(h) ? "\r" + faultList(h) : std::string();
    switch (plan.kind) {
    case MergeCase::NothingNew:
        return file + "の当選データ " + n(h.draws.size()) +
               " 回分は、すべて data.dat に登録済みです。\r取り込むものはありません。" + faults;
    case MergeCase::MissingEarlier: {
        std::string text = file + "の当選データは" + drawName(h.firstNumber) + "からです。\r";
        text += plan.existingDraws == 0 ? std::string("data.dat は空のため、")
                                        : "data.dat には" + drawName(plan.existingDraws) + "までしかないため、";
        return text + drawRange(plan.missingFrom, plan.missingTo) + "が欠けてしまいます。\r" +
               drawName(plan.missingFrom) + "から載っているファイルを取り込んで下さい。" + faults + "\r" + kNotImported;
    }
    case MergeCase::TooLarge:
        return file + "を取り込むと当選データが全 " + n(plan.totalDraws) + " 回分になり、data.dat に保存できる " +
               n(kMaxDrawFileLines / kLinesPerDraw) + " 回分 (" + n(kMaxDrawFileLines) + " 行) を超えてしまいます。" +
               faults + "\r" + kNotImported;
    case MergeCase::OtherGame:
        return file +
               "はロト6の当選データではないようです (1 回分の数字がロト6より多いか少なく、ロト7やミニロトのようです)。"
               "\rロト6の当選データのファイルを選んで下さい。\r" +
               kNotImported;
    case MergeCase::Undecided:
        return file + "では " + columnList(plan.columns) +
               "のどちらも回号のように見え、data.dat と比べてもどちらが回号か決められませんでした。\r"
               "回号の列の見出しを「回号」にするか、回号でない列を消してから、もう一度取り込んで下さい。\r" +
               kNotImported;
    case MergeCase::NoDraws:
    case MergeCase::TakeAll:
    case MergeCase::Append:
    case MergeCase::Replace:
        break;
    }
    if (anyFault(h)) {
        // Rows that look like draws, the first of them faulty: not the wrong file.
        const FaultyRow* stop = h.stoppingRow();
        const int line = stop != nullptr ? stop->line : h.faults.front().line;
        return file + "の最初の当選データ (" + n(line) + " 行目) に誤りがあるため、取り込める当選データがありません。" +
               faults + "\rその行を直してから、もう一度取り込んで下さい。\r" + kNotImported;
    }
    std::string text = file + "から取り込める当選データが見つかりませんでした。\r"
                              "1 行に 1 回分の本数字 6 個とボーナス数字が並んだ CSV またはテキスト ファイル (Shift_JIS "
                              "または UTF-8) を選んで下さい。";
    if (!h.undecodedLines.empty())
        text += "\r" + undecodedList(h.undecodedLines);
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
    if (plan.kind == MergeCase::Replace) {
        std::string text = "data.dat の " + n(plan.changed.size()) + " 回分を取り込んだファイルの内容に置き換え";
        if (plan.newDraws > 0)
            text += "、" + n(plan.newDraws) + " 回分を追加し";
        return text + "ました (全 " + n(plan.totalDraws) + " 回分)。\r元の data.dat は " + backupName +
               " に残してあります。";
    }
    return "当選データを " + n(plan.newDraws) + " 回分取り込みました (全 " + n(plan.totalDraws) + " 回分)。";
}

} // namespace zoki
