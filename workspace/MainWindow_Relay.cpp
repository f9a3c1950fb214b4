// Relays between the player panel and the cut tool bar; those that concern
// the segment list are in MainWindow_Segments.cpp.
#include "MainWindow.h"

#include "FormatWidget.h"
#include "QAttributeSettingHolder.h"
#include "AttributeSetting.h"
#include "SettingKeys.h"
#include "VelVideoConvertItem.h"

#include <QMouseEvent>

void MainWindow::sliderMousePress() { m_videoPlayDlg->BeginAsyncSeek(); }

void MainWindow::progressValueChanged(double percent)
{
    m_videoPlayDlg->PlayProValueChange(percent / 100.0);
    m_videoCutToolbar->videoPlayPro(percent);
}

void MainWindow::IsAddVideoFile(bool any)
{
    if (any)
        return;
    m_videoPlayDlg->resetPlayDlg();
    m_videoCutToolbar->resetCutDlg();
}

void MainWindow::OnPlayTrim()
{
    VelVideoConvertItem *item = m_videoCutToolbar->getItemInfo();
    if (!item) {
        m_videoCutToolbar->OnStopTrim();
        return;
    }
    if (!m_videoPlayDlg->IsPlayTrim()) {
        m_videoPlayDlg->SetTrimTime(item->m_trimStart, item->m_trimEnd);
        m_videoPlayDlg->PlaySection();
    } else {
        m_videoPlayDlg->OnPlayVideo();
    }
}

void MainWindow::OnPauseTrim() { m_videoPlayDlg->OnPauseVideo(); }

void MainWindow::OnStopPlayTrim()
{
    VelVideoConvertItem *item = m_videoCutToolbar->getItemInfo();
    if (!m_videoPlayDlg->IsPlayTrim() && item)
        m_videoPlayDlg->SetTrimTime(item->m_trimStart, item->m_trimEnd);
    m_videoPlayDlg->OnPauseVideo();
    m_videoPlayDlg->setPlaySeekStart();
}

void MainWindow::OnFormatDlg()
{
    const bool lossless = readSetting(SettingKeys::LosslessMode);
    FormatWidget *dialog = FormatWidget::getFormatWidget(nullptr);
    if (lossless)
        dialog->setFormatIdLossLess(readSetting(SettingKeys::LosslessCategory),
                                    readSetting(SettingKeys::LosslessPresetId), true);
    else
        dialog->setFormatId(readSetting(SettingKeys::EncodingCategory), readSetting(SettingKeys::EncodingPresetId),
                            true);
    dialog->setDefaultSet();
    centerDlg(dialog);
    dialog->OnShowSettingDlg(false);
    if (lossless)
        dialog->InitLossless();
    else
        dialog->InitCustomizeFormat();
    dialog->setDefaultQuality(static_cast<QualityItem>(readSetting(SettingKeys::Quality)));
    dialog->exec();
    const AttributeSetting *profile = QAttributeSettingHolder::m_attributeSetting;
    if (profile && profile->bLossless != m_bLastLossless) {
        m_bLastLossless = profile->bLossless;
        emit emitLosslessChange();
    }
}

int MainWindow::getPlayDlgVariableH() { return m_videoPlayDlg->height() - m_playMinHeight; }
