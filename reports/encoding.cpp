#include "reports/encoding.h"

#include <cerrno>
#include <cstdio>
#include <iconv.h>

namespace zoki {

namespace {

class Converter {
public:
    Converter() : cd(::iconv_open("CP932", "UTF-8")) {
        if (cd == reinterpret_cast<iconv_t>(-1))
            throw EncodingError("the CP932 converter is not available on this system");
    }
    ~Converter() { ::iconv_close(cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    iconv_t cd;
};

// "U+2603" for the character starting at `at`, or the raw bytes when they
// are not UTF-8.
std::string describe(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    int length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        length = 1;
        cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    }
    bool valid = length > 0 && at + static_cast<std::size_t>(length) <= text.size();
    for (int i = 1; valid && i < length; ++i) {
        const unsigned char c = byte(at + static_cast<std::size_t>(i));
        valid = (c & 0xC0) == 0x80;
        cp = (cp << 6) | (c & 0x3F);
    }
    char buf[32];
    if (valid)
        std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
    else
        std::snprintf(buf, sizeof buf, "byte 0x%02X (not UTF-8)", lead);
    return buf;
}

} // namespace

std::string toShiftJis(std::string_view utf8) {
    Converter conv;
    std::string out;
    // CP932 never needs more bytes than UTF-8 for the same character.
    out.resize(utf8.size() + 16);
    char* in = const_cast<char*>(utf8.data()); // iconv's signature; the input is not written
    std::size_t inLeft = utf8.size();
    std::size_t used = 0;
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
            throw EncodingError(std::string("cannot write ")
                                    .append(describe(utf8, at))
                                    .append(" in Shift_JIS (at byte ")
                                    .append(std::to_string(at))
                                    .append(")"));
        throw EncodingError("Shift_JIS conversion failed");
    }
    // Flush any shift state (none for CP932, but the call is cheap).
    for (;;) {
        char* dst = out.data() + used;
        std::size_t outLeft = out.size() - used;
        if (::iconv(conv.cd, nullptr, nullptr, &dst, &outLeft) != static_cast<std::size_t>(-1)) {
            used = out.size() - outLeft;
            break;
        }
        if (errno != E2BIG)
            throw EncodingError("Shift_JIS conversion failed");
        out.resize(out.size() * 2);
    }
    out.resize(used);
    return out;
}

} // namespace zoki
