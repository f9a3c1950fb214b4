// The player through the C surface: delivery at the source rate, exact seeks,
// frame and key-frame steps, completion, wave data, the audio fallback and
// callback safety while frames flow. Judged by ffmpeg's decoder and ffprobe.
#include "PlayerRecorder.h"
#include "TestMedia.h"
#include "TestTiming.h"
#include "zovAruzIvivu.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <atomic>
#include <cstring>
#include <memory>

namespace {

struct OracleFrame {
    double time = 0;
    QString md5;
};

// ffmpeg's own decode of every picture: time and md5 of the yuv420p planes.
QList<OracleFrame> decodeAll(const QString &file, const QStringList &before = {})
{
    QStringList args{"-v", "error"};
    args << before << QStringList{"-i", file, "-map", "0:v:0", "-pix_fmt", "yuv420p", "-f", "framemd5", "-"};
    const auto r = TestMedia::run("ffmpeg", args);
    QList<OracleFrame> frames;
    double tb = 0;
    for (const QByteArray &line : r.out.split('\n')) {
        if (line.startsWith("#tb 0:")) {
            const QList<QByteArray> nd = line.mid(6).trimmed().split('/');
            tb = nd.value(0).toDouble() / nd.value(1).toDouble();
        }
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> f = line.split(',');
        if (f.size() < 6)
            continue;
        frames.append({f[2].trimmed().toDouble() * tb, QString::fromLatin1(f[5].trimmed())});
    }
    return frames;
}

QList<double> keyFrameTimes(const QString &file)
{
    const QJsonObject o = QJsonDocument::fromJson(TestMedia::ffprobeJson(
        file, {"-select_streams", "v:0", "-show_entries", "packet=pts_time,flags"})).object();
    QList<double> times;
    for (const QJsonValue &v : o.value("packets").toArray()) {
        const QJsonObject pkt = v.toObject();
        if (pkt.value("flags").toString().contains('K'))
            times.append(pkt.value("pts_time").toString().toDouble());
    }
    std::sort(times.begin(), times.end());
    return times;
}

int indexOf(const QList<OracleFrame> &frames, const QString &md5)
{
    for (int i = 0; i < frames.size(); ++i)
        if (frames[i].md5 == md5)
            return i;
    return -1;
}

QString keysMp4()
{
    return TestMedia::make("player_keys_320x240_6s.mp4",
                           {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=6", "-c:v", "libx264",
                            "-preset", "veryfast", "-g", "250", "-sc_threshold", "0", "-force_key_frames",
                            "0,1.32,2.88,4.2", "-pix_fmt", "yuv420p"});
}

// The same clip in MPEG-TS: no index, so seeks land between key frames.
QString h264AacTs()
{
    return TestMedia::make("player_h264_aac_6s.ts", {"-i", TestMedia::h264AacMp4(), "-c", "copy", "-f", "mpegts"});
}

// Media time of the first video picture (the video stream's start after the container's).
double videoStartOffset(const QString &file)
{
    const QJsonObject o = QJsonDocument::fromJson(TestMedia::ffprobeJson(
        file, {"-select_streams", "v:0", "-show_entries", "stream=start_time:format=start_time"})).object();
    const double stream = o.value("streams").toArray().first().toObject().value("start_time").toString().toDouble();
    const double format = o.value("format").toObject().value("start_time").toString().toDouble();
    return stream - format;
}

// MPEG-4 Part 2 in AVI: time base 1/25, key frames every second.
QString mpeg4Avi()
{
    return TestMedia::make("player_mpeg4_2s.avi", {"-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25:duration=2",
                                                   "-c:v", "mpeg4", "-g", "25", "-q:v", "4"});
}

// One key frame every 250 pictures (10 s): the long GOPs of broadcast recordings.
QString longGopMp4()
{
    return TestMedia::make("player_gop250_320x240_12s.mp4",
                           {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=12", "-c:v", "libx264",
                            "-preset", "veryfast", "-g", "250", "-sc_threshold", "0", "-pix_fmt", "yuv420p"});
}

QString fixture(const QString &name)
{
    if (name == "avi")
        return mpeg4Avi();
    if (name == "gop250")
        return longGopMp4();
    return name == "ts" ? h264AacTs() : TestMedia::h264AacMp4();
}

QString shortMp4()
{
    return TestMedia::make("player_short_1s.mp4",
                           {"-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25:duration=1", "-f", "lavfi", "-i",
                            "sine=frequency=440:sample_rate=44100:duration=1", "-c:v", "libx264", "-preset",
                            "veryfast", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest"});
}

// Two audio streams: silence first, a tone second.
QString twoAudioMkv()
{
    return TestMedia::make("player_two_audio.mkv",
                           {"-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25:duration=4", "-f", "lavfi", "-i",
                            "anullsrc=r=44100:cl=stereo", "-f", "lavfi", "-i",
                            "sine=frequency=1000:sample_rate=44100:duration=4", "-map", "0:v", "-map", "1:a", "-map",
                            "2:a", "-c:v", "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p", "-c:a", "flac",
                            "-t", "4"});
}

QString oddMp4()
{
    return TestMedia::make("player_odd_321x241.mkv",
                           {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=1", "-vf", "scale=321:241", "-c:v", "ffv1",
                            "-pix_fmt", "yuv444p"});
}

// A player that is closed and destroyed on scope exit.
struct PlayerHandle {
    ZvPlayer *p = ZV_Create_Player(0xFFFFFFFF);
    ~PlayerHandle()
    {
        ZV_Close_Player(p);
        ZV_Destroy_Player(p);
    }
    operator ZvPlayer *() const { return p; }
};

} // namespace

class TestPlayer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void playDeliversConsecutivePicturesAtSourceRate_data();
    void playDeliversConsecutivePicturesAtSourceRate();
    void pausedSeekShowsExactPicture_data();
    void pausedSeekShowsExactPicture();
    void seekShowsThePicturePlayingReaches_data();
    void seekShowsThePicturePlayingReaches();
    void stepsForwardThenBackReturnToSamePicture_data();
    void stepsForwardThenBackReturnToSamePicture();
    void stepsStopAtBothEnds();
    void heldStepsBackMatchPlaying_data();
    void heldStepsBackMatchPlaying();
    void stepBackAtTheFirstPictureStays_data();
    void stepBackAtTheFirstPictureStays();
    void keyFrameStepsLandOnKeyFrames();
    void asyncSeekBurstEndsOnLastTarget();
    void deliveredSizesAndFormats();
    void rotatedClipIsDeliveredUpright();
    void waveBlocksWhileToneplays();
    void completionStopAndReopen();
    void damagedPacketsAreSkipped();
    void soundPlaysBesideAVideoStreamWithoutPictures();
    void streamWithoutTimestampsKeepsItsFrameRate();
    void seekWhileRunningAndLoop();
    void rateAndSpeedScalePlayback_data();
    void rateAndSpeedScalePlayback();
    void audioStreamChoiceKeepsPosition();
    void soundReachesTheDeviceAtTheSetVolume_data();
    void soundReachesTheDeviceAtTheSetVolume();
    void rateChangesPitchSpeedDoesNot_data();
    void rateChangesPitchSpeedDoesNot();
    void audioFallbackIsReported_data();
    void audioFallbackIsReported();
    void closeAndClearWhileFramesFlow_data();
    void closeAndClearWhileFramesFlow();
    void unopenedAndNullHandlesAreHarmless();
};

void TestPlayer::initTestCase()
{
    ZV_Initialize_Library(1, 0);
    const int32_t formats[] = {0};
    ZV_SetFrameFormats_Library(formats, 1);
    QVERIFY(!TestMedia::h264AacMp4().isEmpty());
}

void TestPlayer::playDeliversConsecutivePicturesAtSourceRate_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<qint64>("startUs");
    QTest::newRow("from the start") << TestMedia::h264AacMp4() << qint64(0);
    QTest::newRow("after a seek into a GOP") << TestMedia::h264AacMp4() << qint64(2520000);
}

