#include "VelUpdater.h"
#include "SettingsLog.h"

#include <QDebug>

VelUpdater *VelUpdater::sharedUpdater()
{
    static VelUpdater *updater = new VelUpdater;
    return updater;
}

void VelUpdater::setAutomaticallyChecksForUpdates(bool on)
{
    if (m_autoCheck == on)
        return;
    m_autoCheck = on;
    emit automaticChecksChanged(on);
}

QString VelUpdater::checkForUpdates()
{
    const QString message = noServiceMessage();
    qCInfo(lcSettings).noquote() << message;
    emit checkFinished(message);
    return message;
}

QString VelUpdater::feedUrl()
{
    return QStringLiteral("https://updates.velmarin.example/api/product/version?pid=%1&ver=%2")
        .arg(QStringLiteral("500"), QStringLiteral("2.3.2.47"));
}

QString VelUpdater::noServiceMessage()
{
    return QObject::tr("Cannot check for updates: no update service is configured.");
}
