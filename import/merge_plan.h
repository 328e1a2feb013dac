#pragma once

#include "import/history_parser.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace zoki {

enum class MergeCase {
    NoDraws,        // the file gave no draw to take
    OtherGame,      // the file holds another lottery's draws
    Unreadable,     // the file's rows look like draws, but what places them cannot be read
    Unplaced,       // no draw numbers, and neither data.dat nor the dates show the first is draw 1
    Undecided,      // two readings of the file could hold, and data.dat does not tell which
    Misread,        // most draws the file shares with data.dat differ: the file was not understood
    TakeAll,        // data.dat is empty: the whole history
    Append,         // data.dat agrees with the history: the draws it lacks follow
    NothingNew,     // every imported draw is in data.dat already
    Replace,        // some draws differ: data.dat may take the file's version of them
    MissingEarlier, // the history starts after what data.dat holds
    TooLarge,       // the result would pass the 16-bit line count of data.dat
};

// A draw that differs, as data.dat has it and as the file has it.
struct Difference {
    int draw = 0;
    std::array<std::string, kLinesPerDraw> before;
    DrawNumbers after{};
};

// The differing draws a question shows side by side.
inline constexpr std::size_t kShownDifferences = 3;

struct MergePlan {
    MergeCase kind = MergeCase::NoDraws;
    std::vector<std::string> lines; // data.dat as it would be written
    int reading = 0;                // the reading of the file: 0 its own, k its rival k - 1
    int existingDraws = 0;          // whole draws data.dat holds now
    int totalDraws = 0;             // whole draws of `lines`
    int firstNew = 0;               // the first draw added (TakeAll, Append, Replace)
    int newDraws = 0;               // draws added
    int shared = 0;                 // draws of the file that data.dat holds too
    std::vector<int> changed;       // Replace, Misread: the draws that differ, ascending
    std::vector<Difference> shown;  // Replace: the first kShownDifferences of them
    // Replace with new draws: data.dat with the new draws added and its own
    // version of the differing ones kept; empty when they cannot be added
    // alone (an unfinished last draw that differs).
    std::vector<std::string> keptLines;
    int missingFrom = 0; // MissingEarlier: the draws data.dat lacks
    int missingTo = 0;
    // Undecided: the 0-based columns that could hold the draw numbers; -1
    // for a reading without draw numbers (from the last row up when it is
    // not the first).
    std::vector<int> columns;
    std::vector<int> offsets; // Undecided: the 0-based column each reading's numbers start at
};

// How an imported history meets data.dat, draw by draw: draw n of the
// history belongs at position n. `existing` is data.dat line by line
// (trimmed); empty lines at its end are not draws. Draws are compared as
// draws: the six main numbers as a set, the bonus alone, numbers by value.
// An equal draw keeps data.dat's text, a differing one takes the file's,
// every draw of data.dat the file does not cover stays, and the file's later
// draws are appended. A file most of whose shared draws differ was misread
// and is refused. When the file could be read two ways (two columns as its
// draw numbers, or without them from either end), the one reading under
// which it shares a draw with data.dat, and agrees with it but for a few,
// is taken.
MergePlan planMerge(std::vector<std::string> existing, const DrawHistory& history);

// The reading of the file that `plan` was made from.
const DrawHistory& readingOf(const DrawHistory& history, const MergePlan& plan);

} // namespace zoki
