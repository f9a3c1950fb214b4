#include "WindowMouse.h"

#include "QDrawLine.h"
#include "QSimpleTimeLine.h"
#include "QTimeContainer.h"
#include "QTimeControl.h"
#include "QTimeItem.h"
#include "QVelBaseButton.h"

#include <QSignalSpy>
#include <QtTest>

// The time line at 720 x 180: ruler (10, 0, 700, 37), strip (10, 38, 700, 141).
class TestTimeLine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rulerSeeks_data();
    void rulerSeeks();
    void pullDisabledSeeksNothing();
    void addingAndRoom();
    void clickSelectsAndReportsBounds();
    void edgeDrags_data();
    void edgeDrags();
    void shortClickDoesNothing();
    void longPressMoveStaysBetweenNeighbours_data();
    void longPressMoveStaysBetweenNeighbours();
    void narrowBoxFollowsTheMouse();
    void deleteSelectsNeighbour();
    void recordsFromOutside();
    void filmFitsWholeFrames_data();
    void filmFitsWholeFrames();
    void positionFromOutsideEmitsNothing();

private:
    // Three segments: [0.1, 0.3), [0.4, 0.6), [0.7, 0.9) of the strip.
    void addThree();
    QPoint stripPoint(int x, int y = 70) const { return QPoint(x, y); }
    QTimeItem* box(int i) const { return m_line->strip()->itemAt(i); }
    TimeItemInfo lastInfo(QSignalSpy& spy) const { return spy.last().at(0).value<TimeItemInfo>(); }

    QWidget* m_window = nullptr;
    QSimpleTimeLine* m_line = nullptr;
};

void TestTimeLine::init()
{
    m_window = new QWidget;
    m_window->resize(760, 220);
    m_line = new QSimpleTimeLine(m_window);
    m_line->setGeometry(20, 20, 720, 180);
    m_line->setSliderButtonImageAndPos(QString(), 4);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(m_line->strip()->width(), 700);
}

void TestTimeLine::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestTimeLine::addThree()
{
    m_line->addTrimTime({0.1f, 0.3f, 0.2f, 0, 0});
    m_line->addTrimTime({0.4f, 0.6f, 0.2f, 0, 0});
    m_line->addTrimTime({0.7f, 0.9f, 0.2f, 0, 0});
    QCOMPARE(m_line->count(), 3);
}

void TestTimeLine::rulerSeeks_data()
{
    QTest::addColumn<int>("pressX");
    QTest::addColumn<int>("dragX");
    QTest::addColumn<QList<double>>("percents");
    QTest::newRow("press at the left end") << 10 << -1 << QList<double>{0.0};
    QTest::newRow("press in the middle") << 360 << -1 << QList<double>{50.0};
    QTest::newRow("press at W - 10 is off the ruler") << 710 << -1 << QList<double>{};
    QTest::newRow("drag past the right end") << 360 << 719 << QList<double>{50.0, 100.0};
    QTest::newRow("drag past the left end") << 360 << 2 << QList<double>{50.0, 0.0};
}

void TestTimeLine::rulerSeeks()
{
    QFETCH(int, pressX);
    QFETCH(int, dragX);
    QFETCH(QList<double>, percents);
    m_line->addTrimTime({0, 1, 1, 0, 1});
    QSignalSpy seeks(m_line, &QSimpleTimeLine::emitProgressValueChanged);
    QSignalSpy presses(m_line, &QSimpleTimeLine::emitMousePress);
    QSignalSpy releases(m_line, &QSimpleTimeLine::emitMouseRelease);
    WindowMouse::press(m_line, QPoint(pressX, 35));
    if (dragX >= 0)
        WindowMouse::move(m_line, QPoint(dragX, 35));
    WindowMouse::release(m_line, QPoint(dragX >= 0 ? dragX : pressX, 35));
    QCOMPARE(presses.count(), 1);
    QCOMPARE(releases.count(), 1);
    QCOMPARE(seeks.count(), percents.size());
    for (int i = 0; i < percents.size(); ++i)
        QCOMPARE(seeks.at(i).at(0).toDouble(), percents.at(i));
    if (!percents.isEmpty()) {
        // The button and the dashed line sit on the position.
        const int x = int(700 * percents.last() / 100 + 10);
        QCOMPARE(m_line->sliderButton()->x() + m_line->sliderButton()->width() / 2, x);
        QCOMPARE(m_line->positionLine()->x() + m_line->positionLine()->width() / 2, x);
    }
}

