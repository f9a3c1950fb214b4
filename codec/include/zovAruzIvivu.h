#ifndef ZOVARUZIVIVU_H
#define ZOVARUZIVIVU_H

#include <stdint.h>

#if defined(__GNUC__)
#  define ZV_API __attribute__((visibility("default")))
#else
#  define ZV_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct ZvPlayer    ZvPlayer;
typedef struct ZvInfo      ZvInfo;
typedef struct ZvFrame     ZvFrame;
typedef struct ZvSource    ZvSource;
typedef struct ZvJob       ZvJob;
typedef struct ZvMerge     ZvMerge;
typedef struct ZvConfig    ZvConfig;
typedef struct ZvChapter   ZvChapter;
typedef struct ZvCrop      ZvCrop;
typedef struct ZvTagWriter ZvTagWriter;
typedef struct ZvPicture   ZvPicture;

/* frame is a ZvFrame*, valid until the call returns; return 1 = shown, 0 = not shown */
typedef unsigned int (*ZvFrameProc)(void* user, void* frame);

/* value of the metadata key "cover_image" */
typedef struct ZvMetaBlob { const uint8_t* data; uint32_t size; } ZvMetaBlob;

/* ---- Library ---- */
ZV_API int ZV_Initialize_Library(int threads, int logFile);
ZV_API int ZV_SetDataPath_Library(const char* folder);
ZV_API int ZV_SetFrameFormats_Library(const int32_t* codes, int count);
ZV_API int ZV_SetInterrupt_Library(int on);
ZV_API int ZV_Lock_Library(int on);

/* ---- Source ---- */
ZV_API ZvSource* ZV_CreateMemory_Source(const void* data, uint32_t size, uint32_t flags);
ZV_API ZvSource* ZV_CreateFile_Source(const char* path, uint32_t flags);
ZV_API int       ZV_SetOption_Source(ZvSource* s, uint32_t option);
ZV_API void      ZV_Release_Source(ZvSource* s);

/* ---- Info: lifecycle ---- */
ZV_API ZvInfo*     ZV_Create_Info(uint32_t flags);
ZV_API int         ZV_Open_Info(ZvInfo* h, const char* path);
ZV_API int         ZV_OpenDVD_Info(ZvInfo* h, const char* path);                 /* always 0 */
ZV_API int         ZV_OpenStream_Info(ZvInfo* h, ZvSource* s);
ZV_API int         ZV_OpenWithPlayer_Info(ZvInfo* h, ZvPlayer* p);
ZV_API const char* ZV_GetLastErrorText_Info(ZvInfo* h);
ZV_API void        ZV_Close_Info(ZvInfo* h);
ZV_API void        ZV_Destroy_Info(ZvInfo* h);
/* Makes the handle's open or picture read in progress give up; any thread. */
ZV_API int         ZV_Abort_Info(ZvInfo* h);
/* Info: programs and streams */
ZV_API uint32_t    ZV_GetProgrCount_Info(ZvInfo* h);
ZV_API int         ZV_SetProgrIndex_Info(ZvInfo* h, uint32_t index);
ZV_API const char* ZV_GetProgrName_Info(ZvInfo* h);
ZV_API uint32_t    ZV_GetVideoCount_Info(ZvInfo* h);
ZV_API uint32_t    ZV_GetAudioCount_Info(ZvInfo* h);
ZV_API uint32_t    ZV_GetSubtlCount_Info(ZvInfo* h);
ZV_API int         ZV_SetVideoIndex_Info(ZvInfo* h, uint32_t index);
ZV_API int         ZV_SetAudioIndex_Info(ZvInfo* h, uint32_t index);           /* 0xFFFFFFFF = none */
ZV_API int         ZV_SetSubtlIndex_Info(ZvInfo* h, uint32_t index);           /* 0xFFFFFFFF = none */
ZV_API int         ZV_EnableClosedCaption_Info(ZvInfo* h, uint32_t on);
ZV_API int         ZV_SetSubtlFile_Info(ZvInfo* h, const char* path);
ZV_API int         ZV_SetSubtlStream_Info(ZvInfo* h, ZvSource* s);
ZV_API int         ZV_SetSubtlFileEx_Info(ZvInfo* h, const char* path, uint32_t a, uint32_t b);
ZV_API int         ZV_SetSubtlStreamEx_Info(ZvInfo* h, ZvSource* s, uint32_t a, uint32_t b);
ZV_API int         ZV_HasVideo_Info(ZvInfo* h);
ZV_API int         ZV_HasAudio_Info(ZvInfo* h);
/* Info: whole media */
ZV_API uint32_t    ZV_GetVideoWidth_Info(ZvInfo* h);
ZV_API uint32_t    ZV_GetVideoHeight_Info(ZvInfo* h);
ZV_API uint32_t    ZV_GetVideoAspectRatioX_Info(ZvInfo* h);
ZV_API uint32_t    ZV_GetVideoAspectRatioY_Info(ZvInfo* h);
ZV_API uint64_t    ZV_GetDuration_Info(ZvInfo* h);
ZV_API int         ZV_CanSeek_Info(ZvInfo* h);
ZV_API const char* ZV_GetFormatName_Info(ZvInfo* h);
/* Info: metadata */
ZV_API const void*    ZV_GetMetaData_Info(ZvInfo* h, const char* key);       /* text, or ZvMetaBlob* for "cover_image" */
ZV_API const uint8_t* ZV_GetMetaDataData_Info(ZvInfo* h, const void* value);
ZV_API uint32_t       ZV_GetMetaDataSize_Info(ZvInfo* h, const void* value);
/* Info: selected streams */
ZV_API const char*    ZV_GetVideoTitle_Info(ZvInfo* h);
ZV_API const char*    ZV_GetVideoCodecName_Info(ZvInfo* h);
ZV_API const char*    ZV_GetVideoLanguage_Info(ZvInfo* h);
ZV_API const uint8_t* ZV_GetVideoCodecData_Info(ZvInfo* h);
ZV_API uint32_t       ZV_GetVideoCodecDataSize_Info(ZvInfo* h);
ZV_API uint64_t       ZV_GetVideoValue_Info(ZvInfo* h, uint32_t n);           /* n = 1..7 */
ZV_API const char*    ZV_GetAudioTitle_Info(ZvInfo* h);
ZV_API const char*    ZV_GetAudioCodecName_Info(ZvInfo* h);
ZV_API const char*    ZV_GetAudioLanguage_Info(ZvInfo* h);
ZV_API const uint8_t* ZV_GetAudioCodecData_Info(ZvInfo* h);
ZV_API uint32_t       ZV_GetAudioCodecDataSize_Info(ZvInfo* h);
ZV_API uint64_t       ZV_GetAudioValue_Info(ZvInfo* h, uint32_t n);           /* n = 1..6 */
ZV_API const char*    ZV_GetSubtlTitle_Info(ZvInfo* h);
ZV_API const char*    ZV_GetSubtlCodecName_Info(ZvInfo* h);
ZV_API const char*    ZV_GetSubtlLanguage_Info(ZvInfo* h);
ZV_API const uint8_t* ZV_GetSubtlCodecData_Info(ZvInfo* h);
ZV_API uint32_t       ZV_GetSubtlCodecDataSize_Info(ZvInfo* h);
ZV_API uint64_t       ZV_GetSubtlValue_Info(ZvInfo* h, uint32_t n);           /* n = 1 */
ZV_API uint32_t       ZV_GetSubtlCodecTag_Info(ZvInfo* h);
/* Info: chapters */
ZV_API uint32_t    ZV_GetChapterCount_Info(ZvInfo* h);
ZV_API uint64_t    ZV_GetChapterStartTime_Info(ZvInfo* h, uint32_t i);
ZV_API uint64_t    ZV_GetChapterDuration_Info(ZvInfo* h, uint32_t i);
ZV_API const char* ZV_GetChapterTitle_Info(ZvInfo* h, uint32_t i);
/* Info: picture at a time (BMP) */
ZV_API uint8_t*    ZV_GetVideoImage_Info(ZvInfo* h, uint64_t time, uint32_t mode, uint32_t width, uint32_t height, uint32_t reserved);
ZV_API uint32_t    ZV_GetVideoImageSize_Info(ZvInfo* h, const uint8_t* image);
ZV_API int         ZV_FreeVideoImage_Info(ZvInfo* h, uint8_t* image);

