#include "edit/OverlayImage.h"

#include "edit/GraphLinker.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
}

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace zv {
namespace {

struct CropBox {
    int x = 0, y = 0, w = 1, h = 1;
};

double fraction(double v, double fallback) { return std::isnan(v) ? fallback : std::clamp(v, 0.0, 1.0); }

CropBox cropOf(const OverlayImage &s, int width, int height)
{
    const double fx = fraction(s.cropX, 0), fy = fraction(s.cropY, 0);
    double fw = fraction(s.cropW, 1), fh = fraction(s.cropH, 1);
    if (fw <= 0 || fx + fw > 1)
        fw = 1 - fx;
    if (fh <= 0 || fy + fh > 1)
        fh = 1 - fy;
    CropBox c;
    c.x = std::min(int(std::floor(fx * width)), width - 1);
    c.y = std::min(int(std::floor(fy * height)), height - 1);
    c.w = std::clamp(int(std::lround(fw * width)), 1, width - c.x);
    c.h = std::clamp(int(std::lround(fh * height)), 1, height - c.y);
    return c;
}

std::string cropText(const CropBox &c)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, "crop=%d:%d:%d:%d:exact=1", c.w, c.h, c.x, c.y);
    return buf;
}

std::string bufferArgs(const AVFrame *f)
{
    char args[160];
    std::snprintf(args, sizeof args, "video_size=%dx%d:pix_fmt=%d:time_base=1/25:pixel_aspect=1/1", f->width,
                  f->height, f->format);
    return args;
}

} // namespace

ImagePlacement placeImage(const OverlayImage &s, const AVFrame *image, int outWidth, int outHeight)
{
    const CropBox c = cropOf(s, image->width, image->height);
    ImagePlacement p;
    if (s.w > 0 && s.h > 0) {
        p.width = int(std::lround(std::min(s.w, 4.0) * outWidth));
        p.height = int(std::lround(std::min(s.h, 4.0) * outHeight));
    } else {
        p.width = int(std::lround(c.w * std::min(s.scaleX, 1000u) / 100.0));
        p.height = int(std::lround(c.h * std::min(s.scaleY, 1000u) / 100.0));
    }
    p.width = std::max(p.width, 1);
    p.height = std::max(p.height, 1);
    return p;
}

FramePtr prepareImage(const OverlayImage &s, const ImagePlacement &place, const AVFrame *image, const AVFrame *mask,
                      std::string *error)
{
    FilterGraphPtr graph(avfilter_graph_alloc());
    if (!graph)
        return nullptr;
    graph->nb_threads = 1;
    char size[64];
    std::snprintf(size, sizeof size, "scale=%d:%d", place.width, place.height);
    std::string desc = "[img]" + cropText(cropOf(s, image->width, image->height)) + "," + size + ",format=rgba";
    if (mask) {
        desc += "[pic];[mask]" + cropText(cropOf(s, mask->width, mask->height)) + "," + size
            + ",format=gray[alpha];[pic][alpha]alphamerge";
    }
    char buf[128];
    if (s.alpha < 255) {
        std::snprintf(buf, sizeof buf, ",colorchannelmixer=aa=%.4f", s.alpha / 255.0);
        desc += buf;
    }
    if (s.mirror)
        desc += ",hflip";
    if (s.angle % 360 != 0) {
        std::snprintf(buf, sizeof buf, ",rotate=%d*PI/180:c=none:ow=rotw(%d*PI/180):oh=roth(%d*PI/180)", s.angle,
                      s.angle, s.angle);
        desc += buf;
    }
    desc += ",format=rgba";

    std::map<std::string, AVFilterContext *> sources;
    AVFilterContext *img = nullptr, *maskIn = nullptr, *sink = nullptr;
    int err = avfilter_graph_create_filter(&img, avfilter_get_by_name("buffer"), "img", bufferArgs(image).c_str(),
                                           nullptr, graph.get());
    sources["img"] = img;
    if (err >= 0 && mask) {
        err = avfilter_graph_create_filter(&maskIn, avfilter_get_by_name("buffer"), "mask", bufferArgs(mask).c_str(),
                                           nullptr, graph.get());
        sources["mask"] = maskIn;
    }
    if (err >= 0)
        err = avfilter_graph_create_filter(&sink, avfilter_get_by_name("buffersink"), "out", nullptr, nullptr,
                                           graph.get());
    std::string why = "setting up";
    if (err >= 0)
        err = linkLabelledGraph(graph.get(), desc, sources, sink, &why);
    FramePtr out = makeFrame();
    auto feed = [](AVFilterContext *src, const AVFrame *f) {
        FramePtr copy(av_frame_clone(f));
        if (!copy)
            return AVERROR(ENOMEM);
        copy->pts = 0;
        const int e = av_buffersrc_add_frame_flags(src, copy.get(), 0);
        return e < 0 ? e : av_buffersrc_close(src, 1, 0);
    };
    if (err >= 0 && (err = feed(img, image)) < 0)
        why = "feeding the image";
    if (err >= 0 && mask && (err = feed(maskIn, mask)) < 0)
        why = "feeding the mask";
    if (err >= 0 && (!out || (err = av_buffersink_get_frame(sink, out.get())) < 0))
        why = "preparing";
    if (err < 0) {
        *error = "overlay image (" + desc + "): " + why + " failed: " + avErrorText(err);
        return nullptr;
    }
    return out;
}

FramePtr placeOnCanvas(const AVFrame *picture, int x, int y, int outWidth, int outHeight)
{
    FramePtr canvas = makeFrame();
    if (!canvas)
        return nullptr;
    canvas->format = AV_PIX_FMT_RGBA;
    canvas->width = outWidth;
    canvas->height = outHeight;
    if (av_frame_get_buffer(canvas.get(), 0) < 0)
        return nullptr;
    for (int row = 0; row < outHeight; ++row)
        std::memset(canvas->data[0] + row * canvas->linesize[0], 0, size_t(outWidth) * 4);
    const int x0 = std::max(x, 0), x1 = std::min(x + picture->width, outWidth);
    const int y0 = std::max(y, 0), y1 = std::min(y + picture->height, outHeight);
    for (int row = y0; row < y1; ++row)
        if (x1 > x0)
            std::memcpy(canvas->data[0] + row * canvas->linesize[0] + x0 * 4,
                        picture->data[0] + (row - y) * picture->linesize[0] + (x0 - x) * 4, size_t(x1 - x0) * 4);
    return canvas;
}

} // namespace zv
