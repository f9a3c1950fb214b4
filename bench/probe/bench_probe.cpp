// bench_probe [files...]: times the library's open-and-probe of each file
// (open, every program and stream read, close) against `ffprobe -show_format
// -show_streams` on the same file, and prints the ratio. Without arguments it
// makes a 60 s 1280x720 H.264/AAC MP4 and a 60 s MPEG-TS to measure.
// A second table times the thumbnail strip (ten pictures at equal steps)
// against ten `ffmpeg -ss T -frames:v 1` runs.
#include "zovAruzIvivu.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kRuns = 20;

bool probeOnce(const QByteArray &path)
{
    ZvInfo *h = ZV_Create_Info(0xFFFFFFFF);
    const int ok = ZV_Open_Info(h, path.constData());
    if (ok) {
        for (uint32_t p = 0; p < ZV_GetProgrCount_Info(h); ++p) {
            ZV_SetProgrIndex_Info(h, p);
            for (uint32_t v = 0; v < ZV_GetVideoCount_Info(h); ++v) {
                ZV_SetVideoIndex_Info(h, v);
                ZV_GetVideoCodecName_Info(h);
                ZV_GetVideoValue_Info(h, 1);
                ZV_GetVideoWidth_Info(h);
            }
            for (uint32_t a = 0; a < ZV_GetAudioCount_Info(h); ++a) {
                ZV_SetAudioIndex_Info(h, a);
                ZV_GetAudioCodecName_Info(h);
                ZV_GetAudioLanguage_Info(h);
            }
        }
        ZV_GetDuration_Info(h);
        ZV_GetChapterCount_Info(h);
        ZV_GetMetaData_Info(h, "title");
    }
    ZV_Close_Info(h);
    ZV_Destroy_Info(h);
    return ok == 1;
}

bool ffprobeOnce(const QString &path)
{
    QProcess p;
    p.start("ffprobe", {"-v", "error", "-of", "json", "-show_format", "-show_streams", path});
    return p.waitForFinished(60000) && p.exitCode() == 0;
}

bool stripOnce(const QByteArray &path)
{
    ZvInfo *h = ZV_Create_Info(0xFFFFFFFF);
    bool ok = ZV_Open_Info(h, path.constData()) == 1;
    const uint64_t duration = ZV_GetDuration_Info(h);
    for (int k = 0; ok && k < 10; ++k) {
        uint8_t *bmp = ZV_GetVideoImage_Info(h, duration * uint64_t(k) / 10, 1, 160, 90, 0);
        ok = bmp != nullptr;
        ZV_FreeVideoImage_Info(h, bmp);
    }
    ZV_Destroy_Info(h);
    return ok;
}

bool ffmpegStripOnce(const QString &path, double seconds)
{
    for (int k = 0; k < 10; ++k) {
        QProcess p;
        p.start("ffmpeg", {"-v", "error", "-nostdin", "-ss", QString::number(seconds * k / 10, 'f', 3), "-i",
                           path, "-frames:v", "1", "-s", "160x90", "-f", "null", "-"});
        if (!p.waitForFinished(60000) || p.exitCode() != 0)
            return false;
    }
    return true;
}

bool make(const QString &path, const QStringList &args)
{
    QStringList all{"-y", "-v", "error", "-nostdin"};
    all << args << path;
    return QProcess::execute("ffmpeg", all) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ZV_Initialize_Library(1, 0);
    QStringList files = app.arguments().mid(1);
    QTemporaryDir dir;
    if (files.isEmpty()) {
        const QStringList source{"-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=30:duration=60",
                                 "-f", "lavfi", "-i", "sine=frequency=440:duration=60"};
        const QString mp4 = dir.filePath("bench.mp4"), ts = dir.filePath("bench.ts");
        std::printf("making 60 s test files...\n");
        if (!make(mp4, source + QStringList{"-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac"})
            || !make(ts, {"-i", mp4, "-c", "copy", "-f", "mpegts"})) {
            std::fprintf(stderr, "ffmpeg could not make the test files\n");
            return 1;
        }
        files << mp4 << ts;
    }
    std::printf("%-40s %12s %12s %8s\n", "file", "ours ms", "ffprobe ms", "ratio");
    for (const QString &file : files) {
        const QByteArray path = file.toUtf8();
        if (!probeOnce(path)) { // also warms the page cache for both sides
            std::fprintf(stderr, "%s: the library cannot open it\n", path.constData());
            continue;
        }
        ffprobeOnce(file);
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < kRuns; ++i)
            probeOnce(path);
        const double ours = double(t.nsecsElapsed()) / 1e6 / kRuns;
        t.restart();
        for (int i = 0; i < kRuns; ++i)
            ffprobeOnce(file);
        const double theirs = double(t.nsecsElapsed()) / 1e6 / kRuns;
        std::printf("%-40s %12.2f %12.2f %8.2f\n", qPrintable(file.section('/', -1)), ours, theirs,
                    theirs > 0 ? ours / theirs : 0.0);
    }
    std::printf("ratio = ours / ffprobe (requirement: at most 1.00)\n\n");

    std::printf("%-40s %12s %12s %8s\n", "ten-picture strip", "ours ms", "ffmpeg ms", "ratio");
    for (const QString &file : files) {
        const QByteArray path = file.toUtf8();
        ZvInfo *h = ZV_Create_Info(0xFFFFFFFF);
        const bool video = ZV_Open_Info(h, path.constData()) == 1 && ZV_HasVideo_Info(h);
        const double seconds = ZV_GetDuration_Info(h) / 1e6;
        ZV_Destroy_Info(h);
        if (!video)
            continue;
        constexpr int stripRuns = 3;
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < stripRuns; ++i)
            stripOnce(path);
        const double ours = double(t.nsecsElapsed()) / 1e6 / stripRuns;
        t.restart();
        for (int i = 0; i < stripRuns; ++i)
            ffmpegStripOnce(file, seconds);
        const double theirs = double(t.nsecsElapsed()) / 1e6 / stripRuns;
        std::printf("%-40s %12.2f %12.2f %8.2f\n", qPrintable(file.section('/', -1)), ours, theirs,
                    theirs > 0 ? ours / theirs : 0.0);
    }
    std::printf("(the library's own bound: 3 s for a one-hour 1080p H.264 file)\n");
    return 0;
}
