#include "job/CopyPipeline.h"

#include "job/PacketTime.h"

#include <algorithm>
#include <cstring>

namespace zv::job {

namespace {

int copyStreamExtras(const AVStream *from, AVStream *to)
{
    if (const int err = av_dict_copy(&to->metadata, from->metadata, 0); err < 0)
        return err;
    to->disposition = from->disposition;
    to->avg_frame_rate = from->avg_frame_rate;
    to->r_frame_rate = from->r_frame_rate;
    to->sample_aspect_ratio = from->sample_aspect_ratio;
    // The display matrix among them keeps rotated sources upright.
    for (int i = 0; i < from->nb_side_data; ++i) {
        const AVPacketSideData &sd = from->side_data[i];
        uint8_t *dst = av_stream_new_side_data(to, sd.type, sd.size);
        if (!dst)
            return AVERROR(ENOMEM);
        std::memcpy(dst, sd.data, sd.size);
    }
    return 0;
}

} // namespace

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
            if (!sameCodec(is->codecpar, m_reference[k].get())) {
                *error = "stream " + std::to_string(chosen[k]) + " of " + ic->url
                    + " differs in codec or codec bytes from the first task's";
                return AVERROR(EINVAL);
            }
            continue;
        }
        if (int err = addOutputStream(is, oc, cfg, error); err < 0)
            return err;
    }
    if (first && m_allowExternal && !cfg.subtitleFile.empty()) {
        if (int err = attachExternalSubtitles(cfg.subtitleFile, cfg, oc, error); err < 0)
            return err;
    }
    if (first) {
        if (const int err = av_dict_copy(&oc->metadata, ic->metadata, 0); err < 0) {
            *error = errorText(err, "cannot copy the source's metadata");
            return err;
        }
        // A guard only: the copy rebases its timestamps to start at 0 itself.
        oc->avoid_negative_ts = AVFMT_AVOID_NEG_TS_MAKE_ZERO;
    }
    m_lastDts.assign(m_reference.size(), AV_NOPTS_VALUE);
    return 0;
}

int CopyPipeline::addOutputStream(const AVStream *is, AVFormatContext *oc, const JobConfig &cfg, std::string *error)
{
    AVStream *os = avformat_new_stream(oc, nullptr);
    ParametersPtr ref(avcodec_parameters_alloc());
    if (!os || !ref) {
        *error = "out of memory adding an output stream";
        return AVERROR(ENOMEM);
    }
    int err = avcodec_parameters_copy(ref.get(), is->codecpar);
    if (err < 0) {
        *error = errorText(err, "cannot copy the parameters of stream " + std::to_string(is->index));
        return err;
    }
    m_reference.push_back(std::move(ref));
    m_converters.emplace_back();
    m_annexB.emplace_back();
    m_flacTotals.emplace_back();
    m_held.emplace_back();
    os->time_base = is->time_base;
    if (const int err = copyStreamExtras(is, os); err < 0) {
        *error = errorText(err, "cannot copy the details of stream " + std::to_string(is->index));
        return err;
    }
    if (is->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE) {
        // Text cues the container cannot carry as they are go out in its own text codec.
        const AVCodecID asked = cfg.subtitleCodec == AV_CODEC_ID_MOV_TEXT || cfg.subtitleCodec == AV_CODEC_ID_TEXT
            ? AVCodecID(cfg.subtitleCodec) : AV_CODEC_ID_NONE;
        const AVCodecID target = SubtitleConverter::targetCodec(is->codecpar, asked, oc->oformat);
        if (target != is->codecpar->codec_id) {
            m_converters.back() = std::make_unique<SubtitleConverter>();
            return m_converters.back()->open(is, target, os, error);
        }
    }
    err = avcodec_parameters_copy(os->codecpar, is->codecpar);
    if (err < 0) {
        *error = errorText(err, "cannot copy the parameters of stream " + std::to_string(is->index));
        return err;
    }
    if (FlacTotals::wanted(os->codecpar, oc->oformat)) {
        m_flacTotals.back() = std::make_unique<FlacTotals>();
        if ((err = m_flacTotals.back()->open(is->codecpar, error)) < 0)
            return err;
    }
    FlacTotals::forget(os->codecpar);
    // Keep the source's tag only where this muxer maps it to the same codec.
    const uint32_t tag = is->codecpar->codec_tag;
    os->codecpar->codec_tag = 0;
    if (tag && oc->oformat->codec_tag && av_codec_get_id(oc->oformat->codec_tag, tag) == is->codecpar->codec_id)
        os->codecpar->codec_tag = tag;
    return setUpAnnexB(is, os, oc->oformat, error);
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
    const AVBitStreamFilter *annexB = av_bsf_get_by_name(filter);
    if (!annexB) {
        *error = std::string("this FFmpeg build has no ") + filter;
        return AVERROR_BSF_NOT_FOUND;
    }
    AVBSFContext *bsf = nullptr;
    int err = av_bsf_alloc(annexB, &bsf);
    m_annexB.back().reset(bsf);
    if (err >= 0)
        err = avcodec_parameters_copy(bsf->par_in, p);
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

int CopyPipeline::flush(OutputFile &out, std::string *error)
{
    for (size_t k = 0; k < m_flacTotals.size(); ++k) {
        if (!m_flacTotals[k])
            continue;
        PacketPtr last;
        int err = m_flacTotals[k]->finish(out.ctx()->streams[k]->codecpar, &last, error);
        if (err >= 0 && last && (err = av_interleaved_write_frame(out.ctx(), last.get())) < 0)
            *error = errorText(err, "cannot write " + out.path());
        if (err < 0)
            return err;
    }
    return 0;
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

} // namespace zv::job
