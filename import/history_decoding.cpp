#include "import/history_decoding.h"

#include "base/encoding.h"
#include "base/textfile.h"

namespace zoki::parsing {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// fromShiftJis keeps a byte that does not decode as U+DC00 + byte, whose
// UTF-8 form starts ED B2 or ED B3; valid UTF-8 never holds those.
bool holdsUndecodedBytes(std::string_view line) {
    return line.find("\xED\xB2") != std::string_view::npos || line.find("\xED\xB3") != std::string_view::npos;
}

} // namespace

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

} // namespace zoki::parsing
