#pragma once
// Where decoded sound goes: an SDL2 device (audio subsystem only) or, with
// ZV_AUDIO=null or when no device opens, a silent sink that takes the samples
// at the pace of the master clock. Both drain the same chunk queue (signed
// 16-bit interleaved at the output rate), apply the volume, re-anchor the
// clock (device only) and feed the wave tap that the level displays read.

#include "player/MediaClock.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace zv {

class AudioOutput {
public:
    explicit AudioOutput(MediaClock &clock);
    ~AudioOutput();
    AudioOutput(const AudioOutput &) = delete;
    AudioOutput &operator=(const AudioOutput &) = delete;

    // Opens for the source's rate and channels. wantDevice false, or
    // ZV_AUDIO=null, chooses the silent sink on purpose; a device that does
    // not open falls back to it and sets deviceFailed().
    void open(int sampleRate, int channels, bool wantDevice);
    void close();
    bool deviceFailed() const { return m_deviceFailed; }
    bool usesDevice() const { return m_device != 0; }
    int rate() const { return m_rate; }
    int channels() const { return m_channels; }

    void setRunning(bool on);

    // Producer side (the audio thread). push waits while the queue holds
    // about half a second; false when the chunk went stale or on abort.
    // tempo: media time per played time (samples played faster or slower
    // than the media they come from).
    bool push(int serial, int64_t ptsUs, std::vector<int16_t> samples, double tempo = 1.0);
    void markEnd(int serial);
    void flush(int serial);
    // Everything of this serial was played (or nothing is left to play).
    bool drained(int serial) const;
    void abort();

    void setVolume(int percent) { m_volume = percent; }
    void setRendererVolume(int percent) { m_rendererVolume = percent; }

    // Wave tap: a malloc block in the wave layout, or null when off or when
    // nothing was played since the last call.
    void enableWave(bool on) { m_waveOn = on; }
    uint8_t *takeWaveBlock();

private:
    struct Chunk {
        int serial;
        int64_t ptsUs;
        std::vector<int16_t> samples;
        size_t offset = 0; // in samples (all channels)
        double tempo = 1.0;
        int64_t mediaUs(size_t frames, int rate) const { return int64_t(double(frames) * 1e6 * tempo / rate); }
    };
    static void sdlCallback(void *opaque, uint8_t *stream, int len);
    void fill(int16_t *out, int frames, bool anchor);
    void silentLoop();
    void tapWave(const int16_t *samples, int frames, int64_t firstUs, double tempo);

    MediaClock &m_clock;
    uint32_t m_device = 0;
    bool m_deviceFailed = false;
    bool m_sdlInit = false;
    int m_rate = 0;
    int m_channels = 0;
    int m_deviceBufferFrames = 0;

    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<Chunk> m_chunks;
    size_t m_queuedFrames = 0;
    int m_serial = 0;
    int m_endSerial = -1;
    bool m_abort = false;
    bool m_running = false;
    uint64_t m_underruns = 0; // device callbacks the queue ran dry in, mid-stream

    std::thread m_silent;
    std::atomic<bool> m_silentStop{false};

    std::atomic<int> m_volume{100};
    std::atomic<int> m_rendererVolume{100};

    std::atomic<bool> m_waveOn{false};
    std::mutex m_waveMutex;
    std::vector<uint16_t> m_waveRing; // 4096 levels, newest at m_wavePos - 1
    size_t m_wavePos = 0;
    int64_t m_waveEndUs = 0; // media time just after the newest level
    bool m_wavePlayed = false;
};

} // namespace zv
