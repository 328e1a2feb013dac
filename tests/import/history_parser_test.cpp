#include "base/encoding.h"
#include "import/history_parser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace zoki {
namespace {

using Numbers = std::array<int, 7>;

// Five draws whose numbers a careless reader could take from the wrong
// columns: small draw numbers, days and prize counts are all 1..43 too.
const std::vector<Numbers> kDraws = {{2, 8, 10, 13, 27, 30, 39},
                                     {21, 9, 16, 1, 43, 20, 14},
                                     {1, 2, 3, 4, 6, 7, 8},
                                     {5, 11, 19, 25, 33, 41, 7},
                                     {3, 12, 18, 22, 35, 40, 26}};

enum class Enc { Utf8, Utf8Bom, ShiftJis };
enum class DrawNo { None, Plain, Marked };
enum class Date { None, Slash, Split };

struct Style {
    Enc enc = Enc::Utf8;
    std::string sep = ",";
    std::string eol = "\r\n";
    bool header = true;
    DrawNo number = DrawNo::Marked;
    Date date = Date::Slash;
    bool prizes = true; // prize counts and quoted amounts after the bonus
    bool newestFirst = false;
    bool quoteAll = false;
    bool padded = false;    // "07"
    bool fullWidth = false; // "７"
    bool oneField = false;  // the six numbers in one field, the bonus in brackets
};

std::string field(const Style& s, std::string text) {
    return s.quoteAll || text.find(',') != std::string::npos ? "\"" + text + "\"" : text;
}

std::string numberText(const Style& s, int v) {
    std::string t = (s.padded && v < 10 ? "0" : "") + std::to_string(v);
    if (!s.fullWidth)
        return t;
    std::string wide;
    for (const char c : t)
        wide += std::string("\xEF\xBC") + static_cast<char>(0x90 + (c - '0'));
    return wide;
}

std::string row(const Style& s, int k, const Numbers& d) {
    std::vector<std::string> f;
    if (s.number == DrawNo::Plain)
        f.push_back(std::to_string(k));
    if (s.number == DrawNo::Marked)
        f.push_back("第" + std::to_string(k) + "回");
    if (s.date == Date::Slash)
        f.push_back("2000/10/0" + std::to_string(4 + k));
    if (s.date == Date::Split)
        f.insert(f.end(), {"2000", "10", std::to_string(4 + k)});
    if (s.oneField) {
        std::string mains;
        for (std::size_t i = 0; i < 6; ++i)
            mains += (i ? " " : "") + numberText(s, d[i]);
        f.insert(f.end(), {mains, "(" + numberText(s, d[6]) + ")"});
    } else {
        for (const int v : d)
            f.push_back(numberText(s, v));
    }
    if (s.prizes)
        f.insert(f.end(), {std::to_string(k * 7 % 5), std::to_string(k) + ",234,500", "0"});
    std::string line;
    for (std::size_t i = 0; i < f.size(); ++i)
        line += (i ? s.sep : "") + field(s, f[i]);
    return line + s.eol;
}

std::string render(const Style& s) {
    std::string text;
    if (s.header) {
        std::vector<std::string> h;
        if (s.number != DrawNo::None)
            h.push_back("開催回");
        if (s.date == Date::Slash)
            h.push_back("日付");
        if (s.date == Date::Split)
            h.insert(h.end(), {"年", "月", "日"});
        h.insert(h.end(), {"第1数字", "第2数字", "第3数字", "第4数字", "第5数字", "第6数字", "ボーナス数字"});
        if (s.prizes)
            h.insert(h.end(), {"1等口数", "1等賞金", "キャリーオーバー"});
        for (std::size_t i = 0; i < h.size(); ++i)
            text += (i ? s.sep : "") + h[i];
        text += s.eol;
    }
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < kDraws.size(); ++i)
        rows.push_back(row(s, static_cast<int>(i) + 1, kDraws[i]));
    if (s.newestFirst)
        std::reverse(rows.begin(), rows.end());
    for (const std::string& r : rows)
        text += r;
    if (s.enc == Enc::ShiftJis)
        return toShiftJis(text);
    return s.enc == Enc::Utf8Bom ? "\xEF\xBB\xBF" + text : text;
}

std::vector<Numbers> numbersOf(const DrawHistory& h) {
    std::vector<Numbers> out;
    for (const ImportedDraw& d : h.draws)
        out.push_back(d.numbers);
    return out;
}

