#include "matching/pages.h"

#include "base/loto.h"
#include "base/numtext.h"
#include "program/messages.h"

#include <algorithm>

namespace zoki {

long long highestIndex(const std::vector<std::string>& table) { return static_cast<long long>(table.size()) - 1; }

long long drawPageCount(long long highestDrawIndex) {
    return static_cast<long long>(roundHalfEven(static_cast<double>(highestDrawIndex) / kLinesPerDraw));
}

long long setPageCount(long long highestHistoryIndex) {
    return static_cast<long long>(roundHalfEven(static_cast<double>(highestHistoryIndex - 2) / kLinesPerSet));
}

Int16 pageMax16(long long count) { return Int16(std::min<long long>(count, kInt16Max)); }

PageLimits pageLimits(const std::vector<std::string>& drawTable, const std::vector<std::string>& outHistory) {
    return {pageMax16(drawPageCount(highestIndex(drawTable))), pageMax16(setPageCount(highestIndex(outHistory)))};
}

const char* matchWarning(const std::vector<std::string>& drawTable, const std::vector<std::string>& outHistory) {
    if (outHistory.empty())
        return msg::kNoHistory;
    if (highestIndex(drawTable) < 4)
        return msg::kNoDraws;
    if (highestIndex(outHistory) < 4)
        return msg::kNoHistory;
    return nullptr;
}

} // namespace zoki
