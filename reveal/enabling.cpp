#include "reveal/enabling.h"

#include "draws/draw_file.h"
#include "kept/kept_file.h"
#include "program/main_window.h"
#include "program/messages.h"
#include "program/program.h"

#include <vector>

namespace zoki {

namespace {

// The controls a reveal switches off, in the order they are switched.
std::vector<Control*> enableTable(Form1& f) {
    return {&f.Command1, &f.Command2, &f.vSet,     &f.vClear,      &f.Label7,
            &f.vSetting, &f.vNumber,  &f.VScroll1, &f.vCheckNumber};
}

void keepResult(Program& p) {
    if (!saveInfo(p))
        return;
    try {
        reloadDrawTable(p);
    } catch (const FileError&) {
        // data.dat vanished since start-up: the table keeps what it held.
    }
    reloadOutHistoryTrimmed(p);
    p.message(msg::kMayItWin, msg::kWish);
}

void discardResult(Program& p) {
    Form1& f = p.form1;
    for (const auto& image : f.Image1)
        image->setVisible(false);
    f.Frame5.setVisible(false);
    f.Image3.setEnabled(true);
    f.Image3.setVisible(true);
    f.Image3.setPicture(kIdlePicture);
    vMClear_Click(p);
}

} // namespace

void disableRunControls(Program& p) {
    for (Control* c : enableTable(p.form1))
        c->setEnabled(false);
}

void finishReveal(Program& p) {
    Form1& f = p.form1;
    {
        // The question and its answer are about the revealed sets: the board
        // and the reveal stay in sight.
        const MessagesAbout about(p, {&f.Frame1, &f.Frame5});
        if (p.message(msg::kKeepResult, msg::kQuestion, Buttons::YesNo) == Answer::Yes)
            keepResult(p);
        else
            discardResult(p);
    }
    for (Control* c : enableTable(f))
        c->setEnabled(true);
    p.s.anyNumberSet = false;
}

void itemEnable(Program& p, int checkEnable) {
    if (checkEnable == 0)
        disableRunControls(p);
    else
        finishReveal(p);
}

} // namespace zoki
