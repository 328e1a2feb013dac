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
         lines(0, 2) + firstLines(lines(0, 1), 3),
         history(1, 0, 3),
         MergeCase::Replace,
         lines(0, 3),
         0,
         0,
         {3}},
        // Data.dat's two draws are the file's draws 2 and 3: the file was
        // read one place off, or data.dat is another history.
        {"most shared draws differ: misread", lines(1, 2), history(1, 0, 3), MergeCase::Misread, {}, 3, 1, {1, 2}},
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
    ASSERT_EQ(plan.shown.size(), 1u);
    EXPECT_EQ(plan.shown[0].draw, 3);
    EXPECT_EQ(plan.shown[0].before, (std::array<std::string, 7>{"1", "5", "12", "24", "34", "40", "9"}));
    EXPECT_EQ(plan.shown[0].after, kDraws[2]);
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

DrawHistory reading(int first, std::vector<std::size_t> draws, int column, bool reversed = false) {
    DrawHistory h;
    h.order = column >= 0 ? HistoryOrder::Numbers : HistoryOrder::FileOrder;
    h.firstNumber = first;
    h.numberColumn = column;
    h.reversed = reversed;
    for (const std::size_t d : draws)
        h.draws.push_back(ImportedDraw{kDraws[d], 0, 0});
    return h;
}

TEST(MergePlan, AReadingCountsOnlyWhereDataDatBearsItOut) {
    struct Case {
        const char* name;
        Lines existing;
        DrawHistory file;
        DrawHistory rival;
        MergeCase kind;
        int reading = 0;
        std::vector<int> columns = {};
    };
    const Case cases[] = {
        // A data tool's index one below the draw numbers: by the index the
        // draws follow data.dat at once, by the numbers one is missing.
        {"an append that shares no draw proves nothing",
         lines(0, 2),
         reading(4, {2, 3}, 1),
         reading(3, {2, 3}, 0),
         MergeCase::Undecided,
         0,
         {1, 0}},
        {"a shared draw that agrees decides", lines(0, 2), reading(3, {2, 3}, 1), reading(2, {1, 2, 3}, 0),
         MergeCase::Append, 1},
        {"two readings that both agree are undecided",
         lines(0, 2),
         reading(1, {0, 1, 2}, 0),
         reading(1, {0, 1, 3}, 1),
         MergeCase::Undecided,
         0,
         {0, 1}},
        {"a reading that differs in a few agrees", lines(0, 1) + lines(3, 1) + lines(2, 1), reading(1, {0, 1, 2}, 0),
         reading(2, {0, 1, 2}, 1), MergeCase::Replace, 0},
        // Without draw numbers or dates: the rows from the top or from the
        // bottom, whichever data.dat's draw 1 shows.
        {"rows newest first, data.dat tells", lines(0, 1), reading(1, {2, 1, 0}, -1), reading(1, {0, 1, 2}, -1, true),
         MergeCase::Append, 1},
        {"rows without order, data.dat shares none of them",
         lines(3, 1),
         reading(1, {2, 1, 0}, -1),
         reading(1, {0, 1, 2}, -1, true),
         MergeCase::Undecided,
         0,
         {-1, -1}},
        // Into an empty data.dat nothing shows that the first row is draw 1.
        {"rows without draw numbers into an empty data.dat",
         {},
         reading(1, {2, 1, 0}, -1),
         reading(1, {0, 1, 2}, -1, true),
         MergeCase::Unplaced},
    };
    for (const Case& c : cases) {
        DrawHistory file = c.file;
        file.rivals = {c.rival};
        const MergePlan plan = planMerge(c.existing, file);
        EXPECT_EQ(plan.kind, c.kind) << c.name;
        EXPECT_EQ(plan.reading, c.reading) << c.name;
        EXPECT_EQ(plan.columns, c.columns) << c.name;
    }
}

TEST(MergePlan, DatesPlaceAFileIntoAnEmptyDataDatOnlyFromTheFirstDraw) {
    DrawHistory dated = reading(1, {0, 1}, -1);
    dated.order = HistoryOrder::Dates;
    dated.firstDate = 20001005;
    EXPECT_EQ(planMerge({}, dated).kind, MergeCase::TakeAll);
    dated.firstDate = 20001012; // draw 2's date: the file starts a draw late
    EXPECT_EQ(planMerge({}, dated).kind, MergeCase::Unplaced);
    EXPECT_EQ(planMerge(lines(0, 1), dated).kind, MergeCase::Append) << "data.dat's draw 1 shows it";
}

TEST(MergePlan, NoToReplacingStillAddsTheNewDraws) {
    Lines firstChanged = lines(0, 2);
    firstChanged[6] = "8"; // draw 1's bonus differs
    const MergePlan plan = planMerge(firstChanged, history(1, 0, 4));
    EXPECT_EQ(plan.kind, MergeCase::Replace);
    EXPECT_EQ(plan.lines, lines(0, 4));
    EXPECT_EQ(plan.keptLines, firstChanged + lines(2, 2));

    // Nothing new: No keeps data.dat as it is.
    EXPECT_TRUE(planMerge(firstChanged, history(1, 0, 2)).keptLines.empty());
    // An unfinished last draw that differs leaves no place to add after.
    Lines unfinished = lines(0, 1) + Lines{"9", "9", "9"};
    EXPECT_TRUE(planMerge(unfinished, history(1, 0, 3)).keptLines.empty());
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
