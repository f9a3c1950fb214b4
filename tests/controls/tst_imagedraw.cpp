#include "QBaseImageDraw.h"
#include "QProgressIndicator.h"

#include <QPainter>
#include <QtTest>

using Cells = QVector<QBaseImageDraw::NineCell>;

class TestImageDraw : public QObject
{
    Q_OBJECT

private slots:
    void ninePart_data()
    {
        QTest::addColumn<QRect>("target");
        QTest::addColumn<QSize>("image");
        QTest::addColumn<int>("cells");
        QTest::addColumn<QRect>("firstTarget");
        QTest::addColumn<QRect>("secondSource");
        // c = min(60, 100) / 3 = 20, d = min(30, 40) / 3 = 10.
        QTest::newRow("all nine") << QRect(0, 0, 100, 40) << QSize(120, 60) << 9 << QRect(0, 0, 20, 10)
                                  << QRect(80, 0, 40, 20);
        QTest::newRow("offset target") << QRect(5, 7, 100, 40) << QSize(120, 60) << 9 << QRect(5, 7, 20, 10)
                                       << QRect(80, 0, 40, 20);
        // A zero-wide target has c = 0, so neither the top nor the bottom edge is drawn.
        QTest::newRow("zero width") << QRect(0, 0, 0, 40) << QSize(120, 60) << 7 << QRect(0, 0, 0, 10)
                                    << QRect(120, 0, 0, 20);
        QTest::newRow("zero height") << QRect(0, 0, 100, 0) << QSize(120, 60) << 6 << QRect(0, 0, 20, 0)
                                     << QRect(80, 0, 40, 0);
        // H / 2 == 2d: no middle rows in the source, so no centre.
        QTest::newRow("no middle rows") << QRect(0, 0, 100, 60) << QSize(120, 0) << 8 << QRect(0, 0, 20, 0)
                                        << QRect(80, 0, 40, 0);
    }

    void ninePart()
    {
        QFETCH(QRect, target);
        QFETCH(QSize, image);
        QFETCH(int, cells);
        QFETCH(QRect, firstTarget);
        QFETCH(QRect, secondSource);
        const Cells result = QBaseImageDraw::ninePartCells(target, image);
        QCOMPARE(result.size(), cells);
        QCOMPARE(result.at(0).target, firstTarget);
        QCOMPARE(result.at(1).source, secondSource);
    }

    void ninePartCoversTarget()
    {
        const QRect target(3, 4, 100, 40);
        const Cells result = QBaseImageDraw::ninePartCells(target, QSize(120, 60));
        QRegion covered;
        for (const auto& cell : result)
            covered += cell.target;
        QCOMPARE(covered, QRegion(target));
        // The centre reads the middle of the picture and stretches it.
        QCOMPARE(result.last().target, QRect(23, 14, 60, 20));
        QCOMPARE(result.last().source, QRect(40, 20, 40, 20));
    }

    void ninePartDrawKeepsCorners()
    {
        // A 4 x 4 logical picture whose top-left corner pixel block is red, the rest blue.
        QImage picture(24, 24, QImage::Format_ARGB32);
        picture.fill(Qt::blue);
        QPainter(&picture).fillRect(0, 0, 8, 8, Qt::red);
        picture.setDevicePixelRatio(2.0);
        QImage canvas(60, 30, QImage::Format_ARGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        QBaseImageDraw::drawBtnImageBg(painter, QRect(0, 0, 60, 30), picture, true);
        painter.end();
        QCOMPARE(canvas.pixelColor(1, 1), QColor(Qt::red));
        QCOMPARE(canvas.pixelColor(30, 15), QColor(Qt::blue));
        QCOMPARE(canvas.pixelColor(58, 28), QColor(Qt::blue));
    }

    void drawImageDoublesSource()
    {
        QImage picture(40, 40, QImage::Format_ARGB32);
        picture.fill(Qt::blue);
        // Logical source (1, 2, 10, 5) reads pixels (2, 4, 20, 10): paint that block green.
        QPainter(&picture).fillRect(2, 4, 20, 10, Qt::green);
        QImage canvas(10, 5, QImage::Format_ARGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        QBaseImageDraw::drawImage(painter, QRect(0, 0, 10, 5), QRect(1, 2, 10, 5), picture);
        painter.end();
        QCOMPARE(canvas.pixelColor(5, 2), QColor(Qt::green));
        QCOMPARE(canvas.pixelColor(0, 0), QColor(Qt::green));
    }

    void roundedPathRadius_data()
    {
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<double>("radius");
        QTest::addColumn<QPointF>("start");
        QTest::newRow("radius cut to half the truncated shorter side") << QRectF(0, 0, 9, 30) << 10.0 << QPointF(5, 0);
        QTest::newRow("radius kept") << QRectF(0, 0, 100, 30) << 4.0 << QPointF(96, 0);
    }

    void roundedPathRadius()
    {
        QFETCH(QRectF, rect);
        QFETCH(double, radius);
        QFETCH(QPointF, start);
        const QPainterPath path = QBaseImageDraw::GetRoundedRectanglePath(rect, radius);
        QCOMPARE(path.elementAt(0).x, start.x());
        QCOMPARE(path.elementAt(0).y, start.y());
        QCOMPARE(path.currentPosition(), start);
    }

    void busyIndicatorTimer()
    {
        QProgressIndicator indicator;
        QVERIFY(!indicator.isAnimated());
        indicator.startAnimation();
        indicator.startAnimation();
        QVERIFY(indicator.isAnimated());
        QTRY_VERIFY_WITH_TIMEOUT(indicator.angle() != 0, 2000);
        indicator.startAnimation();
        QCOMPARE(indicator.angle(), 0);
        indicator.stopAnimation();
        QVERIFY(!indicator.isAnimated());
        QCOMPARE(indicator.sizeHint(), QSize(20, 20));
        QCOMPARE(indicator.heightForWidth(33), 33);
    }

    void busyIndicatorPaints_data()
    {
        QTest::addColumn<bool>("animated");
        QTest::addColumn<bool>("displayedWhenStopped");
        QTest::addColumn<bool>("painted");
        QTest::newRow("stopped, hidden") << false << false << false;
        QTest::newRow("stopped, displayed") << false << true << true;
        QTest::newRow("running") << true << false << true;
    }

    void busyIndicatorPaints()
    {
        QFETCH(bool, animated);
        QFETCH(bool, displayedWhenStopped);
        QFETCH(bool, painted);
        QProgressIndicator indicator;
        indicator.resize(80, 80);
        indicator.setColor(QColor(157, 157, 204));
        indicator.setDisplayedWhenStopped(displayedWhenStopped);
        if (animated)
            indicator.startAnimation();
        QImage image(80, 80, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        indicator.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        bool any = false;
        for (int y = 0; y < 80 && !any; ++y)
            for (int x = 0; x < 80 && !any; ++x)
                any = qAlpha(image.pixel(x, y)) != 0;
        QCOMPARE(any, painted);
    }
};

QTEST_MAIN(TestImageDraw)
#include "tst_imagedraw.moc"
