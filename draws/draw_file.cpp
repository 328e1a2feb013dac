#include "draws/draw_file.h"

#include "app/errors.h"
#include "app/numtext.h"
#include "app/program.h"
#include "app/steps.h"
#include "app/textfile.h"
#include "draws/recent_draws.h"

namespace zoki {

void loadDrawFileAtStartup(Program& p) {
    bool rewrite = false;
    std::vector<std::string> lines;
    if (auto read = readLinesIfExists(p.drawPath()))
        lines = std::move(*read);
    else
        rewrite = true;

    p.s.drawFileLines.clear();
    for (const std::string& line : lines) {
        if (line.empty()) {
            rewrite = true;
            continue;
        }
        p.s.drawFileLines.push_back(trimSpaces(line));
    }

    p.s.drawTable.clear();
    for (std::size_t i = 0; i < p.s.drawFileLines.size(); ++i) {
        if (p.s.drawFileLines[i].empty())
            continue;
        p.s.drawTable.resize(i + 1);
        p.s.drawTable[i] = p.s.drawFileLines[i];
    }

    if (!rewrite)
        return;
    try {
        writeDrawFile(p, p.s.drawTable);
    } catch (const FileError& e) {
        // The old file stays as it was; the table in memory is the cleaned
        // one, which holds the same values.
        p.message("当選データファイル (data.dat) を書き換えられませんでした。\r" + std::string(e.what()) +
                      "\rファイルは変更されていません。",
                  "警告", Buttons::Ok, Icon::Critical);
    }
}

std::vector<std::string> readDrawTableWithSpare(Program& p) {
    std::vector<std::string> table = readLines(p.drawPath());
    for (std::string& line : table)
        if (!line.empty() && (line.front() == ' ' || line.back() == ' '))
            line = trimSpaces(line);
    table.emplace_back();
    return table;
}

void LoadDrawFile(Program& p) {
    Form2& f2 = p.form2();
    for (int i = 0; i < 43; ++i)
        f2.Label1(i).setCaption(decimalText(i + 1));
    // Read first, so that a file that has vanished keeps the earlier table
    // and its line count.
    const bool read = tryStep([&] { p.s.drawTable = readDrawTableWithSpare(p); });
    if (read)
        tryStep([&] { p.s.drawLineCount = Int16(static_cast<long long>(p.s.drawTable.size()) - 1); });
    tryStep([&] { ShowRecentDraws(p); });
}

void writeDrawFile(Program& p, const std::vector<std::string>& entries) {
    std::vector<std::string> lines;
    lines.reserve(entries.size());
    for (const std::string& e : entries)
        lines.push_back(trimSpaces(e));
    replaceFileAtomically(p.drawPath(), joinLines(lines));
}

} // namespace zoki