/* ---- Frame ---- */
ZV_API ZvFrame*  ZV_Create_Frame(void);
ZV_API ZvFrame*  ZV_Reference_Frame(ZvFrame* frame);
ZV_API void      ZV_Destroy_Frame(ZvFrame* f);
ZV_API int       ZV_GetVideoFormat_Frame(ZvFrame* f);                         /* 0, 30; -1 for null */
ZV_API uint32_t  ZV_GetVideoWidth_Frame(ZvFrame* f);
ZV_API uint32_t  ZV_GetVideoHeight_Frame(ZvFrame* f);
ZV_API int32_t   ZV_GetVideoStride_Frame(ZvFrame* f, uint32_t plane);
ZV_API uint8_t*  ZV_GetVideoData_Frame(ZvFrame* f, uint32_t plane);

/* ---- Player: lifecycle ---- */
ZV_API ZvPlayer* ZV_Create_Player(uint32_t flags);
ZV_API ZvPlayer* ZV_Reference_Player(ZvPlayer* p);
ZV_API int  ZV_Open_Player(ZvPlayer* p, const char* path, uint32_t width, uint32_t height, uint32_t r1, uint32_t r2);
ZV_API int  ZV_OpenStream_Player(ZvPlayer* p, ZvSource* s, uint32_t width, uint32_t height, uint32_t r1, uint32_t r2);
ZV_API int  ZV_OpenDVD_Player(ZvPlayer* p, const char* path, uint32_t width, uint32_t height, uint32_t r1, uint32_t r2); /* always 0 */
ZV_API int  ZV_Close_Player(ZvPlayer* p);
ZV_API void ZV_Destroy_Player(ZvPlayer* p);
ZV_API int  ZV_IsAudioRendererOpenFailed_Player(ZvPlayer* p);
/* Player: state, times, sizes */
ZV_API int      ZV_IsCompleted_Player(ZvPlayer* p);
ZV_API int      ZV_IsStop_Player(ZvPlayer* p);
ZV_API int      ZV_IsPause_Player(ZvPlayer* p);
ZV_API int      ZV_IsRunning_Player(ZvPlayer* p);
ZV_API int      ZV_HasVideo_Player(ZvPlayer* p);
ZV_API int      ZV_HasAudio_Player(ZvPlayer* p);
ZV_API int      ZV_CanSeek_Player(ZvPlayer* p);
ZV_API uint64_t ZV_GetDuration_Player(ZvPlayer* p);
ZV_API uint64_t ZV_GetPlayTime_Player(ZvPlayer* p);
ZV_API uint64_t ZV_GetVideoTime_Player(ZvPlayer* p);
ZV_API uint64_t ZV_GetVideoSize_Player(ZvPlayer* p);                          /* packed */
ZV_API uint64_t ZV_GetVideoAspectRatio_Player(ZvPlayer* p);                   /* packed */
ZV_API uint32_t ZV_GetAudioWaveRate_Player(ZvPlayer* p);                      /* 2 x sample rate */
/* Player: transport */
ZV_API int ZV_Play_Player(ZvPlayer* p);
ZV_API int ZV_Pause_Player(ZvPlayer* p);
ZV_API int ZV_Stop_Player(ZvPlayer* p);
ZV_API int ZV_Seek_Player(ZvPlayer* p, uint64_t time);
ZV_API int ZV_BeginAsyncSeek_Player(ZvPlayer* p, uint64_t window);
ZV_API int ZV_EndAsyncSeek_Player(ZvPlayer* p);
ZV_API int ZV_FastSeek_Player(ZvPlayer* p, uint64_t time, int mode);
ZV_API int ZV_FrameStep_Player(ZvPlayer* p, int count);
ZV_API int ZV_KeyFrameStep_Player(ZvPlayer* p, int count);
ZV_API int ZV_ChangeSpeed_Player(ZvPlayer* p, int percent);
ZV_API int ZV_EnableLoop_Player(ZvPlayer* p, int on);
/* Player: settings batch */
ZV_API int ZV_BeginSettings_Player(ZvPlayer* p);
ZV_API int ZV_EndSettings_Player(ZvPlayer* p);
ZV_API int ZV_EnableShowWhenSetting_Player(ZvPlayer* p, uint32_t on);
/* Player: views and frame delivery */
ZV_API int ZV_SetVideoView_Player(ZvPlayer* p, void* view);                   /* always 0 */
ZV_API int ZV_SetOriginalVideoView_Player(ZvPlayer* p, void* view);           /* always 0 */
ZV_API int ZV_SetVideoFrameHandle_Player(ZvPlayer* p, ZvFrameProc proc, void* user);
ZV_API int ZV_SetOriginalVideoFrameHandle_Player(ZvPlayer* p, ZvFrameProc proc, void* user);
ZV_API int ZV_SetTimeInterval_Player(ZvPlayer* p, uint64_t us);
ZV_API int ZV_ShowVideoFrame_Player(ZvPlayer* p);
ZV_API int ZV_UpdateVideoFrame_Player(ZvPlayer* p);
ZV_API int ZV_RefreshVideoFrame_Player(ZvPlayer* p);
/* Player: capture and wave data */
ZV_API uint8_t* ZV_CaptureVideoImage_Player(ZvPlayer* p, uint32_t width, uint32_t height, uint32_t format);
ZV_API int      ZV_FreeVideoImage_Player(ZvPlayer* p, uint8_t* image);
ZV_API int      ZV_EnableAudioWaveData_Player(ZvPlayer* p, uint32_t on);
ZV_API uint8_t* ZV_GetAudioWaveData_Player(ZvPlayer* p, uint32_t request);
ZV_API int      ZV_FreeAudioWaveData_Player(ZvPlayer* p, uint8_t* block);
/* Player: picture */
ZV_API int ZV_SetVideoRotate_Player(ZvPlayer* p, uint32_t degrees);
ZV_API int ZV_SetVideoMirror_Player(ZvPlayer* p, uint32_t mirror);
ZV_API int ZV_SetVideoSaturation_Player(ZvPlayer* p, uint32_t percent);
ZV_API int ZV_SetVideoContrast_Player(ZvPlayer* p, uint32_t percent);
ZV_API int ZV_SetVideoHue_Player(ZvPlayer* p, uint32_t degrees);             /* read as int32 */
ZV_API int ZV_SetVideoYOffset_Player(ZvPlayer* p, uint32_t offset);          /* read as int32 */
ZV_API int ZV_SetVideoWatermarkMaxCount_Player(ZvPlayer* p, uint32_t count);
ZV_API int ZV_SetVideoPadAndColor_Player(ZvPlayer* p, uint32_t pad, uint32_t argb);
ZV_API int ZV_SetVideoAspectRatio_Player(ZvPlayer* p, uint32_t x, uint32_t y);
ZV_API int ZV_SetVideoCrop_Player(ZvPlayer* p, double x, double y, double w, double h);
ZV_API int ZV_SetVideoCropBorderAlpha_Player(ZvPlayer* p, uint32_t alpha);
ZV_API int ZV_EnableVideoCropBorder_Player(ZvPlayer* p, uint32_t on);
/* Player: overlay layer, image */
ZV_API int ZV_SetWatermarkIndex_Player(ZvPlayer* p, uint32_t layer);
ZV_API int ZV_SetWatermarkImageFile_Player(ZvPlayer* p, const char* path);
ZV_API int ZV_SetWatermarkImageMaskFile_Player(ZvPlayer* p, const char* path);
ZV_API int ZV_SetWatermarkImageMirror_Player(ZvPlayer* p, uint32_t mirror);
ZV_API int ZV_SetWatermarkImageBrightness_Player(ZvPlayer* p, uint32_t value);
ZV_API int ZV_SetWatermarkImageSaturation_Player(ZvPlayer* p, uint32_t value);
ZV_API int ZV_SetWatermarkImageContrast_Player(ZvPlayer* p, uint32_t value);
ZV_API int ZV_SetWatermarkImageHue_Player(ZvPlayer* p, uint32_t value);
ZV_API int ZV_SetWatermarkImageYOffset_Player(ZvPlayer* p, uint32_t value);
ZV_API int ZV_SetWatermarkImageMixMode_Player(ZvPlayer* p, uint32_t mode);
ZV_API int ZV_SetWatermarkImageAlpha_Player(ZvPlayer* p, uint32_t alpha);
ZV_API int ZV_SetWatermarkImageLoop_Player(ZvPlayer* p, uint32_t loop);
ZV_API int ZV_EnableWatermarkImageBordert_Player(ZvPlayer* p, uint32_t on);
ZV_API int ZV_SetWatermarkBorderAlpha_Player(ZvPlayer* p, uint32_t alpha);
ZV_API int ZV_EnableWatermarkImageBorder_Player(ZvPlayer* p, int on);
ZV_API int ZV_SetWatermarkImageAngle_Player(ZvPlayer* p, int degrees);
ZV_API int ZV_SetWatermarkImagePosition_Player(ZvPlayer* p, double x, double y);
ZV_API int ZV_SetWatermarkImageSize_Player(ZvPlayer* p, double w, double h);
ZV_API int ZV_SetWatermarkImageScale_Player(ZvPlayer* p, uint32_t sx, uint32_t sy);
ZV_API int ZV_SetWatermarkImageCrop_Player(ZvPlayer* p, double x, double y, double w, double h);
ZV_API int ZV_SetWatermarkImageShowTime_Player(ZvPlayer* p, uint64_t start, uint64_t end);
ZV_API int ZV_SetWatermarkImageSplitTime_Player(ZvPlayer* p, uint64_t start, uint64_t end);
/* Player: overlay text */
ZV_API int ZV_SetWatermarkText_Player(ZvPlayer* p, const char* text);
ZV_API int ZV_SetWatermarkTextFont_Player(ZvPlayer* p, const char* family);
ZV_API int ZV_SetWatermarkTextFontFile_Player(ZvPlayer* p, const char* path);
ZV_API int ZV_SetWatermarkTextSize_Player(ZvPlayer* p, uint32_t size);
ZV_API int ZV_SetWatermarkTextBold_Player(ZvPlayer* p, uint32_t on);
ZV_API int ZV_SetWatermarkTextItalic_Player(ZvPlayer* p, uint32_t on);
ZV_API int ZV_SetWatermarkTextUnderline_Player(ZvPlayer* p, uint32_t on);
ZV_API int ZV_SetWatermarkTextStrikeout_Player(ZvPlayer* p, uint32_t on);
ZV_API int ZV_SetWatermarkTextAlign_Player(ZvPlayer* p, uint32_t align);
ZV_API int ZV_SetWatermarkTextAlpha_Player(ZvPlayer* p, uint32_t alpha);
ZV_API int ZV_SetWatermarkTextLayerTopmost_Player(ZvPlayer* p, uint32_t on);
ZV_API int ZV_EnableWatermarkTextBorder_Player(ZvPlayer* p, uint32_t on);
ZV_API int ZV_SetWatermarkTextColor_Player(ZvPlayer* p, uint32_t argb);
ZV_API int ZV_SetWatermarkTextShadowColor_Player(ZvPlayer* p, uint32_t argb);
ZV_API int ZV_SetWatermarkTextOutlineColor_Player(ZvPlayer* p, uint32_t argb);
ZV_API int ZV_SetWatermarkTextShadowOffset_Player(ZvPlayer* p, double value);
ZV_API int ZV_SetWatermarkTextOutlineSize_Player(ZvPlayer* p, double value);
ZV_API int ZV_SetWatermarkTextSpacingH_Player(ZvPlayer* p, double value);
ZV_API int ZV_SetWatermarkTextSpacingV_Player(ZvPlayer* p, double value);
ZV_API int ZV_SetWatermarkTextAngle_Player(ZvPlayer* p, int degrees);
ZV_API int ZV_SetWatermarkTextPosition_Player(ZvPlayer* p, double x, double y);
ZV_API int ZV_SetWatermarkTextScale_Player(ZvPlayer* p, uint32_t sx, uint32_t sy);
ZV_API int ZV_SetWatermarkTextShowTime_Player(ZvPlayer* p, uint64_t start, uint64_t end);
/* Player: overlay read-backs (fractions of the edited picture) */
ZV_API double ZV_GetWatermarkTextWidth_Player(ZvPlayer* p);
ZV_API double ZV_GetWatermarkTextHeight_Player(ZvPlayer* p);
ZV_API double ZV_GetWatermarkTextPosX_Player(ZvPlayer* p);
ZV_API double ZV_GetWatermarkTextPosY_Player(ZvPlayer* p);
ZV_API double ZV_GetWatermarkImageWidth_Player(ZvPlayer* p);
ZV_API double ZV_GetWatermarkImageHeight_Player(ZvPlayer* p);
ZV_API double ZV_GetWatermarkImagePosX_Player(ZvPlayer* p);
ZV_API double ZV_GetWatermarkImagePosY_Player(ZvPlayer* p);
/* Player: subtitle style */
ZV_API int ZV_SetSubtlAlpha_Player(ZvPlayer* p, uint32_t alpha);
ZV_API int ZV_SetSubtlTextSize_Player(ZvPlayer* p, uint32_t size);
ZV_API int ZV_SetSubtlTextBold_Player(ZvPlayer* p, uint32_t on);
ZV_API int ZV_SetSubtlTextItalic_Player(ZvPlayer* p, uint32_t on);
ZV_API int ZV_SetSubtlTextUnderline_Player(ZvPlayer* p, uint32_t on);
ZV_API int ZV_SetSubtlTextStrikeout_Player(ZvPlayer* p, uint32_t on);
ZV_API int ZV_SetSubtlTextAlign_Player(ZvPlayer* p, uint32_t align);         /* 0 bottom, 16 top, 32 middle */
ZV_API int ZV_SetSubtlTextColor_Player(ZvPlayer* p, uint32_t argb);
ZV_API int ZV_SetSubtlTextShadowColor_Player(ZvPlayer* p, uint32_t argb);
ZV_API int ZV_SetSubtlTextOutlineColor_Player(ZvPlayer* p, uint32_t argb);
ZV_API int ZV_SetSubtlTextFont_Player(ZvPlayer* p, const char* family);
ZV_API int ZV_SetSubtlTextFontFile_Player(ZvPlayer* p, const char* path);
ZV_API int ZV_SetSubtlTextShadowOffset_Player(ZvPlayer* p, double value);
ZV_API int ZV_SetSubtlTextOutlineSize_Player(ZvPlayer* p, double value);
ZV_API int ZV_SetSubtlTextSpacingH_Player(ZvPlayer* p, double value);
ZV_API int ZV_SetSubtlTextSpacingV_Player(ZvPlayer* p, double value);
ZV_API int ZV_SetSubtlTextMarginH_Player(ZvPlayer* p, double value);
ZV_API int ZV_SetSubtlTextMarginV_Player(ZvPlayer* p, double value);
ZV_API int ZV_SetSubtlImageOffsetH_Player(ZvPlayer* p, double value);
ZV_API int ZV_SetSubtlImageOffsetV_Player(ZvPlayer* p, double value);
ZV_API int ZV_SetSubtlTextAngle_Player(ZvPlayer* p, int degrees);
ZV_API int ZV_SetSubtlScale_Player(ZvPlayer* p, uint32_t sx, uint32_t sy);
ZV_API int ZV_SetSubtlDelay_Player(ZvPlayer* p, int64_t us);
/* Player: streams and subtitle sources */
ZV_API int ZV_SetProgrIndex_Player(ZvPlayer* p, uint32_t index);
ZV_API int ZV_SetVideoIndex_Player(ZvPlayer* p, uint32_t index);
ZV_API int ZV_SetAudioIndex_Player(ZvPlayer* p, uint32_t index);             /* 0xFFFFFFFF = no audio */
ZV_API int ZV_SetSubtlIndex_Player(ZvPlayer* p, uint32_t index);             /* 0xFFFFFFFF = none */
ZV_API int ZV_EnableClosedCaption_Player(ZvPlayer* p, uint32_t on);
ZV_API int ZV_SetSubtlFile_Player(ZvPlayer* p, const char* path);
ZV_API int ZV_SetSubtlStream_Player(ZvPlayer* p, ZvSource* s);
ZV_API int ZV_SetSubtlFileEx_Player(ZvPlayer* p, const char* path, uint32_t a, uint32_t b);
ZV_API int ZV_SetSubtlStreamEx_Player(ZvPlayer* p, ZvSource* s, uint32_t a, uint32_t b);
/* Player: background audio */
ZV_API int ZV_SetAudioBackgroundIndex_Player(ZvPlayer* p, uint32_t index);
ZV_API int ZV_SetAudioBackgroundLast_Player(ZvPlayer* p, uint32_t value);
ZV_API int ZV_SetAudioBackgroundLoop_Player(ZvPlayer* p, uint32_t loop);
ZV_API int ZV_SetAudioBackgroundMixMode_Player(ZvPlayer* p, uint32_t mode);
ZV_API int ZV_SetAudioBackgroundVolume_Player(ZvPlayer* p, uint32_t percent);
ZV_API int ZV_SetAudioBackgroundWeight_Player(ZvPlayer* p, uint32_t weight);
ZV_API int ZV_SetAudioBackgroundReset_Player(ZvPlayer* p, uint32_t value);
ZV_API int ZV_SetAudioBackgroundFile_Player(ZvPlayer* p, const char* path);
ZV_API int ZV_SetAudioBackgroundStream_Player(ZvPlayer* p, ZvSource* s);
ZV_API int ZV_SetAudioBackgroundTrack_Player(ZvPlayer* p, uint32_t track);
ZV_API int ZV_SetAudioBackgroundFileEx_Player(ZvPlayer* p, const char* path, uint32_t a, uint32_t b);
ZV_API int ZV_SetAudioBackgroundStreamEx_Player(ZvPlayer* p, ZvSource* s, uint32_t a, uint32_t b);
ZV_API int ZV_SetAudioBackgroundChannelMix_Player(ZvPlayer* p, const uint32_t* map, uint32_t count);
ZV_API int ZV_SetAudioBackgroundEqualize_Player(ZvPlayer* p, const double* hz, const double* db, uint32_t count);
ZV_API int ZV_SetAudioBackgroundShowTime_Player(ZvPlayer* p, uint64_t start, uint64_t end);
ZV_API int ZV_SetAudioBackgroundSplitTime_Player(ZvPlayer* p, uint64_t start, uint64_t end);
/* Player: main audio */
ZV_API int ZV_SetAudioEqualize_Player(ZvPlayer* p, const double* hz, const double* db, uint32_t count);
ZV_API int ZV_SetAudioRate_Player(ZvPlayer* p, uint64_t percent);
ZV_API int ZV_SetAudioVolume_Player(ZvPlayer* p, uint64_t percent);
ZV_API int ZV_SetAudioRendererVolume_Player(ZvPlayer* p, uint64_t percent);

