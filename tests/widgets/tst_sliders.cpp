#include "MouseEvents.h"
#include "WidgetPictures.h"

#include "QDualSlider.h"
#include "QSliderCtrlBtn.h"
#include "qSliderCtrl.h"

#include <QLoggingCategory>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(QMouseEvent*)

class TestSliders : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void dualLayoutFromPictures();
    void startEndLimits_data();
    void startEndLimits();
    void playValue();
    void startDrag_data();
    void startDrag();
    void endDrag_data();
    void endDrag();
    void playDrag_data();
    void playDrag();
    void trackPress_data();
    void trackPress();
    void pullOffMovesNothing();
    void startDragWithoutEndHandle();
    void zeroTrackReportsZero();
    void keysAndFocusFlag();

    void valueSliderHeight_data();
    void valueSliderHeight();
    void valueMapping_data();
    void valueMapping();
    void valueSliderPointer();
    void valueSliderZeroLength();

private:
    std::unique_ptr<QDualSlider> makeDual(bool end = true);
    void drag(QDualSlider& slider, QSliderCtrlBtn* handle, int x, void (QDualSlider::*slot)(QMouseEvent*, int));

    QTemporaryDir m_dir;
    QString m_track, m_range, m_start, m_end, m_play;
};

void TestSliders::initTestCase()
{
    // The sliders' diagnostic lines are checked below; they are off by default.
    QLoggingCategory::setFilterRules(QStringLiteral("zv.widgets.debug=true"));
    qRegisterMetaType<QMouseEvent*>();
    m_track = WidgetPictures::flat(m_dir, "track.png", 160, 16, Qt::darkGray);
    m_range = WidgetPictures::flat(m_dir, "range.png", 160, 16, Qt::yellow);
    m_start = WidgetPictures::strip(m_dir, "start.png", 64, 40);
    m_end = WidgetPictures::strip(m_dir, "end.png", 64, 40);
    m_play = WidgetPictures::strip(m_dir, "play.png", 80, 48);
}

// Track 80 x 8, start and end handles 8 x 20, play handle 10 x 24: the slider is
// 96 x 40 with a track length of 80.
std::unique_ptr<QDualSlider> TestSliders::makeDual(bool end)
{
    auto slider = std::make_unique<QDualSlider>();
    slider->setBottomImage(m_track);
    slider->setTopImage(m_range);
    slider->setStartBtnImage(m_start, 0);
    if (end)
        slider->setEndBtnImage(m_end);
    slider->setProgressBtnImage(m_play, 0);
    slider->setCircle(true);
    slider->move(200, 100);
    slider->show();
    return slider;
}

void TestSliders::drag(QDualSlider& slider, QSliderCtrlBtn* handle, int x,
                       void (QDualSlider::*slot)(QMouseEvent*, int))
{
    const int grab = 3;
    const QPoint global = slider.mapToGlobal(QPoint(x + grab, 10));
    QMouseEvent event = MouseEvents::moveAt(handle, global);
    (slider.*slot)(&event, grab);
}

void TestSliders::dualLayoutFromPictures()
{
    auto slider = makeDual();
    QCOMPARE(slider->size(), QSize(96, 40));
    QCOMPARE(slider->startButton()->pos(), QPoint(0, 15));
    QCOMPARE(slider->endButton()->pos(), QPoint(88, 15));
    QCOMPARE(slider->playButton()->pos(), QPoint(3, 0));
    QCOMPARE(slider->endPos(), 80.0f);
    QCOMPARE(slider->getEndValue(), 1.0f);
}

void TestSliders::startEndLimits_data()
{
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<float>("start");
    QTest::addColumn<float>("end");
    QTest::newRow("plain") << QStringList{"end 75", "start 25"} << 20.0f << 60.0f;
    QTest::newRow("start past the end stops 2 before it") << QStringList{"end 50", "start 75"} << 38.0f << 40.0f;
    QTest::newRow("end below the start stops 2 after it")
        << QStringList{"end 50", "start 75", "end 10"} << 38.0f << 40.0f;
    QTest::newRow("end at 100 reaches the track's end") << QStringList{"end 30", "end 100"} << 0.0f << 80.0f;
    QTest::newRow("start at the minimum") << QStringList{"start 40", "start 0"} << 0.0f << 80.0f;
    QTest::newRow("start never negative") << QStringList{"end 1", "start 50"} << 0.0f << 2.0f;
}

