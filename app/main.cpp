#include "MainWindow.h"
#include "QFontLoader.h"
#include "QVelApplicationLook.h"
#include "QIAnyUtil.h"
#include "QUiAnyUtiliy.h"
#include "QTerminationNotifier.h"
#include "QtSingleApplication.h"

int main(int argc, char* argv[])
{
    QUiAnyUtiliy::QDpiScaleInit();
    QtSingleApplication app(argc, argv, true);
    // A second start only wakes the first one.
    if (app.isRunning())
        return app.sendMessage(QString(), 5000) ? 0 : 1;

    // Fonts resolved before the shipped Tahoma is registered would stay on a fallback.
    QFontLoader::useProgramFonts(QIAnyUtil::getResourcePath());
    QVelApplicationLook::apply();

    // Before the window: a request that comes while it is being built is
    // kept and answered once the event loop runs.
    QTerminationNotifier termination;
    MainWindow window;
    QObject::connect(&termination, &QTerminationNotifier::emitTerminationRequest, &window,
                     &MainWindow::OnTerminationRequest);
    app.setActivationWindow(&window, true);
    window.show();
    return app.exec();
}