/* ---- Crop ---- */
ZV_API ZvCrop*  ZV_Create_Crop(uint32_t srcWidth, uint32_t srcHeight, double x, double y, double w, double h);
ZV_API uint32_t ZV_GetWidth_Crop(ZvCrop* c);
ZV_API uint32_t ZV_GetHeight_Crop(ZvCrop* c);
ZV_API void     ZV_Release_Crop(ZvCrop* c);

/* ---- Chapter ---- */
ZV_API ZvChapter*  ZV_Create_Chapter(int32_t flags);
ZV_API int         ZV_Open_Chapter(ZvChapter* c, const char* path);
ZV_API int         ZV_OpenDVD_Chapter(ZvChapter* c, const char* path, uint32_t program); /* always 0 */
ZV_API uint32_t    ZV_GetCount_Chapter(ZvChapter* c);
ZV_API uint64_t    ZV_GetStartTime_Chapter(ZvChapter* c, uint32_t i);
ZV_API uint64_t    ZV_GetDuration_Chapter(ZvChapter* c, uint32_t i);
ZV_API const char* ZV_GetTitle_Chapter(ZvChapter* c, uint32_t i);
ZV_API int         ZV_Abort_Chapter(ZvChapter* c);
ZV_API void        ZV_Close_Chapter(ZvChapter* c);
ZV_API void        ZV_Release_Chapter(ZvChapter* c);

