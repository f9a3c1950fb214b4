#pragma once

#include <cstdint>

// One piece of a split request, in microseconds; an end of 0 is the end of the file.
struct SplitSegment
{
    uint64_t m_start = 0;
    uint64_t m_end = 0;

    bool operator==(const SplitSegment &o) const { return m_start == o.m_start && m_end == o.m_end; }
};
