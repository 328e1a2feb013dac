#include "import/import.h"

#include "base/encoding.h"
#include "base/errors.h"
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

#include <cstdint>
#include <optional>
#include <system_error>

namespace zoki {

namespace {

// The whole history with every prize column is far below this; a larger
// file is not a draw history, and reading it would only cost memory.
constexpr std::uintmax_t kMaxFileBytes = 16u << 20;

// Where a replaced data.dat is kept.
constexpr const char* kBackupName = "data.dat.bak";

void fail(Program& p, const std::string& text) { p.message(text, msg::kWarningBracketed, Buttons::Ok, Icon::Critical); }

std::optional<std::string> readHistoryFile(Program& p, const std::filesystem::path& file, const std::string& name) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (!ec && size > kMaxFileBytes) {
        fail(p, importFileTooLarge(name));
        return std::nullopt;
    }
    try {
        return readBytes(file);
    } catch (const FileError& e) {
        fail(p, importFileNotRead(name, e.what()));
        return std::nullopt;
    }
}

// data.dat as it is now: its bytes, kept for the backup, and its lines.
struct CurrentDrawFile {
    std::string bytes;
    std::vector<std::string> lines;
};

std::optional<CurrentDrawFile> readCurrentDrawFile(Program& p) {
    CurrentDrawFile current;
    try {
        std::error_code ec;
        // A data.dat removed since start-up is an empty history.
        if (std::filesystem::exists(p.drawPath(), ec) || ec)
            current.bytes = readBytes(p.drawPath());
    } catch (const FileError& e) {
        fail(p, importDrawFileNotRead(e.what()));
        return std::nullopt;
    }
    // Decoded as every reader of data.dat decodes it, so that writeDrawFile
    // gives back the bytes of the lines the import keeps.
    for (const std::string& line : splitLines(fromShiftJis(current.bytes)))
        current.lines.push_back(trimSpaces(line));
    return current;
}

bool writes(MergeCase kind) {
    return kind == MergeCase::TakeAll || kind == MergeCase::Append || kind == MergeCase::Replace;
}

void refuse(Program& p, const std::string& name, const DrawHistory& history, const MergePlan& plan) {
    // Nothing new is news, not a fault.
    p.message(importRefusal(name, history, plan),
              plan.kind == MergeCase::NothingNew ? kImportTitle : msg::kWarningBracketed);
}

bool saveBackup(Program& p, const std::string& oldBytes) {
    try {
        replaceFileAtomically(p.folder / kBackupName, oldBytes);
        return true;
    } catch (const FileError& e) {
        fail(p, importNotSaved(kBackupNotSaved, e.what()));
        return false;
    }
}

bool saveDrawFile(Program& p, const std::vector<std::string>& lines) {
    try {
        writeDrawFile(p, lines);
        return true;
    } catch (const FileError& e) {
        fail(p, importNotSaved(msg::kDrawFileNotSaved, e.what()));
        return false;
    }
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
    const std::optional<CurrentDrawFile> current = readCurrentDrawFile(p);
    if (!current)
        return;
    const MergePlan plan = planMerge(current->lines, history);
    const DrawHistory& reading = readingOf(history, plan);
    if (!writes(plan.kind)) {
        refuse(p, name, reading, plan);
        return;
    }
    // Replacing draws is the one answer that loses something: Enter says No.
    const bool replaces = plan.kind == MergeCase::Replace;
    if (p.message(importQuestion(name, reading, plan, kBackupName), msg::kQuestion,
                  replaces ? Buttons::YesNoDefaultNo : Buttons::YesNo) != Answer::Yes)
        return;
    if (replaces && !saveBackup(p, current->bytes))
        return;
    if (!saveDrawFile(p, plan.lines))
        return;
    p.s.drawTable = plan.lines;
    // The draws are saved; statistics that stop on damaged data change
    // nothing about that.
    tryStep([&] { RefreshStatistics(p); });
    p.message(importDone(plan, kBackupName), kImportTitle);
}

} // namespace zoki
