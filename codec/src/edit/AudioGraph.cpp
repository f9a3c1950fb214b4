#include "edit/AudioGraph.h"

#include "core/FilterChain.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/channel_layout.h>
}

#include <algorithm>
#include <cstdio>

namespace zv {

namespace {

// How far the background is fed ahead of the source, so the mix never waits.
constexpr int64_t kBackgroundLeadUs = 1000000;

std::string number(double v)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6g", v);
    return buf;
}

// atempo takes 0.5..2 per instance; larger changes chain several.
std::string tempoChain(double tempo)
{
    std::string chain;
    while (tempo > 2.0) {
        chain += "atempo=2,";
        tempo /= 2.0;
    }
    while (tempo < 0.5) {
        chain += "atempo=0.5,";
        tempo /= 0.5;
    }
    return chain + "atempo=" + number(tempo);
}

std::string join(std::initializer_list<std::string> parts)
{
    std::string out;
    for (const std::string &p : parts) {
        if (p.empty())
            continue;
        if (!out.empty())
            out += ',';
        out += p;
    }
    return out;
}

std::string layoutOf(const AVFrame *f)
{
    AVChannelLayout layout{};
    // Decoders of raw formats leave the channel order unspecified.
    if (av_channel_layout_check(&f->ch_layout) && f->ch_layout.order != AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_copy(&layout, &f->ch_layout);
    else
        av_channel_layout_default(&layout, std::max(f->ch_layout.nb_channels, 1));
    char buf[128] = {0};
    av_channel_layout_describe(&layout, buf, sizeof buf);
    av_channel_layout_uninit(&layout);
    return buf;
}

std::string formatFilters(AVSampleFormat format, int rate, const std::string &layout)
{
    return "aresample=" + std::to_string(rate) + ",aformat=sample_fmts=" + av_get_sample_fmt_name(format)
        + ":sample_rates=" + std::to_string(rate) + ":channel_layouts=" + layout;
}

std::string sourceArgs(int rate, AVSampleFormat format, const std::string &layout)
{
    return "time_base=1/" + std::to_string(rate) + ":sample_rate=" + std::to_string(rate)
        + ":sample_fmt=" + av_get_sample_fmt_name(format) + ":channel_layout=" + layout;
}

// Rate and speed within what the player allows too; 0 is neutral.
uint32_t tempoPercent(uint32_t v) { return v == 0 ? 100 : std::clamp<uint32_t>(v, 25, 400); }

} // namespace

std::string audioEditFilters(const EditConfig &edit, int sampleRate)
{
    std::string chain;
    auto add = [&chain](const std::string &f) { chain += (chain.empty() ? "" : ",") + f; };
    if (edit.volume != 100)
        add("volume=" + number(std::min<uint32_t>(edit.volume, 200) / 100.0));
    for (size_t i = 0; i < edit.eqHz.size() && i < edit.eqDb.size(); ++i) {
        if (edit.eqHz[i] > 0 && edit.eqDb[i] != 0)
            add("equalizer=f=" + number(edit.eqHz[i]) + ":t=o:w=1:g=" + number(edit.eqDb[i]));
    }
    if (const uint32_t rate = tempoPercent(edit.rate); rate != 100)
        add("asetrate=" + std::to_string(int64_t(sampleRate) * rate / 100) + ",aresample="
            + std::to_string(sampleRate));
    if (const uint32_t speed = tempoPercent(edit.speed); speed != 100)
        add(tempoChain(speed / 100.0));
    return chain;
}

double audioTempoFactor(const EditConfig &edit)
{
    return tempoPercent(edit.rate) / 100.0 * tempoPercent(edit.speed) / 100.0;
}

const BackgroundAudio *activeBackground(const EditConfig &edit)
{
    for (const auto &entry : edit.backgrounds) {
        if (!entry.second.file.empty())
            return &entry.second;
    }
    return nullptr;
}

void AudioGraph::close()
{
    m_graph.reset();
    m_src = m_bgSrc = m_sink = nullptr;
    m_bg.reset();
    m_bgDone = false;
    m_bgFedUs = 0;
    m_delayUs = 0;
    m_windowEndUs = 0;
}

int AudioGraph::createSources(const AVFrame *first, std::string *error)
{
    AVFilterGraph *g = m_graph.get();
    const std::string args = sourceArgs(first->sample_rate, AVSampleFormat(first->format), layoutOf(first));
    int err = avfilter_graph_create_filter(&m_src, avfilter_get_by_name("abuffer"), "in", args.c_str(), nullptr, g);
    if (err >= 0)
        err = avfilter_graph_create_filter(&m_sink, avfilter_get_by_name("abuffersink"), "out", nullptr, nullptr, g);
    if (err >= 0 && m_bg) {
        const std::string bgArgs = sourceArgs(m_bg->sampleRate(), m_bg->sampleFormat(), m_bg->layoutText());
        err = avfilter_graph_create_filter(&m_bgSrc, avfilter_get_by_name("abuffer"), "bg", bgArgs.c_str(),
                                           nullptr, g);
    }
    if (err < 0)
        *error = "cannot set up the sound filters: " + avErrorText(err);
    return err;
}

// The background's branch up to the mix, and the window (output µs) in which
// it sounds: the source is lowered by the weight (mode 0) or silenced
// (mode 1) only inside it, so it stays whole before and after.
std::string AudioGraph::backgroundBranch(const BackgroundAudio &bg, const AudioGraphSpec &spec) const
{
    const double share = bg.mixMode == 1 ? 1.0 : std::min<uint32_t>(bg.weight, 100) / 100.0;
    std::string branch = "[bg]volume=" + number(std::min<uint32_t>(bg.volume, 200) / 100.0 * share) + ","
        + formatFilters(AV_SAMPLE_FMT_FLTP, spec.sampleRate, spec.layout);
    const int64_t delaySamples = av_rescale(m_delayUs, spec.sampleRate, 1000000);
    if (delaySamples > 0)
        branch += ",adelay=delays=" + std::to_string(delaySamples) + "S:all=1";
    if (m_windowEndUs > 0)
        branch += ",atrim=end=" + std::to_string(m_windowEndUs) + "us";
    return branch + "[b]";
}

std::string AudioGraph::duckFilter(const BackgroundAudio &bg) const
{
    const double keep = bg.mixMode == 1 ? 0.0 : 1.0 - std::min<uint32_t>(bg.weight, 100) / 100.0;
    const std::string from = number(m_delayUs / 1e6);
    const std::string when = m_windowEndUs > 0 ? "between(t," + from + "," + number(m_windowEndUs / 1e6) + ")"
                                               : "gte(t," + from + ")";
    return "volume=" + number(keep) + ":enable='" + when + "'";
}

int AudioGraph::open(const EditConfig &edit, const AVFrame *first, const AudioGraphSpec &spec, std::string *error)
{
    close();
    m_factor = audioTempoFactor(edit);
    m_inRate = first->sample_rate;
    const BackgroundAudio *bg = activeBackground(edit);
    // A background whose show time ended before this start is not heard.
    if (bg && bg->showEnd > 0 && int64_t(bg->showEnd) <= spec.startUs)
        bg = nullptr;
    if (bg) {
        m_bg = std::make_unique<BackgroundReader>();
        if (int err = m_bg->open(*bg, error); err < 0)
            return err;
        const int64_t showUs = int64_t(bg->showStart);
        m_delayUs = showUs > spec.startUs ? int64_t((showUs - spec.startUs) / m_factor) : 0;
        const int64_t intoUs = showUs < spec.startUs ? int64_t((spec.startUs - showUs) / m_factor) : 0;
        if (int err = m_bg->seek(intoUs, error); err < 0)
            return err;
        m_windowEndUs = bg->showEnd > 0 ? int64_t((int64_t(bg->showEnd) - spec.startUs) / m_factor) : 0;
        // A background that does not loop falls silent at the end of its part.
        if (!bg->loop && m_bg->partUs() > 0) {
            const int64_t silentUs = m_delayUs + std::max<int64_t>(0, m_bg->partUs() - intoUs);
            m_windowEndUs = m_windowEndUs > 0 ? std::min(m_windowEndUs, silentUs) : silentUs;
        }
        if (!(m_bgFrame = makeFrame()))
            return AVERROR(ENOMEM);
    }
    m_graph.reset(avfilter_graph_alloc());
    if (!m_graph)
        return AVERROR(ENOMEM);
    m_graph->nb_threads = 1;
    if (int err = createSources(first, error); err < 0)
        return err;

    EditConfig chainEdit = edit;
    if (!spec.withVolume)
        chainEdit.volume = 100;
    const std::string chain = audioEditFilters(chainEdit, first->sample_rate);
    const std::string out = formatFilters(spec.format, spec.sampleRate, spec.layout);
    std::string desc;
    if (!bg) {
        desc = join({spec.head, chain, spec.tail, out});
    } else {
        desc = "[in]" + join({spec.head, chain, formatFilters(AV_SAMPLE_FMT_FLTP, spec.sampleRate, spec.layout),
                              duckFilter(*bg)})
            + "[m];" + backgroundBranch(*bg, spec)
            + ";[m][b]amix=inputs=2:duration=first:dropout_transition=0:normalize=0," + join({spec.tail, out})
            + "[out]";
    }
    int err = m_bgSrc ? linkFilterGraph(m_graph.get(), {{"in", m_src}, {"bg", m_bgSrc}}, m_sink, desc)
                      : linkFilterChain(m_graph.get(), m_src, m_sink, desc);
    if (err < 0) {
        *error = "cannot build the sound filters '" + desc + "': " + avErrorText(err);
        close();
        return err;
    }
    if (spec.frameSize > 0)
        av_buffersink_set_frame_size(m_sink, unsigned(spec.frameSize));
    return 0;
}

int AudioGraph::feedBackground(int64_t untilUs, std::string *error)
{
    while (m_bgSrc && !m_bgDone && m_delayUs + m_bgFedUs < untilUs) {
        int err = m_bg->read(m_bgFrame.get(), error);
        if (err == AVERROR_EOF) {
            m_bgDone = true;
            err = av_buffersrc_add_frame_flags(m_bgSrc, nullptr, 0);
        } else if (err >= 0) {
            m_bgFedUs += av_rescale(m_bgFrame->nb_samples, 1000000, m_bgFrame->sample_rate);
            err = av_buffersrc_add_frame_flags(m_bgSrc, m_bgFrame.get(), 0);
            av_frame_unref(m_bgFrame.get());
        }
        if (err < 0) {
            if (error->empty())
                *error = "cannot mix the background sound: " + avErrorText(err);
            return err;
        }
    }
    return 0;
}

int AudioGraph::push(AVFrame *frame, std::string *error)
{
    if (!m_graph)
        return AVERROR(EINVAL);
    int err = 0;
    if (frame) {
        const int64_t endUs = av_rescale(frame->pts + frame->nb_samples, 1000000, m_inRate);
        err = feedBackground(int64_t(endUs / m_factor) + kBackgroundLeadUs, error);
        if (err >= 0)
            err = av_buffersrc_add_frame_flags(m_src, frame, 0);
    } else {
        err = av_buffersrc_add_frame_flags(m_src, nullptr, 0);
        if (err >= 0 && m_bgSrc && !m_bgDone) {
            m_bgDone = true;
            err = av_buffersrc_add_frame_flags(m_bgSrc, nullptr, 0);
        }
    }
    if (err < 0 && error->empty())
        *error = "cannot filter the sound: " + avErrorText(err);
    return err;
}

int AudioGraph::pull(AVFrame *out)
{
    if (!m_sink)
        return AVERROR_EOF;
    return av_buffersink_get_frame(m_sink, out);
}

} // namespace zv
