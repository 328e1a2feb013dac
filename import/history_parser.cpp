#include "import/history_parser.h"

#include "base/encoding.h"
#include "base/loto.h"
#include "base/textfile.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <tuple>
#include <utility>

namespace zoki {

namespace {

constexpr std::size_t kWindow = kLinesPerDraw; // six main numbers and the bonus
// Results files have a few dozen columns; fields further right are not read,
// so that one endless line costs no more than a normal one.
constexpr std::size_t kMaxColumns = 128;
constexpr std::size_t kLongestField = 256;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80"; // U+3000
constexpr std::string_view kDai = "第";
constexpr std::string_view kKai = "回";
constexpr std::string_view kOpen = "（";
constexpr std::string_view kClose = "）";

// ---------------------------------------------------------------- decoding

// fromShiftJis keeps a byte that does not decode as U+DC00 + byte, whose
// UTF-8 form starts ED B2 or ED B3; valid UTF-8 never holds those.
bool holdsUndecodedBytes(std::string_view line) {
    return line.find("\xED\xB2") != std::string_view::npos || line.find("\xED\xB3") != std::string_view::npos;
}

// The text of `bytes`, in `store` when it had to be converted.
std::string_view decodeInto(std::string_view bytes, std::string& store, std::vector<int>* undecoded) {
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    if (isAscii(bytes) || isUtf8(bytes))
        return bytes;
    // Lines in UTF-8 among lines in Shift_JIS: a file put together from two
    // sources. Each line is read in its own encoding; the Shift_JIS ones are
    // converted in one go.
    std::vector<int> utf8Lines;
    int n = 0;
    forEachLine(bytes, [&](std::string_view line) {
        ++n;
        if (!isAscii(line) && isUtf8(line))
            utf8Lines.push_back(n);
    });
    if (utf8Lines.empty()) {
        store = fromShiftJis(bytes);
    } else {
        std::string others;
        others.reserve(bytes.size() + static_cast<std::size_t>(n));
        std::size_t next = 0;
        n = 0;
        forEachLine(bytes, [&](std::string_view line) {
            if (next < utf8Lines.size() && utf8Lines[next] == ++n)
                ++next; // an empty line holds its place
            else
                others.append(line);
            others += '\n';
        });
        const std::string decoded = fromShiftJis(others);
        store.reserve(decoded.size() + bytes.size() / 2);
        std::size_t at = 0;
        next = 0;
        n = 0;
        forEachLine(bytes, [&](std::string_view line) {
            const std::size_t end = decoded.find('\n', at);
            if (next < utf8Lines.size() && utf8Lines[next] == ++n) {
                ++next;
                store.append(line);
            } else {
                store.append(decoded, at, end - at);
            }
            store += '\n';
            at = end + 1;
        });
    }
    if (undecoded != nullptr && holdsUndecodedBytes(store)) {
        n = 0;
        forEachLine(store, [&](std::string_view line) {
            ++n;
            if (holdsUndecodedBytes(line))
                undecoded->push_back(n);
        });
    }
    return store;
}

// ---------------------------------------------------------------- fields

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

// Blanks around the field go; full-width digits ("０".."９", EF BC 90..99)
// become ASCII ones, in `buf`.
std::string_view clean(std::string_view raw, std::string& buf) {
    std::size_t len = 0;
    while (!raw.empty() && blankAt(raw, 0, len))
        raw.remove_prefix(len);
    for (;;) {
        if (!raw.empty() && (raw.back() == ' ' || raw.back() == '\t'))
            raw.remove_suffix(1);
        else if (raw.ends_with(kIdeographicSpace))
            raw.remove_suffix(kIdeographicSpace.size());
        else
            break;
    }
    if (std::find(raw.begin(), raw.end(), '\xEF') == raw.end())
        return raw;
    buf.clear();
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\xEF' && i + 2 < raw.size() && raw[i + 1] == '\xBC') {
            const auto d = static_cast<unsigned char>(raw[i + 2]);
            if (d >= 0x90 && d <= 0x99) {
                buf += static_cast<char>('0' + (d - 0x90));
                i += 2;
                continue;
            }
        }
        buf += raw[i];
    }
    return buf;
}

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

