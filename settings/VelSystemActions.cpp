#include "VelSystemActions.h"
#include "SettingsLog.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDebug>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <memory>

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

VelSystemActions::FolderHandler &folderHandler()
{
    static VelSystemActions::FolderHandler handler;
    return handler;
}

// An opener that is still running after this long has shown something; a late
// failure exit (the user closing a program it waited for) is no failure to open.
const qint64 kOpenerVerdictMs = 10000;

void openFolderQuietly(const QString &folder)
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

VelSystemActions::FolderHandler VelSystemActions::setFolderHandler(FolderHandler handler)
{
    FolderHandler previous = std::move(folderHandler());
    folderHandler() = std::move(handler);
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

void VelSystemActions::openFolder(const QString &folder, std::function<void()> nothingOpened)
{
    if (folderHandler())
        folderHandler()(folder, std::move(nothingOpened));
    else
        openFolderOnDesktop(folder, std::move(nothingOpened));
}

// The file manager's own service first; without one, the desktop's opener for
// folders (xdg-open, or Qt's choice where xdg-open is missing). Qt's opener only
// reports whether a launcher started, so xdg-open is run here to learn its verdict.
void VelSystemActions::openFolderOnDesktop(const QString &folder, std::function<void()> nothingOpened)
{
    if (underTestHarness("open a folder"))
        return;
    const QUrl url = QUrl::fromLocalFile(folder);
    auto withOpener = [folder, url, nothingOpened]() {
        runOpener(QStringLiteral("xdg-open"), {folder}, [folder, url, nothingOpened](bool started) {
            if (started || !QDesktopServices::openUrl(url)) {
                qCWarning(lcSettings).noquote() << "Nothing on this desktop opened the folder" << folder;
                nothingOpened();
            }
        });
    };
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        withOpener();
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowFolders"));
    call << QStringList{url.toString()} << QString();
    callAsync(bus, call, [withOpener](const QString &error) {
        qCInfo(lcSettings).noquote() << "No file manager service (" << error << "); trying the desktop's opener";
        withOpener();
    });
}

QObject *VelSystemActions::runOpener(const QString &program, const QStringList &arguments, OpenerFailure failed)
{
    auto *process = new QProcess;
    // The opened program may inherit these channels and outlive the opener:
    // pipes closed under it would end it at its first line of output.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    auto clock = std::make_shared<QElapsedTimer>();
    QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        qCInfo(lcSettings).noquote() << "Cannot start" << process->program() << ":" << process->errorString();
        failed(false);
        process->deleteLater();
    });
    QObject::connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), process,
                     [process, failed, clock](int code, QProcess::ExitStatus status) {
                         const bool failure = status != QProcess::NormalExit || code != 0;
                         if (failure && clock->elapsed() < kOpenerVerdictMs) {
                             qCWarning(lcSettings).noquote() << process->program() << process->arguments()
                                                             << "failed with exit code" << code;
                             failed(true);
                         }
                         process->deleteLater();
                     });
    clock->start();
    process->start(program, arguments);
    return process;
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
        openFolderQuietly(folder);
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openFolderQuietly(folder);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(info.absoluteFilePath()).toString()} << QString();
    callAsync(bus, call, [folder](const QString &error) {
        qCWarning(lcSettings).noquote() << "The file manager cannot show the file (" << error
                             << "); opening its folder instead";
        openFolderQuietly(folder);
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
