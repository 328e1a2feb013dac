// The composition root: every control event of every window reaches its
// handler here. The window adapter runs each user action through
// Program::dispatch, the one place that tells of a fault escaping it.
#include "app/wiring.h"

#include "app/first_start.h"
#include "app/startup.h"
#include "backtest/backtest_window.h"
#include "draws/registration.h"
#include "import/import.h"
#include "kept/history_window.h"
#include "kept/kept_file.h"
#include "matching/match_window.h"
#include "predict/run.h"
#include "predict/settings.h"
#include "program/main_window.h"
#include "program/program.h"
#include "reports/reports.h"
#include "reveal/reveal.h"

#include <cstddef>
#include <iterator>
#include <memory>

namespace zoki {

namespace {

std::function<void()> on(Program& p, void (*handler)(Program&)) {
    return [&p, handler] { handler(p); };
}

// A handler shared by the items of a table, told which one.
template <class Which> std::function<void()> on(Program& p, void (*handler)(Program&, Which), Which which) {
    return [&p, handler, which] { handler(p, which); };
}

void wireForm1(Program& p) {
    Form1& f = p.form1;
    f.onActivate = on(p, Form_Activate);
    f.onFirstShown = on(p, Form_FirstShown);

    f.addAdd.onClick = on(p, addAdd_Click);
    f.vCheckNumber.onClick = on(p, vCheckNumber_Click);
    f.dataAdd.onClick = on(p, dataAdd_Click);
    f.vResData.onClick = on(p, vResData_Click);
    f.vResHistData.onClick = on(p, vResHistData_Click);
    f.vResHitNoData.onClick = on(p, vResHitNoData_Click);
    f.vImport.onClick = on(p, vImport_Click);
    f.onOLEDragDrop = [&p](const std::vector<std::string>& files) { Form_OLEDragDrop(p, files); };
    f.acceptsDrop = [&p] { return importAvailable(p); };

    setUpPredictionMenus(f);
    setUpSpeedMenu(f);
    f.vData.onClick = on(p, vData_Click);
    for (std::size_t k = 0; k < std::size(kStrengthItems); ++k)
        (f.*kStrengthItems[k]).onClick = on(p, vStrength_Click, static_cast<Strength>(k));
    f.vNumber.onClick = on(p, vNumber_Click);
    for (int numX = 1; numX <= kRangeCount; ++numX)
        (f.*kRangeItems[numX - 1]).onClick = on(p, lvRange_Click, numX);
    for (int k = 0; k < kRevealSpeedCount; ++k)
        (f.*kSpeedItems[k]).onClick = on(p, vSpeed_Click, static_cast<Speed>(k));
    f.vBacktest.onClick = on(p, vBacktest_Click);

    f.vMClear.onClick = on(p, vMClear_Click);
    f.outDataClear.onClick = on(p, outDataClear_Click);

    f.Command1.onClick = on(p, Command1_Click);
    f.Image5.onClick = on(p, Image5_Click);
    f.Command2.onClick = on(p, Command2_Click);
    f.Image6.onClick = on(p, Image6_Click);
    f.VScroll1.onChange = on(p, VScroll1_Change);

    f.Timer1.onTick = on(p, Timer1_Timer);
    f.Timer2.onTick = on(p, Timer2_Timer);
}

void wireForm2(Program&, Form2& f) {
    // Its timer's tick has no visible effect.
    f.Timer1.onTick = [] {};
}

void wireForm3(Program& p, Form3& f) {
    f.HScroll1.onChange = on(p, Form3_HScroll1_Change);
    f.Command1.onClick = on(p, Form3_Command1_Click);
    f.Image1.onDblClick = on(p, Form3_Image1_DblClick);
}

void wireForm4(Program& p, Form4& f) {
    f.Command1.onClick = [&p, &f] {
        // Its warnings complain about the fields: they stay in sight.
        std::vector<const Control*> fields;
        for (const auto& field : f.Text1)
            fields.push_back(field.get());
        const MessagesAbout about(p, std::move(fields));
        Form4_Command1_Click(p);
    };
}

void wireForm5(Program& p, Form5& f) {
    f.VScroll1.onChange = on(p, Form5_VScroll1_Change);
    f.VScroll2.onChange = on(p, Form5_VScroll2_Change);
    for (const auto& image : f.Image1)
        image->onDblClick = [] {};
}

// The window's own state lives in its events' handlers, and goes with them
// when the window is closed.
void wireBacktest(Program& p, BacktestForm& f) {
    auto session = std::make_shared<BacktestSession>();
    const auto on = [&p, session](void (*handler)(Program&, BacktestSession&)) {
        return std::function<void()>([&p, session, handler] { handler(p, *session); });
    };
    f.runButton.onClick = on(backtestRun_Click);
    f.cancelButton.onClick = on(backtestCancel_Click);
    f.runTimer.onTick = on(backtestTimer_Timer);
    f.saveTableButton.onClick = on(backtestSaveTable_Click);
    f.saveDetailButton.onClick = on(backtestSaveDetail_Click);
}

} // namespace

void wire(Program& p, Form& form) {
    switch (form.id()) {
    case FormId::Form1:
        wireForm1(p);
        break;
    case FormId::Form2:
        wireForm2(p, static_cast<Form2&>(form));
        break;
    case FormId::Form3:
        wireForm3(p, static_cast<Form3&>(form));
        break;
    case FormId::Form4:
        wireForm4(p, static_cast<Form4&>(form));
        break;
    case FormId::Form5:
        wireForm5(p, static_cast<Form5&>(form));
        break;
    case FormId::Backtest:
        wireBacktest(p, static_cast<BacktestForm&>(form));
        break;
    }
}

} // namespace zoki
