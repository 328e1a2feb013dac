#include "import/history_layout.h"

#include "base/textfile.h"

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <utility>

namespace zoki::parsing {

namespace {

struct ColumnStats {
    int count = 0, marked = 0, same = 0, up = 0, down = 0, stepUp = 0, stepDown = 0, previous = 0;
    int dates = 0;
    int lotoNumbers = 0; // fields holding 1..43

    // 2: mostly "第N回" fields; 1: plain numbers that run one way from row
    // to row, mostly by one; 0: no draw numbers. Repeats are few there; a
    // column of years, months or days repeats itself or jumps, and a column
    // of lottery numbers runs no way at all. The second value ranks columns
    // of the same kind.
    std::pair<int, int> key() const {
        const int pairs = count - 1;
        const int moves = up + down;
        const int oneWay = std::max(up, down);
        const int steps = up >= down ? stepUp : stepDown;
        if (marked > 0 && marked * 2 >= count)
            return {2, marked};
        if (moves > 0 && same * 2 < pairs && oneWay * 5 >= moves * 4 && steps * 2 >= moves)
            return {1, steps};
        return {0, 0};
    }
};

struct OffsetStats {
    int valid = 0;   // rows with seven different numbers 1..43 here
    int sorted5 = 0; // ... whose first five, six or seven numbers ascend
    int sorted6 = 0;
    int sorted7 = 0;
    int highest = 0; // the highest number seen here
};

// What the rows of a file hold, column by column.
struct Survey {
    std::vector<ColumnStats> columns;
    std::vector<OffsetStats> offsets;
    std::vector<char> bonusNamed; // a header names the column as the bonus
    int drawNamed = -1;           // the column a header names as the draw number
    int drawNamedRank = 0;

