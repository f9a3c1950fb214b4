#pragma once

#include "SubtitleTrackInfo.h"

// A subtitle track of the edit record; selected = it goes into a lossless output.
// Its position in the record's list is the track number handed to the codec.
struct EVSubtitleTrack
{
    uint8_t m_bSelected = 0;
    SubtitleTrackInfo m_trackInfo;

    bool operator==(const EVSubtitleTrack &o) const
    {
        return m_bSelected == o.m_bSelected && m_trackInfo == o.m_trackInfo;
    }
    bool operator!=(const EVSubtitleTrack &o) const { return !(*this == o); }
};
