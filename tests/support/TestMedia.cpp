#include "TestMedia.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTest>

namespace TestMedia {

QString mediaDir()
{
    QString dir = qEnvironmentVariable("ZV_TEST_MEDIA_DIR");
    if (dir.isEmpty())
        dir = QDir::tempPath() + "/zv-testmedia";
    QDir().mkpath(dir);
    return dir;
}

ToolResult run(const QString &program, const QStringList &args, int timeoutMs)
{
    ToolResult r;
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(10000)) {
        r.err = QStringLiteral("cannot start %1").arg(program).toUtf8();
        return r;
    }
    p.closeWriteChannel();
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("%1 timed out").arg(program).toUtf8();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QString make(const QString &fileName, const QStringList &ffmpegArgs)
{
    const QString path = mediaDir() + "/" + fileName;
    // Tests of several executables may run at once and want the same fixture.
    QLockFile lock(path + ".lock");
    lock.setStaleLockTime(0);
    lock.lock();
    if (QFileInfo(path).size() > 0)
        return path;
    const QString partial = path + ".part" + QFileInfo(fileName).suffix().prepend('.');
    QStringList args{"-y", "-v", "error", "-nostdin"};
    args << ffmpegArgs << partial;
    const ToolResult r = run("ffmpeg", args);
    if (r.exitCode != 0 || !QFile::rename(partial, path)) {
        QFile::remove(partial);
        QWARN(qPrintable(QStringLiteral("ffmpeg could not make %1: %2")
                             .arg(fileName, QString::fromUtf8(r.err))));
        return QString();
    }
    return path;
}

QByteArray ffprobeJson(const QString &file, const QStringList &args)
{
    QStringList all{"-v", "error", "-of", "json"};
    all << args << file;
    const ToolResult r = run("ffprobe", all);
    return r.exitCode == 0 ? r.out : QByteArray("{}");
}

QString h264AacMp4()
{
    return make("h264_aac_320x240_25fps_6s.mp4",
                {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=6",
                 "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=6",
                 "-ac", "2", "-c:v", "libx264", "-preset", "veryfast", "-g", "50",
                 "-keyint_min", "50", "-sc_threshold", "0", "-pix_fmt", "yuv420p",
                 "-c:a", "aac", "-b:a", "128k", "-shortest"});
}

QString sineWav()
{
    return make("sine_1k_3s.wav",
                {"-f", "lavfi", "-i", "sine=frequency=1000:sample_rate=44100:duration=3",
                 "-ac", "2", "-c:a", "pcm_s16le"});
}

QString tinyPng()
{
    return make("still_64x48.png",
                {"-f", "lavfi", "-i", "testsrc2=size=64x48:rate=1:duration=1", "-frames:v", "1"});
}

} // namespace TestMedia
