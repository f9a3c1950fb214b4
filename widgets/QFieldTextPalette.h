#pragma once

#include <QColor>
#include <QPalette>

// The text brush of the skinned fields. It is a solid brush: a patterned
// (diagonal-cross) brush renders the digits as hatching on Linux and they become
// unreadable.
inline QPalette fieldTextPalette(QPalette palette, const QColor& color)
{
    palette.setBrush(QPalette::All, QPalette::Text, QBrush(color, Qt::SolidPattern));
    return palette;
}
