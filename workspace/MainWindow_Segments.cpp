// Where the main window meets the segment list: the list's wiring, the hooks
// the opening of a file calls, and the relays that keep the cut tool bar, the
// selected row, the time line and the player in step.
#include "MainWindow.h"

#include "QVideoConvertItem.h"
#include "QVideoCutManageDlg.h"
#include "SettingKeys.h"
#include "QWorkspaceMessage.h"
#include "VelVideoConvertItem.h"
#include "VelVideoConvertManager.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QMouseEvent>
#include <QScreen>

namespace {

// Read afresh on every relay: the list switches modes behind the window's back.
bool lineMode()
{
    return readSetting(SettingKeys::SegmentListLines);
}

} // namespace

QObject *MainWindow::segmentManager() const { return m_videoItemDlg; }

void MainWindow::segmentsClear() { m_videoItemDlg->ActionDeleteALL(); }

void MainWindow::segmentsAdd(VelVideoConvertItem *item)
{
    m_videoItemDlg->addConvertItem(item);
    m_videoItemDlg->setLineBgImage(item);
    m_videoItemDlg->setLineTime(item->m_duration);
}

void MainWindow::segmentsShow(bool show)
{
    if (show)
        m_videoItemDlg->OnBtnShowList();
    else
        m_videoItemDlg->OnBtnHideList();
}

void MainWindow::connectSegmentManager()
{
    QVideoCutManageDlg *list = m_videoItemDlg;
    QVideoCutDlg *cutBar = m_videoCutToolbar;
    QVideoPlayDlg *player = m_videoPlayDlg;
    connect(cutBar, &QVideoCutDlg::emitOnConvert, list, &QVideoCutManageDlg::OnConvert);
    connect(cutBar, &QVideoCutDlg::emitStopConvert, list, &QVideoCutManageDlg::OnStopConvert);
    connect(player, &QVideoPlayDlg::emitPlayProValue, list, &QVideoCutManageDlg::videoPlayPro);
    connect(cutBar, &QVideoCutDlg::sendPlayProToPlay, list, &QVideoCutManageDlg::playProValueChange);
    connect(list, &QVideoCutManageDlg::sendPlayProToPlay, player, &QVideoPlayDlg::PlaySeek);
    connect(list, &QVideoCutManageDlg::emitStartTimeChange, this, &MainWindow::StartTimeChange);
    connect(list, &QVideoCutManageDlg::emitEndTimeChange, this, &MainWindow::EndTimeChange);
    connect(list, &QVideoCutManageDlg::emitBtnAdd, this, &MainWindow::OnBtnAddItem);
    connect(list, &QVideoCutManageDlg::emitSelectItemChange, this, &MainWindow::SelectItemChange);
    connect(list, &QVideoCutManageDlg::seedIsAddItem, this, &MainWindow::IsAddVideoFile);
    connect(list, &QVideoCutManageDlg::emitIsStartConverter, this, &MainWindow::IsStartToConverter);
    connect(list, &QVideoCutManageDlg::emitVideoImageChange, this, &MainWindow::itemVideoImageChange);
    connect(list, &QVideoCutManageDlg::emitTimeLineMousePress, this, &MainWindow::sliderMousePress);
    connect(list, &QVideoCutManageDlg::emitTimeLineMouseRelease, this, &MainWindow::sliderMouseRelease);
    connect(list, &QVideoCutManageDlg::emitStopPlay, this, &MainWindow::emitStopPlay);
    connect(list, &QVideoCutManageDlg::emitPausePlay, this, &MainWindow::emitPausePlay);
    connect(list, &QVideoCutManageDlg::emitProgressValueChanged, this, &MainWindow::progressValueChanged);
    connect(list, &QVideoCutManageDlg::emitChangeHeight, this, &MainWindow::showVideoList);
    connect(this, &MainWindow::emitLosslessChange, list, &QVideoCutManageDlg::emitFormatChanged);
}

