// The back-fill thread: while paused, the pictures before the kept history
// are decoded in advance from a second reading of the media, so that a held
// step-back key finds them decoded instead of waiting for a whole GOP.
#include "player/Player.h"

#include "core/Log.h"
#include "core/PacketDecoder.h"

#include <algorithm>

namespace zv {

namespace {
constexpr size_t kRunningHistory = 17; // while playing: the current picture and 16 before it
// A fill that only follows a seek or a forward step waits this long, so that
// a run of seeks is not slowed by decoding behind each of them.
constexpr auto kFillGrace = std::chrono::milliseconds(40);
} // namespace

struct Player::FillReader {
    std::unique_ptr<InputMedia> media;
    CodecContextPtr decoder;
    PacketDecoder feed;
};

size_t Player::historyLimitLocked() const
{
    if (m_state == State::Running)
        return kRunningHistory;
    return m_windowCap - aheadLimit();
}

// Pictures put back ahead by steps back: a few, for a step forward again.
size_t Player::aheadLimit() const { return std::max<size_t>(4, m_windowCap / 14); }

void Player::clearHistoryLocked()
{
    m_history.clear();
    m_historyGeneration++;
    m_historyAtStart = false;
    m_fillPending = false;
    m_fillFailed = false;
}

bool Player::fillInFlightLocked() const
{
    return (m_fillPending || m_fillBusy) && m_fillJob.generation == m_historyGeneration;
}

// How many pictures the back-fill keeps behind the current one: fewer than
// the history may hold, as the fill's own decoder holds pictures too.
size_t Player::fillLimitLocked() const
{
    const size_t limit = historyLimitLocked();
    return limit - std::min<size_t>(limit / 3, 16);
}

// Asks for the pictures before the history once fewer than half the fill
// are left behind the current picture. urgent: a step back is under way.
void Player::requestFillLocked(bool urgent)
{
    if (!m_fillThread.joinable() || m_fillFailed || m_historyAtStart || m_state == State::Running)
        return;
    if (m_history.empty() || m_history.back() != m_current || m_historySerial != m_latestSerial)
        return;
    const size_t limit = fillLimitLocked();
    if (m_history.size() >= limit / 2)
        return;
    const int64_t before = m_history.front()->ptsUs;
    const auto now = std::chrono::steady_clock::now();
    if (fillInFlightLocked() && m_fillJob.beforeUs == before) {
        if (urgent && m_fillPending)
            m_fillJob.notBefore = now;
        m_fillCv.notify_all();
        return;
    }
    if (m_fillBusy)
        return; // asked again when the running fill lands
    m_fillJob.generation = m_historyGeneration;
    m_fillJob.beforeUs = before;
    m_fillJob.count = int(limit - m_history.size());
    m_fillJob.notBefore = urgent ? now : now + kFillGrace;
    m_fillPending = true;
    m_fillCv.notify_all();
}

// Puts the decoded pictures in front of the history they were decoded for.
void Player::takeFillLocked(const FillJob &job, std::deque<EntryPtr> &got, bool atStart)
{
    if (job.generation != m_historyGeneration || m_history.empty() || m_history.front()->ptsUs != job.beforeUs)
        return;
    if (got.empty()) {
        m_historyAtStart = atStart;
        m_fillFailed = !atStart;
        return;
    }
    const size_t limit = fillLimitLocked();
    for (auto it = got.rbegin(); it != got.rend() && m_history.size() < limit; ++it) {
        (*it)->serial = m_historySerial;
        m_history.push_front(*it);
    }
}

void Player::backFillLoop()
{
    FillReader reader;
    std::unique_lock<std::mutex> lock(m_presMutex);
    while (!m_quit) {
        if (!m_fillPending) {
            m_fillCv.wait(lock);
            continue;
        }
        if (std::chrono::steady_clock::now() < m_fillJob.notBefore) {
            m_fillCv.wait_until(lock, m_fillJob.notBefore);
            continue;
        }
        const FillJob job = m_fillJob;
        m_fillPending = false;
        if (job.generation != m_historyGeneration)
            continue;
        m_fillBusy = true;
        lock.unlock();
        std::deque<EntryPtr> got;
        bool atStart = false;
        const bool ok = fillOnce(reader, job, got, atStart);
        lock.lock();
        m_fillBusy = false;
        if (ok)
            takeFillLocked(job, got, atStart);
        else if (job.generation == m_historyGeneration && !m_quit)
            m_fillFailed = true;
        m_presCv.notify_all(); // a step back may wait for this fill
        requestFillLocked(ok); // further back, or for the history that replaced a stale one
    }
}

// Decodes from the key frame before job.beforeUs up to it and keeps the last
// job.count pictures before it. Pictures well before those are not needed
// by anything but the pictures that follow them, so frames nothing refers
// to are not decoded there.
bool Player::fillOnce(FillReader &r, const FillJob &job, std::deque<EntryPtr> &out, bool &atStart)
{
    std::string error;
    if (!r.media) {
        r.media = InputMedia::open(m_media->location(), &m_scope, error);
        AVFormatContext *fmt = r.media ? r.media->format() : nullptr;
        if (!fmt || int(fmt->nb_streams) <= m_videoIndex) {
            zvLog("player: back-fill cannot read the media again: %s", error.c_str());
            r.media.reset();
            return false;
        }
        for (unsigned i = 0; i < fmt->nb_streams; ++i)
            fmt->streams[i]->discard = int(i) == m_videoIndex ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
        r.decoder = openStreamDecoder(fmt->streams[m_videoIndex], error, &m_pictureMemory);
        if (!r.decoder) {
            zvLog("player: back-fill: %s", error.c_str());
            r.media.reset();
            return false;
        }
        r.feed.setDecoder(r.decoder.get());
    }
    AVFormatContext *fmt = r.media->format();
    AVStream *st = fmt->streams[m_videoIndex];
    r.feed.reset();
    if (!seekFile(*r.media, job.beforeUs - std::max<int64_t>(m_frameDurationUs / 2, 1)))
        return false;
    const auto stale = [&] { return m_quit || job.generation != m_historyGeneration; };
    const int64_t skipBelow = job.beforeUs - int64_t(job.count + 4) * m_frameDurationUs;
    int64_t skippedUpTo = INT64_MIN; // frames at or before it may be missing
    std::deque<FramePtr> ring;
    bool reached = false, first = true, untimed = false;
    PacketPtr pkt = makePacket();
    FramePtr frame = makeFrame();
    if (!pkt || !frame)
        return false;
    auto sink = [&](AVFrame *f) {
        const int64_t ts = f->best_effort_timestamp != AV_NOPTS_VALUE ? f->best_effort_timestamp : f->pts;
        if (ts == AV_NOPTS_VALUE) {
            untimed = true;
            return -1;
        }
        const int64_t us = int64_t(r.media->toMediaUs(ts, st->time_base));
        if (first)
            atStart = us + 1 >= job.beforeUs;
        first = false;
        if (us + 1 >= job.beforeUs) {
            reached = true;
            return 1;
        }
        FramePtr kept = makeFrame();
        if (!kept || av_frame_ref(kept.get(), f) < 0)
            return AVERROR(ENOMEM);
        ring.push_back(std::move(kept));
        while (ring.size() > size_t(job.count))
            ring.pop_front();
        return 0;
    };
    while (!reached && !untimed && !stale()) {
        const int err = av_read_frame(fmt, pkt.get());
        if (err < 0) {
            r.feed.decode(nullptr, frame.get(), sink);
            break;
        }
        if (pkt->stream_index != m_videoIndex) {
            av_packet_unref(pkt.get());
            continue;
        }
        const int64_t ts = pkt->pts != AV_NOPTS_VALUE ? pkt->pts : pkt->dts;
        const int64_t us = ts == AV_NOPTS_VALUE ? INT64_MAX : int64_t(r.media->toMediaUs(ts, st->time_base));
        const bool skip = us < skipBelow;
        r.decoder->skip_frame = skip ? AVDISCARD_NONREF : AVDISCARD_DEFAULT;
        if (skip)
            skippedUpTo = std::max(skippedUpTo, us);
        const int derr = r.feed.decode(pkt.get(), frame.get(), sink);
        av_packet_unref(pkt.get());
        if (derr == AVERROR(ENOMEM))
            return false;
    }
    r.decoder->skip_frame = AVDISCARD_DEFAULT;
    if (untimed || stale() || (!reached && ring.empty() && !atStart))
        return false;
    for (FramePtr &f : ring) {
        const int64_t ts = f->best_effort_timestamp != AV_NOPTS_VALUE ? f->best_effort_timestamp : f->pts;
        if (int64_t(r.media->toMediaUs(ts, st->time_base)) <= skippedUpTo)
            continue; // an earlier picture may be missing: only the unbroken run is kept
        EntryPtr e = makeEntry(f.get(), 0, false);
        if (!e)
            return false;
        out.push_back(std::move(e));
    }
    if (!out.empty())
        atStart = false;
    return true;
}

// ---------------------------------------------------------------- parking

// Posts req and keeps the current picture, its history and the pictures
// queued ahead of it as this request's own.
void Player::postKeepingLocked(std::unique_lock<std::mutex> &lock, const PlayerRequest &req)
{
    std::deque<EntryPtr> ahead = m_frames.takeAll();
    lock.unlock();
    const int serial = postRequest(req, false, true);
    lock.lock();
    for (const EntryPtr &e : ahead)
        e->serial = serial;
    m_frames.pushFront(ahead);
    m_currentSerial = serial;
    if (m_historySerial != 0)
        m_historySerial = serial;
}

void Player::trimAheadLocked(std::unique_lock<std::mutex> &lock)
{
    const size_t keep = aheadLimit();
    EntryPtr dropped = m_frames.trimBack(keep);
    if (!dropped)
        return;
    const bool wasParked = m_parked;
    m_resumeUs = dropped->ptsUs;
    if (!wasParked) {
        PlayerRequest park;
        park.kind = PlayerRequest::Kind::Park;
        park.seekFile = false;
        postKeepingLocked(lock, park);
    }
    m_parked = true;
}

// Decoding starts again at the first picture dropped from the ahead queue.
void Player::resumeParkedLocked(std::unique_lock<std::mutex> &lock)
{
    if (!m_parked)
        return;
    PlayerRequest req;
    req.kind = PlayerRequest::Kind::Accurate;
    req.targetUs = m_resumeUs;
    postKeepingLocked(lock, req);
    m_parked = false;
}

} // namespace zv
