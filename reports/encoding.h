#pragma once

#include "app/errors.h"

#include <string>
#include <string_view>

namespace zoki {

// A report text holds a character that the Japanese code page cannot
// represent (or bytes that are not UTF-8); `what()` names it and where.
class EncodingError : public ProgramError {
public:
    using ProgramError::ProgramError;
};

// UTF-8 to Shift_JIS as Windows writes it (CP932). Every report goes through
// here; nothing is replaced or dropped: an unmappable character throws.
std::string toShiftJis(std::string_view utf8);

} // namespace zoki
