#pragma once
// Remembers the settings files that were found unusable (not parsable, or not a
// plain file) and reset to the defaults, so that the user hears of each reset
// once. The settings store reports here; the main window listens. The settings
// layer shows nothing itself. GUI thread only.

#include <QList>
#include <QPair>
#include <QString>

#include <functional>

class QSettingsResetNotice
{
public:
    // path: the settings file that was reset; keptAs: where its old content
    // was moved.
    using Listener = std::function<void(const QString &path, const QString &keptAs)>;

    static void report(const QString &path, const QString &keptAs);
    // Hands the listener every reset reported so far, then each new one as it
    // is reported. An empty listener stops the hand-over; resets are then
    // kept for the next listener.
    static void setListener(Listener listener);

private:
    static QList<QPair<QString, QString>> s_pending;
    static Listener s_listener;
};
