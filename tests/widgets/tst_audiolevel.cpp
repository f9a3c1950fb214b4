#include "WidgetPictures.h"

#include "QAudioDataWidget.h"

#include <QtTest>

#include <cstring>
#include <memory>

namespace {

// A wave block as the player hands it out: the header, the sample-byte count at
// byte 40, then 16-bit levels.
QByteArray waveBlock(const QVector<quint16>& levels, quint32 claimedBytes = 0, int extraBytes = 0)
{
    const quint32 count = claimedBytes ? claimedBytes : quint32(levels.size() * 2);
    QByteArray block("ZVWB", 4);
    block.append(QAudioDataWidget::kCountOffset - 4, '\0');
    block.append(reinterpret_cast<const char*>(&count), 4);
    block.append(reinterpret_cast<const char*>(levels.constData()), levels.size() * 2);
    block.append(extraBytes, '\0');
    return block;
}

AudioDataAttribute callersRecord()
{
    AudioDataAttribute a;
    a.barWidth = 11;
    a.blockHeight = 3;
    a.barSpace = 2;
    a.blockSpace = 2;
    a.showPeak = 1;
    a.peakFalling = 1;
    a.radius = 1.3;
    a.barColor = a.peakColor = QColor(243, 228, 142);
    return a;
}

std::unique_ptr<QAudioDataWidget> shown(AudioDataAttribute attr, QSize size)
{
    auto widget = std::make_unique<QAudioDataWidget>(nullptr, &attr);
    widget->resize(size);
    widget->show();
    return widget;
}

} // namespace

class TestAudioLevel : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void averaging_data();
    void averaging();
    void fullAndSilentFrames();
    void rateScalesSampleCount_data();
    void rateScalesSampleCount();
    void countClampedToBytesPresent();
    void peaksFall_data();
    void peaksFall();
    void barsShowOnlyAfterAFrame();
    void nullFrameClears();
    void lineModeDropsGaps();
};

void TestAudioLevel::layout_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("bars");
    QTest::addColumn<int>("levels");
    QTest::newRow("callers' 390 x 230") << QSize(390, 230) << 30 << 46;
    QTest::newRow("12 px wide") << QSize(12, 230) << 1 << 46;
    QTest::newRow("10 px wide") << QSize(10, 4) << 0 << 1;
}

void TestAudioLevel::layout()
{
    QFETCH(QSize, size);
    QFETCH(int, bars);
    QFETCH(int, levels);
    auto widget = shown(callersRecord(), size);
    QCOMPARE(widget->barCount(), bars);
    QCOMPARE(widget->levelCount(), levels);
    QCOMPARE(widget->levels().size(), bars);
    QCOMPARE(widget->peaks().size(), bars);
}

void TestAudioLevel::averaging_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("bars");
    QTest::addColumn<QList<int>>("checkBars");
    QTest::addColumn<QList<int>>("expected");
    // Samples are their own index times 10; a level count of 0 keeps the average.
    QTest::newRow("100 samples in 30 bars: 3 or 4 each") << 100 << 30 << QList<int>{0, 1, 2, 29}
                                                        << QList<int>{10, 40, 75, 975};
    QTest::newRow("10 samples in 30 bars: one each") << 10 << 30 << QList<int>{0, 1, 3, 5, 29}
                                                    << QList<int>{0, 0, 10, 10, 90};
}

void TestAudioLevel::averaging()
{
    QFETCH(int, count);
    QFETCH(int, bars);
    QFETCH(QList<int>, checkBars);
    QFETCH(QList<int>, expected);
    QVector<quint16> samples(count);
    for (int i = 0; i < count; ++i)
        samples[i] = quint16(i * 10);
    QVector<int> levels(bars, -1);
    QAudioDataWidget::TransData(samples.constData(), count, levels.data(), bars, 0, false);
    for (int i = 0; i < checkBars.size(); ++i)
        QCOMPARE(levels.at(checkBars.at(i)), expected.at(i));
}

void TestAudioLevel::fullAndSilentFrames()
{
    auto widget = shown(callersRecord(), QSize(390, 230));
    QByteArray loud = waveBlock(QVector<quint16>(2048, 65535));
    QCOMPARE(widget->setAudioData(reinterpret_cast<uchar*>(loud.data()), 0), false);
    for (int level : widget->levels())
        QCOMPARE(level, 45);

    QByteArray silent = waveBlock(QVector<quint16>(2048, 0));
    QCOMPARE(widget->setAudioData(reinterpret_cast<uchar*>(silent.data()), 0), true);
    for (int level : widget->levels())
        QCOMPARE(level, 0);

    QCOMPARE(QAudioDataWidget::TransData(nullptr, 0, widget->levels().data(), 30, 46, false), true);
}

void TestAudioLevel::rateScalesSampleCount_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("zeros");
    QTest::addColumn<bool>("allSilent");
    QTest::newRow("44100 Hz uses the first 743") << 44100 << 743 << true;
    QTest::newRow("44100 Hz, 744th sample loud") << 44100 << 742 << false;
    QTest::newRow("8000 Hz uses all") << 8000 << 2047 << false;
    QTest::newRow("rate 0 uses all") << 0 << 2047 << false;
}

