#include "QProgressCaption.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {

QColor halo(const QColor& text)
{
    // Only a thin rim: the caption's colour already suits its ground, the rim
    // keeps the edge of the fill from cutting through a glyph.
    QColor colour = QProgressCaption::readableOn(text);
    colour.setAlpha(110);
    return colour;
}

void drawPart(QPainter& painter, const QPainterPath& path, const QRegion& clip, const QColor& text)
{
    if (clip.isEmpty())
        return;
    painter.save();
    painter.setClipRegion(clip);
    painter.strokePath(path, QPen(halo(text), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, text);
    painter.restore();
}

} // namespace

QColor QProgressCaption::readableOn(const QColor& track)
{
    return track.lightnessF() > 0.55 ? QColor(31, 31, 31) : QColor(228, 228, 228);
}

void QProgressCaption::draw(QPainter& painter, const QRectF& rect, int flags, const QString& text,
                            const QRectF& filled, const QColor& onFill, const QColor& onTrack)
{
    if (text.isEmpty())
        return;
    const QFontMetricsF metrics(painter.font());
    const QRectF box = metrics.boundingRect(rect, flags, text);
    drawAt(painter, QPointF(box.left(), box.top() + metrics.ascent()), text, filled, onFill, onTrack);
}

void QProgressCaption::drawAt(QPainter& painter, const QPointF& origin, const QString& text, const QRectF& filled,
                              const QColor& onFill, const QColor& onTrack)
{
    if (text.isEmpty())
        return;
    QPainterPath path;
    path.addText(origin, painter.font(), text);
    const QRectF box = path.boundingRect();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    const QRegion whole(box.toAlignedRect().adjusted(-2, -2, 2, 2));
    const QRegion fill = whole.intersected(filled.toAlignedRect());
    drawPart(painter, path, fill, onFill);
    drawPart(painter, path, whole.subtracted(fill), onTrack);
    painter.restore();
}
