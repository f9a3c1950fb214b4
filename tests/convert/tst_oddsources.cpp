// Encode and copy jobs on sources other tools make: seeks that land nowhere,
// streams that decode to nothing, files cut short, non-square pixels and
// uneven frame times. Judged by ffprobe and the ffmpeg decoder.
#include "ConvertFixtures.h"
#include "TestMedia.h"

#include "JobWait.h"
#include "zovAruzIvivu.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

extern "C" {
#include <libavformat/avformat.h>
}

using namespace ConvertFixtures;

namespace {

struct ConfigDeleter {
    void operator()(ZvConfig *c) const { ZV_Release_Config(c); }
};
struct JobDeleter {
    void operator()(ZvJob *j) const { ZV_Destroy_Job(j); }
};
struct MergeDeleter {
    void operator()(ZvMerge *m) const { ZV_Destroy_Merge(m); }
};
using Config = std::unique_ptr<ZvConfig, ConfigDeleter>;
using Job = std::unique_ptr<ZvJob, JobDeleter>;
using Merge = std::unique_ptr<ZvMerge, MergeDeleter>;

constexpr uint32_t kH264 = 28, kMpeg4 = 13, kAac = 0x15002, kMp3 = 0x15001;
constexpr uint64_t kSecond = 1000000;

Config encodeConfig(uint32_t video, uint32_t audio, uint32_t w = 0, uint32_t h = 0)
{
    Config c(ZV_Create_Config());
    ZV_EnableVideo_Config(c.get(), 1);
    ZV_EnableAudio_Config(c.get(), 1);
    ZV_SetVideoCodec_Config(c.get(), video);
    ZV_SetAudioCodec_Config(c.get(), audio);
    if (w && h)
        ZV_SetVideoSize_Config(c.get(), w, h);
    ZV_SetAudioChannels_Config(c.get(), 2);
    ZV_SetAudioSampleRate_Config(c.get(), 44100);
    return c;
}

Config copyConfig()
{
    Config c(ZV_Create_Config());
    ZV_SetVideoCodec_Config(c.get(), 0);
    ZV_SetAudioCodec_Config(c.get(), 0);
    return c;
}

QJsonObject firstStream(const QJsonObject &probe, const QString &type)
{
    for (const QJsonValue &s : probe.value("streams").toArray()) {
        if (s.toObject().value("codec_type").toString() == type)
            return s.toObject();
    }
    return QJsonObject();
}

// Pictures the ffmpeg decoder gets from a file's first video stream.
int decodedPictures(const QString &file)
{
    const QJsonObject v = firstStream(
        QJsonDocument::fromJson(TestMedia::ffprobeJson(file, {"-count_frames", "-show_streams"})).object(), "video");
    return v.value("nb_read_frames").toString().toInt();
}

// Sorted presentation times (s) of a file's video packets.
QList<double> pictureTimes(const QString &file)
{
    QList<double> times;
    for (const QJsonValue &p : packets(file, "v:0"))
        times << number(p.toObject().value("pts_time"));
    std::sort(times.begin(), times.end());
    return times;
}

// Copies `source` packet by packet into Matroska at `target`, letting `change`
// alter each packet first (stream type, packet).
QString remux(const QString &source, const QString &target, const std::function<void(AVMediaType, AVPacket *)> &change)
{
    if (QFileInfo::exists(target))
        return target;
    AVFormatContext *ic = nullptr;
    if (avformat_open_input(&ic, source.toUtf8().constData(), nullptr, nullptr) < 0)
        return QString();
    std::unique_ptr<AVFormatContext, void (*)(AVFormatContext *)> in(ic, [](AVFormatContext *c) {
        avformat_close_input(&c);
    });
    AVFormatContext *oc = nullptr;
    const QString partial = target + ".part";
    if (avformat_find_stream_info(ic, nullptr) < 0
        || avformat_alloc_output_context2(&oc, nullptr, "matroska", partial.toUtf8().constData()) < 0)
        return QString();
    std::unique_ptr<AVFormatContext, void (*)(AVFormatContext *)> out(oc, [](AVFormatContext *c) {
        if (c->pb)
            avio_closep(&c->pb);
        avformat_free_context(c);
    });
    for (unsigned i = 0; i < ic->nb_streams; ++i) {
        AVStream *os = avformat_new_stream(oc, nullptr);
        if (!os || avcodec_parameters_copy(os->codecpar, ic->streams[i]->codecpar) < 0)
            return QString();
        os->codecpar->codec_tag = 0;
        os->time_base = ic->streams[i]->time_base;
    }
    if (avio_open(&oc->pb, partial.toUtf8().constData(), AVIO_FLAG_WRITE) < 0
        || avformat_write_header(oc, nullptr) < 0)
        return QString();
    AVPacket *pkt = av_packet_alloc();
    bool ok = pkt != nullptr;
    while (ok && av_read_frame(ic, pkt) >= 0) {
        const AVStream *is = ic->streams[pkt->stream_index];
        change(is->codecpar->codec_type, pkt);
        av_packet_rescale_ts(pkt, is->time_base, oc->streams[pkt->stream_index]->time_base);
        ok = av_interleaved_write_frame(oc, pkt) >= 0;
        av_packet_unref(pkt);
    }
    av_packet_free(&pkt);
    ok = ok && av_write_trailer(oc) >= 0;
    out.reset();
    return ok && QFile::rename(partial, target) ? target : QString();
}

// 4 s of MPEG-4 Part 2 video (25 fps) and AAC in Matroska.
QString mpeg4Mkv()
{
    return TestMedia::make("odd_mpeg4_aac_4s.mkv",
                           {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=4", "-f", "lavfi", "-i",
                            "sine=frequency=440:sample_rate=44100:duration=4", "-ac", "2", "-c:v", "mpeg4", "-g",
                            "250", "-c:a", "aac"});
}

// mpeg4Mkv with no picture flagged as a key frame: Matroska then has no index,
// and a seek (the ffmpeg tool's -ss too) finds no packet at all.
QString seeklessMkv()
{
    return remux(mpeg4Mkv(), TestMedia::mediaDir() + "/odd_seekless.mkv", [](AVMediaType type, AVPacket *pkt) {
        if (type == AVMEDIA_TYPE_VIDEO)
            pkt->flags &= ~AV_PKT_FLAG_KEY;
    });
}

// mpeg4Mkv whose packets of one kind hold only zeros: nothing of it decodes.
QString blankedMkv(AVMediaType blanked)
{
    const QString name = blanked == AVMEDIA_TYPE_VIDEO ? "odd_blank_video.mkv" : "odd_blank_audio.mkv";
    return remux(mpeg4Mkv(), TestMedia::mediaDir() + "/" + name, [blanked](AVMediaType type, AVPacket *pkt) {
        if (type == blanked && av_packet_make_writable(pkt) >= 0)
            std::fill(pkt->data, pkt->data + pkt->size, uint8_t(0));
    });
}

// 2 s, 352x288 pixels of aspect 12:11 (a 4:3 picture), MPEG-4 and AAC in 3GP.
QString nonSquareClip()
{
    return TestMedia::make("odd_sar_12_11.3gp",
                           {"-f", "lavfi", "-i", "testsrc2=size=352x288:rate=25:duration=2", "-f", "lavfi", "-i",
                            "sine=frequency=440:sample_rate=44100:duration=2", "-vf", "setsar=12/11", "-c:v",
                            "mpeg4", "-c:a", "aac", "-ac", "2", "-shortest"});
}

// 90 pictures on a 30 fps grid where every fifth interval is twice as long:
// nominal rate 30, average rate 25.2.
QString unevenClip()
{
    return TestMedia::make("odd_uneven_times.mp4",
                           {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=30:duration=3", "-f", "lavfi", "-i",
                            "sine=frequency=440:sample_rate=44100:duration=3.6", "-vf",
                            "setpts=(N+floor(N/5))/30/TB", "-fps_mode", "passthrough", "-c:v", "libx264",
                            "-preset", "veryfast", "-c:a", "aac", "-ac", "2"});
}

double displayAspect(const QJsonObject &video)
{
    const QStringList sar = video.value("sample_aspect_ratio").toString().split(':');
    const double pixel = sar.size() == 2 && sar[0].toDouble() > 0 && sar[1].toDouble() > 0
        ? sar[0].toDouble() / sar[1].toDouble() : 1.0;
    return video.value("width").toDouble() * pixel / video.value("height").toDouble();
}

} // namespace