void TestPlayer::playDeliversConsecutivePicturesAtSourceRate()
{
    QFETCH(QString, file);
    QFETCH(qint64, startUs);
    const auto oracle = decodeAll(file);
    QVERIFY(oracle.size() >= 140);
    PlayerRecorder rec; // outlives the player that calls it
    PlayerHandle p;
    QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_SetOriginalVideoFrameHandle_Player(p, &PlayerRecorder::callback, &rec));
    if (startUs)
        QVERIFY(ZV_Seek_Player(p, uint64_t(startUs)));
    QVERIFY(ZV_Play_Player(p));
    QVERIFY(ZV_IsRunning_Player(p));
    // 2 s of the player's own time, however long a busy machine needs for it.
    QTRY_VERIFY_WITH_TIMEOUT(ZV_GetPlayTime_Player(p) >= uint64_t(startUs) + 2000000, 20000);
    QVERIFY(ZV_Pause_Player(p));
    const uint64_t t = ZV_GetPlayTime_Player(p);
    QCOMPARE(ZV_GetVideoTime_Player(p), t);
    const auto frames = rec.frames();
    QVERIFY(!frames.isEmpty());
    // The sought picture comes first, then each the decoder gives in order. A
    // starved presentation may drop a late picture, but not many.
    QCOMPARE(oracle[indexOf(oracle, frames.first().md5)].time, double(startUs) / 1e6);
    int previous = -1, consecutive = 0;
    for (const DeliveredFrame &f : frames) {
        const int i = indexOf(oracle, f.md5);
        QVERIFY2(i >= 0, "a delivered picture differs from every picture ffmpeg decodes");
        QVERIFY2(i > previous, "pictures came out of order");
        consecutive += i == previous + 1 ? 1 : 0;
        previous = i;
    }
    // At the source rate: one picture per 40 ms of play time, none twice.
    const int expected = int((t - uint64_t(startUs)) / 40000) + 1;
    QVERIFY2(frames.size() <= expected + 1 && frames.size() >= expected * 3 / 4,
             qPrintable(QStringLiteral("%1 pictures for %2").arg(frames.size()).arg(expected)));
    QVERIFY2(consecutive >= frames.size() * 3 / 4, qPrintable(QString::number(consecutive)));
}

void TestPlayer::pausedSeekShowsExactPicture_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<double>("t");
    QTest::newRow("start") << "mp4" << 0.0;
    QTest::newRow("key frame") << "mp4" << 2.0;
    QTest::newRow("inside a GOP") << "mp4" << 2.52;
    QTest::newRow("between pictures") << "mp4" << 3.33;
    QTest::newRow("last picture") << "mp4" << 5.96;
    QTest::newRow("ts, inside a GOP") << "ts" << 2.52;
    QTest::newRow("ts, early") << "ts" << 1.0;
}

void TestPlayer::pausedSeekShowsExactPicture()
{
    QFETCH(QString, container);
    QFETCH(double, t);
    const QString file = fixture(container);
    // ffmpeg -ss is the oracle where its own seek is exact; on MPEG-TS it
    // lands after the key frame and skips ahead, so there the picture is
    // taken from a full decode instead.
    QList<OracleFrame> expected;
    if (container == "ts") {
        const double offset = videoStartOffset(file);
        for (const OracleFrame &f : decodeAll(file))
            if (f.time + offset >= t - 1e-6)
                expected.append(f);
    } else {
        expected = decodeAll(file, {"-ss", QString::number(t)});
    }
    QVERIFY(!expected.isEmpty());
    PlayerRecorder rec; // outlives the player that calls it
    PlayerHandle p;
    QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_SetVideoFrameHandle_Player(p, &PlayerRecorder::callback, &rec));
    QVERIFY(ZV_Pause_Player(p));
    QVERIFY(ZV_Seek_Player(p, uint64_t(t * 1e6)));
    QCOMPARE(ZV_GetPlayTime_Player(p), uint64_t(t * 1e6));
    QTRY_VERIFY_WITH_TIMEOUT(rec.count() >= 1, 15000);
    QCOMPARE(rec.last().md5, expected.first().md5);
    QVERIFY(ZV_IsPause_Player(p));
    // Re-delivery while paused hands the same picture again.
    const int before = rec.count();
    QVERIFY(ZV_ShowVideoFrame_Player(p));
    QTRY_VERIFY_WITH_TIMEOUT(rec.count() > before, 15000);
    QCOMPARE(rec.last().md5, expected.first().md5);
}

void TestPlayer::seekShowsThePicturePlayingReaches_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("times"); // seconds after the first picture
    QTest::newRow("mp4, pictures of every kind") << "mp4" << "2.52 2.56 2.6 3.36 4.44 5.0 1.04";
    QTest::newRow("ts") << "ts" << "4.44 2.56 3.36";
    QTest::newRow("deep inside a GOP of 250") << "gop250" << "9.8 6.04 11.92 11.96";
}

// A paused seek shows bit for bit the picture that decoding from the start
// reaches at that time, whatever it skipped on the way.
void TestPlayer::seekShowsThePicturePlayingReaches()
{
    QFETCH(QString, container);
    QFETCH(QString, times);
    const QString file = fixture(container);
    const auto oracle = decodeAll(file);
    QVERIFY(!oracle.isEmpty());
    PlayerRecorder rec; // outlives the player that calls it
    PlayerHandle p;
    QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_SetVideoFrameHandle_Player(p, &PlayerRecorder::callback, &rec));
    QVERIFY(ZV_Pause_Player(p));
    const double offset = videoStartOffset(file);
    for (const QString &word : times.split(' ')) {
        const double t = word.toDouble();
        int expected = -1;
        for (int i = 0; i < oracle.size() && expected < 0; ++i)
            if (oracle[i].time - oracle.first().time >= t - 1e-6)
                expected = i;
        QVERIFY(expected >= 0);
        const int before = rec.count();
        QVERIFY(ZV_Seek_Player(p, uint64_t(qRound64((t + oracle.first().time + offset) * 1e6))));
        QTRY_VERIFY_WITH_TIMEOUT(rec.count() > before, 15000);
        QVERIFY2(rec.last().md5 == oracle[expected].md5,
                 qPrintable(QStringLiteral("at %1 s: picture %2 of the decode expected, got %3")
                                .arg(t)
                                .arg(expected)
                                .arg(indexOf(oracle, rec.last().md5))));
    }
}

void TestPlayer::stepsForwardThenBackReturnToSamePicture_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<double>("start");
    QTest::addColumn<int>("n");
    QTest::newRow("one step") << "mp4" << 1.0 << 1;
    QTest::newRow("three steps") << "mp4" << 0.4 << 3;
    QTest::newRow("across a key frame") << "mp4" << 1.6 << 20;
    QTest::newRow("back across two GOPs") << "mp4" << 3.0 << 60;
    QTest::newRow("ts, across a key frame") << "ts" << 1.6 << 20;
    QTest::newRow("avi, back from a key frame") << "avi" << 0.2 << 20;
}

