#include "import/history_layout.h"

#include "base/textfile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <tuple>
#include <utility>

namespace zoki::parsing {

namespace {

// Dates of a column read in one form, row after row.
struct DateRun {
    int count = 0, previous = 0, up = 0, down = 0, same = 0;

    void add(int date) {
        if (count > 0) {
            up += date > previous;
            down += date < previous;
            same += date == previous;
        }
        previous = date;
        ++count;
    }
    // The order the dates give the rows: 1 oldest first, -1 newest first,
    // 0 neither (they jump about, or are all the same).
    int direction() const { return up > 0 && down == 0 ? 1 : down > 0 && up == 0 ? -1 : 0; }
};

struct ColumnStats {
    int count = 0, marked = 0, same = 0, up = 0, down = 0, stepUp = 0, stepDown = 0, previous = 0;
    int lotoNumbers = 0; // fields holding 1..43
    int dateShaped = 0;  // fields with the shape of a date, read or not
    int zeros = 0;       // fields holding 0: no draw has that number
    int undecoded = 0;   // fields with bytes that decoded in no encoding
    std::array<DateRun, kDateForms> dates;

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
        // A column with a 0 is a row index that a data tool counted from 0.
        if (moves > 0 && same * 2 < pairs && oneWay * 5 >= moves * 4 && steps * 2 >= moves && zeros == 0)
            return {1, steps};
        return {0, 0};
    }

    void addDrawNumber(const Field& f) {
        if (count > 0) {
            const int diff = f.drawNo - previous;
            same += diff == 0;
            up += diff > 0;
            down += diff < 0;
            stepUp += diff == 1;
            stepDown += diff == -1;
        }
        previous = f.drawNo;
        ++count;
        marked += f.marked;
    }

    void addDate(std::uint32_t raw) {
        ++dateShaped;
        for (std::size_t form = 0; form < kDateForms; ++form)
            if (const int date = dateIn(raw, static_cast<DateForm>(form)))
                dates[form].add(date);
    }
};

struct OffsetStats {
    int valid = 0;   // rows with seven different numbers 1..43 here
    int sorted5 = 0; // ... whose first five, six or seven numbers ascend
    int sorted6 = 0;
    int sorted7 = 0;
    int highest = 0;  // the highest number seen here
    int highest6 = 0; // ... among the first six
    int mini = 0;     // ... whose first six are five ascending numbers 1..31 and a lower one
};

// The distinct numbers 1..43 from `o` on, as far as they go (at most `most`).
std::size_t runOfNumbers(Fields fields, std::size_t o, std::size_t most, int& highest) {
    std::uint64_t seen = 0;
    std::size_t k = 0;
    highest = 0;
    for (; k < most && o + k < fields.size(); ++k) {
        const int v = fields[o + k].value;
        if (!isLotoNumber(v) || (seen & (std::uint64_t{1} << v)) != 0)
            break;
        seen |= std::uint64_t{1} << v;
        highest = std::max(highest, v);
    }
    return k;
}

// The longest run of different numbers 1..`highest` side by side in the row.
std::size_t longestRun(Fields fields, int highest) {
    std::array<std::size_t, kHighestNumber + 1> lastAt{}; // 1 + the field where each number was last
    std::size_t start = 0;
    std::size_t longest = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const int v = fields[i].value;
        if (v < 1 || v > highest) {
            start = i + 1;
            continue;
        }
        start = std::max(start, lastAt[static_cast<std::size_t>(v)]);
        lastAt[static_cast<std::size_t>(v)] = i + 1;
        longest = std::max(longest, i + 1 - start);
    }
    return longest;
}

// How far the numbers at `o` ascend from the first.
std::size_t ascending(Fields fields, std::size_t o, std::size_t n) {
    std::size_t k = 1;
    while (k < n && fields[o + k - 1].value < fields[o + k].value)
        ++k;
    return k;
}

constexpr int kLoto7Highest = 37;
constexpr int kMiniLotoHighest = 31;

// What the rows of a file hold, column by column.
struct Survey {
    std::vector<ColumnStats> columns;
    std::vector<OffsetStats> offsets;
    // Headers name columns by their place in the line; rows that split a
    // quoted field of numbers into several put later columns further right.
    std::vector<char> bonusNamed; // a header names the field as the bonus
    int drawNamed = -1;           // the field a header names as the draw number
    int drawNamedRank = 0;
    std::vector<int> columnOfSource; // first column of each field of a row that split one
    int sixes = 0;                   // rows of six different numbers 1..31 and no seventh: Mini Loto's shape
    int nines = 0;                   // rows of nine different numbers 1..37 in a row: Loto 7's shape

