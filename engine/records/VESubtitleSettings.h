#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

// Font and placement of subtitles. Margins are fractions of the picture.
struct VESubtitleSettings
{
    uint32_t m_alpha = 255;
    uint32_t m_scaleX = 100;
    uint32_t m_scaleY = 100;
    int64_t m_delay = 0;          // microseconds, signed
    QByteArray m_font;            // a leading "@" is dropped when applied
    uint32_t m_size = 18;
    uint32_t m_bold = 0;
    uint32_t m_italic = 0;
    uint32_t m_underline = 0;
    uint32_t m_strikeout = 0;
    uint32_t m_color = 0xFFFFFFFF;
    uint32_t m_shadowColor = 0x80000000;
    uint32_t m_outlineColor = 0xFF000000;
    double m_shadowOffset = 0.5;
    double m_outlineSize = 1.0;
    uint32_t m_align = 0;
    double m_spacingH = 0.0;
    double m_spacingV = 0.0;
    double m_marginH = 0.05;
    double m_marginV = 0.05;
    std::array<uint64_t, 2> m_reserved{};

    bool operator==(const VESubtitleSettings &o) const;
    bool operator!=(const VESubtitleSettings &o) const { return !(*this == o); }
};
