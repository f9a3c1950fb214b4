#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// Shared drawing steps of the image-strip widgets.
class QStripDraw
{
public:
    // The fixed logical size of one strip cell: (pixel width / 8) x (pixel height / 2).
    static QSize cellSize(const QImage& strip);
    // Cell `index` (0-3) cut out of a four-cell strip, still double resolution.
    static QImage cell(const QImage& strip, int index);
    // A picture drawn nine-grid (corners a third of the smaller size) from (0, 0)
    // over the rectangle's width and height.
    static void drawGrid(QPainter& painter, const QRect& rect, const QImage& picture);
    // A picture scaled whole into the rectangle.
    static void drawScaled(QPainter& painter, const QRect& rect, const QImage& picture);
    // An icon scaled into the rectangle keeping its aspect ratio, at its top-left.
    static void drawIcon(QPainter& painter, const QRect& rect, const QPixmap& icon);
    // A caption elided at the right: centred when the rectangle starts at x 0,
    // otherwise left-aligned; vertically centred either way.
    static void drawCaption(QPainter& painter, const QRect& rect, const QString& text);
    static int captionFlags(const QRect& rect);
    // A window title in the font and colour, the painter's font given back
    // after; a rectangle without width spans `width`, one without height is 20
    // high. The rectangle drawn into.
    static QRect drawTitle(QPainter& painter, QRect rect, int width, const QString& title, const QFont& font,
                           const QColor& colour);
};
