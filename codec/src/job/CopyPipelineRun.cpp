// The copy loop: packets from the start search's key frame to the range end.
#include "job/CopyPipeline.h"

#include "job/PacketTime.h"

#include <algorithm>

namespace zv::job {

namespace {

constexpr int64_t kSecondUs = 1000000;

} // namespace

int CopyPipeline::run(InputSource &in, OutputFile &out, int64_t offsetUs, Worker &worker, std::string *error)
{
    AVFormatContext *oc = out.ctx();
    const int64_t endUs = m_rangeEndUs > 0 ? m_rangeEndUs : in.durationUs();
    // An unknown duration is estimated from the bytes read as the copy goes.
    worker.totalUs = endUs > 0 ? std::max<int64_t>(0, endUs - m_keyUs) : 0;
    if (m_external && m_externalOut >= 0) {
        if (int err = writeExternalSubtitles(in.originUs(), offsetUs, oc, error); err < 0)
            return err;
    }
    RunState run = beginRun(in, offsetUs);
    PacketPtr pkt = makePacket();
    if (!pkt)
        return AVERROR(ENOMEM);
    while (run.endedCount < run.holding) {
        if (worker.abort)
            return AVERROR_EXIT;
        int err = nextPacket(in, run, pkt.get(), error);
        if (err == AVERROR_EOF)
            break;
        if (err < 0)
            return err;
        if (!place(in, oc, run, pkt.get())) {
            av_packet_unref(pkt.get());
            continue;
        }
        const int os = pkt->stream_index;
        const AVRational otb = oc->streams[os]->time_base;
        const int64_t outUs = pkt->pts != AV_NOPTS_VALUE ? toUs(pkt->pts, otb) : toUs(pkt->dts, otb);
        m_outputEndUs = std::max(m_outputEndUs, outUs + toUs(pkt->duration, otb));
        reportProgress(in, run, outUs, worker);
        err = writePacket(os, pkt.get(), out, error);
        av_packet_unref(pkt.get());
        if (err < 0)
            return err;
    }
    m_pending.clear();
    if (worker.abort)
        return AVERROR_EXIT;
    // Callers divide by the total: it is never left at 0.
    worker.totalUs = std::max<int64_t>({worker.totalUs.load(), worker.doneUs.load(), 1});
    worker.doneUs = worker.totalUs.load();
    return 0;
}

CopyPipeline::RunState CopyPipeline::beginRun(InputSource &in, int64_t offsetUs) const
{
    AVFormatContext *ic = in.ctx();
    RunState run;
    run.offsetUs = offsetUs;
    run.shift.assign(ic->nb_streams, 0);
    for (unsigned i = 0; i < ic->nb_streams; ++i)
        run.shift[i] = av_rescale_q(m_keyDtsRaw - offsetUs, AV_TIME_BASE_Q, ic->streams[i]->time_base);
    run.ended.assign(m_reference.size(), false);
    // Sparse subtitle streams may have no packet past the end for a long time;
    // the copy ends once the video and audio streams passed it.
    run.holds.assign(m_reference.size(), true);
    for (size_t k = 0; k < m_reference.size(); ++k) {
        run.holds[k] = m_reference[k]->codec_type != AVMEDIA_TYPE_SUBTITLE;
        run.holding += run.holds[k] ? 1 : 0;
    }
    if (run.holding == 0) {
        std::fill(run.holds.begin(), run.holds.end(), true);
        run.holding = run.holds.size();
    }
    if (ic->pb) {
        run.size = avio_size(ic->pb);
        run.firstByte = avio_tell(ic->pb);
    }
    return run;
}

int CopyPipeline::nextPacket(InputSource &in, RunState &run, AVPacket *pkt, std::string *error)
{
    if (run.next < m_pending.size()) {
        av_packet_move_ref(pkt, m_pending[run.next++].get());
        return 0;
    }
    const int err = av_read_frame(in.ctx(), pkt);
    if (err < 0 && err != AVERROR_EOF)
        *error = errorText(err, "cannot read " + std::string(in.ctx()->url));
    return err;
}

bool CopyPipeline::place(InputSource &in, const AVFormatContext *oc, RunState &run, AVPacket *pkt)
{
    const AVFormatContext *ic = in.ctx();
    const int si = pkt->stream_index;
    const int os = si < int(m_map.size()) ? m_map[si] : -1;
    if (os < 0 || run.ended[os])
        return false;
    const AVStream *is = ic->streams[si];
    const int64_t rawUs = packetUs(*pkt, is->time_base);
    if (rawUs == AV_NOPTS_VALUE && m_lastDts[os] == AV_NOPTS_VALUE)
        return false;   // untimed, and nothing of its stream placed yet
    const bool video = si == in.videoStream;
    const int64_t us = rawUs != AV_NOPTS_VALUE ? rawUs - in.originUs() : m_keyUs;
    const int64_t dtsUs = pkt->dts != AV_NOPTS_VALUE ? toUs(pkt->dts, is->time_base) - in.originUs() : us;
    // Video runs while dts < E, which keeps every frame the pictures before E
    // need; the other streams run to the end of the pictures written, so sound
    // and picture end together.
    if (m_rangeEndUs > 0 && (video ? dtsUs : us) >= std::max(m_rangeEndUs, video ? 0 : run.videoEndUs)) {
        run.ended[os] = true;
        run.endedCount += run.holds[os] ? 1 : 0;
        return false;
    }
    // Open GOPs: pictures decoded after K but shown before it lean on frames
    // that were not copied, and belong to the part before the range.
    if (us < m_keyUs)
        return false;
    if (video)
        run.videoEndUs = std::max(run.videoEndUs, us + toUs(pkt->duration, is->time_base));
    else if (m_rangeEndUs > 0 && is->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE
             && us + toUs(pkt->duration, is->time_base) > m_rangeEndUs)
        // A cue running past E would stretch the output beyond the range.
        pkt->duration = std::max<int64_t>(1, av_rescale_q(m_rangeEndUs - us, AV_TIME_BASE_Q, is->time_base));

    if (pkt->pts != AV_NOPTS_VALUE)
        pkt->pts -= run.shift[si];
    if (pkt->dts != AV_NOPTS_VALUE)
        pkt->dts -= run.shift[si];
    const AVStream *ost = oc->streams[os];
    av_packet_rescale_ts(pkt, is->time_base, ost->time_base);
    pkt->stream_index = os;
    pkt->pos = -1;
    // Every stream's dts rises strictly, also where the source repeats or
    // leaves it out (program streams store it only beside a pts).
    int64_t &last = m_lastDts[os];
    if (pkt->dts == AV_NOPTS_VALUE) {
        // Pictures come in decode order, so the next dts follows the last.
        const bool follow = (video || pkt->pts == AV_NOPTS_VALUE) && last != AV_NOPTS_VALUE;
        pkt->dts = follow ? last + 1 : pkt->pts;
    }
    if (pkt->dts == AV_NOPTS_VALUE)
        return false;
    if (last != AV_NOPTS_VALUE && pkt->dts <= last)
        pkt->dts = last + 1;
    if (pkt->pts != AV_NOPTS_VALUE && pkt->pts < pkt->dts)
        pkt->pts = pkt->dts;
    last = pkt->dts;
    return true;
}

int CopyPipeline::writePacket(int os, AVPacket *pkt, OutputFile &out, std::string *error)
{
    AVFormatContext *oc = out.ctx();
    if (m_flacTotals[os]) {
        // Each FLAC packet goes out one packet late: the last one carries the totals.
        PacketPtr due;
        if (int err = m_flacTotals[os]->add(pkt, &due, error); err < 0 || !due)
            return err;
        const int err = av_interleaved_write_frame(oc, due.get());
        if (err < 0)
            *error = errorText(err, "cannot write " + out.path());
        return err;
    }
    if (m_converters[os])
        return m_converters[os]->write(pkt, oc, error);
    if (m_annexB[os])
        return writeThroughAnnexB(m_annexB[os].get(), pkt, oc, error);
    const int err = av_interleaved_write_frame(oc, pkt);
    if (err < 0)
        *error = errorText(err, "cannot write " + out.path());
    return err;
}

void CopyPipeline::reportProgress(InputSource &in, const RunState &run, int64_t outUs, Worker &worker) const
{
    const int64_t done = std::max<int64_t>(worker.doneUs.load(), outUs - run.offsetUs);
    if (m_rangeEndUs <= 0 && in.durationUs() <= 0) {
        // Unknown duration: the share of the bytes read so far says how much
        // time the whole holds; without a size, the total stays a second ahead.
        int64_t total = done + kSecondUs;
        const int64_t at = in.ctx()->pb ? avio_tell(in.ctx()->pb) : -1;
        if (run.size > 0 && run.firstByte >= 0 && at > run.firstByte && done > 0) {
            const double share = double(at - run.firstByte) / double(run.size - run.firstByte);
            total = std::max(total, int64_t(double(done) / std::min(1.0, share)));
        }
        worker.totalUs = total;
        worker.doneUs = done;
        return;
    }
    worker.doneUs = std::min<int64_t>(done, worker.totalUs.load());
}

} // namespace zv::job
