#pragma once

#include "base/atomic_save.h"
#include "base/draw_table.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zoki {

class Program;

// Start-up load of data.dat: drops empty lines (rewriting the file when it
// had any and it can be replaced whole, or creating it when missing) and
// leaves drawTable without a spare. A file that cannot be read is told once
// and left alone; the table is then empty.
void loadDrawFileAtStartup(Program& p);

// The values the start-up takes from data.dat's decoded text: each line
// trimmed, empty lines dropped, the table ending at its last value that is
// not empty. hadEmptyLines tells the start-up to tidy the file.
struct StartupDrawValues {
    std::vector<std::string> values;
    bool hadEmptyLines = false;
};
StartupDrawValues startupDrawValues(std::string_view text);

// data.dat as the start-up reads it, for a command that only looks: nothing
// is written or created; a missing file is an empty table. Throws FileError.
DrawTable readDrawFileToLook(const std::filesystem::path& path);

// Re-reads data.dat into drawTable with one spare empty element and refreshes
// the recent draws panel. A file that has vanished keeps the earlier table.
void LoadDrawFile(Program& p);

// Every line of data.dat, trimmed, in order, then one spare empty element.
// Throws FileError when the file cannot be read.
DrawTable readDrawTableWithSpare(Program& p);
// The same, written over `table`, whose storage is reused; a file that
// cannot be read throws and leaves `table` as it was.
void readDrawTableWithSpare(Program& p, DrawTable& table);

// Replaces data.dat with the given entries, each trimmed, one per line, in
// the system code page. An entry of spaces only is written as it is, never as
// an empty line, which the next start-up would remove. Atomic, as the
// options allow (see replaceFileAtomically, whose result it returns); throws
// FileError (or EncodingError for a text the code page cannot hold, or
// kFileTooLarge for more than the next start could read) and leaves the old
// file on failure.
bool writeDrawFile(Program& p, const std::vector<std::string>& entries, const SaveOptions& options = {});

} // namespace zoki
