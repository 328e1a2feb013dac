#include "draws/draw_file.h"

#include "base/atomic_save.h"
#include "base/errors.h"
#include "base/loto.h"
#include "base/numtext.h"
#include "base/steps.h"
#include "base/textfile.h"
#include "draws/recent_draws.h"
#include "program/messages.h"
#include "program/program.h"

#include <algorithm>
#include <string_view>

namespace zoki {

void loadDrawFileAtStartup(Program& p) {
    FileContent read;
    try {
        read = readFileIfExists(p.drawPath(), kMaxDataFileBytes);
    } catch (const FileError& e) {
        // A file that is there but cannot be read is not an empty history:
        // nothing may be written over it. Every later command that writes
        // data.dat reads it first, so none does until it can be read.
        p.s.drawTable = DrawTable();
        p.message(msg::fileFailure(msg::kDrawFileNotRead, e.what(), msg::kDrawFileLeftAlone), msg::kWarning,
                  Buttons::Ok, Icon::Critical);
        return;
    }
    if (!read) {
        p.s.drawTable = DrawTable();
        try {
            createEmptyIfMissing(p.drawPath());
        } catch (const FileError& e) {
            p.message(msg::fileFailure(msg::kDrawFileNotRewritten, e.what(), msg::kFileUnchanged), msg::kWarning,
                      Buttons::Ok, Icon::Critical);
        }
        return;
    }

    const std::string text = decodeText(*read);
    StartupDrawValues reading = startupDrawValues(text);
    std::vector<std::string>& table = reading.values;
    if (!reading.hadEmptyLines) {
        p.s.drawTable = DrawTable(std::move(table));
        return;
    }
    p.s.drawTable = DrawTable(table);
    // A line of spaces is an empty value in the table but goes back as it
    // was: written as an empty line, the next start would drop it and shift
    // every later draw by one line.
    std::vector<std::string> drawFileLines = splitLines(text);
    std::erase_if(drawFileLines, [](const std::string& line) { return line.empty(); });
    std::vector<std::string> entries = table;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].empty())
            entries[i] = drawFileLines[i];
    try {
        // The clean-up only tidies the file: where it could not replace the
        // file whole (a folder that cannot be written), it is left as it is
        // rather than rewritten in place, which a crash could leave half done.
        writeDrawFile(p, entries, {.expected = read, .inPlaceAllowed = false});
    } catch (const ProgramError& e) {
        // The old file stays as it was (FileError, or EncodingError for a
        // text the code page cannot hold); the table in memory is the
        // cleaned one, which holds the same values.
        p.message(msg::fileFailure(msg::kDrawFileNotRewritten, e.what(), msg::kFileUnchanged), msg::kWarning,
                  Buttons::Ok, Icon::Critical);
    }
}

StartupDrawValues startupDrawValues(std::string_view text) {
    // The lines as read, empty ones dropped; a line's value is its trimmed
    // text. Trimmed only into the table, so that a rewrite can give a line
    // of spaces back as it was. The table is read in one pass; the raw lines
    // are kept only for the rewrite, which a tidy file never needs.
    StartupDrawValues reading;
    std::vector<std::string>& table = reading.values;
    table.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    forEachLine(text, [&](std::string_view line) {
        if (line.empty())
            reading.hadEmptyLines = true;
        else
            table.emplace_back(trimSpacesView(line));
    });
    // The table ends with the last value that is not empty; a line of spaces
    // before it leaves an empty value at its place.
    while (!table.empty() && table.back().empty())
        table.pop_back();
    return reading;
}

DrawTable readDrawFileToLook(const std::filesystem::path& path) {
    const FileContent read = readFileIfExists(path, kMaxDataFileBytes);
    if (!read)
        return DrawTable();
    return DrawTable(startupDrawValues(decodeText(*read)).values);
}

DrawTable readDrawTableWithSpare(Program& p) {
    DrawTable table;
    readDrawTableWithSpare(p, table);
    return table;
}

namespace {

// Kept out of line, so that storeLine stays small enough to be inlined into
// the loop over the lines.
[[gnu::noinline]] void replaceValue(std::string& value, std::string_view line) { value.assign(line); }

// Overwrites a value of the table with a line. Every statistics run re-reads
// the whole file, so a line of one or two characters mostly lands on a value
// of the same length that the last read left: it is written in place, with
// no branch on which of the two lengths it has.
void storeLine(std::string& value, std::string_view line) {
    const std::size_t n = line.size();
    if ((n == 1 || n == 2) && value.size() == n) {
        value[0] = line[0];
        value[n - 1] = line[n - 1];
    } else {
        replaceValue(value, line);
    }
}

} // namespace

void readDrawTableWithSpare(Program& p, DrawTable& table) {
    const std::string text = readText(p.drawPath(), kMaxDataFileBytes);
    std::vector<std::string> lines = table.release();
    std::size_t count = 0;
    forEachLine(text, [&](std::string_view line) {
        if (!line.empty() && (line.front() == ' ' || line.back() == ' '))
            line = trimSpacesView(line);
        if (count == lines.size())
            lines.emplace_back();
        storeLine(lines[count++], line);
    });
    lines.resize(count);
    table = DrawTable::withSpare(std::move(lines));
}

void LoadDrawFile(Program& p) {
    Form2& f2 = p.form2();
    for (int i = 0; i < kHighestNumber; ++i)
        f2.Label1(i).setCaption(decimalText(i + 1));
    // A file that cannot be read now keeps the earlier table.
    tryStep([&] { readDrawTableWithSpare(p, p.s.drawTable); });
    tryStep([&] { ShowRecentDraws(p); });
}

bool writeDrawFile(Program& p, const std::vector<std::string>& entries, const SaveOptions& options) {
    std::vector<std::string> lines;
    lines.reserve(entries.size());
    for (const std::string& e : entries) {
        // Never an empty line for a line of spaces: see the start-up load.
        std::string trimmed = trimSpaces(e);
        if (trimmed.empty())
            lines.push_back(e);
        else
            lines.push_back(std::move(trimmed));
    }
    return replaceFileAtomically(p.drawPath(), dataFileBytes(p.drawPath(), lines), options);
}

} // namespace zoki
