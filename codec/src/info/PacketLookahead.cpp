#include "info/PacketLookahead.h"

#include <algorithm>

namespace zv {
namespace {

// More than one GOP of a high-rate stream: past it, decoding goes on from
// what is kept rather than holding more.
constexpr size_t kMaxBytes = size_t(64) << 20;

int64_t decodeTime(const AVPacket *packet)
{
    return packet->dts != AV_NOPTS_VALUE ? packet->dts : packet->pts;
}

bool keyAtOrBefore(const AVPacket *packet, int64_t target)
{
    return (packet->flags & AV_PKT_FLAG_KEY) && packet->pts != AV_NOPTS_VALUE && packet->pts <= target;
}

} // namespace

bool PacketLookahead::fill(AVFormatContext *fmt, const AVStream *stream, int64_t target)
{
    const auto beyond = [target](const PacketPtr &p) {
        // Without any time the order cannot be judged: stop there.
        return decodeTime(p.get()) == AV_NOPTS_VALUE || decodeTime(p.get()) > target;
    };
    size_t key = 0;
    bool keyFound = false;
    for (size_t i = 0; i < m_packets.size(); ++i) {
        if (keyAtOrBefore(m_packets[i].get(), target)) {
            key = i;
            keyFound = true;
        }
    }
    bool enough = std::any_of(m_packets.begin(), m_packets.end(), beyond);
    while (!enough && m_bytes < kMaxBytes) {
        PacketPtr packet = makePacket();
        if (!packet || av_read_frame(fmt, packet.get()) < 0)
            break; // the decoding loop reads again and reports the end or the error
        if (packet->stream_index != stream->index)
            continue;
        m_bytes += size_t(std::max(packet->size, 0));
        m_packets.push_back(std::move(packet));
        const AVPacket *last = m_packets.back().get();
        if (keyAtOrBefore(last, target)) {
            key = m_packets.size() - 1;
            keyFound = true;
        }
        enough = beyond(m_packets.back());
    }
    if (!keyFound || key == 0)
        return false;
    for (size_t i = 0; i < key; ++i)
        m_bytes -= size_t(std::max(m_packets[i]->size, 0));
    m_packets.erase(m_packets.begin(), m_packets.begin() + std::ptrdiff_t(key));
    return true;
}

bool PacketLookahead::take(AVPacket *packet)
{
    if (m_packets.empty())
        return false;
    PacketPtr &front = m_packets.front();
    m_bytes -= size_t(std::max(front->size, 0));
    av_packet_move_ref(packet, front.get());
    m_packets.pop_front();
    return true;
}

int64_t PacketLookahead::shownPts(int64_t target) const
{
    int64_t shown = AV_NOPTS_VALUE;
    for (const PacketPtr &p : m_packets) {
        if (p->pts != AV_NOPTS_VALUE && p->pts <= target && (shown == AV_NOPTS_VALUE || p->pts > shown))
            shown = p->pts;
    }
    return shown;
}

void PacketLookahead::clear()
{
    m_packets.clear();
    m_bytes = 0;
}

} // namespace zv
