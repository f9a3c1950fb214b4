#pragma once
// Decoded pictures waiting for their presentation time. The video thread
// pushes (blocking while the queue is full); the presentation side pops.
// A seek raises the serial: queued pictures of older serials are dropped and
// a producer blocked on a stale picture gives it up.

#include "core/FfPtr.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>

namespace zv {

struct VideoEntry {
    FramePtr original; // display rotation applied, delivery format
    FramePtr edited;   // after the edit chain, at the open size; null when it passes pictures unchanged
    FramePtr upright;  // the chain's input, kept to render again when a setting changes
    uint64_t editVersion = 0; // the settings `edited` was rendered with
    int64_t ptsUs = 0; // media time
    int64_t durationUs = 0;
    int serial = 0;
    bool keyFrame = false;
    bool endOfStream = false; // no picture: the decoder is drained for this serial
    bool preroll = false;     // earlier picture of the GOP, kept for backward steps only
    bool failed = false;      // the step that asked for it could not move
};
using EntryPtr = std::shared_ptr<VideoEntry>;

class FrameQueue {
public:
    explicit FrameQueue(size_t capacity) : m_capacity(capacity) {}

    void setSerial(int serial)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_serial = serial;
        m_items.clear();
        m_cv.notify_all();
    }

    // False when the entry went stale (or abort) while waiting for room.
    bool push(EntryPtr e)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_cv.wait(lock, [&] {
            return m_abort || e->serial != m_serial || m_items.size() < m_capacity || e->preroll;
        });
        if (m_abort || e->serial != m_serial)
            return false;
        m_items.push_back(std::move(e));
        m_cv.notify_all();
        return true;
    }

    // Puts pictures back in front, in their order (a backward step from the cache).
    void pushFront(const std::deque<EntryPtr> &entries)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto it = entries.rbegin(); it != entries.rend(); ++it)
            m_items.push_front(*it);
        m_cv.notify_all();
    }

    size_t size() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_items.size();
    }

    // Keeps the first `keep` entries; returns the first one dropped (null when none was).
    EntryPtr trimBack(size_t keep)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_items.size() <= keep)
            return nullptr;
        EntryPtr first = m_items[keep];
        m_items.erase(m_items.begin() + long(keep), m_items.end());
        m_cv.notify_all();
        return first;
    }

    std::deque<EntryPtr> takeAll()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        std::deque<EntryPtr> all;
        all.swap(m_items);
        m_cv.notify_all();
        return all;
    }

    EntryPtr peek() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_items.empty() ? nullptr : m_items.front();
    }
    // The entry after the first one, if any.
    EntryPtr peekSecond() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_items.size() < 2 ? nullptr : m_items[1];
    }

    EntryPtr pop()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_items.empty())
            return nullptr;
        EntryPtr e = std::move(m_items.front());
        m_items.pop_front();
        m_cv.notify_all();
        return e;
    }

    // Waits for a first entry; null on time-out or abort.
    EntryPtr waitPeek(std::chrono::milliseconds wait)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_cv.wait_for(lock, wait, [&] { return m_abort || !m_items.empty(); });
        return m_items.empty() || m_abort ? nullptr : m_items.front();
    }

    void abort()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_abort = true;
        m_cv.notify_all();
    }
    void reset()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_abort = false;
        m_items.clear();
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<EntryPtr> m_items;
    size_t m_capacity;
    int m_serial = 0;
    bool m_abort = false;
};

} // namespace zv
