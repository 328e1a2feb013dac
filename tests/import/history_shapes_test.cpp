// Files in the shapes players produce, each read to the draws it holds, at
// their own places, or refused with the reason: never taken in a wrong order.
#include "base/encoding.h"
#include "import/encoded_text.h"
#include "import/history_dates.h"
#include "import/history_parser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zoki {
namespace {

using Numbers = std::array<int, 7>;

// Numbers above 37 in most draws, as Loto 6's have.
const std::vector<Numbers> kDraws = {{2, 8, 10, 13, 27, 30, 39},
                                     {21, 9, 16, 1, 43, 20, 14},
                                     {4, 6, 11, 38, 40, 42, 8},
                                     {5, 11, 19, 25, 33, 41, 7},
                                     {3, 12, 18, 22, 35, 40, 26}};

std::string joined(const std::vector<std::string>& fields, const std::string& sep) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i)
        out += (i ? sep : "") + fields[i];
    return out;
}

std::vector<std::string> numberFields(const Numbers& d) {
    std::vector<std::string> out;
    for (const int v : d)
        out.push_back(std::to_string(v));
    return out;
}

// The five draws, draw k (from 1) after the fields `before(k)`, newest
// first, with a header naming the columns.
std::string rows(const std::vector<std::string>& header, const std::function<std::vector<std::string>(int)>& before,
                 const std::string& sep = ",", bool newestFirst = true) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < kDraws.size(); ++i) {
        std::vector<std::string> f = before(static_cast<int>(i) + 1);
        const std::vector<std::string> n = numberFields(kDraws[i]);
        f.insert(f.end(), n.begin(), n.end());
        lines.push_back(joined(f, sep) + "\r\n");
    }
    if (newestFirst)
        std::reverse(lines.begin(), lines.end());
    std::string text = header.empty() ? "" : joined(header, sep) + "\r\n";
    for (const std::string& l : lines)
        text += l;
    return text;
}

const std::vector<std::string> kNumbersHeader = {"第1数字", "第2数字", "第3数字",     "第4数字",
                                                 "第5数字", "第6数字", "ボーナス数字"};

std::vector<std::string> header(std::vector<std::string> first) {
    first.insert(first.end(), kNumbersHeader.begin(), kNumbersHeader.end());
    return first;
}

// Draw k dated dates[k - 1], newest first, without draw numbers.
std::string dated(const std::vector<std::string>& dates) {
    return rows(header({"日付"}),
                [&](int k) { return std::vector<std::string>{dates[static_cast<std::size_t>(k - 1)]}; });
}

std::string marked(int k) { return "第" + std::to_string(k) + "回"; }

struct Expected {
    HistoryOrder order = HistoryOrder::Numbers;
    int first = 1;
    Unreadable unreadable = Unreadable::None;
    bool otherGame = false;
};

const Expected kByDates{HistoryOrder::Dates};
const Expected kByNumbers{HistoryOrder::Numbers};
Expected refused(Unreadable why) { return {HistoryOrder::FileOrder, 1, why}; }
const Expected kOtherGame{HistoryOrder::FileOrder, 1, Unreadable::None, true};

