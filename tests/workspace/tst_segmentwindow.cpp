// The main road through the real window, the way a user walks it: open a
// file, mark segments with the play handle and set-start / set-end, add,
// reorder, switch to the time line, convert, and find the files.
#include "MessageBoxAnswerer.h"
#include "SegmentFixtures.h"
#include "TestMedia.h"

#include "MainWindow.h"
#include "QAttributeSettingHolder.h"
#include "QConverterOperate.h"
#include "QCheckButton.h"
#include "QDualSlider.h"
#include "QImageButton.h"
#include "QImageButtonEx.h"
#include "QSimpleTimeLine.h"
#include "QTimeContainer.h"
#include "QVideoConvertItem.h"
#include "QVideoCutManageDlg.h"
#include "QVideoSettingXml.h"
#include "qSliderCtrl.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace SegmentFixtures;

namespace {

constexpr int kRunLimitMs = 180000;

struct Probe
{
    double duration = 0;
    QString video;
    QString audio;
};

Probe probe(const QString& file)
{
    const QJsonObject root = QJsonDocument::fromJson(
        TestMedia::ffprobeJson(file, {"-show_entries", "format=duration:stream=codec_type,codec_name"})).object();
    Probe p;
    p.duration = root.value("format").toObject().value("duration").toString().toDouble();
    for (const QJsonValue& s : root.value("streams").toArray()) {
        const QJsonObject stream = s.toObject();
        if (stream.value("codec_type").toString() == "video")
            p.video = stream.value("codec_name").toString();
        else if (stream.value("codec_type").toString() == "audio")
            p.audio = stream.value("codec_name").toString();
    }
    return p;
}

// The codec name ffprobe gives for a profile's video fourcc.
QString codecOfFourcc(const QString& fourcc)
{
    const QString f = fourcc.toUpper();
    if (f == "H264" || f == "AVC1" || f == "X264")
        return "h264";
    if (f == "H265" || f == "HEVC" || f == "HVC1")
        return "hevc";
    if (f == "XVID" || f == "MP4V" || f == "FMP4" || f == "DIVX")
        return "mpeg4";
    return QString();
}

} // namespace

class TestSegmentWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void mainRoad_data();
    void mainRoad();
    void reorderingDecidesTheNumbers();
    void timeLineThroughTheWindow();
    void outputRootThatCannotBeMade();
    void failedRunThroughTheWindow_data();
    void failedRunThroughTheWindow();
    void closingDuringARun();
    void windowDestroyedDuringARun();
    void addingStopsAtAHundred();

private:
    void startWindow(bool lossless);
    void setPlay(double seconds);
    void markSegment(double start, double end, bool add);
    void runConversion();
    QVideoCutManageDlg* list() const { return m_window->m_videoItemDlg; }
    QStringList outputs() const;

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<MainWindow> m_window;
    QString m_clip;
    QString m_longClip;
};

void TestSegmentWindow::initTestCase()
{
    qRegisterMetaType<uint64_t>("uint64_t");
    m_clip = gopClip();
    QVERIFY(!m_clip.isEmpty());
    m_longClip = noisyClip();
    QVERIFY(!m_longClip.isEmpty());
}

void TestSegmentWindow::init()
{
    m_root.reset(new QTemporaryDir);
    QVideoSettingXml::GetItemValue("LISTMODEL_ITEM", "ListModel_Line", "N");
    QVideoSettingXml::SetItemValue("LISTMODEL_ITEM", "ListModel_Line", "N");
}

void TestSegmentWindow::cleanup()
{
    m_window.reset();
}

void TestSegmentWindow::startWindow(bool lossless)
{
    QVideoSettingXml::GetItemValue("LOSSLESS_ITEM", "Lossless_convert", "Y");
    QVideoSettingXml::SetItemValue("LOSSLESS_ITEM", "Lossless_convert", lossless ? "Y" : "N");
    QVideoSettingXml::GetItemValue("OutPut_path", "path_value", "");
    QVideoSettingXml::SetItemValue("OutPut_path", "path_value", m_root->path() + "/Converted/");
    m_window.reset(new MainWindow);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCOMPARE(QAttributeSettingHolder::attributeSetting()->bLossless, lossless);
}

void TestSegmentWindow::setPlay(double seconds)
{
    QDualSlider* slider = m_window->m_videoCutToolbar->m_TrimDSlider;
    const double length = double(m_window->m_videoPlayDlg->getPlayLength());
    slider->setPlayValue(float(seconds * kSecond / length * 100.0), true);
}

