// The player's overlay-layer setters (image and text of the selected layer)
// and the read-backs of the last layout.
#include "player/PlayerSettingHelpers.h"

#include "core/Log.h"
#include "edit/OverlayReader.h"

using zv::PlayerSettings;
using namespace zv::settings;

extern "C" {

// ---- overlay layers ----

int ZV_SetWatermarkIndex_Player(ZvPlayer *p, uint32_t layer)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.overlayIndex = clampU(layer, 0, 2); });
}
// A file the preview could not show is refused, rather than stored and then
// silently left out of the picture.
static bool decodable(ZvPlayer *p, const char *call, const char *path)
{
    return onPlayer(p, call, [&](zv::Player &) {
        if (!path || !*path)
            return 1;
        zv::OverlayReader reader;
        std::string error;
        if (reader.open(path, &error) >= 0)
            return 1;
        zv::zvLog("%s: %s", call, error.c_str());
        return 0;
    }) != 0;
}
int ZV_SetWatermarkImageFile_Player(ZvPlayer *p, const char *path)
{
    if (!decodable(p, __func__, path))
        return 0;
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().image.file = text(path); });
}
int ZV_SetWatermarkImageMaskFile_Player(ZvPlayer *p, const char *path)
{
    if (!decodable(p, __func__, path))
        return 0;
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().image.maskFile = text(path); });
}
int ZV_SetWatermarkImageMirror_Player(ZvPlayer *p, uint32_t mirror)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().image.mirror = mirror ? 1 : 0; });
}
int ZV_SetWatermarkImageBrightness_Player(ZvPlayer *p, uint32_t value) { return reserve(p, __func__, value); }
int ZV_SetWatermarkImageSaturation_Player(ZvPlayer *p, uint32_t value) { return reserve(p, __func__, value); }
int ZV_SetWatermarkImageContrast_Player(ZvPlayer *p, uint32_t value) { return reserve(p, __func__, value); }
int ZV_SetWatermarkImageHue_Player(ZvPlayer *p, uint32_t value) { return reserve(p, __func__, value); }
int ZV_SetWatermarkImageYOffset_Player(ZvPlayer *p, uint32_t value) { return reserve(p, __func__, value); }
int ZV_SetWatermarkImageMixMode_Player(ZvPlayer *p, uint32_t mode)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().image.mixMode = mode <= 4 ? mode : 0; });
}
int ZV_SetWatermarkImageAlpha_Player(ZvPlayer *p, uint32_t alpha)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().image.alpha = clampU(alpha, 0, 255); });
}
int ZV_SetWatermarkImageLoop_Player(ZvPlayer *p, uint32_t loop)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().image.loop = loop ? 1 : 0; });
}
int ZV_EnableWatermarkImageBordert_Player(ZvPlayer *p, uint32_t on) { return reserve(p, __func__, on); }
int ZV_SetWatermarkBorderAlpha_Player(ZvPlayer *p, uint32_t alpha)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.watermarkBorderAlpha = clampU(alpha, 0, 255); });
}
int ZV_EnableWatermarkImageBorder_Player(ZvPlayer *p, int on)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.imageBorders[s.edit.overlayIndex] = on ? 1 : 0; });
}
int ZV_SetWatermarkImageAngle_Player(ZvPlayer *p, int degrees)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().image.angle = degrees % 360; });
}
int ZV_SetWatermarkImagePosition_Player(ZvPlayer *p, double x, double y)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.edit.layer().image.x = x;
        s.edit.layer().image.y = y;
    });
}
int ZV_SetWatermarkImageSize_Player(ZvPlayer *p, double w, double h)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.edit.layer().image.w = std::max(w, 0.0);
        s.edit.layer().image.h = std::max(h, 0.0);
    });
}
int ZV_SetWatermarkImageScale_Player(ZvPlayer *p, uint32_t sx, uint32_t sy)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.edit.layer().image.scaleX = sx;
        s.edit.layer().image.scaleY = sy;
    });
}
int ZV_SetWatermarkImageCrop_Player(ZvPlayer *p, double x, double y, double w, double h)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        auto &img = s.edit.layer().image;
        img.cropX = frac(x);
        img.cropY = frac(y);
        img.cropW = std::clamp(w, 0.0, 1.0 - img.cropX);
        img.cropH = std::clamp(h, 0.0, 1.0 - img.cropY);
    });
}
int ZV_SetWatermarkImageShowTime_Player(ZvPlayer *p, uint64_t start, uint64_t end)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.times().imageShowStart = start;
        s.times().imageShowEnd = end;
    });
}
int ZV_SetWatermarkImageSplitTime_Player(ZvPlayer *p, uint64_t start, uint64_t end)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.times().imageSplitStart = start;
        s.times().imageSplitEnd = end;
    });
}

// ---- overlay text ----

