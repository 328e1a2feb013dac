#include "import/history_dates.h"
#include "import/history_fields.h"

#include <gtest/gtest.h>

#include <string>

namespace zoki::parsing {
namespace {

TEST(HistoryFields, DatesInEveryFormPlayersWrite) {
    using F = DateForm;
    struct Case {
        const char* field;
        DateForm form;
        int date; // 0: no date in that form
        bool shaped = true;
    };
    const Case cases[] = {
        {"2026/03/16", F::Written, 20260316},
        {"2026-3-16 0:00:00", F::Written, 20260316},
        {"2026年3月16日(月)", F::Written, 20260316},
        {"2024/12/31", F::Written, 20241231},
        {"2024/02/29", F::Written, 20240229},
        {"2025/02/29", F::Written, 0},
        {"2026/04/31", F::Written, 0},
        {"2026/13/01", F::Written, 0},
        {"令和8年3月16日", F::Written, 20260316},
        {"令和元年5月1日", F::Written, 20190501},
        {"令和1年4月30日", F::Written, 0},
        {"平成31年4月30日", F::Written, 20190430},
        {"平成31年5月1日", F::Written, 0},
        {"R8.3.16", F::Written, 20260316},
        {"H30.1.4", F::Written, 20180104},
        {"26/03/16(木)", F::ShortYmd, 20260316},
        {"26/03/16（木）", F::ShortMdy, 0},
        {"26/03/16", F::ShortDmy, 20160326},
        {"03/16/26", F::ShortMdy, 20260316},
        {"16/03/26", F::ShortDmy, 20260316},
        {"3/16/2026", F::Mdy, 20260316},
        {"3/16/2026", F::Dmy, 0},
        {"16/3/2026", F::Dmy, 20260316},
        {"26年3月16日", F::Written, 0, false}, // which era?
        {"2026/03/16x", F::Written, 0, false},
        {"1.5", F::Written, 0, false},
        {"1,234,500", F::Written, 0, false},
        {"Reserve", F::Written, 0, false},
    };
    for (const Case& c : cases) {
        const std::uint32_t raw = rawDateOf(c.field);
        EXPECT_EQ(raw != 0, c.shaped) << c.field;
        EXPECT_EQ(dateIn(raw, c.form), c.date) << c.field;
    }
}

TEST(HistoryFields, DrawNumbersPlainMarkedOrGrouped) {
    struct Case {
        const char* field;
        int number;
        bool marked;
    };
    const Case cases[] = {
        {"1234", 1234, false},  {"第1234回", 1234, true},  {"1234回", 1234, true},   {"第 12 回", 12, true},
        {"1,000", 1000, false}, {"第1,000回", 1000, true}, {"12,345", 12345, false}, {"1,00", 0, false},
        {"1,0000", 0, false},   {",100", 0, false},        {"1,000,", 0, false},     {"回", 0, false},
        {"0", 0, false},
    };
    for (const Case& c : cases) {
        bool marked = false;
        EXPECT_EQ(drawNumberOf(c.field, marked), c.number) << c.field;
        EXPECT_EQ(marked, c.marked) << c.field;
    }
}

} // namespace
} // namespace zoki::parsing
