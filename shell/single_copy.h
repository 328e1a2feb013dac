#pragma once

#include "base/folder_guard.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;

namespace zoki::qt {

// One running copy of ゾキ per data folder. The first copy holds the folder
// (FolderGuard) and listens for later ones; a later start on the same folder
// asks the running copy to bring its window to the front, waits for its
// answer, and ends. The meeting point is a socket in the abstract namespace,
// named after the user and the folder: like the lock, it leaves nothing
// behind.
class SingleCopy : public QObject {
    Q_OBJECT
public:
    explicit SingleCopy(const QString& folder);
    ~SingleCopy() override;

    // Another copy runs on this folder.
    bool runningElsewhere() const;
    // Nothing keeps a second copy off this folder: it could not be locked.
    bool unguarded() const;

    enum class Reach {
        Raised,       // the running copy came to the front
        NotAnswering, // it took the call but did not answer in time (stopped, hung)
        Unreachable,  // it could not be called at all
    };
    // Asks that copy to come to the front, waiting a bounded time for its
    // answer.
    Reach raiseRunningCopy() const;
    // In the running copy: called when a later start asks it to come to the
    // front.
    void onRaiseRequested(std::function<void()> raise);

private:
    QString socketName() const;
    void listen();

    FolderGuard guard_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> raise_;
};

} // namespace zoki::qt
