#include "QVideoCutManageDlg.h"

#include "QButtonListDlg.h"
#include "QImageButton.h"
#include "QSimpleTimeLine.h"
#include "QVelMessageBox.h"
#include "QVideoConvertItem.h"
#include "SettingKeys.h"
#include "VelVideoConvertItem.h"
#include "VelVideoConvertManager.h"

#include <QMessageBox>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace {

VelVideoConvertManager* manager()
{
    return VelVideoConvertManager::getConvertManagerObject();
}

bool runsToEnd(const VelVideoConvertItem* item)
{
    return item->m_trimEnd == 0 || item->m_trimEnd == item->m_duration;
}

// Orders the item manager's items by start, keeping the order of equal starts.
// Returns true when anything moved.
bool sortItemsByStart()
{
    QList<VelVideoConvertItem*> items = manager()->GetItemList();
    QList<VelVideoConvertItem*> sorted = items;
    std::stable_sort(sorted.begin(), sorted.end(), [](const VelVideoConvertItem* a, const VelVideoConvertItem* b) {
        return a->m_trimStart < b->m_trimStart;
    });
    if (sorted == items)
        return false;
    for (int i = 0; i < sorted.size(); ++i) {
        const int from = manager()->GetItemList().indexOf(sorted[i]);
        if (from != i)
            manager()->swapItem(i, from);
    }
    for (int i = 0; i < sorted.size(); ++i)
        sorted[i]->setIndex(i);
    return true;
}

// The conflict test over items in the order given: an earlier segment that runs
// to the end of the file or past the next one's start.
bool overlapsInOrder(const QList<VelVideoConvertItem*>& items)
{
    for (int i = 0; i + 1 < items.size(); ++i) {
        const VelVideoConvertItem* a = items[i];
        const VelVideoConvertItem* b = items[i + 1];
        if (runsToEnd(a) || a->m_trimEnd > b->m_trimStart)
            return true;
    }
    return false;
}

} // namespace

TimeItemInfo QVideoCutManageDlg::lineRecordOf(const VelVideoConvertItem* item)
{
    TimeItemInfo info;
    const double length = double(item->m_duration);
    if (length <= 0)
        return {0, 1, 1, 0, 0};
    info.start = float(double(item->m_trimStart) / length);
    info.end = item->m_trimEnd == 0 ? 1.0f : float(double(item->m_trimEnd) / length);
    info.length = info.end - info.start;
    return info;
}

bool QVideoCutManageDlg::isStyleExchangeTips() const
{
    if (m_rows.size() < 2)
        return false;
    QList<VelVideoConvertItem*> items;
    for (QVideoConvertItem* row : m_rows)
        items.append(row->getItemInfo());
    return overlapsInOrder(items);
}

void QVideoCutManageDlg::resolveOverlaps()
{
    QList<QVideoConvertItem*> doomed;
    VelVideoConvertItem* prev = m_rows.first()->getItemInfo();
    int i = 1;
    if (runsToEnd(prev)) {
        doomed = m_rows.mid(1);
        i = m_rows.size();
    }
    for (; i < m_rows.size(); ++i) {
        QVideoConvertItem* row = m_rows[i];
        VelVideoConvertItem* r = row->getItemInfo();
        const uint64_t p = prev->m_trimEnd ? prev->m_trimEnd : prev->m_duration;
        const uint64_t s = r->m_trimStart;
        const uint64_t e = r->m_trimEnd;
        if (runsToEnd(r)) {
            if (p > s) {
                r->m_trimStart = p + 1;
                row->setVideoItemInfo(r);
            }
            doomed += m_rows.mid(i + 1);
            break;
        }
        if (p >= e && p >= s) {
            doomed.append(row);
        } else if (s <= p && p < e) {
            r->m_trimStart = p + 1;
            row->setVideoItemInfo(r);
            prev = r;
        } else {
            prev = r;
        }
    }
    for (int d = doomed.size() - 1; d >= 0; --d) {
        const int index = m_rows.lastIndexOf(doomed[d]);
        if (index < 0)
            continue;
        if (doomed[d] == m_selectedRow)
            m_selectedRow = nullptr;
        removeRowAt(index);
    }
}

void QVideoCutManageDlg::OnStyleLine()
{
    if (m_rows.isEmpty()) {
        m_timeLine->clearAllData();
    } else {
        // The line shows segments left to right, so the walk looks at them in
        // order of their starts; otherwise a segment that overlaps nothing could
        // be taken for one that lies inside another.
        QList<VelVideoConvertItem*> sorted = manager()->GetItemList();
        std::stable_sort(sorted.begin(), sorted.end(), [](const VelVideoConvertItem* a, const VelVideoConvertItem* b) {
            return a->m_trimStart < b->m_trimStart;
        });
        const bool conflict = overlapsInOrder(sorted);
        if (conflict) {
            const int answer = QVelMessageBox::ShowMessage(
                parentWidget(), tr("Switching to the Simple Mode shortens or removes overlapping segments!"),
                QStringLiteral("Zededera Raziz Azodor"), QVelMessageBox::Warning, QVelMessageBox::YesNoButton);
            if (answer != QMessageBox::Yes)
                return;
        }
        m_timeLine->clearContainerData();
        if (sortItemsByStart()) {
            for (int i = 0; i < m_rows.size(); ++i)
                m_rows[i]->setVideoItemInfo(manager()->GetItem(i));
        }
        if (conflict)
            resolveOverlaps();
        for (QVideoConvertItem* row : qAsConst(m_rows))
            m_timeLine->addTrimTime(lineRecordOf(row->getItemInfo()));

        QVideoConvertItem* chosen = nullptr;
        for (QVideoConvertItem* row : qAsConst(m_rows)) {
            if (row->getMouseState() == CListItemWgt::Selected)
                chosen = row;
        }
        if (!chosen)
            chosen = m_rows.first();
        for (QVideoConvertItem* row : qAsConst(m_rows)) {
            if (row != chosen) {
                row->setMouseState(CListItemWgt::Normal);
                row->ClickSelectChange(false);
            }
        }
        chosen->setMouseState(CListItemWgt::Selected);
        chosen->ClickSelectChange(true);
        const int index = m_rows.indexOf(chosen);
        m_stripButtons->setCurrItem(index);
        m_timeLine->selectedTimeItemIndex(index);
        m_selectedRow = chosen;
        emit emitSelectItemChange();
    }
    updateSetting(SettingKeys::SegmentListLines, true);
    m_bLineMode = true;
    scrollArea->hide();
    m_timeLine->show();
    m_btnStyleLine->hide();
    m_btnStyleList->show();
    m_btnDelete->show();
    m_btnEdit->show();
    m_btnUp->hide();
    m_btnDown->hide();
    ListSetToCtrl();
    layoutHeader();
    update();
}

void QVideoCutManageDlg::OnStyleList()
{
    m_timeLine->clearContainerData();
    updateSetting(SettingKeys::SegmentListLines, false);
    m_bLineMode = false;
    scrollArea->show();
    m_timeLine->hide();
    m_btnStyleLine->show();
    m_btnStyleList->hide();
    m_btnDelete->hide();
    m_btnEdit->hide();
    m_btnUp->show();
    m_btnDown->show();
    ListSetToCtrl();
    layoutHeader();
    update();
}
