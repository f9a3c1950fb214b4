// Crop objects: the pixel size the edit chain will really crop to.
#include "zovAruzIvivu.h"

#include "core/CropRule.h"
#include "core/Guard.h"

struct ZvCrop {
    zv::CropPixels pixels;
};

using namespace zv;

extern "C" {

ZvCrop *ZV_Create_Crop(uint32_t srcWidth, uint32_t srcHeight, double x, double y, double w, double h)
{
    return guarded("ZV_Create_Crop", static_cast<ZvCrop *>(nullptr), [&] {
        auto *c = new ZvCrop;
        c->pixels = cropRule(srcWidth, srcHeight, x, y, w, h);
        return c;
    });
}

uint32_t ZV_GetWidth_Crop(ZvCrop *c)
{
    return c ? c->pixels.width : 0;
}

uint32_t ZV_GetHeight_Crop(ZvCrop *c)
{
    return c ? c->pixels.height : 0;
}

void ZV_Release_Crop(ZvCrop *c)
{
    delete c;
}

} // extern "C"
