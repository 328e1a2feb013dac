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

namespace {

// Kept out of line, so that storeLine stays small enough to be inlined into
// the loop over the lines.
[[gnu::noinline]] void replaceValue(std::string& value, std::string_view line) { value.assign(line); }

// Overwrites a value with a line. Every statistics run re-reads the whole
// file, so a line of one or two characters mostly lands on a value of the
// same length that the last read left: it is written in place, with no
// branch on which of the two lengths it has.
void storeLine(std::string& value, std::string_view line) {
    const std::size_t n = line.size();
    if ((n == 1 || n == 2) && value.size() == n) {
        value[0] = line[0];
        value[n - 1] = line[n - 1];
    } else {
        replaceValue(value, line);
    }
}

void tellNotRewritten(Program& p, const ProgramError& e) {
    p.message(msg::fileFailure(msg::kDrawFileNotRewritten, e.what(), msg::kFileUnchanged), msg::kWarning, Buttons::Ok,
              Icon::Critical);
}

} // namespace

bool drawValues(std::string_view text, std::vector<std::string>& values) {
    std::size_t count = 0;
    bool dropped = false;
    forEachLine(text, [&](std::string_view line) {
        if (line.empty()) {
            dropped = true;
            return;
        }
        if (line.front() == ' ' || line.back() == ' ')
            line = trimSpacesView(line);
        if (count == values.size())
            values.emplace_back();
        storeLine(values[count++], line);
    });
    while (count > 0 && values[count - 1].empty())
        --count;
    values.resize(count);
    return dropped;
}

namespace {

// `entries` to write back over what `read` found: where a value that a line
// of spaces left empty is still empty at its place, it gets that line back.
std::vector<std::string> keepSpaceLines(const DrawFileRead& read, std::vector<std::string> entries) {
    const std::size_t n = std::min(read.values.size(), entries.size());
    const auto blank = [&](std::size_t i) { return read.values[i].empty() && entries[i].empty(); };
    std::size_t i = 0;
    while (i < n && !blank(i))
        ++i;
    if (i == n)
        return entries;
    std::vector<std::string> lines = splitLines(decodeText(*read.bytes));
    std::erase_if(lines, [](const std::string& line) { return line.empty(); });
    for (; i < n; ++i)
        if (blank(i))
            entries[i] = std::move(lines[i]);
    return entries;
}

// Each entry trimmed; an entry of spaces only as it is, never an empty line.
std::vector<std::string> fileLines(const std::vector<std::string>& entries, std::size_t from) {
    std::vector<std::string> lines;
    lines.reserve(entries.size() - std::min(from, entries.size()));
    for (std::size_t i = from; i < entries.size(); ++i) {
        std::string trimmed = trimSpaces(entries[i]);
        if (trimmed.empty())
            lines.push_back(entries[i]);
        else
            lines.push_back(std::move(trimmed));
    }
    return lines;
}

// True when `entries` are what `from` found, then more.
bool onlyAdds(const std::vector<std::string>& entries, const DrawFileRead& from) {
    const std::vector<std::string>& held = from.values;
    return entries.size() > held.size() && std::equal(held.begin(), held.end(), entries.begin());
}

} // namespace

DrawFileRead DrawFile::read() const {
    DrawFileRead read;
    read.bytes = readFileIfExists(path_, kMaxDataFileBytes);
    if (read.bytes)
        read.untidy = drawValues(decodeText(*read.bytes), read.values);
    return read;
}

void DrawFile::reload(DrawTable& table) const {
    const std::string text = readText(path_, kMaxDataFileBytes);
    std::vector<std::string> values = table.release();
    drawValues(text, values);
    table = DrawTable::withSpare(std::move(values));
}

bool DrawFile::holds(const DrawFileRead& from) const {
    return readFileIfExists(path_, kMaxDataFileBytes) == from.bytes;
}

void DrawFile::save(const std::vector<std::string>& entries, const DrawFileRead& from) const {
    const std::vector<std::string> lines = fileLines(keepSpaceLines(from, entries), 0);
    SaveOptions options{.expected = from.bytes};
    if (onlyAdds(entries, from))
        options.appended = textFileBytes(fileLines(entries, from.values.size()));
    replaceFileAtomically(path_, dataFileBytes(path_, lines), options);
}

void DrawFile::createIfMissing() const { createEmptyIfMissing(path_); }

void loadDrawFileAtStartup(Program& p) {
    const DrawFile file(p.drawPath());
    DrawFileRead read;
    try {
        read = file.read();
    } catch (const FileError& e) {
        // A file that is there but cannot be read is not an empty history:
        // nothing may be written over it. Every later command that writes
        // data.dat reads it first, so none does until it can be read.
        p.s.drawTable = DrawTable();
        p.message(msg::fileFailure(msg::kDrawFileNotRead, e.what(), msg::kDrawFileLeftAlone), msg::kWarning,
                  Buttons::Ok, Icon::Critical);
        return;
    }
    if (!read.bytes) {
        p.s.drawTable = DrawTable();
        try {
            file.createIfMissing();
        } catch (const FileError& e) {
            tellNotRewritten(p, e);
        }
        return;
    }
    if (!read.untidy) {
        p.s.drawTable = DrawTable(std::move(read.values));
        return;
    }
    p.s.drawTable = DrawTable(read.values);
    try {
        // Where the file cannot be replaced whole (a folder that cannot be
        // written), the clean-up is refused rather than done in place, which
        // a crash could leave half done; every read drops the empty lines
        // anyway.
        file.save(read.values, read);
    } catch (const ProgramError& e) {
        // FileError, or EncodingError for a text the code page cannot hold;
        // the table in memory is the cleaned one, which holds the same values.
        tellNotRewritten(p, e);
    }
}

void reloadDrawTable(Program& p) { DrawFile(p.drawPath()).reload(p.s.drawTable); }

void LoadDrawFile(Program& p) {
    Form2& f2 = p.form2();
    for (int i = 0; i < kHighestNumber; ++i)
        f2.Label1(i).setCaption(decimalText(i + 1));
    // A file that cannot be read now keeps the earlier table.
    tryStep([&] { reloadDrawTable(p); });
    tryStep([&] { ShowRecentDraws(p); });
}

} // namespace zoki
