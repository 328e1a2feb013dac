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
// asks the running copy to bring its window to the front, and ends. The
// meeting point is a socket in the abstract namespace, named after the
// user and the folder: like the lock, it leaves nothing behind.
class SingleCopy : public QObject {
    Q_OBJECT
public:
    explicit SingleCopy(const QString& folder);
    ~SingleCopy() override;

    // Another copy runs on this folder.
    bool runningElsewhere() const;
    // Asks that copy to come to the front. False when it cannot be reached.
    bool raiseRunningCopy() const;
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
