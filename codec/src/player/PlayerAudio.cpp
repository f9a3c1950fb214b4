// The audio thread: decode and resample into the audio output.
#include "player/Player.h"

#include "core/Log.h"
#include "core/PacketDecoder.h"
#include "player/AudioTempo.h"

extern "C" {
#include <libavutil/channel_layout.h>
}

namespace zv {

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

// What the audio thread carries from one decoded frame to the next.
struct AudioRun {
    Resampler resampler;
    AudioTempo tempo;
    EditConfig edit;                // the settings the sound was last built from
    uint64_t editVersion = ~uint64_t(0);
    int outRate = 0, outChannels = 0;
    int64_t nextUs = 0;     // media time after the last frame decoded
    int64_t tempoUs = -1;   // media time of the next sample out of the tempo graph
};

void Player::audioFrameDecoded(AVFrame *frame, int serial, const PlayerRequest &req, AudioRun &run)
{
    AVStream *st = m_media->format()->streams[m_audioIndex];
    const int outRate = m_audio.rate(), outCh = m_audio.channels();
    int64_t pts = run.nextUs;
    if (frame->best_effort_timestamp != AV_NOPTS_VALUE)
        pts = int64_t(m_media->toMediaUs(frame->best_effort_timestamp, st->time_base));
    run.nextUs = pts + int64_t(frame->nb_samples) * 1000000 / std::max(frame->sample_rate, 1);

    std::vector<int16_t> buf;
    // The graph is looked at again only when a setting changed.
    const uint64_t version = m_settingsVersion;
    const uint32_t rate = uint32_t(m_ratePercent.load()), speed = uint32_t(m_speedPercent.load());
    const bool changed = version != run.editVersion || rate != run.edit.rate || speed != run.edit.speed
        || outRate != run.outRate || outCh != run.outChannels;
    if (version != run.editVersion) {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        run.edit = m_settings.edit;
        run.editVersion = version;
    }
    run.edit.rate = rate;
    run.edit.speed = speed;
    run.outRate = outRate;
    run.outChannels = outCh;
    if (changed && run.tempo.configure(run.edit, outRate, outCh))
        run.tempoUs = -1;
    double tempo = 1.0;
    if (run.tempo.neutral()) {
        run.tempoUs = -1;
        if (!run.resampler.ensure(frame, outRate, outCh))
            return;
        const int cap = swr_get_out_samples(run.resampler.swr.get(), frame->nb_samples);
        buf.resize(size_t(std::max(cap, 0)) * size_t(outCh));
        uint8_t *out[1] = {reinterpret_cast<uint8_t *>(buf.data())};
        const int n = swr_convert(run.resampler.swr.get(), out, cap,
                                  const_cast<const uint8_t **>(frame->extended_data), frame->nb_samples);
        buf.resize(size_t(std::max(n, 0)) * size_t(outCh));
    } else {
        if (run.tempoUs < 0)
            run.tempoUs = pts;
        tempo = run.tempo.factor();
        if (!run.tempo.process(frame, pts, buf))
            return;
        pts = run.tempoUs;
        run.tempoUs += int64_t(double(buf.size() / size_t(outCh)) * 1e6 * tempo / outRate);
    }
    const int64_t n = int64_t(buf.size() / size_t(outCh));
    if (n <= 0)
        return;
    // Sound before the seek target, or before the resume point, is not played.
    int64_t floor = m_audioFloorUs;
    if (req.kind == PlayerRequest::Kind::Accurate || req.kind == PlayerRequest::Kind::Fast)
        floor = std::max(floor, req.targetUs);
    const int64_t skip = floor > pts ? int64_t(double(floor - pts) / tempo * outRate / 1e6) : 0;
    if (skip >= n)
        return;
    buf.erase(buf.begin(), buf.begin() + skip * outCh);
    m_audio.push(serial, pts + int64_t(double(skip) * 1e6 * tempo / outRate), std::move(buf), tempo);
}

void Player::audioLoop()
{
    PacketDecoder decoder(m_audioDec.get());
    FramePtr frame = makeFrame();
    AudioRun run;
    int runSerial = -1;
    PlayerRequest req;
    int errorsLogged = 0;
    while (!m_quit) {
        QueuedPacket qp;
        if (!m_audioPackets.pop(qp, std::chrono::milliseconds(20)))
            continue;
        if (qp.serial != runSerial) {
            decoder.reset();
            run.tempo.reset();
            run.tempoUs = -1;
            runSerial = qp.serial;
            if (!requestFor(qp.serial, req))
                req = PlayerRequest{};
            run.nextUs = req.kind == PlayerRequest::Kind::Accurate ? req.targetUs : 0;
        }
        if (qp.serial != m_latestSerial)
            continue;
        const int err = decoder.decode(qp.packet.get(), frame.get(), [&](AVFrame *f) {
            audioFrameDecoded(f, qp.serial, req, run);
            return 0;
        });
        // A refused packet is skipped: the decoder carries on with the next one.
        if (err < 0 && err != AVERROR_EOF && errorsLogged++ < 5)
            zvLog("player: audio packet refused: %s", avErrorText(err).c_str());
        if (!qp.packet) {
            m_audio.markEnd(qp.serial);
            decoder.reset();
        }
    }
}

} // namespace zv
