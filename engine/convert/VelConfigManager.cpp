#include "VelConfigManager.h"

#include "VEHelper.h"

#include "zovAruzIvivu.h"

#include "EngineLog.h"
#include <QVector>

namespace {

constexpr uint32_t kNone = 0xFFFFFFFF;
constexpr uint32_t kMovText = 94213;   // 0x17005
constexpr uint32_t kPlainText = 94210; // 0x17002

int firstSelectedAudio(const VEEditConfig &edit)
{
    for (int i = 0; i < edit.m_audioTracks.size(); ++i) {
        if (edit.m_audioTracks.at(i).m_bSelected)
            return i;
    }
    return -1;
}

int firstSelectedSubtitle(const VEEditConfig &edit)
{
    for (int i = 0; i < edit.m_subtitleTracks.size(); ++i) {
        if (edit.m_subtitleTracks.at(i).m_bSelected)
            return i;
    }
    return -1;
}

void applySubtitles(ZvConfig *config, const VEEditConfig &edit)
{
    const int type = edit.m_programValue.subtlType;
    if (type == -3) {
        ZV_SetSubtlFile_Config(config, edit.m_programValue.m_subtitleFile.constData());
    } else if (type == -2) {
        ZV_EnableClosedCaption_Config(config, 1);
    } else if (type == -1) {
        ZV_SetSubtlIndex_Config(config, kNone);
    } else {
        const int first = firstSelectedSubtitle(edit);
        ZV_SetSubtlIndex_Config(config, first < 0 ? kNone : uint32_t(first));
        if (!edit.m_bLossless)
            return;
        ZV_SetSubtlFile_Config(config, "");
        ZV_SetSubtlTrackMask_Config(config, VelConfigManager::subtitleTrackMask(edit));
        if (first >= 0) {
            if (edit.m_fileFormat == QLatin1String("mov"))
                ZV_SetSubtlCodec_Config(config, kMovText);
            else if (edit.m_subtitleTracks.at(first).m_trackInfo.isClosedCaption())
                ZV_SetSubtlCodec_Config(config, kPlainText);
        }
    }
}

void setTextField(ZvTagWriter *writer, uint32_t field, const QByteArray &text)
{
    if (text.isEmpty())
        return;
    const QVector<uint32_t> utf32 = VEHelper::ConvertCharToUtft32(text.constData());
    if (utf32.size() < 2)
        return;
    ZV_SetField_TagWriter(writer, field, utf32.constData(), uint32_t((utf32.size() - 1) * 4));
}

} // namespace

VelConfigManager::VelConfigManager(QObject *parent) : QObject(parent) {}

VelConfigManager::~VelConfigManager() = default;

QByteArray VelConfigManager::fontName(const QByteArray &font)
{
    return font.startsWith('@') ? font.mid(1) : font;
}

uint64_t VelConfigManager::audioTrackMask(const VEEditConfig &edit)
{
    uint64_t mask = 0;
    for (int k = 0; k < edit.m_audioTracks.size(); ++k) {
        if (edit.m_audioTracks.at(k).m_bSelected)
            mask |= uint64_t(1) << (k % 64);
    }
    return mask;
}

uint64_t VelConfigManager::subtitleTrackMask(const VEEditConfig &edit)
{
    uint64_t mask = 0;
    const bool mov = edit.m_fileFormat == QLatin1String("mov");
    for (int k = 0; k < edit.m_subtitleTracks.size(); ++k) {
        const EVSubtitleTrack &t = edit.m_subtitleTracks.at(k);
        if (t.m_trackInfo.m_firstId == 1)
            break;   // files beside the source come last and are not streams
        if (!t.m_bSelected)
            continue;
        if (!mov && t.m_trackInfo.isClosedCaption())
            continue;   // captions go only into mov outputs
        mask |= uint64_t(1) << (k % 64);
    }
    return mask;
}

