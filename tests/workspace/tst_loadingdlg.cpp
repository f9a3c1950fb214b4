// The loading dialog: its setters, Stop and the close button, its size and
// the path label's right edge.
#include "QImageButton.h"
#include "QLoadingDlg.h"

#include <QtTest>

class TestLoadingDlg : public QObject
{
    Q_OBJECT

private slots:
    void showsWhatIsAdded();
    void stopClosesBeforeAskingToStop_data();
    void stopClosesBeforeAskingToStop();
};

void TestLoadingDlg::showsWhatIsAdded()
{
    QLoadingDlg dialog;
    dialog.show();
    QCOMPARE(dialog.size(), QSize(440, 170));
    dialog.setAddFilePath("/a/very/long/path/that/does/not/fit/in/the/label/at/all/clip.mp4");
    dialog.setAddCount("1/1");
    dialog.setProgressVale(100);
    QCOMPARE(dialog.m_labAdded_2->text(), QString("1/1"));
    QCOMPARE(dialog.m_progressBar->getValue(), 100.0f);
    QCOMPARE(dialog.m_labAddingPath_2->geometry().right(), dialog.width() - 26);
    QCOMPARE(dialog.m_labAddingPath->text(), QString("Adding File:"));
    QCOMPARE(dialog.m_btnCancel->geometry().right(), dialog.width() - 30 - 1);
    QVERIFY(dialog.m_labAddingPath_2->geometry().left() > dialog.m_labAddingPath->geometry().right());
}

void TestLoadingDlg::stopClosesBeforeAskingToStop_data()
{
    QTest::addColumn<bool>("closeButton");
    QTest::newRow("Stop") << false;
    QTest::newRow("close button") << true;
}

void TestLoadingDlg::stopClosesBeforeAskingToStop()
{
    QFETCH(bool, closeButton);
    QLoadingDlg dialog;
    bool visibleAtStop = true;
    int stops = 0;
    connect(&dialog, &QLoadingDlg::seedStopAddFile, [&] {
        visibleAtStop = dialog.isVisible();
        ++stops;
    });
    QTimer::singleShot(0, &dialog, [&] {
        if (closeButton)
            dialog.closeButton()->click();
        else
            dialog.m_btnCancel->click();
    });
    dialog.exec();
    QCOMPARE(stops, 1);
    QVERIFY(!visibleAtStop);
}

QTEST_MAIN(TestLoadingDlg)
#include "tst_loadingdlg.moc"
