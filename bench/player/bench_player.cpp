// bench_player [file [long-GOP file]]: times the player on a 1080p30 H.264/AAC file (made
// here when none is given): time to the first picture after open, frame-step
// latency forward and back (median and worst over 50 steps), a held
// step-back key (300 steps back at one per 40 ms, on this file and on one with
// a key frame every 250 pictures) with the memory it holds, paused seek
// latency, and pictures dropped while playing 10 s at normal speed with no
// display. `ffmpeg -benchmark -i IN -f null -` on the same file is printed as
// the decode-only reference. Targets: first picture <= 150 ms, step median
// <= 50 ms, no drops.
#include "zovAruzIvivu.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

struct Counter {
    std::atomic<int> pictures{0};
    static unsigned int proc(void *user, void *)
    {
        static_cast<Counter *>(user)->pictures++;
        return 1;
    }
};

bool waitFor(const std::atomic<int> &value, int atLeast, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (value < atLeast) {
        if (t.elapsed() > timeoutMs)
            return false;
        QThread::usleep(200);
    }
    return true;
}

struct Stats {
    double median = 0, worst = 0;
};
Stats stats(std::vector<double> ms)
{
    if (ms.empty())
        return {};
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

QString makeInput(const QString &dir, int gop = 60)
{
    const QString path = dir + QString("/bench_1080p30_g%1.mp4").arg(gop);
    std::printf("making a 14 s 1080p30 H.264/AAC input, a key frame every %d pictures...\n", gop);
    std::fflush(stdout);
    QProcess p;
    p.start("ffmpeg", {"-v", "error", "-nostdin", "-y", "-f", "lavfi", "-i",
                       "testsrc2=size=1920x1080:rate=30:duration=14", "-f", "lavfi", "-i",
                       "sine=frequency=440:sample_rate=48000:duration=14", "-c:v", "libx264", "-preset", "veryfast",
                       "-g", QString::number(gop), "-sc_threshold", "0", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest", path});
    if (!p.waitForFinished(600000) || p.exitCode() != 0)
        return {};
    return path;
}

double ffmpegDecodeSeconds(const QString &path)
{
    QProcess p;
    p.start("ffmpeg", {"-nostdin", "-benchmark", "-i", path, "-f", "null", "-"});
    if (!p.waitForFinished(600000))
        return -1;
    const QString err = QString::fromUtf8(p.readAllStandardError());
    const auto m = QRegularExpression("rtime=([0-9.]+)s").match(err);
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

double msSince(const QElapsedTimer &t) { return double(t.nsecsElapsed()) / 1e6; }

// Resident memory of this process, in MB.
double residentMb()
{
    FILE *f = std::fopen("/proc/self/statm", "r");
    long pages = 0, resident = 0;
    if (f) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

struct HeldStep {
    Stats latency;
    double memoryMb = 0; // the most held above the paused picture's own
};

// A held Left key: 300 steps back at one per 40 ms from near the end,
// half a second after the seek that shows the first picture.
HeldStep heldStepBack(const QByteArray &path)
{
    ZvPlayer *p = ZV_Create_Player(0xFFFFFFFF);
    HeldStep out;
    if (!ZV_Open_Player(p, path.constData(), 0, 0, 0, 0)) {
        ZV_Destroy_Player(p);
        return out;
    }
    Counter c;
    ZV_SetVideoFrameHandle_Player(p, &Counter::proc, &c);
    ZV_Pause_Player(p);
    ZV_Seek_Player(p, 13500000);
    waitFor(c.pictures, 1, 5000);
    const double base = residentMb();
    QThread::msleep(500);
    std::vector<double> ms;
    double peak = base;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 300; ++i) {
        while (msSince(clock) < 40.0 * i)
            QThread::usleep(500);
        QElapsedTimer t;
        t.start();
        ZV_FrameStep_Player(p, -1);
        ms.push_back(msSince(t));
        peak = std::max(peak, residentMb());
    }
    ZV_Close_Player(p);
    ZV_Destroy_Player(p);
    out.latency = stats(ms);
    out.memoryMb = peak - base;
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("ZV_AUDIO"))
        qputenv("ZV_AUDIO", "null");
    ZV_Initialize_Library(1, 0);
    QTemporaryDir dir;
    const QString input = argc > 1 ? QString::fromLocal8Bit(argv[1]) : makeInput(dir.path());
    if (input.isEmpty()) {
        std::fprintf(stderr, "no input\n");
        return 1;
    }
    const QByteArray path = input.toUtf8();

    // First picture after open (open included), five runs.
    std::vector<double> first;
    for (int run = 0; run < 5; ++run) {
        Counter c;
        QElapsedTimer t;
        t.start();
        ZvPlayer *p = ZV_Create_Player(0xFFFFFFFF);
        if (!ZV_Open_Player(p, path.constData(), 0, 0, 0, 0)) {
            std::fprintf(stderr, "cannot open %s\n", path.constData());
            return 1;
        }
        ZV_SetVideoFrameHandle_Player(p, &Counter::proc, &c);
        ZV_Play_Player(p);
        if (waitFor(c.pictures, 1, 5000))
            first.push_back(msSince(t));
        ZV_Close_Player(p);
        ZV_Destroy_Player(p);
    }

    ZvPlayer *p = ZV_Create_Player(0xFFFFFFFF);
    ZV_Open_Player(p, path.constData(), 0, 0, 0, 0);
    Counter c;
    ZV_SetVideoFrameHandle_Player(p, &Counter::proc, &c);

    // Paused seeks: from the call to the picture's delivery.
    std::vector<double> seeks;
    const uint64_t targets[] = {3100000, 7733000, 1250000, 11900000, 5000000, 9466000, 433000, 12500000};
    for (uint64_t target : targets) {
        const int before = c.pictures;
        QElapsedTimer t;
        t.start();
        ZV_Seek_Player(p, target);
        if (waitFor(c.pictures, before + 1, 5000))
            seeks.push_back(msSince(t));
    }

    // Steps from the middle of a GOP: 50 forward, then 50 back.
    ZV_Seek_Player(p, 4500000);
    waitFor(c.pictures, c.pictures + 1, 5000);
    std::vector<double> forward, back;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer t;
        t.start();
        ZV_FrameStep_Player(p, 1);
        forward.push_back(msSince(t));
    }
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer t;
        t.start();
        ZV_FrameStep_Player(p, -1);
        back.push_back(msSince(t));
    }

    const HeldStep held = heldStepBack(path);
    const QString longGop = argc > 2 ? QString::fromLocal8Bit(argv[2]) : makeInput(dir.path(), 250);
    const HeldStep heldLong = longGop.isEmpty() ? HeldStep{} : heldStepBack(longGop.toUtf8());

    // 10 s of playback at normal speed.
    ZV_Stop_Player(p);
    QThread::msleep(200);
    const int before = c.pictures;
    // The stop already showed the picture at 0; playing shows the ones after it.
    const uint64_t startUs = ZV_GetVideoTime_Player(p);
    ZV_Play_Player(p);
    QThread::msleep(10000);
    ZV_Pause_Player(p);
    const uint64_t videoUs = ZV_GetVideoTime_Player(p);
    const int shown = c.pictures - before;
    const int expected = int(((videoUs - startUs) * 30 + 500000) / 1000000);
    const uint64_t duration = ZV_GetDuration_Player(p);
    ZV_Close_Player(p);
    ZV_Destroy_Player(p);

    const double ffmpegSeconds = ffmpegDecodeSeconds(input);
    const Stats f = stats(first), s = stats(seeks), fw = stats(forward), bw = stats(back);
    std::printf("\nplayer on %s (%.1f s)\n", path.constData(), double(duration) / 1e6);
    std::printf("%-34s %9s %9s %9s\n", "", "median ms", "worst ms", "target");
    std::printf("%-34s %9.1f %9.1f %9s\n", "first picture after open", f.median, f.worst, "150");
    std::printf("%-34s %9.1f %9.1f %9s\n", "frame step forward (50)", fw.median, fw.worst, "50");
    std::printf("%-34s %9.1f %9.1f %9s\n", "frame step back (50)", bw.median, bw.worst, "50");
    std::printf("%-34s %9.1f %9.1f %9s\n", "held step back (300 at 40 ms)", held.latency.median,
                held.latency.worst, "50");
    std::printf("%-34s %9.1f %9.1f %9s\n", "  the same, key frame every 250", heldLong.latency.median,
                heldLong.latency.worst, "50");
    std::printf("%-34s %9.1f %9.1f %9s\n", "paused seek to picture", s.median, s.worst, "100");
    // The kept pictures' cap: 64 decoded 1080p pictures (4:2:0).
    const double capMb = 64.0 * 1920 * 1080 * 1.5 / (1024.0 * 1024.0);
    std::printf("\nmemory held while stepping back: %.0f MB (GOP 60), %.0f MB (GOP 250); cap %.0f MB"
                " (64 pictures)\n", held.memoryMb, heldLong.memoryMb, capMb);
    std::printf("\nplayback 10 s at 1080p30: %d pictures shown of %d due, %d dropped (target 0)\n", shown, expected,
                std::max(expected - shown, 0));
    if (ffmpegSeconds > 0) {
        const double speed = double(duration) / 1e6 / ffmpegSeconds;
        std::printf("reference: ffmpeg -benchmark -f null decodes the file in %.2f s (%.1fx real time);\n"
                    "           a player step at that speed costs %.1f ms per picture\n",
                    ffmpegSeconds, speed, 1000.0 / 30.0 / speed);
        std::printf("ratio: first picture / one decoded picture = %.1f\n", f.median / (1000.0 / 30.0 / speed));
    }
    return 0;
}
