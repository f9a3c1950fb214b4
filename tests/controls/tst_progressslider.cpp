#include "QVelBaseButton.h"
#include "QVelBaseSlider.h"
#include "TestPictures.h"

#include <QSignalSpy>
#include <QtTest>

class TestProgressSlider : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static void press(QWidget* target, QPoint local)
    {
        QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, local);
    }

    // Lightest and darkest pixel of a column range of the picture.
    static QPair<int, int> lightnessRange(const QImage& image, int from, int to)
    {
        int lo = 255, hi = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = from; x < to; ++x) {
                const int l = QColor(image.pixel(x, y)).lightness();
                lo = std::min(lo, l);
                hi = std::max(hi, l);
            }
        return {lo, hi};
    }

private slots:
    // The value text stands half over the fill and half over a dark track: the
    // part over the track must not vanish in it, nor the part over the fill.
    void captionReadsOverFillAndTrack()
    {
        QVelBaseProgress bar;
        QPalette pal = bar.palette();
        pal.setColor(QPalette::Window, QColor(40, 40, 40));
        pal.setColor(QPalette::Highlight, QColor(244, 229, 137));
        pal.setColor(QPalette::WindowText, Qt::black);
        bar.setPalette(pal);
        bar.setFormat("%p%");
        bar.resize(200, 30);
        bar.setValue(50.0);
        const QImage image = bar.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int mid = image.width() / 2;
        // Over the track: the background is dark, so the text shows as light.
        QVERIFY(lightnessRange(image, mid + 2, image.width()).second > 180);
        // Over the fill: the background is light, so the text shows as dark.
        QVERIFY(lightnessRange(image, 0, mid - 2).first < 80);
    }

    // Skins give light and dark track pictures: the caption over an empty bar
    // takes the colour that reads on the picture, not a fixed light one.
    void captionReadsOnPictureTrack_data()
    {
        QTest::addColumn<QColor>("track");
        QTest::addColumn<bool>("darkCaption");
        QTest::newRow("light track") << QColor(200, 200, 200) << true;
        QTest::newRow("dark track") << QColor(50, 50, 50) << false;
    }

    void captionReadsOnPictureTrack()
    {
        QFETCH(QColor, track);
        QFETCH(bool, darkCaption);
        QVelBaseProgress bar;
        bar.resize(200, 30);
        QVERIFY(bar.setBottomImage(TestPictures::flat(m_dir, "caption-track.png", 400, 60, track)));
        bar.setFormat("%p%");
        bar.setValue(0.0);
        // Laid on the track's own colour, so only the caption differs from it.
        const QImage grabbed = bar.grab().toImage();
        QImage image(grabbed.size(), QImage::Format_RGB32);
        image.fill(track);
        QPainter(&image).drawImage(0, 0, grabbed);
        const QPair<int, int> range = lightnessRange(image, 0, image.width());
        if (darkCaption)
            QVERIFY2(range.first < 60, qPrintable(QString("darkest %1").arg(range.first)));
        else
            QVERIFY2(range.second > 180, qPrintable(QString("lightest %1").arg(range.second)));
    }

    void reversedRangeIsSwapped()
    {
        QVelBaseProgress bar;
        bar.setRange(100, 0);
        QCOMPARE(bar.minimum(), 0.0);
        QCOMPARE(bar.maximum(), 100.0);
    }

    void narrowingRangeClampsSilently()
    {
        QVelBaseProgress bar;
        bar.setRange(0, 200);
        bar.setValue(150.0);
        QSignalSpy changed(&bar, &QVelBaseProgress::valueChanged);
        bar.setRange(0, 100);
        QCOMPARE(bar.value(), 100.0);
        QCOMPARE(changed.count(), 0);
    }

    void setValueClampsAndSignals_data()
    {
        QTest::addColumn<double>("input");
        QTest::addColumn<double>("stored");
        QTest::addColumn<int>("emitted");
        QTest::newRow("inside") << 42.5 << 42.5 << 1;
        QTest::newRow("above") << 250.0 << 100.0 << 1;
        QTest::newRow("below") << -5.0 << 0.0 << 1;
        QTest::newRow("unchanged within tolerance") << 0.0000005 << 0.0 << 0;
    }

    void setValueClampsAndSignals()
    {
        QFETCH(double, input);
        QFETCH(double, stored);
        QFETCH(int, emitted);
        QVelBaseProgress bar;
        QSignalSpy changed(&bar, &QVelBaseProgress::valueChanged);
        bar.setValue(input);
        QCOMPARE(bar.value(), stored);
        QCOMPARE(changed.count(), emitted);
    }

    void formatText_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("value, range, percent") << "%v of %m (%p%)" << 99.0 << 33.0 << 1 << "33.0 of 100.0 (33.3%)";
        QTest::newRow("default percent") << "%p%" << 100.0 << 25.0 << 0 << "25%";
        QTest::newRow("no placeholders") << "busy" << 100.0 << 25.0 << 1 << "busy";
        // Before a range is set up the percentage is 0, not NaN or infinity.
        QTest::newRow("empty range") << "%p%" << 0.0 << 0.0 << 1 << "0.0%";
    }

    void formatText()
    {
        QFETCH(QString, format);
        QFETCH(double, maximum);
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QVelBaseProgress bar;
        bar.setRange(0, maximum);
        bar.setDecimals(decimals);
        bar.setFormat(format);
        bar.setValue(value);
        QCOMPARE(bar.getFormatValue(), text);
    }

    void zeroRangeFillsNothing()
    {
        QVelBaseProgress bar;
        bar.resize(100, 10);
        bar.setRange(0, 0);
        QCOMPARE(bar.filledLength(), 0.5);
        bar.grab();
    }

    void fillLength_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("length");
        QTest::newRow("empty") << 0.0 << 0.5;
        QTest::newRow("half") << 50.0 << 100.5;
        QTest::newRow("full") << 100.0 << 200.5;
    }

    void fillLength()
    {
        QFETCH(double, value);
        QFETCH(double, length);
        QVelBaseProgress bar;
        bar.resize(220, 12);
        bar.setOffset(10, 10);
        bar.setValue(value);
        QCOMPARE(bar.filledLength(), length);
    }

    void fillIsPaintedInHighlight()
    {
        QVelBaseProgress bar;
        bar.resize(200, 20);
        bar.setCircle(false);
        bar.setFormat(QString());
        bar.setValue(50.0);
        const QImage image = bar.grab().toImage();
        QCOMPARE(image.pixelColor(50, 10), QColor(6, 176, 37));
        QCOMPARE(image.pixelColor(150, 10), QColor(230, 230, 230));
    }

    void offsetsWiderThanBarReset()
    {
        QVelBaseProgress bar;
        bar.resize(50, 10);
        bar.setOffset(30, 30);
        QCOMPARE(bar.getTLOffset(), 0);
        QCOMPARE(bar.getRBOffset(), 0);
        bar.setOffset(10, 5);
        QCOMPARE(bar.getTLOffset(), 10);
        QCOMPARE(bar.getRBOffset(), 5);
    }

    void updateIntervalDefersRepaint()
    {
        QVelBaseProgress bar;
        bar.setUpdateInterval(100);
        QTest::qWait(110);
        bar.setValue(10.0);
        QVERIFY(!bar.repaintPending());
        bar.setValue(20.0);
        QVERIFY(bar.repaintPending());
        QTRY_VERIFY_WITH_TIMEOUT(!bar.repaintPending(), 1000);
    }

    void missingPicturesFallBack()
    {
        QVelBaseProgress bar;
        QVERIFY(!bar.setBottomImage(m_dir.filePath("none.png")));
        QVERIFY(!bar.setTopImage(m_dir.filePath("none.png")));
        QVERIFY(m_dir.isValid());
        QVERIFY(bar.setBottomImage(TestPictures::flat(m_dir, "track.png", 40, 8, Qt::gray)));
    }

    // A horizontal slider 200 wide with offsets 10 and 10 over 0-100.
    void sliderPress_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("pull");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QVariantList>("fractions");
        QTest::newRow("middle") << 100 << true << 50.0 << 1 << QVariantList{0.5};
        QTest::newRow("start of track") << 10 << true << 0.0 << 1 << QVariantList{};
        QTest::newRow("quarter") << 55 << true << 25.0 << 1 << QVariantList{0.25};
        QTest::newRow("before the track") << 5 << true << 0.0 << 0 << QVariantList{};
        QTest::newRow("end of track") << 190 << true << 100.0 << 1 << QVariantList{1.0};
        QTest::newRow("pull disabled") << 100 << false << 0.0 << 1 << QVariantList{};
    }

    void sliderPress()
    {
        QFETCH(int, x);
        QFETCH(bool, pull);
        QFETCH(double, value);
        QFETCH(int, presses);
        QFETCH(QVariantList, fractions);
        QWidget window;
        auto* slider = new QVelBaseSlider(&window);
        slider->resize(200, 20);
        slider->setOffset(10, 10);
        slider->setEnabledPull(pull);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy pressed(slider, &QVelBaseSlider::sendPressEvent);
        QSignalSpy progress(slider, &QVelBaseSlider::sendProgressValue);
        press(slider, QPoint(x, 10));
        QCOMPARE(slider->value(), value);
        QCOMPARE(pressed.count(), presses);
        QVariantList emitted;
        for (const QList<QVariant>& args : progress)
            emitted << args.at(0);
        QCOMPARE(emitted, fractions);
    }

    void sliderDragBeyondEnd()
    {
        QWidget window;
        auto* slider = new QVelBaseSlider(&window);
        slider->resize(200, 20);
        slider->setOffset(10, 10);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy released(slider, &QVelBaseSlider::sendReleseEvent);
        press(slider, QPoint(100, 10));
        QTest::mouseMove(slider, QPoint(300, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(300, 10), QPointF(slider->mapToGlobal(QPoint(300, 10))), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(slider, &move);
        QCOMPARE(slider->value(), 100.0);
        QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, QPoint(300, 10));
        QCOMPARE(released.count(), 1);
    }

    void sliderKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<double>("value");
        QTest::newRow("left") << int(Qt::Key_Left) << 49.0;
        QTest::newRow("down") << int(Qt::Key_Down) << 49.0;
        QTest::newRow("right") << int(Qt::Key_Right) << 51.0;
        QTest::newRow("up") << int(Qt::Key_Up) << 51.0;
        QTest::newRow("return") << int(Qt::Key_Return) << 50.0;
    }

    void sliderKeys()
    {
        QFETCH(int, key);
        QFETCH(double, value);
        QVelBaseSlider slider;
        slider.setValue(50.0);
        QSignalSpy progress(&slider, &QVelBaseSlider::sendProgressValue);
        QTest::keyClick(&slider, Qt::Key(key));
        QCOMPARE(slider.value(), value);
        QCOMPARE(progress.count(), 0);
    }

    void keysStopAtBounds()
    {
        QVelBaseSlider slider;
        QTest::keyClick(&slider, Qt::Key_Left);
        QCOMPARE(slider.value(), 0.0);
        slider.setValue(100.0);
        QTest::keyClick(&slider, Qt::Key_Right);
        QCOMPARE(slider.value(), 100.0);
    }

    void handleFollowsValue()
    {
        QVERIFY(m_dir.isValid());
        const QString knob = TestPictures::strip(m_dir, "knob.png", 64, 16);
        QWidget window;
        auto* slider = new QVelBaseSlider(&window);
        slider->resize(200, 20);
        slider->setBtnImage(knob);
        QVelBaseButton* handle = slider->getButton();
        QVERIFY(handle);
        QCOMPARE(handle->size(), QSize(8, 8));
        // Offsets below half the handle's height become half its width.
        QCOMPARE(slider->getTLOffset(), 4);
        slider->setBtnOffset(2);
        slider->setValue(50.0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        slider->grab();
        const int length = 200 - 4 - 4;
        QCOMPARE(handle->pos(), QPoint(int(4 + length * 0.5) - 4, (20 - 8) / 2 + 2));
    }

    void handleDragMovesValue()
    {
        QVERIFY(m_dir.isValid());
        const QString knob = TestPictures::strip(m_dir, "knob.png", 64, 16);
        QWidget window;
        auto* slider = new QVelBaseSlider(&window);
        slider->resize(200, 20);
        slider->setBtnImage(knob);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        slider->grab();
        QVelBaseButton* handle = slider->getButton();
        QSignalSpy progress(slider, &QVelBaseSlider::sendProgressValue);
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
        const QPoint target = slider->mapToGlobal(QPoint(100, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(handle->mapFromGlobal(target)), QPointF(target), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(handle, &move);
        QCOMPARE(slider->value(), 50.0);
        QCOMPARE(progress.count(), 1);
    }
};

QTEST_MAIN(TestProgressSlider)
#include "tst_progressslider.moc"
