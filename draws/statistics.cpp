#include "draws/statistics.h"

#include "base/errors.h"
#include "base/int16.h"
#include "base/numtext.h"
#include "base/steps.h"
#include "draws/draw_file.h"
#include "program/program.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace zoki {

namespace {

using Keys = std::array<std::string, 43>;
using Column = std::array<Int16, 43>;

// A frequency key: the count, "-", the number ("12-7").
std::string frequencyKey(int count, int number) {
    std::string key = decimalText(count);
    key += '-';
    key += decimalText(number);
    return key;
}

// Whole number of one half of a key.
Int16 keyPart(std::string_view text) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size())
        throw TypeMismatchError(std::string(text));
    return Int16(v);
}

struct KeyParts {
    Int16 count;
    Int16 number;
};

// Splits a key at its first "-".
KeyParts splitKey(const std::string& key) {
    const std::size_t dash = key.find('-');
    if (dash == std::string::npos)
        throw TypeMismatchError(key);
    return {keyPart(std::string_view(key).substr(0, dash)), keyPart(std::string_view(key).substr(dash + 1))};
}

// The ranking: 42 passes of a bubble sort by count. Equal counts never swap,
// so they keep ascending number order and the last place goes to the larger
// number. Each comparison splits both keys and writes them back; a key that
// does not split stops the sort there.
void rankKeysStepwise(Keys& keys, Column& sortedCount, Column& sortedNumber) {
    for (int pass = 0; pass < 42; ++pass) {
        for (std::size_t j = 0; j < 42; ++j) {
            KeyParts a = splitKey(keys[j]);
            KeyParts b = splitKey(keys[j + 1]);
            if (a.count > b.count)
                std::swap(a, b);
            keys[j] = frequencyKey(a.count, a.number);
            keys[j + 1] = frequencyKey(b.count, b.number);
            sortedCount[j] = a.count;
            sortedNumber[j] = a.number;
            sortedCount[j + 1] = b.count;
            sortedNumber[j + 1] = b.number;
        }
    }
}

// The same ranking with every key split once: when all keys split, the
// passes end in exactly the state the stepwise sort leaves, since every place
// is written back at least once.
void rankKeys(Keys& keys, Column& sortedCount, Column& sortedNumber) {
    std::array<KeyParts, 43> parts;
    try {
        for (std::size_t k = 0; k < 43; ++k)
            parts[k] = splitKey(keys[k]);
    } catch (const ProgramError&) {
        rankKeysStepwise(keys, sortedCount, sortedNumber);
        return;
    }
    for (int pass = 0; pass < 42; ++pass)
        for (std::size_t j = 0; j < 42; ++j)
            if (parts[j].count > parts[j + 1].count)
                std::swap(parts[j], parts[j + 1]);
    for (std::size_t k = 0; k < 43; ++k) {
        keys[k] = frequencyKey(parts[k].count, parts[k].number);
        sortedCount[k] = parts[k].count;
        sortedNumber[k] = parts[k].number;
    }
}

// The bar width scale: full width over the width of the top bar. Scaling in
// double precision keeps the top bar at exactly the full width once stored in
// single precision. A top bar of width 0 is a division by zero.
double barScale(int fullWidth, float topWidth) {
    if (topWidth == 0.0f)
        throw DivisionByZeroError();
    return static_cast<double>(fullWidth) / topWidth;
}

bool isBlank(const std::string& value) { return value.find_first_not_of(' ') == std::string::npos; }

