// Not a test: draws the editing dialog with a picture loaded on its Trim tab (with
// the chapter chooser beside the position readout), on
// its Adjust tab (turned and cropped), on its Effect tab (brighter, with a
// frame and a video effect), on its Subtitle tab (an added file at the top), on
// its Watermark tab (a picture and a text laid over the preview, then the
// text's box pulled larger) and on its
// Audio tab (volume and a background tone) into PNG files in the folder given.
// Run it under xvfb-run.

#include "../workspace/SnapshotSupport.h"
#include "TestMedia.h"
#include "EditConfigFixtures.h"
#include "SnapshotLanguage.h"

#include "../editor/EditorMouse.h"
#include "ListTiles.h"
#include "QAdjustOperationForm.h"
#include "QAudioOperationForm.h"
#include "QCommonButtonForm.h"
#include "QMediaBorderFrame.h"
#include "QMediaElementWindow.h"
#include "QMediaForm.h"
#include "QEffectOperationForm.h"
#include "QPanelChooser.h"
#include "QProgressIndicator.h"
#include "QSubtitleOperationForm.h"
#include "QTrimOperationForm.h"
#include "QVideoEditTag.h"
#include "QVideoEditingDlg.h"
#include "QVideoEditingSettings.h"
#include "QVelBaseTextEdit.h"
#include "QWatermarkOperationForm.h"
#include "VelPlayerManager.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <QTime>

