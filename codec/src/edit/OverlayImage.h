#pragma once
// One overlay image made ready for blending: cropped (fractions of the image),
// sized, its mask's luma as alpha, faded by its alpha, mirrored and turned
// about its centre, as RGBA.

#include "core/FfPtr.h"
#include "core/EditConfig.h"

#include <string>

namespace zv {

struct ImagePlacement {
    int width = 0, height = 0; // sized, before the turn
};

// The size `image` takes in an output of outWidth x outHeight.
ImagePlacement placeImage(const OverlayImage &settings, const AVFrame *image, int outWidth, int outHeight);

// The prepared RGBA picture; null with `error` when a filter refuses.
FramePtr prepareImage(const OverlayImage &settings, const ImagePlacement &place, const AVFrame *image,
                      const AVFrame *mask, std::string *error);

// `picture` copied onto a transparent outWidth x outHeight canvas at (x, y).
FramePtr placeOnCanvas(const AVFrame *picture, int x, int y, int outWidth, int outHeight);

} // namespace zv
