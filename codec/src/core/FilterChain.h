#pragma once

// One place for the libavfilter wiring every pipeline needs: a textual chain
// linked between an (optional) buffer source and a buffer sink, then configured.

#include <string>

struct AVFilterContext;
struct AVFilterGraph;

namespace zv {

// Parses `description` between `src` (null for chains that make their own input,
// such as anullsrc) and `sink`, then configures `graph`. Returns 0 or an AVERROR.
int linkFilterChain(AVFilterGraph *graph, AVFilterContext *src, AVFilterContext *sink,
                    const std::string &description);

} // namespace zv
