#include "SheetFlow.h"
#include "SheetPalette.h"

#include <QSet>
#include <QTest>

// The contact sheets' row layout and their small copy's colour cut.
class TestContactSheet : public QObject
{
    Q_OBJECT

private slots:
    void flow_data();
    void flow();
    void fewColoursStayExact();
    void manyColoursAreCut();
};

void TestContactSheet::flow_data()
{
    QTest::addColumn<QVector<QSize>>("boxes");
    QTest::addColumn<QVector<QPoint>>("places");
    QTest::addColumn<int>("bottom");
    // Sheet 100 wide, gap 10, first row at 5.
    QTest::newRow("one row") << QVector<QSize>{{30, 20}, {30, 40}} << QVector<QPoint>{{10, 5}, {50, 5}} << 55;
    QTest::newRow("third box wraps below the tallest")
        << QVector<QSize>{{30, 20}, {30, 40}, {30, 10}} << QVector<QPoint>{{10, 5}, {50, 5}, {10, 55}} << 75;
    QTest::newRow("box reaching the margin exactly stays")
        << QVector<QSize>{{30, 10}, {40, 10}} << QVector<QPoint>{{10, 5}, {50, 5}} << 25;
    QTest::newRow("too wide box first: no empty row")
        << QVector<QSize>{{150, 30}, {20, 10}} << QVector<QPoint>{{10, 5}, {10, 45}} << 65;
    QTest::newRow("too wide box later gets its own row")
        << QVector<QSize>{{20, 10}, {150, 30}, {20, 10}} << QVector<QPoint>{{10, 5}, {10, 25}, {10, 65}} << 85;
    QTest::newRow("nothing") << QVector<QSize>{} << QVector<QPoint>{} << 15;
}

void TestContactSheet::flow()
{
    QFETCH(QVector<QSize>, boxes);
    QFETCH(QVector<QPoint>, places);
    QFETCH(int, bottom);
    const SheetFlow flow = SheetFlow::place(boxes, 100, 10, 5);
    QCOMPARE(flow.positions, places);
    QCOMPARE(flow.bottom, bottom);
}

void TestContactSheet::fewColoursStayExact()
{
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(QColor(43, 43, 43));
    for (int x = 0; x < 64; ++x)
        image.setPixel(x, x % 32, qRgb(228, 228, 228));
    image.setPixel(3, 20, qRgb(120, 170, 220));
    const QImage reduced = SheetPalette::reduce(image);
    QCOMPARE(reduced.format(), QImage::Format_Indexed8);
    QCOMPARE(reduced.convertToFormat(QImage::Format_RGB32), image);
}

void TestContactSheet::manyColoursAreCut()
{
    // A gradient of 64k colours over a dominant dark ground: the ground, the
    // most used colour, keeps its exact value.
    QImage image(256, 512, QImage::Format_RGB32);
    image.fill(QColor(24, 24, 24));
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            image.setPixel(x, y, qRgb(x, y, (x + y) / 2));
    const QImage reduced = SheetPalette::reduce(image);
    QCOMPARE(reduced.size(), image.size());
    QVERIFY(reduced.colorCount() <= 256);
    QCOMPARE(reduced.pixel(100, 400), qRgb(24, 24, 24));
}

QTEST_GUILESS_MAIN(TestContactSheet)
#include "tst_contactsheet.moc"
