#include "edit/BackgroundReader.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/samplefmt.h>
}

#include <algorithm>
#include <cmath>

namespace zv {

namespace {
std::string failure(const std::string &path, const std::string &why)
{
    return "cannot use '" + path + "' as background sound: " + why;
}
} // namespace

int BackgroundReader::open(const BackgroundAudio &bg, std::string *error)
{
    m_scope.watchGlobal = false;
    MediaLocation where;
    where.path = bg.file;
    std::string why;
    m_media = InputMedia::open(where, &m_scope, why);
    if (!m_media) {
        *error = failure(bg.file, why);
        return AVERROR(EIO);
    }
    AVFormatContext *ic = m_media->format();
    const AVCodec *codec = nullptr;
    m_stream = av_find_best_stream(ic, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (m_stream < 0 || !codec) {
        *error = failure(bg.file, m_stream < 0 ? "it has no sound" : "no decoder for its sound");
        return m_stream < 0 ? m_stream : AVERROR_DECODER_NOT_FOUND;
    }
    for (unsigned i = 0; i < ic->nb_streams; ++i)
        ic->streams[i]->discard = int(i) == m_stream ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    m_dec.reset(avcodec_alloc_context3(codec));
    m_decode.setDecoder(m_dec.get());
    m_frame = makeFrame();
    m_packet = makePacket();
    if (!m_dec || !m_frame || !m_packet)
        return AVERROR(ENOMEM);
    const AVStream *st = ic->streams[m_stream];
    int err = avcodec_parameters_to_context(m_dec.get(), st->codecpar);
    if (err >= 0) {
        m_dec->pkt_timebase = st->time_base;
        err = avcodec_open2(m_dec.get(), codec, nullptr);
    }
    if (err < 0) {
        *error = failure(bg.file, "its decoder refused it: " + avErrorText(err));
        return err;
    }
    m_loop = bg.loop != 0;
    m_splitStartUs = int64_t(bg.splitStart);
    m_splitEndUs = bg.splitEnd > bg.splitStart ? int64_t(bg.splitEnd) : 0;
    return seek(0, error);
}

std::string BackgroundReader::layoutText() const
{
    if (!m_dec)
        return "";
    AVChannelLayout layout{};
    if (m_dec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || !av_channel_layout_check(&m_dec->ch_layout))
        av_channel_layout_default(&layout, std::max(m_dec->ch_layout.nb_channels, 1));
    else
        av_channel_layout_copy(&layout, &m_dec->ch_layout);
    char buf[128] = {0};
    av_channel_layout_describe(&layout, buf, sizeof buf);
    av_channel_layout_uninit(&layout);
    return buf;
}

int64_t BackgroundReader::partUs() const
{
    const int64_t end = m_splitEndUs > 0 ? m_splitEndUs : (m_media ? int64_t(m_media->durationUs()) : 0);
    return std::max<int64_t>(0, end - m_splitStartUs);
}

int BackgroundReader::seek(int64_t offsetUs, std::string *error)
{
    const int64_t part = partUs();
    offsetUs = std::max<int64_t>(0, offsetUs);
    if (m_loop && part > 0)
        offsetUs %= part;
    m_nextSample = 0;
    m_ended = false;
    m_gaveThisPass = false;
    return rewind(m_splitStartUs + offsetUs, error);
}

int BackgroundReader::rewind(int64_t targetUs, std::string *error)
{
    AVFormatContext *ic = m_media->format();
    const AVRational tb = ic->streams[m_stream]->time_base;
    const int64_t ts = m_media->fromMediaUs(uint64_t(targetUs), tb);
    int err = avformat_seek_file(ic, m_stream, INT64_MIN, ts, ts, 0);
    if (err < 0 && targetUs > 0) {
        *error = "cannot seek in the background sound: " + avErrorText(err);
        return err;
    }
    m_decode.reset();
    m_targetUs = targetUs;
    return 0;
}

int BackgroundReader::decodeNext(std::string *error)
{
    AVFormatContext *ic = m_media->format();
    for (;;) {
        int err = m_decode.receive(m_frame.get());
        if (err >= 0 || err == AVERROR_EOF)
            return err;
        if (err != AVERROR(EAGAIN)) {
            *error = "cannot decode the background sound: " + avErrorText(err);
            return err;
        }
        err = av_read_frame(ic, m_packet.get());
        if (err == AVERROR_EOF) {
            m_decode.send(nullptr);
            continue;
        }
        if (err < 0) {
            *error = "cannot read the background sound: " + avErrorText(err);
            return err;
        }
        // A damaged packet costs its samples, not the sound.
        if (m_packet->stream_index == m_stream)
            m_decode.send(m_packet.get());
        av_packet_unref(m_packet.get());
    }
}

// Cuts the decoded frame to [target, split end) into `out`. EAGAIN when
// nothing of it lies inside; AVERROR_EOF when it starts past the end.
int BackgroundReader::emit(AVFrame *out)
{
    AVFrame *f = m_frame.get();
    const AVRational tb = m_media->format()->streams[m_stream]->time_base;
    const int64_t ts = f->best_effort_timestamp != AV_NOPTS_VALUE ? f->best_effort_timestamp : f->pts;
    const int64_t startUs = ts == AV_NOPTS_VALUE ? m_targetUs : int64_t(m_media->toMediaUs(ts, tb));
    const double perUs = f->sample_rate / 1e6;
    if (m_splitEndUs > 0 && startUs >= m_splitEndUs)
        return AVERROR_EOF;
    const int skip = startUs < m_targetUs ? int(std::llround((m_targetUs - startUs) * perUs)) : 0;
    int end = f->nb_samples;
    if (m_splitEndUs > 0)
        end = int(std::min<int64_t>(end, std::llround((m_splitEndUs - startUs) * perUs)));
    const int count = end - skip;
    if (count <= 0)
        return AVERROR(EAGAIN);
    int err = 0;
    if (skip == 0 && count == f->nb_samples) {
        err = av_frame_ref(out, f);
    } else {
        out->format = f->format;
        out->sample_rate = f->sample_rate;
        out->nb_samples = count;
        err = av_channel_layout_copy(&out->ch_layout, &f->ch_layout);
        if (err >= 0)
            err = av_frame_get_buffer(out, 0);
        if (err >= 0)
            err = av_samples_copy(out->extended_data, f->extended_data, 0, skip, count,
                                  f->ch_layout.nb_channels, AVSampleFormat(f->format));
    }
    if (err < 0)
        return err;
    out->pts = m_nextSample;
    m_nextSample += count;
    return 0;
}

int BackgroundReader::read(AVFrame *out, std::string *error)
{
    while (!m_ended) {
        int err = decodeNext(error);
        if (err >= 0) {
            err = emit(out);
            av_frame_unref(m_frame.get());
            if (err == AVERROR(EAGAIN))
                continue;
            if (err >= 0) {
                m_gaveThisPass = true;
                return 0;
            }
        }
        if (err != AVERROR_EOF) {
            if (error->empty())
                *error = "cannot cut the background sound: " + avErrorText(err);
            return err;
        }
        // The end of the used part: start over, unless a whole pass gave nothing.
        if (!m_loop || !m_gaveThisPass)
            break;
        m_gaveThisPass = false;
        if ((err = rewind(m_splitStartUs, error)) < 0)
            return err;
    }
    m_ended = true;
    return AVERROR_EOF;
}

} // namespace zv
