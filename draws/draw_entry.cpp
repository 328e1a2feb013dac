#include "draws/draw_entry.h"

#include "base/numtext.h"

#include <algorithm>
#include <cmath>

namespace zoki {

namespace {

constexpr int kFields = kLinesPerDraw;

bool startsWithDigit(const std::string& text) { return !text.empty() && text[0] >= '0' && text[0] <= '9'; }

// A text that begins with a digit but is not one number as a whole ("1a",
// "1 2") is refused with the digits, so the range check only meets numbers.
bool looksNumeric(const std::string& text) { return startsWithDigit(text) && isNumber(text); }

EntryCheck fault(EntryFault kind, std::vector<int> marked = {}) { return {kind, std::move(marked), {}}; }

// The last pair of fields holding one number in the form's visiting order:
// the highest field with a twin, marked after that twin.
std::vector<int> duplicatePair(const std::array<double, kFields>& value) {
    int dupI = -1;
    int dupJ = -1;
    for (int i = 0; i < kFields; ++i)
        for (int j = 0; j < kFields; ++j)
            if (i != j && value[static_cast<std::size_t>(j)] == value[static_cast<std::size_t>(i)]) {
                dupI = i;
                dupJ = j;
            }
    if (dupI < 0)
        return {};
    return {dupJ, dupI};
}

// A line of data.dat as the number it holds; -1 for anything else.
int storedNumber(const std::string& value) {
    if (value.empty() || value.size() > 2 ||
        !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return std::stoi(value);
}

} // namespace

EntryCheck checkEntry(const EntryTexts& raw) {
    EntryTexts texts;
    for (int k = 0; k < kFields; ++k)
        texts[static_cast<std::size_t>(k)] = asciiDigits(raw[static_cast<std::size_t>(k)]);
    if (std::any_of(texts.begin(), texts.end(), [](const std::string& t) { return t.empty(); }))
        return fault(EntryFault::Blank);
    std::vector<int> marked;
    for (int k = 0; k < kFields; ++k)
        if (!looksNumeric(texts[static_cast<std::size_t>(k)]))
            marked.push_back(k);
    if (!marked.empty())
        return fault(EntryFault::NotDigits, std::move(marked));
    // A number with a fraction names no ball: "1.5" is not 1.
    std::array<double, kFields> value{};
    for (int k = 0; k < kFields; ++k) {
        const double v = numericValue(texts[static_cast<std::size_t>(k)]);
        value[static_cast<std::size_t>(k)] = v;
        if (!(v >= 1 && v <= kHighestNumber && v == std::floor(v)))
            marked.push_back(k);
    }
    if (!marked.empty())
        return fault(EntryFault::OutOfRange, std::move(marked));
    if (std::vector<int> pair = duplicatePair(value); !pair.empty())
        return fault(EntryFault::Duplicate, std::move(pair));
    EntryCheck ok;
    for (int k = 0; k < kFields; ++k)
        ok.numbers[static_cast<std::size_t>(k)] = static_cast<int>(value[static_cast<std::size_t>(k)]);
    return ok;
}

bool repeatsLatestDraw(const std::vector<std::string>& values, const EntryNumbers& draw) {
    const std::size_t whole = values.size() / kLinesPerDraw;
    if (whole == 0)
        return false;
    EntryNumbers latest{};
    EntryNumbers mine = draw;
    for (std::size_t k = 0; k < latest.size(); ++k)
        latest[k] = storedNumber(values[(whole - 1) * kLinesPerDraw + k]);
    std::sort(latest.begin(), latest.begin() + kNumbersPerSet);
    std::sort(mine.begin(), mine.begin() + kNumbersPerSet);
    return latest == mine;
}

} // namespace zoki
