#include "VECropSettings.h"

bool VECropSettings::operator==(const VECropSettings &o) const
{
    return m_aspectMode == o.m_aspectMode && m_cropMode == o.m_cropMode
        && m_aspectWidth == o.m_aspectWidth && m_aspectHeight == o.m_aspectHeight
        && m_reserved1 == o.m_reserved1 && m_reserved2 == o.m_reserved2
        && m_rotation == o.m_rotation && m_mirror == o.m_mirror
        && m_padding == o.m_padding && m_padColor == o.m_padColor
        && m_cropRect == o.m_cropRect && m_padCropRect == o.m_padCropRect;
}