    void add(Fields fields) {
        if (fields.size() > columns.size()) {
            columns.resize(fields.size());
            offsets.resize(fields.size());
            bonusNamed.resize(fields.size());
        }
        const bool header = isNumericHeader(fields);
        for (std::size_t c = 0; c < fields.size(); ++c)
            addField(fields[c], columns[c], header);
        if (header)
            return;
        bool any = false;
        for (std::size_t o = 0; o + kWindow <= fields.size(); ++o)
            any = addWindow(fields, o) || any;
        if (any && columnOfSource.empty() && fields.back().source + 1u != fields.size())
            for (std::size_t c = fields.size(); c-- > 0;)
                columnOf(fields[c].source) = static_cast<int>(c);
        if (any)
            nines += longestRun(fields, kLoto7Highest) >= kWindow + 2;
        else
            sixes += longestRun(fields, kMiniLotoHighest) == kNumbersPerSet;
    }

    int& columnOf(std::size_t source) {
        if (source >= columnOfSource.size())
            columnOfSource.resize(source + 1, -1);
        return columnOfSource[source];
    }

    // The column of the rows that a header's field at `source` names.
    int columnNamed(int source) const {
        if (source < 0 || static_cast<std::size_t>(source) >= columnOfSource.size())
            return source;
        const int c = columnOfSource[static_cast<std::size_t>(source)];
        return c < 0 ? source : c;
    }

private:
    void addField(const Field& f, ColumnStats& col, bool header) {
        if (f.bonusName)
            bonusNamed[f.source] = 1;
        if (f.drawName > 0 && (drawNamed < 0 || f.drawName < drawNamedRank)) {
            drawNamed = f.source;
            drawNamedRank = f.drawName;
        }
        if (header)
            return;
        col.lotoNumbers += isLotoNumber(f.value);
        col.zeros += f.value == 0;
        col.undecoded += f.undecoded;
        if (f.date != 0)
            col.addDate(f.date);
        if (f.drawNo != 0)
            col.addDrawNumber(f);
    }

    bool addWindow(Fields fields, std::size_t o) {
        int highest = 0;
        if (runOfNumbers(fields, o, kWindow, highest) < kWindow)
            return false;
        const std::size_t up = ascending(fields, o, kWindow);
        int highest6 = 0;
        runOfNumbers(fields, o, kNumbersPerSet, highest6);
        OffsetStats& s = offsets[o];
        ++s.valid;
        s.sorted5 += up >= 5;
        s.sorted6 += up >= 6;
        s.sorted7 += up >= 7;
        s.highest = std::max(s.highest, highest);
        s.highest6 = std::max(s.highest6, highest6);
        s.mini += up == 5 && highest6 <= kMiniLotoHighest;
        return true;
    }
};

bool overlaps(int column, int offset) { return column >= offset && column < offset + static_cast<int>(kWindow); }

struct Offset {
    int offset = -1;
    int valid = 0;
    std::vector<int> ties; // other offsets nothing tells from it
};

// The window offset most rows agree on, never over the draw-number column.
// Ties (small files): the offset a header names, then the one with more
// rows of ascending main numbers, then the leftmost; offsets that tie on
// all of these too are kept as ties.
Offset bestOffset(const Survey& s, int numberColumn, int hint) {
    Offset best;
    std::tuple<int, int, int> bestKey{0, 0, 0};
    for (std::size_t o = 0; o < s.offsets.size(); ++o) {
        const int offset = static_cast<int>(o);
        if (overlaps(numberColumn, offset))
            continue;
        const OffsetStats& st = s.offsets[o];
        const std::tuple<int, int, int> key{st.valid, offset == hint, st.sorted6};
        if (st.valid > 0 && key > bestKey) {
            bestKey = key;
            best.offset = offset;
            best.ties.clear();
        } else if (st.valid > 0 && key == bestKey) {
            best.ties.push_back(offset);
        }
    }
    best.valid = std::get<0>(bestKey);
    return best;
}

