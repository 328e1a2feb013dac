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
inline constexpr const char* kBackupNotSaved = "data.dat の控えを保存できませんでした。";

// The chosen file is over the size a draw history can have.
std::string importFileTooLarge(const std::string& fileName);
// The chosen file, or data.dat, could not be read; `reason` is the file's own.
std::string importFileNotRead(const std::string& fileName, const std::string& reason);
std::string importDrawFileNotRead(const std::string& reason);
// `what` could not be saved, so nothing was imported.
std::string importNotSaved(const char* what, const std::string& reason);

// "12 行目: 数字が重複しています"
std::string faultText(const FaultyRow& fault);

// "取り込めない行: なし", or the count and the first ten rows, one a line.
std::string faultList(const std::vector<FaultyRow>& faults);

// What was read, what it adds or where it differs, and the question whether
// to go ahead (TakeAll, Append, Replace).
std::string importQuestion(const std::string& fileName, const DrawHistory& history, const MergePlan& plan);

// Why nothing is imported (NoDraws, NothingNew, MissingEarlier, TooLarge).
std::string importRefusal(const std::string& fileName, const DrawHistory& history, const MergePlan& plan);

// What was written; `backupName` is where the replaced data.dat was kept.
std::string importDone(const MergePlan& plan, const std::string& backupName);

} // namespace zoki