void TestSliders::startEndLimits()
{
    QFETCH(QStringList, calls);
    QFETCH(float, start);
    QFETCH(float, end);
    auto slider = makeDual();
    QSignalSpy started(slider.get(), &QDualSlider::sendProgressValue);
    QSignalSpy ended(slider.get(), &QDualSlider::sendEndProgressValue);
    for (const QString& call : calls) {
        const float p = call.section(' ', 1).toFloat();
        if (call.startsWith("start"))
            slider->setStartValue(p);
        else
            slider->setEndValue(p);
    }
    QCOMPARE(slider->startPos(), start);
    QCOMPARE(slider->endPos(), end);
    QCOMPARE(slider->startButton()->x(), int(start));
    QCOMPARE(slider->endButton()->x(), int(end) + 8);
    QCOMPARE(started.count() + ended.count(), 0);
}

void TestSliders::playValue()
{
    auto slider = makeDual();
    QSignalSpy played(slider.get(), &QDualSlider::sendPlayProValue);
    slider->setPlayValue(0, true);
    QCOMPARE(played.count(), 1);
    QCOMPARE(played.at(0).at(0).toDouble(), 0.0);
    slider->setPlayValue(50, false);
    QCOMPARE(played.count(), 1);
    QCOMPARE(slider->playPos(), 40.0f);
    QCOMPARE(slider->playButton()->x(), 43);
    slider->setPlayValue(100, true);
    QCOMPARE(played.at(1).at(0).toDouble(), 1.0);
}

void TestSliders::startDrag_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("handleX");
    QTest::addColumn<double>("fraction");
    QTest::newRow("inside") << 30 << 30 << 0.375;
    QTest::newRow("at half a handle snaps nowhere") << 4 << 4 << 0.05;
    QTest::newRow("within half a handle snaps to 0") << 3 << 0 << 0.0;
    QTest::newRow("left of the slider") << -20 << 0 << 0.0;
    QTest::newRow("into the end handle stops at it") << 85 << 80 << 1.0;
}

void TestSliders::startDrag()
{
    QFETCH(int, x);
    QFETCH(int, handleX);
    QFETCH(double, fraction);
    auto slider = makeDual();
    QSignalSpy started(slider.get(), &QDualSlider::sendProgressValue);
    QSignalSpy played(slider.get(), &QDualSlider::sendPlayProValue);
    drag(*slider, slider->startButton(), x, &QDualSlider::btnMouseMove);
    QCOMPARE(slider->startButton()->x(), handleX);
    QCOMPARE(started.count(), 1);
    QCOMPARE(started.at(0).at(0).toDouble(), fraction);
    QCOMPARE(played.count(), 1);
    QCOMPARE(played.at(0).at(0).toDouble(), fraction);
    QVERIFY(slider->hasFocus() || !slider->isActiveWindow());
}

void TestSliders::endDrag_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("handleX");
    QTest::addColumn<float>("end");
    QTest::newRow("inside") << 50 << 50 << 41.0f;
    QTest::newRow("onto the start handle") << 5 << 8 << 0.0f;
    QTest::newRow("past the right side") << 95 << 88 << 80.0f;
}

void TestSliders::endDrag()
{
    QFETCH(int, x);
    QFETCH(int, handleX);
    QFETCH(float, end);
    auto slider = makeDual();
    QSignalSpy ended(slider.get(), &QDualSlider::sendEndProgressValue);
    drag(*slider, slider->endButton(), x, &QDualSlider::btnEndMouseMove);
    QCOMPARE(slider->endButton()->x(), handleX);
    QCOMPARE(slider->endPos(), end);
    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.at(0).at(0).toDouble(), end / 80.0);
}

void TestSliders::playDrag_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("handleX");
    QTest::addColumn<float>("play");
    QTest::newRow("inside") << 40 << 40 << 35.0f;
    QTest::newRow("left end") << 3 << 3 << 0.0f;
    QTest::newRow("right end") << 82 << 82 << 80.0f;
    QTest::newRow("past the right end") << 120 << 82 << 80.0f;
}

void TestSliders::playDrag()
{
    QFETCH(int, x);
    QFETCH(int, handleX);
    QFETCH(float, play);
    auto slider = makeDual();
    QSignalSpy played(slider.get(), &QDualSlider::sendPlayProValue);
    drag(*slider, slider->playButton(), x, &QDualSlider::btnProMouseMove);
    QCOMPARE(slider->playButton()->x(), handleX);
    QCOMPARE(slider->playPos(), play);
    QCOMPARE(played.count(), 1);
}

void TestSliders::trackPress_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<float>("play");
    QTest::addColumn<int>("handleX");
    QTest::newRow("on the track") << 50 << 42.0f << 45;
    QTest::newRow("left margin") << 2 << 0.0f << 3;
    QTest::newRow("right end") << 85 << 80.0f << 82;
}

