#include "core/FilterChain.h"

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

#include <cerrno>
#include <iterator>

namespace zv {

int linkFilterChain(AVFilterGraph *graph, AVFilterContext *src, AVFilterContext *sink,
                    const std::string &description)
{
    if (src)
        return linkFilterGraph(graph, {{"in", src}}, sink, description);
    return linkFilterGraph(graph, {}, sink, description);
}

int linkFilterGraph(AVFilterGraph *graph, std::initializer_list<FilterSource> sources, AVFilterContext *sink,
                    const std::string &description)
{
    AVFilterInOut *outputs = nullptr;
    AVFilterInOut *inputs = avfilter_inout_alloc();
    if (!inputs)
        return AVERROR(ENOMEM);
    inputs->name = av_strdup("out");
    inputs->filter_ctx = sink;
    int err = 0;
    // Built back to front, so the list keeps the callers' order.
    for (auto it = std::rbegin(sources); it != std::rend(sources) && err >= 0; ++it) {
        AVFilterInOut *node = avfilter_inout_alloc();
        if (!node) {
            err = AVERROR(ENOMEM);
            break;
        }
        node->name = av_strdup(it->label);
        node->filter_ctx = it->ctx;
        node->next = outputs;
        outputs = node;
    }
    if (err >= 0)
        err = avfilter_graph_parse_ptr(graph, description.c_str(), &inputs, &outputs, nullptr);
    avfilter_inout_free(&inputs);
    avfilter_inout_free(&outputs);
    if (err >= 0)
        err = avfilter_graph_config(graph, nullptr);
    return err;
}

} // namespace zv
