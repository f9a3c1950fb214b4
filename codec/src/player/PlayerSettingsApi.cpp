// The player's edit setters and read-backs. Each stores its value (clamped)
// in the player's settings and marks the edit chain dirty; none waits for
// decoding. Members without a caller keep their value by name.
#include "player/Player.h"

#include "core/Guard.h"

#include <algorithm>

using zv::PlayerSettings;

namespace {

template <typename F>
int setting(ZvPlayer *p, const char *call, F &&apply)
{
    if (!p)
        return 0;
    return zv::guarded(call, 0, [&] {
        p->player.changeSettings(apply);
        return 1;
    });
}

int reserve(ZvPlayer *p, const char *call, int64_t value)
{
    return setting(p, call, [&](PlayerSettings &s) { s.reserved[call] = value; });
}

std::string text(const char *s) { return s ? s : ""; }
uint32_t clampU(uint32_t v, uint32_t lo, uint32_t hi) { return std::clamp(v, lo, hi); }
int32_t clampI(uint32_t v, int32_t lo, int32_t hi) { return std::clamp(int32_t(v), lo, hi); }
double frac(double v) { return std::clamp(v, 0.0, 1.0); }
uint32_t rightAngle(int64_t degrees) { return uint32_t((((degrees / 90) % 4) + 4) % 4 * 90); }

double readBack(ZvPlayer *p, const char *call, double (*get)(PlayerSettings &))
{
    if (!p)
        return 0.0;
    return zv::guarded(call, 0.0, [&] {
        double v = 0.0;
        p->player.changeSettings([&](PlayerSettings &s) { v = get(s); });
        return v;
    });
}

} // namespace

extern "C" {

int ZV_BeginSettings_Player(ZvPlayer *p)
{
    if (!p)
        return 0;
    p->player.beginSettings();
    return 1;
}

int ZV_EndSettings_Player(ZvPlayer *p)
{
    if (!p)
        return 0;
    p->player.endSettings();
    return 1;
}

int ZV_EnableShowWhenSetting_Player(ZvPlayer *p, uint32_t on)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.showWhenSetting = on ? 1 : 0; });
}

// ---- speed, loop-free audio values ----

int ZV_ChangeSpeed_Player(ZvPlayer *p, int percent)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.speed = uint32_t(std::clamp(percent, 25, 400)); });
}

int ZV_SetAudioRate_Player(ZvPlayer *p, uint64_t percent)
{
    return setting(p, __func__,
                   [&](PlayerSettings &s) { s.edit.rate = uint32_t(std::clamp<uint64_t>(percent, 25, 400)); });
}

int ZV_SetAudioVolume_Player(ZvPlayer *p, uint64_t percent)
{
    if (!p)
        return 0;
    const int v = int(std::min<uint64_t>(percent, 200));
    p->player.setVolume(v);
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.volume = uint32_t(v); });
}

int ZV_SetAudioRendererVolume_Player(ZvPlayer *p, uint64_t percent)
{
    if (!p)
        return 0;
    const int v = int(std::min<uint64_t>(percent, 1000));
    p->player.setRendererVolume(v);
    return setting(p, __func__, [&](PlayerSettings &s) { s.rendererVolume = uint32_t(v); });
}

int ZV_SetAudioEqualize_Player(ZvPlayer *p, const double *hz, const double *db, uint32_t count)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.edit.eqHz.clear();
        s.edit.eqDb.clear();
        if (hz && db && count) {
            s.edit.eqHz.assign(hz, hz + count);
            s.edit.eqDb.assign(db, db + count);
        }
    });
}

// ---- picture ----

