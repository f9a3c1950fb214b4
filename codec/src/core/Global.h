#pragma once
// Process-wide state behind the _Library calls: the interrupt switch (and the
// AVIOInterruptCB that reads it), the recursive library lock, the data path,
// the frame formats players deliver, and whether decoders may use threads.

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

namespace zv {

// ---- interrupt ----
void setGlobalInterrupt(bool on);
bool globalInterrupt();

// What an FFmpeg context (or our own I/O) checks between reads. A handle owns
// one and points its AVFormatContext::interrupt_callback.opaque at it.
// Info, chapter and open calls watch the global switch; players and running
// jobs only their own abort flag (watchGlobal = false).
struct InterruptScope {
    bool watchGlobal = true;
    std::atomic<bool> abort{false};
    // Raised with abort when the run failed from outside (its output's
    // folder was removed): it ends like a stop, but as a failure.
    std::atomic<bool> lost{false};
    bool interrupted() const { return abort.load() || (watchGlobal && globalInterrupt()); }
};

// AVIOInterruptCB::callback; opaque is an InterruptScope* (null: global only).
int interruptCallback(void *opaque);

// ---- library lock (ZV_Lock_Library, chapter open set-up and abort) ----
std::recursive_mutex &libraryLock();

// ---- data path ----
void setDataPath(const std::string &folder);
std::string dataPath();

// ---- frame formats: the codes players may deliver, in preference order ----
// Only 0 and 30 are kept; an empty list means {0}.
void setFrameFormats(const std::vector<int> &codes);
std::vector<int> frameFormats();

// ---- decoder threading ----
void setDecoderThreadsAllowed(bool on);
// AVCodecContext::thread_count to use: 0 (automatic) or 1.
int decoderThreadCount();

} // namespace zv
