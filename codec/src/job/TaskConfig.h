#pragma once

#include "job/JobConfig.h"

namespace zv::job {

// One task of an encoding merge: the task's own edits and track choice
// (picture, overlays, subtitles, sound, rate and speed), in the output format
// the merge was opened with (codecs, size, rate, bit rates, sound layout,
// metadata), which every task shares.
JobConfig taskConfig(const JobConfig &task, const JobConfig &output);

} // namespace zv::job
