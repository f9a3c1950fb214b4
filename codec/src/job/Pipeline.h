#pragma once

#include "job/InputSource.h"
#include "job/OutputFile.h"
#include "job/Worker.h"

namespace zv::job {

// One way of turning source ranges into output streams: packet copy or
// decode-and-encode. A job runs one range through it; a merge runs each task's
// range through the same pipeline, so the output timeline continues.
class Pipeline {
public:
    virtual ~Pipeline() = default;

    // Binds a source to the output. The first source (with `cfg`) lays out the
    // output streams; later sources must fit that layout.
    virtual int attach(InputSource &in, OutputFile &out, const JobConfig &cfg, std::string *error) = 0;
    // Positions the source at the range start. Fails when the range starts after the end.
    virtual int findStart(InputSource &in, int64_t startUs, int64_t durationUs, std::string *error) = 0;
    // Media time that becomes the output's start (the key frame for a copy) and the range end (0 = none).
    virtual int64_t originUs() const = 0;
    virtual int64_t endUs() const = 0;
    // Converts the range, its output timeline starting at `offsetUs`.
    virtual int run(InputSource &in, OutputFile &out, int64_t offsetUs, Worker &worker, std::string *error) = 0;
    // Drains what the encoders still hold, once, before the trailer.
    virtual int flush(OutputFile &out, std::string *error) { (void)out; (void)error; return 0; }
    // The latest end time written so far: where the next task starts.
    virtual int64_t outputEndUs() const = 0;
};

} // namespace zv::job