class TestOddSources : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void seeklessSourceEncodesTheRange_data();
    void seeklessSourceEncodesTheRange();
    void rangeThatDecodesToNothingFails_data();
    void rangeThatDecodesToNothingFails();
    void sourceCutShortFails_data();
    void sourceCutShortFails();
    void originalSizeKeepsTheDisplayAspect_data();
    void originalSizeKeepsTheDisplayAspect();
    void automaticRateKeepsEveryPicture_data();
    void automaticRateKeepsEveryPicture();

private:
    QTemporaryDir m_dir;
    QString out(const QString &name) const { return m_dir.filePath(name); }
    // Encodes [start, start + length) of `source` (length 0: to the end) by
    // one job, or by a merge of the same range given twice.
    int encode(const QString &source, const QString &target, const QString &container, ZvConfig *cfg, uint64_t start,
               uint64_t length, bool merged, QString *error);
};

void TestOddSources::initTestCase()
{
    QVERIFY(m_dir.isValid());
    ZV_Initialize_Library(0, 0);
}

int TestOddSources::encode(const QString &source, const QString &target, const QString &container, ZvConfig *cfg,
                           uint64_t start, uint64_t length, bool merged, QString *error)
{
    if (!merged) {
        Job job(ZV_CreateEncode_Job(-1));
        if (!ZV_Open_Job(job.get(), source.toUtf8(), target.toUtf8(), container.toUtf8(), cfg)
            || !(ZV_SetRange_Job(job.get(), start, length) && ZV_Begin_Job(job.get()))) {
            *error = ZV_GetErrorText_Job(job.get());
            return -1;
        }
        if (!JobWait::job(job.get())) {
            *error = "the job did not end";
            return -1;
        }
        const int err = ZV_GetError_Job(job.get());
        *error = ZV_GetErrorText_Job(job.get());
        ZV_Close_Job(job.get());
        return err;
    }
    Merge merge(ZV_CreateEncode_Merge(-1));
    if (!ZV_OpenOutput_Merge(merge.get(), target.toUtf8(), container.toUtf8(), cfg) || !ZV_Begin_Merge(merge.get())) {
        *error = ZV_GetErrorText_Merge(merge.get());
        return -1;
    }
    int err = 0;
    for (int task = 0; task < 2 && err == 0; ++task) {
        if (!ZV_AddTask_Merge(merge.get(), source.toUtf8(), start, length, nullptr) || !JobWait::task(merge.get()))
            err = -1;
        else
            err = ZV_GetError_Merge(merge.get());
    }
    *error = ZV_GetErrorText_Merge(merge.get());
    if (err == 0 && ZV_Close_Merge(merge.get()) != 1)
        err = -1;
    return err;
}