int ZV_SetVideoRotate_Player(ZvPlayer *p, uint32_t degrees)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.rotate = rightAngle(degrees); });
}
int ZV_SetVideoMirror_Player(ZvPlayer *p, uint32_t mirror)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.mirror = mirror ? 1 : 0; });
}
int ZV_SetVideoSaturation_Player(ZvPlayer *p, uint32_t percent)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.saturation = clampU(percent, 0, 200); });
}
int ZV_SetVideoContrast_Player(ZvPlayer *p, uint32_t percent)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.contrast = clampU(percent, 0, 300); });
}
int ZV_SetVideoHue_Player(ZvPlayer *p, uint32_t degrees)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.hue = clampI(degrees, -180, 180); });
}
int ZV_SetVideoYOffset_Player(ZvPlayer *p, uint32_t offset)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.brightness = clampI(offset, -254, 254); });
}
int ZV_SetVideoWatermarkMaxCount_Player(ZvPlayer *p, uint32_t count)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.watermarkMaxCount = count; });
}
int ZV_SetVideoPadAndColor_Player(ZvPlayer *p, uint32_t pad, uint32_t argb)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.edit.pad = pad ? 1 : 0;
        s.edit.padColor = argb;
    });
}
int ZV_SetVideoAspectRatio_Player(ZvPlayer *p, uint32_t x, uint32_t y)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.edit.aspectX = x && y ? x : 0;
        s.edit.aspectY = x && y ? y : 0;
    });
}
int ZV_SetVideoCrop_Player(ZvPlayer *p, double x, double y, double w, double h)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.edit.cropX = frac(x);
        s.edit.cropY = frac(y);
        s.edit.cropW = std::clamp(w, 0.0, 1.0 - s.edit.cropX);
        s.edit.cropH = std::clamp(h, 0.0, 1.0 - s.edit.cropY);
    });
}
int ZV_SetVideoCropBorderAlpha_Player(ZvPlayer *p, uint32_t alpha) { return reserve(p, __func__, alpha); }
int ZV_EnableVideoCropBorder_Player(ZvPlayer *p, uint32_t on) { return reserve(p, __func__, on); }

// ---- overlay layers ----

