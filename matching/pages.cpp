#include "matching/pages.h"

#include "base/errors.h"
#include "base/loto.h"
#include "base/numtext.h"
#include "forms/forms.h"
#include "program/messages.h"

#include <algorithm>
#include <optional>

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

bool pageExists(int page, Int16 pageMax, int size) {
    if (page < 1 || page > pageMax)
        return false;
    try {
        (void)(size * Int16(page));
        return true;
    } catch (const OverflowError&) {
        return false;
    }
}

namespace {

template <std::size_t N>
std::array<std::string, N> entriesOnPage(const std::vector<std::string>& table, int page, Int16 pageMax) {
    std::array<std::string, N> entries;
    constexpr int size = static_cast<int>(N);
    if (!pageExists(page, pageMax, size))
        return entries;
    for (int k = 0; k < size; ++k) {
        const auto index = static_cast<std::size_t>(size * page - size + k);
        if (index < table.size())
            entries[static_cast<std::size_t>(k)] = table[index];
    }
    return entries;
}

// The ball picture for an entry; none (0) for a number outside 1..43. With
// `textFails`, an entry that is not a number, an empty one included, has
// none at all: std::nullopt.
std::optional<int> ballFor(const std::string& text, int (*picture)(int), bool textFails) {
    if (textFails && !isNumber(text))
        return std::nullopt;
    const int n = ballNumber(text, {.wholePart = true});
    return n == 0 ? 0 : picture(n);
}

} // namespace

DrawTexts drawOnPage(const std::vector<std::string>& drawTable, int page, Int16 drawPageMax) {
    return entriesOnPage<kLinesPerDraw>(drawTable, page, drawPageMax);
}

SetTexts setOnPage(const std::vector<std::string>& outHistory, int page, Int16 setPageMax) {
    return entriesOnPage<kLinesPerSet>(outHistory, page, setPageMax);
}

std::vector<int> pageBallPictures(const DrawTexts& draw, bool drawExists, const SetTexts& set, bool setExists,
                                  BallFill fill) {
    struct Ball {
        const std::string& text;
        int (*picture)(int);
        bool pageExists;
    };
    std::vector<Ball> balls;
    for (int k = 0; k < kNumbersPerSet; ++k)
        balls.push_back({draw[static_cast<std::size_t>(k)], ballPicture, drawExists});
    balls.push_back({draw[kBonusPosition], bonusBallPicture, drawExists});
    for (const std::string& text : set)
        balls.push_back({text, ballPicture, setExists});

    std::vector<int> pictures;
    for (const Ball& b : balls) {
        const std::optional<int> picture = ballFor(b.text, b.picture, b.pageExists && fill == BallFill::UpToFailure);
        if (!picture)
            break;
        pictures.push_back(*picture);
    }
    return pictures;
}

} // namespace zoki
