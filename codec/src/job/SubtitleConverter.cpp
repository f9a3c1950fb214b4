#include "job/SubtitleConverter.h"

#include <cstring>

namespace zv::job {

namespace {

AVCodecID containerTextCodec(const AVOutputFormat *format)
{
    const std::string name = format->name;
    if (name == "mp4" || name == "mov" || name == "ipod" || name == "3gp" || name == "3g2")
        return AV_CODEC_ID_MOV_TEXT;
    if (name == "webm")
        return AV_CODEC_ID_WEBVTT;
    if (name == "matroska")
        return AV_CODEC_ID_SUBRIP;
    return AV_CODEC_ID_NONE;
}

bool isTextSubtitle(AVCodecID id)
{
    const AVCodecDescriptor *d = avcodec_descriptor_get(id);
    return d && d->type == AVMEDIA_TYPE_SUBTITLE && (d->props & AV_CODEC_PROP_TEXT_SUB);
}

bool takes(const AVOutputFormat *format, AVCodecID id)
{
    return avformat_query_codec(format, id, FF_COMPLIANCE_NORMAL) == 1;
}

// A decoded cue, freed with whatever the decoder put into it.
struct DecodedCue {
    AVSubtitle sub{};
    DecodedCue() = default;
    DecodedCue(const DecodedCue &) = delete;
    DecodedCue &operator=(const DecodedCue &) = delete;
    ~DecodedCue() { avsubtitle_free(&sub); }
};

} // namespace

AVCodecID SubtitleConverter::targetCodec(const AVCodecParameters *source, AVCodecID asked,
                                         const AVOutputFormat *format)
{
    if (!isTextSubtitle(source->codec_id))
        return source->codec_id;
    AVCodecID want = asked != AV_CODEC_ID_NONE ? asked : source->codec_id;
    // Containers that answer "not implemented" decide at header writing.
    if (avformat_query_codec(format, want, FF_COMPLIANCE_NORMAL) < 0)
        return want;
    if (!takes(format, want)) {
        const AVCodecID own = containerTextCodec(format);
        if (own != AV_CODEC_ID_NONE && takes(format, own))
            want = own;
    }
    return want;
}

int SubtitleConverter::open(const AVStream *source, AVCodecID target, AVStream *out, std::string *error)
{
    const AVCodec *decoder = avcodec_find_decoder(source->codecpar->codec_id);
    const AVCodec *encoder = avcodec_find_encoder(target);
    if (!decoder || !encoder) {
        *error = std::string("cannot convert ") + avcodec_get_name(source->codecpar->codec_id) + " subtitles to "
            + avcodec_get_name(target);
        return AVERROR_ENCODER_NOT_FOUND;
    }
    m_dec.reset(avcodec_alloc_context3(decoder));
    m_enc.reset(avcodec_alloc_context3(encoder));
    if (!m_dec || !m_enc)
        return AVERROR(ENOMEM);
    int err = avcodec_parameters_to_context(m_dec.get(), source->codecpar);
    if (err >= 0) {
        m_dec->pkt_timebase = source->time_base;
        err = avcodec_open2(m_dec.get(), decoder, nullptr);
    }
    if (err < 0) {
        *error = errorText(err, std::string("cannot open the ") + decoder->name + " subtitle decoder");
        return err;
    }
    m_enc->time_base = AVRational{1, 1000};
    if (m_dec->subtitle_header && m_dec->subtitle_header_size > 0) {
        m_enc->subtitle_header = static_cast<uint8_t *>(av_mallocz(m_dec->subtitle_header_size + 1));
        if (!m_enc->subtitle_header)
            return AVERROR(ENOMEM);
        std::memcpy(m_enc->subtitle_header, m_dec->subtitle_header, m_dec->subtitle_header_size);
        m_enc->subtitle_header_size = m_dec->subtitle_header_size;
    }
    err = avcodec_open2(m_enc.get(), encoder, nullptr);
    if (err >= 0)
        err = avcodec_parameters_from_context(out->codecpar, m_enc.get());
    if (err < 0) {
        *error = errorText(err, std::string("cannot open the ") + encoder->name + " subtitle encoder");
        return err;
    }
    out->codecpar->codec_tag = 0;
    m_buffer.resize(1 << 20);
    return 0;
}

int SubtitleConverter::write(AVPacket *pkt, AVFormatContext *oc, std::string *error)
{
    const AVStream *os = oc->streams[pkt->stream_index];
    // The decoder reads the packet's time stamps in its own time base.
    PacketPtr in(av_packet_clone(pkt));
    if (!in)
        return AVERROR(ENOMEM);
    av_packet_rescale_ts(in.get(), os->time_base, m_dec->pkt_timebase);
    DecodedCue cue;
    int got = 0;
    int err = avcodec_decode_subtitle2(m_dec.get(), &cue.sub, &got, in.get());
    if (err < 0 || !got) {
        if (err < 0)
            logLine(errorText(err, "skipping a subtitle cue that cannot be decoded"));
        return 0;
    }
    const int size = avcodec_encode_subtitle(m_enc.get(), m_buffer.data(), int(m_buffer.size()), &cue.sub);
    const uint32_t shown = cue.sub.end_display_time;
    if (size <= 0) {
        if (size < 0)
            logLine(errorText(size, "skipping a subtitle cue that cannot be converted"));
        return 0;
    }
    PacketPtr out = makePacket();
    if (!out || av_new_packet(out.get(), size) < 0)
        return AVERROR(ENOMEM);
    std::memcpy(out->data, m_buffer.data(), size_t(size));
    out->stream_index = pkt->stream_index;
    out->pts = out->dts = pkt->pts;
    out->duration = shown > 0 ? av_rescale_q(shown, AVRational{1, 1000}, os->time_base) : pkt->duration;
    out->flags = AV_PKT_FLAG_KEY;
    err = av_interleaved_write_frame(oc, out.get());
    if (err < 0)
        *error = errorText(err, "cannot write a subtitle cue");
    return err;
}

} // namespace zv::job
