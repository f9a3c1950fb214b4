#pragma once

#include "job/InputSource.h"
#include "job/OutputFile.h"

namespace zv::job {

// The configuration's metadata entries, over what was copied from the source.
int applyMetadata(OutputFile &out, const JobConfig &cfg);
// The output's chapters: the configured ones, or else the source's clipped to
// [originUs, endUs) (endUs 0 = to the end) and shifted to start at the origin.
int writeChapters(OutputFile &out, const InputSource &in, const JobConfig &cfg, int64_t originUs,
                  int64_t endUs);

} // namespace zv::job