int ZV_SetWatermarkIndex_Player(ZvPlayer *p, uint32_t layer)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.overlayIndex = clampU(layer, 0, 2); });
}
int ZV_SetWatermarkImageFile_Player(ZvPlayer *p, const char *path)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.layer().image.file = text(path); });
}
int ZV_SetWatermarkImageMaskFile_Player(ZvPlayer *p, const char *path)
{
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
    return setting(p, __func__, [&](PlayerSettings &s) { s.times().imageBorder = on ? 1 : 0; });
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

// Read-backs: the selected layer's element box as last placed. Until the
// edit chain lays elements out, an element's box is its stored position and
// its stored size; an absent element reads 0.
double ZV_GetWatermarkTextWidth_Player(ZvPlayer *p)
{
    return readBack(p, __func__, [](PlayerSettings &) { return 0.0; });
}
double ZV_GetWatermarkTextHeight_Player(ZvPlayer *p)
{
    return readBack(p, __func__, [](PlayerSettings &) { return 0.0; });
}
double ZV_GetWatermarkTextPosX_Player(ZvPlayer *p)
{
    return readBack(p, __func__, [](PlayerSettings &s) {
        return s.edit.layer().text.text.empty() ? 0.0 : s.edit.layer().text.x;
    });
}
double ZV_GetWatermarkTextPosY_Player(ZvPlayer *p)
{
    return readBack(p, __func__, [](PlayerSettings &s) {
        return s.edit.layer().text.text.empty() ? 0.0 : s.edit.layer().text.y;
    });
}
double ZV_GetWatermarkImageWidth_Player(ZvPlayer *p)
{
    return readBack(p, __func__, [](PlayerSettings &s) {
        return s.edit.layer().image.file.empty() ? 0.0 : s.edit.layer().image.w;
    });
}
double ZV_GetWatermarkImageHeight_Player(ZvPlayer *p)
{
    return readBack(p, __func__, [](PlayerSettings &s) {
        return s.edit.layer().image.file.empty() ? 0.0 : s.edit.layer().image.h;
    });
}
double ZV_GetWatermarkImagePosX_Player(ZvPlayer *p)
{
    return readBack(p, __func__, [](PlayerSettings &s) {
        return s.edit.layer().image.file.empty() ? 0.0 : s.edit.layer().image.x;
    });
}
double ZV_GetWatermarkImagePosY_Player(ZvPlayer *p)
{
    return readBack(p, __func__, [](PlayerSettings &s) {
        return s.edit.layer().image.file.empty() ? 0.0 : s.edit.layer().image.y;
    });
}

// ---- subtitle style ----

int ZV_SetSubtlAlpha_Player(ZvPlayer *p, uint32_t alpha)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.subtitleStyle.alpha = clampU(alpha, 0, 255); });
}
int ZV_SetSubtlTextSize_Player(ZvPlayer *p, uint32_t size)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.subtitleStyle.size = size; });
}
int ZV_SetSubtlTextBold_Player(ZvPlayer *p, uint32_t on)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.subtitleStyle.bold = on ? 1 : 0; });
}
int ZV_SetSubtlTextItalic_Player(ZvPlayer *p, uint32_t on)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.subtitleStyle.italic = on ? 1 : 0; });
}
int ZV_SetSubtlTextUnderline_Player(ZvPlayer *p, uint32_t on)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.subtitleStyle.underline = on ? 1 : 0; });
}
int ZV_SetSubtlTextStrikeout_Player(ZvPlayer *p, uint32_t on)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.subtitleStyle.strikeout = on ? 1 : 0; });
}
int ZV_SetSubtlTextAlign_Player(ZvPlayer *p, uint32_t align)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.edit.subtitleStyle.align = align == 16 || align == 32 ? align : 0;
    });
}
int ZV_SetSubtlTextColor_Player(ZvPlayer *p, uint32_t argb)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.subtitleStyle.color = argb; });
}
int ZV_SetSubtlTextShadowColor_Player(ZvPlayer *p, uint32_t argb)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.subtitleStyle.shadowColor = argb; });
}
int ZV_SetSubtlTextOutlineColor_Player(ZvPlayer *p, uint32_t argb)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.subtitleStyle.outlineColor = argb; });
}
int ZV_SetSubtlTextFont_Player(ZvPlayer *p, const char *family)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.subtitleStyle.font = text(family); });
}
int ZV_SetSubtlTextFontFile_Player(ZvPlayer *p, const char *) { return reserve(p, __func__, 0); }
int ZV_SetSubtlTextShadowOffset_Player(ZvPlayer *p, double value)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.subtitleStyle.shadowOffset = std::max(value, 0.0); });
}
int ZV_SetSubtlTextOutlineSize_Player(ZvPlayer *p, double value)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.subtitleStyle.outlineSize = std::max(value, 0.0); });
}
int ZV_SetSubtlTextSpacingH_Player(ZvPlayer *p, double value)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.subtitleStyle.spacingH = value; });
}
int ZV_SetSubtlTextSpacingV_Player(ZvPlayer *p, double value)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.subtitleStyle.spacingV = value; });
}
int ZV_SetSubtlTextMarginH_Player(ZvPlayer *p, double value)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.subtitleStyle.marginH = frac(value); });
}
int ZV_SetSubtlTextMarginV_Player(ZvPlayer *p, double value)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.subtitleStyle.marginV = frac(value); });
}
int ZV_SetSubtlImageOffsetH_Player(ZvPlayer *p, double value) { return reserve(p, __func__, int64_t(value * 1e6)); }
int ZV_SetSubtlImageOffsetV_Player(ZvPlayer *p, double value) { return reserve(p, __func__, int64_t(value * 1e6)); }
int ZV_SetSubtlTextAngle_Player(ZvPlayer *p, int degrees) { return reserve(p, __func__, degrees); }
int ZV_SetSubtlScale_Player(ZvPlayer *p, uint32_t sx, uint32_t sy)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.edit.subtitleStyle.scaleX = sx;
        s.edit.subtitleStyle.scaleY = sy;
    });
}
int ZV_SetSubtlDelay_Player(ZvPlayer *p, int64_t us)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.subtitleStyle.delay = us; });
}

// ---- streams ----

