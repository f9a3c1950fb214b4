// Placeholders for the Info calls until their real implementation lands:
// each returns the failure value the header promises.
#include "zovAruzIvivu.h"

extern "C" {

ZvInfo* ZV_Create_Info(uint32_t flags)
{
    (void)flags;
    return nullptr;
}

int ZV_Open_Info(ZvInfo* h, const char* path)
{
    (void)h; (void)path;
    return 0;
}

int ZV_OpenDVD_Info(ZvInfo* h, const char* path)
{
    (void)h; (void)path;
    return 0;
}

int ZV_OpenStream_Info(ZvInfo* h, ZvSource* s)
{
    (void)h; (void)s;
    return 0;
}

int ZV_OpenWithPlayer_Info(ZvInfo* h, ZvPlayer* p)
{
    (void)h; (void)p;
    return 0;
}

const char* ZV_GetLastErrorText_Info(ZvInfo* h)
{
    (void)h;
    return nullptr;
}

void ZV_Close_Info(ZvInfo* h)
{
    (void)h;
}

void ZV_Destroy_Info(ZvInfo* h)
{
    (void)h;
}

uint32_t ZV_GetProgrCount_Info(ZvInfo* h)
{
    (void)h;
    return 0;
}

int ZV_SetProgrIndex_Info(ZvInfo* h, uint32_t index)
{
    (void)h; (void)index;
    return 0;
}

const char* ZV_GetProgrName_Info(ZvInfo* h)
{
    (void)h;
    return nullptr;
}

uint32_t ZV_GetVideoCount_Info(ZvInfo* h)
{
    (void)h;
    return 0;
}

uint32_t ZV_GetAudioCount_Info(ZvInfo* h)
{
    (void)h;
    return 0;
}

uint32_t ZV_GetSubtlCount_Info(ZvInfo* h)
{
    (void)h;
    return 0;
}

int ZV_SetVideoIndex_Info(ZvInfo* h, uint32_t index)
{
    (void)h; (void)index;
    return 0;
}

int ZV_SetAudioIndex_Info(ZvInfo* h, uint32_t index)
{
    (void)h; (void)index;
    return 0;
}

int ZV_SetSubtlIndex_Info(ZvInfo* h, uint32_t index)
{
    (void)h; (void)index;
    return 0;
}

int ZV_EnableClosedCaption_Info(ZvInfo* h, uint32_t on)
{
    (void)h; (void)on;
    return 0;
}

int ZV_SetSubtlFile_Info(ZvInfo* h, const char* path)
{
    (void)h; (void)path;
    return 0;
}

int ZV_SetSubtlStream_Info(ZvInfo* h, ZvSource* s)
{
    (void)h; (void)s;
    return 0;
}

int ZV_SetSubtlFileEx_Info(ZvInfo* h, const char* path, uint32_t a, uint32_t b)
{
    (void)h; (void)path; (void)a; (void)b;
    return 0;
}

int ZV_SetSubtlStreamEx_Info(ZvInfo* h, ZvSource* s, uint32_t a, uint32_t b)
{
    (void)h; (void)s; (void)a; (void)b;
    return 0;
}

int ZV_HasVideo_Info(ZvInfo* h)
{
    (void)h;
    return 0;
}

int ZV_HasAudio_Info(ZvInfo* h)
{
    (void)h;
    return 0;
}

uint32_t ZV_GetVideoWidth_Info(ZvInfo* h)
{
    (void)h;
    return 0;
}

uint32_t ZV_GetVideoHeight_Info(ZvInfo* h)
{
    (void)h;
    return 0;
}

uint32_t ZV_GetVideoAspectRatioX_Info(ZvInfo* h)
{
    (void)h;
    return 0;
}

uint32_t ZV_GetVideoAspectRatioY_Info(ZvInfo* h)
{
    (void)h;
    return 0;
}

uint64_t ZV_GetDuration_Info(ZvInfo* h)
{
    (void)h;
    return 0;
}

int ZV_CanSeek_Info(ZvInfo* h)
{
    (void)h;
    return 0;
}

const char* ZV_GetFormatName_Info(ZvInfo* h)
{
    (void)h;
    return nullptr;
}

const void* ZV_GetMetaData_Info(ZvInfo* h, const char* key)
{
    (void)h; (void)key;
    return nullptr;
}

const uint8_t* ZV_GetMetaDataData_Info(ZvInfo* h, const void* value)
{
    (void)h; (void)value;
    return nullptr;
}

uint32_t ZV_GetMetaDataSize_Info(ZvInfo* h, const void* value)
{
    (void)h; (void)value;
    return 0;
}

const char* ZV_GetVideoTitle_Info(ZvInfo* h)
{
    (void)h;
    return nullptr;
}

const char* ZV_GetVideoCodecName_Info(ZvInfo* h)
{
    (void)h;
    return nullptr;
}

const char* ZV_GetVideoLanguage_Info(ZvInfo* h)
{
    (void)h;
    return nullptr;
}

const uint8_t* ZV_GetVideoCodecData_Info(ZvInfo* h)
{
    (void)h;
    return nullptr;
}

uint32_t ZV_GetVideoCodecDataSize_Info(ZvInfo* h)
{
    (void)h;
    return 0;
}

uint64_t ZV_GetVideoValue_Info(ZvInfo* h, uint32_t n)
{
    (void)h; (void)n;
    return 0;
}

const char* ZV_GetAudioTitle_Info(ZvInfo* h)
{
    (void)h;
    return nullptr;
}

const char* ZV_GetAudioCodecName_Info(ZvInfo* h)
{
    (void)h;
    return nullptr;
}

const char* ZV_GetAudioLanguage_Info(ZvInfo* h)
{
    (void)h;
    return nullptr;
}

const uint8_t* ZV_GetAudioCodecData_Info(ZvInfo* h)
{
    (void)h;
    return nullptr;
}

uint32_t ZV_GetAudioCodecDataSize_Info(ZvInfo* h)
{
    (void)h;
    return 0;
}

uint64_t ZV_GetAudioValue_Info(ZvInfo* h, uint32_t n)
{
    (void)h; (void)n;
    return 0;
}

const char* ZV_GetSubtlTitle_Info(ZvInfo* h)
{
    (void)h;
    return nullptr;
}

const char* ZV_GetSubtlCodecName_Info(ZvInfo* h)
{
    (void)h;
    return nullptr;
}

const char* ZV_GetSubtlLanguage_Info(ZvInfo* h)
{
    (void)h;
    return nullptr;
}

const uint8_t* ZV_GetSubtlCodecData_Info(ZvInfo* h)
{
    (void)h;
    return nullptr;
}

uint32_t ZV_GetSubtlCodecDataSize_Info(ZvInfo* h)
{
    (void)h;
    return 0;
}

uint64_t ZV_GetSubtlValue_Info(ZvInfo* h, uint32_t n)
{
    (void)h; (void)n;
    return 0;
}

uint32_t ZV_GetSubtlCodecTag_Info(ZvInfo* h)
{
    (void)h;
    return 0;
}

uint32_t ZV_GetChapterCount_Info(ZvInfo* h)
{
    (void)h;
    return 0;
}

uint64_t ZV_GetChapterStartTime_Info(ZvInfo* h, uint32_t i)
{
    (void)h; (void)i;
    return 0;
}

uint64_t ZV_GetChapterDuration_Info(ZvInfo* h, uint32_t i)
{
    (void)h; (void)i;
    return 0;
}

const char* ZV_GetChapterTitle_Info(ZvInfo* h, uint32_t i)
{
    (void)h; (void)i;
    return nullptr;
}

uint8_t* ZV_GetVideoImage_Info(ZvInfo* h, uint64_t time, uint32_t mode, uint32_t width, uint32_t height, uint32_t reserved)
{
    (void)h; (void)time; (void)mode; (void)width; (void)height; (void)reserved;
    return nullptr;
}

uint32_t ZV_GetVideoImageSize_Info(ZvInfo* h, const uint8_t* image)
{
    (void)h; (void)image;
    return 0;
}

int ZV_FreeVideoImage_Info(ZvInfo* h, uint8_t* image)
{
    (void)h; (void)image;
    return 0;
}

} // extern "C"
