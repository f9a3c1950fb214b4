#include "VEWatermarkTextSettings.h"

bool VEWatermarkTextSettings::operator==(const VEWatermarkTextSettings &o) const
{
    return m_text == o.m_text && m_alpha == o.m_alpha && m_angle == o.m_angle
        && m_scaleX == o.m_scaleX && m_scaleY == o.m_scaleY
        && m_posX == o.m_posX && m_posY == o.m_posY
        && m_border == o.m_border && m_topmost == o.m_topmost
        && m_font == o.m_font && m_size == o.m_size && m_bold == o.m_bold
        && m_italic == o.m_italic && m_underline == o.m_underline
        && m_strikeout == o.m_strikeout && m_color == o.m_color
        && m_shadowColor == o.m_shadowColor && m_outlineColor == o.m_outlineColor
        && m_shadowOffset == o.m_shadowOffset && m_outlineSize == o.m_outlineSize
        && m_showStart == o.m_showStart && m_showEnd == o.m_showEnd
        && m_reserved == o.m_reserved && m_layoutWidth == o.m_layoutWidth
        && m_layoutHeight == o.m_layoutHeight && m_spacingH == o.m_spacingH
        && m_spacingV == o.m_spacingV && m_reserved2 == o.m_reserved2;
}