TEST(HistoryParser, ReadsTheFilesPlayersDownload) {
    struct Case {
        const char* name;
        Style style;
    };
    auto with = [](auto change) {
        Style s;
        change(s);
        return s;
    };
    const Case cases[] = {
        {"UTF-8, comma, header, 第N回, date, prizes", Style{}},
        {"UTF-8 with BOM, newest first, LF", with([](Style& s) {
             s.enc = Enc::Utf8Bom;
             s.newestFirst = true;
             s.eol = "\n";
         })},
        {"Shift_JIS, tab, 第N回", with([](Style& s) {
             s.enc = Enc::ShiftJis;
             s.sep = "\t";
         })},
        {"Shift_JIS, every field quoted", with([](Style& s) {
             s.enc = Enc::ShiftJis;
             s.quoteAll = true;
         })},
        {"blanks, plain numbers, no header", with([](Style& s) {
             s.sep = "  ";
             s.header = false;
             s.number = DrawNo::Plain;
         })},
        {"plain numbers only, no date, no prizes", with([](Style& s) {
             s.header = false;
             s.number = DrawNo::Plain;
             s.date = Date::None;
             s.prizes = false;
         })},
        {"year, month and day columns", with([](Style& s) { s.date = Date::Split; })},
        {"semicolons, zero-padded, lone CR", with([](Style& s) {
             s.sep = ";";
             s.padded = true;
             s.eol = "\r";
         })},
        {"six numbers in one field, bonus in brackets", with([](Style& s) {
             s.oneField = true;
             s.header = false;
             s.padded = true;
         })},
        {"full-width digits, ideographic spaces", with([](Style& s) {
             s.sep = "\xE3\x80\x80";
             s.fullWidth = true;
         })},
    };
    for (const Case& c : cases) {
        const DrawHistory h = parseDrawHistory(render(c.style));
        EXPECT_EQ(numbersOf(h), kDraws) << c.name;
        EXPECT_TRUE(h.numbered()) << c.name;
        EXPECT_EQ(h.firstNumber, 1) << c.name;
        EXPECT_TRUE(h.faults.empty()) << c.name;
    }
}

TEST(HistoryParser, WithoutDrawNumbersTheDatesOrTheFileOrderStand) {
    Style s;
    s.number = DrawNo::None;
    s.newestFirst = true;
    DrawHistory h = parseDrawHistory(render(s));
    EXPECT_EQ(h.order, HistoryOrder::Dates);
    EXPECT_EQ(numbersOf(h), kDraws);

    s.date = Date::None;
    h = parseDrawHistory(render(s));
    EXPECT_EQ(h.order, HistoryOrder::FileOrder);
    EXPECT_EQ(numbersOf(h), std::vector<Numbers>(kDraws.rbegin(), kDraws.rend()));
    EXPECT_EQ(h.draws.front().line, 2);
}

std::string numbersText(const Numbers& d, const std::string& sep = ",", std::size_t count = 7) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i)
        out += (i ? sep : "") + std::to_string(d[i]);
    return out;
}

// The five draws, draw k (from 1) as the row `row(k, its numbers)`.
std::string rowsOf(const std::function<std::string(int, const Numbers&)>& row, bool newestFirst = false) {
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < kDraws.size(); ++i)
        rows.push_back(row(static_cast<int>(i) + 1, kDraws[i]) + "\r\n");
    if (newestFirst)
        std::reverse(rows.begin(), rows.end());
    std::string text;
    for (const std::string& r : rows)
        text += r;
    return text;
}

