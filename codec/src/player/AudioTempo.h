#pragma once
// The player's sound edits: the edit chain's sound graph (equaliser, rate,
// speed, background) giving signed 16-bit samples at the output's rate and
// channels. The volume is applied by the output itself. Used only when a
// sound edit is set.

#include "edit/AudioGraph.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zv {

class AudioTempo {
public:
    // The settings in force; a change rebuilds the graph at the next frame
    // (and returns true: the sound restarts at that frame's time).
    bool configure(const EditConfig &edit, int outRate, int outChannels);
    bool neutral() const { return m_signature.empty(); }
    // Media time per played time.
    double factor() const { return m_factor; }

    // Feeds one decoded frame that starts at media time `mediaUs`; appends
    // the interleaved samples that came out.
    bool process(const AVFrame *in, int64_t mediaUs, std::vector<int16_t> &out);
    void reset() { m_graph.close(); }

private:
    bool rebuild(const AVFrame *in, int64_t mediaUs);

    EditConfig m_edit;
    std::string m_signature;
    double m_factor = 1.0;
    int m_outRate = 48000, m_outChannels = 2;
    AudioGraph m_graph;
    int m_inRate = 0, m_inFormat = -1, m_inChannels = 0;
    int64_t m_samplesIn = 0;
    bool m_failed = false;   // logged once per setting
};

} // namespace zv
