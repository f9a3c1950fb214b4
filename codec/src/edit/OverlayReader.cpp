#include "edit/OverlayReader.h"

#include "core/Log.h"

namespace zv {

int OverlayReader::open(const std::string &path, std::string *error)
{
    m_path = path;
    AVFormatContext *raw = nullptr;
    int err = avformat_open_input(&raw, path.c_str(), nullptr, nullptr);
    if (err < 0) {
        *error = "overlay '" + path + "' cannot be opened: " + avErrorText(err);
        return err;
    }
    m_format.reset(raw);
    if ((err = avformat_find_stream_info(raw, nullptr)) < 0) {
        *error = "overlay '" + path + "' cannot be read: " + avErrorText(err);
        return err;
    }
    const AVCodec *codec = nullptr;
    m_stream = av_find_best_stream(raw, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    if (m_stream < 0 || !codec) {
        *error = "overlay '" + path + "' has no picture: " + avErrorText(m_stream < 0 ? m_stream : AVERROR_DECODER_NOT_FOUND);
        return m_stream < 0 ? m_stream : AVERROR_DECODER_NOT_FOUND;
    }
    for (unsigned i = 0; i < raw->nb_streams; ++i)
        raw->streams[i]->discard = int(i) == m_stream ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    m_decoder.reset(avcodec_alloc_context3(codec));
    m_decode.setDecoder(m_decoder.get());
    m_packet = makePacket();
    m_first = makeFrame();
    m_current = makeFrame();
    m_next = makeFrame();
    if (!m_decoder || !m_packet || !m_first || !m_current || !m_next)
        return AVERROR(ENOMEM);
    err = avcodec_parameters_to_context(m_decoder.get(), raw->streams[m_stream]->codecpar);
    if (err >= 0) {
        m_decoder->pkt_timebase = raw->streams[m_stream]->time_base;
        err = avcodec_open2(m_decoder.get(), codec, nullptr);
    }
    if (err < 0) {
        *error = "overlay '" + path + "': decoder " + codec->name + " refused it: " + avErrorText(err);
        return err;
    }
    if ((err = decodeNext(m_first.get())) < 0) {
        *error = "overlay '" + path + "' has no picture that decodes: " + avErrorText(err);
        return err;
    }
    if ((err = av_frame_ref(m_current.get(), m_first.get())) < 0) {
        *error = "overlay '" + path + "': cannot keep its first picture: " + avErrorText(err);
        return err;
    }
    m_clip = decodeNext(m_next.get()) >= 0;
    m_ended = !m_clip;
    if (raw->duration > 0)
        m_durationUs = raw->duration;
    return 0;
}

int OverlayReader::decodeNext(AVFrame *into)
{
    for (;;) {
        int err = m_decode.receive(into);
        if (err != AVERROR(EAGAIN))
            return err;
        err = av_read_frame(m_format.get(), m_packet.get());
        if (err < 0) {
            m_decode.send(nullptr); // drain the decoder's last pictures
            return m_decode.receive(into);
        }
        // A damaged packet costs its picture; the next one still decodes.
        if (m_packet->stream_index == m_stream)
            m_decode.send(m_packet.get());
        av_packet_unref(m_packet.get());
    }
}

int64_t OverlayReader::ptsUs(const AVFrame *f) const
{
    const int64_t ts = f->best_effort_timestamp != AV_NOPTS_VALUE ? f->best_effort_timestamp : f->pts;
    if (ts == AV_NOPTS_VALUE)
        return 0;
    const AVStream *st = m_format->streams[m_stream];
    const int64_t start = st->start_time != AV_NOPTS_VALUE ? st->start_time : 0;
    return av_rescale_q(ts - start, st->time_base, AV_TIME_BASE_Q);
}

bool OverlayReader::rewind()
{
    const int err = av_seek_frame(m_format.get(), m_stream, m_format->streams[m_stream]->start_time == AV_NOPTS_VALUE
                                                               ? 0 : m_format->streams[m_stream]->start_time,
                                  AVSEEK_FLAG_BACKWARD);
    if (err < 0) {
        // Some demuxers cannot seek (GIF): read the file again from its start.
        std::string error;
        const uint64_t number = m_number;
        if (open(m_path, &error) < 0) {
            zvLog("%s", error.c_str());
            m_ended = true;
            return false;
        }
        m_number = number + 1;
        return true;
    }
    m_decode.reset();
    av_frame_unref(m_current.get());
    if (const int err = av_frame_ref(m_current.get(), m_first.get()); err < 0) {
        zvLog("overlay '%s': cannot show its first picture again: %s", m_path.c_str(), avErrorText(err).c_str());
        m_ended = true;
        return false;
    }
    m_ended = decodeNext(m_next.get()) < 0 || decodeNext(m_next.get()) < 0; // past the first again
    m_number++;
    return true;
}

const AVFrame *OverlayReader::frameAt(int64_t us, uint64_t *number)
{
    if (m_clip) {
        if (us < ptsUs(m_current.get()))
            rewind();
        while (!m_ended && ptsUs(m_next.get()) <= us) {
            std::swap(m_current, m_next);
            m_number++;
            m_ended = decodeNext(m_next.get()) < 0;
            if (m_ended && m_durationUs <= 0)
                m_durationUs = ptsUs(m_current.get()) + 1;
        }
    }
    if (number)
        *number = m_number;
    return m_current.get();
}

} // namespace zv
