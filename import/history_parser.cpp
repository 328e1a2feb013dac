#include "import/history_parser.h"

#include "base/encoding.h"
#include "base/loto.h"
#include "base/textfile.h"

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>
#include <utility>

namespace zoki {

namespace {

constexpr int kWindow = kLinesPerDraw; // six main numbers and the bonus

constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80"; // U+3000
constexpr std::string_view kDai = "第";
constexpr std::string_view kKai = "回";

bool blankAt(std::string_view s, std::size_t i, std::size_t& len) {
    if (s[i] == ' ' || s[i] == '\t') {
        len = 1;
        return true;
    }
    if (s.substr(i, 3) == kIdeographicSpace) {
        len = 3;
        return true;
    }
    return false;
}

// Full-width digits ("０".."９", EF BC 90..99) become ASCII ones; blanks
// around the field go.
std::string clean(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    const std::size_t wide = raw.find('\xEF');
    out.append(raw.substr(0, wide));
    for (std::size_t i = out.size(); i < raw.size(); ++i) {
        const auto c = static_cast<unsigned char>(raw[i]);
        if (c == 0xEF && i + 2 < raw.size() && static_cast<unsigned char>(raw[i + 1]) == 0xBC) {
            const auto d = static_cast<unsigned char>(raw[i + 2]);
            if (d >= 0x90 && d <= 0x99) {
                out += static_cast<char>('0' + (d - 0x90));
                i += 2;
                continue;
            }
        }
        out += raw[i];
    }
    std::size_t len = 0;
    std::size_t begin = 0;
    while (begin < out.size() && blankAt(out, begin, len))
        begin += len;
    std::size_t end = out.size();
    for (;;) {
        if (end > begin && (out[end - 1] == ' ' || out[end - 1] == '\t'))
            --end;
        else if (end >= begin + 3 && std::string_view(out).substr(end - 3, 3) == kIdeographicSpace)
            end -= 3;
        else
            break;
    }
    return out.substr(begin, end - begin);
}

// Any: commas and semicolons separate fields, and so do runs of blanks, for
// files that put the six numbers into one field ("02 08 10 13 27 30").
enum class Separator { Comma, Tab, Semicolon, Blank, Any };

// A field that starts with a quote runs to the closing quote ("" is one
// quote inside); separators inside it belong to it ("1,234,500").
std::size_t readQuoted(std::string_view line, std::size_t i, std::string& field) {
    ++i;
    while (i < line.size()) {
        if (line[i] == '"') {
            if (i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                i += 2;
                continue;
            }
            return i + 1;
        }
        field += line[i++];
    }
    return i;
}

std::vector<std::string> splitAtBlanks(std::string_view line, bool commas) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    std::size_t len = 0;
    const auto hard = [&](std::size_t at) { return commas && (line[at] == ',' || line[at] == ';'); };
    const auto skipBlanks = [&] {
        while (i < line.size() && blankAt(line, i, len))
            i += len;
    };
    skipBlanks();
    while (i < line.size()) {
        std::string field;
        if (line[i] == '"')
            i = readQuoted(line, i, field);
        const std::size_t start = i;
        while (i < line.size() && !hard(i) && !blankAt(line, i, len))
            ++i;
        field.append(line.substr(start, i - start));
        fields.push_back(clean(field));
        skipBlanks();
        if (i < line.size() && hard(i)) {
            ++i;
            skipBlanks();
            if (i >= line.size())
                fields.emplace_back(); // the empty last field of "a,"
        }
    }
    return fields;
}

std::vector<std::string> splitFields(std::string_view line, Separator sep) {
    if (sep == Separator::Blank || sep == Separator::Any)
        return splitAtBlanks(line, sep == Separator::Any);
    const char d = sep == Separator::Comma ? ',' : sep == Separator::Tab ? '\t' : ';';
    std::vector<std::string> fields;
    std::size_t i = 0;
    for (;;) {
        std::string field;
        while (i < line.size() && line[i] == ' ')
            ++i;
        if (i < line.size() && line[i] == '"')
            i = readQuoted(line, i, field);
        const std::size_t end = std::min(line.find(d, i), line.size());
        field.append(line.substr(i, end - i));
        fields.push_back(clean(field));
        if (end >= line.size())
            break;
        i = end + 1;
    }
    return fields;
}

constexpr std::string_view kOpen = "（";
constexpr std::string_view kClose = "）";

// A whole number in ASCII digits ("7", "07"), also in brackets as bonus
// numbers sometimes are ("(7)"), or -1.
int wholeNumber(std::string_view f) {
    if (f.size() > 2 && f.front() == '(' && f.back() == ')')
        f = f.substr(1, f.size() - 2);
    else if (f.starts_with(kOpen) && f.ends_with(kClose) && f.size() > kOpen.size() + kClose.size())
        f = f.substr(kOpen.size(), f.size() - kOpen.size() - kClose.size());
    if (f.empty() || f.size() > 6)
        return -1;
    int v = 0;
    for (const char c : f) {
        if (c < '0' || c > '9')
            return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

bool isLotoNumber(int v) { return v >= 1 && v <= kHighestNumber; }

struct DrawNumber {
    int value = 0; // 0: none
    bool marked = false;
};

// "1234", "第1234回" or "1234回".
DrawNumber drawNumberOf(std::string_view f) {
    bool marked = false;
    if (f.starts_with(kDai)) {
        f.remove_prefix(kDai.size());
        marked = true;
    }
    if (f.ends_with(kKai)) {
        f.remove_suffix(kKai.size());
        marked = true;
    }
    while (!f.empty() && f.front() == ' ')
        f.remove_prefix(1);
    while (!f.empty() && f.back() == ' ')
        f.remove_suffix(1);
    const int v = wholeNumber(f);
    if (v < 1)
        return {};
    return {v, marked};
}

struct Row {
    int line = 0;
    std::vector<std::string> fields;
    std::vector<int> values; // wholeNumber of each field
};

std::vector<Row> splitRows(const std::vector<std::string>& lines, Separator sep) {
    std::vector<Row> rows;
    rows.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Row r;
        r.line = static_cast<int>(i) + 1;
        r.fields = splitFields(lines[i], sep);
        r.values.reserve(r.fields.size());
        for (const std::string& f : r.fields)
            r.values.push_back(wholeNumber(f));
        rows.push_back(std::move(r));
    }
    return rows;
}

bool validWindow(const Row& r, std::size_t o) {
    if (o + kWindow > r.values.size())
        return false;
    for (std::size_t k = 0; k < kWindow; ++k) {
        if (!isLotoNumber(r.values[o + k]))
            return false;
        for (std::size_t j = 0; j < k; ++j)
            if (r.values[o + j] == r.values[o + k])
                return false;
    }
    return true;
}

bool ascendingMains(const Row& r, std::size_t o) {
    for (std::size_t k = 1; k < 6; ++k)
        if (r.values[o + k - 1] >= r.values[o + k])
            return false;
    return true;
}

std::size_t widest(const std::vector<Row>& rows) {
    std::size_t w = 0;
    for (const Row& r : rows)
        w = std::max(w, r.fields.size());
    return w;
}

// The column of draw numbers: the one with the most "第…回" fields, else
// the one whose plain numbers run one way from row to row, mostly by one.
// Repeats are few there; a column of years, months or days repeats itself or
// jumps, and a column of lottery numbers runs no way at all.
int findNumberColumn(const std::vector<Row>& rows) {
    struct Column {
        int count = 0, marked = 0, same = 0, up = 0, down = 0, stepUp = 0, stepDown = 0, previous = 0;
    };
    std::vector<Column> cols(widest(rows));
    for (const Row& r : rows) {
        for (std::size_t c = 0; c < r.fields.size(); ++c) {
            const DrawNumber d = drawNumberOf(r.fields[c]);
            if (d.value == 0)
                continue;
            Column& col = cols[c];
            if (col.count > 0) {
                const int diff = d.value - col.previous;
                col.same += diff == 0;
                col.up += diff > 0;
                col.down += diff < 0;
                col.stepUp += diff == 1;
                col.stepDown += diff == -1;
            }
            col.previous = d.value;
            ++col.count;
            col.marked += d.marked;
        }
    }
    int best = -1;
    std::pair<int, int> bestKey{0, 0};
    for (std::size_t c = 0; c < cols.size(); ++c) {
        const Column& col = cols[c];
        const int pairs = col.count - 1;
        const int moves = col.up + col.down;
        const int oneWay = std::max(col.up, col.down);
        const int steps = col.up >= col.down ? col.stepUp : col.stepDown;
        std::pair<int, int> key{0, 0};
        if (col.marked > 0 && col.marked * 2 >= col.count)
            key = {2, col.marked};
        else if (moves > 0 && col.same * 2 < pairs && oneWay * 5 >= moves * 4 && steps * 2 >= moves)
            key = {1, steps};
        if (key > bestKey) {
            bestKey = key;
            best = static_cast<int>(c);
        }
    }
    return best;
}

bool namesBonus(const std::string& field) {
    if (field.find("ボーナス") != std::string::npos || field.find("ﾎﾞｰﾅｽ") != std::string::npos)
        return true;
    std::string lower = field;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower.find("bonus") != std::string::npos;
}

// The first column a header names as the bonus, as a window offset; -1 if none.
int headerOffset(const std::vector<Row>& rows) {
    for (const Row& r : rows)
        for (std::size_t c = 0; c < r.fields.size(); ++c)
            if (namesBonus(r.fields[c]))
                return static_cast<int>(c) - (kWindow - 1);
    return -1;
}

struct Layout {
    int numberColumn = -1;
    int offset = -1;
    int validRows = 0;
};

// The window offset most rows agree on, never over the draw-number column.
// Ties (small files): the offset a header names, then the one with more
// rows of ascending main numbers, then the leftmost.
Layout bestOffset(const std::vector<Row>& rows, int numberColumn, int hint) {
    const std::size_t width = widest(rows);
    std::vector<int> valid(width), ascending(width);
    for (const Row& r : rows) {
        for (std::size_t o = 0; o + kWindow <= r.values.size(); ++o) {
            if (numberColumn >= static_cast<int>(o) && numberColumn < static_cast<int>(o) + kWindow)
                continue;
            if (!validWindow(r, o))
                continue;
            ++valid[o];
            ascending[o] += ascendingMains(r, o);
        }
    }
    Layout best{numberColumn, -1, 0};
    std::tuple<int, int, int> bestKey{0, 0, 0};
    for (std::size_t o = 0; o < width; ++o) {
        const std::tuple<int, int, int> key{valid[o], static_cast<int>(o) == hint, ascending[o]};
        if (valid[o] > 0 && key > bestKey) {
            bestKey = key;
            best.offset = static_cast<int>(o);
            best.validRows = valid[o];
        }
    }
    return best;
}

Layout detectLayout(const std::vector<Row>& rows) {
    const int hint = headerOffset(rows);
    const int column = findNumberColumn(rows);
    Layout withNumbers = bestOffset(rows, column, hint);
    if (column < 0)
        return withNumbers;
    // A column taken for draw numbers that hides the numbers is no such column.
    Layout without = bestOffset(rows, -1, hint);
    return without.validRows > withNumbers.validRows ? without : withNumbers;
}

struct Candidate {
    int line = 0;
    int number = 0;
    std::optional<RowFault> fault;
    DrawNumbers numbers{};
};

std::optional<RowFault> checkWindow(const Row& r, std::size_t o, DrawNumbers& numbers) {
    int missing = 0;
    bool bonusMissing = false;
    for (std::size_t k = 0; k < kWindow; ++k) {
        if (o + k >= r.fields.size() || r.fields[o + k].empty()) {
            ++missing;
            bonusMissing = k == kWindow - 1;
        }
    }
    if (missing > 0)
        return missing == 1 && bonusMissing ? RowFault::MissingBonus : RowFault::MissingNumbers;
    for (std::size_t k = 0; k < kWindow; ++k) {
        numbers[k] = r.values[o + k];
        if (!isLotoNumber(numbers[k]))
            return RowFault::OutOfRange;
    }
    for (std::size_t k = 0; k < kWindow; ++k)
        for (std::size_t j = 0; j < k; ++j)
            if (numbers[j] == numbers[k])
                return RowFault::Duplicate;
    return std::nullopt;
}

// Rows without enough numbers where the draws stand are not draws (headers,
// notes, empty rows); the others are, well formed or not.
std::vector<Candidate> candidates(const std::vector<Row>& rows, const Layout& layout, std::vector<FaultyRow>& faults) {
    std::vector<Candidate> out;
    const auto o = static_cast<std::size_t>(layout.offset);
    for (const Row& r : rows) {
        int whole = 0;
        for (std::size_t k = 0; k < kWindow && o + k < r.values.size(); ++k)
            whole += r.values[o + k] >= 0;
        int number = 0;
        if (layout.numberColumn >= 0 && static_cast<std::size_t>(layout.numberColumn) < r.fields.size())
            number = drawNumberOf(r.fields[static_cast<std::size_t>(layout.numberColumn)]).value;
        // In a file of numbered draws a row without a number is a draw only
        // when all seven numbers stand there (a header "1,2,..,6,B" is none).
        const bool drawLike = layout.numberColumn >= 0 ? (number > 0 || whole == kWindow) : whole >= 4;
        if (!drawLike)
            continue;
        if (layout.numberColumn >= 0 && number == 0) {
            faults.push_back({r.line, RowFault::NoDrawNumber, 0});
            continue;
        }
        Candidate c;
        c.line = r.line;
        c.number = number;
        c.fault = checkWindow(r, o, c.numbers);
        if (c.fault)
            faults.push_back({r.line, *c.fault, 0});
        out.push_back(c);
    }
    return out;
}

// The same draw: the same main numbers in any order and the same bonus.
bool sameDraw(const DrawNumbers& a, const DrawNumbers& b) {
    DrawNumbers x = a;
    DrawNumbers y = b;
    std::sort(x.begin(), x.begin() + kNumbersPerSet);
    std::sort(y.begin(), y.begin() + kNumbersPerSet);
    return x == y;
}

ImportedDraw drawOf(const Candidate& c) { return ImportedDraw{c.numbers, c.number, c.line}; }

// Draw n goes to position n: the history runs from the lowest draw number up
// to the first number that has no usable row.
void orderByNumber(const std::vector<Candidate>& cands, DrawHistory& h) {
    std::map<int, std::vector<const Candidate*>> byNumber;
    for (const Candidate& c : cands)
        byNumber[c.number].push_back(&c);
    if (byNumber.empty())
        return;
    h.firstNumber = byNumber.begin()->first;
    int expected = h.firstNumber;
    int gap = 0;
    for (const auto& [number, rows] : byNumber) {
        std::vector<const Candidate*> good;
        for (const Candidate* c : rows)
            if (!c->fault)
                good.push_back(c);
        const bool agree = std::all_of(good.begin(), good.end(),
                                       [&](const Candidate* c) { return sameDraw(c->numbers, good.front()->numbers); });
        if (!agree)
            for (const Candidate* c : good)
                h.faults.push_back({c->line, RowFault::ConflictingRepeat, number});
        // The first number without one usable draw, met or skipped, is the gap.
        if (gap == 0 && (good.empty() || !agree || number != expected))
            gap = expected;
        if (good.empty() || !agree)
            continue;
        if (gap != 0) {
            for (const Candidate* c : good)
                h.faults.push_back({c->line, RowFault::AfterGap, gap});
            continue;
        }
        h.draws.push_back(drawOf(*good.front()));
        h.repeatedRows += static_cast<int>(good.size()) - 1;
        ++expected;
    }
}

// Without draw numbers the file's order is the draws' order, so nothing can
// follow a row that could not be taken.
void keepFileOrder(const std::vector<Candidate>& cands, DrawHistory& h) {
    int faultyLine = 0;
    for (const Candidate& c : cands) {
        if (c.fault) {
            if (faultyLine == 0)
                faultyLine = c.line;
            continue;
        }
        if (faultyLine != 0) {
            h.faults.push_back({c.line, RowFault::AfterFaultyRow, faultyLine});
        } else if (!h.draws.empty() && sameDraw(h.draws.back().numbers, c.numbers)) {
            ++h.repeatedRows;
        } else {
            h.draws.push_back(drawOf(c));
        }
    }
}

// The separator that lets the most rows show a draw, judged on a few hundred
// rows from all over the file.
Separator chooseSeparator(const std::vector<std::string>& lines) {
    const std::size_t stride = std::max<std::size_t>(1, lines.size() / 256);
    std::vector<std::string> sample;
    for (std::size_t i = 0; i < lines.size(); i += stride)
        sample.push_back(lines[i]);
    Separator best = Separator::Comma;
    int bestRows = 0;
    for (const Separator sep :
         {Separator::Comma, Separator::Tab, Separator::Semicolon, Separator::Blank, Separator::Any}) {
        const int rows = detectLayout(splitRows(sample, sep)).validRows;
        if (rows > bestRows) {
            bestRows = rows;
            best = sep;
        }
    }
    return best;
}

} // namespace

std::string decodeHistoryText(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return std::string(bytes.substr(3));
    if (isUtf8(bytes))
        return std::string(bytes);
    return fromShiftJis(bytes);
}

DrawHistory parseDrawHistory(std::string_view bytes) {
    const std::vector<std::string> lines = splitLines(decodeHistoryText(bytes));
    const std::vector<Row> rows = splitRows(lines, chooseSeparator(lines));
    const Layout layout = detectLayout(rows);

    DrawHistory h;
    if (layout.offset < 0)
        return h;
    const std::vector<Candidate> cands = candidates(rows, layout, h.faults);
    h.numbered = layout.numberColumn >= 0;
    if (h.numbered)
        orderByNumber(cands, h);
    else
        keepFileOrder(cands, h);
    std::stable_sort(h.faults.begin(), h.faults.end(),
                     [](const FaultyRow& a, const FaultyRow& b) { return a.line < b.line; });
    return h;
}

} // namespace zoki