void MainWindow::refreshSelectedThumbnail()
{
    QVideoConvertItem *row = m_videoItemDlg->getSelectItem();
    VelVideoConvertItem *item = row ? row->getItemInfo() : nullptr;
    if (!item)
        return;
    item->m_picture.reset(m_videoPlayDlg->getVideoImage(item->m_trimStart));
    row->videoImgChange();
}

void MainWindow::StartValueChange(double value)
{
    if (lineMode()) {
        const TimeItemInfo info = m_videoItemDlg->getCurrentTimelineInfo();
        if (double(info.minStart) > value) {
            value = info.minStart;
            m_videoCutToolbar->setStartValue(100.0 * info.minStart);
            m_videoCutToolbar->videoPlayPro(100.0 * info.minStart);
        }
        m_videoItemDlg->lineStartTimeChange(value);
    }
    m_videoCutToolbar->startValueChange(value);
    if (QVideoConvertItem *row = m_videoItemDlg->getSelectItem())
        row->startValueChange(value);
    if (m_videoPlayDlg->IsPlayTrim())
        m_videoPlayDlg->OnBtnPause();
}

void MainWindow::EndValueChange(double value)
{
    if (lineMode()) {
        const TimeItemInfo info = m_videoItemDlg->getCurrentTimelineInfo();
        if (value > double(info.maxEnd)) {
            value = info.maxEnd;
            m_videoCutToolbar->setEndValue(float(100.0 * info.maxEnd));
            m_videoCutToolbar->videoPlayPro(100.0 * info.maxEnd);
        }
        m_videoItemDlg->lineEndTimeChange(value);
    }
    m_videoCutToolbar->endValueChange(value);
    if (QVideoConvertItem *row = m_videoItemDlg->getSelectItem())
        row->endValueChange(value);
    if (m_videoPlayDlg->IsPlayTrim())
        m_videoPlayDlg->OnBtnPause();
}

void MainWindow::StartTimeChange(uint64_t time)
{
    QVideoConvertItem *row = m_videoItemDlg->getSelectItem();
    VelVideoConvertItem *item = row ? row->getItemInfo() : nullptr;
    // A typed start never passes the segment's end, in the row as in the bar.
    if (item)
        time = qMin<uint64_t>(time, item->m_trimEnd);
    if (lineMode() && item && item->m_duration > 0) {
        const TimeItemInfo info = m_videoItemDlg->getCurrentTimelineInfo();
        const float length = float(item->m_duration);
        if (info.minStart * length > float(time)) {
            time = uint64_t(info.minStart * length);
            m_videoCutToolbar->setStartValue(info.minStart * 100.0);
            m_videoCutToolbar->videoPlayPro(info.minStart * 100.0);
        }
        m_videoItemDlg->lineStartTimeChange(double(time) / double(item->m_duration));
    }
    m_videoCutToolbar->startTimeChange(time);
    if (row) {
        row->startTimeChange(time);
        refreshSelectedThumbnail();
    }
    if (m_videoPlayDlg->IsPlayTrim())
        m_videoPlayDlg->OnBtnPause();
}

void MainWindow::EndTimeChange(uint64_t time)
{
    QVideoConvertItem *row = m_videoItemDlg->getSelectItem();
    VelVideoConvertItem *item = row ? row->getItemInfo() : nullptr;
    // A typed end stays between the segment's start and the end of the file.
    if (item)
        time = qBound<uint64_t>(item->m_trimStart, time, qMax<uint64_t>(item->m_trimStart, item->m_duration));
    if (lineMode() && item && item->m_duration > 0) {
        const TimeItemInfo info = m_videoItemDlg->getCurrentTimelineInfo();
        const float length = float(item->m_duration);
        if (float(time) > info.maxEnd * length) {
            time = uint64_t(info.maxEnd * length);
            m_videoCutToolbar->setEndValue(info.maxEnd * 100.0f);
            m_videoCutToolbar->videoPlayPro(info.maxEnd * 100.0);
        }
        m_videoItemDlg->lineEndTimeChange(double(time) / double(item->m_duration));
    }
    m_videoCutToolbar->endTimeChange(time);
    if (row)
        row->endTimeChange(time);
    if (m_videoPlayDlg->IsPlayTrim())
        m_videoPlayDlg->OnBtnPause();
}

