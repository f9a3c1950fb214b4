// Library-wide calls, the interrupt switch, sources, chapter, crop and frame handles.
#include "zovAruzIvivu.h"

#include "CodecFixtures.h"
#include "TestMedia.h"
#include "TestTiming.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace CodecFixtures;

namespace {

QString text(const char *s)
{
    return s ? QString::fromUtf8(s) : QString();
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A FIFO that a writer holds open but never feeds: reads wait for ever.
struct SilentFifo {
    QTemporaryDir dir;
    QString path = dir.filePath("never.mp4");
    int writer = -1;
    explicit SilentFifo(bool withWriter)
    {
        mkfifo(path.toUtf8().constData(), 0600);
        if (withWriter)
            writer = ::open(path.toUtf8().constData(), O_RDWR | O_NONBLOCK);
    }
    ~SilentFifo()
    {
        if (writer >= 0)
            ::close(writer);
    }
};

} // namespace

class TestCodecLibrary : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(ZV_Initialize_Library(0, 1), 1);
        QCOMPARE(ZV_Initialize_Library(0, 1), 1); // again is harmless
    }

    void cleanup()
    {
        ZV_SetInterrupt_Library(0);
    }

    void logFileInDataPath()
    {
        QTemporaryDir &dir = m_logDir;
        QCOMPARE(ZV_SetDataPath_Library(nullptr), 0);
        QCOMPARE(ZV_SetDataPath_Library(dir.path().toUtf8().constData()), 1);
        ZvInfo *h = ZV_Create_Info(0xFFFFFFFF);
        QCOMPARE(ZV_Open_Info(h, dir.filePath("missing.mkv").toUtf8().constData()), 0);
        ZV_Destroy_Info(h);
        const QByteArray log = readAll(dir.filePath("zv.log"));
        QVERIFY2(log.contains("cannot open 'missing.mkv'"), log.constData());
    }

    void setUpCalls()
    {
        const int32_t codes[] = {0, 30};
        QCOMPARE(ZV_SetFrameFormats_Library(codes, 2), 1);
        QCOMPARE(ZV_SetFrameFormats_Library(nullptr, 0), 1);
        // The lock is recursive and really released afterwards.
        QCOMPARE(ZV_Lock_Library(1), 1);
        QCOMPARE(ZV_Lock_Library(1), 1);
        QCOMPARE(ZV_Lock_Library(0), 1);
        QCOMPARE(ZV_Lock_Library(0), 1);
        auto other = std::async(std::launch::async, [] { return ZV_Lock_Library(1) + ZV_Lock_Library(0); });
        QCOMPARE(other.wait_for(std::chrono::seconds(2)), std::future_status::ready);
        QCOMPARE(other.get(), 2);
    }

    void interruptStopsOpen_data()
    {
        QTest::addColumn<bool>("withWriter");
        QTest::addColumn<bool>("alreadyOn");
        QTest::newRow("switch already on") << true << true;
        QTest::newRow("switched on during the open") << true << false;
        QTest::newRow("no writer, switched on during the open") << false << false;
    }

    void interruptStopsOpen()
    {
        QFETCH(bool, withWriter);
        QFETCH(bool, alreadyOn);
        SilentFifo fifo(withWriter);
        ZvInfo *h = ZV_Create_Info(0xFFFFFFFF);
        if (alreadyOn)
            ZV_SetInterrupt_Library(1);
        QElapsedTimer clock;
        auto opened = std::async(std::launch::async, [&] {
            return ZV_Open_Info(h, fifo.path.toUtf8().constData());
        });
        if (!alreadyOn) {
            QCOMPARE(opened.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
            ZV_SetInterrupt_Library(1);
        }
        clock.start();
        QCOMPARE(opened.wait_for(std::chrono::milliseconds(TestTiming::scaled(5000))), std::future_status::ready);
        QVERIFY2(clock.elapsed() < TestTiming::scaled(300), qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(opened.get(), 0);
        QCOMPARE(text(ZV_GetLastErrorText_Info(h)), QString("interrupted"));

        ZV_SetInterrupt_Library(0);
        QCOMPARE(ZV_Open_Info(h, TestMedia::sineWav().toUtf8().constData()), 1);
        ZV_Destroy_Info(h);
    }

    void chapterHandle()
    {
        const QString mkv = mkvLanguages();
        const QJsonArray chapters = probe(mkv).value("chapters").toArray();
        QCOMPARE(chapters.size(), 3);
        ZvChapter *c = ZV_Create_Chapter(-1);
        QVERIFY(c);
        QCOMPARE(ZV_Open_Chapter(c, mkv.toUtf8().constData()), 1);
        QCOMPARE(ZV_GetCount_Chapter(c), 3u);
        for (int i = 0; i < 3; ++i) {
            const QJsonObject ch = chapters[i].toObject();
            const double s = ch.value("start_time").toString().toDouble();
            const double e = ch.value("end_time").toString().toDouble();
            QCOMPARE(double(ZV_GetStartTime_Chapter(c, uint32_t(i))), std::round(s * 1e6));
            QCOMPARE(double(ZV_GetDuration_Chapter(c, uint32_t(i))), std::round((e - s) * 1e6));
            QCOMPARE(text(ZV_GetTitle_Chapter(c, uint32_t(i))), ch.value("tags").toObject().value("title").toString());
        }
        QCOMPARE(ZV_GetTitle_Chapter(c, 3), static_cast<const char *>(nullptr));
        QCOMPARE(ZV_GetStartTime_Chapter(c, 3), uint64_t(0));
        QCOMPARE(ZV_OpenDVD_Chapter(c, "/media/disc", 0), 0);

        // A file without chapters has none.
        QCOMPARE(ZV_Open_Chapter(c, TestMedia::h264AacMp4().toUtf8().constData()), 1);
        QCOMPARE(ZV_GetCount_Chapter(c), 0u);
        ZV_Close_Chapter(c);
        QCOMPARE(ZV_GetCount_Chapter(c), 0u);
        ZV_Release_Chapter(c);
    }

    void chapterAbortStopsOpen()
    {
        SilentFifo fifo(true);
        ZvChapter *c = ZV_Create_Chapter(-1);
        auto opened = std::async(std::launch::async, [&] {
            return ZV_Open_Chapter(c, fifo.path.toUtf8().constData());
        });
        QCOMPARE(opened.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(ZV_Lock_Library(1), 1);
        QCOMPARE(ZV_Abort_Chapter(c), 1);
        QCOMPARE(ZV_Lock_Library(0), 1);
        QCOMPARE(opened.wait_for(std::chrono::milliseconds(TestTiming::scaled(5000))), std::future_status::ready);
        QVERIFY2(clock.elapsed() < TestTiming::scaled(300), qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(opened.get(), 0);
        // The next open is not affected by the old abort.
        QCOMPARE(ZV_Open_Chapter(c, mkvLanguages().toUtf8().constData()), 1);
        QCOMPARE(ZV_GetCount_Chapter(c), 3u);
        ZV_Release_Chapter(c);
    }

    void memoryAndFileSources()
    {
        QCOMPARE(ZV_CreateMemory_Source(nullptr, 10, 0), static_cast<ZvSource *>(nullptr));
        QCOMPARE(ZV_CreateMemory_Source("x", 0, 0), static_cast<ZvSource *>(nullptr));
        QCOMPARE(ZV_CreateFile_Source("/no/such/file.mp4", 0), static_cast<ZvSource *>(nullptr));
        ZV_Release_Source(nullptr);

        // Cover bytes Qt cannot load go through a memory source.
        const QByteArray png = readAll(TestMedia::tinyPng());
        ZvSource *mem = ZV_CreateMemory_Source(png.constData(), uint32_t(png.size()), 0);
        QVERIFY(mem);
        QCOMPARE(ZV_SetOption_Source(mem, 7), 1);
        ZvInfo *h = ZV_Create_Info(0xFFFFFFFF);
        QCOMPARE(ZV_OpenStream_Info(h, mem), 1);
        ZV_Release_Source(mem); // the open handle keeps the bytes alive
        QCOMPARE(ZV_GetVideoWidth_Info(h), 64u);
        QCOMPARE(ZV_GetVideoHeight_Info(h), 48u);
        uint8_t *fromMemory = ZV_GetVideoImage_Info(h, 0, 0, 0, 0, 0);
        QVERIFY(fromMemory);

        ZvInfo *byPath = ZV_Create_Info(0xFFFFFFFF);
        QCOMPARE(ZV_Open_Info(byPath, TestMedia::tinyPng().toUtf8().constData()), 1);
        uint8_t *fromPath = ZV_GetVideoImage_Info(byPath, 0, 0, 0, 0, 0);
        QVERIFY(fromPath);
        QCOMPARE(psnr(fromBmp(fromMemory), fromBmp(fromPath)), 100.0);
        ZV_FreeVideoImage_Info(h, fromMemory);
        ZV_FreeVideoImage_Info(byPath, fromPath);

        // A file source seeks: the picture deep inside an MP4 is reachable.
        ZvSource *file = ZV_CreateFile_Source(TestMedia::h264AacMp4().toUtf8().constData(), 0);
        QVERIFY(file);
        QCOMPARE(ZV_OpenStream_Info(h, file), 1);
        QCOMPARE(ZV_GetAudioCount_Info(h), 1u);
        QCOMPARE(ZV_Open_Info(byPath, TestMedia::h264AacMp4().toUtf8().constData()), 1);
        uint8_t *a = ZV_GetVideoImage_Info(h, 4000000, 1, 0, 0, 0);
        uint8_t *b = ZV_GetVideoImage_Info(byPath, 4000000, 1, 0, 0, 0);
        QCOMPARE(psnr(fromBmp(a), fromBmp(b)), 100.0);
        ZV_FreeVideoImage_Info(h, a);
        ZV_FreeVideoImage_Info(byPath, b);
        ZV_Destroy_Info(h);   // destroy also closes
        ZV_Release_Source(file);
        ZV_Destroy_Info(byPath);
    }

    // The info handle opens what a player has open, and nothing once it closed.
    void infoFromPlayer()
    {
        ZvPlayer *p = ZV_Create_Player(0);
        QVERIFY(p);
        ZvInfo *h = ZV_Create_Info(0xFFFFFFFF);
        QCOMPARE(ZV_OpenWithPlayer_Info(h, p), 0);
        QCOMPARE(ZV_Open_Player(p, mkvLanguages().toUtf8().constData(), 0, 0, 0, 0), 1);
        QCOMPARE(ZV_OpenWithPlayer_Info(h, p), 1);
        QCOMPARE(ZV_GetAudioCount_Info(h), 2u);
        QCOMPARE(ZV_GetVideoWidth_Info(h), 192u);
        ZV_Close_Player(p);
        QCOMPARE(ZV_OpenWithPlayer_Info(h, p), 0);
        QVERIFY(!text(ZV_GetLastErrorText_Info(h)).isEmpty());
        ZV_Destroy_Player(p);
        ZV_Destroy_Info(h);
    }

    void cropRule_data()
    {
        QTest::addColumn<uint>("srcW");
        QTest::addColumn<uint>("srcH");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("h");
        QTest::addColumn<uint>("width");
        QTest::addColumn<uint>("height");
        const double nan = std::nan("");
        QTest::newRow("quarter") << 320u << 240u << 0.0 << 0.0 << 0.5 << 0.5 << 160u << 120u;
        QTest::newRow("size clamped to the rest") << 320u << 240u << 0.25 << 0.25 << 1.0 << 1.0 << 240u << 180u;
        QTest::newRow("odd source rounds down to even") << 101u << 99u << 0.0 << 0.0 << 1.0 << 1.0 << 100u << 98u;
        QTest::newRow("zero size is the whole picture") << 320u << 240u << 0.0 << 0.0 << 0.0 << 0.0 << 320u << 240u;
        QTest::newRow("NaN is its limit") << 320u << 240u << nan << nan << nan << nan << 320u << 240u;
        QTest::newRow("negative position clamps to 0") << 320u << 240u << -0.5 << -1.0 << 0.5 << 0.5 << 160u << 120u;
        QTest::newRow("tiny crop keeps 2 pixels") << 320u << 240u << 0.1 << 0.1 << 0.001 << 0.001 << 2u << 2u;
        QTest::newRow("rounded width") << 1920u << 1080u << 0.0 << 0.0 << 0.3333 << 0.3333 << 640u << 360u;
    }

    void cropRule()
    {
        QFETCH(uint, srcW);
        QFETCH(uint, srcH);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, w);
        QFETCH(double, h);
        QFETCH(uint, width);
        QFETCH(uint, height);
        ZvCrop *c = ZV_Create_Crop(srcW, srcH, x, y, w, h);
        QVERIFY(c);
        QCOMPARE(ZV_GetWidth_Crop(c), width);
        QCOMPARE(ZV_GetHeight_Crop(c), height);
        ZV_Release_Crop(c);
    }

    void emptyAndNullFrames()
    {
        QCOMPARE(ZV_GetVideoFormat_Frame(nullptr), -1);
        QCOMPARE(ZV_Reference_Frame(nullptr), static_cast<ZvFrame *>(nullptr));
        ZvFrame *f = ZV_Create_Frame();
        QVERIFY(f);
        QCOMPARE(ZV_GetVideoFormat_Frame(f), -1);
        QCOMPARE(ZV_GetVideoWidth_Frame(f), 0u);
        QCOMPARE(ZV_GetVideoStride_Frame(f, 0), 0);
        QCOMPARE(ZV_GetVideoData_Frame(f, 0), static_cast<uint8_t *>(nullptr));
        ZvFrame *g = ZV_Reference_Frame(f);
        QVERIFY(g);
        QCOMPARE(ZV_GetVideoFormat_Frame(g), -1);
        ZV_Destroy_Frame(f);
        ZV_Destroy_Frame(g);
        ZV_Destroy_Frame(nullptr);
        QCOMPARE(ZV_GetWidth_Crop(nullptr), 0u);
        ZV_Release_Crop(nullptr);
        QCOMPARE(ZV_GetCount_Chapter(nullptr), 0u);
        QCOMPARE(ZV_Abort_Chapter(nullptr), 0);
    }

private:
    QTemporaryDir m_logDir; // the log of the whole run lands here
};

QTEST_GUILESS_MAIN(TestCodecLibrary)
#include "tst_codec_library.moc"
