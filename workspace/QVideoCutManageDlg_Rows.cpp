#include "QVideoCutManageDlg.h"

#include "QButtonListDlg.h"
#include "QImageButton.h"
#include "QSimpleTimeLine.h"
#include "QVideoConvertItem.h"
#include "VelVideoConvertItem.h"
#include "VelVideoConvertManager.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace {

VelVideoConvertManager* manager()
{
    return VelVideoConvertManager::getConvertManagerObject();
}

} // namespace

void QVideoCutManageDlg::addConvertItem(VelVideoConvertItem* item)
{
    if (!item)
        return;
    if (m_bLineMode && m_timeLine->isAddItem()) {
        // On the time line a new segment takes the free room right of the last one.
        const TimeItemInfo room = m_timeLine->getCanAddTimeItemInfo();
        const float length = float(item->m_duration);
        item->m_trimStart = uint64_t(length * room.start);
        item->m_trimEnd = uint64_t(length * room.end);
        m_timeLine->addTrimTime(room);
        emit sendPlayProToPlay(item->m_trimStart);
    }
    auto* row = new QVideoConvertItem(m_scrollAreaWidget);
    m_rows.append(row);
    row->setVideoItemInfo(item);
    connect(row, &QVideoConvertItem::emitMousePress, this, &QVideoCutManageDlg::respondMouseStateEmit);
    connect(row, &QVideoConvertItem::emitDelete, this, &QVideoCutManageDlg::respondDeleteEmit);
    connect(row, &QVideoConvertItem::emitEdit, this, &QVideoCutManageDlg::respondEditEmit);
    connect(row, &QVideoConvertItem::emitStartTimeChange, this, &QVideoCutManageDlg::StartTimeChange);
    connect(row, &QVideoConvertItem::emitEndTimeChange, this, &QVideoCutManageDlg::EndTimeChange);
    connect(row, &QVideoConvertItem::emitSwapItem, this, &QVideoCutManageDlg::swapItemValue);
    connect(this, &QVideoCutManageDlg::emitFormatChanged, row, &QVideoConvertItem::UpdateData);
    if (item->m_bSelected)
        m_selectedRow = row;
    m_listLayout->addWidget(row);
    m_stripButtons->addBtnItem(true);
    ListSetToCtrl();
    updateStripVisibility();
    changeSortBtn();
}

void QVideoCutManageDlg::selectRow(QVideoConvertItem* row, bool emitChange)
{
    for (QVideoConvertItem* other : qAsConst(m_rows)) {
        if (other != row) {
            other->setMouseState(CListItemWgt::Normal);
            other->ClickSelectChange(false);
        }
    }
    row->ClickSelectChange(true);
    m_stripButtons->setCurrItem(m_rows.indexOf(row));
    m_selectedRow = row;
    if (emitChange)
        emit emitSelectItemChange();
    changeSortBtn();
}

void QVideoCutManageDlg::respondMouseStateEmit()
{
    auto* row = qobject_cast<QVideoConvertItem*>(sender());
    if (!row || row == m_selectedRow || !m_rows.contains(row))
        return;
    selectRow(row, true);
}

void QVideoCutManageDlg::OnClickItem(int index)
{
    QVideoConvertItem* row = m_rows.value(index);
    if (!row)
        return;
    row->setMouseState(CListItemWgt::Selected);
    row->OnClickItem();
    if (m_bLineMode)
        m_timeLine->selectedTimeItemIndex(index);
}

void QVideoCutManageDlg::StartTimeChange(uint64_t start)
{
    if (m_selectedRow && sender() == m_selectedRow)
        emit emitStartTimeChange(start);
}

void QVideoCutManageDlg::EndTimeChange(uint64_t end)
{
    if (m_selectedRow && sender() == m_selectedRow)
        emit emitEndTimeChange(end);
}

void QVideoCutManageDlg::changeSortBtn()
{
    if (m_rows.isEmpty()) {
        m_btnUp->setEnabled(false);
        m_btnDown->setEnabled(false);
        return;
    }
    if (!m_selectedRow)
        return;
    const int index = m_rows.indexOf(m_selectedRow);
    const bool several = m_rows.size() >= 2;
    if (index == 0) {
        m_btnUp->setEnabled(false);
        m_btnDown->setEnabled(several);
    } else if (index == m_rows.size() - 1) {
        m_btnDown->setEnabled(false);
        m_btnUp->setEnabled(several);
    } else {
        m_btnUp->setEnabled(true);
        m_btnDown->setEnabled(true);
    }
}

void QVideoCutManageDlg::OnBtnUp()
{
    const int index = m_rows.indexOf(m_selectedRow);
    if (m_selectedRow && index > 0)
        swapItemValue(index, index - 1);
    changeSortBtn();
}

void QVideoCutManageDlg::OnBtnDown()
{
    const int index = m_rows.indexOf(m_selectedRow);
    if (m_selectedRow && index + 1 < m_rows.size())
        swapItemValue(index, index + 1);
    changeSortBtn();
}

