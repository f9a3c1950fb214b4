#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

// The value text of a progress bar, readable wherever the fill stands: inside
// the filled part it takes onFill, over the track onTrack, and each glyph has a
// thin halo in the other colour, so a track thinner than the text does not
// strike through it.
class QProgressCaption
{
public:
    static void draw(QPainter& painter, const QRectF& rect, int flags, const QString& text, const QRectF& filled,
                     const QColor& onFill, const QColor& onTrack);
    // The same with the text's baseline origin given.
    static void drawAt(QPainter& painter, const QPointF& origin, const QString& text, const QRectF& filled,
                       const QColor& onFill, const QColor& onTrack);

    // A caption colour that reads over a plain track of the given colour: the
    // skin's dark or light text, whichever contrasts more, or black or white
    // where neither reaches 4.5:1.
    static QColor readableOn(const QColor& track);
    // The WCAG contrast ratio of two opaque colours, from 1 to 21.
    static double contrast(const QColor& a, const QColor& b);
    // The mean colour of a track picture's opaque pixels, which a caption over it must read on.
    static QColor toneOf(const QImage& picture);
};
