// libFuzzer target over what the library does with a file it is handed:
// open, probe every stream and chapter, and take pictures at a few times.
// Built and run by scripts/fuzz only.
#include "zovAruzIvivu.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

std::string inputPath()
{
    // One file per fuzzing process, in memory where available.
    const char *dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(dir) + "/zv-fuzz-" + std::to_string(getpid()) + ".bin";
}

bool writeFile(const std::string &path, const uint8_t *data, size_t size)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

void probeStreams(ZvInfo *h)
{
    for (uint32_t p = 0; p < ZV_GetProgrCount_Info(h); ++p) {
        ZV_SetProgrIndex_Info(h, p);
        (void)ZV_GetProgrName_Info(h);
        for (uint32_t v = 0; v < ZV_GetVideoCount_Info(h); ++v) {
            ZV_SetVideoIndex_Info(h, v);
            (void)ZV_GetVideoCodecName_Info(h);
            (void)ZV_GetVideoCodecDataSize_Info(h);
            for (uint32_t n = 1; n <= 7; ++n)
                (void)ZV_GetVideoValue_Info(h, n);
        }
        for (uint32_t a = 0; a < ZV_GetAudioCount_Info(h); ++a) {
            ZV_SetAudioIndex_Info(h, a);
            (void)ZV_GetAudioCodecName_Info(h);
            (void)ZV_GetAudioLanguage_Info(h);
            for (uint32_t n = 1; n <= 6; ++n)
                (void)ZV_GetAudioValue_Info(h, n);
        }
        for (uint32_t s = 0; s < ZV_GetSubtlCount_Info(h); ++s) {
            ZV_SetSubtlIndex_Info(h, s);
            (void)ZV_GetSubtlCodecName_Info(h);
            (void)ZV_GetSubtlValue_Info(h, 1);
        }
    }
    for (uint32_t c = 0; c < ZV_GetChapterCount_Info(h) && c < 64; ++c) {
        (void)ZV_GetChapterStartTime_Info(h, c);
        (void)ZV_GetChapterTitle_Info(h, c);
    }
    if (const void *cover = ZV_GetMetaData_Info(h, "cover_image"))
        (void)ZV_GetMetaDataSize_Info(h, cover);
    (void)ZV_GetMetaData_Info(h, "title");
}

void takePictures(ZvInfo *h)
{
    if (!ZV_HasVideo_Info(h))
        return;
    const uint64_t duration = ZV_GetDuration_Info(h);
    // The start, the middle, back again, and past the end.
    const uint64_t times[] = {0, duration / 2, duration / 4, duration + 1000000};
    for (uint64_t t : times) {
        if (uint8_t *bmp = ZV_GetVideoImage_Info(h, t, 1, 32, 24, 0)) {
            (void)ZV_GetVideoImageSize_Info(h, bmp);
            ZV_FreeVideoImage_Info(h, bmp);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    ZV_Initialize_Library(0, 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string path = inputPath();
    if (!writeFile(path, data, size))
        return 0;
    ZvInfo *h = ZV_Create_Info(0xFFFFFFFF);
    if (ZV_Open_Info(h, path.c_str()) == 1) {
        probeStreams(h);
        takePictures(h);
    }
    ZV_Destroy_Info(h);
    return 0;
}
