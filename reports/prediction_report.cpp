// "結果出力(&O)": the sets on the main window's board as a text report. Reports
// of this kind accumulate in one file, oldest first.
#include "base/textfile.h"
#include "program/main_window.h"
#include "program/messages.h"
#include "program/program.h"
#include "reports/report_file.h"
#include "reports/reports.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace zoki {

namespace {

const std::string kBanner(38, '#');
constexpr const char* kTitle = "         LOTO 6 EXPECTED DATA         ";

} // namespace

bool isPredictionReport(const std::vector<std::string>& lines) {
    return lines.size() >= 2 && lines[0] == kBanner && lines[1].find("LOTO 6 EXPECTED DATA") != std::string::npos;
}

ReportText predictionBlock(const std::array<int, kBoardCells>& cells) {
    ReportText r;
    r.line(kBanner);
    r.line(kTitle);
    r.line(kBanner);
    r.line();
    for (int row = 0; row < kMaxSets; ++row) {
        std::string text = concat("    推測", std::to_string(row + 1), " : ");
        for (int c = 0; c < kNumbersPerSet; ++c) {
            if (c > 0)
                text += "  ";
            text += twoDigits(cellText(cells[static_cast<std::size_t>(row * kNumbersPerSet + c)]));
        }
        r.line(text);
    }
    r.line();
    r.line(kBanner);
    r.line();
    r.line();
    return r;
}

void vResData_Click(Program& p) {
    const std::array<int, kBoardCells> cells = boardCells(p);
    if (std::all_of(cells.begin(), cells.end(), [](int c) { return c == 0; })) {
        p.message(msg::kPredictFirst, msg::kWarningBracketed);
        return;
    }

    const auto path = chooseReportPath(p);
    if (!path)
        return;

    saveReport(p, *path, [&](SaveOptions& options) {
        std::string bytes;
        // The title is looked for in the decoded text: in the raw bytes, a
        // character whose second byte is "L" could complete it. Earlier blocks
        // are kept byte for byte; only their line ends become CR LF.
        const FileContent read = readFileIfExists(*path, kMaxReportBytes);
        if (read) {
            const std::vector<std::string> old = textLines(*read);
            if (isPredictionReport(old))
                bytes = textFileBytes(old);
        }
        bytes += predictionBlock(cells).bytes();
        options.expected = read;
        return bytes;
    });
}

} // namespace zoki