void TestTimeLine::pullDisabledSeeksNothing()
{
    addThree();
    m_line->clearAllData();
    QVERIFY(!m_line->isPullEnabled());
    QVERIFY(!m_line->sliderButton()->isEnabled());
    QVERIFY(!m_line->ruler()->hasTime());
    QSignalSpy seeks(m_line, &QSimpleTimeLine::emitProgressValueChanged);
    QSignalSpy presses(m_line, &QSimpleTimeLine::emitMousePress);
    QSignalSpy pressEvents(m_line, &QSimpleTimeLine::emitMousePressEvent);
    WindowMouse::press(m_line, QPoint(200, 35));
    WindowMouse::move(m_line, QPoint(300, 35));
    WindowMouse::release(m_line, QPoint(300, 35));
    QCOMPARE(seeks.count(), 0);
    QCOMPARE(presses.count(), 1);
    QCOMPARE(pressEvents.count(), 1);
}

void TestTimeLine::addingAndRoom()
{
    QTimeContainer* strip = m_line->strip();
    QVERIFY(m_line->isAddItem());
    const TimeItemInfo empty = m_line->getCanAddTimeItemInfo();
    QCOMPARE(empty.start, 0.0f);
    QCOMPARE(empty.end, 1.0f);
    m_line->addTrimTime({0, 0.5f, 0.5f, 0, 0});
    const TimeItemInfo room = m_line->getCanAddTimeItemInfo();
    QCOMPARE(room.start, 0.5f);
    QCOMPARE(room.length, 0.5f);
    QCOMPARE(room.minStart, 0.5f);
    m_line->addTrimTime(room);
    // The box that runs to the end reaches the last column.
    QCOMPARE(box(1)->right(), 699);
    QCOMPARE(strip->getCurrentIndex(), 1);
    QCOMPARE(box(1)->getMouseState(), int(QTimeItem::Selected));
    QCOMPARE(box(0)->getMouseState(), int(QTimeItem::Normal));
    QVERIFY(!m_line->isAddItem());
    // No room of three columns: the free-room add does nothing.
    strip->addTimeItem();
    QCOMPARE(m_line->count(), 2);
}

void TestTimeLine::clickSelectsAndReportsBounds()
{
    addThree();
    QSignalSpy changes(m_line, &QSimpleTimeLine::emitTimeItemInfoChange);
    WindowMouse::press(box(1), QPoint(box(1)->width() / 2, 70));
    WindowMouse::release(box(1), QPoint(box(1)->width() / 2, 70));
    QCOMPARE(changes.count(), 1);
    const TimeItemInfo info = lastInfo(changes);
    QCOMPARE(changes.last().at(1).toInt(), 1);
    QCOMPARE(changes.last().at(2).toBool(), true);
    QCOMPARE(info.start, 0.4f);
    QCOMPARE(info.minStart, float((box(0)->right() + 1) / 700.0));
    QCOMPARE(info.maxEnd, float(box(2)->x() / 700.0));
    QCOMPARE(box(2)->getMouseState(), int(QTimeItem::Normal));
    // Clicking the selected box again reports nothing.
    WindowMouse::press(box(1), QPoint(box(1)->width() / 2, 70));
    WindowMouse::release(box(1), QPoint(box(1)->width() / 2, 70));
    QCOMPARE(changes.count(), 1);
}

void TestTimeLine::edgeDrags_data()
{
    QTest::addColumn<bool>("leftEdge");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("expectX");
    QTest::addColumn<int>("expectRight");
    QTest::addColumn<bool>("startSide");
    // Middle box: x 280, right 419; neighbours end at 209 and start at 490.
    QTest::newRow("left edge left, stops at the previous box") << true << -200 << 210 << 419 << true;
    QTest::newRow("left edge right, stops at three columns") << true << 300 << 417 << 419 << true;
    QTest::newRow("left edge a little") << true << -30 << 250 << 419 << true;
    QTest::newRow("right edge right, stops at the next box") << false << 200 << 280 << 489 << false;
    QTest::newRow("right edge left, stops at three columns") << false << -300 << 280 << 282 << false;
}

void TestTimeLine::edgeDrags()
{
    QFETCH(bool, leftEdge);
    QFETCH(int, dx);
    QFETCH(int, expectX);
    QFETCH(int, expectRight);
    QFETCH(bool, startSide);
    addThree();
    m_line->selectedTimeItemIndex(1);
    QCOMPARE(box(1)->x(), 280);
    QCOMPARE(box(1)->right(), 419);
    QSignalSpy changes(m_line, &QSimpleTimeLine::emitTimeItemInfoChange);
    const int grabX = leftEdge ? 1 : box(1)->width() - 1;
    const QPoint start = box(1)->mapTo(m_line, QPoint(grabX, 50));
    WindowMouse::press(m_line, start);
    WindowMouse::move(m_line, start + QPoint(dx / 2, 0));
    WindowMouse::move(m_line, start + QPoint(dx, 0));
    WindowMouse::release(m_line, start + QPoint(dx, 0));
    QCOMPARE(box(1)->x(), expectX);
    QCOMPARE(box(1)->right(), expectRight);
    QVERIFY(changes.count() >= 1);
    const TimeItemInfo info = lastInfo(changes);
    QCOMPARE(changes.last().at(1).toInt(), 1);
    QCOMPARE(changes.last().at(2).toBool(), startSide);
    QCOMPARE(info.start, float(expectX) / 700.0f);
    QCOMPARE(info.end, float(expectRight + 1) / 700.0f);
    QCOMPARE(m_line->strip()->dragState(), int(QTimeContainer::Idle));
}

