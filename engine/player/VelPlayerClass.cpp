#include "VelPlayerClass.h"

#include "zovAruzIvivu.h"

namespace {
constexpr uint32_t kFlagsWithAudio = 0xFFFFFFFFu;
constexpr uint32_t kFlagsSilent = 0xFFFFFFFDu;
} // namespace

VelPlayerClass::VelPlayerClass(QObject *parent) : QObject(parent) {}

VelPlayerClass::~VelPlayerClass() { Release_Player(); }

ZvPlayer *VelPlayerClass::Create_Player(bool audio)
{
    Release_Player();
    m_player = ZV_Create_Player(audio ? kFlagsWithAudio : kFlagsSilent);
    return m_player;
}

void VelPlayerClass::Release_Player()
{
    if (!m_player)
        return;
    ZV_Stop_Player(m_player);
    ZV_Close_Player(m_player);
    ZV_Destroy_Player(m_player);
    m_player = nullptr;
}

bool VelPlayerClass::Reference_Player(ZvPlayer *player)
{
    Release_Player();
    m_player = ZV_Reference_Player(player);
    m_bOpen = m_player != nullptr;
    return m_bOpen;
}

bool VelPlayerClass::OpenEx_Player(const char *path, uint32_t width, uint32_t height, uint32_t r1, uint32_t r2,
                                   uint32_t option)
{
    m_bOpen = false;
    if (!m_player)
        return false;
    if (option == 0) {
        m_bOpen = ZV_Open_Player(m_player, path, width, height, r1, r2) != 0;
        return m_bOpen;
    }
    ZvSource *source = ZV_CreateFile_Source(path, 0);
    if (!source)
        return false;
    ZV_SetOption_Source(source, option);
    m_bOpen = ZV_OpenStream_Player(m_player, source, width, height, r1, r2) != 0;
    ZV_Release_Source(source);
    return m_bOpen;
}

bool VelPlayerClass::OpenStream_Player(ZvSource *source, uint32_t width, uint32_t height, uint32_t r1, uint32_t r2,
                                       uint32_t option)
{
    m_bOpen = false;
    if (!m_player)
        return false;
    ZV_SetOption_Source(source, option);
    m_bOpen = ZV_OpenStream_Player(m_player, source, width, height, r1, r2) != 0;
    return m_bOpen;
}

bool VelPlayerClass::OpenDVD_ExPlayer(const char *path, uint32_t width, uint32_t height, uint32_t r1, uint32_t r2)
{
    m_bOpen = m_player && ZV_OpenDVD_Player(m_player, path, width, height, r1, r2) != 0;
    return m_bOpen;
}

bool VelPlayerClass::HasVideoAndAudio_Player()
{
    if (!m_player)
        return false;
    return ZV_HasVideo_Player(m_player) != 0 || ZV_HasAudio_Player(m_player) != 0;
}

bool VelPlayerClass::SetAudioBackgroundReset_Player()
{
    return m_player && ZV_SetAudioBackgroundReset_Player(m_player, 0) != 0;
}

uint64_t VelPlayerClass::getCropSize(double x, double y, double width, double height, uint32_t srcWidth,
                                     uint32_t srcHeight)
{
    ZvCrop *crop = ZV_Create_Crop(srcWidth, srcHeight, x, y, width, height);
    if (!crop)
        return 0;
    const uint64_t w = ZV_GetWidth_Crop(crop), h = ZV_GetHeight_Crop(crop);
    ZV_Release_Crop(crop);
    return w | (h << 32);
}

// ---- forwarders ----

bool VelPlayerClass::Close_Player()
{
    return m_player && ZV_Close_Player(m_player) != 0;
}

bool VelPlayerClass::IsCompleted_Player()
{
    return m_player && ZV_IsCompleted_Player(m_player) != 0;
}

bool VelPlayerClass::IsStop_Player()
{
    return m_player && ZV_IsStop_Player(m_player) != 0;
}

