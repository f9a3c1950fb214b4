#include "edit/EditGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zv {
namespace {

bool sideways(int degrees) { return degrees == 90 || degrees == 270; }

int evenAtLeast2(long v) { return int(std::max(2L, v & ~1L)); }

} // namespace

std::string turnFilter(int degrees)
{
    switch (degrees) {
    case 90: return "transpose=clock";
    case 180: return "hflip,vflip";
    case 270: return "transpose=cclock";
    default: return "";
    }
}

GeometryPlan planGeometry(const PictureEdit &edit, const SourcePicture &src, int width, int height)
{
    GeometryPlan p;
    AVRational sar = src.sar.num > 0 && src.sar.den > 0 ? src.sar : AVRational{1, 1};
    p.uprightWidth = sideways(src.rotation) ? src.height : src.width;
    p.uprightHeight = sideways(src.rotation) ? src.width : src.height;
    p.uprightSar = sideways(src.rotation) ? AVRational{sar.den, sar.num} : sar;
    p.crop = cropRule(uint32_t(std::max(p.uprightWidth, 0)), uint32_t(std::max(p.uprightHeight, 0)), edit.cropX,
                      edit.cropY, edit.cropW, edit.cropH);

    // The cropped content's display size and aspect, turned by the user's rotation.
    double contentW = double(p.crop.width) * p.uprightSar.num / p.uprightSar.den;
    double contentH = double(p.crop.height);
    if (sideways(int(edit.rotate)))
        std::swap(contentW, contentH);
    double aspect = contentH > 0 ? contentW / contentH : 1.0;
    if (edit.aspectX > 0 && edit.aspectY > 0)
        aspect = sideways(int(edit.rotate)) ? double(edit.aspectY) / edit.aspectX
                                            : double(edit.aspectX) / edit.aspectY;

    if (width > 0 && height > 0) {
        p.outWidth = evenAtLeast2(width);
        p.outHeight = evenAtLeast2(height);
    } else {
        p.outWidth = evenAtLeast2(std::lround(contentW));
        p.outHeight = evenAtLeast2(std::lround(contentH));
    }
    p.fitWidth = p.outWidth;
    p.fitHeight = p.outHeight;
    if (edit.pad && aspect > 0) {
        const double outAspect = double(p.outWidth) / p.outHeight;
        if (outAspect > aspect + 1e-9)
            p.fitWidth = std::min(p.outWidth, evenAtLeast2(std::lround(p.outHeight * aspect)));
        else if (outAspect < aspect - 1e-9)
            p.fitHeight = std::min(p.outHeight, evenAtLeast2(std::lround(p.outWidth / aspect)));
        p.padX = ((p.outWidth - p.fitWidth) / 2) & ~1;
        p.padY = ((p.outHeight - p.fitHeight) / 2) & ~1;
    }
    return p;
}

std::string geometryFilters(const PictureEdit &edit, const SourcePicture &src, const GeometryPlan &plan)
{
    std::string chain;
    auto add = [&chain](const std::string &f) {
        if (f.empty())
            return;
        if (!chain.empty())
            chain += ',';
        chain += f;
    };
    char buf[160];
    add(turnFilter(src.rotation));
    if (int(plan.crop.width) != plan.uprightWidth || int(plan.crop.height) != plan.uprightHeight) {
        std::snprintf(buf, sizeof buf, "crop=%u:%u:%u:%u:exact=1", plan.crop.width, plan.crop.height, plan.crop.x,
                      plan.crop.y);
        add(buf);
    }
    add(turnFilter(int(edit.rotate)));
    if (edit.mirror)
        add("hflip");
    const bool turned = sideways(int(edit.rotate));
    const int contentW = int(turned ? plan.crop.height : plan.crop.width);
    const int contentH = int(turned ? plan.crop.width : plan.crop.height);
    const bool squarePixels = plan.uprightSar.num == plan.uprightSar.den;
    if (contentW != plan.fitWidth || contentH != plan.fitHeight || !squarePixels) {
        std::snprintf(buf, sizeof buf, "scale=%d:%d", plan.fitWidth, plan.fitHeight);
        add(buf);
    }
    if (plan.fitWidth != plan.outWidth || plan.fitHeight != plan.outHeight) {
        std::snprintf(buf, sizeof buf, "pad=%d:%d:%d:%d:color=0x%06X", plan.outWidth, plan.outHeight, plan.padX,
                      plan.padY, edit.padColor & 0xFFFFFFu);
        add(buf);
    }
    if (!chain.empty())
        add("setsar=1");
    return chain;
}

std::string colourFilters(const PictureEdit &edit)
{
    std::string chain;
    char buf[160];
    if (edit.brightness != 0) {
        std::snprintf(buf, sizeof buf, "lutyuv=y='clip(val%+d,minval,maxval)'", int(edit.brightness));
        chain += buf;
    }
    if (edit.contrast != 100 || edit.saturation != 100) {
        std::snprintf(buf, sizeof buf, "%seq=contrast=%.4f:saturation=%.4f", chain.empty() ? "" : ",",
                      edit.contrast / 100.0, edit.saturation / 100.0);
        chain += buf;
    }
    if (edit.hue != 0) {
        std::snprintf(buf, sizeof buf, "%shue=h=%d", chain.empty() ? "" : ",", int(edit.hue));
        chain += buf;
    }
    return chain;
}

} // namespace zv