void TestSegmentWindow::markSegment(double start, double end, bool add)
{
    if (add)
        QTest::mouseClick(list()->addButton(), Qt::LeftButton);
    setPlay(end);
    QTest::mouseClick(m_window->m_videoCutToolbar->m_btnEndSet, Qt::LeftButton);
    setPlay(start);
    QTest::mouseClick(m_window->m_videoCutToolbar->m_btnStartSet, Qt::LeftButton);
    VelVideoConvertItem* item = list()->getSelectItem()->getItemInfo();
    QVERIFY(qAbs(double(item->m_trimStart) / kSecond - start) < 0.05);
    QVERIFY(qAbs(double(item->m_trimEnd) / kSecond - end) < 0.05);
}

void TestSegmentWindow::runConversion()
{
    QSignalSpy lock(list(), &QVideoCutManageDlg::emitIsStartConverter);
    QTest::mouseClick(m_window->m_videoCutToolbar->m_btnConvert, Qt::LeftButton);
    QVERIFY(!lock.isEmpty());
    QVERIFY(MainWindow::isConverting());
    QTRY_VERIFY_WITH_TIMEOUT(!MainWindow::isConverting(), kRunLimitMs);
}

QStringList TestSegmentWindow::outputs() const
{
    QStringList files;
    for (const QString& name : QDir(QConverterOperate::getOutputDir()).entryList(QDir::Files, QDir::Name))
        files << QConverterOperate::getOutputDir() + name;
    return files;
}

void TestSegmentWindow::mainRoad_data()
{
    QTest::addColumn<bool>("lossless");
    QTest::addColumn<bool>("merge");
    QTest::newRow("lossless, one file per segment") << true << false;
    QTest::newRow("encoding preset 4000") << false << false;
    QTest::newRow("encoding, merged") << false << true;
}

