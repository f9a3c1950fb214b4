#include "edit/GraphLinker.h"

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavutil/error.h>
}

#include <cerrno>
#include <memory>

namespace zv {
namespace {
struct InOutFree {
    void operator()(AVFilterInOut *p) const { avfilter_inout_free(&p); }
};
using InOutPtr = std::unique_ptr<AVFilterInOut, InOutFree>;
} // namespace

int linkLabelledGraph(AVFilterGraph *graph, const std::string &description,
                      const std::map<std::string, AVFilterContext *> &sources, AVFilterContext *sink,
                      std::string *why)
{
    AVFilterInOut *rawIn = nullptr, *rawOut = nullptr;
    int err = avfilter_graph_parse2(graph, description.c_str(), &rawIn, &rawOut);
    InOutPtr inputs(rawIn), outputs(rawOut);
    if (err < 0) {
        *why = "parsing";
        return err;
    }
    for (AVFilterInOut *io = inputs.get(); io; io = io->next) {
        const auto it = sources.find(io->name ? io->name : "");
        if (it == sources.end()) {
            *why = std::string("no source for [") + (io->name ? io->name : "") + "]";
            return AVERROR(EINVAL);
        }
        if ((err = avfilter_link(it->second, 0, io->filter_ctx, unsigned(io->pad_idx))) < 0) {
            *why = "linking [" + it->first + "]";
            return err;
        }
    }
    if (!outputs || outputs->next) {
        *why = "the chain needs exactly one output";
        return AVERROR(EINVAL);
    }
    if ((err = avfilter_link(outputs->filter_ctx, unsigned(outputs->pad_idx), sink, 0)) < 0) {
        *why = "linking the output";
        return err;
    }
    if ((err = avfilter_graph_config(graph, nullptr)) < 0)
        *why = "configuring";
    return err;
}

} // namespace zv
