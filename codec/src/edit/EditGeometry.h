#pragma once
// The geometry of the edit chain, the same for the player and encode jobs:
// display rotation, crop (crop rule), user rotation, mirror, then a fit into
// the output size at the target aspect (padded) or a stretch, SAR 1:1.

#include "core/CropRule.h"
#include "edit/PictureEdit.h"

extern "C" {
#include <libavutil/rational.h>
}

#include <string>

namespace zv {

// A decoded picture as it leaves the decoder.
struct SourcePicture {
    int width = 0, height = 0; // coded size
    AVRational sar{1, 1};
    int rotation = 0;          // clockwise display rotation still to apply
};

struct GeometryPlan {
    int uprightWidth = 0, uprightHeight = 0; // after the display rotation
    AVRational uprightSar{1, 1};
    CropPixels crop;
    int outWidth = 0, outHeight = 0;
    int fitWidth = 0, fitHeight = 0, padX = 0, padY = 0; // content inside the output
};

// `width` x `height` is the requested output size; 0 x 0 takes the display
// size of the cropped, rotated content. Both end even and at least 2.
GeometryPlan planGeometry(const PictureEdit &edit, const SourcePicture &src, int width, int height);

// libavfilter text for the plan ("" when the picture passes unchanged).
std::string geometryFilters(const PictureEdit &edit, const SourcePicture &src, const GeometryPlan &plan);
// Brightness, contrast, saturation and hue ("" when neutral).
std::string colourFilters(const PictureEdit &edit);

// transpose/flip text for a clockwise right angle ("" for 0).
std::string turnFilter(int degrees);

} // namespace zv
