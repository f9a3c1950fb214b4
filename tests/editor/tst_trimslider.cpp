// The Trim tab's range slider, built as the tab builds it from the shipped
// pictures: percent in, fractions of the usable track out, handles clamped.
#include "EditorMouse.h"
#include "QVEDualSlider.h"
#include "QVESliderCtrlBtn.h"
#include "VECommonClass.h"

#include <QSignalSpy>
#include <QtTest>

class tst_TrimSlider : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void builtFromThePictures();
    void percentsMapAndClamp_data();
    void percentsMapAndClamp();
    void bothEndsAtOnce_data();
    void bothEndsAtOnce();
    void playValueNotifiesOnRequest();
    void startDragSnapsAndCarriesThePlayHandle();
    void endDragStopsAtTheRightEnd();
    void pressOnTheTrackSeeks();
    void arrowKeysStepFrames();

private:
    // A handle dragged so that its left edge lands at x of the slider.
    void drag(QSliderCtrlBtn* handle, int x);
    QVEDualSlider* m_slider = nullptr;
};

// The usable track is the 100-logical track picture: M = E = 8 (handles 8 x 20),
// the play handle 10 x 24, so W = 116 and U = 100.
void tst_TrimSlider::init()
{
    const QString res = VECommonClass::getCustomResPath();
    m_slider = new QVEDualSlider;
    m_slider->setBottomImage(res + "/slider_bottom.png");
    m_slider->setTopImage(res + "/slider_top.png");
    m_slider->setStartBtnImage(res + "/btn_silder_start.png", 2);
    m_slider->setEndBtnImage(res + "/btn_silder_end.png");
    m_slider->setProgressBtnImage(res + "/btn_silder_proess.png", 7);
    m_slider->setCircle(true);
    m_slider->setCircleLenght(1);
    m_slider->setPlayValue(0, false);
    m_slider->setStartValue(0);
    m_slider->setEndValue(100);
}

void tst_TrimSlider::cleanup()
{
    delete m_slider;
}

void tst_TrimSlider::drag(QSliderCtrlBtn* handle, int x)
{
    const QPoint grab(2, 5);
    EditorMouse::press(handle, grab);
    const QPoint global = m_slider->mapToGlobal(QPoint(x + grab.x(), handle->y() + grab.y()));
    EditorMouse::send(handle, QEvent::MouseMove, handle->mapFromGlobal(global), Qt::LeftButton, Qt::NoModifier, global);
    EditorMouse::send(handle, QEvent::MouseButtonRelease, handle->mapFromGlobal(global), Qt::LeftButton,
                      Qt::NoModifier, global);
}

void tst_TrimSlider::builtFromThePictures()
{
    QCOMPARE(m_slider->size(), QSize(116, 40));
    const auto handles = m_slider->findChildren<QVESliderCtrlBtn*>();
    QCOMPARE(handles.size(), 3);
    QCOMPARE(m_slider->startButton()->geometry(), QRect(0, 17, 8, 20));
    QCOMPARE(m_slider->endButton()->geometry(), QRect(108, 17, 8, 20));
    QCOMPARE(m_slider->playButton()->geometry(), QRect(3, 7, 10, 24));
    QCOMPARE(m_slider->getStartValue(), 0.0f);
    QCOMPARE(m_slider->getEndValue(), 1.0f);
}

void tst_TrimSlider::percentsMapAndClamp_data()
{
    QTest::addColumn<float>("firstEnd");
    QTest::addColumn<float>("start");
    QTest::addColumn<float>("lastEnd");
    QTest::addColumn<float>("startFraction");
    QTest::addColumn<float>("endFraction");
    QTest::newRow("half way") << 100.f << 50.f << 100.f << 0.5f << 1.f;
    QTest::newRow("start held 2 px before the end") << 60.f << 100.f << 60.f << 0.58f << 0.6f;
    QTest::newRow("end held 2 px after the start") << 100.f << 30.f << 0.f << 0.3f << 0.32f;
    QTest::newRow("out of range") << 100.f << -5.f << 150.f << 0.f << 1.f;
}

