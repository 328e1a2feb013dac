#pragma once

#include "base/atomic_save.h"
#include "base/draw_table.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zoki {

class Program;

// The values of data.dat's text, by the one set of rules every read of it
// follows: a line with no characters is dropped, every other line is trimmed
// of spaces (a line of spaces leaves an empty value at its place), and the
// values end with the last one that is not empty. Written over `values`,
// whose storage is reused. True when a line was dropped: the file wants the
// start-up's tidying.
bool drawValues(std::string_view text, std::vector<std::string>& values);

// data.dat as one read found it.
struct DrawFileRead {
    FileContent bytes; // std::nullopt: there was no such file
    std::vector<std::string> values;
    bool untidy = false; // see drawValues
};

// `entries` to write back over what `read` found: where a value that a line
// of spaces left empty is still empty at its place, it gets that line back.
// Written as an empty line, the next read would drop it and shift every
// later draw by one line.
std::vector<std::string> keepSpaceLines(const DrawFileRead& read, std::vector<std::string> entries);

// The one reader of data.dat. Throws FileError when it is there but cannot be
// read.
DrawFileRead readDrawFile(const std::filesystem::path& path);

// Start-up load of data.dat: drops empty lines (rewriting the file when it
// had any, or creating it when missing) and leaves drawTable without a spare.
// A file that cannot be read, or not rewritten, is told once and left alone.
void loadDrawFileAtStartup(Program& p);

// Re-reads data.dat into drawTable with one spare empty element and refreshes
// the recent draws panel. A file that has vanished keeps the earlier table.
void LoadDrawFile(Program& p);

// data.dat's values, then one spare empty element, written over `table`,
// whose storage is reused; a file that cannot be read throws and leaves
// `table` as it was.
void readDrawTableWithSpare(Program& p, DrawTable& table);

// Replaces data.dat with the given entries, each trimmed, one per line, in
// the system code page. An entry of spaces only is written as it is, never as
// an empty line, which the next start-up would remove. Atomic (see
// replaceFileAtomically); throws FileError (or EncodingError for a text the
// code page cannot hold, or kFileTooLarge for more than the next start could
// read) and leaves the old file on failure.
void writeDrawFile(Program& p, const std::vector<std::string>& entries, const SaveOptions& options = {});

// The lines a save adds after what data.dat held (entries `from` on), as
// SaveOptions::appended wants them.
std::string addedDrawLines(const std::vector<std::string>& entries, std::size_t from);

} // namespace zoki