void TestSliders::trackPress()
{
    QFETCH(int, x);
    QFETCH(float, play);
    QFETCH(int, handleX);
    auto slider = makeDual();
    QSignalSpy pressed(slider.get(), &QDualSlider::emitMousePress);
    QSignalSpy played(slider.get(), &QDualSlider::sendPlayProValue);
    QTest::ignoreMessage(QtDebugMsg, "..............QDualSlider::mousePressEvent................");
    MouseEvents::press(slider.get(), slider->mapToGlobal(QPoint(x, 20)));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(slider->playPos(), play);
    QCOMPARE(slider->playButton()->x(), handleX);
    QCOMPARE(played.count(), 1);
}

void TestSliders::pullOffMovesNothing()
{
    auto slider = makeDual();
    slider->setEnabledPull(false);
    QSignalSpy pressed(slider.get(), &QDualSlider::emitMousePress);
    QSignalSpy released(slider.get(), &QDualSlider::emitmouseRelease);
    QSignalSpy moved(slider.get(), &QDualSlider::sendProgressValue);
    QSignalSpy played(slider.get(), &QDualSlider::sendPlayProValue);
    QTest::ignoreMessage(QtDebugMsg, "..............QDualSlider::mousePressEvent................");
    MouseEvents::press(slider.get(), slider->mapToGlobal(QPoint(50, 20)));
    MouseEvents::release(slider.get(), slider->mapToGlobal(QPoint(50, 20)));
    drag(*slider, slider->startButton(), 30, &QDualSlider::btnMouseMove);
    drag(*slider, slider->playButton(), 30, &QDualSlider::btnProMouseMove);
    const QPoint onHandle = slider->startButton()->mapToGlobal(QPoint(2, 2));
    MouseEvents::press(slider->startButton(), onHandle);
    MouseEvents::release(slider->startButton(), onHandle);
    QCOMPARE(slider->startPos(), 0.0f);
    QCOMPARE(slider->playPos(), 8.0f);
    QCOMPARE(moved.count() + played.count(), 0);
    QCOMPARE(pressed.count(), 2);
    QCOMPARE(released.count(), 2);
}

void TestSliders::startDragWithoutEndHandle()
{
    auto slider = makeDual(false);
    drag(*slider, slider->startButton(), 200, &QDualSlider::btnMouseMove);
    QCOMPARE(slider->startButton()->x(), slider->width() - 8);
}

// Without a track picture the handles make the slider as wide as themselves: the
// track has no length, and every fraction is 0 rather than NaN.
void TestSliders::zeroTrackReportsZero()
{
    QDualSlider slider;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("failed to load"));
    slider.setBottomImage(m_dir.filePath("none.png"));
    slider.setStartBtnImage(m_start, 0);
    slider.setEndBtnImage(m_end);
    QCOMPARE(slider.width(), 16);
    QSignalSpy played(&slider, &QDualSlider::sendPlayProValue);
    slider.setStartValue(50);
    slider.setEndValue(50);
    slider.setPlayValue(50, true);
    for (float f : {slider.getStartValue(), slider.getEndValue(), slider.getPlayValue(), slider.getValue()})
        QVERIFY(!std::isnan(f) && f == 0.0f);
    QCOMPARE(played.at(0).at(0).toDouble(), 0.0);
}

void TestSliders::keysAndFocusFlag()
{
    auto slider = makeDual();
    QSignalSpy previous(slider.get(), &QDualSlider::emitPreviousFrame);
    QSignalSpy next(slider.get(), &QDualSlider::emitNextFrame);
    QTest::keyClick(slider.get(), Qt::Key_Left);
    QTest::keyClick(slider.get(), Qt::Key_Right);
    QTest::keyClick(slider.get(), Qt::Key_Up);
    QCOMPARE(previous.count(), 1);
    QCOMPARE(next.count(), 1);

    QVERIFY(slider->GetFocusInStartBtn());
    MouseEvents::press(slider->endButton(), slider->endButton()->mapToGlobal(QPoint(2, 2)));
    QVERIFY(!slider->GetFocusInStartBtn());
    MouseEvents::press(slider->startButton(), slider->startButton()->mapToGlobal(QPoint(2, 2)));
    QVERIFY(slider->GetFocusInStartBtn());
}

void TestSliders::valueSliderHeight_data()
{
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QSize>("size");
    QTest::newRow("41 high gives 20") << QSize(160, 41) << QSize(80, 20);
    QTest::newRow("42 high gives its logical height") << QSize(160, 42) << QSize(80, 21);
    QTest::newRow("low track gives 20") << QSize(760, 28) << QSize(380, 20);
}

