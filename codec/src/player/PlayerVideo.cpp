// The video thread: decode, rotate, render the edited picture, queue.
#include "player/Player.h"

#include "core/Log.h"
#include "core/PacketDecoder.h"

namespace zv {

// What the video thread knows about the seek it is serving.
struct VideoRun {
    int serial = -1;
    PlayerRequest req;
    bool passAll = false;   // the target is reached: every picture is queued
    bool decided = false;   // Fast: the first picture was judged
    FramePtr lastBefore;    // newest picture before the target
    std::deque<FramePtr> kept; // Accurate: the pictures just before the target, for the first steps back
    std::deque<EntryPtr> ring; // StepBack: pictures before req.beforeUs
    int64_t lastTs = AV_NOPTS_VALUE; // of the newest picture decoded, in stream units
    bool mayDrop = false;   // frames before the target that nothing refers to need not be decoded
};

namespace {
bool atOrAfter(int64_t pts, int64_t target) { return pts + 1 >= target; }
// An exact seek keeps this many pictures before its target: the first steps
// back then show them at once while the back-fill decodes further back.
constexpr int kKeptBeforeTarget = 6;
} // namespace

// Before the target, pictures this close to it are decoded in full and kept.
int64_t Player::keptSpanUs(const PlayerRequest &req) const
{
    return req.kind == PlayerRequest::Kind::Accurate ? kKeptBeforeTarget * m_frameDurationUs : m_frameDurationUs;
}

bool Player::pushEntry(EntryPtr e)
{
    const bool ok = m_frames.push(std::move(e));
    m_presCv.notify_all();
    return ok;
}

void Player::updateChainLocked(const SourcePicture &upright)
{
    PictureEdit edit;
    uint64_t version = 0;
    {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        version = m_settingsVersion;
        const bool sameSource = m_chainSource.width == upright.width && m_chainSource.height == upright.height
            && av_cmp_q(m_chainSource.sar, upright.sar) == 0;
        // Inside a batch the chain keeps its settings until the outermost End.
        if (sameSource && (version == m_chainVersion || m_batchDepth > 0))
            return;
        edit = PictureEdit::fromConfig(m_settings.edit, m_settings.watermarkMaxCount);
        edit.timed = true;
        for (const auto &[index, timing] : m_settings.overlayTimes)
            if (index < uint32_t(kOverlayLayers))
                edit.timing[index] = timing;
    }
    m_chainSource = upright;
    m_chainVersion = version;
    std::string error;
    if (m_editChain.configure(edit, m_chainSource, int(m_openWidth), int(m_openHeight), &error) < 0)
        zvLog("player: %s", error.c_str());
}

void Player::renderEditedLocked(VideoEntry &e)
{
    const AVFrame *f = e.upright.get();
    updateChainLocked(SourcePicture{f->width, f->height, f->sample_aspect_ratio, 0});
    const bool subtitles = syncSubtitles();
    e.editVersion = m_chainVersion;
    e.edited.reset();
    if (m_editChain.passesThrough() && !subtitles)
        return;
    std::string error;
    FramePtr raw = m_editChain.passesThrough() ? FramePtr(av_frame_clone(e.upright.get()))
                                               : m_editChain.process(e.upright.get(), e.ptsUs, &error);
    if (raw && subtitles)
        raw = burnSubtitles(std::move(raw), e.ptsUs);
    if (!raw) {
        zvLog("player: %s", error.empty() ? "no edited picture" : error.c_str());
        return;
    }
    e.edited = m_editConverter.convert(raw.get(), m_deliveryFormat);
}

// A picture rendered before the latest setting change is rendered again from
// its kept input; the copy replaces it, so a reader of the old entry never
// sees it change.
EntryPtr Player::refreshEdited(const EntryPtr &e)
{
    if (!e || !e->upright)
        return e;
    {
        std::lock_guard<std::mutex> lock(m_settingsMutex);
        if (m_batchDepth > 0 || m_settingsVersion == e->editVersion)
            return e;
    }
    auto fresh = std::make_shared<VideoEntry>();
    fresh->original.reset(av_frame_clone(e->original.get()));
    fresh->upright.reset(av_frame_clone(e->upright.get()));
    if (!fresh->original || !fresh->upright)
        return e;
    fresh->ptsUs = e->ptsUs;
    fresh->durationUs = e->durationUs;
    fresh->serial = e->serial;
    fresh->keyFrame = e->keyFrame;
    std::lock_guard<std::mutex> lock(m_chainMutex);
    renderEditedLocked(*fresh);
    return fresh;
}

EntryPtr Player::makeEntry(AVFrame *frame, int serial, bool captions)
{
    AVStream *st = m_media->format()->streams[m_videoIndex];
    auto e = std::make_shared<VideoEntry>();
    const int64_t ts = frame->best_effort_timestamp != AV_NOPTS_VALUE ? frame->best_effort_timestamp : frame->pts;
    e->ptsUs = ts == AV_NOPTS_VALUE ? 0 : int64_t(m_media->toMediaUs(ts, st->time_base));
    e->durationUs = frame->pkt_duration > 0 ? av_rescale_q(frame->pkt_duration, st->time_base, AV_TIME_BASE_Q)
                                            : m_frameDurationUs;
    e->serial = serial;
    e->keyFrame = frame->key_frame != 0;
    std::lock_guard<std::mutex> lock(m_chainMutex);
    e->upright = m_rotationPath.process(frame, st->time_base);
    if (!e->upright)
        return nullptr;
    e->original = m_originalConverter.convert(e->upright.get(), m_deliveryFormat);
    if (!e->original)
        return nullptr;
    if (captions)
        m_subtitles.feedCaptions(frame, e->ptsUs);
    renderEditedLocked(*e);
    return e;
}

static int64_t framePtsUs(const InputMedia &media, const AVFrame *f, AVRational tb)
{
    const int64_t ts = f->best_effort_timestamp != AV_NOPTS_VALUE ? f->best_effort_timestamp : f->pts;
    return ts == AV_NOPTS_VALUE ? 0 : int64_t(media.toMediaUs(ts, tb));
}

void Player::videoFrameDecoded(AVFrame *frame, int serial, const PlayerRequest &req, VideoRun &run)
{
    AVStream *st = m_media->format()->streams[m_videoIndex];
    const int64_t pts = framePtsUs(*m_media, frame, st->time_base);
    if (run.passAll) {
        if (EntryPtr e = makeEntry(frame, serial))
            pushEntry(e);
        return;
    }
    switch (req.kind) {
    case PlayerRequest::Kind::Fast:
        if (!run.decided) {
            run.decided = true;
            if (req.targetUs - pts <= req.windowUs) {
                run.passAll = true;
                if (EntryPtr e = makeEntry(frame, serial))
                    pushEntry(e);
                return;
            }
        }
        [[fallthrough]];
    case PlayerRequest::Kind::Accurate:
    case PlayerRequest::Kind::KeyStep:
        if (atOrAfter(pts, req.targetUs)) {
            run.passAll = true;
            run.lastBefore.reset();
            for (const FramePtr &before : run.kept) {
                if (EntryPtr k = makeEntry(before.get(), serial)) {
                    k->preroll = true;
                    pushEntry(k);
                }
            }
            run.kept.clear();
            if (EntryPtr e = makeEntry(frame, serial)) {
                e->failed = req.failed;
                pushEntry(e);
            }
        } else {
            run.lastBefore = makeFrame();
            if (run.lastBefore && av_frame_ref(run.lastBefore.get(), frame) < 0)
                run.lastBefore.reset();
            if (req.kind == PlayerRequest::Kind::Accurate && pts + keptSpanUs(req) >= req.targetUs) {
                FramePtr copy = makeFrame();
                if (copy && av_frame_ref(copy.get(), frame) >= 0)
                    run.kept.push_back(std::move(copy));
                while (run.kept.size() > size_t(kKeptBeforeTarget))
                    run.kept.pop_front();
            }
        }
        return;
    case PlayerRequest::Kind::Park:
        return; // nothing is read for it
    case PlayerRequest::Kind::StepBack:
        break;
    }
    EntryPtr e = makeEntry(frame, serial);
    if (!e)
        return;
    if (pts + 1 < req.beforeUs) {
        run.ring.push_back(e);
        while (run.ring.size() > size_t(req.count) + 16)
            run.ring.pop_front();
        return;
    }
    run.passAll = true;
    const size_t count = size_t(req.count);
    if (run.ring.size() >= count) {
        const size_t target = run.ring.size() - count;
        for (size_t i = 0; i < run.ring.size(); ++i) {
            run.ring[i]->preroll = i < target;
            pushEntry(run.ring[i]);
        }
        run.ring.clear();
        pushEntry(e);
        return;
    }
    if (!run.ring.empty()) {
        // Not enough pictures in this GOP: continue from the previous key frame.
        PlayerRequest more;
        more.kind = PlayerRequest::Kind::StepBack;
        more.count = int(count - run.ring.size());
        more.beforeUs = run.ring.front()->ptsUs;
        more.targetUs = more.beforeUs;
        more.fallbackUs = more.beforeUs;
        run.ring.clear();
        if (serial == m_latestSerial)
            postRequest(more, true);
        return;
    }
    // Nothing earlier: the first picture of the file (or of a chained search).
    e->failed = req.fallbackUs < 0;
    pushEntry(e);
}

void Player::videoEndOfStream(int serial, const PlayerRequest &req, VideoRun &run)
{
    if (!run.passAll) {
        if (req.kind == PlayerRequest::Kind::StepBack && !run.ring.empty()) {
            const size_t count = std::min(size_t(req.count), run.ring.size());
            const size_t target = run.ring.size() - count;
            for (size_t i = 0; i < run.ring.size(); ++i) {
                run.ring[i]->preroll = i < target;
                pushEntry(run.ring[i]);
            }
        } else if (run.lastBefore) {
            // A target past the last picture shows the last picture.
            if (EntryPtr e = makeEntry(run.lastBefore.get(), serial)) {
                e->failed = req.failed;
                pushEntry(e);
            }
        }
    }
    run.ring.clear();
    run.kept.clear();
    run.lastBefore.reset();
    run.passAll = true;
    auto eos = std::make_shared<VideoEntry>();
    eos->serial = serial;
    eos->endOfStream = true;
    pushEntry(eos);
}

// Elementary streams (raw H.264, MPEG-2 video) carry no timestamps: each
// picture follows the one before by its duration, counted from the start,
// as the info handle counts them too.
void Player::stampUntimedFrame(AVFrame *frame, VideoRun &run)
{
    if (frame->best_effort_timestamp == AV_NOPTS_VALUE && frame->pts == AV_NOPTS_VALUE) {
        const AVRational tb = m_media->format()->streams[m_videoIndex]->time_base;
        int64_t step = frame->pkt_duration;
        if (step <= 0)
            step = std::max<int64_t>(1, av_rescale_q(m_frameDurationUs, AV_TIME_BASE_Q, tb));
        frame->best_effort_timestamp = run.lastTs == AV_NOPTS_VALUE ? m_media->fromMediaUs(0, tb) : run.lastTs + step;
    }
    run.lastTs = frame->best_effort_timestamp != AV_NOPTS_VALUE ? frame->best_effort_timestamp : frame->pts;
}

// An exact seek decodes the pictures before its target only to reach it.
// Those that no other picture refers to are not decoded at all: the target
// and every picture after it come out bit for bit as in playing (the loop
// filter stays on: relaxed on a referenced picture it would change the
// target). Not when
// the target may lie past the last picture (that one is shown then and must
// be decoded), nor for a step back, which keeps the pictures before it.
bool Player::dropsBeforeTarget(const PlayerRequest &req) const
{
    if (req.kind != PlayerRequest::Kind::Accurate && req.kind != PlayerRequest::Kind::Fast)
        return false;
    const AVStream *st = m_media->format()->streams[m_videoIndex];
    int64_t endUs = int64_t(m_durationUs);
    if (st->duration > 0 && st->start_time != AV_NOPTS_VALUE)
        endUs = std::min(endUs, int64_t(m_media->toMediaUs(st->start_time + st->duration, st->time_base)));
    return req.targetUs + 2 * m_frameDurationUs <= endUs;
}

bool Player::droppable(const AVPacket *packet, const VideoRun &run) const
{
    if (!run.mayDrop || run.passAll || !packet || packet->pts == AV_NOPTS_VALUE)
        return false;
    const AVStream *st = m_media->format()->streams[m_videoIndex];
    const int64_t us = int64_t(m_media->toMediaUs(packet->pts, st->time_base));
    if (us + keptSpanUs(run.req) >= run.req.targetUs)
        return false;
    // A fast seek shows every picture from a key frame inside its window.
    return run.req.kind != PlayerRequest::Kind::Fast || us < run.req.targetUs - run.req.windowUs;
}

void Player::videoLoop()
{
    PacketDecoder decoder(m_videoDec.get());
    FramePtr frame = makeFrame();
    VideoRun run;
    int errorsLogged = 0;
    while (!m_quit) {
        QueuedPacket qp;
        if (!m_videoPackets.pop(qp, std::chrono::milliseconds(20)))
            continue;
        if (qp.serial != run.serial) {
            // A seek: nothing decoded for the old position may come out.
            decoder.reset();
            run = VideoRun{};
            run.serial = qp.serial;
            if (!requestFor(qp.serial, run.req))
                run.passAll = true;
            run.mayDrop = !run.passAll && dropsBeforeTarget(run.req);
        }
        if (qp.serial != m_latestSerial)
            continue;
        // Set per packet: the decoder's threads take it with each packet.
        m_videoDec->skip_frame = droppable(qp.packet.get(), run) ? AVDISCARD_NONREF : AVDISCARD_DEFAULT;
        const int err = decoder.decode(qp.packet.get(), frame.get(), [&](AVFrame *f) {
            stampUntimedFrame(f, run);
            if (qp.serial == m_latestSerial)
                videoFrameDecoded(f, qp.serial, run.req, run);
            return 0;
        });
        // A damaged packet or picture costs that picture; the next one decodes.
        if (err < 0 && err != AVERROR_EOF && errorsLogged++ < 5)
            zvLog("player: video packet refused: %s", avErrorText(err).c_str());
        if (!qp.packet) {
            if (qp.serial == m_latestSerial)
                videoEndOfStream(qp.serial, run.req, run);
            // Playing again after the end decodes from a clean decoder.
            decoder.reset();
        }
    }
}

} // namespace zv
