#include "job/FlacTotals.h"

#include <cstring>

namespace zv::job {

namespace {

constexpr int kStreamInfoSize = 34;

// The 34 STREAMINFO bytes within a FLAC stream's codec bytes, or null.
uint8_t *streamInfo(const AVCodecParameters *p)
{
    if (p->codec_id != AV_CODEC_ID_FLAC || p->extradata_size < kStreamInfoSize)
        return nullptr;
    uint8_t *info = p->extradata;
    if (p->extradata_size >= kStreamInfoSize + 8 && std::memcmp(info, "fLaC", 4) == 0)
        info += 8;
    return info;
}

// Bits per sample as the stream header states them (5 bits, minus one).
int headerBitsPerSample(const uint8_t *info)
{
    return (((info[12] & 0x01) << 4) | (info[13] >> 4)) + 1;
}

} // namespace

bool FlacTotals::wanted(const AVCodecParameters *out, const AVOutputFormat *format)
{
    return out->codec_id == AV_CODEC_ID_FLAC && std::strcmp(format->name, "flac") == 0
        && out->extradata_size >= kStreamInfoSize;
}

void FlacTotals::forget(AVCodecParameters *p)
{
    if (uint8_t *info = streamInfo(p)) {
        info[13] &= 0xF0;                  // the low 4 of the 36 bits of the sample count
        std::memset(info + 14, 0, 4 + 16); // the rest of it and the MD5 signature
    }
}

int FlacTotals::open(const AVCodecParameters *source, std::string *error)
{
    const AVCodec *codec = avcodec_find_decoder(AV_CODEC_ID_FLAC);
    if (!codec) {
        *error = "no FLAC decoder";
        return AVERROR_DECODER_NOT_FOUND;
    }
    m_decoder.reset(avcodec_alloc_context3(codec));
    m_frame = makeFrame();
    m_md5.reset(av_md5_alloc());
    if (!m_decoder || !m_frame || !m_md5)
        return AVERROR(ENOMEM);
    int err = avcodec_parameters_to_context(m_decoder.get(), source);
    if (err >= 0)
        err = avcodec_open2(m_decoder.get(), codec, nullptr);
    if (err < 0) {
        *error = errorText(err, "cannot open the FLAC decoder");
        return err;
    }
    m_decoding.setDecoder(m_decoder.get());
    const uint8_t *info = streamInfo(source);
    m_bitsPerSample = info ? headerBitsPerSample(info) : 16;
    av_md5_init(m_md5.get());
    return 0;
}

int FlacTotals::add(AVPacket *pkt, PacketPtr *release, std::string *error)
{
    if (int err = decode(pkt, error); err < 0)
        return err;
    PacketPtr next = makePacket();
    if (!next)
        return AVERROR(ENOMEM);
    av_packet_move_ref(next.get(), pkt);
    *release = std::move(m_held);
    m_held = std::move(next);
    return 0;
}

int FlacTotals::decode(const AVPacket *pkt, std::string *error)
{
    const int err = m_decoding.decode(pkt, m_frame.get(), [this](AVFrame *frame) {
        m_samples += uint64_t(frame->nb_samples);
        hash(frame);
        return 0;
    });
    if (err < 0 && err != AVERROR_EOF) {
        *error = errorText(err, "cannot decode the copied FLAC stream");
        return err;
    }
    return 0;
}

void FlacTotals::hash(const AVFrame *frame)
{
    // The signature covers the samples interleaved, little-endian, in as many
    // bytes as their bit depth needs. The decoder hands them left-aligned in
    // 16 or 32 bits.
    const int channels = frame->ch_layout.nb_channels;
    const int bytes = (m_bitsPerSample + 7) / 8;
    const bool wide = frame->format == AV_SAMPLE_FMT_S32 || frame->format == AV_SAMPLE_FMT_S32P;
    const bool planar = av_sample_fmt_is_planar(AVSampleFormat(frame->format)) != 0;
    const int shift = (wide ? 32 : 16) - m_bitsPerSample;
    m_bytes.resize(size_t(frame->nb_samples) * channels * bytes);
    uint8_t *out = m_bytes.data();
    for (int i = 0; i < frame->nb_samples; ++i) {
        for (int c = 0; c < channels; ++c) {
            const int index = planar ? i : i * channels + c;
            const uint8_t *plane = frame->extended_data[planar ? c : 0];
            const int32_t v = wide ? reinterpret_cast<const int32_t *>(plane)[index] >> shift
                                   : reinterpret_cast<const int16_t *>(plane)[index] >> shift;
            for (int b = 0; b < bytes; ++b)
                *out++ = uint8_t(uint32_t(v) >> (8 * b));
        }
    }
    av_md5_update(m_md5.get(), m_bytes.data(), m_bytes.size());
}

int FlacTotals::finish(const AVCodecParameters *out, PacketPtr *last, std::string *error)
{
    if (int err = decode(nullptr, error); err < 0)
        return err;
    const uint8_t *header = streamInfo(out);
    if (!m_held || !header) {
        *last = std::move(m_held);
        return 0;
    }
    uint8_t *info = av_packet_new_side_data(m_held.get(), AV_PKT_DATA_NEW_EXTRADATA, kStreamInfoSize);
    if (!info)
        return AVERROR(ENOMEM);
    std::memcpy(info, header, kStreamInfoSize);
    // 36 bits of sample count; a longer stream says "unknown".
    const uint64_t count = m_samples < (uint64_t(1) << 36) ? m_samples : 0;
    info[13] = uint8_t((info[13] & 0xF0) | ((count >> 32) & 0x0F));
    for (int b = 0; b < 4; ++b)
        info[14 + b] = uint8_t(count >> (8 * (3 - b)));
    av_md5_final(m_md5.get(), info + 18);
    *last = std::move(m_held);
    return 0;
}

} // namespace zv::job
