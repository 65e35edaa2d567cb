#include "SingleInstance.h"

#include <unistd.h>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr int kTimeoutMs = 2000;
constexpr char kAcknowledge = '\x06';

QString DefaultSocketFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

}  // namespace

CSingleInstance::CSingleInstance(const QString& name, const QString& socketFolder, QObject* parent)
    : QObject(parent),
      m_socketPath(QDir(socketFolder.isEmpty() ? DefaultSocketFolder() : socketFolder)
                       .filePath(QStringLiteral("%1-%2.socket").arg(name).arg(::getuid()))),
      m_startLock(m_socketPath + QStringLiteral(".lock")) {}

CSingleInstance::~CSingleInstance() {
    if (m_server) m_server->close();
}

CSingleInstance::Outcome CSingleInstance::Start(const QString& message) {
    // Two starts at the same moment must not both decide they are first.
    m_startLock.setStaleLockTime(kTimeoutMs * 5);
    if (!m_startLock.tryLock(kTimeoutMs * 2)) return Outcome::Failed;
    struct Unlock {
        QLockFile& lock;
        ~Unlock() { lock.unlock(); }
    } unlock{m_startLock};

    QLocalSocket probe;
    probe.connectToServer(m_socketPath);
    if (probe.waitForConnected(kTimeoutMs / 4)) {
        probe.abort();
        return HandOver(message) ? Outcome::HandedOver : Outcome::Failed;
    }
    // Nobody answers: whatever socket file is there was left by a crash.
    QLocalServer::removeServer(m_socketPath);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_socketPath)) {
        m_server.reset();
        return Outcome::Failed;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
    return Outcome::First;
}

bool CSingleInstance::HandOver(const QString& message) const {
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(kTimeoutMs)) return false;
    socket.write(message.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(kTimeoutMs)) return false;
    if (!socket.waitForReadyRead(kTimeoutMs)) return false;
    return socket.read(1) == QByteArray(1, kAcknowledge);
}

void CSingleInstance::OnNewConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) return;
            const QString message = QString::fromUtf8(socket->readLine()).chopped(1);
            socket->write(QByteArray(1, kAcknowledge));
            socket->flush();
            emit messageReceived(message);
        });
    }
}