bool VelPlayerClass::IsPause_Player()
{
    return m_player && ZV_IsPause_Player(m_player) != 0;
}

bool VelPlayerClass::IsRunning_Player()
{
    return m_player && ZV_IsRunning_Player(m_player) != 0;
}

bool VelPlayerClass::HasVideo_Player()
{
    return m_player && ZV_HasVideo_Player(m_player) != 0;
}

bool VelPlayerClass::HasAudio_Player()
{
    return m_player && ZV_HasAudio_Player(m_player) != 0;
}

bool VelPlayerClass::CanSeek_Player()
{
    return m_player && ZV_CanSeek_Player(m_player) != 0;
}

uint64_t VelPlayerClass::GetDuration_Player()
{
    return m_player ? ZV_GetDuration_Player(m_player) : 0;
}

uint64_t VelPlayerClass::GetPlayTime_Player()
{
    return m_player ? ZV_GetPlayTime_Player(m_player) : 0;
}

uint64_t VelPlayerClass::GetVideoTime_Player()
{
    return m_player ? ZV_GetVideoTime_Player(m_player) : 0;
}

uint64_t VelPlayerClass::GetVideoSize_Player()
{
    return m_player ? ZV_GetVideoSize_Player(m_player) : 0;
}

uint64_t VelPlayerClass::GetVideoAspectRatio_Player()
{
    return m_player ? ZV_GetVideoAspectRatio_Player(m_player) : 0;
}

bool VelPlayerClass::Play_Player()
{
    return m_player && ZV_Play_Player(m_player) != 0;
}

bool VelPlayerClass::Pause_Player()
{
    return m_player && ZV_Pause_Player(m_player) != 0;
}

bool VelPlayerClass::Stop_Player()
{
    return m_player && ZV_Stop_Player(m_player) != 0;
}

bool VelPlayerClass::Seek_Player(uint64_t time)
{
    return m_player && ZV_Seek_Player(m_player, time) != 0;
}

bool VelPlayerClass::BeginAsyncSeek_Player(uint64_t window)
{
    return m_player && ZV_BeginAsyncSeek_Player(m_player, window) != 0;
}

bool VelPlayerClass::EndAsyncSeek_Player()
{
    return m_player && ZV_EndAsyncSeek_Player(m_player) != 0;
}

bool VelPlayerClass::FastSeek_Player(uint64_t time, int mode)
{
    return m_player && ZV_FastSeek_Player(m_player, time, mode) != 0;
}

bool VelPlayerClass::FrameStep_Player(int count)
{
    return m_player && ZV_FrameStep_Player(m_player, count) != 0;
}

bool VelPlayerClass::KeyFrameStep_Player(int count)
{
    return m_player && ZV_KeyFrameStep_Player(m_player, count) != 0;
}

bool VelPlayerClass::ChangeSpeed_Player(int percent)
{
    return m_player && ZV_ChangeSpeed_Player(m_player, percent) != 0;
}

bool VelPlayerClass::EnableLoop_Player(int on)
{
    return m_player && ZV_EnableLoop_Player(m_player, on) != 0;
}

bool VelPlayerClass::BeginSettings_Player()
{
    return m_player && ZV_BeginSettings_Player(m_player) != 0;
}

bool VelPlayerClass::EndSettings_Player()
{
    return m_player && ZV_EndSettings_Player(m_player) != 0;
}

bool VelPlayerClass::EnableShowWhenSetting_Player(uint32_t on)
{
    return m_player && ZV_EnableShowWhenSetting_Player(m_player, on) != 0;
}

bool VelPlayerClass::SetVideoView_Player(void *view)
{
    return m_player && ZV_SetVideoView_Player(m_player, view) != 0;
}

bool VelPlayerClass::SetOriginalVideoView_Player(void *view)
{
    return m_player && ZV_SetOriginalVideoView_Player(m_player, view) != 0;
}

