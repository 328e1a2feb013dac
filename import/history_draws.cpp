#include "import/history_draws.h"

#include "base/loto.h"
#include "base/textfile.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace zoki::parsing {

namespace {

// Range, then repeats, of seven numbers; `at` is the place at fault.
std::optional<RowFault> checkNumbers(const DrawNumbers& numbers, int& value, std::size_t& at) {
    for (at = 0; at < kWindow; ++at) {
        value = numbers[at];
        if (!isLotoNumber(value))
            return RowFault::OutOfRange;
    }
    for (at = 1; at < kWindow; ++at) {
        value = numbers[at];
        for (std::size_t j = 0; j < at; ++j)
            if (numbers[j] == value)
                return at == kNumbersPerSet ? RowFault::BonusAmongMains : RowFault::Duplicate;
    }
    return std::nullopt;
}

std::optional<RowFault> checkRow(Fields fields, std::size_t o, DrawNumbers& numbers, int& value) {
    int missing = 0;
    bool bonusMissing = false;
    for (std::size_t k = 0; k < kWindow; ++k) {
        if (o + k >= fields.size() || fields[o + k].empty) {
            ++missing;
            bonusMissing = k == kWindow - 1;
        } else {
            numbers[k] = fields[o + k].value;
        }
    }
    if (missing > 0)
        return missing == 1 && bonusMissing ? RowFault::MissingBonus : RowFault::MissingNumbers;
    std::size_t at = 0;
    return checkNumbers(numbers, value, at);
}

// A well-formed draw's numbers, 1..43 each.
using SmallNumbers = std::array<std::uint8_t, kWindow>;

// The same draw: the same main numbers in any order and the same bonus.
bool sameDraw(SmallNumbers a, SmallNumbers b) {
    std::sort(a.begin(), a.begin() + kNumbersPerSet);
    std::sort(b.begin(), b.begin() + kNumbersPerSet);
    return a == b;
}

// A row that looks like a draw, in 20 bytes: a file can hold a million.
struct Candidate {
    int line = 0;
    int number = 0;
    int date = 0;
    SmallNumbers numbers{};
    bool faulty = false;
};

int dateOfRow(Fields fields, const Layout& layout) {
    const auto d = static_cast<std::size_t>(layout.dateColumn);
    return d < fields.size() ? dateIn(fields[d].date, layout.dateForm) : 0;
}

// Rows without enough numbers where the draws stand are not draws (headers,
// notes, empty rows); the others are, well formed or not.
std::vector<Candidate> candidates(std::string_view text, Separator sep, const Layout& layout, DrawHistory& h) {
    std::vector<Candidate> out;
    const auto o = static_cast<std::size_t>(layout.offset);
    const int numberColumn = h.numberColumn;
    const bool byDate = h.order == HistoryOrder::Dates;
    // Only the fields up to the numbers, the draw number and the date matter,
    // and those of a numeric header.
    const int used = std::max({layout.offset + static_cast<int>(kWindow), numberColumn + 1,
                               byDate ? layout.dateColumn + 1 : 0, kNumbersPerSet + 2});
    RowReader reader(sep, static_cast<std::size_t>(used));
    int line = 0;
    forEachLine(text, [&](std::string_view raw) {
        ++line;
        if (raw.empty())
            return;
        const Fields fields = reader.read(raw);
        if (isNumericHeader(fields))
            return;
        std::size_t whole = 0;
        for (std::size_t k = 0; k < kWindow && o + k < fields.size(); ++k)
            whole += fields[o + k].value >= 0;
        Candidate c;
        c.line = line;
        if (numberColumn >= 0 && static_cast<std::size_t>(numberColumn) < fields.size())
            c.number = fields[static_cast<std::size_t>(numberColumn)].drawNo;
        // In a file of numbered draws a row without a number is a draw only
        // when all seven numbers stand there.
        const bool drawLike = numberColumn >= 0 ? (c.number > 0 || whole == kWindow) : whole >= 4;
        if (!drawLike)
            return;
        if (numberColumn >= 0 && c.number == 0) {
            h.faults.push_back({line, RowFault::NoDrawNumber, 0, 0});
            return;
        }
        if (byDate && (c.date = dateOfRow(fields, layout)) == 0) {
            // A draw without its date stops the history where it stands.
            h.faults.push_back({line, RowFault::NoDate, 0, 0});
            c.faulty = true;
            out.push_back(c);
            return;
        }
        int value = 0;
        DrawNumbers numbers{};
        if (const auto fault = checkRow(fields, o, numbers, value)) {
            h.faults.push_back({line, *fault, c.number, value});
            c.faulty = true;
        } else {
            std::copy(numbers.begin(), numbers.end(), c.numbers.begin());
        }
        out.push_back(c);
    });
    return out;
}

ImportedDraw drawOf(const Candidate& c) {
    ImportedDraw d{{}, c.number, c.line};
    std::copy(c.numbers.begin(), c.numbers.end(), d.numbers.begin());
    return d;
}

// Draw n goes to position n: the history runs from the lowest draw number up
// to the first number that has no usable row.
void orderByNumber(std::vector<Candidate>& cands, DrawHistory& h) {
    if (cands.empty())
        return;
    std::stable_sort(cands.begin(), cands.end(),
                     [](const Candidate& a, const Candidate& b) { return a.number < b.number; });
    h.firstNumber = cands.front().number;
    int expected = h.firstNumber;
    bool stopped = false;
    for (std::size_t i = 0; i < cands.size();) {
        const int number = cands[i].number;
        std::size_t end = i;
        const Candidate* first = nullptr;
        int good = 0;
        bool agree = true;
        for (; end < cands.size() && cands[end].number == number; ++end) {
            if (cands[end].faulty)
                continue;
            ++good;
            if (first == nullptr)
                first = &cands[end];
            else
                agree = agree && sameDraw(first->numbers, cands[end].numbers);
        }
        if (!agree)
            for (std::size_t k = i; k < end; ++k)
                if (!cands[k].faulty)
                    h.faults.push_back({cands[k].line, RowFault::ConflictingRepeat, number, 0});
        // The first number without one usable draw, met or skipped, stops it.
        if (!stopped && (good == 0 || !agree || number != expected)) {
            stopped = true;
            h.keptOut.afterDraw = expected;
            h.keptOut.absent = number != expected;
        }
        if (good > 0 && agree) {
            if (stopped) {
                h.keptOut.rows += good;
            } else {
                h.draws.push_back(drawOf(*first));
                h.repeatedRows += good - 1;
                ++expected;
            }
        }
        i = end;
    }
}

// Oldest first. A file whose dates run one way keeps its order (reversed
// when newest first), so that a row without a date stays in its place; one
// whose dates jump about is sorted, its rows without a date first, which
// then stop it.
void orderByDate(std::vector<Candidate>& cands) {
    int up = 0;
    int down = 0;
    const Candidate* previous = nullptr;
    for (const Candidate& c : cands) {
        if (c.date == 0)
            continue;
        if (previous != nullptr) {
            up += c.date > previous->date;
            down += c.date < previous->date;
        }
        previous = &c;
    }
    if (up == 0 || down == 0) {
        if (down > 0)
            std::reverse(cands.begin(), cands.end());
        return;
    }
    std::stable_sort(cands.begin(), cands.end(),
                     [](const Candidate& a, const Candidate& b) { return a.date < b.date; });
}

// Without draw numbers the file's order (or its dates') is the draws'
// order, so nothing can follow a row that could not be taken. Two
// different draws on one date leave their order unknown.
void takeInOrder(std::vector<Candidate>& cands, DrawHistory& h) {
    if (h.order == HistoryOrder::Dates)
        orderByDate(cands);
    const Candidate* last = nullptr;
    for (const Candidate& c : cands) {
        if (c.faulty) {
            if (h.keptOut.afterLine == 0)
                h.keptOut.afterLine = c.line;
        } else if (h.keptOut.afterLine != 0) {
            ++h.keptOut.rows;
        } else if (last != nullptr && sameDraw(last->numbers, c.numbers)) {
            ++h.repeatedRows;
        } else {
            if (last != nullptr && h.order == HistoryOrder::Dates && last->date == c.date)
                h.unreadable = Unreadable::SameDates;
            if (h.draws.empty())
                h.firstDate = c.date;
            h.draws.push_back(drawOf(c));
            last = &c;
        }
    }
}

// Fields, not one value: a separator inside the trimmed text.
bool separated(std::string_view t) {
    return t.find_first_of(" \t,;") != std::string_view::npos || t.find(kIdeographicSpace) != std::string_view::npos;
}

} // namespace

