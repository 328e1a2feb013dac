// "過去の結果を出力する(&W)": every kept set ranked against every draw.
#include "reports/hit_history.h"

#include "base/numtext.h"
#include "matching/pages.h"
#include "matching/prize.h"
#include "program/messages.h"
#include "program/program.h"
#include "reports/report_file.h"
#include "reports/reports.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace zoki {

namespace {

// A draw or set cut short by a damaged file reads as empty texts past its
// end, like the spare element, instead of stopping the report.
const std::string& entry(const std::vector<std::string>& table, long long index) {
    static const std::string none;
    if (index < 0 || static_cast<std::size_t>(index) >= table.size())
        return none;
    return table[static_cast<std::size_t>(index)];
}

} // namespace

std::int64_t& HistData::counter(int rank) {
    switch (rank) {
    case 1:
        return hitCount1;
    case 2:
        return hitCount2;
    case 3:
        return hitCount3;
    case 4:
        return hitCount4;
    case 5:
        return hitCount5;
    default:
        return missCount;
    }
}

std::vector<std::string>& HistData::list(int rank) {
    switch (rank) {
    case 1:
        return hitList1;
    case 2:
        return hitList2;
    case 3:
        return hitList3;
    case 4:
        return hitList4;
    default:
        return hitList5;
    }
}

HistDraw histDraw(const std::vector<std::string>& drawTable, long long d) {
    HistDraw draw;
    draw.entryHead = concat("第", twoDigits(d), "回データ当選履歴");
    for (std::size_t i = 0; i < draw.texts.size(); ++i) {
        draw.texts[i] = entry(drawTable, kLinesPerDraw * (d - 1) + static_cast<long long>(i));
        if (i != kBonusPosition)
            draw.entryHead += concat(twoDigits(draw.texts[i]), "-");
    }
    draw.entryHead += concat("(", twoDigits(draw.texts[kBonusPosition]), ") <-> ");
    return draw;
}

HistSet histSet(const std::vector<std::string>& outHistory, long long k) {
    HistSet set;
    set.entryTail = concat("第", twoDigits(k), "回データ履歴番号");
    for (std::size_t j = 0; j < set.texts.size(); ++j) {
        set.texts[j] = entry(outHistory, kLinesPerSet * (k - 1) + static_cast<long long>(j));
        if (j > 0)
            set.entryTail += "-";
        set.entryTail += twoDigits(set.texts[j]);
    }
    return set;
}

void hitRecord(HistData& h, const HistDraw& draw, const HistSet& set) {
    const int rank = prizeRank(draw.texts, set.texts).rank;
    ++h.counter(rank);
    if (rank >= 1 && rank <= kPrizeRanks)
        h.list(rank).push_back(draw.entryHead + set.entryTail);
}

HistData rankAllPairs(const std::vector<std::string>& drawTable, const std::vector<std::string>& outHistory,
                      long long draws, long long sets) {
    HistData h;
    std::vector<HistSet> kept;
    kept.reserve(static_cast<std::size_t>(std::max(sets, 0LL)));
    for (long long k = 1; k <= sets; ++k)
        kept.push_back(histSet(outHistory, k));
    for (long long d = 1; d <= draws; ++d) {
        const HistDraw draw = histDraw(drawTable, d);
        for (const HistSet& set : kept)
            hitRecord(h, draw, set);
    }
    return h;
}

ReportText hitHistoryReport(const HistData& h) {
    const std::int64_t total = h.total();
    const std::string totalText = std::to_string(total);
    const std::string banner(86, '#');

    ReportText r;
    std::size_t size = 4096;
    for (int rank = 1; rank <= kPrizeRanks; ++rank)
        for (const std::string& e : h.list(rank))
            size += e.size() + 2;
    r.reserve(size);

    r.line(banner);
    r.line("                            LOTO 6 HIT NUMBERS HISTORY DATA                           ");
    r.line(banner);
    r.line();
    for (int rank = 1; rank <= kPrizeRanks; ++rank) {
        const std::int64_t count = h.counter(rank);
        r.line(rankHeading(rank), "  当選確立 … ", rateText(count, total), "%");
        r.line("確率 : ", std::to_string(count), " / ", totalText);
        if (count == 0)
            r.line("該当なし");
        for (const std::string& e : h.list(rank))
            r.line(e);
        r.line();
    }
    r.line(rankHeading(0), "  当選確立 … ", rateText(h.missCount, total), "%");
    r.line("確率 : ", std::to_string(h.missCount), " / ", totalText);
    r.line();
    r.line(banner);
    return r;
}

void makeHistData(Program& p) {
    const auto path = chooseReportPath(p);
    if (!path)
        return;

    if (const char* warning = matchWarning(p.s.drawTable.elements(), p.s.outHistory)) {
        p.message(warning, msg::kWarningBracketed);
        return;
    }

    // Every draw and kept set, whatever the match search window's 16-bit
    // scroll bars can reach.
    const long long n = drawPageCount(p.s.drawTable.highestIndex());
    const long long m = setPageCount(highestIndex(p.s.outHistory));

    // Ranking cannot stop part-way (missing entries read as empty, counters
    // are wide), so a report never covers only some of the pairs; a failed
    // write is told to the user instead of passing for success.
    HistData h = rankAllPairs(p.s.drawTable.elements(), p.s.outHistory, n, m);
    h.histPath = *path;
    printHistData(p, h);
}

bool printHistData(Program& p, const HistData& h) {
    const ReportText report = hitHistoryReport(h);
    return saveReport(p, h.histPath, [&](SaveOptions&) { return report.bytes(); });
}

void vResHistData_Click(Program& p) { makeHistData(p); }

std::string rateText(std::int64_t count, std::int64_t total) {
    // Nothing was ranked: no share to speak of, rather than a division by zero.
    if (total == 0)
        return "0";
    const double rate = static_cast<double>(count) / static_cast<double>(total) * 100.0;
    return singleText(static_cast<float>(rate));
}

std::string singleText(float value) {
    if (value == 0.0f)
        return "0";
    char buf[32];
    // Seven significant digits: "d.dddddde±XX".
    std::snprintf(buf, sizeof buf, "%.6e", static_cast<double>(value));
    std::string text(buf);
    std::string sign;
    if (text[0] == '-') {
        sign = "-";
        text.erase(0, 1);
    }
    const std::size_t e = text.find('e');
    const int exponent = std::atoi(text.c_str() + e + 1);
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (exponent < 0) {
        out = concat("0.", std::string(static_cast<std::size_t>(-exponent - 1), '0'), digits);
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out = concat(digits, std::string(whole - digits.size(), '0'));
        } else {
            out = concat(digits.substr(0, whole), ".", digits.substr(whole));
        }
    }
    return concat(sign, out);
}

} // namespace zoki