bool VelPlayerClass::SetVideoFrameHandle_Player(FrameProc proc, void *user)
{
    return m_player && ZV_SetVideoFrameHandle_Player(m_player, proc, user) != 0;
}

bool VelPlayerClass::SetOriginalVideoFrameHandle_Player(FrameProc proc, void *user)
{
    return m_player && ZV_SetOriginalVideoFrameHandle_Player(m_player, proc, user) != 0;
}

bool VelPlayerClass::SetTimeInterval_Player(uint64_t us)
{
    return m_player && ZV_SetTimeInterval_Player(m_player, us) != 0;
}

bool VelPlayerClass::ShowVideoFrame_Player()
{
    return m_player && ZV_ShowVideoFrame_Player(m_player) != 0;
}

bool VelPlayerClass::UpdateVideoFrame_Player()
{
    return m_player && ZV_UpdateVideoFrame_Player(m_player) != 0;
}

bool VelPlayerClass::RefreshVideoFrame_Player()
{
    return m_player && ZV_RefreshVideoFrame_Player(m_player) != 0;
}

uint8_t *VelPlayerClass::CaptureVideoImage_Player(uint32_t width, uint32_t height, uint32_t format)
{
    return m_player ? ZV_CaptureVideoImage_Player(m_player, width, height, format) : nullptr;
}

bool VelPlayerClass::FreeVideoImage_Player(uint8_t *image)
{
    return m_player && ZV_FreeVideoImage_Player(m_player, image) != 0;
}

bool VelPlayerClass::EnableAudioWaveData_Player(uint32_t on)
{
    return m_player && ZV_EnableAudioWaveData_Player(m_player, on) != 0;
}

uint8_t *VelPlayerClass::GetAudioWaveData_Player(uint32_t request)
{
    return m_player ? ZV_GetAudioWaveData_Player(m_player, request) : nullptr;
}

bool VelPlayerClass::FreeAudioWaveData_Player(uint8_t *block)
{
    return m_player && ZV_FreeAudioWaveData_Player(m_player, block) != 0;
}

uint32_t VelPlayerClass::GetAudioWaveRate_Player()
{
    return m_player ? ZV_GetAudioWaveRate_Player(m_player) : 0;
}

bool VelPlayerClass::SetVideoRotate_Player(uint32_t degrees)
{
    return m_player && ZV_SetVideoRotate_Player(m_player, degrees) != 0;
}

bool VelPlayerClass::SetVideoMirror_Player(uint32_t mirror)
{
    return m_player && ZV_SetVideoMirror_Player(m_player, mirror) != 0;
}

bool VelPlayerClass::SetVideoSaturation_Player(uint32_t percent)
{
    return m_player && ZV_SetVideoSaturation_Player(m_player, percent) != 0;
}

bool VelPlayerClass::SetVideoContrast_Player(uint32_t percent)
{
    return m_player && ZV_SetVideoContrast_Player(m_player, percent) != 0;
}

bool VelPlayerClass::SetVideoHue_Player(uint32_t degrees)
{
    return m_player && ZV_SetVideoHue_Player(m_player, degrees) != 0;
}

bool VelPlayerClass::SetVideoYOffset_Player(uint32_t offset)
{
    return m_player && ZV_SetVideoYOffset_Player(m_player, offset) != 0;
}

bool VelPlayerClass::SetVideoWatermarkMaxCount_Player(uint32_t count)
{
    return m_player && ZV_SetVideoWatermarkMaxCount_Player(m_player, count) != 0;
}

bool VelPlayerClass::SetVideoPadAndColor_Player(uint32_t pad, uint32_t argb)
{
    return m_player && ZV_SetVideoPadAndColor_Player(m_player, pad, argb) != 0;
}

bool VelPlayerClass::SetVideoAspectRatio_Player(uint32_t x, uint32_t y)
{
    return m_player && ZV_SetVideoAspectRatio_Player(m_player, x, y) != 0;
}