void VelConfigManager::setEditConfig(ZvConfig *config, VEEditConfig edit)
{
    if (!config)
        return;
    const VEVideoEffectSettings &fx = edit.m_videoEffect;
    ZV_SetVideoBrightness_Config(config, uint32_t(fx.brightness));
    ZV_SetVideoSaturation_Config(config, uint32_t(fx.saturation));
    ZV_SetVideoContrast_Config(config, uint32_t(fx.contrast));
    ZV_SetVideoHue_Config(config, uint32_t(fx.hue));

    ZV_SetProgrIndex_Config(config, uint32_t(edit.m_programValue.ProgramIndex));
    if (edit.m_programValue.audioType == -1) {
        ZV_SetAudioIndex_Config(config, kNone);
    } else {
        const int first = firstSelectedAudio(edit);
        ZV_SetAudioIndex_Config(config, first < 0 ? kNone : uint32_t(first));
    }
    if (edit.m_bLossless) {
        ZV_SetAudioTrackMask_Config(config, audioTrackMask(edit));
        ZV_SetAudioFile_Config(config, "");
    }
    applySubtitles(config, edit);
    setConfigSubtitleSettings(config, edit.m_subtitleSettings);
    if (!edit.m_bOverlayCountSet)
        ZV_SetVideoWatermarkMaxCount_Config(config, 3);
    setConfigWatermarkSettings(config, edit.m_watermark, 0);
    setConfigWatermarkSettings(config, edit.m_videoEffectWk, 1);
    setConfigWatermarkSettings(config, edit.m_frameWk, 2);
    setConfigAudioBackgroundSettings(config, edit.m_audioBackground, 0);
    setConfigCropSettings(config, edit.m_cropSettings, edit.m_outputWidth, edit.m_outputHeight);
    setAudioSettings(config, edit.m_audioSettings);
}

void VelConfigManager::setConfigCropSettings(ZvConfig *config, VECropSettings crop, int outputWidth,
                                             int outputHeight)
{
    if (!config)
        return;
    const bool turned = crop.m_rotation % 180 != 0;
    if (crop.m_aspectMode == 2 && turned)
        ZV_SetVideoAspectRatio_Config(config, uint32_t(crop.m_aspectHeight), uint32_t(crop.m_aspectWidth));
    else
        ZV_SetVideoAspectRatio_Config(config, uint32_t(crop.m_aspectWidth), uint32_t(crop.m_aspectHeight));
    ZV_SetVideoRotate_Config(config, uint32_t(crop.m_rotation));
    ZV_SetVideoMirror_Config(config, uint32_t(crop.m_mirror));
    const QRectF &r = crop.m_cropRect;
    if (crop.m_padding != 0 && crop.m_cropMode == 1) {
        if (crop.m_aspectMode == 2) {
            ZV_SetVideoPadAndColor_Config(config, 0, crop.m_padColor);
            ZV_SetVideoCrop_Config(config, r.x(), r.y(), r.width(), r.height());
        } else {
            if (turned)
                ZV_SetVideoAspectRatio_Config(config, uint32_t(outputHeight), uint32_t(outputWidth));
            else
                ZV_SetVideoAspectRatio_Config(config, uint32_t(outputWidth), uint32_t(outputHeight));
            ZV_SetVideoPadAndColor_Config(config, 0, crop.m_padColor);
            const QRectF &p = crop.m_padCropRect;
            ZV_SetVideoCrop_Config(config, p.x(), p.y(), p.width(), p.height());
        }
        return;
    }
    ZV_SetVideoPadAndColor_Config(config, crop.m_aspectMode == 2 ? 0 : uint32_t(crop.m_padding), crop.m_padColor);
    ZV_SetVideoCrop_Config(config, r.x(), r.y(), r.width(), r.height());
}

void VelConfigManager::setConfigWatermarkSettings(ZvConfig *config, VEWatermarkSettings layer, int index)
{
    if (!config)
        return;
    ZV_SetWatermarkIndex_Config(config, uint32_t(index));
    const VEWatermarkImageSettings &img = layer.m_imageSettings;
    if (!img.m_imageFile.isEmpty()) {
        ZV_SetWatermarkImageFile_Config(config, img.m_imageFile.constData());
        ZV_SetWatermarkImageMaskFile_Config(config, img.m_maskFile.constData());
        ZV_SetWatermarkImageMirror_Config(config, img.m_mirror);
        ZV_SetWatermarkImagePosition_Config(config, img.m_posX, img.m_posY);
        ZV_SetWatermarkImageScale_Config(config, img.m_scaleX, img.m_scaleY);
        ZV_SetWatermarkImageAngle_Config(config, img.m_angle);
        ZV_SetWatermarkImageAlpha_Config(config, img.m_alpha);
        ZV_SetWatermarkImageMixMode_Config(config, img.m_mixMode);
        ZV_SetWatermarkImageSize_Config(config, img.m_width, img.m_height);
        ZV_SetWatermarkImageLoop_Config(config, img.m_loop);
        const QRectF &c = img.m_cropRect;
        ZV_SetWatermarkImageCrop_Config(config, c.x(), c.y(), c.width(), c.height());
    }
    const VEWatermarkTextSettings &txt = layer.m_textSettings;
    if (!txt.m_text.isEmpty()) {
        ZV_SetWatermarkText_Config(config, txt.m_text.constData());
        ZV_SetWatermarkTextAlpha_Config(config, txt.m_alpha);
        ZV_SetWatermarkTextPosition_Config(config, txt.m_posX, txt.m_posY);
        ZV_SetWatermarkTextAngle_Config(config, txt.m_angle);
        ZV_SetWatermarkTextBold_Config(config, txt.m_bold);
        ZV_SetWatermarkTextSize_Config(config, txt.m_size);
        ZV_SetWatermarkTextFont_Config(config, fontName(txt.m_font).constData());
        ZV_SetWatermarkTextColor_Config(config, txt.m_color);
        ZV_SetWatermarkTextOutlineColor_Config(config, txt.m_outlineColor);
        ZV_SetWatermarkTextOutlineSize_Config(config, txt.m_outlineSize);
        ZV_SetWatermarkTextShadowColor_Config(config, txt.m_shadowColor);
        ZV_SetWatermarkTextShadowOffset_Config(config, txt.m_shadowOffset);
        ZV_SetWatermarkTextItalic_Config(config, txt.m_italic);
        ZV_SetWatermarkTextUnderline_Config(config, txt.m_underline);
        ZV_SetWatermarkTextStrikeout_Config(config, txt.m_strikeout);
        ZV_SetWatermarkTextScale_Config(config, txt.m_scaleX, txt.m_scaleY);
        ZV_SetWatermarkTextLayerTopmost_Config(config, txt.m_topmost);
        ZV_SetWatermarkTextSpacingH_Config(config, txt.m_spacingH);
        ZV_SetWatermarkTextSpacingV_Config(config, txt.m_spacingV);
    }
}

