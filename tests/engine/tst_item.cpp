#include "AttributeSetting.h"
#include "EngineTestUtil.h"

#include <QtTest>
#include <memory>

class TestItem : public QObject
{
    Q_OBJECT

private slots:
    void construction()
    {
        VelVideoConvertItem item;
        QCOMPARE(item.Index(), -1);
        QVERIFY(item.m_bHasVideo);
        QVERIFY(item.m_bHasAudio);
        QVERIFY(!item.m_picture);
        QCOMPARE(item.m_trimEnd, uint64_t(0));
        QCOMPARE(item.getConvertState(), 0);
        QCOMPARE(item.m_editConfig.m_programValue.subtlType, -1);
        QVERIFY(qMetaTypeId<VelVideoConvertItem *>() > 0);
    }

    void copyFromNullChangesNothing()
    {
        VelVideoConvertItem item;
        item.m_displayName = QStringLiteral("kept");
        QVERIFY(!item.setVideoConvertItem(nullptr));
        QCOMPARE(item.m_displayName, QStringLiteral("kept"));
        QVERIFY(!item.m_bSelected);
    }

    void copyTakesSourceDataOnly()
    {
        std::unique_ptr<VelVideoConvertItem> source(makeSourceItem(3, 2));
        source->m_editConfig.m_videoEffect.hue = 40;
        source->m_editConfig.m_bLossless = true;
        source->m_splitSegments.append(SplitSegment{0, 10});

        VelVideoConvertItem copy;
        QVERIFY(copy.setVideoConvertItem(source.get()));
        QCOMPARE(copy.m_sourcePath, source->m_sourcePath);
        QCOMPARE(copy.m_displayName, QStringLiteral("clip.mkv"));
        QCOMPARE(copy.m_programIndex, 1);
        QCOMPARE(copy.m_duration, source->m_duration);
        QCOMPARE(copy.m_videoWidth, 1920);
        QCOMPARE(copy.m_trimStart, uint64_t(0));
        QCOMPARE(copy.m_trimEnd, uint64_t(0));
        QVERIFY(copy.m_bSelected);
        QCOMPARE(copy.m_splitInfo.m_mode, 0);
        QCOMPARE(copy.m_splitInfo.m_chapterCount, 4);
        QVERIFY(copy.m_splitSegments.isEmpty());
        QCOMPARE(copy.m_audioList, source->m_audioList);
        QCOMPARE(copy.m_editConfig.m_audioList.size(), 3);
        QCOMPARE(copy.m_subtitleList.size(), 3);
        QCOMPARE(copy.m_editConfig.m_subtitleItems.size(), 3);
        QCOMPARE(copy.m_editConfig.m_subtitleValue.m_subtitleCount, 2);
        QCOMPARE(copy.m_editConfig.m_programValue.ProgramIndex, 1);
        QCOMPARE(copy.m_editConfig.m_programValue.m_subtitleCount, 2);
        QCOMPARE(copy.m_audioTracks, source->m_audioTracks);
        QCOMPARE(copy.m_videoTracks, source->m_videoTracks);
        // Same selection marks as the source.
        QCOMPARE(copy.m_editConfig.m_audioTracks, source->m_editConfig.m_audioTracks);
        QCOMPARE(copy.m_editConfig.m_audioTracks.at(1).m_bSelected, uint8_t(1));
        // Edits are not copied.
        QCOMPARE(copy.m_editConfig.m_videoEffect.hue, 0);
        QVERIFY(!copy.m_editConfig.m_bLossless);

        // Deep: changing the source afterwards leaves the copy alone.
        source->m_audioTracks[0].m_privateData[0] = 'Z';
        QCOMPARE(copy.m_audioTracks.at(0).m_privateData, QByteArray(4, 'a'));
    }

    void resetTrackData_data()
    {
        QTest::addColumn<bool>("lossless");
        QTest::addColumn<int>("audioTracks");
        QTest::addColumn<int>("subtitleTracks");
        QTest::addColumn<QList<int>>("audioSelected");
        QTest::addColumn<QList<int>>("subtitleSelected");
        QTest::addColumn<int>("subtlType");
        QTest::newRow("lossless, no subtitles") << true << 2 << 0 << QList<int>{1, 1} << QList<int>{} << -1;
        QTest::newRow("lossless, two subtitles") << true << 1 << 2 << QList<int>{1} << QList<int>{1, 1} << 0;
        QTest::newRow("encoding, three audio") << false << 3 << 2 << QList<int>{1, 0, 0} << QList<int>{0, 0} << -1;
    }

