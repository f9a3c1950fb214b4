// Placeholders for the Crop calls until their real implementation lands:
// each returns the failure value the header promises.
#include "zovAruzIvivu.h"

extern "C" {

ZvCrop* ZV_Create_Crop(uint32_t srcWidth, uint32_t srcHeight, double x, double y, double w, double h)
{
    (void)srcWidth; (void)srcHeight; (void)x; (void)y; (void)w; (void)h;
    return nullptr;
}

uint32_t ZV_GetWidth_Crop(ZvCrop* c)
{
    (void)c;
    return 0;
}

uint32_t ZV_GetHeight_Crop(ZvCrop* c)
{
    (void)c;
    return 0;
}

void ZV_Release_Crop(ZvCrop* c)
{
    (void)c;
}

} // extern "C"
