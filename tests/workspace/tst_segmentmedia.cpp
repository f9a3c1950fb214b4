#include "MessageBoxAnswerer.h"
#include "SegmentFixtures.h"
#include "TestMedia.h"
#include "TestProfiles.h"
#include "TestTiming.h"

#include "QConverterOperate.h"
#include "QIAnyUtil.h"
#include "QImageButtonEx.h"
#include "QSimpleTimeLine.h"
#include "QTimeContainer.h"
#include "QVideoCutManageDlg.h"
#include "QVideoSettingXml.h"
#include "qSliderCtrl.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace SegmentFixtures;

static void usePreset(const char* category, const char* id)
{
    TestProfiles::usePreset((QIAnyUtil::getResourcePath() + "/profile/profiles_mac.plist").toStdString(), category, id);
}

// The segment list on real files: the film of the time line and a conversion
// run started, stopped and failed from the panel.
class TestSegmentMedia : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void filmOfTenPictures();
    void secondFileDropsTheFirstFilesPictures();
    void audioOnlyKeepsEmptySlots();
    void destroyedWhileFillingTheFilm();
    void losslessRunWritesOneFilePerSegment();
    void failedRunLeavesNothingAndUnlocks();
    void stopShowsNoBoxAndLeavesNoFile();
    void closingWhileConvertingCleansUp();

private:
    QString solidClip(const QString& colour);
    void openSegments(const QString& path, const QList<QPair<double, double>>& ranges);
    QString outputFolder() const { return QConverterOperate::getOutputDir(); }

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<QVideoCutManageDlg> m_panel;
    QString m_gopClip;
    QString m_longClip;
};

void TestSegmentMedia::initTestCase()
{
    qRegisterMetaType<uint64_t>("uint64_t");
    m_gopClip = gopClip();
    QVERIFY(!m_gopClip.isEmpty());
    m_longClip = noisyClip();
    QVERIFY(!m_longClip.isEmpty());
}

void TestSegmentMedia::init()
{
    m_root.reset(new QTemporaryDir);
    QConverterOperate::setConverterPath(m_root->path() + "/Converted/");
    VelVideoConvertManager::getConvertManagerObject()->ClearItems();
    QVideoSettingXml::GetItemValue("LISTMODEL_ITEM", "ListModel_Line", "N");
    QVideoSettingXml::SetItemValue("LISTMODEL_ITEM", "ListModel_Line", "N");
    m_panel.reset(new QVideoCutManageDlg);
    m_panel->resize(720, 300);
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    m_panel->OnStyleLine();
}

void TestSegmentMedia::cleanup()
{
    m_panel.reset();
    VelVideoConvertManager::getConvertManagerObject()->ClearItems();
}

QString TestSegmentMedia::solidClip(const QString& colour)
{
    return TestMedia::make("segments_" + colour + ".mp4",
                           {"-f", "lavfi", "-i", "color=c=" + colour + ":size=320x180:rate=25:duration=20", "-c:v",
                            "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p"});
}

void TestSegmentMedia::openSegments(const QString& path, const QList<QPair<double, double>>& ranges)
{
    VelVideoConvertManager* manager = VelVideoConvertManager::getConvertManagerObject();
    for (int i = 0; i < ranges.size(); ++i) {
        VelVideoConvertItem* item = manager->CreateConvertItemInfo(path, -1, false);
        QVERIFY(item);
        item->m_trimStart = uint64_t(ranges[i].first * kSecond);
        item->m_trimEnd = uint64_t(ranges[i].second * kSecond);
        item->m_bSelected = i == 0;
        m_panel->addConvertItem(item);
    }
    const QFileInfo info(path);
    QConverterOperate::setAdjustFileName(info.fileName(), info.suffix());
}

