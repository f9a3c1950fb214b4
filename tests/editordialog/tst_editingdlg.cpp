#include "EditingDlgDriver.h"
#include "ListTiles.h"
#include "TestMedia.h"
#include "TestTiming.h"
#include "TestProfiles.h"

#include "QConverterOperate.h"
#include "QIAnyUtil.h"

#include "QAdjustOperationForm.h"
#include "QAttributeSettingHolder.h"
#include "QCustomTimeEdit.h"
#include "QEffectOperationForm.h"
#include "QEditTipDlg.h"
#include "QImageButton.h"
#include "QMessageOpacityForm.h"
#include "QProgressIndicator.h"
#include "QTrimOperationForm.h"
#include "QVedioEditSettingXml.h"
#include "QVideoConvertItem.h"
#include "QVideoCutManageDlg.h"
#include "QVideoEditTag.h"
#include "QVideoEditingDlg.h"
#include "QVideoEditingSettings.h"
#include "QVideoSettingXml.h"
#include "VelPlayerManager.h"
#include "VelVideoConvertItem.h"
#include "VelVideoConvertManager.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QCloseEvent>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
constexpr uint64_t kSecond = 1000000ULL;
constexpr uint64_t kFrame = 40000ULL;

// Destroys the dialog from inside the first call its loader hands to the GUI
// thread (the loader is then waiting for this thread), with a key press still
// queued for it; counts what reaches the dialog while it is being destroyed.
class DestroyOnHandOver : public QObject
{
public:
    explicit DestroyOnHandOver(QVideoEditingDlg* dlg) : m_dlg(dlg) {}

    bool destroyed = false;
    QList<QEvent::Type> deliveredWhileDying;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // What the event queue holds for it; the teardown's own notices are sent.
        const bool queued = event->type() == QEvent::KeyPress || event->type() == QEvent::MetaCall;
        if (m_dying && watched == m_dying && queued)
            deliveredWhileDying << event->type();
        if (!m_dlg || watched != m_dlg || event->type() != QEvent::MetaCall || m_dlg->isLoaded() ||
            !m_dlg->busyIndicator()->isVisible())
            return false;
        QCoreApplication::postEvent(m_dlg, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
        m_dying = m_dlg;
        m_dlg = nullptr;
        delete m_dying;
        m_dying = nullptr;
        destroyed = true;
        return true;   // the receiver is gone
    }

private:
    QVideoEditingDlg* m_dlg;
    QObject* m_dying = nullptr;
};
}

// The editing dialog driven from the real segment manager over a 10 s MKV with
// two chapters, two SubRip tracks and a tone.
class TestEditingDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void loadsBehindTheWaitAndPlays();
    void trimToTheHandles();
    void chapterPickAndFrameSteps();
    void chooserLeavesTheReadoutWhole();
    void adjustAppliedToAll();
    void okWithinTheTypingDelayKeepsTheSize();
    void cancelKeepsOnlyApplyToAll();
    void effectPreviewedConvertedAndAppliedToAll();
    void editTipInLosslessMode();
    void snapshots();
    void neverShownAndReleasedPreview();
    void destroyedWhileLoading();

private:
    void addSegments(const QList<QPair<double, double>>& ranges, const QString& clip = QString());
    bool edit(int row, const std::function<void(QVideoEditingDlg*)>& steps) { return m_driver.edit(row, steps); }
    void convertAll(const QString& root, const QString& clip, QStringList& outputs)
    {
        m_driver.convertAll(root, clip, outputs);
    }

    QString m_clip;
    EditingDlgDriver m_driver;
    std::unique_ptr<QTemporaryDir> m_shots;
};