/* ---- Picture (metadata cover) ---- */
ZV_API ZvPicture* ZV_Create_Picture(const void* data, uint32_t size);
ZV_API void       ZV_Release_Picture(ZvPicture* p);

/* ---- Config: store and encode parameters ---- */
ZV_API ZvConfig* ZV_Create_Config(void);
ZV_API void      ZV_Release_Config(ZvConfig* c);
ZV_API int ZV_EnableVideo_Config(ZvConfig* c, uint32_t on);
ZV_API int ZV_EnableAudio_Config(ZvConfig* c, uint32_t on);
ZV_API int ZV_SetVideoCodec_Config(ZvConfig* c, uint32_t id);                /* Table A; 0xFFFFFFFF = none */
ZV_API int ZV_SetAudioCodec_Config(ZvConfig* c, uint32_t id);
ZV_API int ZV_SetVideoEncoderOption_Config(ZvConfig* c, uint32_t option);
ZV_API int ZV_SetVideoProfile_Config(ZvConfig* c, uint32_t profile);
ZV_API int ZV_SetVideoSize_Config(ZvConfig* c, uint32_t width, uint32_t height);
ZV_API int ZV_SetVideoFrameRate_Config(ZvConfig* c, uint32_t num, uint32_t den);
ZV_API int ZV_SetVideoBitRate_Config(ZvConfig* c, uint32_t bps);
ZV_API int ZV_SetAudioChannels_Config(ZvConfig* c, uint32_t channels);
ZV_API int ZV_SetAudioSampleRate_Config(ZvConfig* c, uint32_t hz);
ZV_API int ZV_SetAudioBitRate_Config(ZvConfig* c, uint32_t bps);
ZV_API int ZV_SetVideoQuality_Config(ZvConfig* c, uint32_t quality);         /* 90 or 50 */
ZV_API int ZV_SetAudioQuality_Config(ZvConfig* c, uint32_t quality);
ZV_API int ZV_SetTextOption_Config(ZvConfig* c, const char* options);
ZV_API int ZV_AddChapter_Config(ZvConfig* c, uint64_t start, uint64_t length, const char* title);
/* Config: colour */
ZV_API int ZV_SetVideoBrightness_Config(ZvConfig* c, uint32_t value);        /* read as int32 */
ZV_API int ZV_SetVideoSaturation_Config(ZvConfig* c, uint32_t value);
ZV_API int ZV_SetVideoContrast_Config(ZvConfig* c, uint32_t value);
ZV_API int ZV_SetVideoHue_Config(ZvConfig* c, uint32_t value);               /* read as int32 */
/* Config: streams */
ZV_API int ZV_SetProgrIndex_Config(ZvConfig* c, uint32_t index);
ZV_API int ZV_SetAudioIndex_Config(ZvConfig* c, uint32_t index);
ZV_API int ZV_SetAudioTrackMask_Config(ZvConfig* c, uint64_t mask);
ZV_API int ZV_SetAudioFile_Config(ZvConfig* c, const char* path);
ZV_API int ZV_SetSubtlIndex_Config(ZvConfig* c, uint32_t index);
ZV_API int ZV_SetSubtlFile_Config(ZvConfig* c, const char* path);
ZV_API int ZV_EnableClosedCaption_Config(ZvConfig* c, uint32_t on);
ZV_API int ZV_SetSubtlTrackMask_Config(ZvConfig* c, uint64_t mask);
ZV_API int ZV_SetSubtlCodec_Config(ZvConfig* c, uint32_t id);                /* 94213 mov_text, 94210 text */
/* Config: subtitle style */
ZV_API int ZV_SetSubtlAlpha_Config(ZvConfig* c, uint32_t alpha);
ZV_API int ZV_SetSubtlScale_Config(ZvConfig* c, uint32_t sx, uint32_t sy);
ZV_API int ZV_SetSubtlDelay_Config(ZvConfig* c, int64_t us);
ZV_API int ZV_SetSubtlTextFont_Config(ZvConfig* c, const char* family);
ZV_API int ZV_SetSubtlTextBold_Config(ZvConfig* c, uint32_t on);
ZV_API int ZV_SetSubtlTextItalic_Config(ZvConfig* c, uint32_t on);
ZV_API int ZV_SetSubtlTextUnderline_Config(ZvConfig* c, uint32_t on);
ZV_API int ZV_SetSubtlTextStrikeout_Config(ZvConfig* c, uint32_t on);
ZV_API int ZV_SetSubtlTextSize_Config(ZvConfig* c, uint32_t size);
ZV_API int ZV_SetSubtlTextColor_Config(ZvConfig* c, uint32_t argb);
ZV_API int ZV_SetSubtlTextShadowColor_Config(ZvConfig* c, uint32_t argb);
ZV_API int ZV_SetSubtlTextOutlineColor_Config(ZvConfig* c, uint32_t argb);
ZV_API int ZV_SetSubtlTextShadowOffset_Config(ZvConfig* c, double value);
ZV_API int ZV_SetSubtlTextOutlineSize_Config(ZvConfig* c, double value);
ZV_API int ZV_SetSubtlTextMarginH_Config(ZvConfig* c, double value);
ZV_API int ZV_SetSubtlTextMarginV_Config(ZvConfig* c, double value);
ZV_API int ZV_SetSubtlTextAlign_Config(ZvConfig* c, uint32_t align);
ZV_API int ZV_SetSubtlTextSpacingH_Config(ZvConfig* c, double value);
ZV_API int ZV_SetSubtlTextSpacingV_Config(ZvConfig* c, double value);
/* Config: overlays (per layer) */
ZV_API int ZV_SetVideoWatermarkMaxCount_Config(ZvConfig* c, uint32_t count);
ZV_API int ZV_SetWatermarkIndex_Config(ZvConfig* c, uint32_t layer);
ZV_API int ZV_SetWatermarkImageFile_Config(ZvConfig* c, const char* path);
ZV_API int ZV_SetWatermarkImageMaskFile_Config(ZvConfig* c, const char* path);
ZV_API int ZV_SetWatermarkImageMirror_Config(ZvConfig* c, uint32_t mirror);
ZV_API int ZV_SetWatermarkImagePosition_Config(ZvConfig* c, double x, double y);
ZV_API int ZV_SetWatermarkImageScale_Config(ZvConfig* c, uint32_t sx, uint32_t sy);
ZV_API int ZV_SetWatermarkImageAngle_Config(ZvConfig* c, int degrees);
ZV_API int ZV_SetWatermarkImageAlpha_Config(ZvConfig* c, uint32_t alpha);
ZV_API int ZV_SetWatermarkImageMixMode_Config(ZvConfig* c, uint32_t mode);
ZV_API int ZV_SetWatermarkImageSize_Config(ZvConfig* c, double w, double h);
ZV_API int ZV_SetWatermarkImageLoop_Config(ZvConfig* c, uint32_t loop);
ZV_API int ZV_SetWatermarkImageCrop_Config(ZvConfig* c, double x, double y, double w, double h);
ZV_API int ZV_SetWatermarkText_Config(ZvConfig* c, const char* text);
ZV_API int ZV_SetWatermarkTextAlpha_Config(ZvConfig* c, uint32_t alpha);
ZV_API int ZV_SetWatermarkTextPosition_Config(ZvConfig* c, double x, double y);
ZV_API int ZV_SetWatermarkTextAngle_Config(ZvConfig* c, int degrees);
ZV_API int ZV_SetWatermarkTextBold_Config(ZvConfig* c, uint32_t on);
ZV_API int ZV_SetWatermarkTextSize_Config(ZvConfig* c, uint32_t size);
ZV_API int ZV_SetWatermarkTextFont_Config(ZvConfig* c, const char* family);
ZV_API int ZV_SetWatermarkTextColor_Config(ZvConfig* c, uint32_t argb);
ZV_API int ZV_SetWatermarkTextOutlineColor_Config(ZvConfig* c, uint32_t argb);
ZV_API int ZV_SetWatermarkTextOutlineSize_Config(ZvConfig* c, double value);
ZV_API int ZV_SetWatermarkTextShadowColor_Config(ZvConfig* c, uint32_t argb);
ZV_API int ZV_SetWatermarkTextShadowOffset_Config(ZvConfig* c, double value);
ZV_API int ZV_SetWatermarkTextItalic_Config(ZvConfig* c, uint32_t on);
ZV_API int ZV_SetWatermarkTextUnderline_Config(ZvConfig* c, uint32_t on);
ZV_API int ZV_SetWatermarkTextStrikeout_Config(ZvConfig* c, uint32_t on);
ZV_API int ZV_SetWatermarkTextScale_Config(ZvConfig* c, uint32_t sx, uint32_t sy);
ZV_API int ZV_SetWatermarkTextLayerTopmost_Config(ZvConfig* c, uint32_t on);
ZV_API int ZV_SetWatermarkTextSpacingH_Config(ZvConfig* c, double value);
ZV_API int ZV_SetWatermarkTextSpacingV_Config(ZvConfig* c, double value);
/* Config: background audio (per index) */
ZV_API int ZV_SetAudioBackgroundIndex_Config(ZvConfig* c, uint32_t index);
ZV_API int ZV_SetAudioBackgroundFile_Config(ZvConfig* c, const char* path);
ZV_API int ZV_SetAudioBackgroundLoop_Config(ZvConfig* c, uint32_t loop);
ZV_API int ZV_SetAudioBackgroundMixMode_Config(ZvConfig* c, uint32_t mode);
ZV_API int ZV_SetAudioBackgroundVolume_Config(ZvConfig* c, uint32_t percent);
ZV_API int ZV_SetAudioBackgroundWeight_Config(ZvConfig* c, uint32_t weight);
ZV_API int ZV_SetAudioBackgroundShowTime_Config(ZvConfig* c, uint64_t start, uint64_t end);
ZV_API int ZV_SetAudioBackgroundSplitTime_Config(ZvConfig* c, uint64_t start, uint64_t end);
/* Config: geometry */
ZV_API int ZV_SetVideoAspectRatio_Config(ZvConfig* c, uint32_t x, uint32_t y);
ZV_API int ZV_SetVideoRotate_Config(ZvConfig* c, uint32_t degrees);
ZV_API int ZV_SetVideoMirror_Config(ZvConfig* c, uint32_t mirror);
ZV_API int ZV_SetVideoPadAndColor_Config(ZvConfig* c, uint32_t pad, uint32_t argb);
ZV_API int ZV_SetVideoCrop_Config(ZvConfig* c, double x, double y, double w, double h);
/* Config: audio */
ZV_API int ZV_SetAudioVolume_Config(ZvConfig* c, uint32_t percent);
ZV_API int ZV_SetAudioRate_Config(ZvConfig* c, uint32_t percent);
ZV_API int ZV_SetAudioSpeed_Config(ZvConfig* c, uint32_t percent);
ZV_API int ZV_SetAudioEqualize_Config(ZvConfig* c, const double* hz, const double* db, uint32_t count);
/* Config: metadata */
ZV_API int ZV_SetMetaData_Config(ZvConfig* c, const char* key, const char* value);
ZV_API int ZV_SetMetaDataPicture_Config(ZvConfig* c, const char* key, ZvPicture* picture);
/* Config: tags written into a job's output before it takes its final name (field numbers as the tag writer's) */
ZV_API int ZV_SetTag_Config(ZvConfig* c, uint32_t field, const char* utf8);
ZV_API int ZV_SetTagPicture_Config(ZvConfig* c, const void* data, uint32_t size);

