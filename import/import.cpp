#include "import/import.h"

#include "base/backup.h"
#include "base/encoding.h"
#include "base/errors.h"
#include "base/file_read.h"
#include "base/loto.h"
#include "base/numtext.h"
#include "base/steps.h"
#include "base/textfile.h"
#include "draws/draw_file.h"
#include "draws/statistics.h"
#include "import/history_parser.h"
#include "import/import_messages.h"
#include "import/merge_plan.h"
#include "program/messages.h"
#include "program/program.h"

#include <algorithm>
#include <cstddef>
#include <ctime>
#include <optional>

namespace zoki {

namespace {

// The whole history with every prize column is far below this; a larger
// file is not a draw history, and reading it would only cost memory.
constexpr std::size_t kMaxFileBytes = std::size_t{16} << 20;

void fail(Program& p, const std::string& text) { p.message(text, msg::kWarningBracketed, Buttons::Ok, Icon::Critical); }

std::optional<std::string> readHistoryFile(Program& p, const std::filesystem::path& file, const std::string& name) {
    try {
        return readFile(file, kMaxFileBytes);
    } catch (const FileError& e) {
        fail(p, e.error() == kFileTooLarge ? importFileTooLarge(name) : importFileNotRead(name, e.what()));
        return std::nullopt;
    }
}

std::optional<DrawFileRead> readCurrentDrawFile(Program& p) {
    try {
        // A data.dat removed since start-up is an empty history.
        return DrawFile(p.drawPath()).read();
    } catch (const FileError& e) {
        fail(p, importDrawFileNotRead(e.what()));
        return std::nullopt;
    }
}

// Whether data.dat still holds what the merge was planned from; told when
// it does not (another program wrote it while the question was open). The
// save checks it too; this is asked first only where a backup would be
// written before the save.
bool unchangedSinceRead(Program& p, const DrawFileRead& read) {
    try {
        if (DrawFile(p.drawPath()).holds(read))
            return true;
        fail(p, importNotSaved(msg::kDrawFileNotSaved,
                               FileError(p.drawPath(), FileAction::Write, kChangedSinceRead).what()));
    } catch (const FileError& e) {
        fail(p, importNotSaved(msg::kDrawFileNotSaved, e.what()));
    }
    return false;
}

bool writes(MergeCase kind) {
    return kind == MergeCase::TakeAll || kind == MergeCase::Append || kind == MergeCase::Replace;
}

void refuse(Program& p, const std::string& name, const DrawHistory& history, const MergePlan& plan) {
    // Nothing new is news, not a fault.
    p.message(importRefusal(name, history, plan),
              plan.kind == MergeCase::NothingNew ? kImportTitle : msg::kWarningBracketed);
}

// The replaced data.dat, kept under a name of its own; its name, or
// std::nullopt after telling why it could not be kept.
std::optional<std::string> saveBackup(Program& p, const std::string& oldBytes) {
    try {
        return keepBackup(p.drawPath(), oldBytes, std::time(nullptr)).filename().string();
    } catch (const FileError& e) {
        fail(p, importNotSaved(kBackupNotSaved, e.what()));
        return std::nullopt;
    }
}

bool saveDrawFile(Program& p, const std::vector<std::string>& lines, const DrawFileRead& current) {
    try {
        DrawFile(p.drawPath()).save(lines, current);
        return true;
    } catch (const ProgramError& e) {
        fail(p, importNotSaved(msg::kDrawFileNotSaved, e.what()));
        return false;
    }
}

// Writes data.dat and shows what it now holds; false when it could not be
// written (and that was told).
bool save(Program& p, const std::vector<std::string>& lines, const DrawFileRead& current) {
    if (!saveDrawFile(p, lines, current))
        return false;
    p.s.drawTable = DrawTable(lines);
    // The draws are saved; statistics that stop on damaged data change
    // nothing about that.
    tryStep([&] { RefreshStatistics(p); });
    return true;
}

void importChosen(Program& p, const std::string& chosen) {
    const std::filesystem::path file(chosen);
    p.lastImportFolder = file.parent_path().string();
    importDrawHistory(p, file);
}

} // namespace

bool importAvailable(const Program& p) { return p.form1.vSet.enabled() && p.form1.vImport.enabled(); }

void vImport_Click(Program& p) {
    if (const auto chosen = p.dialogs.openFileName(kImportTitle, kImportFilter, p.lastImportFolder))
        importChosen(p, *chosen);
}

void Form_OLEDragDrop(Program& p, const std::vector<std::string>& files) {
    if (!importAvailable(p) || files.empty())
        return;
    if (files.size() > 1) {
        p.message(kOneFileAtATime, msg::kWarningBracketed);
        return;
    }
    importChosen(p, files.front());
}

void importDrawHistory(Program& p, const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    const std::optional<std::string> bytes = readHistoryFile(p, file, name);
    if (!bytes)
        return;
    const DrawHistory history = parseDrawHistory(*bytes);
    const std::optional<DrawFileRead> current = readCurrentDrawFile(p);
    if (!current)
        return;
    const MergePlan plan = planMerge(current->values, history);
    const DrawHistory& reading = readingOf(history, plan);
    if (!writes(plan.kind)) {
        refuse(p, name, reading, plan);
        return;
    }
    // Replacing draws is the one answer that loses something: Enter says No.
    const bool replaces = plan.kind == MergeCase::Replace;
    if (p.message(importQuestion(name, reading, plan), msg::kQuestion,
                  replaces ? Buttons::YesNoDefaultNo : Buttons::YesNo) != Answer::Yes) {
        // No keeps data.dat's versions of the differing draws; the new
        // draws replace nothing and still come in.
        if (replaces && !plan.keptLines.empty() && save(p, plan.keptLines, *current))
            p.message(importKept(plan), kImportTitle);
        return;
    }
    std::optional<std::string> backup;
    if (replaces &&
        (!unchangedSinceRead(p, *current) || !(backup = saveBackup(p, current->bytes.value_or(std::string())))))
        return;
    if (save(p, plan.lines, *current))
        p.message(importDone(plan, backup.value_or(std::string())), kImportTitle);
}

} // namespace zoki
