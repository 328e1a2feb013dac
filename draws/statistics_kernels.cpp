#include "draws/statistics_kernels.h"

#include "base/errors.h"
#include "base/numtext.h"

#include <algorithm>
#include <string_view>

namespace zoki {

namespace {

constexpr int kCountLimit = kInt16Max; // counts are 16-bit

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The ball a value of the draw table names, as the general rule has it.
// Plain one- or two-digit texts, which the file holds, take a short way that
// does not branch on which of the two lengths they have: the second
// character of a one-character text is the terminating NUL.
int drawValueBall(const std::string& value) {
    const std::size_t size = value.size();
    if (size - 1 < 2) {
        const unsigned first = static_cast<unsigned char>(value[0]) - unsigned{'0'};
        const unsigned second = static_cast<unsigned char>(value.c_str()[1]) - unsigned{'0'};
        const unsigned two = static_cast<unsigned>(size) - 1; // 0 or 1
        if ((first <= 9) & ((second <= 9) | (two == 0))) {
            const unsigned n = first * (1 + 9 * two) + second * two;
            return n <= kHighestNumber ? static_cast<int>(n) : 0;
        }
    }
    return ballNumber(value, {.textFails = true});
}

// A text of one to four plain digits is a number whatever the rules.
bool plainDigits(std::string_view text) {
    return !text.empty() && text.size() <= 4 && std::all_of(text.begin(), text.end(), isDigit);
}

} // namespace

bool holdsADraw(const std::vector<std::string>& drawTable) {
    return !drawTable.empty() && drawTable.front().find_first_not_of(' ') != std::string::npos;
}

DrawCounts countDrawNumbers(const std::vector<std::string>& drawTable) {
    // Element 0 gathers the values that name no ball.
    std::array<int, kHighestNumber + 1> counts{};
    bool stopped = false;
    try {
        for (const std::string& value : drawTable) {
            const int n = drawValueBall(value);
            if (++counts[static_cast<std::size_t>(n)] > kCountLimit && n != 0) {
                counts[static_cast<std::size_t>(n)] = kCountLimit;
                stopped = true;
                break;
            }
        }
    } catch (const TypeMismatchError&) {
        stopped = true;
    }

    DrawCounts result;
    int total = 0;
    for (int n = 1; n <= kHighestNumber; ++n) {
        result.numberCount[static_cast<std::size_t>(n)] = counts[static_cast<std::size_t>(n)];
        total += counts[static_cast<std::size_t>(n)];
    }
    if (!stopped && total <= kCountLimit)
        result.drawNumberTotal = Int16(total);
    return result;
}

OutputCounts countOutputNumbers(const std::vector<std::string>& outHistory) {
    OutputCounts result;
    // The spare element after the last line is not a line.
    result.lines = outHistory.empty() ? 0 : outHistory.size() - 1;
    if (result.lines <= static_cast<std::size_t>(kCountLimit))
        result.outLineCount = Int16(static_cast<long long>(result.lines));

    std::array<int, kHighestNumber + 1> counts{};
    for (std::size_t i = 0; i < result.lines; ++i) {
        const std::string& line = outHistory[i];
        int n = 0;
        if (plainDigits(line)) {
            // The file's own lines: one to four digits, read without the
            // general number reader.
            int v = 0;
            for (const char c : line)
                v = v * 10 + (c - '0');
            n = v >= 1 && v <= kHighestNumber ? v : 0;
        } else if (isNumber(line)) {
            n = ballNumber(line, {.wholePart = true});
        } else {
            result.allNumbers = false;
            break;
        }
        if (n != 0 && counts[static_cast<std::size_t>(n)] < kCountLimit)
            ++counts[static_cast<std::size_t>(n)];
    }
    for (int n = 1; n <= kHighestNumber; ++n)
        result.outNumberCount[static_cast<std::size_t>(n)] = counts[static_cast<std::size_t>(n)];
    return result;
}

FrequencyRanking rankByCount(const NumberCounts& counts) {
    PerNumber<int> numbers;
    for (int n = 1; n <= kHighestNumber; ++n)
        numbers[static_cast<std::size_t>(n - 1)] = n;
    std::stable_sort(numbers.begin(), numbers.end(), [&](int a, int b) {
        return counts[static_cast<std::size_t>(a)] < counts[static_cast<std::size_t>(b)];
    });
    FrequencyRanking ranking;
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        ranking.sortedNumber[k] = numbers[k];
        ranking.sortedCount[k] = counts[static_cast<std::size_t>(numbers[k])];
    }
    return ranking;
}

BarWidths drawBarWidths(const NumberCounts& numberCount, Int16 drawNumberTotal, Int16 drawBarWidth, Int16 barScale) {
    if (drawNumberTotal == 0)
        throw DivisionByZeroError();
    BarWidths widths{};
    for (int n = 1; n <= kHighestNumber; ++n) {
        const int c = numberCount[static_cast<std::size_t>(n)];
        const double width = static_cast<double>(drawBarWidth) / int(drawNumberTotal) * c * int(barScale);
        widths[static_cast<std::size_t>(n - 1)] = static_cast<float>(width);
    }
    return widths;
}

BarWidths outputBarWidths(const NumberCounts& outNumberCount, Int16 outLineCount, Int16 outBarWidth) {
    BarWidths widths{};
    for (int n = 1; n <= kHighestNumber; ++n) {
        const int c = outNumberCount[static_cast<std::size_t>(n)];
        widths[static_cast<std::size_t>(n - 1)] =
            outLineCount == 0 ? static_cast<float>(outBarWidth)
                              : static_cast<float>(static_cast<double>(outBarWidth) / int(outLineCount) * c);
    }
    return widths;
}

double normalisingScale(Int16 fullWidth, float topWidth) {
    if (topWidth == 0.0f)
        throw DivisionByZeroError();
    return static_cast<double>(fullWidth) / topWidth;
}

BarWidths scaledWidths(const BarWidths& widths, double s) {
    BarWidths scaled{};
    for (std::size_t k = 0; k < widths.size(); ++k)
        scaled[k] = static_cast<float>(widths[k] * s);
    return scaled;
}

NumberCounts bonusCounts(const std::vector<std::string>& drawTable) {
    NumberCounts counts{};
    try {
        for (std::size_t i = 0; i < drawTable.size(); ++i) {
            const int n = drawValueBall(drawTable[i]);
            if (i % kLinesPerDraw == kBonusPosition)
                ++counts[static_cast<std::size_t>(n)];
        }
    } catch (const TypeMismatchError&) {
        // counted as far as the draw counts go
    }
    counts[0] = 0;
    return counts;
}

std::string barTip(int number, int mains, int bonus, int kept) {
    return rankingTip(number, mains, bonus) + " / 出力 " + std::to_string(kept) + " 回";
}

std::string rankingTip(int number, int mains, int bonus) {
    return std::to_string(number) + ": 本数字 " + std::to_string(mains) + " 回・ボーナス " + std::to_string(bonus) +
           " 回";
}

} // namespace zoki