TEST(HistoryShapes, EachShapeIsPlacedDrawByDrawOrRefused) {
    struct Case {
        const char* name;
        std::string bytes;
        Expected expected;
    };
    const auto numbered = [](int k) { return std::vector<std::string>{marked(k), "2026/01/0" + std::to_string(k)}; };
    const std::string numberedCsv = rows(header({"回", "日付"}), numbered);
    const Case cases[] = {
        {"令和 dates, newest first",
         dated({"令和7年12月25日", "令和7年12月29日", "令和8年1月1日", "令和8年1月5日", "令和8年1月8日"}), kByDates},
        {"平成 then 令和",
         dated({"平成31年4月22日", "平成31年4月25日", "令和元年5月2日", "令和元年5月6日", "令和元年5月9日"}), kByDates},
        {"era letters, a draw on 31 December", dated({"H30.1.4", "H30.12.31", "R1.5.9", "R8.3.12", "R8.3.16"}),
         kByDates},
        {"two-digit years with the weekday",
         dated({"25/12/29(月)", "25/12/31(水)", "26/01/05(月)", "26/03/12(木)", "26/03/16(月)"}), kByDates},
        {"US order", dated({"12/29/2025", "12/31/2025", "1/5/2026", "3/12/2026", "3/16/2026"}), kByDates},
        // An index counting the rows from the newest: it runs against the
        // dates, so it is no column of draw numbers.
        {"a 1-based row index beside newest-first dates",
         rows(header({"No", "日付"}),
              [](int k) {
                  return std::vector<std::string>{std::to_string(6 - k), "2026/01/0" + std::to_string(k)};
              }),
         kByDates},
        {"full dates in December, the 31st last",
         dated({"2024/12/02", "2024/12/09", "2024/12/16", "2024/12/23", "2024/12/31"}), kByDates},
        {"dates that exist in no calendar",
         dated({"2026/13/02", "2026/13/09", "2026/14/16", "2026/14/23", "2026/15/31"}), refused(Unreadable::Dates)},
        {"day and month could be either way round", dated({"02/01/26", "01/02/26", "03/01/26", "01/03/26", "04/01/26"}),
         refused(Unreadable::Dates)},
        {"all dates the same", dated({"2026/01/05", "2026/01/05", "2026/01/05", "2026/01/05", "2026/01/05"}),
         refused(Unreadable::SameDates)},
        {"EUC-JP, 第N回 and dates, newest first",
         test::inEncoding(rows(header({"回", "日付"}),
                               [](int k) {
                                   return std::vector<std::string>{marked(k), "2026年1月" + std::to_string(k) + "日"};
                               }),
                          "EUC-JP-MS"),
         kByNumbers},
        {"UTF-16LE with its mark, tab-separated",
         test::utf16WithMark(rows(header({"回", "日付"}), numbered, "\t"), false), kByNumbers},
        {"UTF-16BE with its mark, tab-separated",
         test::utf16WithMark(rows(header({"回", "日付"}), numbered, "\t"), true), kByNumbers},
        {"UTF-16LE without its mark", test::utf16WithMark(numberedCsv, false).substr(2), kByNumbers},
        {"quoted six numbers under a four-column header",
         "回,日付,本数字,ボーナス\r\n\"1000\",2026/01/05,\"02 08 10 13 27 30\",39\r\n",
         {HistoryOrder::Numbers, 1000}},
        {"draw numbers with a thousands separator",
         rows(header({"回"}),
              [](int k) {
                  return std::vector<std::string>{"\"" + std::string(k < 2 ? "999" : "1,00" + std::to_string(k - 2)) +
                                                  "\""};
              }),
         {HistoryOrder::Numbers, 999}},
        {"draw numbers with a thousands separator, tab-separated",
         rows(
             {}, [](int k) { return std::vector<std::string>{"1," + std::to_string(k + 100)}; }, "\t"),
         {HistoryOrder::Numbers, 1101}},
        {"mostly bytes of no encoding", std::string("\x80\x80\xFD,1,2\r\n\xFD\xFE\x80,3\r\n1,2,3,4,5,6,7\r\n"),
         refused(Unreadable::Text)},
        // Notes that decode, draws whose first column does not.
        {"a column of draw numbers in an unknown encoding",
         "# 1\r\n# 2\r\n# 3\r\n# 4\r\n# 5\r\n# 6\r\n" +
             rows({}, [](int k) { return std::vector<std::string>{"\x80\xFD" + std::to_string(k) + "\xFD"}; }),
         refused(Unreadable::Column)},
    };
    for (const Case& c : cases) {
        const DrawHistory h = parseDrawHistory(c.bytes);
        EXPECT_EQ(h.otherGame, c.expected.otherGame) << c.name;
        EXPECT_EQ(h.unreadable, c.expected.unreadable) << c.name;
        if (c.expected.otherGame || c.expected.unreadable != Unreadable::None)
            continue;
        EXPECT_EQ(h.order, c.expected.order) << c.name;
        EXPECT_EQ(h.firstNumber, c.expected.first) << c.name;
        EXPECT_TRUE(h.faults.empty()) << c.name;
        std::vector<Numbers> read;
        for (const ImportedDraw& d : h.draws)
            read.push_back(d.numbers);
        const std::vector<Numbers> expected = c.expected.first == 1000 ? std::vector<Numbers>{kDraws[0]} : kDraws;
        EXPECT_EQ(read, expected) << c.name;
    }
}

