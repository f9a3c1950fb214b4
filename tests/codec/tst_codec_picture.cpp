// The picture at a time: the exact frame shown at t, upright, as a BMP,
// judged by the ffmpeg command line's decode of the same file.
#include "zovAruzIvivu.h"

#include "CodecFixtures.h"
#include "TestMedia.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QtTest>

#include <future>

using namespace CodecFixtures;

namespace {

struct InfoGuard {
    ZvInfo *h = ZV_Create_Info(0xFFFFFFFF);
    ~InfoGuard() { ZV_Destroy_Info(h); }
};

// Picture at t from the library, compared with ffmpeg's frame at `oracleSeconds`.
void comparePicture(ZvInfo *h, const QString &file, uint64_t t, double oracleSeconds, int w, int hgt)
{
    uint8_t *bmp = ZV_GetVideoImage_Info(h, t, 1, 0, 0, 0);
    QVERIFY2(bmp, ZV_GetLastErrorText_Info(h));
    QString why;
    const Bgr ours = fromBmp(bmp, &why);
    const uint32_t length = ZV_GetVideoImageSize_Info(h, bmp);
    QCOMPARE(ZV_FreeVideoImage_Info(h, bmp), 1);
    QVERIFY2(!ours.pixels.isEmpty(), qPrintable(why));
    QCOMPARE(length, uint32_t(54 + ((w * 3 + 3) & ~3) * hgt));
    QCOMPARE(ours.width, w);
    QCOMPARE(ours.height, hgt);
    const Bgr theirs = ffmpegFrameAt(file, oracleSeconds, w, hgt);
    QVERIFY2(!theirs.pixels.isEmpty(), "ffmpeg gave no frame");
    const double db = psnr(ours, theirs);
    QVERIFY2(db >= 45.0, qPrintable(QString("PSNR %1 dB at t=%2 us").arg(db).arg(t)));
}

// The whole BMP at t, hashed: equal pictures, equal bytes.
QByteArray pictureHash(ZvInfo *h, uint64_t t)
{
    uint8_t *bmp = ZV_GetVideoImage_Info(h, t, 1, 0, 0, 0);
    if (!bmp)
        return QByteArray("no picture: ") + ZV_GetLastErrorText_Info(h);
    const QByteArray hash = QCryptographicHash::hash(
        QByteArray::fromRawData(reinterpret_cast<const char *>(bmp), int(ZV_GetVideoImageSize_Info(h, bmp))),
        QCryptographicHash::Sha1);
    ZV_FreeVideoImage_Info(h, bmp);
    return hash.toHex();
}

// Frames of a 320x240 25 fps clip by number, asked one after another on one
// handle at `into` µs after each begins, judged against ffmpeg's decode from
// the start.
void compareFrames(const QString &file, std::initializer_list<int> frames, uint64_t into)
{
    const uint64_t offset = uint64_t(qRound64(videoOffset(file) * 1e6));
    InfoGuard info;
    QCOMPARE(ZV_Open_Info(info.h, file.toUtf8().constData()), 1);
    for (int frame : frames) {
        uint8_t *bmp = ZV_GetVideoImage_Info(info.h, offset + uint64_t(frame) * 40000 + into, 1, 0, 0, 0);
        QVERIFY2(bmp, ZV_GetLastErrorText_Info(info.h));
        const Bgr ours = fromBmp(bmp);
        ZV_FreeVideoImage_Info(info.h, bmp);
        const Bgr truth = ffmpegFrameNumber(file, frame, 320, 240);
        QVERIFY(!truth.pixels.isEmpty());
        QVERIFY2(psnr(ours, truth) >= 45.0,
                 qPrintable(QString("PSNR %1 dB against frame %2").arg(psnr(ours, truth)).arg(frame)));
    }
}

// 12 s of MPEG-TS with key frames four seconds apart.
QString longGopTs()
{
    return TestMedia::make("codec_gop100_12s.ts",
                           {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=12", "-c:v", "libx264",
                            "-preset", "ultrafast", "-g", "100", "-pix_fmt", "yuv420p", "-f", "mpegts"});
}

// Three B-frames between references, the middle one referred to and the odd
// frames not; a key frame every 50 frames. Long enough that a first picture
// near the end of the MPEG-TS is found by byte position.
QString bFrameClip(const QString &suffix)
{
    return TestMedia::make("codec_bframes_20s." + suffix,
                           {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=20", "-c:v", "libx264",
                            "-preset", "fast", "-bf", "3", "-x264-params", "b-adapt=0:b-pyramid=normal", "-g", "50",
                            "-pix_fmt", "yuv420p", "-f", suffix == "ts" ? "mpegts" : "mp4"});
}

} // namespace

