// Relays between the player panel, the cut tool bar and the segment list.
// The parts that concern the segment rows and the time line join when the
// segment manager stands in the segment area.
#include "MainWindow.h"

#include "FormatWidget.h"
#include "QAttributeSettingHolder.h"
#include "AttributeSetting.h"
#include "QVideoSettingXml.h"
#include "VelVideoConvertItem.h"

#include <QMouseEvent>

void MainWindow::StartValueChange(double value)
{
    m_videoCutToolbar->startValueChange(value);
    if (m_videoPlayDlg->IsPlayTrim())
        m_videoPlayDlg->OnBtnPause();
}

void MainWindow::EndValueChange(double value)
{
    m_videoCutToolbar->endValueChange(value);
    if (m_videoPlayDlg->IsPlayTrim())
        m_videoPlayDlg->OnBtnPause();
}

void MainWindow::StartTimeChange(uint64_t time)
{
    m_videoCutToolbar->startTimeChange(time);
    if (m_videoPlayDlg->IsPlayTrim())
        m_videoPlayDlg->OnBtnPause();
}

void MainWindow::EndTimeChange(uint64_t time)
{
    m_videoCutToolbar->endTimeChange(time);
    if (m_videoPlayDlg->IsPlayTrim())
        m_videoPlayDlg->OnBtnPause();
}

void MainWindow::sliderMousePress() { m_videoPlayDlg->BeginAsyncSeek(); }

void MainWindow::sliderMouseRelease() { m_videoPlayDlg->EndAsyncSeek(); }

void MainWindow::itemVideoImageChange() {}

void MainWindow::progressValueChanged(double percent)
{
    m_videoPlayDlg->PlayProValueChange(percent / 100.0);
    m_videoCutToolbar->videoPlayPro(percent);
}

void MainWindow::OnBtnStartSet() { m_videoCutToolbar->OnBtnStartTimeSet(); }

void MainWindow::OnBtnEndSet() { m_videoCutToolbar->OnBtnEndTimeSet(); }

void MainWindow::OnBtnAddItem() {}

void MainWindow::SelectItemChange() {}

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
    const QString mode = QVideoSettingXml::GetItemValue("LOSSLESS_ITEM", "Lossless_convert", "Y");
    FormatWidget *dialog = FormatWidget::getFormatWidget(nullptr);
    if (mode == QLatin1String("Y"))
        dialog->setFormatIdLossLess(QVideoSettingXml::GetItemValue("FormatSet", "Format_cate_lossless", "General Video"),
                                    QVideoSettingXml::GetItemValue("FormatSet", "Format_ID_lossless", "3000"), true);
    else
        dialog->setFormatId(QVideoSettingXml::GetItemValue("FormatSet", "Format_cate", "General Video"),
                            QVideoSettingXml::GetItemValue("FormatSet", "Format_ID", "4000"), true);
    dialog->setDefaultSet();
    centerDlg(dialog);
    dialog->OnShowSettingDlg(false);
    if (mode == QLatin1String("Y"))
        dialog->InitLossless();
    else
        dialog->InitCustomizeFormat();
    dialog->setDefaultQuality(
        static_cast<QualityItem>(QVideoSettingXml::GetItemValue("VIDEO_QUALITY_ITEM", "quality_value", "1").toInt()));
    dialog->exec();
    const AttributeSetting *profile = QAttributeSettingHolder::m_attributeSetting;
    if (profile && profile->bLossless != m_bLastLossless) {
        m_bLastLossless = profile->bLossless;
        emit emitLosslessChange();
    }
}

void MainWindow::showVideoList(int changeH, bool Show) { Q_UNUSED(changeH) Q_UNUSED(Show) }

void MainWindow::mouseDoubleClickEvent(QMouseEvent *event) { QVariableSizeWidget::mouseDoubleClickEvent(event); }

void MainWindow::RestoreDlg() {}

int MainWindow::getPlayDlgVariableH() { return m_videoPlayDlg->height() - m_playMinHeight; }
