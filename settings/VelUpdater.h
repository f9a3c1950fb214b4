#pragma once

#include <QObject>
#include <QString>

// The program's software-update hook. No update service is configured for
// this build: the updater keeps the automatic-check preference and answers
// every check with a clear message, without touching the network.
class VelUpdater : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(VelUpdater)
public:
    static VelUpdater *sharedUpdater();

    bool automaticallyChecksForUpdates() const { return m_autoCheck; }
    void setAutomaticallyChecksForUpdates(bool on);

    // Returns the outcome and also sends it through checkFinished().
    QString checkForUpdates();

    // The feed address written into the bundle's property list.
    static QString feedUrl();
    static QString noServiceMessage();

signals:
    void checkFinished(const QString &message);
    void automaticChecksChanged(bool on);

private:
    VelUpdater() = default;
    bool m_autoCheck = false;
};
