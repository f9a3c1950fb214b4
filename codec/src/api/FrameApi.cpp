// Frame handles: format code, size and planes of a decoded picture.
#include "zovAruzIvivu.h"

#include "core/CodecTables.h"
#include "core/FrameHandle.h"
#include "core/Guard.h"

using namespace zv;

namespace zv {

ZvFrame *referenceFrame(const AVFrame *frame)
{
    auto handle = std::make_unique<ZvFrame>();
    if (frame) {
        handle->owned = makeFrame();
        if (!handle->owned || av_frame_ref(handle->owned.get(), frame) < 0)
            return nullptr;
        handle->frame = handle->owned.get();
    }
    return handle.release();
}

} // namespace zv

namespace {

uint32_t planeCount(const AVFrame *f)
{
    switch (frameCodeFromPixelFormat(AVPixelFormat(f->format))) {
    case kFrameCodeYuv420p: return 3;
    case kFrameCodeBgra: return 1;
    default: return 0;
    }
}

} // namespace

extern "C" {

ZvFrame *ZV_Create_Frame(void)
{
    return guarded("ZV_Create_Frame", static_cast<ZvFrame *>(nullptr), [] { return new ZvFrame; });
}

ZvFrame *ZV_Reference_Frame(ZvFrame *frame)
{
    if (!frame)
        return nullptr;
    return guarded("ZV_Reference_Frame", static_cast<ZvFrame *>(nullptr),
                   [&] { return referenceFrame(frame->frame); });
}

void ZV_Destroy_Frame(ZvFrame *f)
{
    guardedVoid("ZV_Destroy_Frame", [&] { delete f; });
}

int ZV_GetVideoFormat_Frame(ZvFrame *f)
{
    if (!f || !f->frame)
        return -1;
    return frameCodeFromPixelFormat(AVPixelFormat(f->frame->format));
}

uint32_t ZV_GetVideoWidth_Frame(ZvFrame *f)
{
    return f && f->frame && f->frame->width > 0 ? uint32_t(f->frame->width) : 0;
}

uint32_t ZV_GetVideoHeight_Frame(ZvFrame *f)
{
    return f && f->frame && f->frame->height > 0 ? uint32_t(f->frame->height) : 0;
}

int32_t ZV_GetVideoStride_Frame(ZvFrame *f, uint32_t plane)
{
    if (!f || !f->frame || plane >= planeCount(f->frame))
        return 0;
    return f->frame->linesize[plane];
}

uint8_t *ZV_GetVideoData_Frame(ZvFrame *f, uint32_t plane)
{
    if (!f || !f->frame || plane >= planeCount(f->frame))
        return nullptr;
    return f->frame->data[plane];
}

} // extern "C"
