#include "QFrameEdge.h"

int QFrameEdge::edgeAt(QPoint pos, QRect g, bool horizontal, Bands b, QPoint* offset)
{
    const int x = pos.x(), y = pos.y();
    const int L = g.left(), T = g.top(), R = g.right(), B = g.bottom();
    const auto in = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    const auto between = [](int v, int lo, int hi) { return v > lo && v < hi; };
    const int c = b.corner;

    if (horizontal && in(x, L, L + b.side) && between(y, T + c, B - b.sideBottomGap)) {
        offset->setX(x - L);
        return 1;
    }
    if (horizontal && in(x, L, L + c) && in(y, T, T + c)) {
        *offset = QPoint(x - L, y - T);
        return 2;
    }
    if (between(x, L + c, R - c) && in(y, T, T + c)) {
        offset->setY(y - T);
        return 3;
    }
    if (horizontal && in(x, R - c, R) && in(y, T, T + c)) {
        *offset = QPoint(R - x, y - T);
        return 4;
    }
    if (horizontal && in(x, R - b.side, R) && between(y, T + c, B - b.sideBottomGap)) {
        offset->setX(R - x);
        return 5;
    }
    if (horizontal && in(x, R - c, R) && in(y, B - c, B)) {
        *offset = QPoint(R - x, B - y);
        return 6;
    }
    if (between(x, L + c, R - c) && in(y, B - c, B)) {
        offset->setY(B - y);
        return 7;
    }
    if (horizontal && in(x, L, L + c) && in(y, B - c, B)) {
        *offset = QPoint(x - L, B - y);
        return 8;
    }
    return 0;
}

Qt::CursorShape QFrameEdge::cursorFor(int edge)
{
    switch (edge) {
    case 1:
    case 5:
        return Qt::SizeHorCursor;
    case 2:
    case 6:
        return Qt::SizeFDiagCursor;
    case 3:
    case 7:
        return Qt::SizeVerCursor;
    case 4:
    case 8:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

QRect QFrameEdge::resized(QRect g, int edge, QPoint pos, QPoint offset, QSize minimum, int maxWidth, int maxHeight)
{
    QRect n = g;
    if (edge == 1 || edge == 2 || edge == 8)
        n.setLeft(pos.x() - offset.x());
    if (edge == 4 || edge == 5 || edge == 6)
        n.setRight(pos.x() + offset.x());
    if (edge == 2 || edge == 3 || edge == 4)
        n.setTop(pos.y() - offset.y());
    if (edge == 6 || edge == 7 || edge == 8)
        n.setBottom(pos.y() + offset.y());

    QRect result = g;
    const int w = n.right() - n.left();
    if (w > minimum.width() && (edge == 8 || w < maxWidth)) {
        result.setLeft(n.left());
        result.setRight(n.right());
    }
    const int h = n.bottom() - n.top();
    if (h > minimum.height() && h < maxHeight) {
        result.setTop(n.top());
        result.setBottom(n.bottom());
    }
    return result;
}
