#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

// Text half of an overlay layer; used when the text is non-empty.
// Texts are UTF-8, positions fractions of the picture, times microseconds.
struct VEWatermarkTextSettings
{
    QByteArray m_text;
    uint32_t m_alpha = 255;
    int32_t m_angle = 0;
    uint32_t m_scaleX = 100;
    uint32_t m_scaleY = 100;
    double m_posX = 0.0;
    double m_posY = 0.0;
    uint32_t m_border = 1;       // preview only
    uint32_t m_topmost = 1;      // text above the image half
    QByteArray m_font;           // a leading "@" is dropped when applied
    uint32_t m_size = 28;
    uint32_t m_bold = 0;
    uint32_t m_italic = 0;
    uint32_t m_underline = 0;
    uint32_t m_strikeout = 0;
    uint32_t m_color = 0xFFFFFFFF;
    uint32_t m_shadowColor = 0x80000000;
    uint32_t m_outlineColor = 0xFF000000;
    double m_shadowOffset = 0.5;
    double m_outlineSize = 1.0;
    uint64_t m_showStart = 0;
    uint64_t m_showEnd = 0;      // 0 = to the end
    std::array<uint64_t, 2> m_reserved{};
    double m_layoutWidth = 0.0;  // box as the player laid it out, for the preview
    double m_layoutHeight = 0.0;
    double m_spacingH = 0.0;
    double m_spacingV = 0.0;
    std::array<uint64_t, 2> m_reserved2{};

    bool operator==(const VEWatermarkTextSettings &o) const;
    bool operator!=(const VEWatermarkTextSettings &o) const { return !(*this == o); }
};