// The quick way for the commonest field, one or two plain digits; -1 for
// anything else.
int smallNumber(std::string_view f) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (f.size() == 1 && digit(f[0]))
        return f[0] - '0';
    if (f.size() == 2 && digit(f[0]) && digit(f[1]))
        return (f[0] - '0') * 10 + (f[1] - '0');
    return -1;
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

// Reads up to `most` ASCII digits at the front of `f`; -1 when there are none.
int leadingNumber(std::string_view& f, std::size_t most) {
    std::size_t n = 0;
    int v = 0;
    while (n < f.size() && n < most && f[n] >= '0' && f[n] <= '9')
        v = v * 10 + (f[n++] - '0');
    f.remove_prefix(n);
    return n == 0 ? -1 : v;
}

bool eat(std::string_view& f, std::string_view what) {
    if (!f.starts_with(what))
        return false;
    f.remove_prefix(what.size());
    return true;
}

// "2001/10/05", "2001-10-5", "2001.10.05" or "2001年10月5日", a weekday
// after it or not: the date as yyyymmdd, or 0.
int dateOf(std::string_view f) {
    std::string_view rest = f;
    const int y = leadingNumber(rest, 4);
    if (y < 1900 || y > 2199 || rest.empty())
        return 0;
    const bool kanji = eat(rest, "年");
    const char sep = kanji ? '\0' : rest.front();
    if (!kanji && sep != '/' && sep != '-' && sep != '.')
        return 0;
    if (!kanji)
        rest.remove_prefix(1);
    const int m = leadingNumber(rest, 2);
    if (kanji ? !eat(rest, "月") : !(rest.starts_with(sep) && eat(rest, std::string_view(&sep, 1))))
        return 0;
    const int d = leadingNumber(rest, 2);
    if (kanji)
        eat(rest, "日");
    if (m < 1 || m > 12 || d < 1 || d > 31)
        return 0;
    if (!rest.empty() && rest.front() != '(' && rest.front() != ' ' && !rest.starts_with(kOpen))
        return 0;
    return y * 10000 + m * 100 + d;
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool containsNoCase(std::string_view text, std::string_view lowerWord) {
    for (std::size_t i = 0; i + lowerWord.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < lowerWord.size() && lowerAscii(text[i + k]) == lowerWord[k])
            ++k;
        if (k == lowerWord.size())
            return true;
    }
    return false;
}

bool namesBonus(std::string_view field) {
    return field.find("ボーナス") != std::string_view::npos || field.find("ﾎﾞｰﾅｽ") != std::string_view::npos ||
           containsNoCase(field, "bonus");
}

// How surely a header names the column of draw numbers: 1 for the Japanese
// names, 2 for the English ones, 3 for "no"; 0 when it names none.
int drawNameRank(std::string_view field) {
    char buf[24];
    std::size_t n = 0;
    for (const char c : field) {
        if (c == ' ')
            continue;
        if (n == sizeof buf)
            return 0;
        buf[n++] = lowerAscii(c);
    }
    while (n > 0 && (buf[n - 1] == '.' || buf[n - 1] == ':'))
        --n;
    const std::string_view name(buf, n);
    static constexpr std::array<std::string_view, 7> kJapanese{"抽せん回", "抽選回", "開催回", "回号",
                                                               "回",       "第n回",  "第○回"};
    static constexpr std::array<std::string_view, 4> kEnglish{"draw", "drawno", "drawnumber", "kai"};
    if (std::find(kJapanese.begin(), kJapanese.end(), name) != kJapanese.end())
        return 1;
    if (std::find(kEnglish.begin(), kEnglish.end(), name) != kEnglish.end())
        return 2;
    return name == "no" ? 3 : 0;
}

