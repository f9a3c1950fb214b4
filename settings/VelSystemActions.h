#pragma once

#include <QString>
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

    // An empty handler restores the default. Each returns the previous handler.
    static RevealHandler setRevealHandler(RevealHandler handler);
    static PowerHandler setPowerHandler(PowerHandler handler);
    static UrlHandler setUrlHandler(UrlHandler handler);

    static void reveal(const QString &filePath);
    static void requestPower(Power action);
    // A web page in the user's browser.
    static void openUrl(const QUrl &url);

    // The defaults, reachable directly only by the dispatch above.
    static void revealWithFileManager(const QString &filePath);
    static void requestPowerFromLogind(Power action);
    static void openUrlInBrowser(const QUrl &url);
};
