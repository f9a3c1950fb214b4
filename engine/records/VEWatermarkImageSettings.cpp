#include "VEWatermarkImageSettings.h"

bool VEWatermarkImageSettings::operator==(const VEWatermarkImageSettings &o) const
{
    return m_imageFile == o.m_imageFile && m_loop == o.m_loop && m_angle == o.m_angle
        && m_alpha == o.m_alpha && m_scaleX == o.m_scaleX && m_scaleY == o.m_scaleY
        && m_posX == o.m_posX && m_posY == o.m_posY && m_border == o.m_border
        && m_maskFile == o.m_maskFile && m_mirror == o.m_mirror
        && m_reservedA == o.m_reservedA && m_reservedB == o.m_reservedB
        && m_reservedC == o.m_reservedC && m_mixMode == o.m_mixMode
        && m_showStart == o.m_showStart && m_showEnd == o.m_showEnd
        && m_splitStart == o.m_splitStart && m_splitEnd == o.m_splitEnd
        && m_cropRect == o.m_cropRect && m_width == o.m_width
        && m_height == o.m_height && m_layoutWidth == o.m_layoutWidth && m_layoutHeight == o.m_layoutHeight;
}
