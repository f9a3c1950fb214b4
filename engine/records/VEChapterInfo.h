#pragma once

#include <QByteArray>
#include <cstdint>

// One entry of the edit record's chapter list. Entry 0 is the "Current" entry
// that holds the segment's trim range; the source's chapters follow.
struct VEChapterInfo
{
    int32_t m_index = 0;
    uint64_t m_startTime = 0;   // microseconds
    uint64_t m_length = 0;
    uint64_t m_endTime = 0;
    QByteArray m_name;          // UTF-8
    QByteArray m_text;          // display line, UTF-8

    bool operator==(const VEChapterInfo &o) const
    {
        return m_index == o.m_index && m_startTime == o.m_startTime
            && m_length == o.m_length && m_endTime == o.m_endTime
            && m_name == o.m_name && m_text == o.m_text;
    }
    bool operator!=(const VEChapterInfo &o) const { return !(*this == o); }
};
