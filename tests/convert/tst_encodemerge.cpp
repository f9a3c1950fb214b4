// Encoding merges part by part: every part of a merged file must be what the
// same range encoded alone gives, with its own edits, its own length and its
// sound beside its pictures. Judged by ffprobe and the ffmpeg tool (psnr,
// volumedetect).
#include "ConvertFixtures.h"
#include "TestMedia.h"

#include "JobWait.h"
#include "zovAruzIvivu.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

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

constexpr uint32_t kH264 = 28, kAac = 0x15002;
constexpr uint64_t kMs = 1000;
constexpr double kFrame = 0.04;   // one picture at 25 fps

struct Range {
    uint64_t startUs, durationUs;
};

// H.264 + AAC at 320x240, 25 fps: the output format every part shares.
Config outputFormat()
{
    Config c(ZV_Create_Config());
    ZV_SetVideoCodec_Config(c.get(), kH264);
    ZV_SetAudioCodec_Config(c.get(), kAac);
    ZV_SetVideoSize_Config(c.get(), 320, 240);
    ZV_SetVideoFrameRate_Config(c.get(), 25, 1);
    ZV_SetVideoBitRate_Config(c.get(), 1500000);
    ZV_SetAudioChannels_Config(c.get(), 2);
    ZV_SetAudioSampleRate_Config(c.get(), 44100);
    ZV_SetAudioBitRate_Config(c.get(), 128000);
    ZV_SetVideoQuality_Config(c.get(), 90);
    ZV_SetAudioQuality_Config(c.get(), 90);
    return c;
}

// The output format with picture, text, subtitle and sound edits.
Config editedFormat()
{
    Config c = outputFormat();
    ZV_SetVideoCrop_Config(c.get(), 0.1, 0.1, 0.5, 0.6);
    ZV_SetVideoRotate_Config(c.get(), 90);
    ZV_SetVideoBrightness_Config(c.get(), uint32_t(int32_t(30)));
    ZV_SetVideoWatermarkMaxCount_Config(c.get(), 1);
    ZV_SetWatermarkIndex_Config(c.get(), 0);
    ZV_SetWatermarkText_Config(c.get(), "MARK");
    ZV_SetWatermarkTextSize_Config(c.get(), 40);
    ZV_SetWatermarkTextPosition_Config(c.get(), 0.1, 0.1);
    ZV_SetSubtlIndex_Config(c.get(), 0);
    ZV_SetSubtlTextSize_Config(c.get(), 30);
    ZV_SetAudioVolume_Config(c.get(), 40);
    return c;
}

// Encodes one range alone into `target`; the error text on failure.
QString encodeAlone(const QString &source, const Range &r, ZvConfig *cfg, const QString &target)
{
    Job job(ZV_CreateEncode_Job(-1));
    if (ZV_Open_Job(job.get(), source.toUtf8(), target.toUtf8(), "mp4", cfg) != 1
        || ZV_SetRange_Job(job.get(), r.startUs, r.durationUs) != 1 || ZV_Begin_Job(job.get()) != 1)
        return QStringLiteral("refused: ") + ZV_GetErrorText_Job(job.get());
    if (!JobWait::job(job.get()))
        return QStringLiteral("the job did not end");
    if (ZV_GetError_Job(job.get()) != 0)
        return QStringLiteral("failed: ") + ZV_GetErrorText_Job(job.get());
    ZV_Close_Job(job.get());
    return QString();
}

// Merges the ranges, each with its own configuration, opened with the first's.
QString mergeOf(const QString &source, const std::vector<Range> &ranges, const std::vector<ZvConfig *> &cfgs,
                const QString &target)
{
    Merge merge(ZV_CreateEncode_Merge(-1));
    if (ZV_OpenOutput_Merge(merge.get(), target.toUtf8(), "mp4", cfgs.front()) != 1 || ZV_Begin_Merge(merge.get()) != 1)
        return QStringLiteral("refused: ") + ZV_GetErrorText_Merge(merge.get());
    for (size_t i = 0; i < ranges.size(); ++i) {
        if (ZV_AddTask_Merge(merge.get(), source.toUtf8(), ranges[i].startUs, ranges[i].durationUs, cfgs[i]) != 1)
            return QStringLiteral("task refused: ") + ZV_GetErrorText_Merge(merge.get());
        if (!JobWait::task(merge.get()))
            return QStringLiteral("a task did not end");
        if (ZV_GetError_Merge(merge.get()) != 0)
            return QStringLiteral("task failed: ") + ZV_GetErrorText_Merge(merge.get());
    }
    ZV_Close_Merge(merge.get());
    return QFile::exists(target) ? QString() : QStringLiteral("no merged file");
}