void TestSegmentMedia::filmOfTenPictures()
{
    const QString red = solidClip("red");
    QVERIFY(!red.isEmpty());
    VelVideoConvertItem* item = VelVideoConvertManager::getConvertManagerObject()->CreateConvertItemInfo(red, -1, false);
    QVERIFY(item);
    m_panel->setLineBgImage(item);
    QTimeContainer* strip = m_panel->timeLine()->strip();
    QTRY_COMPARE_WITH_TIMEOUT(strip->filledSlots(), 10, 60000);
    QTRY_VERIFY(m_panel->isThumbnailWorkerIdle());
    QCOMPARE(strip->filledSlots(), 10);
    const int slot = strip->slotWidth();
    for (int i = 0; i < 10; ++i) {
        const QColor c = strip->filmImage().pixelColor(i * slot + slot / 2, 60);
        QVERIFY2(c.red() > 200 && c.blue() < 60, qPrintable(QString("slot %1").arg(i)));
    }
}

void TestSegmentMedia::secondFileDropsTheFirstFilesPictures()
{
    const QString red = solidClip("red");
    const QString blue = solidClip("blue");
    VelVideoConvertManager* manager = VelVideoConvertManager::getConvertManagerObject();
    VelVideoConvertItem* first = manager->CreateConvertItemInfo(red, -1, false);
    VelVideoConvertItem* second = manager->CreateConvertItemInfo(blue, -1, false);
    QVERIFY(first && second);
    m_panel->setLineBgImage(first);
    QTest::qWait(5); // let the first worker get going
    m_panel->setLineBgImage(second);
    QTimeContainer* strip = m_panel->timeLine()->strip();
    QTRY_COMPARE_WITH_TIMEOUT(strip->filledSlots(), 10, 60000);
    QTRY_VERIFY(m_panel->isThumbnailWorkerIdle());
    // The worker posts its pictures before it goes idle: whatever is still
    // queued, from either file, is delivered now.
    QCoreApplication::sendPostedEvents();
    QCOMPARE(strip->filledSlots(), 10);
    const int slot = strip->slotWidth();
    for (int i = 0; i < 10; ++i) {
        const QColor c = strip->filmImage().pixelColor(i * slot + slot / 2, 60);
        QVERIFY2(c.blue() > 200 && c.red() < 60, qPrintable(QString("slot %1").arg(i)));
    }
}

void TestSegmentMedia::audioOnlyKeepsEmptySlots()
{
    const QString tone = TestMedia::sineWav();
    VelVideoConvertItem* item = VelVideoConvertManager::getConvertManagerObject()->CreateConvertItemInfo(tone, -1, false);
    QVERIFY(item);
    m_panel->setLineBgImage(item);
    QTRY_VERIFY(m_panel->isThumbnailWorkerIdle());
    QCoreApplication::sendPostedEvents();
    QCOMPARE(m_panel->timeLine()->strip()->filledSlots(), 0);
}

void TestSegmentMedia::destroyedWhileFillingTheFilm()
{
    VelVideoConvertItem* item =
        VelVideoConvertManager::getConvertManagerObject()->CreateConvertItemInfo(m_longClip, -1, false);
    QVERIFY(item);
    for (int round = 0; round < 3; ++round) {
        auto* panel = new QVideoCutManageDlg;
        panel->resize(720, 300);
        panel->OnStyleLine();
        panel->setLineBgImage(item);
        QVERIFY(!panel->isThumbnailWorkerIdle());
        QElapsedTimer clock;
        clock.start();
        delete panel; // joins the worker, whose picture read gives up
        QVERIFY2(clock.elapsed() < TestTiming::scaled(5000), qPrintable(QString::number(clock.elapsed())));
    }
    QCoreApplication::sendPostedEvents(); // nothing queued for the dead panels may arrive
}

