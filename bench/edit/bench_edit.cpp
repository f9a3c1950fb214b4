// Times an encode of 10 s of 1080p30 with a burned SubRip track and the sound
// chain (volume, three equaliser bands, a background mixed in) against the
// ffmpeg command line with the same filters, and prints the ratio (goal
// <= 1.05). Then plays the same edits for 10 s and reports pictures dropped
// and the sound's dry spells from the library's log (goal: none). Run it under
// `taskset -c 0,1` for the two-core figure.
//   bench_edit            (inputs are made once in $ZV_BENCH_DIR or /tmp/zv-bench)
#include "zovAruzIvivu.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <cstdio>

namespace {

constexpr uint64_t kSecond = 1000000;
const double kEqHz[] = {100, 1000, 8000};
const double kEqDb[] = {3, -2, 4};

// CPU seconds (user + system) of this process or of its finished children:
// on a busy machine they compare the work done better than wall time.
double cpuSeconds(int who)
{
    rusage u{};
    getrusage(who, &u);
    return u.ru_utime.tv_sec + u.ru_utime.tv_usec / 1e6 + u.ru_stime.tv_sec + u.ru_stime.tv_usec / 1e6;
}

struct Timing {
    double wall = -1, cpu = -1;
};

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

// 10 s of 1080p30 H.264 and AAC with a SubRip track of one cue a second.
QString makeInput()
{
    const QString path = benchDir() + "/edit_1080p30_10s.mkv";
    if (QFileInfo(path).size() > 0)
        return path;
    const QString srt = benchDir() + "/edit_cues.srt";
    QFile f(srt);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    for (int i = 0; i < 10; ++i)
        f.write(QStringLiteral("%1\n00:00:%2,000 --> 00:00:%2,800\nLine %1 of the burned subtitles\n\n")
                    .arg(i + 1).arg(i, 2, 10, QLatin1Char('0')).toUtf8());
    f.close();
    std::printf("making a 10 s 1080p30 input with a SubRip track...\n");
    if (!runTool({"-f", "lavfi", "-i", "testsrc2=size=1920x1080:rate=30:duration=10", "-f", "lavfi", "-i",
                  "sine=frequency=440:sample_rate=48000:duration=10", "-i", srt, "-map", "0", "-map", "1", "-map", "2",
                  "-ac", "2", "-c:v", "libx264", "-preset", "veryfast", "-g", "60", "-pix_fmt", "yuv420p", "-c:a",
                  "aac", "-b:a", "160k", "-c:s", "srt", path}))
        return QString();
    return path;
}

QString makeBackground()
{
    const QString path = benchDir() + "/edit_background.wav";
    if (QFileInfo(path).size() > 0 || runTool({"-f", "lavfi", "-i", "sine=frequency=220:sample_rate=48000:duration=4",
                                               "-ac", "2", "-c:a", "pcm_s16le", path}))
        return path;
    return QString();
}

Timing ourEncode(const QString &input, const QString &background, const QString &target)
{
    ZvConfig *c = ZV_Create_Config();
    ZV_EnableVideo_Config(c, 1);
    ZV_EnableAudio_Config(c, 1);
    ZV_SetVideoCodec_Config(c, 28);
    ZV_SetAudioCodec_Config(c, 0x15002);
    ZV_SetVideoSize_Config(c, 1920, 1080);
    ZV_SetAudioChannels_Config(c, 2);
    ZV_SetAudioSampleRate_Config(c, 48000);
    ZV_SetAudioBitRate_Config(c, 128000);
    ZV_SetVideoQuality_Config(c, 50);
    ZV_SetAudioQuality_Config(c, 50);
    ZV_SetSubtlIndex_Config(c, 0);
    ZV_SetAudioVolume_Config(c, 80);
    ZV_SetAudioEqualize_Config(c, kEqHz, kEqDb, 3);
    ZV_SetAudioBackgroundIndex_Config(c, 0);
    ZV_SetAudioBackgroundFile_Config(c, background.toUtf8());
    ZV_SetAudioBackgroundLoop_Config(c, 1);
    ZV_SetAudioBackgroundWeight_Config(c, 30);
    ZV_SetAudioBackgroundShowTime_Config(c, 2 * kSecond, 0);
    const double cpu0 = cpuSeconds(RUSAGE_SELF);
    QElapsedTimer t;
    t.start();
    ZvJob *j = ZV_CreateEncode_Job(-1);
    bool ok = ZV_Open_Job(j, input.toUtf8(), target.toUtf8(), "mp4", c) == 1 && ZV_Begin_Job(j) == 1;
    while (ok && !ZV_IsFinished_Job(j)) {
    }
    ok = ok && ZV_GetError_Job(j) == 0;
    const Timing timing{t.elapsed() / 1000.0, cpuSeconds(RUSAGE_SELF) - cpu0};
    if (!ok)
        std::fprintf(stderr, "our encode failed: %s\n", ZV_GetErrorText_Job(j));
    ZV_Destroy_Job(j);
    ZV_Release_Config(c);
    return ok ? timing : Timing{};
}

Timing toolEncode(const QString &input, const QString &background, const QString &target)
{
    QString eq;
    for (int i = 0; i < 3; ++i)
        eq += QStringLiteral(",equalizer=f=%1:t=o:w=1:g=%2").arg(kEqHz[i]).arg(kEqDb[i]);
    const QString fmt = "aformat=sample_fmts=fltp:sample_rates=48000:channel_layouts=stereo";
    const QString graph = QStringLiteral("[0:v]subtitles='%1':si=0[v];[0:a]volume=0.8%2,aresample=48000,%3,"
                                         "volume=0.7:enable='gte(t,2)'[m];[1:a]volume=0.3,aresample=48000,%3,"
                                         "adelay=delays=96000S:all=1[b];[m][b]amix=inputs=2:duration=first:"
                                         "dropout_transition=0:normalize=0[a]")
                              .arg(input, eq, fmt);
    const double cpu0 = cpuSeconds(RUSAGE_CHILDREN);
    QElapsedTimer t;
    t.start();
    const bool ok = runTool({"-i", input, "-stream_loop", "-1", "-i", background, "-filter_complex", graph, "-map",
                             "[v]", "-map", "[a]", "-c:v", "libx264", "-preset", "veryfast", "-crf", "27", "-pix_fmt",
                             "yuv420p", "-c:a", "aac", "-b:a", "128k", target});
    return ok ? Timing{t.elapsed() / 1000.0, cpuSeconds(RUSAGE_CHILDREN) - cpu0} : Timing{};
}

struct Counter {
    std::atomic<int> pictures{0};
    static unsigned int proc(void *user, void *)
    {
        static_cast<Counter *>(user)->pictures++;
        return 1;
    }
};

// Plays 9.5 s with the edits (or without, as the reference on the same busy
// machine).
void playback(const QString &input, const QString &background, bool edits)
{
    ZvPlayer *p = ZV_Create_Player(0xFFFFFFFF);
    if (edits) {
        ZV_SetSubtlIndex_Player(p, 0);
        ZV_SetAudioEqualize_Player(p, kEqHz, kEqDb, 3);
        ZV_SetAudioVolume_Player(p, 80);
        ZV_SetAudioBackgroundIndex_Player(p, 0);
        ZV_SetAudioBackgroundFile_Player(p, background.toUtf8());
        ZV_SetAudioBackgroundLoop_Player(p, 1);
        ZV_SetAudioBackgroundWeight_Player(p, 30);
        ZV_SetAudioBackgroundShowTime_Player(p, 2 * kSecond, 0);
    }
    if (!ZV_Open_Player(p, input.toUtf8(), 0, 0, 0, 0)) {
        std::fprintf(stderr, "the player cannot open %s\n", qPrintable(input));
        return;
    }
    Counter c;
    ZV_SetVideoFrameHandle_Player(p, &Counter::proc, &c);
    QThread::msleep(300);
    const int before = c.pictures;
    const uint64_t startUs = ZV_GetVideoTime_Player(p);
    ZV_Play_Player(p);
    QThread::msleep(9500);
    ZV_Pause_Player(p);
    const uint64_t videoUs = ZV_GetVideoTime_Player(p);
    const int shown = c.pictures - before;
    const int due = int(((videoUs - startUs) * 30 + 500000) / 1000000);
    const bool deviceFailed = ZV_IsAudioRendererOpenFailed_Player(p);
    ZV_Close_Player(p);
    ZV_Destroy_Player(p);
    std::printf("\nplayback %s, 9.5 s at 1080p30%s: %d pictures shown of %d due, %d dropped\n",
                edits ? "with the same edits" : "without edits (reference)", deviceFailed ? " (no audio device)" : "",
                shown, due, std::max(due - shown, 0));
}

void reportLog(const QString &logDir)
{
    QFile log(logDir + "/zv.log");
    int dry = 0;
    if (log.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : log.readAll().split('\n')) {
            if (line.contains("ran dry") || line.contains("dropped late"))
                std::printf("log: %s\n", line.constData());
            dry += line.contains("ran dry");
        }
    }
    std::printf("sound dry spells logged: %s\n", dry ? "yes (see above)" : "none (goal none)");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // A device that really drains the sound, so dry spells can happen and be logged.
    if (qEnvironmentVariableIsEmpty("ZV_AUDIO") && qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    const QString logDir = benchDir() + "/edit_log";
    QDir(logDir).removeRecursively();
    QDir().mkpath(logDir);
    ZV_Initialize_Library(1, 1);
    ZV_SetDataPath_Library(logDir.toUtf8());
    const QString input = makeInput(), background = makeBackground();
    if (input.isEmpty() || background.isEmpty())
        return 1;
    const QString ours = benchDir() + "/edit_ours.mp4", tool = benchDir() + "/edit_ffmpeg.mp4";
    Timing best[2] = {{1e9, 1e9}, {1e9, 1e9}};
    for (int run = 0; run < 3; ++run) {
        const Timing a = ourEncode(input, background, ours), b = toolEncode(input, background, tool);
        if (a.wall < 0 || b.wall < 0)
            return 1;
        for (int k = 0; k < 2; ++k) {
            const Timing &m = k ? b : a;
            best[k].wall = std::min(best[k].wall, m.wall);
            best[k].cpu = std::min(best[k].cpu, m.cpu);
        }
        std::printf("run %d: ours %.2f s (cpu %.2f s), ffmpeg %.2f s (cpu %.2f s)\n", run + 1, a.wall, a.cpu, b.wall,
                    b.cpu);
    }
    std::printf("\nencode 10 s 1080p30 + burned SubRip + volume, 3 EQ bands, background mix (best of 3)\n");
    std::printf("wall: ours %.2f s, ffmpeg %.2f s, ratio %.3f (goal <= 1.05)\n", best[0].wall, best[1].wall,
                best[0].wall / best[1].wall);
    std::printf("cpu:  ours %.2f s, ffmpeg %.2f s, ratio %.3f\n", best[0].cpu, best[1].cpu, best[0].cpu / best[1].cpu);
    playback(input, background, false);
    playback(input, background, true);
    reportLog(logDir);
    return 0;
}
