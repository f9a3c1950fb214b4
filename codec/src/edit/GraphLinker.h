#pragma once
// Links a labelled filter description to named buffer sources and one sink:
// every open input label must name a source, the one open output is the sink's.

#include <map>
#include <string>

struct AVFilterContext;
struct AVFilterGraph;

namespace zv {

// Returns 0 or an AVERROR; `why` names what failed.
int linkLabelledGraph(AVFilterGraph *graph, const std::string &description,
                      const std::map<std::string, AVFilterContext *> &sources, AVFilterContext *sink,
                      std::string *why);

} // namespace zv
