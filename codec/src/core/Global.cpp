#include "core/Global.h"

#include <algorithm>

namespace zv {
namespace {

std::atomic<bool> g_interrupt{false};
std::atomic<bool> g_threads{true};

struct Settings {
    std::mutex mutex;
    std::string dataPath;
    std::vector<int> frameFormats{0};
};

Settings &settings()
{
    static Settings s;
    return s;
}

} // namespace

void setGlobalInterrupt(bool on) { g_interrupt.store(on); }
bool globalInterrupt() { return g_interrupt.load(); }

int interruptCallback(void *opaque)
{
    if (!opaque)
        return globalInterrupt() ? 1 : 0;
    return static_cast<const InterruptScope *>(opaque)->interrupted() ? 1 : 0;
}

std::recursive_mutex &libraryLock()
{
    static std::recursive_mutex lock;
    return lock;
}

void setDataPath(const std::string &folder)
{
    Settings &s = settings();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.dataPath = folder;
}

std::string dataPath()
{
    Settings &s = settings();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.dataPath;
}

void setFrameFormats(const std::vector<int> &codes)
{
    std::vector<int> kept;
    for (int c : codes) {
        if ((c == 0 || c == 30) && std::find(kept.begin(), kept.end(), c) == kept.end())
            kept.push_back(c);
    }
    if (kept.empty())
        kept.push_back(0);
    Settings &s = settings();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.frameFormats = kept;
}

std::vector<int> frameFormats()
{
    Settings &s = settings();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.frameFormats;
}

void setDecoderThreadsAllowed(bool on) { g_threads.store(on); }
int decoderThreadCount() { return g_threads.load() ? 0 : 1; }

} // namespace zv
