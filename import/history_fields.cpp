#include "import/history_fields.h"

#include "import/history_dates.h"

#include <algorithm>

namespace zoki::parsing {

namespace {

constexpr std::size_t kLongestField = 256;

constexpr std::string_view kDai = "第";
constexpr std::string_view kKai = "回";
constexpr std::string_view kOpen = "（";
constexpr std::string_view kClose = "）";

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

// "1,234" as 1234; -1 unless the commas part groups of three digits.
int groupedNumber(std::string_view f) {
    char digits[8];
    std::size_t n = 0;
    std::size_t group = 0;
    bool grouped = false;
    for (const char c : f) {
        if (c == ',') {
            if (group == 0 || group > 3 || (grouped && group != 3))
                return -1;
            grouped = true;
            group = 0;
        } else if (c >= '0' && c <= '9' && n < sizeof digits) {
            digits[n++] = c;
            ++group;
        } else {
            return -1;
        }
    }
    if (!grouped || group != 3)
        return -1;
    return wholeNumber(std::string_view(digits, n));
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

} // namespace

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

int drawNumberOf(std::string_view f, bool& marked) {
    marked = false;
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
    const int v = f.find(',') == std::string_view::npos ? wholeNumber(f) : groupedNumber(f);
    marked = marked && v >= 1;
    return v < 1 ? 0 : v;
}

namespace {

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
    x.undecoded = f.find("\xED\xB2") != std::string_view::npos || f.find("\xED\xB3") != std::string_view::npos;
    x.date = rawDateOf(f);
    if (x.date != 0)
        return x;
    x.drawNo = drawNumberOf(f, x.marked);
    if (x.drawNo == 0) {
        x.bonusName = namesBonus(f);
        x.drawName = static_cast<std::uint8_t>(drawNameRank(f));
    }
    return x;
}

} // namespace

Fields RowReader::read(std::string_view line) {
    count_ = 0;
    source_ = 0;
    if (sep_ == Separator::Blank || sep_ == Separator::Any)
        readAtBlanks(line);
    else
        readDelimited(line, sep_ == Separator::Comma ? ',' : sep_ == Separator::Tab ? '\t' : ';');
    return Fields(fields_.data(), count_);
}

void RowReader::add(std::string_view raw) {
    if (full())
        return;
    if (const int v = smallNumber(raw); v >= 0) {
        fields_[count_++] = Field{.value = v, .drawNo = v, .source = source_, .empty = false};
        return;
    }
    // No number, date or name runs that long.
    if (raw.size() > kLongestField) {
        fields_[count_++] = Field{.source = source_, .empty = false};
        return;
    }
    fields_[count_] = analyse(clean(raw, cleaned_));
    fields_[count_++].source = source_;
}

// A quoted field of several numbers apart by blanks ("02 08 10 13 27 30")
// is several fields, as it would be without the quotes between blanks.
void RowReader::addQuotedAtBlanks(std::string_view raw) {
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
    const bool numbers = pieces_.size() >= 2 && std::all_of(pieces_.begin(), pieces_.end(), [&](std::string_view p) {
                             return wholeNumber(clean(p, cleaned_)) >= 0;
                         });
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
std::size_t RowReader::readQuoted(std::string_view line, std::size_t i) {
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

void RowReader::readDelimited(std::string_view line, char d) {
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
            addQuotedAtBlanks(quoted_);
        } else {
            add(line.substr(i, end - i));
        }
        ++source_;
        if (end >= line.size())
            break;
        i = end + 1;
    }
}

void RowReader::readAtBlanks(std::string_view line) {
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
        ++source_;
        skipBlanks();
        if (i < line.size() && hard(i)) {
            ++i;
            skipBlanks();
            if (i >= line.size())
                add(""); // the empty last field of "a,"
        }
    }
}

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

} // namespace zoki::parsing
