#pragma once
// One libavfilter graph between the decoder and frame delivery: a filter
// description applied to each picture, rebuilt when the description or the
// input's size or format changes. An empty description passes pictures through.

#include "core/FfPtr.h"

#include <string>

namespace zv {

class FilterPath {
public:
    void setDescription(const std::string &description);
    const std::string &description() const { return m_description; }

    // The filtered picture; a new reference to `in` when the description is
    // empty; null (with the error logged) when the graph fails.
    FramePtr process(const AVFrame *in, AVRational timeBase);

private:
    bool rebuild(const AVFrame *in, AVRational timeBase);

    std::string m_description;
    FilterGraphPtr m_graph;
    AVFilterContext *m_src = nullptr;
    AVFilterContext *m_sink = nullptr;
    int m_width = 0, m_height = 0, m_format = -1;
    bool m_dirty = true;
};

// Pictures into a delivery format with positive line sizes, through one
// cached swscale context; pictures already in that shape pass by reference.
class FrameConverter {
public:
    FramePtr convert(const AVFrame *in, AVPixelFormat target, int width = 0, int height = 0);

private:
    SwsPtr m_sws;
    bool m_rangeRefused = false; // logged once
};

} // namespace zv
