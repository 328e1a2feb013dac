#include "base/encoding.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iconv.h>
#include <unordered_map>

namespace zoki {

namespace {

class Converter {
public:
    // `name` is the code page as the user knows it.
    Converter(const char* to, const char* from, const char* name = "Shift_JIS (CP932)") : cd(::iconv_open(to, from)) {
        // iconv_open's failure value is (iconv_t)-1 by its definition.
        if (cd == reinterpret_cast<iconv_t>(-1)) // NOLINT(performance-no-int-to-ptr)
            throw EncodingError(std::string("この環境には ") + name +
                                " の文字コード変換がありません。"
                                "システムの文字コード変換機能を入れ直してから、もう一度お試し下さい。");
    }
    ~Converter() { ::iconv_close(cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts a whole short piece from a fresh state; false when it does not
    // convert.
    bool convert(std::string_view in, std::string& out) {
        ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char buf[16];
        char* src = const_cast<char*>(in.data()); // iconv's signature; the input is not written
        std::size_t srcLeft = in.size();
        char* dst = buf;
        std::size_t dstLeft = sizeof buf;
        if (::iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1) || srcLeft != 0)
            return false;
        out.assign(buf, sizeof buf - dstLeft);
        return true;
    }

    iconv_t cd;
};

// A kept byte b travels as U+DC00 + b, whose UTF-8 form is ED B2 80 .. ED B3 BF.
void appendKeptByte(std::string& out, unsigned char b) {
    const unsigned cp = 0xDC00u + b;
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
}

// The byte kept at `at`, or -1 when no kept byte starts there.
int keptByteAt(std::string_view text, std::size_t at) {
    if (at + 3 > text.size() || static_cast<unsigned char>(text[at]) != 0xED)
        return -1;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    const auto third = static_cast<unsigned char>(text[at + 2]);
    if ((second != 0xB2 && second != 0xB3) || (third & 0xC0) != 0x80)
        return -1;
    return static_cast<int>((((second & 0x3Fu) << 6) | (third & 0x3Fu)) - 0xC00u);
}

bool eightAscii(const char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return (word & 0x8080808080808080u) == 0;
}

bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// "U+2603" for the character starting at `at`, or the raw byte when it is
// not UTF-8.
std::string describe(std::string_view text, std::size_t at) {
    std::size_t length = 0;
    char buf[32];
    if (const std::optional<char32_t> cp = utf8CharAt(text, at, length))
        std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(*cp));
    else
        std::snprintf(buf, sizeof buf, "0x%02X", static_cast<unsigned char>(text[at]));
    return buf;
}

// `position` counts bytes from the start of the whole text.
EncodingError unmappable(std::string_view text, std::size_t at, std::size_t position) {
    return EncodingError("Shift_JIS で書けない文字 (" + describe(text, at) + "、" + std::to_string(position + 1) +
                         " バイト目) があります。その文字を直してから、もう一度お試し下さい。");
}

// Converts one piece free of kept bytes; `offset` is where it starts in the
// whole text, for the error message.
void appendShiftJis(Converter& conv, std::string_view utf8, std::size_t offset, std::string& out) {
    ::iconv(conv.cd, nullptr, nullptr, nullptr, nullptr);
    const std::size_t base = out.size();
    // CP932 never needs more bytes than UTF-8 for the same character.
    out.resize(base + utf8.size() + 16);
    char* in = const_cast<char*>(utf8.data()); // iconv's signature; the input is not written
    std::size_t inLeft = utf8.size();
    std::size_t used = base;
    while (inLeft > 0) {
        char* dst = out.data() + used;
        std::size_t outLeft = out.size() - used;
        const std::size_t r = ::iconv(conv.cd, &in, &inLeft, &dst, &outLeft);
        used = out.size() - outLeft;
        if (r != static_cast<std::size_t>(-1))
            break;
        const int err = errno;
        if (err == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        const std::size_t at = utf8.size() - inLeft;
        if (err == EILSEQ || err == EINVAL)
            throw unmappable(utf8, at, offset + at);
        throw EncodingError("Shift_JIS への変換に失敗しました。もう一度お試し下さい。");
    }
    out.resize(used);
}

} // namespace

std::string toShiftJis(std::string_view utf8) {
    Converter conv("CP932", "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    std::size_t start = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const int kept = keptByteAt(utf8, i);
        if (kept < 0) {
            ++i;
            continue;
        }
        appendShiftJis(conv, utf8.substr(start, i - start), start, out);
        out += static_cast<char>(kept);
        i += 3;
        start = i;
    }
    appendShiftJis(conv, utf8.substr(start), start, out);
    return out;
}

std::optional<char32_t> utf8CharAt(std::string_view text, std::size_t at, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[at]);
    char32_t cp = 0;
    if (lead < 0x80) {
        length = 1;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07u;
    } else {
        return std::nullopt;
    }
    if (at + length > text.size())
        return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
        const auto c = static_cast<unsigned char>(text[at + k]);
        if ((c & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (c & 0x3Fu);
    }
    const bool overlong = (length == 2 && cp < 0x80) || (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    return cp;
}

std::size_t codePageCharacters(std::string_view utf8) {
    bool kept = false;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) // continuation bytes don't start a character
            ++characters;
        kept = kept || keptByteAt(utf8, i) >= 0;
    }
    if (!kept)
        return characters;
    // Rare: counted on the bytes the file held. A character the code page
    // cannot hold fails the report anyway; it counts as one until then.
    std::string bytes;
    try {
        bytes = toShiftJis(utf8);
    } catch (const EncodingError&) {
        return characters;
    }
    characters = 0;
    for (std::size_t i = 0; i < bytes.size(); i += isLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1)
        ++characters;
    return characters;
}

bool isUtf8(std::string_view text) {
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size(); i += length) {
        // Runs of ASCII, as most of a draw history is, eight bytes at a time.
        while (i + 8 <= text.size() && eightAscii(text.data() + i))
            i += 8;
        if (i >= text.size())
            break;
        if (!utf8CharAt(text, i, length))
            return false;
    }
    return true;
}

