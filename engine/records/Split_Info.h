#pragma once

#include <QMetaType>
#include <cstdint>

// A split request of an item: every N units, into N parts, or by chapters.
struct Split_Info
{
    enum Mode { NoSplit = 0, EveryUnits = 1, IntoParts = 2, ByChapters = 3 };

    int32_t m_mode = NoSplit;
    int32_t m_everyCount = 1;     // N of mode 1, at least 1
    uint8_t m_bMinutes = 0;       // non-zero: a unit is a minute, else an hour
    int32_t m_partCount = 1;      // N of mode 2
    int32_t m_chapterCount = 0;   // the source's chapters, set by probing

    uint64_t unitMicroseconds() const
    {
        return m_bMinutes ? 60000000ULL : 3600000000ULL;
    }
};

Q_DECLARE_METATYPE(Split_Info)
