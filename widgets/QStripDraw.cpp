#include "QStripDraw.h"

#include "QImagaeRatioDraw.h"

#include <QFontMetrics>
#include <QPainter>

QSize QStripDraw::cellSize(const QImage& strip)
{
    return QSize(strip.width() / 8, strip.height() / 2);
}

QImage QStripDraw::cell(const QImage& strip, int index)
{
    const int w = strip.width() / 4;
    QImage part = strip.copy(index * w, 0, w, strip.height());
    part.setDevicePixelRatio(2.0);
    return part;
}

void QStripDraw::drawGrid(QPainter& painter, const QRect& rect, const QImage& picture)
{
    const auto pieces = QImagaeRatioDraw::thirdPieces(rect.width(), rect.height(), picture.width() / 2,
                                                      picture.height() / 2);
    QImagaeRatioDraw::drawPieces(painter, pieces, picture);
}

void QStripDraw::drawScaled(QPainter& painter, const QRect& rect, const QImage& picture)
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(rect, picture, QRect(0, 0, picture.width(), picture.height()));
}

void QStripDraw::drawIcon(QPainter& painter, const QRect& rect, const QPixmap& icon)
{
    if (icon.isNull())
        return;
    QPixmap scaled = icon.scaled(rect.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(1.0);
    painter.drawPixmap(rect.topLeft(), scaled);
}

int QStripDraw::captionFlags(const QRect& rect)
{
    return rect.left() == 0 ? int(Qt::AlignHCenter | Qt::AlignVCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
}

// A caption whose advance fits is drawn whole: eliding measures the glyphs' ink as
// well and would cut a caption that a widget was sized to by its advance.
// A caption too long for one line wraps where the widget is tall enough for
// two, so a fixed-width box in a translated dialog still reads whole.
void QStripDraw::drawCaption(QPainter& painter, const QRect& rect, const QString& text)
{
    const QFontMetrics metrics = painter.fontMetrics();
    if (metrics.horizontalAdvance(text) <= rect.width()) {
        painter.drawText(rect, captionFlags(rect), text);
        return;
    }
    const int flags = captionFlags(rect) | Qt::TextWordWrap;
    const QRect wrapped = metrics.boundingRect(rect, flags, text);
    if (rect.height() >= 2 * metrics.lineSpacing() && wrapped.height() <= rect.height()
        && wrapped.width() <= rect.width()) {
        painter.drawText(rect, flags, text);
        return;
    }
    painter.drawText(rect, captionFlags(rect), metrics.elidedText(text, Qt::ElideRight, rect.width()));
}

QRect QStripDraw::drawTitle(QPainter& painter, QRect rect, int width, const QString& title, const QFont& font,
                            const QColor& colour)
{
    if (rect.width() == 0)
        rect.setWidth(width);
    if (rect.height() == 0)
        rect.setHeight(20);
    const QFont saved = painter.font();
    painter.setFont(font);
    painter.setPen(colour);
    drawCaption(painter, rect, title);
    painter.setFont(saved);
    return rect;
}
