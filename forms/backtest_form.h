#pragma once

#include "forms/controls.h"
#include "forms/form.h"

namespace zoki {

// The backtest window "検証": the settings, a run that can be stopped, the
// table of every method against chance, a chart of the prize rates with
// their intervals, and what the figures say.
class BacktestForm : public Form {
public:
    BacktestForm();

    Frame settingsFrame{*this, "settingsFrame"};
    Label setsLabel{*this, "setsLabel"};
    TextField setsField{*this, "setsField"};
    Label repeatsLabel{*this, "repeatsLabel"};
    TextField repeatsField{*this, "repeatsField"};
    Label firstLabel{*this, "firstLabel"};
    TextField firstField{*this, "firstField"};
    Label seedLabel{*this, "seedLabel"};
    TextField seedField{*this, "seedField"};
    Button runButton{*this, "runButton"};
    Button cancelButton{*this, "cancelButton"};

    ProgressBar progress{*this, "progress"};
    Label progressLabel{*this, "progressLabel"};
    Label scopeLabel{*this, "scopeLabel"};
    Table resultTable{*this, "resultTable"};
    IntervalChart rateChart{*this, "rateChart"};
    Label verdictLabel{*this, "verdictLabel"};

    Button saveTableButton{*this, "saveTableButton"};
    Button saveDetailButton{*this, "saveDetailButton"};

    // Runs the backtest a few draws per tick, so that both windows answer.
    Timer runTimer{*this, "runTimer"};
};

} // namespace zoki
