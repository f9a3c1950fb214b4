#include "VelSystemActions.h"
#include "SettingsLog.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDebug>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

VelSystemActions::RevealHandler &revealHandler()
{
    static VelSystemActions::RevealHandler handler;
    return handler;
}

VelSystemActions::PowerHandler &powerHandler()
{
    static VelSystemActions::PowerHandler handler;
    return handler;
}

// The test harness marks every test process with this variable. A test that
// forgot to install its own handlers must still never open a file manager,
// power the machine off or suspend it.
bool underTestHarness(const char *action)
{
    if (!qEnvironmentVariableIsSet("ZV_TEST_MEDIA_DIR"))
        return false;
    qCWarning(lcSettings).noquote() << "Refusing to" << action << "inside a test run";
    return true;
}

VelSystemActions::UrlHandler &urlHandler()
{
    static VelSystemActions::UrlHandler handler;
    return handler;
}

void openFolder(const QString &folder)
{
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        qCWarning(lcSettings).noquote() << "Cannot open the folder" << folder << "in a file manager";
}

// Calls a D-Bus method without blocking the caller; onError runs with the
// error text when the call fails. Without an event loop nothing is reported.
void callAsync(const QDBusConnection &bus, const QDBusMessage &call,
               std::function<void(const QString &)> onError)
{
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [onError](QDBusPendingCallWatcher *self) {
                         if (self->isError())
                             onError(self->error().name() + QStringLiteral(": ")
                                     + self->error().message());
                         self->deleteLater();
                     });
}

} // namespace

VelSystemActions::RevealHandler VelSystemActions::setRevealHandler(RevealHandler handler)
{
    RevealHandler previous = std::move(revealHandler());
    revealHandler() = std::move(handler);
    return previous;
}

VelSystemActions::PowerHandler VelSystemActions::setPowerHandler(PowerHandler handler)
{
    PowerHandler previous = std::move(powerHandler());
    powerHandler() = std::move(handler);
    return previous;
}

VelSystemActions::UrlHandler VelSystemActions::setUrlHandler(UrlHandler handler)
{
    UrlHandler previous = std::move(urlHandler());
    urlHandler() = std::move(handler);
    return previous;
}

void VelSystemActions::reveal(const QString &filePath)
{
    if (revealHandler())
        revealHandler()(filePath);
    else
        revealWithFileManager(filePath);
}

void VelSystemActions::requestPower(Power action)
{
    if (powerHandler())
        powerHandler()(action);
    else
        requestPowerFromLogind(action);
}

void VelSystemActions::openUrl(const QUrl &url)
{
    if (urlHandler())
        urlHandler()(url);
    else
        openUrlInBrowser(url);
}

void VelSystemActions::openUrlInBrowser(const QUrl &url)
{
    if (underTestHarness("open a web page"))
        return;
    if (!QDesktopServices::openUrl(url))
        qCWarning(lcSettings).noquote() << "Cannot open" << url.toString() << "in a browser";
}

void VelSystemActions::revealWithFileManager(const QString &filePath)
{
    if (underTestHarness("reveal a file"))
        return;
    const QFileInfo info(filePath);
    const QString folder = info.absolutePath();
    if (!info.exists()) {
        qCWarning(lcSettings).noquote() << "Cannot show" << filePath << "- it does not exist; opening its folder";
        openFolder(folder);
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openFolder(folder);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(info.absoluteFilePath()).toString()} << QString();
    callAsync(bus, call, [folder](const QString &error) {
        qCWarning(lcSettings).noquote() << "The file manager cannot show the file (" << error
                             << "); opening its folder instead";
        openFolder(folder);
    });
}

void VelSystemActions::requestPowerFromLogind(Power action)
{
    const QString method = action == Power::PowerOff ? QStringLiteral("PowerOff")
                                                     : QStringLiteral("Suspend");
    if (underTestHarness(action == Power::PowerOff ? "power off" : "suspend"))
        return;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        qCWarning(lcSettings).noquote() << "Cannot ask logind to" << method << "- no system bus";
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), method);
    // Interactive: logind may ask the user to authorise the request.
    call << true;
    callAsync(bus, call, [method](const QString &error) {
        qCWarning(lcSettings).noquote() << "logind refused" << method << ":" << error;
    });
}
