#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// The desktop and power actions the program asks of the system, behind
// replaceable handlers. The defaults talk to the session's file manager, the
// user's browser and logind over D-Bus; tests install their own handlers so
// that nothing is ever revealed, opened, powered off or suspended while they run.
class VelSystemActions
{
public:
    enum class Power { PowerOff, Suspend };

    using RevealHandler = std::function<void(const QString &filePath)>;
    using PowerHandler = std::function<void(Power)>;
    using UrlHandler = std::function<void(const QUrl &url)>;
    // nothingOpened runs, possibly later on the GUI thread, when no program took the folder.
    using FolderHandler = std::function<void(const QString &folder, std::function<void()> nothingOpened)>;
    // An opener program's failure: it could not start at all, or it ran and said no.
    using OpenerFailure = std::function<void(bool started)>;

    // An empty handler restores the default. Each returns the previous handler.
    static RevealHandler setRevealHandler(RevealHandler handler);
    static PowerHandler setPowerHandler(PowerHandler handler);
    static UrlHandler setUrlHandler(UrlHandler handler);
    static FolderHandler setFolderHandler(FolderHandler handler);

    static void reveal(const QString &filePath);
    static void requestPower(Power action);
    // A web page in the user's browser.
    static void openUrl(const QUrl &url);
    // A folder in whatever the desktop opens folders with.
    static void openFolder(const QString &folder, std::function<void()> nothingOpened);

    // The defaults, reachable directly only by the dispatch above.
    static void revealWithFileManager(const QString &filePath);
    static void requestPowerFromLogind(Power action);
    static void openUrlInBrowser(const QUrl &url);
    static void openFolderOnDesktop(const QString &folder, std::function<void()> nothingOpened);
    // Starts an opener such as xdg-open and reports when it cannot start or
    // exits with a failure soon after; one that keeps running is taken as success.
    // Returns the running opener, which deletes itself when it ends.
    static QObject *runOpener(const QString &program, const QStringList &arguments, OpenerFailure failed);
};
