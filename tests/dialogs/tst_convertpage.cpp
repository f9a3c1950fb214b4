// The Convert page of the preferences: the shut-down flag and the output folder
// it hands over on OK, with the real folder chooser answered by the test.
#include "DialogTestUtil.h"

#include "ConvertWidget.h"
#include "QCheckButton.h"
#include "QConverterOperate.h"
#include "QPreferencesDlg.h"
#include "QTextImageButton.h"
#include "QVelBaseButton.h"
#include "QVelMessageBox.h"

#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

using namespace DialogTestUtil;

class tst_ConvertPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void shutDownFlag_data();
    void shutDownFlag();
    void storedFolderShownUnchanged();
    void changeAppendsOneSlash();
    void cancelledChooserChangesNothing();
    void resetThenOkOrCancel_data();
    void resetThenOkOrCancel();
    void unusableFolderIsRefused_data();
    void unusableFolderIsRefused();

private:
    // Runs Change with the chooser answered: folder chosen, or cancelled when empty.
    void changeTo(ConvertWidget& page, const QString& folder);
};

void tst_ConvertPage::init()
{
    clearSettings();
    QConverterOperate::setConverterPath("/before/");
}

void tst_ConvertPage::shutDownFlag_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("toggle");
    QTest::addColumn<QString>("written");
    QTest::newRow("fresh, untouched") << QString() << false << false << "N";
    QTest::newRow("Y, untouched") << "Y" << true << false << "Y";
    QTest::newRow("lower-case y") << "y" << false << false << "N";
    QTest::newRow("turned on") << "N" << false << true << "Y";
    QTest::newRow("turned off") << "Y" << true << true << "N";
}

// OK writes the flag every time, changed or not.
void tst_ConvertPage::shutDownFlag()
{
    QFETCH(QString, saved);
    QFETCH(bool, checked);
    QFETCH(bool, toggle);
    QFETCH(QString, written);
    if (!saved.isNull())
        store("SHOWDOWN_ITEM", "bIsShowDownComputer", saved);
    ConvertWidget page;
    QCOMPARE(page.m_chkShowDown->isChecked(), checked);
    if (toggle)
        QTest::mouseClick(page.m_chkShowDown, Qt::LeftButton, {}, QPoint(4, 8));
    page.saveSetting();
    QCOMPARE(stored("SHOWDOWN_ITEM", "bIsShowDownComputer"), written);
}

void tst_ConvertPage::storedFolderShownUnchanged()
{
    store("OutPut_path", "path_value", "/no/such/folder/any more");
    ConvertWidget page;
    QCOMPARE(page.m_pathTextEdit->toPlainText(), QString("/no/such/folder/any more"));
    QVERIFY(page.m_pathTextEdit->isReadOnly());
    page.saveSetting();
    QCOMPARE(QConverterOperate::getConverterPath(), QString("/no/such/folder/any more/"));
    // The page never writes the folder setting itself.
    QCOMPARE(stored("OutPut_path", "path_value"), QString("/no/such/folder/any more"));
}

void tst_ConvertPage::changeTo(ConvertWidget& page, const QString& folder)
{
    whenModal([folder](QWidget* modal) {
        auto* chooser = qobject_cast<QFileDialog*>(modal);
        QVERIFY(chooser);
        if (folder.isEmpty()) {
            chooser->reject();
            return;
        }
        chooser->setDirectory(folder);
        static_cast<QDialog*>(chooser)->accept();
    });
    QTest::mouseClick(page.m_btnChange, Qt::LeftButton);
}

void tst_ConvertPage::changeAppendsOneSlash()
{
    QTemporaryDir dir;
    const QString chosen = QDir(dir.path()).canonicalPath();
    ConvertWidget page;
    page.show();
    changeTo(page, chosen);
    QCOMPARE(page.outPath(), chosen + "/");
    QCOMPARE(page.m_pathTextEdit->toPlainText(), chosen + "/");
    page.saveSetting();
    QCOMPARE(QConverterOperate::getConverterPath(), chosen + "/");
}

void tst_ConvertPage::cancelledChooserChangesNothing()
{
    store("OutPut_path", "path_value", "/kept/");
    ConvertWidget page;
    page.show();
    changeTo(page, QString());
    QCOMPARE(page.outPath(), QString("/kept/"));
    QCOMPARE(page.m_pathTextEdit->toPlainText(), QString("/kept/"));
}

void tst_ConvertPage::resetThenOkOrCancel_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void tst_ConvertPage::resetThenOkOrCancel()
{
    QFETCH(bool, ok);
    store("OutPut_path", "path_value", "/somewhere/else/");
    QPreferencesDlg dlg;
    dlg.show();
    ConvertWidget* page = dlg.convertPage();
    QTest::mouseClick(page->m_btnReset, Qt::LeftButton);
    const QString defaultFolder = QIAnyUtil::getDocumentPath() + "/Converted/";
    QCOMPARE(page->m_pathTextEdit->toPlainText(), defaultFolder);
    if (ok)
        QTest::mouseClick(dlg.m_btnOk, Qt::LeftButton);
    else
        QTest::mouseClick(dlg.m_btnCancel, Qt::LeftButton);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(QConverterOperate::getConverterPath(), ok ? defaultFolder : QString("/before/"));
}

void tst_ConvertPage::unusableFolderIsRefused_data()
{
    // Reset: the default folder cannot be made, a file holds its name.
    // Change: a folder nobody can create files in, root included.
    QTest::addColumn<bool>("reset");
    QTest::addColumn<QString>("folder");
    QTest::newRow("default that cannot be made") << true << QIAnyUtil::getDocumentPath() + "/Converted/";
    QTest::newRow("chosen folder that cannot be written") << false << "/proc/";
}

void tst_ConvertPage::unusableFolderIsRefused()
{
    QFETCH(bool, reset);
    QFETCH(QString, folder);
    if (reset) {
        QDir(folder).removeRecursively();
        QFile blocker(QDir::cleanPath(folder));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    store("OutPut_path", "path_value", "/kept/");
    ConvertWidget page;
    page.show();
    QStringList messages;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, [&messages] {
        auto* box = qobject_cast<QVelMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible()) {
            messages << box->getMessage();
            box->buttons().first()->click();
        }
    });
    answerer.start(20);
    if (reset)
        QTest::mouseClick(page.m_btnReset, Qt::LeftButton);
    else
        changeTo(page, QDir::cleanPath(folder));
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 20000);
    const QStringList lines = messages.first().split('\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.first(), QString("This folder cannot be used for the output."));
    QVERIFY2(lines.at(1).startsWith(folder + ": ") && lines.at(1).size() > folder.size() + 5, qPrintable(lines.at(1)));
    QCOMPARE(page.outPath(), QString("/kept/"));
    QCOMPARE(page.m_pathTextEdit->toPlainText(), QString("/kept/"));
    if (reset)
        QVERIFY(QFile::remove(QDir::cleanPath(folder)));
}

QTEST_MAIN(tst_ConvertPage)
#include "tst_convertpage.moc"