// Steps 1 to 8: records, counts and the draw chart. False when the table holds
// no draw and the run ends there.
bool drawChart(Program& p, double& s) {
    SharedState& st = p.s;
    const std::vector<std::string>& table = st.drawTable;

    ResetNumberCounts(p);
    st.drawRecords.assign(1, std::string());
    for (std::size_t i = 0; i < table.size(); ++i) {
        std::string& record = st.drawRecords.back();
        record += table[i];
        if (i % 7 == 6) {
            record += '_';
            record += decimalText(static_cast<long long>(st.drawRecords.size()));
            if (i + 1 < table.size())
                st.drawRecords.emplace_back();
        } else {
            record += '-';
        }
    }

    st.barScale = 10;

    for (const std::string& value : table) {
        const int n = ballNumber(value, {.textFails = true});
        if (n != 0)
            st.numberCount[static_cast<std::size_t>(n)] += 1;
    }

    Int16 total = 0;
    for (int n = 1; n <= 43; ++n)
        total += st.numberCount[static_cast<std::size_t>(n)];
    st.drawNumberTotal = total;

    if (table.empty() || isBlank(table.front()))
        return false;

    Form2& f2 = p.form2();
    for (int barNumber = 1; barNumber <= 43; ++barNumber) {
        st.barNumber = barNumber;
        const int k = barNumber - 1;
        const int c = st.numberCount[static_cast<std::size_t>(barNumber)];
        if (st.drawNumberTotal == 0)
            throw DivisionByZeroError();
        const double width = static_cast<double>(st.drawBarWidth) / int(st.drawNumberTotal) * c * int(st.barScale);
        f2.Label2(k).setWidth(static_cast<float>(width));
        st.drawFreqKeys[static_cast<std::size_t>(k)] = frequencyKey(c, barNumber);
        PaintBarRed(p);
    }

    rankKeys(st.drawFreqKeys, st.drawSortedCount, st.drawSortedNumber);

    s = barScale(st.drawBarWidth, f2.Label2(st.drawSortedNumber[42] - 1).width());
    for (int k = 0; k < 43; ++k)
        f2.Label2(k).setWidth(static_cast<float>(f2.Label2(k).width() * s));
    return true;
}

// Steps 9 to 18: the output chart, the ranking pictures and the reload. Every
// statement that fails is skipped and the next one runs; the run ends early
// only where stated.
void outputChartAndClose(Program& p, double& s) {
    SharedState& st = p.s;
    Form2& f2 = p.form2();

    st.outNumberCount.fill(0);
    st.outFreqKeys.fill(std::string());
    st.outLineCount = 0;

    // The spare element after the last line is not a line.
    const std::size_t lines = st.outHistory.empty() ? 0 : st.outHistory.size() - 1;
    tryStep([&] { st.outLineCount = Int16(static_cast<long long>(lines)); });
    if (lines == 0) {
        for (int k = 0; k < 43; ++k)
            f2.Label5(k).setWidth(1);
        return;
    }

    for (std::size_t i = 0; i < lines; ++i) {
        const std::string& line = st.outHistory[i];
        if (!isNumber(line))
            return;
        if (const int n = ballNumber(line, {.wholePart = true}))
            tryStep([&] { st.outNumberCount[static_cast<std::size_t>(n)] += 1; });
    }

    for (int k = 0; k < 43; ++k)
        f2.Label5(k).setWidth(static_cast<float>(st.outBarWidth));

    for (int barNumber = 1; barNumber <= 43; ++barNumber) {
        st.barNumber = barNumber;
        const int k = barNumber - 1;
        const int c = st.outNumberCount[static_cast<std::size_t>(barNumber)];
        tryStep([&] {
            if (st.outLineCount == 0)
                throw DivisionByZeroError();
            const double width = static_cast<double>(st.outBarWidth) / int(st.outLineCount) * c;
            f2.Label5(k).setWidth(static_cast<float>(width));
        });
        st.outFreqKeys[static_cast<std::size_t>(k)] = frequencyKey(c, barNumber);
    }

    tryStep([&] { rankKeys(st.outFreqKeys, st.outSortedCount, st.outSortedNumber); });

    // When no line holds a number 1..43 the top bar is 0 wide, the division
    // fails and s keeps its value; every bar is 0 wide then anyway.
    tryStep([&] { s = barScale(st.outBarWidth, f2.Label5(st.outSortedNumber[42] - 1).width()); });
    for (int k = 0; k < 43; ++k)
        f2.Label5(k).setWidth(static_cast<float>(f2.Label5(k).width() * s));

    for (int place = 1; place <= 5; ++place)
        tryStep([&] { f2.Image2(place - 1).setPicture(ballPicture(st.drawSortedNumber[43 - place])); });

    tryStep([&] { f2.Timer1.setEnabled(true); });
    tryStep([&] { LoadDrawFile(p); });
}

} // namespace

void RefreshStatistics(Program& p) {
    double s = 0.0;
    try {
        if (!drawChart(p, s))
            return;
    } catch (const ProgramError&) {
        // A value that is not a number, a count beyond 32767 or a table with
        // no countable value ends the run here; nothing is reported.
        return;
    }
    outputChartAndClose(p, s);
}

void ResetNumberCounts(Program& p) {
    for (int n = 1; n <= 43; ++n)
        p.s.numberCount[static_cast<std::size_t>(n)] = 0;
}

void PaintBarRed(Program& p) { p.form2().Label2(p.s.barNumber - 1).setBackColor(kDrawBarColor); }

} // namespace zoki
