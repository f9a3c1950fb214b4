#pragma once

#include <QPalette>

// The colours a skinned control paints with while it has no picture: the platform
// style draws it, in the skin's dark tones instead of a light island.
class QVelFallbackLook
{
public:
    // `from` with its button, window, base and text roles replaced.
    static QPalette palette(QPalette from);
};
