#include "reveal/reveal.h"

#include "base/loto.h"
#include "base/random.h"
#include "program/main_window.h"
#include "program/program.h"
#include "reveal/enabling.h"

#include <cstddef>

namespace zoki {

namespace {

// The last position of a set: fixing it completes the row.
constexpr int kLastPosition = kNumbersPerSet - 1;

// The flicker shows the balls of 1..34 only.
constexpr int kFlickerBalls = 34;

// Each component of a flicker colour is 1..255.
constexpr int kFlickerColourTop = 255;

// The sets hold numbers 1..43 only; anything else shows no ball.
int ballOf(int number) { return number >= 1 && number <= kHighestNumber ? ballPicture(number) : 0; }

int predicted(const Program& p, int index) { return p.predictNumbers.at(static_cast<std::size_t>(index)); }

// The first element of the row being revealed; a row outside the board
// reads the first.
int rowStart(int revealRow) { return revealRow >= 1 && revealRow <= kMaxSets ? firstOfSet(revealRow) : 0; }

// Fixes position k of the row starting at b on the reveal labels and balls.
void fixPosition(Program& p, int b, int k) {
    Form1& f = p.form1;
    const int number = predicted(p, b + k);
    Label& label = f.revealLabel(k);
    label.setCaption(cellText(number));
    f.Image1(k).setPicture(ballOf(number));
    label.setBackColor(kRevealLabelColor);
}

} // namespace

void TimerStart(Program& p) {
    p.form1.Timer1.setEnabled(true);
    p.form1.Timer2.setEnabled(true);
}

void Timer1_Timer(Program& p) {
    Form1& f = p.form1;
    RevealState& at = p.reveal;
    const int b = rowStart(at.revealRow);
    bool rowDone = false;
    const int k = at.cnt;
    if (k >= 0 && k < kLastPosition) {
        fixPosition(p, b, k);
    } else if (k == kLastPosition) {
        fixPosition(p, b, kLastPosition);
        for (int i = 0; i < kNumbersPerSet; ++i)
            f.Image2(b + i).setPicture(ballOf(predicted(p, b + i)));
        showSetOnBoard(p, b);
        rowDone = true;
        ++at.revealRow;
        if (p.setCount + 1 == at.revealRow) {
            f.Timer1.setEnabled(false);
            f.Timer2.setEnabled(false);
            itemEnable(p, 1);
        }
    }
    if (rowDone)
        at.cnt = 0;
    else
        ++at.cnt;
}

void Timer2_Timer(Program& p) {
    const int k = p.reveal.cnt;
    if (k < 0 || k > kLastPosition)
        return;
    Form1& f = p.form1;
    f.Image1(k).setPicture(ballPicture(scaledWhole(kFlickerBalls, p.random.next()) + 1));
    const int red = oneTo(kFlickerColourTop, p.random.next());
    const int green = oneTo(kFlickerColourTop, p.random.next());
    const int blue = oneTo(kFlickerColourTop, p.random.next());
    f.revealLabel(k).setBackColor(Rgb{red, green, blue});
}

namespace {

MenuItem& speedItem(Form1& f, int k) { return f.*kSpeedItems[k]; }

} // namespace

void setUpSpeedMenu(Form1& f) {
    f.vSpeed.items.clear();
    for (int k = 0; k < kRevealSpeedCount; ++k)
        f.vSpeed.items.push_back(&speedItem(f, k));
    speedItem(f, static_cast<int>(kDefaultRevealSpeed)).setChecked(true);
    f.Timer1.setInterval(intervalOf(kDefaultRevealSpeed));
}

void vSpeed_Click(Program& p, Speed chosen) {
    Form1& f = p.form1;
    f.Timer1.setInterval(intervalOf(chosen));
    for (int k = 0; k < kRevealSpeedCount; ++k)
        speedItem(f, k).setChecked(static_cast<Speed>(k) == chosen);
}

} // namespace zoki
