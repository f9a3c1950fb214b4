// Times our lossless cut, encode and merge against the ffmpeg command line doing
// the same work on the same input, and prints each ratio (ours / ffmpeg).
//   bench_convert [input]   (default: a 1080p H.264/AAC clip made once and cached)
#include "zovAruzIvivu.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr uint64_t kSecond = 1000000;

bool runTool(const QStringList &args)
{
    QProcess p;
    p.start("ffmpeg", QStringList{"-y", "-v", "error", "-nostdin"} + args);
    if (!p.waitForStarted() || !p.waitForFinished(-1) || p.exitCode() != 0) {
        std::fprintf(stderr, "ffmpeg failed: %s\n", p.readAllStandardError().constData());
        return false;
    }
    return true;
}

QString makeInput()
{
    const QString dir = qEnvironmentVariable("ZV_BENCH_DIR", QDir::tempPath() + "/zv-bench");
    QDir().mkpath(dir);
    const QString path = dir + "/convert_1080p30_60s.mp4";
    if (QFileInfo(path).size() > 0)
        return path;
    std::printf("making the input once: %s\n", qPrintable(path));
    const QString partial = path + ".part.mp4";
    if (!runTool({"-f", "lavfi", "-i", "testsrc2=size=1920x1080:rate=30:duration=60", "-f", "lavfi", "-i",
                  "sine=frequency=440:sample_rate=48000:duration=60", "-ac", "2", "-c:v", "libx264", "-preset",
                  "veryfast", "-b:v", "12M", "-g", "60", "-pix_fmt", "yuv420p", "-c:a", "aac", "-b:a", "160k",
                  "-shortest", partial})
        || !QFile::rename(partial, path))
        return QString();
    return path;
}

// Best of `rounds` wall-clock times in seconds; a failed run gives a negative time.
double timeBest(int rounds, const std::function<bool()> &work)
{
    double best = 1e30;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        if (!work())
            return -1;
        best = std::min(best, t.nsecsElapsed() / 1e9);
    }
    return best;
}

bool runJob(bool copy, const QString &in, const QString &out, const char *container, uint64_t start,
            uint64_t duration)
{
    ZvConfig *c = ZV_Create_Config();
    if (copy) {
        ZV_SetVideoCodec_Config(c, 0);
        ZV_SetAudioCodec_Config(c, 0);
    } else {
        ZV_SetVideoCodec_Config(c, 28);
        ZV_SetAudioCodec_Config(c, 0x15002);
        ZV_SetVideoBitRate_Config(c, 4000000);
        ZV_SetVideoQuality_Config(c, 50);   // x264 "veryfast"
        ZV_SetAudioChannels_Config(c, 2);
        ZV_SetAudioSampleRate_Config(c, 44100);
        ZV_SetAudioBitRate_Config(c, 128000);
    }
    ZvJob *j = copy ? ZV_CreateCopy_Job(-1) : ZV_CreateEncode_Job(-1);
    bool ok = ZV_Open_Job(j, in.toUtf8(), out.toUtf8(), container, c) == 1;
    ZV_Release_Config(c);
    if (ok) {
        ZV_SetRange_Job(j, start, duration);
        ok = ZV_Begin_Job(j) == 1;
    }
    if (ok) {
        while (!ZV_IsFinished_Job(j)) {
        }
        ok = ZV_GetError_Job(j) == 0;
    }
    if (!ok)
        std::fprintf(stderr, "our job failed: %s\n", ZV_GetErrorText_Job(j));
    ZV_Destroy_Job(j);
    return ok;
}

