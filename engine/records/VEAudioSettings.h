#pragma once

#include "VEAudioEffectSetting.h"
#include "VEEqualizeSettings.h"

// Volume, speed, rate and equaliser of the segment's audio.
struct VEAudioSettings
{
    VEAudioEffectSetting m_effect;
    VEEqualizeSettings m_equalize;
    uint64_t m_reserved = 0;

    bool operator==(const VEAudioSettings &o) const
    {
        return m_effect == o.m_effect && m_equalize == o.m_equalize && m_reserved == o.m_reserved;
    }
    bool operator!=(const VEAudioSettings &o) const { return !(*this == o); }
};