void VelConfigManager::setConfigSubtitleSettings(ZvConfig *config, VESubtitleSettings s)
{
    if (!config)
        return;
    ZV_SetSubtlAlpha_Config(config, s.m_alpha);
    ZV_SetSubtlScale_Config(config, s.m_scaleX, s.m_scaleY);
    ZV_SetSubtlDelay_Config(config, s.m_delay);
    ZV_SetSubtlTextFont_Config(config, fontName(s.m_font).constData());
    ZV_SetSubtlTextBold_Config(config, s.m_bold);
    ZV_SetSubtlTextItalic_Config(config, s.m_italic);
    ZV_SetSubtlTextUnderline_Config(config, s.m_underline);
    ZV_SetSubtlTextStrikeout_Config(config, s.m_strikeout);
    ZV_SetSubtlTextSize_Config(config, s.m_size);
    ZV_SetSubtlTextColor_Config(config, s.m_color);
    ZV_SetSubtlTextShadowColor_Config(config, s.m_shadowColor);
    ZV_SetSubtlTextOutlineColor_Config(config, s.m_outlineColor);
    ZV_SetSubtlTextShadowOffset_Config(config, s.m_shadowOffset);
    ZV_SetSubtlTextOutlineSize_Config(config, s.m_outlineSize);
    ZV_SetSubtlTextMarginH_Config(config, s.m_marginH);
    ZV_SetSubtlTextMarginV_Config(config, s.m_marginV);
    ZV_SetSubtlTextAlign_Config(config, s.m_align);
    ZV_SetSubtlTextSpacingH_Config(config, s.m_spacingH);
    ZV_SetSubtlTextSpacingV_Config(config, s.m_spacingV);
}

void VelConfigManager::setConfigAudioBackgroundSettings(ZvConfig *config, VEAudioBackgroundSettings b, int index)
{
    if (!config)
        return;
    ZV_SetAudioBackgroundIndex_Config(config, uint32_t(index));
    if (b.m_file.isEmpty())
        return;
    ZV_SetAudioBackgroundFile_Config(config, b.m_file.constData());
    ZV_SetAudioBackgroundLoop_Config(config, b.m_loop);
    ZV_SetAudioBackgroundMixMode_Config(config, b.m_mixMode);
    ZV_SetAudioBackgroundVolume_Config(config, b.m_volume);
    ZV_SetAudioBackgroundWeight_Config(config, b.m_weight);
    ZV_SetAudioBackgroundShowTime_Config(config, b.m_showStart, b.m_showEnd);
    ZV_SetAudioBackgroundSplitTime_Config(config, b.m_splitStart, b.m_splitEnd);
}

void VelConfigManager::setAudioSettings(ZvConfig *config, VEAudioSettings s)
{
    if (!config)
        return;
    ZV_SetAudioVolume_Config(config, s.m_effect.m_volume);
    ZV_SetAudioRate_Config(config, s.m_effect.m_rate);
    ZV_SetAudioSpeed_Config(config, uint32_t(s.m_effect.m_speed));
    setConfigEqualizeSettings(config, s.m_equalize);
}

