#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

// The picture combo boxes take their caption size as a point size, and the
// sizes of this dialog were chosen as pixels at 72 dpi. On a 96 dpi screen the
// same number in points is a third larger and the captions no longer fit, so
// the pixel size is turned into the points that give it on this screen.
inline int captionPoints(int pixels)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInchY() : 72.0;
    return qMax(1, qRound(pixels * 72.0 / (dpi > 0 ? dpi : 72.0)));
}
