#include "matching/match_window.h"

#include "base/loto.h"
#include "base/numtext.h"
#include "base/steps.h"
#include "draws/statistics.h"
#include "matching/pages.h"
#include "matching/prize.h"
#include "program/messages.h"
#include "program/program.h"

#include <string>
#include <vector>

namespace zoki {

namespace {

PageLimits limits(const Program& p) { return pageLimits(p.s.drawTable.elements(), p.s.outHistory); }

void setScrollLimits(Form5& f, const PageLimits& pages) {
    f.VScroll1.setMin(1);
    f.VScroll2.setMin(1);
    f.VScroll1.setMax(pages.drawPageMax);
    f.VScroll2.setMax(pages.setPageMax);
}

DrawTexts drawOnPage(const Program& p, int page, const PageLimits& pages) {
    return drawOnPage(p.s.drawTable.elements(), page, pages.drawPageMax);
}

SetTexts setOnPage(const Program& p, int page, const PageLimits& pages) {
    return setOnPage(p.s.outHistory, page, pages.setPageMax);
}

// The balls in the order pageBallPictures gives their pictures.
std::vector<Image*> pageBalls(Form5& f) {
    std::vector<Image*> balls;
    for (const auto& image : f.Image1)
        balls.push_back(image.get());
    for (const auto& image : f.Image2)
        balls.push_back(image.get());
    return balls;
}

void fillCheckPage(Program& p, BallFill fill) {
    Form5& f = p.form5();
    const PageLimits pages = limits(p);
    setScrollLimits(f, pages);

    const int drawPage = f.VScroll1.value();
    const int setPage = f.VScroll2.value();
    f.Frame1.setCaption("第 " + decimalText(drawPage) + " 回 当選番号");
    f.Frame2.setCaption("予想番号 第 " + decimalText(setPage) + " 回");

    // The hidden labels are written for the window as it is designed; the
    // balls come from the page itself.
    const DrawTexts draw = drawOnPage(p, drawPage, pages);
    const SetTexts set = setOnPage(p, setPage, pages);
    for (int k = 0; k < kLinesPerDraw; ++k)
        f.Label2(k).setCaption(draw[static_cast<std::size_t>(k)]);
    for (int k = 0; k < kLinesPerSet; ++k)
        f.Label3(k).setCaption(set[static_cast<std::size_t>(k)]);

    const std::vector<int> pictures = pageBallPictures(draw, pageExists(drawPage, pages.drawPageMax, kLinesPerDraw),
                                                       set, pageExists(setPage, pages.setPageMax, kLinesPerSet), fill);
    const std::vector<Image*> balls = pageBalls(f);
    for (std::size_t i = 0; i < pictures.size(); ++i)
        balls[i]->setPicture(pictures[i]);
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
        [&] { fillCheckPage(p, BallFill::UpToFailure); },
        [&] { checkHit(p); },
        [&] { p.s.matchSearchMode = true; },
        [&] { f.show(); },
    });
}

void showCheckPage(Program& p) { fillCheckPage(p, BallFill::Lenient); }

void checkHit(Program& p) {
    Form5& f = p.form5();
    // The page's hidden labels show these same texts; the ranking reads the
    // tables.
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
