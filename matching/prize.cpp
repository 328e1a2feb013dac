#include "matching/prize.h"

#include "base/errors.h"

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
    if (r.mainHits == 6)
        r.rank = 1;
    else if (r.mainHits == 5 && r.bonusHits == 1)
        r.rank = 2;
    else if (r.mainHits == 5)
        r.rank = 3;
    else if (r.mainHits == 4)
        r.rank = 4;
    else if (r.mainHits == 3)
        r.rank = 5;
    else
        r.rank = 0;
    return r;
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
