#include "import/history_decoding.h"

#include "base/encoding.h"
#include "base/textfile.h"

#include <algorithm>

namespace zoki::parsing {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";

// fromShiftJis keeps a byte that does not decode as U+DC00 + byte, whose
// UTF-8 form starts ED B2 or ED B3; valid UTF-8 never holds those.
bool holdsUndecodedBytes(std::string_view line) {
    return line.find("\xED\xB2") != std::string_view::npos || line.find("\xED\xB3") != std::string_view::npos;
}

enum class Utf16 { No, Little, Big };

// UTF-16 whose byte-order mark went missing: text files hold no NUL bytes,
// while the ASCII of UTF-16 is every other byte NUL.
Utf16 utf16WithoutMark(std::string_view bytes) {
    const std::string_view head = bytes.substr(0, 4096);
    std::size_t even = 0;
    std::size_t odd = 0;
    for (std::size_t i = 0; i < head.size(); ++i)
        (i % 2 == 0 ? even : odd) += head[i] == '\0';
    if ((even + odd) * 4 < head.size())
        return Utf16::No;
    return odd > even ? Utf16::Little : Utf16::Big;
}

bool byteIn(std::string_view s, std::size_t i, unsigned lo, unsigned hi) {
    if (i >= s.size())
        return false;
    const auto b = static_cast<unsigned char>(s[i]);
    return b >= lo && b <= hi;
}

// Whether every character of the line has the shape of a Shift_JIS (CP932)
// one: a lead byte and a trail byte, or a half-width katakana byte.
bool shapedAsShiftJis(std::string_view line) {
    for (std::size_t i = 0; i < line.size();) {
        if (byteIn(line, i, 0x00, 0x7F) || byteIn(line, i, 0xA1, 0xDF)) {
            ++i;
        } else if ((byteIn(line, i, 0x81, 0x9F) || byteIn(line, i, 0xE0, 0xFC)) &&
                   (byteIn(line, i + 1, 0x40, 0x7E) || byteIn(line, i + 1, 0x80, 0xFC))) {
            i += 2;
        } else {
            return false;
        }
    }
    return true;
}

// The same for EUC-JP: two bytes A1..FE, half-width katakana after 8E, and
// the supplementary characters after 8F.
bool shapedAsEucJp(std::string_view line) {
    for (std::size_t i = 0; i < line.size();) {
        if (byteIn(line, i, 0x00, 0x7F)) {
            ++i;
        } else if ((byteIn(line, i, 0xA1, 0xFE) && byteIn(line, i + 1, 0xA1, 0xFE)) ||
                   (byteIn(line, i, 0x8E, 0x8E) && byteIn(line, i + 1, 0xA1, 0xDF))) {
            i += 2;
        } else if (byteIn(line, i, 0x8F, 0x8F) && byteIn(line, i + 1, 0xA1, 0xFE) && byteIn(line, i + 2, 0xA1, 0xFE)) {
            i += 3;
        } else {
            return false;
        }
    }
    return true;
}

// The code page of the lines that are not UTF-8: EUC-JP when more of them
// have its shape than Shift_JIS's (Shift_JIS's kana and most kanji start
// with bytes EUC-JP never uses, while EUC-JP's kanji next to a digit break
// Shift_JIS), else Shift_JIS, the Windows one.
bool legacyIsEucJp(std::string_view bytes) {
    int eucJp = 0;
    int shiftJis = 0;
    forEachLine(bytes, [&](std::string_view line) {
        if (isAscii(line) || isUtf8(line))
            return;
        eucJp += shapedAsEucJp(line);
        shiftJis += shapedAsShiftJis(line);
    });
    return eucJp > shiftJis;
}

std::string fromLegacy(std::string_view bytes, bool eucJp) { return eucJp ? fromEucJp(bytes) : fromShiftJis(bytes); }

// Lines in UTF-8 among lines in a Japanese code page: a file put together
// from two sources. Each line is read in its own encoding; the others are
// converted in one go.
void decodeMixed(std::string_view bytes, const std::vector<int>& utf8Lines, bool eucJp, std::string& store) {
    std::string others;
    others.reserve(bytes.size());
    std::size_t next = 0;
    int n = 0;
    forEachLine(bytes, [&](std::string_view line) {
        if (next < utf8Lines.size() && utf8Lines[next] == ++n)
            ++next; // an empty line holds its place
        else
            others.append(line);
        others += '\n';
    });
    const std::string decoded = fromLegacy(others, eucJp);
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

void decodeLegacy(std::string_view bytes, std::string& store) {
    const bool eucJp = legacyIsEucJp(bytes);
    std::vector<int> utf8Lines;
    int n = 0;
    forEachLine(bytes, [&](std::string_view line) {
        ++n;
        if (!isAscii(line) && isUtf8(line))
            utf8Lines.push_back(n);
    });
    if (utf8Lines.empty())
        store = fromLegacy(bytes, eucJp);
    else
        decodeMixed(bytes, utf8Lines, eucJp, store);
}

} // namespace

std::string_view decodeInto(std::string_view bytes, std::string& store, std::vector<int>* undecoded) {
    Utf16 utf16 = Utf16::No;
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    } else if (bytes.starts_with(kUtf16LittleMark) || bytes.starts_with(kUtf16BigMark)) {
        utf16 = bytes.starts_with(kUtf16BigMark) ? Utf16::Big : Utf16::Little;
        bytes.remove_prefix(kUtf16LittleMark.size());
    } else {
        utf16 = utf16WithoutMark(bytes);
    }
    if (utf16 != Utf16::No)
        store = fromUtf16(bytes, utf16 == Utf16::Big);
    else if (isAscii(bytes) || isUtf8(bytes))
        return bytes;
    else
        decodeLegacy(bytes, store);
    if (undecoded != nullptr && holdsUndecodedBytes(store)) {
        int n = 0;
        forEachLine(store, [&](std::string_view line) {
            ++n;
            if (holdsUndecodedBytes(line))
                undecoded->push_back(n);
        });
    }
    return store;
}

} // namespace zoki::parsing