int main(int argc, char** argv)
{
    QTemporaryDir home;
    SnapshotSupport::useHome(home);
    QApplication app(argc, argv);
    SnapshotSupport::useApplicationFont();
    if (!SnapshotLanguage::useFromEnvironment())
        return 1;
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString clip = TestMedia::make("snapshot_testsrc2.mp4",
                                         {"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=25:duration=8", "-f",
                                          "lavfi", "-i", "sine=frequency=440:duration=8", "-c:v", "libx264",
                                          "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "aac"});
    if (clip.isEmpty())
        return 1;

    QVideoEditingDlg dlg;
    VEEditConfig cfg = EditConfigFixtures::withOneAudioTrack("1: AAC, 44100 Hz, mono");
    // Chapters as a real file brings them, so the Trim tab shows its chooser
    // beside the position readout.
    const auto chapter = [](int index, uint64_t start, uint64_t end, const QString& name) {
        VEChapterInfo c;
        c.m_index = index;
        c.m_startTime = start;
        c.m_endTime = end;
        c.m_length = end - start;
        c.m_name = name.toUtf8();
        c.m_text = QString("%1, %2-%3")
                       .arg(name, QTime(0, 0).addMSecs(int(start / 1000)).toString("hh:mm:ss"),
                            QTime(0, 0).addMSecs(int(end / 1000)).toString("hh:mm:ss"))
                       .toUtf8();
        return c;
    };
    cfg.m_chapterList = {chapter(0, 0, 8000000, "Current"), chapter(1, 0, 4000000, "Chapter 1"),
                         chapter(2, 4000000, 8000000, "Chapter 2")};
    dlg.setVideoFile(clip, 0, 0);
    dlg.setEditConfig(cfg);
    dlg.setIsWatermarkAudioStartTime(true);
    dlg.show();
    for (int i = 0; i < 300 && (!dlg.isLoaded() || dlg.busyIndicator()->isVisible()); ++i)
        SnapshotSupport::settle(50);
    SnapshotSupport::settle(1500);
    dlg.playerManager()->onPause();
    dlg.trimForm()->m_TrimDSlider->setStartValue(20);
    dlg.trimForm()->m_TrimDSlider->setEndValue(70);
    SnapshotSupport::settle(500);
    bool ok = SnapshotSupport::save(&dlg, out + "/editing_trim.png");

    dlg.editTag()->buttons().at(QVideoEditingDlg::TabAdjust)->click();
    SnapshotSupport::settle(500);
    QAdjustOperationForm* adjust = dlg.adjustForm();
    adjust->onRotate_R_90();
    VECropSettings s;
    dlg.editingSettings()->getCropSettings(s);
    s.m_cropRect = QRectF(0.25, 0.25, 0.5, 0.5);
    dlg.editingSettings()->setCropSettings(s);
    SnapshotSupport::settle(1500);
    ok = SnapshotSupport::save(&dlg, out + "/editing_adjust.png") && ok;

    adjust->reset();
    dlg.editTag()->buttons().at(QVideoEditingDlg::TabEffect)->click();
    SnapshotSupport::settle(500);
    QEffectOperationForm* effect = dlg.effectForm();
    emit effect->m_sliderBrightness->sendProgressValue(0.6);
    effect->m_effectTag->buttons().at(1)->click();
    ListTiles::press(effect->m_frameList, 1);
    effect->m_effectTag->buttons().at(0)->click();
    ListTiles::press(effect->m_effectsList, 3);
    SnapshotSupport::settle(1500);
    ok = SnapshotSupport::save(&dlg, out + "/editing_effect.png") && ok;

    // Each tab below shows its own edit alone.
    effect->reset();

    // Subtitle tab: an external file added, drawn at the top at scale 150.
    const QString srt = TestMedia::mediaDir() + "/snapshot_subtitle.srt";
    QFile file(srt);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write("1\n00:00:00,000 --> 00:00:08,000\nSubtitle at the top\n\n");
    file.close();
    QPanelChooser::setFileChooser([&](QWidget*, const QString&, const QString&, const QString&) { return srt; });
    dlg.editTag()->buttons().at(QVideoEditingDlg::TabSubtitle)->click();
    SnapshotSupport::settle(500);
    QSubtitleOperationForm* subtitle = dlg.subtitleForm();
    subtitle->m_rbtnTop->setChecked(true);
    subtitle->m_leScaleValue->setText(QStringLiteral("150"));
    emit subtitle->m_leScaleValue->textEdited(QStringLiteral("150"));
    subtitle->onSetFamily();
    dlg.playerManager()->progressValueChange(0.3);
    SnapshotSupport::settle(1500);
    ok = SnapshotSupport::save(&dlg, out + "/editing_subtitle.png") && ok;
    subtitle->reset();
    VECropSettings plain;
    dlg.editingSettings()->setCropSettings(plain);

    dlg.editTag()->buttons().at(QVideoEditingDlg::TabWatermark)->click();
    SnapshotSupport::settle(500);
    const QString logo = TestMedia::make("snapshot_logo.png",
                                         {"-f", "lavfi", "-i", "testsrc2=size=96x64", "-frames:v", "1"});
    QPanelChooser::setFileChooser([&](QWidget*, const QString&, const QString&, const QString&) { return logo; });
    QWatermarkOperationForm* watermark = dlg.watermarkForm();
    watermark->m_btnAddWKImg->click();
    watermark->m_leAddWKText->textEdit()->setPlainText(QStringLiteral("Sample"));
    watermark->m_leTextAlphaValue->setText(QStringLiteral("80"));
    emit watermark->m_leTextAlphaValue->textEdited(QStringLiteral("80"));
    SnapshotSupport::settle(1500);
    ok = SnapshotSupport::save(&dlg, out + "/editing_watermark.png") && ok;
    // The text's box pulled out by its bottom-right corner on the preview.
    {
        VEWatermarkSettings marks;
        int layer = -1;
        // The text placed a little in, and measured, as the text style dialog leaves it.
        dlg.editingSettings()->getWatermarkSettings(marks);
        marks.m_textSettings.m_posX = 0.3;
        marks.m_textSettings.m_posY = 0.3;
        dlg.editingSettings()->setWatermarkSettings(marks, true, false);
        dlg.playerManager()->getCurrentWatermarkSettings(marks, layer);
        const VEWatermarkTextSettings& t = marks.m_textSettings;
        const QRect picture = dlg.mediaForm()->previewWindow()->getVideoElementRect();
        const int left = int(t.m_posX * picture.width() + picture.left());
        const int top = int(t.m_posY * picture.height() + picture.top());
        const QPoint corner(int(t.m_layoutWidth * picture.width() + left),
                            int(t.m_layoutHeight * picture.height() + top));
        QMediaBorderFrame* frame = dlg.mediaForm()->watermarkFrame();
        EditorMouse::press(frame, corner);
        EditorMouse::move(frame, corner + QPoint(40, 10), Qt::LeftButton);
        EditorMouse::move(frame, corner + QPoint(80, 20), Qt::LeftButton);
        EditorMouse::release(frame, corner + QPoint(80, 20));
    }
    SnapshotSupport::settle(1500);
    ok = SnapshotSupport::save(&dlg, out + "/editing_watermark_resized.png") && ok;
    emit watermark->m_buttonFrom->emitReset();

    // Audio tab: the volume lowered and a background tone laid under the sound.
    const QString tone = TestMedia::make("snapshot_tone.wav",
                                         {"-f", "lavfi", "-i", "sine=frequency=880:duration=3"});
    QPanelChooser::setFileChooser([&](QWidget*, const QString&, const QString&, const QString&) { return tone; });
    dlg.editTag()->buttons().at(QVideoEditingDlg::TabAudio)->click();
    SnapshotSupport::settle(500);
    QAudioOperationForm* audio = dlg.audioForm();
    audio->m_leVolumeValue->setText(QStringLiteral("60"));
    emit audio->m_leVolumeValue->textEdited(QStringLiteral("60"));
    audio->onSetBgVoice();
    SnapshotSupport::settle(1500);
    ok = SnapshotSupport::save(&dlg, out + "/editing_audio.png") && ok;
    dlg.done(0);
    return ok ? 0 : 1;
}
