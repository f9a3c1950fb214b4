// Opening the editing dialog for a segment and writing its results back into
// the segments.

#include "QVideoCutManageDlg.h"

#include "QAttributeSettingHolder.h"
#include "QEditTipDlg.h"
#include "QVideoConvertItem.h"
#include "QVideoEditingDlg.h"
#include "SettingKeys.h"
#include "VelVideoConvertItem.h"
#include "VelVideoConvertManager.h"

#include <memory>

void QVideoCutManageDlg::OnEdit()
{
    if (m_selectedRow)
        editSegment(m_selectedRow);
}

void QVideoCutManageDlg::respondEditEmit()
{
    if (auto* row = qobject_cast<QVideoConvertItem*>(sender()))
        editSegment(row);
}

// Sections marked "Apply to all" reach every segment whatever the outcome; an
// accepted edit also gives the segment the whole record and its row the new
// range.
void QVideoCutManageDlg::editSegment(QVideoConvertItem* row)
{
    VelVideoConvertItem* item = row->getItemInfo();
    if (!item)
        return;
    emit emitPausePlay();
    auto dlg = std::make_unique<QVideoEditingDlg>(this);
    dlg->setVideoFile(item->getFilePath(), uint(item->getVideoWidth()), uint(item->getVideoHeight()));
    item->m_editConfig.m_trimStart = item->m_trimStart;
    item->m_editConfig.m_trimEnd = item->m_trimEnd;
    dlg->setEditConfig(item->m_editConfig);
    dlg->setIsWatermarkAudioStartTime(true);
    const int result = dlg->exec();
    VelVideoConvertManager* manager = VelVideoConvertManager::getConvertManagerObject();
    if (result == 0) {
        for (int i = 0; i < manager->GetItemCount(); ++i)
            dlg->getApplyConfig(manager->GetItem(i)->m_editConfig);
        return;
    }
    dlg->hideMediaForm();
    showEditTip();
    for (int i = 0; i < manager->GetItemCount(); ++i) {
        VelVideoConvertItem* other = manager->GetItem(i);
        if (other != item)
            dlg->getApplyConfig(other->m_editConfig);
    }
    dlg->getEditConfig(item->m_editConfig);
    row->trimTimeChanged(item->m_editConfig.m_trimStart, item->m_editConfig.m_trimEnd);
}

void QVideoCutManageDlg::showEditTip()
{
    const AttributeSetting* profile = QAttributeSettingHolder::attributeSetting();
    if (!profile || !profile->bLossless)
        return;
    if (!readSetting(SettingKeys::EditTip))
        return;
    QEditTipDlg tip(this);
    if (tip.exec() == 1 && tip.isNoShowThisDlg())
        updateSetting(SettingKeys::EditTip, false);
}