void tst_TrimSlider::percentsMapAndClamp()
{
    QFETCH(float, firstEnd);
    QFETCH(float, start);
    QFETCH(float, lastEnd);
    QFETCH(float, startFraction);
    QFETCH(float, endFraction);
    QSignalSpy moved(m_slider, &QDualSlider::sendProgressValue);
    m_slider->setEndValue(firstEnd);
    m_slider->setStartValue(start);
    m_slider->setEndValue(lastEnd);
    QCOMPARE(m_slider->getStartValue(), startFraction);
    QCOMPARE(m_slider->getEndValue(), endFraction);
    QCOMPARE(m_slider->startButton()->x(), qRound(startFraction * 100));
    QCOMPARE(m_slider->endButton()->x(), qRound(endFraction * 100) + 8);
    QCOMPARE(moved.count(), 0); // setters never report
}

void tst_TrimSlider::bothEndsAtOnce_data()
{
    QTest::addColumn<float>("start");
    QTest::addColumn<float>("end");
    QTest::addColumn<float>("startFraction");
    QTest::addColumn<float>("endFraction");
    QTest::newRow("in order") << 20.f << 70.f << 0.2f << 0.7f;
    QTest::newRow("start past the end") << 90.f << 10.f << 0.08f << 0.1f;
    QTest::newRow("whole") << 0.f << 100.f << 0.f << 1.f;
}

void tst_TrimSlider::bothEndsAtOnce()
{
    QFETCH(float, start);
    QFETCH(float, end);
    QFETCH(float, startFraction);
    QFETCH(float, endFraction);
    m_slider->setStartEndValue(40, 45);
    m_slider->setStartEndValue(start, end);
    QCOMPARE(m_slider->getStartValue(), startFraction);
    QCOMPARE(m_slider->getEndValue(), endFraction);
}

void tst_TrimSlider::playValueNotifiesOnRequest()
{
    QSignalSpy played(m_slider, &QDualSlider::sendPlayProValue);
    m_slider->setPlayValue(25, false);
    QCOMPARE(played.count(), 0);
    QCOMPARE(m_slider->playButton()->x(), 25 + 8 - 5);
    m_slider->setPlayValue(100, true);
    QCOMPARE(played.count(), 1);
    QCOMPARE(played.at(0).at(0).toDouble(), 1.0);
}

void tst_TrimSlider::startDragSnapsAndCarriesThePlayHandle()
{
    m_slider->setStartValue(50);
    QSignalSpy start(m_slider, &QDualSlider::sendProgressValue);
    QSignalSpy play(m_slider, &QDualSlider::sendPlayProValue);
    drag(m_slider->startButton(), 40);
    QCOMPARE(start.takeLast().at(0).toDouble(), 0.4);
    QCOMPARE(play.takeLast().at(0).toDouble(), 0.4);
    // Within half a handle of the left end it snaps to 0.
    drag(m_slider->startButton(), 8 / 2 - 1);
    QCOMPARE(start.takeLast().at(0).toDouble(), 0.0);
    QCOMPARE(m_slider->startButton()->x(), 0);
    QCOMPARE(m_slider->getPlayValue(), 0.0f);
    // Into the end handle it stops with its right edge at the end handle's left.
    m_slider->setEndValue(60);
    drag(m_slider->startButton(), 90);
    QCOMPARE(m_slider->startButton()->x(), 60);
}

void tst_TrimSlider::endDragStopsAtTheRightEnd()
{
    m_slider->setEndValue(50);
    QSignalSpy end(m_slider, &QDualSlider::sendEndProgressValue);
    drag(m_slider->endButton(), 300);
    QCOMPARE(m_slider->getEndValue(), 1.0f);
    QCOMPARE(end.takeLast().at(0).toDouble(), 1.0);
    QCOMPARE(m_slider->endButton()->x(), 108);
}

void tst_TrimSlider::pressOnTheTrackSeeks()
{
    QSignalSpy pressed(m_slider, &QDualSlider::emitMousePress);
    QSignalSpy play(m_slider, &QDualSlider::sendPlayProValue);
    EditorMouse::press(m_slider, QPoint(58, 20));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(play.takeLast().at(0).toDouble(), 0.5);
    QCOMPARE(m_slider->playButton()->x(), 58 - 5);
}

void tst_TrimSlider::arrowKeysStepFrames()
{
    QSignalSpy next(m_slider, &QDualSlider::emitNextFrame);
    QSignalSpy previous(m_slider, &QDualSlider::emitPreviousFrame);
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Right})
        QTest::keyClick(m_slider, key);
    QCOMPARE(next.count(), 2);
    QCOMPARE(previous.count(), 1);
}

QTEST_MAIN(tst_TrimSlider)
#include "tst_trimslider.moc"