void TestSegmentMedia::losslessRunWritesOneFilePerSegment()
{
    useProfile(true);
    openSegments(m_gopClip, {{2, 7}, {10, 15}, {20, 28}});
    QSignalSpy lock(m_panel.get(), &QVideoCutManageDlg::emitIsStartConverter);
    MessageBoxAnswerer answerer;
    m_panel->OnConvert();
    QVERIFY(!lock.isEmpty());
    QCOMPARE(lock.first().at(0).toBool(), true);
    QVERIFY(m_panel->isConverting());
    QVERIFY(!m_panel->progressBar()->isHidden());
    QTRY_VERIFY_WITH_TIMEOUT(!m_panel->isConverting(), 120000);
    QCOMPARE(answerer.messages, QStringList());
    QCOMPARE(m_panel->openButton()->count(), 3);
    QVERIFY(m_panel->progressBar()->isHidden());
    QCOMPARE(m_panel->progressBar()->getValue(), 0.0f);
    const QDir dir(outputFolder());
    QCOMPARE(dir.entryList(QDir::Files, QDir::Name),
             (QStringList{"segments_gop1s_1.mp4", "segments_gop1s_2.mp4", "segments_gop1s_3.mp4"}));
    // The badge is cleared when the folder is opened.
    m_panel->OnBtnOpen();
    QCOMPARE(m_panel->openButton()->count(), 0);
}

void TestSegmentMedia::failedRunLeavesNothingAndUnlocks()
{
    useProfile(true);
    openSegments(m_gopClip, {{0, 2}, {4, 6}});
    // The source's output folder cannot be made: a file holds its name.
    QFile blocker(QDir(outputFolder()).absolutePath());
    QVERIFY(QDir().mkpath(QFileInfo(blocker.fileName()).absolutePath()));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    MessageBoxAnswerer answerer;
    m_panel->OnConvert();
    QTRY_COMPARE_WITH_TIMEOUT(answerer.messages.size(), 1, 60000);
    QTRY_VERIFY(!m_panel->isConverting());
    QTest::qWait(100);
    QCOMPARE(answerer.messages.size(), 1);
    QVERIFY(answerer.messages.first().startsWith("File conversion failed"));
    QVERIFY(QFileInfo(blocker.fileName()).isFile());
    QCOMPARE(QDir(m_root->path() + "/Converted").entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{QFileInfo(blocker.fileName()).fileName()});
    QVERIFY(m_panel->progressBar()->isHidden());
    QCOMPARE(m_panel->progressBar()->getValue(), 0.0f);
    QCOMPARE(m_panel->openButton()->count(), 0);
}

void TestSegmentMedia::stopShowsNoBoxAndLeavesNoFile()
{
    usePreset("General Video", "4000");
    openSegments(m_longClip, {{0, 40}});
    MessageBoxAnswerer answerer;
    m_panel->OnConvert();
    QVERIFY(m_panel->isConverting());
    const QString folder = outputFolder();
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(folder).entryList(QDir::Files).isEmpty(), 60000);
    m_panel->OnStopConvert();
    QVERIFY(!m_panel->isConverting());
    QTest::qWait(300);
    QCOMPARE(answerer.messages, QStringList());
    QVERIFY2(!QDir(folder).exists() || QDir(folder).entryList(QDir::Files).isEmpty(), qPrintable(folder));
    QVERIFY(!QDir(folder).exists());
}

void TestSegmentMedia::closingWhileConvertingCleansUp()
{
    usePreset("General Video", "4000");
    openSegments(m_longClip, {{0, 40}, {0, 40}});
    QVERIFY(!m_panel->stopConversionForClose()); // nothing runs yet
    m_panel->OnConvert();
    const QString folder = outputFolder();
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(folder).entryList(QDir::Files).isEmpty(), 60000);
    QVERIFY(m_panel->stopConversionForClose());
    // No further event processing: the window is about to go.
    QVERIFY2(!QDir(folder).exists(), qPrintable(QDir(folder).entryList().join(",")));
    m_panel.reset();
}

QTEST_MAIN(TestSegmentMedia)
#include "tst_segmentmedia.moc"
