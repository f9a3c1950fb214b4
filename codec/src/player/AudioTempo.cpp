#include "player/AudioTempo.h"

#include "core/Log.h"

#include <string>

namespace zv {

namespace {
// Everything of the settings the sound graph is built from; empty when neutral.
std::string signatureOf(EditConfig edit)
{
    edit.volume = 100;
    std::string sig = audioEditFilters(edit, 48000);
    if (const BackgroundAudio *bg = activeBackground(edit)) {
        sig += "|" + bg->file + "|" + std::to_string(bg->loop) + "|" + std::to_string(bg->mixMode) + "|"
            + std::to_string(bg->volume) + "|" + std::to_string(bg->weight) + "|" + std::to_string(bg->showStart)
            + "|" + std::to_string(bg->showEnd) + "|" + std::to_string(bg->splitStart) + "|"
            + std::to_string(bg->splitEnd);
    }
    return sig;
}
} // namespace

bool AudioTempo::configure(const EditConfig &edit, int outRate, int outChannels)
{
    const std::string sig = signatureOf(edit);
    if (sig == m_signature && outRate == m_outRate && outChannels == m_outChannels)
        return false;
    m_signature = sig;
    m_edit = edit;
    m_factor = audioTempoFactor(edit);
    m_outRate = outRate;
    m_outChannels = outChannels;
    m_failed = false;
    m_graph.close();
    return true;
}

bool AudioTempo::rebuild(const AVFrame *in, int64_t mediaUs)
{
    AudioGraphSpec spec;
    spec.format = AV_SAMPLE_FMT_S16;
    spec.sampleRate = m_outRate;
    spec.layout = m_outChannels == 1 ? "mono" : "stereo";
    spec.startUs = mediaUs;
    spec.withVolume = false;
    std::string error;
    if (m_graph.open(m_edit, in, spec, &error) < 0) {
        if (!m_failed)
            zvLog("player: %s", error.c_str());
        m_failed = true;
        return false;
    }
    m_inRate = in->sample_rate;
    m_inFormat = in->format;
    m_inChannels = in->ch_layout.nb_channels;
    m_samplesIn = 0;
    return true;
}

bool AudioTempo::process(const AVFrame *in, int64_t mediaUs, std::vector<int16_t> &out)
{
    if (!m_graph.isOpen() || in->sample_rate != m_inRate || in->format != m_inFormat
        || in->ch_layout.nb_channels != m_inChannels) {
        if (!rebuild(in, mediaUs))
            return false;
    }
    FramePtr copy = makeFrame();
    if (!copy || av_frame_ref(copy.get(), in) < 0)
        return false;
    copy->pts = m_samplesIn;
    m_samplesIn += in->nb_samples;
    std::string error;
    if (m_graph.push(copy.get(), &error) < 0) {
        zvLog("player: %s", error.c_str());
        m_graph.close();
        return false;
    }
    FramePtr got = makeFrame();
    while (got && m_graph.pull(got.get()) >= 0) {
        const auto *samples = reinterpret_cast<const int16_t *>(got->data[0]);
        out.insert(out.end(), samples, samples + size_t(got->nb_samples) * size_t(m_outChannels));
        av_frame_unref(got.get());
    }
    return true;
}

} // namespace zv