/* ---- Job ---- */
ZV_API ZvJob*      ZV_CreateCopy_Job(int32_t flags);
ZV_API ZvJob*      ZV_CreateEncode_Job(int32_t flags);
ZV_API int         ZV_Open_Job(ZvJob* j, const char* src, const char* dst, const char* container, ZvConfig* cfg);
ZV_API int         ZV_OpenDVD_Job(ZvJob* j, const char* src, const char* dst, const char* container, ZvConfig* cfg); /* always 0 */
ZV_API int         ZV_SetRange_Job(ZvJob* j, uint64_t start, uint64_t duration);
ZV_API int         ZV_Begin_Job(ZvJob* j);
ZV_API int         ZV_IsFinished_Job(ZvJob* j);                              /* waits up to 20 ms before 0 */
ZV_API int         ZV_IsStopped_Job(ZvJob* j);
ZV_API uint64_t    ZV_GetTotal_Job(ZvJob* j);
ZV_API uint64_t    ZV_GetDone_Job(ZvJob* j);
ZV_API int         ZV_GetError_Job(ZvJob* j);                                /* 0 or negative AVERROR */
ZV_API const char* ZV_GetErrorText_Job(ZvJob* j);
ZV_API int         ZV_Stop_Job(ZvJob* j);
ZV_API int         ZV_Close_Job(ZvJob* j);
ZV_API void        ZV_Destroy_Job(ZvJob* j);
/* Removes the partial outputs killed runs left in a folder (not its subfolders); returns how many */
ZV_API int         ZV_RemovePartials_Output(const char* folder);
/* Job: track-mux members (no caller; always fail) */
ZV_API void*       ZV_CreateTrack_Job(ZvJob* j, uint32_t type, uint32_t format, const uint32_t* params, uint32_t count, const void* data, uint32_t size); /* NULL */
ZV_API int         ZV_AddPacket_Track(void* track, const void* data, uint32_t size, uint64_t pts, uint64_t dts, uint32_t flags);                 /* 0 */
ZV_API uint64_t    ZV_GetTime_Track(void* track);                                                                                                /* 0 */
ZV_API void        ZV_Release_Track(void* track);