void TestPlayer::stepsForwardThenBackReturnToSamePicture()
{
    QFETCH(QString, container);
    QFETCH(double, start);
    QFETCH(int, n);
    const QString file = fixture(container);
    const auto oracle = decodeAll(file);
    PlayerRecorder rec; // outlives the player that calls it
    PlayerHandle p;
    QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_SetVideoFrameHandle_Player(p, &PlayerRecorder::callback, &rec));
    QVERIFY(ZV_Seek_Player(p, uint64_t(start * 1e6)));
    QTRY_VERIFY_WITH_TIMEOUT(rec.count() >= 1, 15000);
    const QString origin = rec.last().md5;
    const int originIndex = indexOf(oracle, origin);
    QVERIFY(originIndex >= 0);
    const uint64_t originUs = ZV_GetVideoTime_Player(p);

    if (n <= 3) {
        // One call per step, as the player panel's buttons make them.
        for (int i = 0; i < n; ++i)
            QVERIFY(ZV_FrameStep_Player(p, 1));
    } else {
        QVERIFY(ZV_FrameStep_Player(p, n));
    }
    auto movedUs = [&](int to) { return qRound64((oracle[to].time - oracle[originIndex].time) * 1e6); };
    QTRY_COMPARE_WITH_TIMEOUT(rec.last().md5, oracle[originIndex + n].md5, 15000);
    QCOMPARE(qint64(ZV_GetVideoTime_Player(p) - originUs), movedUs(originIndex + n));
    QCOMPARE(ZV_GetPlayTime_Player(p), ZV_GetVideoTime_Player(p));

    const int backSteps = n <= 3 ? n : 1;
    const int backBy = n <= 3 ? 1 : n;
    for (int i = 0; i < backSteps; ++i)
        QVERIFY(ZV_FrameStep_Player(p, -backBy));
    QTRY_COMPARE_WITH_TIMEOUT(rec.last().md5, origin, 15000);
    QCOMPARE(ZV_GetVideoTime_Player(p), originUs);
    QVERIFY(ZV_IsPause_Player(p));
}

void TestPlayer::heldStepsBackMatchPlaying_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<double>("start");
    QTest::addColumn<int>("back");
    QTest::addColumn<int>("forward");
    QTest::newRow("mp4, across key frames") << "mp4" << 5.0 << 80 << 40;
    QTest::newRow("ts, across key frames") << "ts" << 5.0 << 80 << 40;
    QTest::newRow("key frame every 250 pictures") << "gop250" << 11.5 << 120 << 90;
}

// A held step-back key: one picture per call, each the picture playing
// shows there (ffmpeg's decode), across GOP boundaries; then forward again
// past the pictures kept ahead.
void TestPlayer::heldStepsBackMatchPlaying()
{
    QFETCH(QString, container);
    QFETCH(double, start);
    QFETCH(int, back);
    QFETCH(int, forward);
    const QString file = fixture(container);
    const auto oracle = decodeAll(file);
    PlayerRecorder rec; // outlives the player that calls it
    PlayerHandle p;
    QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_SetVideoFrameHandle_Player(p, &PlayerRecorder::callback, &rec));
    QVERIFY(ZV_Seek_Player(p, uint64_t(start * 1e6)));
    QTRY_VERIFY_WITH_TIMEOUT(rec.count() >= 1, 15000);
    const int originIndex = indexOf(oracle, rec.last().md5);
    QVERIFY(originIndex >= back);
    const uint64_t originUs = ZV_GetVideoTime_Player(p);
    auto check = [&](int index) {
        QTRY_COMPARE_WITH_TIMEOUT(rec.last().md5, oracle[index].md5, 15000);
        const qint64 moved = qRound64((oracle[index].time - oracle[originIndex].time) * 1e6);
        QCOMPARE(qint64(ZV_GetVideoTime_Player(p)) - qint64(originUs), moved);
    };
    int index = originIndex;
    for (int i = 0; i < back; ++i) {
        QVERIFY2(ZV_FrameStep_Player(p, -1), qPrintable(QStringLiteral("step back %1").arg(i + 1)));
        check(--index);
        if (QTest::currentTestFailed())
            return;
    }
    for (int i = 0; i < forward; ++i) {
        QVERIFY2(ZV_FrameStep_Player(p, 1), qPrintable(QStringLiteral("step forward %1").arg(i + 1)));
        check(++index);
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY(ZV_IsPause_Player(p));
}

void TestPlayer::stepBackAtTheFirstPictureStays_data()
{
    QTest::addColumn<QString>("container");
    QTest::newRow("mp4") << "mp4";
    // A search by time for the start of an MPEG-TS lands on a later key frame.
    QTest::newRow("ts") << "ts";
}

void TestPlayer::stepBackAtTheFirstPictureStays()
{
    QFETCH(QString, container);
    const QString file = fixture(container);
    const auto oracle = decodeAll(file);
    PlayerRecorder rec; // outlives the player that calls it
    PlayerHandle p;
    QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_SetVideoFrameHandle_Player(p, &PlayerRecorder::callback, &rec));
    QVERIFY(ZV_Seek_Player(p, 0));
    QTRY_VERIFY_WITH_TIMEOUT(rec.count() >= 1, 15000);
    QCOMPARE(rec.last().md5, oracle.first().md5);
    const uint64_t first = ZV_GetVideoTime_Player(p);
    QVERIFY(!ZV_FrameStep_Player(p, -1));
    QCOMPARE(ZV_GetVideoTime_Player(p), first);
    QTest::qWait(200);
    QCOMPARE(rec.last().md5, oracle.first().md5);
}

void TestPlayer::stepsStopAtBothEnds()
{
    const QString file = TestMedia::h264AacMp4();
    const auto oracle = decodeAll(file);
    PlayerRecorder rec; // outlives the player that calls it
    PlayerHandle p;
    QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_SetVideoFrameHandle_Player(p, &PlayerRecorder::callback, &rec));
    // The first picture: a step back stays and says so.
    QVERIFY(!ZV_FrameStep_Player(p, -1));
    QTRY_VERIFY_WITH_TIMEOUT(rec.count() >= 1, 15000);
    QCOMPARE(rec.last().md5, oracle.first().md5);
    QCOMPARE(ZV_GetVideoTime_Player(p), uint64_t(0));
    // A step forward while running pauses first.
    QVERIFY(ZV_Play_Player(p));
    QTest::qWait(200);
    QVERIFY(ZV_FrameStep_Player(p, 1));
    QVERIFY(ZV_IsPause_Player(p));
    // The last picture: a step forward stays.
    QVERIFY(ZV_Seek_Player(p, ZV_GetDuration_Player(p)));
    QTRY_COMPARE_WITH_TIMEOUT(rec.last().md5, oracle.last().md5, 15000);
    // ... and answers at once: the panel calls it on the GUI thread.
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!ZV_FrameStep_Player(p, 1));
    QVERIFY2(timer.elapsed() < TestTiming::scaled(1000), qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(rec.last().md5, oracle.last().md5);
}

void TestPlayer::keyFrameStepsLandOnKeyFrames()
{
    const QString file = keysMp4();
    const QList<double> keys = keyFrameTimes(file);
    QCOMPARE(keys.size(), 4);
    PlayerRecorder rec; // outlives the player that calls it
    PlayerHandle p;
    QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_SetVideoFrameHandle_Player(p, &PlayerRecorder::callback, &rec));
    QVERIFY(ZV_Seek_Player(p, 500000));
    QTRY_VERIFY_WITH_TIMEOUT(rec.count() >= 1, 15000);
    auto near = [](uint64_t us, double s) { return std::llabs(qint64(us) - qRound64(s * 1e6)) <= 1000; };
    for (int i = 1; i < keys.size(); ++i) {
        QVERIFY(ZV_KeyFrameStep_Player(p, 1));
        QVERIFY2(near(ZV_GetVideoTime_Player(p), keys[i]),
                 qPrintable(QString("%1 vs %2").arg(ZV_GetVideoTime_Player(p)).arg(keys[i])));
    }
    QVERIFY(!ZV_KeyFrameStep_Player(p, 1)); // no key frame after the last one
    QVERIFY(near(ZV_GetVideoTime_Player(p), keys.last()));
    QVERIFY(ZV_KeyFrameStep_Player(p, -2));
    QVERIFY(near(ZV_GetVideoTime_Player(p), keys[1]));
    // From inside a GOP, back lands on that GOP's own key frame.
    QVERIFY(ZV_Seek_Player(p, 3500000));
    QVERIFY(ZV_FrameStep_Player(p, 1));
    QVERIFY(ZV_KeyFrameStep_Player(p, -1));
    QVERIFY(near(ZV_GetVideoTime_Player(p), keys[2]));
    QVERIFY(ZV_KeyFrameStep_Player(p, -1));
    QVERIFY(ZV_KeyFrameStep_Player(p, -1));
    QVERIFY(near(ZV_GetVideoTime_Player(p), keys[0]));
    QVERIFY(!ZV_KeyFrameStep_Player(p, -1));
}

