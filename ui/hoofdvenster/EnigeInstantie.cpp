#include "ui/hoofdvenster/EnigeInstantie.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

namespace ui {
namespace {

constexpr char WekBericht[] = "toon\n";

} // namespace

QString EnigeInstantie::standaardMap()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

EnigeInstantie::EnigeInstantie(const QString &map, QObject *parent)
    : QObject(parent)
    , m_socketPad(QDir(map).filePath(QStringLiteral("alfabolotto.socket")))
    , m_slot(QDir(map).filePath(QStringLiteral("alfabolotto.lock")))
{
    QDir().mkpath(map);
    // The lock is held for the whole run, however long: never treated as stale by its age,
    // only when the program that holds it has gone.
    m_slot.setStaleLockTime(0);
    m_heeftSlot = m_slot.tryLock(0);
    // A folder where no lock can be made (no rights) guards nothing: the program runs.
    m_eerste = m_heeftSlot || m_slot.error() != QLockFile::LockFailedError;
    if (m_heeftSlot)
        luister();
}

EnigeInstantie::~EnigeInstantie() = default;

void EnigeInstantie::luister()
{
    // A socket left by a program that crashed; the lock says no one else uses it.
    QLocalServer::removeServer(m_socketPad);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains('\n'))
                    emit gewekt();
                socket->disconnectFromServer();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    m_server->listen(m_socketPad);
}

bool EnigeInstantie::wekEerste(int wachtMs)
{
    // The running program may have taken the lock a moment ago and not listen yet.
    const QDeadlineTimer deadline(wachtMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPad);
        if (socket.waitForConnected(int(std::max<qint64>(1, deadline.remainingTime())))) {
            socket.write(WekBericht);
            return socket.waitForBytesWritten(int(std::max<qint64>(1, deadline.remainingTime())));
        }
        QThread::msleep(50);
    }
    return false;
}

} // namespace ui
