#include "SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

#include <cstdio>
#include <pwd.h>
#include <unistd.h>

namespace {

const QByteArray RaiseRequest = QByteArrayLiteral("raise\n");
constexpr int HandOverTimeoutMs = 3000;
// Longer than any hand-over takes, even on a loaded machine, yet short enough that a start stuck
// behind a hung one still comes up.
constexpr int LockTimeoutMs = 10000;

QString userName()
{
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(::getuid());
}

} // namespace

SingleInstance::SingleInstance(const QString& socketPath, QObject* parent)
    : QObject(parent), m_socketPath(socketPath), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::takeConnection);
}

QString SingleInstance::socketPathForUser()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder = !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
    return folder + QStringLiteral("/tockwell-") + userName();
}

SingleInstance::Role SingleInstance::claim(Ask ask)
{
    // Two starts at the same moment must not both find no one and both listen: looking and
    // listening happen under a lock. A lock whose owner died is taken over at once, and one held
    // by a live start never counts as stale by its age.
    QLockFile lock(m_socketPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(LockTimeoutMs))
        std::fprintf(stderr, "tockwell: could not lock %s; starting anyway\n", qPrintable(lock.fileName()));

    QLocalSocket running;
    running.connectToServer(m_socketPath);
    if (running.waitForConnected(HandOverTimeoutMs)) {
        if (ask == Ask::Raise) {
            running.write(RaiseRequest);
            running.waitForBytesWritten(HandOverTimeoutMs);
        }
        running.disconnectFromServer();
        if (running.state() != QLocalSocket::UnconnectedState)
            running.waitForDisconnected(HandOverTimeoutMs);
        return Role::HandedOver;
    }

    // No one answers: whatever is left at the path belongs to a run that ended without cleaning up.
    QLocalServer::removeServer(m_socketPath);
    if (!m_server->listen(m_socketPath)) {
        // The program still runs: an alarm that rings twice is better than one that never rings.
        std::fprintf(stderr, "tockwell: cannot watch for a second start at %s: %s\n", qPrintable(m_socketPath),
                     qPrintable(m_server->errorString()));
    }
    return Role::First;
}

void SingleInstance::takeConnection()
{
    while (QLocalSocket* peer = m_server->nextPendingConnection()) {
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
            // Only a whole request counts; anything else on the socket is ignored.
            while (peer->canReadLine()) {
                if (peer->readLine(64) == RaiseRequest)
                    emit raiseRequested();
            }
            if (peer->bytesAvailable() > 64)
                peer->abort();
        });
    }
}
