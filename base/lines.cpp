#include "base/lines.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zoki {

namespace detail {

std::uint64_t lineEndBits(const char* block, std::size_t n) {
#if defined(__SSE2__)
    if (n == 64) {
        const __m128i cr = _mm_set1_epi8('\r');
        const __m128i lf = _mm_set1_epi8('\n');
        std::uint64_t bits = 0;
        for (int i = 0; i < 4; ++i) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i));
            const __m128i ends = _mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf));
            bits |= static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(ends))) << (16 * i);
        }
        return bits;
    }
#endif
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (block[i] == '\r' || block[i] == '\n')
            bits |= std::uint64_t{1} << i;
    return bits;
}

} // namespace detail

std::vector<std::string> splitLines(std::string_view content) {
    std::vector<std::string> lines;
    // Room for a line per LF, as the data files end their lines; a file of
    // lone CRs only grows the vector as it goes.
    lines.reserve(static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n')) + 1);
    forEachLine(content, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

} // namespace zoki
