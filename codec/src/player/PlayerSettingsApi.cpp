// The player's edit setters outside the overlay layers. Each stores its value (clamped)
// in the player's settings and marks the edit chain dirty; none waits for
// decoding. Members without a caller keep their value by name.
#include "player/PlayerSettingHelpers.h"

#include "core/Log.h"
#include "edit/BackgroundReader.h"
#include "edit/SubtitleBurner.h"

using zv::PlayerSettings;

using namespace zv::settings;

extern "C" {

int ZV_BeginSettings_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, [](zv::Player &pl) { pl.beginSettings(); });
}

int ZV_EndSettings_Player(ZvPlayer *p)
{
    return onPlayer(p, __func__, [](zv::Player &pl) { pl.endSettings(); });
}

int ZV_EnableShowWhenSetting_Player(ZvPlayer *p, uint32_t on)
{
    return setting(p, __func__, [&](PlayerSettings &s) { s.showWhenSetting = on ? 1 : 0; });
}

// ---- speed, loop-free audio values ----

// Rate and speed take effect at once: the clock and the sound follow them.
static int setTempo(ZvPlayer *p, const char *call, int rate, int speed)
{
    uint32_t r = 100, s2 = 100;
    const int ok = setting(p, call, [&](PlayerSettings &s) {
        if (rate > 0)
            s.edit.rate = uint32_t(std::clamp(rate, 25, 400));
        if (speed > 0)
            s.edit.speed = uint32_t(std::clamp(speed, 25, 400));
        r = s.edit.rate;
        s2 = s.edit.speed;
    });
    return ok ? onPlayer(p, call, [&](zv::Player &pl) { pl.applyTempo(int(r), int(s2)); }) : 0;
}

int ZV_ChangeSpeed_Player(ZvPlayer *p, int percent) { return setTempo(p, __func__, 0, std::max(percent, 1)); }

int ZV_SetAudioRate_Player(ZvPlayer *p, uint64_t percent)
{
    return setTempo(p, __func__, int(std::clamp<uint64_t>(percent, 1, 400)), 0);
}

int ZV_SetAudioVolume_Player(ZvPlayer *p, uint64_t percent)
{
    const int v = int(std::min<uint64_t>(percent, 200));
    if (!onPlayer(p, __func__, [&](zv::Player &pl) { pl.setVolume(v); }))
        return 0;
    return setting(p, __func__, [&](PlayerSettings &s) { s.edit.volume = uint32_t(v); });
}

int ZV_SetAudioRendererVolume_Player(ZvPlayer *p, uint64_t percent)
{
    const int v = int(std::min<uint64_t>(percent, 1000));
    if (!onPlayer(p, __func__, [&](zv::Player &pl) { pl.setRendererVolume(v); }))
        return 0;
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
// A file that cannot be read as subtitles is refused here, so the caller
// learns of it instead of seeing the picture without them.
int ZV_SetSubtlFile_Player(ZvPlayer *p, const char *path)
{
    const int readable = onPlayer(p, __func__, [&](zv::Player &) {
        std::string error;
        if (!path || !*path || zv::SubtitleBurner::probeFile(path, &error) >= 0)
            return 1;
        zv::zvLog("player: %s", error.c_str());
        return 0;
    });
    if (!readable)
        return 0;
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
// A file that cannot be played is refused here, so the caller learns of it
// instead of hearing the source alone.
int ZV_SetAudioBackgroundFile_Player(ZvPlayer *p, const char *path)
{
    const int playable = onPlayer(p, __func__, [&](zv::Player &) {
        if (!path || !*path)
            return 1;
        zv::BackgroundAudio probeBg;
        probeBg.file = path;
        zv::BackgroundReader probe;
        std::string error;
        if (probe.open(probeBg, &error) >= 0)
            return 1;
        zv::zvLog("player: %s", error.c_str());
        return 0;
    });
    if (!playable)
        return 0;
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
