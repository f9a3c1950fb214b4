#include "QTimeControl.h"

#include <QtTest>

class TestTimeRuler : public QObject
{
    Q_OBJECT

private slots:
    void ladder_data();
    void ladder();
    void labels_data();
    void labels();
    void ticksOfTenSeconds();
    void emptyAndZeroLengths();
};

void TestTimeRuler::ladder_data()
{
    QTest::addColumn<qulonglong>("total");
    QTest::addColumn<qulonglong>("intervalSeconds");
    QTest::newRow("0") << 0ULL << 1ULL;
    QTest::newRow("10 s") << 10000000ULL << 1ULL;
    QTest::newRow("10 s + 9 us keeps 1 s") << 10000009ULL << 1ULL;
    QTest::newRow("10 s + 10 us") << 10000010ULL << 2ULL;
    QTest::newRow("30 s") << 30000000ULL << 3ULL;
    QTest::newRow("45 s") << 45000000ULL << 5ULL;
    QTest::newRow("2 min") << 120000000ULL << 15ULL;
    QTest::newRow("1 h") << 3600000000ULL << 600ULL;
    QTest::newRow("2 h") << 7200000000ULL << 900ULL;
    QTest::newRow("10 h") << 36000000000ULL << 3600ULL;
    QTest::newRow("12 h") << 43200000000ULL << 7200ULL;
    QTest::newRow("30 h") << 108000000000ULL << 10800ULL;
    QTest::newRow("300 h") << 1080000000000ULL << 108000ULL;
    QTest::newRow("beyond rounds up") << 1080000000010ULL << 216000ULL;
}

void TestTimeRuler::ladder()
{
    QFETCH(qulonglong, total);
    QFETCH(qulonglong, intervalSeconds);
    QTimeControl ruler;
    ruler.setTime(total);
    QCOMPARE(ruler.step(), intervalSeconds * 1000000ULL / 5);
    QVERIFY(ruler.hasTime());
}

void TestTimeRuler::labels_data()
{
    QTest::addColumn<qulonglong>("us");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0ULL << "00:00:00.00";
    QTest::newRow("10 s") << 10000000ULL << "00:00:10.00";
    QTest::newRow("ms") << 61250000ULL << "00:01:01.250";
    QTest::newRow("hours unbounded") << 360000000000ULL << "100:00:00.00";
}

void TestTimeRuler::labels()
{
    QFETCH(qulonglong, us);
    QFETCH(QString, text);
    QCOMPARE(QTimeControl::timeToString(us), text);
}

void TestTimeRuler::ticksOfTenSeconds()
{
    QTimeControl ruler;
    ruler.resize(500, 37);
    ruler.setTime(10000000ULL);
    const QVector<int> xs = ruler.tickPositions();
    QCOMPARE(xs.size(), 51); // every 0.2 s, both ends included
    QCOMPARE(xs.first(), 1);
    QCOMPARE(xs.last(), 501);
    QCOMPARE(xs[5], 51);
}

void TestTimeRuler::emptyAndZeroLengths()
{
    QTimeControl ruler;
    ruler.resize(600, 37);
    // Before any time: one hour of ticks (every 120 s) and no labels.
    QCOMPARE(ruler.step(), 120000000ULL);
    QCOMPARE(ruler.tickPositions().size(), 31);
    QVERIFY(!ruler.hasTime());
    ruler.setTime(20000000ULL);
    ruler.clearData();
    QCOMPARE(ruler.totalTime(), 3600000000ULL);
    QVERIFY(!ruler.hasTime());

    // A raw stream reports no length: nothing to divide, no ticks, no crash.
    ruler.setTime(0);
    QVERIFY(ruler.tickPositions().isEmpty());
    const QImage picture = ruler.grab().toImage();
    QVERIFY(!picture.isNull());
    // A length shorter than one step still draws the tick at 0.
    ruler.setTime(100000ULL);
    QCOMPARE(ruler.tickPositions().size(), 1);
    QVERIFY(!ruler.grab().toImage().isNull());
}

QTEST_MAIN(TestTimeRuler)
#include "tst_timeruler.moc"
