#pragma once

#include <QByteArray>
#include <cstdint>

// The style fields the subtitle record and the watermark text record share;
// the two text style dialogs edit only these and leave every other field alone.
struct QTextStyle
{
    QByteArray m_font;
    uint32_t m_size = 0;
    uint32_t m_bold = 0;
    uint32_t m_italic = 0;
    uint32_t m_underline = 0;
    uint32_t m_strikeout = 0;
    uint32_t m_color = 0;
    uint32_t m_shadowColor = 0;
    uint32_t m_outlineColor = 0;
    double m_shadowOffset = 0.0;
    double m_outlineSize = 0.0;
    double m_spacingH = 0.0;
    double m_spacingV = 0.0;

    template <class Record>
    static QTextStyle from(const Record& r)
    {
        QTextStyle s;
        s.m_font = r.m_font;
        s.m_size = r.m_size;
        s.m_bold = r.m_bold;
        s.m_italic = r.m_italic;
        s.m_underline = r.m_underline;
        s.m_strikeout = r.m_strikeout;
        s.m_color = r.m_color;
        s.m_shadowColor = r.m_shadowColor;
        s.m_outlineColor = r.m_outlineColor;
        s.m_shadowOffset = r.m_shadowOffset;
        s.m_outlineSize = r.m_outlineSize;
        s.m_spacingH = r.m_spacingH;
        s.m_spacingV = r.m_spacingV;
        return s;
    }

    template <class Record>
    void applyTo(Record& r) const
    {
        r.m_font = m_font;
        r.m_size = m_size;
        r.m_bold = m_bold;
        r.m_italic = m_italic;
        r.m_underline = m_underline;
        r.m_strikeout = m_strikeout;
        r.m_color = m_color;
        r.m_shadowColor = m_shadowColor;
        r.m_outlineColor = m_outlineColor;
        r.m_shadowOffset = m_shadowOffset;
        r.m_outlineSize = m_outlineSize;
        r.m_spacingH = m_spacingH;
        r.m_spacingV = m_spacingV;
    }
};
