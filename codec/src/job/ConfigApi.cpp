// The job configuration store: every setter keeps the last value of its key.
// Nothing here is interpreted; the jobs read the copy they take at open time.
#include "job/JobConfig.h"
#include "job/TagWriter.h"

#include "core/Guard.h"
#include "zovAruzIvivu.h"

#include <memory>

namespace {

std::string text(const char *s)
{
    return s ? std::string(s) : std::string();
}

// Every setter runs inside the library's exception fence and changes the
// store of one handle; `change` answers 1, or 0 for a value it refuses.
template <typename F>
int setConfig(const char *call, ZvConfig *c, F &&change)
{
    if (!c)
        return 0;
    return zv::guarded(call, 0, [&] { return change(c->value); });
}

} // namespace

#define ZV_CFG_BODY(code) return setConfig(__func__, c, [&](zv::JobConfig &v) -> int { code return 1; });

extern "C" {

ZvConfig* ZV_Create_Config(void)
{
    return zv::guarded("ZV_Create_Config", static_cast<ZvConfig *>(nullptr), [] { return new ZvConfig; });
}

void ZV_Release_Config(ZvConfig* c)
{
    zv::guardedVoid("ZV_Release_Config", [c] { delete c; });
}

ZvPicture* ZV_Create_Picture(const void* data, uint32_t size)
{
    if (!data || size == 0)
        return nullptr;
    return zv::guarded("ZV_Create_Picture", static_cast<ZvPicture *>(nullptr), [&] {
        auto p = std::make_unique<ZvPicture>();
        const auto *bytes = static_cast<const uint8_t *>(data);
        p->bytes.assign(bytes, bytes + size);
        return p.release();
    });
}

void ZV_Release_Picture(ZvPicture* p)
{
    zv::guardedVoid("ZV_Release_Picture", [p] { delete p; });
}

int ZV_EnableVideo_Config(ZvConfig* c, uint32_t on)
{
    ZV_CFG_BODY(v.enableVideo = on;)
}

int ZV_EnableAudio_Config(ZvConfig* c, uint32_t on)
{
    ZV_CFG_BODY(v.enableAudio = on;)
}

int ZV_SetVideoCodec_Config(ZvConfig* c, uint32_t id)
{
    ZV_CFG_BODY(v.videoCodec = id;)
}

int ZV_SetAudioCodec_Config(ZvConfig* c, uint32_t id)
{
    ZV_CFG_BODY(v.audioCodec = id;)
}

int ZV_SetVideoEncoderOption_Config(ZvConfig* c, uint32_t option)
{
    ZV_CFG_BODY(v.videoEncoderOption = option;)
}

int ZV_SetVideoProfile_Config(ZvConfig* c, uint32_t profile)
{
    ZV_CFG_BODY(v.videoProfile = profile;)
}

int ZV_SetVideoSize_Config(ZvConfig* c, uint32_t width, uint32_t height)
{
    ZV_CFG_BODY(v.width = width; v.height = height;)
}

int ZV_SetVideoFrameRate_Config(ZvConfig* c, uint32_t num, uint32_t den)
{
    ZV_CFG_BODY(v.rateNum = num; v.rateDen = den;)
}

int ZV_SetVideoBitRate_Config(ZvConfig* c, uint32_t bps)
{
    ZV_CFG_BODY(v.videoBitRate = bps;)
}

int ZV_SetAudioChannels_Config(ZvConfig* c, uint32_t channels)
{
    ZV_CFG_BODY(v.channels = channels;)
}

int ZV_SetAudioSampleRate_Config(ZvConfig* c, uint32_t hz)
{
    ZV_CFG_BODY(v.sampleRate = hz;)
}

int ZV_SetAudioBitRate_Config(ZvConfig* c, uint32_t bps)
{
    ZV_CFG_BODY(v.audioBitRate = bps;)
}

int ZV_SetVideoQuality_Config(ZvConfig* c, uint32_t quality)
{
    ZV_CFG_BODY(v.videoQuality = quality;)
}

int ZV_SetAudioQuality_Config(ZvConfig* c, uint32_t quality)
{
    ZV_CFG_BODY(v.audioQuality = quality;)
}

int ZV_SetTextOption_Config(ZvConfig* c, const char* options)
{
    ZV_CFG_BODY(v.textOption = text(options);)
}

int ZV_AddChapter_Config(ZvConfig* c, uint64_t start, uint64_t length, const char* title)
{
    ZV_CFG_BODY(v.chapters.push_back({start, length, text(title)});)
}

int ZV_SetVideoBrightness_Config(ZvConfig* c, uint32_t value)
{
    ZV_CFG_BODY(v.brightness = int32_t(value);)
}

int ZV_SetVideoSaturation_Config(ZvConfig* c, uint32_t value)
{
    ZV_CFG_BODY(v.saturation = value;)
}

int ZV_SetVideoContrast_Config(ZvConfig* c, uint32_t value)
{
    ZV_CFG_BODY(v.contrast = value;)
}

int ZV_SetVideoHue_Config(ZvConfig* c, uint32_t value)
{
    ZV_CFG_BODY(v.hue = int32_t(value);)
}

int ZV_SetProgrIndex_Config(ZvConfig* c, uint32_t index)
{
    ZV_CFG_BODY(v.program = index;)
}

int ZV_SetAudioIndex_Config(ZvConfig* c, uint32_t index)
{
    ZV_CFG_BODY(v.audioIndex = index;)
}

int ZV_SetAudioTrackMask_Config(ZvConfig* c, uint64_t mask)
{
    ZV_CFG_BODY(v.audioMask = mask;)
}

int ZV_SetAudioFile_Config(ZvConfig* c, const char* path)
{
    ZV_CFG_BODY(v.audioFile = text(path);)
}

int ZV_SetSubtlIndex_Config(ZvConfig* c, uint32_t index)
{
    ZV_CFG_BODY(v.subtitleIndex = index;)
}

int ZV_SetSubtlFile_Config(ZvConfig* c, const char* path)
{
    ZV_CFG_BODY(v.subtitleFile = text(path);)
}

int ZV_EnableClosedCaption_Config(ZvConfig* c, uint32_t on)
{
    ZV_CFG_BODY(v.closedCaption = on;)
}

int ZV_SetSubtlTrackMask_Config(ZvConfig* c, uint64_t mask)
{
    ZV_CFG_BODY(v.subtitleMask = mask;)
}

int ZV_SetSubtlCodec_Config(ZvConfig* c, uint32_t id)
{
    ZV_CFG_BODY(v.subtitleCodec = id;)
}

int ZV_SetSubtlAlpha_Config(ZvConfig* c, uint32_t alpha)
{
    ZV_CFG_BODY(v.subtitleStyle.alpha = alpha;)
}

int ZV_SetSubtlScale_Config(ZvConfig* c, uint32_t sx, uint32_t sy)
{
    ZV_CFG_BODY(v.subtitleStyle.scaleX = sx; v.subtitleStyle.scaleY = sy;)
}

int ZV_SetSubtlDelay_Config(ZvConfig* c, int64_t us)
{
    ZV_CFG_BODY(v.subtitleStyle.delay = us;)
}

int ZV_SetSubtlTextFont_Config(ZvConfig* c, const char* family)
{
    ZV_CFG_BODY(v.subtitleStyle.font = text(family);)
}

int ZV_SetSubtlTextBold_Config(ZvConfig* c, uint32_t on)
{
    ZV_CFG_BODY(v.subtitleStyle.bold = on;)
}

int ZV_SetSubtlTextItalic_Config(ZvConfig* c, uint32_t on)
{
    ZV_CFG_BODY(v.subtitleStyle.italic = on;)
}

int ZV_SetSubtlTextUnderline_Config(ZvConfig* c, uint32_t on)
{
    ZV_CFG_BODY(v.subtitleStyle.underline = on;)
}

int ZV_SetSubtlTextStrikeout_Config(ZvConfig* c, uint32_t on)
{
    ZV_CFG_BODY(v.subtitleStyle.strikeout = on;)
}

int ZV_SetSubtlTextSize_Config(ZvConfig* c, uint32_t size)
{
    ZV_CFG_BODY(v.subtitleStyle.size = size;)
}

int ZV_SetSubtlTextColor_Config(ZvConfig* c, uint32_t argb)
{
    ZV_CFG_BODY(v.subtitleStyle.color = argb;)
}

int ZV_SetSubtlTextShadowColor_Config(ZvConfig* c, uint32_t argb)
{
    ZV_CFG_BODY(v.subtitleStyle.shadowColor = argb;)
}

int ZV_SetSubtlTextOutlineColor_Config(ZvConfig* c, uint32_t argb)
{
    ZV_CFG_BODY(v.subtitleStyle.outlineColor = argb;)
}

int ZV_SetSubtlTextShadowOffset_Config(ZvConfig* c, double value)
{
    ZV_CFG_BODY(v.subtitleStyle.shadowOffset = value;)
}

int ZV_SetSubtlTextOutlineSize_Config(ZvConfig* c, double value)
{
    ZV_CFG_BODY(v.subtitleStyle.outlineSize = value;)
}

int ZV_SetSubtlTextMarginH_Config(ZvConfig* c, double value)
{
    ZV_CFG_BODY(v.subtitleStyle.marginH = value;)
}

int ZV_SetSubtlTextMarginV_Config(ZvConfig* c, double value)
{
    ZV_CFG_BODY(v.subtitleStyle.marginV = value;)
}

int ZV_SetSubtlTextAlign_Config(ZvConfig* c, uint32_t align)
{
    ZV_CFG_BODY(v.subtitleStyle.align = align;)
}

int ZV_SetSubtlTextSpacingH_Config(ZvConfig* c, double value)
{
    ZV_CFG_BODY(v.subtitleStyle.spacingH = value;)
}

int ZV_SetSubtlTextSpacingV_Config(ZvConfig* c, double value)
{
    ZV_CFG_BODY(v.subtitleStyle.spacingV = value;)
}

int ZV_SetVideoWatermarkMaxCount_Config(ZvConfig* c, uint32_t count)
{
    ZV_CFG_BODY(v.overlayCount = count;)
}

int ZV_SetWatermarkIndex_Config(ZvConfig* c, uint32_t layer)
{
    ZV_CFG_BODY(v.overlayIndex = layer;)
}

int ZV_SetWatermarkImageFile_Config(ZvConfig* c, const char* path)
{
    ZV_CFG_BODY(v.layer().image.file = text(path);)
}

int ZV_SetWatermarkImageMaskFile_Config(ZvConfig* c, const char* path)
{
    ZV_CFG_BODY(v.layer().image.maskFile = text(path);)
}

int ZV_SetWatermarkImageMirror_Config(ZvConfig* c, uint32_t mirror)
{
    ZV_CFG_BODY(v.layer().image.mirror = mirror;)
}

int ZV_SetWatermarkImagePosition_Config(ZvConfig* c, double x, double y)
{
    ZV_CFG_BODY(v.layer().image.x = x; v.layer().image.y = y;)
}

int ZV_SetWatermarkImageScale_Config(ZvConfig* c, uint32_t sx, uint32_t sy)
{
    ZV_CFG_BODY(v.layer().image.scaleX = sx; v.layer().image.scaleY = sy;)
}

int ZV_SetWatermarkImageAngle_Config(ZvConfig* c, int degrees)
{
    ZV_CFG_BODY(v.layer().image.angle = degrees;)
}

int ZV_SetWatermarkImageAlpha_Config(ZvConfig* c, uint32_t alpha)
{
    ZV_CFG_BODY(v.layer().image.alpha = alpha;)
}

int ZV_SetWatermarkImageMixMode_Config(ZvConfig* c, uint32_t mode)
{
    ZV_CFG_BODY(v.layer().image.mixMode = mode;)
}

int ZV_SetWatermarkImageSize_Config(ZvConfig* c, double w, double h)
{
    ZV_CFG_BODY(v.layer().image.w = w; v.layer().image.h = h;)
}

int ZV_SetWatermarkImageLoop_Config(ZvConfig* c, uint32_t loop)
{
    ZV_CFG_BODY(v.layer().image.loop = loop;)
}

int ZV_SetWatermarkImageCrop_Config(ZvConfig* c, double x, double y, double w, double h)
{
    ZV_CFG_BODY(zv::OverlayImage &i = v.layer().image; i.cropX = x; i.cropY = y; i.cropW = w; i.cropH = h;)
}

int ZV_SetWatermarkText_Config(ZvConfig* c, const char* text_)
{
    ZV_CFG_BODY(v.layer().text.text = text(text_);)
}

int ZV_SetWatermarkTextAlpha_Config(ZvConfig* c, uint32_t alpha)
{
    ZV_CFG_BODY(v.layer().text.alpha = alpha;)
}

int ZV_SetWatermarkTextPosition_Config(ZvConfig* c, double x, double y)
{
    ZV_CFG_BODY(v.layer().text.x = x; v.layer().text.y = y;)
}

int ZV_SetWatermarkTextAngle_Config(ZvConfig* c, int degrees)
{
    ZV_CFG_BODY(v.layer().text.angle = degrees;)
}

int ZV_SetWatermarkTextBold_Config(ZvConfig* c, uint32_t on)
{
    ZV_CFG_BODY(v.layer().text.bold = on;)
}

int ZV_SetWatermarkTextSize_Config(ZvConfig* c, uint32_t size)
{
    ZV_CFG_BODY(v.layer().text.size = size;)
}

int ZV_SetWatermarkTextFont_Config(ZvConfig* c, const char* family)
{
    ZV_CFG_BODY(v.layer().text.font = text(family);)
}

int ZV_SetWatermarkTextColor_Config(ZvConfig* c, uint32_t argb)
{
    ZV_CFG_BODY(v.layer().text.color = argb;)
}

int ZV_SetWatermarkTextOutlineColor_Config(ZvConfig* c, uint32_t argb)
{
    ZV_CFG_BODY(v.layer().text.outlineColor = argb;)
}

int ZV_SetWatermarkTextOutlineSize_Config(ZvConfig* c, double value)
{
    ZV_CFG_BODY(v.layer().text.outlineSize = value;)
}

int ZV_SetWatermarkTextShadowColor_Config(ZvConfig* c, uint32_t argb)
{
    ZV_CFG_BODY(v.layer().text.shadowColor = argb;)
}

int ZV_SetWatermarkTextShadowOffset_Config(ZvConfig* c, double value)
{
    ZV_CFG_BODY(v.layer().text.shadowOffset = value;)
}

int ZV_SetWatermarkTextItalic_Config(ZvConfig* c, uint32_t on)
{
    ZV_CFG_BODY(v.layer().text.italic = on;)
}

int ZV_SetWatermarkTextUnderline_Config(ZvConfig* c, uint32_t on)
{
    ZV_CFG_BODY(v.layer().text.underline = on;)
}

int ZV_SetWatermarkTextStrikeout_Config(ZvConfig* c, uint32_t on)
{
    ZV_CFG_BODY(v.layer().text.strikeout = on;)
}

int ZV_SetWatermarkTextScale_Config(ZvConfig* c, uint32_t sx, uint32_t sy)
{
    ZV_CFG_BODY(v.layer().text.scaleX = sx; v.layer().text.scaleY = sy;)
}

int ZV_SetWatermarkTextLayerTopmost_Config(ZvConfig* c, uint32_t on)
{
    ZV_CFG_BODY(v.layer().text.topmost = on;)
}

int ZV_SetWatermarkTextSpacingH_Config(ZvConfig* c, double value)
{
    ZV_CFG_BODY(v.layer().text.spacingH = value;)
}

int ZV_SetWatermarkTextSpacingV_Config(ZvConfig* c, double value)
{
    ZV_CFG_BODY(v.layer().text.spacingV = value;)
}

int ZV_SetAudioBackgroundIndex_Config(ZvConfig* c, uint32_t index)
{
    ZV_CFG_BODY(v.backgroundIndex = index;)
}

int ZV_SetAudioBackgroundFile_Config(ZvConfig* c, const char* path)
{
    ZV_CFG_BODY(v.background().file = text(path);)
}

int ZV_SetAudioBackgroundLoop_Config(ZvConfig* c, uint32_t loop)
{
    ZV_CFG_BODY(v.background().loop = loop;)
}

int ZV_SetAudioBackgroundMixMode_Config(ZvConfig* c, uint32_t mode)
{
    ZV_CFG_BODY(v.background().mixMode = mode;)
}

int ZV_SetAudioBackgroundVolume_Config(ZvConfig* c, uint32_t percent)
{
    ZV_CFG_BODY(v.background().volume = percent;)
}

int ZV_SetAudioBackgroundWeight_Config(ZvConfig* c, uint32_t weight)
{
    ZV_CFG_BODY(v.background().weight = weight;)
}

int ZV_SetAudioBackgroundShowTime_Config(ZvConfig* c, uint64_t start, uint64_t end)
{
    ZV_CFG_BODY(v.background().showStart = start; v.background().showEnd = end;)
}

int ZV_SetAudioBackgroundSplitTime_Config(ZvConfig* c, uint64_t start, uint64_t end)
{
    ZV_CFG_BODY(v.background().splitStart = start; v.background().splitEnd = end;)
}

int ZV_SetVideoAspectRatio_Config(ZvConfig* c, uint32_t x, uint32_t y)
{
    ZV_CFG_BODY(v.aspectX = x; v.aspectY = y;)
}

int ZV_SetVideoRotate_Config(ZvConfig* c, uint32_t degrees)
{
    ZV_CFG_BODY(v.rotate = degrees;)
}

int ZV_SetVideoMirror_Config(ZvConfig* c, uint32_t mirror)
{
    ZV_CFG_BODY(v.mirror = mirror;)
}

int ZV_SetVideoPadAndColor_Config(ZvConfig* c, uint32_t pad, uint32_t argb)
{
    ZV_CFG_BODY(v.pad = pad; v.padColor = argb;)
}

int ZV_SetVideoCrop_Config(ZvConfig* c, double x, double y, double w, double h)
{
    ZV_CFG_BODY(v.cropX = x; v.cropY = y; v.cropW = w; v.cropH = h;)
}

int ZV_SetAudioVolume_Config(ZvConfig* c, uint32_t percent)
{
    ZV_CFG_BODY(v.volume = percent;)
}

int ZV_SetAudioRate_Config(ZvConfig* c, uint32_t percent)
{
    ZV_CFG_BODY(v.rate = percent;)
}

int ZV_SetAudioSpeed_Config(ZvConfig* c, uint32_t percent)
{
    ZV_CFG_BODY(v.speed = percent;)
}

int ZV_SetAudioEqualize_Config(ZvConfig* c, const double* hz, const double* db, uint32_t count)
{
    ZV_CFG_BODY(v.eqHz.assign(hz && db ? hz : nullptr, hz && db ? hz + count : nullptr); v.eqDb.assign(hz && db ? db : nullptr, hz && db ? db + count : nullptr);)
}

int ZV_SetMetaData_Config(ZvConfig* c, const char* key, const char* value)
{
    ZV_CFG_BODY(if (!key || !*key) return 0; if (value) v.metadata[key] = value; else v.metadata.erase(key);)
}

int ZV_SetMetaDataPicture_Config(ZvConfig* c, const char* key, ZvPicture* picture)
{
    ZV_CFG_BODY(if (!key || std::string(key) != "cover_image") return 0; if (picture) v.cover = picture->bytes; else v.cover.clear();)
}

int ZV_SetTag_Config(ZvConfig* c, uint32_t field, const char* utf8)
{
    ZV_CFG_BODY(const char *key = zv::job::tagPropertyForField(field); if (!key) return 0; if (utf8 && *utf8) v.tags[key] = utf8; else v.tags.erase(key);)
}

int ZV_SetTagPicture_Config(ZvConfig* c, const void* data, uint32_t size)
{
    ZV_CFG_BODY(const auto *b = static_cast<const uint8_t *>(data); v.tagPicture.assign(data ? b : nullptr, data ? b + size : nullptr);)
}

} // extern "C"
