#include "shell/placement.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace zoki::qt {

namespace {

long long overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

void addUnique(std::vector<int>& values, int v) {
    if (std::find(values.begin(), values.end(), v) == values.end())
        values.push_back(v);
}

// Top-left corners to try, best first: the right side of the main window
// (then further right, beside windows already there), its left side, below
// it, and last against the screen's edges.
std::vector<QPoint> candidates(const Desk& d, QSize size) {
    const QRect& m = d.main;
    const int w = size.width();
    const int h = size.height();
    const int below = m.bottom() + 1 + kWindowGap;

    // Rows beside the main window: level with its top, then under each window
    // already open, then down against the screen's bottom.
    std::vector<int> others;
    for (const QRect& o : d.others)
        others.push_back(o.bottom() + 1 + kWindowGap);
    std::sort(others.begin(), others.end());
    std::vector<int> rows{m.top()};
    for (int y : others)
        addUnique(rows, y);
    addUnique(rows, d.area.bottom() + 1 - h);

    std::vector<int> right{m.right() + 1 + kWindowGap};
    std::vector<int> left{m.left() - kWindowGap - w};
    std::vector<int> belowRows{below};
    std::vector<int> belowColumns{m.left()};
    for (const QRect& o : d.others) {
        if (o.left() > m.right())
            right.push_back(o.right() + 1 + kWindowGap);
        if (o.right() < m.left())
            left.push_back(o.left() - kWindowGap - w);
        if (o.top() > m.bottom())
            belowRows.push_back(o.bottom() + 1 + kWindowGap);
        belowColumns.push_back(o.right() + 1 + kWindowGap);
    }
    std::sort(right.begin(), right.end());
    std::sort(left.begin(), left.end(), std::greater<>());
    std::sort(belowRows.begin(), belowRows.end());
    std::sort(belowColumns.begin(), belowColumns.end());
    belowColumns.push_back(d.area.right() + 1 - w);

    std::vector<QPoint> out;
    for (const std::vector<int>* side : {&right, &left})
        for (int x : *side)
            for (int y : rows)
                out.emplace_back(x, y);
    for (int y : belowRows)
        for (int x : belowColumns)
            out.emplace_back(x, y);

    std::vector<int> edgeRows{d.mainTop.bottom() + 1 + kWindowGap};
    for (int y : rows)
        addUnique(edgeRows, y);
    addUnique(edgeRows, d.area.top());
    for (int x : {d.area.right() + 1 - w, d.area.left()})
        for (int y : edgeRows)
            out.emplace_back(x, y);
    return out;
}

} // namespace

QPoint mainWindowPosition(const QRect& area, QSize frame, int besideWidth) {
    const int together = frame.width() + kWindowGap + besideWidth;
    return {area.left() + std::max(0, (area.width() - together) / 2),
            area.top() + std::max(0, (area.height() - frame.height()) / 3)};
}

QPoint besideMain(const Desk& desk, QSize frame) {
    // Judged by how much of the title and menu bar it would cover, then by how
    // much of the other windows; the first of equals wins.
    std::optional<QPoint> best;
    std::pair<long long, long long> bestCost;
    for (const QPoint& at : candidates(desk, frame)) {
        const QRect r(at, frame);
        if (!desk.area.contains(r))
            continue;
        long long covered = overlap(r, desk.main);
        for (const QRect& o : desk.others)
            covered += overlap(r, o);
        const std::pair<long long, long long> cost{overlap(r, desk.mainTop), covered};
        if (cost == std::pair<long long, long long>{0, 0})
            return at;
        if (!best || cost < bestCost) {
            best = at;
            bestCost = cost;
        }
    }
    if (best)
        return *best;
    // Larger than the screen: at least its top left corner, and so its own
    // title, stays on the screen.
    return onScreen(desk.area, QRect(QPoint(desk.main.right() + 1 + kWindowGap, desk.main.top()), frame));
}

QPoint onScreen(const QRect& area, const QRect& frame) {
    const auto fit = [](int at, int length, int start, int room) {
        if (length >= room)
            return start;
        return std::clamp(at, start, start + room - length);
    };
    return {fit(frame.left(), frame.width(), area.left(), area.width()),
            fit(frame.top(), frame.height(), area.top(), area.height())};
}

std::optional<QPoint> clearOf(const QRect& area, const std::vector<QRect>& subject, QSize frame) {
    QRect all;
    for (const QRect& r : subject)
        all = all.united(r);
    if (all.isEmpty())
        return std::nullopt;
    const auto centred = [](int middle, int length, int start, int room) {
        return std::clamp(middle - length / 2, start, std::max(start, start + room - length));
    };
    const int x = centred(all.center().x(), frame.width(), area.left(), area.width());
    const int y = centred(all.center().y(), frame.height(), area.top(), area.height());
    for (const QPoint& at :
         {QPoint(x, all.bottom() + 1 + kWindowGap), QPoint(all.right() + 1 + kWindowGap, y),
          QPoint(all.left() - kWindowGap - frame.width(), y), QPoint(x, all.top() - kWindowGap - frame.height())}) {
        const QRect box(at, frame);
        if (area.contains(box) &&
            std::none_of(subject.begin(), subject.end(), [&box](const QRect& r) { return r.intersects(box); }))
            return at;
    }
    return std::nullopt;
}

} // namespace zoki::qt
