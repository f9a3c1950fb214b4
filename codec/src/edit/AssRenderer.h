#pragma once
// libass at the output size: one track fed with dialogue lines, drawn with
// the user's subtitle style laid over the dialogue events.

#include "core/EditConfig.h"
#include "edit/AssLibrary.h"

#include <cstdint>
#include <string>

namespace zv {

class AssRenderer {
public:
    // The library and renderer for pictures of width × height; the track
    // starts from `header` (a stream's ASS header; empty: a default one).
    int open(int width, int height, const std::string &header, std::string *error);
    bool isOpen() const { return m_track != nullptr; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    void setStyle(const SubtitleStyle &style);
    // durationMs < 0: lasts until the next event.
    void addEvent(const std::string &dialogue, int64_t startMs, int64_t durationMs);
    // The glyph images at `ms`; null when nothing shows.
    ASS_Image *render(int64_t ms);

private:
    AssLibrary m_ass;
    AssTrackPtr m_track;
    std::string m_fontName;   // kept alive for the override style
    int m_width = 0, m_height = 0;
    int m_openEvent = -1;     // an event that lasts until the next one
};

} // namespace zv
