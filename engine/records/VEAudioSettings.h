#pragma once

#include "VEAudioEffectSetting.h"
#include "VEEqualizeSettings.h"

// Volume, speed, rate and equaliser of the segment's audio.
struct VEAudioSettings
{
    VEAudioEffectSetting m_effect;
    VEEqualizeSettings m_equalize;
    uint64_t m_effectIndex = 0; // position of the chosen sound-effect pack

    bool operator==(const VEAudioSettings &o) const
    {
        return m_effect == o.m_effect && m_equalize == o.m_equalize && m_effectIndex == o.m_effectIndex;
    }
    bool operator!=(const VEAudioSettings &o) const { return !(*this == o); }
};
