#include "info/PictureDecoder.h"

#include "core/Global.h"
#include "core/Log.h"

#include <utility>

namespace zv {
namespace {

// Without an index, reading on is cheaper than a seek for this far ahead:
// only the packets from the last key frame before the target are decoded.
constexpr int64_t kContinueWithoutIndexUs = 16 * AV_TIME_BASE;
// Steps back (1, 2, 4, 8 s) when a seek landed after the wanted time.
constexpr int kSeekRetries = 4;
constexpr int64_t kStartOfFile = INT64_MIN;

} // namespace

PictureDecoder::PictureDecoder(InputMedia &media, int stream, bool atStart)
    : m_media(media), m_stream(media.format()->streams[stream]), m_fresh(atStart)
{
}

bool PictureDecoder::openDecoder(std::string &error)
{
    const AVCodecParameters *par = m_stream->codecpar;
    const AVCodec *codec = avcodec_find_decoder(par->codec_id);
    if (!codec) {
        error = std::string("no decoder for ") + avcodec_get_name(par->codec_id);
        return false;
    }
    CodecContextPtr ctx(avcodec_alloc_context3(codec));
    m_packet = makePacket();
    m_received = makeFrame();
    if (!ctx || !m_packet || !m_received) {
        error = "out of memory";
        return false;
    }
    int err = avcodec_parameters_to_context(ctx.get(), par);
    if (err >= 0) {
        ctx->pkt_timebase = m_stream->time_base;
        ctx->thread_count = decoderThreadCount();
        ctx->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
        // A seek by byte position may start inside a GOP: pictures decoded
        // from missing references are not shown, the seek steps back instead.
        ctx->flags &= ~AV_CODEC_FLAG_OUTPUT_CORRUPT;
        err = avcodec_open2(ctx.get(), codec, nullptr);
    }
    if (err < 0) {
        error = std::string("cannot open the ") + codec->name + " decoder: " + avErrorText(err);
        return false;
    }
    // Only this stream's packets are wanted from now on.
    AVFormatContext *fmt = m_media.format();
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        if (fmt->streams[i] != m_stream)
            fmt->streams[i]->discard = AVDISCARD_ALL;
    }
    m_decoder = std::move(ctx);
    m_decoding.setDecoder(m_decoder.get());
    return true;
}

const AVFrame *PictureDecoder::frameAt(uint64_t t, std::string &error)
{
    if (!m_decoder && !openDecoder(error))
        return nullptr;
    const int64_t target = m_media.fromMediaUs(t, m_stream->time_base);

    if (m_current && target >= m_currentPts && (m_decoding.ended() || (m_next && target < m_nextPts)))
        return m_current.get();
    if (canContinueTo(target)) {
        if (!decodeTo(target, error))
            return nullptr;
    } else if (!seekAndDecode(target, error)) {
        return nullptr;
    }
    if (!m_current) {
        error = "no picture could be decoded";
        return nullptr;
    }
    return m_current.get();
}

bool PictureDecoder::seekAndDecode(int64_t target, std::string &error)
{
    // Demuxers without an index (MPEG-TS, PS) land by byte position: possibly
    // after target, or inside a GOP whose key frame they missed. Then step
    // further back (1, 2, 4, 8 s), and finally to the start of the file.
    const int64_t first = m_stream->start_time == AV_NOPTS_VALUE ? 0 : m_stream->start_time;
    if (target > first && seekKeyByBytes(target)) {
        if (!decodeTo(target, error))
            return false;
        if (m_current && m_firstPts <= target)
            return true;
    }
    int64_t seekTo = target;
    for (int attempt = 0;; ++attempt) {
        const bool toStart = seekTo <= first || attempt >= kSeekRetries;
        if (!seekBefore(toStart ? kStartOfFile : seekTo)) {
            if (attempt > 0) // keep the late frame rather than nothing
                return true;
            error = "cannot seek to " + std::to_string(m_media.toMediaUs(target, m_stream->time_base)) + " us";
            return false;
        }
        if (!decodeTo(target, error))
            return false;
        const bool late = !m_current || m_firstPts > target;
        if (!late || toStart)
            return true;
        seekTo -= av_rescale_q(int64_t(AV_TIME_BASE) << attempt, AV_TIME_BASE_Q, m_stream->time_base);
    }
}

bool PictureDecoder::canContinueTo(int64_t target) const
{
    if (m_fresh) {
        const int idx = av_index_search_timestamp(m_stream, target, AVSEEK_FLAG_BACKWARD);
        if (idx >= 0 || !findsKeysByBytes())
            return idx <= 0; // the key frame before target is the first one (or unknown)
        return av_rescale_q(target - m_stream->start_time, m_stream->time_base, AV_TIME_BASE_Q)
            < kContinueWithoutIndexUs;
    }
    if (m_decoding.ended() || !m_current || !m_next || target < m_currentPts)
        return false;
    const int idx = av_index_search_timestamp(m_stream, target, AVSEEK_FLAG_BACKWARD);
    if (idx >= 0) {
        const AVIndexEntry *key = avformat_index_get_entry(m_stream, idx);
        return key && key->timestamp <= m_nextPts;
    }
    const int64_t ahead = av_rescale_q(target - m_nextPts, m_stream->time_base, AV_TIME_BASE_Q);
    return ahead < kContinueWithoutIndexUs;
}

