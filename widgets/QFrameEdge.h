#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

// Edge tracking and edge resizing of the frameless window bases. Edges: 0 none,
// 1 left, 2 top-left, 3 top, 4 top-right, 5 right, 6 bottom-right, 7 bottom,
// 8 bottom-left. Positions are global; rectangles have inclusive edges.
class QFrameEdge
{
public:
    struct Bands
    {
        int side;          // x band of the plain left and right edges
        int corner;        // the corners' bands, and the top and bottom edges' y band
        int sideBottomGap; // the plain side edges end this far above the bottom
    };

    static Bands dialogBands() { return {4, 4, 4}; }
    static Bands windowBands() { return {3, 6, 4}; }

    // The edge under `pos`; writes the grab offsets the edge needs into `offset`.
    static int edgeAt(QPoint pos, QRect geometry, bool horizontal, Bands bands, QPoint* offset);
    static Qt::CursorShape cursorFor(int edge);
    // The geometry after dragging `edge` to `pos`. A width change is kept only
    // above the minimum and (except for the bottom-left edge) below maxWidth; a
    // height change only above the minimum and below maxHeight.
    static QRect resized(QRect geometry, int edge, QPoint pos, QPoint offset, QSize minimum, int maxWidth,
                         int maxHeight);
};
