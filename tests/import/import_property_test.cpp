// A history written out in any shape the import accepts, oldest or newest
// first, over a data.dat that holds any part of the same history: the
// import either ends with exactly that history or refuses. It never offers
// to replace a draw (data.dat agrees with the file) and never writes a
// different history. The files come from a fixed seed: every run builds
// the same ones.
#include "base/encoding.h"
#include "import/encoded_text.h"
#include "import/history_parser.h"
#include "import/merge_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace zoki {
namespace {

using Draw = std::array<int, 7>;

enum class Enc { Utf8, Utf8Bom, ShiftJis, EucJp, Utf16Le, Utf16Be };
enum class DrawNo { None, Plain, Marked, Grouped };
enum class Dates { None, Slash, Kanji, Era, EraLetters, ShortWeekday, Us };

struct Shape {
    Enc enc = Enc::Utf8;
    DrawNo number = DrawNo::Marked;
    Dates date = Dates::Slash;
    std::string sep = ",";
    bool header = true;
    bool prizes = false;
    bool index = false; // a data tool's 0-based row index first
    bool quotedSix = false;
    bool padded = false;
    bool newestFirst = false;
};

// Deterministic choices from the fixed seed.
struct Dice {
    std::mt19937 gen{20260316u};
    int below(int n) { return static_cast<int>(gen() % static_cast<std::uint32_t>(n)); }
    bool coin() { return below(2) == 1; }
};

std::vector<Draw> randomHistory(Dice& dice, int draws) {
    std::vector<Draw> out;
    for (int k = 0; k < draws; ++k) {
        std::vector<int> pool(43);
        for (int n = 0; n < 43; ++n)
            pool[static_cast<std::size_t>(n)] = n + 1;
        for (std::size_t i = 0; i < 7; ++i)
            std::swap(pool[i], pool[i + static_cast<std::size_t>(dice.below(43 - static_cast<int>(i)))]);
        Draw d{};
        std::copy(pool.begin(), pool.begin() + 7, d.begin());
        if (dice.coin())
            std::sort(d.begin(), d.begin() + 6);
        out.push_back(d);
    }
    return out;
}

// Draw k on the k-th Thursday from 2000-10-05, Loto 6's first draw; draws
// from 980 on cross the change of era.
std::array<int, 4> dateOfDraw(int k) {
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int y = 2000, m = 10, d = 5, weekday = 4; // Thursday
    for (int step = 1; step < k; ++step)
        for (int i = 0; i < 7; ++i) {
            weekday = (weekday + 1) % 7;
            const int length = kDays[static_cast<std::size_t>(m - 1)] + (m == 2 && y % 4 == 0);
            if (++d > length) {
                d = 1;
                if (++m > 12) {
                    m = 1;
                    ++y;
                }
            }
        }
    return {y, m, d, weekday};
}

std::string two(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

std::string dateText(Dates form, int k) {
    const auto [y, m, d, w] = dateOfDraw(k);
    const bool reiwa = y * 10000 + m * 100 + d >= 20190501;
    const int eraYear = reiwa ? y - 2018 : y - 1988;
    static const std::array<std::string, 7> kWeekdays{"日", "月", "火", "水", "木", "金", "土"};
    switch (form) {
    case Dates::Slash:
        return std::to_string(y) + "/" + two(m) + "/" + two(d);
    case Dates::Kanji:
        return std::to_string(y) + "年" + std::to_string(m) + "月" + std::to_string(d) + "日";
    case Dates::Era:
        return std::string(reiwa ? "令和" : "平成") + (eraYear == 1 ? std::string("元") : std::to_string(eraYear)) +
               "年" + std::to_string(m) + "月" + std::to_string(d) + "日";
    case Dates::EraLetters:
        return std::string(reiwa ? "R" : "H") + std::to_string(eraYear) + "." + std::to_string(m) + "." +
               std::to_string(d);
    case Dates::ShortWeekday:
        return two(y % 100) + "/" + two(m) + "/" + two(d) + "(" + kWeekdays[static_cast<std::size_t>(w)] + ")";
    case Dates::Us:
        return std::to_string(m) + "/" + std::to_string(d) + "/" + std::to_string(y);
    case Dates::None:
        break;
    }
    return "";
}

std::string drawNumberText(DrawNo form, int k) {
    switch (form) {
    case DrawNo::Plain:
        return std::to_string(k);
    case DrawNo::Marked:
        return "第" + std::to_string(k) + "回";
    case DrawNo::Grouped: // as Excel writes #,##0, quoted in a CSV
        return "\"" +
               (k >= 1000 ? std::to_string(k / 1000) + "," + std::to_string(k % 1000 + 1000).substr(1)
                          : std::to_string(k)) +
               "\"";
    case DrawNo::None:
        break;
    }
    return "";
}

std::string row(const Shape& s, int k, int index, const Draw& d) {
    std::vector<std::string> f;
    if (s.index)
        f.push_back(std::to_string(index));
    if (s.number != DrawNo::None)
        f.push_back(drawNumberText(s.number, k));
    if (s.date != Dates::None)
        f.push_back(dateText(s.date, k));
    const auto num = [&](int v) { return s.padded ? two(v) : std::to_string(v); };
    if (s.quotedSix) {
        std::string six;
        for (std::size_t i = 0; i < 6; ++i)
            six += (i ? " " : "") + num(d[i]);
        f.insert(f.end(), {"\"" + six + "\"", num(d[6])});
    } else {
        for (const int v : d)
            f.push_back(num(v));
    }
    if (s.prizes)
        f.insert(f.end(), {std::to_string(k % 3), std::to_string(3 + k * 7919 % 23), "\"1,234,500\""});
    std::string line;
    for (std::size_t i = 0; i < f.size(); ++i)
        line += (i ? s.sep : "") + f[i];
    return line + "\r\n";
}

std::string headerRow(const Shape& s) {
    std::vector<std::string> h;
    if (s.index)
        h.push_back("");
    if (s.number != DrawNo::None)
        h.push_back("回号");
    if (s.date != Dates::None)
        h.push_back("抽せん日");
    if (s.quotedSix)
        h.insert(h.end(), {"本数字", "ボーナス数字"});
    else
        h.insert(h.end(), {"本数字1", "本数字2", "本数字3", "本数字4", "本数字5", "本数字6", "ボーナス数字"});
    if (s.prizes)
        h.insert(h.end(), {"1等口数", "2等口数", "1等賞金"});
    std::string line;
    for (std::size_t i = 0; i < h.size(); ++i)
        line += (i ? s.sep : "") + h[i];
    return line + "\r\n";
}

std::string encoded(Enc enc, const std::string& text) {
    switch (enc) {
    case Enc::Utf8:
        return text;
    case Enc::Utf8Bom:
        return "\xEF\xBB\xBF" + text;
    case Enc::ShiftJis:
        return toShiftJis(text);
    case Enc::EucJp:
        return test::inEncoding(text, "EUC-JP-MS");
    case Enc::Utf16Le:
    case Enc::Utf16Be:
        return test::utf16WithMark(text, enc == Enc::Utf16Be);
    }
    return text;
}

Shape randomShape(Dice& dice) {
    Shape s;
    s.enc = static_cast<Enc>(dice.below(6));
    s.number = static_cast<DrawNo>(dice.below(4));
    s.date = static_cast<Dates>(dice.below(7));
    const std::array<std::string, 3> seps{",", "\t", ";"};
    s.sep = seps[static_cast<std::size_t>(dice.below(3))];
    if (s.enc == Enc::Utf16Le || s.enc == Enc::Utf16Be)
        s.sep = "\t"; // as Excel writes its Unicode text
    s.header = dice.coin();
    s.prizes = dice.coin();
    s.index = dice.below(4) == 0;
    s.quotedSix = dice.below(4) == 0;
    s.padded = dice.coin();
    s.newestFirst = dice.coin();
    if (s.number == DrawNo::Grouped && s.sep != ",")
        s.number = DrawNo::Plain;
    return s;
}

std::vector<std::string> linesOf(const std::vector<Draw>& draws, std::size_t count) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < count; ++i)
        for (const int v : draws[i])
            out.push_back(std::to_string(v));
    return out;
}

