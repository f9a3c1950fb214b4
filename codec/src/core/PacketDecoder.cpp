#include "core/PacketDecoder.h"

namespace zv {

void PacketDecoder::setDecoder(AVCodecContext *decoder)
{
    m_decoder = decoder;
    if (m_held)
        av_packet_unref(m_held.get());
    m_holding = false;
    m_endPending = false;
    m_ended = false;
}

int PacketDecoder::send(const AVPacket *packet)
{
    if (!m_decoder)
        return AVERROR(EINVAL);
    const bool end = !packet || (!packet->data && packet->side_data_elems == 0);
    if (end) {
        // The end goes in once the decoder asks for input: sent while it still
        // buffers a packet, FFmpeg drops that packet.
        m_endPending = !m_ended;
        return 0;
    }
    if (m_holding || m_endPending)
        return AVERROR(EAGAIN);
    if (m_ended)
        return AVERROR_EOF;
    const int err = avcodec_send_packet(m_decoder, packet);
    if (err != AVERROR(EAGAIN))
        return err;
    if (!m_held && !(m_held = makePacket()))
        return AVERROR(ENOMEM);
    if (const int ref = av_packet_ref(m_held.get(), packet); ref < 0)
        return ref;
    m_holding = true;
    return 0;
}

int PacketDecoder::passWaiting()
{
    if (m_holding) {
        const int err = avcodec_send_packet(m_decoder, m_held.get());
        if (err == AVERROR(EAGAIN))
            return err;
        m_holding = false;
        av_packet_unref(m_held.get());
        if (err < 0)
            return err;
    } else if (m_endPending) {
        m_endPending = false;
        const int err = avcodec_send_packet(m_decoder, nullptr);
        if (err < 0 && err != AVERROR_EOF)
            return err;
    }
    return 0;
}

int PacketDecoder::receive(AVFrame *frame)
{
    if (!m_decoder)
        return AVERROR(EINVAL);
    av_frame_unref(frame);
    int err = avcodec_receive_frame(m_decoder, frame);
    // The decoder has room again: what waits goes in now.
    while (err == AVERROR(EAGAIN) && (m_holding || m_endPending)) {
        if (const int passed = passWaiting(); passed < 0)
            return passed;
        err = avcodec_receive_frame(m_decoder, frame);
    }
    if (err == AVERROR_EOF)
        m_ended = true;
    return err;
}

void PacketDecoder::reset()
{
    if (m_decoder)
        avcodec_flush_buffers(m_decoder);
    if (m_held)
        av_packet_unref(m_held.get());
    m_holding = false;
    m_endPending = false;
    m_ended = false;
}

} // namespace zv
