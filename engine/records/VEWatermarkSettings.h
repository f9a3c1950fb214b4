#pragma once

#include "VEWatermarkImageSettings.h"
#include "VEWatermarkTextSettings.h"

// One overlay layer. Which layer it is comes from its place in VEEditConfig.
struct VEWatermarkSettings
{
    VEWatermarkSettings()
    {
        // A layer built on its own has no size; the edit record sizes its layers.
        m_imageSettings.m_mixMode = 0;
        m_imageSettings.m_width = 0.0;
        m_imageSettings.m_height = 0.0;
    }

    VEWatermarkTextSettings m_textSettings;
    VEWatermarkImageSettings m_imageSettings;
    int32_t m_reserved1 = 0;
    int32_t m_reserved2 = 0;

    bool operator==(const VEWatermarkSettings &o) const
    {
        return m_textSettings == o.m_textSettings && m_imageSettings == o.m_imageSettings
            && m_reserved1 == o.m_reserved1 && m_reserved2 == o.m_reserved2;
    }
    bool operator!=(const VEWatermarkSettings &o) const { return !(*this == o); }
};
