#include "QVelDialog.h"
#include "QVelWidget.h"
#include "TestPictures.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

// Sends a mouse event with an explicit global position, as the window base reads it.
static void sendMouse(QWidget* target, QEvent::Type type, QPoint global, Qt::MouseButton button = Qt::LeftButton,
                      Qt::MouseButtons buttons = Qt::LeftButton)
{
    QMouseEvent event(type, QPointF(target->mapFromGlobal(global)), QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

class TestWindowBase : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void titleRectangle_data()
    {
        QTest::addColumn<QRect>("titleRect");
        QTest::addColumn<int>("margin");
        QTest::addColumn<QRect>("drawn");
        QTest::newRow("default rectangle") << QRect() << 0 << QRect(0, 0, 300, 20);
        QTest::newRow("callers' rectangle") << QRect(0, 8, 0, 0) << 0 << QRect(0, 8, 300, 20);
        QTest::newRow("margins") << QRect() << 4 << QRect(4, 4, 292, 20);
    }

    void titleRectangle()
    {
        QFETCH(QRect, titleRect);
        QFETCH(int, margin);
        QFETCH(QRect, drawn);
        QVelDialog dialog;
        dialog.resize(300, 200);
        dialog.setTransparentW(margin);
        if (titleRect != QRect())
            dialog.setTitleRect(titleRect);
        dialog.setDlgTitle("Title");
        dialog.grab();
        QCOMPARE(dialog.titleDrawRect(), drawn);
    }

    void dragBand_data()
    {
        QTest::addColumn<int>("band");
        QTest::addColumn<bool>("moves");
        QTest::newRow("default band 40") << 40 << true;
        QTest::newRow("callers' band 30") << 30 << false;
    }

    void dragBand()
    {
        QFETCH(int, band);
        QFETCH(bool, moves);
        QVelDialog dialog;
        dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        dialog.setGeometry(100, 100, 300, 200);
        dialog.setMoveTopHeight(band);
        dialog.setStretchPolicy(QBaseDrawWidget::StretchNone);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint start = dialog.pos();
        const QPoint press = dialog.mapToGlobal(QPoint(50, 35));
        sendMouse(&dialog, QEvent::MouseButtonPress, press);
        QCOMPARE(dialog.pressOffset(), QPoint(50, 35));
        sendMouse(&dialog, QEvent::MouseMove, press + QPoint(20, 10), Qt::NoButton);
        QCOMPARE(dialog.pos() != start, moves);
        if (moves)
            QCOMPARE(dialog.pos(), start + QPoint(20, 10));
        sendMouse(&dialog, QEvent::MouseButtonRelease, press + QPoint(20, 10));
        QVERIFY(!dialog.isPressed());
    }

    void releasePullsBandOnScreen()
    {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QVelDialog dialog;
        dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        dialog.resize(300, 200);
        dialog.move(100, available.bottom() - 40);
        sendMouse(&dialog, QEvent::MouseButtonRelease, QPoint(0, 0));
        QCOMPARE(dialog.y(), available.bottom() - 40);
        dialog.move(100, available.bottom() - 39);
        sendMouse(&dialog, QEvent::MouseButtonRelease, QPoint(0, 0));
        QCOMPARE(dialog.y(), available.bottom() - 40);
    }

    void edgeCursors_data()
    {
        QTest::addColumn<QPoint>("local");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("cursor");
        QTest::newRow("left") << QPoint(2, 100) << 1 << int(Qt::SizeHorCursor);
        QTest::newRow("top-left") << QPoint(2, 2) << 2 << int(Qt::SizeFDiagCursor);
        QTest::newRow("top") << QPoint(150, 1) << 3 << int(Qt::SizeVerCursor);
        QTest::newRow("top-right") << QPoint(298, 2) << 4 << int(Qt::SizeBDiagCursor);
        QTest::newRow("right") << QPoint(297, 100) << 5 << int(Qt::SizeHorCursor);
        QTest::newRow("bottom-right") << QPoint(298, 198) << 6 << int(Qt::SizeFDiagCursor);
        QTest::newRow("bottom") << QPoint(150, 197) << 7 << int(Qt::SizeVerCursor);
        QTest::newRow("bottom-left") << QPoint(1, 198) << 8 << int(Qt::SizeBDiagCursor);
        QTest::newRow("inside") << QPoint(150, 100) << 0 << int(Qt::ArrowCursor);
    }

    void edgeCursors()
    {
        QFETCH(QPoint, local);
        QFETCH(int, state);
        QFETCH(int, cursor);
        QVelDialog dialog;
        dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        dialog.setGeometry(100, 100, 300, 200);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        sendMouse(&dialog, QEvent::MouseMove, dialog.mapToGlobal(local), Qt::NoButton, Qt::NoButton);
        QCOMPARE(int(dialog.cursorAndState()), state);
        QCOMPARE(int(dialog.cursor().shape()), cursor);
    }

    void buttonOverEdgeResetsCursor()
    {
        QVelDialog dialog;
        dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        dialog.setGeometry(100, 100, 300, 200);
        auto* button = new QPushButton(&dialog);
        button->setGeometry(0, 90, 40, 20);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.setCursor(Qt::SizeHorCursor);
        sendMouse(&dialog, QEvent::MouseMove, dialog.mapToGlobal(QPoint(2, 100)), Qt::NoButton, Qt::NoButton);
        QCOMPARE(dialog.cursor().shape(), Qt::ArrowCursor);
        button->setObjectName("centralWidget");
        sendMouse(&dialog, QEvent::MouseMove, dialog.mapToGlobal(QPoint(2, 100)), Qt::NoButton, Qt::NoButton);
        QCOMPARE(dialog.cursor().shape(), Qt::SizeHorCursor);
    }

    void resizeFromRightEdgeKeepsMinimum()
    {
        QVelDialog dialog;
        dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        dialog.setGeometry(100, 100, 300, 200);
        dialog.setMinimumSize(100, 100);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint edge = dialog.mapToGlobal(QPoint(297, 100));
        sendMouse(&dialog, QEvent::MouseMove, edge, Qt::NoButton, Qt::NoButton);
        QCOMPARE(int(dialog.cursorAndState()), 5);
        sendMouse(&dialog, QEvent::MouseButtonPress, edge);
        sendMouse(&dialog, QEvent::MouseMove, edge + QPoint(50, 0), Qt::NoButton);
        QCOMPARE(dialog.width(), 350);
        // Shrinking stops while the width would not stay above the minimum.
        sendMouse(&dialog, QEvent::MouseMove, edge - QPoint(400, 0), Qt::NoButton);
        QCOMPARE(dialog.width(), 350);
        sendMouse(&dialog, QEvent::MouseMove, edge - QPoint(190, 0), Qt::NoButton);
        QVERIFY(dialog.width() > 100);
    }

    // Dragging an edge far beyond the screen stops growing before the screen's limits.
    void growthStopsAtScreenLimits_data()
    {
        QTest::addColumn<QPoint>("edge");
        QTest::addColumn<QPoint>("drag");
        QTest::newRow("left") << QPoint(2, 100) << QPoint(-5000, 0);
        QTest::newRow("right") << QPoint(297, 100) << QPoint(5000, 0);
        QTest::newRow("top") << QPoint(150, 1) << QPoint(0, -5000);
        QTest::newRow("bottom") << QPoint(150, 197) << QPoint(0, 5000);
        QTest::newRow("bottom-left") << QPoint(1, 198) << QPoint(-5000, 5000);
    }

    void growthStopsAtScreenLimits()
    {
        QFETCH(QPoint, edge);
        QFETCH(QPoint, drag);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QVelDialog dialog;
        dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        dialog.setGeometry(300, 300, 300, 200);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint start = dialog.mapToGlobal(edge);
        sendMouse(&dialog, QEvent::MouseMove, start, Qt::NoButton, Qt::NoButton);
        QVERIFY(dialog.cursorAndState() != QBaseDrawWidget::CursorNone);
        sendMouse(&dialog, QEvent::MouseButtonPress, start);
        for (int step = 1; step <= 50; ++step)
            sendMouse(&dialog, QEvent::MouseMove, start + drag * step / 50, Qt::NoButton);
        QVERIFY(dialog.width() - 1 < screen.width() - 4);
        QVERIFY(dialog.height() - 1 < available.height());
        QVERIFY(dialog.width() >= 300);
        QVERIFY(dialog.height() >= 200);
    }

    void maximiseAndRestore()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QVelDialog dialog;
        dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        dialog.setGeometry(100, 100, 300, 200);
        dialog.setTransparentW(4);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseDClick(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
        QVERIFY(dialog.isMaxSize());
        QCOMPARE(dialog.geometry(), QRect(-4, -4, screen.width() + 8, available.height() + 8));
        dialog.OnBtnMax();
        QVERIFY(!dialog.isMaxSize());
        QCOMPARE(dialog.geometry(), QRect(100, 100, 300, 200));
    }

    void fixedBackgroundStopsResizing()
    {
        QVERIFY(m_dir.isValid());
        const QString picture = TestPictures::flat(m_dir, "bg.png", 300, 180, Qt::darkGray);
        QVelDialog dialog;
        dialog.setBackgroundImage(picture, false);
        QCOMPARE(dialog.size(), QSize(150, 90));
        QCOMPARE(dialog.stretchPolicy(), QBaseDrawWidget::StretchNone);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseDClick(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(75, 45));
        QVERIFY(!dialog.isMaxSize());
        QCOMPARE(dialog.grab().toImage().pixelColor(75, 45), QColor(Qt::darkGray));
    }

    void childSurfaceIgnoresDoubleClick()
    {
        QWidget window;
        auto* surface = new QVelWidget(&window);
        surface->setGeometry(10, 10, 100, 50);
        QCOMPARE(surface->stretchPolicy(), QBaseDrawWidget::StretchNone);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseDClick(surface, Qt::LeftButton, Qt::NoModifier, QPoint(50, 25));
        QVERIFY(!surface->isMaxSize());
        QCOMPARE(surface->geometry(), QRect(10, 10, 100, 50));
    }

    void logoCentredOnFirstPaint()
    {
        QVERIFY(m_dir.isValid());
        QVelDialog dialog;
        dialog.resize(400, 300);
        dialog.setLogoRect(QRect(-1, -1, 0, 0));
        dialog.setLogoImage(QImage(100, 60, QImage::Format_ARGB32));
        dialog.setLogoRect(QRect(-1, -1, 0, 0));
        dialog.grab();
        QCOMPARE(dialog.logoRect(), QRect(175, 135, 50, 30));
        dialog.resize(600, 400);
        dialog.grab();
        QCOMPARE(dialog.logoRect(), QRect(175, 135, 50, 30));
    }

    void centreDialogClampsToFifty()
    {
        QWidget owner;
        owner.setGeometry(0, 0, 100, 80);
        QVelWidget base(&owner);
        base.setGeometry(0, 0, 100, 80);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QDialog dialog;
        dialog.resize(400, 300);
        base.CenterDlg(dialog);
        QCOMPARE(dialog.pos(), QPoint(50, 50));
    }
};

QTEST_MAIN(TestWindowBase)
#include "tst_windowbase.moc"