// A new program or audio stream takes effect at once: the media is opened
// again with it, at the same position.
int ZV_SetProgrIndex_Player(ZvPlayer *p, uint32_t index)
{
    bool changed = false;
    const int ok = setting(p, __func__, [&](PlayerSettings &s) {
        changed = s.edit.program != index;
        s.edit.program = index;
        s.edit.audioIndex = 0;
    });
    if (ok && changed)
        zv::guardedVoid(__func__, [&] { p->player.reselectStreams(); });
    return ok;
}
int ZV_SetVideoIndex_Player(ZvPlayer *p, uint32_t index) { return reserve(p, __func__, index); }
int ZV_SetAudioIndex_Player(ZvPlayer *p, uint32_t index)
{
    bool changed = false;
    const int ok = setting(p, __func__, [&](PlayerSettings &s) {
        changed = s.edit.audioIndex != index;
        s.edit.audioIndex = index;
    });
    if (ok && changed)
        zv::guardedVoid(__func__, [&] { p->player.reselectStreams(); });
    return ok;
}
int ZV_SetSubtlIndex_Player(ZvPlayer *p, uint32_t index)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.edit.subtitleIndex = index;
        s.edit.subtitleFile.clear();
        s.edit.closedCaption = 0;
    });
}
int ZV_EnableClosedCaption_Player(ZvPlayer *p, uint32_t on)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.edit.closedCaption = on ? 1 : 0;
        if (on) {
            s.edit.subtitleIndex = zv::kNone;
            s.edit.subtitleFile.clear();
        }
    });
}
int ZV_SetSubtlFile_Player(ZvPlayer *p, const char *path)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.edit.subtitleFile = text(path);
        if (path) {
            s.edit.subtitleIndex = zv::kNone;
            s.edit.closedCaption = 0;
        }
    });
}
int ZV_SetSubtlStream_Player(ZvPlayer *p, ZvSource *) { return reserve(p, __func__, 0); }
int ZV_SetSubtlFileEx_Player(ZvPlayer *p, const char *path, uint32_t, uint32_t)
{
    return ZV_SetSubtlFile_Player(p, path);
}
int ZV_SetSubtlStreamEx_Player(ZvPlayer *p, ZvSource *, uint32_t, uint32_t) { return reserve(p, __func__, 0); }

// ---- background audio ----

int ZV_SetAudioBackgroundIndex_Player(ZvPlayer *p, uint32_t index)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.backgroundIndex = index; });
}
int ZV_SetAudioBackgroundLast_Player(ZvPlayer *p, uint32_t value) { return reserve(p, __func__, value); }
int ZV_SetAudioBackgroundLoop_Player(ZvPlayer *p, uint32_t loop)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.background().loop = loop ? 1 : 0; });
}
int ZV_SetAudioBackgroundMixMode_Player(ZvPlayer *p, uint32_t mode)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.background().mixMode = mode == 1 ? 1 : 0; });
}
int ZV_SetAudioBackgroundVolume_Player(ZvPlayer *p, uint32_t percent)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.background().volume = clampU(percent, 0, 200); });
}
int ZV_SetAudioBackgroundWeight_Player(ZvPlayer *p, uint32_t weight)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.background().weight = clampU(weight, 0, 100); });
}
int ZV_SetAudioBackgroundReset_Player(ZvPlayer *p, uint32_t value) { return reserve(p, __func__, value); }
int ZV_SetAudioBackgroundFile_Player(ZvPlayer *p, const char *path)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.background().file = text(path); });
}
int ZV_SetAudioBackgroundStream_Player(ZvPlayer *p, ZvSource *) { return reserve(p, __func__, 0); }
int ZV_SetAudioBackgroundTrack_Player(ZvPlayer *p, uint32_t track) { return reserve(p, __func__, track); }
int ZV_SetAudioBackgroundFileEx_Player(ZvPlayer *p, const char *path, uint32_t, uint32_t)
{
    return ZV_SetAudioBackgroundFile_Player(p, path);
}
int ZV_SetAudioBackgroundStreamEx_Player(ZvPlayer *p, ZvSource *, uint32_t, uint32_t)
{
    return reserve(p, __func__, 0);
}
int ZV_SetAudioBackgroundChannelMix_Player(ZvPlayer *p, const uint32_t *, uint32_t count)
{
    return reserve(p, __func__, count);
}
int ZV_SetAudioBackgroundEqualize_Player(ZvPlayer *p, const double *, const double *, uint32_t count)
{
    return reserve(p, __func__, count);
}
int ZV_SetAudioBackgroundShowTime_Player(ZvPlayer *p, uint64_t start, uint64_t end)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.edit.background().showStart = start;
        s.edit.background().showEnd = end;
    });
}
int ZV_SetAudioBackgroundSplitTime_Player(ZvPlayer *p, uint64_t start, uint64_t end)
{
    return setting(p, __func__, [&](PlayerSettings &s) {
        s.edit.background().splitStart = start;
        s.edit.background().splitEnd = end;
    });
}

} // extern "C"
