// The report texts as functions of values, before any file or dialog.
#include "reports/hit_history.h"
#include "reports/reports.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace zoki {
namespace {

std::vector<std::string> linesOf(const ReportText& r) {
    std::vector<std::string> lines;
    const std::string& text = r.utf8();
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

TEST(ReportText, PredictionBlockWritesEveryRowWithTwoDigitCells) {
    std::array<int, kBoardCells> cells{};
    const std::array<int, 6> row1{1, 7, 9, 12, 30, 43};
    std::copy(row1.begin(), row1.end(), cells.begin());
    cells[6] = 5;
    const std::vector<std::string> lines = linesOf(predictionBlock(cells));
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[4], "    推測1 : 01  07  09  12  30  43");
    EXPECT_EQ(lines[5], "    推測2 : 05          ");
    EXPECT_EQ(lines[8], "    推測5 :           ");
    EXPECT_TRUE(isPredictionReport(lines));
    EXPECT_FALSE(isPredictionReport({lines[0]}));
    EXPECT_FALSE(isPredictionReport({std::string(53, '#'), lines[1]}));
}

TEST(ReportText, WinNumbersNumberTheDrawsThemselvesAndSkipTheSpareRecord) {
    const std::vector<std::string> lines =
        linesOf(winNumbersReport({"3", "11", "17", "28", "35", "42", "7", "5", "6", "7", "8", "9", "10", "100", ""}));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[4], "    第01回当選番号 : 03  11  17  28  35  42  (07)");
    EXPECT_EQ(lines[5], "    第02回当選番号 : 05  06  07  08  09  10  (100)");
    EXPECT_EQ(lines[6], "");
}

TEST(ReportText, PairsAreRankedDrawByDrawAndListedUnderTheirPrize) {
    const std::vector<std::string> draws = {"1", "2", "3", "4", "5", "6", "7", "1", "2", "3", "4", "5", "8", "9", ""};
    const std::vector<std::string> kept = {"1", "2", "3", "4", "5", "9", "1", "2", "3", "40", "41", "42", ""};
    const HistData h = rankAllPairs(draws, kept, 2, 2);
    EXPECT_EQ(h.total(), 4);
    EXPECT_EQ(h.hitCount3, 1); // draw 1, set 1: five mains
    EXPECT_EQ(h.hitCount2, 1); // draw 2, set 1: five mains and the bonus 9
    EXPECT_EQ(h.hitCount5, 2); // both draws with set 2: three mains
    ASSERT_EQ(h.hitList5.size(), 2u);
    EXPECT_TRUE(h.hitList5[0].starts_with("第01回データ当選履歴")) << h.hitList5[0];
    EXPECT_TRUE(h.hitList5[1].starts_with("第02回データ当選履歴")) << h.hitList5[1];

    const std::vector<std::string> lines = linesOf(hitHistoryReport(h));
    EXPECT_EQ(lines[4], "【一等当選】  当選確立 … 0%");
    EXPECT_EQ(lines[5], "確率 : 0 / 4");
    EXPECT_EQ(lines[6], "該当なし");
    EXPECT_EQ(lines[9], "確率 : 1 / 4");
    EXPECT_EQ(lines[10], "第02回データ当選履歴01-02-03-04-05-08-(09) <-> 第01回データ履歴番号01-02-03-04-05-09");
    EXPECT_EQ(lines.back(), std::string(86, '#'));
}

} // namespace
} // namespace zoki
