// Draws the preferences, about and advert dialogs into PNG files for a visual
// check:
//   xvfb-run -a <build>/tests/dialogs_snapshots <folder>
// writes preferences_general.png, preferences_convert.png, about.png and
// advert.png. Settings go to a throw-away HOME, never to the user's; the advert
// dialog shows the shipped fallback page and never reaches the network.
#include "AdWebDlg.h"
#include "AdWebView.h"
#include "QAboutDlg.h"
#include "QFontLoader.h"
#include "QVelApplicationLook.h"
#include "QIAnyUtil.h"
#include "QPreferencesDlg.h"
#include "QImageButton.h"
#include "QTextImageButton.h"
#include "SnapshotLanguage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The web view draws through the GPU process, which QWidget::grab() misses, so
// the dialog is taken from the screen over a background like the main window's.
bool save(QWidget* dlg, const QString& file, bool fromScreen = false)
{
    settle(500);
    QPixmap picture = fromScreen ? dlg->screen()->grabWindow(0, dlg->x(), dlg->y(), dlg->width(), dlg->height())
                                 : dlg->grab();
    if (!fromScreen) {
        // Same pixel size and ratio, or a picture grabbed at ratio 2 lands in one corner at half size.
        QPixmap framed(picture.size());
        framed.setDevicePixelRatio(picture.devicePixelRatio());
        framed.fill(QColor(43, 43, 43));
        QPainter(&framed).drawPixmap(0, 0, picture);
        picture = framed;
    }
    const bool ok = picture.save(file);
    QTextStream(stdout) << (ok ? "wrote " : "could not write ") << file << " (" << dlg->width() << "x"
                        << dlg->height() << ")\n";
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu --host-resolver-rules=\"MAP * ~NOTFOUND\"");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QFontLoader::useProgramFonts(QIAnyUtil::getResourcePath());
    QVelApplicationLook::apply();
    if (!SnapshotLanguage::useFromEnvironment())
        return 1;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);

    QWidget backdrop;
    backdrop.setStyleSheet("background: rgb(43,43,43)");
    backdrop.setGeometry(0, 0, 600, 400);
    backdrop.show();

    bool ok = true;
    {
        QPreferencesDlg dlg(nullptr);
        dlg.move(40, 40);
        dlg.show();
        ok = save(&dlg, folder + "/preferences_general.png") && ok;
        dlg.tabButtons()[1]->click();
        ok = save(&dlg, folder + "/preferences_convert.png") && ok;
    }
    {
        QAboutDlg dlg(nullptr);
        dlg.move(40, 40);
        dlg.show();
        ok = save(&dlg, folder + "/about.png") && ok;
    }
    {
        AdWebDlg dlg(nullptr);
        dlg.setAddresses(AdWebDlg::advertAddress(), AdWebDlg::fallbackAddress());
        dlg.move(40, 40);
        dlg.show();
        QElapsedTimer t;
        t.start();
        while (!dlg.closeButton()->isEnabled() && t.elapsed() < 90000)
            settle(100);
        settle(3000);
        ok = save(&dlg, folder + "/advert.png", true) && ok;
    }
    return ok ? 0 : 1;
}
