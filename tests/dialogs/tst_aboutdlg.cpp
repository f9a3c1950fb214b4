// The about box: its texts, the French size of the rights notice, and the home
// link, opened through the system-services seam and never in a real browser.
#include "QAboutDlg.h"
#include "QConverterOperate.h"
#include "QImageButton.h"
#include "ShownLink.h"
#include "VelSystemActions.h"

#include <QtTest>

class tst_AboutDlg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();
    void texts();
    void linkOpensHomePage_data();
    void linkOpensHomePage();
    void rightsNoticeSize_data();
    void rightsNoticeSize();

private:
    QList<QUrl> m_opened;
};

void tst_AboutDlg::init()
{
    m_opened.clear();
    VelSystemActions::setUrlHandler([this](const QUrl& url) { m_opened << url; });
    QConverterOperate::setLanguageType("English");
}

void tst_AboutDlg::cleanupTestCase()
{
    VelSystemActions::setUrlHandler(nullptr);
    QConverterOperate::setLanguageType("English");
}

void tst_AboutDlg::texts()
{
    QAboutDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.m_labProject->text(), QString("Zededera Raziz Azodor"));
    QCOMPARE(dlg.m_labVersion->text(), QString("Version 2.3.2"));
    QCOMPARE(dlg.m_labVisit->text(), QString("Visit:"));
    QVERIFY(dlg.m_labHome->text().contains("href = " + QAboutDlg::homeAddress()));
    // The shown address is one white link to the home page, readable on the dark ground.
    const ShownLink link = shownLink(dlg.m_labHome->text());
    QCOMPARE(link.text, QAboutDlg::homeAddress());
    QCOMPARE(link.href, QAboutDlg::homeAddress());
    QCOMPARE(link.colour, QColor(Qt::white));
    QVERIFY(dlg.m_labProjectVersion->text().isEmpty());
    QCOMPARE(dlg.size(), QSize(400, 250));
    QTRY_COMPARE(dlg.m_labProject->pos(), QPoint(120, 82));
    QCOMPARE(dlg.m_labHome->x(), dlg.m_labVisit->geometry().right() + 3);
    // Visible but inert title buttons: maximise is disabled, minimise is not wired.
    QVERIFY(dlg.maxButton()->isVisible());
    QVERIFY(!dlg.maxButton()->isEnabled());
    QTest::mouseClick(dlg.minButton(), Qt::LeftButton);
    QVERIFY(dlg.isVisible());
    QTest::mouseClick(dlg.closeButton(), Qt::LeftButton);
    QVERIFY(!dlg.isVisible());
}

void tst_AboutDlg::linkOpensHomePage_data()
{
    QTest::addColumn<QString>("linkText");
    QTest::newRow("the home address") << QAboutDlg::homeAddress();
    QTest::newRow("another text") << "https://elsewhere.example/";
}

void tst_AboutDlg::linkOpensHomePage()
{
    QFETCH(QString, linkText);
    QAboutDlg dlg;
    emit dlg.m_labHome->linkActivated(linkText);
    QCOMPARE(m_opened, QList<QUrl>{QUrl(QAboutDlg::homeAddress())});
}

void tst_AboutDlg::rightsNoticeSize_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("pixels");
    QTest::newRow("English") << "English" << 12;
    QTest::newRow("German") << "German" << 12;
    QTest::newRow("French") << "French" << 11;
}

void tst_AboutDlg::rightsNoticeSize()
{
    QFETCH(QString, language);
    QFETCH(int, pixels);
    QConverterOperate::setLanguageType(language);
    QAboutDlg dlg;
    QCOMPARE(dlg.m_labCopyright->font().pixelSize(), pixels);
    QCOMPARE(dlg.m_labVersion->font().pixelSize(), 12);
    QCOMPARE(dlg.m_labVisit->font().pixelSize(), 12);
    QCOMPARE(dlg.m_labProject->font().pixelSize(), 15);
}

QTEST_MAIN(tst_AboutDlg)
#include "tst_aboutdlg.moc"
