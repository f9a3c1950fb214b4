// Placeholders for the Player calls until their real implementation lands:
// each returns the failure value the header promises.
#include "zovAruzIvivu.h"

extern "C" {

ZvPlayer* ZV_Create_Player(uint32_t flags)
{
    (void)flags;
    return nullptr;
}

ZvPlayer* ZV_Reference_Player(ZvPlayer* p)
{
    (void)p;
    return nullptr;
}

int ZV_Open_Player(ZvPlayer* p, const char* path, uint32_t width, uint32_t height, uint32_t r1, uint32_t r2)
{
    (void)p; (void)path; (void)width; (void)height; (void)r1; (void)r2;
    return 0;
}

int ZV_OpenStream_Player(ZvPlayer* p, ZvSource* s, uint32_t width, uint32_t height, uint32_t r1, uint32_t r2)
{
    (void)p; (void)s; (void)width; (void)height; (void)r1; (void)r2;
    return 0;
}

int ZV_OpenDVD_Player(ZvPlayer* p, const char* path, uint32_t width, uint32_t height, uint32_t r1, uint32_t r2)
{
    (void)p; (void)path; (void)width; (void)height; (void)r1; (void)r2;
    return 0;
}

int ZV_Close_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

void ZV_Destroy_Player(ZvPlayer* p)
{
    (void)p;
}

int ZV_IsAudioRendererOpenFailed_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

int ZV_IsCompleted_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

int ZV_IsStop_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

int ZV_IsPause_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

int ZV_IsRunning_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

int ZV_HasVideo_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

int ZV_HasAudio_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

int ZV_CanSeek_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

uint64_t ZV_GetDuration_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

uint64_t ZV_GetPlayTime_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

uint64_t ZV_GetVideoTime_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

uint64_t ZV_GetVideoSize_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

uint64_t ZV_GetVideoAspectRatio_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

uint32_t ZV_GetAudioWaveRate_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

int ZV_Play_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

int ZV_Pause_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

int ZV_Stop_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

int ZV_Seek_Player(ZvPlayer* p, uint64_t time)
{
    (void)p; (void)time;
    return 0;
}

int ZV_BeginAsyncSeek_Player(ZvPlayer* p, uint64_t window)
{
    (void)p; (void)window;
    return 0;
}

int ZV_EndAsyncSeek_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

int ZV_FastSeek_Player(ZvPlayer* p, uint64_t time, int mode)
{
    (void)p; (void)time; (void)mode;
    return 0;
}

int ZV_FrameStep_Player(ZvPlayer* p, int count)
{
    (void)p; (void)count;
    return 0;
}

int ZV_KeyFrameStep_Player(ZvPlayer* p, int count)
{
    (void)p; (void)count;
    return 0;
}

int ZV_ChangeSpeed_Player(ZvPlayer* p, int percent)
{
    (void)p; (void)percent;
    return 0;
}

int ZV_EnableLoop_Player(ZvPlayer* p, int on)
{
    (void)p; (void)on;
    return 0;
}

int ZV_BeginSettings_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

int ZV_EndSettings_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

int ZV_EnableShowWhenSetting_Player(ZvPlayer* p, uint32_t on)
{
    (void)p; (void)on;
    return 0;
}

int ZV_SetVideoView_Player(ZvPlayer* p, void* view)
{
    (void)p; (void)view;
    return 0;
}

int ZV_SetOriginalVideoView_Player(ZvPlayer* p, void* view)
{
    (void)p; (void)view;
    return 0;
}

int ZV_SetVideoFrameHandle_Player(ZvPlayer* p, ZvFrameProc proc, void* user)
{
    (void)p; (void)proc; (void)user;
    return 0;
}

int ZV_SetOriginalVideoFrameHandle_Player(ZvPlayer* p, ZvFrameProc proc, void* user)
{
    (void)p; (void)proc; (void)user;
    return 0;
}

int ZV_SetTimeInterval_Player(ZvPlayer* p, uint64_t us)
{
    (void)p; (void)us;
    return 0;
}

int ZV_ShowVideoFrame_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

int ZV_UpdateVideoFrame_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

int ZV_RefreshVideoFrame_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

uint8_t* ZV_CaptureVideoImage_Player(ZvPlayer* p, uint32_t width, uint32_t height, uint32_t format)
{
    (void)p; (void)width; (void)height; (void)format;
    return nullptr;
}

int ZV_FreeVideoImage_Player(ZvPlayer* p, uint8_t* image)
{
    (void)p; (void)image;
    return 0;
}

int ZV_EnableAudioWaveData_Player(ZvPlayer* p, uint32_t on)
{
    (void)p; (void)on;
    return 0;
}

uint8_t* ZV_GetAudioWaveData_Player(ZvPlayer* p, uint32_t request)
{
    (void)p; (void)request;
    return nullptr;
}

int ZV_FreeAudioWaveData_Player(ZvPlayer* p, uint8_t* block)
{
    (void)p; (void)block;
    return 0;
}

int ZV_SetVideoRotate_Player(ZvPlayer* p, uint32_t degrees)
{
    (void)p; (void)degrees;
    return 0;
}

int ZV_SetVideoMirror_Player(ZvPlayer* p, uint32_t mirror)
{
    (void)p; (void)mirror;
    return 0;
}

int ZV_SetVideoSaturation_Player(ZvPlayer* p, uint32_t percent)
{
    (void)p; (void)percent;
    return 0;
}

int ZV_SetVideoContrast_Player(ZvPlayer* p, uint32_t percent)
{
    (void)p; (void)percent;
    return 0;
}

int ZV_SetVideoHue_Player(ZvPlayer* p, uint32_t degrees)
{
    (void)p; (void)degrees;
    return 0;
}

int ZV_SetVideoYOffset_Player(ZvPlayer* p, uint32_t offset)
{
    (void)p; (void)offset;
    return 0;
}

int ZV_SetVideoWatermarkMaxCount_Player(ZvPlayer* p, uint32_t count)
{
    (void)p; (void)count;
    return 0;
}

int ZV_SetVideoPadAndColor_Player(ZvPlayer* p, uint32_t pad, uint32_t argb)
{
    (void)p; (void)pad; (void)argb;
    return 0;
}

int ZV_SetVideoAspectRatio_Player(ZvPlayer* p, uint32_t x, uint32_t y)
{
    (void)p; (void)x; (void)y;
    return 0;
}

int ZV_SetVideoCrop_Player(ZvPlayer* p, double x, double y, double w, double h)
{
    (void)p; (void)x; (void)y; (void)w; (void)h;
    return 0;
}

int ZV_SetVideoCropBorderAlpha_Player(ZvPlayer* p, uint32_t alpha)
{
    (void)p; (void)alpha;
    return 0;
}

int ZV_EnableVideoCropBorder_Player(ZvPlayer* p, uint32_t on)
{
    (void)p; (void)on;
    return 0;
}

int ZV_SetWatermarkIndex_Player(ZvPlayer* p, uint32_t layer)
{
    (void)p; (void)layer;
    return 0;
}

int ZV_SetWatermarkImageFile_Player(ZvPlayer* p, const char* path)
{
    (void)p; (void)path;
    return 0;
}

int ZV_SetWatermarkImageMaskFile_Player(ZvPlayer* p, const char* path)
{
    (void)p; (void)path;
    return 0;
}

int ZV_SetWatermarkImageMirror_Player(ZvPlayer* p, uint32_t mirror)
{
    (void)p; (void)mirror;
    return 0;
}

int ZV_SetWatermarkImageBrightness_Player(ZvPlayer* p, uint32_t value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetWatermarkImageSaturation_Player(ZvPlayer* p, uint32_t value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetWatermarkImageContrast_Player(ZvPlayer* p, uint32_t value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetWatermarkImageHue_Player(ZvPlayer* p, uint32_t value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetWatermarkImageYOffset_Player(ZvPlayer* p, uint32_t value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetWatermarkImageMixMode_Player(ZvPlayer* p, uint32_t mode)
{
    (void)p; (void)mode;
    return 0;
}

int ZV_SetWatermarkImageAlpha_Player(ZvPlayer* p, uint32_t alpha)
{
    (void)p; (void)alpha;
    return 0;
}

int ZV_SetWatermarkImageLoop_Player(ZvPlayer* p, uint32_t loop)
{
    (void)p; (void)loop;
    return 0;
}

int ZV_EnableWatermarkImageBordert_Player(ZvPlayer* p, uint32_t on)
{
    (void)p; (void)on;
    return 0;
}

int ZV_SetWatermarkBorderAlpha_Player(ZvPlayer* p, uint32_t alpha)
{
    (void)p; (void)alpha;
    return 0;
}

int ZV_EnableWatermarkImageBorder_Player(ZvPlayer* p, int on)
{
    (void)p; (void)on;
    return 0;
}

int ZV_SetWatermarkImageAngle_Player(ZvPlayer* p, int degrees)
{
    (void)p; (void)degrees;
    return 0;
}

int ZV_SetWatermarkImagePosition_Player(ZvPlayer* p, double x, double y)
{
    (void)p; (void)x; (void)y;
    return 0;
}

int ZV_SetWatermarkImageSize_Player(ZvPlayer* p, double w, double h)
{
    (void)p; (void)w; (void)h;
    return 0;
}

int ZV_SetWatermarkImageScale_Player(ZvPlayer* p, uint32_t sx, uint32_t sy)
{
    (void)p; (void)sx; (void)sy;
    return 0;
}

int ZV_SetWatermarkImageCrop_Player(ZvPlayer* p, double x, double y, double w, double h)
{
    (void)p; (void)x; (void)y; (void)w; (void)h;
    return 0;
}

int ZV_SetWatermarkImageShowTime_Player(ZvPlayer* p, uint64_t start, uint64_t end)
{
    (void)p; (void)start; (void)end;
    return 0;
}

int ZV_SetWatermarkImageSplitTime_Player(ZvPlayer* p, uint64_t start, uint64_t end)
{
    (void)p; (void)start; (void)end;
    return 0;
}

int ZV_SetWatermarkText_Player(ZvPlayer* p, const char* text)
{
    (void)p; (void)text;
    return 0;
}

int ZV_SetWatermarkTextFont_Player(ZvPlayer* p, const char* family)
{
    (void)p; (void)family;
    return 0;
}

int ZV_SetWatermarkTextFontFile_Player(ZvPlayer* p, const char* path)
{
    (void)p; (void)path;
    return 0;
}

int ZV_SetWatermarkTextSize_Player(ZvPlayer* p, uint32_t size)
{
    (void)p; (void)size;
    return 0;
}

int ZV_SetWatermarkTextBold_Player(ZvPlayer* p, uint32_t on)
{
    (void)p; (void)on;
    return 0;
}

int ZV_SetWatermarkTextItalic_Player(ZvPlayer* p, uint32_t on)
{
    (void)p; (void)on;
    return 0;
}

int ZV_SetWatermarkTextUnderline_Player(ZvPlayer* p, uint32_t on)
{
    (void)p; (void)on;
    return 0;
}

int ZV_SetWatermarkTextStrikeout_Player(ZvPlayer* p, uint32_t on)
{
    (void)p; (void)on;
    return 0;
}

int ZV_SetWatermarkTextAlign_Player(ZvPlayer* p, uint32_t align)
{
    (void)p; (void)align;
    return 0;
}

int ZV_SetWatermarkTextAlpha_Player(ZvPlayer* p, uint32_t alpha)
{
    (void)p; (void)alpha;
    return 0;
}

int ZV_SetWatermarkTextLayerTopmost_Player(ZvPlayer* p, uint32_t on)
{
    (void)p; (void)on;
    return 0;
}

int ZV_EnableWatermarkTextBorder_Player(ZvPlayer* p, uint32_t on)
{
    (void)p; (void)on;
    return 0;
}

int ZV_SetWatermarkTextColor_Player(ZvPlayer* p, uint32_t argb)
{
    (void)p; (void)argb;
    return 0;
}

int ZV_SetWatermarkTextShadowColor_Player(ZvPlayer* p, uint32_t argb)
{
    (void)p; (void)argb;
    return 0;
}

int ZV_SetWatermarkTextOutlineColor_Player(ZvPlayer* p, uint32_t argb)
{
    (void)p; (void)argb;
    return 0;
}

int ZV_SetWatermarkTextShadowOffset_Player(ZvPlayer* p, double value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetWatermarkTextOutlineSize_Player(ZvPlayer* p, double value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetWatermarkTextSpacingH_Player(ZvPlayer* p, double value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetWatermarkTextSpacingV_Player(ZvPlayer* p, double value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetWatermarkTextAngle_Player(ZvPlayer* p, int degrees)
{
    (void)p; (void)degrees;
    return 0;
}

int ZV_SetWatermarkTextPosition_Player(ZvPlayer* p, double x, double y)
{
    (void)p; (void)x; (void)y;
    return 0;
}

int ZV_SetWatermarkTextScale_Player(ZvPlayer* p, uint32_t sx, uint32_t sy)
{
    (void)p; (void)sx; (void)sy;
    return 0;
}

int ZV_SetWatermarkTextShowTime_Player(ZvPlayer* p, uint64_t start, uint64_t end)
{
    (void)p; (void)start; (void)end;
    return 0;
}

double ZV_GetWatermarkTextWidth_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

double ZV_GetWatermarkTextHeight_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

double ZV_GetWatermarkTextPosX_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

double ZV_GetWatermarkTextPosY_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

double ZV_GetWatermarkImageWidth_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

double ZV_GetWatermarkImageHeight_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

double ZV_GetWatermarkImagePosX_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

double ZV_GetWatermarkImagePosY_Player(ZvPlayer* p)
{
    (void)p;
    return 0;
}

int ZV_SetSubtlAlpha_Player(ZvPlayer* p, uint32_t alpha)
{
    (void)p; (void)alpha;
    return 0;
}

int ZV_SetSubtlTextSize_Player(ZvPlayer* p, uint32_t size)
{
    (void)p; (void)size;
    return 0;
}

int ZV_SetSubtlTextBold_Player(ZvPlayer* p, uint32_t on)
{
    (void)p; (void)on;
    return 0;
}

int ZV_SetSubtlTextItalic_Player(ZvPlayer* p, uint32_t on)
{
    (void)p; (void)on;
    return 0;
}

int ZV_SetSubtlTextUnderline_Player(ZvPlayer* p, uint32_t on)
{
    (void)p; (void)on;
    return 0;
}

int ZV_SetSubtlTextStrikeout_Player(ZvPlayer* p, uint32_t on)
{
    (void)p; (void)on;
    return 0;
}

int ZV_SetSubtlTextAlign_Player(ZvPlayer* p, uint32_t align)
{
    (void)p; (void)align;
    return 0;
}

int ZV_SetSubtlTextColor_Player(ZvPlayer* p, uint32_t argb)
{
    (void)p; (void)argb;
    return 0;
}

int ZV_SetSubtlTextShadowColor_Player(ZvPlayer* p, uint32_t argb)
{
    (void)p; (void)argb;
    return 0;
}

int ZV_SetSubtlTextOutlineColor_Player(ZvPlayer* p, uint32_t argb)
{
    (void)p; (void)argb;
    return 0;
}

int ZV_SetSubtlTextFont_Player(ZvPlayer* p, const char* family)
{
    (void)p; (void)family;
    return 0;
}

int ZV_SetSubtlTextFontFile_Player(ZvPlayer* p, const char* path)
{
    (void)p; (void)path;
    return 0;
}

int ZV_SetSubtlTextShadowOffset_Player(ZvPlayer* p, double value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetSubtlTextOutlineSize_Player(ZvPlayer* p, double value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetSubtlTextSpacingH_Player(ZvPlayer* p, double value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetSubtlTextSpacingV_Player(ZvPlayer* p, double value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetSubtlTextMarginH_Player(ZvPlayer* p, double value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetSubtlTextMarginV_Player(ZvPlayer* p, double value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetSubtlImageOffsetH_Player(ZvPlayer* p, double value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetSubtlImageOffsetV_Player(ZvPlayer* p, double value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetSubtlTextAngle_Player(ZvPlayer* p, int degrees)
{
    (void)p; (void)degrees;
    return 0;
}

int ZV_SetSubtlScale_Player(ZvPlayer* p, uint32_t sx, uint32_t sy)
{
    (void)p; (void)sx; (void)sy;
    return 0;
}

int ZV_SetSubtlDelay_Player(ZvPlayer* p, int64_t us)
{
    (void)p; (void)us;
    return 0;
}

int ZV_SetProgrIndex_Player(ZvPlayer* p, uint32_t index)
{
    (void)p; (void)index;
    return 0;
}

int ZV_SetVideoIndex_Player(ZvPlayer* p, uint32_t index)
{
    (void)p; (void)index;
    return 0;
}

int ZV_SetAudioIndex_Player(ZvPlayer* p, uint32_t index)
{
    (void)p; (void)index;
    return 0;
}

int ZV_SetSubtlIndex_Player(ZvPlayer* p, uint32_t index)
{
    (void)p; (void)index;
    return 0;
}

int ZV_EnableClosedCaption_Player(ZvPlayer* p, uint32_t on)
{
    (void)p; (void)on;
    return 0;
}

int ZV_SetSubtlFile_Player(ZvPlayer* p, const char* path)
{
    (void)p; (void)path;
    return 0;
}

int ZV_SetSubtlStream_Player(ZvPlayer* p, ZvSource* s)
{
    (void)p; (void)s;
    return 0;
}

int ZV_SetSubtlFileEx_Player(ZvPlayer* p, const char* path, uint32_t a, uint32_t b)
{
    (void)p; (void)path; (void)a; (void)b;
    return 0;
}

int ZV_SetSubtlStreamEx_Player(ZvPlayer* p, ZvSource* s, uint32_t a, uint32_t b)
{
    (void)p; (void)s; (void)a; (void)b;
    return 0;
}

int ZV_SetAudioBackgroundIndex_Player(ZvPlayer* p, uint32_t index)
{
    (void)p; (void)index;
    return 0;
}

int ZV_SetAudioBackgroundLast_Player(ZvPlayer* p, uint32_t value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetAudioBackgroundLoop_Player(ZvPlayer* p, uint32_t loop)
{
    (void)p; (void)loop;
    return 0;
}

int ZV_SetAudioBackgroundMixMode_Player(ZvPlayer* p, uint32_t mode)
{
    (void)p; (void)mode;
    return 0;
}

int ZV_SetAudioBackgroundVolume_Player(ZvPlayer* p, uint32_t percent)
{
    (void)p; (void)percent;
    return 0;
}

int ZV_SetAudioBackgroundWeight_Player(ZvPlayer* p, uint32_t weight)
{
    (void)p; (void)weight;
    return 0;
}

int ZV_SetAudioBackgroundReset_Player(ZvPlayer* p, uint32_t value)
{
    (void)p; (void)value;
    return 0;
}

int ZV_SetAudioBackgroundFile_Player(ZvPlayer* p, const char* path)
{
    (void)p; (void)path;
    return 0;
}

int ZV_SetAudioBackgroundStream_Player(ZvPlayer* p, ZvSource* s)
{
    (void)p; (void)s;
    return 0;
}

int ZV_SetAudioBackgroundTrack_Player(ZvPlayer* p, uint32_t track)
{
    (void)p; (void)track;
    return 0;
}

int ZV_SetAudioBackgroundFileEx_Player(ZvPlayer* p, const char* path, uint32_t a, uint32_t b)
{
    (void)p; (void)path; (void)a; (void)b;
    return 0;
}

int ZV_SetAudioBackgroundStreamEx_Player(ZvPlayer* p, ZvSource* s, uint32_t a, uint32_t b)
{
    (void)p; (void)s; (void)a; (void)b;
    return 0;
}

int ZV_SetAudioBackgroundChannelMix_Player(ZvPlayer* p, const uint32_t* map, uint32_t count)
{
    (void)p; (void)map; (void)count;
    return 0;
}

int ZV_SetAudioBackgroundEqualize_Player(ZvPlayer* p, const double* hz, const double* db, uint32_t count)
{
    (void)p; (void)hz; (void)db; (void)count;
    return 0;
}

int ZV_SetAudioBackgroundShowTime_Player(ZvPlayer* p, uint64_t start, uint64_t end)
{
    (void)p; (void)start; (void)end;
    return 0;
}

int ZV_SetAudioBackgroundSplitTime_Player(ZvPlayer* p, uint64_t start, uint64_t end)
{
    (void)p; (void)start; (void)end;
    return 0;
}

int ZV_SetAudioEqualize_Player(ZvPlayer* p, const double* hz, const double* db, uint32_t count)
{
    (void)p; (void)hz; (void)db; (void)count;
    return 0;
}

int ZV_SetAudioRate_Player(ZvPlayer* p, uint64_t percent)
{
    (void)p; (void)percent;
    return 0;
}

int ZV_SetAudioVolume_Player(ZvPlayer* p, uint64_t percent)
{
    (void)p; (void)percent;
    return 0;
}

int ZV_SetAudioRendererVolume_Player(ZvPlayer* p, uint64_t percent)
{
    (void)p; (void)percent;
    return 0;
}

} // extern "C"
