#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QLocalSocket>

namespace {

const QByteArray kRaise = "raise\n";
const QByteArray kDone = "raised\n";

QString canonical(const QString& dir) {
    QDir().mkpath(dir);
    const QString path = QDir(dir).canonicalPath();
    return path.isEmpty() ? QDir(dir).absolutePath() : path;
}

} // namespace

SingleInstance::SingleInstance(const QString& dataDir)
    : serverName_(QStringLiteral("quorvel-") +
                  QString::fromLatin1(QCryptographicHash::hash(canonical(dataDir).toUtf8(),
                                                               QCryptographicHash::Sha1)
                                          .toHex()
                                          .left(20))),
      lock_(QDir(canonical(dataDir)).filePath(QStringLiteral("quorvel.lock"))) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::alreadyRunningMessage() {
    return QStringLiteral("Quorvel is already running.");
}

bool SingleInstance::acquire() {
    if (!lock_.tryLock(0))
        return false;
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by an owner that was killed; the lock says no one uses it now.
    QLocalServer::removeServer(serverName_);
    if (!server_->listen(serverName_))
        qWarning().noquote()
            << QStringLiteral("Later starts cannot reach this one: %1").arg(server_->errorString());
    connect(server_.get(), &QLocalServer::newConnection, this, &SingleInstance::answer);
    return true;
}

void SingleInstance::answer() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() == kRaise && raise_)
                raise_();
            socket->write(kDone);
            socket->flush();
            socket->disconnectFromServer();
        });
    }
}

bool SingleInstance::raiseRunning(int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kRaise);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // The owner may be busy (an upgrade at its start) before it reads the request.
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    return socket.readLine() == kDone;
}
