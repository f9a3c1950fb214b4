// The preferences dialog with its General page, driven as the main window drives
// it: what each dismissal saves and reports, the language preview, and the
// opener's translator, which every way of closing must leave installed.
#include "DialogTestUtil.h"

#include "ConvertWidget.h"
#include "GeneralWidget.h"
#include "QCheckButton.h"
#include "QConverterOperate.h"
#include "QImageButton.h"
#include "QPreferencesDlg.h"
#include "QTextImageButton.h"
#include "QVelComboBox.h"

#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

using namespace DialogTestUtil;

namespace {

const QString kFixtureQm = QStringLiteral(ZV_FIXTURE_QM);

QString languageFile(const QString& file)
{
    return QIAnyUtil::getResourcePath() + "/Language/" + file;
}

// A user's pick in the list: the row becomes current and activated() follows.
void pick(QVelComboBox* combo, const QString& name)
{
    const int row = combo->findText(name);
    QVERIFY2(row >= 0, qPrintable(name));
    combo->setCurrentIndex(row);
    emit combo->activated(row);
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2));
}

} // namespace

class tst_Preferences : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void flagsReadExactly_data();
    void flagsReadExactly();
    void okWithoutChangesWritesNothing();
    void okWritesChangedChoices();
    void pressingCheckedChoiceKeepsIt();
    void tabs();
    void buttonsPlaced();
    void pickPreviewsInDialogOnly();
    void previewSwitchesBackToEnglish();
    void missingTranslationKeepsLanguage();
    void repickingOpeningLanguageIsNoChange();
    void savedNameNotInList();
    void dismissals_data();
    void dismissals();

private:
    QTranslator m_opener;
};

void tst_Preferences::initTestCase()
{
    QVERIFY(QFile::exists(kFixtureQm));
    QVERIFY(m_opener.load(kFixtureQm));
    QVERIFY(QFile::exists(QIAnyUtil::getResourcePath() + "/Language/Language.xml"));
}

void tst_Preferences::init()
{
    clearSettings();
    QConverterOperate::setLanguageType("English");
}

void tst_Preferences::cleanup()
{
    QApplication::removeTranslator(&m_opener);
}

void tst_Preferences::flagsReadExactly_data()
{
    QTest::addColumn<QString>("update");
    QTest::addColumn<QString>("close");
    QTest::addColumn<bool>("autoUpdate");
    QTest::addColumn<bool>("exit");
    QTest::newRow("fresh settings") << QString() << QString() << false << true;
    QTest::newRow("Y and N") << "Y" << "N" << true << false;
    QTest::newRow("lower-case y") << "y" << "y" << false << false;
    QTest::newRow("yes") << "yes" << "yes" << false << false;
}

void tst_Preferences::flagsReadExactly()
{
    QFETCH(QString, update);
    QFETCH(QString, close);
    QFETCH(bool, autoUpdate);
    QFETCH(bool, exit);
    if (!update.isNull())
        store("UPDATES_ITEM", "bIsAutoUpdate", update);
    if (!close.isNull())
        store("CLOSE_ITEM", "bIsCloseDlg", close);
    GeneralWidget page;
    QCOMPARE(page.m_radAutoUpdate->isChecked(), autoUpdate);
    QCOMPARE(page.m_radCloseUpdate->isChecked(), !autoUpdate);
    QCOMPARE(page.m_radExit->isChecked(), exit);
    QCOMPARE(page.m_radMin->isChecked(), !exit);
    // Reading a missing key leaves its default behind.
    if (update.isNull())
        QCOMPARE(stored("UPDATES_ITEM", "bIsAutoUpdate"), QString("N"));
}

void tst_Preferences::okWithoutChangesWritesNothing()
{
    QPreferencesDlg dlg;
    QSignalSpy update(&dlg, &QPreferencesDlg::emitAutoUpdate);
    QSignalSpy language(&dlg, &QPreferencesDlg::emitLangugeChangeSet);
    GeneralWidget* page = dlg.generalPage();
    // Switching a choice there and back is no change either.
    click(page->m_radAutoUpdate);
    click(page->m_radCloseUpdate);
    dlg.show();
    const QByteArray before = settingsBytes();
    page->saveSetting();
    QCOMPARE(settingsBytes(), before);
    QCOMPARE(update.count(), 0);
    dlg.close();
    QCOMPARE(language.count(), 1);
    QCOMPARE(language.at(0).at(0).toBool(), false);
}