double formatDuration(const QString &file)
{
    return number(probe(file).value("format").toObject().value("duration"));
}

// Average PSNR (dB) of `length` seconds of `a` from `fromA` against `b` from `fromB`.
double psnrOfPart(const QString &a, double fromA, const QString &b, double fromB, double length)
{
    const QString graph = QStringLiteral("[0:v]trim=start=%1:duration=%3,setpts=PTS-STARTPTS[a];"
                                         "[1:v]trim=start=%2:duration=%3,setpts=PTS-STARTPTS[b];[a][b]psnr")
                              .arg(fromA, 0, 'f', 3)
                              .arg(fromB, 0, 'f', 3)
                              .arg(length, 0, 'f', 3);
    const TestMedia::ToolResult r =
        TestMedia::run("ffmpeg", {"-nostdin", "-i", a, "-i", b, "-filter_complex", graph, "-f", "null", "-"});
    const QRegularExpressionMatch m = QRegularExpression("PSNR y:\\S+ u:\\S+ v:\\S+ average:(\\S+)").match(r.err);
    if (!m.hasMatch())
        return -1;
    return m.captured(1) == "inf" ? 100.0 : m.captured(1).toDouble();
}

// Mean volume (dB) of `length` seconds of the sound from `from`.
double meanVolume(const QString &file, double from, double length)
{
    const QString filter = QStringLiteral("atrim=start=%1:duration=%2,volumedetect").arg(from, 0, 'f', 3).arg(length, 0, 'f', 3);
    const TestMedia::ToolResult r = TestMedia::run("ffmpeg", {"-nostdin", "-i", file, "-af", filter, "-f", "null", "-"});
    const QRegularExpressionMatch m = QRegularExpression("mean_volume: (\\S+) dB").match(r.err);
    return m.hasMatch() ? m.captured(1).toDouble() : 1000.0;
}

int videoFrames(const QString &file)
{
    const QByteArray json = TestMedia::ffprobeJson(file, {"-select_streams", "v:0", "-count_frames", "-show_entries",
                                                          "stream=nb_read_frames"});
    const QJsonArray streams = QJsonDocument::fromJson(json).object().value("streams").toArray();
    return streams.isEmpty() ? 0 : streams.first().toObject().value("nb_read_frames").toString().toInt();
}

QJsonObject firstStream(const QJsonObject &probe, const QString &type)
{
    for (const QJsonValue &s : probe.value("streams").toArray()) {
        if (s.toObject().value("codec_type").toString() == type)
            return s.toObject();
    }
    return QJsonObject();
}

// 3 s of 320x240 H.264 starting 1.2 s after its 4.2 s of sound.
QString lateVideoClip()
{
    return TestMedia::make("encodemerge_latevideo_320x240.mp4",
                           {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=3", "-f", "lavfi", "-i",
                            "sine=frequency=440:sample_rate=44100:duration=4.2", "-filter_complex",
                            "[0:v]setpts=PTS+1.2/TB[v]", "-map", "[v]", "-map", "1:a", "-fps_mode", "passthrough",
                            "-c:v", "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p", "-c:a", "aac", "-ac", "2"});
}

// One second of black at 320x240, the picture a range before any shows.
QString blackClip()
{
    return TestMedia::make("encodemerge_black_320x240.mp4",
                           {"-f", "lavfi", "-i", "color=black:size=320x240:rate=25:duration=1", "-c:v", "libx264",
                            "-preset", "veryfast", "-pix_fmt", "yuv420p"});
}

} // namespace

class TestEncodeMerge : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void eachPartKeepsItsOwnEdits_data();
    void eachPartKeepsItsOwnEdits();
    void partsAcrossATimestampHoleKeepTheirLength_data();
    void partsAcrossATimestampHoleKeepTheirLength();
    void rangeWithoutPicturesHoldsOne_data();
    void rangeWithoutPicturesHoldsOne();

private:
    QTemporaryDir m_dir;
    QString out(const QString &name) const { return m_dir.filePath(name); }
};

void TestEncodeMerge::initTestCase()
{
    QVERIFY(m_dir.isValid());
    ZV_Initialize_Library(0, 0);
    QVERIFY(!subtitledMkv().isEmpty());
}

