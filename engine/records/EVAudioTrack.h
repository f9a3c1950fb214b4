#pragma once

#include "AudioTrackInfo.h"

// An audio track of the edit record with its selected mark.
struct EVAudioTrack
{
    uint8_t m_bSelected = 0;
    AudioTrackInfo m_trackInfo;

    bool operator==(const EVAudioTrack &o) const
    {
        return m_bSelected == o.m_bSelected && m_trackInfo == o.m_trackInfo;
    }
    bool operator!=(const EVAudioTrack &o) const { return !(*this == o); }
};
