#include "core/FilterChain.h"

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

#include <cerrno>

namespace zv {

int linkFilterChain(AVFilterGraph *graph, AVFilterContext *src, AVFilterContext *sink,
                    const std::string &description)
{
    AVFilterInOut *outputs = nullptr;
    AVFilterInOut *inputs = avfilter_inout_alloc();
    if (!inputs)
        return AVERROR(ENOMEM);
    inputs->name = av_strdup("out");
    inputs->filter_ctx = sink;
    if (src) {
        outputs = avfilter_inout_alloc();
        if (!outputs) {
            avfilter_inout_free(&inputs);
            return AVERROR(ENOMEM);
        }
        outputs->name = av_strdup("in");
        outputs->filter_ctx = src;
    }
    int err = avfilter_graph_parse_ptr(graph, description.c_str(), &inputs, &outputs, nullptr);
    avfilter_inout_free(&inputs);
    avfilter_inout_free(&outputs);
    if (err >= 0)
        err = avfilter_graph_config(graph, nullptr);
    return err;
}

} // namespace zv
