#pragma once

#include "matching/prize.h"
#include "reports/report_file.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zoki {

class Program;

// The hit history report being built: where it goes, the pairs counted per
// prize rank and the hits listed per rank. Every report starts from zero.
// The counters are 64-bit: a long draw history against a few dozen kept sets
// already gives more than 32767 pairs.
struct HistData {
    std::filesystem::path histPath;
    std::int64_t hitCount1 = 0;
    std::int64_t hitCount2 = 0;
    std::int64_t hitCount3 = 0;
    std::int64_t hitCount4 = 0;
    std::int64_t hitCount5 = 0;
    std::int64_t missCount = 0;
    std::vector<std::string> hitList1;
    std::vector<std::string> hitList2;
    std::vector<std::string> hitList3;
    std::vector<std::string> hitList4;
    std::vector<std::string> hitList5;

    // hitCount1..5 by rank, missCount for rank 0.
    std::int64_t& counter(int rank);
    std::int64_t counter(int rank) const { return const_cast<HistData*>(this)->counter(rank); }
    // hitList1..5 by rank 1..5.
    std::vector<std::string>& list(int rank);
    const std::vector<std::string>& list(int rank) const { return const_cast<HistData*>(this)->list(rank); }
    std::int64_t total() const { return hitCount1 + hitCount2 + hitCount3 + hitCount4 + hitCount5 + missCount; }
};

// A draw as ranked (its texts exactly as stored) and the front half of its
// hit entries: "第05回データ当選履歴01-05-12-23-34-41-(07) <-> ".
struct HistDraw {
    DrawTexts texts;
    std::string entryHead;
};

// A kept set as ranked and the back half of its entries:
// "第03回データ履歴番号01-05-12-23-34-40".
struct HistSet {
    SetTexts texts;
    std::string entryTail;
};

HistDraw histDraw(const std::vector<std::string>& drawTable, long long d);
HistSet histSet(const std::vector<std::string>& outHistory, long long k);

// Dialog, checks, ranking of every pair, report.
void makeHistData(Program& p);
// Ranks one pair, counts it and lists it under its prize.
void hitRecord(HistData& h, const HistDraw& draw, const HistSet& set);
// Every pair of draws 1..draws and kept sets 1..sets ranked, in the order
// the report lists them: draw 1 with every set, then draw 2, and so on.
HistData rankAllPairs(const std::vector<std::string>& drawTable, const std::vector<std::string>& outHistory,
                      long long draws, long long sets);
// The report's text for the counts and lists.
ReportText hitHistoryReport(const HistData& h);
// Writes the report; false (after telling the user) when it could not.
bool printHistData(Program& p, const HistData& h);

// count / total * 100 as a single-precision value, written with at most
// seven significant digits, no trailing zeros and no exponent ("33.33333").
// A total of 0 gives "0".
std::string rateText(std::int64_t count, std::int64_t total);
std::string singleText(float value);

} // namespace zoki
