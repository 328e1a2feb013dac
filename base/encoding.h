#pragma once

#include "base/errors.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zoki {

// A text holds a character that the Japanese code page cannot represent (or
// bytes that are not UTF-8); `what()` names it and where.
class EncodingError : public ProgramError {
public:
    using ProgramError::ProgramError;
};

// UTF-8 to Shift_JIS as Windows writes it (CP932). Nothing is replaced or
// dropped: an unmappable character throws. A byte that fromShiftJis kept
// undecoded is written back as that very byte.
std::string toShiftJis(std::string_view utf8);

// The UTF-8 character starting at `at`: its code point, with its length in
// bytes in `length`; nullopt when the bytes there are not one well-formed
// character (overlong forms and surrogates are not).
std::optional<char32_t> utf8CharAt(std::string_view text, std::size_t at, std::size_t& length);

// How many characters the text holds in the code page, as a reader of its
// Shift_JIS bytes counts them: a character that decoded is one, and so is a
// lead byte that was kept undecoded (see fromShiftJis) together with the
// byte after it, the two bytes of one character in the file (ED 40).
std::size_t codePageCharacters(std::string_view utf8);

// True when the whole text is well-formed UTF-8.
bool isUtf8(std::string_view text);

// True when every byte is ASCII, which reads the same in CP932 and UTF-8.
bool isAscii(std::string_view bytes);

// Shift_JIS (CP932) to UTF-8, for text the program reads back from its files.
// Decoding never loses a byte: a byte that does not start a character which
// decodes and encodes back to the same bytes is kept as the code point
// U+DC00 + byte (never valid text by itself), and toShiftJis restores it, so
// decoding and encoding again gives the bytes that were read.
std::string fromShiftJis(std::string_view cp932);

// EUC-JP (as Windows and Unix tools write it, with the NEC and IBM
// characters) to UTF-8, for files to import. A byte that does not start a
// character which decodes is kept as U+DC00 + byte, as fromShiftJis keeps it.
std::string fromEucJp(std::string_view eucJp);

// UTF-16 without its byte-order mark to UTF-8, for files to import. A code
// unit that is half of a pair without its other half, and an odd last byte,
// each become U+DCFF, the mark fromShiftJis leaves where a byte did not
// decode.
std::string fromUtf16(std::string_view utf16, bool bigEndian);

} // namespace zoki
