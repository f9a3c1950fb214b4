#include "QtLocalPeer.h"
#include "ControlsLog.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <sys/stat.h>
#include <unistd.h>

const char* QtLocalPeer::ack = "ack";

namespace {

bool ownedDirectory(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isDir() && !info.isSymLink() && info.ownerId() == uint(getuid());
}

} // namespace

QString QtLocalPeer::channelFolder()
{
    // Another local user must not be able to hold our lock or take our socket name,
    // so both live in a folder only this user can write to.
    const QString runtime = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    if (!runtime.isEmpty() && ownedDirectory(runtime))
        return QDir(runtime).absolutePath();
    const QString temp = QDir(QDir::tempPath()).absolutePath();
    const QString own = QString("%1/qtsingleapp-%2").arg(temp, QString::number(getuid(), 16));
    if (!QFileInfo::exists(own))
        ::mkdir(QFile::encodeName(own).constData(), 0700);
    if (ownedDirectory(own)) {
        ::chmod(QFile::encodeName(own).constData(), 0700);
        return own;
    }
    return temp;
}

QtLocalPeer::QtLocalPeer(QObject* parent, const QString& appId) : QObject(parent), id(appId)
{
    m_socketName = checkSocketName(id, false);
    server = new QLocalServer(this);
    lockFile.setFileName(lockFilePath());
    if (!lockFile.open(QIODevice::ReadWrite))
        qCWarning(lcControls, "QtLocalPeer: cannot open lock file %s: %s", qPrintable(lockFile.fileName()),
                 qPrintable(lockFile.errorString()));
}

QtLocalPeer::~QtLocalPeer() = default;

QString QtLocalPeer::checkSocketName(QString& appId, bool isPath)
{
    QString prefix = appId;
    if (appId.isEmpty() || isPath) {
        if (appId.isEmpty())
            appId = QCoreApplication::applicationFilePath();
        appId.replace("\\", "/");
        prefix = appId.section('/', -1, -1);
    }
    prefix.remove(QRegularExpression("[^a-zA-Z]"));
    prefix.truncate(6);
    const QByteArray idc = appId.toUtf8();
    const quint16 checksum = qChecksum(idc.constData(), uint(idc.size()));
    return QString("qtsingleapp-%1-%2-%3")
        .arg(prefix, QString::number(checksum, 16), QString::number(qulonglong(getuid()), 16));
}

QString QtLocalPeer::socketPath() const { return resolveSocket(m_socketName); }
QString QtLocalPeer::lockFilePath() const { return channelFolder() + "/" + m_socketName + "-lockfile"; }

QString QtLocalPeer::resolveSocket(const QString& name) const
{
    if (name.startsWith('/'))
        return name;
    return channelFolder() + "/" + name;
}

bool QtLocalPeer::serverAnswers() const
{
    QLocalSocket probe;
    probe.connectToServer(socketPath());
    return probe.waitForConnected(200);
}

bool QtLocalPeer::isClient()
{
    if (m_primary || lockFile.isLocked())
        return false;
    // A lock file we cannot open decides nothing; this process then runs as the primary.
    if (lockFile.isOpen() && !lockFile.lock(QtLP_Private::QtLockedFile::WriteLock, false))
        return true;
    m_primary = true;
    const QString path = socketPath();
    bool listening = server->listen(path);
    if (!listening && server->serverError() == QAbstractSocket::AddressInUseError && !serverAnswers()) {
        QLocalServer::removeServer(path);
        listening = server->listen(path);
    }
    if (!listening)
        qCWarning(lcControls, "QtSingleCoreApplication: listen on local socket failed, %s", qPrintable(server->errorString()));
    connect(server, &QLocalServer::newConnection, this, &QtLocalPeer::receiveConnection, Qt::UniqueConnection);
    return false;
}

bool QtLocalPeer::sendMessage(const QString& message, int timeout)
{
    if (!isClient())
        return false;
    return sendMessageToSocket(m_socketName, message, timeout);
}

