#pragma once

#include <QApplication>

class QtLocalPeer;

// Application object that runs once per user and per installed copy; later starts
// hand their message to the first one, which raises its activation window.
class QtSingleApplication : public QApplication
{
    Q_OBJECT

public:
    QtSingleApplication(int& argc, char** argv, bool GUIenabled = true);
    QtSingleApplication(const QString& id, int& argc, char** argv);

    bool isRunning();
    QString id() const;
    QString socketName() const;
    QString checkSocketNameForPath(QString& path);
    QtLocalPeer* peer() const;

    void setActivationWindow(QWidget* window, bool activateOnMessage = true);
    QWidget* activationWindow() const;
    void setActivationWindowTempState();

    bool event(QEvent* event) override;

signals:
    void messageReceived(const QString& message);

public slots:
    bool sendMessage(const QString& message, int timeout);
    bool sendMessage(const QString& message);
    void activateWindow();
    bool sendMessageToSocket(QString socketName, const QString& message, int timeout);
    bool sendMessageToSocket(QString socketName, const QString& message);

private:
    Q_DISABLE_COPY(QtSingleApplication)
    void init(const QString& id);

    QtLocalPeer* m_peer = nullptr;
    QWidget* m_activationWindow = nullptr;
    bool m_skipNextActivation = false;
};