void TestOddSources::seeklessSourceEncodesTheRange_data()
{
    QTest::addColumn<uint64_t>("start");
    QTest::addColumn<uint64_t>("length");
    QTest::addColumn<bool>("merged");
    QTest::newRow("from 0.36 s") << uint64_t(360000) << 1 * kSecond << false;
    QTest::newRow("from 2 s") << 2 * kSecond << 1 * kSecond << false;
    QTest::newRow("from the start") << uint64_t(0) << 1 * kSecond << false;
    QTest::newRow("merge of two ranges") << uint64_t(1500000) << 1 * kSecond << true;
}

void TestOddSources::seeklessSourceEncodesTheRange()
{
    QFETCH(uint64_t, start);
    QFETCH(uint64_t, length);
    QFETCH(bool, merged);
    const QString source = seeklessMkv();
    QVERIFY(!source.isEmpty());
    // The fixture shows the fault: the ffmpeg tool's own seek gives no picture.
    QCOMPARE(TestMedia::run("ffmpeg", {"-v", "quiet", "-ss", "0.36", "-i", source, "-map", "0:v", "-f", "framecrc",
                                       "-"}).out.count("\n0,"),
             0);
    const QString target = out(QStringLiteral("seekless_%1_%2.mp4").arg(start).arg(merged));
    Config cfg = encodeConfig(kH264, kAac, 320, 240);
    QString error;
    QCOMPARE(encode(source, target, "mp4", cfg.get(), start, length, merged, &error), 0);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    const int tasks = merged ? 2 : 1;
    const QJsonObject p = probe(target);
    QVERIFY(!firstStream(p, "audio").isEmpty());
    const int pictures = decodedPictures(target);
    QVERIFY2(qAbs(pictures - 25 * tasks) <= tasks, qPrintable(QString::number(pictures)));
    const double duration = number(p.value("format").toObject().value("duration"));
    QVERIFY2(qAbs(duration - tasks) <= 0.1, qPrintable(QString::number(duration)));
}

