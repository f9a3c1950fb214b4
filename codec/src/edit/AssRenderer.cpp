#include "edit/AssRenderer.h"

extern "C" {
#include <libavutil/error.h>
}

#include <algorithm>
#include <cmath>

namespace zv {

namespace {

// A header for streams that bring none: PlayResY 288 so sizes follow the
// shared unit, and PlayResX of the picture's shape so glyphs keep theirs.
std::string defaultHeader(int width, int height)
{
    const int playX = int(std::lround(288.0 * width / std::max(height, 1)));
    return "[Script Info]\nScriptType: v4.00+\nPlayResX: " + std::to_string(playX)
        + "\nPlayResY: 288\nScaledBorderAndShadow: yes\n\n[V4+ Styles]\n"
          "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, Bold, "
          "Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, Shadow, Alignment, "
          "MarginL, MarginR, MarginV, Encoding\n"
          "Style: Default,sans-serif,18,&Hffffff,&Hffffff,&H0,&H0,0,0,0,0,100,100,0,0,1,1,0,2,10,10,10,0\n\n"
          "[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n";
}

// ARGB with the subtitle's own alpha into libass's RGBA, where A is transparency.
uint32_t assColour(uint32_t argb, uint32_t alpha)
{
    const uint32_t opacity = ((argb >> 24) & 0xFF) * std::min<uint32_t>(alpha, 255) / 255;
    return ((argb & 0xFFFFFF) << 8) | (255 - opacity);
}

} // namespace

int AssRenderer::open(int width, int height, const std::string &header, std::string *error)
{
    m_track.reset();
    m_width = width;
    m_height = height;
    m_openEvent = -1;
    if (int err = m_ass.open("subtitles: libass", error); err < 0)
        return err;
    m_ass.setFrameSize(width, height);
    m_track = m_ass.newTrack();
    if (!m_track) {
        *error = "libass could not make a subtitle track";
        return AVERROR_EXTERNAL;
    }
    std::string text = header.empty() ? defaultHeader(width, height) : header;
    ass_process_codec_private(m_track.get(), text.data(), int(text.size()));
    // Headers FFmpeg writes for plain text streams use 384 × 288; widen
    // them to the picture's shape so letters are not stretched.
    if (m_track->PlayResY == 288 && m_track->PlayResX == 384)
        m_track->PlayResX = int(std::lround(288.0 * width / std::max(height, 1)));
    return 0;
}

void AssRenderer::setStyle(const SubtitleStyle &s)
{
    if (!m_ass.isOpen() || !m_track)
        return;
    m_fontName = s.font.empty() ? "sans-serif" : s.font;
    ASS_Style style{};
    style.Name = const_cast<char *>("Default");
    style.FontName = const_cast<char *>(m_fontName.c_str());
    style.FontSize = s.size;
    style.PrimaryColour = assColour(s.color, s.alpha);
    style.SecondaryColour = style.PrimaryColour;
    style.OutlineColour = assColour(s.outlineColor, s.alpha);
    style.BackColour = assColour(s.shadowColor, s.alpha);
    style.Bold = s.bold ? 1 : 0;
    style.Italic = s.italic ? 1 : 0;
    style.Underline = s.underline ? 1 : 0;
    style.StrikeOut = s.strikeout ? 1 : 0;
    style.ScaleX = s.scaleX / 100.0;
    style.ScaleY = s.scaleY / 100.0;
    style.Spacing = s.spacingH;
    style.BorderStyle = 1;
    style.Outline = s.outlineSize;
    style.Shadow = s.shadowOffset;
    style.Alignment = HALIGN_CENTER | (s.align == 16 ? VALIGN_TOP : s.align == 32 ? VALIGN_CENTER : VALIGN_SUB);
    style.MarginL = style.MarginR = int(std::lround(s.marginH * m_track->PlayResX));
    style.MarginV = int(std::lround(s.marginV * m_track->PlayResY));
    style.Justify = ASS_JUSTIFY_AUTO;
    ass_set_selective_style_override(m_ass.renderer(), &style);
    ass_set_selective_style_override_enabled(
        m_ass.renderer(), ASS_OVERRIDE_BIT_STYLE | ASS_OVERRIDE_BIT_FONT_SIZE_FIELDS | ASS_OVERRIDE_BIT_FONT_NAME
            | ASS_OVERRIDE_BIT_COLORS | ASS_OVERRIDE_BIT_ATTRIBUTES | ASS_OVERRIDE_BIT_BORDER
            | ASS_OVERRIDE_BIT_ALIGNMENT | ASS_OVERRIDE_BIT_MARGINS);
    // Extra line spacing is in the shared unit; libass takes pixels.
    ass_set_line_spacing(m_ass.renderer(), s.spacingV * m_height / 288.0);
}

void AssRenderer::addEvent(const std::string &dialogue, int64_t startMs, int64_t durationMs)
{
    if (!m_track)
        return;
    if (m_openEvent >= 0 && m_openEvent < m_track->n_events) {
        ASS_Event &open = m_track->events[m_openEvent];
        open.Duration = std::max<long long>(0, startMs - open.Start);
        m_openEvent = -1;
    }
    const int before = m_track->n_events;
    // A day stands for "until the next event".
    std::string line = dialogue; // libass wants a writable buffer
    ass_process_chunk(m_track.get(), line.data(), int(line.size()), startMs,
                      durationMs < 0 ? 86400000 : durationMs);
    if (durationMs < 0 && m_track->n_events > before)
        m_openEvent = m_track->n_events - 1;
}

ASS_Image *AssRenderer::render(int64_t ms)
{
    if (!m_ass.isOpen() || !m_track)
        return nullptr;
    return ass_render_frame(m_ass.renderer(), m_track.get(), ms, nullptr);
}

} // namespace zv
