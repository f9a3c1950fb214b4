// The audio thread: decode and resample into the audio output.
#include "player/Player.h"

#include "core/Log.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

namespace zv {

namespace {
struct Resampler {
    SwrPtr swr;
    int format = -1, rate = 0;
    AVChannelLayout layout{};
    ~Resampler() { av_channel_layout_uninit(&layout); }

    bool ensure(const AVFrame *f, int outRate, int outChannels)
    {
        if (swr && f->format == format && f->sample_rate == rate && !av_channel_layout_compare(&f->ch_layout, &layout))
            return true;
        AVChannelLayout out{};
        av_channel_layout_default(&out, outChannels);
        SwrContext *ctx = nullptr;
        AVChannelLayout in{};
        av_channel_layout_copy(&in, &f->ch_layout);
        if (!av_channel_layout_check(&in)) {
            av_channel_layout_uninit(&in);
            av_channel_layout_default(&in, std::max(f->ch_layout.nb_channels, 1));
        }
        int err = swr_alloc_set_opts2(&ctx, &out, AV_SAMPLE_FMT_S16, outRate, &in,
                                      AVSampleFormat(f->format), f->sample_rate, 0, nullptr);
        av_channel_layout_uninit(&out);
        av_channel_layout_uninit(&in);
        swr.reset(ctx);
        if (err >= 0)
            err = swr_init(swr.get());
        if (err < 0) {
            zvLog("player: no audio conversion: %s", avErrorText(err).c_str());
            swr.reset();
            return false;
        }
        format = f->format;
        rate = f->sample_rate;
        av_channel_layout_uninit(&layout);
        av_channel_layout_copy(&layout, &f->ch_layout);
        return true;
    }
};
} // namespace

void Player::audioLoop()
{
    AVCodecContext *dec = m_audioDec.get();
    AVStream *st = m_media->format()->streams[m_audioIndex];
    FramePtr frame = makeFrame();
    Resampler rs;
    int runSerial = -1;
    PlayerRequest req;
    int64_t nextUs = 0;
    const int outRate = m_audio.rate(), outCh = m_audio.channels();
    while (!m_quit) {
        QueuedPacket qp;
        if (!m_audioPackets.pop(qp, std::chrono::milliseconds(20)))
            continue;
        if (qp.serial != runSerial) {
            avcodec_flush_buffers(dec);
            runSerial = qp.serial;
            if (!requestFor(qp.serial, req))
                req = PlayerRequest{};
            nextUs = req.kind == PlayerRequest::Kind::Accurate ? req.targetUs : 0;
        }
        if (qp.serial != m_latestSerial)
            continue;
        avcodec_send_packet(dec, qp.packet.get());
        while (avcodec_receive_frame(dec, frame.get()) >= 0) {
            int64_t pts = nextUs;
            if (frame->best_effort_timestamp != AV_NOPTS_VALUE)
                pts = int64_t(m_media->toMediaUs(frame->best_effort_timestamp, st->time_base));
            if (rs.ensure(frame.get(), outRate, outCh)) {
                const int cap = swr_get_out_samples(rs.swr.get(), frame->nb_samples);
                std::vector<int16_t> buf(size_t(std::max(cap, 0)) * size_t(outCh));
                uint8_t *out[1] = {reinterpret_cast<uint8_t *>(buf.data())};
                const int n = swr_convert(rs.swr.get(), out, cap, const_cast<const uint8_t **>(frame->extended_data),
                                          frame->nb_samples);
                if (n > 0) {
                    buf.resize(size_t(n) * size_t(outCh));
                    nextUs = pts + int64_t(n) * 1000000 / outRate;
                    // Sound before the seek target, or before the resume point, is not played.
                    int64_t floor = m_audioFloorUs;
                    if (req.kind == PlayerRequest::Kind::Accurate || req.kind == PlayerRequest::Kind::Fast)
                        floor = std::max(floor, req.targetUs);
                    int64_t skip = floor > pts ? (floor - pts) * outRate / 1000000 : 0;
                    if (skip < n) {
                        buf.erase(buf.begin(), buf.begin() + skip * outCh);
                        m_audio.push(qp.serial, pts + skip * 1000000 / outRate, std::move(buf));
                    }
                }
            }
            av_frame_unref(frame.get());
        }
        if (!qp.packet) {
            m_audio.markEnd(qp.serial);
            avcodec_flush_buffers(dec);
        }
    }
}

} // namespace zv
