#include "VESubtitleSettings.h"

bool VESubtitleSettings::operator==(const VESubtitleSettings &o) const
{
    return m_alpha == o.m_alpha && m_scaleX == o.m_scaleX && m_scaleY == o.m_scaleY
        && m_delay == o.m_delay && m_font == o.m_font && m_size == o.m_size
        && m_bold == o.m_bold && m_italic == o.m_italic && m_underline == o.m_underline
        && m_strikeout == o.m_strikeout && m_color == o.m_color
        && m_shadowColor == o.m_shadowColor && m_outlineColor == o.m_outlineColor
        && m_shadowOffset == o.m_shadowOffset && m_outlineSize == o.m_outlineSize
        && m_align == o.m_align && m_spacingH == o.m_spacingH && m_spacingV == o.m_spacingV
        && m_marginH == o.m_marginH && m_marginV == o.m_marginV && m_reserved == o.m_reserved;
}
