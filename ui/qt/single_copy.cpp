#include "ui/qt/single_copy.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace zoki::qt {

namespace {

constexpr int kReachMs = 3000;
constexpr char kRaise[] = "raise\n";

} // namespace

SingleCopy::SingleCopy(const QString& folder) : guard_(folder.toStdString()) {
    if (guard_.outcome() == FolderGuard::Outcome::Held)
        listen();
}

SingleCopy::~SingleCopy() = default;

bool SingleCopy::runningElsewhere() const { return guard_.outcome() == FolderGuard::Outcome::HeldElsewhere; }

QString SingleCopy::socketName() const {
    return QStringLiteral("zoki-%1-%2").arg(::geteuid()).arg(QString::fromStdString(guard_.identity()));
}

void SingleCopy::listen() {
    if (guard_.identity().empty())
        return;
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    // A copy that died leaves no name behind in the abstract namespace, so a
    // failure here means only that later starts cannot reach this one.
    if (!server_->listen(socketName())) {
        server_.reset();
        return;
    }
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (peer->readAll().contains('\n') && raise_)
                    raise_();
                peer->disconnectFromServer();
            });
        }
    });
}

bool SingleCopy::raiseRunningCopy() const {
    if (guard_.identity().empty())
        return false;
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(socketName());
    if (!socket.waitForConnected(kReachMs))
        return false;
    socket.write(kRaise);
    return socket.waitForBytesWritten(kReachMs);
}

void SingleCopy::onRaiseRequested(std::function<void()> raise) { raise_ = std::move(raise); }

} // namespace zoki::qt
