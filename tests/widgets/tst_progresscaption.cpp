// The value caption of the skin's progress bars reads at 4.5:1 or better on
// every track picture it is drawn over, both over the empty track and over the
// fill: the drawn caption and the ground under it are sampled from a picture.
#include "QIAnyUtil.h"
#include "QProgressCaption.h"
#include "qSliderCtrl.h"

#include <QHash>
#include <QtTest>

namespace {

QRgb mostFrequent(const QVector<QRgb>& colours)
{
    QHash<QRgb, int> counts;
    QRgb best = 0;
    int bestCount = 0;
    for (QRgb c : colours)
        if (++counts[c] > bestCount) {
            bestCount = counts[c];
            best = c;
        }
    return best;
}

} // namespace

class TestProgressCaption : public QObject
{
    Q_OBJECT

private slots:
    void captionReadsOnEveryTrack_data();
    void captionReadsOnEveryTrack();
};

void TestProgressCaption::captionReadsOnEveryTrack_data()
{
    QTest::addColumn<QString>("track");
    QTest::addColumn<QString>("fill");
    QTest::addColumn<bool>("rounded");
    QTest::addColumn<float>("value");
    const QString list = QStringLiteral("/image/CutListDlg/");
    const QString loading = QStringLiteral("/image/PlayDlg/");
    // 3 % leaves the caption on the track, 97 % on the fill.
    for (float value : {3.0f, 97.0f}) {
        const QByteArray at = QByteArray::number(int(value)) + "%";
        QTest::newRow("segment list " + at) << list + "trake1.png" << list + "trake2.png" << true << value;
        QTest::newRow("segment list, square ends " + at)
            << list + "trake1.png" << list + "trake2.png" << false << value;
        QTest::newRow("loading dialog " + at)
            << loading + "loading_trake.png" << loading + "loading_trake2.png" << true << value;
    }
}

void TestProgressCaption::captionReadsOnEveryTrack()
{
    QFETCH(QString, track);
    QFETCH(QString, fill);
    QFETCH(bool, rounded);
    QFETCH(float, value);
    const QString res = QIAnyUtil::getResourcePath();
    qSliderCtrl bar;
    QVERIFY(bar.setBottomImage(res + track));
    QVERIFY(bar.setTopImage(res + fill));
    bar.setCircle(rounded);
    bar.setCircleLenght(7);
    bar.setEnabledPull(false);
    bar.setValueRange(0, 100);
    bar.setFixedWidth(380);
    bar.setValue(value);
    bar.setShowValue(false);
    const QImage ground = bar.grab().toImage().convertToFormat(QImage::Format_RGB32);
    bar.setShowValue(true);
    const QImage drawn = bar.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(drawn.size(), ground.size());

    // The caption's pixels are those it changed clearly (its thin rim barely
    // changes the ground); its own colour is the most frequent among them (the
    // glyph cores), the ground's the most frequent under them.
    QVector<QRgb> caption, under;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (qAbs(qGray(drawn.pixel(x, y)) - qGray(ground.pixel(x, y))) > 24) {
                caption.append(drawn.pixel(x, y));
                under.append(ground.pixel(x, y));
            }
    QVERIFY2(caption.size() > 20, "no caption was drawn");
    const QColor text(mostFrequent(caption)), back(mostFrequent(under));
    const double ratio = QProgressCaption::contrast(text, back);
    QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 on %2 measures %3:1")
                                           .arg(text.name(), back.name())
                                           .arg(ratio, 0, 'f', 2)));
}

QTEST_MAIN(TestProgressCaption)
#include "tst_progresscaption.moc"
