#pragma once
// Cuts a sheet down to 256 colours for a copy small enough to keep: the most
// used colours win, which on a dark interface are its greys and text tones,
// and every pixel takes the nearest of them without dithering noise.

#include <QImage>

namespace SheetPalette {
QImage reduce(const QImage& image);
}