bool VelPlayerClass::SetVideoCrop_Player(double x, double y, double w, double h)
{
    return m_player && ZV_SetVideoCrop_Player(m_player, x, y, w, h) != 0;
}

bool VelPlayerClass::SetVideoCropBorderAlpha_Player(uint32_t alpha)
{
    return m_player && ZV_SetVideoCropBorderAlpha_Player(m_player, alpha) != 0;
}

bool VelPlayerClass::EnableVideoCropBorder_Player(uint32_t on)
{
    return m_player && ZV_EnableVideoCropBorder_Player(m_player, on) != 0;
}

bool VelPlayerClass::SetWatermarkIndex_Player(uint32_t layer)
{
    return m_player && ZV_SetWatermarkIndex_Player(m_player, layer) != 0;
}

bool VelPlayerClass::SetWatermarkImageFile_Player(const char *path)
{
    return m_player && ZV_SetWatermarkImageFile_Player(m_player, path) != 0;
}

bool VelPlayerClass::SetWatermarkImageMaskFile_Player(const char *path)
{
    return m_player && ZV_SetWatermarkImageMaskFile_Player(m_player, path) != 0;
}

bool VelPlayerClass::SetWatermarkImageMirror_Player(uint32_t mirror)
{
    return m_player && ZV_SetWatermarkImageMirror_Player(m_player, mirror) != 0;
}

