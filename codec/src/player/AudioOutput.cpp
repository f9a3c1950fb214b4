#include "player/AudioOutput.h"

#include "core/Log.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace zv {

namespace {
constexpr size_t kWaveRingLevels = 4096;
constexpr size_t kWaveBlockLevels = 2048;
constexpr int kWaveHeaderBytes = 44;

bool silentOnPurpose()
{
    const char *env = std::getenv("ZV_AUDIO");
    return env && std::strcmp(env, "null") == 0;
}

void putLe16(uint8_t *p, uint32_t v) { p[0] = uint8_t(v); p[1] = uint8_t(v >> 8); }
void putLe32(uint8_t *p, uint32_t v) { putLe16(p, v & 0xFFFF); putLe16(p + 2, v >> 16); }
void putLe64(uint8_t *p, uint64_t v) { putLe32(p, uint32_t(v)); putLe32(p + 4, uint32_t(v >> 32)); }
} // namespace

AudioOutput::AudioOutput(MediaClock &clock) : m_clock(clock), m_waveRing(kWaveRingLevels, 0) {}

AudioOutput::~AudioOutput() { close(); }

void AudioOutput::open(int sampleRate, int channels, bool wantDevice)
{
    close();
    m_deviceFailed = false;
    m_rate = sampleRate > 0 ? sampleRate : 48000;
    m_channels = std::clamp(channels, 1, 2);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_abort = false;
        m_chunks.clear();
        m_queuedFrames = 0;
        m_endSerial = -1;
    }
    if (wantDevice && !silentOnPurpose()) {
        // SDL would otherwise take over SIGINT and SIGTERM and turn them into
        // quit events that nobody here reads: the program could not be ended.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            zvLog("audio: SDL audio subsystem failed: %s", SDL_GetError());
            m_deviceFailed = true;
        } else {
            m_sdlInit = true;
            SDL_AudioSpec want{}, have{};
            want.freq = m_rate;
            want.format = AUDIO_S16SYS;
            want.channels = uint8_t(m_channels);
            want.samples = 1024;
            want.callback = &AudioOutput::sdlCallback;
            want.userdata = this;
            m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have,
                                           SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
            if (m_device == 0) {
                zvLog("audio: no output device, playing silently: %s", SDL_GetError());
                m_deviceFailed = true;
            } else {
                m_rate = have.freq;
                m_channels = std::clamp<int>(have.channels, 1, 2);
                if (have.channels != m_channels) {
                    // Rare layouts beyond stereo: ask again for what we can fill.
                    SDL_CloseAudioDevice(m_device);
                    want.freq = have.freq;
                    want.channels = uint8_t(m_channels);
                    m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
                    m_deviceFailed = m_device == 0;
                }
                m_deviceBufferFrames = have.samples;
            }
        }
    }
    if (!m_device) {
        m_silentStop = false;
        m_silent = std::thread(&AudioOutput::silentLoop, this);
    }
}

void AudioOutput::close()
{
    abort();
    if (m_device) {
        SDL_CloseAudioDevice(m_device); // waits for a callback in progress
        m_device = 0;
    }
    if (m_sdlInit) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_sdlInit = false;
    }
    m_silentStop = true;
    if (m_silent.joinable())
        m_silent.join();
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_underruns)
        zvLog("audio: the sound ran dry %llu times", (unsigned long long)m_underruns);
    m_underruns = 0;
    m_chunks.clear();
    m_queuedFrames = 0;
    m_running = false;
}

void AudioOutput::setRunning(bool on)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_running = on;
    }
    if (m_device)
        SDL_PauseAudioDevice(m_device, on ? 0 : 1);
}

bool AudioOutput::push(int serial, int64_t ptsUs, std::vector<int16_t> samples, double tempo)
{
    const size_t frames = samples.size() / size_t(m_channels);
    const size_t limit = size_t(m_rate) / 2;
    std::unique_lock<std::mutex> lock(m_mutex);
    m_cv.wait(lock, [&] { return m_abort || serial != m_serial || m_queuedFrames < limit; });
    if (m_abort || serial != m_serial)
        return false;
    m_queuedFrames += frames;
    m_chunks.push_back({serial, ptsUs, std::move(samples), 0, tempo});
    return true;
}

void AudioOutput::markEnd(int serial)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (serial == m_serial)
        m_endSerial = serial;
}

void AudioOutput::flush(int serial)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_serial = serial;
    m_chunks.clear();
    m_queuedFrames = 0;
    m_endSerial = -1;
    m_cv.notify_all();
}

bool AudioOutput::drained(int serial) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_endSerial == serial && m_chunks.empty();
}

void AudioOutput::abort()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_abort = true;
    m_cv.notify_all();
}

void AudioOutput::sdlCallback(void *opaque, uint8_t *stream, int len)
{
    auto *self = static_cast<AudioOutput *>(opaque);
    self->fill(reinterpret_cast<int16_t *>(stream), len / int(sizeof(int16_t)) / self->m_channels, true);
}