    void resetTrackData()
    {
        QFETCH(bool, lossless);
        QFETCH(int, audioTracks);
        QFETCH(int, subtitleTracks);
        QFETCH(QList<int>, audioSelected);
        QFETCH(QList<int>, subtitleSelected);
        QFETCH(int, subtlType);

        std::unique_ptr<VelVideoConvertItem> item(makeSourceItem(audioTracks, subtitleTracks));
        item->m_editConfig.m_bLossless = lossless;
        item->m_editConfig.m_programValue.audioType = -1;
        item->m_editConfig.m_programValue.m_audioIndex = 2;
        item->resetTrackData();
        QList<int> audio, subtitles;
        for (const EVAudioTrack &t : item->m_editConfig.m_audioTracks)
            audio.append(t.m_bSelected);
        for (const EVSubtitleTrack &t : item->m_editConfig.m_subtitleTracks)
            subtitles.append(t.m_bSelected);
        QCOMPARE(audio, audioSelected);
        QCOMPARE(subtitles, subtitleSelected);
        QCOMPARE(item->m_editConfig.m_programValue.subtlType, subtlType);
        QCOMPARE(item->m_editConfig.m_programValue.audioType, 0);
        QCOMPARE(item->m_editConfig.m_programValue.m_subtitleIndex, 0);
        QCOMPARE(item->m_editConfig.m_programValue.m_audioIndex, 2);   // left alone
        QCOMPARE(item->m_editConfig.m_programValue.ProgramIndex, 1);
    }

    void outputProfileIntoEditRecord()
    {
        std::unique_ptr<VelVideoConvertItem> item(makeSourceItem(1, 0));
        AttributeSetting profile;
        profile.bLossless = true;
        profile.fileFormat = QStringLiteral("Original");
        item->m_sourceFormatName = QStringLiteral("MOV");
        item->setEditConfigBLossless(&profile);
        item->setEditConfigFormat(&profile);
        QVERIFY(item->m_editConfig.m_bLossless);
        QCOMPARE(item->m_editConfig.m_fileFormat, QStringLiteral("mov"));
        profile.bLossless = false;
        profile.fileFormat = QStringLiteral("MP4");
        item->setEditConfigBLossless(&profile);
        item->setEditConfigFormat(&profile);
        QVERIFY(!item->m_editConfig.m_bLossless);
        QCOMPARE(item->m_editConfig.m_fileFormat, QStringLiteral("mp4"));
    }

    void converterTimer_data()
    {
        QTest::addColumn<quint64>("time");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << quint64(0) << QStringLiteral("00:00:00");
        QTest::newRow("59 s") << quint64(59000000) << QStringLiteral("00:00:59");
        QTest::newRow("one hour") << quint64(3600000000ULL) << QStringLiteral("01:00:00");
        QTest::newRow("1:05:09.9") << quint64(3909900000ULL) << QStringLiteral("01:05:09");
        QTest::newRow("24 h") << quint64(86400000000ULL) << QString();
    }

    void converterTimer()
    {
        QFETCH(quint64, time);
        QFETCH(QString, text);
        QCOMPARE(VelVideoConvertItem::converterTimer(time), text);
    }

    void convertedTime()
    {
        VelVideoConvertItem item;
        item.m_duration = 70000000;
        item.m_trimStart = 10000000;
        item.m_editConfig.m_audioSettings.m_effect.m_rate = 200;
        QCOMPARE(item.getConvertedTime(), QStringLiteral("00:00:30"));
        item.m_trimStart = item.m_trimEnd = 20000000;   // an empty range means the whole file
        item.m_editConfig.m_audioSettings.m_effect.m_rate = 100;
        QCOMPARE(item.getConvertedTime(), QStringLiteral("00:01:10"));
    }

    void validOutputName()
    {
        VelVideoConvertItem item;
        item.m_displayName = QStringLiteral("show.ts");
        QCOMPARE(item.getValidOutputName(), QStringLiteral("show.ts"));
        QCOMPARE(item.m_outputBaseName, QStringLiteral("show.ts"));
    }
};

QTEST_GUILESS_MAIN(TestItem)
#include "tst_item.moc"
