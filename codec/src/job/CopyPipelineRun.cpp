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
    RunState run = beginRun(in, offsetUs);
    m_reach.reset();
    int err = startRun(in, out, offsetUs, worker, error);
    PacketPtr pkt = makePacket();
    if (err >= 0 && !pkt)
        err = AVERROR(ENOMEM);
    while (err >= 0 && run.endedCount < run.holding) {
        if (worker.abort)
            return AVERROR_EXIT;
        err = nextPacket(in, run, pkt.get(), error);
        if (err == AVERROR_EOF) {
            err = m_reach.checkEnd(in, m_rangeEndUs, error);
            break;
        }
        if (err >= 0 && pkt->stream_index < int(m_map.size()) && m_map[pkt->stream_index] >= 0)
            m_reach.note(in, *pkt);
        if (err >= 0 && place(in, out.ctx(), run, pkt.get()))
            err = copyPacket(in, run, pkt.get(), out, worker, error);
        av_packet_unref(pkt.get());
    }
    m_pending.clear();
    if (err >= 0 && !worker.abort)
        err = releaseAllPictures(out, error);
    if (err < 0)
        return err;
    if (worker.abort)
        return AVERROR_EXIT;
    // Callers divide by the total: it is never left at 0.
    worker.totalUs = std::max<int64_t>({worker.totalUs.load(), worker.doneUs.load(), 1});
    worker.doneUs = worker.totalUs.load();
    return 0;
}

int CopyPipeline::startRun(InputSource &in, OutputFile &out, int64_t offsetUs, Worker &worker, std::string *error)
{
    const int64_t endUs = m_rangeEndUs > 0 ? m_rangeEndUs : in.durationUs();
    // An unknown duration is estimated from the bytes read as the copy goes.
    worker.totalUs = endUs > 0 ? std::max<int64_t>(0, endUs - m_keyUs) : 0;
    for (HeldPictures &held : m_held) {
        // Left by a run that failed: its output is void.
        for (size_t i = 0; i < held.count; ++i)
            av_packet_unref(held.packets[i].get());
        held.count = 0;
    }
    if (m_external && m_externalOut >= 0)
        return writeExternalSubtitles(in.originUs(), offsetUs, out.ctx(), error);
    return 0;
}

int CopyPipeline::copyPacket(InputSource &in, const RunState &run, AVPacket *pkt, OutputFile &out, Worker &worker,
                             std::string *error)
{
    const int os = pkt->stream_index;
    const AVRational otb = out.ctx()->streams[os]->time_base;
    const int64_t outUs = pkt->pts != AV_NOPTS_VALUE ? toUs(pkt->pts, otb) : toUs(pkt->dts, otb);
    m_outputEndUs = std::max(m_outputEndUs, outUs + toUs(pkt->duration, otb));
    reportProgress(in, run, outUs, worker);
    return writePicture(os, pkt, out, error);
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

int CopyPipeline::writePicture(int os, AVPacket *pkt, OutputFile &out, std::string *error)
{
    if (m_reference[os]->codec_type != AVMEDIA_TYPE_VIDEO)
        return writePacket(os, pkt, out, error);
    HeldPictures &held = m_held[os];
    held.timed = held.timed || pkt->pts != AV_NOPTS_VALUE;
    // B-pictures are shown as they are decoded; a reference picture is shown later.
    const bool reference = pkt->pts == AV_NOPTS_VALUE || pkt->pts > pkt->dts;
    if (held.count > 0 && reference) {
        if (int err = releasePictures(os, held.timed ? pkt->dts : AV_NOPTS_VALUE, out, error); err < 0)
            return err;
    }
    if (held.count == 0 && pkt->pts != AV_NOPTS_VALUE)
        return writePacket(os, pkt, out, error);
    if (held.count == held.packets.size()) {
        held.packets.push_back(makePacket());
        if (!held.packets.back())
            return AVERROR(ENOMEM);
    }
    av_packet_move_ref(held.packets[held.count++].get(), pkt);
    return 0;
}

int CopyPipeline::releasePictures(int os, int64_t shownAt, OutputFile &out, std::string *error)
{
    HeldPictures &held = m_held[os];
    AVPacket *first = held.packets.front().get();
    if (shownAt != AV_NOPTS_VALUE)
        first->pts = std::max(shownAt, first->dts);
    const size_t count = held.count;
    held.count = 0;
    for (size_t i = 0; i < count; ++i) {
        AVPacket *p = held.packets[i].get();
        const int err = writePacket(os, p, out, error);
        av_packet_unref(p);
        if (err < 0)
            return err;
    }
    return 0;
}

int CopyPipeline::releaseAllPictures(OutputFile &out, std::string *error)
{
    for (size_t os = 0; os < m_held.size(); ++os) {
        const HeldPictures &held = m_held[os];
        if (held.count == 0)
            continue;
        // The last reference picture is shown after every picture decoded after it.
        const AVPacket *last = held.packets[held.count - 1].get();
        const int64_t end = held.timed ? last->dts + std::max<int64_t>(1, last->duration) : AV_NOPTS_VALUE;
        if (int err = releasePictures(int(os), end, out, error); err < 0)
            return err;
    }
    return 0;
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
