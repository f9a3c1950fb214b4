// Edit records other than crop and overlays, carried to the codec player.
#include "VelPlayerManager.h"

#include "VelInfoClass.h"
#include "VelPlayerClass.h"

namespace {

const uint32_t kNone = 0xFFFFFFFFu;

const char* textOrNull(const QByteArray& text)
{
    return text.isEmpty() ? nullptr : text.constData();
}

} // namespace

void VelPlayerManager::setEqualizeSettings(const VEEqualizeSettings& settings)
{
    if (hasPlayer())
        m_player->SetAudioEqualize_Player(settings.frequencies(), settings.gains(), uint32_t(settings.count()));
}

void VelPlayerManager::setAudioEffectSettings(const VEAudioEffectSetting& settings)
{
    if (!hasPlayer())
        return;
    m_player->SetAudioVolume_Player(settings.m_volume);
    m_player->ChangeSpeed_Player(settings.m_speed);
    m_player->SetAudioRate_Player(settings.m_rate);
}

void VelPlayerManager::setVideoEffectSettings(const VEVideoEffectSettings& settings)
{
    if (!hasPlayer())
        return;
    m_player->SetVideoYOffset_Player(uint32_t(settings.brightness));
    m_player->SetVideoSaturation_Player(uint32_t(settings.saturation));
    m_player->SetVideoHue_Player(uint32_t(settings.hue));
    m_player->SetVideoContrast_Player(uint32_t(settings.contrast));
}

void VelPlayerManager::setAudioBackgroundSettingsSource(const VEAudioBackgroundSettings& settings, int index)
{
    loadAudioBackground(settings, index, true);
}

void VelPlayerManager::setAudioBackgroundSettingsNotSource(const VEAudioBackgroundSettings& settings, int index)
{
    // The loaded file stays.
    loadAudioBackground(settings, index, false);
}

void VelPlayerManager::loadAudioBackground(const VEAudioBackgroundSettings& settings, int index, bool withFile)
{
    if (!hasPlayer())
        return;
    m_player->BeginSettings_Player();
    m_player->SetAudioBackgroundIndex_Player(uint32_t(index));
    if (withFile)
        m_player->SetAudioBackgroundFile_Player(textOrNull(settings.m_file));
    m_player->SetAudioBackgroundLoop_Player(settings.m_loop);
    m_player->SetAudioBackgroundMixMode_Player(settings.m_mixMode);
    m_player->SetAudioBackgroundWeight_Player(settings.m_weight);
    m_player->SetAudioBackgroundVolume_Player(settings.m_volume);
    m_player->SetAudioBackgroundShowTime_Player(settings.m_showStart, settings.m_showEnd);
    m_player->SetAudioBackgroundSplitTime_Player(settings.m_splitStart, settings.m_splitEnd);
    m_player->EndSettings_Player();
}

void VelPlayerManager::setProgramValueInfo(const VEProgramValueInfo& info)
{
    // The media-information handle must accept a stream before the player takes it.
    if (!m_info || !m_info->IsCreateInfo() || !hasPlayer())
        return;
    if (info.audioType == -1 && m_info->SetAudioIndex_Info(kNone))
        m_player->SetAudioIndex_Player(kNone);
    else if (m_info->SetAudioIndex_Info(uint32_t(info.m_audioIndex)))
        m_player->SetAudioIndex_Player(uint32_t(info.m_audioIndex));

    if (info.subtlType == -1 && m_info->SetSubtlIndex_Info(kNone)) {
        m_player->SetSubtlIndex_Player(kNone);
        return;
    }
    if (info.subtlType == -2 && m_info->EnableClosedCaption_Info(1)) {
        m_player->EnableClosedCaption_Player(1);
        return;
    }
    if (info.subtlType == -3 && m_info->SetSubtlIndex_Info(kNone)) {
        m_player->SetSubtlFile_Player(info.m_subtitleFile.constData());
        return;
    }
    // The index counts the record's track list, which also holds files; only a
    // stream of the source reaches the player as a stream number.
    const bool isStream = info.m_subtitleIndex >= 0 && uint32_t(info.m_subtitleIndex) < m_info->GetSubtlCount_Info();
    m_player->SetSubtlIndex_Player(isStream ? uint32_t(info.m_subtitleIndex) : kNone);
}

