#pragma once

#include "import/history_parser.h"

#include <string>
#include <vector>

namespace zoki {

enum class MergeCase {
    NoDraws,        // the file gave no draw to take
    TakeAll,        // data.dat is empty: the whole history
    Append,         // data.dat is the beginning of the history: the rest follows
    NothingNew,     // every imported draw is in data.dat already
    Replace,        // they differ from `firstDifference` on: data.dat may be replaced
    MissingEarlier, // the history starts after what data.dat holds
    TooLarge,       // the result would pass the 16-bit line count of data.dat
};

struct MergePlan {
    MergeCase kind = MergeCase::NoDraws;
    std::vector<std::string> lines; // data.dat as it would be written
    int existingDraws = 0;          // whole draws data.dat holds now
    int totalDraws = 0;             // whole draws of `lines`
    int firstNew = 0;               // first draw that TakeAll or Append adds
    int newDraws = 0;               // draws added (TakeAll, Append)
    int firstDifference = 0;        // Replace: the first draw that differs
    int missingFrom = 0;            // MissingEarlier: the draws data.dat lacks
    int missingTo = 0;
};

// How an imported history meets data.dat, compared by content: draw n of the
// history belongs at position n. `existing` is data.dat line by line
// (trimmed); empty lines at its end are not draws. When they disagree, the
// replacement keeps data.dat's draws before the history's first one.
MergePlan planMerge(std::vector<std::string> existing, const DrawHistory& history);

} // namespace zoki
