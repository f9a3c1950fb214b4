// The start search of a stream copy: where in the source the copy begins.
#include "job/CopyPipeline.h"

#include "job/PacketTime.h"

#include <algorithm>

namespace zv::job {

namespace {

constexpr int64_t kSecondUs = 1000000;
// Packets of the other streams held while the search reads on.
constexpr size_t kMaxHeldPackets = 4096;

} // namespace

int CopyPipeline::findStart(InputSource &in, int64_t startUs, int64_t durationUs, std::string *error)
{
    m_pending.clear();
    const int64_t mediaUs = in.durationUs();
    if (mediaUs > 0 && startUs >= mediaUs) {
        *error = "the range starts after the end of " + std::string(in.ctx()->url);
        return AVERROR(EINVAL);
    }
    m_rangeEndUs = durationUs > 0 ? startUs + durationUs : 0;

    // The copy starts at a key frame of the video (any packet of an audio-only
    // source is one); the packet search needs no decoding.
    int anchor = in.videoStream;
    for (size_t i = 0; anchor < 0 && i < m_map.size(); ++i) {
        if (m_map[i] >= 0)
            anchor = int(i);
    }
    const bool videoAnchor = anchor == in.videoStream;
    // Demuxers without an index (MPEG-TS, raw audio) seek by a timestamp search
    // that may land past the key frame before the start, or past the start
    // itself: then look again from further back.
    for (int64_t backUs = 0;; backUs = std::max<int64_t>(kSecondUs, backUs * 2)) {
        const int64_t seekUs = std::max<int64_t>(0, startUs - backUs);
        const bool fromTheTop = seekUs == 0;
        // A fresh source reads from its first packet: a start of 0 needs no seek,
        // which some demuxers (Matroska without an index) cannot do at all.
        if (startUs > 0) {
            if (int err = seekTo(in, anchor, seekUs, error); err < 0)
                return err;
        }
        bool tooLate = false;
        int err = scanForKey(in, anchor, videoAnchor, startUs, fromTheTop, &tooLate, error);
        if (err < 0 || !tooLate)
            return err;
        m_pending.clear();
    }
}

int CopyPipeline::seekTo(InputSource &in, int anchor, int64_t seekUs, std::string *error)
{
    AVFormatContext *ic = in.ctx();
    const AVRational atb = ic->streams[anchor]->time_base;
    const int64_t target = av_rescale_q(seekUs + in.originUs(), AV_TIME_BASE_Q, atb);
    int err = avformat_seek_file(ic, anchor, INT64_MIN, target, target, 0);
    if (err < 0)
        err = avformat_seek_file(ic, anchor, INT64_MIN, target, target, AVSEEK_FLAG_ANY);
    if (err >= 0)
        return 0;
    // A failed seek may leave the reader anywhere, at worst at the end: read
    // from the first packet instead, which is slower but finds every start.
    logLine(errorText(err, "seek failed, copying from the start of " + std::string(ic->url)));
    return in.reopen(error);
}

void CopyPipeline::chooseStart(InputSource &in, const AVPacket &key)
{
    const AVRational tb = in.ctx()->streams[key.stream_index]->time_base;
    m_keyUs = packetUs(key, tb) - in.originUs();
    m_keyDtsRaw = packetDtsUs(key, tb);
    m_keyDtsUs = m_keyDtsRaw - in.originUs();
    // What was held before K: its own stream's earlier packets are not copied,
    // nor anything shown before K.
    auto before = [&](const PacketPtr &p) {
        if (p->stream_index == key.stream_index)
            return true;
        const int64_t t = packetUs(*p, in.ctx()->streams[p->stream_index]->time_base);
        return t - in.originUs() < m_keyUs;
    };
    m_pending.erase(std::remove_if(m_pending.begin(), m_pending.end(), before), m_pending.end());
}

int CopyPipeline::scanForKey(InputSource &in, int anchor, bool videoAnchor, int64_t startUs, bool fromTheTop,
                             bool *tooLate, std::string *error)
{
    AVFormatContext *ic = in.ctx();
    bool found = false;        // a key frame at or before the start is held
    bool firstAnchor = true;
    int64_t anchorEndUs = INT64_MIN; // of the latest anchor packet read
    for (;;) {
        PacketPtr pkt = makePacket();
        if (!pkt)
            return AVERROR(ENOMEM);
        const int err = av_read_frame(ic, pkt.get());
        // Without a known duration, only the end of the input shows whether
        // the range starts after it.
        if (err == AVERROR_EOF && found && anchorEndUs > startUs)
            return 0;
        if (err < 0) {
            m_pending.clear();
            *error = err == AVERROR_EOF ? "the range starts after the end of " + std::string(ic->url)
                                        : errorText(err, "cannot read " + std::string(ic->url));
            return err == AVERROR_EOF ? AVERROR(EINVAL) : err;
        }
        const int si = pkt->stream_index;
        if (si >= int(m_map.size()) || m_map[si] < 0)
            continue;
        const AVRational tb = ic->streams[si]->time_base;
        const int64_t rawUs = packetUs(*pkt, tb);
        if (rawUs == AV_NOPTS_VALUE)
            continue;
        const int64_t us = rawUs - in.originUs();
        if (si != anchor) {
            // Other streams may interleave ahead of the key packet; chooseStart
            // and run() drop the ones that start before it.
            if (m_pending.size() < kMaxHeldPackets)
                m_pending.push_back(std::move(pkt));
            continue;
        }
        const bool key = (pkt->flags & AV_PKT_FLAG_KEY) != 0;
        anchorEndUs = std::max(anchorEndUs, us + std::max<int64_t>(1, toUs(pkt->duration, tb)));
        if (!videoAnchor) {
            // The seek landed past the start.
            if (!fromTheTop && firstAnchor && us > startUs) {
                *tooLate = true;
                return 0;
            }
            firstAnchor = false;
            if (us >= startUs) {
                chooseStart(in, *pkt);
                m_pending.push_back(std::move(pkt));
                return 0;
            }
            continue;
        }
        if (key && us <= startUs) {
            // A later key frame at or before the start: the copy begins there.
            chooseStart(in, *pkt);
            m_pending.push_back(std::move(pkt));
            found = true;
            continue;
        }
        // From a packet decoded after the start on, no later key frame can be
        // shown at or before it.
        const int64_t dtsUs = packetDtsUs(*pkt, tb) - in.originUs();
        const bool pastStart = (key && us > startUs) || dtsUs > startUs;
        if (found) {
            m_pending.push_back(std::move(pkt));
            if (pastStart)
                return 0;
            continue;
        }
        if (pastStart && !fromTheTop) {
            // The seek landed past the key frame before the start.
            *tooLate = true;
            return 0;
        }
        if (key) {
            // A source whose first key frame lies after the start begins there.
            chooseStart(in, *pkt);
            m_pending.push_back(std::move(pkt));
            return 0;
        }
    }
}

} // namespace zv::job
