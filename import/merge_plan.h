#pragma once

#include "import/history_parser.h"

#include <array>
#include <string>
#include <vector>

namespace zoki {

enum class MergeCase {
    NoDraws,        // the file gave no draw to take
    OtherGame,      // the file holds another lottery's draws
    Undecided,      // two columns could hold the draw numbers, and data.dat does not tell which
    TakeAll,        // data.dat is empty: the whole history
    Append,         // data.dat agrees with the history: the draws it lacks follow
    NothingNew,     // every imported draw is in data.dat already
    Replace,        // some draws differ: data.dat may take the file's version of them
    MissingEarlier, // the history starts after what data.dat holds
    TooLarge,       // the result would pass the 16-bit line count of data.dat
};

struct MergePlan {
    MergeCase kind = MergeCase::NoDraws;
    std::vector<std::string> lines;                // data.dat as it would be written
    int reading = 0;                               // the reading of the file: 0 its own, k its rival k - 1
    int existingDraws = 0;                         // whole draws data.dat holds now
    int totalDraws = 0;                            // whole draws of `lines`
    int firstNew = 0;                              // the first draw added (TakeAll, Append, Replace)
    int newDraws = 0;                              // draws added
    std::vector<int> changed;                      // Replace: the draws that differ, ascending
    std::array<std::string, kLinesPerDraw> before; // Replace: the first of them as data.dat has it
    DrawNumbers after{};                           // ... and as the file has it
    int missingFrom = 0;                           // MissingEarlier: the draws data.dat lacks
    int missingTo = 0;
    std::vector<int> columns; // Undecided: the 0-based columns that could hold the draw numbers
};

// How an imported history meets data.dat, draw by draw: draw n of the
// history belongs at position n. `existing` is data.dat line by line
// (trimmed); empty lines at its end are not draws. Draws are compared as
// draws: the six main numbers as a set, the bonus alone, numbers by value.
// An equal draw keeps data.dat's text, a differing one takes the file's,
// every draw of data.dat the file does not cover stays, and the file's later
// draws are appended. When the file could be read with either of two columns
// as its draw numbers, the reading under which it agrees with data.dat is
// taken.
MergePlan planMerge(std::vector<std::string> existing, const DrawHistory& history);

// The reading of the file that `plan` was made from.
const DrawHistory& readingOf(const DrawHistory& history, const MergePlan& plan);

} // namespace zoki
