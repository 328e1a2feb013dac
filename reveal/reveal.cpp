#include "reveal/reveal.h"

#include "base/numtext.h"
#include "base/random.h"
#include "program/main_window.h"
#include "program/program.h"
#include "reveal/enabling.h"

#include <cstddef>

namespace zoki {

namespace {

// The sets hold numbers 1..43 only; anything else shows no ball.
int ballOf(const std::string& text) {
    const int n = ballNumber(text, {.wholePart = true, .textFails = true});
    return n == 0 ? 0 : ballPicture(n);
}

// Fixes position k of the row starting at b on the reveal labels and balls.
void fixPosition(Program& p, int b, int k) {
    Form1& f = p.form1;
    const std::string& text = p.predictNumbers.at(static_cast<std::size_t>(b + k));
    Label& label = f.revealLabel(k);
    label.setCaption(text);
    f.Image1(k).setPicture(ballOf(text));
    label.setBackColor(kRevealLabelColor);
}

} // namespace

void TimerStart(Program& p) {
    p.form1.Timer1.setEnabled(true);
    p.form1.Timer2.setEnabled(true);
}

void Timer1_Timer(Program& p) {
    Form1& f = p.form1;
    const int row = p.reveal.revealRow;
    const int b = row >= 1 && row <= 5 ? (row - 1) * 6 : 0;
    bool rowDone = false;
    const int k = p.reveal.cnt;
    if (k >= 0 && k <= 4) {
        fixPosition(p, b, k);
    } else if (k == 5) {
        fixPosition(p, b, 5);
        for (int i = 0; i < 6; ++i)
            f.Image2(b + i).setPicture(ballOf(p.predictNumbers.at(static_cast<std::size_t>(b + i))));
        for (int i = 0; i < 6; ++i)
            f.Label8(b + i).setCaption(p.predictNumbers.at(static_cast<std::size_t>(b + i)));
        rowDone = true;
        ++p.reveal.revealRow;
        if (setCount(p) + 1 == p.reveal.revealRow) {
            f.Timer1.setEnabled(false);
            f.Timer2.setEnabled(false);
            itemEnable(p, 1);
        }
    }
    if (rowDone)
        p.reveal.cnt = 0;
    else
        ++p.reveal.cnt;
}

void Timer2_Timer(Program& p) {
    const int k = p.reveal.cnt;
    if (k < 0 || k > 5)
        return;
    Form1& f = p.form1;
    // The flicker shows the balls of 1..34 only.
    f.Image1(k).setPicture(scaledWhole(34, p.random.next()) + 101);
    const int red = oneTo(255, p.random.next());
    const int green = oneTo(255, p.random.next());
    const int blue = oneTo(255, p.random.next());
    f.revealLabel(k).setBackColor(Rgb{red, green, blue});
}

void vSpeed_Click(Program& p, const RevealSpeed& chosen) {
    Form1& f = p.form1;
    f.Timer1.setInterval(chosen.interval);
    for (const RevealSpeed& speed : kRevealSpeeds)
        (f.*speed.item).setChecked(&speed == &chosen);
}

} // namespace zoki
