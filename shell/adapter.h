#pragma once

#include "program/program.h"
#include "shell/form_view.h"

#include <QPoint>

#include <functional>
#include <map>
#include <memory>

class QMainWindow;

namespace zoki::qt {

// Keeps one FormView per window of the program: the main window from the
// start, the others as the program creates and discards them.
class Adapter {
public:
    // ticksAllowed: false while a modal dialog is open.
    explicit Adapter(Program& program, std::function<bool()> ticksAllowed = {});
    ~Adapter();
    Adapter(const Adapter&) = delete;
    Adapter& operator=(const Adapter&) = delete;

    FormView* view(FormId id) const;
    QMainWindow* mainWindow() const;
    // The window a dialog should belong to: the active one, else the main window.
    QWidget* dialogOwner() const;
    // Puts a message box, sized and about to appear, clear of the controls
    // the program's messages are about now, where the screen has room.
    void placeMessageBox(QWidget& box) const;
    // The program is ending: nothing reaches it any more, every window hides.
    void stop();
    // A second start asked for this copy: the main window comes to the front,
    // restored if minimised, with its open windows where they are.
    void bringToFront();

private:
    void add(Form& form);
    void discard(Form& form);
    void placeMain(QWidget& window);
    void placeSecondary(FormId id, QWidget& window);
    // The window is hidden or goes away: if the user moved it from where it
    // was put, that is where it opens next time.
    void remember(FormId id, const QWidget& window);

    Program& program_;
    std::function<bool()> ticksAllowed_;
    std::map<FormId, std::unique_ptr<FormView>> views_;
    bool mainPlaced_ = false;
    // Where each secondary window was last put, and where the user left the
    // ones they moved; both outlive a window that is discarded and rebuilt.
    std::map<FormId, QPoint> placedAt_;
    std::map<FormId, QPoint> userPlaces_;
};

} // namespace zoki::qt
