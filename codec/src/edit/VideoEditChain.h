#pragma once
// The picture half of the edit chain, one libavfilter graph built from one
// PictureEdit value, used by the player's edited picture and by encode jobs:
//
//   buffer -> display rotation -> crop -> rotation -> mirror -> fit or stretch
//     -> setsar=1 -> brightness, contrast, saturation, hue
//     -> overlay layer 1 -> layer 2 -> layer 0 -> format=yuv420p -> buffersink
//
// process() gives one edited picture per picture in, in yuv420p at the output
// size, with the input's timestamps: the "edited frame out" point after which
// a caller adds its own steps (subtitles, the encoder's rate).

#include "core/FfPtr.h"
#include "edit/EditGeometry.h"
#include "edit/OverlayLayout.h"
#include "edit/PictureEdit.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zv {

class OverlayElements;

class VideoEditChain {
public:
    // threads: libavfilter's slice threads (0 = as many as there are cores).
    explicit VideoEditChain(int threads = 0);
    ~VideoEditChain();
    VideoEditChain(const VideoEditChain &) = delete;
    VideoEditChain &operator=(const VideoEditChain &) = delete;

    // New settings or source: the graph is rebuilt at the next picture.
    // Overlay inputs are opened here, so an undecodable file fails at once
    // (0 or an AVERROR with `error`).
    int configure(const PictureEdit &edit, const SourcePicture &src, int width, int height, std::string *error);

    const GeometryPlan &plan() const { return m_plan; }
    // Neutral settings at the source size: pictures pass unchanged.
    bool passesThrough() const { return m_passThrough; }
    // Boxes of the overlay elements as this configuration places them.
    const OverlayLayout &layout() const;

    // The edited picture for `in`; `timeUs` (media or output time) decides
    // show times and the frame of clip overlays. Null with `error` on failure.
    FramePtr process(const AVFrame *in, int64_t timeUs, std::string *error);

private:
    int build(const AVFrame *in, const std::vector<bool> &shown, std::string *error);

    const int m_threads;
    PictureEdit m_edit;
    SourcePicture m_src;
    GeometryPlan m_plan;
    std::string m_base;
    bool m_passThrough = true;
    std::unique_ptr<OverlayElements> m_overlays;

    FilterGraphPtr m_graph;
    AVFilterContext *m_in = nullptr;
    AVFilterContext *m_out = nullptr;
    std::vector<AVFilterContext *> m_overlayIn; // per element; null when hidden
    std::vector<bool> m_shown;                  // the elements the graph shows
    int m_width = 0, m_height = 0, m_format = -1;
    bool m_dirty = true;
    int64_t m_tick = 0;
};

} // namespace zv
