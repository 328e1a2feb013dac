#pragma once

#include "import/history_parser.h"
#include "import/merge_plan.h"

#include <string>
#include <vector>

namespace zoki {

inline constexpr const char* kImportTitle = "当選データの取込";
inline constexpr const char* kImportFilter = "CSV/テキスト (*.csv *.txt)|*.csv;*.txt|すべてのファイル (*)|*|";

inline constexpr const char* kOneFileAtATime =
    "一度に取り込めるファイルは一つです。\r当選データのファイルを一つだけドロップして下さい。";
inline constexpr const char* kBackupNotSaved = "当選データの控えを保存できませんでした。";

// The chosen file is over the size a draw history can have.
std::string importFileTooLarge(const std::string& fileName);
// The chosen file, or data.dat, could not be read; `reason` is the file's own.
std::string importFileNotRead(const std::string& fileName, const std::string& reason);
std::string importDrawFileNotRead(const std::string& reason);
// `what` could not be saved, so nothing was imported.
std::string importNotSaved(const char* what, const std::string& reason);

// "214 行目 (第1352回): ボーナス数字 7 が本数字と同じです"
std::string faultText(const FaultyRow& fault);

// "取り込めない行: なし", or their count; then the row that stops the
// history, the rows left out after it in one sentence, and the other faulty
// rows, ten rows in all; then the lines that decoded in no encoding.
std::string faultList(const DrawHistory& history);

// What was read, what it adds or which draws differ (the first three side
// by side, the differing numbers marked), what each answer does, and the
// question whether to go ahead (TakeAll, Append, Replace).
std::string importQuestion(const std::string& fileName, const DrawHistory& history, const MergePlan& plan);

// Why nothing is imported (NoDraws, OtherGame, Unreadable, Undecided,
// Misread, NothingNew, MissingEarlier, TooLarge) and what to do.
std::string importRefusal(const std::string& fileName, const DrawHistory& history, const MergePlan& plan);

// What was written, naming the replaced draws; `backupName` is where the
// replaced data.dat was kept.
std::string importDone(const MergePlan& plan, const std::string& backupName);

// What was written after No to replacing: the new draws added, the
// differing ones kept as data.dat had them.
std::string importKept(const MergePlan& plan);

} // namespace zoki