int ZV_SetWatermarkText_Player(ZvPlayer *p, const char *value)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().text.text = text(value); });
}
int ZV_SetWatermarkTextFont_Player(ZvPlayer *p, const char *family)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().text.font = text(family); });
}
int ZV_SetWatermarkTextFontFile_Player(ZvPlayer *p, const char *) { return reserve(p, __func__, 0); }
int ZV_SetWatermarkTextSize_Player(ZvPlayer *p, uint32_t size)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().text.size = size; });
}
int ZV_SetWatermarkTextBold_Player(ZvPlayer *p, uint32_t on)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().text.bold = on ? 1 : 0; });
}
int ZV_SetWatermarkTextItalic_Player(ZvPlayer *p, uint32_t on)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().text.italic = on ? 1 : 0; });
}
int ZV_SetWatermarkTextUnderline_Player(ZvPlayer *p, uint32_t on)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().text.underline = on ? 1 : 0; });
}
int ZV_SetWatermarkTextStrikeout_Player(ZvPlayer *p, uint32_t on)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().text.strikeout = on ? 1 : 0; });
}
int ZV_SetWatermarkTextAlign_Player(ZvPlayer *p, uint32_t align) { return reserve(p, __func__, align); }
int ZV_SetWatermarkTextAlpha_Player(ZvPlayer *p, uint32_t alpha)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().text.alpha = clampU(alpha, 0, 255); });
}
int ZV_SetWatermarkTextLayerTopmost_Player(ZvPlayer *p, uint32_t on)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().text.topmost = on ? 1 : 0; });
}
int ZV_EnableWatermarkTextBorder_Player(ZvPlayer *p, uint32_t on) { return reserve(p, __func__, on); }
int ZV_SetWatermarkTextColor_Player(ZvPlayer *p, uint32_t argb)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().text.color = argb; });
}
int ZV_SetWatermarkTextShadowColor_Player(ZvPlayer *p, uint32_t argb)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().text.shadowColor = argb; });
}
int ZV_SetWatermarkTextOutlineColor_Player(ZvPlayer *p, uint32_t argb)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().text.outlineColor = argb; });
}
int ZV_SetWatermarkTextShadowOffset_Player(ZvPlayer *p, double value)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().text.shadowOffset = std::max(value, 0.0); });
}
int ZV_SetWatermarkTextOutlineSize_Player(ZvPlayer *p, double value)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().text.outlineSize = std::max(value, 0.0); });
}
int ZV_SetWatermarkTextSpacingH_Player(ZvPlayer *p, double value)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().text.spacingH = value; });
}
int ZV_SetWatermarkTextSpacingV_Player(ZvPlayer *p, double value)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().text.spacingV = value; });
}
int ZV_SetWatermarkTextAngle_Player(ZvPlayer *p, int degrees)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().text.angle = degrees % 360; });
}
int ZV_SetWatermarkTextPosition_Player(ZvPlayer *p, double x, double y)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.edit.layer().text.x = x;
        s.edit.layer().text.y = y;
    });
}
int ZV_SetWatermarkTextScale_Player(ZvPlayer *p, uint32_t sx, uint32_t sy)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.edit.layer().text.scaleX = sx;
        s.edit.layer().text.scaleY = sy;
    });
}
int ZV_SetWatermarkTextShowTime_Player(ZvPlayer *p, uint64_t start, uint64_t end)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.times().textShowStart = start;
        s.times().textShowEnd = end;
    });
}

// Read-backs: the selected layer's element box as the chain last placed it
// (0 for an absent element).
static double box(ZvPlayer *p, const char *call, bool text, double zv::ElementBox::*field)
{
    if (!p)
        return 0.0;
    return zv::guarded(call, 0.0, [&] {
        const zv::ElementBox b = p->player.overlayBox(text);
        return b.present ? b.*field : 0.0;
    });
}
double ZV_GetWatermarkTextWidth_Player(ZvPlayer *p) { return box(p, __func__, true, &zv::ElementBox::width); }
double ZV_GetWatermarkTextHeight_Player(ZvPlayer *p) { return box(p, __func__, true, &zv::ElementBox::height); }
double ZV_GetWatermarkTextPosX_Player(ZvPlayer *p) { return box(p, __func__, true, &zv::ElementBox::x); }
double ZV_GetWatermarkTextPosY_Player(ZvPlayer *p) { return box(p, __func__, true, &zv::ElementBox::y); }
double ZV_GetWatermarkImageWidth_Player(ZvPlayer *p) { return box(p, __func__, false, &zv::ElementBox::width); }
double ZV_GetWatermarkImageHeight_Player(ZvPlayer *p) { return box(p, __func__, false, &zv::ElementBox::height); }
double ZV_GetWatermarkImagePosX_Player(ZvPlayer *p) { return box(p, __func__, false, &zv::ElementBox::x); }
double ZV_GetWatermarkImagePosY_Player(ZvPlayer *p) { return box(p, __func__, false, &zv::ElementBox::y); }

} // extern "C"
