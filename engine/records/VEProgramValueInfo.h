#pragma once

#include <QByteArray>
#include <cstdint>

// Program, audio and subtitle choice for a conversion job.
struct VEProgramValueInfo
{
    int32_t ProgramIndex = 0;
    int32_t audioType = 0;       // -1 = no audio, else the selected audio track
    int32_t m_audioIndex = 0;    // audio track the preview plays
    int32_t m_subtitleIndex = 0; // subtitle track the preview shows
    int32_t m_subtitleCount = 0; // subtitle streams of the source
    int32_t subtlType = -1;      // -1 none, -2 closed captions, -3 file, else the selected track
    QByteArray m_subtitleFile;   // path as the file system names it, used with -3

    bool operator==(const VEProgramValueInfo &o) const
    {
        return ProgramIndex == o.ProgramIndex && audioType == o.audioType
            && m_audioIndex == o.m_audioIndex && m_subtitleIndex == o.m_subtitleIndex
            && m_subtitleCount == o.m_subtitleCount && subtlType == o.subtlType
            && m_subtitleFile == o.m_subtitleFile;
    }
    bool operator!=(const VEProgramValueInfo &o) const { return !(*this == o); }
};
