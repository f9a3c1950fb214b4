#pragma once
// The master clock in media microseconds. It runs on the system clock between
// anchors, scaled by the playback tempo (rate x speed); while sound plays to a
// device, the audio callback re-anchors it to the time of the samples the
// device is playing, which makes it the audio clock.

#include <chrono>
#include <cstdint>
#include <mutex>

namespace zv {

class MediaClock {
public:
    using Steady = std::chrono::steady_clock;

    int64_t now() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return nowLocked();
    }

    void set(int64_t us)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_anchorUs = us;
        m_anchorWall = Steady::now();
    }

    void setRunning(bool on)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (on == m_running)
            return;
        m_anchorUs = nowLocked();
        m_anchorWall = Steady::now();
        m_running = on;
    }
    bool running() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_running;
    }

    // Media time per wall-clock time: 1 is normal speed.
    void setTempo(double factor)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_anchorUs = nowLocked();
        m_anchorWall = Steady::now();
        m_tempo = factor > 0 ? factor : 1.0;
    }

    // From the audio output: the samples at `us` are being heard now.
    void anchorAudio(int64_t us)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_running)
            return;
        m_anchorUs = us;
        m_anchorWall = Steady::now();
    }

private:
    int64_t nowLocked() const
    {
        if (!m_running)
            return m_anchorUs;
        auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(Steady::now() - m_anchorWall);
        return m_anchorUs + int64_t(double(elapsed.count()) * m_tempo);
    }

    mutable std::mutex m_mutex;
    int64_t m_anchorUs = 0;
    Steady::time_point m_anchorWall = Steady::now();
    bool m_running = false;
    double m_tempo = 1.0;
};

} // namespace zv
