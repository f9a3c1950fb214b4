// After the start-up registration "Tahoma" is the shipped lookalike (fontconfig alone
// gives a font with other metrics, which would cut captions off), bold included, and
// the family the cut tool bar asks for lands on it too.
#include "QFontLoader.h"
#include "ResourceRoot.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class tst_Fonts : public QObject
{
    Q_OBJECT

private slots:
    void missingFontsAreReported();
    void shippedFontsLoad();
    void familyResolves_data();
    void familyResolves();
    void captionsMeasureInTheLookalike();
    void cjkFontIsInstalled();
};

// Runs first: a failed registration must warn and must not stop a later one.
void tst_Fonts::missingFontsAreReported()
{
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot load the interface fonts")));
    QVERIFY(!QFontLoader::loadApplicationFonts(empty.path()));
}

void tst_Fonts::shippedFontsLoad()
{
    for (const QString &file : QFontLoader::fontFiles())
        QVERIFY2(QFile::exists(resourceRoot() + QLatin1Char('/') + file), qPrintable(file));
    QVERIFY(QFontLoader::loadApplicationFonts(resourceRoot()));
}

void tst_Fonts::familyResolves_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("pixelSize");
    QTest::newRow("Tahoma 12") << "Tahoma" << false << 12;
    QTest::newRow("Tahoma 11") << "Tahoma" << false << 11;
    QTest::newRow("Tahoma bold 12") << "Tahoma" << true << 12;
    QTest::newRow("cut tool bar family") << QStringLiteral("苹方-简") << false << 14;
    QTest::newRow("cut tool bar family bold") << QStringLiteral("苹方-简") << true << 14;
}

void tst_Fonts::familyResolves()
{
    QFETCH(QString, family);
    QFETCH(bool, bold);
    QFETCH(int, pixelSize);
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    const QFontInfo info(font);
    QCOMPARE(info.family(), QStringLiteral("Tahoma"));
    QCOMPARE(info.bold(), bold);
}

// Captions measure with the shipped file's own advances, not a substitute's.
void tst_Fonts::captionsMeasureInTheLookalike()
{
    const QString text = QStringLiteral("Drag media files here to start");
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    const QRawFont shipped(resourceRoot() + QStringLiteral("/fonts/tahoma.ttf"), 13);
    QVERIFY(shipped.isValid());
    qreal expected = 0;
    for (const QPointF &advance : shipped.advancesForGlyphIndexes(shipped.glyphIndexesForString(text)))
        expected += advance.x();
    QVERIFY2(qAbs(width - expected) < 1.5, qPrintable(QStringLiteral("%1 against %2").arg(width).arg(expected)));
}

// The language list shows "简体中文" and "日本語" even in the English interface; they
// come from the CJK font by fallback.
void tst_Fonts::cjkFontIsInstalled()
{
    QVERIFY2(QFontDatabase().families().contains(QStringLiteral("WenQuanYi Micro Hei")), "install fonts-wqy-microhei");
    QFont cjk(QStringLiteral("WenQuanYi Micro Hei"));
    QCOMPARE(QFontInfo(cjk).family(), QStringLiteral("WenQuanYi Micro Hei"));
    for (const QChar c : QStringLiteral("简体中文日本語"))
        QVERIFY2(QFontMetrics(cjk).inFont(c), qPrintable(QString(c)));
}

QTEST_MAIN(tst_Fonts)
#include "tst_fonts.moc"
