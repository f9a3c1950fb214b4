#pragma once

#include <QMetaType>

// Where one segment lies on the time line, every field a fraction of the file's
// length (which is also a fraction of the strip's width). All zeros: no segment.
struct TimeItemInfo
{
    float start = 0;
    float end = 0;      // exactly 1.0: to the end of the file
    float length = 0;   // end - start
    float minStart = 0; // the previous segment's right edge, or 0
    float maxEnd = 0;   // the next segment's left edge, or 1.0
};

Q_DECLARE_METATYPE(TimeItemInfo)