void TestOddSources::rangeThatDecodesToNothingFails_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("merged");
    QTest::addColumn<QString>("reason");   // empty: the encode succeeds
    QTest::newRow("no picture") << "blank video" << false << "no picture";
    QTest::newRow("no sound") << "blank audio" << false << "no sound";
    QTest::newRow("no picture in a merge") << "blank video" << true << "no picture";
    // A range past the end of the sound has none to lose.
    QTest::newRow("sound ends before the range") << "short audio" << false << "";
}

void TestOddSources::rangeThatDecodesToNothingFails()
{
    QFETCH(QString, source);
    QFETCH(bool, merged);
    QFETCH(QString, reason);
    const QString file = source == "blank video" ? blankedMkv(AVMEDIA_TYPE_VIDEO)
                       : source == "blank audio" ? blankedMkv(AVMEDIA_TYPE_AUDIO)
                       : TestMedia::make("odd_audio_ends_at_1s.mkv",
                                         {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=4", "-f",
                                          "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=1", "-ac",
                                          "2", "-c:v", "mpeg4", "-c:a", "aac"});
    QVERIFY(!file.isEmpty());
    const QString target = out(QStringLiteral("blank_%1_%2.mp4").arg(source).arg(merged));
    Config cfg = encodeConfig(kH264, kAac, 320, 240);
    QString error;
    const int err = encode(file, target, "mp4", cfg.get(), 1500000, 2 * kSecond, merged, &error);
    if (reason.isEmpty()) {
        QVERIFY2(err == 0, qPrintable(error));
        QVERIFY2(qAbs(decodedPictures(target) - 50) <= 1, qPrintable(QString::number(decodedPictures(target))));
        return;
    }
    QVERIFY(err < 0);
    QVERIFY2(error.contains(reason) && error.contains(QFileInfo(file).fileName()), qPrintable(error));
    QVERIFY2(!QFileInfo::exists(target), "a failed encode leaves no file");
}

void TestOddSources::sourceCutShortFails_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("copy");
    // "before": before the job opens it; "open": once it is open; "run": while
    // it runs; "merge": before a merge task opens it.
    QTest::addColumn<QString>("cutWhen");
    QTest::addColumn<uint64_t>("start");
    QTest::addColumn<uint64_t>("length");
    QTest::addColumn<QString>("reason");
    // A partial download: the index at the front states 12 s, the data ends near 4 s.
    QTest::newRow("copy, mp4 with its index first") << "mp4" << true << "before" << uint64_t(0) << uint64_t(0)
        << QString("ends at");
    QTest::newRow("encode, mp4 with its index first") << "mp4" << false << "before" << uint64_t(0) << 10 * kSecond
        << QString("ends at");
    QTest::newRow("copy, mp4, range past the data") << "mp4" << true << "before" << 6 * kSecond << 4 * kSecond
        << QString("starts after the end");
    QTest::newRow("encode, mp4, range past the data") << "mp4" << false << "before" << 6 * kSecond << 4 * kSecond
        << QString("ends at");
    QTest::newRow("copy, mkv cut once open") << "mkv" << true << "open" << uint64_t(0) << 10 * kSecond
        << QString("ends at");
    QTest::newRow("encode, mkv cut once open") << "mkv" << false << "open" << uint64_t(0) << uint64_t(0)
        << QString("ends at");
    QTest::newRow("copy, ts cut once open") << "ts" << true << "open" << uint64_t(0) << 10 * kSecond
        << QString("ends at");
    QTest::newRow("encode, mkv cut while it runs") << "mkv" << false << "run" << uint64_t(0) << 10 * kSecond
        << QString("ends at");
    QTest::newRow("encode merge, mp4 with its index first") << "mp4" << false << "merge" << 2 * kSecond
        << 6 * kSecond << QString("ends at");
}

