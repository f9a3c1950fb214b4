// Not a test: the main window with a clip open, once in each shipped language, as
// main-window-<code>.png in the folder given:
//   xvfb-run -a -s "-screen 0 1280x1024x24" <build>/tests/language_snapshots <folder>
// Each window is built after the language is saved, as at a start of the program.
// Settings go to a throw-away HOME, never to the user's.
#include "MainWindow.h"
#include "SnapshotSupport.h"
#include "QVideoSettingXml.h"
#include "TestMedia.h"

#include <QDir>
#include <QImage>
#include <QTextStream>

int main(int argc, char **argv)
{
    QTemporaryDir home;
    SnapshotSupport::useHome(home);
    QApplication app(argc, argv);
    SnapshotSupport::useApplicationFont();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);

    // Plain colour bars keep the pictures small.
    const QString clip = TestMedia::make(
        "language_snapshot_bars.mp4", {"-f", "lavfi", "-i", "smptebars=size=640x360:rate=25:duration=4", "-f",
                                       "lavfi", "-i", "sine=frequency=440:duration=4", "-c:v", "libx264",
                                       "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest"});
    if (clip.isEmpty())
        return 1;

    const QList<QPair<QString, QString>> languages{{"en", "English"}, {"de", "Deutsch"}, {"fr", "Français"},
                                                   {"zh_CN", "简体中文"}, {"ja", "日本語"}};
    bool ok = true;
    for (const auto &language : languages) {
        QVideoSettingXml::SetItemValue("Language_item", "Language_Name", language.second);
        MainWindow window;
        window.move(20, 20);
        window.show();
        SnapshotSupport::settle(300);
        window.addImportFile(QStringList{clip});
        SnapshotSupport::settle(1500);
        window.m_videoPlayDlg->PlayProValueChange(0.4);
        window.m_videoPlayDlg->OnBtnPause();
        window.m_videoCutToolbar->videoPlayPro(40);
        SnapshotSupport::settle(1000);
        const QString file = folder + "/main-window-" + language.first + ".png";
        // Full colour: a reduced palette shifts the skin's accent and drops the
        // dark time fields.
        const QImage picture = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const bool saved = picture.save(file);
        QTextStream(stdout) << (saved ? "wrote " : "could not write ") << file << "\n";
        ok = ok && saved;
    }
    return ok ? 0 : 1;
}
