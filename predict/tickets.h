#pragma once

#include "base/int16.h"
#include "base/loto.h"
#include "predict/ranges.h"
#include "predict/strengths.h"

#include <array>
#include <cstdint>

namespace zoki {

class Random;

// The weighted draw's tickets: first the even share, spread evenly over the
// numbers, then one ticket per counted occurrence, numbers in ascending
// order. Sums are 32-bit so that any history the statistics can count still
// gives a valid pool.
struct TicketPool {
    std::int32_t evenShare = 0;
    // evenShare + numberCount(1) + ... + numberCount(k), for k = 0..kHighestNumber:
    // the last ticket of number k's data part.
    std::array<std::int32_t, kHighestNumber + 1> dataEnd{};
    // weightTotal: the pool ends where drawNumberTotal says, not where the
    // counts add up to, should the two disagree.
    std::int32_t size = 0;
};

TicketPool ticketPool(Strength strength, const NumberCounts& numberCount, Int16 drawNumberTotal);

// The number 1..kHighestNumber owning a ticket, or 0 when no number owns it
// (a ticket beyond the counted ones, possible only if the counts and their
// total disagree).
int ticketOwner(const TicketPool& pool, std::int32_t ticket);

// A ticket drawn from the whole pool: Int(size × r + 1).
std::int32_t drawTicket(const TicketPool& pool, Random& random);

// The number a drawn ticket gives: a ticket that gives an excluded number,
// or none, is drawn again.
int getNumberMethod(std::int32_t ticket, const TicketPool& pool, const RangeMarks& excludedRanges, Random& random);

} // namespace zoki
