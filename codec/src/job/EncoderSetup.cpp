#include "job/EncoderSetup.h"

extern "C" {
#include <libavutil/opt.h>
#include <libavutil/pixdesc.h>
}

#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

namespace zv::job {

namespace {

std::string hexId(uint32_t id)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", id);
    return buf;
}

bool isNamed(const AVCodec *c, const char *name)
{
    return std::strcmp(c->name, name) == 0;
}

AVPixelFormat pixelFormatFor(const AVCodec *codec)
{
    if (!codec->pix_fmts)
        return AV_PIX_FMT_YUV420P;
    for (const AVPixelFormat *p = codec->pix_fmts; *p != AV_PIX_FMT_NONE; ++p) {
        const AVPixFmtDescriptor *d = av_pix_fmt_desc_get(*p);
        if (d && d->nb_components == 3 && d->log2_chroma_w == 1 && d->log2_chroma_h == 1
            && d->comp[0].depth == 8 && !(d->flags & AV_PIX_FMT_FLAG_RGB))
            return *p;
    }
    return codec->pix_fmts[0];
}

// Encoder options from bit rate and quality; the caller's text options last.
int videoOptions(const AVCodec *codec, const JobConfig &cfg, AVCodecContext *enc, AVDictionary **opts)
{
    // Only memory can fail here; the first failure is the answer.
    int err = 0;
    auto set = [&](const char *key, const char *value) {
        if (err >= 0)
            err = av_dict_set(opts, key, value, 0);
    };
    const bool high = cfg.videoQuality >= 90;
    const bool x26x = isNamed(codec, "libx264") || isNamed(codec, "libx265");
    if (x26x) {
        set("preset", high ? "medium" : "veryfast");
        if (isNamed(codec, "libx265"))
            set("x265-params", "log-level=error");
        if (cfg.videoEncoderOption == 2 && cfg.videoProfile == 66 && isNamed(codec, "libx264"))
            set("profile", "baseline");
        if (cfg.videoEncoderOption == 2 && cfg.videoProfile == 1 && isNamed(codec, "libx265"))
            set("profile", "main");
    }
    if (cfg.videoBitRate > 0) {
        enc->bit_rate = cfg.videoBitRate;
        if (x26x) {
            enc->rc_max_rate = int64_t(cfg.videoBitRate) * 3 / 2;
            enc->rc_buffer_size = int(std::min<int64_t>(INT32_MAX, int64_t(cfg.videoBitRate) * 2));
        }
    } else if (x26x) {
        set("crf", high ? "20" : "27");
    } else if (isNamed(codec, "libvpx-vp9")) {
        set("crf", high ? "20" : "31");
        enc->bit_rate = 0;
    } else if (isNamed(codec, "libvpx")) {
        // VP8 needs a bit-rate ceiling beside crf; 8 / 2 Mbit/s keep 1080p sharp
        // and small pictures small.
        set("crf", high ? "10" : "30");
        enc->bit_rate = high ? 8000000 : 2000000;
    } else if (isNamed(codec, "libtheora")) {
        enc->flags |= AV_CODEC_FLAG_QSCALE;
        enc->global_quality = FF_QP2LAMBDA * (high ? 7 : 5);
    } else if (codec->id != AV_CODEC_ID_DVVIDEO && codec->id != AV_CODEC_ID_RAWVIDEO) {
        enc->flags |= AV_CODEC_FLAG_QSCALE;
        enc->global_quality = FF_QP2LAMBDA * (high ? 3 : 6);
    }
    return err;
}

void audioOptions(const AVCodec *codec, const JobConfig &cfg, AVCodecContext *enc)
{
    const bool high = cfg.audioQuality >= 90;
    if (cfg.audioBitRate > 0) {
        enc->bit_rate = cfg.audioBitRate;
    } else if (isNamed(codec, "libmp3lame")) {
        enc->flags |= AV_CODEC_FLAG_QSCALE;
        enc->global_quality = FF_QP2LAMBDA * (high ? 2 : 5);
    } else if (isNamed(codec, "libvorbis")) {
        enc->flags |= AV_CODEC_FLAG_QSCALE;
        enc->global_quality = FF_QP2LAMBDA * (high ? 6 : 3);
    } else if (codec->id == AV_CODEC_ID_AAC) {
        enc->bit_rate = int64_t(high ? 160000 : 96000) * ((enc->ch_layout.nb_channels + 1) / 2);
    }
}

int nearestSampleRate(const AVCodec *codec, int wanted)
{
    if (!codec->supported_samplerates)
        return wanted;
    int best = codec->supported_samplerates[0];
    for (const int *r = codec->supported_samplerates; *r; ++r) {
        if (std::abs(*r - wanted) < std::abs(best - wanted))
            best = *r;
    }
    return best;
}

void channelLayoutFor(const AVCodec *codec, int channels, AVChannelLayout *out)
{
    av_channel_layout_default(out, channels);
    if (!codec->ch_layouts)
        return;
    for (const AVChannelLayout *l = codec->ch_layouts; l->nb_channels; ++l) {
        if (l->nb_channels == channels) {
            av_channel_layout_copy(out, l);
            return;
        }
    }
    av_channel_layout_uninit(out);
    av_channel_layout_default(out, 2);
    logLine(std::string(codec->name) + " cannot take " + std::to_string(channels)
                             + " channels: downmixing to stereo");
}

// The caller's "key=value:key=value" text; a text that does not parse is
// named in the log and the encoder opens with what did.
int mergeTextOptions(const JobConfig &cfg, AVDictionary **opts)
{
    if (cfg.textOption.empty())
        return 0;
    const int err = av_dict_parse_string(opts, cfg.textOption.c_str(), "=", ":", 0);
    if (err == AVERROR(ENOMEM))
        return err;
    if (err < 0)
        logLine(errorText(err, "options '" + cfg.textOption + "' do not all parse"));
    return 0;
}

int finishOpen(AVFormatContext *oc, const AVCodec *codec, uint32_t tag, AVDictionary **opts,
               EncodedStream *out, std::string *error, const std::string &what)
{
    AVCodecContext *enc = out->enc.get();
    if (oc->oformat->flags & AVFMT_GLOBALHEADER)
        enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    int err = avcodec_open2(enc, codec, opts);
    if (err < 0) {
        *error = errorText(err, "encoder " + std::string(codec->name) + " refused " + what);
        return err;
    }
    out->stream = avformat_new_stream(oc, nullptr);
    if (!out->stream)
        return AVERROR(ENOMEM);
    err = avcodec_parameters_from_context(out->stream->codecpar, enc);
    if (err < 0) {
        *error = errorText(err, "cannot set up the output stream of " + std::string(codec->name));
        return err;
    }
    out->stream->time_base = enc->time_base;
    const std::string mux = oc->oformat->name;
    if (tag)
        out->stream->codecpar->codec_tag = tag;
    else if (codec->id == AV_CODEC_ID_HEVC && (mux == "mp4" || mux == "mov"))
        out->stream->codecpar->codec_tag = MKTAG('h', 'v', 'c', '1');
    return 0;
}

} // namespace