void TestPlayer::asyncSeekBurstEndsOnLastTarget()
{
    const QString file = TestMedia::h264AacMp4();
    const auto expected = decodeAll(file, {"-ss", "4.52"});
    PlayerRecorder rec; // outlives the player that calls it
    PlayerHandle p;
    QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_SetVideoFrameHandle_Player(p, &PlayerRecorder::callback, &rec));
    QVERIFY(ZV_BeginAsyncSeek_Player(p, 2000000));
    for (int i = 0; i <= 40; ++i)
        QVERIFY(ZV_Seek_Player(p, uint64_t(i) * 4520000 / 40));
    QCOMPARE(ZV_GetPlayTime_Player(p), uint64_t(4520000));
    QTest::qWait(300);
    // Only the newest targets were served, not one picture per request.
    QVERIFY2(rec.count() < 20, qPrintable(QString::number(rec.count())));
    QVERIFY(ZV_EndAsyncSeek_Player(p));
    QVERIFY(ZV_ShowVideoFrame_Player(p));
    QTRY_COMPARE_WITH_TIMEOUT(rec.last().md5, expected.first().md5, 15000);
}

void TestPlayer::deliveredSizesAndFormats()
{
    const QString file = oddMp4();
    QVERIFY(!file.isEmpty());
    const auto expected = decodeAll(file);
    for (const int code : {0, 30}) {
        const int32_t formats[] = {code, 0};
        ZV_SetFrameFormats_Library(formats, 2);
        PlayerRecorder original, edited;
        PlayerHandle p;
        QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
        QCOMPARE(ZV_GetVideoSize_Player(p), (uint64_t(241) << 32) | 321);
        QVERIFY(ZV_SetOriginalVideoFrameHandle_Player(p, &PlayerRecorder::callback, &original));
        QVERIFY(ZV_SetVideoFrameHandle_Player(p, &PlayerRecorder::callback, &edited));
        QVERIFY(ZV_ShowVideoFrame_Player(p));
        QTRY_VERIFY_WITH_TIMEOUT(original.count() >= 1 && edited.count() >= 1, 15000);
        const DeliveredFrame o = original.last(), e = edited.last();
        QCOMPARE(o.format, code);
        QCOMPARE(e.format, code);
        // The original keeps the source size; the edited picture is the even default size.
        QCOMPARE(o.width, 321);
        QCOMPARE(o.height, 241);
        QCOMPARE(e.width, 320);
        QCOMPARE(e.height, 240);
        QVERIFY(o.stride0 >= (code == 30 ? 4 * 321 : 321));
        if (code == 0)
            QCOMPARE(o.md5, expected.first().md5); // 4:4:4 converted as ffmpeg converts it
    }
    const int32_t formats[] = {0};
    ZV_SetFrameFormats_Library(formats, 1);
}

void TestPlayer::rotatedClipIsDeliveredUpright()
{
    const QString file = TestMedia::make("player_rotated_90.mp4",
                                         {"-i", TestMedia::h264AacMp4(), "-t", "1", "-c", "copy",
                                          "-metadata:s:v:0", "rotate=90"});
    QVERIFY(!file.isEmpty());
    const auto expected = decodeAll(file); // ffmpeg turns the picture upright too
    PlayerRecorder original, edited;
    PlayerHandle p;
    QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
    QCOMPARE(ZV_GetVideoSize_Player(p), (uint64_t(320) << 32) | 240);
    QCOMPARE(ZV_GetVideoAspectRatio_Player(p), (uint64_t(4) << 32) | 3);
    QVERIFY(ZV_SetOriginalVideoFrameHandle_Player(p, &PlayerRecorder::callback, &original));
    QVERIFY(ZV_SetVideoFrameHandle_Player(p, &PlayerRecorder::callback, &edited));
    QVERIFY(ZV_Seek_Player(p, 520000));
    QTRY_VERIFY_WITH_TIMEOUT(original.count() >= 1 && edited.count() >= 1, 15000);
    QCOMPARE(original.last().width, 240);
    QCOMPARE(original.last().height, 320);
    QCOMPARE(original.last().md5, expected[13].md5);
    QCOMPARE(edited.last().md5, expected[13].md5);
}

void TestPlayer::waveBlocksWhileToneplays()
{
    PlayerHandle p;
    QVERIFY(ZV_Open_Player(p, TestMedia::sineWav().toUtf8(), 0, 0, 0, 0));
    QVERIFY(!ZV_HasVideo_Player(p));
    QVERIFY(ZV_HasAudio_Player(p));
    QCOMPARE(ZV_GetVideoSize_Player(p), uint64_t(0));
    QVERIFY(!ZV_GetAudioWaveData_Player(p, 1)); // off until switched on
    QVERIFY(ZV_EnableAudioWaveData_Player(p, 1));
    const uint32_t rate = ZV_GetAudioWaveRate_Player(p);
    QCOMPARE(rate, 2u * 44100u);
    QVERIFY(ZV_Play_Player(p));
    int blocks = 0, loud = 0;
    QElapsedTimer timer;
    timer.start();
    // Until most of a second has played, however long that takes here.
    while ((ZV_GetPlayTime_Player(p) <= 800000 || blocks < 10) && timer.elapsed() < 20000) {
        QTest::qWait(50);
        uint8_t *b = ZV_GetAudioWaveData_Player(p, 1);
        if (!b)
            continue;
        ++blocks;
        auto le16 = [&](int at) { return uint32_t(b[at] | (b[at + 1] << 8)); };
        auto le32 = [&](int at) { return le16(at) | (le16(at + 2) << 16); };
        QCOMPARE(QByteArray(reinterpret_cast<char *>(b), 4), QByteArray("ZVWB"));
        QCOMPARE(le32(4), 44u);
        QCOMPARE(le16(16), 1u);
        QCOMPARE(le16(18), 16u);
        QCOMPARE(le32(20), rate / 2);
        QCOMPARE(le32(24), rate);
        const uint32_t n = le32(40);
        QVERIFY(n % 2 == 0 && n <= 8192 && n > 0);
        uint32_t peak = 0;
        for (uint32_t i = 0; i < n / 2; ++i)
            peak = std::max(peak, le16(44 + 2 * int(i)));
        // The tone is at 1/8 of full scale, 3 dB down in each channel after the
        // fixture's upmix to stereo: magnitudes doubled peak near 5790.
        loud += peak > 5000 && peak < 6600 ? 1 : 0;
        ZV_FreeAudioWaveData_Player(p, b);
    }
    QVERIFY2(blocks >= 10, qPrintable(QString::number(blocks)));
    QVERIFY(loud >= blocks - 2);
    QVERIFY(ZV_GetPlayTime_Player(p) > 700000);
    QVERIFY(ZV_Pause_Player(p));
    QTest::qWait(60);
    ZV_FreeAudioWaveData_Player(p, ZV_GetAudioWaveData_Player(p, 1));
    QTest::qWait(60);
    QVERIFY(!ZV_GetAudioWaveData_Player(p, 1)); // nothing played since the last call
    QVERIFY(ZV_FreeAudioWaveData_Player(p, nullptr));
}

