#pragma once

#include <QByteArray>
#include <cstdint>

// The preview's subtitle and audio choice.
struct VESubtitleValue_Info
{
    int32_t m_value1 = 0;
    int32_t m_value2 = 0;
    int32_t m_audioIndex = 0;      // source audio track the preview plays
    int32_t m_subtitleNumber = 0;  // 1-based; count + 1 = closed captions; above = the file
    int32_t m_subtitleCount = 0;   // subtitle streams of the source
    int32_t m_value6 = -1;
    QByteArray m_subtitleFile;     // path as the file system names it

    bool operator==(const VESubtitleValue_Info &o) const
    {
        return m_value1 == o.m_value1 && m_value2 == o.m_value2
            && m_audioIndex == o.m_audioIndex && m_subtitleNumber == o.m_subtitleNumber
            && m_subtitleCount == o.m_subtitleCount && m_value6 == o.m_value6
            && m_subtitleFile == o.m_subtitleFile;
    }
    bool operator!=(const VESubtitleValue_Info &o) const { return !(*this == o); }
};