void tst_Preferences::okWritesChangedChoices()
{
    QPreferencesDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QSignalSpy update(&dlg, &QPreferencesDlg::emitAutoUpdate);
    QSignalSpy language(&dlg, &QPreferencesDlg::emitLangugeChangeSet);
    GeneralWidget* page = dlg.generalPage();
    click(page->m_radAutoUpdate);
    click(page->m_radMin);
    pick(page->m_cmbLan, "Deutsch");
    QCOMPARE(QConverterOperate::getLanguageType(), 2);
    QTest::mouseClick(dlg.m_btnOk, Qt::LeftButton);
    QVERIFY(!dlg.isVisible());
    QCOMPARE(stored("UPDATES_ITEM", "bIsAutoUpdate"), QString("Y"));
    QCOMPARE(stored("CLOSE_ITEM", "bIsCloseDlg"), QString("N"));
    QCOMPARE(stored("Language_item", "Language_Name"), QString("Deutsch"));
    QCOMPARE(update.count(), 1);
    QCOMPARE(update.at(0).at(0).toBool(), true);
    QCOMPARE(language.count(), 1);
    QCOMPARE(language.at(0).at(0).toBool(), true);
    QCOMPARE(QConverterOperate::getLanguageType(), 2);
}

void tst_Preferences::pressingCheckedChoiceKeepsIt()
{
    GeneralWidget page;
    QVERIFY(page.m_radExit->isChecked());
    click(page.m_radExit);
    QVERIFY(page.m_radExit->isChecked());
    QVERIFY(!page.m_radMin->isChecked());
    click(page.m_radCloseUpdate);
    QVERIFY(page.m_radCloseUpdate->isChecked());
    QVERIFY(!page.m_radAutoUpdate->isChecked());
}

void tst_Preferences::tabs()
{
    QPreferencesDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    const QList<QTextImageButton*> tabs = dlg.tabButtons();
    QCOMPARE(tabs.size(), 2);
    QCOMPARE(tabs[0]->getBtnText(), QString("General"));
    QCOMPARE(tabs[1]->getBtnText(), QString("Convert"));
    QVERIFY(dlg.generalPage()->isVisible());
    QVERIFY(!dlg.convertPage()->isVisible());

    QTest::mouseClick(tabs[1], Qt::LeftButton);
    QVERIFY(!dlg.generalPage()->isVisible());
    QVERIFY(dlg.convertPage()->isVisible());
    // The checked tab again changes nothing.
    QTest::mouseClick(tabs[1], Qt::LeftButton);
    QVERIFY(dlg.convertPage()->isVisible());
    QTest::mouseClick(tabs[0], Qt::LeftButton);
    QVERIFY(dlg.generalPage()->isVisible());
    QVERIFY(!dlg.convertPage()->isVisible());
    QCOMPARE(dlg.size(), QSize(433, 277));
}

void tst_Preferences::buttonsPlaced()
{
    QPreferencesDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QTRY_COMPARE(dlg.m_btnOk->pos(), QPoint(233, 246));
    QCOMPARE(dlg.m_btnCancel->pos(), QPoint(329, 246));
    QCOMPARE(dlg.m_btnOk->size(), QSize(80, 24));
    QVERIFY(dlg.closeButton()->isVisible());
    QVERIFY(!dlg.maxButton()->isEnabled());
}

void tst_Preferences::pickPreviewsInDialogOnly()
{
    QPreferencesDlg dlg;
    QSignalSpy names(dlg.generalPage(), &GeneralWidget::sendLanguageName);
    pick(dlg.generalPage()->m_cmbLan, "Deutsch");
    QCOMPARE(names.count(), 1);
    QCOMPARE(names.at(0).at(0).toString(), languageFile("lang_de.qm"));
    // Picking the entry already shown previews again.
    pick(dlg.generalPage()->m_cmbLan, "Deutsch");
    QCOMPARE(names.count(), 2);

    QVERIFY(dlg.setLanguge(kFixtureQm));
    QCOMPARE(dlg.tabButtons()[0]->getBtnText(), QString("Allgemein"));
    QCOMPARE(dlg.m_btnCancel->getBtnText(), QString("Abbrechen"));
    QCOMPARE(dlg.generalPage()->m_GroupLanguage->title(), QString("Sprache"));
    // The preview's translator is gone again: the rest of the program is not
    // translated by it.
    QCOMPARE(QObject::tr("General"), QString("General"));
}

