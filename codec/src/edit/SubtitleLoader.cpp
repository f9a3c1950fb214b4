#include "edit/SubtitleLoader.h"

#include "core/Log.h"

#include <algorithm>
#include <chrono>

namespace zv {

namespace {

bool isBitmapCodec(AVCodecID id)
{
    const AVCodecDescriptor *d = avcodec_descriptor_get(id);
    return d && (d->props & AV_CODEC_PROP_BITMAP_SUB);
}

SubtitlePicture pictureOf(const AVSubtitleRect &r)
{
    SubtitlePicture p;
    p.x = r.x;
    p.y = r.y;
    p.width = r.w;
    p.height = r.h;
    p.argb.resize(size_t(r.w) * size_t(r.h));
    const auto *palette = reinterpret_cast<const uint32_t *>(r.data[1]);
    for (int y = 0; y < r.h; ++y) {
        const uint8_t *row = r.data[0] + size_t(y) * size_t(r.linesize[0]);
        for (int x = 0; x < r.w; ++x)
            p.argb[size_t(y) * size_t(r.w) + size_t(x)] = palette[row[x]];
    }
    return p;
}

} // namespace

SubtitleLoader::~SubtitleLoader() { stop(); }

int SubtitleLoader::open(const MediaLocation &where, uint32_t program, uint32_t index, std::string *error)
{
    m_scope.watchGlobal = false;
    std::string why;
    m_media = InputMedia::open(where, &m_scope, why);
    if (!m_media) {
        *error = "cannot read subtitles from " + where.describe() + ": " + why;
        return AVERROR(EIO);
    }
    AVFormatContext *ic = m_media->format();
    const auto &programs = m_media->programs();
    const MediaProgram &prog = programs[program < programs.size() ? program : 0];
    uint32_t seen = 0;
    for (int i : prog.streams) {
        if (ic->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE && seen++ == index) {
            m_stream = i;
            break;
        }
    }
    if (m_stream < 0) {
        *error = where.describe() + " has no subtitle stream " + std::to_string(index);
        return AVERROR_STREAM_NOT_FOUND;
    }
    for (unsigned i = 0; i < ic->nb_streams; ++i)
        ic->streams[i]->discard = int(i) == m_stream ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    const AVStream *st = ic->streams[m_stream];
    const AVCodec *codec = avcodec_find_decoder(st->codecpar->codec_id);
    if (!codec) {
        *error = std::string("no decoder for the subtitles (") + avcodec_get_name(st->codecpar->codec_id) + ") of "
            + where.describe();
        return AVERROR_DECODER_NOT_FOUND;
    }
    m_dec.reset(avcodec_alloc_context3(codec));
    if (!m_dec)
        return AVERROR(ENOMEM);
    int err = avcodec_parameters_to_context(m_dec.get(), st->codecpar);
    if (err >= 0) {
        m_dec->pkt_timebase = st->time_base;
        err = avcodec_open2(m_dec.get(), codec, nullptr);
    }
    if (err < 0) {
        *error = "the " + std::string(codec->name) + " decoder refused the subtitles of " + where.describe() + ": "
            + avErrorText(err);
        return err;
    }
    m_bitmap = isBitmapCodec(st->codecpar->codec_id);
    if (!m_bitmap && m_dec->subtitle_header)
        m_header.assign(reinterpret_cast<const char *>(m_dec->subtitle_header), size_t(m_dec->subtitle_header_size));
    m_canvasW = m_dec->width;
    m_canvasH = m_dec->height;
    return 0;
}

void SubtitleLoader::start()
{
    if (m_media && !m_thread.joinable())
        m_thread = std::thread(&SubtitleLoader::readLoop, this);
}

void SubtitleLoader::stop()
{
    m_scope.abort = true;
    if (m_thread.joinable())
        m_thread.join();
}

void SubtitleLoader::decoded(const AVSubtitle &sub, int64_t packetUs)
{
    SubtitleEvent base;
    base.startUs = packetUs + int64_t(sub.start_display_time) * 1000;
    if (sub.end_display_time != UINT32_MAX && sub.end_display_time > sub.start_display_time)
        base.endUs = packetUs + int64_t(sub.end_display_time) * 1000;
    base.bitmap = m_bitmap;
    base.canvasWidth = m_dec->width;
    base.canvasHeight = m_dec->height;
    std::vector<SubtitleEvent> events;
    if (m_bitmap) {
        for (unsigned i = 0; i < sub.num_rects; ++i) {
            if (sub.rects[i]->type == SUBTITLE_BITMAP && sub.rects[i]->w > 0 && sub.rects[i]->h > 0)
                base.pictures.push_back(pictureOf(*sub.rects[i]));
        }
        events.push_back(std::move(base));
    } else {
        for (unsigned i = 0; i < sub.num_rects; ++i) {
            if (!sub.rects[i]->ass)
                continue;
            SubtitleEvent e = base;
            e.dialogue = sub.rects[i]->ass;
            events.push_back(std::move(e));
        }
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    for (SubtitleEvent &e : events)
        m_events.push_back(std::move(e));
}

void SubtitleLoader::readLoop()
{
    AVFormatContext *ic = m_media->format();
    const AVRational tb = ic->streams[m_stream]->time_base;
    PacketPtr pkt = makePacket();
    int err = pkt ? 0 : AVERROR(ENOMEM);
    while (err >= 0 && !m_scope.abort) {
        err = av_read_frame(ic, pkt.get());
        if (err < 0)
            break;
        if (pkt->stream_index == m_stream) {
            const int64_t ts = pkt->pts != AV_NOPTS_VALUE ? pkt->pts : pkt->dts;
            const int64_t us = ts == AV_NOPTS_VALUE ? std::max<int64_t>(m_readUs, 0)
                                                    : int64_t(m_media->toMediaUs(ts, tb));
            AVSubtitle sub{};
            int got = 0;
            const int used = avcodec_decode_subtitle2(m_dec.get(), &sub, &got, pkt.get());
            if (used < 0)
                zvLog("subtitles: a damaged packet at %lld us: %s", (long long)us, avErrorText(used).c_str());
            else if (got) {
                decoded(sub, us);
                avsubtitle_free(&sub);
            }
            std::lock_guard<std::mutex> lock(m_mutex);
            m_readUs = std::max(m_readUs, us);
        }
        av_packet_unref(pkt.get());
        m_cv.notify_all();
    }
    if (err < 0 && err != AVERROR_EOF && !m_scope.abort)
        zvLog("subtitles: reading stopped: %s", avErrorText(err).c_str());
    std::lock_guard<std::mutex> lock(m_mutex);
    m_done = true;
    m_cv.notify_all();
}

void SubtitleLoader::take(int64_t us, int limitMs, const std::atomic<bool> *cancel, std::vector<SubtitleEvent> &out)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point until = Clock::now() + std::chrono::milliseconds(std::max(limitMs, 0));
    std::unique_lock<std::mutex> lock(m_mutex);
    auto ready = [&] { return m_done || m_readUs > us || m_scope.abort || !m_thread.joinable(); };
    // Short slices, so a stop of the owner is noticed while waiting.
    while (!ready() && !(cancel && *cancel) && (limitMs < 0 || Clock::now() < until))
        m_cv.wait_for(lock, std::chrono::milliseconds(20));
    for (SubtitleEvent &e : m_events)
        out.push_back(std::move(e));
    m_events.clear();
}

} // namespace zv