void TestEditingDlg::initTestCase()
{
    qRegisterMetaType<uint64_t>("uint64_t");
    const QString srt1 = EditingDlgDriver::writeText("edit_a.srt", "1\n00:00:00,500 --> 00:00:03,000\nfirst\n\n");
    const QString srt2 = EditingDlgDriver::writeText("edit_b.srt", "1\n00:00:01,000 --> 00:00:04,000\nsecond\n\n");
    const QString meta = EditingDlgDriver::writeText("edit_chapters.txt", ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=4000\n"
                                                        "title=One\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=4000\nEND=10000\n"
                                                        "title=Two\n");
    m_clip = TestMedia::make("edit_chapters.mkv",
                             {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=10", "-f", "lavfi", "-i",
                              "sine=frequency=440:duration=10", "-i", srt1, "-i", srt2, "-i", meta, "-map", "0:v",
                              "-map", "1:a", "-map", "2:s", "-map", "3:s", "-map_chapters", "4", "-c:v", "libx264",
                              "-g", "25", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "aac", "-c:s", "srt"});
    QVERIFY(!m_clip.isEmpty());
}

void TestEditingDlg::init()
{
    QAttributeSettingHolder::attributeSetting()->bLossless = false;
    m_shots.reset(new QTemporaryDir);
    QVedioEditSettingXml::getCaptureImgSuffix();
    QVedioEditSettingXml::setCaptureImgSuffix("PNG");
    QVedioEditSettingXml::setCaptrueImaPath(m_shots->path());
    QVERIFY(m_driver.showPanel());
}

void TestEditingDlg::cleanup()
{
    m_driver.closePanel();
}

void TestEditingDlg::addSegments(const QList<QPair<double, double>>& ranges, const QString& clip)
{
    for (int i = 0; i < ranges.size(); ++i)
        QVERIFY(m_driver.addSegment(clip.isEmpty() ? m_clip : clip, i == 0,
                                    EditingDlgDriver::Range{ranges[i].first, ranges[i].second}));
}

void TestEditingDlg::loadsBehindTheWaitAndPlays()
{
    addSegments({{0, 10}});
    bool sawSpinner = false;
    bool survivedLoading = false;
    bool sawLoading = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        QVideoEditingDlg* dlg = EditingDlgDriver::shownDialog();
        if (!dlg || dlg->isLoaded())
            return;
        sawLoading = true;
        sawSpinner = sawSpinner || dlg->busyIndicator()->isVisible();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(dlg, &escape);
        QCloseEvent request;
        QApplication::sendEvent(dlg, &request);
        survivedLoading = dlg->isVisible();
    });
    watch.start(5);
    bool playing = false;
    bool spinnerGone = false;
    QVERIFY(edit(0, [&](QVideoEditingDlg* dlg) {
        watch.stop();
        spinnerGone = !dlg->busyIndicator()->isVisible();
        QTRY_VERIFY_WITH_TIMEOUT(!dlg->trimForm()->m_btnPause->isHidden(), 20000);
        playing = true;
        QTest::mouseClick(dlg->m_btnCancel, Qt::LeftButton);
    }));
    QVERIFY(sawLoading);
    QVERIFY(sawSpinner);
    QVERIFY(survivedLoading);
    QVERIFY(spinnerGone);
    QVERIFY(playing);
    QVERIFY(!EditingDlgDriver::shownDialog());
}

void TestEditingDlg::trimToTheHandles()
{
    addSegments({{0, 10}});
    QVERIFY(edit(0, [&](QVideoEditingDlg* dlg) {
        QTrimOperationForm* trim = dlg->trimForm();
        QVERIFY(!trim->m_cbbChater->isHidden());
        trim->m_TrimDSlider->setStartValue(20);
        trim->m_TrimDSlider->setEndValue(60);
        QTest::mouseClick(trim->m_btnTrim, Qt::LeftButton);
        QTest::mouseClick(dlg->m_btnOK, Qt::LeftButton);
    }));
    const VelVideoConvertItem* item = VelVideoConvertManager::getConvertManagerObject()->GetItem(0);
    const auto near = [](uint64_t a, uint64_t b) { return (a > b ? a - b : b - a) <= kFrame; };
    QVERIFY2(near(item->m_editConfig.m_trimStart, 2 * kSecond), qPrintable(QString::number(item->m_editConfig.m_trimStart)));
    QVERIFY2(near(item->m_editConfig.m_trimEnd, 6 * kSecond), qPrintable(QString::number(item->m_editConfig.m_trimEnd)));
    QVERIFY(near(item->m_trimStart, 2 * kSecond));
    QVERIFY(near(item->m_trimEnd, 6 * kSecond));
    QVERIFY(near(m_driver.panel()->rows().at(0)->startEdit()->getCurrentTime(), 2 * kSecond));
    QVERIFY(near(m_driver.panel()->rows().at(0)->endEdit()->getCurrentTime(), 6 * kSecond));
    // Entry 0 of the chapter list follows the trim.
    QVERIFY(!item->m_editConfig.m_chapterList.isEmpty());
    QVERIFY(near(item->m_editConfig.m_chapterList.at(0).m_startTime, 2 * kSecond));
}