void TestTimeLine::shortClickDoesNothing()
{
    addThree();
    m_line->selectedTimeItemIndex(1);
    QSignalSpy changes(m_line, &QSimpleTimeLine::emitTimeItemInfoChange);
    const QPoint middle = box(1)->mapTo(m_line, QPoint(70, 50));
    WindowMouse::press(m_line, middle);
    WindowMouse::release(m_line, middle);
    QTest::qWait(200);
    WindowMouse::move(m_line, middle + QPoint(40, 0));
    QCOMPARE(changes.count(), 0);
    QCOMPARE(box(1)->x(), 280);
    QCOMPARE(m_line->strip()->dragState(), int(QTimeContainer::Idle));
}

void TestTimeLine::longPressMoveStaysBetweenNeighbours_data()
{
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("expectX");
    QTest::newRow("a little right") << 30 << 310;
    QTest::newRow("far right: stops at the next box") << 400 << 350;
    QTest::newRow("far left: stops at the previous box") << -400 << 210;
}

void TestTimeLine::longPressMoveStaysBetweenNeighbours()
{
    QFETCH(int, dx);
    QFETCH(int, expectX);
    addThree();
    m_line->selectedTimeItemIndex(1);
    QSignalSpy changes(m_line, &QSimpleTimeLine::emitTimeItemInfoChange);
    const QPoint middle = box(1)->mapTo(m_line, QPoint(70, 50));
    WindowMouse::press(m_line, middle);
    QTRY_COMPARE(m_line->strip()->dragState(), int(QTimeContainer::Moving));
    WindowMouse::move(m_line, middle + QPoint(dx, 0));
    WindowMouse::release(m_line, middle + QPoint(dx, 0));
    QCOMPARE(box(1)->x(), expectX);
    QCOMPARE(box(1)->width(), 140);
    const TimeItemInfo info = lastInfo(changes);
    QCOMPARE(info.start, float(expectX) / 700.0f);
    QCOMPARE(info.length, 140.0f / 700.0f);
    QCOMPARE(changes.last().at(2).toBool(), true);
}

void TestTimeLine::narrowBoxFollowsTheMouse()
{
    m_line->addTrimTime({0.1f, 0.3f, 0.2f, 0, 0});
    m_line->addTrimTime({0.5f, 0.5f + 4 / 700.0f, 4 / 700.0f, 0, 0});
    m_line->selectedTimeItemIndex(1);
    QCOMPARE(box(1)->width(), 4);
    QSignalSpy changes(m_line, &QSimpleTimeLine::emitTimeItemInfoChange);
    // The outermost column is outside the move zone of a narrow box.
    const QPoint edge = box(1)->mapTo(m_line, QPoint(3, 50));
    WindowMouse::press(m_line, edge);
    QCOMPARE(m_line->strip()->dragState(), int(QTimeContainer::Narrow));
    WindowMouse::move(m_line, edge + QPoint(20, 0));
    WindowMouse::release(m_line, edge + QPoint(20, 0));
    QCOMPARE(changes.last().at(2).toBool(), false); // it grew to the right
    QCOMPARE(box(1)->x(), 350);
    QCOMPARE(box(1)->width(), 24);

    changes.clear();
    const QPoint left = box(1)->mapTo(m_line, QPoint(0, 50));
    m_line->strip()->timeItemInfoChange({0.5f, 0.5f + 4 / 700.0f, 4 / 700.0f, 0, 0}, 1);
    WindowMouse::press(m_line, left);
    WindowMouse::move(m_line, left - QPoint(20, 0));
    WindowMouse::release(m_line, left - QPoint(20, 0));
    QCOMPARE(changes.last().at(2).toBool(), true); // it grew to the left
    QCOMPARE(box(1)->x(), 330);
    QCOMPARE(box(1)->right(), 353);
}

