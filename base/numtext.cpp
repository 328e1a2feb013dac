#include "base/numtext.h"

#include "base/errors.h"
#include "base/int16.h"
#include "base/loto.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace zoki {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Returns false unless the whole text is one decimal number with optional
// blanks around it.
bool parse(std::string_view text, double& out) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    const std::size_t start = i;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            ++j;
        std::size_t expDigits = 0;
        while (j < n && isDigit(text[j])) {
            ++j;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
        i = j;
    }
    const std::size_t end = i;
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return false;
    const std::string number(text.substr(start, end - start));
    char* stop = nullptr;
    // The decimal point is "." whatever the user's locale: the window system
    // switches the process to it, and a comma locale would stop strtod at ".".
    static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    out = ::strtod_l(number.c_str(), &stop, cLocale);
    return stop == number.c_str() + number.size() && std::isfinite(out);
}

} // namespace

double numericValue(std::string_view text) {
    double v = 0;
    if (!parse(text, v))
        throw TypeMismatchError(std::string(text));
    return v;
}

bool isNumber(std::string_view text) {
    double v = 0;
    return parse(text, v);
}

double wholePart(std::string_view text) { return std::floor(numericValue(text)); }

int wholePart16(std::string_view text) {
    const double w = wholePart(text);
    if (w < kInt16Min || w > kInt16Max)
        throw OverflowError();
    return Int16(static_cast<int>(w));
}

int ballNumber(std::string_view text, BallRules rules) {
    // Plain digits, as the files hold them, need no general conversion.
    if (!text.empty() && text.size() <= 4 && std::all_of(text.begin(), text.end(), isDigit)) {
        int v = 0;
        for (char c : text)
            v = v * 10 + (c - '0');
        return v >= 1 && v <= kHighestNumber ? v : 0;
    }
    double v = 0;
    if (!parse(text, v)) {
        if (rules.textFails && text.find_first_not_of(' ') != std::string_view::npos)
            throw TypeMismatchError(std::string(text));
        return 0;
    }
    if (rules.wholePart)
        v = std::floor(v);
    if (v < 1.0 || v > kHighestNumber || v != std::floor(v))
        return 0;
    return static_cast<int>(v);
}

double roundHalfEven(double v) { return std::nearbyint(v); }

std::string trimSpaces(std::string_view text) { return std::string(trimSpacesView(text)); }

std::string_view trimSpacesView(std::string_view text) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    return text.substr(b, e - b);
}

std::string decimalText(long long v) { return std::to_string(v); }

std::string asciiDigits(std::string_view text) {
    // "０".."９" are U+FF10..U+FF19: EF BC 90..99 in UTF-8.
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool wide = text[i] == '\xEF' && i + 2 < text.size() && text[i + 1] == '\xBC' &&
                          static_cast<unsigned char>(text[i + 2]) >= 0x90 &&
                          static_cast<unsigned char>(text[i + 2]) <= 0x99;
        if (wide) {
            out += static_cast<char>('0' + (static_cast<unsigned char>(text[i + 2]) - 0x90));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace zoki
