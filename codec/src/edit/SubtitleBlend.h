#pragma once
// Drawing subtitles onto 8-bit 4:2:0 pictures: libass glyph images (one
// colour, an alpha map each) and ARGB pictures of bitmap subtitles.

#include "core/FfPtr.h"

extern "C" {
#include <ass/ass.h>
}

#include <cstdint>

namespace zv {

// Whether pictures of this format can be drawn on (8-bit planar 4:2:0).
bool canBlendOnto(int pixelFormat);

void blendAssImages(AVFrame *picture, const ASS_Image *images);
// An ARGB picture (rows of `width`), its top-left corner at (x, y).
void blendArgb(AVFrame *picture, const uint32_t *argb, int x, int y, int width, int height);

} // namespace zv
