#pragma once
// One codec player handle for the preview controller: creation, release and
// the opening forms told in full, and a one-line forwarder per library call
// that answers false, 0, 0.0 or null without a handle.

#include <QObject>

#include <cstdint>

struct ZvPlayer;
struct ZvSource;

class VelPlayerClass : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(VelPlayerClass)

public:
    // The library's frame callback: frame is valid until the call returns.
    using FrameProc = unsigned int (*)(void *user, void *frame);

    explicit VelPlayerClass(QObject *parent = nullptr);
    ~VelPlayerClass() override;

    ZvPlayer *Create_Player(bool audio);
    void Release_Player();
    bool Reference_Player(ZvPlayer *player);
    bool OpenEx_Player(const char *path, uint32_t width, uint32_t height, uint32_t r1, uint32_t r2,
                       uint32_t option);
    bool OpenStream_Player(ZvSource *source, uint32_t width, uint32_t height, uint32_t r1, uint32_t r2,
                           uint32_t option);
    bool OpenDVD_ExPlayer(const char *path, uint32_t width, uint32_t height, uint32_t r1, uint32_t r2);
    bool IsCreatePlayer() const { return m_player != nullptr; }
    ZvPlayer *getPlayer() const { return m_player; }
    bool IsOpenPlayerSuccess() const { return m_bOpen; }
    bool HasVideoAndAudio_Player();
    bool SetAudioBackgroundReset_Player();
    // Cropped size (packed: width low, height high) by the library's crop rule.
    static uint64_t getCropSize(double x, double y, double width, double height, uint32_t srcWidth,
                                uint32_t srcHeight);

    bool Close_Player();
    bool IsCompleted_Player();
    bool IsStop_Player();
    bool IsPause_Player();
    bool IsRunning_Player();
    bool HasVideo_Player();
    bool HasAudio_Player();
    bool CanSeek_Player();
    uint64_t GetDuration_Player();
    uint64_t GetPlayTime_Player();
    uint64_t GetVideoTime_Player();
    uint64_t GetVideoSize_Player();
    uint64_t GetVideoAspectRatio_Player();
    bool Play_Player();
    bool Pause_Player();
    bool Stop_Player();
    bool Seek_Player(uint64_t time);
    bool BeginAsyncSeek_Player(uint64_t window);
    bool EndAsyncSeek_Player();
    bool FastSeek_Player(uint64_t time, int mode);
    bool FrameStep_Player(int count);
    bool KeyFrameStep_Player(int count);
    bool ChangeSpeed_Player(int percent);
    bool EnableLoop_Player(int on);
    bool BeginSettings_Player();
    bool EndSettings_Player();
    bool EnableShowWhenSetting_Player(uint32_t on);
    bool SetVideoView_Player(void *view);
    bool SetOriginalVideoView_Player(void *view);
    bool SetVideoFrameHandle_Player(FrameProc proc, void *user);
    bool SetOriginalVideoFrameHandle_Player(FrameProc proc, void *user);
    bool SetTimeInterval_Player(uint64_t us);
    bool ShowVideoFrame_Player();
    bool UpdateVideoFrame_Player();
    bool RefreshVideoFrame_Player();
    uint8_t *CaptureVideoImage_Player(uint32_t width, uint32_t height, uint32_t format);
    bool FreeVideoImage_Player(uint8_t *image);
    bool EnableAudioWaveData_Player(uint32_t on);
    uint8_t *GetAudioWaveData_Player(uint32_t request);
    bool FreeAudioWaveData_Player(uint8_t *block);
    // Twice the sample rate of the wave blocks; 0 without a handle.
    uint32_t GetAudioWaveRate_Player();
    bool SetVideoRotate_Player(uint32_t degrees);
    bool SetVideoMirror_Player(uint32_t mirror);
    bool SetVideoSaturation_Player(uint32_t percent);
    bool SetVideoContrast_Player(uint32_t percent);
    bool SetVideoHue_Player(uint32_t degrees);
    bool SetVideoYOffset_Player(uint32_t offset);
    bool SetVideoWatermarkMaxCount_Player(uint32_t count);
    bool SetVideoPadAndColor_Player(uint32_t pad, uint32_t argb);
    bool SetVideoAspectRatio_Player(uint32_t x, uint32_t y);
    bool SetVideoCrop_Player(double x, double y, double w, double h);
    bool SetVideoCropBorderAlpha_Player(uint32_t alpha);
    bool EnableVideoCropBorder_Player(uint32_t on);
    bool SetWatermarkIndex_Player(uint32_t layer);
    bool SetWatermarkImageFile_Player(const char *path);
    bool SetWatermarkImageMaskFile_Player(const char *path);
    bool SetWatermarkImageMirror_Player(uint32_t mirror);
    bool SetWatermarkImageBrightness_Player(uint32_t value);
    bool SetWatermarkImageSaturation_Player(uint32_t value);
    bool SetWatermarkImageContrast_Player(uint32_t value);
    bool SetWatermarkImageHue_Player(uint32_t value);
    bool SetWatermarkImageYOffset_Player(uint32_t value);
    bool SetWatermarkImageMixMode_Player(uint32_t mode);
    bool SetWatermarkImageAlpha_Player(uint32_t alpha);
    bool SetWatermarkImageLoop_Player(uint32_t loop);
    bool EnableWatermarkImageBordert_Player(uint32_t on);
    bool SetWatermarkBorderAlpha_Player(uint32_t alpha);
    bool EnableWatermarkImageBorder_Player(int on);
    bool SetWatermarkImageAngle_Player(int degrees);
    bool SetWatermarkImagePosition_Player(double x, double y);
    bool SetWatermarkImageSize_Player(double w, double h);
    bool SetWatermarkImageScale_Player(uint32_t sx, uint32_t sy);
    bool SetWatermarkImageCrop_Player(double x, double y, double w, double h);
    bool SetWatermarkImageShowTime_Player(uint64_t start, uint64_t end);
    bool SetWatermarkImageSplitTime_Player(uint64_t start, uint64_t end);
    bool SetWatermarkText_Player(const char *text);
    bool SetWatermarkTextFont_Player(const char *family);
    bool SetWatermarkTextFontFile_Player(const char *path);
    bool SetWatermarkTextSize_Player(uint32_t size);
    bool SetWatermarkTextBold_Player(uint32_t on);
    bool SetWatermarkTextItalic_Player(uint32_t on);
    bool SetWatermarkTextUnderline_Player(uint32_t on);
    bool SetWatermarkTextStrikeout_Player(uint32_t on);
    bool SetWatermarkTextAlign_Player(uint32_t align);
    bool SetWatermarkTextAlpha_Player(uint32_t alpha);
    bool SetWatermarkTextLayerTopmost_Player(uint32_t on);
    bool EnableWatermarkTextBorder_Player(uint32_t on);
    bool SetWatermarkTextColor_Player(uint32_t argb);
    bool SetWatermarkTextShadowColor_Player(uint32_t argb);
    bool SetWatermarkTextOutlineColor_Player(uint32_t argb);
    bool SetWatermarkTextShadowOffset_Player(double value);
    bool SetWatermarkTextOutlineSize_Player(double value);
    bool SetWatermarkTextSpacingH_Player(double value);
    bool SetWatermarkTextSpacingV_Player(double value);
    bool SetWatermarkTextAngle_Player(int degrees);
    bool SetWatermarkTextPosition_Player(double x, double y);
    bool SetWatermarkTextScale_Player(uint32_t sx, uint32_t sy);
    bool SetWatermarkTextShowTime_Player(uint64_t start, uint64_t end);
    double GetWatermarkTextWidth_Player();
    double GetWatermarkTextHeight_Player();
    double GetWatermarkTextPosX_Player();
    double GetWatermarkTextPosY_Player();
    double GetWatermarkImageWidth_Player();
    double GetWatermarkImageHeight_Player();
    double GetWatermarkImagePosX_Player();
    double GetWatermarkImagePosY_Player();
    bool SetSubtlAlpha_Player(uint32_t alpha);
    bool SetSubtlTextSize_Player(uint32_t size);
    bool SetSubtlTextBold_Player(uint32_t on);
    bool SetSubtlTextItalic_Player(uint32_t on);
    bool SetSubtlTextUnderline_Player(uint32_t on);
    bool SetSubtlTextStrikeout_Player(uint32_t on);
    bool SetSubtlTextAlign_Player(uint32_t align);
    bool SetSubtlTextColor_Player(uint32_t argb);
    bool SetSubtlTextShadowColor_Player(uint32_t argb);
    bool SetSubtlTextOutlineColor_Player(uint32_t argb);
    bool SetSubtlTextFont_Player(const char *family);
    bool SetSubtlTextFontFile_Player(const char *path);
    bool SetSubtlTextShadowOffset_Player(double value);
    bool SetSubtlTextOutlineSize_Player(double value);
    bool SetSubtlTextSpacingH_Player(double value);
    bool SetSubtlTextSpacingV_Player(double value);
    bool SetSubtlTextMarginH_Player(double value);
    bool SetSubtlTextMarginV_Player(double value);
    bool SetSubtlImageOffsetH_Player(double value);
    bool SetSubtlImageOffsetV_Player(double value);
    bool SetSubtlTextAngle_Player(int degrees);
    bool SetSubtlScale_Player(uint32_t sx, uint32_t sy);
    bool SetSubtlDelay_Player(int64_t us);
    bool SetProgrIndex_Player(uint32_t index);
    bool SetVideoIndex_Player(uint32_t index);
    bool SetAudioIndex_Player(uint32_t index);
    bool SetSubtlIndex_Player(uint32_t index);
    bool EnableClosedCaption_Player(uint32_t on);
    bool SetSubtlFile_Player(const char *path);
    bool SetSubtlStream_Player(ZvSource *s);
    bool SetSubtlFileEx_Player(const char *path, uint32_t a, uint32_t b);
    bool SetSubtlStreamEx_Player(ZvSource *s, uint32_t a, uint32_t b);
    bool SetAudioBackgroundIndex_Player(uint32_t index);
    bool SetAudioBackgroundLast_Player(uint32_t value);
    bool SetAudioBackgroundLoop_Player(uint32_t loop);
    bool SetAudioBackgroundMixMode_Player(uint32_t mode);
    bool SetAudioBackgroundVolume_Player(uint32_t percent);
    bool SetAudioBackgroundWeight_Player(uint32_t weight);
    bool SetAudioBackgroundFile_Player(const char *path);
    bool SetAudioBackgroundStream_Player(ZvSource *s);
    bool SetAudioBackgroundTrack_Player(uint32_t track);
    bool SetAudioBackgroundFileEx_Player(const char *path, uint32_t a, uint32_t b);
    bool SetAudioBackgroundStreamEx_Player(ZvSource *s, uint32_t a, uint32_t b);
    bool SetAudioBackgroundChannelMix_Player(const uint32_t *map, uint32_t count);
    bool SetAudioBackgroundEqualize_Player(const double *hz, const double *db, uint32_t count);
    bool SetAudioBackgroundShowTime_Player(uint64_t start, uint64_t end);
    bool SetAudioBackgroundSplitTime_Player(uint64_t start, uint64_t end);
    bool SetAudioEqualize_Player(const double *hz, const double *db, uint32_t count);
    bool SetAudioRate_Player(uint64_t percent);
    bool SetAudioVolume_Player(uint64_t percent);
    bool SetAudioRendererVolume_Player(uint64_t percent);

private:
    ZvPlayer *m_player = nullptr;
    bool m_bOpen = false;
};