void MainWindow::sliderMouseRelease()
{
    m_videoPlayDlg->EndAsyncSeek();
    refreshSelectedThumbnail();
}

void MainWindow::itemVideoImageChange() { refreshSelectedThumbnail(); }

void MainWindow::OnBtnStartSet()
{
    m_videoCutToolbar->OnBtnStartTimeSet();
    VelVideoConvertItem *item = m_videoCutToolbar->getItemInfo();
    if (!item)
        return;
    if (QVideoConvertItem *row = m_videoItemDlg->getSelectItem())
        row->startTimeChange(item->m_trimStart);
    const uint64_t length = m_videoPlayDlg->getPlayLength();
    if (lineMode() && length > 0)
        m_videoItemDlg->lineStartTimeChange(double(item->m_trimStart) / double(length));
}

void MainWindow::OnBtnEndSet()
{
    m_videoCutToolbar->OnBtnEndTimeSet();
    VelVideoConvertItem *item = m_videoCutToolbar->getItemInfo();
    if (!item)
        return;
    if (QVideoConvertItem *row = m_videoItemDlg->getSelectItem())
        row->endTimeChange(item->m_trimEnd);
    const uint64_t length = m_videoPlayDlg->getPlayLength();
    if (lineMode() && length > 0)
        m_videoItemDlg->lineEndTimeChange(double(item->m_trimEnd) / double(length));
}

void MainWindow::OnBtnAddItem()
{
    if (lineMode() && !m_videoItemDlg->isWhetherAddItem()) {
        QWorkspaceMessage::warning(this, tr("Adding segment failed. Please drag segment to leave some space at the end "
                                            "\nor switch to the \"Free Mode\"."));
        return;
    }
    VelVideoConvertManager *items = VelVideoConvertManager::getConvertManagerObject();
    QVideoConvertItem *row = m_videoItemDlg->getSelectItem();
    if (items->GetItemCount() > 99 || !row || !row->getItemInfo())
        return;
    VelVideoConvertItem *selected = row->getItemInfo();
    selected->m_bSelected = false;
    row->setMouseState(CListItemWgt::Normal);
    row->ClickSelectChange(false);
    // A new segment is the whole file; on the time line the list moves it into
    // the free room. The item manager gives it its index (its position).
    auto *item = new VelVideoConvertItem;
    item->setVideoConvertItem(selected, -1);
    item->m_picture.reset(m_videoPlayDlg->getVideoImage(item->m_trimStart));
    items->addConverItem(item, -1);
    m_videoItemDlg->addConvertItem(item);
    m_videoCutToolbar->setVideoItemInfo(item);
    if (!m_videoItemDlg->IsShowItem())
        m_videoItemDlg->OnBtnShowList();
}

void MainWindow::SelectItemChange()
{
    if (QVideoConvertItem *row = m_videoItemDlg->getSelectItem())
        m_videoCutToolbar->setVideoItemInfo(row->getItemInfo());
    if (m_videoPlayDlg->IsPlayTrim())
        m_videoPlayDlg->StopPlaySection();
}

void MainWindow::showVideoList(int changeH, bool Show)
{
    const int w = width();
    const int h = height();
    if (Show) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const int available = screen ? screen->availableGeometry().height() : h + changeH;
        resize(w, qMin(available, h + changeH));
        setMinimumSize(710, 715);
    } else {
        setMinimumSize(710, 520);
        if (!isMaxSize())
            resize(w, h - changeH);
    }
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_changeH = m_videoItemDlg->getChangeH();
    QVariableSizeWidget::mouseDoubleClickEvent(event);
}

void MainWindow::RestoreDlg() { m_videoItemDlg->setMinHeigtChange(m_changeH); }
