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

// data.dat, the winning draws: its one reader and its one writer. Every read
// follows the same rules (drawValues); every save is planned from a read and
// written only while the file still holds what that read found.
class DrawFile {
public:
    explicit DrawFile(std::filesystem::path path) : path_(std::move(path)) {}

    // Throws FileError when it is there but cannot be read.
    DrawFileRead read() const;
    // The values, then one spare empty element, written over `table`, whose
    // storage is reused: the re-read after every statistics run. Throws
    // FileError, also when there is no file, and leaves `table` as it was.
    void reload(DrawTable& table) const;
    // Whether the file still holds what `from` found. Throws FileError.
    bool holds(const DrawFileRead& from) const;

    // Replaces the file with `entries`, planned from `from`: each trimmed, one
    // per line, in the system code page; a value that a line of spaces left
    // empty keeps that line, since an empty line would be dropped by the next
    // read and shift every later draw. Where the file can only be written in
    // place, entries that only add to what `from` found go after the old
    // bytes, and anything else is refused (see replaceFileAtomically). Throws
    // FileError (kChangedSinceRead when the file no longer holds what `from`
    // found; kFileTooLarge beyond what the next start could read) or
    // EncodingError, and leaves the old file on failure.
    void save(const std::vector<std::string>& entries, const DrawFileRead& from) const;
    // Creates the file empty when there is none; never replaces one.
    void createIfMissing() const;

private:
    std::filesystem::path path_;
};

// Start-up load of data.dat: drops empty lines (rewriting the file when it
// had any, or creating it when missing) and leaves drawTable without a spare.
// A file that cannot be read, or not rewritten, is told once and left alone.
void loadDrawFileAtStartup(Program& p);

// Reads data.dat again into drawTable, one spare empty element after its
// values. The table already holds what the program wrote; the file is read
// again where the window's behaviour says so (after every statistics run,
// and after a kept run), so that what another program wrote meanwhile shows
// too. A file that cannot be read keeps the earlier table (FileError).
void reloadDrawTable(Program& p);

// Re-reads data.dat into drawTable (reloadDrawTable) and refreshes the recent
// draws panel. A file that has vanished keeps the earlier table.
void LoadDrawFile(Program& p);

} // namespace zoki
