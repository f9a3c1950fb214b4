#pragma once
// Packet times in µs for the stream copy, which decides by time without decoding.

#include "core/FfPtr.h"

namespace zv::job {

inline int64_t toUs(int64_t ts, AVRational tb)
{
    return av_rescale_q(ts, tb, AV_TIME_BASE_Q);
}

// Raw µs of when a packet is shown: its pts, or its dts where the container
// stores none (AVI, program streams). AV_NOPTS_VALUE when it has neither.
inline int64_t packetUs(const AVPacket &p, AVRational tb)
{
    const int64_t ts = p.pts != AV_NOPTS_VALUE ? p.pts : p.dts;
    return ts == AV_NOPTS_VALUE ? AV_NOPTS_VALUE : toUs(ts, tb);
}

// Raw µs of when a packet is decoded: its dts, or its pts.
inline int64_t packetDtsUs(const AVPacket &p, AVRational tb)
{
    const int64_t ts = p.dts != AV_NOPTS_VALUE ? p.dts : p.pts;
    return ts == AV_NOPTS_VALUE ? AV_NOPTS_VALUE : toUs(ts, tb);
}

} // namespace zv::job
