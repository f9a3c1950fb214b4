#pragma once
// The one way the library feeds a decoder: packets in, frames out, over
// FFmpeg's send/receive calls. It keeps a packet the decoder could not take
// yet (EAGAIN) and hands it over as soon as frames were received, marks the
// end once the decoder is drained, and resets for a seek or a new run.

#include "core/FfPtr.h"

#include <utility>

namespace zv {

class PacketDecoder {
public:
    explicit PacketDecoder(AVCodecContext *decoder = nullptr) : m_decoder(decoder) {}

    // The decoder fed from now on (not owned); forgets what was in flight.
    void setDecoder(AVCodecContext *decoder);
    AVCodecContext *decoder() const { return m_decoder; }

    // Offers one packet; null (or a packet without data) ends the input, so
    // the decoder gives up the frames it still holds.
    //  0   taken, or kept until the decoder has room (receive() passes it on;
    //      the end always waits for that);
    //  <0  the decoder refused it (damaged data) and it is dropped; decoding
    //      goes on with the next packet. AVERROR(EAGAIN): a packet or the end
    //      is still kept from before; receive frames first.
    int send(const AVPacket *packet);

    // The next frame into `frame` (unreferenced first).
    //  0                a frame;
    //  AVERROR(EAGAIN)  the decoder wants the next packet;
    //  AVERROR_EOF      everything is out after the end of the input;
    //  other <0         a frame could not be decoded; decoding may go on.
    int receive(AVFrame *frame);

    // Drops everything in flight and the end mark: after a seek, or to
    // decode again after the end.
    void reset();

    // The decoder gave its last frame after the end of the input.
    bool ended() const { return m_ended; }

    // Push style: sends `packet` and hands every frame it yields to `sink`,
    // which returns <0 to stop with that error, >0 to stop for now (the rest
    // stays inside for the next call or receive()), 0 to go on. The frame is
    // unreferenced after each call. Returns 0, AVERROR_EOF once drained, the
    // sink's result when it stopped, or the decoder's error for a refused
    // packet or a damaged frame (the frames around it were still handed on).
    template <typename Sink>
    int decode(const AVPacket *packet, AVFrame *frame, Sink &&sink);

private:
    // Hands the kept packet, or else the end of input, to the decoder.
    int passWaiting();

    AVCodecContext *m_decoder = nullptr;
    PacketPtr m_held;          // taken but not yet accepted by the decoder
    bool m_holding = false;    // m_held waits
    bool m_endPending = false; // the end of input waits (after m_held)
    bool m_ended = false;
};

template <typename Sink>
int PacketDecoder::decode(const AVPacket *packet, AVFrame *frame, Sink &&sink)
{
    // Decoders do not fail on every call for ever; this bounds a broken one.
    constexpr int kMaxFailures = 64;
    int result = 0;
    bool sent = false;
    for (int failures = 0;;) {
        if (!sent) {
            const int s = send(packet);
            // EAGAIN: an earlier packet still waits; receiving makes room.
            sent = s != AVERROR(EAGAIN);
            if (s < 0 && sent)
                result = s;
        }
        const int r = receive(frame);
        if (r == 0) {
            const int s = sink(frame);
            av_frame_unref(frame);
            if (s != 0)
                return s;
            continue;
        }
        if (r == AVERROR_EOF)
            return r;
        if (r != AVERROR(EAGAIN))
            result = r;
        else if (sent)
            return result;
        if (++failures > kMaxFailures)
            return r;
    }
}

} // namespace zv
