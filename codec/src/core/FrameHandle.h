#pragma once
// The ZvFrame handle: a view of a decoded picture in one of the frame-format
// codes (0 yuv420p, 30 bgra). A player builds a borrowed one on its stack for
// a callback (ZvFrame::borrow, no copy); ZV_Reference_Frame makes an owned one
// that shares the buffers (av_frame_ref) and lives until ZV_Destroy_Frame.

#include "core/FfPtr.h"

struct ZvFrame {
    zv::FramePtr owned;            // set when the handle holds its own reference
    const AVFrame *frame = nullptr; // what the getters read; null for an empty frame

    static ZvFrame borrow(const AVFrame *f)
    {
        ZvFrame h;
        h.frame = f;
        return h;
    }
};

namespace zv {

// A new owned handle referencing the same buffers; null on failure.
ZvFrame *referenceFrame(const AVFrame *frame);

} // namespace zv