void TestEditingDlg::chapterPickAndFrameSteps()
{
    addSegments({{0, 0}});
    QVERIFY(edit(0, [&](QVideoEditingDlg* dlg) {
        QTrimOperationForm* trim = dlg->trimForm();
        QCOMPARE(trim->m_cbbChater->count(), 3);
        QSignalSpy chapter(trim, &QTrimOperationForm::emitTrimChapter);
        trim->m_cbbChater->setCurrentIndex(2);
        QCOMPARE(chapter.size(), 1);
        QCOMPARE(chapter.at(0).at(0).value<uint64_t>(), 4 * kSecond);
        QVERIFY(chapter.at(0).at(1).value<uint64_t>() >= 10 * kSecond - kFrame);
        QTRY_COMPARE(dlg->editingSettings()->getTrimStartTime(), 4 * kSecond);
        // Trim with the handles untouched on an end-of-file record: never a wrapped length.
        QTest::mouseClick(trim->m_btnReset, Qt::LeftButton);
        QTest::mouseClick(trim->m_btnTrim, Qt::LeftButton);
        const VEChapterInfo current = dlg->editingSettings()->getEditConfig().m_chapterList.at(0);
        QVERIFY(current.m_endTime >= 10 * kSecond - kFrame);
        QVERIFY(current.m_length <= current.m_endTime);
        QVERIFY(!QString::fromUtf8(current.m_text).endsWith("-00:00:00"));
        QVERIFY(trim->m_lblEndTime->text() != QStringLiteral("00:00:00.000"));

        // Each next-frame click moves the start handle by one frame (0.4 % of 10 s).
        QSignalSpy steps(dlg->playerManager(), &VelPlayerManager::emitStartEndProgressValue);
        double previous = -1;
        for (int k = 1; k <= 3; ++k) {
            QTest::mouseClick(trim->m_btnNext, Qt::LeftButton);
            QTRY_COMPARE_WITH_TIMEOUT(steps.size(), k, 10000);
            const double percent = steps.last().at(0).toDouble();
            if (previous >= 0) {
                const double step = percent - previous;
                QVERIFY2(qAbs(step - 0.4) < 0.1, qPrintable(QString::number(step)));
            } else {
                QVERIFY2(percent > 0 && percent < 1.0, qPrintable(QString::number(percent)));
            }
            previous = percent;
            QVERIFY(qAbs(trim->m_TrimDSlider->getStartValue() * 100.0 - percent) < 0.5);
        }
        QTest::mouseClick(dlg->m_btnCancel, Qt::LeftButton);
    }));
}

// With a file's chapters the chooser joins the top row of the Trim tab; it used
// to run into the position readout at the right and hide its first digit.
void TestEditingDlg::chooserLeavesTheReadoutWhole()
{
    addSegments({{0, 0}});
    QVERIFY(edit(0, [&](QVideoEditingDlg* dlg) {
        QTrimOperationForm* trim = dlg->trimForm();
        QVERIFY(trim->m_cbbChater->isVisible());
        for (int width : {trim->width(), 820, 760}) {
            trim->resize(width, trim->height());
            const QRect readout = trim->m_lblTime->geometry();
            const QRect chooser = trim->m_cbbChater->geometry();
            QVERIFY2(!chooser.intersects(readout), qPrintable(QString("width %1: chooser %2..%3, readout from %4")
                                                                 .arg(width).arg(chooser.left()).arg(chooser.right())
                                                                 .arg(readout.left())));
            QVERIFY(trim->rect().contains(readout));
            QVERIFY(trim->m_lblTime->fontMetrics().horizontalAdvance(trim->m_lblTime->text()) <= readout.width());
            QVERIFY(trim->m_btnSnapshot->x() >= 0);
            QVERIFY(!trim->m_btnReset->geometry().intersects(chooser));
        }
        QTest::mouseClick(dlg->m_btnCancel, Qt::LeftButton);
    }));
}

