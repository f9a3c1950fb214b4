#include "job/CopyPipeline.h"

#include <algorithm>
#include <cstring>

namespace zv::job {

namespace {

constexpr int64_t kSecondUs = 1000000;

int64_t toUs(int64_t ts, AVRational tb)
{
    return av_rescale_q(ts, tb, AV_TIME_BASE_Q);
}

void copyStreamExtras(const AVStream *from, AVStream *to)
{
    av_dict_copy(&to->metadata, from->metadata, 0);
    to->disposition = from->disposition;
    to->avg_frame_rate = from->avg_frame_rate;
    to->r_frame_rate = from->r_frame_rate;
    to->sample_aspect_ratio = from->sample_aspect_ratio;
    // The display matrix among them keeps rotated sources upright.
    for (int i = 0; i < from->nb_side_data; ++i) {
        const AVPacketSideData &sd = from->side_data[i];
        if (uint8_t *dst = av_stream_new_side_data(to, sd.type, sd.size))
            std::memcpy(dst, sd.data, sd.size);
    }
}

// FLAC's stream header states the whole source's sample count and checksum;
// for a part of it both are wrong, and verifying decoders would call the copy
// corrupt. Zero means "unknown" for both.
void forgetFlacTotals(AVCodecParameters *p)
{
    const int streamInfoSize = 34;
    if (p->codec_id != AV_CODEC_ID_FLAC || p->extradata_size < streamInfoSize)
        return;
    uint8_t *info = p->extradata;
    if (p->extradata_size >= streamInfoSize + 8 && std::memcmp(info, "fLaC", 4) == 0)
        info += 8;
    info[13] &= 0xF0;                       // the low 4 of the 36 bits of the sample count
    std::memset(info + 14, 0, 4 + 16);      // the rest of it and the MD5 signature
}

} // namespace

CopyPipeline::~CopyPipeline()
{
    clearPending();
    for (AVBSFContext *b : m_annexB)
        av_bsf_free(&b);
    for (AVCodecParameters *p : m_reference)
        avcodec_parameters_free(&p);
}

void CopyPipeline::clearPending()
{
    for (AVPacket *p : m_pending)
        av_packet_free(&p);
    m_pending.clear();
}

bool CopyPipeline::sameCodec(const AVCodecParameters *a, const AVCodecParameters *b) const
{
    if (a->codec_type != b->codec_type || a->codec_id != b->codec_id)
        return false;
    if (a->codec_type == AVMEDIA_TYPE_VIDEO && (a->width != b->width || a->height != b->height))
        return false;
    if (a->codec_type == AVMEDIA_TYPE_AUDIO
        && (a->sample_rate != b->sample_rate || a->ch_layout.nb_channels != b->ch_layout.nb_channels))
        return false;
    return a->extradata_size == b->extradata_size
        && (a->extradata_size == 0 || std::memcmp(a->extradata, b->extradata, a->extradata_size) == 0);
}

int CopyPipeline::attach(InputSource &in, OutputFile &out, const JobConfig &cfg, std::string *error)
{
    AVFormatContext *ic = in.ctx();
    AVFormatContext *oc = out.ctx();
    std::vector<int> chosen;
    if (in.videoStream >= 0)
        chosen.push_back(in.videoStream);
    chosen.insert(chosen.end(), in.audioStreams.begin(), in.audioStreams.end());
    chosen.insert(chosen.end(), in.subtitleStreams.begin(), in.subtitleStreams.end());

    m_map.assign(ic->nb_streams, -1);
    const bool first = m_reference.empty();
    if (!first && chosen.size() != m_reference.size()) {
        *error = "the streams of " + std::string(ic->url) + " differ from the first task's";
        return AVERROR(EINVAL);
    }
    for (size_t k = 0; k < chosen.size(); ++k) {
        const AVStream *is = ic->streams[chosen[k]];
        m_map[chosen[k]] = int(k);
        if (!first) {
            if (!sameCodec(is->codecpar, m_reference[k])) {
                *error = "stream " + std::to_string(chosen[k]) + " of " + ic->url
                    + " differs in codec or codec bytes from the first task's";
                return AVERROR(EINVAL);
            }
            continue;
        }
        AVStream *os = avformat_new_stream(oc, nullptr);
        AVCodecParameters *ref = avcodec_parameters_alloc();
        if (!os || !ref) {
            avcodec_parameters_free(&ref);
            *error = "out of memory adding an output stream";
            return AVERROR(ENOMEM);
        }
        m_reference.push_back(ref);
        m_converters.emplace_back();
        m_annexB.push_back(nullptr);
        int err = avcodec_parameters_copy(ref, is->codecpar);
        if (err < 0) {
            *error = errorText(err, "cannot copy the parameters of stream " + std::to_string(chosen[k]));
            return err;
        }
        os->time_base = is->time_base;
        copyStreamExtras(is, os);
        if (is->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE) {
            // Text cues the container cannot carry as they are go out in its own text codec.
            const AVCodecID asked = cfg.subtitleCodec == AV_CODEC_ID_MOV_TEXT || cfg.subtitleCodec == AV_CODEC_ID_TEXT
                ? AVCodecID(cfg.subtitleCodec) : AV_CODEC_ID_NONE;
            const AVCodecID target = SubtitleConverter::targetCodec(is->codecpar, asked, oc->oformat);
            if (target != is->codecpar->codec_id) {
                m_converters.back() = std::make_unique<SubtitleConverter>();
                if ((err = m_converters.back()->open(is, target, os, error)) < 0)
                    return err;
                continue;
            }
        }
        err = avcodec_parameters_copy(os->codecpar, is->codecpar);
        if (err < 0) {
            *error = errorText(err, "cannot copy the parameters of stream " + std::to_string(chosen[k]));
            return err;
        }
        forgetFlacTotals(os->codecpar);
        // Keep the source's tag only where this muxer maps it to the same codec.
        const uint32_t tag = is->codecpar->codec_tag;
        os->codecpar->codec_tag = 0;
        if (tag && oc->oformat->codec_tag
            && av_codec_get_id(oc->oformat->codec_tag, tag) == is->codecpar->codec_id)
            os->codecpar->codec_tag = tag;
        if ((err = setUpAnnexB(is, os, oc->oformat, error)) < 0)
            return err;
    }
    if (first && m_allowExternal && !cfg.subtitleFile.empty()) {
        if (int err = attachExternalSubtitles(cfg.subtitleFile, cfg, oc, error); err < 0)
            return err;
    }
    if (first) {
        av_dict_copy(&oc->metadata, ic->metadata, 0);
        // A guard only: the copy rebases its timestamps to start at 0 itself.
        oc->avoid_negative_ts = AVFMT_AVOID_NEG_TS_MAKE_ZERO;
    }
    m_lastDts.assign(m_reference.size(), AV_NOPTS_VALUE);
    return 0;
}

int CopyPipeline::setUpAnnexB(const AVStream *is, AVStream *os, const AVOutputFormat *format, std::string *error)
{
    // Stream formats (avi, program streams, raw) want start codes where mp4 and
    // Matroska store length-prefixed NAL units; mpegts converts by itself.
    const AVCodecParameters *p = is->codecpar;
    const char *filter = p->codec_id == AV_CODEC_ID_H264 ? "h264_mp4toannexb"
                        : p->codec_id == AV_CODEC_ID_HEVC ? "hevc_mp4toannexb" : nullptr;
    const std::string name = format->name;
    const bool wantsStartCodes = name == "avi" || name == "mpeg" || name == "vob" || name == "dvd" || name == "h264"
        || name == "hevc";
    if (!filter || !wantsStartCodes || p->extradata_size < 1 || p->extradata[0] != 1)
        return 0;
    AVBSFContext *bsf = nullptr;
    int err = av_bsf_alloc(av_bsf_get_by_name(filter), &bsf);
    if (err >= 0) {
        m_annexB.back() = bsf;
        err = avcodec_parameters_copy(bsf->par_in, p);
    }
    if (err >= 0) {
        bsf->time_base_in = is->time_base;
        err = av_bsf_init(bsf);
    }
    if (err >= 0) {
        const uint32_t tag = os->codecpar->codec_tag;
        err = avcodec_parameters_copy(os->codecpar, bsf->par_out);
        os->codecpar->codec_tag = tag;
    }
    if (err < 0)
        *error = errorText(err, std::string("cannot set up ") + filter);
    return err;
}

int CopyPipeline::writeThroughAnnexB(AVBSFContext *bsf, AVPacket *pkt, AVFormatContext *oc, std::string *error)
{
    const int stream = pkt->stream_index;
    int err = av_bsf_send_packet(bsf, pkt);
    while (err >= 0) {
        err = av_bsf_receive_packet(bsf, pkt);
        if (err == AVERROR(EAGAIN) || err == AVERROR_EOF)
            return 0;
        if (err >= 0) {
            pkt->stream_index = stream;
            err = av_interleaved_write_frame(oc, pkt);
        }
    }
    *error = errorText(err, "cannot write " + std::string(oc->url));
    return err;
}

int CopyPipeline::attachExternalSubtitles(const std::string &path, const JobConfig &cfg, AVFormatContext *oc,
                                          std::string *error)
{
    MediaLocation where;
    where.path = path;
    m_external = InputMedia::open(where, nullptr, *error);
    if (!m_external)
        return AVERROR(EIO);
    AVFormatContext *sc = m_external->format();
    m_externalIn = av_find_best_stream(sc, AVMEDIA_TYPE_SUBTITLE, -1, -1, nullptr, 0);
    if (m_externalIn < 0) {
        *error = "no subtitles in " + path;
        return m_externalIn;
    }
    const AVStream *is = sc->streams[m_externalIn];
    AVStream *os = avformat_new_stream(oc, nullptr);
    if (!os)
        return AVERROR(ENOMEM);
    m_externalOut = os->index;
    os->time_base = is->time_base;
    const AVCodecID asked = cfg.subtitleCodec == AV_CODEC_ID_MOV_TEXT || cfg.subtitleCodec == AV_CODEC_ID_TEXT
        ? AVCodecID(cfg.subtitleCodec) : AV_CODEC_ID_NONE;
    const AVCodecID target = SubtitleConverter::targetCodec(is->codecpar, asked, oc->oformat);
    if (target != is->codecpar->codec_id) {
        m_externalConverter = std::make_unique<SubtitleConverter>();
        return m_externalConverter->open(is, target, os, error);
    }
    int err = avcodec_parameters_copy(os->codecpar, is->codecpar);
    os->codecpar->codec_tag = 0;
    if (err < 0)
        *error = errorText(err, "cannot take the subtitles of " + path);
    return err;
}

int CopyPipeline::writeExternalSubtitles(int64_t originUs, int64_t offsetUs, AVFormatContext *oc, std::string *error)
{
    // A subtitle file is small: its cues inside the range go out at once and the
    // muxer interleaves them with the streams that follow.
    AVFormatContext *sc = m_external->format();
    const AVRational itb = sc->streams[m_externalIn]->time_base;
    const AVRational otb = oc->streams[m_externalOut]->time_base;
    PacketPtr pkt(av_packet_alloc());
    if (!pkt)
        return AVERROR(ENOMEM);
    int64_t lastDts = AV_NOPTS_VALUE;
    for (;;) {
        int err = av_read_frame(sc, pkt.get());
        if (err == AVERROR_EOF)
            return 0;
        if (err < 0) {
            *error = errorText(err, "cannot read " + std::string(sc->url));
            return err;
        }
        if (pkt->stream_index != m_externalIn || pkt->pts == AV_NOPTS_VALUE) {
            av_packet_unref(pkt.get());
            continue;
        }
        const int64_t startUs = toUs(pkt->pts, itb) - m_external->startTime();
        int64_t endUs = startUs + toUs(pkt->duration, itb);
        if (m_rangeEndUs > 0)
            endUs = std::min(endUs, m_rangeEndUs);
        if (endUs <= m_keyUs || (m_rangeEndUs > 0 && startUs >= m_rangeEndUs)) {
            av_packet_unref(pkt.get());
            continue;
        }
        // Cue times are media time of the video; rebase them as the video is.
        const int64_t outStart = std::max<int64_t>(0, startUs + originUs - m_keyDtsRaw + offsetUs);
        const int64_t outEnd = endUs + originUs - m_keyDtsRaw + offsetUs;
        pkt->pts = pkt->dts = av_rescale_q(outStart, AV_TIME_BASE_Q, otb);
        if (lastDts != AV_NOPTS_VALUE && pkt->dts <= lastDts)
            pkt->pts = pkt->dts = lastDts + 1;
        lastDts = pkt->dts;
        pkt->duration = std::max<int64_t>(1, av_rescale_q(outEnd - outStart, AV_TIME_BASE_Q, otb));
        pkt->stream_index = m_externalOut;
        pkt->pos = -1;
        err = m_externalConverter ? m_externalConverter->write(pkt.get(), oc, error)
                                  : av_interleaved_write_frame(oc, pkt.get());
        av_packet_unref(pkt.get());
        if (err < 0) {
            if (error->empty())
                *error = errorText(err, "cannot write the subtitles");
            return err;
        }
    }
}

int CopyPipeline::findStart(InputSource &in, int64_t startUs, int64_t durationUs, std::string *error)
{
    clearPending();
    AVFormatContext *ic = in.ctx();
    const int64_t mediaUs = in.durationUs();
    if (mediaUs > 0 && startUs >= mediaUs) {
        *error = "the range starts after the end of " + std::string(ic->url);
        return AVERROR(EINVAL);
    }
    m_rangeEndUs = durationUs > 0 ? startUs + durationUs : 0;

    // The copy starts at a key frame of the video (any packet of an audio-only
    // source is one); the packet search needs no decoding.
    int anchor = in.videoStream;
    for (size_t i = 0; anchor < 0 && i < m_map.size(); ++i) {
        if (m_map[i] >= 0)
            anchor = int(i);
    }
    const bool videoAnchor = anchor == in.videoStream;
    // Demuxers without an index (MPEG-TS, raw audio) seek by a timestamp search
    // that may land past the key frame before the start, or past the start
    // itself: then look again from further back.
    for (int64_t backUs = 0;; backUs = std::max<int64_t>(kSecondUs, backUs * 2)) {
        const int64_t seekUs = std::max<int64_t>(0, startUs - backUs);
        const bool fromTheTop = seekUs == 0;
        int err = seekTo(in, anchor, seekUs);
        if (err < 0)
            return err;
        bool tooLate = false;
        err = scanForKey(in, anchor, videoAnchor, startUs, fromTheTop, &tooLate, error);
        if (err < 0 || !tooLate)
            return err;
        clearPending();
    }
}

int CopyPipeline::seekTo(InputSource &in, int anchor, int64_t seekUs)
{
    AVFormatContext *ic = in.ctx();
    const AVRational atb = ic->streams[anchor]->time_base;
    const int64_t target = av_rescale_q(seekUs + in.originUs(), AV_TIME_BASE_Q, atb);
    int err = avformat_seek_file(ic, anchor, INT64_MIN, target, target, 0);
    if (err < 0) {
        err = avformat_seek_file(ic, anchor, INT64_MIN, target, target, AVSEEK_FLAG_ANY);
        if (err < 0)
            logLine(errorText(err, "seek failed, copying from the current position"));
    }
    return 0;
}

int CopyPipeline::scanForKey(InputSource &in, int anchor, bool videoAnchor, int64_t startUs, bool fromTheTop,
                             bool *tooLate, std::string *error)
{
    AVFormatContext *ic = in.ctx();
    bool firstAnchor = true;
    for (;;) {
        AVPacket *pkt = av_packet_alloc();
        if (!pkt)
            return AVERROR(ENOMEM);
        int err = av_read_frame(ic, pkt);
        if (err < 0) {
            av_packet_free(&pkt);
            clearPending();
            *error = err == AVERROR_EOF ? "the range starts after the end of " + std::string(ic->url)
                                        : errorText(err, "cannot read " + std::string(ic->url));
            return err == AVERROR_EOF ? AVERROR(EINVAL) : err;
        }
        const int si = pkt->stream_index;
        if (si >= int(m_map.size()) || m_map[si] < 0 || pkt->pts == AV_NOPTS_VALUE) {
            av_packet_free(&pkt);
            continue;
        }
        const AVRational tb = ic->streams[si]->time_base;
        const int64_t ptsUs = toUs(pkt->pts, tb) - in.originUs();
        if (si == anchor) {
            const bool key = (pkt->flags & AV_PKT_FLAG_KEY) != 0;
            // The seek landed past the start (audio) or past the key frame before it (video).
            if (!fromTheTop && ptsUs > startUs && (videoAnchor ? key : firstAnchor)) {
                av_packet_free(&pkt);
                *tooLate = true;
                return 0;
            }
            firstAnchor = false;
            if (key && (videoAnchor || ptsUs >= startUs)) {
                m_keyUs = ptsUs;
                m_keyDtsRaw = toUs(pkt->dts != AV_NOPTS_VALUE ? pkt->dts : pkt->pts, tb);
                m_keyDtsUs = m_keyDtsRaw - in.originUs();
                m_pending.push_back(pkt);
                return 0;
            }
            av_packet_free(&pkt);
            continue;
        }
        // Other streams may interleave ahead of the key packet; run() drops
        // the ones that start before it.
        if (m_pending.size() > 4096) {
            av_packet_free(&pkt);
            continue;
        }
        m_pending.push_back(pkt);
    }
}

int CopyPipeline::run(InputSource &in, OutputFile &out, int64_t offsetUs, Worker &worker,
                      std::string *error)
{
    AVFormatContext *ic = in.ctx();
    AVFormatContext *oc = out.ctx();
    const int64_t endUs = m_rangeEndUs > 0 ? m_rangeEndUs : in.durationUs();
    worker.totalUs = std::max<int64_t>(0, endUs - m_keyUs);

    std::vector<int64_t> shift(ic->nb_streams, 0);
    for (unsigned i = 0; i < ic->nb_streams; ++i)
        shift[i] = av_rescale_q(m_keyDtsRaw - offsetUs, AV_TIME_BASE_Q, ic->streams[i]->time_base);
    if (m_external && m_externalOut >= 0) {
        if (int err = writeExternalSubtitles(in.originUs(), offsetUs, oc, error); err < 0)
            return err;
    }
    std::vector<bool> ended(m_reference.size(), false);
    // Sparse subtitle streams may have no packet past the end for a long time;
    // the copy ends once the video and audio streams passed it.
    std::vector<bool> holds(m_reference.size(), true);
    size_t holding = 0;
    for (size_t k = 0; k < m_reference.size(); ++k) {
        holds[k] = m_reference[k]->codec_type != AVMEDIA_TYPE_SUBTITLE;
        holding += holds[k] ? 1 : 0;
    }
    if (holding == 0) {
        std::fill(holds.begin(), holds.end(), true);
        holding = holds.size();
    }
    size_t endedCount = 0;
    size_t next = 0;
    // Video frames past E (the B-frame tail) are shown; the other streams run to
    // the end of the pictures written, so sound and picture end together.
    int64_t videoEndUs = 0;
    PacketPtr owned(av_packet_alloc());
    if (!owned)
        return AVERROR(ENOMEM);

    while (endedCount < holding) {
        if (worker.abort)
            return AVERROR_EXIT;
        AVPacket *pkt = owned.get();
        if (next < m_pending.size()) {
            av_packet_move_ref(pkt, m_pending[next++]);
        } else {
            int err = av_read_frame(ic, pkt);
            if (err == AVERROR_EOF)
                break;
            if (err < 0) {
                *error = errorText(err, "cannot read " + std::string(ic->url));
                return err;
            }
        }
        const int si = pkt->stream_index;
        const int os = si < int(m_map.size()) ? m_map[si] : -1;
        if (os < 0 || ended[os] || pkt->pts == AV_NOPTS_VALUE) {
            av_packet_unref(pkt);
            continue;
        }
        const AVStream *is = ic->streams[si];
        const bool video = si == in.videoStream;
        const int64_t ptsUs = toUs(pkt->pts, is->time_base) - in.originUs();
        const int64_t dtsUs = pkt->dts != AV_NOPTS_VALUE ? toUs(pkt->dts, is->time_base) - in.originUs()
                                                         : ptsUs;
        // Video runs while dts < E, which keeps every frame the pictures before E need.
        if (m_rangeEndUs > 0 && (video ? dtsUs : ptsUs) >= std::max(m_rangeEndUs, video ? 0 : videoEndUs)) {
            ended[os] = true;
            endedCount += holds[os] ? 1 : 0;
            av_packet_unref(pkt);
            continue;
        }
        // Open GOPs: pictures decoded after K but shown before it lean on
        // frames that were not copied, and belong to the part before the range.
        if (ptsUs < m_keyUs) {
            av_packet_unref(pkt);
            continue;
        }
        if (video)
            videoEndUs = std::max(videoEndUs, ptsUs + toUs(pkt->duration, is->time_base));
        else if (m_rangeEndUs > 0 && is->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE
                 && ptsUs + toUs(pkt->duration, is->time_base) > m_rangeEndUs)
            // A cue running past E would stretch the output beyond the range.
            pkt->duration = std::max<int64_t>(1, av_rescale_q(m_rangeEndUs - ptsUs, AV_TIME_BASE_Q, is->time_base));
        pkt->pts -= shift[si];
        if (pkt->dts != AV_NOPTS_VALUE)
            pkt->dts -= shift[si];
        const AVStream *ost = oc->streams[os];
        av_packet_rescale_ts(pkt, is->time_base, ost->time_base);
        pkt->stream_index = os;
        pkt->pos = -1;
        if (pkt->dts != AV_NOPTS_VALUE) {
            if (m_lastDts[os] != AV_NOPTS_VALUE && pkt->dts <= m_lastDts[os])
                pkt->dts = m_lastDts[os] + 1;
            if (pkt->pts < pkt->dts)
                pkt->pts = pkt->dts;
            m_lastDts[os] = pkt->dts;
        }
        const int64_t outPtsUs = toUs(pkt->pts, ost->time_base);
        m_outputEndUs = std::max(m_outputEndUs, outPtsUs + toUs(pkt->duration, ost->time_base));
        worker.doneUs = std::clamp<int64_t>(outPtsUs - offsetUs, worker.doneUs.load(), worker.totalUs.load());

        if (m_converters[os]) {
            int err = m_converters[os]->write(pkt, oc, error);
            av_packet_unref(pkt);
            if (err < 0)
                return err;
            continue;
        }
        if (m_annexB[os]) {
            int err = writeThroughAnnexB(m_annexB[os], pkt, oc, error);
            av_packet_unref(pkt);
            if (err < 0)
                return err;
            continue;
        }
        int err = av_interleaved_write_frame(oc, pkt);
        if (err < 0) {
            *error = errorText(err, "cannot write " + out.path());
            return err;
        }
    }
    clearPending();
    if (worker.abort)
        return AVERROR_EXIT;
    worker.doneUs = worker.totalUs.load();
    return 0;
}

} // namespace zv::job
