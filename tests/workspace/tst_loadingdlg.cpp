// The loading dialog: its setters, Stop and the close button, its size and
// the path label's right edge.
#include "QImageButton.h"
#include "QLoadingDlg.h"

#include <QLabel>
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
    const QString path("/a/very/long/path/that/does/not/fit/in/the/label/at/all/nor/in/the/dialog/clip.mp4");
    dialog.setAddFilePath(path);
    dialog.setAddCount("1/1");
    dialog.setProgressVale(100);
    QCOMPARE(dialog.m_labAdded_2->text(), QString("1/1"));
    QCOMPARE(dialog.m_progressBar->getValue(), 100.0f);
    QCOMPARE(dialog.m_labAddingPath_2->geometry().right(), dialog.width() - 26);
    QCOMPARE(dialog.m_labAddingPath->text(), QString("Adding File:"));
    QCOMPARE(dialog.m_btnCancel->geometry().right(), dialog.width() - 30 - 1);
    QVERIFY(dialog.m_labAddingPath_2->geometry().left() > dialog.m_labAddingPath->geometry().right());
    // The path is shortened in its middle to what the label shows: the file name stays readable.
    const QLabel *shown = dialog.m_labAddingPath_2;
    QVERIFY(shown->text().endsWith("clip.mp4"));
    QVERIFY(shown->text().startsWith("/a/very"));
    QVERIFY(shown->text().contains(QChar(0x2026)));
    QVERIFY(QFontMetrics(shown->font()).horizontalAdvance(shown->text()) <= shown->width());
    QCOMPARE(shown->toolTip(), path);
    dialog.setAddFilePath("/tmp/clip.mp4");
    QCOMPARE(shown->text(), QString("/tmp/clip.mp4"));
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