// What a field holds, in 16 bytes: a file has millions of them.
struct Field {
    int value = -1;            // wholeNumber; -1 for none
    int drawNo = 0;            // drawNumberOf; 0 for none
    int date = 0;              // dateOf
    std::uint8_t drawName = 0; // drawNameRank
    bool empty = true;
    bool marked = false;
    bool bonusName = false;
};

// The fields of one row, as RowReader holds them.
using Fields = std::span<const Field>;

Field analyse(std::string_view f) {
    Field x;
    x.empty = f.empty();
    if (x.empty)
        return x;
    x.value = wholeNumber(f);
    if (x.value >= 0) {
        x.drawNo = x.value;
        return x;
    }
    if (f[0] >= '0' && f[0] <= '9') {
        x.date = dateOf(f);
        if (x.date != 0)
            return x;
    }
    const DrawNumber d = drawNumberOf(f);
    x.drawNo = d.value;
    x.marked = d.marked;
    if (d.value == 0) {
        x.bonusName = namesBonus(f);
        x.drawName = static_cast<std::uint8_t>(drawNameRank(f));
    }
    return x;
}

// Any: commas and semicolons separate fields, and so do runs of blanks, for
// files that put the six numbers into one field ("02 08 10 13 27 30").
enum class Separator { Comma, Tab, Semicolon, Blank, Any };

// Splits a line into fields and reads each one; the fields of the last line
// read stay until the next.
class RowReader {
public:
    // Fields right of the first `columns` are not read.
    explicit RowReader(Separator sep, std::size_t columns = kMaxColumns) : sep_(sep), columns_(columns) {}

    Fields read(std::string_view line) {
        count_ = 0;
        if (sep_ == Separator::Blank || sep_ == Separator::Any)
            readAtBlanks(line);
        else
            readDelimited(line, sep_ == Separator::Comma ? ',' : sep_ == Separator::Tab ? '\t' : ';');
        return Fields(fields_.data(), count_);
    }

private:
    bool full() const { return count_ >= columns_; }

    void add(std::string_view raw) {
        if (full())
            return;
        if (const int v = smallNumber(raw); v >= 0) {
            fields_[count_++] = Field{.value = v, .drawNo = v, .empty = false};
            return;
        }
        // No number, date or name runs that long.
        if (raw.size() > kLongestField) {
            fields_[count_++] = Field{.empty = false};
            return;
        }
        fields_[count_++] = analyse(clean(raw, cleaned_));
    }

    // Between blanks a quoted field of several numbers is several fields,
    // as it would be without the quotes.
    void addQuotedAtBlanks(std::string_view raw) {
        pieces_.clear();
        std::size_t len = 0;
        for (std::size_t i = 0; i < raw.size();) {
            if (blankAt(raw, i, len)) {
                i += len;
                continue;
            }
            const std::size_t start = i;
            while (i < raw.size() && !blankAt(raw, i, len))
                ++i;
            pieces_.push_back(raw.substr(start, i - start));
        }
        const bool numbers = pieces_.size() >= 2 &&
                             std::all_of(pieces_.begin(), pieces_.end(),
                                         [&](std::string_view p) { return wholeNumber(clean(p, cleaned_)) >= 0; });
        if (!numbers) {
            add(raw);
            return;
        }
        for (const std::string_view piece : pieces_)
            if (!full())
                add(piece);
    }

    // A field that starts with a quote runs to the closing quote ("" is one
    // quote inside); separators inside it belong to it ("1,234,500").
    std::size_t readQuoted(std::string_view line, std::size_t i) {
        quoted_.clear();
        ++i;
        for (;;) {
            const std::size_t quote = std::min(line.find('"', i), line.size());
            quoted_.append(line.substr(i, quote - i));
            if (quote + 1 < line.size() && line[quote + 1] == '"') {
                quoted_ += '"';
                i = quote + 2;
                continue;
            }
            return std::min(quote + 1, line.size());
        }
    }

