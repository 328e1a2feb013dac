#include "predict/sets.h"

#include "base/errors.h"
#include "base/numtext.h"
#include "base/random.h"
#include "base/services.h"
#include "predict/redraw_guard.h"
#include "predict/tickets.h"

#include <array>
#include <cstddef>
#include <optional>
#include <utility>

namespace zoki {

namespace {

// The chosen number goes to one of this many places; only the first six are
// in the set, so a set lacking it gets it six times in ten.
constexpr int kChosenPlaces = 10;

// Adjacent-swap passes: enough to order any set.
constexpr int kOrderPasses = kNumbersPerSet - 1;

// True when the number at `pos` repeats one of the earlier numbers of the set.
bool repeatsEarlier(const SetNumbers& set, std::size_t pos) {
    for (std::size_t m = 0; m < pos; ++m)
        if (set[m] == set[pos])
            return true;
    return false;
}

void writeTexts(SetRow set, const SetNumbers& numbers) {
    for (std::size_t pos = 0; pos < set.size(); ++pos)
        set[pos] = decimalText(numbers[pos]);
}

} // namespace

void plainSet(SetRow set, Random& random) { writeTexts(set, plainNumbers(random)); }

SetNumbers plainNumbers(Random& random) {
    SetNumbers set{};
    for (std::size_t pos = 0; pos < set.size(); ++pos) {
        RedrawGuard guard;
        do {
            guard.another();
            set[pos] = oneTo(kHighestNumber, random.next());
        } while (repeatsEarlier(set, pos));
    }
    return set;
}

void weightedSet(SetRow set, const TicketPool& pool, const RangeMarks& excludedRanges,
                 const std::optional<std::string>& chosen, Random& random) {
    writeTexts(set, weightedNumbers(pool, excludedRanges, random));
    if (chosen)
        placeChosenNumber(set, *chosen, random);
}

SetNumbers weightedNumbers(const TicketPool& pool, const RangeMarks& excludedRanges, Random& random) {
    // A set must find six different numbers, or the repeat loop would never end.
    if (allowedNumbers(excludedRanges) < kNumbersPerSet)
        throw TooFewNumbersError();
    SetNumbers set{};
    for (std::size_t pos = 0; pos < set.size(); ++pos) {
        RedrawGuard guard;
        do {
            guard.another();
            set[pos] = getNumberMethod(drawTicket(pool, random), pool, excludedRanges, random);
        } while (repeatsEarlier(set, pos));
    }
    return set;
}

void placeChosenNumber(SetRow set, const std::string& chosen, Random& random) {
    const double wanted = wholePart(chosen);
    for (const std::string& text : set)
        if (wholePart(text) == wanted)
            return;
    const int q = oneTo(kChosenPlaces, random.next());
    if (q <= kNumbersPerSet)
        set[static_cast<std::size_t>(q - 1)] = chosen;
}

void orderSet(SetRow set) {
    // Each text is read as a number once, when first compared, and its value
    // moves with it: reading is most of the cost, and a text that is no
    // number still fails at the comparison where it first takes part.
    std::array<std::optional<double>, kNumbersPerSet> whole;
    const auto valueAt = [&](std::size_t i) {
        if (!whole[i])
            whole[i] = wholePart(set[i]);
        return *whole[i];
    };
    for (int pass = 0; pass < kOrderPasses; ++pass)
        for (std::size_t j = 0; j + 1 < set.size(); ++j) {
            const double next = valueAt(j + 1);
            if (next < valueAt(j)) {
                std::swap(set[j], set[j + 1]);
                std::swap(whole[j], whole[j + 1]);
            }
        }
}

} // namespace zoki