/* ---- Merge ---- */
ZV_API ZvMerge*    ZV_CreateCopy_Merge(int32_t flags);
ZV_API ZvMerge*    ZV_CreateEncode_Merge(int32_t flags);
ZV_API int         ZV_OpenOutput_Merge(ZvMerge* m, const char* dst, const char* container, ZvConfig* cfg);
ZV_API int         ZV_Begin_Merge(ZvMerge* m);
ZV_API int         ZV_AddTask_Merge(ZvMerge* m, const char* src, uint64_t start, uint64_t duration, ZvConfig* cfg);
ZV_API int         ZV_AddTaskDVD_Merge(ZvMerge* m, const char* src, uint64_t start, uint64_t duration, ZvConfig* cfg); /* always 0 */
ZV_API int         ZV_IsTaskFinished_Merge(ZvMerge* m);                      /* waits up to 20 ms before 0 */
ZV_API int         ZV_IsStopped_Merge(ZvMerge* m);
ZV_API uint64_t    ZV_GetTotal_Merge(ZvMerge* m);
ZV_API uint64_t    ZV_GetDone_Merge(ZvMerge* m);
ZV_API int         ZV_GetError_Merge(ZvMerge* m);
ZV_API const char* ZV_GetErrorText_Merge(ZvMerge* m);
ZV_API int         ZV_Stop_Merge(ZvMerge* m, int wait);
ZV_API int         ZV_Close_Merge(ZvMerge* m);
ZV_API void        ZV_Destroy_Merge(ZvMerge* m);

/* ---- Tag writer (UTF-32 texts with byte lengths) ---- */
ZV_API ZvTagWriter* ZV_Create_TagWriter(void);
ZV_API int  ZV_Open_TagWriter(ZvTagWriter* w, const uint32_t* utf32Path);   /* 0 = success */
ZV_API int  ZV_Prepare_TagWriter(ZvTagWriter* w);
ZV_API int  ZV_SetField_TagWriter(ZvTagWriter* w, uint32_t field, const uint32_t* text, uint32_t byteLength);
ZV_API int  ZV_SetPicture_TagWriter(ZvTagWriter* w, uint32_t field, const void* data, uint32_t size);
ZV_API int  ZV_AddItem_TagWriter(ZvTagWriter* w, int32_t value, uint32_t id, uint32_t kind, uint32_t length, const void* data);
ZV_API int  ZV_Save_TagWriter(ZvTagWriter* w);
ZV_API void ZV_Close_TagWriter(ZvTagWriter* w);
ZV_API void ZV_Destroy_TagWriter(ZvTagWriter* w);

#ifdef __cplusplus
}
#endif
#endif /* ZOVARUZIVIVU_H */
