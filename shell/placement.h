#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

namespace zoki::qt {

// Where windows open, worked out over rectangles alone (global coordinates,
// window frames included) so that any screen can be tried without one.

// Space left between windows and around the main window.
inline constexpr int kWindowGap = 8;

// What the screen holds when a secondary window is about to open.
struct Desk {
    QRect area;                // the screen's available area
    QRect main;                // the main window's frame
    QRect mainTop;             // its title and menu bar, which nothing may cover
    std::vector<QRect> others; // frames of the secondary windows on screen
};

// The main window opens with room beside it, on its right, for a secondary
// window as wide as besideWidth, when the screen is wide enough; otherwise as
// far left as that room needs. Vertically a third of the free space lies above.
QPoint mainWindowPosition(const QRect& area, QSize frame, int besideWidth);

// A secondary window opens beside the main window: on its right where it fits
// on the screen, else on its left, else below it; it covers neither the main
// window nor another window when there is room for that, else as little of
// them as it can. It is always fully on the screen (unless larger than the
// screen) and never over the main window's title and menu bar (unless the
// screen leaves no room beside them, as above a main window moved to the
// bottom of a small screen).
QPoint besideMain(const Desk& desk, QSize frame);

// A place the user chose earlier, moved just enough to be fully on the screen.
QPoint onScreen(const QRect& area, const QRect& frame);

// A message box about some controls (`subject`, their rectangles) opens clear
// of them so that they stay in sight: below them, else on their right, on
// their left or above them, as near their middle as the screen allows and
// wholly on it. std::nullopt when the screen has no such room: the box then
// opens where it always does, over the middle of its window.
std::optional<QPoint> clearOf(const QRect& area, const std::vector<QRect>& subject, QSize frame);

} // namespace zoki::qt
