#include "ui/qt/placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace zoki::qt {
namespace {

// The windows' sizes in pixels: the main window with its menu bar, then the
// history, match search, registration and number choice windows.
constexpr QSize kMain{782, 433};
constexpr int kMenuBar = 25;
const std::vector<QSize> kSecondary{{600, 432}, {409, 207}, {424, 96}, {256, 112}};

Desk deskWith(const QRect& area, QPoint mainAt) {
    return {area, QRect(mainAt, kMain), QRect(mainAt, QSize(kMain.width(), kMenuBar)), {}};
}

// Opens the secondary windows one after the other.
std::vector<QRect> openAll(Desk desk) {
    for (QSize size : kSecondary)
        desk.others.emplace_back(besideMain(desk, size), size);
    return desk.others;
}

TEST(Placement, AWindowOpensRightOfTheMainWindowElseLeftElseBelowAndTheNextOneBesideIt) {
    const QSize match = kSecondary[1];
    struct Case {
        QRect area;
        QPoint mainAt;
        std::vector<QPoint> expected; // two windows of the same size, one after the other
    };
    for (const Case& c : {Case{{0, 0, 1920, 1080}, {100, 100}, {{890, 100}, {890, 315}}},
                          Case{{0, 0, 1920, 1080}, {1138, 100}, {{721, 100}, {721, 315}}},
                          Case{{0, 0, 1280, 1024}, {250, 100}, {{250, 541}, {667, 541}}},
                          Case{{1920, 0, 1280, 800}, {1920, 122}, {{2710, 122}, {2710, 337}}}}) {
        Desk desk = deskWith(c.area, c.mainAt);
        for (const QPoint& expected : c.expected) {
            const QPoint at = besideMain(desk, match);
            EXPECT_EQ(at, expected) << c.area.width() << "x" << c.area.height() << " main at " << c.mainAt.x();
            desk.others.emplace_back(at, match);
        }
    }
}

TEST(Placement, EveryWindowIsOnTheScreenClearOfTheMenuBarAndAtItsOwnPlace) {
    for (const QRect& area : {QRect(0, 0, 1024, 768), QRect(0, 0, 1280, 800), QRect(0, 27, 1366, 741),
                              QRect(0, 0, 1920, 1080), QRect(-2560, 0, 2560, 1440)}) {
        const QPoint start = mainWindowPosition(area, kMain, kSecondary[0].width());
        const int right = area.right() + 1 - kMain.width();
        for (const QPoint& mainAt : {start, area.topLeft(), QPoint(right, area.top()), QPoint(right, start.y())}) {
            const Desk desk = deskWith(area, mainAt);
            const std::vector<QRect> placed = openAll(desk);
            for (std::size_t i = 0; i < placed.size(); ++i) {
                EXPECT_TRUE(area.contains(placed[i])) << area.width() << " window " << i;
                EXPECT_FALSE(placed[i].intersects(desk.mainTop)) << area.width() << " window " << i;
                for (std::size_t j = 0; j < i; ++j)
                    EXPECT_NE(placed[i].topLeft(), placed[j].topLeft()) << area.width() << " " << i << "/" << j;
            }
        }
    }
    // A full HD screen holds all five windows side by side.
    const QRect hd(0, 0, 1920, 1080);
    const Desk desk = deskWith(hd, mainWindowPosition(hd, kMain, kSecondary[0].width()));
    const std::vector<QRect> placed = openAll(desk);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        EXPECT_FALSE(placed[i].intersects(desk.main)) << i;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(placed[i].intersects(placed[j])) << i << "/" << j;
    }
}

TEST(Placement, TheMainWindowLeavesRoomOnItsRightAndAPlaceTheUserChoseStaysOnTheScreen) {
    EXPECT_EQ(mainWindowPosition({0, 0, 1920, 1080}, kMain, 600), QPoint((1920 - 782 - 8 - 600) / 2, (1080 - 433) / 3));
    EXPECT_EQ(mainWindowPosition({0, 0, 1280, 800}, kMain, 600), QPoint(0, (800 - 433) / 3));
    const QRect area(0, 0, 1280, 800);
    EXPECT_EQ(onScreen(area, QRect(300, 200, 400, 200)), QPoint(300, 200));
    EXPECT_EQ(onScreen(area, QRect(-50, 700, 400, 200)), QPoint(0, 600));
    EXPECT_EQ(onScreen(area, QRect(1200, -10, 400, 200)), QPoint(880, 0));
}

} // namespace
} // namespace zoki::qt
