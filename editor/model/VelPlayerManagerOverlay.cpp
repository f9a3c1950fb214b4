// Overlay layers: loading them into the player and the current overlay that the
// preview edits.
#include "VelPlayerManager.h"

#include "VelPlayerClass.h"

namespace {

bool hasText(const VEWatermarkSettings& ws)
{
    return !ws.m_textSettings.m_text.isEmpty() && ws.m_textSettings.m_text.at(0) != '\0';
}

bool hasImage(const VEWatermarkSettings& ws)
{
    return !ws.m_imageSettings.m_imageFile.isEmpty();
}

void loadImageGeometry(VelPlayerClass* p, const VEWatermarkImageSettings& im)
{
    p->SetWatermarkImageMirror_Player(im.m_mirror);
    p->SetWatermarkImagePosition_Player(im.m_posX, im.m_posY);
    p->SetWatermarkImageScale_Player(im.m_scaleX, im.m_scaleY);
    p->SetWatermarkImageAngle_Player(im.m_angle);
    p->SetWatermarkImageAlpha_Player(im.m_alpha);
    p->SetWatermarkImageMixMode_Player(im.m_mixMode);
    p->EnableWatermarkImageBorder_Player(int(im.m_border));
    p->SetWatermarkImageSize_Player(im.m_width, im.m_height);
    p->SetWatermarkImageLoop_Player(im.m_loop);
    p->SetWatermarkImageCrop_Player(im.m_cropRect.x(), im.m_cropRect.y(), im.m_cropRect.width(),
                                    im.m_cropRect.height());
    p->SetWatermarkImageShowTime_Player(im.m_showStart, im.m_showEnd);
    p->SetWatermarkImageSplitTime_Player(im.m_splitStart, im.m_splitEnd);
}

void loadTextStyle(VelPlayerClass* p, const VEWatermarkTextSettings& t)
{
    QByteArray font = t.m_font;
    if (font.startsWith('@'))
        font.remove(0, 1);
    p->SetWatermarkTextAlpha_Player(t.m_alpha);
    p->SetWatermarkTextPosition_Player(t.m_posX, t.m_posY);
    p->SetWatermarkTextAngle_Player(t.m_angle);
    p->SetWatermarkTextBold_Player(t.m_bold);
    p->SetWatermarkTextSize_Player(t.m_size);
    p->SetWatermarkTextFont_Player(font.constData());
    p->SetWatermarkTextColor_Player(t.m_color);
    p->SetWatermarkTextOutlineColor_Player(t.m_outlineColor);
    p->SetWatermarkTextOutlineSize_Player(t.m_outlineSize);
    p->SetWatermarkTextShadowColor_Player(t.m_shadowColor);
    p->SetWatermarkTextShadowOffset_Player(t.m_shadowOffset);
    p->SetWatermarkTextItalic_Player(t.m_italic);
    p->SetWatermarkTextUnderline_Player(t.m_underline);
    p->SetWatermarkTextStrikeout_Player(t.m_strikeout);
    p->SetWatermarkTextScale_Player(t.m_scaleX, t.m_scaleY);
    p->EnableWatermarkTextBorder_Player(t.m_border);
    p->SetWatermarkTextLayerTopmost_Player(t.m_topmost);
    p->SetWatermarkTextSpacingH_Player(t.m_spacingH);
    p->SetWatermarkTextSpacingV_Player(t.m_spacingV);
    p->SetWatermarkTextShowTime_Player(t.m_showStart, t.m_showEnd);
}

} // namespace

void VelPlayerManager::fullLoad(const VEWatermarkSettings& ws)
{
    if (!hasPlayer())
        return;
    VelPlayerClass* p = m_player;
    if (hasImage(ws)) {
        const VEWatermarkImageSettings& im = ws.m_imageSettings;
        p->SetWatermarkImageFile_Player(im.m_imageFile.constData());
        p->SetWatermarkImageMaskFile_Player(im.m_maskFile.constData());
        loadImageGeometry(p, im);
    } else {
        p->SetWatermarkImageFile_Player(nullptr);
        p->SetWatermarkImageMaskFile_Player(nullptr);
    }
    if (hasText(ws)) {
        p->SetWatermarkText_Player(ws.m_textSettings.m_text.constData());
        loadTextStyle(p, ws.m_textSettings);
    } else {
        p->SetWatermarkText_Player(nullptr);
    }
    p->SetWatermarkBorderAlpha_Player(0);
}