DrawHistory readRows(std::string_view text, Separator sep, const Layout& layout, int numberColumn,
                     DrawHistory* fromTheEnd) {
    DrawHistory h;
    h.numberColumn = numberColumn;
    h.order = numberColumn >= 0        ? HistoryOrder::Numbers
              : layout.dateColumn >= 0 ? HistoryOrder::Dates
                                       : HistoryOrder::FileOrder;
    h.offset = layout.offset;
    h.unreadable = layout.unreadable;
    h.unreadableColumn = layout.unreadableColumn;
    std::vector<Candidate> cands = candidates(text, sep, layout, h);
    std::stable_sort(h.faults.begin(), h.faults.end(),
                     [](const FaultyRow& a, const FaultyRow& b) { return a.line < b.line; });
    if (fromTheEnd != nullptr && h.order == HistoryOrder::FileOrder) {
        // The same rows the other way round: read once, taken twice.
        *fromTheEnd = h;
        fromTheEnd->reversed = true;
        std::reverse(cands.begin(), cands.end());
        takeInOrder(cands, *fromTheEnd);
        std::reverse(cands.begin(), cands.end());
    }
    if (h.order == HistoryOrder::Numbers)
        orderByNumber(cands, h);
    else
        takeInOrder(cands, h);
    if (h.unreadable == Unreadable::SameDates)
        h.unreadableColumn = layout.dateColumn;
    std::stable_sort(h.faults.begin(), h.faults.end(),
                     [](const FaultyRow& a, const FaultyRow& b) { return a.line < b.line; });
    return h;
}