void TestOddSources::sourceCutShortFails()
{
    QFETCH(QString, suffix);
    QFETCH(bool, copy);
    QFETCH(QString, cutWhen);
    QFETCH(uint64_t, start);
    QFETCH(uint64_t, length);
    QFETCH(QString, reason);
    QStringList remux{"-i", gopClip(), "-c", "copy"};
    if (suffix == "mp4")
        remux << "-movflags" << "+faststart";
    const QString whole = TestMedia::make("odd_whole_12s." + suffix, remux);
    QVERIFY(!whole.isEmpty());
    const QString source =
        out(QStringLiteral("cut_%1_%2_%3_%4.%5").arg(copy).arg(cutWhen).arg(start).arg(length).arg(suffix));
    QVERIFY(QFile::copy(whole, source));
    const qint64 cutAt = QFileInfo(whole).size() / 3;
    if (cutWhen == "before" || cutWhen == "merge")
        QVERIFY(QFile::resize(source, cutAt));

    const QString target =
        out(QStringLiteral("short_%1_%2_%3_%4.%5").arg(copy).arg(cutWhen).arg(start).arg(length).arg(suffix));
    Config cfg = copy ? copyConfig() : encodeConfig(kH264, kAac, 320, 240);
    // The slower encoder preset keeps the job reading well after the cut.
    if (!copy)
        ZV_SetVideoQuality_Config(cfg.get(), 90);
    if (cutWhen == "merge") {
        QString error;
        QVERIFY(encode(source, target, suffix, cfg.get(), start, length, true, &error) < 0);
        QVERIFY2(error.contains(reason) && error.contains(QFileInfo(source).fileName()), qPrintable(error));
        QVERIFY2(!QFileInfo::exists(target), "a source cut short leaves no output");
        return;
    }
    Job job(copy ? ZV_CreateCopy_Job(-1) : ZV_CreateEncode_Job(-1));
    QVERIFY2(ZV_Open_Job(job.get(), source.toUtf8(), target.toUtf8(), suffix == "ts" ? "mpegts" : suffix.toUtf8(),
                         cfg.get()),
             ZV_GetErrorText_Job(job.get()));
    if (cutWhen == "open")
        QVERIFY(QFile::resize(source, cutAt));
    ZV_SetRange_Job(job.get(), start, length);
    const int begun = ZV_Begin_Job(job.get());
    if (cutWhen == "run")
        QVERIFY(QFile::resize(source, cutAt));
    if (begun) {
        QVERIFY(JobWait::job(job.get()));
        QVERIFY(ZV_GetError_Job(job.get()) < 0);
    }
    const QString error = ZV_GetErrorText_Job(job.get());
    QVERIFY2(error.contains(reason) && error.contains(QFileInfo(source).fileName()), qPrintable(error));
    ZV_Close_Job(job.get());
    QVERIFY2(!QFileInfo::exists(target), "a source cut short leaves no output");
}

