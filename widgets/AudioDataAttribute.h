#pragma once

#include <QColor>

// How the level display draws: bar and block sizes, gaps, peak markers, colours and
// the drawing mode (0 stacked rounded blocks, 1 one line through the bar heights).
struct AudioDataAttribute
{
    int barWidth = 1;
    int blockHeight = 1;
    int barSpace = 0;
    int blockSpace = 0;
    int showPeak = 0;
    int peakFalling = 0;
    double radius = 0.0;
    QColor barColor = QColor(255, 255, 255);
    QColor peakColor = QColor(255, 0, 0);
    int drawMode = 0;
};
