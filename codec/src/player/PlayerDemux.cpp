// The demux thread: packets into the decoder queues, and seeks.
#include "player/Player.h"

#include "core/Log.h"

namespace zv {

namespace {
constexpr size_t kMaxQueuedPackets = 120;
constexpr size_t kMaxQueuedBytes = 48u << 20;
constexpr int kKeySearchTries = 24;
} // namespace

bool Player::queuesFull() const
{
    const size_t bytes = m_videoPackets.bytes() + m_audioPackets.bytes();
    if (bytes > kMaxQueuedBytes)
        return true;
    const bool videoFull = m_videoIndex < 0 || m_videoPackets.count() >= kMaxQueuedPackets;
    const bool audioFull = m_audioIndex < 0 || m_audioPackets.count() >= kMaxQueuedPackets;
    return videoFull && audioFull;
}

// One demuxer seek towards `us` (media time), backwards.
bool Player::seekRaw(InputMedia &media, int64_t us)
{
    AVFormatContext *fmt = media.format();
    int err;
    if (m_videoIndex >= 0) {
        AVStream *st = fmt->streams[m_videoIndex];
        // Rounded down: in coarse time bases (AVI's 1/25) half a frame early
        // must not round up onto the key frame a step back starts from.
        const int64_t ts = av_rescale_q_rnd(std::max<int64_t>(us, 0) + media.startTime(), AV_TIME_BASE_Q,
                                            st->time_base, AVRounding(AV_ROUND_DOWN | AV_ROUND_PASS_MINMAX));
        err = avformat_seek_file(fmt, m_videoIndex, INT64_MIN, ts, ts, 0);
        if (err < 0)
            err = av_seek_frame(fmt, m_videoIndex, ts, AVSEEK_FLAG_BACKWARD);
        if (err < 0 && m_audioIndex >= 0) {
            // A video stream without a single packet has nothing to search:
            // the sound must still be found again.
            AVStream *audio = fmt->streams[m_audioIndex];
            const int64_t ats = media.fromMediaUs(uint64_t(std::max<int64_t>(us, 0)), audio->time_base);
            err = avformat_seek_file(fmt, m_audioIndex, INT64_MIN, ats, ats, 0);
        }
        if (err < 0 && us <= 0)
            err = av_seek_frame(fmt, -1, 0, AVSEEK_FLAG_BYTE);
    } else {
        const int64_t ts = std::max<int64_t>(us, 0) + media.startTime();
        err = avformat_seek_file(fmt, -1, INT64_MIN, ts, ts, 0);
    }
    if (err < 0) {
        zvLog("player: seek to %lld us failed: %s", (long long)us, avErrorText(err).c_str());
        return false;
    }
    return true;
}

// The first video packet from the current read position: whether it is a
// key frame, and its time. False when the input ends first.
bool Player::peekVideoPacket(InputMedia &media, bool &key, int64_t &us)
{
    AVFormatContext *fmt = media.format();
    AVStream *st = fmt->streams[m_videoIndex];
    PacketPtr pkt = makePacket();
    for (int n = 0; n < 4096 && !m_quit; ++n) {
        if (av_read_frame(fmt, pkt.get()) < 0)
            return false;
        if (pkt->stream_index == m_videoIndex) {
            key = (pkt->flags & AV_PKT_FLAG_KEY) != 0;
            const int64_t ts = pkt->pts != AV_NOPTS_VALUE ? pkt->pts : pkt->dts;
            us = ts == AV_NOPTS_VALUE ? -1 : int64_t(media.toMediaUs(ts, st->time_base));
            return true;
        }
        av_packet_unref(pkt.get());
    }
    return false;
}

// From the current read position: the byte position and presentation time
// of the last key frame shown at or before `limitUs`, reading on until the
// decoding order passes that time. False when no such key frame comes first.
bool Player::scanForKeyFrame(InputMedia &media, int64_t limitUs, int64_t &pos, int64_t &at)
{
    AVFormatContext *fmt = media.format();
    AVStream *st = fmt->streams[m_videoIndex];
    PacketPtr pkt = makePacket();
    bool found = false;
    for (int n = 0; n < 20000 && !m_quit; ++n) {
        if (av_read_frame(fmt, pkt.get()) < 0)
            break;
        if (pkt->stream_index == m_videoIndex) {
            auto toUs = [&](int64_t ts) {
                return ts == AV_NOPTS_VALUE ? int64_t(-1) : int64_t(media.toMediaUs(ts, st->time_base));
            };
            const int64_t decodeUs = toUs(pkt->dts != AV_NOPTS_VALUE ? pkt->dts : pkt->pts);
            const int64_t showUs = toUs(pkt->pts != AV_NOPTS_VALUE ? pkt->pts : pkt->dts);
            if (decodeUs > limitUs) {
                av_packet_unref(pkt.get());
                break;
            }
            if ((pkt->flags & AV_PKT_FLAG_KEY) && pkt->pos >= 0 && showUs <= limitUs) {
                found = true;
                pos = pkt->pos;
                at = showUs;
            }
        }
        av_packet_unref(pkt.get());
    }
    return found;
}

// Seeks so that reading starts at the key frame at or before `us`. Demuxers
// with an index land there directly. Those without one (MPEG-TS, program
// streams) stop wherever the timestamp search ends, often between key
// frames, where the decoder would skip ahead to the next key frame: for
// them the key frame is looked for by reading, from further back each time,
// and then reached by its byte position.
bool Player::seekFile(InputMedia &media, int64_t us)
{
    // The start of MPEG-TS/PS and raw streams is byte 0; a search by time
    // there may land on a later key frame.
    AVFormatContext *input = media.format();
    int64_t firstUs = 0;
    if (m_videoIndex >= 0) {
        const AVStream *video = input->streams[m_videoIndex];
        if (video->start_time != AV_NOPTS_VALUE)
            firstUs = int64_t(media.toMediaUs(video->start_time, video->time_base));
    }
    if (us <= firstUs && (input->iformat->flags & (AVFMT_TS_DISCONT | AVFMT_NOTIMESTAMPS))
        && av_seek_frame(input, -1, 0, AVSEEK_FLAG_BYTE) >= 0)
        return true;
    if (!seekRaw(media, us))
        return false;
    if (m_videoIndex < 0)
        return true;
    // Rounding between time bases only; a step back aims half a frame early.
    const int64_t slack = std::min<int64_t>(1000, m_frameDurationUs / 4);
    bool key = false;
    int64_t at = -1;
    if (!peekVideoPacket(media, key, at) || (key && at <= us + slack))
        return seekRaw(media, us); // the same search lands on the same place again
    AVFormatContext *fmt = media.format();
    int64_t probe = us;
    for (int attempt = 0; attempt < 8 && !m_quit; ++attempt) {
        probe = std::max<int64_t>(probe - (int64_t(500000) << attempt), 0);
        const bool fromStart = probe == 0;
        if (fromStart ? av_seek_frame(fmt, -1, 0, AVSEEK_FLAG_BYTE) < 0 : !seekRaw(media, probe))
            break;
        int64_t pos = -1, keyAt = -1;
        if (scanForKeyFrame(media, us + slack, pos, keyAt) && av_seek_frame(fmt, -1, pos, AVSEEK_FLAG_BYTE) >= 0)
            return true;
        if (fromStart)
            break;
    }
    return seekRaw(media, us);
}

// The pts (media µs) of the next key frame after fromUs (direction > 0) or
// the previous one before it (direction < 0), by reading packets.
bool Player::findKeyFrame(int64_t fromUs, int direction, int64_t &foundUs)
{
    AVFormatContext *fmt = m_media->format();
    AVStream *st = fmt->streams[m_videoIndex];
    PacketPtr pkt = makePacket();
    auto packetUs = [&](const AVPacket *p) {
        const int64_t ts = p->pts != AV_NOPTS_VALUE ? p->pts : p->dts;
        return ts == AV_NOPTS_VALUE ? int64_t(-1) : int64_t(m_media->toMediaUs(ts, st->time_base));
    };
    // Half a frame of tolerance absorbs rounding between time bases.
    const int64_t slack = std::max<int64_t>(m_frameDurationUs / 2, 1);
    if (direction > 0) {
        if (!seekFile(*m_media, fromUs))
            return false;
        while (!m_quit) {
            if (av_read_frame(fmt, pkt.get()) < 0)
                return false;
            const bool key = pkt->stream_index == m_videoIndex && (pkt->flags & AV_PKT_FLAG_KEY);
            const int64_t t = key ? packetUs(pkt.get()) : -1;
            av_packet_unref(pkt.get());
            if (key && t > fromUs + slack) {
                foundUs = t;
                return true;
            }
        }
        return false;
    }
    int64_t probe = fromUs - slack;
    for (int attempt = 0; attempt < kKeySearchTries && probe >= 0 && !m_quit; ++attempt) {
        if (!seekFile(*m_media, probe))
            return false;
        int64_t t = -1;
        while (!m_quit && av_read_frame(fmt, pkt.get()) >= 0) {
            const bool key = pkt->stream_index == m_videoIndex && (pkt->flags & AV_PKT_FLAG_KEY);
            if (key)
                t = packetUs(pkt.get());
            av_packet_unref(pkt.get());
            if (key)
                break;
        }
        if (t >= 0 && t < fromUs - slack) {
            foundUs = t;
            return true;
        }
        // Landed on or after the start point: look further back, down to
        // the start of the media once.
        if (probe == 0)
            break;
        probe = std::max<int64_t>(probe - (int64_t(1000000) << std::min(attempt, 20)), 0);
    }
    return false;
}

bool Player::serveRequest(PlayerRequest &req)
{
    if (req.kind == PlayerRequest::Kind::KeyStep) {
        int64_t at = req.beforeUs;
        const int direction = req.count > 0 ? 1 : -1;
        int moved = 0;
        for (int i = 0; i < std::abs(req.count); ++i) {
            int64_t found = 0;
            if (!findKeyFrame(at, direction, found))
                break;
            at = found;
            ++moved;
        }
        req.kind = PlayerRequest::Kind::Accurate;
        req.targetUs = at;
        req.failed = moved == 0;
    }
    if (req.seekFile) {
        int64_t seekUs = req.targetUs;
        if (req.kind == PlayerRequest::Kind::StepBack)
            seekUs = req.beforeUs - std::max<int64_t>(m_frameDurationUs / 2, 1);
        seekFile(*m_media, seekUs);
    }
    {
        std::lock_guard<std::mutex> lock(m_reqMutex);
        m_served[req.serial] = req;
        while (m_served.size() > 16)
            m_served.erase(m_served.begin());
    }
    m_videoPackets.flush(req.serial);
    m_audioPackets.flush(req.serial);
    return true;
}

void Player::demuxLoop()
{
    AVFormatContext *fmt = m_media->format();
    PacketPtr pkt = makePacket();
    bool ended = false;
    while (!m_quit) {
        PlayerRequest req;
        bool have = false;
        {
            std::unique_lock<std::mutex> lock(m_reqMutex);
            if (!m_hasPending && (ended || queuesFull()))
                m_reqCv.wait_for(lock, std::chrono::milliseconds(ended ? 50 : 5));
            if (m_hasPending) {
                req = m_pending;
                m_hasPending = false;
                have = true;
            }
        }
        if (m_quit)
            break;
        if (have) {
            serveRequest(req);
            ended = req.kind == PlayerRequest::Kind::Park;
            continue;
        }
        if (ended || queuesFull())
            continue;
        const int err = av_read_frame(fmt, pkt.get());
        if (err < 0) {
            if (err != AVERROR_EOF && !m_quit)
                zvLog("player: reading stopped: %s", avErrorText(err).c_str());
            if (m_videoIndex >= 0)
                m_videoPackets.push(nullptr);
            if (m_audioIndex >= 0)
                m_audioPackets.push(nullptr);
            ended = true;
            continue;
        }
        PacketQueue *queue = pkt->stream_index == m_videoIndex ? &m_videoPackets
            : pkt->stream_index == m_audioIndex                 ? &m_audioPackets
                                                                : nullptr;
        if (queue) {
            PacketPtr owned = makePacket();
            if (owned) {
                av_packet_move_ref(owned.get(), pkt.get());
                queue->push(std::move(owned));
            }
        }
        av_packet_unref(pkt.get());
    }
}

} // namespace zv