// An MPEG-TS copy of `clean` whose packets between 35 % and 50 % of the file
// carry scrambled payload (their 4-byte headers kept, so the demuxer still
// finds them): the decoders get packets they cannot read.
static bool writeDamagedCopy(const QString &clean, const QString &damaged)
{
    QFile in(clean);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = in.readAll();
    constexpr int kPacket = 188;
    const int from = int(bytes.size() * 0.35) / kPacket * kPacket;
    const int to = int(bytes.size() * 0.50) / kPacket * kPacket;
    quint32 seed = 12345;
    for (int at = from; at < to; at += kPacket) {
        for (int i = 4; i < kPacket; ++i) {
            seed = seed * 1664525u + 1013904223u;
            bytes[at + i] = char(seed >> 24);
        }
    }
    QFile out(damaged);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
}

void TestPlayer::damagedPacketsAreSkipped()
{
    const QString clean = TestMedia::make("player_damage_source_4s.ts",
                                          {"-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25:duration=4", "-f",
                                           "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=4", "-c:v",
                                           "libx264", "-preset", "veryfast", "-g", "25", "-pix_fmt", "yuv420p", "-c:a",
                                           "aac", "-shortest", "-f", "mpegts"});
    QVERIFY(!clean.isEmpty());
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString damaged = dir.filePath("damaged.ts");
    QVERIFY(writeDamagedCopy(clean, damaged));
    // The damage is real: ffmpeg's own decoders complain about it.
    const auto check = TestMedia::run("ffmpeg", {"-v", "error", "-i", damaged, "-f", "null", "-"});
    QVERIFY2(!check.err.trimmed().isEmpty(), "the scrambled packets decoded without a complaint");

    PlayerRecorder rec; // outlives the player that calls it
    PlayerHandle p;
    QVERIFY(ZV_Open_Player(p, damaged.toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_HasVideo_Player(p) && ZV_HasAudio_Player(p));
    QVERIFY(ZV_SetVideoFrameHandle_Player(p, &PlayerRecorder::callback, &rec));
    QVERIFY(ZV_EnableAudioWaveData_Player(p, 1));
    QVERIFY(ZV_Play_Player(p));
    // Sound keeps coming after the damaged part (which ends near 2 s).
    int blocksAfter = 0;
    QElapsedTimer timer;
    timer.start();
    while (!ZV_IsCompleted_Player(p) && timer.elapsed() < 60000) {
        QTest::qWait(50);
        const uint64_t at = ZV_GetPlayTime_Player(p);
        if (uint8_t *block = ZV_GetAudioWaveData_Player(p, 1)) {
            blocksAfter += at > 2600000 ? 1 : 0;
            ZV_FreeAudioWaveData_Player(p, block);
        }
    }
    QVERIFY2(ZV_IsCompleted_Player(p), qPrintable(QString("stuck at %1 us").arg(ZV_GetPlayTime_Player(p))));
    QVERIFY2(ZV_GetPlayTime_Player(p) >= 3500000, qPrintable(QString::number(ZV_GetPlayTime_Player(p))));
    QVERIFY2(blocksAfter >= 3, qPrintable(QString::number(blocksAfter)));
    // Pictures on both sides of the damage: at least half of the 100 arrive.
    QVERIFY2(rec.count() >= 50, qPrintable(QString::number(rec.count())));
}

// A video stream that holds no picture at all cannot be searched: a seek
// must still find the sound, which then plays to its end.
void TestPlayer::soundPlaysBesideAVideoStreamWithoutPictures()
{
    const QString file = TestMedia::make("player_video_without_pictures.mkv",
                                         {"-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25", "-f", "lavfi", "-i",
                                          "sine=frequency=440:sample_rate=44100", "-map", "0:v", "-map", "1:a", "-vf",
                                          "trim=end_frame=0", "-t", "1", "-c:v", "libx264", "-c:a", "flac"});
    PlayerHandle p;
    QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_HasAudio_Player(p));
    QVERIFY(ZV_EnableAudioWaveData_Player(p, 1));
    QVERIFY(ZV_Seek_Player(p, 0));
    QTest::qWait(100); // the stopped seek is served before playing
    QVERIFY(ZV_Play_Player(p));
    const auto soundCame = [&] {
        uint8_t *block = ZV_GetAudioWaveData_Player(p, 1);
        ZV_FreeAudioWaveData_Player(p, block);
        return block != nullptr;
    };
    // QTRY evaluates once more at the end: what was seen once stays seen.
    bool came = false;
    QTRY_VERIFY_WITH_TIMEOUT(came = came || soundCame(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(ZV_IsCompleted_Player(p), 10000);
    QVERIFY(ZV_GetPlayTime_Player(p) >= 900000);
}

// A raw H.264 stream has no timestamps: its pictures are counted at the
// frame rate, so steps move the video time and playback lasts its length.
void TestPlayer::streamWithoutTimestampsKeepsItsFrameRate()
{
    const QString file = TestMedia::make("player_raw_1s.h264",
                                         {"-f", "lavfi", "-i", "testsrc2=size=160x120:rate=25:duration=1", "-c:v",
                                          "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p", "-f", "h264"});
    PlayerRecorder rec; // outlives the player that calls it
    PlayerHandle p;
    QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_SetOriginalVideoFrameHandle_Player(p, &PlayerRecorder::callback, &rec));
    QVERIFY(ZV_Seek_Player(p, 0));
    QTRY_VERIFY_WITH_TIMEOUT(rec.count() >= 1, 15000);
    for (int i = 1; i <= 3; ++i) {
        QVERIFY(ZV_FrameStep_Player(p, 1));
        QCOMPARE(ZV_GetVideoTime_Player(p), uint64_t(i * 40000));
    }
    QElapsedTimer clock;
    clock.start();
    QVERIFY(ZV_Play_Player(p));
    QTRY_VERIFY_WITH_TIMEOUT(ZV_IsCompleted_Player(p), TestTiming::scaled(4000));
    QVERIFY2(clock.elapsed() >= 700, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(ZV_GetVideoTime_Player(p), uint64_t(960000));
}

void TestPlayer::completionStopAndReopen()
{
    const QString file = shortMp4();
    PlayerRecorder rec; // outlives the player that calls it
    PlayerHandle p;
    QVERIFY(!ZV_IsCompleted_Player(p));
    QVERIFY(!ZV_Stop_Player(p)); // a stop on a fresh player is harmless
    QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_IsStop_Player(p));
    QVERIFY(!ZV_IsCompleted_Player(p));
    QVERIFY(ZV_SetVideoFrameHandle_Player(p, &PlayerRecorder::callback, &rec));
    QVERIFY(ZV_Play_Player(p));
    QTRY_VERIFY_WITH_TIMEOUT(ZV_IsCompleted_Player(p), TestTiming::scaled(4000));
    QVERIFY(ZV_IsPause_Player(p));
    QVERIFY(!ZV_IsRunning_Player(p));
    QVERIFY(rec.count() >= 22);
    QVERIFY(ZV_GetPlayTime_Player(p) >= 900000);
    QVERIFY(ZV_Stop_Player(p));
    QVERIFY(ZV_IsStop_Player(p));
    QVERIFY(!ZV_IsCompleted_Player(p));
    QCOMPARE(ZV_GetPlayTime_Player(p), uint64_t(0));
    // A completed player plays again from the start: the next picture it
    // delivers is one of the first half second, however late it comes here.
    QVERIFY(ZV_Play_Player(p));
    QTRY_VERIFY_WITH_TIMEOUT(ZV_IsCompleted_Player(p), TestTiming::scaled(4000));
    const int beforeReplay = rec.count();
    QVERIFY(ZV_Play_Player(p));
    QVERIFY(ZV_IsRunning_Player(p) || ZV_IsCompleted_Player(p));
    QTRY_VERIFY_WITH_TIMEOUT(rec.count() > beforeReplay, TestTiming::scaled(4000));
    const int replayed = indexOf(decodeAll(file), rec.frames().at(beforeReplay).md5);
    QVERIFY2(replayed >= 0 && replayed < 12, qPrintable(QString::number(replayed)));
    // Reopen: stopped at 0 again, nothing of the old media left.
    QVERIFY(ZV_Open_Player(p, TestMedia::h264AacMp4().toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_IsStop_Player(p));
    QCOMPARE(ZV_GetPlayTime_Player(p), uint64_t(0));
    QVERIFY(std::llabs(qint64(ZV_GetDuration_Player(p)) - 6000000) < 100000);
    // An info handle opens what the player has open, and nothing once it closed.
    ZvInfo *info = ZV_Create_Info(0xFFFFFFFF);
    QVERIFY(ZV_OpenWithPlayer_Info(info, p));
    QCOMPARE(ZV_GetVideoWidth_Info(info), 320u);
    QVERIFY(ZV_Close_Player(p));
    QVERIFY(!ZV_OpenWithPlayer_Info(info, p));
    ZV_Close_Info(info);
    ZV_Destroy_Info(info);
    QVERIFY(!ZV_HasVideo_Player(p));
    QVERIFY(!ZV_Play_Player(p));
    QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_Play_Player(p));
    QTRY_VERIFY_WITH_TIMEOUT(ZV_IsCompleted_Player(p), TestTiming::scaled(4000));
    // A failed open still closed the old media.
    QVERIFY(!ZV_Open_Player(p, "/nonexistent/clip.mp4", 0, 0, 0, 0));
    QVERIFY(!ZV_Play_Player(p));
    QVERIFY(!ZV_HasVideo_Player(p));
    QCOMPARE(ZV_GetDuration_Player(p), uint64_t(0));
}

void TestPlayer::seekWhileRunningAndLoop()
{
    const QString file = TestMedia::h264AacMp4();
    const auto oracle = decodeAll(file);
    {
        PlayerRecorder rec;
        PlayerHandle p;
        QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
        QVERIFY(ZV_SetVideoFrameHandle_Player(p, &PlayerRecorder::callback, &rec));
        QVERIFY(ZV_Play_Player(p));
        QTRY_VERIFY_WITH_TIMEOUT(rec.count() >= 5, 10000);
        const int before = rec.count();
        QVERIFY(ZV_Seek_Player(p, 4000000));
        QVERIFY(ZV_IsRunning_Player(p));
        QTRY_VERIFY_WITH_TIMEOUT(rec.count() >= before + 10, 10000);
        QVERIFY(ZV_Pause_Player(p));
        const auto frames = rec.frames().mid(before);
        int first = 0;
        while (first < frames.size() && indexOf(oracle, frames[first].md5) < 100)
            ++first;
        QVERIFY(first <= 1); // at most one picture was already on its way
        QVERIFY(frames.size() - first >= 8);
        // Playback goes on from the picture at the target, in order; a starved
        // presentation may drop a late picture, but not many.
        QCOMPARE(indexOf(oracle, frames[first].md5), 100);
        int consecutive = 0;
        for (int i = first + 1; i < frames.size(); ++i) {
            const int step = indexOf(oracle, frames[i].md5) - indexOf(oracle, frames[i - 1].md5);
            QVERIFY2(step > 0, "pictures came out of order");
            consecutive += step == 1 ? 1 : 0;
        }
        QVERIFY2(consecutive >= (frames.size() - first - 1) * 3 / 4, qPrintable(QString::number(consecutive)));
    }
    {
        PlayerHandle p;
        QVERIFY(ZV_Open_Player(p, shortMp4().toUtf8(), 0, 0, 0, 0));
        QVERIFY(ZV_EnableLoop_Player(p, 1));
        QVERIFY(ZV_Play_Player(p));
        // A one-second clip played past its end starts over instead of completing.
        uint64_t peak = 0;
        const auto startedOver = [&] {
            const uint64_t now = ZV_GetPlayTime_Player(p);
            peak = std::max(peak, now);
            return peak >= 600000 && now + 300000 < peak;
        };
        bool over = false;
        QTRY_VERIFY_WITH_TIMEOUT(over = over || startedOver(), 20000);
        QVERIFY(ZV_IsRunning_Player(p));
        QVERIFY(!ZV_IsCompleted_Player(p));
    }
}

void TestPlayer::rateAndSpeedScalePlayback_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("speed");
    QTest::newRow("double speed") << 100 << 200;
    QTest::newRow("half rate") << 50 << 100;
    QTest::newRow("both") << 200 << 150;
}