void TestEditingDlg::adjustAppliedToAll()
{
    addSegments({{0, 5}, {5, 10}});
    QVERIFY(edit(0, [&](QVideoEditingDlg* dlg) {
        QTest::mouseClick(dlg->editTag()->buttons().at(1), Qt::LeftButton);
        QCOMPARE(dlg->currentTab(), 1);
        QAdjustOperationForm* adjust = dlg->adjustForm();
        QVERIFY(adjust->isVisible());
        QTest::mouseClick(adjust->m_btnRotate_R_90, Qt::LeftButton);
        adjust->m_leCropArea_W->selectAll();
        QTest::keyClicks(adjust->m_leCropArea_W, "160");
        adjust->m_leCropArea_H->selectAll();
        QTest::keyClicks(adjust->m_leCropArea_H, "120");
        VECropSettings s;
        QTRY_VERIFY_WITH_TIMEOUT((dlg->editingSettings()->getCropSettings(s), qAbs(s.m_cropRect.height() - 0.5) < 1e-6),
                                 10000);
        QCOMPARE(s.m_cropRect.width(), 0.5);
        adjust->m_cbbAspectRatio->setCurrentIndex(0);
        emit adjust->m_buttonFrom->emitApplyToAll();
        QTest::mouseClick(dlg->m_btnOK, Qt::LeftButton);
    }));
    VelVideoConvertManager* manager = VelVideoConvertManager::getConvertManagerObject();
    for (int i = 0; i < 2; ++i) {
        const VECropSettings& s = manager->GetItem(i)->m_editConfig.m_cropSettings;
        QCOMPARE(s.m_rotation, 90);
        QCOMPARE(s.m_aspectMode, 0);
        QCOMPARE(s.m_cropRect, QRectF(0, 0, 0.5, 0.5));
    }
    // The other segment keeps its own range.
    QCOMPARE(manager->GetItem(1)->m_trimStart, 5 * kSecond);
    QCOMPARE(manager->GetItem(1)->m_trimEnd, 10 * kSecond);

    // A profile that keeps the size (320 x 240): both outputs carry the turned
    // quarter as a 3:4 portrait picture between black bars.
    QTemporaryDir root;
    QStringList outputs;
    convertAll(root.path(), m_clip, outputs);
    QCOMPARE(outputs.size(), 2);
    for (const QString& out : outputs) {
        const QString png = root.path() + "/frame.png";
        QCOMPARE(TestMedia::run("ffmpeg", {"-y", "-v", "error", "-ss", "1", "-i", out, "-frames:v", "1", png}).exitCode, 0);
        const QImage frame(png);
        QCOMPARE(frame.size(), QSize(320, 240));
        int left = frame.width();
        int right = -1;
        for (int x = 0; x < frame.width(); ++x) {
            for (int y = 0; y < frame.height(); y += 4) {
                if (qGray(frame.pixel(x, y)) > 40) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
            }
        }
        const int pictureWidth = right - left + 1;
        QVERIFY2(qAbs(pictureWidth - 180) <= 8, qPrintable(QString("%1: %2").arg(out).arg(pictureWidth)));
    }
}

void TestEditingDlg::okWithinTheTypingDelayKeepsTheSize()
{
    addSegments({{0, 10}});
    QVERIFY(edit(0, [&](QVideoEditingDlg* dlg) {
        QTest::mouseClick(dlg->editTag()->buttons().at(1), Qt::LeftButton);
        QAdjustOperationForm* adjust = dlg->adjustForm();
        adjust->m_leCropArea_H->selectAll();
        QTest::keyClicks(adjust->m_leCropArea_H, "120");
        QTest::mouseClick(dlg->m_btnOK, Qt::LeftButton);
    }));
    const VECropSettings& s = VelVideoConvertManager::getConvertManagerObject()->GetItem(0)->m_editConfig.m_cropSettings;
    QCOMPARE(s.m_cropRect.height(), 0.5);
}

