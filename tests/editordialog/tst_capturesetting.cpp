#include "QCaptureSettingDlg.h"
#include "QVedioEditSettingXml.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// "Snapshot Setting": shows the stored format and folder and writes them back on
// OK only; every other way out writes nothing.
class TestCaptureSetting : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void shownValues_data();
    void shownValues();
    void waysOut_data();
    void waysOut();
    void browseStartsAtHomeAndKeepsTheChoice();
};

void TestCaptureSetting::init()
{
    // Reading first makes the file and its element, so the setters can write.
    QVedioEditSettingXml::getCaptureImgSuffix();
    QVedioEditSettingXml::getCaptrueImaSavePath();
}

void TestCaptureSetting::shownValues_data()
{
    QTest::addColumn<QString>("storedSuffix");
    QTest::addColumn<QString>("storedFolder");
    QTest::addColumn<QString>("shownSuffix");
    QTest::addColumn<QString>("shownFolder");
    QTest::newRow("png") << "PNG" << "/tmp/shots" << "PNG" << "/tmp/shots";
    QTest::newRow("lower case matches nothing") << "jpg" << "/tmp/shots" << "JPG" << "/tmp/shots";
    QTest::newRow("backslashes") << "JPG" << "C:\\Users\\me\\shots\\" << "JPG" << "C:/Users/me/shots/";
}

void TestCaptureSetting::shownValues()
{
    QFETCH(QString, storedSuffix);
    QFETCH(QString, storedFolder);
    QFETCH(QString, shownSuffix);
    QFETCH(QString, shownFolder);
    QVedioEditSettingXml::setCaptureImgSuffix(storedSuffix);
    QVedioEditSettingXml::setCaptrueImaPath(storedFolder);
    QCaptureSettingDlg dlg;
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Snapshot Setting"));
    QCOMPARE(dlg.size(), QSize(360, 230));
    QCOMPARE(dlg.m_cmbFormat->count(), 2);
    QCOMPARE(dlg.m_cmbFormat->currentText(), shownSuffix);
    QCOMPARE(dlg.m_editPath->text(), shownFolder);
    QVERIFY(dlg.m_editPath->isReadOnly());
    QVERIFY(!dlg.m_btnMin->isEnabled());
    QVERIFY(!dlg.m_btnMax->isEnabled());
    // OK stores what is shown, forward slashes and the upper-case row.
    QSignalSpy closed(&dlg, &QCaptureSettingDlg::emitDlgClose);
    QTimer::singleShot(0, &dlg, [&] { QTest::mouseClick(dlg.m_btnOk, Qt::LeftButton); });
    QCOMPARE(dlg.exec(), int(QDialog::Accepted));
    QCOMPARE(closed.size(), 0);
    QCOMPARE(QVedioEditSettingXml::getCaptureImgSuffix(), shownSuffix);
    QCOMPARE(QVedioEditSettingXml::getCaptrueImaSavePath(), shownFolder);
}

void TestCaptureSetting::waysOut_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("closeSignals");
    QTest::newRow("cancel") << "cancel" << 1;
    QTest::newRow("close button") << "close" << 1;
    QTest::newRow("escape") << "escape" << 0;
}

void TestCaptureSetting::waysOut()
{
    QFETCH(QString, way);
    QFETCH(int, closeSignals);
    QVedioEditSettingXml::setCaptureImgSuffix("JPG");
    QVedioEditSettingXml::setCaptrueImaPath("/tmp/before");
    QCaptureSettingDlg dlg;
    QSignalSpy closed(&dlg, &QCaptureSettingDlg::emitDlgClose);
    dlg.m_cmbFormat->setCurrentIndex(1);
    QTimer::singleShot(0, &dlg, [&] {
        if (way == "cancel")
            QTest::mouseClick(dlg.m_btnCancel, Qt::LeftButton);
        else if (way == "close")
            QTest::mouseClick(dlg.m_btnClose, Qt::LeftButton);
        else
            QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    QCOMPARE(dlg.exec(), int(QDialog::Rejected));
    QCOMPARE(closed.size(), closeSignals);
    QCOMPARE(QVedioEditSettingXml::getCaptureImgSuffix(), QStringLiteral("JPG"));
    QCOMPARE(QVedioEditSettingXml::getCaptrueImaSavePath(), QStringLiteral("/tmp/before"));
}

void TestCaptureSetting::browseStartsAtHomeAndKeepsTheChoice()
{
    QTemporaryDir chosen;
    QVERIFY(chosen.isValid());
    QVedioEditSettingXml::setCaptrueImaPath("/tmp/before/");
    QCaptureSettingDlg dlg;
    dlg.show();
    QString startFolder;
    QString caption;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        auto* fd = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!fd)
            return;
        poll.stop();
        startFolder = fd->directory().absolutePath();
        caption = fd->windowTitle();
        // Selecting the folder by name races the dialog's asynchronous folder model; with
        // nothing selected a folder dialog answers the folder it shows, which is set at once.
        fd->setDirectory(chosen.path());
        QMetaObject::invokeMethod(fd, "accept");
    });
    poll.start(20);
    dlg.onOpenPath();
    QCOMPARE(startFolder, QDir::homePath());
    QCOMPARE(caption, QStringLiteral("Save to"));
    QCOMPARE(QDir(dlg.m_editPath->text()).canonicalPath(), QDir(chosen.path()).canonicalPath());
    QCOMPARE(dlg.m_editPath->cursorPosition(), 0);
    QVERIFY(!dlg.m_editPath->text().endsWith('/'));
    dlg.onOk();
    QCOMPARE(QVedioEditSettingXml::getCaptrueImaSavePath(), dlg.m_editPath->text());
}

QTEST_MAIN(TestCaptureSetting)
#include "tst_capturesetting.moc"
