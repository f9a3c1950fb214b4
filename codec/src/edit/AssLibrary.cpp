#include "edit/AssLibrary.h"

#include "core/Log.h"

extern "C" {
#include <libavutil/error.h>
}

#include <cstdarg>
#include <cstdio>

namespace zv {

namespace {

// libass errors go to our log; its chatter (levels above 1) is dropped.
void assMessage(int level, const char *fmt, va_list args, void *logName)
{
    if (level > 1)
        return;
    char buf[512];
    std::vsnprintf(buf, sizeof buf, fmt, args);
    zvLog("%s: %s", static_cast<const char *>(logName), buf);
}

} // namespace

int AssLibrary::open(const char *logName, std::string *error)
{
    m_renderer.reset();
    if (!m_library) {
        m_library.reset(ass_library_init());
        if (!m_library) {
            *error = "libass could not start";
            return AVERROR_EXTERNAL;
        }
        ass_set_message_cb(m_library.get(), assMessage, const_cast<char *>(logName));
    }
    m_renderer.reset(ass_renderer_init(m_library.get()));
    if (!m_renderer) {
        *error = "libass could not make a renderer";
        return AVERROR_EXTERNAL;
    }
    ass_set_fonts(m_renderer.get(), nullptr, "sans-serif", ASS_FONTPROVIDER_AUTODETECT, nullptr, 1);
    return 0;
}

void AssLibrary::setFrameSize(int width, int height)
{
    ass_set_frame_size(m_renderer.get(), width, height);
    ass_set_storage_size(m_renderer.get(), width, height);
}

AssTrackPtr AssLibrary::newTrack() const
{
    return AssTrackPtr(ass_new_track(m_library.get()));
}

AssTrackPtr AssLibrary::readTrack(std::string &script) const
{
    return AssTrackPtr(ass_read_memory(m_library.get(), script.data(), script.size(), nullptr));
}

} // namespace zv