bool readDrawFileCopy(std::string_view text, DrawHistory& h) {
    std::string buf;
    // Most files show at once that they are none: several fields in a line.
    for (const std::string_view line : sampleLines(text.substr(0, 4096)))
        if (separated(clean(line, buf)))
            return false;
    DrawNumbers values{};
    std::array<int, kWindow> lines{};
    std::size_t filled = 0;
    int line = 0;
    int numbers = 0;
    int texts = 0;
    int draw = 0;
    bool other = false;
    const auto take = [&] {
        ++draw;
        int value = 0;
        std::size_t at = 0;
        if (const auto fault = checkNumbers(values, value, at)) {
            h.faults.push_back({lines[at], *fault, draw, value});
            if (h.keptOut.afterDraw == 0)
                h.keptOut.afterDraw = draw;
        } else if (h.keptOut.afterDraw != 0) {
            h.keptOut.rows += kWindow;
        } else {
            h.draws.push_back(ImportedDraw{values, draw, lines[0]});
        }
    };
    forEachLine(text, [&](std::string_view raw) {
        ++line;
        if (other || raw.empty())
            return;
        int v = smallNumber(raw);
        if (v < 0) {
            const std::string_view t = clean(raw, buf);
            if (separated(t)) {
                other = true;
                return;
            }
            v = wholeNumber(t);
        }
        if (v < 0 && numbers + texts == 0)
            return;
        (v >= 0 ? numbers : texts) += 1;
        values[filled] = v;
        lines[filled] = line;
        if (++filled == kWindow) {
            filled = 0;
            take();
        }
    });
    // Nearly every line a number: anything else is a list of another kind.
    if (other || numbers == 0 || texts * 10 > numbers)
        return false;
    if (filled > 0)
        h.faults.push_back(
            {lines[0], filled == kNumbersPerSet ? RowFault::MissingBonus : RowFault::MissingNumbers, draw + 1, 0});
    h.order = HistoryOrder::DrawFile;
    return true;
}

} // namespace zoki::parsing