// One second of playing covers rate x speed seconds of media, sound and
// pictures alike, and the pictures still come one after another.
void TestPlayer::rateAndSpeedScalePlayback()
{
    QFETCH(int, rate);
    QFETCH(int, speed);
    const QString file = TestMedia::h264AacMp4();
    const auto oracle = decodeAll(file);
    PlayerRecorder rec;
    PlayerHandle p;
    QVERIFY(ZV_SetAudioRate_Player(p, uint64_t(rate)));
    QVERIFY(ZV_ChangeSpeed_Player(p, speed));
    QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0)); // settings survive the open
    QVERIFY(ZV_SetVideoFrameHandle_Player(p, &PlayerRecorder::callback, &rec));
    QVERIFY(ZV_EnableAudioWaveData_Player(p, 1));
    QVERIFY(ZV_Play_Player(p));
    // The clock starts with the first picture; from there, a second of the
    // wall clock (however the test thread is scheduled) against the play time.
    QTRY_VERIFY_WITH_TIMEOUT(rec.count() >= 1, 10000);
    QElapsedTimer timer;
    timer.start();
    const double from = ZV_GetPlayTime_Player(p) / 1e6;
    QTRY_VERIFY_WITH_TIMEOUT(timer.elapsed() >= 1000, 10000);
    const double played = ZV_GetPlayTime_Player(p) / 1e6 - from;
    const double factor = rate / 100.0 * speed / 100.0;
    const double expected = timer.elapsed() / 1000.0 * factor;
    QVERIFY(ZV_Pause_Player(p));
    QVERIFY2(std::abs(played - expected) < 0.2 * expected, qPrintable(QString("%1 vs %2").arg(played).arg(expected)));
    const auto frames = rec.frames();
    int previous = -1;
    for (const DeliveredFrame &f : frames) {
        const int i = indexOf(oracle, f.md5);
        QVERIFY(i > previous);
        previous = i;
    }
    QVERIFY(previous >= int((from + expected) * 25 * 0.8));
    uint8_t *block = ZV_GetAudioWaveData_Player(p, 1);
    QVERIFY(block); // the sound went through the output too
    ZV_FreeAudioWaveData_Player(p, block);
}

// Peak level of the wave blocks gathered over about half a second of play,
// however long the sound thread takes to play it here.
static uint32_t playedPeak(ZvPlayer *p)
{
    ZV_EnableAudioWaveData_Player(p, 1);
    const uint64_t from = ZV_GetPlayTime_Player(p);
    ZV_Play_Player(p);
    uint32_t peak = 0;
    int blocks = 0;
    QElapsedTimer waited;
    waited.start();
    while ((blocks < 5 || ZV_GetPlayTime_Player(p) < from + 500000) && waited.elapsed() < TestTiming::scaled(5000)) {
        QTest::qWait(50);
        uint8_t *b = ZV_GetAudioWaveData_Player(p, 1);
        if (!b)
            continue;
        ++blocks;
        const uint32_t n = uint32_t(b[40] | b[41] << 8);
        for (uint32_t k = 0; k < n / 2; ++k)
            peak = std::max(peak, uint32_t(b[44 + 2 * k] | b[45 + 2 * k] << 8));
        ZV_FreeAudioWaveData_Player(p, b);
    }
    ZV_Pause_Player(p);
    return peak;
}

