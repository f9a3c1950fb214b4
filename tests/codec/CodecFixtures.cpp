#include "CodecFixtures.h"

#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <cmath>

namespace CodecFixtures {
namespace {

QString writeText(const QString &name, const QByteArray &text)
{
    const QString path = TestMedia::mediaDir() + "/" + name;
    QFile f(path);
    if (!f.exists() || f.size() != text.size()) {
        if (f.open(QIODevice::WriteOnly))
            f.write(text);
    }
    return path;
}

quint32 le32(const uint8_t *p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

} // namespace

QString mkvLanguages()
{
    const QString srt = writeText("codec_subs.srt",
                                  "1\n00:00:00,500 --> 00:00:01,500\nFirst line\n\n"
                                  "2\n00:00:02,000 --> 00:00:03,000\nSecond line\n\n");
    const QString meta = writeText("codec_chapters.ffmeta",
                                   ";FFMETADATA1\ntitle=Two Tongues\nartist=Test Band\ndate=2019-05-04\n"
                                   "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1200\ntitle=Opening\n"
                                   "[CHAPTER]\nTIMEBASE=1/1000\nSTART=1200\nEND=2500\ntitle=Middle\n"
                                   "[CHAPTER]\nTIMEBASE=1/1000\nSTART=2500\nEND=4000\ntitle=End\n");
    return TestMedia::make(
        "codec_langs.mkv",
        {"-f", "lavfi", "-i", "testsrc2=size=192x108:rate=25:duration=4",
         "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000:duration=4",
         "-f", "lavfi", "-i", "sine=frequency=880:sample_rate=44100:duration=4",
         "-i", srt, "-i", meta,
         "-map", "0:v", "-map", "1:a", "-map", "2:a", "-map", "3:s",
         "-map_metadata", "4", "-map_chapters", "4",
         "-c:v", "libx264", "-preset", "veryfast", "-g", "50", "-pix_fmt", "yuv420p",
         "-c:a", "aac", "-c:s", "srt",
         "-metadata:s:a:0", "language=eng", "-metadata:s:a:1", "language=fre",
         "-metadata:s:a:1", "title=Commentary", "-metadata:s:s:0", "language=ger"});
}

QString twoProgramTs()
{
    return TestMedia::make(
        "codec_two_programs.ts",
        {"-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25:duration=3",
         "-f", "lavfi", "-i", "sine=frequency=300:duration=3",
         "-f", "lavfi", "-i", "testsrc=size=176x144:rate=25:duration=3",
         "-f", "lavfi", "-i", "sine=frequency=600:duration=3",
         "-map", "0:v", "-map", "1:a", "-map", "2:v", "-map", "3:a",
         "-c:v", "mpeg2video", "-c:a", "mp2",
         "-program", "title=First:st=0:st=1", "-program", "title=Second:st=2:st=3",
         "-f", "mpegts"});
}

QString h264Ts()
{
    return TestMedia::make("codec_h264.ts", {"-i", TestMedia::h264AacMp4(), "-c", "copy", "-f", "mpegts"});
}

QString fifteenFps(const QString &suffix)
{
    QStringList args{"-f", "lavfi", "-i", "testsrc2=size=160x120:rate=15:duration=4", "-g", "30"};
    if (suffix == "avi")
        args << "-c:v" << "mpeg4" << "-q:v" << "2";
    else
        args << "-c:v" << "libx264" << "-preset" << "veryfast" << "-pix_fmt" << "yuv420p";
    return TestMedia::make("codec_15fps." + suffix, args);
}

QString bt709Mp4()
{
    return TestMedia::make("codec_bt709.mp4",
                           {"-f", "lavfi", "-i", "testsrc2=size=320x180:rate=25:duration=2",
                            "-vf", "scale=out_color_matrix=bt709", "-c:v", "libx264", "-preset",
                            "veryfast", "-pix_fmt", "yuv420p", "-colorspace", "bt709",
                            "-color_primaries", "bt709", "-color_trc", "bt709"});
}

QString fullRangeMp4()
{
    return TestMedia::make("codec_fullrange.mp4",
                           {"-f", "lavfi", "-i", "testsrc2=size=320x180:rate=25:duration=2",
                            "-c:v", "libx264", "-preset", "veryfast", "-pix_fmt", "yuvj420p"});
}

QString coverPng()
{
    return TestMedia::tinyPng();
}

QString mp3WithCover()
{
    return TestMedia::make(
        "codec_tagged.mp3",
        {"-f", "lavfi", "-i", "sine=frequency=500:sample_rate=44100:duration=3", "-i", coverPng(),
         "-map", "0:a", "-map", "1:v", "-c:a", "libmp3lame", "-b:a", "96k", "-c:v", "copy",
         "-id3v2_version", "3", "-metadata", "title=Song Title", "-metadata", "artist=Some Artist",
         "-metadata", "album=An Album", "-metadata", "track=7", "-metadata", "date=2021",
         "-metadata", "genre=Ambient", "-metadata:s:v", "title=Album cover",
         "-metadata:s:v", "comment=Cover (front)"});
}

QString portraitMp4()
{
    return TestMedia::make("codec_portrait.mp4",
                           {"-i", TestMedia::h264AacMp4(), "-c", "copy", "-t", "3",
                            "-metadata:s:v:0", "rotate=90"});
}

QJsonObject probe(const QString &file)
{
    return QJsonDocument::fromJson(TestMedia::ffprobeJson(
                                       file, {"-show_format", "-show_streams", "-show_chapters",
                                              "-show_programs"}))
        .object();
}

Bgr fromBmp(const uint8_t *bmp, QString *why)
{
    auto reject = [&](const char *text) {
        if (why)
            *why = QString::fromLatin1(text);
        return Bgr();
    };
    if (!bmp)
        return reject("null picture");
    if (bmp[0] != 'B' || bmp[1] != 'M')
        return reject("no BM signature");
    const quint32 total = le32(bmp + 2);
    const quint32 offset = le32(bmp + 10);
    const int width = int(le32(bmp + 18));
    const int height = int(le32(bmp + 22));
    const int bits = bmp[28] | bmp[29] << 8;
    const quint32 rowBytes = (quint32(width) * 3 + 3) & ~3u;
    if (offset != 54 || le32(bmp + 14) != 40 || bits != 24 || width <= 0 || height <= 0)
        return reject("unexpected header");
    if (le32(bmp + 34) != rowBytes * quint32(height) || total != 54 + rowBytes * quint32(height))
        return reject("length fields disagree with the size");
    Bgr out;
    out.width = width;
    out.height = height;
    out.pixels.resize(width * height * 3);
    for (int y = 0; y < height; ++y) {
        const uint8_t *row = bmp + 54 + size_t(height - 1 - y) * rowBytes;
        memcpy(out.pixels.data() + y * width * 3, row, size_t(width) * 3);
    }
    return out;
}

Bgr ffmpegFrameAt(const QString &file, double seconds, int width, int height)
{
    QStringList args{"-v", "error", "-nostdin"};
    if (seconds >= 0)
        args << "-ss" << QString::number(seconds, 'f', 6);
    else
        args << "-sseof" << "-1";
    args << "-i" << file << "-map" << "0:v:0";
    if (seconds >= 0)
        args << "-frames:v" << "1";
    args << "-an" << "-sn" << "-f" << "rawvideo" << "-pix_fmt" << "bgr24" << "-";
    const TestMedia::ToolResult r = TestMedia::run("ffmpeg", args);
    Bgr out;
    const int frameBytes = width * height * 3;
    if (r.exitCode != 0 || r.out.size() < frameBytes || r.out.size() % frameBytes != 0)
        return out;
    out.width = width;
    out.height = height;
    out.pixels = r.out.right(frameBytes); // the last frame for -sseof
    return out;
}

Bgr ffmpegFrameNumber(const QString &file, int n, int width, int height)
{
    const TestMedia::ToolResult r = TestMedia::run(
        "ffmpeg", {"-v", "error", "-nostdin", "-i", file, "-map", "0:v:0", "-vf",
                   QString("select=eq(n\\,%1)").arg(n), "-frames:v", "1", "-f", "rawvideo",
                   "-pix_fmt", "bgr24", "-"});
    Bgr out;
    if (r.exitCode != 0 || r.out.size() != width * height * 3)
        return out;
    out.width = width;
    out.height = height;
    out.pixels = r.out;
    return out;
}

double videoOffset(const QString &file)
{
    const QJsonObject o = probe(file);
    const double start = o.value("format").toObject().value("start_time").toString().toDouble();
    for (const QJsonValue &v : o.value("streams").toArray()) {
        const QJsonObject s = v.toObject();
        if (s.value("codec_type").toString() == "video")
            return s.value("start_time").toString().toDouble() - start;
    }
    return 0.0;
}

double psnr(const Bgr &a, const Bgr &b)
{
    if (a.width != b.width || a.height != b.height || a.pixels.size() != b.pixels.size() || a.pixels.isEmpty())
        return 0.0;
    double sum = 0.0;
    for (int i = 0; i < a.pixels.size(); ++i) {
        const double d = double(uint8_t(a.pixels[i])) - double(uint8_t(b.pixels[i]));
        sum += d * d;
    }
    const double mse = sum / a.pixels.size();
    return mse <= 0.0 ? 100.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

} // namespace CodecFixtures