// The columns a header names as the bonus, as the rows place them.
std::vector<char> bonusColumns(const Survey& s) {
    std::vector<char> named(s.columns.size());
    for (std::size_t source = 0; source < s.bonusNamed.size(); ++source) {
        const int c = s.columnNamed(static_cast<int>(source));
        if (s.bonusNamed[source] && static_cast<std::size_t>(c) < named.size())
            named[static_cast<std::size_t>(c)] = 1;
    }
    return named;
}

// Loto 7 (seven main numbers and two bonus numbers, 1..37) and Mini Loto
// (five main numbers and a bonus, 1..31) fill a window of seven too. A row
// of nine such numbers, or of five ascending ones and a bonus, tells it
// however short the file, unless a header names one bonus where Loto 6's is.
bool otherGame(const Survey& s, int offset) {
    const OffsetStats& w = s.offsets[static_cast<std::size_t>(offset)];
    const std::vector<char> named = bonusColumns(s);
    const auto bonusColumn = [&](std::size_t c) {
        return c < named.size() && named[c] && s.columns[c].lotoNumbers * 5 >= w.valid * 4;
    };
    for (std::size_t c = 0; c < named.size(); ++c) {
        const int column = static_cast<int>(c);
        // two bonus numbers, or a bonus before the window's last place
        if (bonusColumn(c) && (bonusColumn(c + 1) || (overlaps(column, offset) && column != offset + kNumbersPerSet)))
            return true;
    }
    const bool loto6Header = bonusColumn(static_cast<std::size_t>(offset + kNumbersPerSet));
    if (!loto6Header && (s.nines * 2 > w.valid || w.mini * 2 > w.valid || s.sixes > w.valid))
        return true;
    if (w.valid >= 10 && w.sorted5 * 5 >= w.valid * 4) {
        if (w.sorted6 * 2 < w.valid) // five sorted numbers, then a bonus
            return true;
        if (w.sorted7 * 5 >= w.valid * 4) // seven sorted main numbers
            return true;
    }
    // Twenty Loto 6 draws whose first six numbers stay below 32, or fifty
    // without one number over 37, do not happen.
    return (w.valid >= 20 && w.highest6 <= kMiniLotoHighest) || (w.valid >= 50 && w.highest <= kLoto7Highest);
}

int firstBonusNamed(const Survey& s) {
    const std::vector<char> named = bonusColumns(s);
    const auto it = std::find(named.begin(), named.end(), 1);
    return it == named.end() ? -1 : static_cast<int>(it - named.begin());
}

struct NumberColumn {
    int column = -1;
    bool named = false;
    std::vector<int> rivals;
};

// The draw numbers: the column a header names; else the one with the most
// "第N回" fields; else the plain running column, and any other that runs as
// well (a row index written by a data tool).
NumberColumn numberColumn(const Survey& s) {
    NumberColumn n;
    const int namedColumn = s.columnNamed(s.drawNamed);
    if (namedColumn >= 0 && static_cast<std::size_t>(namedColumn) < s.columns.size() &&
        s.columns[static_cast<std::size_t>(namedColumn)].count > 0) {
        n.column = namedColumn;
        n.named = true;
        return n;
    }
    std::pair<int, int> bestKey{0, 0};
    for (std::size_t c = 0; c < s.columns.size(); ++c) {
        const std::pair<int, int> key = s.columns[c].key();
        if (key > bestKey) {
            bestKey = key;
            n.column = static_cast<int>(c);
        }
    }
    if (bestKey.first == 1)
        for (std::size_t c = 0; c < s.columns.size(); ++c) {
            const std::pair<int, int> key = s.columns[c].key();
            if (static_cast<int>(c) != n.column && key.first == 1 && key.second * 10 >= bestKey.second * 9)
                n.rivals.push_back(static_cast<int>(c));
        }
    return n;
}

// Two readings of a column that give the same dates, or at least the same
// order.
bool sameOrder(const DateRun& a, const DateRun& b) {
    const bool sameDates = a.up == b.up && a.down == b.down && a.same == b.same && a.previous == b.previous;
    return sameDates || (a.direction() != 0 && a.direction() == b.direction());
}

