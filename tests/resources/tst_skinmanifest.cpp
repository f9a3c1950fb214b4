// The pictures drawn at build time match the manifest the widgets were laid out for:
// size, cell split, nine-grid corners and stretchable middles.
#include "ResourceRoot.h"
#include "SkinManifest.h"

#include <QImage>
#include <QtTest>

Q_DECLARE_METATYPE(ManifestLine)

namespace {
QVector<ManifestLine> manifest()
{
    QVector<ManifestLine> lines;
    QString error;
    if (!SkinManifest::read(QStringLiteral(ZV_MANIFEST), lines, &error))
        qFatal("%s", qPrintable(error));
    return lines;
}

bool hasVisiblePixel(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

// The smallest corner (logical) any user of a background sets; 0 when it follows the size.
int smallestCorner(const ManifestLine &line)
{
    int smallest = 0;
    for (const QString &corner : line.option(QStringLiteral("corners")).split(QLatin1Char(','))) {
        const int value = corner.toInt();
        if (value > 0 && (smallest == 0 || value < smallest))
            smallest = value;
    }
    return smallest;
}

int largestCorner(const ManifestLine &line)
{
    int largest = 0;
    for (const QString &corner : line.option(QStringLiteral("corners")).split(QLatin1Char(',')))
        largest = qMax(largest, corner.toInt());
    return largest;
}
}

class tst_SkinManifest : public QObject
{
    Q_OBJECT

private slots:
    void parsesLines_data();
    void parsesLines();
    void picture_data();
    void picture();
    void nineGridMiddleIsUniform_data();
    void nineGridMiddleIsUniform();
};

void tst_SkinManifest::parsesLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("strip") << "image/a.png strip4 144x36 glyph src=breeze:x.svg size=14" << true;
    QTest::newRow("no options") << "pic/m.png icon 32x32 mark" << true;
    QTest::newRow("unknown kind") << "a.png strip 144x36 glyph" << false;
    QTest::newRow("bad size") << "a.png single 144*36 bar" << false;
    QTest::newRow("zero size") << "a.png single 0x36 bar" << false;
    QTest::newRow("no style") << "a.png single 10x10" << false;
    QTest::newRow("bad option") << "a.png single 10x10 bar track" << false;
}

void tst_SkinManifest::parsesLines()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    ManifestLine line;
    QString error;
    QCOMPARE(SkinManifest::parseLine(text, line, &error), valid);
    QCOMPARE(error.isEmpty(), valid);
}

void tst_SkinManifest::picture_data()
{
    QTest::addColumn<ManifestLine>("line");
    for (const ManifestLine &line : manifest())
        QTest::newRow(qPrintable(line.path)) << line;
}

void tst_SkinManifest::picture()
{
    QFETCH(ManifestLine, line);
    const QString path = resourceRoot() + QLatin1Char('/') + line.path;
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(" does not load")));
    QCOMPARE(image.size(), QSize(line.width, line.height));
    const int dpr = line.devicePixelRatio();

    if (line.hasFourCells()) {
        // Four equal cells, each a whole number of logical pixels wide and drawn.
        QVERIFY2(dpr == 1 || line.width % 8 == 0, "strip width is not a multiple of 8");
        QVERIFY2(line.height % 2 == 0, "strip height is odd");
        const int cell = line.width / 4;
        for (int i = 0; i < 4; ++i)
            QVERIFY2(hasVisiblePixel(image, QRect(i * cell, 0, cell, line.height)),
                     qPrintable(QStringLiteral("cell %1 is empty").arg(i)));
    } else {
        QVERIFY2(hasVisiblePixel(image, image.rect()), "picture is empty");
    }
    if (dpr == 2)
        QVERIFY2(line.width % 2 == 0 && line.height % 2 == 0, "double-resolution picture with odd size");

    if (line.kind == QLatin1String("nine")) {
        // At least 2 x corner + 1 logical each way for every corner its users set.
        const int corner = largestCorner(line);
        QVERIFY2(line.width / dpr >= 2 * corner + 1 && line.height / dpr >= 2 * corner + 1,
                 qPrintable(QStringLiteral("smaller than two %1 corners").arg(corner)));
    }
    if (line.path == QLatin1String("VEditSource/bg_border_line.png")) {
        // Cut into unscaled 6x6 and 16x16 pixel cells.
        QCOMPARE(dpr, 1);
        QVERIFY(line.width >= 16 && line.height >= 16);
    }
}

void tst_SkinManifest::nineGridMiddleIsUniform_data()
{
    QTest::addColumn<ManifestLine>("line");
    for (const ManifestLine &line : manifest()) {
        if (line.kind == QLatin1String("nine"))
            QTest::newRow(qPrintable(line.path)) << line;
    }
}

// Everything outside the corner cells is stretched; detail there would smear. With the
// smallest corner its users set, each middle row must be one colour across, and each
// middle column one colour down below the title band.
void tst_SkinManifest::nineGridMiddleIsUniform()
{
    QFETCH(ManifestLine, line);
    const QImage image = QImage(resourceRoot() + QLatin1Char('/') + line.path)
                             .convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!image.isNull());
    const int dpr = line.devicePixelRatio();
    int corner = smallestCorner(line) * dpr;
    if (corner == 0) // corners follow the picture or widget size: a third at most
        corner = qMin(image.width(), image.height()) / 6;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb first = image.pixel(corner, y);
        for (int x = corner; x < image.width() - corner; ++x) {
            if (image.pixel(x, y) != first)
                QFAIL(qPrintable(QStringLiteral("row %1 changes at x %2").arg(y).arg(x)));
        }
    }
    for (int x = 0; x < image.width(); ++x) {
        const QRgb first = image.pixel(x, corner);
        for (int y = corner; y < image.height() - corner; ++y) {
            if (image.pixel(x, y) != first)
                QFAIL(qPrintable(QStringLiteral("column %1 changes at y %2").arg(x).arg(y)));
        }
    }
}

QTEST_GUILESS_MAIN(tst_SkinManifest)
#include "tst_skinmanifest.moc"
