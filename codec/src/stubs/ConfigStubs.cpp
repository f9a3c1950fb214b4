// Placeholders for the Config calls until their real implementation lands:
// each returns the failure value the header promises.
#include "zovAruzIvivu.h"

extern "C" {

ZvConfig* ZV_Create_Config(void)
{
    return nullptr;
}

void ZV_Release_Config(ZvConfig* c)
{
    (void)c;
}

int ZV_EnableVideo_Config(ZvConfig* c, uint32_t on)
{
    (void)c; (void)on;
    return 0;
}

int ZV_EnableAudio_Config(ZvConfig* c, uint32_t on)
{
    (void)c; (void)on;
    return 0;
}

int ZV_SetVideoCodec_Config(ZvConfig* c, uint32_t id)
{
    (void)c; (void)id;
    return 0;
}

int ZV_SetAudioCodec_Config(ZvConfig* c, uint32_t id)
{
    (void)c; (void)id;
    return 0;
}

int ZV_SetVideoEncoderOption_Config(ZvConfig* c, uint32_t option)
{
    (void)c; (void)option;
    return 0;
}

int ZV_SetVideoProfile_Config(ZvConfig* c, uint32_t profile)
{
    (void)c; (void)profile;
    return 0;
}

int ZV_SetVideoSize_Config(ZvConfig* c, uint32_t width, uint32_t height)
{
    (void)c; (void)width; (void)height;
    return 0;
}

int ZV_SetVideoFrameRate_Config(ZvConfig* c, uint32_t num, uint32_t den)
{
    (void)c; (void)num; (void)den;
    return 0;
}

int ZV_SetVideoBitRate_Config(ZvConfig* c, uint32_t bps)
{
    (void)c; (void)bps;
    return 0;
}

int ZV_SetAudioChannels_Config(ZvConfig* c, uint32_t channels)
{
    (void)c; (void)channels;
    return 0;
}

int ZV_SetAudioSampleRate_Config(ZvConfig* c, uint32_t hz)
{
    (void)c; (void)hz;
    return 0;
}

int ZV_SetAudioBitRate_Config(ZvConfig* c, uint32_t bps)
{
    (void)c; (void)bps;
    return 0;
}

int ZV_SetVideoQuality_Config(ZvConfig* c, uint32_t quality)
{
    (void)c; (void)quality;
    return 0;
}

int ZV_SetAudioQuality_Config(ZvConfig* c, uint32_t quality)
{
    (void)c; (void)quality;
    return 0;
}

int ZV_SetTextOption_Config(ZvConfig* c, const char* options)
{
    (void)c; (void)options;
    return 0;
}

int ZV_AddChapter_Config(ZvConfig* c, uint64_t start, uint64_t length, const char* title)
{
    (void)c; (void)start; (void)length; (void)title;
    return 0;
}

int ZV_SetVideoBrightness_Config(ZvConfig* c, uint32_t value)
{
    (void)c; (void)value;
    return 0;
}

int ZV_SetVideoSaturation_Config(ZvConfig* c, uint32_t value)
{
    (void)c; (void)value;
    return 0;
}

int ZV_SetVideoContrast_Config(ZvConfig* c, uint32_t value)
{
    (void)c; (void)value;
    return 0;
}

int ZV_SetVideoHue_Config(ZvConfig* c, uint32_t value)
{
    (void)c; (void)value;
    return 0;
}

int ZV_SetProgrIndex_Config(ZvConfig* c, uint32_t index)
{
    (void)c; (void)index;
    return 0;
}

int ZV_SetAudioIndex_Config(ZvConfig* c, uint32_t index)
{
    (void)c; (void)index;
    return 0;
}

int ZV_SetAudioTrackMask_Config(ZvConfig* c, uint64_t mask)
{
    (void)c; (void)mask;
    return 0;
}

int ZV_SetAudioFile_Config(ZvConfig* c, const char* path)
{
    (void)c; (void)path;
    return 0;
}

int ZV_SetSubtlIndex_Config(ZvConfig* c, uint32_t index)
{
    (void)c; (void)index;
    return 0;
}

int ZV_SetSubtlFile_Config(ZvConfig* c, const char* path)
{
    (void)c; (void)path;
    return 0;
}

int ZV_EnableClosedCaption_Config(ZvConfig* c, uint32_t on)
{
    (void)c; (void)on;
    return 0;
}

int ZV_SetSubtlTrackMask_Config(ZvConfig* c, uint64_t mask)
{
    (void)c; (void)mask;
    return 0;
}

int ZV_SetSubtlCodec_Config(ZvConfig* c, uint32_t id)
{
    (void)c; (void)id;
    return 0;
}

int ZV_SetSubtlAlpha_Config(ZvConfig* c, uint32_t alpha)
{
    (void)c; (void)alpha;
    return 0;
}

int ZV_SetSubtlScale_Config(ZvConfig* c, uint32_t sx, uint32_t sy)
{
    (void)c; (void)sx; (void)sy;
    return 0;
}

int ZV_SetSubtlDelay_Config(ZvConfig* c, int64_t us)
{
    (void)c; (void)us;
    return 0;
}

int ZV_SetSubtlTextFont_Config(ZvConfig* c, const char* family)
{
    (void)c; (void)family;
    return 0;
}

int ZV_SetSubtlTextBold_Config(ZvConfig* c, uint32_t on)
{
    (void)c; (void)on;
    return 0;
}

int ZV_SetSubtlTextItalic_Config(ZvConfig* c, uint32_t on)
{
    (void)c; (void)on;
    return 0;
}

int ZV_SetSubtlTextUnderline_Config(ZvConfig* c, uint32_t on)
{
    (void)c; (void)on;
    return 0;
}

int ZV_SetSubtlTextStrikeout_Config(ZvConfig* c, uint32_t on)
{
    (void)c; (void)on;
    return 0;
}

int ZV_SetSubtlTextSize_Config(ZvConfig* c, uint32_t size)
{
    (void)c; (void)size;
    return 0;
}

int ZV_SetSubtlTextColor_Config(ZvConfig* c, uint32_t argb)
{
    (void)c; (void)argb;
    return 0;
}

int ZV_SetSubtlTextShadowColor_Config(ZvConfig* c, uint32_t argb)
{
    (void)c; (void)argb;
    return 0;
}

int ZV_SetSubtlTextOutlineColor_Config(ZvConfig* c, uint32_t argb)
{
    (void)c; (void)argb;
    return 0;
}

int ZV_SetSubtlTextShadowOffset_Config(ZvConfig* c, double value)
{
    (void)c; (void)value;
    return 0;
}

int ZV_SetSubtlTextOutlineSize_Config(ZvConfig* c, double value)
{
    (void)c; (void)value;
    return 0;
}

int ZV_SetSubtlTextMarginH_Config(ZvConfig* c, double value)
{
    (void)c; (void)value;
    return 0;
}

int ZV_SetSubtlTextMarginV_Config(ZvConfig* c, double value)
{
    (void)c; (void)value;
    return 0;
}

int ZV_SetSubtlTextAlign_Config(ZvConfig* c, uint32_t align)
{
    (void)c; (void)align;
    return 0;
}

int ZV_SetSubtlTextSpacingH_Config(ZvConfig* c, double value)
{
    (void)c; (void)value;
    return 0;
}

int ZV_SetSubtlTextSpacingV_Config(ZvConfig* c, double value)
{
    (void)c; (void)value;
    return 0;
}

int ZV_SetVideoWatermarkMaxCount_Config(ZvConfig* c, uint32_t count)
{
    (void)c; (void)count;
    return 0;
}

int ZV_SetWatermarkIndex_Config(ZvConfig* c, uint32_t layer)
{
    (void)c; (void)layer;
    return 0;
}

int ZV_SetWatermarkImageFile_Config(ZvConfig* c, const char* path)
{
    (void)c; (void)path;
    return 0;
}

int ZV_SetWatermarkImageMaskFile_Config(ZvConfig* c, const char* path)
{
    (void)c; (void)path;
    return 0;
}

int ZV_SetWatermarkImageMirror_Config(ZvConfig* c, uint32_t mirror)
{
    (void)c; (void)mirror;
    return 0;
}

int ZV_SetWatermarkImagePosition_Config(ZvConfig* c, double x, double y)
{
    (void)c; (void)x; (void)y;
    return 0;
}

int ZV_SetWatermarkImageScale_Config(ZvConfig* c, uint32_t sx, uint32_t sy)
{
    (void)c; (void)sx; (void)sy;
    return 0;
}

int ZV_SetWatermarkImageAngle_Config(ZvConfig* c, int degrees)
{
    (void)c; (void)degrees;
    return 0;
}

int ZV_SetWatermarkImageAlpha_Config(ZvConfig* c, uint32_t alpha)
{
    (void)c; (void)alpha;
    return 0;
}

int ZV_SetWatermarkImageMixMode_Config(ZvConfig* c, uint32_t mode)
{
    (void)c; (void)mode;
    return 0;
}

int ZV_SetWatermarkImageSize_Config(ZvConfig* c, double w, double h)
{
    (void)c; (void)w; (void)h;
    return 0;
}

int ZV_SetWatermarkImageLoop_Config(ZvConfig* c, uint32_t loop)
{
    (void)c; (void)loop;
    return 0;
}

int ZV_SetWatermarkImageCrop_Config(ZvConfig* c, double x, double y, double w, double h)
{
    (void)c; (void)x; (void)y; (void)w; (void)h;
    return 0;
}

int ZV_SetWatermarkText_Config(ZvConfig* c, const char* text)
{
    (void)c; (void)text;
    return 0;
}

int ZV_SetWatermarkTextAlpha_Config(ZvConfig* c, uint32_t alpha)
{
    (void)c; (void)alpha;
    return 0;
}

int ZV_SetWatermarkTextPosition_Config(ZvConfig* c, double x, double y)
{
    (void)c; (void)x; (void)y;
    return 0;
}

int ZV_SetWatermarkTextAngle_Config(ZvConfig* c, int degrees)
{
    (void)c; (void)degrees;
    return 0;
}

int ZV_SetWatermarkTextBold_Config(ZvConfig* c, uint32_t on)
{
    (void)c; (void)on;
    return 0;
}

int ZV_SetWatermarkTextSize_Config(ZvConfig* c, uint32_t size)
{
    (void)c; (void)size;
    return 0;
}

int ZV_SetWatermarkTextFont_Config(ZvConfig* c, const char* family)
{
    (void)c; (void)family;
    return 0;
}

int ZV_SetWatermarkTextColor_Config(ZvConfig* c, uint32_t argb)
{
    (void)c; (void)argb;
    return 0;
}

int ZV_SetWatermarkTextOutlineColor_Config(ZvConfig* c, uint32_t argb)
{
    (void)c; (void)argb;
    return 0;
}

int ZV_SetWatermarkTextOutlineSize_Config(ZvConfig* c, double value)
{
    (void)c; (void)value;
    return 0;
}

int ZV_SetWatermarkTextShadowColor_Config(ZvConfig* c, uint32_t argb)
{
    (void)c; (void)argb;
    return 0;
}

int ZV_SetWatermarkTextShadowOffset_Config(ZvConfig* c, double value)
{
    (void)c; (void)value;
    return 0;
}

int ZV_SetWatermarkTextItalic_Config(ZvConfig* c, uint32_t on)
{
    (void)c; (void)on;
    return 0;
}

int ZV_SetWatermarkTextUnderline_Config(ZvConfig* c, uint32_t on)
{
    (void)c; (void)on;
    return 0;
}

int ZV_SetWatermarkTextStrikeout_Config(ZvConfig* c, uint32_t on)
{
    (void)c; (void)on;
    return 0;
}

int ZV_SetWatermarkTextScale_Config(ZvConfig* c, uint32_t sx, uint32_t sy)
{
    (void)c; (void)sx; (void)sy;
    return 0;
}

int ZV_SetWatermarkTextLayerTopmost_Config(ZvConfig* c, uint32_t on)
{
    (void)c; (void)on;
    return 0;
}

int ZV_SetWatermarkTextSpacingH_Config(ZvConfig* c, double value)
{
    (void)c; (void)value;
    return 0;
}

int ZV_SetWatermarkTextSpacingV_Config(ZvConfig* c, double value)
{
    (void)c; (void)value;
    return 0;
}

int ZV_SetAudioBackgroundIndex_Config(ZvConfig* c, uint32_t index)
{
    (void)c; (void)index;
    return 0;
}

int ZV_SetAudioBackgroundFile_Config(ZvConfig* c, const char* path)
{
    (void)c; (void)path;
    return 0;
}

int ZV_SetAudioBackgroundLoop_Config(ZvConfig* c, uint32_t loop)
{
    (void)c; (void)loop;
    return 0;
}

int ZV_SetAudioBackgroundMixMode_Config(ZvConfig* c, uint32_t mode)
{
    (void)c; (void)mode;
    return 0;
}

int ZV_SetAudioBackgroundVolume_Config(ZvConfig* c, uint32_t percent)
{
    (void)c; (void)percent;
    return 0;
}

int ZV_SetAudioBackgroundWeight_Config(ZvConfig* c, uint32_t weight)
{
    (void)c; (void)weight;
    return 0;
}

int ZV_SetAudioBackgroundShowTime_Config(ZvConfig* c, uint64_t start, uint64_t end)
{
    (void)c; (void)start; (void)end;
    return 0;
}

int ZV_SetAudioBackgroundSplitTime_Config(ZvConfig* c, uint64_t start, uint64_t end)
{
    (void)c; (void)start; (void)end;
    return 0;
}

int ZV_SetVideoAspectRatio_Config(ZvConfig* c, uint32_t x, uint32_t y)
{
    (void)c; (void)x; (void)y;
    return 0;
}

int ZV_SetVideoRotate_Config(ZvConfig* c, uint32_t degrees)
{
    (void)c; (void)degrees;
    return 0;
}

int ZV_SetVideoMirror_Config(ZvConfig* c, uint32_t mirror)
{
    (void)c; (void)mirror;
    return 0;
}

int ZV_SetVideoPadAndColor_Config(ZvConfig* c, uint32_t pad, uint32_t argb)
{
    (void)c; (void)pad; (void)argb;
    return 0;
}

int ZV_SetVideoCrop_Config(ZvConfig* c, double x, double y, double w, double h)
{
    (void)c; (void)x; (void)y; (void)w; (void)h;
    return 0;
}

int ZV_SetAudioVolume_Config(ZvConfig* c, uint32_t percent)
{
    (void)c; (void)percent;
    return 0;
}

int ZV_SetAudioRate_Config(ZvConfig* c, uint32_t percent)
{
    (void)c; (void)percent;
    return 0;
}

int ZV_SetAudioSpeed_Config(ZvConfig* c, uint32_t percent)
{
    (void)c; (void)percent;
    return 0;
}

int ZV_SetAudioEqualize_Config(ZvConfig* c, const double* hz, const double* db, uint32_t count)
{
    (void)c; (void)hz; (void)db; (void)count;
    return 0;
}

int ZV_SetMetaData_Config(ZvConfig* c, const char* key, const char* value)
{
    (void)c; (void)key; (void)value;
    return 0;
}

int ZV_SetMetaDataPicture_Config(ZvConfig* c, const char* key, ZvPicture* picture)
{
    (void)c; (void)key; (void)picture;
    return 0;
}

} // extern "C"
