#include "import/merge_plan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zoki {
namespace {

using Lines = std::vector<std::string>;

const std::vector<std::array<int, 7>> kDraws = {
    {3, 11, 19, 25, 33, 41, 7}, {2, 8, 20, 27, 30, 43, 15}, {1, 5, 12, 23, 34, 40, 9}, {6, 13, 21, 28, 36, 42, 10}};

DrawHistory history(int first, std::size_t from, std::size_t count) {
    DrawHistory h;
    h.order = HistoryOrder::Numbers;
    h.firstNumber = first;
    for (std::size_t i = from; i < from + count; ++i)
        h.draws.push_back(ImportedDraw{kDraws[i], first + static_cast<int>(i - from), 0});
    return h;
}

// Draws as data.dat lines.
Lines lines(std::size_t from, std::size_t count) {
    Lines out;
    for (std::size_t i = from; i < from + count; ++i)
        for (const int n : kDraws[i])
            out.push_back(std::to_string(n));
    return out;
}

Lines firstLines(const Lines& all, std::size_t n) {
    return Lines(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(n));
}

Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(MergePlan, ComparesDrawsAsDrawsAndReplacesOnlyThoseThatDiffer) {
    Lines changed = lines(0, 4);
    changed[2 * 7 + 3] = "24"; // draw 3 differs
    Lines firstChanged = lines(0, 2);
    firstChanged[6] = "8"; // draw 1's bonus differs
    // Registered by hand: in drawn order, one number written "03".
    const Lines byHand = Lines{"41", "33", "25", "19", "11", "03", "7"};
    struct Case {
        const char* name;
        Lines existing;
        DrawHistory history;
        MergeCase kind;
        Lines written;
        int firstNew = 0;
        int newDraws = 0;
        std::vector<int> changed = {};
    };
    const Case cases[] = {
        {"empty file takes all", {}, history(1, 0, 4), MergeCase::TakeAll, lines(0, 4), 1, 4},
        {"the beginning: append the rest", lines(0, 2), history(1, 0, 4), MergeCase::Append, lines(0, 4), 3, 2},
        {"drawn order and 03 are the same draw", byHand, history(1, 0, 2), MergeCase::Append, byHand + lines(1, 1), 2,
         1},
        {"trailing empty lines are no draws", lines(0, 1) + Lines{"", ""}, history(1, 0, 2), MergeCase::Append,
         lines(0, 2), 2, 1},
        {"a half draw is completed", firstLines(lines(0, 2), 10), history(1, 0, 3), MergeCase::Append, lines(0, 3), 2,
         2},
        {"a half draw that differs is replaced",
         firstLines(lines(1, 2), 10),
         history(1, 0, 2),
         MergeCase::Replace,
         lines(0, 2),
         0,
         0,
         {1, 2}},
        {"everything there", lines(0, 4), history(1, 0, 4), MergeCase::NothingNew, {}},
        {"data.dat runs further", lines(0, 4), history(1, 0, 2), MergeCase::NothingNew, {}},
        {"draw 3 differs", changed, history(1, 0, 4), MergeCase::Replace, lines(0, 4), 0, 0, {3}},
        {"a shorter file keeps the draws after it",
         changed,
         history(1, 0, 3),
         MergeCase::Replace,
         lines(0, 4),
         0,
         0,
         {3}},
        {"differs and adds", firstChanged, history(1, 0, 4), MergeCase::Replace, lines(0, 4), 3, 2, {1}},
        {"a later history extends", lines(0, 2), history(3, 2, 2), MergeCase::Append, lines(0, 4), 3, 2},
        {"a later history, all there", lines(0, 4), history(3, 2, 2), MergeCase::NothingNew, {}},
        {"a later history keeps the earlier draws",
         changed,
         history(3, 2, 2),
         MergeCase::Replace,
         lines(0, 4),
         0,
         0,
         {3}},
    };
    for (const Case& c : cases) {
        const MergePlan plan = planMerge(c.existing, c.history);
        EXPECT_EQ(plan.kind, c.kind) << c.name;
        EXPECT_EQ(plan.lines, c.written) << c.name;
        EXPECT_EQ(plan.firstNew, c.firstNew) << c.name;
        EXPECT_EQ(plan.newDraws, c.newDraws) << c.name;
        EXPECT_EQ(plan.changed, c.changed) << c.name;
    }
    // Both versions of the first draw that differs, for the question.
    const MergePlan plan = planMerge(changed, history(1, 0, 4));
    EXPECT_EQ(plan.before, (std::array<std::string, 7>{"1", "5", "12", "24", "34", "40", "9"}));
    EXPECT_EQ(plan.after, kDraws[2]);
}

TEST(MergePlan, DataDatTellsWhichColumnHoldsTheDrawNumbers) {
    // A row index beside the draw numbers: by the index the file holds draws
    // 1..3, by the draw numbers draws 2..4.
    DrawHistory byIndex = history(1, 0, 3);
    byIndex.numberColumn = 0;
    DrawHistory byNumber = history(2, 0, 3);
    byNumber.numberColumn = 1;
    byIndex.rivals = {byNumber};
    const MergePlan agrees = planMerge(lines(3, 1) + lines(0, 1), byIndex);
    EXPECT_EQ(agrees.kind, MergeCase::Append);
    EXPECT_EQ(agrees.reading, 1);
    EXPECT_EQ(agrees.lines, lines(3, 1) + lines(0, 3));
    EXPECT_EQ(&readingOf(byIndex, agrees), &byIndex.rivals[0]);

    const MergePlan undecided = planMerge({}, byIndex);
    EXPECT_EQ(undecided.kind, MergeCase::Undecided);
    EXPECT_EQ(undecided.columns, (std::vector<int>{0, 1}));
    EXPECT_TRUE(undecided.lines.empty());

    byIndex.rivals[0] = history(1, 0, 3); // a 1-based index beside draws from 1
    EXPECT_EQ(planMerge({}, byIndex).kind, MergeCase::TakeAll);
}

TEST(MergePlan, RefusesWhatWouldMisplaceDrawsOrOverflowTheFile) {
    MergePlan plan = planMerge({}, history(3, 2, 2));
    EXPECT_EQ(plan.kind, MergeCase::MissingEarlier);
    EXPECT_EQ(plan.missingFrom, 1);
    EXPECT_EQ(plan.missingTo, 2);

    plan = planMerge(firstLines(lines(0, 2), 10), history(3, 2, 1));
    EXPECT_EQ(plan.kind, MergeCase::MissingEarlier) << "half of draw 2 is no draw 2";
    EXPECT_EQ(plan.missingFrom, 2);
    EXPECT_EQ(plan.missingTo, 2);

    EXPECT_EQ(planMerge(lines(0, 1), DrawHistory{}).kind, MergeCase::NoDraws);

    // 4681 draws are 32767 lines, the most data.dat can count.
    DrawHistory big;
    big.order = HistoryOrder::Numbers;
    for (int i = 0; i < 4681; ++i)
        big.draws.push_back(ImportedDraw{kDraws[static_cast<std::size_t>(i % 4)], i + 1, 0});
    plan = planMerge({}, big);
    EXPECT_EQ(plan.kind, MergeCase::TakeAll);
    EXPECT_EQ(plan.lines.size(), 32767u);
    big.draws.push_back(ImportedDraw{kDraws[0], 4682, 0});
    plan = planMerge(lines(0, 4), big);
    EXPECT_EQ(plan.kind, MergeCase::TooLarge);
    EXPECT_EQ(plan.totalDraws, 4682);
}

} // namespace
} // namespace zoki
