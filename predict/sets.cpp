#include "predict/sets.h"

#include "base/errors.h"
#include "base/random.h"
#include "base/services.h"
#include "predict/redraw_guard.h"
#include "predict/tickets.h"

#include <algorithm>
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

void write(SetRow set, const SetNumbers& numbers) { std::copy(numbers.begin(), numbers.end(), set.begin()); }

} // namespace

void plainSet(SetRow set, Random& random) { write(set, plainNumbers(random)); }

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

void weightedSet(SetRow set, const TicketPool& pool, const RangeMarks& excludedRanges, std::optional<int> chosen,
                 Random& random) {
    write(set, weightedNumbers(pool, excludedRanges, random));
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

void placeChosenNumber(SetRow set, int chosen, Random& random) {
    if (std::find(set.begin(), set.end(), chosen) != set.end())
        return;
    const int q = oneTo(kChosenPlaces, random.next());
    if (q <= kNumbersPerSet)
        set[static_cast<std::size_t>(q - 1)] = chosen;
}

void orderSet(SetRow set) {
    for (int pass = 0; pass < kOrderPasses; ++pass)
        for (std::size_t j = 0; j + 1 < set.size(); ++j)
            if (set[j + 1] < set[j])
                std::swap(set[j], set[j + 1]);
}

} // namespace zoki
