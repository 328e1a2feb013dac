#include "shell/single_copy.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace zoki::qt {

namespace {

constexpr int kReachMs = 3000;
constexpr char kRaise[] = "raise\n";
constexpr char kRaised[] = "raised\n";

} // namespace

SingleCopy::SingleCopy(const QString& folder) : guard_(folder.toStdString()) {
    if (guard_.outcome() == FolderGuard::Outcome::Held)
        listen();
}

SingleCopy::~SingleCopy() = default;

bool SingleCopy::runningElsewhere() const { return guard_.outcome() == FolderGuard::Outcome::HeldElsewhere; }

bool SingleCopy::unguarded() const { return guard_.outcome() == FolderGuard::Outcome::Unguarded; }

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
                if (peer->readAll().contains('\n') && raise_) {
                    raise_();
                    // The answer tells the later start that this copy is alive.
                    peer->write(kRaised);
                }
                peer->disconnectFromServer();
            });
        }
    });
}

SingleCopy::Reach SingleCopy::raiseRunningCopy() const {
    if (guard_.identity().empty())
        return Reach::Unreachable;
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(socketName());
    if (!socket.waitForConnected(kReachMs))
        return Reach::Unreachable;
    // A stopped copy's socket still takes the call and the bytes: only its
    // answer shows that it is alive.
    socket.write(kRaise);
    if (!socket.waitForBytesWritten(kReachMs))
        return Reach::NotAnswering;
    QByteArray answer;
    while (!answer.contains('\n') && socket.waitForReadyRead(kReachMs))
        answer += socket.readAll();
    answer += socket.readAll();
    return answer.startsWith(kRaised) ? Reach::Raised : Reach::NotAnswering;
}

void SingleCopy::onRaiseRequested(std::function<void()> raise) { raise_ = std::move(raise); }

} // namespace zoki::qt