bool QtLocalPeer::sendMessageToSocket(QString socketName, const QString& message, int timeout)
{
    if (socketName.isEmpty())
        return false;
    QLocalSocket socket;
    const QString path = resolveSocket(socketName);
    bool connected = false;
    for (int attempt = 0; attempt < 2 && !connected; ++attempt) {
        socket.connectToServer(path, QIODevice::ReadWrite);
        connected = socket.waitForConnected(timeout / 2);
        if (!connected && attempt == 0)
            QThread::msleep(250);
    }
    if (!connected)
        return false;

    const QByteArray text = message.toUtf8();
    QByteArray frame(4, '\0');
    qToBigEndian<qint32>(qint32(text.size()), frame.data());
    frame += text;
    socket.write(frame);
    bool ok = socket.waitForBytesWritten(timeout);
    if (!ok)
        return false;
    QByteArray reply;
    while (reply.size() < 3) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(timeout))
            break;
        reply += socket.read(3 - reply.size());
    }
    return reply == ack;
}

void QtLocalPeer::receiveConnection()
{
    while (server->hasPendingConnections()) {
        QLocalSocket* socket = server->nextPendingConnection();
        if (!socket)
            return;
        PendingMessage& pending = m_pending[socket];
        pending.deadline = new QTimer(socket);
        pending.deadline->setSingleShot(true);
        // The whole message must arrive within the deadline; a silent or slow client
        // never holds up the event loop.
        connect(pending.deadline, &QTimer::timeout, this, [this, socket] { finishPending(socket, true); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readPending(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            readPending(socket);
            auto it = m_pending.find(socket);
            if (it == m_pending.end())
                return;
            if (it->length < 0)
                dropPending(socket, "connection closed before the message length arrived");
            else
                finishPending(socket, true);
        });
        pending.deadline->start(receiveTimeoutMs);
        readPending(socket);
    }
}

void QtLocalPeer::readPending(QLocalSocket* socket)
{
    auto it = m_pending.find(socket);
    if (it == m_pending.end())
        return;
    PendingMessage& pending = it.value();
    const qint64 available = socket->bytesAvailable();
    if (available > 0) {
        const qint64 wanted = pending.length < 0 ? 4 - pending.data.size() : qint64(pending.length) + 4 - pending.data.size();
        const QByteArray chunk = socket->read(std::min(available, wanted));
        if (chunk.isEmpty() && socket->error() != QLocalSocket::UnknownSocketError) {
            qCWarning(lcControls, "QtLocalPeer: Message reception failed %s", qPrintable(socket->errorString()));
            dropPending(socket, nullptr);
            return;
        }
        pending.data += chunk;
    }
    if (pending.length < 0 && pending.data.size() >= 4) {
        pending.length = qFromBigEndian<qint32>(pending.data.constData());
        if (pending.length < 0 || pending.length > maxMessageLength) {
            dropPending(socket, "refused message length");
            return;
        }
    }
    if (pending.length >= 0 && pending.data.size() >= 4 + pending.length) {
        finishPending(socket, false);
        return;
    }
    // A length frame may share a chunk with the text; read on while bytes remain.
    if (socket->bytesAvailable() > 0)
        readPending(socket);
}

void QtLocalPeer::dropPending(QLocalSocket* socket, const char* why)
{
    if (why)
        qCWarning(lcControls, "QtLocalPeer: dropping a connection: %s", why);
    m_pending.remove(socket);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void QtLocalPeer::finishPending(QLocalSocket* socket, bool timedOut)
{
    auto it = m_pending.find(socket);
    if (it == m_pending.end())
        return;
    const PendingMessage pending = it.value();
    if (timedOut && pending.length < 0) {
        dropPending(socket, "no message within the time limit");
        return;
    }
    m_pending.erase(it);
    socket->disconnect(this);
    pending.deadline->stop();
    // A message cut short by the deadline is delivered with the bytes that did arrive.
    QByteArray payload = pending.data.mid(4, pending.length);
    const int zero = payload.indexOf('\0');
    if (zero >= 0)
        payload.truncate(zero);
    const QString message = QString::fromUtf8(payload);
    socket->write(ack, 3);
    // The reply leaves before the receivers run, however long they take.
    socket->flush();
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromServer();
    QTimer::singleShot(receiveTimeoutMs, socket, &QObject::deleteLater);
    emit messageReceived(message);
}
