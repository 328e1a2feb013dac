#include "import/merge_plan.h"

#include "base/loto.h"
#include "base/numtext.h"

#include <algorithm>

namespace zoki {

namespace {

constexpr std::size_t kLines = kLinesPerDraw;

// The date of Loto 6's first draw.
constexpr int kFirstDrawDate = 20001005;

// "7" and "07" hold the same number; anything but plain digits is -1.
int entryValue(const std::string& text) {
    if (text.empty() || text.size() > 6)
        return -1;
    int v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

int wholeDraws(std::size_t lines) { return static_cast<int>(lines / kLines); }

DrawNumbers mainsSorted(DrawNumbers d) {
    std::sort(d.begin(), d.begin() + kNumbersPerSet);
    return d;
}

// Draw `n` of data.dat is the file's draw: the same main numbers in any
// order, the same bonus.
bool sameDraw(const std::vector<std::string>& existing, int n, const DrawNumbers& file) {
    DrawNumbers mine{};
    const std::size_t base = static_cast<std::size_t>(n - 1) * kLines;
    for (std::size_t k = 0; k < kLines; ++k)
        mine[k] = entryValue(existing[base + k]);
    return mainsSorted(mine) == mainsSorted(file);
}

// The first lines of an unfinished last draw are the file's first numbers.
bool beginsDraw(const std::vector<std::string>& existing, int n, const DrawNumbers& file) {
    const std::size_t base = static_cast<std::size_t>(n - 1) * kLines;
    for (std::size_t k = 0; base + k < existing.size(); ++k)
        if (entryValue(existing[base + k]) != file[k])
            return false;
    return true;
}

void putDraw(std::vector<std::string>& lines, int n, const DrawNumbers& numbers, std::size_t from = 0) {
    const std::size_t base = static_cast<std::size_t>(n - 1) * kLines;
    for (std::size_t k = from; k < kLines; ++k) {
        if (base + k < lines.size())
            lines[base + k] = decimalText(numbers[k]);
        else
            lines.push_back(decimalText(numbers[k]));
    }
}

Difference differenceAt(const std::vector<std::string>& existing, int n, const DrawNumbers& file) {
    Difference d;
    d.draw = n;
    const std::size_t base = static_cast<std::size_t>(n - 1) * kLines;
    for (std::size_t k = 0; k < kLines && base + k < existing.size(); ++k)
        d.before[k] = existing[base + k];
    d.after = file;
    return d;
}

// Draw by draw: the same draw stays, a new one is added (to `lines` and to
// `plan.keptLines`), a differing one is replaced (in `lines` only).
void placeDraws(const std::vector<std::string>& existing, const DrawHistory& history, MergePlan& plan) {
    const int whole = plan.existingDraws;
    plan.lines = existing;
    plan.keptLines = existing;
    bool unfinishedDiffers = false;
    for (std::size_t i = 0; i < history.draws.size(); ++i) {
        const int n = history.firstNumber + static_cast<int>(i);
        const DrawNumbers& file = history.draws[i].numbers;
        plan.shared += n <= whole;
        if (n <= whole && sameDraw(existing, n, file))
            continue;
        if (n > whole && beginsDraw(existing, n, file)) {
            const std::size_t base = static_cast<std::size_t>(n - 1) * kLines;
            const std::size_t from = existing.size() > base ? existing.size() - base : 0;
            putDraw(plan.lines, n, file, from);
            putDraw(plan.keptLines, n, file, from);
            ++plan.newDraws;
            continue;
        }
        unfinishedDiffers = unfinishedDiffers || n > whole;
        if (plan.shown.size() < kShownDifferences)
            plan.shown.push_back(differenceAt(existing, n, file));
        plan.changed.push_back(n);
        putDraw(plan.lines, n, file);
    }
    if (plan.changed.empty() || plan.newDraws == 0 || unfinishedDiffers)
        plan.keptLines.clear();
}

// The shared draws that differ.
int differing(const MergePlan& plan) {
    return static_cast<int>(
        std::count_if(plan.changed.begin(), plan.changed.end(), [&](int n) { return n <= plan.existingDraws; }));
}

MergePlan planOne(const std::vector<std::string>& existing, const DrawHistory& history) {
    MergePlan plan;
    const int whole = wholeDraws(existing.size());
    plan.existingDraws = whole;
    plan.totalDraws = whole;
    if (history.draws.empty())
        return plan;

    const int first = history.firstNumber;
    const int last = history.lastNumber();
    if (first > whole + 1) {
        plan.kind = MergeCase::MissingEarlier;
        plan.missingFrom = whole + 1;
        plan.missingTo = first - 1;
        return plan;
    }
    plan.totalDraws = std::max(whole, last);
    if (std::max(existing.size(), static_cast<std::size_t>(last) * kLines) >
        static_cast<std::size_t>(kMaxDrawFileLines)) {
        plan.kind = MergeCase::TooLarge;
        return plan;
    }
    placeDraws(existing, history, plan);
    if (plan.newDraws > 0)
        plan.firstNew = whole + 1;
    // A reversed or shifted reading differs in nearly every draw; a file
    // that corrects data.dat differs in a few.
    if (differing(plan) * 2 > plan.shared)
        plan.kind = MergeCase::Misread;
    else if (!plan.changed.empty())
        plan.kind = MergeCase::Replace;
    else if (plan.newDraws > 0)
        plan.kind = existing.empty() ? MergeCase::TakeAll : MergeCase::Append;
    else
        plan.kind = MergeCase::NothingNew;
    if (plan.kind == MergeCase::NothingNew || plan.kind == MergeCase::Misread) {
        plan.lines.clear();
        plan.keptLines.clear();
    }
    return plan;
}

bool samePlaces(const DrawHistory& a, const DrawHistory& b) {
    return a.firstNumber == b.firstNumber &&
           std::equal(a.draws.begin(), a.draws.end(), b.draws.begin(), b.draws.end(),
                      [](const ImportedDraw& x, const ImportedDraw& y) { return x.numbers == y.numbers; });
}

// A reading data.dat bears out: it shares at least one draw with data.dat
// that is the same, and differs in no more than a few.
bool agrees(const MergePlan& p) {
    const bool fits = p.kind == MergeCase::Append || p.kind == MergeCase::NothingNew || p.kind == MergeCase::Replace;
    return fits && p.shared > differing(p);
}

} // namespace

MergePlan planMerge(std::vector<std::string> existing, const DrawHistory& history) {
    while (!existing.empty() && existing.back().empty())
        existing.pop_back();
    if (history.otherGame || history.unreadable != Unreadable::None) {
        MergePlan plan;
        plan.kind = history.otherGame ? MergeCase::OtherGame : MergeCase::Unreadable;
        plan.existingDraws = plan.totalDraws = wholeDraws(existing.size());
        return plan;
    }
    // A file without draw numbers starts at draw 1 only where data.dat
    // shares its first draws (which the reading's plan checks) or its first
    // date is Loto 6's first.
    if (!history.numbered() && !history.draws.empty() && wholeDraws(existing.size()) == 0 &&
        !(history.order == HistoryOrder::Dates && history.firstDate == kFirstDrawDate)) {
        MergePlan plan;
        plan.kind = MergeCase::Unplaced;
        return plan;
    }
    MergePlan plan = planOne(existing, history);
    // Another column that places the draws differently: data.dat decides.
    std::vector<MergePlan> plans;
    std::vector<int> columns{history.numberColumn};
    std::vector<int> offsets{history.offset};
    for (std::size_t k = 0; k < history.rivals.size(); ++k) {
        if (samePlaces(history, history.rivals[k]))
            continue;
        plans.push_back(planOne(existing, history.rivals[k]));
        plans.back().reading = static_cast<int>(k) + 1;
        columns.push_back(history.rivals[k].numberColumn);
        offsets.push_back(history.rivals[k].offset);
    }
    if (plans.empty())
        return plan;
    plans.insert(plans.begin(), std::move(plan));
    const auto agreeing = std::count_if(plans.begin(), plans.end(), agrees);
    if (agreeing == 1)
        return *std::find_if(plans.begin(), plans.end(), agrees);
    MergePlan undecided;
    undecided.kind = MergeCase::Undecided;
    undecided.existingDraws = undecided.totalDraws = wholeDraws(existing.size());
    undecided.columns = std::move(columns);
    undecided.offsets = std::move(offsets);
    return undecided;
}

const DrawHistory& readingOf(const DrawHistory& history, const MergePlan& plan) {
    return plan.reading == 0 ? history : history.rivals[static_cast<std::size_t>(plan.reading - 1)];
}

} // namespace zoki