    void readDelimited(std::string_view line, char d) {
        std::size_t i = 0;
        while (!full()) {
            while (i < line.size() && line[i] == ' ')
                ++i;
            const bool quoted = i < line.size() && line[i] == '"';
            if (quoted)
                i = readQuoted(line, i);
            std::size_t end = i; // fields are short: no call to find the separator
            while (end < line.size() && line[end] != d)
                ++end;
            if (quoted) {
                quoted_.append(line.substr(i, end - i));
                add(quoted_);
            } else {
                add(line.substr(i, end - i));
            }
            if (end >= line.size())
                break;
            i = end + 1;
        }
    }

    void readAtBlanks(std::string_view line) {
        const bool commas = sep_ == Separator::Any;
        std::size_t i = 0;
        std::size_t len = 0;
        const auto hard = [&](std::size_t at) { return commas && (line[at] == ',' || line[at] == ';'); };
        // The bytes that can start a separator (E3 for U+3000).
        const auto mayEnd = [](char c) { return c == ' ' || c == '\t' || c == '\xE3' || c == ',' || c == ';'; };
        const auto skipBlanks = [&] {
            while (i < line.size() && blankAt(line, i, len))
                i += len;
        };
        skipBlanks();
        while (i < line.size() && !full()) {
            const bool quoted = line[i] == '"';
            if (quoted)
                i = readQuoted(line, i);
            const std::size_t start = i;
            while (i < line.size() && !(mayEnd(line[i]) && (hard(i) || blankAt(line, i, len))))
                ++i;
            if (quoted) {
                quoted_.append(line.substr(start, i - start));
                addQuotedAtBlanks(quoted_);
            } else {
                add(line.substr(start, i - start));
            }
            skipBlanks();
            if (i < line.size() && hard(i)) {
                ++i;
                skipBlanks();
                if (i >= line.size())
                    add(""); // the empty last field of "a,"
            }
        }
    }

    Separator sep_;
    std::size_t columns_;
    std::array<Field, kMaxColumns> fields_;
    std::size_t count_ = 0;
    std::vector<std::string_view> pieces_;
    std::string quoted_;
    std::string cleaned_;
};

// A header that numbers the columns ("1,2,3,4,5,6,7", "1,2,3,4,5,6,ボーナス"):
// its numbers run 1, 2, 3, ... from the left, and there are at least six.
bool isNumericHeader(Fields fields) {
    int next = 1;
    for (const Field& f : fields) {
        if (f.empty)
            continue;
        if (f.value >= 0) {
            if (f.value != next)
                return false;
            ++next;
        } else if (f.marked || f.date != 0) {
            return false;
        }
    }
    return next > kNumbersPerSet;
}

// ---------------------------------------------------------------- layout

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

