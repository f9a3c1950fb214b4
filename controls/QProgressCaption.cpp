#include "QProgressCaption.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

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

namespace {

double luminance(const QColor& colour)
{
    const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

QColor moreContrasting(const QColor& ground, const QColor& dark, const QColor& light)
{
    return QProgressCaption::contrast(dark, ground) >= QProgressCaption::contrast(light, ground) ? dark : light;
}

} // namespace

double QProgressCaption::contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor QProgressCaption::readableOn(const QColor& track)
{
    const QColor best = moreContrasting(track, QColor(31, 31, 31), QColor(228, 228, 228));
    if (contrast(best, track) >= 4.5)
        return best;
    return moreContrasting(track, Qt::black, Qt::white);
}

QColor QProgressCaption::toneOf(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    qint64 red = 0, green = 0, blue = 0, count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) < 128)
                continue;
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
            ++count;
        }
    if (count == 0)
        return QColor(40, 40, 40);
    return QColor(int(red / count), int(green / count), int(blue / count));
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