void TestEditingDlg::cancelKeepsOnlyApplyToAll()
{
    addSegments({{0, 5}, {5, 10}});
    QVERIFY(edit(0, [&](QVideoEditingDlg* dlg) {
        QTest::mouseClick(dlg->editTag()->buttons().at(1), Qt::LeftButton);
        QAdjustOperationForm* adjust = dlg->adjustForm();
        QTest::mouseClick(adjust->m_btnRotate_R_90, Qt::LeftButton);
        emit adjust->m_buttonFrom->emitApplyToAll();
        QTest::mouseClick(adjust->m_btnFlipH, Qt::LeftButton);
        QTest::mouseClick(dlg->editTag()->buttons().at(0), Qt::LeftButton);
        dlg->trimForm()->m_TrimDSlider->setStartValue(50);
        QTest::mouseClick(dlg->trimForm()->m_btnTrim, Qt::LeftButton);
        QTest::mouseClick(dlg->m_btnCancel, Qt::LeftButton);
    }));
    VelVideoConvertManager* manager = VelVideoConvertManager::getConvertManagerObject();
    for (int i = 0; i < 2; ++i) {
        const VEEditConfig& cfg = manager->GetItem(i)->m_editConfig;
        QCOMPARE(cfg.m_cropSettings.m_rotation, 90);
        QCOMPARE(cfg.m_cropSettings.m_mirror, 0);
    }
    QCOMPARE(manager->GetItem(0)->m_trimStart, uint64_t(0));
    QCOMPARE(manager->GetItem(0)->m_editConfig.m_trimStart, uint64_t(0));
}

