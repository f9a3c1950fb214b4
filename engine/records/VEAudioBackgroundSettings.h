#pragma once

#include <QByteArray>
#include <cstdint>

// An extra audio file mixed into the output; applied only when the file is set.
struct VEAudioBackgroundSettings
{
    QByteArray m_file;          // UTF-8 path
    uint32_t m_mixMode = 0;
    uint32_t m_loop = 1;
    uint32_t m_volume = 100;
    uint32_t m_weight = 50;     // mix weight against the source
    uint64_t m_showStart = 0;
    uint64_t m_showEnd = 0;
    uint64_t m_splitStart = 0;  // part of the background file used
    uint64_t m_splitEnd = 0;

    bool operator==(const VEAudioBackgroundSettings &o) const
    {
        return m_file == o.m_file && m_mixMode == o.m_mixMode && m_loop == o.m_loop
            && m_volume == o.m_volume && m_weight == o.m_weight
            && m_showStart == o.m_showStart && m_showEnd == o.m_showEnd
            && m_splitStart == o.m_splitStart && m_splitEnd == o.m_splitEnd;
    }
    bool operator!=(const VEAudioBackgroundSettings &o) const { return !(*this == o); }
};
