#include "QBaseImageDraw.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

void QBaseImageDraw::drawImage(QPainter& painter, QRect target, QRect source, QImage& image)
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QRectF src(2.0 * source.x(), 2.0 * source.y(), 2.0 * source.width(), 2.0 * source.height());
    painter.drawImage(QRectF(target), image, src);
}

void QBaseImageDraw::drawPixmap(QPainter& painter, QRect target, QRect source, QPixmap& pixmap)
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QRectF src(2.0 * source.x(), 2.0 * source.y(), 2.0 * source.width(), 2.0 * source.height());
    painter.drawPixmap(QRectF(target), pixmap, src);
}

QVector<QBaseImageDraw::NineCell> QBaseImageDraw::ninePartCells(const QRect& target, const QSize& imagePixels)
{
    QVector<NineCell> cells;
    const int L = target.x();
    const int T = target.y();
    const int w = target.width();
    const int h = target.height();
    const int R = L + w;
    const int B = T + h;
    const int halfW = imagePixels.width() / 2;
    const int halfH = imagePixels.height() / 2;
    const int c = std::min(halfW, w) / 3;
    const int d = std::min(halfH, h) / 3;
    const int mw = (halfW - 2 * c) * 2;
    const int mh = (halfH - 2 * d) * 2;
    const int rightSrc = (halfW - c) * 2;
    const int bottomSrc = (halfH - d) * 2;

    cells.append({QRect(L, T, c, d), QRect(0, 0, 2 * c, 2 * d)});
    cells.append({QRect(R - c, T, c, d), QRect(rightSrc, 0, 2 * c, 2 * d)});
    if (w > 2 * c)
        cells.append({QRect(L + c, T, w - 2 * c, d), QRect(2 * c, 0, mw, 2 * d)});
    cells.append({QRect(L, B - d, c, d), QRect(0, bottomSrc, 2 * c, 2 * d)});
    cells.append({QRect(R - c, B - d, c, d), QRect(rightSrc, bottomSrc, 2 * c, 2 * d)});
    if (w > 2 * c)
        cells.append({QRect(L + c, B - d, w - 2 * c, d), QRect(2 * c, bottomSrc, mw, 2 * d)});
    if (h <= 2 * d)
        return cells;
    cells.append({QRect(L, T + d, c, h - 2 * d), QRect(0, 2 * d, 2 * c, mh)});
    cells.append({QRect(R - c, T + d, c, h - 2 * d), QRect(rightSrc, 2 * d, 2 * c, mh)});
    if (halfH == 2 * d)
        return cells;
    cells.append({QRect(L + c, T + d, w - 2 * c, h - 2 * d), QRect(2 * c, 2 * d, mw, mh)});
    return cells;
}

void QBaseImageDraw::drawBtnImageBg(QPainter& painter, QRect target, QImage& image, bool grid)
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (!grid) {
        const QRectF src(0, 0, 2 * (image.width() / 2), 2 * (image.height() / 2));
        painter.drawImage(QRectF(target), image, src);
        return;
    }
    const QVector<NineCell> cells = ninePartCells(target, image.size());
    for (const NineCell& cell : cells)
        painter.drawImage(QRectF(cell.target), image, QRectF(cell.source));
}

QPainterPath QBaseImageDraw::GetRoundedRectanglePath(QRectF rect, double radius)
{
    const double x = rect.x();
    const double y = rect.y();
    const double X = x + rect.width();
    const double Y = y + rect.height();
    const int shorter = int(std::min(rect.width(), rect.height()));
    const double k = std::min(radius, double(shorter / 2));
    QPainterPath path;
    path.moveTo(X - k, y);
    path.lineTo(x + k, y);
    path.quadTo(x, y, x, y + k);
    path.lineTo(x, Y - k);
    path.quadTo(x, Y, x + k, Y);
    path.lineTo(X - k, Y);
    path.quadTo(X, Y, X, Y - k);
    path.lineTo(X, y + k);
    path.quadTo(X, y, X - k, y);
    return path;
}

QFont QBaseImageDraw::fontFittingWidth(QFont font, const QString& text, qreal width)
{
    // Stretch steps until it fits: a font engine may round a stretch to what it can draw.
    for (int stretch = 100; stretch >= 50; stretch -= 5) {
        font.setStretch(stretch);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width)
            break;
    }
    return font;
}
