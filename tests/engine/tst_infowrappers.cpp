#include "CodecInterrupt.h"
#include "TestMedia.h"
#include "VelFrameClass.h"
#include "VelInfoClass.h"
#include "VelInfoManager.h"
#include "VelLanguageTable.h"
#include "VelVideoConvertItem.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

class TestInfoWrappers : public QObject
{
    Q_OBJECT

private slots:
    void emptyWrappersAnswerWithoutLibrary()
    {
        VelInfoClass info;
        QVERIFY(!info.IsCreateInfo());
        QVERIFY(!info.Open_Info("/x.mp4"));
        QVERIFY(!info.HasVideo_Info());
        QVERIFY(!info.CanSeek_Info());
        QVERIFY(!info.Abort_Info());
        QCOMPARE(info.GetVideoWidth_Info(), 0u);
        QCOMPARE(info.GetDuration_Info(), uint64_t(0));
        QVERIFY(!info.GetMetaData_Info("title"));
        QVERIFY(!info.GetVideoImage_Info(0, 1, 0, 0, 0));
        QVERIFY(!info.FreeVideoImage_Info(nullptr));
        QCOMPARE(QByteArray(info.GetProgrName_Info()), QByteArray(""));
        QCOMPARE(QByteArray(info.GetChapterTitle_Info(0)), QByteArray(""));
        QVERIFY(!info.SetProgrIndex_Info(0));
        info.Release_Info();   // nothing held: nothing to do

        VelFrameClass frame;
        QVERIFY(!frame.IsCreateFrame());
        QCOMPARE(frame.GetVideoFormat_Frame(), -1);
        QCOMPARE(frame.GetVideoWidth_Frame(), 0u);
        QCOMPARE(frame.GetVideoStride_Frame(0), 0);
        QVERIFY(!frame.GetVideoData_Frame(0));
    }

    void createKeepsFirstHandle()
    {
        VelInfoClass info;
        info.Create_Info();
        QVERIFY(info.IsCreateInfo());
        ZvInfo *first = info.handle();
        info.Create_Info();
        QCOMPARE(info.handle(), first);
        info.Release_Info();
        QVERIFY(!info.IsCreateInfo());
    }

    void interruptLastsAsLongAsItsScope()
    {
        const QByteArray path = QFile::encodeName(TestMedia::h264AacMp4());
        VelInfoClass info;
        info.Create_Info();
        {
            CodecInterrupt interrupt;
            QVERIFY(!info.Open_Info(path));
            QCOMPARE(QByteArray(info.GetLastErrorText_Info()), QByteArray("interrupted"));
        }
        QVERIFY(info.Open_Info(path));
        QVERIFY(info.CanSeek_Info());
    }

