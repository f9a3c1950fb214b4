#pragma once

#include <QColor>
#include <QPalette>

// The text brush of the skinned fields: the field colour with a diagonal-cross
// pattern. The line edits draw their text with the brush's colour, so the digits
// stay solid and readable (checked on screenshots under X11 and offscreen).
inline QPalette fieldTextPalette(QPalette palette, const QColor& color)
{
    palette.setBrush(QPalette::All, QPalette::Text, QBrush(color, Qt::DiagCrossPattern));
    return palette;
}
