#include "QMessageOpacityForm.h"
#include "TestTiming.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

// The fading message: a full second at full opacity, then ten quick steps down
// and closed; the pointer over it holds the fade.
class TestOpacityForm : public QObject
{
    Q_OBJECT

private slots:
    void fadeTimeline();
    void hoverHoldsAndLeaveRestarts();
    void newMessageWhileFadingRestarts();
    void textPlacementAndButtons();
};

void TestOpacityForm::fadeTimeline()
{
    QMessageOpacityForm form;
    form.setMessageText(QStringLiteral("Snapshot successfully!"));
    // The clock starts before the fade does, so that it never runs short of it.
    QElapsedTimer clock;
    clock.start();
    form.startOpacity();
    form.show();
    // Full opacity until the first tick, 1000 ms after the start. Qt's coarse
    // timers may fire up to 5% early; a loaded machine only adds.
    QCOMPARE(form.fadeTimer()->interval(), 1000);
    QTRY_VERIFY_WITH_TIMEOUT(form.windowOpacity() < 0.99, TestTiming::scaled(5000));
    const qint64 firstDrop = clock.elapsed();
    QVERIFY2(firstDrop >= 950, qPrintable(QString::number(firstDrop)));
    QCOMPARE(form.fadeTimer()->interval(), 50);
    QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), TestTiming::scaled(5000));
    const qint64 closedAt = clock.elapsed();
    // The hold and at least nine more steps of 50 ms, each of them as early as
    // a coarse timer may be.
    QVERIFY2(closedAt >= 950 + 9 * 47, qPrintable(QString::number(closedAt)));
    QVERIFY(!form.fadeTimer()->isActive());
}

void TestOpacityForm::hoverHoldsAndLeaveRestarts()
{
    QMessageOpacityForm form;
    form.setMessageText(QStringLiteral("x"));
    form.startOpacity();
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(form.windowOpacity() < 0.95, 5000);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&form, &enter);
    QCOMPARE(form.windowOpacity(), 1.0);
    QVERIFY(!form.fadeTimer()->isActive());
    QTest::qWait(300);
    QVERIFY(form.isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&form, &leave);
    QCOMPARE(form.windowOpacity(), 1.0);
    QVERIFY(form.fadeTimer()->isActive());
    QCOMPARE(form.fadeTimer()->interval(), 1000);
}

void TestOpacityForm::newMessageWhileFadingRestarts()
{
    QMessageOpacityForm form;
    form.setMessageText(QStringLiteral("first"));
    form.startOpacity();
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(form.windowOpacity() < 0.8, 5000);
    form.setMessageText(QStringLiteral("second"));
    form.startOpacity();
    QCOMPARE(form.windowOpacity(), 1.0);
    QCOMPARE(form.m_lblText->text(), QStringLiteral("second"));
    QCOMPARE(form.fadeTimer()->interval(), 1000);
}

void TestOpacityForm::textPlacementAndButtons()
{
    QMessageOpacityForm form;
    QCOMPARE(form.size(), QSize(351, 125));
    form.setShowlink(0, 0, false);
    form.setCheckShow(false);
    form.setMessageText(QStringLiteral("\"/nowhere\"is not exists"));
    QCOMPARE(form.m_lblText->geometry(), QRect(50, 57, 351, 40));
    QVERIFY(form.m_lblText->wordWrap());
    QVERIFY(form.m_lblSuppport->isHidden());
    QVERIFY(form.m_ckbNote->isHidden());
    QVERIFY(!form.m_btnMin->isEnabled());
    QVERIFY(!form.m_btnMax->isEnabled());
    form.show();
    QCOMPARE(form.m_btnClose->pos(), QPoint(13, 13));
    QCOMPARE(form.m_btnMin->x(), form.m_btnClose->geometry().right() + 9);
    // The close button ends the message at once and leaves it opaque for the next.
    form.startOpacity();
    QTest::mouseClick(form.m_btnClose, Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QVERIFY(!form.fadeTimer()->isActive());
    QCOMPARE(form.windowOpacity(), 1.0);
}

QTEST_MAIN(TestOpacityForm)
#include "tst_opacityform.moc"
