#pragma once

#include <cstdint>

// Colour adjustment; 100 is neutral for saturation and contrast.
struct VEVideoEffectSettings
{
    int32_t brightness = 0;   // luma offset
    int32_t m_reserved = 0;   // carried for the editing screens, never handed to a job
    int32_t saturation = 100;
    int32_t contrast = 100;
    int32_t hue = 0;

    bool operator==(const VEVideoEffectSettings &o) const
    {
        return brightness == o.brightness && m_reserved == o.m_reserved
            && saturation == o.saturation && contrast == o.contrast && hue == o.hue;
    }
    bool operator!=(const VEVideoEffectSettings &o) const { return !(*this == o); }
};
