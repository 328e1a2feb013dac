#include "matching/match_window.h"

#include "base/errors.h"
#include "base/int16.h"
#include "base/loto.h"
#include "base/numtext.h"
#include "base/steps.h"
#include "draws/statistics.h"
#include "matching/pages.h"
#include "matching/prize.h"
#include "program/messages.h"
#include "program/program.h"

#include <algorithm>
#include <string>
#include <vector>

namespace zoki {

namespace {

// A page exists when its bar can select it (1..pageMax) and 16-bit page
// arithmetic reaches it (at most 4681 draws, 5461 sets). A page that does
// not exist shows empty and matches nothing; an existing page is ranked
// whatever its entries hold.
bool pageExists(int page, Int16 pageMax, int size) {
    if (page < 1 || page > pageMax)
        return false;
    try {
        (void)(size * Int16(page));
        return true;
    } catch (const OverflowError&) {
        return false;
    }
}

// Entry k of a page; empty for a page that does not exist and for an entry
// beyond the table (a last draw or set cut short).
std::string pageEntry(const std::vector<std::string>& table, int page, Int16 pageMax, int size, int k) {
    if (!pageExists(page, pageMax, size))
        return {};
    const std::size_t index = static_cast<std::size_t>(size * page - size + k);
    return index < table.size() ? table[index] : std::string();
}

// The ball for a number text; none for a number outside 1..43, so a damaged
// entry never borrows the picture of another ball. A text that is not a
// number, an empty one included, fails when `textFails`, else it has no ball
// either.
int ballFor(const std::string& text, int (*picture)(int), bool textFails) {
    if (textFails && trimSpacesView(text).empty())
        throw TypeMismatchError(text);
    const int n = ballNumber(text, {.wholePart = true, .textFails = textFails});
    return n == 0 ? 0 : picture(n);
}

PageLimits limits(const Program& p) { return pageLimits(p.s.drawTable.elements(), p.s.outHistory); }

void setScrollLimits(Form5& f, const PageLimits& pages) {
    f.VScroll1.setMin(1);
    f.VScroll2.setMin(1);
    f.VScroll1.setMax(pages.drawPageMax);
    f.VScroll2.setMax(pages.setPageMax);
}

// The draw and the kept set on the pages the bars show.
DrawTexts drawOnPage(const Program& p, int page, const PageLimits& pages) {
    DrawTexts draw;
    for (int k = 0; k < kLinesPerDraw; ++k)
        draw[static_cast<std::size_t>(k)] =
            pageEntry(p.s.drawTable.elements(), page, pages.drawPageMax, kLinesPerDraw, k);
    return draw;
}

SetTexts setOnPage(const Program& p, int page, const PageLimits& pages) {
    SetTexts set;
    for (int k = 0; k < kLinesPerSet; ++k)
        set[static_cast<std::size_t>(k)] = pageEntry(p.s.outHistory, page, pages.setPageMax, kLinesPerSet, k);
    return set;
}

// How showCheckPage treats an entry of an existing page that is not a number.
enum class Fill {
    // A page change: no picture for it, the rest filled.
    Lenient,
    // The opening: reading it (an empty entry too) fails the step, so the
    // pictures after it are left as they were. A number without a ball ("44")
    // fails nothing: it shows none, and the fill goes on.
    UpToFailure,
};

void fillCheckPage(Program& p, Fill fill) {
    Form5& f = p.form5();
    const PageLimits pages = limits(p);
    setScrollLimits(f, pages);

    const int drawPage = f.VScroll1.value();
    const int setPage = f.VScroll2.value();
    f.Frame1.setCaption("第 " + decimalText(drawPage) + " 回 当選番号");
    f.Frame2.setCaption("予想番号 第 " + decimalText(setPage) + " 回");

    const DrawTexts draw = drawOnPage(p, drawPage, pages);
    const SetTexts set = setOnPage(p, setPage, pages);
    for (int k = 0; k < kLinesPerDraw; ++k)
        f.Label2(k).setCaption(draw[static_cast<std::size_t>(k)]);
    for (int k = 0; k < kLinesPerSet; ++k)
        f.Label3(k).setCaption(set[static_cast<std::size_t>(k)]);

    const bool drawExists = pageExists(drawPage, pages.drawPageMax, kLinesPerDraw);
    const bool setExists = pageExists(setPage, pages.setPageMax, kLinesPerSet);
    struct Ball {
        Image& image;
        const Label& number;
        int (*picture)(int);
        bool pageExists;
    };
    std::vector<Ball> balls;
    for (int k = 0; k < kNumbersPerSet; ++k)
        balls.push_back({f.Image1(k), f.Label2(k), ballPicture, drawExists});
    balls.push_back({f.Image1(kBonusPosition), f.Label2(kBonusPosition), bonusBallPicture, drawExists});
    for (int k = 0; k < kLinesPerSet; ++k)
        balls.push_back({f.Image2(k), f.Label3(k), ballPicture, setExists});
    for (const Ball& b : balls) {
        int picture = 0;
        try {
            picture = ballFor(b.number.caption(), b.picture, b.pageExists && fill == Fill::UpToFailure);
        } catch (const TypeMismatchError&) {
            return;
        }
        b.image.setPicture(picture);
    }
}

void scrollChanged(Program& p) {
    blackData(p);
    if (p.s.matchSearchMode) {
        showCheckPage(p);
        checkHit(p);
    }
}

} // namespace

void vCheckNumber_Click(Program& p) {
    // The statistics stop quietly on damaged data and the caller goes on; the
    // window then pages the draw table as it is held.
    tryStep([&] { RefreshStatistics(p); });

    if (const char* warning = matchWarning(p.s.drawTable.elements(), p.s.outHistory)) {
        p.message(warning, msg::kWarningBracketed);
        return;
    }

    Form5& f = p.form5();
    const PageLimits pages = limits(p);
    runSkippingFailures({
        [&] { blackData(p); },
        [&] {
            setScrollLimits(f, pages);
            // Each value change runs its bar's change handler, as a user's would.
            f.VScroll1.setValue(pages.drawPageMax);
            f.VScroll2.setValue(pages.setPageMax);
        },
        [&] { fillCheckPage(p, Fill::UpToFailure); },
        [&] { checkHit(p); },
        [&] { p.s.matchSearchMode = true; },
        [&] { f.show(); },
    });
}

void showCheckPage(Program& p) { fillCheckPage(p, Fill::Lenient); }

void checkHit(Program& p) {
    Form5& f = p.form5();
    // The page's labels hold these same texts; they are read from the tables
    // rather than back from the labels.
    const PageLimits pages = limits(p);
    const int drawPage = f.VScroll1.value();
    const int setPage = f.VScroll2.value();
    const DrawTexts draw = drawOnPage(p, drawPage, pages);
    const SetTexts set = setOnPage(p, setPage, pages);

    // Empty texts of an existing page match each other like any texts; only
    // a page that does not exist has nothing to match.
    const bool bothExist =
        pageExists(drawPage, pages.drawPageMax, kLinesPerDraw) && pageExists(setPage, pages.setPageMax, kLinesPerSet);
    const PrizeResult r = bothExist ? prizeRank(draw, set) : PrizeResult{};
    // Only colours matches; returning cells to black is blackData's job.
    for (const MatchedPair& pair : r.pairs) {
        const Rgb colour = pair.bonus() ? kMatchedBonusCellColor : kMatchedCellColor;
        f.Label1(pair.drawPosition).setBackColor(colour);
        f.Label4(pair.setPosition).setBackColor(colour);
    }
    f.Label5.setCaption(rankText(r.rank));
    f.Label6.setCaption(decimalText(r.mainHits));
    f.Label7.setCaption(decimalText(r.bonusHits));
}

void blackData(Program& p) {
    Form5& f = p.form5();
    for (const auto& cell : f.Label1)
        cell->setBackColor(kCellColor);
    for (const auto& cell : f.Label4)
        cell->setBackColor(kCellColor);
}

void Form5_VScroll1_Change(Program& p) { scrollChanged(p); }

void Form5_VScroll2_Change(Program& p) { scrollChanged(p); }

} // namespace zoki