void TestTimeLine::deleteSelectsNeighbour()
{
    addThree();
    QSignalSpy deleted(m_line, &QSimpleTimeLine::emitDeleteFile);
    QSignalSpy changes(m_line, &QSimpleTimeLine::emitTimeItemInfoChange);
    m_line->selectedTimeItemIndex(0);
    m_line->deleteSelectedTimeItem();
    QCOMPARE(deleted.last().at(0).toInt(), 0);
    QCOMPARE(changes.last().at(1).toInt(), 0);
    QCOMPARE(lastInfo(changes).start, 0.4f); // the neighbour keeps its times
    QCOMPARE(lastInfo(changes).minStart, 0.0f);
    m_line->selectedTimeItemIndex(1);
    m_line->deleteSelectedTimeItem();
    QCOMPARE(deleted.last().at(0).toInt(), 1);
    QCOMPARE(changes.last().at(1).toInt(), 0);
    m_line->deleteSelectedTimeItem();
    QCOMPARE(m_line->count(), 0);
    QVERIFY(!m_line->sliderButton()->isEnabled());
    QVERIFY(!m_line->ruler()->hasTime());
}

void TestTimeLine::recordsFromOutside()
{
    addThree();
    m_line->selectedTimeItemIndex(2);
    QSignalSpy changes(m_line, &QSimpleTimeLine::emitTimeItemInfoChange);
    m_line->setCurrentTimeItemInfoChange({0.75f, 0.85f, 0.1f, 0, 0});
    QCOMPARE(box(2)->x(), 525);
    QCOMPARE(box(2)->width(), 70);
    // Too narrow to grab: three columns, kept inside the strip.
    m_line->setCurrentTimeItemInfoChange({0.999f, 1.0f, 0.001f, 0, 0});
    QCOMPARE(box(2)->width(), 3);
    QCOMPARE(box(2)->x(), 697);
    QCOMPARE(changes.count(), 0);
}

void TestTimeLine::filmFitsWholeFrames_data()
{
    QTest::addColumn<QSize>("frameSize");
    QTest::addColumn<QRect>("picture"); // where the frame lands in a 70 x 120 slot
    QTest::newRow("wide frame: full slot width, centred vertically") << QSize(320, 120) << QRect(0, 47, 70, 26);
    QTest::newRow("tall frame: full slot height, centred across") << QSize(90, 160) << QRect(1, 0, 67, 120);
}

// Each slot shows the whole frame at its own aspect, not a magnified middle column.
void TestTimeLine::filmFitsWholeFrames()
{
    QFETCH(QSize, frameSize);
    QFETCH(QRect, picture);
    m_line->setImageCount(10);
    QCOMPARE(m_line->strip()->slotWidth(), 70);
    // Red inside, a blue rim of a tenth of each side that a crop would drop.
    QImage frame(frameSize, QImage::Format_RGB32);
    frame.fill(Qt::blue);
    const int rx = frameSize.width() / 10, ry = frameSize.height() / 10;
    for (int y = ry; y < frameSize.height() - ry; ++y)
        for (int x = rx; x < frameSize.width() - rx; ++x)
            frame.setPixel(x, y, qRgb(255, 0, 0));
    for (int i = 0; i < 10; ++i)
        m_line->setImageList(frame);
    const QImage& film = m_line->strip()->filmImage();
    QCOMPARE(film.size(), QSize(700, 120));
    const int cy = picture.center().y();
    for (int slot : {0, 9}) {
        const QRect p = picture.translated(slot * 70, 0);
        QCOMPARE(QColor(film.pixel(p.left(), cy)).blue(), 255);
        QCOMPARE(QColor(film.pixel(p.right(), cy)).blue(), 255);
        QCOMPARE(QColor(film.pixel(p.center())).red(), 255);
        QCOMPARE(QColor(film.pixel(p.center().x(), p.top())).blue(), 255);
        QCOMPARE(QColor(film.pixel(p.center().x(), p.bottom())).blue(), 255);
        // Outside the picture the slot stays clear.
        if (p.top() > 0)
            QCOMPARE(qAlpha(film.pixel(p.center().x(), p.top() - 2)), 0);
        if (p.left() > slot * 70)
            QCOMPARE(qAlpha(film.pixel(p.left() - 1, cy)), 0);
    }
    // A null picture leaves its slot empty and the next one goes to the next slot.
    m_line->setImageCount(10);
    m_line->setImageList(QImage());
    m_line->setImageList(frame);
    QCOMPARE(qAlpha(m_line->strip()->filmImage().pixel(35, 60)), 0);
    QCOMPARE(QColor(m_line->strip()->filmImage().pixel(105, 60)).red(), 255);
}

void TestTimeLine::positionFromOutsideEmitsNothing()
{
    QSignalSpy seeks(m_line, &QSimpleTimeLine::emitProgressValueChanged);
    m_line->setProgressValue(0.25);
    QCOMPARE(seeks.count(), 0);
    QCOMPARE(m_line->sliderButton()->x() + m_line->sliderButton()->width() / 2, 185);
}

QTEST_MAIN(TestTimeLine)
#include "tst_timeline.moc"