// One bar over the samples used: it is silent only when every used sample is 0.
void TestAudioLevel::rateScalesSampleCount()
{
    QFETCH(int, rate);
    QFETCH(int, zeros);
    QFETCH(bool, allSilent);
    auto widget = shown(callersRecord(), QSize(12, 230));
    QVector<quint16> samples(2048, 65535);
    std::fill(samples.begin(), samples.begin() + zeros, 0);
    QByteArray block = waveBlock(samples);
    QCOMPARE(widget->setAudioData(reinterpret_cast<uchar*>(block.data()), rate), allSilent);
}

// A block whose count claims more bytes than follow it is read only as far as the
// bytes go.
void TestAudioLevel::countClampedToBytesPresent()
{
    auto widget = shown(callersRecord(), QSize(12, 230));
    QByteArray shortBlock = waveBlock(QVector<quint16>(50, 0), 100000, 64);
    std::memset(shortBlock.data() + QAudioDataWidget::kSamplesOffset + 100, 0xff, 64);
    QCOMPARE(widget->setAudioBlock(reinterpret_cast<const uchar*>(shortBlock.constData()), 0,
                                   QAudioDataWidget::kSamplesOffset + 100),
             true);

    QVector<quint16> samples(4096 + 100, 0);
    std::fill(samples.begin() + 4096, samples.end(), 65535);
    QByteArray oversized = waveBlock(samples, quint32(samples.size() * 2));
    QCOMPARE(widget->setAudioData(reinterpret_cast<uchar*>(oversized.data()), 0), true);
}

void TestAudioLevel::peaksFall_data()
{
    QTest::addColumn<int>("falling");
    QTest::addColumn<QList<int>>("peaks");
    QTest::newRow("falling peaks hold two frames, then drop faster") << 1 << QList<int>{10, 10, 9, 7, 4, 0};
    QTest::newRow("plain peaks drop 1 px a frame") << 0 << QList<int>{9, 8, 7, 6, 5, 4};
}

void TestAudioLevel::peaksFall()
{
    QFETCH(int, falling);
    QFETCH(QList<int>, peaks);
    AudioDataAttribute attr;
    attr.barWidth = 10;
    attr.blockHeight = 5;
    attr.showPeak = 1;
    attr.peakFalling = falling;
    auto widget = shown(attr, QSize(40, 100));
    QCOMPARE(widget->levelCount(), 20);

    QByteArray twoLevels = waveBlock(QVector<quint16>(400, 6554));
    widget->setAudioData(reinterpret_cast<uchar*>(twoLevels.data()), 0);
    QCOMPARE(widget->levels().at(0), 2);
    QCOMPARE(widget->peaks().at(0), 10);

    QByteArray silent = waveBlock(QVector<quint16>(400, 0));
    for (int expected : peaks) {
        widget->setAudioData(reinterpret_cast<uchar*>(silent.data()), 0);
        QCOMPARE(widget->peaks().at(0) > 0 ? widget->peaks().at(0) : 0, expected);
    }
}

void TestAudioLevel::barsShowOnlyAfterAFrame()
{
    AudioDataAttribute attr = callersRecord();
    attr.showPeak = 0;
    auto widget = shown(attr, QSize(390, 230));
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    const QPoint lowestBlock(5, 228);
    QByteArray loud = waveBlock(QVector<quint16>(2048, 65535));
    widget->setAudioData(reinterpret_cast<uchar*>(loud.data()), 0);
    QCOMPARE(WidgetPictures::colorAt(*widget, lowestBlock), QColor(243, 228, 142));
    QVERIFY(WidgetPictures::colorAt(*widget, lowestBlock) != QColor(243, 228, 142));
}

void TestAudioLevel::nullFrameClears()
{
    auto widget = shown(callersRecord(), QSize(390, 230));
    QByteArray loud = waveBlock(QVector<quint16>(2048, 65535));
    widget->setAudioData(reinterpret_cast<uchar*>(loud.data()), 0);
    QVERIFY(widget->peaks().at(0) > 0);
    QCOMPARE(widget->setAudioData(nullptr, 0), true);
    for (int peak : widget->peaks())
        QCOMPARE(peak, 0);
    QVERIFY(WidgetPictures::colorAt(*widget, QPoint(5, 228)) != QColor(243, 228, 142));
}

void TestAudioLevel::lineModeDropsGaps()
{
    AudioDataAttribute attr = callersRecord();
    attr.drawMode = 1;
    QAudioDataWidget widget(nullptr, &attr);
    QCOMPARE(widget.attribute().barSpace, 0);
    QCOMPARE(widget.attribute().blockSpace, 0);
    widget.resize(110, 100);
    widget.show();
    QCOMPARE(widget.barCount(), 10);
    QVector<quint16> nearlyFlat(200, 1000);
    nearlyFlat[150] = 1010;
    QByteArray block = waveBlock(nearlyFlat);
    QCOMPARE(widget.setAudioData(reinterpret_cast<uchar*>(block.data()), 0), true);
    nearlyFlat[150] = 1011;
    block = waveBlock(nearlyFlat);
    QCOMPARE(widget.setAudioData(reinterpret_cast<uchar*>(block.data()), 0), false);
}

QTEST_MAIN(TestAudioLevel)
#include "tst_audiolevel.moc"
