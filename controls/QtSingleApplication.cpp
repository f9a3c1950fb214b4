#include "QtSingleApplication.h"

#include "QtLocalPeer.h"

#include <QFileOpenEvent>
#include <QWidget>

QtSingleApplication::QtSingleApplication(int& argc, char** argv, bool) : QApplication(argc, argv)
{
    init(QString());
}

QtSingleApplication::QtSingleApplication(const QString& id, int& argc, char** argv) : QApplication(argc, argv)
{
    init(id);
}

void QtSingleApplication::init(const QString& id)
{
    m_peer = new QtLocalPeer(this, id);
    connect(m_peer, &QtLocalPeer::messageReceived, this, &QtSingleApplication::messageReceived);
}

bool QtSingleApplication::isRunning() { return m_peer->isClient(); }
QString QtSingleApplication::id() const { return m_peer->applicationId(); }
QString QtSingleApplication::socketName() const { return m_peer->socketName(); }
QtLocalPeer* QtSingleApplication::peer() const { return m_peer; }

QString QtSingleApplication::checkSocketNameForPath(QString& path)
{
    return m_peer->checkSocketName(path, true);
}

bool QtSingleApplication::sendMessage(const QString& message, int timeout)
{
    return m_peer->sendMessage(message, timeout);
}

bool QtSingleApplication::sendMessage(const QString& message)
{
    return sendMessage(message, 5000);
}

bool QtSingleApplication::sendMessageToSocket(QString socketName, const QString& message, int timeout)
{
    return m_peer->sendMessageToSocket(socketName, message, timeout);
}

bool QtSingleApplication::sendMessageToSocket(QString socketName, const QString& message)
{
    return sendMessageToSocket(socketName, message, 5000);
}

void QtSingleApplication::setActivationWindow(QWidget* window, bool activateOnMessage)
{
    m_activationWindow = window;
    if (activateOnMessage)
        connect(m_peer, &QtLocalPeer::messageReceived, this, &QtSingleApplication::activateWindow, Qt::UniqueConnection);
    else
        disconnect(m_peer, &QtLocalPeer::messageReceived, this, &QtSingleApplication::activateWindow);
}

QWidget* QtSingleApplication::activationWindow() const { return m_activationWindow; }
void QtSingleApplication::setActivationWindowTempState() { m_skipNextActivation = true; }

void QtSingleApplication::activateWindow()
{
    if (m_skipNextActivation) {
        m_skipNextActivation = false;
        return;
    }
    if (!m_activationWindow)
        return;
    m_activationWindow->setWindowState(m_activationWindow->windowState() & ~Qt::WindowMinimized);
    m_activationWindow->raise();
    m_activationWindow->activateWindow();
}

bool QtSingleApplication::event(QEvent* event)
{
    if (event->type() == QEvent::FileOpen)
        emit messageReceived(static_cast<QFileOpenEvent*>(event)->file());
    return QApplication::event(event);
}
