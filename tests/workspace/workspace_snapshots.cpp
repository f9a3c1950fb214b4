// Draws the main window and the loading dialog into PNG files for a visual check:
//   xvfb-run -a -s "-screen 0 1280x1024x24" <build>/tests/workspace_snapshots <folder>
// writes empty.png (no file open), opened.png (a clip open and paused on a
// picture), loading.png (the loading dialog during an add), close.png (the
// close prompt), edit-tip.png (the note after an edit in the lossless mode)
// and message-warning.png (the message box refusing a dropped path that is
// gone). Settings go to a throw-away HOME, never to the user's.
#include "MainWindow.h"
#include "SnapshotSupport.h"
#include "QFontLoader.h"
#include "QIAnyUtil.h"
#include "MessageBoxSnapshot.h"
#include "QEditTipDlg.h"
#include "QLoadingDlg.h"
#include "QShowCloseDlg.h"
#include "TestMedia.h"
#include "SnapshotLanguage.h"
#include "VelPlayerClass.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QFile>
#include <QUrl>

namespace {

using SnapshotSupport::save;
using SnapshotSupport::settle;

// A small prompt centred on the window, as the program places it.
bool savePrompt(QWidget* prompt, const MainWindow& window, const QString& file)
{
    prompt->move(window.geometry().center() - prompt->rect().center());
    prompt->show();
    settle(300);
    const bool ok = save(prompt, file);
    prompt->hide();
    return ok;
}

// Dropping a path that is gone is refused with the program's warning box.
bool saveDropWarning(MainWindow& window, const QString& file)
{
    MessageBoxSnapshot snapshot(file, 0);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QDir::temp().filePath(QStringLiteral("zv-gone/clip.mp4")))});
    const QPoint middle(window.width() / 2, window.height() / 2);
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    return snapshot.saved();
}

// A text file named .mp4: the failure names the file and the library's reason.
bool saveOpenFailure(MainWindow& window, const QTemporaryDir& home, const QString& file)
{
    const QString path = home.filePath(QStringLiteral("holiday notes.mp4"));
    QFile text(path);
    if (!text.open(QIODevice::WriteOnly) || text.write("this is not a movie\n") < 0)
        return false;
    text.close();
    MessageBoxSnapshot snapshot(file, 0);
    window.addImportFile(QStringList{path});
    settle(500);
    return snapshot.saved();
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    SnapshotSupport::useHome(home);
    QApplication app(argc, argv);
    SnapshotSupport::useApplicationFont();
    if (!SnapshotLanguage::useFromEnvironment())
        return 1;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);

    MainWindow window;
    window.move(20, 20);
    window.show();
    settle(500);
    bool ok = save(&window, folder + "/empty.png");

    const QString clip = TestMedia::make(
        "snapshot_testsrc.mp4", {"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=25:duration=4", "-f", "lavfi", "-i",
                                 "sine=frequency=440:duration=4", "-c:v", "libx264", "-pix_fmt", "yuv420p",
                                 "-c:a", "aac", "-shortest"});
    // The loading dialog is modal: grab it from inside its own loop.
    QTimer::singleShot(0, &window, [&] {
        if (QLoadingDlg *dialog = window.loadingDlg()) {
            // A path as long as real ones get, to show how the dialog shortens it.
            dialog->setAddFilePath(QStringLiteral("/home/user/Videos/Family/2026 Summer by the sea/Day 3 - boat trip/")
                                   + QFileInfo(clip).fileName());
            dialog->setAddCount(QStringLiteral("1/1"));
            dialog->setProgressVale(100);
            ok = save(dialog, folder + "/loading.png") && ok;
        }
    });
    window.addImportFile(QStringList{clip});
    settle(1500);
    window.m_videoPlayDlg->PlayProValueChange(0.5);
    window.m_videoPlayDlg->OnBtnPause();
    window.m_videoCutToolbar->videoPlayPro(50);
    settle(1000);
    ok = save(&window, folder + "/opened.png") && ok;

    QShowCloseDlg prompt(&window);
    ok = savePrompt(&prompt, window, folder + "/close.png") && ok;
    QEditTipDlg tip(&window);
    ok = savePrompt(&tip, window, folder + "/edit-tip.png") && ok;
    ok = saveDropWarning(window, folder + "/message-warning.png") && ok;
    ok = saveOpenFailure(window, home, folder + "/message-open-failed.png") && ok;
    return ok ? 0 : 1;
}
