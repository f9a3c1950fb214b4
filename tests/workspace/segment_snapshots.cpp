// Draws the main window with three segments into PNG files for a visual check:
//   xvfb-run -a -s "-screen 0 1280x1024x24" <build>/tests/segment_snapshots <folder>
// writes segments_list.png (free list), segments_line.png (time line with its
// film), segments_converting.png (a run in progress), message-question.png
// (the message box asking whether to stop that run when the window closes) and
// film_1080p.png / film_portrait.png (the time line's film of a 1080p landscape
// and of a portrait clip).
// Settings and outputs go to a throw-away HOME, never to the user's.
#include "MainWindow.h"
#include "MessageBoxSnapshot.h"
#include "SnapshotLanguage.h"
#include "SnapshotSupport.h"
#include "QDualSlider.h"
#include "QFontLoader.h"
#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "QSimpleTimeLine.h"
#include "QTimeContainer.h"
#include "QVideoConvertItem.h"
#include "QVideoCutManageDlg.h"
#include "QVideoSettingXml.h"
#include "TestMedia.h"
#include "VelVideoConvertItem.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

using SnapshotSupport::save;
using SnapshotSupport::settle;

void mark(MainWindow& window, double start, double end, bool add)
{
    QVideoCutManageDlg* list = window.m_videoItemDlg;
    if (add)
        list->addButton()->click();
    const double length = double(window.m_videoPlayDlg->getPlayLength());
    QDualSlider* slider = window.m_videoCutToolbar->m_TrimDSlider;
    slider->setPlayValue(float(end * 1e6 / length * 100), true);
    window.m_videoCutToolbar->m_btnEndSet->click();
    slider->setPlayValue(float(start * 1e6 / length * 100), true);
    window.m_videoCutToolbar->m_btnStartSet->click();
    settle(100);
}

// A window of its own on the clip, on the time line once its film is complete.
bool saveFilm(const QString& clip, const QString& file)
{
    MainWindow window;
    window.move(20, 20);
    window.show();
    settle(300);
    window.addImportFile(QStringList{clip});
    settle(1000);
    if (!window.m_videoItemDlg->timeLine()->isVisible())
        window.m_videoItemDlg->lineModeButton()->click();
    QTimeContainer* strip = window.m_videoItemDlg->timeLine()->strip();
    QElapsedTimer wait;
    wait.start();
    while (strip->filledSlots() < 10 && wait.elapsed() < 30000)
        settle(50);
    settle(300);
    return save(&window, file);
}

QString testCard(const QString& name, const QString& size)
{
    return TestMedia::make(name, {"-f", "lavfi", "-i", "testsrc2=size=" + size + ":rate=25:duration=10", "-c:v",
                                  "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p"});
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    SnapshotSupport::useHome(home);
    QApplication app(argc, argv);
    SnapshotSupport::useApplicationFont();
    if (!SnapshotLanguage::useFromEnvironment())
        return 1;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);

    // Encoding mode, so the run lasts long enough to be seen.
    QVideoSettingXml::GetItemValue("LOSSLESS_ITEM", "Lossless_convert", "N");
    QVideoSettingXml::SetItemValue("LOSSLESS_ITEM", "Lossless_convert", "N");
    const QString clip = TestMedia::make(
        "snapshot_segments.mp4",
        {"-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=25:duration=60,noise=alls=30:allf=t", "-f", "lavfi", "-i",
         "sine=frequency=440:duration=60", "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:a",
         "aac", "-shortest"});

    MainWindow window;
    window.move(20, 20);
    window.show();
    settle(300);
    window.addImportFile(QStringList{clip});
    settle(1000);
    mark(window, 3, 14, false);
    mark(window, 20, 31, true);
    mark(window, 40, 55, true);
    window.m_videoItemDlg->OnClickItem(1);
    window.m_videoPlayDlg->PlayProValueChange(0.4);
    settle(800);
    bool ok = save(&window, folder + "/segments_list.png");

    window.m_videoItemDlg->lineModeButton()->click();
    QTimeContainer* strip = window.m_videoItemDlg->timeLine()->strip();
    QElapsedTimer wait;
    wait.start();
    while (strip->filledSlots() < 10 && wait.elapsed() < 30000)
        settle(50);
    settle(300);
    ok = save(&window, folder + "/segments_line.png") && ok;

    window.m_videoCutToolbar->m_btnConvert->click();
    settle(1500);
    ok = save(&window, folder + "/segments_converting.png") && ok;
    {
        MessageBoxSnapshot question(folder + "/message-question.png", 1);
        const bool closes = window.stopConversionBeforeClose();
        ok = question.saved() && !closes && ok;
    }
    window.m_videoCutToolbar->m_btnCancel->click();
    settle(300);
    window.hide();

    ok = saveFilm(testCard("snapshot_1080p.mp4", "1920x1080"), folder + "/film_1080p.png") && ok;
    ok = saveFilm(testCard("snapshot_portrait.mp4", "1080x1920"), folder + "/film_portrait.png") && ok;
    return ok ? 0 : 1;
}