TEST(HistoryParser, FindsTheRightColumnAndOrder) {
    const auto plain = [](int, const Numbers& d) { return numbersText(d); };
    const auto dated = [](int k, const Numbers& d) { return "2020/01/0" + std::to_string(k) + "," + numbersText(d); };
    const auto indexed = [](int k, const Numbers& d) {
        return std::to_string(998 + k) + "," + std::to_string(999 + k) + "," + numbersText(d);
    };
    std::string mixed =
        rowsOf([](int k, const Numbers& d) { return "第" + std::to_string(k) + "回," + numbersText(d); });
    mixed.replace(mixed.find("第3回"), std::string("第3回").size(), toShiftJis("第3回"));
    std::string dataDat;
    for (const Numbers& d : kDraws)
        dataDat += numbersText(d, "\r\n") + "\r\n";
    struct Case {
        const char* name;
        std::string text;
        HistoryOrder order;
        int first;
        int column = -1;
        std::vector<int> rivalColumns = {};
        std::vector<int> undecoded = {};
    };
    const Case cases[] = {
        {"a row index beside the draw numbers is a rival", rowsOf(indexed), HistoryOrder::Numbers, 999, 0, {1}},
        {"a header naming the draw number wins", "No,回号,日付,1,2,3,4,5,6,B\r\n" + rowsOf(indexed),
         HistoryOrder::Numbers, 1000, 1},
        {"newest first, dates, no draw numbers", "日付,1,2,3,4,5,6,B\r\n" + rowsOf(dated, true), HistoryOrder::Dates,
         1},
        {"a header over one numbered row",
         "開催回,日付,1,2,3,4,5,6,ボーナス\r\n1352,2024/01/04," + numbersText(kDraws[0]) + "\r\n",
         HistoryOrder::Numbers, 1352, 0},
        // Without draw numbers or dates the rows may as well run newest
        // first: the reading from the last row up is the rival.
        {"a numeric header", "1,2,3,4,5,6,7\r\n" + rowsOf(plain), HistoryOrder::FileOrder, 1, -1, {-1}},
        {"a numeric header with the bonus named",
         "1,2,3,4,5,6,ボーナス\r\n" + rowsOf(plain),
         HistoryOrder::FileOrder,
         1,
         -1,
         {-1}},
        {"six numbers in one quoted field",
         rowsOf([](int, const Numbers& d) { return "\"" + numbersText(d, " ", 6) + "\"," + std::to_string(d[6]); }),
         HistoryOrder::FileOrder,
         1,
         -1,
         {-1}},
        {"UTF-8 with a Shift_JIS line and a line of neither",
         mixed + "\xFF\xFE,\x81\r\n",
         HistoryOrder::Numbers,
         1,
         0,
         {},
         {6}},
        {"data.dat", dataDat, HistoryOrder::DrawFile, 1},
    };
    for (const Case& c : cases) {
        const DrawHistory h = parseDrawHistory(c.text);
        EXPECT_EQ(h.order, c.order) << c.name;
        EXPECT_EQ(h.firstNumber, c.first) << c.name;
        EXPECT_EQ(h.numberColumn, c.column) << c.name;
        std::vector<int> rivals;
        for (const DrawHistory& r : h.rivals)
            rivals.push_back(r.numberColumn);
        EXPECT_EQ(rivals, c.rivalColumns) << c.name;
        EXPECT_EQ(h.undecodedLines, c.undecoded) << c.name;
        EXPECT_TRUE(h.faults.empty()) << c.name;
        EXPECT_EQ(numbersOf(h).size(), c.first == 1352 ? 1u : kDraws.size()) << c.name;
        EXPECT_EQ(numbersOf(h).front(), kDraws[0]) << c.name;
    }
}

TEST(HistoryParser, RefusesOtherLotteries) {
    const std::string loto7 = "第1回,1,5,9,12,20,30,37,3,8\r\n";
    const std::string miniLoto = "第1回,2,9,14,20,28,11,15\r\n";
    std::string sortedLoto7; // no header: seven ascending numbers in every row
    for (int k = 1; k <= 12; ++k)
        sortedLoto7 += std::to_string(k) + ",1,5,9,12,20,30," + std::to_string(31 + k % 6) + ",3,8\r\n";
    for (const std::string& text :
         {"回,第1数字,第2数字,第3数字,第4数字,第5数字,第6数字,第7数字,ボーナス数字1,ボーナス数字2\r\n" + loto7,
          "回,第1数字,第2数字,第3数字,第4数字,第5数字,ボーナス数字,1等口数\r\n" + miniLoto, sortedLoto7}) {
        const DrawHistory h = parseDrawHistory(text);
        EXPECT_TRUE(h.otherGame) << text;
        EXPECT_TRUE(h.draws.empty()) << text;
    }
}

TEST(HistoryParser, DecodesByByteOrderMarkThenUtf8ThenShiftJis) {
    EXPECT_EQ(decodeHistoryText("\xEF\xBB\xBF第1回"), "第1回");
    EXPECT_EQ(decodeHistoryText("第1回"), "第1回");
    EXPECT_EQ(decodeHistoryText(toShiftJis("第1回,ボーナス")), "第1回,ボーナス");
}

