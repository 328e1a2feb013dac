#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The dates of a draw-history file, in the forms players' files write them.
namespace zoki::parsing {

// How a column writes its dates. A date with a four-digit year first or an
// era reads the same in every form; "26/03/16" and "3/16/2026" need the
// column to tell which number is which.
enum class DateForm : std::uint8_t {
    Written,  // 2026/03/16, 2026年3月16日, 令和8年3月16日, R8.3.16: no other way to read it
    ShortYmd, // 26/03/16
    ShortMdy, // 03/16/26
    ShortDmy, // 16/03/26
    Mdy,      // 3/16/2026
    Dmy,      // 16/3/2026
};
inline constexpr std::size_t kDateForms = 6;

// A field with the shape of a date, a weekday after it or not ("(木)",
// "（木）", " Thu"), as 32 bits that dateIn reads; 0 for a field of another
// shape. A field can have the shape and be no date in any form ("2026/13/45").
std::uint32_t rawDateOf(std::string_view field);

// The date of `raw` read in `form`, as yyyymmdd; 0 when it is none in it.
int dateIn(std::uint32_t raw, DateForm form);

} // namespace zoki::parsing