void TestSliders::valueSliderHeight()
{
    QFETCH(QSize, pixels);
    QFETCH(QSize, size);
    qSliderCtrl slider;
    slider.setBottomImage(WidgetPictures::flat(m_dir, "vt.png", pixels.width(), pixels.height(), Qt::gray));
    QCOMPARE(slider.size(), size);
}

void TestSliders::valueMapping_data()
{
    QTest::addColumn<qint64>("minimum");
    QTest::addColumn<qint64>("maximum");
    QTest::addColumn<float>("value");
    QTest::addColumn<float>("percent");
    QTest::addColumn<float>("position");
    QTest::addColumn<QString>("rounded");
    QTest::addColumn<QString>("plain");
    QTest::newRow("maximum fills") << 0LL << 100LL << 100.0f << 100.0f << 80.0f << "100%" << "100.00%";
    QTest::newRow("above the maximum") << 0LL << 100LL << 150.0f << 100.0f << 80.0f << "100%" << "100.00%";
    QTest::newRow("minimum is empty") << 0LL << 100LL << 0.0f << 0.0f << 0.0f << "0%" << "0.00%";
    QTest::newRow("half of 0..200") << 0LL << 200LL << 100.0f << 50.0f << 40.0f << "50%" << "50.00%";
    QTest::newRow("percent counts from the minimum") << 50LL << 150LL << 100.0f << 50.0f << 40.0f << "50%"
                                                     << "50.00%";
    QTest::newRow("a quarter") << 0LL << 100LL << 25.0f << 25.0f << 20.0f << "25%" << "25.00%";
}

void TestSliders::valueMapping()
{
    QFETCH(qint64, minimum);
    QFETCH(qint64, maximum);
    QFETCH(float, value);
    QFETCH(float, percent);
    QFETCH(float, position);
    QFETCH(QString, rounded);
    QFETCH(QString, plain);
    qSliderCtrl slider;
    slider.setBottomImage(WidgetPictures::flat(m_dir, "vtrack.png", 160, 12, Qt::gray));
    slider.setTopImage(WidgetPictures::flat(m_dir, "vfill.png", 160, 12, Qt::yellow));
    slider.setValueRange(minimum, maximum);
    slider.setValue(value);
    QCOMPARE(slider.percent(), percent);
    QCOMPARE(slider.position(), position);
    QCOMPARE(slider.getValue(), percent);
    QCOMPARE(slider.valueText(), plain);
    slider.setCircle(true);
    QCOMPARE(slider.valueText(), rounded);
}

void TestSliders::valueSliderPointer()
{
    qSliderCtrl slider;
    slider.setBottomImage(WidgetPictures::flat(m_dir, "ptrack.png", 160, 12, Qt::gray));
    slider.setTopImage(WidgetPictures::flat(m_dir, "pfill.png", 160, 12, Qt::yellow));
    slider.setBtnImage(WidgetPictures::strip(m_dir, "knob.png", 80, 40));
    QCOMPARE(slider.width(), 90);
    slider.move(100, 100);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    QSignalSpy progress(&slider, &qSliderCtrl::sendProgressValue);

    MouseEvents::press(&slider, slider.mapToGlobal(QPoint(2, 10)));
    QCOMPARE(progress.count(), 0);
    MouseEvents::press(&slider, slider.mapToGlobal(QPoint(45, 10)));
    QCOMPARE(slider.position(), 40.0f);
    QCOMPARE(progress.last().at(0).toDouble(), 0.5);
    QCOMPARE(slider.handle()->state(), 2);
    QTest::ignoreMessage(QtDebugMsg, "0");
    MouseEvents::move(&slider, slider.mapToGlobal(QPoint(2, 10)), Qt::LeftButton);
    QCOMPARE(slider.position(), 0.0f);
    MouseEvents::release(&slider, slider.mapToGlobal(QPoint(2, 10)));
    QCOMPARE(slider.handle()->state(), 0);

    slider.setEnabledPull(false);
    const int before = progress.count();
    MouseEvents::press(&slider, slider.mapToGlobal(QPoint(45, 10)));
    QCOMPARE(progress.count(), before);
    QCOMPARE(slider.position(), 0.0f);
}

void TestSliders::valueSliderZeroLength()
{
    qSliderCtrl slider;
    slider.setWidth(0);
    slider.setValue(50);
    QCOMPARE(slider.getValue(), 0.0f);
    QVERIFY(!std::isnan(slider.getValue()));
}

QTEST_MAIN(TestSliders)
#include "tst_sliders.moc"