// Rows of another lottery, `count` of them: Loto 7's nine numbers 1..37 or
// Mini Loto's six 1..31, spread so that no two rows are alike.
std::string otherLottery(int count, std::size_t numbers, int highest, bool sortMains, const std::string& after) {
    std::string text;
    for (int k = 1; k <= count; ++k) {
        std::vector<int> row;
        for (std::size_t j = 0; j < numbers; ++j)
            row.push_back((k * 7 + static_cast<int>(j) * 4) % highest + 1);
        const std::size_t mains = numbers == 9 ? 7 : 5;
        if (sortMains)
            std::sort(row.begin(), row.begin() + static_cast<std::ptrdiff_t>(mains));
        if (sortMains && numbers == 6 && row[5] > row[4])
            std::swap(row[5], row[0]), std::sort(row.begin(), row.begin() + 5);
        std::vector<std::string> f{marked(k)};
        for (const int v : row)
            f.push_back(std::to_string(v));
        text += joined(f, ",") + after + "\r\n";
    }
    return text;
}

// One row without a header: which numbers are the draw's, and in what
// form its date is written, nothing in the file tells.
TEST(HistoryShapes, AOneRowFileKeepsEveryReadingOfIt) {
    const DrawHistory h = parseDrawHistory("12,30,11,19,25,33,41,7\r\n");
    std::vector<int> offsets{h.offset};
    for (const DrawHistory& r : h.rivals)
        offsets.push_back(r.offset);
    EXPECT_EQ(offsets, (std::vector<int>{0, 1}));

    // 7 March or 3 July: one draw has no order to get wrong.
    const DrawHistory dated = parseDrawHistory("3/7/2019,30,11,19,25,33,41,7\r\n");
    EXPECT_EQ(dated.unreadable, Unreadable::None);
    EXPECT_EQ(dated.draws.size(), 1u);
}

TEST(HistoryShapes, TellsLoto7AndMiniLotoHoweverShortTheFile) {
    struct Case {
        const char* name;
        std::string bytes;
        bool otherGame;
    };
    const Case cases[] = {
        {"Loto 7, 30 rows in drawn order", otherLottery(30, 9, 37, false, ""), true},
        {"Loto 7, 9 rows sorted", otherLottery(9, 9, 37, true, ",0,5,120"), true},
        {"Loto 7, one row", otherLottery(1, 9, 37, false, ""), true},
        {"Mini Loto, 3 rows sorted, prize counts after", otherLottery(3, 6, 31, true, ",12,180,4500"), true},
        {"Mini Loto, one row of six", otherLottery(1, 6, 31, false, ""), true},
        {"Mini Loto, rows of six, one with a count after",
         otherLottery(3, 6, 31, false, "") + "第4回,9,3,15,21,27,6,12\r\n", true},
        // Prize counts after the bonus make nine small numbers too; the
        // header says there is one bonus.
        {"Loto 6 whose header names one bonus",
         "回,第1数字,第2数字,第3数字,第4数字,第5数字,第6数字,ボーナス数字,1等口数,2等口数\r\n"
         "第1回,2,8,10,13,27,30,36,1,12\r\n",
         false},
        {"Loto 6 without a header", "第1回,2,8,10,13,27,30,39,1,12\r\n第2回,1,9,14,20,21,43,16,0,7\r\n", false},
    };
    for (const Case& c : cases) {
        const DrawHistory h = parseDrawHistory(c.bytes);
        EXPECT_EQ(h.otherGame, c.otherGame) << c.name;
        EXPECT_EQ(h.draws.empty(), c.otherGame) << c.name;
    }
}

} // namespace
} // namespace zoki
