#pragma once
// The sound half of the edit chain, the same for the player and encode jobs:
// volume, equaliser bands, rate (tape speed), speed (tempo) and the
// background sound mixed in by weight or replacing the source, ending in the
// format, rate, layout and frame size the consumer asks for.

#include "core/FfPtr.h"
#include "edit/BackgroundReader.h"
#include "core/EditConfig.h"

#include <memory>
#include <string>

namespace zv {

// The filters of the edit settings between the source's decoder and the mix,
// for a source at `sampleRate` Hz. Empty when every setting is neutral.
std::string audioEditFilters(const EditConfig &edit, int sampleRate);
// Media time per output time: rate × speed.
double audioTempoFactor(const EditConfig &edit);
// The background that plays: the first with a file, or null.
const BackgroundAudio *activeBackground(const EditConfig &edit);

struct AudioGraphSpec {
    // What comes out.
    AVSampleFormat format = AV_SAMPLE_FMT_FLTP;
    int sampleRate = 48000;
    std::string layout = "stereo";
    int frameSize = 0;        // samples per frame; 0 = as they come
    // Media time of the source's first sample: where the background stands.
    int64_t startUs = 0;
    // Filters before the edit chain (in source time) and after the mix.
    std::string head, tail;
    // Whether the volume setting applies here (the player applies it at its output).
    bool withVolume = true;
};

class AudioGraph {
public:
    // Builds the graph for sources shaped like `first` (pts counted in
    // 1/sample_rate from spec.startUs) and opens the background.
    int open(const EditConfig &edit, const AVFrame *first, const AudioGraphSpec &spec, std::string *error);
    bool isOpen() const { return m_graph != nullptr; }
    void close();

    // One source frame, or null at the end of the source.
    int push(AVFrame *frame, std::string *error);
    // av_buffersink_get_frame: 0, AVERROR(EAGAIN) or AVERROR_EOF.
    int pull(AVFrame *out);
    AVFilterContext *sink() const { return m_sink; }

private:
    int createSources(const AVFrame *first, std::string *error);
    int feedBackground(int64_t untilUs, std::string *error);
    std::string backgroundBranch(const BackgroundAudio &bg, const AudioGraphSpec &spec) const;
    std::string duckFilter(const BackgroundAudio &bg) const;

    FilterGraphPtr m_graph;
    AVFilterContext *m_src = nullptr, *m_bgSrc = nullptr, *m_sink = nullptr;
    std::unique_ptr<BackgroundReader> m_bg;
    FramePtr m_bgFrame;
    double m_factor = 1.0;
    int m_inRate = 0;
    int64_t m_delayUs = 0;      // output time before the background starts
    int64_t m_windowEndUs = 0;  // output time it ends at; 0: with the source
    int64_t m_bgFedUs = 0;      // background time handed to the graph
    bool m_bgDone = false;
};

} // namespace zv