void VelPlayerManager::setSubtitleValueInfo(const VESubtitleValue_Info& info)
{
    if (!m_info || !m_info->IsCreateInfo() || !hasPlayer())
        return;
    if (!m_info->SetAudioIndex_Info(uint32_t(info.m_audioIndex)))
        return;
    m_player->SetAudioIndex_Player(uint32_t(info.m_audioIndex));
    const int64_t count = m_info->GetSubtlCount_Info();
    const int64_t choice = info.m_subtitleNumber; // from 1; 0 is no subtitle
    if (choice <= count) {
        const uint32_t stream = uint32_t(choice - 1);
        if (m_info->SetSubtlIndex_Info(stream))
            m_player->SetSubtlIndex_Player(stream);
    } else if (choice == count + 1) {
        if (m_info->EnableClosedCaption_Info(1))
            m_player->EnableClosedCaption_Player(1);
    } else if (m_info->SetSubtlIndex_Info(kNone)) {
        m_player->SetSubtlFile_Player(info.m_subtitleFile.constData());
    }
}

void VelPlayerManager::setSubtitleSettings(const VESubtitleSettings& s)
{
    if (!hasPlayer())
        return;
    m_player->SetSubtlAlpha_Player(s.m_alpha);
    m_player->SetSubtlDelay_Player(s.m_delay);
    m_player->SetSubtlTextBold_Player(s.m_bold);
    m_player->SetSubtlTextFont_Player(s.m_font.constData());
    m_player->SetSubtlTextSize_Player(s.m_size);
    m_player->SetSubtlTextItalic_Player(s.m_italic);
    m_player->SetSubtlTextOutlineColor_Player(s.m_outlineColor);
    m_player->SetSubtlTextOutlineSize_Player(s.m_outlineSize);
    m_player->SetSubtlScale_Player(s.m_scaleX, s.m_scaleY);
    m_player->SetSubtlTextShadowColor_Player(s.m_shadowColor);
    m_player->SetSubtlTextShadowOffset_Player(s.m_shadowOffset);
    m_player->SetSubtlTextColor_Player(s.m_color);
    m_player->SetSubtlTextStrikeout_Player(s.m_strikeout);
    m_player->SetSubtlTextUnderline_Player(s.m_underline);
    m_player->SetSubtlTextMarginH_Player(s.m_marginH);
    m_player->SetSubtlTextMarginV_Player(s.m_marginV);
    m_player->SetSubtlTextAlign_Player(s.m_align);
    m_player->SetSubtlTextSpacingH_Player(s.m_spacingH);
    m_player->SetSubtlTextSpacingV_Player(s.m_spacingV);
}

void VelPlayerManager::setEditConfig(const VEEditConfig& cfg)
{
    if (!hasPlayer())
        return;
    m_trimActive = cfg.m_trimStart != 0 || cfg.m_trimEnd != 0;
    m_trimStart = m_trimPlayStart = cfg.m_trimStart;
    m_trimEnd = m_trimPlayEnd = cfg.m_trimEnd;
    m_player->Seek_Player(m_trimStart);
    setCropSettings(cfg.m_cropSettings);
    setEqualizeSettings(cfg.m_audioSettings.m_equalize);
    setAudioEffectSettings(cfg.m_audioSettings.m_effect);
    setVideoEffectSettings(cfg.m_videoEffect);
    setAudioBackgroundSettingsSource(cfg.m_audioBackground, 0);
    setWatermarkSettingsSource(cfg.m_frameWk, 2);
    setWatermarkSettingsSource(cfg.m_videoEffectWk, 1);
    setCurrentWatermarkSettings(cfg.m_watermark, 0, true);
    setProgramValueInfo(cfg.m_programValue);
    setSubtitleSettings(cfg.m_subtitleSettings);
}
