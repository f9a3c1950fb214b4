#include "VelInfoClass.h"

#include "zovAruzIvivu.h"

VelInfoClass::VelInfoClass(QObject *parent)
    : QObject(parent)
{
}

VelInfoClass::~VelInfoClass()
{
    Release_Info();
}

void VelInfoClass::Create_Info()
{
    if (!m_info)
        m_info = ZV_Create_Info(0xFFFFFFFF);
}

void VelInfoClass::Release_Info()
{
    if (!m_info)
        return;
    ZV_Close_Info(m_info);
    ZV_Destroy_Info(m_info);
    m_info = nullptr;
}

bool VelInfoClass::Open_Info(const char *path) { return m_info && ZV_Open_Info(m_info, path) != 0; }
bool VelInfoClass::OpenDVD_Info(const char *path) { return m_info && ZV_OpenDVD_Info(m_info, path) != 0; }
bool VelInfoClass::OpenStream_Info(ZvSource *stream) { return m_info && ZV_OpenStream_Info(m_info, stream) != 0; }
bool VelInfoClass::OpenWithPlayer_Info(ZvPlayer *player) { return m_info && ZV_OpenWithPlayer_Info(m_info, player) != 0; }

const char *VelInfoClass::GetLastErrorText_Info() const
{
    const char *text = m_info ? ZV_GetLastErrorText_Info(m_info) : nullptr;
    return text ? text : "";
}

bool VelInfoClass::HasVideo_Info() { return m_info && ZV_HasVideo_Info(m_info) != 0; }
bool VelInfoClass::HasAudio_Info() { return m_info && ZV_HasAudio_Info(m_info) != 0; }
bool VelInfoClass::CanSeek_Info() { return m_info && ZV_CanSeek_Info(m_info) != 0; }
bool VelInfoClass::Abort_Info() { return m_info && ZV_Abort_Info(m_info) != 0; }
uint32_t VelInfoClass::GetVideoWidth_Info() { return m_info ? ZV_GetVideoWidth_Info(m_info) : 0; }
uint32_t VelInfoClass::GetVideoHeight_Info() { return m_info ? ZV_GetVideoHeight_Info(m_info) : 0; }
uint32_t VelInfoClass::GetVideoAspectRatioX_Info() { return m_info ? ZV_GetVideoAspectRatioX_Info(m_info) : 0; }
uint32_t VelInfoClass::GetVideoAspectRatioY_Info() { return m_info ? ZV_GetVideoAspectRatioY_Info(m_info) : 0; }
uint64_t VelInfoClass::GetDuration_Info() { return m_info ? ZV_GetDuration_Info(m_info) : 0; }
const void *VelInfoClass::GetMetaData_Info(const char *key) { return m_info ? ZV_GetMetaData_Info(m_info, key) : nullptr; }

uint8_t *VelInfoClass::GetVideoImage_Info(uint64_t time, uint32_t mode, uint32_t width, uint32_t height, uint32_t reserved)
{
    return m_info ? ZV_GetVideoImage_Info(m_info, time, mode, width, height, reserved) : nullptr;
}

uint32_t VelInfoClass::GetVideoImageSize_Info(const uint8_t *image)
{
    return m_info ? ZV_GetVideoImageSize_Info(m_info, image) : 0;
}

bool VelInfoClass::FreeVideoImage_Info(uint8_t *image) { return m_info && ZV_FreeVideoImage_Info(m_info, image) != 0; }

const char *VelInfoClass::GetProgrName_Info()
{
    const char *name = m_info ? ZV_GetProgrName_Info(m_info) : nullptr;
    return name ? name : "";
}

uint32_t VelInfoClass::GetProgrCount_Info() { return m_info ? ZV_GetProgrCount_Info(m_info) : 0; }
uint32_t VelInfoClass::GetVideoCount_Info() { return m_info ? ZV_GetVideoCount_Info(m_info) : 0; }
uint32_t VelInfoClass::GetAudioCount_Info() { return m_info ? ZV_GetAudioCount_Info(m_info) : 0; }
uint32_t VelInfoClass::GetSubtlCount_Info() { return m_info ? ZV_GetSubtlCount_Info(m_info) : 0; }
bool VelInfoClass::SetProgrIndex_Info(uint32_t index) { return m_info && ZV_SetProgrIndex_Info(m_info, index) != 0; }
bool VelInfoClass::SetVideoIndex_Info(uint32_t index) { return m_info && ZV_SetVideoIndex_Info(m_info, index) != 0; }
bool VelInfoClass::SetAudioIndex_Info(uint32_t index) { return m_info && ZV_SetAudioIndex_Info(m_info, index) != 0; }
bool VelInfoClass::SetSubtlIndex_Info(uint32_t index) { return m_info && ZV_SetSubtlIndex_Info(m_info, index) != 0; }
bool VelInfoClass::SetSubtlFile_Info(const char *path) { return m_info && ZV_SetSubtlFile_Info(m_info, path) != 0; }
bool VelInfoClass::SetSubtlStream_Info(ZvSource *stream) { return m_info && ZV_SetSubtlStream_Info(m_info, stream) != 0; }

bool VelInfoClass::SetSubtlFileEx_Info(const char *path, uint32_t a, uint32_t b)
{
    return m_info && ZV_SetSubtlFileEx_Info(m_info, path, a, b) != 0;
}

bool VelInfoClass::SetSubtlStreamEx_Info(ZvSource *stream, uint32_t a, uint32_t b)
{
    return m_info && ZV_SetSubtlStreamEx_Info(m_info, stream, a, b) != 0;
}

bool VelInfoClass::EnableClosedCaption_Info(uint32_t on) { return m_info && ZV_EnableClosedCaption_Info(m_info, on) != 0; }
uint32_t VelInfoClass::GetChapterCount_Info() { return m_info ? ZV_GetChapterCount_Info(m_info) : 0; }
uint64_t VelInfoClass::GetChapterStartTime_Info(uint32_t index) { return m_info ? ZV_GetChapterStartTime_Info(m_info, index) : 0; }
uint64_t VelInfoClass::GetChapterDuration_Info(uint32_t index) { return m_info ? ZV_GetChapterDuration_Info(m_info, index) : 0; }

const char *VelInfoClass::GetChapterTitle_Info(uint32_t index)
{
    const char *title = m_info ? ZV_GetChapterTitle_Info(m_info, index) : nullptr;
    return title ? title : "";
}
