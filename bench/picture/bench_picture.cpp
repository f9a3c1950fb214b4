// bench_picture [input]: the picture edit chain at 1080p30.
//  (a) an encode of 10 s with crop + rotate 90 + colour + one image overlay +
//      text, ours beside the ffmpeg command line with the same filters and
//      encoder settings (text as a still picture overlaid, as ours draws it);
//      prints ours / ffmpeg, goal <= 1.05;
//  (b) 10 s of playback through the same chain: pictures dropped, goal 0.
//      Run as `taskset -c 0,1 bench_picture` for the two-core figure.
#include "zovAruzIvivu.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>

namespace {

constexpr uint64_t kSecond = 1000000;
// The edits: crop 10 % off each side of 1920x1080 (1536x864 at 192,108),
// rotate 90 (864x1536 out), colour, a 256x256 picture and a text.
constexpr double kCrop[4] = {0.1, 0.1, 0.8, 0.8};
constexpr int kBrightness = 20, kContrast = 110, kSaturation = 120, kHue = 10;
constexpr double kLogoX = 0.05, kLogoY = 0.05, kTextX = 0.1, kTextY = 0.8;
constexpr uint32_t kLogoAlpha = 200;
const char *const kText = "Bench 123";

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

QString benchDir()
{
    const QString dir = qEnvironmentVariable("ZV_BENCH_DIR", QDir::tempPath() + "/zv-bench");
    QDir().mkpath(dir);
    return dir;
}

QString makeOnce(const QString &name, const QStringList &args)
{
    const QString path = benchDir() + "/" + name;
    if (QFileInfo(path).size() > 0)
        return path;
    std::printf("making %s once\n", qPrintable(path));
    std::fflush(stdout);
    const QString partial = path + ".part." + QFileInfo(name).suffix();
    if (!runTool(args + QStringList{partial}) || !QFile::rename(partial, path))
        return QString();
    return path;
}

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

bool runOurs(const QString &in, const QString &logo, const QString &out)
{
    ZvConfig *c = ZV_Create_Config();
    ZV_SetVideoCodec_Config(c, 28);
    ZV_SetAudioCodec_Config(c, 0xFFFFFFFF);
    ZV_SetVideoBitRate_Config(c, 4000000);
    ZV_SetVideoQuality_Config(c, 50); // x264 "veryfast"
    ZV_SetVideoBrightness_Config(c, kBrightness);
    ZV_SetVideoContrast_Config(c, kContrast);
    ZV_SetVideoSaturation_Config(c, kSaturation);
    ZV_SetVideoHue_Config(c, kHue);
    ZV_SetVideoWatermarkMaxCount_Config(c, 3);
    ZV_SetWatermarkIndex_Config(c, 0);
    ZV_SetWatermarkImageFile_Config(c, logo.toUtf8());
    ZV_SetWatermarkImagePosition_Config(c, kLogoX, kLogoY);
    ZV_SetWatermarkImageAlpha_Config(c, kLogoAlpha);
    ZV_SetWatermarkText_Config(c, kText);
    ZV_SetWatermarkTextPosition_Config(c, kTextX, kTextY);
    ZV_SetWatermarkTextBold_Config(c, 1);
    ZV_SetWatermarkTextOutlineSize_Config(c, 2);
    ZV_SetVideoRotate_Config(c, 90);
    ZV_SetVideoCrop_Config(c, kCrop[0], kCrop[1], kCrop[2], kCrop[3]);
    ZvJob *j = ZV_CreateEncode_Job(-1);
    bool ok = ZV_Open_Job(j, in.toUtf8(), out.toUtf8(), "mp4", c) == 1;
    ZV_Release_Config(c);
    if (ok) {
        ZV_SetRange_Job(j, 10 * kSecond, 10 * kSecond);
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

bool runTheirs(const QString &in, const QString &logo, const QString &text, const QString &out)
{
    // 864x1536 after the crop and the turn; the logo at 5 %, the text still near (10 %, 80 %).
    const QString graph = QStringLiteral(
        "[0:v]crop=1536:864:192:108,transpose=clock,setsar=1,lutyuv=y='clip(val+%1,minval,maxval)',"
        "eq=contrast=%2:saturation=%3,hue=h=%4[v];"
        "[1:v]format=rgba,colorchannelmixer=aa=%5[l];[v][l]overlay=x=43:y=77:format=yuv420[v2];"
        "[v2][2:v]overlay=x=86:y=1229:format=yuv420,format=yuv420p[out]")
                              .arg(kBrightness).arg(kContrast / 100.0).arg(kSaturation / 100.0).arg(kHue)
                              .arg(kLogoAlpha / 255.0, 0, 'f', 4);
    return runTool({"-ss", "10", "-t", "10", "-i", in, "-i", logo, "-i", text, "-filter_complex", graph, "-map",
                    "[out]", "-an", "-c:v", "libx264", "-preset", "veryfast", "-b:v", "4000k", "-maxrate", "6000k",
                    "-bufsize", "8000k", out});
}

struct Counter {
    std::atomic<int> pictures{0};
    static unsigned int proc(void *user, void *)
    {
        static_cast<Counter *>(user)->pictures++;
        return 1;
    }
};

// 10 s of playback with the same edits; returns the dropped count (or -1).
int playback(const QString &in, const QString &logo, int *shownOut, int *dueOut)
{
    ZvPlayer *p = ZV_Create_Player(0xFFFFFFFF);
    if (!ZV_Open_Player(p, in.toUtf8(), 0, 0, 0, 0))
        return -1;
    ZV_BeginSettings_Player(p);
    ZV_SetVideoYOffset_Player(p, kBrightness);
    ZV_SetVideoContrast_Player(p, kContrast);
    ZV_SetVideoSaturation_Player(p, kSaturation);
    ZV_SetVideoHue_Player(p, kHue);
    ZV_SetVideoWatermarkMaxCount_Player(p, 3);
    ZV_SetWatermarkIndex_Player(p, 0);
    ZV_SetWatermarkImageFile_Player(p, logo.toUtf8());
    ZV_SetWatermarkImagePosition_Player(p, kLogoX, kLogoY);
    ZV_SetWatermarkImageAlpha_Player(p, kLogoAlpha);
    ZV_SetWatermarkText_Player(p, kText);
    ZV_SetWatermarkTextPosition_Player(p, kTextX, kTextY);
    ZV_SetWatermarkTextBold_Player(p, 1);
    ZV_SetWatermarkTextOutlineSize_Player(p, 2);
    ZV_SetVideoRotate_Player(p, 90);
    ZV_SetVideoCrop_Player(p, kCrop[0], kCrop[1], kCrop[2], kCrop[3]);
    ZV_EndSettings_Player(p);
    Counter c;
    ZV_SetVideoFrameHandle_Player(p, &Counter::proc, &c);
    ZV_Seek_Player(p, 0);
    QThread::msleep(500);
    const int before = c.pictures;
    const uint64_t startUs = ZV_GetVideoTime_Player(p);
    ZV_Play_Player(p);
    QThread::msleep(10000);
    ZV_Pause_Player(p);
    const uint64_t videoUs = ZV_GetVideoTime_Player(p);
    *shownOut = c.pictures - before;
    *dueOut = int(((videoUs - startUs) * 30 + 500000) / 1000000);
    ZV_SetVideoFrameHandle_Player(p, nullptr, nullptr);
    ZV_Close_Player(p);
    ZV_Destroy_Player(p);
    return std::max(*dueOut - *shownOut, 0);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("ZV_AUDIO"))
        qputenv("ZV_AUDIO", "null");
    ZV_Initialize_Library(1, 0);
    const QString input = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                   : makeOnce("edit_1080p30_24s.mp4",
                                              {"-f", "lavfi", "-i", "testsrc2=size=1920x1080:rate=30:duration=24",
                                               "-c:v", "libx264", "-preset", "veryfast", "-b:v", "12M", "-g", "60",
                                               "-pix_fmt", "yuv420p"});
    const QString logo = makeOnce("edit_logo_256.png",
                                  {"-f", "lavfi", "-i", "testsrc=size=256x256", "-frames:v", "1"});
    // The text as ours renders it (bold, outline 2, size 28 at 864x1536), made once as a still for ffmpeg.
    const QString text = makeOnce("edit_text.png",
                                  {"-f", "lavfi", "-i", "color=c=black@0:size=300x180,format=rgba", "-vf",
                                   "drawtext=text='Bench 123':fontsize=150:fontcolor=white:borderw=10:x=4:y=4",
                                   "-frames:v", "1"});
    if (input.isEmpty() || logo.isEmpty() || text.isEmpty()) {
        std::fprintf(stderr, "no input\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString ours = dir.filePath("ours.mp4"), theirs = dir.filePath("theirs.mp4");
    std::printf("input: %s\n", qPrintable(input));
    const double a = timeBest(3, [&] { return runOurs(input, logo, ours); });
    const double b = timeBest(3, [&] { return runTheirs(input, logo, text, theirs); });
    if (a < 0 || b < 0)
        std::printf("encode with edits: failed\n");
    else
        std::printf("encode with edits (10 s 1080p30 -> 864x1536): ours %.3f s  ffmpeg %.3f s  ratio %.3f  "
                    "(goal <= 1.05)%s\n",
                    a, b, a / b, a / b <= 1.05 ? "" : "  OVER");
    int shown = 0, due = 0;
    const int dropped = playback(input, logo, &shown, &due);
    std::printf("playback 10 s 1080p30 through the chain: %d pictures shown of %d due, %d dropped (goal 0)\n", shown,
                due, dropped);
    return 0;
}