// With the program in German, previewing English shows the dialog in English
// again, its title too: the program's translator does not show through.
void tst_Preferences::previewSwitchesBackToEnglish()
{
    QTranslator program;
    QVERIFY(program.load(languageFile("lang_de.qm")));
    QApplication::installTranslator(&program);
    QPreferencesDlg dlg;
    QCOMPARE(dlg.windowTitle(), QString("Einstellungen"));
    QVERIFY(dlg.setLanguge(languageFile("lang_en.qm")));
    QApplication::removeTranslator(&program);
    QCOMPARE(dlg.windowTitle(), QString("Preferences"));
    QCOMPARE(dlg.tabButtons()[0]->getBtnText(), QString("General"));
    QCOMPARE(dlg.m_btnCancel->getBtnText(), QString("Cancel"));
}

void tst_Preferences::missingTranslationKeepsLanguage()
{
    QPreferencesDlg dlg;
    QVERIFY(!dlg.setLanguge(QIAnyUtil::getResourcePath() + "/Language/no_such.qm"));
    QCOMPARE(dlg.tabButtons()[0]->getBtnText(), QString("General"));
}

void tst_Preferences::repickingOpeningLanguageIsNoChange()
{
    QPreferencesDlg dlg;
    dlg.show();
    QSignalSpy language(&dlg, &QPreferencesDlg::emitLangugeChangeSet);
    pick(dlg.generalPage()->m_cmbLan, "Français");
    QVERIFY(dlg.generalPage()->getChangeLanguage());
    pick(dlg.generalPage()->m_cmbLan, "English");
    QVERIFY(!dlg.generalPage()->getChangeLanguage());
    dlg.OnBtnOk();
    QCOMPARE(language.count(), 1);
    QCOMPARE(language.at(0).at(0).toBool(), false);
    QCOMPARE(stored("Language_item", "Language_Name"), QString("English"));
}

// A saved name the list does not hold shows the first entry and counts it as
// the opening one, so OK alone does not rewrite the saved name.
void tst_Preferences::savedNameNotInList()
{
    store("Language_item", "Language_Name", "Klingon");
    QPreferencesDlg dlg;
    dlg.show();
    QCOMPARE(dlg.generalPage()->m_cmbLan->currentText(), QString("English"));
    QVERIFY(!dlg.generalPage()->getChangeLanguage());
    dlg.OnBtnOk();
    QCOMPARE(stored("Language_item", "Language_Name"), QString("Klingon"));
}

void tst_Preferences::dismissals_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("OK") << "ok" << true;
    QTest::newRow("Cancel") << "cancel" << false;
    QTest::newRow("Escape") << "escape" << false;
    QTest::newRow("close button") << "close" << false;
}

// The opener removes its translator for the dialog's run and puts it back when
// the dialog reports; however the dialog is dismissed, the report comes exactly
// once and a dismissal without OK saves nothing and restores the language type.
void tst_Preferences::dismissals()
{
    QFETCH(QString, how);
    QFETCH(bool, confirmed);
    QApplication::installTranslator(&m_opener);
    QCOMPARE(QObject::tr("General"), QString("Allgemein"));

    QPreferencesDlg dlg;
    QSignalSpy language(&dlg, &QPreferencesDlg::emitLangugeChangeSet);
    connect(&dlg, &QPreferencesDlg::emitLangugeChangeSet, this,
            [this] { QApplication::installTranslator(&m_opener); });
    QApplication::removeTranslator(&m_opener);

    whenModal([&](QWidget* modal) {
        QCOMPARE(modal, &dlg);
        pick(dlg.generalPage()->m_cmbLan, "日本語");
        if (how == "ok")
            QTest::mouseClick(dlg.m_btnOk, Qt::LeftButton);
        else if (how == "cancel")
            QTest::mouseClick(dlg.m_btnCancel, Qt::LeftButton);
        else if (how == "escape")
            QTest::keyClick(&dlg, Qt::Key_Escape);
        else
            QTest::mouseClick(dlg.closeButton(), Qt::LeftButton);
    });
    dlg.exec();

    QCOMPARE(language.count(), 1);
    QCOMPARE(language.at(0).at(0).toBool(), confirmed);
    QCOMPARE(QObject::tr("General"), QString("Allgemein"));
    QCOMPARE(stored("Language_item", "Language_Name"), confirmed ? QString("日本語") : QString("English"));
    QCOMPARE(QConverterOperate::getLanguageType(), confirmed ? 4 : 0);
}

QTEST_MAIN(tst_Preferences)
#include "tst_preferences.moc"