void TestEncodeMerge::eachPartKeepsItsOwnEdits_data()
{
    QTest::addColumn<int>("edited");
    QTest::newRow("first edited") << 0;
    QTest::newRow("second edited") << 1;
}

// Three ranges, one of them edited (crop, rotation, brightness, a text, burned
// subtitles, volume 40 %): each part of the merge is that range encoded alone.
void TestEncodeMerge::eachPartKeepsItsOwnEdits()
{
    QFETCH(int, edited);
    const QString source = subtitledMkv();
    // The first two ranges lie under the two subtitle cues.
    const std::vector<Range> ranges{{1500 * kMs, 1200 * kMs}, {5500 * kMs, 1200 * kMs}, {9000 * kMs, 1200 * kMs}};
    std::vector<Config> owned;
    std::vector<ZvConfig *> cfgs;
    for (size_t i = 0; i < ranges.size(); ++i) {
        owned.push_back(int(i) == edited ? editedFormat() : outputFormat());
        cfgs.push_back(owned.back().get());
    }
    const QString tag = QString::number(edited);
    QStringList alone;
    for (size_t i = 0; i < ranges.size(); ++i) {
        alone << out(QStringLiteral("alone_%1_%2.mp4").arg(tag).arg(i));
        const QString failure = encodeAlone(source, ranges[i], cfgs[i], alone.last());
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
    const QString merged = out("merged_" + tag + ".mp4");
    const QString failure = mergeOf(source, ranges, cfgs, merged);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    double at = 0;
    for (int i = 0; i < alone.size(); ++i) {
        // Judge the inside of each part, from its second picture (half a frame
        // in, so a rounded part length picks the same picture on both sides).
        const double length = formatDuration(alone[i]);
        const double db = psnrOfPart(merged, at + kFrame / 2, alone[i], kFrame / 2, length - 2 * kFrame);
        QVERIFY2(db >= 35.0, qPrintable(QStringLiteral("part %1: PSNR %2 dB").arg(i).arg(db)));
        const double loudness = meanVolume(merged, at + 0.1, length - 0.2) - meanVolume(alone[i], 0.1, length - 0.2);
        QVERIFY2(qAbs(loudness) <= 1.0, qPrintable(QStringLiteral("part %1: %2 dB louder").arg(i).arg(loudness)));
        at += length;
    }
}

void TestEncodeMerge::partsAcrossATimestampHoleKeepTheirLength_data()
{
    // The source's timestamps jump from 2.0 s to 3.1 s in both streams.
    QTest::addColumn<QList<qint64>>("startsMs");
    QTest::newRow("middle part spans the hole") << QList<qint64>{500, 1500, 3500};
    QTest::newRow("hole at the first join") << QList<qint64>{1200, 2200, 3300};
    QTest::newRow("last part runs past the end") << QList<qint64>{1000, 2500, 4000};
}

// Every part lasts what the range encoded alone lasts (its length on the
// source's timeline, up to the media's end), and the merge is their sum with
// each part's pictures and sound where the part alone has them.
void TestEncodeMerge::partsAcrossATimestampHoleKeepTheirLength()
{
    QFETCH(QList<qint64>, startsMs);
    const QString source = timestampHoleClip();
    QVERIFY(!source.isEmpty());
    const double mediaEnd = formatDuration(source);
    const qint64 lengthMs = 1289;
    // A quieter middle part shows where each part's sound landed.
    const uint32_t volumes[] = {100, 50, 100};
    std::vector<Range> ranges;
    std::vector<Config> owned;
    std::vector<ZvConfig *> cfgs;
    for (int i = 0; i < startsMs.size(); ++i) {
        ranges.push_back(Range{uint64_t(startsMs[i]) * kMs, uint64_t(lengthMs) * kMs});
        owned.push_back(outputFormat());
        ZV_SetAudioVolume_Config(owned.back().get(), volumes[i]);
        cfgs.push_back(owned.back().get());
    }
    const QString tag = QString::number(startsMs.first());
    QStringList alone;
    double sum = 0;
    for (int i = 0; i < startsMs.size(); ++i) {
        alone << out(QStringLiteral("hole_%1_%2.mp4").arg(tag).arg(i));
        const QString failure = encodeAlone(source, ranges[i], cfgs[i], alone.last());
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const double wanted = qMin(startsMs[i] + lengthMs, qint64(mediaEnd * 1000)) / 1000.0 - startsMs[i] / 1000.0;
        for (const QString kind : {"v", "a"}) {
            const double end = streamEnd(alone.last(), kind);
            QVERIFY2(qAbs(end - wanted) <= kFrame + 0.005,
                     qPrintable(QStringLiteral("part %1 alone: %2 ends at %3 for %4").arg(i).arg(kind).arg(end).arg(wanted)));
        }
        sum += formatDuration(alone.last());
    }
    const QString merged = out("hole_merged_" + tag + ".mp4");
    const QString failure = mergeOf(source, ranges, cfgs, merged);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    const double total = formatDuration(merged);
    QVERIFY2(qAbs(total - sum) <= kFrame + 0.005, qPrintable(QStringLiteral("merged %1 for %2").arg(total).arg(sum)));
    const double videoEnd = streamEnd(merged, "v"), audioEnd = streamEnd(merged, "a");
    QVERIFY2(qAbs(videoEnd - audioEnd) <= kFrame,
             qPrintable(QStringLiteral("video ends at %1, sound at %2").arg(videoEnd).arg(audioEnd)));
    double at = 0;
    for (int i = 0; i < alone.size(); ++i) {
        const double length = formatDuration(alone[i]);
        const double db = psnrOfPart(merged, at + kFrame / 2, alone[i], kFrame / 2, length - 2 * kFrame);
        QVERIFY2(db >= 35.0, qPrintable(QStringLiteral("part %1: PSNR %2 dB").arg(i).arg(db)));
        const double loudness = meanVolume(merged, at + 0.1, length - 0.2) - meanVolume(alone[i], 0.1, length - 0.2);
        QVERIFY2(qAbs(loudness) <= 1.0, qPrintable(QStringLiteral("part %1: %2 dB louder").arg(i).arg(loudness)));
        at += length;
    }
}

void TestEncodeMerge::rangeWithoutPicturesHoldsOne_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<qint64>("startMs");
    QTest::addColumn<qint64>("lengthMs");
    // The picture shown: the source's from this time on, or black (-1).
    QTest::addColumn<double>("shownAt");
    QTest::addColumn<bool>("merge");
    // The video jumps from 1.96 s to 3.1 s; the sound runs on.
    QTest::newRow("inside a hole") << timestampHoleClip(true) << qint64(2200) << qint64(600) << 1.96 << false;
    QTest::newRow("inside a hole, merged") << timestampHoleClip(true) << qint64(2200) << qint64(600) << 1.96 << true;
    // The video starts 1.2 s after the sound.
    QTest::newRow("before the first picture") << lateVideoClip() << qint64(200) << qint64(600) << -1.0 << false;
}

