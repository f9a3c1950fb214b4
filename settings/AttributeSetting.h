#pragma once

#include <QString>

// The quality presets of the format dialog; the numbers are stored in the
// settings file, so they never change.
enum VideoQuality {
    VQ_SmallSize = 0,
    VQ_HighQuality = 1,
    VQ_Customized = 2
};

// The process-wide output profile. A plain value: jobs copy it whole into their
// own encode parameters before their worker starts.
struct AttributeSetting
{
    bool bOnlyAudio = false;
    bool bLossless = false;
    int nQuality = 0;          // 90 for High Quality, else 50
    QString fileFormat;        // container name, or "Original" (keep the source's)
    QString fileExtend;        // extension without the dot
    QString VEncoder;
    int VCodecsId = 0;         // -1: no video stream
    int VWidth = 0;            // 0: keep the source's size
    int VHeight = 0;
    int VFrameRate_fps = 0;
    int VFrameRate_scale = 1;  // never 0, so fps/scale is always defined
    int VBitRate = 0;          // kbit/s
    QString AEncoder;
    int ACodecsId = 0;         // -1: no audio stream
    int AChannel = 0;
    int ASampleRate = 0;       // Hz
    int ABitRate = 0;          // kbit/s
};
