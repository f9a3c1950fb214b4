// The ratio lock of a pan-scan crop drag: the freely dragged box is brought back
// to the shape it had at the press, keeping the edges opposite the handle.
#include "VelPlayerManager.h"

void VelPlayerManager::MoveCropPanScan()
{
    const QRectF s = m_dragStartRect;
    if (s.width() <= 0.0 || s.height() <= 0.0)
        return;
    const double r = s.width() / s.height();
    QRectF& c = m_cropSettings.m_cropRect;
    double x = c.x(), y = c.y(), w = c.width(), h = c.height();
    const double right = s.x() + s.width();
    const double bottom = s.y() + s.height();
    const auto byWidth = [&](double width) { w = width; h = width / r; };
    const auto byHeight = [&](double height) { h = height; w = height * r; };
    switch (m_dragMode) {
    case 1: // anchored at the bottom-right corner
        byWidth(qMax(w, h * r));
        if (right - w < 0.0)
            byWidth(right);
        if (bottom - h < 0.0)
            byHeight(bottom);
        x = right - w;
        y = bottom - h;
        break;
    case 2: // anchored at the top-right corner
        w <= h * r ? byHeight(h) : byWidth(w);
        if (right - w < 0.0)
            byWidth(right);
        y = s.y();
        if (y + h > 1.0)
            byHeight(1.0 - y);
        x = right - w;
        break;
    case 3: // right edge and top stay
        byWidth(w);
        y = s.y();
        if (y + h > 1.0)
            byHeight(1.0 - y);
        x = right - w;
        break;
    case 4: // anchored at the bottom-left corner
        w * s.height() > h * s.width() ? byWidth(w) : byHeight(h);
        if (bottom - h < 0.0)
            byHeight(bottom);
        x = s.x();
        if (x + w > 1.0)
            byWidth(1.0 - x);
        y = bottom - h;
        break;
    case 5: // anchored at the top-left corner
        w <= h * r ? byHeight(h) : byWidth(w);
        x = s.x();
        y = s.y();
        if (x + w > 1.0)
            byWidth(1.0 - x);
        if (y + h > 1.0)
            byHeight(1.0 - y);
        break;
    case 6: // left edge and top stay
        byWidth(w);
        x = s.x();
        y = s.y();
        if (y + h > 1.0)
            byHeight(1.0 - y);
        break;
    case 7: // bottom edge and left stay
        byHeight(h);
        x = s.x();
        if (x + w > 1.0)
            byWidth(1.0 - x);
        y = bottom - h;
        break;
    case 8: // top edge and left stay
        byHeight(h);
        x = s.x();
        y = s.y();
        if (x + w > 1.0)
            byWidth(1.0 - x);
        break;
    default:
        return;
    }
    c = QRectF(x, y, w, h);
}
