#pragma once

#include "base/loto.h"
#include "base/services.h"
#include "forms/backtest_form.h"
#include "forms/forms.h"
#include "program/state.h"

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zoki {

// The running program: the shared state, the windows and the services they
// use. Handlers are free functions that take it.
class Program {
public:
    // Connects a window's control events to their handlers. The composition
    // root gives it (app/wiring.h), so the program object knows no handler.
    using Wiring = std::function<void(Program&, Form&)>;

    Program(std::filesystem::path folder, Dialogs& dialogs, Random& random, Platform& platform, Wiring wiring);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    SharedState s;
    DrawStatistics stats;
    Form1 form1;

    // Secondary windows are created on first use; a window the user closes is
    // discarded and the next use builds it afresh from its design.
    Form2& form2();
    Form3& form3();
    Form4& form4();
    Form5& form5();
    BacktestForm& backtestForm();
    bool hasForm(FormId id) const;
    Form* existingForm(FormId id) const;
    // The user closed the window with its close box.
    void userClosed(FormId id);

    // The adapter hears here about windows being built and discarded.
    std::function<void(Form&)> onFormCreated;
    std::function<void(Form&)> onFormDiscarded;

    // Members of the main window.
    // The numbers of the sets the runs made; 0 where no run has made one yet.
    std::array<int, kBoardCells> predictNumbers{};
    // The sets the board (Label8) shows: set r + 1 of predictNumbers from the
    // end of its reveal until the board is cleared. The board displays them
    // and the prediction report writes them.
    std::array<bool, kMaxSets> boardShows{};
    int setCount = 1; // the sets a run makes, as the scroll bar chose them; Label7 shows it
    RevealState reveal;
    std::string lastSaveName;     // the save dialog's remembered file name
    std::string lastImportFolder; // where the import dialog opens, for this session
    // Nothing keeps a second copy off the folder (its lock could not be
    // taken): said once when the main window first shows.
    bool folderUnguarded = false;

    std::filesystem::path folder;
    std::filesystem::path drawPath() const { return folder / "data.dat"; }
    std::filesystem::path outPath() const { return folder / "OutData.dat"; }

    Dialogs& dialogs;
    Random& random;
    Platform& platform;

    // Shorthands for the message boxes the program shows.
    Answer message(const std::string& text, const std::string& title, Buttons buttons = Buttons::Ok,
                   Icon icon = Icon::None);
    // The controls the message boxes shown now ask or warn about (see
    // MessagesAbout); empty when they are about nothing in particular.
    const std::vector<const Control*>& messageSubject() const { return messageSubject_; }

    // Runs a handler the way every event runs: a fault that escapes it is
    // reported in a message box instead of ending the program. The one last
    // guard: the window adapter runs what the user does through it too.
    void dispatch(const std::function<void()>& handler);

private:
    friend class MessagesAbout;
    std::vector<const Control*> messageSubject_;
    Wiring wiring_;
    template <class F> F& ensure(std::unique_ptr<F>& slot);
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form5> form5_;
    std::unique_ptr<BacktestForm> backtestForm_;
};

// While it lives, the program's message boxes are about these controls: the
// window system opens them clear of the controls, so that the user sees what
// a question asks about or a warning complains about. Scopes nest.
class MessagesAbout {
public:
    MessagesAbout(Program& p, std::vector<const Control*> controls);
    ~MessagesAbout();
    MessagesAbout(const MessagesAbout&) = delete;
    MessagesAbout& operator=(const MessagesAbout&) = delete;

private:
    Program& p_;
    std::vector<const Control*> outer_;
};

} // namespace zoki
