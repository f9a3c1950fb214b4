#pragma once

// One place for the libavfilter wiring every pipeline needs: a textual chain
// linked between an (optional) buffer source and a buffer sink, then configured.

#include <initializer_list>
#include <string>

struct AVFilterContext;
struct AVFilterGraph;

namespace zv {

// Parses `description` between `src` (null for chains that make their own input,
// such as anullsrc) and `sink`, then configures `graph`. Returns 0 or an AVERROR.
int linkFilterChain(AVFilterGraph *graph, AVFilterContext *src, AVFilterContext *sink,
                    const std::string &description);

// A source of a graph with several: the description names it by `label` ("[bg]").
struct FilterSource {
    const char *label;
    AVFilterContext *ctx;
};
// The same for graphs fed by several sources; the sink is "[out]".
int linkFilterGraph(AVFilterGraph *graph, std::initializer_list<FilterSource> sources, AVFilterContext *sink,
                    const std::string &description);

} // namespace zv
