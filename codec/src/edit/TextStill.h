#pragma once
// An overlay text rendered by libass into an RGBA still, cut to the box its
// pixels cover. One ASS event carries every style of the text, so underline,
// strikeout, spacing, scale, angle, outline and shadow look the same in the
// preview and in the output.

#include "core/FfPtr.h"
#include "core/EditConfig.h"

#include <string>

namespace zv {

struct TextStill {
    FramePtr picture; // RGBA, straight alpha; null when nothing shows
    int x = 0, y = 0; // its top-left corner in the output picture
};

// Renders `text` for an output picture of width x height. Fails (AVERROR
// with `error`) only when libass cannot be set up.
int renderTextStill(const OverlayText &text, int width, int height, TextStill *out, std::string *error);

} // namespace zv