    void languageTable_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("two letters") << QByteArray("de") << "German";
        QTest::newRow("first three") << QByteArray("deu") << "German";
        QTest::newRow("second three") << QByteArray("ger") << "German";
        QTest::newRow("und any case") << QByteArray("UND") << "Undefined";
        QTest::newRow("no two-letter row") << QByteArray("qaa") << "Original audio";
        QTest::newRow("Turkmen") << QByteArray("tuk") << "Turkmen";
        QTest::newRow("last row") << QByteArray("zu") << "Zulu";
        QTest::newRow("case matters") << QByteArray("ENG") << QString();
        QTest::newRow("unknown") << QByteArray("xyz") << QString();
        QTest::newRow("wrong length") << QByteArray("engl") << QString();
        QTest::newRow("empty") << QByteArray() << QString();
    }

    void languageTable()
    {
        QFETCH(QByteArray, code);
        QFETCH(QString, name);
        QCOMPARE(VelLanguageTable::englishName(code), name);
        QCOMPARE(VelLanguageTable::rowCount(), 166);
    }

    void timeToString_data()
    {
        QTest::addColumn<quint64>("us");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << quint64(0) << "00:00:00";
        QTest::newRow("1:02:05") << quint64(3725000000ULL) << "01:02:05";
        QTest::newRow("100 h") << quint64(360000000000ULL) << "100:00:00";
    }

    void timeToString()
    {
        QFETCH(quint64, us);
        QFETCH(QString, text);
        QCOMPARE(VelInfoManager::timeToString(us), text);
    }

    void scaleImage_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<int>("target");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("landscape") << QSize(1920, 1080) << 100 << QSize(177, 100);
        QTest::newRow("unchanged") << QSize(1920, 1080) << 1200 << QSize(1920, 1080);
        QTest::newRow("portrait, two steps") << QSize(2000, 4000) << 400 << QSize(400, 800);
        QTest::newRow("square") << QSize(300, 300) << 100 << QSize(100, 100);
    }

    void scaleImage()
    {
        QFETCH(QSize, source);
        QFETCH(int, target);
        QFETCH(QSize, expected);
        QImage image(source, QImage::Format_RGB32);
        image.fill(Qt::red);
        QCOMPARE(VelInfoManager::scaleImage(image, target).size(), expected);
        QVERIFY(VelInfoManager::scaleImage(QImage(), target).isNull());
    }

    void managerWithoutHandle()
    {
        VelInfoManager manager;
        QVERIFY(!manager.getInfoClass());
        QVERIFY(!manager.setMediaFile(TestMedia::sineWav()));
        QVERIFY(manager.getThumbnail(100).isNull());
        QVERIFY(manager.getChapterInfo().isEmpty());
        QVERIFY(manager.getAudioTagInfo() == VEAudioTagInfo());
    }

    void managerOnRealFiles()
    {
        const QString meta = TestMedia::mediaDir() + "/info_chapters.txt";
        QFile file(meta);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(";FFMETADATA1\ndate=2021\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1000\ntitle=A\n"
                   "[CHAPTER]\nTIMEBASE=1/1000\nSTART=1000\nEND=2000\ntitle=B\n"
                   "[CHAPTER]\nTIMEBASE=1/1000\nSTART=2000\nEND=3000\ntitle=C\n");
        file.close();
        const QString path = TestMedia::make("info_chapters.mkv",
                                             {"-f", "lavfi", "-i", "testsrc=size=320x180:rate=10:duration=3",
                                              "-i", meta, "-map", "0", "-map_metadata", "1", "-map_chapters", "1",
                                              "-c:v", "mpeg4"});
        QVERIFY(!path.isEmpty());

        VelInfoManager manager;
        QVERIFY(!manager.setMediaFile("/no/such/file.mkv"));
        manager.createrPlayer();
        QVERIFY(manager.getInfoClass() && manager.getInfoClass()->IsCreateInfo());
        if (!manager.setMediaFile(path))
            QSKIP("the media library cannot describe files yet");

        const QList<ChapterItemInfo> chapters = manager.getChapterInfo();
        QCOMPARE(chapters.size(), 4);
        QCOMPARE(chapters.at(0).index, 0);
        QCOMPARE(chapters.at(0).title, QByteArray("Current"));
        QCOMPARE(chapters.at(0).text, QByteArray("Current, 00:00:00-00:00:03"));
        QVERIFY(chapters.at(1).text.startsWith("  1, "));
        QCOMPARE(chapters.at(1).text, QByteArray("  1, 00:00:00-00:00:01 (A)"));
        QCOMPARE(chapters.at(3).startTime, uint64_t(2000000));
        QCOMPARE(chapters.at(3).endTime, uint64_t(3000000));

        const QImage thumbnail = manager.getThumbnail(90);
        QCOMPARE(thumbnail.size(), QSize(160, 90));

        const VEAudioTagInfo tags = manager.getAudioTagInfo();
        QCOMPARE(tags.m_date, QByteArray("2021"));
        QCOMPARE(tags.m_year, QByteArray("2021"));   // the date stands in for the year
    }

    void coverThumbnailAndTagWriting()
    {
        const QString png = TestMedia::tinyPng();
        const QString mp3 = TestMedia::make("info_tags.mp3",
                                            {"-f", "lavfi", "-i", "sine=frequency=300:duration=2", "-i", png,
                                             "-map", "0", "-map", "1", "-c:a", "libmp3lame", "-c:v", "copy",
                                             "-id3v2_version", "3", "-metadata", "title=Old"});
        QVERIFY(!mp3.isEmpty());
        QTemporaryDir dir;
        const QString target = dir.filePath("Caf\u00e9.mp3");
        QVERIFY(QFile::copy(mp3, target));

        VelInfoManager manager;
        manager.createrPlayer();
        if (!manager.setMediaFile(target))
            QSKIP("the media library cannot describe files yet");
        // An audio file's thumbnail is its cover, kept at its own size when small.
        QCOMPARE(manager.getThumbnail(100).size(), QSize(64, 48));
        QCOMPARE(manager.getThumbnail(24).size(), QSize(32, 24));

        VEAudioTagInfo tags = manager.getAudioTagInfo();
        QCOMPARE(tags.m_title, QByteArray("Old"));
        QVERIFY(tags.m_coverSize > 0);
        tags.m_title = "Caf\xC3\xA9 \xE6\x97\xA5";
        tags.m_artist = "Someone";
        tags.m_album = "Album";
        tags.m_date = "1999";   // not written: only the year is
        tags.m_year = "2001";
        if (!manager.setAudioTag(tags, target))
            QSKIP("the tag writer refuses mp3 files in this build");

        const QJsonObject format = QJsonDocument::fromJson(TestMedia::ffprobeJson(target, {"-show_format"}))
                                       .object().value("format").toObject().value("tags").toObject();
        QCOMPARE(format.value("title").toString(), QString::fromUtf8("Caf\xC3\xA9 \xE6\x97\xA5"));
        QCOMPARE(format.value("artist").toString(), QStringLiteral("Someone"));
        QCOMPARE(format.value("album").toString(), QStringLiteral("Album"));

        VelInfoManager refused;
        QVERIFY(!refused.setAudioTag(tags, dir.filePath("missing.mp3")));
    }
};

QTEST_GUILESS_MAIN(TestInfoWrappers)
#include "tst_infowrappers.moc"