int findEncoder(uint32_t id, AVMediaType type, const AVOutputFormat *format, const AVCodec **codec,
                uint32_t *tag, std::string *error)
{
    *tag = 0;
    *codec = nullptr;
    if (id == 0) {
        const AVCodecID def = type == AVMEDIA_TYPE_VIDEO ? format->video_codec : format->audio_codec;
        *codec = def != AV_CODEC_ID_NONE ? avcodec_find_encoder(def) : nullptr;
        if (!*codec) {
            *error = std::string("container ") + format->name + " has no default "
                + (type == AVMEDIA_TYPE_VIDEO ? "video" : "audio") + " encoder";
            return AVERROR_ENCODER_NOT_FOUND;
        }
        return 0;
    }
    CodecChoice choice;
    if (!codecForId(id, &choice)) {
        *error = "unknown codec id " + hexId(id);
        return AVERROR_ENCODER_NOT_FOUND;
    }
    if (choice.encoder)
        *codec = avcodec_find_encoder_by_name(choice.encoder);
    if (!*codec || avcodec_get_type(choice.id) != type) {
        *error = std::string("no encoder for ") + choice.label + " (id " + hexId(id) + ") in this FFmpeg build";
        *codec = nullptr;
        return AVERROR_ENCODER_NOT_FOUND;
    }
    *tag = choice.tag;
    return 0;
}

