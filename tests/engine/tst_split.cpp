#include "TestMedia.h"
#include "VelVideoConvertItem.h"

#include <QtTest>

Q_DECLARE_METATYPE(QList<SplitSegment>)

namespace {

const uint64_t kSecond = 1000000;
const uint64_t kMinute = 60 * kSecond;
const uint64_t kHour = 60 * kMinute;

Split_Info request(int mode, int every, bool minutes, int parts)
{
    Split_Info info;
    info.m_mode = mode;
    info.m_everyCount = every;
    info.m_bMinutes = minutes ? 1 : 0;
    info.m_partCount = parts;
    return info;
}

} // namespace

class TestSplit : public QObject
{
    Q_OBJECT

private slots:
    void segments_data()
    {
        QTest::addColumn<quint64>("duration");
        QTest::addColumn<Split_Info>("info");
        QTest::addColumn<QList<SplitSegment>>("expected");
        QTest::newRow("every minute of 150 s")
            << quint64(150 * kSecond) << request(1, 1, true, 1)
            << QList<SplitSegment>{{0, kMinute}, {kMinute, 2 * kMinute}, {2 * kMinute, 0}};
        QTest::newRow("every hour of 2 h")
            << quint64(2 * kHour) << request(1, 1, false, 1)
            << QList<SplitSegment>{{0, kHour}, {kHour, 0}};
        QTest::newRow("every 2 minutes of 1 minute")
            << quint64(kMinute) << request(1, 2, true, 1) << QList<SplitSegment>{{0, 0}};
        QTest::newRow("every minute of nothing") << quint64(0) << request(1, 1, true, 1) << QList<SplitSegment>{};
        QTest::newRow("3 parts of 100 us")
            << quint64(100) << request(2, 1, false, 3)
            << QList<SplitSegment>{{0, 33}, {33, 66}, {66, 0}};
        QTest::newRow("1 part") << quint64(100) << request(2, 1, false, 1) << QList<SplitSegment>{};
        QTest::newRow("0 parts") << quint64(100) << request(2, 1, false, 0) << QList<SplitSegment>{};
        QTest::newRow("no split") << quint64(100) << request(0, 1, false, 5) << QList<SplitSegment>{};
    }

    void segments()
    {
        QFETCH(quint64, duration);
        QFETCH(Split_Info, info);
        QFETCH(QList<SplitSegment>, expected);
        VelVideoConvertItem item;
        item.m_duration = duration;
        item.m_splitSegments.append(SplitSegment{1, 2});   // replaced by every request
        item.setSplitInfo(info);
        QCOMPARE(item.getSplitSegments(), expected);
        QCOMPARE(item.getSplitInfo().m_mode, info.m_mode);
    }

    // An "every N" of less than 1 would never advance; it is refused and the
    // current request and its pieces stay.
    void everyCountBelowOneRefused_data()
    {
        QTest::addColumn<int>("every");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -3;
    }

    void everyCountBelowOneRefused()
    {
        QFETCH(int, every);
        VelVideoConvertItem item;
        item.m_duration = 150 * kSecond;
        item.setSplitInfo(request(2, 1, false, 2));
        const QList<SplitSegment> before = item.getSplitSegments();
        QCOMPARE(before.size(), 2);
        item.setSplitInfo(request(1, every, true, 1));
        QCOMPARE(item.getSplitInfo().m_mode, 2);
        QCOMPARE(item.getSplitSegments(), before);
        QVERIFY(item.lastError().contains(QString::number(every)));
    }

    void chaptersNeedChapters()
    {
        VelVideoConvertItem item;
        item.m_duration = 150 * kSecond;
        item.setSplitInfo(request(1, 1, true, 1));
        item.setSplitInfo(request(3, 1, true, 1));   // no chapters: previous mode is rebuilt
        QCOMPARE(item.getSplitInfo().m_mode, 1);
        QCOMPARE(item.getSplitSegments().size(), 3);
    }

    void chaptersOfMissingFile()
    {
        VelVideoConvertItem item;
        item.m_sourcePath = QStringLiteral("/no/such/file.mkv");
        item.m_splitInfo.m_chapterCount = 2;
        item.setSplitInfo(request(3, 1, false, 1));
        QCOMPARE(item.getSplitInfo().m_mode, 3);
        QVERIFY(item.getSplitSegments().isEmpty());
    }

    void chaptersOfRealFile()
    {
        const QString meta = TestMedia::mediaDir() + QStringLiteral("/split_chapters.txt");
        QFile file(meta);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1500\ntitle=One\n"
                   "[CHAPTER]\nTIMEBASE=1/1000\nSTART=1500\nEND=4000\ntitle=Two\n");
        file.close();
        const QString path = TestMedia::make(QStringLiteral("split_chapters.mkv"),
                                             {"-f", "lavfi", "-i", "testsrc=size=64x48:rate=10:duration=4",
                                              "-i", meta, "-map_metadata", "1", "-map_chapters", "1",
                                              "-c:v", "mpeg4"});
        QVERIFY(!path.isEmpty());
        VelVideoConvertItem item;
        if (!item.setVideoPath(path))
            QSKIP("the media library cannot describe files yet");
        QCOMPARE(item.getSplitInfo().m_chapterCount, 2);
        item.setSplitInfo(request(3, 1, false, 1));
        const QList<SplitSegment> pieces = item.getSplitSegments();
        QCOMPARE(pieces.size(), 2);
        QCOMPARE(pieces.at(0).m_start, uint64_t(0));
        QCOMPARE(pieces.at(0).m_end, uint64_t(1500000));
        QCOMPARE(pieces.at(1).m_start, uint64_t(1500000));
        QCOMPARE(pieces.at(1).m_end, uint64_t(4000000));
    }

    void defaultsKeepChapterCount()
    {
        VelVideoConvertItem item;
        item.m_splitInfo = request(2, 4, true, 6);
        item.m_splitInfo.m_chapterCount = 7;
        item.SetDefaultSplitInfo();
        QCOMPARE(item.getSplitInfo().m_mode, 0);
        QCOMPARE(item.getSplitInfo().m_everyCount, 1);
        QCOMPARE(item.getSplitInfo().m_bMinutes, uint8_t(0));
        QCOMPARE(item.getSplitInfo().m_partCount, 1);
        QCOMPARE(item.getSplitInfo().m_chapterCount, 7);
    }
};

QTEST_GUILESS_MAIN(TestSplit)
#include "tst_split.moc"