void VelPlayerManager::partialLoad(const VEWatermarkSettings& ws)
{
    if (!hasPlayer())
        return;
    // The loaded files stay; an absent text or image is left as it was loaded.
    if (hasImage(ws)) {
        m_player->EnableWatermarkImageBorder_Player(int(ws.m_imageSettings.m_border));
        loadImageGeometry(m_player, ws.m_imageSettings);
    }
    if (hasText(ws))
        loadTextStyle(m_player, ws.m_textSettings);
}

void VelPlayerManager::setWatermarkSettingsSource(const VEWatermarkSettings& settings, int index)
{
    if (!m_player)
        return;
    m_selectedLayer = index;
    m_player->BeginSettings_Player();
    m_player->SetWatermarkIndex_Player(uint32_t(index));
    fullLoad(settings);
    m_player->EndSettings_Player();
}

void VelPlayerManager::setWatermarkSettingsNotSource(const VEWatermarkSettings& settings, int index)
{
    if (!m_player)
        return;
    m_selectedLayer = index;
    m_player->BeginSettings_Player();
    m_player->SetWatermarkIndex_Player(uint32_t(index));
    partialLoad(settings);
    m_player->EndSettings_Player();
}

void VelPlayerManager::setCurrentWatermarkSettings(const VEWatermarkSettings& settings, int index, bool refresh)
{
    if (&settings == &m_currentWatermark || index < 0)
        return;
    loadCurrent(settings, index, refresh, true);
}

void VelPlayerManager::setCurrentWatermarkSettingsNotSource(const VEWatermarkSettings& settings, int index,
                                                            bool refresh)
{
    // The drag pushes the current overlay itself through here, so unlike the
    // full load it is not ignored.
    if (index < 0)
        return;
    loadCurrent(settings, index, refresh, false);
}

void VelPlayerManager::loadCurrent(const VEWatermarkSettings& settings, int index, bool refresh, bool source)
{
    VEWatermarkSettings current = settings;
    m_currentWatermarkIndex = index;
    m_selectedLayer = index;
    if (source)
        setWatermarkSettingsSource(current, index);
    else
        setWatermarkSettingsNotSource(current, index);
    if (refresh && m_player) {
        m_player->RefreshVideoFrame_Player();
        VEWatermarkTextSettings& t = current.m_textSettings;
        VEWatermarkImageSettings& im = current.m_imageSettings;
        const bool text = hasText(current) || !source;
        const bool image = hasImage(current) || !source;
        t.m_layoutWidth = text ? m_player->GetWatermarkTextWidth_Player() : 0.0;
        t.m_layoutHeight = text ? m_player->GetWatermarkTextHeight_Player() : 0.0;
        if (source && text) {
            t.m_posX = m_player->GetWatermarkTextPosX_Player();
            t.m_posY = m_player->GetWatermarkTextPosY_Player();
        }
        im.m_layoutWidth = image ? m_player->GetWatermarkImageWidth_Player() : 0.0;
        im.m_layoutHeight = image ? m_player->GetWatermarkImageHeight_Player() : 0.0;
        if (image) {
            im.m_posX = m_player->GetWatermarkImagePosX_Player();
            im.m_posY = m_player->GetWatermarkImagePosY_Player();
        }
    }
    m_currentWatermark = current;
    emit emitWatermarkRectChange(m_currentWatermark, m_currentWatermarkIndex);
}

void VelPlayerManager::getCurrentWatermarkSettings(VEWatermarkSettings& settings, int& index) const
{
    settings = m_currentWatermark;
    index = m_currentWatermarkIndex;
}

void VelPlayerManager::setWatermarkSettingsList(const QList<VEWatermarkSettings>& list)
{
    if (!hasPlayer() || list.isEmpty())
        return;
    m_player->SetVideoWatermarkMaxCount_Player(uint32_t(list.size()));
    m_player->BeginSettings_Player();
    for (int i = 0; i < list.size(); ++i) {
        m_player->SetWatermarkIndex_Player(uint32_t(i));
        fullLoad(list.at(i));
    }
    m_player->EndSettings_Player();
    m_player->ShowVideoFrame_Player();
}