// Copies `frames` frames out of the queue (silence where it runs dry).
void AudioOutput::fill(int16_t *out, int frames, bool anchor)
{
    const int ch = m_channels;
    std::fill(out, out + size_t(frames) * ch, int16_t(0));
    const int gain = m_volume.load() * m_rendererVolume.load(); // 10000 = unity
    int done = 0;
    int64_t firstUs = -1;
    double tempo = 1.0;
    std::unique_lock<std::mutex> lock(m_mutex);
    while (done < frames && !m_chunks.empty()) {
        Chunk &c = m_chunks.front();
        const size_t avail = (c.samples.size() - c.offset) / size_t(ch);
        const size_t take = std::min<size_t>(avail, size_t(frames - done));
        if (firstUs < 0) {
            firstUs = c.ptsUs + c.mediaUs(c.offset / size_t(ch), m_rate);
            tempo = c.tempo;
        }
        const int16_t *src = c.samples.data() + c.offset;
        int16_t *dst = out + size_t(done) * ch;
        for (size_t i = 0; i < take * size_t(ch); ++i) {
            const int v = int(int64_t(src[i]) * gain / 10000);
            dst[i] = int16_t(std::clamp(v, -32768, 32767));
        }
        c.offset += take * size_t(ch);
        done += int(take);
        m_queuedFrames -= take;
        if (c.offset >= c.samples.size())
            m_chunks.pop_front();
    }
    if (anchor && done > 0 && done < frames && m_endSerial != m_serial)
        m_underruns++;
    m_cv.notify_all();
    lock.unlock();
    if (firstUs < 0)
        return;
    if (anchor) {
        // What we hand over now is heard after the device's buffer has played.
        const int64_t latencyUs = int64_t(double(m_deviceBufferFrames) * 1e6 * tempo / m_rate);
        m_clock.anchorAudio(firstUs - latencyUs);
    }
    tapWave(out, done, firstUs, tempo);
}

// Without a device the samples are taken as the system clock passes them, so
// completion and the wave tap behave as they would with sound.
void AudioOutput::silentLoop()
{
    std::vector<int16_t> scratch;
    while (!m_silentStop) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        int frames = 0;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_running || m_chunks.empty())
                continue;
            const Chunk &c = m_chunks.front();
            const int64_t headUs = c.ptsUs + c.mediaUs(c.offset / size_t(m_channels), m_rate);
            const int64_t dueUs = m_clock.now() - headUs;
            if (dueUs <= 0)
                continue;
            const int64_t dueFrames = int64_t(double(dueUs) / c.tempo * m_rate / 1e6) + 1;
            frames = int(std::min<int64_t>(dueFrames, int64_t(m_queuedFrames)));
            if (dueUs > 1000000) {
                // Samples far behind the clock (a stalled sink) are dropped whole.
                frames = int(m_queuedFrames);
            }
        }
        if (frames <= 0)
            continue;
        scratch.resize(size_t(frames) * size_t(m_channels));
        fill(scratch.data(), frames, false);
    }
}

void AudioOutput::tapWave(const int16_t *samples, int frames, int64_t firstUs, double tempo)
{
    if (!m_waveOn || frames <= 0)
        return;
    std::lock_guard<std::mutex> lock(m_waveMutex);
    for (int i = 0; i < frames; ++i) {
        int sum = 0;
        for (int c = 0; c < m_channels; ++c)
            sum += samples[size_t(i) * m_channels + c];
        const int mono = sum / m_channels;
        const int level = std::min(std::abs(mono) * 2, 65535);
        m_waveRing[m_wavePos] = uint16_t(level);
        m_wavePos = (m_wavePos + 1) % kWaveRingLevels;
    }
    m_waveEndUs = firstUs + int64_t(double(frames) * 1e6 * tempo / m_rate);
    m_wavePlayed = true;
}

uint8_t *AudioOutput::takeWaveBlock()
{
    if (!m_waveOn)
        return nullptr;
    std::lock_guard<std::mutex> lock(m_waveMutex);
    if (!m_wavePlayed)
        return nullptr;
    m_wavePlayed = false;
    const size_t bytes = kWaveBlockLevels * 2;
    auto *block = static_cast<uint8_t *>(std::calloc(1, kWaveHeaderBytes + bytes));
    if (!block)
        return nullptr;
    std::memcpy(block, "ZVWB", 4);
    putLe32(block + 4, kWaveHeaderBytes);
    const int64_t firstUs = m_waveEndUs - int64_t(kWaveBlockLevels) * 1000000 / m_rate;
    putLe64(block + 8, uint64_t(std::max<int64_t>(firstUs, 0)));
    putLe16(block + 16, 1);
    putLe16(block + 18, 16);
    putLe32(block + 20, uint32_t(m_rate));
    putLe32(block + 24, uint32_t(m_rate) * 2);
    putLe32(block + 40, uint32_t(bytes));
    uint8_t *dst = block + kWaveHeaderBytes;
    size_t pos = (m_wavePos + kWaveRingLevels - kWaveBlockLevels) % kWaveRingLevels;
    for (size_t i = 0; i < kWaveBlockLevels; ++i) {
        putLe16(dst + 2 * i, m_waveRing[pos]);
        pos = (pos + 1) % kWaveRingLevels;
    }
    return block;
}

} // namespace zv
