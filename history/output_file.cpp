#include "history/output_file.h"

#include "app/main_window.h"
#include "app/numtext.h"
#include "app/program.h"
#include "app/textfile.h"

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

void tellWriteFailure(Program& p, const FileError& e) {
    p.message("出力履歴ファイル (OutData.dat) に保存できませんでした。\r" + std::string(e.what()) +
                  "\r履歴は変更されていません。",
              "警告", Buttons::Ok, Icon::Critical);
}

} // namespace

void loadOutHistoryAtStartup(Program& p) {
    createEmptyIfMissing(p.outPath());
    p.s.outHistory.clear();
    p.s.outHistory = withSpare(readLines(p.outPath()));
}

bool saveInfo(Program& p) {
    const std::vector<std::string> before = p.s.outHistory;
    try {
        const int n = setCount(p);
        std::vector<std::string> lines = readLines(p.outPath());
        p.s.outHistory = withSpare(lines);
        for (int i = 0; i < 6 * n; ++i)
            lines.push_back(p.predictNumbers.at(static_cast<std::size_t>(i)));
        replaceFileAtomically(p.outPath(), joinLines(lines));
        return true;
    } catch (const FileError& e) {
        p.s.outHistory = before;
        tellWriteFailure(p, e);
        return false;
    }
}

void reloadOutHistoryTrimmed(Program& p) {
    try {
        std::vector<std::string> lines = readLines(p.outPath());
        for (std::string& line : lines)
            line = trimSpaces(line);
        p.s.outHistory = withSpare(std::move(lines));
    } catch (const FileError&) {
        // The file vanished after it was written: keep what is held.
    }
}

void DummyFormLoad(Program& p) {
    dataClear(p);
    std::vector<std::string> lines = readLines(p.outPath());
    if (!lines.empty())
        p.s.outHistory = withSpare(std::move(lines));
}

void outDataClear_Click(Program& p) {
    ::unlink(p.outPath().c_str()); // a failure leaves the file as it was
    try {
        createEmptyIfMissing(p.outPath());
    } catch (const FileError&) {
        // Nothing to erase into; the command reports nothing.
    }
}

} // namespace zoki
