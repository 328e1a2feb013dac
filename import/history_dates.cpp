#include "import/history_dates.h"

#include <array>

namespace zoki::parsing {

namespace {

enum Kind : std::uint32_t { kWritten = 0, kThreeShort = 1, kYearLast = 2 };
constexpr std::uint32_t kShaped = 1u << 31;

// The first Reiwa day; Heisei ran until the day before.
constexpr int kReiwa = 20190501;

// Reads up to `most` ASCII digits at the front of `f`; -1 when there are none.
int leadingNumber(std::string_view& f, std::size_t most, std::size_t& digits) {
    std::size_t n = 0;
    int v = 0;
    while (n < f.size() && n < most && f[n] >= '0' && f[n] <= '9')
        v = v * 10 + (f[n++] - '0');
    f.remove_prefix(n);
    digits = n;
    return n == 0 ? -1 : v;
}

bool eat(std::string_view& f, std::string_view what) {
    if (!f.starts_with(what))
        return false;
    f.remove_prefix(what.size());
    return true;
}

bool leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// yyyymmdd, or 0 for a day that does not exist.
int dateValue(int y, int m, int d) {
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1900 || y > 2199 || m < 1 || m > 12 || d < 1)
        return 0;
    if (d > kDays[static_cast<std::size_t>(m - 1)] + (m == 2 && leap(y)))
        return 0;
    return y * 10000 + m * 100 + d;
}

// What may follow the day: nothing, a weekday or a time after a blank or in
// brackets.
bool endsDate(std::string_view rest) {
    static constexpr std::array<std::string_view, 11> kAfter{"(",  " ",  "（", "[",  "月", "火",
                                                             "水", "木", "金", "土", "日"};
    if (rest.empty())
        return true;
    for (const std::string_view a : kAfter)
        if (rest.starts_with(a))
            return true;
    return false;
}

enum class Era { None, Heisei, Reiwa };

Era eraOf(std::string_view& f) {
    if (eat(f, "令和") || eat(f, "R") || eat(f, "r"))
        return Era::Reiwa;
    if (eat(f, "平成") || eat(f, "H") || eat(f, "h"))
        return Era::Heisei;
    return Era::None;
}

// The western date of an era date, or 0 when the era did not hold that day.
int eraDate(Era era, int year, int m, int d) {
    const int date = dateValue((era == Era::Reiwa ? 2018 : 1988) + year, m, d);
    if (date == 0 || year < 1)
        return 0;
    return (era == Era::Reiwa) == (date >= kReiwa) ? date : 0;
}

struct Numbers {
    int a = -1, b = -1, c = -1;
    std::size_t aDigits = 0, cDigits = 0;
    bool kanji = false; // 年 月 日
};

// Three numbers apart by one of "/", "-", "." or by 年 and 月, and what
// follows them; false when the field has another shape. An era's first
// year is 元.
bool threeNumbers(std::string_view& rest, bool era, Numbers& n) {
    std::size_t digits = 0;
    n.a = era && eat(rest, "元") ? 1 : leadingNumber(rest, 4, n.aDigits);
    if (n.a < 0 || rest.empty())
        return false;
    n.kanji = eat(rest, "年");
    const char sep = n.kanji ? '\0' : rest.front();
    if (!n.kanji && sep != '/' && sep != '-' && sep != '.')
        return false;
    if (!n.kanji)
        rest.remove_prefix(1);
    n.b = leadingNumber(rest, 2, digits);
    if (n.b < 0 || (n.kanji ? !eat(rest, "月") : !(rest.starts_with(sep) && eat(rest, std::string_view(&sep, 1)))))
        return false;
    n.c = leadingNumber(rest, 4, n.cDigits);
    if (n.c < 0 || (n.kanji && n.cDigits > 2))
        return false;
    if (n.kanji)
        eat(rest, "日");
    return endsDate(rest);
}

std::uint32_t packed(Kind kind, std::uint32_t payload) { return kShaped | (kind << 29) | payload; }

std::uint32_t threeOf(Kind kind, int a, int b, int c) {
    return packed(kind, static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b) << 7 |
                            static_cast<std::uint32_t>(c) << 14);
}

} // namespace

std::uint32_t rawDateOf(std::string_view field) {
    std::string_view rest = field;
    const Era era = eraOf(rest);
    const bool digit = !rest.empty() && rest[0] >= '0' && rest[0] <= '9';
    if (!digit && !(era != Era::None && rest.starts_with("元")))
        return 0;
    Numbers n;
    if (!threeNumbers(rest, era != Era::None, n))
        return 0;
    if (era != Era::None)
        return n.aDigits > 2 || n.cDigits > 2
                   ? 0
                   : packed(kWritten, static_cast<std::uint32_t>(eraDate(era, n.a, n.b, n.c)));
    if (n.aDigits == 4 && n.cDigits <= 2)
        return packed(kWritten, static_cast<std::uint32_t>(dateValue(n.a, n.b, n.c)));
    if (n.kanji || n.aDigits > 2)
        return 0; // "26年3月16日" leaves its era unsaid
    if (n.cDigits <= 2)
        return threeOf(kThreeShort, n.a, n.b, n.c);
    return n.cDigits == 4 ? threeOf(kYearLast, n.a, n.b, n.c) : 0;
}

int dateIn(std::uint32_t raw, DateForm form) {
    const std::uint32_t kind = (raw >> 29) & 3u;
    const std::uint32_t payload = raw & ((1u << 29) - 1);
    if ((raw & kShaped) == 0)
        return 0;
    if (kind == kWritten)
        return static_cast<int>(payload);
    const int a = static_cast<int>(payload & 127u);
    const int b = static_cast<int>((payload >> 7) & 127u);
    const int c = static_cast<int>(payload >> 14);
    if (kind == kThreeShort) {
        switch (form) {
        case DateForm::ShortYmd:
            return dateValue(2000 + a, b, c);
        case DateForm::ShortMdy:
            return dateValue(2000 + c, a, b);
        case DateForm::ShortDmy:
            return dateValue(2000 + c, b, a);
        default:
            return 0;
        }
    }
    if (form == DateForm::Mdy)
        return dateValue(c, a, b);
    return form == DateForm::Dmy ? dateValue(c, b, a) : 0;
}

} // namespace zoki::parsing
