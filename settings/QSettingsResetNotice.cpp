#include "QSettingsResetNotice.h"

QList<QPair<QString, QString>> QSettingsResetNotice::s_pending;
QSettingsResetNotice::Listener QSettingsResetNotice::s_listener;

void QSettingsResetNotice::report(const QString &path, const QString &keptAs)
{
    if (s_listener)
        s_listener(path, keptAs);
    else
        s_pending.append(qMakePair(path, keptAs));
}

void QSettingsResetNotice::setListener(Listener listener)
{
    s_listener = std::move(listener);
    if (!s_listener)
        return;
    const QList<QPair<QString, QString>> earlier = s_pending;
    s_pending.clear();
    for (const auto &reset : earlier)
        s_listener(reset.first, reset.second);
}