bool runMerge(const QString &in, const QString &out, const QList<QPair<uint64_t, uint64_t>> &ranges)
{
    ZvConfig *c = ZV_Create_Config();
    ZV_SetVideoCodec_Config(c, 0);
    ZV_SetAudioCodec_Config(c, 0);
    ZvMerge *m = ZV_CreateCopy_Merge(-1);
    bool ok = ZV_OpenOutput_Merge(m, out.toUtf8(), "mp4", c) == 1 && ZV_Begin_Merge(m) == 1;
    for (const auto &r : ranges) {
        if (!ok)
            break;
        ok = ZV_AddTask_Merge(m, in.toUtf8(), r.first, r.second, nullptr) == 1;
        while (ok && !ZV_IsTaskFinished_Merge(m)) {
        }
        ok = ok && ZV_GetError_Merge(m) == 0;
    }
    if (!ok)
        std::fprintf(stderr, "our merge failed: %s\n", ZV_GetErrorText_Merge(m));
    ZV_Close_Merge(m);
    ZV_Destroy_Merge(m);
    ZV_Release_Config(c);
    return ok;
}

void printRatio(const char *what, double ours, double theirs, double target, const QString &oursFile,
                const QString &theirsFile)
{
    if (ours < 0 || theirs < 0) {
        std::printf("%-10s failed\n", what);
        return;
    }
    const double ratio = ours / theirs;
    std::printf("%-10s ours %7.3f s  ffmpeg %7.3f s  ratio %.3f  (target <= %.2f)%s  [output %lld vs %lld bytes]\n",
                what, ours, theirs, ratio, target, ratio <= target ? "" : "  OVER",
                static_cast<long long>(QFileInfo(oursFile).size()), static_cast<long long>(QFileInfo(theirsFile).size()));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ZV_Initialize_Library(1, 0);
    const QString input = argc > 1 ? QString::fromLocal8Bit(argv[1]) : makeInput();
    if (input.isEmpty() || !QFileInfo::exists(input)) {
        std::fprintf(stderr, "no input\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString ours = dir.filePath("ours.mp4");
    const QString theirs = dir.filePath("theirs.mp4");
    std::printf("input: %s\n", qPrintable(input));
    // The ffmpeg times include starting the tool (tens of ms), ours run in-process.
    const double startUp = timeBest(3, [] { return runTool({"-f", "lavfi", "-i", "nullsrc=d=0.04", "-f", "null", "-"}); });
    std::printf("ffmpeg start-up alone: %.3f s\n", startUp);

    // Lossless cut of 30 s from 10 s on.
    const double cutOurs = timeBest(3, [&] { return runJob(true, input, ours, "mp4", 10 * kSecond, 30 * kSecond); });
    const double cutTheirs = timeBest(3, [&] {
        return runTool({"-ss", "10", "-t", "30", "-i", input, "-c", "copy", theirs});
    });
    printRatio("lossless", cutOurs, cutTheirs, 1.10, ours, theirs);

    // Encode 10 s with the same encoder settings.
    const double encOurs = timeBest(3, [&] { return runJob(false, input, ours, "mp4", 10 * kSecond, 10 * kSecond); });
    const double encTheirs = timeBest(3, [&] {
        return runTool({"-ss", "10", "-t", "10", "-i", input, "-c:v", "libx264", "-preset", "veryfast", "-b:v",
                        "4000k", "-maxrate", "6000k", "-bufsize", "8000k", "-pix_fmt", "yuv420p", "-c:a", "aac",
                        "-b:a", "128k", "-ar", "44100", "-ac", "2", theirs});
    });
    printRatio("encode", encOurs, encTheirs, 1.10, ours, theirs);

    // Copy merge of three ranges against the concat demuxer.
    const QList<QPair<uint64_t, uint64_t>> ranges{{0, 10 * kSecond}, {20 * kSecond, 10 * kSecond}, {40 * kSecond, 10 * kSecond}};
    const QString list = dir.filePath("list.txt");
    {
        QFile f(list);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        QTextStream s(&f);
        for (const auto &r : ranges)
            s << "file '" << input << "'\ninpoint " << r.first / 1e6 << "\noutpoint " << (r.first + r.second) / 1e6 << "\n";
    }
    const double mergeOurs = timeBest(3, [&] { return runMerge(input, ours, ranges); });
    const double mergeTheirs = timeBest(3, [&] {
        return runTool({"-f", "concat", "-safe", "0", "-i", list, "-c", "copy", theirs});
    });
    printRatio("merge", mergeOurs, mergeTheirs, 1.10, ours, theirs);
    return 0;
}