bool VelPlayerClass::SetWatermarkImageBrightness_Player(uint32_t value)
{
    return m_player && ZV_SetWatermarkImageBrightness_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetWatermarkImageSaturation_Player(uint32_t value)
{
    return m_player && ZV_SetWatermarkImageSaturation_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetWatermarkImageContrast_Player(uint32_t value)
{
    return m_player && ZV_SetWatermarkImageContrast_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetWatermarkImageHue_Player(uint32_t value)
{
    return m_player && ZV_SetWatermarkImageHue_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetWatermarkImageYOffset_Player(uint32_t value)
{
    return m_player && ZV_SetWatermarkImageYOffset_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetWatermarkImageMixMode_Player(uint32_t mode)
{
    return m_player && ZV_SetWatermarkImageMixMode_Player(m_player, mode) != 0;
}

bool VelPlayerClass::SetWatermarkImageAlpha_Player(uint32_t alpha)
{
    return m_player && ZV_SetWatermarkImageAlpha_Player(m_player, alpha) != 0;
}

bool VelPlayerClass::SetWatermarkImageLoop_Player(uint32_t loop)
{
    return m_player && ZV_SetWatermarkImageLoop_Player(m_player, loop) != 0;
}

bool VelPlayerClass::EnableWatermarkImageBordert_Player(uint32_t on)
{
    return m_player && ZV_EnableWatermarkImageBordert_Player(m_player, on) != 0;
}

bool VelPlayerClass::SetWatermarkBorderAlpha_Player(uint32_t alpha)
{
    return m_player && ZV_SetWatermarkBorderAlpha_Player(m_player, alpha) != 0;
}

bool VelPlayerClass::EnableWatermarkImageBorder_Player(int on)
{
    return m_player && ZV_EnableWatermarkImageBorder_Player(m_player, on) != 0;
}

bool VelPlayerClass::SetWatermarkImageAngle_Player(int degrees)
{
    return m_player && ZV_SetWatermarkImageAngle_Player(m_player, degrees) != 0;
}

bool VelPlayerClass::SetWatermarkImagePosition_Player(double x, double y)
{
    return m_player && ZV_SetWatermarkImagePosition_Player(m_player, x, y) != 0;
}

bool VelPlayerClass::SetWatermarkImageSize_Player(double w, double h)
{
    return m_player && ZV_SetWatermarkImageSize_Player(m_player, w, h) != 0;
}

bool VelPlayerClass::SetWatermarkImageScale_Player(uint32_t sx, uint32_t sy)
{
    return m_player && ZV_SetWatermarkImageScale_Player(m_player, sx, sy) != 0;
}

bool VelPlayerClass::SetWatermarkImageCrop_Player(double x, double y, double w, double h)
{
    return m_player && ZV_SetWatermarkImageCrop_Player(m_player, x, y, w, h) != 0;
}

bool VelPlayerClass::SetWatermarkImageShowTime_Player(uint64_t start, uint64_t end)
{
    return m_player && ZV_SetWatermarkImageShowTime_Player(m_player, start, end) != 0;
}

bool VelPlayerClass::SetWatermarkImageSplitTime_Player(uint64_t start, uint64_t end)
{
    return m_player && ZV_SetWatermarkImageSplitTime_Player(m_player, start, end) != 0;
}

bool VelPlayerClass::SetWatermarkText_Player(const char *text)
{
    return m_player && ZV_SetWatermarkText_Player(m_player, text) != 0;
}

bool VelPlayerClass::SetWatermarkTextFont_Player(const char *family)
{
    return m_player && ZV_SetWatermarkTextFont_Player(m_player, family) != 0;
}

bool VelPlayerClass::SetWatermarkTextFontFile_Player(const char *path)
{
    return m_player && ZV_SetWatermarkTextFontFile_Player(m_player, path) != 0;
}

bool VelPlayerClass::SetWatermarkTextSize_Player(uint32_t size)
{
    return m_player && ZV_SetWatermarkTextSize_Player(m_player, size) != 0;
}

bool VelPlayerClass::SetWatermarkTextBold_Player(uint32_t on)
{
    return m_player && ZV_SetWatermarkTextBold_Player(m_player, on) != 0;
}

bool VelPlayerClass::SetWatermarkTextItalic_Player(uint32_t on)
{
    return m_player && ZV_SetWatermarkTextItalic_Player(m_player, on) != 0;
}

bool VelPlayerClass::SetWatermarkTextUnderline_Player(uint32_t on)
{
    return m_player && ZV_SetWatermarkTextUnderline_Player(m_player, on) != 0;
}

bool VelPlayerClass::SetWatermarkTextStrikeout_Player(uint32_t on)
{
    return m_player && ZV_SetWatermarkTextStrikeout_Player(m_player, on) != 0;
}

bool VelPlayerClass::SetWatermarkTextAlign_Player(uint32_t align)
{
    return m_player && ZV_SetWatermarkTextAlign_Player(m_player, align) != 0;
}

bool VelPlayerClass::SetWatermarkTextAlpha_Player(uint32_t alpha)
{
    return m_player && ZV_SetWatermarkTextAlpha_Player(m_player, alpha) != 0;
}

bool VelPlayerClass::SetWatermarkTextLayerTopmost_Player(uint32_t on)
{
    return m_player && ZV_SetWatermarkTextLayerTopmost_Player(m_player, on) != 0;
}

bool VelPlayerClass::EnableWatermarkTextBorder_Player(uint32_t on)
{
    return m_player && ZV_EnableWatermarkTextBorder_Player(m_player, on) != 0;
}

bool VelPlayerClass::SetWatermarkTextColor_Player(uint32_t argb)
{
    return m_player && ZV_SetWatermarkTextColor_Player(m_player, argb) != 0;
}

bool VelPlayerClass::SetWatermarkTextShadowColor_Player(uint32_t argb)
{
    return m_player && ZV_SetWatermarkTextShadowColor_Player(m_player, argb) != 0;
}

bool VelPlayerClass::SetWatermarkTextOutlineColor_Player(uint32_t argb)
{
    return m_player && ZV_SetWatermarkTextOutlineColor_Player(m_player, argb) != 0;
}

bool VelPlayerClass::SetWatermarkTextShadowOffset_Player(double value)
{
    return m_player && ZV_SetWatermarkTextShadowOffset_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetWatermarkTextOutlineSize_Player(double value)
{
    return m_player && ZV_SetWatermarkTextOutlineSize_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetWatermarkTextSpacingH_Player(double value)
{
    return m_player && ZV_SetWatermarkTextSpacingH_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetWatermarkTextSpacingV_Player(double value)
{
    return m_player && ZV_SetWatermarkTextSpacingV_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetWatermarkTextAngle_Player(int degrees)
{
    return m_player && ZV_SetWatermarkTextAngle_Player(m_player, degrees) != 0;
}

bool VelPlayerClass::SetWatermarkTextPosition_Player(double x, double y)
{
    return m_player && ZV_SetWatermarkTextPosition_Player(m_player, x, y) != 0;
}

bool VelPlayerClass::SetWatermarkTextScale_Player(uint32_t sx, uint32_t sy)
{
    return m_player && ZV_SetWatermarkTextScale_Player(m_player, sx, sy) != 0;
}

bool VelPlayerClass::SetWatermarkTextShowTime_Player(uint64_t start, uint64_t end)
{
    return m_player && ZV_SetWatermarkTextShowTime_Player(m_player, start, end) != 0;
}

double VelPlayerClass::GetWatermarkTextWidth_Player()
{
    return m_player ? ZV_GetWatermarkTextWidth_Player(m_player) : 0.0;
}

double VelPlayerClass::GetWatermarkTextHeight_Player()
{
    return m_player ? ZV_GetWatermarkTextHeight_Player(m_player) : 0.0;
}

double VelPlayerClass::GetWatermarkTextPosX_Player()
{
    return m_player ? ZV_GetWatermarkTextPosX_Player(m_player) : 0.0;
}

double VelPlayerClass::GetWatermarkTextPosY_Player()
{
    return m_player ? ZV_GetWatermarkTextPosY_Player(m_player) : 0.0;
}

double VelPlayerClass::GetWatermarkImageWidth_Player()
{
    return m_player ? ZV_GetWatermarkImageWidth_Player(m_player) : 0.0;
}

double VelPlayerClass::GetWatermarkImageHeight_Player()
{
    return m_player ? ZV_GetWatermarkImageHeight_Player(m_player) : 0.0;
}

double VelPlayerClass::GetWatermarkImagePosX_Player()
{
    return m_player ? ZV_GetWatermarkImagePosX_Player(m_player) : 0.0;
}

double VelPlayerClass::GetWatermarkImagePosY_Player()
{
    return m_player ? ZV_GetWatermarkImagePosY_Player(m_player) : 0.0;
}

bool VelPlayerClass::SetSubtlAlpha_Player(uint32_t alpha)
{
    return m_player && ZV_SetSubtlAlpha_Player(m_player, alpha) != 0;
}

bool VelPlayerClass::SetSubtlTextSize_Player(uint32_t size)
{
    return m_player && ZV_SetSubtlTextSize_Player(m_player, size) != 0;
}

bool VelPlayerClass::SetSubtlTextBold_Player(uint32_t on)
{
    return m_player && ZV_SetSubtlTextBold_Player(m_player, on) != 0;
}

bool VelPlayerClass::SetSubtlTextItalic_Player(uint32_t on)
{
    return m_player && ZV_SetSubtlTextItalic_Player(m_player, on) != 0;
}

bool VelPlayerClass::SetSubtlTextUnderline_Player(uint32_t on)
{
    return m_player && ZV_SetSubtlTextUnderline_Player(m_player, on) != 0;
}

bool VelPlayerClass::SetSubtlTextStrikeout_Player(uint32_t on)
{
    return m_player && ZV_SetSubtlTextStrikeout_Player(m_player, on) != 0;
}

bool VelPlayerClass::SetSubtlTextAlign_Player(uint32_t align)
{
    return m_player && ZV_SetSubtlTextAlign_Player(m_player, align) != 0;
}

bool VelPlayerClass::SetSubtlTextColor_Player(uint32_t argb)
{
    return m_player && ZV_SetSubtlTextColor_Player(m_player, argb) != 0;
}

bool VelPlayerClass::SetSubtlTextShadowColor_Player(uint32_t argb)
{
    return m_player && ZV_SetSubtlTextShadowColor_Player(m_player, argb) != 0;
}

bool VelPlayerClass::SetSubtlTextOutlineColor_Player(uint32_t argb)
{
    return m_player && ZV_SetSubtlTextOutlineColor_Player(m_player, argb) != 0;
}

bool VelPlayerClass::SetSubtlTextFont_Player(const char *family)
{
    return m_player && ZV_SetSubtlTextFont_Player(m_player, family) != 0;
}

bool VelPlayerClass::SetSubtlTextFontFile_Player(const char *path)
{
    return m_player && ZV_SetSubtlTextFontFile_Player(m_player, path) != 0;
}

bool VelPlayerClass::SetSubtlTextShadowOffset_Player(double value)
{
    return m_player && ZV_SetSubtlTextShadowOffset_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetSubtlTextOutlineSize_Player(double value)
{
    return m_player && ZV_SetSubtlTextOutlineSize_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetSubtlTextSpacingH_Player(double value)
{
    return m_player && ZV_SetSubtlTextSpacingH_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetSubtlTextSpacingV_Player(double value)
{
    return m_player && ZV_SetSubtlTextSpacingV_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetSubtlTextMarginH_Player(double value)
{
    return m_player && ZV_SetSubtlTextMarginH_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetSubtlTextMarginV_Player(double value)
{
    return m_player && ZV_SetSubtlTextMarginV_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetSubtlImageOffsetH_Player(double value)
{
    return m_player && ZV_SetSubtlImageOffsetH_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetSubtlImageOffsetV_Player(double value)
{
    return m_player && ZV_SetSubtlImageOffsetV_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetSubtlTextAngle_Player(int degrees)
{
    return m_player && ZV_SetSubtlTextAngle_Player(m_player, degrees) != 0;
}

bool VelPlayerClass::SetSubtlScale_Player(uint32_t sx, uint32_t sy)
{
    return m_player && ZV_SetSubtlScale_Player(m_player, sx, sy) != 0;
}

bool VelPlayerClass::SetSubtlDelay_Player(int64_t us)
{
    return m_player && ZV_SetSubtlDelay_Player(m_player, us) != 0;
}

bool VelPlayerClass::SetProgrIndex_Player(uint32_t index)
{
    return m_player && ZV_SetProgrIndex_Player(m_player, index) != 0;
}

bool VelPlayerClass::SetVideoIndex_Player(uint32_t index)
{
    return m_player && ZV_SetVideoIndex_Player(m_player, index) != 0;
}

bool VelPlayerClass::SetAudioIndex_Player(uint32_t index)
{
    return m_player && ZV_SetAudioIndex_Player(m_player, index) != 0;
}

bool VelPlayerClass::SetSubtlIndex_Player(uint32_t index)
{
    return m_player && ZV_SetSubtlIndex_Player(m_player, index) != 0;
}

bool VelPlayerClass::EnableClosedCaption_Player(uint32_t on)
{
    return m_player && ZV_EnableClosedCaption_Player(m_player, on) != 0;
}

bool VelPlayerClass::SetSubtlFile_Player(const char *path)
{
    return m_player && ZV_SetSubtlFile_Player(m_player, path) != 0;
}

bool VelPlayerClass::SetSubtlStream_Player(ZvSource *s)
{
    return m_player && ZV_SetSubtlStream_Player(m_player, s) != 0;
}

bool VelPlayerClass::SetSubtlFileEx_Player(const char *path, uint32_t a, uint32_t b)
{
    return m_player && ZV_SetSubtlFileEx_Player(m_player, path, a, b) != 0;
}

bool VelPlayerClass::SetSubtlStreamEx_Player(ZvSource *s, uint32_t a, uint32_t b)
{
    return m_player && ZV_SetSubtlStreamEx_Player(m_player, s, a, b) != 0;
}

bool VelPlayerClass::SetAudioBackgroundIndex_Player(uint32_t index)
{
    return m_player && ZV_SetAudioBackgroundIndex_Player(m_player, index) != 0;
}

bool VelPlayerClass::SetAudioBackgroundLast_Player(uint32_t value)
{
    return m_player && ZV_SetAudioBackgroundLast_Player(m_player, value) != 0;
}

bool VelPlayerClass::SetAudioBackgroundLoop_Player(uint32_t loop)
{
    return m_player && ZV_SetAudioBackgroundLoop_Player(m_player, loop) != 0;
}

bool VelPlayerClass::SetAudioBackgroundMixMode_Player(uint32_t mode)
{
    return m_player && ZV_SetAudioBackgroundMixMode_Player(m_player, mode) != 0;
}

bool VelPlayerClass::SetAudioBackgroundVolume_Player(uint32_t percent)
{
    return m_player && ZV_SetAudioBackgroundVolume_Player(m_player, percent) != 0;
}

bool VelPlayerClass::SetAudioBackgroundWeight_Player(uint32_t weight)
{
    return m_player && ZV_SetAudioBackgroundWeight_Player(m_player, weight) != 0;
}

bool VelPlayerClass::SetAudioBackgroundFile_Player(const char *path)
{
    return m_player && ZV_SetAudioBackgroundFile_Player(m_player, path) != 0;
}

bool VelPlayerClass::SetAudioBackgroundStream_Player(ZvSource *s)
{
    return m_player && ZV_SetAudioBackgroundStream_Player(m_player, s) != 0;
}

bool VelPlayerClass::SetAudioBackgroundTrack_Player(uint32_t track)
{
    return m_player && ZV_SetAudioBackgroundTrack_Player(m_player, track) != 0;
}

bool VelPlayerClass::SetAudioBackgroundFileEx_Player(const char *path, uint32_t a, uint32_t b)
{
    return m_player && ZV_SetAudioBackgroundFileEx_Player(m_player, path, a, b) != 0;
}

bool VelPlayerClass::SetAudioBackgroundStreamEx_Player(ZvSource *s, uint32_t a, uint32_t b)
{
    return m_player && ZV_SetAudioBackgroundStreamEx_Player(m_player, s, a, b) != 0;
}

bool VelPlayerClass::SetAudioBackgroundChannelMix_Player(const uint32_t *map, uint32_t count)
{
    return m_player && ZV_SetAudioBackgroundChannelMix_Player(m_player, map, count) != 0;
}

bool VelPlayerClass::SetAudioBackgroundEqualize_Player(const double *hz, const double *db, uint32_t count)
{
    return m_player && ZV_SetAudioBackgroundEqualize_Player(m_player, hz, db, count) != 0;
}

bool VelPlayerClass::SetAudioBackgroundShowTime_Player(uint64_t start, uint64_t end)
{
    return m_player && ZV_SetAudioBackgroundShowTime_Player(m_player, start, end) != 0;
}

bool VelPlayerClass::SetAudioBackgroundSplitTime_Player(uint64_t start, uint64_t end)
{
    return m_player && ZV_SetAudioBackgroundSplitTime_Player(m_player, start, end) != 0;
}

bool VelPlayerClass::SetAudioEqualize_Player(const double *hz, const double *db, uint32_t count)
{
    return m_player && ZV_SetAudioEqualize_Player(m_player, hz, db, count) != 0;
}

bool VelPlayerClass::SetAudioRate_Player(uint64_t percent)
{
    return m_player && ZV_SetAudioRate_Player(m_player, percent) != 0;
}

bool VelPlayerClass::SetAudioVolume_Player(uint64_t percent)
{
    return m_player && ZV_SetAudioVolume_Player(m_player, percent) != 0;
}

bool VelPlayerClass::SetAudioRendererVolume_Player(uint64_t percent)
{
    return m_player && ZV_SetAudioRendererVolume_Player(m_player, percent) != 0;
}
