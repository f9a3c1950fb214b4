#include "player/FilterPath.h"

#include "core/FilterChain.h"
#include "core/Log.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/pixdesc.h>
}

namespace zv {

void FilterPath::setDescription(const std::string &description)
{
    if (description == m_description)
        return;
    m_description = description;
    m_dirty = true;
}

bool FilterPath::rebuild(const AVFrame *in, AVRational timeBase)
{
    m_graph.reset(avfilter_graph_alloc());
    m_src = m_sink = nullptr;
    if (!m_graph)
        return false;
    m_graph->nb_threads = 1;
    const AVRational sar = in->sample_aspect_ratio.num ? in->sample_aspect_ratio : AVRational{1, 1};
    const std::string args = "video_size=" + std::to_string(in->width) + "x" + std::to_string(in->height)
        + ":pix_fmt=" + std::to_string(in->format) + ":time_base=" + std::to_string(timeBase.num) + "/"
        + std::to_string(timeBase.den) + ":pixel_aspect=" + std::to_string(sar.num) + "/" + std::to_string(sar.den);
    int err = avfilter_graph_create_filter(&m_src, avfilter_get_by_name("buffer"), "in", args.c_str(), nullptr,
                                           m_graph.get());
    if (err >= 0)
        err = avfilter_graph_create_filter(&m_sink, avfilter_get_by_name("buffersink"), "out", nullptr, nullptr,
                                           m_graph.get());
    if (err >= 0)
        err = linkFilterChain(m_graph.get(), m_src, m_sink, m_description);
    if (err < 0) {
        zvLog("player: picture filter '%s' failed: %s", m_description.c_str(), avErrorText(err).c_str());
        m_graph.reset();
        return false;
    }
    m_width = in->width;
    m_height = in->height;
    m_format = in->format;
    m_dirty = false;
    return true;
}

FramePtr FilterPath::process(const AVFrame *in, AVRational timeBase)
{
    FramePtr out = makeFrame();
    if (!out)
        return nullptr;
    if (m_description.empty()) {
        if (av_frame_ref(out.get(), in) < 0)
            return nullptr;
        return out;
    }
    if (m_dirty || !m_graph || in->width != m_width || in->height != m_height || in->format != m_format) {
        if (!rebuild(in, timeBase))
            return nullptr;
    }
    FramePtr copy = makeFrame();
    if (!copy || av_frame_ref(copy.get(), in) < 0)
        return nullptr;
    int err = av_buffersrc_add_frame_flags(m_src, copy.get(), AV_BUFFERSRC_FLAG_KEEP_REF);
    if (err >= 0)
        err = av_buffersink_get_frame(m_sink, out.get());
    if (err < 0) {
        zvLog("player: picture filter '%s' gave no picture: %s", m_description.c_str(), avErrorText(err).c_str());
        m_dirty = true;
        return nullptr;
    }
    return out;
}

namespace {
bool isFullRange(const AVFrame *f)
{
    const auto fmt = AVPixelFormat(f->format);
    return f->color_range == AVCOL_RANGE_JPEG || fmt == AV_PIX_FMT_YUVJ420P || fmt == AV_PIX_FMT_YUVJ422P
        || fmt == AV_PIX_FMT_YUVJ444P || fmt == AV_PIX_FMT_YUVJ440P;
}

bool stridesPositive(const AVFrame *f, int planes)
{
    for (int i = 0; i < planes; ++i)
        if (f->linesize[i] <= 0 || !f->data[i])
            return false;
    return true;
}
} // namespace

FramePtr FrameConverter::convert(const AVFrame *in, AVPixelFormat target, int width, int height)
{
    if (width <= 0 || height <= 0) {
        width = in->width;
        height = in->height;
    }
    FramePtr out = makeFrame();
    if (!out)
        return nullptr;
    const int planes = target == AV_PIX_FMT_BGRA ? 1 : 3;
    const bool limitedYuv = target != AV_PIX_FMT_YUV420P || in->color_range != AVCOL_RANGE_JPEG;
    if (in->format == target && width == in->width && height == in->height && limitedYuv
        && stridesPositive(in, planes)) {
        if (av_frame_ref(out.get(), in) < 0)
            return nullptr;
        return out;
    }
    out->format = target;
    out->width = width;
    out->height = height;
    int err = av_frame_get_buffer(out.get(), 0);
    if (err < 0) {
        zvLog("player: no memory for a %dx%d picture: %s", width, height, avErrorText(err).c_str());
        return nullptr;
    }
    m_sws.reset(sws_getCachedContext(m_sws.release(), in->width, in->height, AVPixelFormat(in->format), width,
                                     height, target, SWS_BICUBIC, nullptr, nullptr, nullptr));
    if (!m_sws) {
        zvLog("player: no conversion from %s %dx%d to %s", av_get_pix_fmt_name(AVPixelFormat(in->format)),
              in->width, in->height, av_get_pix_fmt_name(target));
        return nullptr;
    }
    // Full-range sources (JPEG-style YUV) become limited-range output.
    const int *coeffs = sws_getCoefficients(SWS_CS_DEFAULT);
    // -1 only for a format whose range cannot be set: those pictures keep their
    // own, which is worth one log line, not one per picture.
    if (sws_setColorspaceDetails(m_sws.get(), coeffs, isFullRange(in) ? 1 : 0, coeffs, 0, 0, 1 << 16, 1 << 16) < 0
        && !m_rangeRefused) {
        m_rangeRefused = true;
        zvLog("player: %s keeps its own colour range", av_get_pix_fmt_name(AVPixelFormat(in->format)));
    }
    if (const int rows = sws_scale(m_sws.get(), in->data, in->linesize, 0, in->height, out->data, out->linesize);
        rows <= 0) {
        zvLog("player: cannot convert a %dx%d picture: %s", in->width, in->height,
              rows < 0 ? avErrorText(rows).c_str() : "no rows");
        return nullptr;
    }
    out->pts = in->pts;
    out->best_effort_timestamp = in->best_effort_timestamp;
    out->key_frame = in->key_frame;
    out->color_range = AVCOL_RANGE_MPEG;
    out->sample_aspect_ratio = AVRational{1, 1};
    return out;
}

} // namespace zv