namespace {

bool sideways(int rotation)
{
    return rotation == 90 || rotation == 270;
}

// Containers that store each picture's own time.
bool takesAnyTimes(const AVOutputFormat *format)
{
    if (format->flags & AVFMT_VARIABLE_FPS)
        return true;
    static const char *const iso[] = {"mp4", "mov", "3gp", "3g2", "ipod", "psp", "ismv", "f4v"};
    for (const char *name : iso) {
        if (std::strcmp(format->name, name) == 0)
            return true;
    }
    return false;
}

// Encoders that take pictures at any time in a fine time base.
bool encodesAnyTimes(const AVCodec *codec)
{
    switch (codec->id) {
    case AV_CODEC_ID_H264:
    case AV_CODEC_ID_HEVC:
    case AV_CODEC_ID_VP8:
    case AV_CODEC_ID_VP9:
    case AV_CODEC_ID_AV1:
        return true;
    default:
        return false;
    }
}

// The rate the source's pictures are laid out on. A variable-rate source
// (a phone's) states its nominal rate beside a lower average; the average
// would drop pictures. A nominal rate far above the average (field rates of
// interlaced video) is not one.
AVRational nominalRate(const AVStream *source)
{
    const AVRational avg = source->avg_frame_rate, nominal = source->r_frame_rate;
    const bool avgValid = avg.num > 0 && avg.den > 0;
    const bool nominalValid = nominal.num > 0 && nominal.den > 0;
    if (avgValid && nominalValid && av_cmp_q(nominal, avg) > 0 && av_q2d(nominal) <= 1.5 * av_q2d(avg))
        return nominal;
    if (avgValid)
        return avg;
    if (nominalValid)
        return nominal;
    return AVRational{25, 1};
}

} // namespace

VideoTarget videoTarget(const JobConfig &cfg, const AVStream *source, int rotation, const AVCodec *codec,
                        const AVOutputFormat *format)
{
    VideoTarget t;
    const AVCodecParameters *p = source->codecpar;
    const AVRational sar = p->sample_aspect_ratio.num > 0 && p->sample_aspect_ratio.den > 0 ? p->sample_aspect_ratio
                                                                                           : AVRational{1, 1};
    const AVRational uprightSar = sideways(rotation) ? AVRational{sar.den, sar.num} : sar;
    const int uprightWidth = sideways(rotation) ? p->height : p->width;
    const int uprightHeight = sideways(rotation) ? p->width : p->height;
    if (cfg.width > 0 && cfg.height > 0) {
        t.width = int(cfg.width);
        t.height = int(cfg.height);
        // The source's own size ("Original"), whose pixels are not square: the
        // output keeps the picture's display aspect in square pixels.
        const bool ownSize = (t.width == uprightWidth && t.height == uprightHeight)
            || (t.width == p->width && t.height == p->height);
        if (ownSize && uprightSar.num != uprightSar.den) {
            t.width = uprightWidth;
            t.height = uprightHeight;
            t.width = int(av_rescale(t.width, uprightSar.num, uprightSar.den));
        }
    } else {
        t.width = int(av_rescale(p->width, sar.num, sar.den));
        t.height = p->height;
        if (sideways(rotation))
            std::swap(t.width, t.height);
    }
    if (cfg.rateNum > 0 && cfg.rateDen > 0) {
        t.rate = AVRational{int(cfg.rateNum), int(cfg.rateDen)};
    } else {
        t.rate = nominalRate(source);
        t.keepTimes = takesAnyTimes(format) && encodesAnyTimes(codec);
    }
    t.rate = av_d2q(av_q2d(t.rate), 1001000);

    if (codec->supported_framerates)
        t.rate = codec->supported_framerates[av_find_nearest_q_idx(t.rate, codec->supported_framerates)];
    if (codec->id == AV_CODEC_ID_H263) {
        static const int sizes[][2] = {{128, 96}, {176, 144}, {352, 288}, {704, 576}, {1408, 1152}};
        int best = 0;
        for (int i = 1; i < 5; ++i) {
            if (std::abs(sizes[i][0] * sizes[i][1] - t.width * t.height)
                < std::abs(sizes[best][0] * sizes[best][1] - t.width * t.height))
                best = i;
        }
        t.width = sizes[best][0];
        t.height = sizes[best][1];
    } else if (codec->id == AV_CODEC_ID_DVVIDEO) {
        const bool pal = std::fabs(av_q2d(t.rate) - 25.0) < std::fabs(av_q2d(t.rate) - 29.97);
        t.width = 720;
        t.height = pal ? 576 : 480;
        t.rate = pal ? AVRational{25, 1} : AVRational{30000, 1001};
    }
    if (codec->supported_framerates || codec->id == AV_CODEC_ID_H263 || codec->id == AV_CODEC_ID_DVVIDEO)
        t.keepTimes = false;
    t.width &= ~1;
    t.height &= ~1;
    return t;
}

