// Starts like the application does: the first process stays and prints every message it
// receives; a later one hands over its message (the first argument) and exits.
#include "QtLocalPeer.h"
#include "QtSingleApplication.h"

#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QtSingleApplication app(argc, argv, true);
    const QString message = argc > 1 ? QString::fromUtf8(argv[1]) : QString();
    if (app.isRunning())
        return app.sendMessage(message, 5000) ? 0 : 1;

    QObject::connect(&app, &QtSingleApplication::messageReceived, [](const QString& text) {
        std::printf("message:%s\n", text.toUtf8().constData());
        std::fflush(stdout);
    });
    std::printf("primary %s\n", app.peer()->socketPath().toUtf8().constData());
    std::fflush(stdout);
    // Never outlive a test that forgot us.
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);
    return app.exec();
}