TEST(ImportProperty, AnyAcceptedShapeImportsToItsHistoryOrIsRefused) {
    Dice dice;
    std::map<MergeCase, int> outcomes;
    for (int trial = 0; trial < 400; ++trial) {
        const Shape s = randomShape(dice);
        const int total = 2 + dice.below(40);
        // Large draw numbers, so that grouped ones take their comma.
        const int base = s.number == DrawNo::None ? 0 : (dice.coin() ? 0 : 980);
        const std::vector<Draw> history = randomHistory(dice, base + total + 5);
        // Without draw numbers a file's first draw is draw 1.
        const int from = s.number == DrawNo::None ? 1 : base + 1 + dice.below(total);
        const int to = base + total;
        // data.dat empty, or reaching at least to the draw before the file's.
        const int held = dice.below(4) == 0 ? 0 : from - 1 + dice.below(to - from + 7);

        std::vector<std::string> rows;
        for (int k = from; k <= to; ++k)
            rows.push_back(row(s, k, k - from, history[static_cast<std::size_t>(k - 1)]));
        if (s.newestFirst)
            std::reverse(rows.begin(), rows.end());
        std::string text = s.header ? headerRow(s) : "";
        for (const std::string& r : rows)
            text += r;
        const std::string bytes = encoded(s.enc, text);

        const DrawHistory h = parseDrawHistory(bytes);
        const std::vector<std::string> existing = linesOf(history, static_cast<std::size_t>(held));
        const MergePlan plan = planMerge(existing, h);
        ++outcomes[plan.kind];
        const std::string what =
            "trial " + std::to_string(trial) + " kind " + std::to_string(static_cast<int>(plan.kind)) + " reading " +
            std::to_string(plan.reading) + " first " + std::to_string(readingOf(h, plan).firstNumber) + ": draws " +
            std::to_string(from) + ".." + std::to_string(to) + " over " + std::to_string(held) + "\n" + text;
        EXPECT_NE(plan.kind, MergeCase::Replace) << what;
        // What a results site publishes (a header, "第N回") is never refused
        // but for draws that data.dat lacks before it.
        const bool published = s.header && s.number == DrawNo::Marked && to - from >= 2;
        if (published) {
            EXPECT_TRUE(plan.kind == MergeCase::TakeAll || plan.kind == MergeCase::Append ||
                        plan.kind == MergeCase::NothingNew || plan.kind == MergeCase::MissingEarlier)
                << what;
        }
        if (plan.kind == MergeCase::TakeAll || plan.kind == MergeCase::Append) {
            EXPECT_EQ(plan.lines, linesOf(history, static_cast<std::size_t>(std::max(held, to)))) << what;
        }
        if (plan.kind == MergeCase::NothingNew) {
            EXPECT_LE(to, held) << what;
        }
    }
    // Most files import: the property holds of imports, not only of refusals.
    const int imported = outcomes[MergeCase::TakeAll] + outcomes[MergeCase::Append] + outcomes[MergeCase::NothingNew];
    EXPECT_GE(imported, 300);
    EXPECT_GE(outcomes[MergeCase::TakeAll], 30);
}

} // namespace
} // namespace zoki
