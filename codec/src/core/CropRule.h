#pragma once
// The crop rule shared by the crop object and the edit chain: a rectangle of
// picture fractions -> an even pixel rectangle inside the source.

#include <cstdint>

namespace zv {

struct CropPixels {
    uint32_t x = 0, y = 0, width = 0, height = 0;
};

CropPixels cropRule(uint32_t srcWidth, uint32_t srcHeight, double x, double y, double w, double h);

} // namespace zv
