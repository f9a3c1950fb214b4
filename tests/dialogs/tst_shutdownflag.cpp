// "Turn Off Computer" on the Convert page, followed through a real conversion
// run: the queue asks the system-services seam for exactly one power-off after
// the run succeeds, and none when the box was cleared. Nothing is powered off.
#include "ConvertFixtures.h"
#include "DialogTestUtil.h"

#include "ConvertWidget.h"
#include "QAttributeSettingHolder.h"
#include "QCheckButton.h"
#include "QConverterObject.h"
#include "QConverterOperate.h"
#include "QPreferencesDlg.h"
#include "QTextImageButton.h"
#include "VelSystemActions.h"
#include "VelVideoConvertItem.h"
#include "VelVideoConvertManager.h"

#include "zovAruzIvivu.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace DialogTestUtil;

class tst_ShutdownFlag : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void oneRequestAfterSuccess_data();
    void oneRequestAfterSuccess();

private:
    QTemporaryDir m_root;
    QList<VelSystemActions::Power> m_requests;
};

void tst_ShutdownFlag::initTestCase()
{
    QVERIFY(m_root.isValid());
    ZV_Initialize_Library(0, 0);
    QVERIFY(!ConvertFixtures::gopClip().isEmpty());
    VelSystemActions::setPowerHandler([this](VelSystemActions::Power p) { m_requests << p; });
}

void tst_ShutdownFlag::cleanupTestCase()
{
    VelVideoConvertManager::getConvertManagerObject()->ClearItems();
    store("SHOWDOWN_ITEM", "bIsShowDownComputer", "N");
}

void tst_ShutdownFlag::oneRequestAfterSuccess_data()
{
    QTest::addColumn<bool>("turnOff");
    QTest::addColumn<int>("requests");
    QTest::newRow("ticked") << true << 1;
    QTest::newRow("cleared") << false << 0;
}

void tst_ShutdownFlag::oneRequestAfterSuccess()
{
    QFETCH(bool, turnOff);
    QFETCH(int, requests);
    store("SHOWDOWN_ITEM", "bIsShowDownComputer", turnOff ? "N" : "Y");
    {
        QPreferencesDlg dlg;
        dlg.show();
        QTest::mouseClick(dlg.convertPage()->m_chkShowDown, Qt::LeftButton, {}, QPoint(4, 8));
        QCOMPARE(dlg.convertPage()->m_chkShowDown->isChecked(), turnOff);
        QTest::mouseClick(dlg.m_btnOk, Qt::LeftButton);
    }
    QCOMPARE(stored("SHOWDOWN_ITEM", "bIsShowDownComputer"), QString(turnOff ? "Y" : "N"));

    AttributeSetting& profile = *QAttributeSettingHolder::attributeSetting();
    profile = AttributeSetting();
    profile.bLossless = true;
    profile.nQuality = 90;
    profile.fileFormat = "MP4";
    profile.fileExtend = "mp4";
    QConverterOperate::setConverterPath(m_root.path() + "/" + QTest::currentDataTag());
    const QFileInfo source(ConvertFixtures::gopClip());
    QConverterOperate::setAdjustFileName(source.fileName(), source.suffix());
    VelVideoConvertManager* manager = VelVideoConvertManager::getConvertManagerObject();
    manager->ClearItems();
    VelVideoConvertItem* item = manager->CreateConvertItemInfo(source.filePath(), -1, false);
    QVERIFY(item);
    item->m_trimStart = 0;
    item->m_trimEnd = 1000000;
    item->setEditConfigBLossless(&profile);
    item->setEditConfigFormat(&profile);
    item->resetTrackData();

    m_requests.clear();
    QConverterObject queue;
    QSignalSpy lock(&queue, &QConverterObject::emitIsStartConverter);
    QSignalSpy finished(&queue, &QConverterObject::emitConvertedFinish);
    queue.OnStartToCoverter(false);
    QTRY_VERIFY_WITH_TIMEOUT(!lock.isEmpty() && !lock.last().at(0).toBool(), 60000);
    QCOMPARE(finished.count(), 1);
    QVERIFY(finished.at(0).at(0).toBool());
    QCOMPARE(m_requests.size(), requests);
    if (requests)
        QCOMPARE(m_requests.at(0), VelSystemActions::Power::PowerOff);
}

QTEST_MAIN(tst_ShutdownFlag)
#include "tst_shutdownflag.moc"
