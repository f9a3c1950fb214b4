#include "QProgressCaption.h"
#include "QSimpleTimeLine.h"
#include "QTimeControl.h"
#include "QVideoCutManageDlg.h"

#include <QHash>
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
    void labelsReadAndStayWhole_data();
    void labelsReadAndStayWhole();
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

void TestTimeRuler::labelsReadAndStayWhole_data()
{
    QTest::addColumn<qulonglong>("total");
    QTest::addColumn<int>("width");
    QTest::newRow("10 s") << 10000000ULL << 600;
    QTest::newRow("45 s") << 45000000ULL << 640;
    QTest::newRow("1 min, last label at the end") << 60000000ULL << 600;
    QTest::newRow("1 h") << 3600000000ULL << 700;
}

// The ruler as the segment panel colours it: its labels reach 4.5:1 on the
// ruler's ground, and the last one is not cut at the right end.
void TestTimeRuler::labelsReadAndStayWhole()
{
    QFETCH(qulonglong, total);
    QFETCH(int, width);
    QVideoCutManageDlg panel;
    QTimeControl* ruler = panel.timeLine()->ruler();
    ruler->resize(width, 37);
    ruler->setTime(total);
    const QImage image = ruler->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb ground = image.pixel(0, 0);

    // Label pixels stand clearly off the ground above the ticks; the label's own
    // colour is the most frequent among them (the glyph cores).
    QHash<QRgb, int> counts;
    int rightmost = -1;
    for (int y = 0; y < image.height() - 9; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAbs(qGray(image.pixel(x, y)) - qGray(ground)) > 24) {
                ++counts[image.pixel(x, y)];
                rightmost = qMax(rightmost, x);
            }
    QVERIFY2(!counts.isEmpty(), "no label was drawn");
    QRgb text = counts.constBegin().key();
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
        if (it.value() > counts.value(text))
            text = it.key();
    const double ratio = QProgressCaption::contrast(QColor(text), QColor(ground));
    QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 on %2 measures %3:1")
                                           .arg(QColor(text).name(), QColor(ground).name())
                                           .arg(ratio, 0, 'f', 2)));
    // A cut label runs into the last column; a whole one ends before it.
    QVERIFY2(rightmost < image.width() - 1, qPrintable(QStringLiteral("a label reaches column %1 of %2")
                                                           .arg(rightmost)
                                                           .arg(image.width())));
}

QTEST_MAIN(TestTimeRuler)
#include "tst_timeruler.moc"
