#include "matching/prize.h"

#include "base/errors.h"

#include <cstddef>

namespace zoki {

PrizeResult prizeRank(const DrawTexts& draw, const SetTexts& set) {
    PrizeResult r;
    // Every one of the 42 pairs is looked at, so a text that occurs twice in
    // damaged data counts once per occurrence; texts are never read as numbers.
    for (int i = 0; i < kLinesPerDraw; ++i) {
        for (int j = 0; j < kNumbersPerSet; ++j) {
            if (draw[static_cast<std::size_t>(i)] != set[static_cast<std::size_t>(j)])
                continue;
            r.pairs.push_back({i, j});
            if (i == kBonusPosition)
                ++r.bonusHits;
            else
                ++r.mainHits;
        }
    }
    r.rank = rankFor(r.mainHits, r.bonusHits);
    return r;
}

int rankFor(int mainHits, int bonusHits) {
    if (mainHits == 6)
        return 1;
    if (mainHits == 5 && bonusHits == 1)
        return 2;
    if (mainHits == 5)
        return 3;
    if (mainHits == 4)
        return 4;
    if (mainHits == 3)
        return 5;
    return 0;
}

Hits prizeRankOf(const DrawNumbers& draw, const SetNumberArray& set) {
    // Every pair, as the textual ranking looks at them.
    Hits h;
    for (int i = 0; i < kLinesPerDraw; ++i)
        for (const int n : set)
            if (draw[static_cast<std::size_t>(i)] == n)
                ++(i == kBonusPosition ? h.bonusHits : h.mainHits);
    h.rank = rankFor(h.mainHits, h.bonusHits);
    return h;
}

const char* rankText(int rank) {
    // The window writes second prize with katakana ニ, unlike the report.
    static const char* const texts[] = {"該当なし", "一等当選", "ニ等当選", "三等当選", "四等当選", "五等当選"};
    if (rank < 0 || rank > kPrizeRanks)
        throw IndexError();
    return texts[rank];
}

const char* rankHeading(int rank) {
    static const char* const headings[] = {"【該当なし】", "【一等当選】", "【二等当選】",
                                           "【三等当選】", "【四等当選】", "【五等当選】"};
    if (rank < 0 || rank > kPrizeRanks)
        throw IndexError();
    return headings[rank];
}

} // namespace zoki
