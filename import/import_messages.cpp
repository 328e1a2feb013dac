#include "import/import_messages.h"

#include "base/loto.h"
#include "program/messages.h"

#include <algorithm>
#include <cstddef>

namespace zoki {

namespace {

constexpr std::size_t kListedFaults = 10;
constexpr std::size_t kListedDraws = 5;
constexpr const char* kNotImported = "取り込みは行われていません。";
constexpr const char* kRegistered = "登録済みの当選データ";
constexpr const char* kEncodings = "UTF-8、Shift_JIS、EUC-JP、UTF-16 のどれでも読めない";
constexpr const char* kSaveAgain =
    "ファイルを UTF-8 か Shift_JIS の CSV として保存し直してから、もう一度取り込んで下さい。";

std::string n(int v) { return std::to_string(v); }
std::string n(std::size_t v) { return std::to_string(v); }

std::string drawName(int number) { return "第" + n(number) + "回"; }

std::string drawRange(int from, int to) { return from == to ? drawName(from) : drawName(from) + "～" + drawName(to); }

std::string fileName(const std::string& name) { return "ファイル「" + name + "」"; }

std::string withoutNumbers(const DrawHistory& h) {
    if (h.draws.size() < 2)
        return "回号なし。第1回とします";
    if (h.order == HistoryOrder::Dates)
        return "回号なし。日付の順に第1回からとします";
    return std::string("回号・日付なし。") + kRegistered + "と合うよう、" + (h.reversed ? "下" : "上") +
           "の行から第1回とします";
}

std::string readLine(const DrawHistory& h) {
    const std::string line = "当選データ: " + n(h.draws.size()) + " 回分 (";
    switch (h.order) {
    case HistoryOrder::Numbers:
        return line + drawRange(h.firstNumber, h.lastNumber()) + ")";
    case HistoryOrder::DrawFile:
        return line + drawRange(h.firstNumber, h.lastNumber()) + "、ゾキの当選データファイルの形式)";
    case HistoryOrder::Dates:
    case HistoryOrder::FileOrder:
        break;
    }
    return line + withoutNumbers(h) + ")";
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
    std::string text = std::string(kEncodings) + "文字のある行: ";
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

std::string drawNames(const std::vector<int>& draws, std::size_t from = 0) {
    std::string text;
    for (std::size_t i = from; i < draws.size() && i < from + kListedDraws; ++i)
        text += (i > from ? "、" : "") + drawName(draws[i]);
    if (draws.size() > from + kListedDraws)
        text += " ほか " + n(draws.size() - from - kListedDraws) + " 回分";
    return text;
}

std::string newDrawsRange(const MergePlan& plan) {
    return n(plan.newDraws) + " 回分 (" + drawRange(plan.firstNew, plan.firstNew + plan.newDraws - 1) + ")";
}

std::string newDrawsLine(const MergePlan& plan) { return "新しく追加する当選データ: " + newDrawsRange(plan); }

bool anyFault(const DrawHistory& h) { return !h.faults.empty() || h.keptOut.rows > 0; }

std::string columnList(const std::vector<int>& columns) {
    std::string text;
    for (std::size_t i = 0; i < columns.size(); ++i)
        text += (i == 0 ? "" : i + 1 == columns.size() ? "と " : "、") + n(columns[i] + 1) + " 列目";
    return text;
}

// "7" and "07" are the same number; a text that is none is -1.
int valueOf(const std::string& text) {
    if (text.empty() || text.size() > 2 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return std::stoi(text);
}

// "2 8 10 13 27 ［30］ ボーナス 39": the numbers of one version, those the
// other version lacks in brackets.
std::string markedDraw(const std::array<std::string, kLinesPerDraw>& texts, const std::array<int, kLinesPerDraw>& mine,
                       const std::array<int, kLinesPerDraw>& other) {
    const auto otherMains = other.begin() + kNumbersPerSet;
    std::string out;
    for (std::size_t k = 0; k < kLinesPerDraw; ++k) {
        const bool bonus = k == kBonusPosition;
        const bool differs = bonus ? mine[k] != other[k] || mine[k] < 0
                                   : mine[k] < 0 || std::find(other.begin(), otherMains, mine[k]) == otherMains;
        const std::string t = texts[k].empty() ? "－" : texts[k];
        out += (k == 0 ? "" : bonus ? "  ボーナス " : " ") + (differs ? "［" + t + "］" : t);
    }
    return out;
}

// "第1500回", then data.dat's version and the file's, one above the other
// so that their numbers stand in line: "　登録済み: …" and "　ファイル: …".
std::string sideBySide(const Difference& d) {
    std::array<int, kLinesPerDraw> before{};
    std::array<int, kLinesPerDraw> after{};
    std::array<std::string, kLinesPerDraw> afterTexts;
    for (std::size_t k = 0; k < kLinesPerDraw; ++k) {
        before[k] = valueOf(d.before[k]);
        after[k] = d.after[k];
        afterTexts[k] = n(d.after[k]);
    }
    return drawName(d.draw) + "\r　登録済み: " + markedDraw(d.before, before, after) +
           "\r　ファイル: " + markedDraw(afterTexts, after, before);
}

std::string differences(const MergePlan& plan) {
    std::string text;
    for (const Difference& d : plan.shown) {
        text += '\r';
        text += sideBySide(d);
    }
    if (plan.changed.size() > plan.shown.size())
        text += "\rほかに異なる回: " + drawNames(plan.changed, plan.shown.size());
    return text;
}

std::string replaceQuestion(const DrawHistory& h, const MergePlan& plan) {
    const std::string count = n(plan.changed.size()) + " 回分";
    std::string text = faultPart(h) + "\r" + kRegistered + " (" + n(plan.existingDraws) + " 回分) のうち " + count +
                       "が、ファイルと異なります (［ ］は異なる数字):" + differences(plan) + "\r";
    if (plan.newDraws > 0)
        text += newDrawsLine(plan) + "\r";
    text += "はい: 異なる " + count + "をファイルの内容に置き換え" +
            (plan.newDraws > 0 ? "、新しい " + n(plan.newDraws) + " 回分も追加" : std::string()) + "します (今の" +
            kRegistered + "は、日時の付いた控え data.dat.日時.bak として同じフォルダーに残します)。\r";
    text += std::string("いいえ: 異なる回は") + kRegistered + "のまま残し、" +
            (plan.keptLines.empty() ? std::string("何も取り込みません。")
                                    : "新しい " + n(plan.newDraws) + " 回分だけを追加します。");
    return text + "\r異なる回をファイルの内容に置き換えますか？";
}

std::string unreadableText(const std::string& file, const DrawHistory& h) {
    const std::string column = n(h.unreadableColumn + 1) + " 列目";
    switch (h.unreadable) {
    case Unreadable::Text:
        return file + "の文字コードを読み取れませんでした: 空でない " + n(h.lines) + " 行のうち " +
               n(h.undecodedLines.size()) + " 行が " + kEncodings + "行です。\r" + kSaveAgain;
    case Unreadable::Column:
        return file + "の " + column +
               "に文字コードを読み取れない文字があり、回号や日付を読めないため、回号の順を決められません。\r" +
               undecodedList(h.undecodedLines) + "\r" + kSaveAgain;
    case Unreadable::Dates:
        return file + "には回号がなく、" + column +
               "の日付を読めないため (日と月のどちらが先かを決められない場合も含みます)、回号の順を決められません。\r"
               "回号 (第1回、第2回…) の列があるファイルか、日付が 2026/03/16 "
               "の形で書かれたファイルを取り込んで下さい。";
    case Unreadable::SameDates:
        return file + "には回号がなく、" + column +
               "に同じ日付の違う回があるため、日付で回号の順を決められません。\r"
               "回号 (第1回、第2回…) の列があるファイルを取り込んで下さい。";
    case Unreadable::None:
        break;
    }
    return file + "を読み取れませんでした。";
}

std::string undecidedText(const std::string& file, const MergePlan& plan) {
    const bool order = std::all_of(plan.columns.begin(), plan.columns.end(), [](int c) { return c < 0; });
    const bool numbers =
        std::any_of(plan.offsets.begin(), plan.offsets.end(), [&](int o) { return o != plan.offsets.front(); });
    if (numbers) {
        std::vector<int> starts = plan.offsets;
        std::sort(starts.begin(), starts.end());
        starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
        return file + "の 1 回分の 7 個の数字は " + columnList(starts) + "のどれからとも読め、" + kRegistered +
               "と比べても決められませんでした。\r1 行目に見出し (回,日付,第1数字,…,第6数字,ボーナス数字) "
               "を入れてから、もう一度取り込んで下さい。";
    }
    if (order)
        return file + "には回号も日付もないため、古い回から並んでいるのか新しい回から並んでいるのかを、" + kRegistered +
               "と比べても決められませんでした。\r回号 (第1回、第2回…) か日付の列があるファイルを取り込んで下さい。";
    return file + "では " + columnList(plan.columns) + "のどちらも回号のように見え、" + kRegistered +
           "と比べてもどちらが回号か決められませんでした。\r"
           "回号の列の見出しを「回号」にするか、回号でない列を消してから、もう一度取り込んで下さい。";
}

std::string misreadText(const std::string& file, const MergePlan& plan) {
    std::string text = file + "と" + kRegistered + "に共通する " + n(plan.shared) + " 回分のうち " +
                       n(plan.changed.size()) +
                       " 回分の数字が異なります。\r"
                       "ファイルの列や並び順を正しく読み取れなかったものと思われます。";
    if (!plan.shown.empty())
        text += "\r例: " + sideBySide(plan.shown.front());
    return text + "\rこのファイルの内容で当選データを登録し直すときは、ゾキを閉じてからゾキのフォルダーの data.dat "
                  "を別のフォルダーへ移し、空になった当選データにこのファイルを取り込んで下さい。";
}

std::string missingEarlierText(const std::string& file, const DrawHistory& h, const MergePlan& plan) {
    std::string text = file + "の当選データは" + drawName(h.firstNumber) + "からです。\r";
    text += plan.existingDraws == 0 ? std::string(kRegistered) + "は空のため、"
                                    : std::string(kRegistered) + "は" + drawName(plan.existingDraws) + "までのため、";
    return text + drawRange(plan.missingFrom, plan.missingTo) + "が欠けてしまいます。\r" + drawName(plan.missingFrom) +
           "から載っているファイルを取り込んで下さい。";
}

std::string noDrawsText(const std::string& file, const DrawHistory& h) {
    if (anyFault(h)) {
        // Rows that look like draws, the first of them faulty: not the wrong file.
        const FaultyRow* stop = h.stoppingRow();
        const int line = stop != nullptr ? stop->line : h.faults.front().line;
        return file + "の最初の当選データ (" + n(line) +
               " 行目) に誤りがあるため、取り込める当選データがありません。\r" + faultList(h) +
               "\rその行を直してから、もう一度取り込んで下さい。\r" + kNotImported;
    }
    std::string text = file +
                       "から取り込める当選データが見つかりませんでした。\r"
                       "1 行に 1 回分の本数字 6 個とボーナス数字が並んだ CSV またはテキスト ファイル (Shift_JIS、"
                       "UTF-8、EUC-JP、UTF-16) を選んで下さい。";
    if (!h.undecodedLines.empty())
        text += "\r" + undecodedList(h.undecodedLines);
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

std::string importQuestion(const std::string& name, const DrawHistory& h, const MergePlan& plan) {
    const std::string text = fileName(name) + "を読み込みました。\r" + readLine(h) + "\r";
    if (plan.kind == MergeCase::Replace)
        return text + replaceQuestion(h, plan);
    return text + newDrawsLine(plan) + "\r" + faultPart(h) + "\r" +
           (plan.kind == MergeCase::TakeAll ? std::string("当選データとして登録しますか？")
                                            : std::string(kRegistered) + "に追加しますか？");
}

std::string importRefusal(const std::string& name, const DrawHistory& h, const MergePlan& plan) {
    const std::string file = fileName(name);
    const std::string faults = anyFault(h) ? "\r" + faultList(h) : std::string();
    switch (plan.kind) {
    case MergeCase::NothingNew:
        return file + "の当選データ " + n(h.draws.size()) +
               " 回分は、すべて登録済みです。\r取り込むものはありません。" + faults;
    case MergeCase::MissingEarlier:
        return missingEarlierText(file, h, plan) + faults + "\r" + kNotImported;
    case MergeCase::TooLarge:
        return file + "を取り込むと当選データが全 " + n(plan.totalDraws) + " 回分になり、登録できる " +
               n(kMaxDrawFileLines / kLinesPerDraw) + " 回分 (" + n(kMaxDrawFileLines) + " 行) を超えてしまいます。" +
               faults + "\r" + kNotImported;
    case MergeCase::OtherGame:
        return file +
               "はロト6の当選データではないようです (1 回分の数字がロト6より多いか少なく、ロト7やミニロトのようです)。"
               "\rロト6の当選データのファイルを選んで下さい。ロト6のファイルなら、1 行目に見出し (回,日付,第1数字,…,"
               "第6数字,ボーナス数字) を入れてから、もう一度取り込んで下さい。\r" +
               kNotImported;
    case MergeCase::Unreadable:
        return unreadableText(file, h) + "\r" + kNotImported;
    case MergeCase::Unplaced:
        return file + "には回号がなく、" + kRegistered +
               "も空のため、ファイルの最初の回が第何回かを決められません (ロト6の第1回は 2000年10月5日です)。\r"
               "回号 (第1回、第2回…) の列があるファイルを取り込んで下さい。\r" +
               kNotImported;
    case MergeCase::Undecided:
        return undecidedText(file, plan) + "\r" + kNotImported;
    case MergeCase::Misread:
        return misreadText(file, plan) + faults + "\r" + kNotImported;
    case MergeCase::NoDraws:
    case MergeCase::TakeAll:
    case MergeCase::Append:
    case MergeCase::Replace:
        break;
    }
    return noDrawsText(file, h);
}

std::string importFileTooLarge(const std::string& name) {
    return fileName(name) + "は大きすぎます (16 MB まで)。\r当選データの CSV またはテキスト ファイルを選んで下さい。";
}

std::string importFileNotRead(const std::string& name, const std::string& reason) {
    return fileName(name) + "を読み込めませんでした。\r" + reason +
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
        std::string text = std::string(kRegistered) + "のうち " + n(plan.changed.size()) + " 回分 (" +
                           drawNames(plan.changed) + ") をファイルの内容に置き換え";
        if (plan.newDraws > 0)
            text += "、" + newDrawsRange(plan) + " を追加し";
        return text + "ました (全 " + n(plan.totalDraws) + " 回分)。\r置き換える前の当選データは " + backupName +
               " に残してあります。";
    }
    return "当選データを " + n(plan.newDraws) + " 回分取り込みました (全 " + n(plan.totalDraws) + " 回分)。";
}

std::string importKept(const MergePlan& plan) {
    return "新しい当選データ " + newDrawsRange(plan) + " を追加しました (全 " + n(plan.totalDraws) + " 回分)。\r" +
           "ファイルと異なる " + n(plan.changed.size()) + " 回分 (" + drawNames(plan.changed) + ") は、" + kRegistered +
           "のまま残しました。";
}

} // namespace zoki
