#include "SubtitleFixtureMaker.h"

#include <QFile>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
}

#include <cstring>
#include <memory>
#include <vector>

namespace SubtitleFixtureMaker {

namespace {

struct Output {
    AVFormatContext *oc = nullptr;
    ~Output()
    {
        if (oc && oc->pb)
            avio_closep(&oc->pb);
        avformat_free_context(oc);
    }
};
struct CodecDeleter {
    void operator()(AVCodecContext *c) const { avcodec_free_context(&c); }
};
using Codec = std::unique_ptr<AVCodecContext, CodecDeleter>;

QString fail(QString *why, const QString &what, int err)
{
    char buf[256] = {0};
    av_strerror(err, buf, sizeof buf);
    *why = what + ": " + QString::fromUtf8(buf);
    return QString();
}

// Opens `path` for writing with one stream shaped by `enc`.
int openOutput(Output &out, const QString &path, const char *format, const AVCodecContext *enc, AVRational tb)
{
    int err = avformat_alloc_output_context2(&out.oc, nullptr, format, path.toUtf8().constData());
    if (err < 0)
        return err;
    AVStream *st = avformat_new_stream(out.oc, nullptr);
    if (!st)
        return AVERROR(ENOMEM);
    st->time_base = tb;
    if ((err = avcodec_parameters_from_context(st->codecpar, enc)) < 0)
        return err;
    if ((err = avio_open(&out.oc->pb, path.toUtf8().constData(), AVIO_FLAG_WRITE)) < 0)
        return err;
    return avformat_write_header(out.oc, nullptr);
}

uint8_t withParity(uint8_t b)
{
    int ones = 0;
    for (int i = 0; i < 7; ++i)
        ones += (b >> i) & 1;
    return uint8_t((b & 0x7F) | (ones % 2 == 0 ? 0x80 : 0));
}

// The 608 byte pair each picture carries: load "HI" off screen, show it, erase it.
std::pair<uint8_t, uint8_t> captionBytes(int picture)
{
    switch (picture) {
    case 25: case 26: return {0x14, 0x20};  // resume caption loading
    case 27: case 28: return {0x14, 0x2E};  // erase the hidden memory
    case 29: case 30: return {0x14, 0x60};  // row 15, column 0
    case 31: return {'H', 'I'};
    case 32: case 33: return {0x14, 0x2F};  // end of caption: show it
    case 75: case 76: return {0x14, 0x2C};  // erase what shows
    default: return {0x00, 0x00};
    }
}

} // namespace

QString dvdSubtitles(const QString &path, int width, int height, int x, int y, int w, int h, int startMs,
                     int lengthMs, QString *why)
{
    const AVCodec *codec = avcodec_find_encoder(AV_CODEC_ID_DVD_SUBTITLE);
    if (!codec) {
        *why = "no DVD subtitle encoder";
        return QString();
    }
    Codec enc(avcodec_alloc_context3(codec));
    enc->width = width;
    enc->height = height;
    enc->time_base = AVRational{1, 1000};
    int err = avcodec_open2(enc.get(), codec, nullptr);
    if (err < 0)
        return fail(why, "dvdsub encoder", err);
    Output out;
    if ((err = openOutput(out, path, "matroska", enc.get(), AVRational{1, 1000})) < 0)
        return fail(why, "dvdsub output", err);

    AVSubtitle sub{};
    sub.start_display_time = 0;
    sub.end_display_time = uint32_t(lengthMs);
    sub.pts = int64_t(startMs) * 1000;
    sub.num_rects = 1;
    sub.rects = static_cast<AVSubtitleRect **>(av_mallocz(sizeof(AVSubtitleRect *)));
    sub.rects[0] = static_cast<AVSubtitleRect *>(av_mallocz(sizeof(AVSubtitleRect)));
    AVSubtitleRect *r = sub.rects[0];
    r->type = SUBTITLE_BITMAP;
    r->x = x;
    r->y = y;
    r->w = w;
    r->h = h;
    r->nb_colors = 4;
    r->linesize[0] = w;
    r->data[0] = static_cast<uint8_t *>(av_malloc(size_t(w) * size_t(h)));
    r->data[1] = static_cast<uint8_t *>(av_mallocz(1024));
    const uint32_t palette[4] = {0x00000000, 0xFFFFFFFF, 0xFF000000, 0xFF808080};
    std::memcpy(r->data[1], palette, sizeof palette);
    std::memset(r->data[0], 1, size_t(w) * size_t(h));
    std::vector<uint8_t> buf(1 << 20);
    const int size = avcodec_encode_subtitle(enc.get(), buf.data(), int(buf.size()), &sub);
    avsubtitle_free(&sub);
    if (size <= 0)
        return fail(why, "dvdsub encoding", size < 0 ? size : AVERROR(EINVAL));
    AVPacket *pkt = av_packet_alloc();
    av_new_packet(pkt, size);
    std::memcpy(pkt->data, buf.data(), size_t(size));
    pkt->pts = pkt->dts = startMs;
    pkt->duration = lengthMs;
    pkt->stream_index = 0;
    err = av_interleaved_write_frame(out.oc, pkt);
    av_packet_free(&pkt);
    if (err >= 0)
        err = av_write_trailer(out.oc);
    if (err < 0)
        return fail(why, "dvdsub writing", err);
    return path;
}

QString captionedClip(const QString &path, QString *why)
{
    const AVCodec *codec = avcodec_find_encoder_by_name("libx264");
    if (!codec) {
        *why = "no libx264 encoder";
        return QString();
    }
    Codec enc(avcodec_alloc_context3(codec));
    enc->width = 320;
    enc->height = 240;
    enc->pix_fmt = AV_PIX_FMT_YUV420P;
    enc->time_base = AVRational{1, 25};
    enc->framerate = AVRational{25, 1};
    enc->gop_size = 25;
    enc->max_b_frames = 0;
    enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    av_opt_set(enc->priv_data, "preset", "ultrafast", 0);
    av_opt_set(enc->priv_data, "a53cc", "1", 0);
    int err = avcodec_open2(enc.get(), codec, nullptr);
    if (err < 0)
        return fail(why, "libx264", err);
    Output out;
    if ((err = openOutput(out, path, "matroska", enc.get(), AVRational{1, 1000})) < 0)
        return fail(why, "caption output", err);
    AVFrame *frame = av_frame_alloc();
    AVPacket *pkt = av_packet_alloc();
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = 320;
    frame->height = 240;
    err = av_frame_get_buffer(frame, 0);
    for (int i = 0; i <= 100 && err >= 0; ++i) {
        if (i < 100) {
            if ((err = av_frame_make_writable(frame)) < 0)
                break;
            std::memset(frame->data[0], 48, size_t(frame->linesize[0]) * 240);
            std::memset(frame->data[1], 128, size_t(frame->linesize[1]) * 120);
            std::memset(frame->data[2], 128, size_t(frame->linesize[2]) * 120);
            av_frame_remove_side_data(frame, AV_FRAME_DATA_A53_CC);
            AVFrameSideData *sd = av_frame_new_side_data(frame, AV_FRAME_DATA_A53_CC, 3);
            const auto bytes = captionBytes(i);
            sd->data[0] = 0xFC; // field 1, valid
            sd->data[1] = withParity(bytes.first);
            sd->data[2] = withParity(bytes.second);
            frame->pts = i;
        }
        err = avcodec_send_frame(enc.get(), i < 100 ? frame : nullptr);
        while (err >= 0 && (err = avcodec_receive_packet(enc.get(), pkt)) >= 0) {
            av_packet_rescale_ts(pkt, enc->time_base, out.oc->streams[0]->time_base);
            pkt->stream_index = 0;
            err = av_interleaved_write_frame(out.oc, pkt);
        }
        if (err == AVERROR(EAGAIN) || err == AVERROR_EOF)
            err = 0;
    }
    av_frame_free(&frame);
    av_packet_free(&pkt);
    if (err >= 0)
        err = av_write_trailer(out.oc);
    if (err < 0)
        return fail(why, "caption clip", err);
    return path;
}

} // namespace SubtitleFixtureMaker