TEST(HistoryParser, ReportsFaultyRowsAndStopsAtTheFirstMissingDraw) {
    using F = RowFault;
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        int draws;
        int first;
        std::vector<FaultyRow> faults;
        KeptOut keptOut = {};
        int repeated = 0;
    };
    const std::string d1 = "1,2,8,10,13,27,30,39";
    const std::string d2 = "2,21,9,16,1,43,20,14";
    const std::string d3 = "3,1,2,3,4,6,7,8";
    const std::string d4 = "4,5,11,19,25,33,41,7";
    const Case cases[] = {
        {"notes and empty rows are no draws", {"回,1,2,3,4,5,6,B", d1, "", "※ 速報値です", d2, ",,,"}, 2, 1, {}},
        {"number out of range, then later draws",
         {d1, "2,21,9,16,1,44,20,14", d3},
         1,
         1,
         {{2, F::OutOfRange, 2, 44}},
         {1, 2, false, 0}},
        {"zero", {d1, d2, "3,0,2,3,4,6,7,8"}, 2, 1, {{3, F::OutOfRange, 3, 0}}, {0, 3, false, 0}},
        {"duplicate main number", {d1, d2, "3,1,2,3,3,6,7,8"}, 2, 1, {{3, F::Duplicate, 3, 3}}, {0, 3, false, 0}},
        {"bonus among the mains", {d1, d2, "3,1,2,3,4,6,7,7"}, 2, 1, {{3, F::BonusAmongMains, 3, 7}}, {0, 3, false, 0}},
        {"missing bonus", {d1, d2, "3,1,2,3,4,6,7"}, 2, 1, {{3, F::MissingBonus, 3, 0}}, {0, 3, false, 0}},
        {"five numbers", {d1, d2, "3,1,2,3,4,6"}, 2, 1, {{3, F::MissingNumbers, 3, 0}}, {0, 3, false, 0}},
        {"a gap in the draw numbers", {d1, d2, d4}, 2, 1, {}, {1, 3, true, 0}},
        {"newest first with a gap", {d4, d2, d1}, 2, 1, {}, {1, 3, true, 0}},
        {"identical repeat counts once", {d1, d2, d2, d3}, 3, 1, {}, {}, 1},
        {"same draw, other order of mains", {d1, d2, "2,1,9,16,20,21,43,14", d3}, 3, 1, {}, {}, 1},
        {"conflicting repeat stops the history",
         {d1, d2, "2,21,9,16,1,43,20,15", d3},
         1,
         1,
         {{2, F::ConflictingRepeat, 2, 0}, {3, F::ConflictingRepeat, 2, 0}},
         {1, 2, false, 0}},
        {"a draw without its number",
         {"第1回,2,8,10,13,27,30,39", "第2回,21,9,16,1,43,20,14", ",1,2,3,4,6,7,8"},
         2,
         1,
         {{3, F::NoDrawNumber, 0, 0}}},
        {"history from a later draw", {"第1200回,2,8,10,13,27,30,39", "第1201回,21,9,16,1,43,20,14"}, 2, 1200, {}},
        {"without numbers a faulty row ends the history",
         {"2,8,10,13,27,30,39", "21,9,16,1,43,20,44", "1,2,3,4,6,7,8", "5,11,19,25,33,41,7"},
         1,
         1,
         {{2, F::OutOfRange, 0, 44}},
         {2, 0, false, 2}},
        {"newest first by date: a row without its date stops the history",
         {"2020/01/05,3,12,18,22,35,40,26", ",5,11,19,25,33,41,7", "2020/01/03,1,2,3,4,6,7,8",
          "2020/01/02,21,9,16,1,43,20,14", "2020/01/01,2,8,10,13,27,30,39"},
         3,
         1,
         {{2, F::NoDate, 0, 0}},
         {1, 0, false, 2}},
        {"data.dat: a fault names its line, and the draws after it are left out",
         {"2",  "8",  "10", "13", "27", "30", "39", "21", "9", "16", "21",
          "43", "20", "14", "1",  "2",  "3",  "4",  "6",  "7", "8"},
         1,
         1,
         {{11, F::Duplicate, 2, 21}},
         {7, 2, false, 0}},
        {"data.dat: an unfinished last draw",
         {"2", "8", "10", "13", "27", "30", "39", "", "21", "9"},
         1,
         1,
         {{9, F::MissingNumbers, 2, 0}}},
    };
    for (const Case& c : cases) {
        std::string bytes;
        for (const std::string& l : c.lines)
            bytes += l + "\r\n";
        const DrawHistory h = parseDrawHistory(bytes);
        EXPECT_EQ(static_cast<int>(h.draws.size()), c.draws) << c.name;
        EXPECT_EQ(h.firstNumber, c.first) << c.name;
        EXPECT_EQ(h.faults, c.faults) << c.name;
        EXPECT_EQ(h.keptOut, c.keptOut) << c.name;
        EXPECT_EQ(h.repeatedRows, c.repeated) << c.name;
    }
}

TEST(HistoryParser, FindsNothingInFilesThatHoldNoDraws) {
    for (const std::string& bytes : {std::string(), std::string("回号,日付\r\n"), std::string("\xFF\xFE\x00\x01", 4),
                                     std::string("1,2,3\r\n4,5,6\r\n")}) {
        const DrawHistory h = parseDrawHistory(bytes);
        EXPECT_TRUE(h.draws.empty());
        EXPECT_TRUE(h.faults.empty());
    }
}

} // namespace
} // namespace zoki
