#include "predict/tickets.h"

#include "base/random.h"
#include "base/services.h"
#include "predict/redraw_guard.h"

#include <cstddef>

namespace zoki {

TicketPool ticketPool(Strength strength, const NumberCounts& numberCount, Int16 drawNumberTotal) {
    TicketPool pool;
    pool.evenShare = evenShareFor(strength);
    pool.dataEnd[0] = pool.evenShare;
    for (std::size_t k = 1; k < pool.dataEnd.size(); ++k)
        pool.dataEnd[k] = pool.dataEnd[k - 1] + static_cast<std::int32_t>(numberCount[k]);
    pool.size = static_cast<std::int32_t>(drawNumberTotal) + pool.evenShare;
    return pool;
}

int ticketOwner(const TicketPool& pool, std::int32_t ticket) {
    if (ticket <= pool.evenShare) {
        // A real share per number, so that each holds evenShare / 43 tickets.
        const double s = pool.evenShare / static_cast<double>(kHighestNumber);
        for (int k = 1; k <= kHighestNumber; ++k)
            if ((k - 1) * s < ticket && ticket < k * s + 1)
                return k;
        return 0;
    }
    // The first match in ascending order decides, whatever the counts.
    for (std::size_t k = 1; k < pool.dataEnd.size(); ++k)
        if (pool.dataEnd[k - 1] < ticket && ticket <= pool.dataEnd[k])
            return static_cast<int>(k);
    return 0;
}

std::int32_t drawTicket(const TicketPool& pool, Random& random) { return oneTo(pool.size, random.next()); }

int getNumberMethod(std::int32_t ticket, const TicketPool& pool, const RangeMarks& excludedRanges, Random& random) {
    RedrawGuard guard;
    for (;;) {
        guard.another();
        const int k = ticketOwner(pool, ticket);
        if (k != 0 && !excluded(excludedRanges, k))
            return k;
        ticket = drawTicket(pool, random);
    }
}

} // namespace zoki
