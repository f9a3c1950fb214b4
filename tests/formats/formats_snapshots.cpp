// Draws the format dialog in its three looks into PNG files for a visual check:
//   xvfb-run -a <build>/tests/formats_snapshots <folder>
// writes encoding.png, advanced.png, compact.png and the common message dialog,
// common-message.png. Settings go to a
// throw-away HOME, never to the user's.
#include "FormatWidget.h"
#include "QMessageCommonDlg.h"
#include "QFontLoader.h"
#include "QVelApplicationLook.h"
#include "QIAnyUtil.h"
#include "QSettingDlg.h"
#include "SnapshotLanguage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
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

bool save(FormatWidget* dlg, const QString& file)
{
    settle(400);
    const bool ok = dlg->grab().save(file);
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
    QApplication app(argc, argv);
    QFontLoader::useProgramFonts(QIAnyUtil::getResourcePath());
    QVelApplicationLook::apply();
    if (!SnapshotLanguage::useFromEnvironment())
        return 1;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);

    // The main window's start-up sequence, then the encoding mode.
    FormatWidget* dlg = FormatWidget::getFormatWidget();
    dlg->setFormatIdLossLess("General Video", "3000", true);
    dlg->setDefaultSet();
    dlg->InitLossless();
    dlg->setDefaultQuality(QI_HighQuality);
    dlg->saveDefaultQuality();
    dlg->move(40, 40);
    dlg->show();

    dlg->OnClickCustomizeFormat();
    dlg->setDefaultQuality(QI_HighQuality);
    bool ok = save(dlg, folder + "/encoding.png");

    dlg->OnClickBtnSet("4000");
    ok = save(dlg, folder + "/advanced.png") && ok;

    dlg->OnClickLossless();
    ok = save(dlg, folder + "/compact.png") && ok;

    QMessageCommonDlg message;
    message.setMsgText("The conversion has finished.");
    message.move(40, 560);
    message.show();
    settle(400);
    ok = message.grab().save(folder + "/common-message.png") && ok;
    return ok ? 0 : 1;
}