void TestPlayer::audioStreamChoiceKeepsPosition()
{
    PlayerRecorder rec;
    PlayerHandle p;
    QVERIFY(ZV_Open_Player(p, twoAudioMkv().toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_SetVideoFrameHandle_Player(p, &PlayerRecorder::callback, &rec));
    QCOMPARE(playedPeak(p), 0u); // the first stream is silent
    QVERIFY(ZV_Seek_Player(p, 2000000));
    QTRY_VERIFY_WITH_TIMEOUT(ZV_GetVideoTime_Player(p) == 2000000, 15000);
    QVERIFY(ZV_SetAudioIndex_Player(p, 1));
    QVERIFY(ZV_IsPause_Player(p));
    QCOMPARE(ZV_GetPlayTime_Player(p), uint64_t(2000000));
    QVERIFY(playedPeak(p) > 3000); // the tone of the second stream
    // No audio at all: the picture still plays on the system clock.
    QVERIFY(ZV_SetAudioIndex_Player(p, 0xFFFFFFFF));
    QVERIFY(!ZV_HasAudio_Player(p));
    QVERIFY(ZV_HasVideo_Player(p));
    const uint64_t t0 = ZV_GetPlayTime_Player(p);
    QVERIFY(ZV_Play_Player(p));
    QTRY_VERIFY_WITH_TIMEOUT(ZV_GetPlayTime_Player(p) > t0 + 150000, 10000);
}

void TestPlayer::soundReachesTheDeviceAtTheSetVolume_data()
{
    QTest::addColumn<int>("volume");
    QTest::addColumn<int>("rendererVolume");
    QTest::addColumn<int>("peak");
    // The tone: 1/8 of full scale, 3 dB down per channel after the upmix.
    QTest::newRow("unity") << 100 << 100 << 2896;
    QTest::newRow("half") << 50 << 100 << 1448;
    QTest::newRow("half on both") << 100 << 50 << 1448;
    QTest::newRow("muted") << 0 << 100 << 0;
}

// Waits until SDL's disk driver has written `bytes` of what the device played;
// a busy machine plays no slower, it only starts later.
static void waitForPlayed(const QString &file, qint64 bytes)
{
    QElapsedTimer waited;
    waited.start();
    while (QFileInfo(file).size() < bytes && waited.elapsed() < 20000)
        QTest::qWait(20);
}

// The pitch of the 1 kHz tone as played: rate changes it, speed does not.
void TestPlayer::rateChangesPitchSpeedDoesNot_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("speed");
    QTest::addColumn<double>("hz");
    QTest::newRow("normal") << 100 << 100 << 1000.0;
    QTest::newRow("speed 200") << 100 << 200 << 1000.0;
    QTest::newRow("speed 50") << 100 << 50 << 1000.0;
    QTest::newRow("rate 200") << 200 << 100 << 2000.0;
    QTest::newRow("rate 50") << 50 << 100 << 500.0;
}

void TestPlayer::rateChangesPitchSpeedDoesNot()
{
    QFETCH(int, rate);
    QFETCH(int, speed);
    QFETCH(double, hz);
    QTemporaryDir dir;
    const QString out = dir.filePath("played.raw");
    const QByteArray oldAudio = qgetenv("ZV_AUDIO");
    qunsetenv("ZV_AUDIO");
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", out.toUtf8());
    ZvPlayer *p = ZV_Create_Player(0xFFFFFFFF);
    ZV_SetAudioRate_Player(p, uint64_t(rate));
    ZV_ChangeSpeed_Player(p, speed);
    const bool opened = ZV_Open_Player(p, TestMedia::sineWav().toUtf8(), 0, 0, 0, 0);
    const uint32_t sampleRate = ZV_GetAudioWaveRate_Player(p) / 2;
    ZV_Play_Player(p);
    waitForPlayed(out, qint64(sampleRate) * 4 * 6 / 10);
    ZV_Close_Player(p);
    ZV_Destroy_Player(p);
    qputenv("ZV_AUDIO", oldAudio);
    qunsetenv("SDL_AUDIODRIVER");
    qunsetenv("SDL_DISKAUDIOFILE");
    QVERIFY(opened);
    QFile f(out);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray raw = f.readAll();
    const auto *samples = reinterpret_cast<const int16_t *>(raw.constData());
    const int frames = raw.size() / 4; // stereo
    // Rising zero crossings of the left channel over the loud part.
    int first = 0;
    while (first < frames && std::abs(samples[2 * first]) < 500)
        ++first;
    int last = frames - 1;
    while (last > first && std::abs(samples[2 * last]) < 500)
        --last;
    int crossings = 0;
    for (int i = first + 1; i <= last; ++i)
        crossings += samples[2 * (i - 1)] < 0 && samples[2 * i] >= 0 ? 1 : 0;
    const double seconds = double(last - first) / sampleRate;
    QVERIFY2(seconds > 0.2, qPrintable(QString::number(seconds)));
    const double measured = crossings / seconds;
    QVERIFY2(std::abs(measured - hz) < hz * 0.05, qPrintable(QString::number(measured)));
}

// SDL's disk driver writes what the device plays into a file.
void TestPlayer::soundReachesTheDeviceAtTheSetVolume()
{
    QFETCH(int, volume);
    QFETCH(int, rendererVolume);
    QFETCH(int, peak);
    QTemporaryDir dir;
    const QString out = dir.filePath("played.raw");
    const QByteArray oldAudio = qgetenv("ZV_AUDIO");
    qunsetenv("ZV_AUDIO");
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", out.toUtf8());
    ZvPlayer *p = ZV_Create_Player(0xFFFFFFFF);
    const bool opened = ZV_Open_Player(p, TestMedia::sineWav().toUtf8(), 0, 0, 0, 0);
    const int failed = ZV_IsAudioRendererOpenFailed_Player(p);
    ZV_SetAudioVolume_Player(p, uint64_t(volume));
    ZV_SetAudioRendererVolume_Player(p, uint64_t(rendererVolume));
    ZV_Play_Player(p);
    waitForPlayed(out, 2 * 44100 * 4 / 3);
    ZV_Close_Player(p);
    ZV_Destroy_Player(p);
    qputenv("ZV_AUDIO", oldAudio);
    qunsetenv("SDL_AUDIODRIVER");
    qunsetenv("SDL_DISKAUDIOFILE");
    QVERIFY(opened);
    QCOMPARE(failed, 0);
    QFile f(out);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray raw = f.readAll();
    QVERIFY2(raw.size() > 44100, qPrintable(QString::number(raw.size()))); // a good part of a second
    const auto *samples = reinterpret_cast<const int16_t *>(raw.constData());
    int maxLevel = 0;
    for (int i = 0; i < raw.size() / 2; ++i)
        maxLevel = std::max(maxLevel, std::abs(int(samples[i])));
    QVERIFY2(std::abs(maxLevel - peak) <= peak / 20 + 2, qPrintable(QString::number(maxLevel)));
}

void TestPlayer::audioFallbackIsReported_data()
{
    QTest::addColumn<QByteArray>("zvAudio");
    QTest::addColumn<QByteArray>("sdlDriver");
    QTest::addColumn<uint32_t>("flags");
    QTest::addColumn<int>("failed");
    QTest::newRow("silent on purpose") << QByteArray("null") << QByteArray("dummy") << 0xFFFFFFFFu << 0;
    QTest::newRow("no such device") << QByteArray() << QByteArray("nosuchdriver") << 0xFFFFFFFFu << 1;
    QTest::newRow("device opens") << QByteArray() << QByteArray("dummy") << 0xFFFFFFFFu << 0;
    QTest::newRow("no output asked for") << QByteArray() << QByteArray("nosuchdriver") << 0xFFFFFFFDu << 0;
}

