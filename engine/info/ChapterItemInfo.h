#pragma once

#include <QByteArray>
#include <cstdint>

// One entry of the trim tab's chapter list: entry 0 is the whole media.
struct ChapterItemInfo
{
    int32_t index = 0;
    uint64_t startTime = 0;     // microseconds
    uint64_t duration = 0;
    uint64_t endTime = 0;
    QByteArray title;           // UTF-8
    QByteArray text;            // display line, UTF-8
};
