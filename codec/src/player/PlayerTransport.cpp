// Transport commands of the player: play, pause, stop, seeks and steps.
#include "player/Player.h"

#include <algorithm>

namespace zv {

namespace {
constexpr auto kStepWait = std::chrono::seconds(10);
} // namespace

// ---------------------------------------------------------------- transport

// Seek targets stay inside the media; an unknown duration (0) bounds nothing.
uint64_t Player::clampToDuration(uint64_t us) const
{
    return m_durationUs > 0 ? std::min(us, m_durationUs) : us;
}

void Player::setRunningLocked(bool on)
{
    m_state = on ? State::Running : State::Paused;
    if (on && !m_holdClock) {
        m_clock.set(m_positionUs);
        m_clock.setRunning(true);
    } else if (!on) {
        m_clock.setRunning(false);
    }
    if (on) {
        // Sound decoded before the resume point (a step back's GOP) is not played.
        m_audioFloorUs = m_positionUs;
    }
    m_audio.setRunning(on);
    m_presCv.notify_all();
}

bool Player::play()
{
    std::lock_guard<std::mutex> cmd(m_cmdMutex);
    if (!m_open || (m_videoIndex < 0 && m_audioIndex < 0))
        return false;
    bool restart = false;
    {
        std::lock_guard<std::mutex> lock(m_presMutex);
        if (m_state == State::Running)
            return true;
        restart = m_completed;
    }
    if (restart) {
        PlayerRequest req;
        req.targetUs = 0;
        postRequest(req, true);
    }
    std::unique_lock<std::mutex> lock(m_presMutex);
    resumeParkedLocked(lock);
    if (restart) {
        m_completed = false;
        m_positionUs = 0;
        m_holdClock = m_videoIndex >= 0;
    }
    // A seek or an open whose first picture is still being decoded: the clock
    // waits for that picture and starts from it. Started at once, it would run
    // ahead while the decoder works through the GOP, and on a busy machine the
    // pictures after the sought one would arrive late and be dropped.
    if (m_videoIndex >= 0 && m_currentSerial != m_latestSerial && m_videoEndSerial != m_latestSerial)
        m_holdClock = true;
    setRunningLocked(true);
    return true;
}

bool Player::pause()
{
    std::lock_guard<std::mutex> cmd(m_cmdMutex);
    if (!m_open)
        return false;
    std::lock_guard<std::mutex> lock(m_presMutex);
    if (m_state == State::Running) {
        m_positionUs = m_clock.now();
        if (m_current && m_currentSerial == m_latestSerial && m_videoIndex >= 0)
            m_positionUs = m_current->ptsUs;
    }
    // A seek still waiting for its first picture shows it paused instead.
    m_holdClock = false;
    setRunningLocked(false);
    return true;
}

bool Player::stop()
{
    std::lock_guard<std::mutex> cmd(m_cmdMutex);
    if (!m_open)
        return false;
    PlayerRequest req;
    req.targetUs = 0;
    postRequest(req, true);
    std::lock_guard<std::mutex> lock(m_presMutex);
    setRunningLocked(false);
    m_state = State::Stopped;
    m_completed = false;
    m_holdClock = false;
    m_positionUs = 0;
    m_seekTargetUs = 0;
    m_clock.set(0);
    return true;
}

bool Player::seek(uint64_t us)
{
    std::lock_guard<std::mutex> cmd(m_cmdMutex);
    if (!m_open)
        return false;
    const int64_t t = int64_t(clampToDuration(us));
    PlayerRequest req;
    req.targetUs = t;
    bool async;
    {
        std::lock_guard<std::mutex> lock(m_presMutex);
        async = m_async;
        req.windowUs = m_asyncWindowUs;
    }
    req.kind = async ? PlayerRequest::Kind::Fast : PlayerRequest::Kind::Accurate;
    postRequest(req, true);
    std::lock_guard<std::mutex> lock(m_presMutex);
    m_completed = false;
    m_positionUs = t;
    m_seekTargetUs = t;
    m_clock.set(t);
    if (m_state == State::Running && m_videoIndex >= 0) {
        m_holdClock = true;
        m_clock.setRunning(false);
    }
    return true;
}

bool Player::fastSeek(uint64_t us, int mode)
{
    if (mode == 1)
        return seek(us);
    std::lock_guard<std::mutex> cmd(m_cmdMutex);
    if (!m_open)
        return false;
    PlayerRequest req;
    req.kind = PlayerRequest::Kind::Fast;
    req.targetUs = int64_t(clampToDuration(us));
    req.windowUs = INT64_MAX;
    postRequest(req, true);
    std::lock_guard<std::mutex> lock(m_presMutex);
    m_completed = false;
    m_positionUs = req.targetUs;
    m_seekTargetUs = req.targetUs;
    m_clock.set(req.targetUs);
    if (m_state == State::Running && m_videoIndex >= 0) {
        m_holdClock = true;
        m_clock.setRunning(false);
    }
    return true;
}

bool Player::beginAsyncSeek(uint64_t windowUs)
{
    std::lock_guard<std::mutex> cmd(m_cmdMutex);
    if (!m_open)
        return false;
    std::lock_guard<std::mutex> lock(m_presMutex);
    m_async = true;
    m_asyncWindowUs = int64_t(std::min<uint64_t>(windowUs, INT64_MAX));
    return true;
}

bool Player::endAsyncSeek()
{
    int64_t target;
    {
        std::lock_guard<std::mutex> cmd(m_cmdMutex);
        if (!m_open)
            return false;
        std::lock_guard<std::mutex> lock(m_presMutex);
        if (!m_async)
            return true;
        m_async = false;
        target = m_seekTargetUs;
    }
    return seek(uint64_t(target));
}

void Player::setLoop(bool on)
{
    std::lock_guard<std::mutex> lock(m_presMutex);
    m_loop = on;
}

// ---------------------------------------------------------------- steps

// Waits until the newest request's first picture is the current one (or its
// stream ended). Called with m_presMutex held.
bool Player::waitSettledLocked(std::unique_lock<std::mutex> &lock)
{
    const int serial = m_latestSerial;
    if (m_showSerial != serial && m_currentSerial != serial)
        m_showSerial = serial; // opened but nothing shown yet
    m_presCv.notify_all();
    return m_presCv.wait_for(lock, kStepWait, [&] {
        return m_quit || m_currentSerial == m_latestSerial || m_videoEndSerial == m_latestSerial;
    }) && !m_quit;
}

bool Player::frameStep(int count)
{
    std::lock_guard<std::mutex> cmd(m_cmdMutex);
    if (!m_open || m_videoIndex < 0 || count == 0)
        return false;
    std::unique_lock<std::mutex> lock(m_presMutex);
    if (m_state != State::Paused)
        setRunningLocked(false);
    m_completed = false;
    if (!waitSettledLocked(lock) || !m_current)
        return false;
    if (count > 0) {
        int moved = 0;
        while (moved < count) {
            if (m_parked && m_frames.size() < 3)
                resumeParkedLocked(lock); // decoding catches up while the queued pictures are stepped through
            if (!m_frames.peek() && m_videoEndSerial == m_latestSerial)
                break; // the last picture is the current one
            EntryPtr next = m_frames.waitPeek(std::chrono::duration_cast<std::chrono::milliseconds>(kStepWait));
            if (!next || next->serial != m_latestSerial || next->endOfStream)
                break;
            m_frames.pop();
            takeEntryLocked(next, !next->preroll);
            if (!next->preroll)
                ++moved;
        }
        if (moved == 0)
            return false;
        m_deliverPending = true;
        m_presCv.notify_all();
        return true;
    }
    const size_t back = size_t(-int64_t(count));
    const auto cached = [&] {
        return m_historySerial == m_latestSerial && !m_history.empty() && m_history.back() == m_current
            && m_history.size() > back;
    };
    if (!cached()) {
        // The pictures before the history may be on their way.
        requestFillLocked(true);
        m_presCv.wait_for(lock, kStepWait, [&] { return m_quit || cached() || !fillInFlightLocked(); });
    }
    if (cached()) {
        // The previous pictures are kept: no decoding needed.
        std::deque<EntryPtr> ahead(m_history.end() - long(back), m_history.end());
        m_history.erase(m_history.end() - long(back), m_history.end());
        for (const EntryPtr &e : ahead) {
            e->serial = m_latestSerial;
            e->preroll = false;
        }
        m_frames.pushFront(ahead);
        m_current = m_history.back();
        trimAheadLocked(lock);
        m_positionUs = m_current->ptsUs;
        m_videoTimeUs = uint64_t(m_current->ptsUs);
        m_clock.set(m_current->ptsUs);
        m_deliverPending = true;
        requestFillLocked(true);
        m_presCv.notify_all();
        return true;
    }
    PlayerRequest req;
    req.kind = PlayerRequest::Kind::StepBack;
    req.count = int(back);
    req.beforeUs = m_current->ptsUs;
    req.targetUs = m_current->ptsUs;
    lock.unlock();
    postRequest(req, true);
    lock.lock();
    if (!waitSettledLocked(lock) || !m_current)
        return false;
    return !m_current->failed;
}

bool Player::keyFrameStep(int count)
{
    std::lock_guard<std::mutex> cmd(m_cmdMutex);
    if (!m_open || m_videoIndex < 0 || count == 0)
        return false;
    std::unique_lock<std::mutex> lock(m_presMutex);
    if (m_state != State::Paused)
        setRunningLocked(false);
    m_completed = false;
    if (!waitSettledLocked(lock) || !m_current)
        return false;
    PlayerRequest req;
    req.kind = PlayerRequest::Kind::KeyStep;
    req.count = count;
    req.beforeUs = m_current->ptsUs;
    req.targetUs = m_current->ptsUs;
    lock.unlock();
    postRequest(req, true);
    lock.lock();
    if (!waitSettledLocked(lock) || !m_current)
        return false;
    return !m_current->failed;
}

} // namespace zv
