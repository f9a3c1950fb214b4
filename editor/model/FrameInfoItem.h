#pragma once

#include <QString>

// One picture of a video pack, its size as the pack states it, and its overlay mix
// mode (carried, not interpreted here).
struct FrameInfoItem {
    QString FileName; // relative to the pack folder
    int Width = 0;
    int Height = 0;
    int Type = 0;
};
