#include "shell/placement.h"

#include <gtest/gtest.h>

#include <optional>
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

// The result area of the main window (the reveal on the left, the board in
// the middle, below the menu bar) at a main window's place, and a message box.
std::vector<QRect> resultArea(QPoint mainAt) {
    return {QRect(mainAt + QPoint(16, kMenuBar + 16), QSize(313, 283)),
            QRect(mainAt + QPoint(345, kMenuBar + 16), QSize(296, 283))};
}
constexpr QSize kBox{330, 120};

// A box about the result opens clear of it and wholly on the screen: below
// it, centred under it where the screen allows; beside or above it where
// below has no room; nowhere of its own (over the window, as before) when
// the screen has no room at all.
TEST(Placement, AMessageBoxOpensClearOfWhatItAsksAbout) {
    struct Case {
        QRect area;
        QPoint mainAt; // {-1, -1}: where the main window opens
        std::optional<QPoint> expected;
    };
    const QPoint opening(-1, -1);
    for (const Case& c : {
             Case{{0, 0, 1280, 800}, opening, QPoint(163, 454)},
             Case{{0, 0, 1920, 1080}, opening, QPoint(428, 547)},
             Case{{0, 27, 1366, 741}, opening, QPoint(163, 461)},
             Case{{0, 0, 1024, 768}, opening, QPoint(163, 443)},
             Case{{-1920, 0, 1920, 1080}, opening, QPoint(-1492, 547)},
             // The main window at the bottom of the screen: right of the board, then left, then above.
             Case{{0, 0, 1280, 800}, {0, 367}, QPoint(649, 489)},
             Case{{0, 0, 1280, 800}, {600, 367}, QPoint(278, 489)},
             Case{{0, 0, 980, 800}, {100, 367}, QPoint(263, 280)},
             // A screen the window fills: as before.
             Case{{0, 0, 800, 440}, {0, 0}, std::nullopt},
         }) {
        const QPoint mainAt = c.mainAt == opening ? mainWindowPosition(c.area, kMain, kSecondary[0].width()) : c.mainAt;
        const std::vector<QRect> subject = resultArea(mainAt);
        const std::optional<QPoint> at = clearOf(c.area, subject, kBox);
        EXPECT_EQ(at, c.expected) << c.area.width() << "x" << c.area.height() << " main at " << mainAt.x() << ","
                                  << mainAt.y();
        if (!at)
            continue;
        const QRect box(*at, kBox);
        EXPECT_TRUE(c.area.contains(box)) << c.area.width();
        for (const QRect& r : subject)
            EXPECT_FALSE(box.intersects(r)) << c.area.width();
    }
    EXPECT_EQ(clearOf({0, 0, 1280, 800}, {}, kBox), std::nullopt) << "about nothing: as before";
    // The registration form's fields, on a screen's right edge: below, pushed onto the screen.
    EXPECT_EQ(clearOf({0, 0, 1280, 800}, {QRect(1100, 300, 40, 28), QRect(1230, 300, 40, 28)}, kBox), QPoint(950, 336));
}

} // namespace
} // namespace zoki::qt
