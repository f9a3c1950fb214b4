#pragma once

#include "QtLockedFile.h"

#include <QHash>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QTimer;

// Decides whether this process is the first instance for this user and this copy of
// the program, and carries short text messages from later instances to the first.
// One message per connection: a 4-byte big-endian length, the UTF-8 text, answered
// with "ack".
class QtLocalPeer : public QObject
{
    Q_OBJECT

public:
    QtLocalPeer(QObject* parent = nullptr, const QString& appId = QString());
    ~QtLocalPeer() override;

    bool isClient();
    bool sendMessage(const QString& message, int timeout);
    bool sendMessageToSocket(QString socketName, const QString& message, int timeout);
    QString checkSocketName(QString& id, bool isPath);
    QString applicationId() const { return id; }
    QString socketName() const { return m_socketName; }

    // Where the lock file and the socket live: the per-user runtime folder, or a
    // private folder in the temporary location.
    static QString channelFolder();
    QString socketPath() const;
    QString lockFilePath() const;

    static const char* ack;
    // Longest message accepted; longer announcements are refused unread.
    static const qint32 maxMessageLength = 64 * 1024;
    // How long one connection may take to deliver its whole message.
    static const int receiveTimeoutMs = 2000;

signals:
    void messageReceived(const QString& message);

public slots:
    void receiveConnection();

private:
    Q_DISABLE_COPY(QtLocalPeer)
    struct PendingMessage
    {
        QByteArray data;
        qint32 length = -1;
        QTimer* deadline = nullptr;
    };

    bool serverAnswers() const;
    QString resolveSocket(const QString& name) const;
    void readPending(QLocalSocket* socket);
    void finishPending(QLocalSocket* socket, bool deliver);
    void dropPending(QLocalSocket* socket, const char* why);

    QString id;
    QString m_socketName;
    QLocalServer* server = nullptr;
    QtLP_Private::QtLockedFile lockFile;
    bool m_primary = false;
    QHash<QLocalSocket*, PendingMessage> m_pending;
};
