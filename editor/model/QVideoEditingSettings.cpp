// Storing, handing out and pushing the parts of the segment's edit record.
#include "QVideoEditingSettings.h"

QVideoEditingSettings::QVideoEditingSettings(QObject* parent) : QObject(parent)
{
    m_config.setDefaults();
}

// The player belongs to the editing dialog.
QVideoEditingSettings::~QVideoEditingSettings() = default;

void QVideoEditingSettings::setPlayerManager(VelPlayerManager* player)
{
    if (!player)
        return;
    m_player = player;
    connect(player, &VelPlayerManager::emitPlayerChange, this, &QVideoEditingSettings::playerChange);
    connect(player, &VelPlayerManager::emitTrimTimeChange, this, &QVideoEditingSettings::trimTimeChange);
    connect(player, &VelPlayerManager::emitCropAreaChange, this, &QVideoEditingSettings::cropAreaChange);
    connect(player, &VelPlayerManager::emitWatermarkSettingChange, this,
            &QVideoEditingSettings::watermarkRectChange);
}

// The editing dialog deletes its player before the model: the model lets go
// of it first, so no record reaches a deleted player.
void QVideoEditingSettings::releasePlayerManager()
{
    if (m_player)
        disconnect(m_player, nullptr, this, nullptr);
    m_player = nullptr;
}

VelPlayerManager* QVideoEditingSettings::getPlayerManager() const
{
    return m_player;
}

void QVideoEditingSettings::setConfigSettings(const VEEditConfig& cfg)
{
    if (&cfg != &m_config)
        m_config = cfg;
}

void QVideoEditingSettings::getEditConfig(VEEditConfig& cfg) const
{
    cfg = m_config;
}

VEEditConfig& QVideoEditingSettings::getEditConfig()
{
    return m_config;
}

void QVideoEditingSettings::getConfigSettings(VEEditConfig& cfg) const
{
    cfg = m_config;
}

void QVideoEditingSettings::setTrimTimeNoSeekPlayer(uint64_t start, uint64_t end)
{
    m_config.m_trimStart = start;
    m_config.m_trimEnd = end;
}

void QVideoEditingSettings::setTrimTime(uint64_t start, uint64_t end)
{
    setTrimTimeNoSeekPlayer(start, end);
    if (m_player)
        m_player->setTrimTime(start, end);
}

uint64_t QVideoEditingSettings::getTrimStartTime() const { return m_config.m_trimStart; }
uint64_t QVideoEditingSettings::getTrimEndTime() const { return m_config.m_trimEnd; }

uint64_t QVideoEditingSettings::getTrimTimeLength() const
{
    const uint64_t start = m_config.m_trimStart;
    const uint64_t end = m_config.m_trimEnd;
    if (end != 0 && end > start)
        return end - start;
    if (!m_player)
        return 0;
    const uint64_t duration = m_player->getDuration();
    return duration > start ? duration - start : 0;
}

void QVideoEditingSettings::setEffectSettings(const VEVideoEffectSettings& settings)
{
    if (&settings == &m_config.m_videoEffect)
        return;
    m_config.m_videoEffect = settings;
    if (m_player)
        m_player->setVideoEffectSettings(m_config.m_videoEffect);
}

void QVideoEditingSettings::getEffectSettings(VEVideoEffectSettings& settings) const
{
    settings = m_config.m_videoEffect;
}

void QVideoEditingSettings::setCropSettings(const VECropSettings& settings)
{
    // The held crop itself is pushed again; the player answers with the record
    // as it clamped it, which replaces the held one (cropAreaChange).
    if (&settings != &m_config.m_cropSettings)
        m_config.m_cropSettings = settings;
    if (m_player)
        m_player->setCropSettings(VECropSettings(m_config.m_cropSettings));
}

void QVideoEditingSettings::getCropSettings(VECropSettings& settings) const
{
    settings = m_config.m_cropSettings;
}

void QVideoEditingSettings::setPanScanMode(PanScanMode mode)
{
    if (m_player)
        m_player->setPanScanMode(mode);
}

void QVideoEditingSettings::takeWatermark(const VEWatermarkSettings& settings)
{
    if (&settings == &m_config.m_watermark)
        return;
    m_config.m_watermark = settings;
    emit emitWatermarkSettingsChange(m_config.m_watermark);
}

void QVideoEditingSettings::setWatermarkSettings(const VEWatermarkSettings& settings, bool refresh, bool withFiles)
{
    takeWatermark(settings);
    if (!m_player)
        return;
    if (withFiles)
        m_player->setCurrentWatermarkSettings(m_config.m_watermark, 0, refresh);
    else
        m_player->setCurrentWatermarkSettingsNotSource(m_config.m_watermark, 0, refresh);
}

void QVideoEditingSettings::getWatermarkSettings(VEWatermarkSettings& settings) const
{
    settings = m_config.m_watermark;
}

void QVideoEditingSettings::setVideoEffectWkSettings(const VEWatermarkSettings& settings)
{
    if (&settings == &m_config.m_videoEffectWk)
        return;
    m_config.m_videoEffectWk = settings;
    if (m_player)
        m_player->setWatermarkSettingsSource(m_config.m_videoEffectWk, 1);
}