void TestOddSources::originalSizeKeepsTheDisplayAspect_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<uint>("video");
    QTest::addColumn<uint>("audio");
    QTest::addColumn<int>("size");   // 1: the source's own size given; 0: none given
    QTest::addColumn<bool>("merged");
    QTest::newRow("h264 mp4, size given") << "mp4" << uint(kH264) << uint(kAac) << 1 << false;
    QTest::newRow("mpeg4 avi, size given") << "avi" << uint(kMpeg4) << uint(kMp3) << 1 << false;
    QTest::newRow("h264 mp4, no size") << "mp4" << uint(kH264) << uint(kAac) << 0 << false;
    QTest::newRow("h264 mp4 merge, size given") << "mp4" << uint(kH264) << uint(kAac) << 1 << true;
}

void TestOddSources::originalSizeKeepsTheDisplayAspect()
{
    QFETCH(QString, container);
    QFETCH(uint, video);
    QFETCH(uint, audio);
    QFETCH(int, size);
    QFETCH(bool, merged);
    const QString source = nonSquareClip();
    QVERIFY(!source.isEmpty());
    QCOMPARE(firstStream(probe(source), "video").value("sample_aspect_ratio").toString(), QString("12:11"));
    const QString target = out(QStringLiteral("aspect_%1_%2_%3.%4").arg(video).arg(size).arg(merged).arg(container));
    Config cfg = encodeConfig(video, audio, size ? 352 : 0, size ? 288 : 0);
    QString error;
    QCOMPARE(encode(source, target, container, cfg.get(), 0, 1 * kSecond, merged, &error), 0);
    const QJsonObject v = firstStream(probe(target), "video");
    const double aspect = displayAspect(v);
    QVERIFY2(qAbs(aspect - 4.0 / 3.0) <= 0.01,
             qPrintable(QStringLiteral("%1x%2 pixels of %3 show at %4")
                            .arg(v.value("width").toInt())
                            .arg(v.value("height").toInt())
                            .arg(v.value("sample_aspect_ratio").toString())
                            .arg(aspect)));
}

void TestOddSources::automaticRateKeepsEveryPicture_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<uint>("video");
    QTest::addColumn<uint>("audio");
    QTest::addColumn<bool>("ownTimes");   // false: the container keeps a constant rate
    QTest::newRow("h264 mp4") << "mp4" << uint(kH264) << uint(kAac) << true;
    QTest::newRow("h264 mkv") << "mkv" << uint(kH264) << uint(kAac) << true;
    QTest::newRow("mpeg4 avi") << "avi" << uint(kMpeg4) << uint(kMp3) << false;
}

void TestOddSources::automaticRateKeepsEveryPicture()
{
    QFETCH(QString, container);
    QFETCH(uint, video);
    QFETCH(uint, audio);
    QFETCH(bool, ownTimes);
    const QString source = unevenClip();
    QVERIFY(!source.isEmpty());
    const double start = 0.5, length = 2.0;
    QList<double> expected;
    for (double t : pictureTimes(source)) {
        if (t >= start - 1e-6 && t < start + length - 1e-6)
            expected << t - start;
    }
    QCOMPARE(expected.size(), 50);

    const QString target = out("uneven." + container);
    Config cfg = encodeConfig(video, audio);
    QString error;
    QCOMPARE(encode(source, target, container, cfg.get(), uint64_t(start * kSecond), uint64_t(length * kSecond),
                    false, &error),
             0);
    if (ownTimes) {
        const QList<double> times = pictureTimes(target);
        QCOMPARE(times.size(), expected.size());
        const double origin = times.first();
        for (int i = 0; i < times.size(); ++i) {
            QVERIFY2(qAbs(times[i] - origin - expected[i]) <= 0.002,
                     qPrintable(QStringLiteral("picture %1 at %2 s, the source's at %3 s")
                                    .arg(i).arg(times[i] - origin).arg(expected[i])));
        }
        QCOMPARE(decodedPictures(target), expected.size());
    } else {
        // At the nominal 30 fps every source picture has a slot of its own.
        const QJsonObject v = firstStream(probe(target), "video");
        QCOMPARE(v.value("avg_frame_rate").toString(), QString("30/1"));
        QCOMPARE(decodedPictures(target), 60);
    }
}

QTEST_GUILESS_MAIN(TestOddSources)
#include "tst_oddsources.moc"
