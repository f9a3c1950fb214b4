#pragma once
// Packets between the demux thread and one decoder thread. Each packet carries
// the serial of the seek it belongs to, so a seek makes everything queued
// before it stale at once; a null packet marks the end of the input.

#include "core/FfPtr.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace zv {

struct QueuedPacket {
    PacketPtr packet; // null: end of input for this serial
    int serial = 0;
};

class PacketQueue {
public:
    // Drops everything queued; later packets carry the new serial.
    void flush(int serial)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_items.clear();
        m_bytes = 0;
        m_serial = serial;
        m_cv.notify_all();
    }

    void push(PacketPtr packet)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bytes += packet ? packet->size : 0;
        m_items.push_back({std::move(packet), m_serial});
        m_cv.notify_all();
    }

    // Waits up to the given time; false when nothing came (or on abort).
    bool pop(QueuedPacket &out, std::chrono::milliseconds wait)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (!m_cv.wait_for(lock, wait, [&] { return !m_items.empty() || m_abort; }) || m_abort)
            return false;
        out = std::move(m_items.front());
        m_items.pop_front();
        if (out.packet)
            m_bytes -= out.packet->size;
        return true;
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
        m_items.clear();
        m_bytes = 0;
        m_abort = false;
    }

    size_t count() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_items.size();
    }
    size_t bytes() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_bytes;
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<QueuedPacket> m_items;
    size_t m_bytes = 0;
    int m_serial = 0;
    bool m_abort = false;
};

} // namespace zv