// Brightness at three quarters of its slider and the "Classic" frame pack: the
// preview shows both at once, and Apply to all carries them into the other
// segment, where the frame starts at that segment's own trim start. In both
// outputs the flat grey of frame 10 is 127 luma levels brighter and the
// frame's white border lies along the picture's edge.
void TestEditingDlg::effectPreviewedConvertedAndAppliedToAll()
{
    const QString flat = TestMedia::make("edit_flat.mp4", {"-f", "lavfi", "-i",
                                                           "color=c=0x202020:size=320x240:rate=25:duration=10", "-f",
                                                           "lavfi", "-i", "sine=frequency=440:duration=10", "-c:v",
                                                           "libx264", "-g", "25", "-preset", "ultrafast", "-pix_fmt",
                                                           "yuv420p", "-c:a", "aac"});
    QVERIFY(!flat.isEmpty());
    addSegments({{0, 5}, {5, 10}}, flat);
    // Opening the second segment once gives its record its own range.
    QVERIFY(edit(1, [](QVideoEditingDlg* dlg) { QTest::mouseClick(dlg->m_btnCancel, Qt::LeftButton); }));
    const QString shot = m_shots->path() + "/preview.png";
    const auto previewShowsEffect = [&shot](QVideoEditingDlg* dlg) {
        if (!dlg->playerManager()->captureImage(shot, "PNG"))
            return false;
        const QImage picture(shot);
        const int middle = qGray(picture.pixel(picture.width() / 2, picture.height() / 2));
        return qGray(picture.pixel(1, picture.height() / 2)) > 230 && middle > 150 && middle < 210;
    };
    QVERIFY(edit(0, [&](QVideoEditingDlg* dlg) {
        QTest::mouseClick(dlg->editTag()->buttons().at(QVideoEditingDlg::TabEffect), Qt::LeftButton);
        QEffectOperationForm* effect = dlg->effectForm();
        QVERIFY(effect->isVisible());
        QVERIFY(!dlg->adjustForm()->isVisible());
        emit effect->m_sliderBrightness->sendProgressValue(0.75);
        QCOMPARE(effect->m_leBrightnessValue->text(), QStringLiteral("150"));
        QTest::mouseClick(effect->m_effectTag->buttons().at(1), Qt::LeftButton);
        ListTiles::press(effect->m_frameList, 1);
        QTRY_VERIFY_WITH_TIMEOUT(previewShowsEffect(dlg), 30000);
        emit effect->m_buttonFrom->emitApplyToAll();
        QTest::mouseClick(dlg->m_btnOK, Qt::LeftButton);
    }));
    VelVideoConvertManager* manager = VelVideoConvertManager::getConvertManagerObject();
    for (int i = 0; i < 2; ++i) {
        const VEEditConfig& cfg = manager->GetItem(i)->m_editConfig;
        QCOMPARE(cfg.m_videoEffect.brightness, 127);
        QVERIFY(QString::fromUtf8(cfg.m_frameWk.m_imageSettings.m_imageFile).endsWith("/01_classic/classic_4x3.png"));
        QCOMPARE(cfg.m_frameWk.m_imageSettings.m_showStart, i * 5 * kSecond);
    }
    QCOMPARE(manager->GetItem(1)->m_trimStart, 5 * kSecond);

    QTemporaryDir root;
    QStringList outputs;
    convertAll(root.path(), flat, outputs);
    QCOMPARE(outputs.size(), 2);
    // The Y plane of frame 10, decoded by the ffmpeg tool.
    const auto lumaOfFrame10 = [](const QString& file) {
        return TestMedia::run("ffmpeg", {"-v", "error", "-i", file, "-vf", "select=eq(n\\,10)", "-frames:v", "1",
                                         "-f", "rawvideo", "-pix_fmt", "yuv420p", "-"})
            .out.left(320 * 240);
    };
    const auto mean = [](const QByteArray& luma, const QRect& area) {
        double sum = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                sum += quint8(luma.at(y * 320 + x));
        }
        return sum / (area.width() * area.height());
    };
    const QByteArray source = lumaOfFrame10(flat);
    QCOMPARE(source.size(), 320 * 240);
    const QRect flatArea(140, 100, 40, 40);
    const double sourceLevel = mean(source, flatArea);
    for (const QString& out : outputs) {
        const QByteArray luma = lumaOfFrame10(out);
        QCOMPARE(luma.size(), 320 * 240);
        const double brighter = mean(luma, flatArea) - sourceLevel;
        QVERIFY2(qAbs(brighter - 127) <= 3, qPrintable(QString("%1: %2").arg(out).arg(brighter)));
        for (const QRect& edge : {QRect(0, 100, 3, 40), QRect(140, 0, 40, 3), QRect(317, 100, 3, 40)}) {
            const double level = mean(luma, edge);
            QVERIFY2(level > 220, qPrintable(QString("%1: %2").arg(out).arg(level)));
        }
    }
}

void TestEditingDlg::editTipInLosslessMode()
{
    addSegments({{0, 10}});
    QAttributeSettingHolder::attributeSetting()->bLossless = true;
    QVideoSettingXml::GetItemValue("EDIT_REMIND_ITEM", "isEditRemind", "Y");
    QVideoSettingXml::SetItemValue("EDIT_REMIND_ITEM", "isEditRemind", "Y");
    int tips = 0;
    bool dialogGoneAtTip = false;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        auto* tip = qobject_cast<QEditTipDlg*>(QApplication::activeModalWidget());
        if (!tip || tip->property("answered").toBool())
            return;
        tip->setProperty("answered", true);
        ++tips;
        dialogGoneAtTip = !EditingDlgDriver::shownDialog();
        QTest::mouseClick(tip->m_chkNote, Qt::LeftButton);
        QTest::mouseClick(tip->m_btnOk, Qt::LeftButton);
    });
    answer.start(10);
    // Cancel never shows it.
    QVERIFY(edit(0, [](QVideoEditingDlg* dlg) { QTest::mouseClick(dlg->m_btnCancel, Qt::LeftButton); }));
    QCOMPARE(tips, 0);
    QVERIFY(edit(0, [](QVideoEditingDlg* dlg) { QTest::mouseClick(dlg->m_btnOK, Qt::LeftButton); }));
    QCOMPARE(tips, 1);
    QVERIFY(dialogGoneAtTip);
    QCOMPARE(QVideoSettingXml::GetItemValue("EDIT_REMIND_ITEM", "isEditRemind", "Y"), QStringLiteral("N"));
    QVERIFY(edit(0, [](QVideoEditingDlg* dlg) { QTest::mouseClick(dlg->m_btnOK, Qt::LeftButton); }));
    QCOMPARE(tips, 1);
}

