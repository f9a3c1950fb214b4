// bench_filmstrip [file]: wall time from opening a file in the segment list to
// the tenth picture of its time-line film, beside ten `ffmpeg -ss T -i file
// -frames:v 1` runs at the same times. Without an argument it makes a one-hour
// 1920x1080 H.264 file (a minute encoded once, then repeated by stream copy).
// Runs on the offscreen platform; nothing is written outside a temporary folder.
#include "QSimpleTimeLine.h"
#include "QTimeContainer.h"
#include "QVideoCutManageDlg.h"
#include "VelVideoConvertItem.h"
#include "VelVideoConvertManager.h"
#include "zovAruzIvivu.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

bool ffmpeg(const QStringList& args, int timeoutMs = 3600000)
{
    QProcess p;
    p.start("ffmpeg", QStringList{"-y", "-v", "error", "-nostdin"} + args);
    return p.waitForFinished(timeoutMs) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Open (probe) to the tenth picture in the film, in ms; -1 on failure.
double filmOnce(const QString& path)
{
    QVideoCutManageDlg panel;
    panel.resize(720, 300);
    panel.OnStyleLine();
    QElapsedTimer clock;
    clock.start();
    VelVideoConvertItem* item = VelVideoConvertManager::getConvertManagerObject()->CreateConvertItemInfo(path, -1, false);
    if (!item)
        return -1;
    panel.setLineBgImage(item);
    QTimeContainer* strip = panel.timeLine()->strip();
    while (strip->filledSlots() < 10 && clock.elapsed() < 120000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    VelVideoConvertManager::getConvertManagerObject()->ClearItems();
    return strip->filledSlots() == 10 ? ms : -1;
}

double ffmpegTen(const QString& path, double seconds)
{
    QElapsedTimer clock;
    clock.start();
    for (int k = 0; k < 10; ++k) {
        if (!ffmpeg({"-ss", QString::number(seconds * k / 10, 'f', 3), "-i", path, "-frames:v", "1", "-f", "null",
                     "-"}, 120000))
            return -1;
    }
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ZV_Initialize_Library(1, 0);
    QTemporaryDir dir;
    QString file = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (file.isEmpty()) {
        const QString minute = dir.filePath("minute.mp4");
        file = dir.filePath("hour_1080p.mp4");
        std::printf("making a one-hour 1080p H.264 file...\n");
        std::fflush(stdout);
        if (!ffmpeg({"-f", "lavfi", "-i", "testsrc2=size=1920x1080:rate=25:duration=60", "-c:v", "libx264", "-preset",
                     "ultrafast", "-pix_fmt", "yuv420p", minute})
            || !ffmpeg({"-stream_loop", "59", "-i", minute, "-c", "copy", file})) {
            std::fprintf(stderr, "ffmpeg could not make the test file\n");
            return 1;
        }
    }
    ZvInfo* h = ZV_Create_Info(0);
    const bool ok = ZV_Open_Info(h, file.toUtf8().constData()) == 1;
    const double seconds = ZV_GetDuration_Info(h) / 1e6;
    ZV_Destroy_Info(h);
    if (!ok) {
        std::fprintf(stderr, "the library cannot open %s\n", qPrintable(file));
        return 1;
    }
    filmOnce(file); // warms the page cache for both sides
    constexpr int kRuns = 3;
    double ours = 0;
    double theirs = 0;
    for (int i = 0; i < kRuns; ++i) {
        ours += filmOnce(file) / kRuns;
        theirs += ffmpegTen(file, seconds) / kRuns;
    }
    std::printf("%-28s %8s %14s %14s %8s\n", "file", "length", "film ms", "ffmpeg x10 ms", "ratio");
    std::printf("%-28s %7.0fs %14.1f %14.1f %8.2f\n", qPrintable(file.section('/', -1)), seconds, ours, theirs,
                theirs > 0 ? ours / theirs : 0.0);
    std::printf("film = open to the tenth picture in the time line; goal: at most 1500 ms on 2 cores\n");
    return 0;
}
