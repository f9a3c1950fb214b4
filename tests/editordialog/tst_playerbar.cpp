#include "QPlayerOperationForm.h"

#include <QSignalSpy>
#include <QTest>

// The player bar: buttons answer at once and signal the player; the slider turns
// a press, a click position and the release into three signals.
class TestPlayerBar : public QObject
{
    Q_OBJECT

private slots:
    void buttons();
    void sliderPressValueRelease();
    void playerReports();
    void layoutKeepsTheGap();
};

void TestPlayerBar::buttons()
{
    QPlayerOperationForm bar;
    bar.resize(814, 26);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QVERIFY(bar.m_btnPause->isHidden());
    QSignalSpy play(&bar, &QPlayerOperationForm::emitPlay);
    QSignalSpy pause(&bar, &QPlayerOperationForm::emitPause);
    QSignalSpy stop(&bar, &QPlayerOperationForm::emitStop);
    QSignalSpy snap(&bar, &QPlayerOperationForm::emitSnapshot);
    QSignalSpy menu(&bar, &QPlayerOperationForm::emitSnapshotMenu);
    QTest::mouseClick(bar.m_btnPlay, Qt::LeftButton);
    QCOMPARE(play.size(), 1);
    QVERIFY(bar.m_btnPlay->isHidden());
    QVERIFY(!bar.m_btnPause->isHidden());
    QTest::mouseClick(bar.m_btnPause, Qt::LeftButton);
    QCOMPARE(pause.size(), 1);
    QVERIFY(!bar.m_btnPlay->isHidden());
    QTest::mouseClick(bar.m_btnPlay, Qt::LeftButton);
    QTest::mouseClick(bar.m_btnStop, Qt::LeftButton);
    QCOMPARE(stop.size(), 1);
    QVERIFY(!bar.m_btnPlay->isHidden());
    QVERIFY(bar.m_btnPause->isHidden());
    QTest::mouseClick(bar.m_btnSnapshot, Qt::LeftButton);
    QTest::mouseClick(bar.m_btnSnapshotMenu, Qt::LeftButton);
    QCOMPARE(snap.size(), 1);
    QCOMPARE(menu.size(), 1);
    QCOMPARE(bar.m_btnSnapshot->toolTip(), QStringLiteral("Snapshot"));
}

void TestPlayerBar::sliderPressValueRelease()
{
    QPlayerOperationForm bar;
    bar.resize(814, 26);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QList<QString> order;
    connect(&bar, &QPlayerOperationForm::emitSliderPress, [&] { order << "press"; });
    connect(&bar, &QPlayerOperationForm::emitProgressValue, [&](double f) {
        order << QStringLiteral("value %1").arg(f > 0.4 && f < 0.6 ? "mid" : QString::number(f));
    });
    connect(&bar, &QPlayerOperationForm::emitSliderRelease, [&] { order << "release"; });
    QWidget* slider = bar.m_playProgress;
    const QPoint mid(slider->width() / 2, slider->height() / 2);
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, mid);
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, mid);
    QCOMPARE(order, (QList<QString>{"press", "value mid", "release"}));
}

void TestPlayerBar::playerReports()
{
    QPlayerOperationForm bar;
    bar.setPlayProcess(0.25);
    QCOMPARE(bar.m_playProgress->value(), 25.0);
    bar.setTime(QStringLiteral("00:00:02 / 00:00:10"));
    QCOMPARE(bar.m_lblTime->text(), QStringLiteral("00:00:02 / 00:00:10"));
    bar.showPlayOrPause(true);
    QVERIFY(bar.m_btnPlay->isHidden());
    bar.playFinish();
    QCOMPARE(bar.m_playProgress->value(), 0.0);
    QVERIFY(!bar.m_btnPlay->isHidden());
    QVERIFY(bar.m_btnPause->isHidden());
}

void TestPlayerBar::layoutKeepsTheGap()
{
    QPlayerOperationForm bar;
    bar.resize(600, 26);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    bar.hide();
    bar.resize(814, 26);
    bar.show();
    const QRect slider = bar.m_playProgress->geometry();
    QCOMPARE(bar.m_lblTime->geometry().right(), 814 - 12 - 1);
    QCOMPARE(bar.m_lblTime->x() - slider.right() - 1, 12);
    QCOMPARE(slider.x(), bar.m_btnStop->geometry().right() + 12);
    QCOMPARE(bar.m_btnSnapshot->x(), 12);
    QCOMPARE(bar.m_btnSnapshot->y(), (26 - bar.m_btnSnapshot->height()) / 2);
}

QTEST_MAIN(TestPlayerBar)
#include "tst_playerbar.moc"
