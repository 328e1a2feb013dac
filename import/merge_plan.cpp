#include "import/merge_plan.h"

#include "base/loto.h"
#include "base/numtext.h"

namespace zoki {

namespace {

// "7" and "07" hold the same number; anything but plain digits matches nothing.
bool sameEntry(const std::string& text, int number) {
    if (text.empty() || text.size() > 6)
        return false;
    int v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    return v == number;
}

int wholeDraws(std::size_t lines) { return static_cast<int>(lines / kLinesPerDraw); }

} // namespace

MergePlan planMerge(std::vector<std::string> existing, const DrawHistory& history) {
    while (!existing.empty() && existing.back().empty())
        existing.pop_back();

    MergePlan plan;
    plan.existingDraws = wholeDraws(existing.size());
    plan.totalDraws = plan.existingDraws;
    if (history.draws.empty())
        return plan;

    std::vector<int> imported;
    imported.reserve(history.draws.size() * kLinesPerDraw);
    for (const ImportedDraw& d : history.draws)
        imported.insert(imported.end(), d.numbers.begin(), d.numbers.end());

    // Where the history's first line belongs in data.dat.
    const std::size_t base = static_cast<std::size_t>(history.firstNumber - 1) * kLinesPerDraw;
    if (existing.size() < base) {
        plan.kind = MergeCase::MissingEarlier;
        plan.missingFrom = wholeDraws(existing.size()) + 1;
        plan.missingTo = history.firstNumber - 1;
        return plan;
    }

    const std::size_t end = base + imported.size();
    std::size_t k = base;
    while (k < existing.size() && k < end && sameEntry(existing[k], imported[k - base]))
        ++k;

    if (k < existing.size() && k < end) {
        plan.kind = MergeCase::Replace;
        plan.firstDifference = wholeDraws(k) + 1;
        plan.lines.assign(existing.begin(), existing.begin() + static_cast<std::ptrdiff_t>(base));
        for (const int n : imported)
            plan.lines.push_back(decimalText(n));
    } else if (k >= end) {
        plan.kind = MergeCase::NothingNew;
        return plan;
    } else {
        plan.kind = existing.empty() ? MergeCase::TakeAll : MergeCase::Append;
        plan.lines = std::move(existing);
        for (std::size_t i = plan.lines.size(); i < end; ++i)
            plan.lines.push_back(decimalText(imported[i - base]));
        plan.firstNew = plan.existingDraws + 1;
        plan.newDraws = wholeDraws(plan.lines.size()) - plan.existingDraws;
    }
    plan.totalDraws = wholeDraws(plan.lines.size());
    if (plan.lines.size() > static_cast<std::size_t>(kMaxDrawFileLines))
        plan.kind = MergeCase::TooLarge;
    return plan;
}

} // namespace zoki
