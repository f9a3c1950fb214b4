// Placeholders for the Frame calls until their real implementation lands:
// each returns the failure value the header promises.
#include "zovAruzIvivu.h"

extern "C" {

ZvFrame* ZV_Create_Frame(void)
{
    return nullptr;
}

ZvFrame* ZV_Reference_Frame(ZvFrame* frame)
{
    (void)frame;
    return nullptr;
}

void ZV_Destroy_Frame(ZvFrame* f)
{
    (void)f;
}

int ZV_GetVideoFormat_Frame(ZvFrame* f)
{
    (void)f;
    return -1;
}

uint32_t ZV_GetVideoWidth_Frame(ZvFrame* f)
{
    (void)f;
    return 0;
}

uint32_t ZV_GetVideoHeight_Frame(ZvFrame* f)
{
    (void)f;
    return 0;
}

int32_t ZV_GetVideoStride_Frame(ZvFrame* f, uint32_t plane)
{
    (void)f; (void)plane;
    return 0;
}

uint8_t* ZV_GetVideoData_Frame(ZvFrame* f, uint32_t plane)
{
    (void)f; (void)plane;
    return nullptr;
}

} // extern "C"