struct Layout {
    int offset = -1;
    int validRows = 0;
    int numberColumn = -1;
    std::vector<int> rivals; // other columns that could as well hold the draw numbers
    int dateColumn = -1;
    bool otherGame = false;
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

// A few hundred lines from all over the text, the first among them: the
// line that starts after each of evenly spaced places.
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

// The separator that lets the most rows show a draw, judged on a few hundred
// rows from all over the file.
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

// ---------------------------------------------------------------- draws

// Range, then repeats, of seven numbers; `at` is the place at fault.
std::optional<RowFault> checkNumbers(const DrawNumbers& numbers, int& value, std::size_t& at) {
    for (at = 0; at < kWindow; ++at) {
        value = numbers[at];
        if (!isLotoNumber(value))
            return RowFault::OutOfRange;
    }
    for (at = 1; at < kWindow; ++at) {
        value = numbers[at];
        for (std::size_t j = 0; j < at; ++j)
            if (numbers[j] == value)
                return at == kNumbersPerSet ? RowFault::BonusAmongMains : RowFault::Duplicate;
    }
    return std::nullopt;
}

std::optional<RowFault> checkRow(Fields fields, std::size_t o, DrawNumbers& numbers, int& value) {
    int missing = 0;
    bool bonusMissing = false;
    for (std::size_t k = 0; k < kWindow; ++k) {
        if (o + k >= fields.size() || fields[o + k].empty) {
            ++missing;
            bonusMissing = k == kWindow - 1;
        } else {
            numbers[k] = fields[o + k].value;
        }
    }
    if (missing > 0)
        return missing == 1 && bonusMissing ? RowFault::MissingBonus : RowFault::MissingNumbers;
    std::size_t at = 0;
    return checkNumbers(numbers, value, at);
}

// A well-formed draw's numbers, 1..43 each.
using SmallNumbers = std::array<std::uint8_t, kWindow>;

// The same draw: the same main numbers in any order and the same bonus.
bool sameDraw(SmallNumbers a, SmallNumbers b) {
    std::sort(a.begin(), a.begin() + kNumbersPerSet);
    std::sort(b.begin(), b.begin() + kNumbersPerSet);
    return a == b;
}

// A row that looks like a draw, in 20 bytes: a file can hold a million.
struct Candidate {
    int line = 0;
    int number = 0;
    int date = 0;
    SmallNumbers numbers{};
    bool faulty = false;
};

// Rows without enough numbers where the draws stand are not draws (headers,
// notes, empty rows); the others are, well formed or not.
std::vector<Candidate> candidates(std::string_view text, Separator sep, const Layout& layout, DrawHistory& h) {
    std::vector<Candidate> out;
    const auto o = static_cast<std::size_t>(layout.offset);
    const int numberColumn = h.numberColumn;
    const bool byDate = h.order == HistoryOrder::Dates;
    // Only the fields up to the numbers, the draw number and the date matter,
    // and those of a numeric header.
    const int used = std::max({layout.offset + static_cast<int>(kWindow), numberColumn + 1,
                               byDate ? layout.dateColumn + 1 : 0, kNumbersPerSet + 2});
    RowReader reader(sep, static_cast<std::size_t>(used));
    int line = 0;
    forEachLine(text, [&](std::string_view raw) {
        ++line;
        if (raw.empty())
            return;
        const Fields fields = reader.read(raw);
        if (isNumericHeader(fields))
            return;
        std::size_t whole = 0;
        for (std::size_t k = 0; k < kWindow && o + k < fields.size(); ++k)
            whole += fields[o + k].value >= 0;
        Candidate c;
        c.line = line;
        if (numberColumn >= 0 && static_cast<std::size_t>(numberColumn) < fields.size())
            c.number = fields[static_cast<std::size_t>(numberColumn)].drawNo;
        // In a file of numbered draws a row without a number is a draw only
        // when all seven numbers stand there.
        const bool drawLike = numberColumn >= 0 ? (c.number > 0 || whole == kWindow) : whole >= 4;
        if (!drawLike)
            return;
        if (numberColumn >= 0 && c.number == 0) {
            h.faults.push_back({line, RowFault::NoDrawNumber, 0, 0});
            return;
        }
        if (byDate) {
            const auto d = static_cast<std::size_t>(layout.dateColumn);
            c.date = d < fields.size() ? fields[d].date : 0;
            if (c.date == 0) {
                // A draw without its date stops the history where it stands.
                h.faults.push_back({line, RowFault::NoDate, 0, 0});
                c.faulty = true;
                out.push_back(c);
                return;
            }
        }
        int value = 0;
        DrawNumbers numbers{};
        if (const auto fault = checkRow(fields, o, numbers, value)) {
            h.faults.push_back({line, *fault, c.number, value});
            c.faulty = true;
        } else {
            std::copy(numbers.begin(), numbers.end(), c.numbers.begin());
        }
        out.push_back(c);
    });
    return out;
}

ImportedDraw drawOf(const Candidate& c) {
    ImportedDraw d{{}, c.number, c.line};
    std::copy(c.numbers.begin(), c.numbers.end(), d.numbers.begin());
    return d;
}

// Draw n goes to position n: the history runs from the lowest draw number up
// to the first number that has no usable row.
void orderByNumber(std::vector<Candidate>& cands, DrawHistory& h) {
    if (cands.empty())
        return;
    std::stable_sort(cands.begin(), cands.end(),
                     [](const Candidate& a, const Candidate& b) { return a.number < b.number; });
    h.firstNumber = cands.front().number;
    int expected = h.firstNumber;
    bool stopped = false;
    for (std::size_t i = 0; i < cands.size();) {
        const int number = cands[i].number;
        std::size_t end = i;
        const Candidate* first = nullptr;
        int good = 0;
        bool agree = true;
        for (; end < cands.size() && cands[end].number == number; ++end) {
            if (cands[end].faulty)
                continue;
            ++good;
            if (first == nullptr)
                first = &cands[end];
            else
                agree = agree && sameDraw(first->numbers, cands[end].numbers);
        }
        if (!agree)
            for (std::size_t k = i; k < end; ++k)
                if (!cands[k].faulty)
                    h.faults.push_back({cands[k].line, RowFault::ConflictingRepeat, number, 0});
        // The first number without one usable draw, met or skipped, stops it.
        if (!stopped && (good == 0 || !agree || number != expected)) {
            stopped = true;
            h.keptOut.afterDraw = expected;
            h.keptOut.absent = number != expected;
        }
        if (good > 0 && agree) {
            if (stopped) {
                h.keptOut.rows += good;
            } else {
                h.draws.push_back(drawOf(*first));
                h.repeatedRows += good - 1;
                ++expected;
            }
        }
        i = end;
    }
}

// Oldest first. A file whose dates run one way keeps its order (reversed
// when newest first), so that a row without a date stays in its place; one
// whose dates jump about is sorted, its rows without a date first, which
// then stop it.
void orderByDate(std::vector<Candidate>& cands) {
    int up = 0;
    int down = 0;
    const Candidate* previous = nullptr;
    for (const Candidate& c : cands) {
        if (c.date == 0)
            continue;
        if (previous != nullptr) {
            up += c.date > previous->date;
            down += c.date < previous->date;
        }
        previous = &c;
    }
    if (up == 0 || down == 0) {
        if (down > 0)
            std::reverse(cands.begin(), cands.end());
        return;
    }
    std::stable_sort(cands.begin(), cands.end(),
                     [](const Candidate& a, const Candidate& b) { return a.date < b.date; });
}

// Without draw numbers the file's order (or its dates') is the draws'
// order, so nothing can follow a row that could not be taken.
void takeInOrder(std::vector<Candidate>& cands, DrawHistory& h) {
    if (h.order == HistoryOrder::Dates)
        orderByDate(cands);
    const Candidate* last = nullptr;
    for (const Candidate& c : cands) {
        if (c.faulty) {
            if (h.keptOut.afterLine == 0)
                h.keptOut.afterLine = c.line;
        } else if (h.keptOut.afterLine != 0) {
            ++h.keptOut.rows;
        } else if (last != nullptr && sameDraw(last->numbers, c.numbers)) {
            ++h.repeatedRows;
        } else {
            h.draws.push_back(drawOf(c));
            last = &c;
        }
    }
}

// The draws as `layout` places them, with draw numbers from `numberColumn`.
DrawHistory readRows(std::string_view text, Separator sep, const Layout& layout, int numberColumn) {
    DrawHistory h;
    h.numberColumn = numberColumn;
    h.order = numberColumn >= 0        ? HistoryOrder::Numbers
              : layout.dateColumn >= 0 ? HistoryOrder::Dates
                                       : HistoryOrder::FileOrder;
    std::vector<Candidate> cands = candidates(text, sep, layout, h);
    if (h.order == HistoryOrder::Numbers)
        orderByNumber(cands, h);
    else
        takeInOrder(cands, h);
    std::stable_sort(h.faults.begin(), h.faults.end(),
                     [](const FaultyRow& a, const FaultyRow& b) { return a.line < b.line; });
    return h;
}

// Fields, not one value: a separator inside the trimmed text.
bool separated(std::string_view t) {
    return t.find_first_of(" \t,;") != std::string_view::npos || t.find(kIdeographicSpace) != std::string_view::npos;
}

// ゾキ's own data.dat, or a backup of it: one number per line, seven lines
// per draw, draw k at lines 7k-6..7k. Empty lines are skipped, as the
// start-up does; a title above the first number is no draw. False for a
// file of another shape.
bool readDrawFile(std::string_view text, DrawHistory& h) {
    std::string buf;
    // Most files show at once that they are none: several fields in a line.
    for (const std::string_view line : sampleLines(text.substr(0, 4096)))
        if (separated(clean(line, buf)))
            return false;
    DrawNumbers values{};
    std::array<int, kWindow> lines{};
    std::size_t filled = 0;
    int line = 0;
    int numbers = 0;
    int texts = 0;
    int draw = 0;
    bool other = false;
    const auto take = [&] {
        ++draw;
        int value = 0;
        std::size_t at = 0;
        if (const auto fault = checkNumbers(values, value, at)) {
            h.faults.push_back({lines[at], *fault, draw, value});
            if (h.keptOut.afterDraw == 0)
                h.keptOut.afterDraw = draw;
        } else if (h.keptOut.afterDraw != 0) {
            h.keptOut.rows += kWindow;
        } else {
            h.draws.push_back(ImportedDraw{values, draw, lines[0]});
        }
    };
    forEachLine(text, [&](std::string_view raw) {
        ++line;
        if (other || raw.empty())
            return;
        int v = smallNumber(raw);
        if (v < 0) {
            const std::string_view t = clean(raw, buf);
            if (separated(t)) {
                other = true;
                return;
            }
            v = wholeNumber(t);
        }
        if (v < 0 && numbers + texts == 0)
            return;
        (v >= 0 ? numbers : texts) += 1;
        values[filled] = v;
        lines[filled] = line;
        if (++filled == kWindow) {
            filled = 0;
            take();
        }
    });
    // Nearly every line a number: anything else is a list of another kind.
    if (other || numbers == 0 || texts * 10 > numbers)
        return false;
    if (filled > 0)
        h.faults.push_back(
            {lines[0], filled == kNumbersPerSet ? RowFault::MissingBonus : RowFault::MissingNumbers, draw + 1, 0});
    h.order = HistoryOrder::DrawFile;
    return true;
}

} // namespace