void QVideoCutManageDlg::swapItemValue(int first, int second)
{
    // Rows stay where they are and exchange their items; the item manager keeps
    // the indices equal to the positions, so the selection travels with the selected item's flag.
    if (first == second || !manager()->swapItem(first, second))
        return;
    QVideoConvertItem* rowA = m_rows.value(first);
    QVideoConvertItem* rowB = m_rows.value(second);
    if (!rowA || !rowB)
        return;
    manager()->GetItem(first)->setIndex(first);
    manager()->GetItem(second)->setIndex(second);
    rowA->setVideoItemInfo(manager()->GetItem(first));
    rowB->setVideoItemInfo(manager()->GetItem(second));
}

void QVideoCutManageDlg::removeRowAt(int index)
{
    QVideoConvertItem* row = m_rows.value(index);
    m_stripButtons->deleteBtn(index);
    m_listLayout->removeWidget(row);
    m_rows.removeAt(index);
    delete row;
    manager()->DeleteItemAt(index);
}

void QVideoCutManageDlg::respondDeleteEmit()
{
    m_deletingRow = qobject_cast<QVideoConvertItem*>(sender());
    OnBarbtnDelete();
    changeSortBtn();
    if (manager()->GetItemCount() == 0)
        OnBtnHideList();
}

void QVideoCutManageDlg::OnBarbtnDelete()
{
    QVideoConvertItem* row = m_deletingRow;
    m_deletingRow = nullptr;
    const int index = m_rows.indexOf(row);
    if (!row || index < 0)
        return;
    m_stripButtons->deleteBtn(index);
    m_listLayout->removeWidget(row);
    if (row == m_selectedRow) {
        m_selectedRow = nullptr;
        if (m_rows.size() >= 2) {
            QVideoConvertItem* next = m_rows[index == 0 ? 1 : index - 1];
            next->ClickSelectChange(true);
            next->setMouseState(CListItemWgt::Selected);
            m_selectedRow = next;
            emit emitSelectItemChange();
        }
    }
    m_rows.removeAt(index);
    delete row;
    manager()->DeleteItemAt(index);
    if (m_rows.isEmpty()) {
        emit emitStopPlay();
        ListSetToCtrl();
    }
}

void QVideoCutManageDlg::OnDelete()
{
    m_timeLine->deleteSelectedTimeItem();
}

void QVideoCutManageDlg::lineDeleteFile(int index)
{
    QVideoConvertItem* row = m_rows.value(index);
    if (!row)
        return;
    // The time line picks the neighbour itself and reports it as a change.
    if (row == m_selectedRow)
        m_selectedRow = nullptr;
    removeRowAt(index);
    if (m_rows.isEmpty()) {
        emit emitStopPlay();
        ListSetToCtrl();
    }
    changeSortBtn();
    if (manager()->GetItemCount() == 0)
        OnBtnHideList();
}

void QVideoCutManageDlg::ActionDeleteALL()
{
    m_selectedRow = nullptr;
    m_stripButtons->deleteAll();
    for (int i = m_rows.size() - 1; i >= 0; --i) {
        QVideoConvertItem* row = m_rows.takeAt(i);
        m_listLayout->removeWidget(row);
        delete row;
        manager()->DeleteItemAt(i);
    }
    if (m_bLineMode)
        m_timeLine->clearAllData();
    ListSetToCtrl();
    changeSortBtn();
}

void QVideoCutManageDlg::timeItemInfoChange(TimeItemInfo info, int index, bool startSide)
{
    QVideoConvertItem* row = m_rows.value(index);
    if (m_rows.isEmpty() || !row)
        return;
    if (row != m_selectedRow)
        selectRow(row, false);
    VelVideoConvertItem* item = m_selectedRow->getItemInfo();
    if (!item)
        return;
    const float length = float(item->m_duration);
    item->m_trimStart = uint64_t(length * info.start);
    item->m_trimEnd = uint64_t(length * info.end);
    emit sendPlayProToPlay(startSide ? item->m_trimStart : item->m_trimEnd);
    m_selectedRow->setVideoItemInfo(item);
    emit emitSelectItemChange();
}

void QVideoCutManageDlg::lineStartTimeChange(double fraction)
{
    TimeItemInfo info = m_timeLine->getCurrentTimeItemInfo();
    info.start = float(fraction);
    info.length = info.end - info.start;
    m_timeLine->setCurrentTimeItemInfoChange(info);
}

void QVideoCutManageDlg::lineEndTimeChange(double fraction)
{
    TimeItemInfo info = m_timeLine->getCurrentTimeItemInfo();
    info.end = float(fraction);
    info.length = info.end - info.start;
    m_timeLine->setCurrentTimeItemInfoChange(info);
}

void QVideoCutManageDlg::ListSetToCtrl()
{
    const bool any = !m_rows.isEmpty();
    if (!m_bLineMode) {
        m_timeLine->hide();
        scrollArea->setVisible(any);
    } else {
        scrollArea->hide();
        m_timeLine->show();
        m_btnDelete->setEnabled(m_timeLine->count() >= 1);
        m_btnEdit->setEnabled(m_timeLine->count() >= 1);
    }
    m_btnAddItem->setEnabled(any);
    emit seedIsAddItem(any);
}
