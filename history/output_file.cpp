#include "history/output_file.h"

#include "base/errors.h"
#include "base/loto.h"
#include "base/numtext.h"
#include "base/textfile.h"
#include "program/main_window.h"
#include "program/messages.h"
#include "program/program.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <unistd.h>
#include <vector>

namespace zoki {

namespace {

// The reading rule: every line in order, then one spare element; an empty
// file gives no elements at all.
std::vector<std::string> withSpare(std::vector<std::string> lines) {
    if (!lines.empty())
        lines.emplace_back();
    return lines;
}

void tellWriteFailure(Program& p, const ProgramError& e) {
    p.message(msg::fileFailure(msg::kHistoryNotSaved, e.what(), msg::kHistoryUnchanged), msg::kWarning, Buttons::Ok,
              Icon::Critical);
}

void tellClearFailure(Program& p, const std::string& reason) {
    p.message(msg::fileFailure(msg::kHistoryNotErased, reason), msg::kWarning, Buttons::Ok, Icon::Critical);
}

} // namespace

void loadOutHistoryAtStartup(Program& p) {
    createEmptyIfMissing(p.outPath());
    p.s.outHistory.clear();
    p.s.outHistory = withSpare(readTextLines(p.outPath()));
}

bool saveInfo(Program& p) {
    // Only the run's own sets: a larger earlier run may have left more behind.
    const int n = std::clamp(setCount(p), 0, kMaxSets);
    const std::vector<std::string> entries(p.predictNumbers.begin(), p.predictNumbers.begin() + kNumbersPerSet * n);
    const std::vector<std::string> before = p.s.outHistory;
    try {
        // A file removed by another program since start-up is an empty
        // history: the run's sets are kept rather than lost.
        std::vector<std::string> lines = readTextLinesIfExists(p.outPath()).value_or(std::vector<std::string>());
        p.s.outHistory = withSpare(lines);
        lines.insert(lines.end(), entries.begin(), entries.end());
        replaceFileAtomically(p.outPath(), textFileBytes(lines));
        return true;
    } catch (const ProgramError& e) { // FileError, or EncodingError for a text the code page cannot hold
        p.s.outHistory = before;
        tellWriteFailure(p, e);
        return false;
    }
}

void reloadOutHistoryTrimmed(Program& p) {
    try {
        std::vector<std::string> lines = readTextLines(p.outPath());
        for (std::string& line : lines)
            line = trimSpaces(line);
        p.s.outHistory = withSpare(std::move(lines));
    } catch (const FileError&) {
        // The file vanished after it was written: keep what is held.
    }
}

void DummyFormLoad(Program& p) {
    dataClear(p);
    std::vector<std::string> lines = readTextLines(p.outPath());
    if (!lines.empty())
        p.s.outHistory = withSpare(std::move(lines));
}

void outDataClear_Click(Program& p) {
    // A file that is already gone is fine; any other failure to delete leaves
    // the history in place, and the user must not believe it erased. A link
    // stays: its file goes and is made again empty.
    try {
        const std::filesystem::path target = resolveLinks(p.outPath());
        if (::unlink(target.c_str()) != 0 && errno != ENOENT) {
            tellClearFailure(p, FileError(target, FileAction::Delete, errno).what());
            return;
        }
        createEmptyIfMissing(p.outPath());
    } catch (const FileError& e) {
        tellClearFailure(p, e.what());
    }
}

} // namespace zoki
