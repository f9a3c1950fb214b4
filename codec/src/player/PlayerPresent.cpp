// The presentation thread: the only caller of the frame callbacks.
#include "player/Player.h"

#include "core/FrameHandle.h"

#include <algorithm>

namespace zv {

// Makes a popped picture the current one (or, for preroll pictures, only
// remembers it for backward steps). m_presMutex held.
void Player::takeEntryLocked(const EntryPtr &e, bool makeCurrent)
{
    if (e->serial != m_historySerial)
        clearHistoryLocked();
    m_historySerial = e->serial;
    m_history.push_back(e);
    const size_t limit = historyLimitLocked();
    while (m_history.size() > limit) {
        m_history.pop_front();
        m_historyAtStart = false;
    }
    if (!makeCurrent)
        return;
    m_current = e;
    m_currentSerial = e->serial;
    m_positionUs = e->ptsUs;
    m_videoTimeUs = uint64_t(std::max<int64_t>(e->ptsUs, 0));
    if (m_state != State::Running)
        m_clock.set(e->ptsUs);
    requestFillLocked(false);
    m_presCv.notify_all();
}

void Player::deliver(const EntryPtr &e)
{
    ZvFrame original = ZvFrame::borrow(e->original.get());
    ZvFrame edited = ZvFrame::borrow(e->edited ? e->edited.get() : e->original.get());
    m_originalSlot.call(&original);
    m_editedSlot.call(&edited);
    m_delivered++;
}

void Player::checkCompletionLocked()
{
    const int serial = m_latestSerial;
    const bool videoDone = m_videoIndex < 0 || m_videoEndSerial == serial;
    const bool audioDone = m_audioIndex < 0 || m_audio.drained(serial);
    if (!videoDone || !audioDone)
        return;
    if (m_loop) {
        PlayerRequest req;
        m_presMutex.unlock();
        postRequest(req, true);
        m_presMutex.lock();
        m_positionUs = 0;
        m_holdClock = m_videoIndex >= 0;
        m_clock.setRunning(false);
        m_clock.set(0);
        return;
    }
    if (m_videoIndex < 0 || !m_current) // no picture tells the end: the sound does
        m_positionUs = std::min<int64_t>(m_clock.now(), int64_t(m_durationUs));
    m_completed = true;
    setRunningLocked(false);
}

void Player::presentLoop()
{
    std::unique_lock<std::mutex> lock(m_presMutex);
    while (!m_quit) {
        const int serial = m_latestSerial;
        int64_t waitUs = m_intervalUs;
        EntryPtr toDeliver;
        EntryPtr front = m_frames.peek();
        if (front && front->serial < serial) {
            m_frames.pop(); // left over from before the newest request
            continue;
        }
        if (front && front->serial != serial)
            front.reset();
        if (front && front->preroll) {
            m_frames.pop();
            takeEntryLocked(front, false);
            continue;
        }
        if (front && front->endOfStream) {
            m_frames.pop();
            m_videoEndSerial = serial;
            if (m_showSerial == serial && m_currentSerial != serial && m_current) {
                // Nothing at or after the target: the current picture stays.
                m_currentSerial = serial;
            }
            m_presCv.notify_all();
            continue;
        }
        if (m_state == State::Running) {
            if (front && m_holdClock) {
                // First picture after a seek while running: the clock starts from it.
                m_frames.pop();
                takeEntryLocked(front, true);
                m_holdClock = false;
                m_clock.set(front->ptsUs);
                m_clock.setRunning(true);
                toDeliver = front;
            } else if (front) {
                const int64_t now = m_clock.now();
                if (front->ptsUs > now) {
                    waitUs = std::min(waitUs, front->ptsUs - now);
                } else {
                    m_frames.pop();
                    EntryPtr next = m_frames.peek();
                    // The first picture of a seek is shown even when late (a
                    // seek then play on a busy machine): playback starts from it.
                    const bool late = m_currentSerial == serial && next && next->serial == serial && !next->endOfStream && !next->preroll
                        && next->ptsUs <= now;
                    if (late) {
                        takeEntryLocked(front, false);
                        m_dropped++;
                        continue;
                    }
                    takeEntryLocked(front, true);
                    toDeliver = front;
                }
            } else {
                if (m_holdClock && m_videoEndSerial == serial) {
                    m_holdClock = false;
                    m_clock.setRunning(true);
                }
                checkCompletionLocked();
                if (m_state == State::Running)
                    waitUs = std::min<int64_t>(waitUs, 5000);
            }
        } else {
            if (front && m_showSerial == serial && m_currentSerial != serial) {
                m_frames.pop();
                takeEntryLocked(front, true);
                toDeliver = front;
            } else if (m_deliverPending && m_current) {
                toDeliver = m_current;
            } else if (m_showSerial == serial && m_currentSerial != serial) {
                waitUs = std::min<int64_t>(waitUs, 5000);
            }
        }
        if (toDeliver) {
            m_deliverPending = false;
            lock.unlock();
            EntryPtr fresh = refreshEdited(toDeliver);
            deliver(fresh);
            lock.lock();
            if (fresh != toDeliver && m_current == toDeliver)
                m_current = fresh;
            continue;
        }
        m_presCv.wait_for(lock, std::chrono::microseconds(std::max<int64_t>(waitUs, 500)));
    }
}

} // namespace zv

namespace zv {

bool Player::refreshVideoFrame()
{
    if (!m_open)
        return false;
    EntryPtr e;
    {
        std::lock_guard<std::mutex> lock(m_presMutex);
        e = m_current;
    }
    {
        std::lock_guard<std::mutex> lock(m_chainMutex);
        if (e && e->upright) {
            const AVFrame *f = e->upright.get();
            updateChainLocked(SourcePicture{f->width, f->height, f->sample_aspect_ratio, 0});
        } else if (m_videoIndex >= 0) {
            // No picture yet: lay out for the stream's upright size.
            updateChainLocked(SourcePicture{m_srcWidth, m_srcHeight, m_uprightSar, 0});
        }
    }
    return showVideoFrame();
}

ElementBox Player::overlayBox(bool text)
{
    uint32_t layer = 0;
    readSettings([&](PlayerSettings &s) { layer = s.edit.overlayIndex; });
    std::lock_guard<std::mutex> lock(m_chainMutex);
    if (layer >= uint32_t(kOverlayLayers))
        return ElementBox();
    const OverlayLayout &l = m_editChain.layout();
    return text ? l.text[layer] : l.image[layer];
}

} // namespace zv
