#pragma once

#include "job/JobSupport.h"

#include <cstdint>
#include <string>

namespace zv::job {

class InputSource;

// How far the packets of a run reached into the source. The end of the input
// is the range's end only when the packets got there: a file cut short (a
// partial download, a source truncated while it is read) fails the run.
class SourceReach {
public:
    void reset() { m_endUs = INT64_MIN; }
    // Records a packet of a chosen stream.
    void note(const InputSource &in, const AVPacket &pkt);
    // At the end of the input: 0 when the packets reached `rangeEndUs` (media
    // time; 0 = the source's length), else AVERROR_INVALIDDATA with where the source
    // ends in *error.
    int checkEnd(const InputSource &in, int64_t rangeEndUs, std::string *error) const;

private:
    int64_t m_endUs = INT64_MIN;   // media µs of the latest packet end
};

// "m:ss.d", or "h:mm:ss.d" from an hour on.
std::string timeText(int64_t us);

} // namespace zv::job