// The form a column's dates are read in: of those that read the most of
// them, one under which the dates run one way, as a history's do. Where the
// forms that fit would order the rows differently ("26/03/30" then
// "26/04/02": yy/mm/dd or dd/mm/yy?), none is sure.
std::optional<DateForm> dateFormOf(const ColumnStats& col) {
    int most = 0;
    for (const DateRun& run : col.dates)
        most = std::max(most, run.count);
    std::optional<std::size_t> chosen;
    for (std::size_t form = 0; form < kDateForms; ++form) {
        const DateRun& run = col.dates[form];
        if (run.count == most && (!chosen || (run.direction() != 0 && col.dates[*chosen].direction() == 0)))
            chosen = form;
    }
    const DateRun& best = col.dates[*chosen];
    if (most < 2)
        return static_cast<DateForm>(*chosen); // one date orders nothing
    for (const DateRun& run : col.dates) {
        const bool fits = run.count == most && (best.direction() == 0 || run.direction() != 0);
        if (fits && !sameOrder(run, best))
            return std::nullopt;
    }
    return static_cast<DateForm>(*chosen);
}

// Without draw numbers, a column of dates in most draws orders them; a
// column that has their shape in most draws but cannot be read stops the
// import, and so does one whose bytes did not decode: it may hold them.
void chooseDates(const Survey& s, Layout& l) {
    int mostDates = 0;
    for (std::size_t c = 0; c < s.columns.size(); ++c) {
        const ColumnStats& col = s.columns[c];
        const int column = static_cast<int>(c);
        if (overlaps(column, l.offset))
            continue;
        if (col.undecoded * 2 >= l.validRows && l.unreadable == Unreadable::None) {
            l.unreadable = Unreadable::Column;
            l.unreadableColumn = column;
        }
        const std::optional<DateForm> form = dateFormOf(col);
        const int dates = form ? col.dates[static_cast<std::size_t>(*form)].count : 0;
        if (dates > mostDates && dates * 4 >= l.validRows * 3) {
            mostDates = dates;
            l.dateColumn = column;
            l.dateForm = *form;
        } else if (col.dateShaped * 4 >= l.validRows * 3 && l.dateColumn < 0 && l.unreadable == Unreadable::None) {
            l.unreadable = Unreadable::Dates;
            l.unreadableColumn = column;
        }
    }
    if (l.dateColumn >= 0 && l.unreadable == Unreadable::Dates) {
        l.unreadable = Unreadable::None;
        l.unreadableColumn = -1;
    }
}

// A plain running column that runs against the dates is no column of draw
// numbers, even headed "No" (rows are numbered so too): draw numbers grow
// with the date.
bool runsAgainstDates(const Survey& s, const NumberColumn& number, const Layout& l) {
    constexpr int kNo = 3; // drawNameRank of "No"
    if ((number.named && s.drawNamedRank < kNo) || s.columns[static_cast<std::size_t>(number.column)].key().first != 1)
        return false;
    Layout dated = l;
    chooseDates(s, dated);
    if (dated.dateColumn < 0)
        return false;
    const ColumnStats& col = s.columns[static_cast<std::size_t>(number.column)];
    const int numbers = col.up >= col.down ? 1 : -1;
    const int dates = s.columns[static_cast<std::size_t>(dated.dateColumn)]
                          .dates[static_cast<std::size_t>(dated.dateForm)]
                          .direction();
    return dates == -numbers;
}

Layout decide(const Survey& s) {
    Layout l;
    const int bonusColumn = firstBonusNamed(s);
    const int hint = bonusColumn >= kNumbersPerSet ? bonusColumn - kNumbersPerSet : -1;
    NumberColumn number = numberColumn(s);
    Offset offset = bestOffset(s, number.column, hint);
    if (number.column >= 0 && !number.named) {
        // A column taken for draw numbers that hides the numbers is no such column.
        Offset without = bestOffset(s, -1, hint);
        if (without.valid > offset.valid) {
            number = NumberColumn{};
            offset = without;
        }
    }
    if (offset.offset < 0) {
        l.otherGame = s.sixes > 0;
        return l;
    }
    l.offset = offset.offset;
    l.validRows = offset.valid;
    if (number.column >= 0 && runsAgainstDates(s, number, l)) {
        number = NumberColumn{};
        offset = bestOffset(s, -1, hint);
        l.offset = offset.offset;
        l.validRows = offset.valid;
    }
    l.offsetTies = offset.ties;
    l.numberColumn = number.column;
    for (const int r : number.rivals)
        if (!overlaps(r, l.offset))
            l.rivals.push_back(r);
    l.otherGame = otherGame(s, l.offset);
    if (number.column < 0)
        chooseDates(s, l);
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
