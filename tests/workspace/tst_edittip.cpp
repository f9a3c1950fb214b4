#include "QCheckButton.h"
#include "QEditTipDlg.h"
#include "QImageButton.h"

#include <QTest>
#include <QTimer>

// The lossless-mode note: OK accepts, the close button does not; the box is
// only reported.
class TestEditTip : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void looks();
};

void TestEditTip::answers_data()
{
    QTest::addColumn<bool>("tick");
    QTest::addColumn<bool>("viaOk");
    QTest::addColumn<int>("result");
    QTest::newRow("ok, ticked") << true << true << 1;
    QTest::newRow("ok, not ticked") << false << true << 1;
    QTest::newRow("close, ticked") << true << false << 0;
}

void TestEditTip::answers()
{
    QFETCH(bool, tick);
    QFETCH(bool, viaOk);
    QFETCH(int, result);
    QEditTipDlg tip;
    QTimer::singleShot(0, &tip, [&] {
        if (tick)
            QTest::mouseClick(tip.m_chkNote, Qt::LeftButton);
        QTest::mouseClick(viaOk ? static_cast<QWidget*>(tip.m_btnOk) : tip.closeButton(), Qt::LeftButton);
    });
    QCOMPARE(tip.exec(), result);
    QCOMPARE(tip.isNoShowThisDlg(), tick);
}

void TestEditTip::looks()
{
    QEditTipDlg tip;
    QCOMPARE(tip.size(), QSize(425, 170));
    QVERIFY(tip.m_btnCancel->isHidden());
    QCOMPARE(tip.m_btnOk->pos(), QPoint(330, 120));
    QCOMPARE(tip.m_lblText->pos(), QPoint(40, 50));
    QCOMPARE(tip.m_lblText->width(), 425 - 80);
    QVERIFY(tip.m_lblText->text().startsWith(QStringLiteral("Note: The currently selected output mode")));
    QCOMPARE(tip.m_chkNote->pos(), QPoint(40, 120));
}

QTEST_MAIN(TestEditTip)
#include "tst_edittip.moc"
