#include "job/EncodePipeline.h"

#include "core/FilterChain.h"
#include "job/PacketTime.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libavutil/pixdesc.h>
}

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zv::job {

namespace {

// What a seek to `seekUs` gives: where the decoding really starts (the first
// key packet of the video, else the first packet of the audio; media µs,
// INT64_MIN when none was read) and whether it lands anywhere useful: a
// packet of that stream at or before `endUs` comes first.
struct Landing {
    int64_t startUs = INT64_MIN;
    bool read = false;      // a packet of that stream came at all
    bool useful = false;
};

Landing land(InputSource &in, int64_t seekUs, int64_t endUs)
{
    AVFormatContext *ic = in.ctx();
    const int anchor = in.videoStream >= 0 ? in.videoStream
                     : !in.audioStreams.empty() ? in.audioStreams.front() : -1;
    Landing landing;
    if (anchor < 0 || avformat_seek_file(ic, -1, INT64_MIN, seekUs + in.originUs(), seekUs + in.originUs(), 0) < 0)
        return landing;
    const AVRational tb = ic->streams[anchor]->time_base;
    PacketPtr pkt(av_packet_alloc());
    while (pkt && av_read_frame(ic, pkt.get()) >= 0) {
        const bool timed = pkt->stream_index == anchor && (pkt->pts != AV_NOPTS_VALUE || pkt->dts != AV_NOPTS_VALUE);
        const int64_t us = timed ? packetUs(*pkt, tb) - in.originUs() : 0;
        const bool key = timed && pkt->pts != AV_NOPTS_VALUE
            && (anchor != in.videoStream || (pkt->flags & AV_PKT_FLAG_KEY));
        av_packet_unref(pkt.get());
        if (!timed)
            continue;
        if (!landing.read) {
            landing.read = true;
            landing.useful = us <= endUs;
            if (!landing.useful)
                return landing;
        }
        // Past the range without a key packet (a source that flags none): the
        // decoding starts at the seek's landing all the same.
        if (key || us > endUs) {
            landing.startUs = key ? us : INT64_MIN;
            return landing;
        }
    }
    return landing;
}

std::string layoutText(const AVChannelLayout &layout)
{
    char buf[128] = {0};
    av_channel_layout_describe(&layout, buf, sizeof buf);
    return buf;
}

// Links `desc` between an optional source and the sink, then configures the graph.
int linkGraph(AVFilterGraph *graph, AVFilterContext *src, AVFilterContext *sink, const std::string &desc,
              std::string *error)
{
    const int err = linkFilterChain(graph, src, sink, desc);
    if (err < 0)
        *error = errorText(err, "cannot build the filter chain '" + desc + "'");
    return err;
}

} // namespace

int EncodePipeline::attach(InputSource &in, OutputFile &out, const JobConfig &cfg, std::string *error)
{
    m_in = &in;
    // Each task of a merge brings its own edits; the encoders keep the format
    // the first one opened them with.
    m_cfg = cfg;
    if (!m_encodersOpen) {
        if (int err = openEncoders(in, out, error); err < 0)
            return err;
        if (int err = av_dict_copy(&out.ctx()->metadata, in.ctx()->metadata, 0); err < 0) {
            *error = errorText(err, "cannot copy the source's metadata");
            return err;
        }
    } else if (m_hasVideo && in.videoStream < 0) {
        *error = std::string(in.ctx()->url) + " has no video stream for the merge";
        return AVERROR_STREAM_NOT_FOUND;
    }
    // An unusable background refuses the task now, not halfway through it.
    if (const BackgroundAudio *bg = m_hasAudio ? activeBackground(m_cfg) : nullptr) {
        BackgroundReader probe;
        if (int err = probe.open(*bg, error); err < 0)
            return err;
    }
    m_vdecoding.setDecoder(nullptr);
    m_adecoding.setDecoder(nullptr);
    m_vdec.reset();
    m_adec.reset();
    if (m_hasVideo) {
        const AVStream *vs = in.ctx()->streams[in.videoStream];
        if (int err = openDecoder(vs, &m_vdec, error); err < 0)
            return err;
        m_vdecoding.setDecoder(m_vdec.get());
        // Overlay files are opened now, so a bad one refuses the job at once.
        const SourcePicture src{vs->codecpar->width, vs->codecpar->height, vs->codecpar->sample_aspect_ratio,
                                in.rotation(in.videoStream)};
        if (int err = configureEdit(src, error); err < 0)
            return err;
    }
    if (m_hasAudio && !in.audioStreams.empty()) {
        if (int err = openDecoder(in.ctx()->streams[in.audioStreams.front()], &m_adec, error); err < 0)
            return err;
        m_adecoding.setDecoder(m_adec.get());
    }
    // Subtitles that cannot be read refuse the job now, not halfway through it.
    if (m_hasVideo) {
        if (int err = m_subtitles.open(m_cfg, MediaLocation{in.ctx()->url, nullptr}, error); err < 0)
            return err;
    }
    return 0;
}

int EncodePipeline::openEncoders(InputSource &in, OutputFile &out, std::string *error)
{
    const AVOutputFormat *format = out.ctx()->oformat;
    const AVCodec *vcodec = nullptr, *acodec = nullptr;
    uint32_t vtag = 0, atag = 0;
    // A missing encoder refuses the job even when this source lacks the stream.
    if (m_cfg.videoCodec != kNone && m_cfg.enableVideo) {
        if (int err = findEncoder(m_cfg.videoCodec, AVMEDIA_TYPE_VIDEO, format, &vcodec, &vtag, error); err < 0)
            return err;
    }
    if (m_cfg.audioCodec != kNone && m_cfg.enableAudio) {
        if (int err = findEncoder(m_cfg.audioCodec, AVMEDIA_TYPE_AUDIO, format, &acodec, &atag, error); err < 0)
            return err;
    }
    if (vcodec && in.videoStream >= 0) {
        const AVStream *vs = in.ctx()->streams[in.videoStream];
        JobConfig sized = m_cfg;
        if (!sized.width || !sized.height) {
            // Without a configured size the output takes the edited content's own.
            const SourcePicture src{vs->codecpar->width, vs->codecpar->height, vs->codecpar->sample_aspect_ratio,
                                    in.rotation(in.videoStream)};
            const GeometryPlan plan = planGeometry(PictureEdit::fromConfig(m_cfg, m_cfg.overlayCount), src, 0, 0);
            sized.width = uint32_t(plan.outWidth);
            sized.height = uint32_t(plan.outHeight);
        }
        const VideoTarget target = videoTarget(sized, vs, in.rotation(in.videoStream), vcodec, format);
        m_keepTimes = target.keepTimes;
        if (int err = openVideoEncoder(out.ctx(), vcodec, vtag, m_cfg, target, &m_video, error); err < 0)
            return err;
        m_hasVideo = true;
    }
    if (acodec && !in.audioStreams.empty()) {
        if (int err = openAudioEncoder(out.ctx(), acodec, atag, m_cfg, &m_audio, error); err < 0)
            return err;
        m_hasAudio = true;
    }
    if (!m_hasVideo && !m_hasAudio) {
        *error = "no output stream remains for " + std::string(in.ctx()->url);
        return AVERROR_STREAM_NOT_FOUND;
    }
    m_encodersOpen = true;
    return 0;
}

int EncodePipeline::openDecoder(const AVStream *s, CodecContextPtr *dec, std::string *error)
{
    const AVCodec *codec = avcodec_find_decoder(s->codecpar->codec_id);
    if (!codec) {
        *error = std::string("no decoder for ") + avcodec_get_name(s->codecpar->codec_id);
        return AVERROR_DECODER_NOT_FOUND;
    }
    dec->reset(avcodec_alloc_context3(codec));
    if (!*dec)
        return AVERROR(ENOMEM);
    AVCodecContext *c = dec->get();
    int err = avcodec_parameters_to_context(c, s->codecpar);
    if (err >= 0) {
        c->pkt_timebase = s->time_base;
        c->thread_count = decoderThreadCount();
        c->thread_type = FF_THREAD_FRAME | FF_THREAD_SLICE;
        err = avcodec_open2(c, codec, nullptr);
    }
    if (err < 0)
        *error = errorText(err, std::string("cannot open the ") + codec->name + " decoder");
    return err;
}

int64_t EncodePipeline::frameTicks(const EncodedStream &s)
{
    const AVCodecContext *enc = s.enc.get();
    return std::max<int64_t>(1, av_rescale_q(1, av_inv_q(enc->framerate), enc->time_base));
}

// The range's length on the source's timeline, holes included, up to the end
// of the media: what the output lasts (before rate and speed).
int64_t EncodePipeline::taskLengthUs() const
{
    const int64_t mediaUs = m_in ? m_in->durationUs() : 0;
    int64_t end = m_rangeEndUs > 0 ? m_rangeEndUs : mediaUs;
    if (mediaUs > 0)
        end = std::min(end, mediaUs);
    return std::max<int64_t>(0, end - m_startUs);
}

int EncodePipeline::findStart(InputSource &in, int64_t startUs, int64_t durationUs, std::string *error)
{
    const int64_t mediaUs = in.durationUs();
    if (mediaUs > 0 && startUs >= mediaUs) {
        *error = "the range starts after the end of " + std::string(in.ctx()->url);
        return AVERROR(EINVAL);
    }
    m_startUs = startUs;
    m_rangeEndUs = durationUs > 0 ? startUs + durationUs : 0;
    // Demuxers without an index (MPEG-TS, raw audio) seek by a timestamp search
    // that may land past the key frame before the start: the decoder would then
    // begin at the next key frame and lose the pictures up to it. Look further
    // back until decoding starts at or before the start.
    const int64_t endUs = m_rangeEndUs > 0 ? m_rangeEndUs : INT64_MAX;
    int64_t seekUs = startUs;
    Landing landing = land(in, seekUs, endUs);
    // A seek that reads nothing at all is not tried again from further back.
    for (int64_t backUs = 1000000; seekUs > 0 && landing.read && (!landing.useful || landing.startUs > startUs);
         backUs *= 2) {
        seekUs = std::max<int64_t>(0, startUs - backUs);
        landing = land(in, seekUs, endUs);
    }
    const int64_t target = seekUs + in.originUs();
    if (landing.useful) {
        if (int err = avformat_seek_file(in.ctx(), -1, INT64_MIN, target, target, 0); err < 0) {
            logLine(errorText(err, "seek failed in " + std::string(in.ctx()->url)));
            landing.useful = false;
        }
    }
    if (!landing.useful) {
        // A seek that fails or lands past the range (Matroska without an index
        // or key frames) may leave the reader anywhere, at worst at the end:
        // decode from the first packet instead; handleFrame() drops what lies
        // before the start.
        logLine("the seek in " + std::string(in.ctx()->url) + " lands nowhere useful: decoding from the start");
        if (int err = in.reopen(error); err < 0)
            return err;
    }
    m_vdecoding.reset();
    m_adecoding.reset();
    m_vgraph = Graph();
    m_agraph = Graph();
    m_audioEdit.close();
    m_tempo = audioTempoFactor(m_cfg);
    m_lastVideoPts = 0;
    m_pictureSent = false;
    if (m_held)
        av_frame_unref(m_held.get());
    m_videoDone = !m_hasVideo;
    m_audioDone = !m_hasAudio || !m_adec;
    return 0;
}

SourcePicture EncodePipeline::sourcePicture(const AVFrame *frame) const
{
    return SourcePicture{frame->width, frame->height, frame->sample_aspect_ratio, m_in->rotation(m_in->videoStream)};
}

int EncodePipeline::configureEdit(const SourcePicture &src, std::string *error)
{
    m_editSource = src;
    const AVCodecContext *enc = m_video.enc.get();
    return m_edit.configure(PictureEdit::fromConfig(m_cfg, m_cfg.overlayCount), src, enc->width, enc->height, error);
}

// The edit chain gives pictures at the encoder's size; this graph only turns
// them into the encoder's pixel format and, unless they keep their own times,
// its constant rate.
int EncodePipeline::buildVideoGraph(const AVFrame *first, std::string *error)
{
    const SourcePicture src = sourcePicture(first);
    if (src.width != m_editSource.width || src.height != m_editSource.height
        || av_cmp_q(src.sar, m_editSource.sar) != 0) {
        if (int err = configureEdit(src, error); err < 0)
            return err;
    }
    m_vgraph = Graph();
    m_vgraph.graph.reset(avfilter_graph_alloc());
    if (!m_vgraph.graph)
        return AVERROR(ENOMEM);
    AVFilterGraph *g = m_vgraph.graph.get();
    const AVCodecContext *enc = m_video.enc.get();
    char args[256];
    std::snprintf(args, sizeof args, "video_size=%dx%d:pix_fmt=%d:time_base=1/%d:pixel_aspect=1/1", enc->width,
                  enc->height, int(AV_PIX_FMT_YUV420P), AV_TIME_BASE);
    int err = avfilter_graph_create_filter(&m_vgraph.src, avfilter_get_by_name("buffer"), "in", args, nullptr, g);
    if (err >= 0)
        err = avfilter_graph_create_filter(&m_vgraph.sink, avfilter_get_by_name("buffersink"), "out", nullptr,
                                           nullptr, g);
    if (err < 0) {
        *error = errorText(err, "cannot set up the video filters");
        return err;
    }
    char desc[256];
    if (m_keepTimes)
        std::snprintf(desc, sizeof desc, "format=%s", av_get_pix_fmt_name(enc->pix_fmt));
    else
        std::snprintf(desc, sizeof desc, "format=%s,fps=%d/%d", av_get_pix_fmt_name(enc->pix_fmt),
                      enc->framerate.num, enc->framerate.den);
    return linkGraph(g, m_vgraph.src, m_vgraph.sink, desc, error);
}

// The sound edit chain for a source with sound; silence of the task's length
// (first = null) for a merge task without.
int EncodePipeline::buildAudioGraph(const AVFrame *first, std::string *error)
{
    m_agraph = Graph();
    const AVCodecContext *enc = m_audio.enc.get();
    // Rate and speed change the length of what comes out.
    const int64_t sourceUs = taskLengthUs();
    const int64_t lengthUs = int64_t(sourceUs / m_tempo);
    const std::string layout = layoutText(enc->ch_layout);
    const int frameSize =
        enc->frame_size > 0 && !(enc->codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) ? enc->frame_size : 0;
    // The sound fills the range, holes in its timestamps with silence.
    const std::string pad = lengthUs > 0 ? "apad=whole_dur=" + std::to_string(lengthUs) + "us" : "";
    if (first) {
        AudioGraphSpec spec;
        spec.format = enc->sample_fmt;
        spec.sampleRate = enc->sample_rate;
        spec.layout = layout;
        spec.frameSize = frameSize;
        spec.startUs = m_startUs;
        spec.head = "atrim=start=0";
        if (sourceUs > 0 && (m_rangeEndUs > 0 || m_padAudio))
            spec.head += ":end=" + std::to_string(sourceUs) + "us";
        spec.head += ",aresample=async=1:first_pts=0";
        spec.tail = pad;
        return m_audioEdit.open(m_cfg, first, spec, error);
    }
    m_agraph.graph.reset(avfilter_graph_alloc());
    if (!m_agraph.graph)
        return AVERROR(ENOMEM);
    AVFilterGraph *g = m_agraph.graph.get();
    int err = avfilter_graph_create_filter(&m_agraph.sink, avfilter_get_by_name("abuffersink"), "out", nullptr,
                                           nullptr, g);
    if (err < 0) {
        *error = errorText(err, "cannot set up the audio filters");
        return err;
    }
    std::string desc = "anullsrc=r=" + std::to_string(enc->sample_rate) + ":cl=" + layout + ",atrim=end="
        + std::to_string(lengthUs) + "us";
    if (!pad.empty())
        desc += "," + pad;
    desc += ",aformat=sample_fmts=" + std::string(av_get_sample_fmt_name(enc->sample_fmt)) + ":sample_rates="
        + std::to_string(enc->sample_rate) + ":channel_layouts=" + layout;
    err = linkGraph(g, nullptr, m_agraph.sink, desc, error);
    if (err >= 0 && frameSize > 0)
        av_buffersink_set_frame_size(m_agraph.sink, unsigned(frameSize));
    return err;
}

int EncodePipeline::run(InputSource &in, OutputFile &out, int64_t offsetUs, Worker &worker, std::string *error)
{
    m_in = &in;
    m_worker = &worker;
    m_offsetUs = offsetUs;
    worker.totalUs = taskLengthUs();
    m_reach.reset();
    m_taskPictures = m_taskSoundFrames = 0;
    m_rangePictures = m_rangeSound = false;
    int err = allocateBuffers();
    if (err >= 0)
        err = decodeRange(out, error);
    if (err >= 0 && !worker.abort)
        err = drainDecoders(out, error);
    if (err >= 0 && !worker.abort)
        err = drainVideoGraph(out, error);
    if (err >= 0 && !worker.abort)
        err = drainAudioGraphs(out, error);
    if (err >= 0 && !worker.abort)
        err = checkSomethingEncoded(error);
    if (err < 0)
        return err;
    if (worker.abort)
        return AVERROR_EXIT;
    worker.doneUs = worker.totalUs.load();
    return 0;
}

void EncodePipeline::notePacket(const AVPacket &pkt)
{
    m_reach.note(*m_in, pkt);
    const AVRational tb = m_in->ctx()->streams[pkt.stream_index]->time_base;
    const int64_t us = packetUs(pkt, tb);
    if (us == AV_NOPTS_VALUE)
        return;
    const int64_t startUs = us - m_in->originUs();
    const int64_t endUs = startUs + std::max<int64_t>(1, toUs(pkt.duration, tb));
    if (endUs > m_startUs && (m_rangeEndUs <= 0 || startUs < m_rangeEndUs))
        (pkt.stream_index == m_in->videoStream ? m_rangePictures : m_rangeSound) = true;
}

int EncodePipeline::checkSomethingEncoded(std::string *error) const
{
    const char *missing = m_rangePictures && m_vdec && m_taskPictures == 0 ? "picture"
                        : m_rangeSound && m_adec && m_taskSoundFrames == 0 ? "sound" : nullptr;
    if (!missing)
        return 0;
    *error = std::string("no ") + missing + " of " + m_in->ctx()->url + " could be decoded from "
        + timeText(m_startUs) + (m_rangeEndUs > 0 ? " to " + timeText(m_rangeEndUs) : std::string(" on"));
    return AVERROR_INVALIDDATA;
}

int EncodePipeline::allocateBuffers()
{
    if (!m_frame)
        m_frame = makeFrame();
    if (!m_filtered)
        m_filtered = makeFrame();
    if (!m_packet)
        m_packet = makePacket();
    return m_frame && m_filtered && m_packet ? 0 : AVERROR(ENOMEM);
}

// Reads and decodes until both streams passed the range end or the input ends.
int EncodePipeline::decodeRange(OutputFile &out, std::string *error)
{
    AVPacket *pkt = m_packet.get();
    const int audioStream = m_adec ? m_in->audioStreams.front() : -1;
    while (!(m_videoDone && m_audioDone)) {
        if (m_worker->abort)
            return AVERROR_EXIT;
        int err = av_read_frame(m_in->ctx(), pkt);
        if (err == AVERROR_EOF)
            return m_reach.checkEnd(*m_in, m_rangeEndUs, error);
        if (err < 0) {
            *error = errorText(err, "cannot read " + std::string(m_in->ctx()->url));
            return err;
        }
        if (pkt->stream_index == m_in->videoStream || pkt->stream_index == audioStream)
            notePacket(*pkt);
        if (pkt->stream_index == m_in->videoStream && m_vdec && !m_videoDone)
            err = decodePacket(m_vdecoding, pkt, true, out, error);
        else if (pkt->stream_index == audioStream && !m_audioDone)
            err = decodePacket(m_adecoding, pkt, false, out, error);
        av_packet_unref(pkt);
        if (err < 0)
            return err;
    }
    return 0;
}

// The frames the decoders still hold when the input ended inside the range.
int EncodePipeline::drainDecoders(OutputFile &out, std::string *error)
{
    int err = 0;
    if (m_vdec && !m_videoDone)
        err = decodePacket(m_vdecoding, nullptr, true, out, error);
    if (err >= 0 && m_adec && !m_audioDone)
        err = decodePacket(m_adecoding, nullptr, false, out, error);
    return err;
}

int EncodePipeline::drainVideoGraph(OutputFile &out, std::string *error)
{
    // A range inside a hole of the video still shows a picture for its length.
    if (m_hasVideo && m_vdec && !m_pictureSent) {
        if (int err = holdPicture(out, error); err < 0)
            return err;
    }
    if (!m_vgraph.src)
        return 0;
    // Closing at the end of the last frame (not at its start) lets the rate
    // filter emit that frame too; closing at the range's end repeats it over
    // a hole at the end of the range.
    const int64_t frameUs = av_rescale_q(1, av_inv_q(m_video.enc->framerate), AV_TIME_BASE_Q);
    const int64_t lengthUs = int64_t(taskLengthUs() / m_tempo);
    int64_t endPts = m_lastVideoPts + frameUs;
    if (lengthUs > 0)
        endPts = m_rangeEndUs > 0 || lengthUs > endPts ? lengthUs : endPts;
    const int err = av_buffersrc_close(m_vgraph.src, endPts, 0);
    return err < 0 ? err : drainGraph(m_vgraph.sink, true, out, error);
}

// Shows the picture before the range (or black) from the range's start.
int EncodePipeline::holdPicture(OutputFile &out, std::string *error)
{
    FramePtr picture(m_held && m_held->data[0] ? av_frame_clone(m_held.get()) : blackPicture().release());
    if (!picture) {
        *error = "cannot make a picture for a range without one";
        return AVERROR(ENOMEM);
    }
    return pushPicture(picture.get(), m_startUs, out, error);
}

FramePtr EncodePipeline::blackPicture() const
{
    const AVCodecParameters *par = m_in->ctx()->streams[m_in->videoStream]->codecpar;
    FramePtr f = makeFrame();
    if (!f)
        return f;
    f->format = m_vdec->pix_fmt != AV_PIX_FMT_NONE ? m_vdec->pix_fmt : AV_PIX_FMT_YUV420P;
    f->width = par->width > 0 ? par->width : m_video.enc->width;
    f->height = par->height > 0 ? par->height : m_video.enc->height;
    f->sample_aspect_ratio = par->sample_aspect_ratio;
    if (av_frame_get_buffer(f.get(), 0) < 0)
        return FramePtr();
    ptrdiff_t lines[4];
    for (int i = 0; i < 4; ++i)
        lines[i] = f->linesize[i];
    const AVPixFmtDescriptor *desc = av_pix_fmt_desc_get(AVPixelFormat(f->format));
    const AVColorRange range = desc && (desc->flags & AV_PIX_FMT_FLAG_RGB) ? AVCOL_RANGE_JPEG : AVCOL_RANGE_MPEG;
    if (av_image_fill_black(f->data, lines, AVPixelFormat(f->format), range, f->width, f->height) < 0)
        return FramePtr();
    return f;
}

int EncodePipeline::drainAudioGraphs(OutputFile &out, std::string *error)
{
    int err = 0;
    if (m_hasAudio && !m_audioEdit.isOpen())
        err = buildAudioGraph(nullptr, error);   // silence for a range without sound
    if (err >= 0 && m_agraph.graph)
        err = drainGraph(m_agraph.sink, false, out, error);
    if (err >= 0 && m_audioEdit.isOpen() && (err = m_audioEdit.push(nullptr, error)) >= 0)
        err = drainGraph(m_audioEdit.sink(), false, out, error);
    return err;
}

int EncodePipeline::decodePacket(PacketDecoder &dec, const AVPacket *pkt, bool video, OutputFile &out,
                                 std::string *error)
{
    int failed = 0;
    const int r = dec.decode(pkt, m_frame.get(), [&](AVFrame *frame) {
        failed = handleFrame(frame, video, out, error);
        return failed < 0 ? failed : 0;
    });
    if (failed < 0)
        return failed;
    // A damaged packet costs a frame, not the job.
    if (r < 0 && r != AVERROR_EOF)
        logLine(errorText(r, std::string("decoding error in ") + dec.decoder()->codec->name));
    return 0;
}

int EncodePipeline::handleFrame(AVFrame *frame, bool video, OutputFile &out, std::string *error)
{
    int64_t ts = frame->best_effort_timestamp != AV_NOPTS_VALUE ? frame->best_effort_timestamp : frame->pts;
    if (ts == AV_NOPTS_VALUE)
        return 0;
    const int si = video ? m_in->videoStream : m_in->audioStreams.front();
    const int64_t tUs = toUs(ts, m_in->ctx()->streams[si]->time_base) - m_in->originUs();
    if (m_rangeEndUs > 0 && tUs >= m_rangeEndUs) {
        (video ? m_videoDone : m_audioDone) = true;
        return 0;
    }
    if (video) {
        if (tUs < m_startUs) {
            if (!m_held && !(m_held = makeFrame()))
                return AVERROR(ENOMEM);
            av_frame_unref(m_held.get());
            return av_frame_ref(m_held.get(), frame);
        }
        ++m_taskPictures;
        m_subtitles.feedCaptions(frame, tUs);
        // The range starts in a hole of the video: the picture before it
        // stands until this one.
        const int64_t frameUs = av_rescale_q(1, av_inv_q(m_video.enc->framerate), AV_TIME_BASE_Q);
        if (!m_pictureSent && tUs - m_startUs >= frameUs) {
            if (int err = holdPicture(out, error); err < 0)
                return err;
        }
        if (m_worker)
            m_worker->doneUs = std::clamp<int64_t>(tUs - m_startUs, m_worker->doneUs, m_worker->totalUs);
        return pushPicture(frame, tUs, out, error);
    }
    if (!m_audioEdit.isOpen()) {
        if (int err = buildAudioGraph(frame, error); err < 0)
            return err;
    }
    if (tUs + av_rescale(frame->nb_samples, AV_TIME_BASE, frame->sample_rate) > m_startUs)
        ++m_taskSoundFrames;
    frame->pts = av_rescale_q(tUs - m_startUs, AV_TIME_BASE_Q, AVRational{1, frame->sample_rate});
    if (m_worker && !m_hasVideo && tUs >= m_startUs)
        m_worker->doneUs = std::clamp<int64_t>(tUs - m_startUs, m_worker->doneUs, m_worker->totalUs);
    if (int err = m_audioEdit.push(frame, error); err < 0)
        return err;
    return drainGraph(m_audioEdit.sink(), false, out, error);
}

// Edits a source picture shown from media time `tUs` and sends it on.
int EncodePipeline::pushPicture(AVFrame *frame, int64_t tUs, OutputFile &out, std::string *error)
{
    if (!m_vgraph.graph) {
        if (int err = buildVideoGraph(frame, error); err < 0)
            return err;
    }
    // The pictures follow the sound's rate and speed.
    frame->pts = int64_t((tUs - m_startUs) / m_tempo);
    m_lastVideoPts = frame->pts;
    m_pictureSent = true;
    FramePtr edited = m_edit.process(frame, frame->pts, error);
    if (!edited)
        return AVERROR(EINVAL);
    // The edited picture, at the output size: later picture steps go here.
    return pushToGraph(m_vgraph, edited.get(), true, out, error);
}

int EncodePipeline::pushToGraph(Graph &g, AVFrame *frame, bool video, OutputFile &out, std::string *error)
{
    int err = av_buffersrc_add_frame_flags(g.src, frame, 0);
    if (err < 0) {
        *error = errorText(err, std::string("cannot filter the ") + (video ? "video" : "audio"));
        return err;
    }
    return drainGraph(g.sink, video, out, error);
}

int EncodePipeline::drainGraph(AVFilterContext *sink, bool video, OutputFile &out, std::string *error)
{
    AVFrame *f = m_filtered.get();
    EncodedStream &s = video ? m_video : m_audio;
    const AVRational sinkTb = av_buffersink_get_time_base(sink);
    const AVRational encTb = s.enc->time_base;
    const int64_t offset = av_rescale_q(m_offsetUs, AV_TIME_BASE_Q, encTb);
    for (;;) {
        int err = av_buffersink_get_frame(sink, f);
        if (err == AVERROR(EAGAIN) || err == AVERROR_EOF)
            return 0;
        if (err < 0) {
            *error = errorText(err, std::string("cannot filter the ") + (video ? "video" : "audio"));
            return err;
        }
        if (video && m_subtitles.active() && f->pts != AV_NOPTS_VALUE) {
            if ((err = burnSubtitles(f, av_rescale_q(f->pts, sinkTb, AV_TIME_BASE_Q), error)) < 0)
                return err;
        }
        int64_t pts = f->pts == AV_NOPTS_VALUE ? s.nextPts : av_rescale_q(f->pts, sinkTb, encTb) + offset;
        pts = std::max(pts, s.nextPts);
        f->pts = pts;
        s.nextPts = pts + (video ? 1 : f->nb_samples);
        if (video)
            f->pict_type = AV_PICTURE_TYPE_NONE;
        const int64_t endPts = video ? pts + frameTicks(s) : s.nextPts;
        m_outputEndUs = std::max(m_outputEndUs, av_rescale_q(endPts, encTb, AV_TIME_BASE_Q));
        err = encode(s, f, out, error);
        av_frame_unref(f);
        if (err < 0)
            return err;
    }
}

int EncodePipeline::encode(EncodedStream &s, AVFrame *frame, OutputFile &out, std::string *error)
{
    AVCodecContext *enc = s.enc.get();
    int err = avcodec_send_frame(enc, frame);
    if (err < 0 && !(err == AVERROR_EOF && !frame)) {
        *error = errorText(err, std::string("encoder ") + enc->codec->name + " failed");
        return err;
    }
    if (!m_encoded && !(m_encoded = PacketPtr(av_packet_alloc())))
        return AVERROR(ENOMEM);
    AVPacket *pkt = m_encoded.get();
    for (;;) {
        err = avcodec_receive_packet(enc, pkt);
        if (err == AVERROR(EAGAIN) || err == AVERROR_EOF)
            return 0;
        if (err < 0) {
            *error = errorText(err, std::string("encoder ") + enc->codec->name + " failed");
            return err;
        }
        pkt->stream_index = s.stream->index;
        if (pkt->duration == 0 && enc->codec_type == AVMEDIA_TYPE_VIDEO)
            pkt->duration = frameTicks(s);   // one frame at the nominal rate
        av_packet_rescale_ts(pkt, enc->time_base, s.stream->time_base);
        err = av_interleaved_write_frame(out.ctx(), pkt);
        if (err < 0) {
            *error = errorText(err, "cannot write " + out.path());
            return err;
        }
    }
}

// Subtitles are looked up by media time: output time runs faster or slower
// than the source's by the rate and speed.
int EncodePipeline::burnSubtitles(AVFrame *picture, int64_t outputUs, std::string *error)
{
    const int err = av_frame_make_writable(picture);
    if (err < 0) {
        *error = errorText(err, "cannot draw the subtitles");
        return err;
    }
    m_subtitles.burn(picture, m_startUs + int64_t(outputUs * m_tempo), -1, m_worker ? &m_worker->abort : nullptr);
    return 0;
}

int EncodePipeline::flush(OutputFile &out, std::string *error)
{
    int err = 0;
    if (m_hasVideo)
        err = encode(m_video, nullptr, out, error);
    if (err >= 0 && m_hasAudio)
        err = encode(m_audio, nullptr, out, error);
    return err;
}

} // namespace zv::job