// A range with sound but no picture of its own still gives a video stream of
// its length: the picture before the range stands, or black.
void TestEncodeMerge::rangeWithoutPicturesHoldsOne()
{
    QFETCH(QString, source);
    QFETCH(qint64, startMs);
    QFETCH(qint64, lengthMs);
    QFETCH(double, shownAt);
    QFETCH(bool, merge);
    QVERIFY(!source.isEmpty());
    const QString target = out(QStringLiteral("held_%1.mp4").arg(QString(QTest::currentDataTag()).replace(' ', '_')));
    Config cfg = outputFormat();
    const Range range{uint64_t(startMs) * kMs, uint64_t(lengthMs) * kMs};
    const QString failure = merge ? mergeOf(source, {range}, {cfg.get()}, target) : encodeAlone(source, range, cfg.get(), target);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    QCOMPARE(firstStream(probe(target), "video").value("codec_name").toString(), QString("h264"));
    const double length = lengthMs / 1000.0;
    QVERIFY2(qAbs(videoFrames(target) - length / kFrame) <= 1.0, qPrintable(QString::number(videoFrames(target))));
    const double videoEnd = streamEnd(target, "v"), audioEnd = streamEnd(target, "a");
    QVERIFY2(qAbs(videoEnd - length) <= kFrame && qAbs(audioEnd - length) <= kFrame,
             qPrintable(QStringLiteral("video ends at %1, sound at %2").arg(videoEnd).arg(audioEnd)));
    const double db = shownAt >= 0 ? psnrOfPart(target, 0, source, shownAt, length - kFrame)
                                   : psnrOfPart(target, 0, blackClip(), 0, length - kFrame);
    QVERIFY2(db >= 35.0, qPrintable(QStringLiteral("PSNR %1 dB").arg(db)));
}

QTEST_GUILESS_MAIN(TestEncodeMerge)
#include "tst_encodemerge.moc"