bool PictureDecoder::seekBefore(int64_t target)
{
    AVFormatContext *fmt = m_media.format();
    const int index = m_stream->index;
    int err = -1;
    m_ahead.clear();
    if (target == kStartOfFile) {
        // Byte 0 is a clean restart only where the demuxer resynchronises on
        // any byte (MPEG-TS/PS, Ogg, raw streams). Matroska, WebM or ASF would
        // parse their header as packets there and lose the first pictures.
        const bool byteRestart = (fmt->iformat->flags & (AVFMT_TS_DISCONT | AVFMT_NOTIMESTAMPS)) != 0;
        const int64_t first = m_stream->start_time == AV_NOPTS_VALUE ? 0 : m_stream->start_time;
        err = byteRestart ? av_seek_frame(fmt, -1, 0, AVSEEK_FLAG_BYTE) : -1;
        if (err < 0)
            err = avformat_seek_file(fmt, index, INT64_MIN, first, first, 0);
        if (err < 0 && !byteRestart)
            err = av_seek_frame(fmt, -1, 0, AVSEEK_FLAG_BYTE);
    } else {
        err = av_seek_frame(fmt, index, target, AVSEEK_FLAG_BACKWARD);
        if (err < 0) // before the first key frame: land on the first one after
            err = avformat_seek_file(fmt, index, INT64_MIN, target, INT64_MAX, 0);
        if (err < 0)
            err = av_seek_frame(fmt, -1, 0, AVSEEK_FLAG_BYTE);
    }
    if (err < 0 && !m_fresh) {
        zvLog("picture seek to %lld failed: %s", static_cast<long long>(target), avErrorText(err).c_str());
        return false;
    }
    forgetDecoded();
    return true;
}

void PictureDecoder::forgetDecoded()
{
    m_ahead.clear();
    restartDecoding();
}

void PictureDecoder::restartDecoding()
{
    m_decoding.reset();
    m_current.reset();
    m_next.reset();
    m_currentPts = m_nextPts = m_lastPts = m_firstPts = AV_NOPTS_VALUE;
    m_fresh = false;
}

// Between the nearest times known on either side (the stream's start and
// end, key frames read so far), in proportion.
int64_t PictureDecoder::estimatePosition(int64_t target) const
{
    AVFormatContext *fmt = m_media.format();
    const int64_t size = avio_size(fmt->pb);
    const int64_t start = m_stream->start_time;
    int64_t end = AV_NOPTS_VALUE;
    if (m_stream->duration > 0)
        end = start + m_stream->duration;
    else if (fmt->duration > 0)
        end = start + av_rescale_q(fmt->duration, AV_TIME_BASE_Q, m_stream->time_base);
    if (size <= 0 || end == AV_NOPTS_VALUE || end <= start)
        return -1;
    int64_t t0 = start, p0 = 0, t1 = end, p1 = size;
    auto after = m_keyPositions.upper_bound(target);
    if (after != m_keyPositions.end()) {
        t1 = after->first;
        p1 = after->second;
    }
    if (after != m_keyPositions.begin()) {
        auto before = std::prev(after);
        t0 = before->first;
        p0 = before->second;
    }
    if (t1 <= t0 || p1 <= p0)
        return p0;
    return p0 + av_rescale(target - t0, p1 - p0, t1 - t0);
}

// Reads from the current position until the decoding order passes target:
// the position of the last key frame shown at or before it, if any. Every
// key frame read is remembered for later estimates.
bool PictureDecoder::scanForKey(int64_t target, int64_t &keyPos)
{
    AVFormatContext *fmt = m_media.format();
    bool found = false;
    for (int n = 0; n < 100000; ++n) {
        if (av_read_frame(fmt, m_packet.get()) < 0)
            break;
        if (m_packet->stream_index != m_stream->index) {
            av_packet_unref(m_packet.get());
            continue;
        }
        const int64_t pts = m_packet->pts != AV_NOPTS_VALUE ? m_packet->pts : m_packet->dts;
        const int64_t dts = m_packet->dts != AV_NOPTS_VALUE ? m_packet->dts : pts;
        const bool key = (m_packet->flags & AV_PKT_FLAG_KEY) && m_packet->pos >= 0 && pts != AV_NOPTS_VALUE;
        if (key)
            m_keyPositions[pts] = m_packet->pos;
        if (key && pts <= target) {
            found = true;
            keyPos = m_packet->pos;
        }
        av_packet_unref(m_packet.get());
        if (dts != AV_NOPTS_VALUE && dts > target)
            break;
    }
    return found;
}