void QVideoEditingSettings::getVideoEffectWkSettings(VEWatermarkSettings& settings) const
{
    settings = m_config.m_videoEffectWk;
}

void QVideoEditingSettings::setFrameWkSettings(const VEWatermarkSettings& settings)
{
    if (&settings == &m_config.m_frameWk)
        return;
    m_config.m_frameWk = settings;
    if (m_player)
        m_player->setWatermarkSettingsSource(m_config.m_frameWk, 2);
}

void QVideoEditingSettings::getFrameWkSettings(VEWatermarkSettings& settings) const
{
    settings = m_config.m_frameWk;
}

void QVideoEditingSettings::setSubtitleSettings(const VESubtitleSettings& settings)
{
    if (&settings == &m_config.m_subtitleSettings)
        return;
    m_config.m_subtitleSettings = settings;
    if (m_player)
        m_player->setSubtitleSettings(m_config.m_subtitleSettings);
}

void QVideoEditingSettings::getSubtitleSettings(VESubtitleSettings& settings) const
{
    settings = m_config.m_subtitleSettings;
}

void QVideoEditingSettings::setSubtitleInfo(const VESubtitleValue_Info& info)
{
    if (&info == &m_config.m_subtitleValue)
        return;
    m_config.m_subtitleValue = info;
    if (!m_player)
        return;
    m_player->setSubtitleValueInfo(m_config.m_subtitleValue);
    m_player->setSubtitleSettings(m_config.m_subtitleSettings);
}

void QVideoEditingSettings::getSubtitleInfo(VESubtitleValue_Info& info) const
{
    info = m_config.m_subtitleValue;
}

void QVideoEditingSettings::setSubltItemInfoList(const QList<VESubltItemInfo>& list)
{
    if (&list != &m_config.m_subtitleItems)
        m_config.m_subtitleItems = list;
}

void QVideoEditingSettings::getSubltItemInfoList(QList<VESubltItemInfo>& list) const
{
    list = m_config.m_subtitleItems;
}

void QVideoEditingSettings::setProgramValueInfo(const VEProgramValueInfo& info)
{
    if (&info == &m_config.m_programValue)
        return;
    m_config.m_programValue = info;
    if (m_player)
        m_player->setProgramValueInfo(m_config.m_programValue);
}

void QVideoEditingSettings::getProgramValueInfo(VEProgramValueInfo& info) const
{
    info = m_config.m_programValue;
}

void QVideoEditingSettings::setSubtitleTrackList(const QList<EVSubtitleTrack>& list)
{
    if (&list != &m_config.m_subtitleTracks)
        m_config.m_subtitleTracks = list;
}

void QVideoEditingSettings::getSubtitleTrackList(QList<EVSubtitleTrack>& list) const
{
    list = m_config.m_subtitleTracks;
}

void QVideoEditingSettings::setAudioBackgroundSettings(const VEAudioBackgroundSettings& settings, bool withFile)
{
    if (&settings == &m_config.m_audioBackground)
        return;
    m_config.m_audioBackground = settings;
    if (!m_player)
        return;
    if (withFile)
        m_player->setAudioBackgroundSettingsSource(m_config.m_audioBackground, 0);
    else
        m_player->setAudioBackgroundSettingsNotSource(m_config.m_audioBackground, 0);
}

void QVideoEditingSettings::getAudioBackgroundSettings(VEAudioBackgroundSettings& settings) const
{
    settings = m_config.m_audioBackground;
}

void QVideoEditingSettings::setAudioSettings(const VEAudioSettings& settings)
{
    if (&settings == &m_config.m_audioSettings)
        return;
    m_config.m_audioSettings = settings;
    if (!m_player)
        return;
    m_player->setAudioEffectSettings(m_config.m_audioSettings.m_effect);
    m_player->setEqualizeSettings(VEEqualizeSettings(m_config.m_audioSettings.m_equalize));
}

void QVideoEditingSettings::getAudioSettings(VEAudioSettings& settings) const
{
    settings = m_config.m_audioSettings;
}

void QVideoEditingSettings::setAudiolist(const QStringList& list)
{
    m_config.m_audioList.clear();
    for (const QString& text : list)
        m_config.m_audioList.append(text.toUtf8());
}

void QVideoEditingSettings::getAudiolist(QStringList& list) const
{
    list.clear();
    for (const QByteArray& text : m_config.m_audioList)
        list.append(QString::fromUtf8(text));
}

void QVideoEditingSettings::setAudioTagInfo(const VEAudioTagInfo& info)
{
    if (&info != &m_config.m_audioTagInfo)
        m_config.m_audioTagInfo = info;
}

void QVideoEditingSettings::getAudioTagInfo(VEAudioTagInfo& info) const
{
    info = m_config.m_audioTagInfo;
}

void QVideoEditingSettings::setResolutionSize(int width, int height)
{
    m_config.m_outputWidth = width;
    m_config.m_outputHeight = height;
}

QSize QVideoEditingSettings::getResolutionSize() const
{
    return QSize(m_config.m_outputWidth, m_config.m_outputHeight);
}

void QVideoEditingSettings::setIsWatermarkAudioStartTime(bool follows)
{
    m_overlayStartFollowsTrim = follows;
}

bool QVideoEditingSettings::getIsWatermarkAudioStartTime() const
{
    return m_overlayStartFollowsTrim;
}
