// Loading a whole record into the player, following the player's reports, the
// player queries and the reset operations of the editing model.
#include "QVideoEditingSettings.h"

#include <QThread>

namespace {

QSize unpack(uint64_t packed)
{
    return QSize(int(uint32_t(packed & 0xFFFFFFFFu)), int(uint32_t(packed >> 32)));
}

} // namespace

void QVideoEditingSettings::setEditConfig(const VEEditConfig& cfg)
{
    if (QThread::currentThread() != thread()) {
        // The GUI thread's timers drive the same player; the push waits for its turn there.
        QMetaObject::invokeMethod(
            this, [this, &cfg] { setEditConfig(cfg); }, Qt::BlockingQueuedConnection);
        return;
    }
    if (&cfg == &m_config)
        return;
    m_config = cfg;
    setPlayerManagerSettings();
}

void QVideoEditingSettings::setPlayerManagerSettings()
{
    if (!m_player)
        return;
    VelPlayerManager* p = m_player;
    const uint64_t start = m_config.m_trimStart;
    p->setIsTrim(start != 0 || m_config.m_trimEnd != 0);
    p->setTrimTime(start, m_config.m_trimEnd);
    p->setCropSettings(VECropSettings(m_config.m_cropSettings));
    p->setEqualizeSettings(VEEqualizeSettings(m_config.m_audioSettings.m_equalize));
    p->setAudioEffectSettings(m_config.m_audioSettings.m_effect);
    p->setVideoEffectSettings(m_config.m_videoEffect);
    // Overlays and the background sound start with the segment.
    m_config.m_audioBackground.m_showStart = start;
    p->setAudioBackgroundSettingsSource(m_config.m_audioBackground, 0);
    m_config.m_frameWk.m_imageSettings.m_showStart = start;
    p->setWatermarkSettingsSource(m_config.m_frameWk, 2);
    m_config.m_videoEffectWk.m_imageSettings.m_showStart = start;
    p->setWatermarkSettingsSource(m_config.m_videoEffectWk, 1);
    m_config.m_watermark.m_imageSettings.m_showStart = start;
    p->setCurrentWatermarkSettings(m_config.m_watermark, 0, true);
    p->setProgramValueInfo(m_config.m_programValue);
    p->setSubtitleSettings(m_config.m_subtitleSettings);
}

void QVideoEditingSettings::trimTimeChange(uint64_t startTime, uint64_t endTime)
{
    m_config.m_trimStart = startTime;
    m_config.m_trimEnd = endTime;
    if (!m_overlayStartFollowsTrim)
        return;
    for (VEWatermarkSettings* layer : {&m_config.m_watermark, &m_config.m_videoEffectWk, &m_config.m_frameWk}) {
        layer->m_textSettings.m_showStart = startTime;
        layer->m_imageSettings.m_showStart = startTime;
    }
    m_config.m_audioBackground.m_showStart = startTime;
    if (!m_player)
        return;
    m_player->setCurrentWatermarkSettingsNotSource(m_config.m_watermark, 0, true);
    m_player->setWatermarkSettingsNotSource(m_config.m_videoEffectWk, 1);
    m_player->setWatermarkSettingsNotSource(m_config.m_frameWk, 2);
    m_player->setAudioBackgroundSettingsNotSource(m_config.m_audioBackground, 0);
}

void QVideoEditingSettings::playerChange() {}

void QVideoEditingSettings::cropAreaChange(VECropSettings settings)
{
    m_config.m_cropSettings = settings;
}

void QVideoEditingSettings::watermarkRectChange(VEWatermarkSettings settings, int)
{
    // Only the user's watermark is dragged on the preview, whatever the index.
    takeWatermark(settings);
}

QSize QVideoEditingSettings::getVideoSize() const
{
    return m_player ? unpack(m_player->getVideoSize()) : QSize(0, 0);
}

QSize QVideoEditingSettings::getCropMinSize() const
{
    return m_player ? unpack(m_player->getCropMinSize()) : QSize(0, 0);
}

uint64_t QVideoEditingSettings::getDuration() const
{
    return m_player ? m_player->getDuration() : 0;
}

uint64_t QVideoEditingSettings::getPlaylength() const
{
    return m_player ? m_player->getPlaylength() : 0;
}

void QVideoEditingSettings::setDefaultEffectSettings()
{
    m_config.m_videoEffect = VEEditConfig().m_videoEffect;
}

void QVideoEditingSettings::setDefaultCropSettings()
{
    m_config.m_cropSettings = VEEditConfig().m_cropSettings;
}

void QVideoEditingSettings::setDefaultWatermarkSettings()
{
    m_config.m_watermark = VEEditConfig().m_watermark;
    emit emitWatermarkSettingsChange(m_config.m_watermark);
}

void QVideoEditingSettings::setVideoEffectWkSettings()
{
    m_config.m_videoEffectWk = VEEditConfig().m_videoEffectWk;
}

void QVideoEditingSettings::setFrameWkSettings()
{
    m_config.m_frameWk = VEEditConfig().m_frameWk;
}

void QVideoEditingSettings::setDefaultSubtitleSettings()
{
    m_config.m_subtitleSettings = VEEditConfig().m_subtitleSettings;
}

void QVideoEditingSettings::setDefaultSubtitleInfo()
{
    m_config.m_subtitleValue = VEEditConfig().m_subtitleValue;
}

void QVideoEditingSettings::setDefaultAudioBackgroundSettings()
{
    m_config.m_audioBackground = VEEditConfig().m_audioBackground;
}

void QVideoEditingSettings::setDefaultAudioSettings()
{
    m_config.m_audioSettings = VEAudioSettings();
}