    void add(Fields fields) {
        if (fields.size() > columns.size()) {
            columns.resize(fields.size());
            offsets.resize(fields.size());
            bonusNamed.resize(fields.size());
        }
        const bool header = isNumericHeader(fields);
        for (std::size_t c = 0; c < fields.size(); ++c) {
            const Field& f = fields[c];
            if (f.bonusName)
                bonusNamed[c] = 1;
            if (f.drawName > 0 && (drawNamed < 0 || f.drawName < drawNamedRank)) {
                drawNamed = static_cast<int>(c);
                drawNamedRank = f.drawName;
            }
            if (header)
                continue;
            ColumnStats& col = columns[c];
            col.dates += f.date != 0;
            col.lotoNumbers += isLotoNumber(f.value);
            if (f.drawNo == 0)
                continue;
            if (col.count > 0) {
                const int diff = f.drawNo - col.previous;
                col.same += diff == 0;
                col.up += diff > 0;
                col.down += diff < 0;
                col.stepUp += diff == 1;
                col.stepDown += diff == -1;
            }
            col.previous = f.drawNo;
            ++col.count;
            col.marked += f.marked;
        }
        if (header)
            return;
        for (std::size_t o = 0; o + kWindow <= fields.size(); ++o) {
            std::uint64_t seen = 0;
            std::size_t ascending = 0;
            int highest = 0;
            bool valid = true;
            for (std::size_t k = 0; k < kWindow && valid; ++k) {
                const int v = fields[o + k].value;
                valid = isLotoNumber(v) && (seen & (std::uint64_t{1} << v)) == 0;
                seen |= std::uint64_t{1} << (valid ? v : 0);
                if (valid && ascending == k && (k == 0 || fields[o + k - 1].value < v))
                    ascending = k + 1;
                highest = std::max(highest, v);
            }
            if (!valid)
                continue;
            OffsetStats& s = offsets[o];
            ++s.valid;
            s.sorted5 += ascending >= 5;
            s.sorted6 += ascending >= 6;
            s.sorted7 += ascending >= 7;
            s.highest = std::max(s.highest, highest);
        }
    }
};

bool overlaps(int column, int offset) { return column >= offset && column < offset + static_cast<int>(kWindow); }

// The window offset most rows agree on, never over the draw-number column.
// Ties (small files): the offset a header names, then the one with more
// rows of ascending main numbers, then the leftmost.
std::pair<int, int> bestOffset(const Survey& s, int numberColumn, int hint) {
    int best = -1;
    std::tuple<int, int, int> bestKey{0, 0, 0};
    for (std::size_t o = 0; o < s.offsets.size(); ++o) {
        const int offset = static_cast<int>(o);
        if (overlaps(numberColumn, offset))
            continue;
        const OffsetStats& st = s.offsets[o];
        const std::tuple<int, int, int> key{st.valid, offset == hint, st.sorted6};
        if (st.valid > 0 && key > bestKey) {
            bestKey = key;
            best = offset;
        }
    }
    return {best, std::get<0>(bestKey)};
}

// Loto 7 (seven main numbers and two bonus numbers, 1..37) and Mini Loto
// (five main numbers and a bonus, 1..31) fill a window of seven too.
bool otherGame(const Survey& s, int offset) {
    const OffsetStats& w = s.offsets[static_cast<std::size_t>(offset)];
    const auto bonusColumn = [&](std::size_t c) {
        return c < s.bonusNamed.size() && s.bonusNamed[c] && s.columns[c].lotoNumbers * 5 >= w.valid * 4;
    };
    for (std::size_t c = 0; c < s.bonusNamed.size(); ++c) {
        const int column = static_cast<int>(c);
        // two bonus numbers, or a bonus before the window's last place
        if (bonusColumn(c) && (bonusColumn(c + 1) || (overlaps(column, offset) && column != offset + kNumbersPerSet)))
            return true;
    }
    if (w.valid >= 10 && w.sorted5 * 5 >= w.valid * 4) {
        if (w.sorted6 * 2 < w.valid) // five sorted numbers, then a bonus
            return true;
        if (w.sorted7 * 5 >= w.valid * 4) // seven sorted main numbers
            return true;
    }
    // Fifty Loto 6 draws without one number over 37 do not happen.
    return w.valid >= 50 && w.highest <= 37;
}

int firstBonusNamed(const Survey& s) {
    const auto it = std::find(s.bonusNamed.begin(), s.bonusNamed.end(), 1);
    return it == s.bonusNamed.end() ? -1 : static_cast<int>(it - s.bonusNamed.begin());
}

Layout decide(const Survey& s) {
    Layout l;
    const int bonusColumn = firstBonusNamed(s);
    const int hint = bonusColumn >= kNumbersPerSet ? bonusColumn - kNumbersPerSet : -1;

    // The draw numbers: the column a header names; else the one with the
    // most "第N回" fields; else the plain running column, and any other that
    // runs as well (a row index written by a data tool).
    int number = -1;
    std::vector<int> rivals;
    const bool named = s.drawNamed >= 0 && s.columns[static_cast<std::size_t>(s.drawNamed)].count > 0;
    if (named) {
        number = s.drawNamed;
    } else {
        std::pair<int, int> bestKey{0, 0};
        for (std::size_t c = 0; c < s.columns.size(); ++c) {
            const std::pair<int, int> key = s.columns[c].key();
            if (key > bestKey) {
                bestKey = key;
                number = static_cast<int>(c);
            }
        }
        if (bestKey.first == 1)
            for (std::size_t c = 0; c < s.columns.size(); ++c) {
                const std::pair<int, int> key = s.columns[c].key();
                if (static_cast<int>(c) != number && key.first == 1 && key.second * 10 >= bestKey.second * 9)
                    rivals.push_back(static_cast<int>(c));
            }
    }

    auto [offset, valid] = bestOffset(s, number, hint);
    if (number >= 0 && !named) {
        // A column taken for draw numbers that hides the numbers is no such column.
        const auto [without, validWithout] = bestOffset(s, -1, hint);
        if (validWithout > valid) {
            number = -1;
            rivals.clear();
            offset = without;
            valid = validWithout;
        }
    }
    if (offset < 0)
        return l;
    l.offset = offset;
    l.validRows = valid;
    l.numberColumn = number;
    for (const int r : rivals)
        if (!overlaps(r, offset))
            l.rivals.push_back(r);
    l.otherGame = otherGame(s, offset);

    // Without draw numbers, a column of dates in most draws orders them.
    if (number < 0) {
        int mostDates = 0;
        for (std::size_t c = 0; c < s.columns.size(); ++c) {
            const int dates = s.columns[c].dates;
            if (!overlaps(static_cast<int>(c), offset) && dates > mostDates && dates * 4 >= valid * 3) {
                mostDates = dates;
                l.dateColumn = static_cast<int>(c);
            }
        }
    }
    return l;
}

} // namespace

Layout layoutOf(std::string_view text, Separator sep) {
    Survey survey;
    RowReader reader(sep);
    forEachLine(text, [&](std::string_view line) {
        if (!line.empty())
            survey.add(reader.read(line));
    });
    return decide(survey);
}

std::vector<std::string_view> sampleLines(std::string_view text) {
    constexpr std::size_t kSample = 256;
    std::vector<std::string_view> sample;
    std::size_t previous = std::string_view::npos;
    const auto lineEnd = [&](std::size_t from) {
        return std::min({text.find('\n', from), text.find('\r', from), text.size()});
    };
    for (std::size_t i = 0; i < kSample; ++i) {
        std::size_t start = 0;
        if (i > 0) {
            start = lineEnd(text.size() * i / kSample);
            while (start < text.size() && (text[start] == '\r' || text[start] == '\n'))
                ++start;
            if (start >= text.size())
                break;
        }
        if (start == previous)
            continue;
        previous = start;
        sample.push_back(text.substr(start, lineEnd(start) - start));
    }
    return sample;
}

Separator chooseSeparator(std::string_view text) {
    const std::vector<std::string_view> sample = sampleLines(text);
    Separator best = Separator::Comma;
    int bestRows = 0;
    for (const Separator sep :
         {Separator::Comma, Separator::Tab, Separator::Semicolon, Separator::Blank, Separator::Any}) {
        RowReader reader(sep);
        Survey s;
        for (const std::string_view line : sample)
            s.add(reader.read(line));
        const int rows = decide(s).validRows;
        if (rows > bestRows) {
            bestRows = rows;
            best = sep;
        }
    }
    return best;
}

} // namespace zoki::parsing
