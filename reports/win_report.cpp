// "過去の当選データを出力する(&H)": every registered draw, one line each.
#include "program/program.h"
#include "reports/report_file.h"
#include "reports/reports.h"

#include <algorithm>
#include <span>
#include <string>

namespace zoki {

std::optional<std::array<std::string, kLinesPerDraw>> cutDrawRecord(std::string_view record) {
    constexpr std::size_t last = kNumbersPerSet - 1;
    std::array<std::size_t, kNumbersPerSet> dash{};
    std::size_t from = 0;
    for (std::size_t i = 0; i < dash.size(); ++i) {
        dash[i] = record.find('-', from);
        if (dash[i] == std::string_view::npos)
            return std::nullopt;
        from = dash[i] + 1;
    }
    const std::size_t underscore = record.find('_');
    // A "_" before the last "-" only comes from a damaged value; no bonus can
    // be cut from such a record.
    if (underscore == std::string_view::npos || underscore < dash[last])
        return std::nullopt;

    std::array<std::string, kLinesPerDraw> numbers;
    numbers[0] = record.substr(0, dash[0]);
    for (std::size_t i = 1; i < dash.size(); ++i)
        numbers[i] = record.substr(dash[i - 1] + 1, dash[i] - dash[i - 1] - 1);
    numbers[kBonusPosition] = record.substr(dash[last] + 1, underscore - dash[last] - 1);
    return numbers;
}

namespace {

// The record the report has always cut a damaged draw from: its values each
// followed by "-", the bonus by "_" (the draw number after it takes no part
// in the cut).
std::string damagedDrawRecord(std::span<const std::string> values) {
    std::string record;
    for (std::size_t i = 0; i < values.size(); ++i) {
        record += values[i];
        record += i == kBonusPosition ? '_' : '-';
    }
    return record;
}

} // namespace

std::optional<DrawTexts> reportedDraw(std::span<const std::string> values) {
    const bool damaged = std::any_of(values.begin(), values.end(), [](const std::string& value) {
        return value.find_first_of("-_") != std::string::npos;
    });
    if (damaged)
        return cutDrawRecord(damagedDrawRecord(values));
    if (values.size() != kLinesPerDraw)
        return std::nullopt;
    DrawTexts draw;
    std::copy(values.begin(), values.end(), draw.begin());
    return draw;
}

ReportText winNumbersReport(const std::vector<std::string>& drawTable) {
    const std::string banner(53, '#');
    ReportText r;
    r.line(banner);
    r.line("                  LOTO 6 WIN NO DATA                 ");
    r.line(banner);
    r.line();
    for (std::size_t i = 0; i * kLinesPerDraw < drawTable.size(); ++i) {
        const std::size_t first = i * kLinesPerDraw;
        const auto numbers = reportedDraw(
            std::span(drawTable).subspan(first, std::min<std::size_t>(kLinesPerDraw, drawTable.size() - first)));
        if (!numbers) // the values after the last draw
            continue;
        std::string text = concat("    第", twoDigits(static_cast<long long>(i + 1)), "回当選番号 : ");
        for (std::size_t k = 0; k < kNumbersPerSet; ++k) {
            if (k > 0)
                text += "  ";
            text += twoDigits((*numbers)[k]);
        }
        text += concat("  (", twoDigits((*numbers)[kBonusPosition]), ")");
        r.line(text);
    }
    r.line();
    r.line(banner);
    return r;
}

void vResHitNoData_Click(Program& p) {
    const auto path = chooseReportPath(p);
    if (!path)
        return;
    const ReportText report = winNumbersReport(p.stats.countedTable);
    saveReport(p, *path, [&](SaveOptions&) { return report.bytes(); });
}

} // namespace zoki
