#pragma once

#include <QObject>
#include <cstdint>

struct ZvInfo;
struct ZvPlayer;
struct ZvSource;

// One media-information handle of the codec library. Each call forwards to the
// library; without a handle it answers 0, false, null or "" and calls nothing.
class VelInfoClass : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(VelInfoClass)

public:
    explicit VelInfoClass(QObject *parent = nullptr);
    ~VelInfoClass() override;

    void Create_Info();
    bool IsCreateInfo() const { return m_info != nullptr; }
    void Release_Info();
    ZvInfo *handle() const { return m_info; }

    bool Open_Info(const char *path);
    bool OpenDVD_Info(const char *path);
    bool OpenStream_Info(ZvSource *stream);
    bool OpenWithPlayer_Info(ZvPlayer *player);
    const char *GetLastErrorText_Info() const;
    // Safe from any thread while another runs an open or a picture read on
    // this handle: that call gives up.
    bool Abort_Info();

    bool HasVideo_Info();
    bool HasAudio_Info();
    bool CanSeek_Info();
    uint32_t GetVideoWidth_Info();
    uint32_t GetVideoHeight_Info();
    uint32_t GetVideoAspectRatioX_Info();
    uint32_t GetVideoAspectRatioY_Info();
    uint64_t GetDuration_Info();
    const void *GetMetaData_Info(const char *key);
    uint8_t *GetVideoImage_Info(uint64_t time, uint32_t mode, uint32_t width, uint32_t height, uint32_t reserved);
    uint32_t GetVideoImageSize_Info(const uint8_t *image);
    bool FreeVideoImage_Info(uint8_t *image);

    const char *GetProgrName_Info();
    uint32_t GetProgrCount_Info();
    uint32_t GetVideoCount_Info();
    uint32_t GetAudioCount_Info();
    uint32_t GetSubtlCount_Info();
    bool SetProgrIndex_Info(uint32_t index);
    bool SetVideoIndex_Info(uint32_t index);
    bool SetAudioIndex_Info(uint32_t index);
    bool SetSubtlIndex_Info(uint32_t index);
    bool SetSubtlFile_Info(const char *path);
    bool SetSubtlStream_Info(ZvSource *stream);
    bool SetSubtlFileEx_Info(const char *path, uint32_t a, uint32_t b);
    bool SetSubtlStreamEx_Info(ZvSource *stream, uint32_t a, uint32_t b);
    bool EnableClosedCaption_Info(uint32_t on);

    uint32_t GetChapterCount_Info();
    uint64_t GetChapterStartTime_Info(uint32_t index);
    uint64_t GetChapterDuration_Info(uint32_t index);
    const char *GetChapterTitle_Info(uint32_t index);

private:
    ZvInfo *m_info = nullptr;
};
