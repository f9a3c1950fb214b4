#include "core/CropRule.h"

#include <algorithm>
#include <cmath>

namespace zv {
namespace {

// NaN becomes the limit it stands nearest to: lo for positions, hi for sizes.
double clampTo(double v, double lo, double hi, double nanValue)
{
    if (std::isnan(v))
        return nanValue;
    return std::min(std::max(v, lo), hi);
}

void axis(uint32_t src, double pos, double len, uint32_t &outPos, uint32_t &outLen)
{
    pos = clampTo(pos, 0.0, 1.0, 0.0);
    len = clampTo(len, 0.0, 1.0 - pos, 1.0 - pos);
    if (len <= 0.0) { // 0 means the whole picture
        pos = 0.0;
        len = 1.0;
    }
    uint32_t p = uint32_t(std::floor(pos * src)) & ~1u;
    if (src >= 2 && p > src - 2)
        p = (src - 2) & ~1u;
    if (src < 2)
        p = 0;
    uint32_t l = std::max<uint32_t>(2, uint32_t(std::lround(len * src))) & ~1u;
    const uint32_t room = (src > p ? src - p : 0) & ~1u;
    l = std::min(l, room);
    outPos = p;
    outLen = l;
}

} // namespace

CropPixels cropRule(uint32_t srcWidth, uint32_t srcHeight, double x, double y, double w, double h)
{
    CropPixels c;
    axis(srcWidth, x, w, c.x, c.width);
    axis(srcHeight, y, h, c.y, c.height);
    return c;
}

} // namespace zv
