#pragma once
// Turns the termination requests of the system (SIGTERM, SIGINT, SIGHUP: a
// logout, a kill from a terminal, a closed terminal) into a Qt signal on the
// GUI thread. The handler only writes the signal's number into a socket pair;
// a socket notifier reads it in the event loop, where it is safe to act.
// One instance per process; the default handlers come back when it goes.

#include <QObject>

class QSocketNotifier;

class QTerminationNotifier : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(QTerminationNotifier)

public:
    explicit QTerminationNotifier(QObject *parent = nullptr);
    ~QTerminationNotifier() override;

    // False when the socket pair or a handler could not be set up; the
    // system's default handling then stays in place.
    bool isInstalled() const { return m_notifier != nullptr; }

signals:
    // Emitted once, on the first request; later ones are swallowed while the
    // program is ending.
    void emitTerminationRequest(int signalNumber);

private slots:
    void OnSignalReadable();

private:
    static void handleSignal(int signalNumber);
    void restoreDefaults();

    int m_fds[2] = {-1, -1};
    QSocketNotifier *m_notifier = nullptr;
    bool m_bRequested = false;
};
