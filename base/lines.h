#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zoki {

namespace detail {

// Bit i is set when byte i of the block is a CR or an LF; n is at most 64.
std::uint64_t lineEndBits(const char* block, std::size_t n);

} // namespace detail

// Calls f with each line of file content; a line ends at CR LF, a lone CR
// or a lone LF, the line end is not part of the text and a last line without
// one still counts. The line ends of 64 bytes are found at once, so that
// finding one line does not wait for the line before: the data files hold
// tens of thousands of lines of one or two digits.
template <class F> void forEachLine(std::string_view content, F&& f) {
    const char* const text = content.data();
    const std::size_t size = content.size();
    std::size_t lineStart = 0;
    for (std::size_t block = 0; block < size; block += 64) {
        std::uint64_t ends = detail::lineEndBits(text + block, std::min<std::size_t>(64, size - block));
        while (ends != 0) {
            const std::size_t at = block + static_cast<std::size_t>(std::countr_zero(ends));
            ends &= ends - 1;
            if (at < lineStart)
                continue; // the LF of a CR LF
            f(std::string_view(text + lineStart, at - lineStart));
            lineStart = at + 1;
            if (text[at] == '\r' && lineStart < size && text[lineStart] == '\n')
                ++lineStart;
        }
    }
    if (lineStart < size)
        f(std::string_view(text + lineStart, size - lineStart));
}

// The lines of file content, as forEachLine gives them.
std::vector<std::string> splitLines(std::string_view content);

// Each line followed by CR LF.
std::string joinLines(const std::vector<std::string>& lines);

} // namespace zoki