bool isAscii(std::string_view bytes) {
    // Eight bytes at a time: the data files run to a few hundred kilobytes.
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8)
        if (!eightAscii(bytes.data() + i))
            return false;
    for (; i < bytes.size(); ++i)
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return false;
    return true;
}

namespace {

// Appends a character decoded before, or, where it did not decode, keeps its
// first byte as it is; the position after what was taken.
std::size_t appendDecoded(std::string& out, const std::string& decoded, unsigned char first, std::size_t at,
                          std::size_t length) {
    if (decoded.empty()) {
        appendKeptByte(out, first);
        return at + 1;
    }
    out += decoded;
    return at + length;
}

} // namespace

std::string fromShiftJis(std::string_view cp932) {
    if (isAscii(cp932))
        return std::string(cp932); // plain ASCII, as the data files hold
    std::size_t i = 0;
    while (static_cast<unsigned char>(cp932[i]) < 0x80)
        ++i;
    Converter decoder("UTF-8", "CP932");
    Converter encoder("CP932", "UTF-8");
    std::string out(cp932.substr(0, i));
    std::string decoded;
    std::string again;
    // Each distinct character is converted once (empty: it does not decode);
    // a file of Japanese text repeats a few hundred of them.
    std::unordered_map<std::uint16_t, std::string> known;
    while (i < cp932.size()) {
        const auto c = static_cast<unsigned char>(cp932[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        const std::size_t length = isLeadByte(c) && i + 1 < cp932.size() ? 2 : 1;
        const std::string_view piece = cp932.substr(i, length);
        const auto key =
            static_cast<std::uint16_t>(length == 2 ? (c << 8) | static_cast<unsigned char>(cp932[i + 1]) : c);
        const auto [entry, fresh] = known.try_emplace(key);
        // Only a character that comes back as the same bytes is decoded: the
        // code page maps some characters from two places, and a value must
        // reach the reports as the bytes the user wrote.
        if (fresh && decoder.convert(piece, decoded) && encoder.convert(decoded, again) && again == piece)
            entry->second = decoded;
        i = appendDecoded(out, entry->second, c, i, length);
    }
    return out;
}

std::string fromEucJp(std::string_view eucJp) {
    if (isAscii(eucJp))
        return std::string(eucJp);
    Converter decoder("UTF-8", "EUC-JP-MS", "EUC-JP");
    std::string out;
    out.reserve(eucJp.size() + eucJp.size() / 2);
    std::string decoded;
    // As in fromShiftJis: each distinct character is converted once.
    std::unordered_map<std::uint32_t, std::string> known;
    for (std::size_t i = 0; i < eucJp.size();) {
        const auto c = static_cast<unsigned char>(eucJp[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        const std::size_t length = std::min<std::size_t>(c == 0x8F                ? 3
                                                         : c == 0x8E || c >= 0xA1 ? 2
                                                                                  : 1,
                                                         eucJp.size() - i);
        std::uint32_t key = 0;
        for (std::size_t k = 0; k < length; ++k)
            key = (key << 8) | static_cast<unsigned char>(eucJp[i + k]);
        const auto [entry, fresh] = known.try_emplace(key | (static_cast<std::uint32_t>(length) << 24));
        if (fresh && length > 1 && decoder.convert(eucJp.substr(i, length), decoded))
            entry->second = decoded;
        i = appendDecoded(out, entry->second, c, i, length);
    }
    return out;
}

namespace {

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::string fromUtf16(std::string_view utf16, bool bigEndian) {
    const auto unitAt = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(utf16[i]);
        const auto b = static_cast<unsigned char>(utf16[i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    std::string out;
    out.reserve(utf16.size());
    std::size_t i = 0;
    for (; i + 2 <= utf16.size(); i += 2) {
        const char32_t unit = unitAt(i);
        if (unit < 0xD800 || unit > 0xDFFF) {
            appendUtf8(out, unit);
            continue;
        }
        const bool paired =
            unit < 0xDC00 && i + 4 <= utf16.size() && unitAt(i + 2) >= 0xDC00 && unitAt(i + 2) <= 0xDFFF;
        if (!paired) {
            appendKeptByte(out, 0xFF);
            continue;
        }
        appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
        i += 2;
    }
    if (i < utf16.size())
        appendKeptByte(out, 0xFF);
    return out;
}

} // namespace zoki