class TestCodecPicture : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(ZV_Initialize_Library(1, 0), 1);
    }

    void exactFrame_data()
    {
        QTest::addColumn<QString>("file");
        // t counts from the first video frame; the request adds the stream's offset
        // within the container, so that t and ffmpeg's -ss name the same frame.
        QTest::addColumn<qulonglong>("t");
        QTest::addColumn<double>("oracle"); // seconds after the first video frame; < 0: the last frame
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        const QString mp4 = TestMedia::h264AacMp4();
        QTest::newRow("mp4 first frame") << mp4 << 0ull << 0.0 << 320 << 240;
        QTest::newRow("mp4 non-key 1.00 s") << mp4 << 1000000ull << 1.0 << 320 << 240;
        QTest::newRow("mp4 between frames 1.02 s") << mp4 << 1020000ull << 1.0 << 320 << 240;
        QTest::newRow("mkv between frames 1.21 s") << mkvLanguages() << 1210000ull << 1.2 << 192 << 108;
        QTest::newRow("mp4 key frame 2.00 s") << mp4 << 2000000ull << 2.0 << 320 << 240;
        QTest::newRow("mp4 non-key 2.52 s") << mp4 << 2520000ull << 2.52 << 320 << 240;
        QTest::newRow("mp4 last frame 5.96 s") << mp4 << 5960000ull << 5.96 << 320 << 240;
        QTest::newRow("mp4 past the end") << mp4 << 100000000ull << -1.0 << 320 << 240;
        QTest::newRow("portrait upright 1.00 s") << portraitMp4() << 1000000ull << 1.0 << 240 << 320;
        QTest::newRow("mkv 1.20 s") << mkvLanguages() << 1200000ull << 1.2 << 192 << 108;
        QTest::newRow("mpegts 1.00 s") << twoProgramTs() << 1000000ull << 1.0 << 160 << 120;
        QTest::newRow("bt709 colours") << bt709Mp4() << 1000000ull << 1.0 << 320 << 180;
        QTest::newRow("full-range colours") << fullRangeMp4() << 1000000ull << 1.0 << 320 << 180;
        QTest::newRow("still png") << TestMedia::tinyPng() << 0ull << 0.0 << 64 << 48;
    }

    void exactFrame()
    {
        QFETCH(QString, file);
        QFETCH(qulonglong, t);
        QFETCH(double, oracle);
        QFETCH(int, width);
        QFETCH(int, height);
        const double offset = videoOffset(file);
        const uint64_t shifted = t + uint64_t(qRound64(offset * 1e6));
        InfoGuard info;
        QCOMPARE(ZV_Open_Info(info.h, file.toUtf8().constData()), 1);
        comparePicture(info.h, file, shifted, oracle < 0 ? oracle : oracle + offset, width, height);
    }

    // MPEG-TS has no index: seeks land by byte position and may overshoot.
    void exactFrameInTransportStream_data()
    {
        QTest::addColumn<int>("frame");
        QTest::newRow("first") << 0;
        QTest::newRow("non-key 25") << 25;
        QTest::newRow("key 50") << 50;
        QTest::newRow("non-key 75") << 75;
        QTest::newRow("non-key 113") << 113;
        QTest::newRow("last 149") << 149;
    }

    void exactFrameInTransportStream()
    {
        QFETCH(int, frame);
        const QString ts = h264Ts();
        const uint64_t offset = uint64_t(qRound64(videoOffset(ts) * 1e6));
        InfoGuard info;
        QCOMPARE(ZV_Open_Info(info.h, ts.toUtf8().constData()), 1);
        // Ask backwards and forwards from a late picture, as the strip does.
        ZV_FreeVideoImage_Info(info.h, ZV_GetVideoImage_Info(info.h, offset + 5000000, 1, 0, 0, 0));
        uint8_t *bmp = ZV_GetVideoImage_Info(info.h, offset + uint64_t(frame) * 40000, 1, 0, 0, 0);
        const Bgr ours = fromBmp(bmp);
        ZV_FreeVideoImage_Info(info.h, bmp);
        const Bgr truth = ffmpegFrameNumber(ts, frame, 320, 240);
        QVERIFY(!truth.pixels.isEmpty());
        QVERIFY2(psnr(ours, truth) >= 45.0, qPrintable(QString::number(psnr(ours, truth))));
    }

    // A strip across a longer MPEG-TS whose key frames are four seconds apart:
    // each picture is found from a byte position and must still be exact.
    void stripOfATransportStreamWithLongGops()
    {
        const QString ts = longGopTs();
        QVERIFY(!ts.isEmpty());
        compareFrames(ts, {0, 30, 60, 99, 100, 149, 210, 240, 270, 299, 130}, 0);
    }

    // Requests that read on from the last picture (decoding from a key frame
    // found ahead, skipping frames nobody refers to) give the very picture a
    // handle that was asked for nothing else gives.
    void stripPictureEqualsThePictureFoundAlone_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("mpegts long GOPs") << longGopTs();
        QTest::newRow("mpegts B-frames") << bFrameClip("ts");
        QTest::newRow("mp4 B-frames") << bFrameClip("mp4");
    }

    void stripPictureEqualsThePictureFoundAlone()
    {
        QFETCH(QString, file);
        QVERIFY(!file.isEmpty());
        const QByteArray path = file.toUtf8();
        InfoGuard strip;
        QCOMPARE(ZV_Open_Info(strip.h, path.constData()), 1);
        const uint64_t duration = ZV_GetDuration_Info(strip.h);
        for (int k = 0; k < 10; ++k) {
            const uint64_t t = duration * uint64_t(k) / 10;
            InfoGuard alone;
            QCOMPARE(ZV_Open_Info(alone.h, path.constData()), 1);
            QCOMPARE(pictureHash(strip.h, t), pictureHash(alone.h, t));
        }
    }

    // Frames nobody refers to are skipped only when shown before the wanted
    // one: the odd frames here are such B-frames, and each is asked for.
    void picturesAmongBFramesAreExact_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("mpegts") << bFrameClip("ts");
        QTest::newRow("mp4") << bFrameClip("mp4");
    }

    void picturesAmongBFramesAreExact()
    {
        QFETCH(QString, file);
        QVERIFY(!file.isEmpty());
        // Half a frame in, so rounding of the time cannot name the frame before.
        compareFrames(file, {0, 1, 2, 3, 5, 49, 50, 51, 63, 64, 65, 131, 130, 133, 199}, 20000);
    }

    // The picture at t is the last frame at or before t, also when t lies late
    // in a frame interval of a coarse time base (AVI's 1/15).
    void timeInsideAFrameInterval_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("frame");
        QTest::addColumn<double>("fraction"); // of the interval to the next frame
        for (const QString suffix : {"avi", "mp4", "mkv"}) {
            const QString file = fifteenFps(suffix);
            QTest::addRow("%s frame 7 + 0.6", qPrintable(suffix)) << file << 7 << 0.6;
            QTest::addRow("%s frame 31 + 0.95", qPrintable(suffix)) << file << 31 << 0.95;
            QTest::addRow("%s frame 45 + 0.1", qPrintable(suffix)) << file << 45 << 0.1;
        }
    }

    void timeInsideAFrameInterval()
    {
        QFETCH(QString, file);
        QFETCH(int, frame);
        QFETCH(double, fraction);
        QVERIFY(!file.isEmpty());
        const double offset = videoOffset(file);
        InfoGuard info;
        QCOMPARE(ZV_Open_Info(info.h, file.toUtf8().constData()), 1);
        const uint64_t t = uint64_t((offset + (frame + fraction) / 15.0) * 1e6);
        uint8_t *bmp = ZV_GetVideoImage_Info(info.h, t, 1, 0, 0, 0);
        QVERIFY2(bmp, ZV_GetLastErrorText_Info(info.h));
        const Bgr ours = fromBmp(bmp);
        ZV_FreeVideoImage_Info(info.h, bmp);
        const Bgr truth = ffmpegFrameNumber(file, frame, 160, 120);
        QVERIFY(!truth.pixels.isEmpty());
        QVERIFY2(psnr(ours, truth) >= 45.0, qPrintable(QString("PSNR %1 dB against frame %2").arg(psnr(ours, truth)).arg(frame)));
    }

    // A thumbnail strip moves forward; then a jump back must still be exact.
    void stripForwardThenBack()
    {
        const QString mp4 = TestMedia::h264AacMp4();
        InfoGuard info;
        QCOMPARE(ZV_Open_Info(info.h, mp4.toUtf8().constData()), 1);
        for (int k = 0; k < 10; ++k) {
            comparePicture(info.h, mp4, uint64_t(k) * 600000, k * 0.6, 320, 240);
            if (QTest::currentTestFailed())
                return;
        }
        comparePicture(info.h, mp4, 400000, 0.4, 320, 240);
        comparePicture(info.h, mp4, 400000, 0.4, 320, 240); // same request twice
    }

    // Back to the very first picture after a later one: Matroska restarts by
    // time, since its header read from byte 0 loses the first pictures.
    void firstPictureAfterALaterOne_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("mp4") << TestMedia::h264AacMp4() << 320 << 240;
        QTest::newRow("mkv") << mkvLanguages() << 192 << 108;
        QTest::newRow("mpegts") << twoProgramTs() << 160 << 120;
    }

    void firstPictureAfterALaterOne()
    {
        QFETCH(QString, file);
        QFETCH(int, width);
        QFETCH(int, height);
        const double offset = videoOffset(file);
        InfoGuard info;
        QCOMPARE(ZV_Open_Info(info.h, file.toUtf8().constData()), 1);
        ZV_FreeVideoImage_Info(info.h, ZV_GetVideoImage_Info(info.h, 1500000, 1, 0, 0, 0));
        comparePicture(info.h, file, 0, offset, width, height);
    }

    // The file-adding, thumbnail and panel workers each have a handle open at once.
    void handlesWorkConcurrently()
    {
        const QByteArray mp4 = TestMedia::h264AacMp4().toUtf8();
        const QByteArray mkv = mkvLanguages().toUtf8();
        auto strip = [](const QByteArray &file) {
            QList<QByteArray> pictures;
            ZvInfo *h = ZV_Create_Info(0xFFFFFFFF);
            if (ZV_Open_Info(h, file.constData()) == 1) {
                for (int k = 0; k < 6; ++k) {
                    uint8_t *bmp = ZV_GetVideoImage_Info(h, uint64_t(k) * 700000, 1, 0, 0, 0);
                    pictures << QByteArray(reinterpret_cast<const char *>(bmp), int(ZV_GetVideoImageSize_Info(h, bmp)));
                    ZV_FreeVideoImage_Info(h, bmp);
                }
            }
            ZV_Destroy_Info(h);
            return pictures;
        };
        const QList<QByteArray> mp4Serial = strip(mp4), mkvSerial = strip(mkv);
        QCOMPARE(mp4Serial.size(), 6);
        std::vector<std::future<QList<QByteArray>>> runs;
        for (int i = 0; i < 4; ++i)
            runs.push_back(std::async(std::launch::async, strip, i % 2 ? mkv : mp4));
        for (int i = 0; i < 4; ++i)
            QVERIFY(runs[size_t(i)].get() == (i % 2 ? mkvSerial : mp4Serial));
    }

    void requestedSizes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("askW");
        QTest::addColumn<int>("askH");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("width only") << TestMedia::h264AacMp4() << 160 << 0 << 160 << 120;
        QTest::newRow("height only") << TestMedia::h264AacMp4() << 0 << 60 << 80 << 60;
        QTest::newRow("both") << TestMedia::h264AacMp4() << 101 << 99 << 101 << 99;
        QTest::newRow("portrait width only") << portraitMp4() << 120 << 0 << 120 << 160;
    }

    void requestedSizes()
    {
        QFETCH(QString, file);
        QFETCH(int, askW);
        QFETCH(int, askH);
        QFETCH(int, width);
        QFETCH(int, height);
        InfoGuard info;
        QCOMPARE(ZV_Open_Info(info.h, file.toUtf8().constData()), 1);
        uint8_t *bmp = ZV_GetVideoImage_Info(info.h, 1000000, 0, uint32_t(askW), uint32_t(askH), 0);
        QString why;
        const Bgr pic = fromBmp(bmp, &why);
        ZV_FreeVideoImage_Info(info.h, bmp);
        QVERIFY2(!pic.pixels.isEmpty(), qPrintable(why));
        QCOMPARE(pic.width, width);
        QCOMPARE(pic.height, height);
    }

    // Scaled pictures equal ffmpeg's own scaler's.
    void scaledPicture()
    {
        const QString file = TestMedia::h264AacMp4();
        InfoGuard info;
        QCOMPARE(ZV_Open_Info(info.h, file.toUtf8().constData()), 1);
        uint8_t *bmp = ZV_GetVideoImage_Info(info.h, 2000000, 1, 160, 120, 0);
        const Bgr ours = fromBmp(bmp);
        ZV_FreeVideoImage_Info(info.h, bmp);
        const TestMedia::ToolResult r = TestMedia::run(
            "ffmpeg", {"-v", "error", "-nostdin", "-ss", "2", "-i", file, "-frames:v", "1", "-vf",
                       "scale=160:120", "-f", "rawvideo", "-pix_fmt", "bgr24", "-"});
        Bgr theirs;
        theirs.width = 160;
        theirs.height = 120;
        theirs.pixels = r.out;
        QVERIFY2(psnr(ours, theirs) >= 45.0, qPrintable(QString::number(psnr(ours, theirs))));
    }
};

QTEST_GUILESS_MAIN(TestCodecPicture)
#include "tst_codec_picture.moc"
