#include "ConvertFixtures.h"

#include "TestMedia.h"

#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>

namespace ConvertFixtures {

namespace {

QStringList clipArgs(const QString &size, int seconds, const QString &extraVideo = QString())
{
    QString video = QStringLiteral("testsrc2=size=%1:rate=25:duration=%2").arg(size).arg(seconds);
    if (!extraVideo.isEmpty())
        video += "," + extraVideo;
    return {"-f", "lavfi", "-i", video,
            "-f", "lavfi", "-i", QStringLiteral("sine=frequency=440:sample_rate=44100:duration=%1").arg(seconds),
            "-ac", "2", "-c:v", "libx264", "-preset", "veryfast", "-g", "50", "-keyint_min", "50",
            "-sc_threshold", "0", "-bf", "2", "-pix_fmt", "yuv420p", "-c:a", "aac", "-b:a", "128k",
            "-shortest"};
}

} // namespace

QString gopClip()
{
    return TestMedia::make("convert_gop_320x240_12s.mp4", clipArgs("320x240", 12));
}

QString smallClip()
{
    return TestMedia::make("convert_small_160x120_3s.mp4", clipArgs("160x120", 3));
}

QString noisyClip()
{
    return TestMedia::make("convert_noisy_640x360_6s.mp4",
                           clipArgs("640x360", 6, "noise=alls=80:allf=t"));
}

QString grainyClip()
{
    return TestMedia::make("convert_grainy_640x360_12s.mp4", clipArgs("640x360", 12, "noise=alls=40:allf=t"));
}

QString subtitledMkv()
{
    const QString srt = TestMedia::mediaDir() + "/convert_cues.srt";
    if (!QFile::exists(srt)) {
        QFile f(srt);
        if (f.open(QIODevice::WriteOnly))
            f.write("1\n00:00:01,000 --> 00:00:03,000\nfirst cue\n\n2\n00:00:05,000 --> 00:00:08,000\nsecond cue\n");
    }
    return TestMedia::make("convert_subtitled_12s.mkv",
                           {"-i", gopClip(), "-i", srt, "-map", "0", "-map", "1", "-c", "copy", "-c:s", "srt"});
}

QString timestampHoleClip(bool videoOnly)
{
    const QString jump = QStringLiteral("PTS+gte(T,2)*1.1/TB");
    const QString audio = videoOnly ? QStringLiteral("[1:a]anull[a]") : "[1:a]asetpts='" + jump + "'[a]";
    const int audioSeconds = videoOnly ? 5 : 4;
    return TestMedia::make(videoOnly ? "convert_videohole_320x240.mp4" : "convert_timestamphole_320x240.mp4",
                           {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=4", "-f", "lavfi", "-i",
                            QStringLiteral("sine=frequency=440:sample_rate=44100:duration=%1").arg(audioSeconds),
                            "-filter_complex", "[0:v]setpts='" + jump + "'[v];" + audio, "-map", "[v]", "-map", "[a]",
                            "-fps_mode", "passthrough", "-c:v", "libx264", "-preset", "veryfast", "-g", "25",
                            "-pix_fmt", "yuv420p", "-c:a", "aac", "-ac", "2"});
}

QString openGopClip()
{
    return TestMedia::make("convert_opengop_320x240_6s.mp4",
                           {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=6", "-f", "lavfi", "-i",
                            "sine=frequency=440:sample_rate=44100:duration=6", "-c:v", "libx264", "-preset", "veryfast",
                            "-x264-params", "open-gop=1:keyint=50:min-keyint=50:scenecut=0", "-bf", "3",
                            "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest"});
}

QString tsClip()
{
    return TestMedia::make("convert_gop_320x240_12s.ts", {"-i", gopClip(), "-c", "copy", "-f", "mpegts"});
}

QString shortGopTs()
{
    QStringList args = clipArgs("320x240", 8);
    args.replaceInStrings(QRegularExpression("^50$"), "12");
    return TestMedia::make("convert_shortgop_320x240_8s.ts", args << "-f" << "mpegts");
}

QString unindexedMkv()
{
    return TestMedia::make("convert_gop_unindexed.mkv", {"-i", gopClip(), "-c", "copy", "-live", "1"});
}

QString h264Avi()
{
    return TestMedia::make("convert_gop_h264.avi", {"-i", gopClip(), "-c", "copy"});
}

QString programStream(const QString &suffix)
{
    return TestMedia::make("convert_ps." + suffix,
                           {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=6", "-f", "lavfi", "-i",
                            "sine=frequency=440:sample_rate=48000:duration=6", "-c:v", "mpeg2video", "-g", "12",
                            "-bf", "2", "-c:a", "mp2", "-f", suffix == "vob" ? "vob" : "mpeg"});
}

QString chapteredClip()
{
    const QString meta = TestMedia::mediaDir() + "/convert_chapters.ffmeta";
    if (!QFile::exists(meta)) {
        QFile f(meta);
        if (f.open(QIODevice::WriteOnly)) {
            f.write(";FFMETADATA1\n");
            const char *titles[] = {"One", "Two", "Three"};
            for (int i = 0; i < 3; ++i)
                f.write(QStringLiteral("[CHAPTER]\nTIMEBASE=1/1000\nSTART=%1\nEND=%2\ntitle=%3\n")
                            .arg(i * 4000).arg((i + 1) * 4000).arg(titles[i]).toUtf8());
        }
    }
    return TestMedia::make("convert_chaptered_12s.mp4",
                           {"-i", gopClip(), "-i", meta, "-map", "0", "-map_chapters", "1", "-c", "copy"});
}

QString toneFile(const QString &suffix)
{
    QStringList args{"-f", "lavfi", "-i", "sine=frequency=660:sample_rate=44100:duration=2", "-ac", "2"};
    if (suffix == "mp4" || suffix == "m4a")
        args << "-c:a" << "aac";
    else if (suffix == "ogg")
        args << "-c:a" << "libvorbis";
    else if (suffix == "mkv")
        args << "-c:a" << "flac";
    return TestMedia::make("convert_tone." + suffix, args);
}

QJsonObject probe(const QString &file)
{
    return QJsonDocument::fromJson(TestMedia::ffprobeJson(file, {"-show_format", "-show_streams"})).object();
}

QJsonArray packets(const QString &file, const QString &streamSpec)
{
    const QByteArray json = TestMedia::ffprobeJson(
        file, {"-select_streams", streamSpec, "-show_entries", "packet=pts_time,dts_time,duration_time,flags"});
    return QJsonDocument::fromJson(json).object().value("packets").toArray();
}

QStringList packetHashes(const QString &file)
{
    const auto r = TestMedia::run("ffmpeg", {"-v", "error", "-i", file, "-map", "0:v:0", "-c", "copy",
                                             "-f", "framemd5", "-"});
    QStringList hashes;
    for (const QByteArray &line : r.out.split('\n')) {
        if (line.startsWith('#') || line.trimmed().isEmpty())
            continue;
        hashes << QString::fromLatin1(line.split(',').last().trimmed());
    }
    return hashes;
}

double number(const QJsonValue &v)
{
    return v.isString() ? v.toString().toDouble() : v.toDouble();
}

double streamEnd(const QString &file, const QString &kind)
{
    double end = 0;
    for (const QJsonValue &p : packets(file, kind)) {
        const QJsonObject o = p.toObject();
        // AVI stores no pts: there the decode time is the time shown.
        const QString pts = o.value("pts_time").toString();
        const QJsonValue shown = pts.isEmpty() || pts == "N/A" ? o.value("dts_time") : o.value("pts_time");
        end = qMax(end, number(shown) + number(o.value("duration_time")));
    }
    return end;
}

} // namespace ConvertFixtures