void VelConfigManager::setConfigEqualizeSettings(ZvConfig *config, VEEqualizeSettings settings)
{
    if (!config)
        return;
    const int n = settings.count();
    QVector<double> hz, db;
    for (int i = 0; i < n; ++i) {
        hz << settings.frequency(i);
        db << settings.gain(i);
    }
    ZV_SetAudioEqualize_Config(config, n ? hz.constData() : nullptr, n ? db.constData() : nullptr, uint32_t(n));
}

void VelConfigManager::setEditConfigContainAudioTag(ZvConfig *config, VEEditConfig edit)
{
    setEditConfig(config, edit);
    setAudioTagInfoSettings(config, edit.m_audioTagInfo);
}

void VelConfigManager::setAudioTagInfoSettings(ZvConfig *config, VEAudioTagInfo t)
{
    if (!config)
        return;
    const std::pair<const char *, const QByteArray *> entries[] = {
        {"title", &t.m_title},       {"artist", &t.m_artist},   {"album_artist", &t.m_albumArtist},
        {"composer", &t.m_composer}, {"album", &t.m_album},     {"genre", &t.m_genre},
        {"track", &t.m_track},       {"year", &t.m_year},       {"date", &t.m_date},
        {"grouping", &t.m_grouping}, {"comment", &t.m_comment}, {"disc", &t.m_disc},
        {"copyright", &t.m_copyright}};
    // An empty text would blank the tag copied from the source.
    for (const auto &[key, value] : entries) {
        if (!value->isEmpty())
            ZV_SetMetaData_Config(config, key, value->constData());
    }
    if (!t.m_cover.isEmpty()) {
        const uint32_t size = t.m_coverSize ? qMin<uint32_t>(t.m_coverSize, uint32_t(t.m_cover.size()))
                                            : uint32_t(t.m_cover.size());
        if (ZvPicture *picture = ZV_Create_Picture(t.m_cover.constData(), size)) {
            ZV_SetMetaDataPicture_Config(config, "cover_image", picture);
            ZV_Release_Picture(picture);
        }
    }
}

bool VelConfigManager::setAudioTagInfoSettings(const char *path, VEAudioTagInfo t)
{
    if (!path)
        return true;
    ZvTagWriter *writer = ZV_Create_TagWriter();
    if (!writer)
        return true;
    const QVector<uint32_t> utf32Path = VEHelper::ConvertCharToUtft32(path);
    if (utf32Path.isEmpty() || ZV_Open_TagWriter(writer, utf32Path.constData()) != 0) {
        ZV_Destroy_TagWriter(writer);
        return true;
    }
    setTextField(writer, 0, t.m_title);
    setTextField(writer, 1, t.m_artist);
    setTextField(writer, 2, t.m_album);
    setTextField(writer, 3, t.m_genre);
    setTextField(writer, 4, t.m_year);
    setTextField(writer, 5, t.m_track);
    setTextField(writer, 6, t.m_comment);
    setTextField(writer, 7, t.m_copyright);
    if (!t.m_cover.isEmpty()) {
        const uint32_t size = t.m_coverSize ? qMin<uint32_t>(t.m_coverSize, uint32_t(t.m_cover.size()))
                                            : uint32_t(t.m_cover.size());
        ZV_SetPicture_TagWriter(writer, 9, t.m_cover.constData(), size);
    }
    if (ZV_Save_TagWriter(writer) != 1)
        qCWarning(lcEngine).noquote() << "tags could not be written into" << path << "; the file is kept as it was";
    ZV_Close_TagWriter(writer);
    ZV_Destroy_TagWriter(writer);
    return true;
}

void VelConfigManager::setTagWriterSettings(ZvConfig *config, VEAudioTagInfo t)
{
    if (!config)
        return;
    const std::pair<uint32_t, const QByteArray *> texts[] = {{0, &t.m_title},   {1, &t.m_artist}, {2, &t.m_album},
                                                              {3, &t.m_genre},   {4, &t.m_year},   {5, &t.m_track},
                                                              {6, &t.m_comment}, {7, &t.m_copyright}};
    // An empty text is no tag to write.
    for (const auto &[field, text] : texts) {
        if (!text->isEmpty())
            ZV_SetTag_Config(config, field, text->constData());
    }
    if (!t.m_cover.isEmpty()) {
        const uint32_t size = t.m_coverSize ? qMin<uint32_t>(t.m_coverSize, uint32_t(t.m_cover.size()))
                                            : uint32_t(t.m_cover.size());
        ZV_SetTagPicture_Config(config, t.m_cover.constData(), size);
    }
}
