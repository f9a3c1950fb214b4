#include "QVideoEditingDlg.h"

#include "QProgressIndicator.h"
#include "QTrimOperationForm.h"
#include "QVideoEditTag.h"
#include "QVideoEditingSettings.h"
#include "QWaitForDlg.h"
#include "VelInfoClass.h"
#include "VelInfoManager.h"
#include "VelPlayerManager.h"

#include <QPointer>
#include <QTimer>

namespace {
VEChapterInfo toChapter(const ChapterItemInfo& item)
{
    VEChapterInfo chapter;
    chapter.m_index = item.index;
    chapter.m_startTime = item.startTime;
    chapter.m_length = item.duration;
    chapter.m_endTime = item.endTime;
    chapter.m_name = item.title;
    chapter.m_text = item.text;
    return chapter;
}
}

// The wait dialog's own event loop serves the worker's hand-overs; the
// spinner turns for as long as it runs.
void QVideoEditingDlg::loadingTimer()
{
    m_timer->stop();
    if (m_bClosing)
        return;
    if (m_playerManager)
        m_playerManager->createrPlayer(m_bNoPlayerAudio);
    m_waitDlg = new QWaitForDlg(this);
    m_loader.StartThread();
    m_progressIndicator->show();
    m_progressIndicator->raise();
    m_progressIndicator->startAnimation();
    const QPointer<QVideoEditingDlg> alive(this);
    m_waitDlg->exec();
    // Destroyed meanwhile: the destructor ended the loader and the wait.
    if (!alive)
        return;
    delete m_waitDlg;
    m_waitDlg = nullptr;
    m_progressIndicator->hide();
    m_progressIndicator->stopAnimation();
}

// Worker thread: reads what the player needs, has the GUI thread open the
// player, and has it hand the record to the editing model. Once the dialog is
// closing, a hand-over gives up and the loader ends there.
void QVideoEditingDlg::OnExecute()
{
    if (!m_playerManager || m_bClosing) {
        emit emitThreadComplete();
        return;
    }
    m_infoManager->setMediaFile(m_videoPath, uint(m_editConfig.m_programValue.ProgramIndex),
                                m_editConfig.isDiscSource());
    VelInfoClass* info = m_infoManager->getInfoClass();
    m_editConfig.m_outputHeight = int(m_videoHeight != 0 ? m_videoHeight : (info ? info->GetVideoHeight_Info() : 0));
    m_editConfig.m_outputWidth = int(m_videoWidth != 0 ? m_videoWidth : (info ? info->GetVideoWidth_Info() : 0));
    if (!m_handOver.run([this] { emit emitPlayer(); }))
        return;
    m_editConfig.m_audioTagInfo = m_infoManager->getAudioTagInfo();
    if (m_editConfig.m_chapterList.isEmpty()) {
        for (const ChapterItemInfo& item : m_infoManager->getChapterInfo())
            m_editConfig.m_chapterList.append(toChapter(item));
    }
    if (m_editSettings && !m_handOver.run([this] { m_editSettings->setEditConfig(m_editConfig); }))
        return;
    emit emitThreadComplete();
}

void QVideoEditingDlg::startPlayerCon()
{
    if (m_bClosing || !m_playerManager)
        return;
    if (m_bSetPlayer) {
        m_playerManager->setIsM4VPlayer(true);
        m_playerManager->setPlayer(m_player, uint(m_editConfig.m_outputWidth),
                                   uint(m_editConfig.m_outputHeight), 3);
        return;
    }
    const VEEditConfig copy = m_editConfig;
    m_playerManager->setPlayFile(m_videoPath, copy, 3, 0);
}

void QVideoEditingDlg::threadComplete()
{
    if (m_bClosing)
        return;
    m_trimForm->loadingSetting();
    if (m_waitDlg)
        m_waitDlg->finishWait();
    if (m_playerManager)
        m_playerManager->onPlay();
    m_editTag->setSelectedTag(TabTrim);
    m_bLoaded = true;
}
