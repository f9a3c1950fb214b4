#include "QVideoEditingDlg.h"

#include "QAdjustOperationForm.h"
#include "QSubtitleOperationForm.h"
#include "QTrimOperationForm.h"
#include "QWatermarkOperationForm.h"
#include "QVideoEditingSettings.h"
#include "VelPlayerManager.h"

#include <QFileInfo>

namespace {
// An overlay layer starts where the segment it is copied into starts.
void copyLayer(VEWatermarkSettings& target, const VEWatermarkSettings& source, uint64_t trimStart)
{
    target = source;
    target.m_textSettings.m_showStart = trimStart;
    target.m_imageSettings.m_showStart = trimStart;
}

// "(name)[EXT]" for a subtitle file: the file name up to its last '.', and the
// text after it in upper case.
QByteArray subtitleDisplayName(const QByteArray& path)
{
    const QString fileName = QFileInfo(QFile::decodeName(path)).fileName();
    const int dot = fileName.lastIndexOf('.');
    const QString base = dot < 0 ? fileName : fileName.left(dot);
    const QString suffix = dot < 0 ? QString() : fileName.mid(dot + 1).toUpper();
    return QStringLiteral("(%2)[%1]").arg(suffix, base).toUtf8();
}

void applySubtitleChoice(VEEditConfig& target, const VEEditConfig& source)
{
    target.m_subtitleValue.m_subtitleNumber = source.m_subtitleValue.m_subtitleNumber;
    target.m_subtitleValue.m_subtitleFile = source.m_subtitleValue.m_subtitleFile;
    const QByteArray& path = source.m_subtitleValue.m_subtitleFile;
    if (!path.isEmpty()) {
        int found = -1;
        for (int i = 0; i < target.m_subtitleItems.size() && found < 0; ++i) {
            if (target.m_subtitleItems.at(i).m_filePath == path)
                found = i;
        }
        if (found < 0) {
            target.m_subtitleItems.append(VESubltItemInfo{subtitleDisplayName(path), path});
            found = target.m_subtitleItems.size() - 1;
        }
        target.m_subtitleValue.m_subtitleNumber = found;
    }
    target.m_programValue.m_subtitleIndex = source.m_programValue.m_subtitleIndex;
    target.m_programValue.m_subtitleFile = source.m_programValue.m_subtitleFile;
    target.m_programValue.subtlType = source.m_programValue.subtlType;
    target.m_subtitleTracks = source.m_subtitleTracks;
}
}

void QVideoEditingDlg::onApplyToAll()
{
    if (sender() == m_adjustForm)
        markApplyToAll(TabAdjust);
    if (sender() == m_subtitleForm)
        markApplyToAll(TabSubtitle);
    if (sender() == m_watermarkForm)
        markApplyToAll(TabWatermark);
}

// Copies the panel's sections of the current record; pressing again takes the
// latest values.
void QVideoEditingDlg::markApplyToAll(Tab panel)
{
    VEEditConfig cfg;
    m_editSettings->getEditConfig(cfg);
    switch (panel) {
    case TabAdjust:
        m_applyFlags[ApplyCrop] = true;
        m_applyConfig.m_cropSettings = cfg.m_cropSettings;
        break;
    case TabEffect:
        m_applyFlags[ApplyColour] = m_applyFlags[ApplyEffectOverlay] = m_applyFlags[ApplyFrameOverlay] = true;
        m_applyConfig.m_videoEffect = cfg.m_videoEffect;
        m_applyConfig.m_videoEffectWk = cfg.m_videoEffectWk;
        m_applyConfig.m_frameWk = cfg.m_frameWk;
        break;
    case TabWatermark:
        m_applyFlags[ApplyWatermark] = true;
        m_applyConfig.m_watermark = cfg.m_watermark;
        break;
    case TabSubtitle:
        m_applyFlags[ApplySubtitleChoice] = m_applyFlags[ApplySubtitleStyle] = true;
        m_applyConfig.m_subtitleValue.m_subtitleNumber = cfg.m_subtitleValue.m_subtitleNumber;
        m_applyConfig.m_subtitleValue.m_subtitleFile = cfg.m_subtitleValue.m_subtitleFile;
        m_applyConfig.m_programValue.m_subtitleIndex = cfg.m_programValue.m_subtitleIndex;
        m_applyConfig.m_programValue.m_subtitleFile = cfg.m_programValue.m_subtitleFile;
        m_applyConfig.m_programValue.subtlType = cfg.m_programValue.subtlType;
        m_applyConfig.m_subtitleTracks = cfg.m_subtitleTracks;
        m_applyConfig.m_subtitleSettings = cfg.m_subtitleSettings;
        break;
    case TabAudio:
        m_applyFlags[ApplyAudioChoice] = m_applyFlags[ApplyBackgroundAudio] = m_applyFlags[ApplyAudioSettings] = true;
        m_applyConfig.m_subtitleValue.m_audioIndex = cfg.m_subtitleValue.m_audioIndex;
        m_applyConfig.m_programValue.audioType = cfg.m_programValue.audioType;
        m_applyConfig.m_programValue.m_audioIndex = cfg.m_programValue.m_audioIndex;
        m_applyConfig.m_audioTracks = cfg.m_audioTracks;
        m_applyConfig.m_audioBackground = cfg.m_audioBackground;
        m_applyConfig.m_audioSettings = cfg.m_audioSettings;
        break;
    default:
        break;
    }
}

void QVideoEditingDlg::getApplyConfig(VEEditConfig& target)
{
    const VEEditConfig& a = m_applyConfig;
    const uint64_t start = target.m_trimStart;
    if (m_applyFlags[ApplyCrop])
        target.m_cropSettings = a.m_cropSettings;
    if (m_applyFlags[ApplyColour])
        target.m_videoEffect = a.m_videoEffect;
    if (m_applyFlags[ApplyWatermark])
        copyLayer(target.m_watermark, a.m_watermark, start);
    if (m_applyFlags[ApplyEffectOverlay])
        copyLayer(target.m_videoEffectWk, a.m_videoEffectWk, start);
    if (m_applyFlags[ApplyFrameOverlay])
        copyLayer(target.m_frameWk, a.m_frameWk, start);
    if (m_applyFlags[ApplySubtitleChoice])
        applySubtitleChoice(target, a);
    if (m_applyFlags[ApplyAudioChoice]) {
        target.m_subtitleValue.m_audioIndex = a.m_subtitleValue.m_audioIndex;
        target.m_programValue.audioType = a.m_programValue.audioType;
        target.m_programValue.m_audioIndex = a.m_programValue.m_audioIndex;
        target.m_audioTracks = a.m_audioTracks;
    }
    if (m_applyFlags[ApplySubtitleStyle])
        target.m_subtitleSettings = a.m_subtitleSettings;
    if (m_applyFlags[ApplyBackgroundAudio]) {
        target.m_audioBackground = a.m_audioBackground;
        target.m_audioBackground.m_showStart = start;
    }
    if (m_applyFlags[ApplyAudioSettings])
        target.m_audioSettings = a.m_audioSettings;
}

// A range set on the slider but not applied, and a crop size typed less than
// the typing delay ago, still count.
void QVideoEditingDlg::onOK()
{
    if (!m_bLoaded)
        return;
    if (m_trimForm)
        m_trimForm->onTrim();
    if (m_adjustForm)
        m_adjustForm->saveEditingSettings();
    VEEditConfig cfg;
    m_editSettings->getEditConfig(cfg);
    cfg.m_bTrim = m_playerManager ? m_playerManager->getIsTrim() : cfg.m_bTrim;
    m_editSettings->setConfigSettings(cfg);
    accept();
}
