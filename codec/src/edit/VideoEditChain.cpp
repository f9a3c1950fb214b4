#include "edit/VideoEditChain.h"

#include "core/Log.h"
#include "edit/GraphLinker.h"
#include "edit/OverlayElements.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
}

#include <cstdio>

namespace zv {
namespace {

// Pictures go through the graph on a private clock that only moves forward,
// so seeks and re-renders of an older picture never look like time running
// backwards to the filters; the caller's timestamps are put back afterwards.
constexpr AVRational kTickBase{1, 25};

std::string bufferArgs(int width, int height, int format, AVRational sar)
{
    char args[192];
    std::snprintf(args, sizeof args, "video_size=%dx%d:pix_fmt=%d:time_base=%d/%d:pixel_aspect=%d/%d", width, height,
                  format, kTickBase.num, kTickBase.den, sar.num > 0 ? sar.num : 1, sar.den > 0 ? sar.den : 1);
    return args;
}

} // namespace

VideoEditChain::VideoEditChain(int threads) : m_threads(threads), m_overlays(new OverlayElements) {}

VideoEditChain::~VideoEditChain() = default;

const OverlayLayout &VideoEditChain::layout() const { return m_overlays->layout(); }

int VideoEditChain::configure(const PictureEdit &edit, const SourcePicture &src, int width, int height,
                              std::string *error)
{
    m_edit = edit;
    m_src = src;
    m_plan = planGeometry(edit, src, width, height);
    const std::string geometry = geometryFilters(edit, src, m_plan);
    const std::string colour = colourFilters(edit);
    m_base = geometry.empty() ? colour : colour.empty() ? geometry : geometry + "," + colour;
    m_graph.reset();
    m_dirty = true;
    const int err = m_overlays->open(edit, m_plan.outWidth, m_plan.outHeight, error);
    m_passThrough = m_base.empty() && m_overlays->count() == 0;
    return err;
}

int VideoEditChain::build(const AVFrame *in, const std::vector<bool> &shown, std::string *error)
{
    m_graph.reset(avfilter_graph_alloc());
    m_in = m_out = nullptr;
    m_overlayIn.assign(m_overlays->count(), nullptr);
    if (!m_graph)
        return AVERROR(ENOMEM);
    AVFilterGraph *g = m_graph.get();
    g->nb_threads = m_threads;
    g->scale_sws_opts = av_strdup("flags=bicubic");
    std::map<std::string, AVFilterContext *> sources;
    int err = avfilter_graph_create_filter(&m_in, avfilter_get_by_name("buffer"), "in",
                                           bufferArgs(in->width, in->height, in->format, in->sample_aspect_ratio).c_str(),
                                           nullptr, g);
    sources["in"] = m_in;
    std::string desc = "[in]" + (m_base.empty() ? std::string("null") : m_base) + "[m0]";
    int stage = 0;
    for (size_t i = 0; err >= 0 && i < m_overlays->count(); ++i) {
        if (!shown[i])
            continue;
        const OverlayInput input = m_overlays->input(i);
        const std::string name = "ov" + std::to_string(i);
        err = avfilter_graph_create_filter(&m_overlayIn[i], avfilter_get_by_name("buffer"), name.c_str(),
                                           bufferArgs(input.width, input.height, input.format, {1, 1}).c_str(),
                                           nullptr, g);
        sources[name] = m_overlayIn[i];
        const std::string from = "m" + std::to_string(stage), to = "m" + std::to_string(stage + 1);
        desc += ";" + m_overlays->blendText(i, from, name, to);
        ++stage;
    }
    desc += ";[m" + std::to_string(stage) + "]format=yuv420p[out]";
    if (err >= 0)
        err = avfilter_graph_create_filter(&m_out, avfilter_get_by_name("buffersink"), "out", nullptr, nullptr, g);
    std::string why;
    if (err >= 0)
        err = linkLabelledGraph(g, desc, sources, m_out, &why);
    if (err < 0) {
        *error = "edit chain '" + desc + "' failed (" + why + "): " + avErrorText(err);
        m_graph.reset();
        return err;
    }
    // Stills go in once and are held by the overlay to the end.
    for (size_t i = 0; i < m_overlays->count(); ++i) {
        if (!m_overlayIn[i] || m_overlays->animated(i))
            continue;
        FramePtr still = m_overlays->frameAt(i, 0, error);
        if (!still)
            return AVERROR(EINVAL);
        still->pts = m_tick;
        err = av_buffersrc_add_frame_flags(m_overlayIn[i], still.get(), 0);
        if (err >= 0)
            err = av_buffersrc_close(m_overlayIn[i], m_tick, 0);
        if (err < 0) {
            *error = "edit chain: overlay input refused: " + avErrorText(err);
            return err;
        }
    }
    m_width = in->width;
    m_height = in->height;
    m_format = in->format;
    m_shown = shown;
    m_dirty = false;
    return 0;
}

FramePtr VideoEditChain::process(const AVFrame *in, int64_t timeUs, std::string *error)
{
    FramePtr out = makeFrame();
    if (!out)
        return nullptr;
    if (m_passThrough) {
        if (av_frame_ref(out.get(), in) < 0)
            return nullptr;
        return out;
    }
    const std::vector<bool> shown = m_overlays->shownAt(timeUs);
    if (m_dirty || !m_graph || in->width != m_width || in->height != m_height || in->format != m_format
        || shown != m_shown) {
        m_tick = 0;
        if (build(in, shown, error) < 0) {
            m_graph.reset();
            return nullptr;
        }
    }
    const int64_t tick = m_tick++;
    for (size_t i = 0; i < m_overlayIn.size(); ++i) {
        if (!m_overlayIn[i] || !m_overlays->animated(i))
            continue;
        FramePtr f = m_overlays->frameAt(i, timeUs, error);
        if (!f)
            return nullptr;
        f->pts = tick;
        if (int err = av_buffersrc_add_frame_flags(m_overlayIn[i], f.get(), 0); err < 0) {
            *error = "edit chain: overlay picture refused: " + avErrorText(err);
            m_dirty = true;
            return nullptr;
        }
    }
    FramePtr copy = makeFrame();
    if (!copy || av_frame_ref(copy.get(), in) < 0)
        return nullptr;
    copy->pts = tick;
    int err = av_buffersrc_add_frame_flags(m_in, copy.get(), 0);
    if (err >= 0)
        err = av_buffersink_get_frame(m_out, out.get());
    if (err < 0) {
        *error = "edit chain gave no picture: " + avErrorText(err);
        m_dirty = true;
        return nullptr;
    }
    out->pts = in->pts;
    out->best_effort_timestamp = in->best_effort_timestamp;
    out->pkt_dts = in->pkt_dts;
    out->pkt_duration = in->pkt_duration;
    out->key_frame = in->key_frame;
    return out;
}

} // namespace zv
