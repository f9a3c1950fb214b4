#pragma once
// Packets of one stream read ahead of the decoder, up to the first one decoded
// after a wanted time. Knowing them before decoding tells two things: the
// last key frame at or before that time (nothing before it needs decoding),
// and which frame will be shown then (frames shown earlier that nothing
// refers to need not be decoded).

#include "core/FfPtr.h"

#include <cstddef>
#include <deque>

namespace zv {

class PacketLookahead {
public:
    // Reads until a packet decodes after target, the input ends or fails, or
    // the kept packets reach the memory bound. Packets before the last key
    // frame shown at or before target are dropped; true when any were.
    bool fill(AVFormatContext *fmt, const AVStream *stream, int64_t target);

    // The oldest kept packet, moved into `packet`; false when none is kept.
    bool take(AVPacket *packet);

    // The presentation time of the frame shown at target among the kept
    // packets (the latest at or before it); AV_NOPTS_VALUE when none is.
    int64_t shownPts(int64_t target) const;

    void clear();

private:
    std::deque<PacketPtr> m_packets;
    size_t m_bytes = 0;
};

} // namespace zv