int openVideoEncoder(AVFormatContext *oc, const AVCodec *codec, uint32_t tag, const JobConfig &cfg,
                     const VideoTarget &target, EncodedStream *out, std::string *error)
{
    out->enc.reset(avcodec_alloc_context3(codec));
    AVCodecContext *enc = out->enc.get();
    if (!enc)
        return AVERROR(ENOMEM);
    enc->width = target.width;
    enc->height = target.height;
    enc->sample_aspect_ratio = AVRational{1, 1};
    enc->pix_fmt = pixelFormatFor(codec);
    enc->framerate = target.rate;
    // Pictures at their own times need a time base finer than any frame rate.
    enc->time_base = target.keepTimes ? AVRational{1, 90000} : av_inv_q(target.rate);
    enc->thread_count = 0;   // the encoder's own threading, as many threads as it likes
    if (tag)
        enc->codec_tag = tag;
    Dictionary opts;
    int err = videoOptions(codec, cfg, enc, opts.slot());
    if (err >= 0)
        err = mergeTextOptions(cfg, opts.slot());
    if (err < 0)
        return err;
    const std::string what = "size " + std::to_string(target.width) + "x" + std::to_string(target.height)
        + " at " + std::to_string(target.rate.num) + "/" + std::to_string(target.rate.den) + " fps";
    return finishOpen(oc, codec, tag, opts.slot(), out, error, what);
}

int openAudioEncoder(AVFormatContext *oc, const AVCodec *codec, uint32_t tag, const JobConfig &cfg,
                     EncodedStream *out, std::string *error)
{
    out->enc.reset(avcodec_alloc_context3(codec));
    AVCodecContext *enc = out->enc.get();
    if (!enc)
        return AVERROR(ENOMEM);
    enc->sample_rate = nearestSampleRate(codec, cfg.sampleRate ? int(cfg.sampleRate) : 44100);
    channelLayoutFor(codec, cfg.channels ? int(cfg.channels) : 2, &enc->ch_layout);
    enc->sample_fmt = codec->sample_fmts ? codec->sample_fmts[0] : AV_SAMPLE_FMT_S16;
    enc->time_base = AVRational{1, enc->sample_rate};
    if (tag)
        enc->codec_tag = tag;
    audioOptions(codec, cfg, enc);
    Dictionary opts;
    if (const int err = mergeTextOptions(cfg, opts.slot()); err < 0)
        return err;
    const std::string what = std::to_string(enc->ch_layout.nb_channels) + " channels at "
        + std::to_string(enc->sample_rate) + " Hz";
    return finishOpen(oc, codec, tag, opts.slot(), out, error, what);
}

} // namespace zv::job
