#include "EngineTestUtil.h"
#include "QAttributeSettingHolder.h"
#include "QConverterOperate.h"
#include "convertedInfo.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class TestEncodeParam : public QObject
{
    Q_OBJECT

private:
    AttributeSetting &profile() { return *QAttributeSettingHolder::attributeSetting(); }

    void encodingProfile()
    {
        AttributeSetting &p = profile();
        p = AttributeSetting();
        p.nQuality = 90;
        p.fileFormat = QStringLiteral("MP4");
        p.fileExtend = QStringLiteral("mp4");
        p.VEncoder = QStringLiteral("H264");
        p.VCodecsId = 28;
        p.VWidth = 1280;
        p.VHeight = 720;
        p.VFrameRate_fps = 30000;
        p.VFrameRate_scale = 1001;
        p.VBitRate = 2500;
        p.AEncoder = QStringLiteral("AAC");
        p.ACodecsId = 0x15002;
        p.AChannel = 2;
        p.ASampleRate = 48000;
        p.ABitRate = 128;
    }

private slots:
    void init() { encodingProfile(); }

    void fromProfileAndItem()
    {
        std::unique_ptr<VelVideoConvertItem> item(makeSourceItem(2, 1));
        item->m_editConfig.m_videoEffect.contrast = 120;
        CAVEncodeParam param;
        param.m_extraTexts[0] = "stale";
        QVERIFY(item->getEncodeParam(&param));
        QCOMPARE(param.m_format, QByteArray("mp4"));
        QCOMPARE(param.m_videoCodec, 28);
        QCOMPARE(param.m_audioCodec, 0x15002);
        QCOMPARE(param.m_width, 1280u);
        QCOMPARE(param.m_height, 720u);
        QCOMPARE(param.m_frameRate100, 0u);
        QCOMPARE(param.m_frameRate, 30000u);
        QCOMPARE(param.m_frameRateScale, 1001u);
        QCOMPARE(param.m_videoBitRate, 2500u);
        QCOMPARE(param.m_videoOption, 90u);
        QCOMPARE(param.m_audioOption, 90u);
        QCOMPARE(param.m_channels, 2u);
        QCOMPARE(param.m_sampleRate, 48000u);
        QCOMPARE(param.m_audioBitRate, 128u);
        QCOMPARE(param.m_containerFlag, 0u);
        QCOMPARE(param.m_bLossless, uint8_t(0));
        QCOMPARE(param.m_sourceKind, uint8_t(0));
        QCOMPARE(param.m_trimStart, uint64_t(5000000));
        QCOMPARE(param.m_trimEnd, uint64_t(9000000));
        QCOMPARE(param.m_duration, uint64_t(4000000));
        QVERIFY(param.m_extraTexts[0].isEmpty());
        QVERIFY(param.textOption().isEmpty());
        QVERIFY(!param.m_overlayPicture);
        QVERIFY(param.m_editConfig == item->m_editConfig);
    }

    void losslessOriginalKeepsSourceContainer()
    {
        AttributeSetting &p = profile();
        p.bLossless = true;
        p.fileFormat = QStringLiteral("Original");
        std::unique_ptr<VelVideoConvertItem> item(makeSourceItem(1, 0));
        item->m_sourceFormatName = QStringLiteral("mov");
        item->m_sourceExtension = QStringLiteral("MOV");
        QCOMPARE(item->getOutFormat(&p), QStringLiteral("mov"));
        QCOMPARE(item->getOutExtentName(&p), QStringLiteral("MOV"));
        CAVEncodeParam param;
        QVERIFY(item->getEncodeParam(&param));
        QCOMPARE(param.m_format, QByteArray("mov"));
        QCOMPARE(param.m_bLossless, uint8_t(1));

        p.bLossless = false;   // "Original" only means the source's container in lossless mode
        QCOMPARE(item->getOutFormat(&p), QStringLiteral("Original"));
        QCOMPARE(item->getOutExtentName(&p), QStringLiteral("mp4"));
    }

    void audioOnly()
    {
        AttributeSetting &p = profile();
        p.bOnlyAudio = true;
        std::unique_ptr<VelVideoConvertItem> item(makeSourceItem(1, 0));
        CAVEncodeParam param;
        QVERIFY(item->getEncodeParam(&param));
        QCOMPARE(param.m_videoCodec, -1);
        QCOMPARE(param.m_width, 0u);
        QCOMPARE(param.m_height, 0u);
        QCOMPARE(item->getVideoWidth(), 0);
        QCOMPARE(item->getVideoHeight(), 0);
    }

    void sizeFallsBackToSource()
    {
        AttributeSetting &p = profile();
        p.VWidth = 0;
        p.VHeight = 720;
        std::unique_ptr<VelVideoConvertItem> item(makeSourceItem(1, 0));
        QCOMPARE(item->getVideoWidth(), 1920);
        QCOMPARE(item->getVideoHeight(), 720);
        AttributeSetting other;
        other.VWidth = 640;
        QCOMPARE(item->getVideoWidth(other), 640);
        QCOMPARE(item->getVideoHeight(other), 1080);
    }

    void oggBitRateCap_data()
    {
        QTest::addColumn<QString>("encoder");
        QTest::addColumn<int>("sampleRate");
        QTest::addColumn<int>("bitRate");
        QTest::addColumn<uint>("expected");
        QTest::newRow("ogg 22050 192") << "OGG" << 22050 << 192 << 160u;
        QTest::newRow("ogg 22050 161") << "OGG" << 22050 << 161 << 160u;
        QTest::newRow("ogg 22050 160") << "OGG" << 22050 << 160 << 160u;
        QTest::newRow("ogg 22050 128") << "OGG" << 22050 << 128 << 128u;
        QTest::newRow("ogg 32000 192") << "OGG" << 32000 << 192 << 192u;
        QTest::newRow("aac 22050 192") << "AAC" << 22050 << 192 << 192u;
    }

    void oggBitRateCap()
    {
        QFETCH(QString, encoder);
        QFETCH(int, sampleRate);
        QFETCH(int, bitRate);
        QFETCH(uint, expected);
        profile().AEncoder = encoder;
        profile().ASampleRate = sampleRate;
        profile().ABitRate = bitRate;
        std::unique_ptr<VelVideoConvertItem> item(makeSourceItem(1, 0));
        CAVEncodeParam param;
        QVERIFY(item->getEncodeParam(&param));
        QCOMPARE(param.m_audioBitRate, expected);
    }

    void containerFlag_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<uint>("flag");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("mp4") << "mp4" << 0u << QByteArray("mp4");
        QTest::newRow("avi") << "avi" << 1u << QByteArray("avi");
        QTest::newRow("MPEGTS") << "MPEGTS" << 1u << QByteArray("mpegts");
        QTest::newRow("mpeg1video") << "mpeg1video" << 1u << QByteArray("mpeg1video");
        QTest::newRow("mkv") << "MKV" << 0u << QByteArray("mkv");
    }

    void containerFlag()
    {
        QFETCH(QString, format);
        QFETCH(uint, flag);
        QFETCH(QByteArray, stored);
        profile().fileFormat = format;
        std::unique_ptr<VelVideoConvertItem> item(makeSourceItem(1, 0));
        CAVEncodeParam param;
        QVERIFY(item->getEncodeParam(&param));
        QCOMPARE(param.m_containerFlag, flag);
        QCOMPARE(param.m_format, stored);
    }

    void trimEndZeroMeansToTheEnd()
    {
        std::unique_ptr<VelVideoConvertItem> item(makeSourceItem(1, 0));
        item->m_trimStart = 30000000;
        item->m_trimEnd = 0;
        CAVEncodeParam param;
        QVERIFY(item->getEncodeParam(&param));
        QCOMPARE(param.m_duration, uint64_t(0));
        QCOMPARE(param.m_trimStart, uint64_t(30000000));
    }

    // Ranges that would wrap around in unsigned arithmetic are refused with a message.
    void badRangesRefused_data()
    {
        QTest::addColumn<quint64>("start");
        QTest::addColumn<quint64>("end");
        QTest::newRow("end before start") << quint64(9000000) << quint64(5000000);
        QTest::newRow("start at the end") << quint64(70000000) << quint64(0);
        QTest::newRow("start past the end") << quint64(80000000) << quint64(90000000);
    }

    void badRangesRefused()
    {
        QFETCH(quint64, start);
        QFETCH(quint64, end);
        std::unique_ptr<VelVideoConvertItem> item(makeSourceItem(1, 0));
        item->m_trimStart = start;
        item->m_trimEnd = end;
        CAVEncodeParam param;
        QVERIFY(!item->getEncodeParam(&param));
        QVERIFY(!item->lastError().isEmpty());
        QCOMPARE(param.m_duration, uint64_t(0));
        QVERIFY(param.m_format.isEmpty());   // nothing a converter could run with
    }

    void outputPaths()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QConverterOperate::setConverterPath(root.path());
        profile().fileExtend = QStringLiteral("mp4");

        VelVideoConvertItem::clearOutputFileList();
        std::unique_ptr<VelVideoConvertItem> item(makeSourceItem(1, 0));
        item->m_displayName = QStringLiteral("holiday.mkv");
        item->m_splitInfo.m_mode = Split_Info::NoSplit;
        QVERIFY(item->getConverOutputDir().isEmpty());   // no base name yet
        QCOMPARE(item->getValidOutputName(), QStringLiteral("holiday.mkv"));
        QCOMPARE(item->getConverOutputDir(), root.path() + QLatin1Char('/'));
        const QString first = item->getConverPath();
        QCOMPARE(first, root.path() + QStringLiteral("/holiday.mp4"));
        // Handed out once already, so the second call moves on although no file exists.
        QCOMPARE(item->getConverPath(), root.path() + QStringLiteral("/holiday(1).mp4"));
        QCOMPARE(item->getOutputPath(), root.path() + QStringLiteral("/holiday(1).mp4"));
        item->removeOutPutDir();   // the output root itself is never removed
        QVERIFY(QFileInfo(root.path()).isDir());

        // A split item gets a folder of its own, named after the source.
        QVERIFY(QDir(root.path()).mkdir(QStringLiteral("holiday")));
        item->m_splitInfo.m_mode = Split_Info::IntoParts;
        const QString folder = item->getConverOutputDir();
        QCOMPARE(folder, root.path() + QStringLiteral("/holiday(1)/"));
        QCOMPARE(item->getConverPath(), root.path() + QStringLiteral("/holiday(1)/holiday_1.mp4"));
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(item->getConverPath(), root.path() + QStringLiteral("/holiday(1)/holiday_2.mp4"));

        QFile kept(folder + QStringLiteral("holiday_1.mp4"));
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.close();
        item->removeOutPutDir();
        QVERIFY(QFileInfo(folder).isDir());   // still holds a file
        QVERIFY(kept.remove());
        item->removeOutPutDir();
        QVERIFY(!QFileInfo(folder).exists());
    }

    void convertedInfoRecord()
    {
        QTemporaryDir dir;
        const QString output = dir.filePath("clip_1.mp4");
        QFile file(output);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(2048, 'x'));
        file.close();

        std::unique_ptr<VelVideoConvertItem> item(makeSourceItem(1, 0));
        item->m_outputPath = output;
        item->m_tagTexts[1] = "Band \xC3\xA9";
        convertedInfo info;
        item->getConvertedInfo(info);
        QCOMPARE(info.convertedPath, output);
        QCOMPARE(info.resolution, QStringLiteral("1280*720"));
        QCOMPARE(info.size, QStringLiteral("2.00 KB"));
        QCOMPARE(info.extend, QStringLiteral("mp4"));
        QCOMPARE(info.format, QStringLiteral("MP4"));
        QCOMPARE(info.artist, QString::fromUtf8("Band \xC3\xA9"));
        QCOMPARE(info.time, QStringLiteral("00:00:04"));
    }
};

QTEST_GUILESS_MAIN(TestEncodeParam)
#include "tst_encodeparam.moc"