bool PictureDecoder::findsKeysByBytes() const
{
    const AVFormatContext *fmt = m_media.format();
    return (fmt->iformat->flags & AVFMT_TS_DISCONT) && fmt->pb && (fmt->pb->seekable & AVIO_SEEKABLE_NORMAL)
        && m_stream->start_time != AV_NOPTS_VALUE;
}

bool PictureDecoder::seekKeyByBytes(int64_t target)
{
    AVFormatContext *fmt = m_media.format();
    if (!findsKeysByBytes())
        return false;
    const int64_t estimate = estimatePosition(target);
    const int64_t size = avio_size(fmt->pb);
    if (estimate < 0 || size <= 0)
        return false;
    m_ahead.clear();
    // Start a second's worth of bytes early, then further back each time no
    // key frame came before target.
    const int64_t durationUs = fmt->duration > 0 ? fmt->duration
        : m_stream->duration > 0 ? av_rescale_q(m_stream->duration, m_stream->time_base, AV_TIME_BASE_Q)
                                 : 0;
    if (durationUs <= 0)
        return false;
    const int64_t perSecond = std::max<int64_t>(av_rescale(size, AV_TIME_BASE, durationUs), 188);
    for (int attempt = 0; attempt < 5; ++attempt) {
        const int64_t from = std::max<int64_t>(estimate - (perSecond << attempt), 0);
        if (av_seek_frame(fmt, -1, from, AVSEEK_FLAG_BYTE) < 0)
            return false;
        int64_t keyPos = -1;
        if (scanForKey(target, keyPos)) {
            if (av_seek_frame(fmt, -1, keyPos, AVSEEK_FLAG_BYTE) < 0)
                return false;
            forgetDecoded();
            return true;
        }
        if (from == 0)
            return false;
    }
    return false;
}

bool PictureDecoder::take(int64_t target)
{
    int64_t pts = m_received->best_effort_timestamp;
    if (pts == AV_NOPTS_VALUE)
        pts = m_lastPts == AV_NOPTS_VALUE ? 0 : m_lastPts + std::max<int64_t>(1, m_received->pkt_duration);
    m_lastPts = pts;
    if (m_firstPts == AV_NOPTS_VALUE)
        m_firstPts = pts;
    if (pts <= target || !m_current) {
        std::swap(m_current, m_received);
        av_frame_unref(m_received.get());
        if (!m_received)
            m_received = makeFrame();
        m_currentPts = pts;
        return pts > target; // t before the first frame: the first frame it is
    }
    std::swap(m_next, m_received);
    if (m_received)
        av_frame_unref(m_received.get());
    else
        m_received = makeFrame();
    m_nextPts = pts;
    return true;
}

bool PictureDecoder::interrupted(std::string &error) const
{
    if (!interruptCallback(m_media.format()->interrupt_callback.opaque))
        return false;
    error = "interrupted";
    return true;
}

bool PictureDecoder::decodeTo(int64_t target, std::string &error)
{
    m_fresh = false;
    if (m_next && m_nextPts <= target) {
        std::swap(m_current, m_next);
        m_currentPts = m_nextPts;
        m_next.reset();
        m_nextPts = AV_NOPTS_VALUE;
    }
    AVFormatContext *fmt = m_media.format();
    if (m_ahead.fill(fmt, m_stream, target))
        restartDecoding(); // a key frame at or before target lies ahead: decode from there
    const int64_t shown = m_ahead.shownPts(target);
    bool endSent = false;
    for (;;) {
        const int r = m_decoding.receive(m_received.get());
        if (r == 0) {
            if (take(target))
                return true;
            continue;
        }
        if (r == AVERROR_EOF)
            return true;
        if (r != AVERROR(EAGAIN)) {
            error = "decoding failed: " + avErrorText(r);
            return false;
        }
        if (endSent) // a decoder that neither gives frames nor ends
            return true;
        if (interrupted(error)) // before the packets read ahead, which would all be decoded first
            return false;
        const int read = m_ahead.take(m_packet.get()) ? 0 : av_read_frame(fmt, m_packet.get());
        if (read < 0) {
            if (interrupted(error))
                return false;
            m_decoding.send(nullptr); // end of input (or a damaged tail)
            endSent = true;
            continue;
        }
        if (m_packet->stream_index == m_stream->index) {
            // Frames shown before target's own need decoding only when referred to.
            const bool early = shown != AV_NOPTS_VALUE && m_packet->pts != AV_NOPTS_VALUE && m_packet->pts < shown;
            m_decoder->skip_frame = early ? AVDISCARD_NONREF : AVDISCARD_DEFAULT;
            if (const int s = m_decoding.send(m_packet.get()); s < 0)
                zvLog("picture decoder skipped a packet: %s", avErrorText(s).c_str());
        }
        av_packet_unref(m_packet.get());
    }
}

} // namespace zv
