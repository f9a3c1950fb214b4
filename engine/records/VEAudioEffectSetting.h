#pragma once

#include <cstdint>

// Volume, speed and rate in percent; 100 is neutral for each.
struct VEAudioEffectSetting
{
    uint32_t m_volume = 100;
    int32_t m_speed = 100;
    uint32_t m_rate = 100;

    bool operator==(const VEAudioEffectSetting &o) const
    {
        return m_volume == o.m_volume && m_speed == o.m_speed && m_rate == o.m_rate;
    }
    bool operator!=(const VEAudioEffectSetting &o) const { return !(*this == o); }
};
