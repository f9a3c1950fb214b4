#include "EditFixtures.h"

#include "TestMedia.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace EditFixtures {

namespace {
struct JobDeleter {
    void operator()(ZvJob *j) const { ZV_Destroy_Job(j); }
};
using Job = std::unique_ptr<ZvJob, JobDeleter>;
} // namespace

Config encodeConfig(uint32_t width, uint32_t height)
{
    Config c(ZV_Create_Config());
    ZV_EnableVideo_Config(c.get(), 1);
    ZV_EnableAudio_Config(c.get(), 1);
    ZV_SetVideoCodec_Config(c.get(), kH264);
    ZV_SetAudioCodec_Config(c.get(), kAac);
    ZV_SetVideoSize_Config(c.get(), width, height);
    ZV_SetAudioChannels_Config(c.get(), 2);
    ZV_SetAudioSampleRate_Config(c.get(), 44100);
    ZV_SetAudioBitRate_Config(c.get(), 192000);
    ZV_SetVideoQuality_Config(c.get(), 90);
    ZV_SetAudioQuality_Config(c.get(), 90);
    return c;
}

QString runJob(const QString &source, const QString &target, ZvConfig *cfg, uint64_t startUs, uint64_t durationUs)
{
    Job job(ZV_CreateEncode_Job(-1));
    if (ZV_Open_Job(job.get(), source.toUtf8(), target.toUtf8(), "mp4", cfg) != 1)
        return QStringLiteral("open: %1").arg(ZV_GetErrorText_Job(job.get()));
    ZV_SetRange_Job(job.get(), startUs, durationUs);
    if (ZV_Begin_Job(job.get()) != 1)
        return QStringLiteral("begin: %1").arg(ZV_GetErrorText_Job(job.get()));
    QElapsedTimer t;
    t.start();
    while (!ZV_IsFinished_Job(job.get())) {
        if (t.elapsed() > 100000)
            return QStringLiteral("the job did not finish");
    }
    if (ZV_GetError_Job(job.get()) != 0)
        return QStringLiteral("run: %1").arg(ZV_GetErrorText_Job(job.get()));
    return QString();
}

bool opens(const QString &source, ZvConfig *cfg, QString *text)
{
    Job job(ZV_CreateEncode_Job(-1));
    const QString target = TestMedia::mediaDir() + "/never-written.mp4";
    const bool ok = ZV_Open_Job(job.get(), source.toUtf8(), target.toUtf8(), "mp4", cfg) == 1;
    *text = QString::fromUtf8(ZV_GetErrorText_Job(job.get()));
    return ok;
}

QString toneClip(int hz)
{
    return TestMedia::make(QStringLiteral("tone_%1hz_clip.mkv").arg(hz),
                           {"-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25:duration=4",
                            "-f", "lavfi", "-i", QStringLiteral("sine=frequency=%1:sample_rate=44100:duration=4").arg(hz),
                            "-ac", "2", "-c:v", "libx264", "-preset", "veryfast", "-g", "25",
                            "-pix_fmt", "yuv420p", "-c:a", "pcm_s16le", "-shortest"});
}

QString toneWav(int hz, int seconds)
{
    return TestMedia::make(QStringLiteral("tone_%1hz_%2s.wav").arg(hz).arg(seconds),
                           {"-f", "lavfi", "-i",
                            QStringLiteral("sine=frequency=%1:sample_rate=48000:duration=%2").arg(hz).arg(seconds),
                            "-c:a", "pcm_s16le"});
}

double meanVolume(const QString &file, const QString &filter, double from, double length)
{
    QStringList args{"-v", "info", "-nostdin"};
    if (from > 0)
        args << "-ss" << QString::number(from);
    if (length > 0)
        args << "-t" << QString::number(length);
    args << "-i" << file << "-map" << "0:a:0" << "-af"
         << (filter.isEmpty() ? QStringLiteral("volumedetect") : filter + ",volumedetect") << "-f" << "null" << "-";
    const TestMedia::ToolResult r = TestMedia::run("ffmpeg", args);
    const QRegularExpressionMatch m =
        QRegularExpression("mean_volume: (-?[0-9.]+|-inf) dB").match(QString::fromUtf8(r.err));
    if (!m.hasMatch())
        return 999;
    return m.captured(1) == "-inf" ? -200 : m.captured(1).toDouble();
}

double streamDuration(const QString &file, const QString &kind)
{
    const QJsonObject probe = QJsonDocument::fromJson(TestMedia::ffprobeJson(file, {"-show_streams"})).object();
    for (const QJsonValue &s : probe.value("streams").toArray()) {
        const QJsonObject o = s.toObject();
        if (o.value("codec_type").toString() == kind)
            return o.value("duration").toString().toDouble();
    }
    return -1;
}

} // namespace EditFixtures