void TestPlayer::audioFallbackIsReported()
{
    QFETCH(QByteArray, zvAudio);
    QFETCH(QByteArray, sdlDriver);
    QFETCH(uint32_t, flags);
    QFETCH(int, failed);
    const QByteArray oldAudio = qgetenv("ZV_AUDIO");
    if (zvAudio.isEmpty())
        qunsetenv("ZV_AUDIO");
    else
        qputenv("ZV_AUDIO", zvAudio);
    qputenv("SDL_AUDIODRIVER", sdlDriver);
    ZvPlayer *p = ZV_Create_Player(flags);
    const bool opened = ZV_Open_Player(p, TestMedia::sineWav().toUtf8(), 0, 0, 0, 0);
    const int reported = ZV_IsAudioRendererOpenFailed_Player(p);
    const bool played = ZV_Play_Player(p);
    // Playback advances either way; a starved sound thread only makes it slower.
    QElapsedTimer waited;
    waited.start();
    while (ZV_GetPlayTime_Player(p) < 250000 && waited.elapsed() < 10000)
        QTest::qWait(20);
    const uint64_t t = ZV_GetPlayTime_Player(p);
    ZV_Close_Player(p);
    ZV_Destroy_Player(p);
    qputenv("ZV_AUDIO", oldAudio);
    qunsetenv("SDL_AUDIODRIVER");
    QVERIFY(opened);
    QCOMPARE(reported, failed);
    QVERIFY(played);
    QVERIFY2(t >= 250000, qPrintable(QString::number(t)));
}

void TestPlayer::closeAndClearWhileFramesFlow_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("close") << 0;
    QTest::newRow("clear the callback") << 1;
    QTest::newRow("destroy without close") << 2;
    QTest::newRow("reopen") << 3;
}

// The test frees the callback's data right after each call; a late callback
// writes into freed memory, which the sanitizer builds report.
void TestPlayer::closeAndClearWhileFramesFlow()
{
    QFETCH(int, how);
    struct Sink {
        std::atomic<int> calls{0};
        char scratch[64];
        static unsigned int proc(void *user, void *frame)
        {
            auto *self = static_cast<Sink *>(user);
            std::memset(self->scratch, ZV_GetVideoFormat_Frame(static_cast<ZvFrame *>(frame)), sizeof self->scratch);
            self->calls++;
            return 1;
        }
    };
    const QString file = TestMedia::h264AacMp4();
    for (int round = 0; round < 5; ++round) {
        ZvPlayer *p = ZV_Create_Player(0xFFFFFFFF);
        auto *sink = new Sink;
        auto *sink2 = new Sink;
        QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
        ZV_SetVideoFrameHandle_Player(p, &Sink::proc, sink);
        ZV_SetOriginalVideoFrameHandle_Player(p, &Sink::proc, sink2);
        ZV_SetTimeInterval_Player(p, 5000);
        QVERIFY(ZV_Play_Player(p));
        QTRY_VERIFY_WITH_TIMEOUT(sink->calls > 2, 15000);
        QTest::qWait(17 * round);
        switch (how) {
        case 0:
            ZV_Close_Player(p);
            break;
        case 1:
            ZV_SetVideoFrameHandle_Player(p, nullptr, nullptr);
            ZV_SetOriginalVideoFrameHandle_Player(p, nullptr, nullptr);
            break;
        case 2:
            ZV_Destroy_Player(p);
            p = nullptr;
            break;
        case 3:
            ZV_SetVideoFrameHandle_Player(p, nullptr, nullptr);
            ZV_SetOriginalVideoFrameHandle_Player(p, nullptr, nullptr);
            QVERIFY(ZV_Open_Player(p, file.toUtf8(), 0, 0, 0, 0));
            QVERIFY(ZV_Play_Player(p));
            break;
        }
        const int seen = sink->calls;
        delete sink;
        delete sink2;
        QTest::qWait(60);
        QVERIFY(seen > 0);
        if (p) {
            ZV_Close_Player(p);
            ZV_Destroy_Player(p);
        }
    }
}

void TestPlayer::unopenedAndNullHandlesAreHarmless()
{
    QVERIFY(!ZV_Play_Player(nullptr));
    QVERIFY(!ZV_Seek_Player(nullptr, 0));
    QCOMPARE(ZV_GetDuration_Player(nullptr), uint64_t(0));
    QVERIFY(!ZV_GetAudioWaveData_Player(nullptr, 1));
    QVERIFY(!ZV_CaptureVideoImage_Player(nullptr, 0, 0, 0));
    QVERIFY(!ZV_OpenDVD_Player(nullptr, "x", 0, 0, 0, 0));
    ZV_Destroy_Player(nullptr);
    PlayerRecorder rec;
    PlayerHandle p;
    QVERIFY(!ZV_IsStop_Player(p) && !ZV_IsPause_Player(p) && !ZV_IsRunning_Player(p));
    QVERIFY(!ZV_Pause_Player(p));
    QVERIFY(!ZV_FrameStep_Player(p, 1));
    QVERIFY(!ZV_KeyFrameStep_Player(p, -1));
    QVERIFY(!ZV_CaptureVideoImage_Player(p, 0, 0, 0));
    QVERIFY(!ZV_IsAudioRendererOpenFailed_Player(p));
    // Edit setters store their value on an unopened handle; it survives the open.
    QVERIFY(ZV_SetVideoRotate_Player(p, 90));
    QVERIFY(ZV_SetWatermarkIndex_Player(p, 1));
    QVERIFY(!ZV_SetWatermarkImageFile_Player(p, "/tmp/no-such-overlay.png")); // nothing to show: refused
    QVERIFY(ZV_SetWatermarkImagePosition_Player(p, 0.25, 0.5));
    // Nothing was laid out yet: no box to read back.
    QCOMPARE(ZV_GetWatermarkImagePosX_Player(p), 0.0);
    ZvPlayer *second = ZV_Reference_Player(p);
    QVERIFY(second);
    ZV_Destroy_Player(second); // one reference left: still usable
    QVERIFY(ZV_Open_Player(p, TestMedia::h264AacMp4().toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_HasVideo_Player(p));
    const uint64_t aspect = ZV_GetVideoAspectRatio_Player(p);
    QCOMPARE(aspect, (uint64_t(3) << 32) | 4);
    // Capture: a BMP of the current picture, at its size or scaled.
    QVERIFY(ZV_SetVideoFrameHandle_Player(p, &PlayerRecorder::callback, &rec));
    QVERIFY(ZV_Seek_Player(p, 1000000));
    QTRY_VERIFY_WITH_TIMEOUT(rec.count() >= 1, 15000);
    // With show-when-setting on, a change re-delivers the paused picture by itself.
    QVERIFY(ZV_EnableShowWhenSetting_Player(p, 1));
    QTest::qWait(100);
    const int shown = rec.count();
    QVERIFY(ZV_SetVideoHue_Player(p, 20));
    QTRY_VERIFY_WITH_TIMEOUT(rec.count() > shown, 15000);
    for (const QSize size : {QSize(0, 0), QSize(160, 90)}) {
        uint8_t *bmp = ZV_CaptureVideoImage_Player(p, uint32_t(size.width()), uint32_t(size.height()), 0);
        QVERIFY(bmp);
        QCOMPARE(bmp[0], uint8_t('B'));
        QImage img;
        QVERIFY(img.loadFromData(bmp, int(bmp[2] | bmp[3] << 8 | bmp[4] << 16 | bmp[5] << 24), "BMP"));
        // The edited picture: the rotation set before the open turns it.
        QCOMPARE(img.size(), size.isEmpty() ? QSize(240, 320) : size);
        QVERIFY(ZV_FreeVideoImage_Player(p, bmp));
    }
}

QTEST_GUILESS_MAIN(TestPlayer)
#include "tst_player.moc"