void TestEditingDlg::snapshots()
{
    addSegments({{0, 10}});
    QStringList messages;
    QVERIFY(edit(0, [&](QVideoEditingDlg* dlg) {
        QCOMPARE(dlg->snapshotSuffix(), QStringLiteral("PNG"));
        // A picture has been shown before the player is paused.
        QTRY_VERIFY_WITH_TIMEOUT(dlg->trimForm()->m_TrimDSlider->getPlayValue() > 0.01f, 30000);
        dlg->playerManager()->onPause();
        QTest::mouseClick(dlg->trimForm()->m_btnSnapshot, Qt::LeftButton);
        messages << dlg->opacityForm()->m_lblText->text();
        dlg->onSnapshot();
        messages << dlg->opacityForm()->m_lblText->text();
        QTest::mouseClick(dlg->m_btnCancel, Qt::LeftButton);
    }));
    QCOMPARE(messages, (QStringList{"Snapshot successfully!", "Snapshot successfully!"}));
    const QStringList files = QDir(m_shots->path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 2);
    QRegularExpression name("^ScreenCapture_\\d{17}(_\\d+)?\\.png$");
    for (const QString& file : files) {
        QVERIFY2(name.match(file).hasMatch(), qPrintable(file));
        const QImage image(m_shots->path() + "/" + file);
        QCOMPARE(image.size(), QSize(320, 240));
    }
    // A missing folder: its message and no file.
    const QString missing = m_shots->path() + "/gone";
    QVedioEditSettingXml::setCaptrueImaPath(missing);
    QVERIFY(edit(0, [&](QVideoEditingDlg* dlg) {
        dlg->onSnapshot();
        messages << dlg->opacityForm()->m_lblText->text();
        QTest::mouseClick(dlg->m_btnCancel, Qt::LeftButton);
    }));
    QCOMPARE(messages.last(), QStringLiteral("\"%1\"is not exists").arg(missing));
    QVERIFY(!QFileInfo::exists(missing));
}

// A dialog never shown has nothing to wait for; after hideMediaForm the model
// no longer reaches the deleted player.
void TestEditingDlg::neverShownAndReleasedPreview()
{
    QElapsedTimer clock;
    clock.start();
    delete new QVideoEditingDlg;
    QVERIFY2(clock.elapsed() < TestTiming::scaled(10000), qPrintable(QString::number(clock.elapsed())));
    QVideoEditingDlg dlg;
    dlg.hideMediaForm();
    QVERIFY(!dlg.playerManager());
    QVERIFY(!dlg.mediaForm());
    QVERIFY(!dlg.editingSettings()->getPlayerManager());
    VECropSettings s;
    s.m_rotation = 90;
    dlg.editingSettings()->setCropSettings(s);
    VEEditConfig back;
    dlg.getEditConfig(back);
    QCOMPARE(back.m_cropSettings.m_rotation, 90);
    dlg.onSnapshot();
}

// Destroyed while its loader waits on the GUI thread: the teardown neither
// waits for a hand-over that can no longer come nor serves events to the dying
// dialog.
void TestEditingDlg::destroyedWhileLoading()
{
    auto* dlg = new QVideoEditingDlg;
    dlg->setVideoFile(m_clip, 0, 0);
    DestroyOnHandOver destroyer(dlg);
    qApp->installEventFilter(&destroyer);
    dlg->show();
    QTRY_VERIFY_WITH_TIMEOUT(destroyer.destroyed, TestTiming::scaled(30000));
    qApp->removeEventFilter(&destroyer);
    QCOMPARE(destroyer.deliveredWhileDying, QList<QEvent::Type>());
    QVERIFY(!EditingDlgDriver::shownDialog());
}

QTEST_MAIN(TestEditingDlg)
#include "tst_editingdlg.moc"
