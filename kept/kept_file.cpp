#include "kept/kept_file.h"

#include "base/atomic_save.h"
#include "base/backup.h"
#include "base/errors.h"
#include "base/loto.h"
#include "base/numtext.h"
#include "base/textfile.h"
#include "program/main_window.h"
#include "program/messages.h"
#include "program/program.h"

#include <ctime>
#include <string>
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
    std::optional<std::vector<std::string>> lines;
    try {
        lines = readTextLinesIfExists(p.outPath(), kMaxDataFileBytes);
    } catch (const FileError& e) {
        // Too large to read is no reason to keep the draws out of sight; every
        // save of the kept sets reads the file first, so none writes to it.
        // Any other failure still stops the start.
        if (e.error() != kFileTooLarge)
            throw;
        p.s.outHistory.clear();
        p.message(msg::fileFailure(msg::kHistoryNotRead, e.what(), msg::kHistoryLeftAlone), msg::kWarning, Buttons::Ok,
                  Icon::Critical);
        return;
    }
    if (!lines) {
        createEmptyIfMissing(p.outPath());
        lines = readTextLines(p.outPath(), kMaxDataFileBytes);
    }
    p.s.outHistory.clear();
    p.s.outHistory = withSpare(std::move(*lines));
}

bool saveInfo(Program& p) {
    // Only the run's own sets: a larger earlier run may have left more behind.
    const int n = p.setCount;
    std::vector<std::string> entries;
    for (auto it = p.predictNumbers.begin(); it != p.predictNumbers.begin() + kNumbersPerSet * n; ++it)
        entries.push_back(cellText(*it));
    const std::vector<std::string> before = p.s.outHistory;
    try {
        // A file removed by another program since start-up is an empty
        // history: the run's sets are kept rather than lost.
        const FileContent read = readFileIfExists(p.outPath(), kMaxDataFileBytes);
        std::vector<std::string> lines = read ? textLines(*read) : std::vector<std::string>();
        p.s.outHistory = withSpare(lines);
        lines.insert(lines.end(), entries.begin(), entries.end());
        replaceFileAtomically(p.outPath(), dataFileBytes(p.outPath(), lines),
                              {.expected = read, .appended = textFileBytes(entries)});
        return true;
    } catch (const ProgramError& e) { // FileError, or EncodingError for a text the code page cannot hold
        p.s.outHistory = before;
        tellWriteFailure(p, e);
        return false;
    }
}

void reloadOutHistoryTrimmed(Program& p) {
    try {
        std::vector<std::string> lines = readTextLines(p.outPath(), kMaxDataFileBytes);
        for (std::string& line : lines)
            line = trimSpaces(line);
        p.s.outHistory = withSpare(std::move(lines));
    } catch (const FileError&) {
        // The file vanished after it was written: keep what is held.
    }
}

void DummyFormLoad(Program& p) {
    dataClear(p);
    std::vector<std::string> lines = readTextLines(p.outPath(), kMaxDataFileBytes);
    if (!lines.empty())
        p.s.outHistory = withSpare(std::move(lines));
}

void outDataClear_Click(Program& p) {
    // The erased sets are kept first as a dated backup beside the file, so
    // that the one keystroke that erases them can be undone. A file that is
    // already gone is fine; a failure to read, back up or empty it leaves the
    // history in place, and the user must not believe it erased. A link
    // stays: its file is emptied.
    try {
        const FileContent read = readFileIfExists(p.outPath(), kMaxDataFileBytes);
        if (read && !read->empty())
            keepBackup(p.outPath(), *read, std::time(nullptr));
        replaceFileAtomically(p.outPath(), "", {.expected = read});
    } catch (const FileError& e) {
        tellClearFailure(p, e.what());
    }
}

} // namespace zoki
