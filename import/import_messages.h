#pragma once

#include "import/history_parser.h"
#include "import/merge_plan.h"

#include <string>
#include <vector>

namespace zoki {

inline constexpr const char* kImportTitle = "当選データの取込";
inline constexpr const char* kImportFilter = "CSV/テキスト (*.csv *.txt)|*.csv;*.txt|すべてのファイル (*)|*|";

// "12 行目: 数字が重複しています"
std::string faultText(const FaultyRow& fault);

// "取り込めない行: なし", or the count and the first ten rows, one a line.
std::string faultList(const std::vector<FaultyRow>& faults);

// What was read, what it adds or where it differs, and the question whether
// to go ahead (TakeAll, Append, Replace).
std::string importQuestion(const std::string& fileName, const DrawHistory& history, const MergePlan& plan);

// Why nothing is imported (NoDraws, NothingNew, MissingEarlier, TooLarge).
std::string importRefusal(const std::string& fileName, const DrawHistory& history, const MergePlan& plan);

// What was written.
std::string importDone(const MergePlan& plan);

} // namespace zoki
