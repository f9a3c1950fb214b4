#pragma once
// Rate and speed of the sound: a libavfilter graph that changes the tape
// speed (asetrate + aresample: pitch and duration) and the tempo (atempo:
// duration only), then gives signed 16-bit samples at the output's rate and
// channels. Used only when either differs from 100 %.

#include "core/FfPtr.h"

#include <cstdint>
#include <vector>

namespace zv {

class AudioTempo {
public:
    // Percentages; a change rebuilds the graph at the next frame.
    void configure(int ratePercent, int speedPercent, int outRate, int outChannels);
    bool neutral() const { return m_rate == 100 && m_speed == 100; }
    // Media time per played time.
    double factor() const { return m_rate / 100.0 * m_speed / 100.0; }

    // Feeds one decoded frame; appends the interleaved samples that came out.
    bool process(const AVFrame *in, std::vector<int16_t> &out);
    void reset() { m_graph.reset(); }

private:
    bool rebuild(const AVFrame *in);

    int m_rate = 100, m_speed = 100, m_outRate = 48000, m_outChannels = 2;
    FilterGraphPtr m_graph;
    AVFilterContext *m_src = nullptr, *m_sink = nullptr;
    int m_inRate = 0, m_inFormat = -1, m_inChannels = 0;
};

} // namespace zv