const FaultyRow* DrawHistory::stoppingRow() const {
    for (const FaultyRow& f : faults) {
        if (keptOut.afterLine != 0 ? f.line == keptOut.afterLine
                                   : keptOut.afterDraw != 0 && !keptOut.absent && f.draw == keptOut.afterDraw)
            return &f;
    }
    return nullptr;
}

std::string decodeHistoryText(std::string_view bytes, std::vector<int>* undecoded) {
    std::string store;
    const std::string_view text = decodeInto(bytes, store, undecoded);
    return text.data() == store.data() ? store : std::string(text);
}

DrawHistory parseDrawHistory(std::string_view bytes) {
    std::vector<int> undecoded;
    std::string store;
    const std::string_view text = decodeInto(bytes, store, &undecoded);

    DrawHistory h;
    if (!readDrawFile(text, h)) {
        h = DrawHistory{};
        const Separator sep = chooseSeparator(text);
        Survey survey;
        RowReader reader(sep);
        forEachLine(text, [&](std::string_view line) {
            if (!line.empty())
                survey.add(reader.read(line));
        });
        const Layout layout = decide(survey);
        if (layout.otherGame) {
            h.otherGame = true;
        } else if (layout.offset >= 0) {
            h = readRows(text, sep, layout, layout.numberColumn);
            for (const int column : layout.rivals)
                h.rivals.push_back(readRows(text, sep, layout, column));
        }
    }
    for (DrawHistory& rival : h.rivals)
        rival.undecodedLines = undecoded;
    h.undecodedLines = std::move(undecoded);
    return h;
}

} // namespace zoki