void TestSegmentWindow::mainRoad()
{
    QFETCH(bool, lossless);
    QFETCH(bool, merge);
    startWindow(lossless);
    MessageBoxAnswerer answerer;
    m_window->addImportFile(QStringList{m_clip});
    QCOMPARE(list()->rows().size(), 1);
    QVERIFY(list()->IsShowItem());
    markSegment(2, 7, false);
    markSegment(10, 15, true);
    markSegment(20, 28, true);
    QCOMPARE(list()->rows().size(), 3);
    if (merge)
        QTest::mouseClick(list()->mergeCheck(), Qt::LeftButton);
    runConversion();
    QCOMPARE(answerer.messages, QStringList());

    const AttributeSetting* profile = QAttributeSettingHolder::attributeSetting();
    const QString base = QFileInfo(m_clip).completeBaseName();
    const QString ext = lossless ? QStringLiteral("mp4") : profile->fileExtend.toLower();
    const QStringList files = outputs();
    if (merge) {
        QCOMPARE(files.size(), 1);
        QCOMPARE(list()->openButton()->count(), 1);
        QVERIFY2(qAbs(probe(files.first()).duration - 18.0) < 1.0, qPrintable(QString::number(probe(files.first()).duration)));
        return;
    }
    const double expect[3] = {5, 5, 8};
    QCOMPARE(files.size(), 3);
    QCOMPARE(list()->openButton()->count(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(QFileInfo(files[i]).fileName(), QStringLiteral("%1_%2.%3").arg(base).arg(i + 1).arg(ext));
        const Probe p = probe(files[i]);
        // A copy starts at a key frame, at most one GOP (1 s) early.
        const double slack = lossless ? 1.1 : 0.25;
        QVERIFY2(qAbs(p.duration - expect[i]) < slack, qPrintable(QString("%1: %2 s").arg(i).arg(p.duration)));
        if (lossless) {
            QCOMPARE(p.video, QString("h264"));
            QCOMPARE(p.audio, QString("aac"));
        } else if (!codecOfFourcc(profile->VEncoder).isEmpty()) {
            QCOMPARE(p.video, codecOfFourcc(profile->VEncoder));
        }
    }
    QVERIFY(list()->progressBar()->isHidden());
    QVERIFY(m_window->m_videoCutToolbar->m_btnConvert->isVisible());
}

void TestSegmentWindow::reorderingDecidesTheNumbers()
{
    startWindow(true);
    m_window->addImportFile(QStringList{m_clip});
    markSegment(2, 7, false);   // A, 5 s
    markSegment(10, 13, true);  // B, 3 s
    markSegment(20, 28, true);  // C, 8 s
    VelVideoConvertItem* b = list()->rows().at(1)->getItemInfo();
    b->m_editConfig.m_audioTracks[0].m_bSelected = 0; // the user's choice in the editor
    // C moves up: A, C, B.
    QTest::mouseClick(list()->upButton(), Qt::LeftButton);
    QCOMPARE(list()->rows().at(2)->getItemInfo(), b);
    QCOMPARE(trackMarks(b), QString("0"));
    // A is dragged onto B's row: B, C, A.
    std::unique_ptr<QMimeData> mime(list()->rows().at(0)->createDragData());
    QVideoConvertItem* target = list()->rows().at(2);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCOMPARE(list()->rows().at(0)->getItemInfo(), b);
    QCOMPARE(trackMarks(b), QString("0"));
    b->m_editConfig.m_audioTracks[0].m_bSelected = 1;
    runConversion();
    const QStringList files = outputs();
    QCOMPARE(files.size(), 3);
    const double expect[3] = {3, 8, 5};
    for (int i = 0; i < 3; ++i)
        QVERIFY2(qAbs(probe(files[i]).duration - expect[i]) < 1.1, qPrintable(files[i]));
}

void TestSegmentWindow::timeLineThroughTheWindow()
{
    startWindow(true);
    m_window->addImportFile(QStringList{m_clip});
    // The film of the opened file fills up.
    QTRY_COMPARE_WITH_TIMEOUT(list()->timeLine()->strip()->filledSlots(), 10, 60000);
    markSegment(0, 20, false);
    markSegment(10, 30, true);
    MessageBoxAnswerer answerer;
    QTest::mouseClick(list()->lineModeButton(), Qt::LeftButton);
    QCOMPARE(answerer.messages.size(), 1);
    QVERIFY(list()->isLineMode());
    QCOMPARE(list()->timeLine()->count(), 2);
    VelVideoConvertItem* second = list()->rows().at(1)->getItemInfo();
    QCOMPARE(second->m_trimStart, list()->rows().at(0)->getItemInfo()->m_trimEnd + 1);
    QVERIFY(qAbs(double(second->m_trimStart) - 20e6) < 50e3);
    // The line is full: adding says why and adds nothing.
    QTest::mouseClick(list()->addButton(), Qt::LeftButton);
    QCOMPARE(answerer.messages.size(), 2);
    QVERIFY(answerer.messages.last().startsWith("Adding segment failed."));
    QCOMPARE(list()->rows().size(), 2);
    // In the line, the first segment's end cannot pass the second's start.
    list()->OnClickItem(0);
    m_window->EndValueChange(0.9);
    VelVideoConvertItem* first = list()->rows().at(0)->getItemInfo();
    QVERIFY2(first->m_trimEnd <= second->m_trimStart,
             qPrintable(QString("%1 > %2, maxEnd %3, strip %4").arg(first->m_trimEnd).arg(second->m_trimStart)
                            .arg(list()->getCurrentTimelineInfo().maxEnd).arg(list()->timeLine()->strip()->width())));
}

void TestSegmentWindow::outputRootThatCannotBeMade()
{
    QFile blocker(m_root->path() + "/file");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    startWindow(true);
    m_window->SetOutPath(blocker.fileName() + "/Converted/");
    m_window->addImportFile(QStringList{m_clip});
    MessageBoxAnswerer answerer;
    QTest::mouseClick(m_window->m_videoCutToolbar->m_btnConvert, Qt::LeftButton);
    QCOMPARE(answerer.messages, QStringList{"The output path is invalid!"});
    QVERIFY(!MainWindow::isConverting());
}

void TestSegmentWindow::failedRunThroughTheWindow_data()
{
    // How the run is made to fail, and a part of the reason the message must
    // give on the line below its own text (empty: any reason).
    QTest::addColumn<bool>("deleteSource");
    QTest::addColumn<QString>("reason");
    QTest::newRow("output folder blocked by a file") << false << "";
    QTest::newRow("source deleted before Start") << true << "No such file or directory";
}

void TestSegmentWindow::failedRunThroughTheWindow()
{
    QFETCH(bool, deleteSource);
    QFETCH(QString, reason);
    startWindow(true);
    const QString source = m_root->path() + "/doomed.mp4";
    QFile::remove(source);
    QVERIFY(QFile::copy(m_clip, source));
    m_window->addImportFile(QStringList{deleteSource ? source : m_clip});
    markSegment(2, 7, false);
    QFile blocker(QDir(QConverterOperate::getOutputDir()).absolutePath());
    if (deleteSource) {
        QVERIFY(QFile::remove(source));
    } else {
        QVERIFY(QDir().mkpath(QFileInfo(blocker.fileName()).absolutePath()));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
    }
    MessageBoxAnswerer answerer;
    QTest::mouseClick(m_window->m_videoCutToolbar->m_btnConvert, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(answerer.messages.size(), 1, kRunLimitMs);
    QTRY_VERIFY(!MainWindow::isConverting());
    QVERIFY(answerer.messages.first().startsWith("File conversion failed"));
    const QStringList lines = answerer.messages.first().split('\n');
    const QString prefix = QFileInfo(deleteSource ? source : m_clip).fileName() + ": ";
    QVERIFY2(lines.last().startsWith(prefix) && lines.last().size() > prefix.size() + 3, qPrintable(lines.last()));
    QVERIFY2(lines.last().contains(reason), qPrintable(lines.last()));
    QVERIFY(list()->progressBar()->isHidden());
    QCOMPARE(list()->progressBar()->getValue(), 0.0f);
    QVERIFY(list()->addButton()->isEnabled());
    if (!deleteSource)
        QVERIFY(QFileInfo(blocker.fileName()).isFile());
}

void TestSegmentWindow::closingDuringARun()
{
    startWindow(false);
    // Closing is set to exit without the close prompt, so only the
    // conversion question comes up.
    QVideoSettingXml::GetItemValue("REMIND_ITEM", "isShowRemind", "N");
    QVideoSettingXml::SetItemValue("REMIND_ITEM", "isShowRemind", "N");
    QVideoSettingXml::GetItemValue("CLOSE_ITEM", "bIsCloseDlg", "Y");
    QVideoSettingXml::SetItemValue("CLOSE_ITEM", "bIsCloseDlg", "Y");
    m_window->addImportFile(QStringList{m_longClip});
    QVERIFY(MainWindow::isConverting() == false);
    QTest::mouseClick(m_window->m_videoCutToolbar->m_btnConvert, Qt::LeftButton);
    QVERIFY(MainWindow::isConverting());
    const QString folder = QConverterOperate::getOutputDir();
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(folder).entryList(QDir::Files).isEmpty(), 60000);
    MessageBoxAnswerer answerer;
    m_window->OnClose();
    QCOMPARE(answerer.messages.size(), 1);
    QVERIFY(!QDir(folder).exists());
    QTRY_VERIFY(!m_window->isVisible());
}

void TestSegmentWindow::windowDestroyedDuringARun()
{
    startWindow(false);
    m_window->addImportFile(QStringList{m_longClip});
    QTest::mouseClick(m_window->m_videoCutToolbar->m_btnConvert, Qt::LeftButton);
    const QString folder = QConverterOperate::getOutputDir();
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(folder).entryList(QDir::Files).isEmpty(), 60000);
    m_window.reset();
    QVERIFY(!QDir(folder).exists());
    MainWindow::m_bIsConverting = false; // the window that would have lowered it is gone
}

void TestSegmentWindow::addingStopsAtAHundred()
{
    startWindow(true);
    m_window->addImportFile(QStringList{m_clip});
    markSegment(2, 7, false);
    // A new segment is the whole file, whatever the selected one's range.
    QTest::mouseClick(list()->addButton(), Qt::LeftButton);
    VelVideoConvertItem* added = list()->getSelectItem()->getItemInfo();
    QCOMPARE(added->m_trimStart, 0ULL);
    QCOMPARE(added->m_trimEnd, added->m_duration);
    QCOMPARE(added->Index(), 1);
    for (int i = 2; i < 100; ++i)
        m_window->OnBtnAddItem();
    QCOMPARE(list()->rows().size(), 100);
    m_window->OnBtnAddItem();
    QCOMPARE(list()->rows().size(), 100);
    QCOMPARE(VelVideoConvertManager::getConvertManagerObject()->GetItem(99)->Index(), 99);
}

QTEST_MAIN(TestSegmentWindow)
#include "tst_segmentwindow.moc"
