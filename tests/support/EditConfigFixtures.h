#pragma once
// Edit records as the segment list hands them to the editing dialog.

#include "EVAudioTrack.h"
#include "VEEditConfig.h"

#include <QByteArray>

namespace EditConfigFixtures {

// A clip with one sound track, listed the way the file's probe lists it for the
// Audio tab, and that track chosen for the preview.
inline VEEditConfig withOneAudioTrack(const QByteArray& displayText)
{
    VEEditConfig cfg;
    EVAudioTrack track;
    track.m_bSelected = 1;
    track.m_trackInfo.m_trackIndex = 1;
    track.m_trackInfo.m_displayText = displayText;
    cfg.m_audioTracks.append(track);
    cfg.m_programValue.m_audioIndex = 0;
    return cfg;
}

} // namespace EditConfigFixtures
