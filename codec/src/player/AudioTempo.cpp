#include "player/AudioTempo.h"

#include "core/FilterChain.h"
#include "core/Log.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

#include <string>

namespace zv {

namespace {
// atempo takes 0.5..2 per instance; larger changes chain several.
std::string tempoChain(double tempo)
{
    std::string chain;
    while (tempo > 2.0) {
        chain += "atempo=2.0,";
        tempo /= 2.0;
    }
    while (tempo < 0.5) {
        chain += "atempo=0.5,";
        tempo /= 0.5;
    }
    return chain + "atempo=" + std::to_string(tempo);
}
} // namespace

void AudioTempo::configure(int ratePercent, int speedPercent, int outRate, int outChannels)
{
    if (ratePercent == m_rate && speedPercent == m_speed && outRate == m_outRate && outChannels == m_outChannels)
        return;
    m_rate = ratePercent;
    m_speed = speedPercent;
    m_outRate = outRate;
    m_outChannels = outChannels;
    m_graph.reset();
}

bool AudioTempo::rebuild(const AVFrame *in)
{
    m_graph.reset(avfilter_graph_alloc());
    if (!m_graph)
        return false;
    char layout[128] = {0};
    AVChannelLayout inLayout{};
    // Decoders of raw formats leave the channel order unspecified.
    if (av_channel_layout_check(&in->ch_layout) && in->ch_layout.order != AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_copy(&inLayout, &in->ch_layout);
    else
        av_channel_layout_default(&inLayout, std::max(in->ch_layout.nb_channels, 1));
    av_channel_layout_describe(&inLayout, layout, sizeof layout);
    av_channel_layout_uninit(&inLayout);
    const std::string args = "time_base=1/" + std::to_string(in->sample_rate) + ":sample_rate="
        + std::to_string(in->sample_rate) + ":sample_fmt=" + std::to_string(in->format) + ":channel_layout=" + layout;
    const std::string outLayout = m_outChannels == 1 ? "mono" : "stereo";
    const std::string chain = "asetrate=" + std::to_string(in->sample_rate * m_rate / 100) + ",aresample="
        + std::to_string(in->sample_rate) + "," + tempoChain(m_speed / 100.0)
        + ",aformat=sample_fmts=s16:sample_rates=" + std::to_string(m_outRate) + ":channel_layouts=" + outLayout;
    int err = avfilter_graph_create_filter(&m_src, avfilter_get_by_name("abuffer"), "in", args.c_str(), nullptr,
                                           m_graph.get());
    if (err >= 0)
        err = avfilter_graph_create_filter(&m_sink, avfilter_get_by_name("abuffersink"), "out", nullptr, nullptr,
                                           m_graph.get());
    if (err >= 0)
        err = linkFilterChain(m_graph.get(), m_src, m_sink, chain);
    if (err < 0) {
        zvLog("player: sound tempo '%s' failed: %s", chain.c_str(), avErrorText(err).c_str());
        m_graph.reset();
        return false;
    }
    m_inRate = in->sample_rate;
    m_inFormat = in->format;
    m_inChannels = in->ch_layout.nb_channels;
    return true;
}

bool AudioTempo::process(const AVFrame *in, std::vector<int16_t> &out)
{
    if (!m_graph || in->sample_rate != m_inRate || in->format != m_inFormat
        || in->ch_layout.nb_channels != m_inChannels) {
        if (!rebuild(in))
            return false;
    }
    FramePtr copy = makeFrame();
    if (!copy || av_frame_ref(copy.get(), in) < 0)
        return false;
    if (av_buffersrc_add_frame(m_src, copy.get()) < 0)
        return false;
    FramePtr got = makeFrame();
    while (got && av_buffersink_get_frame(m_sink, got.get()) >= 0) {
        const auto *samples = reinterpret_cast<const int16_t *>(got->data[0]);
        out.insert(out.end(), samples, samples + size_t(got->nb_samples) * size_t(m_outChannels));
        av_frame_unref(got.get());
    }
    return true;
}

} // namespace zv
