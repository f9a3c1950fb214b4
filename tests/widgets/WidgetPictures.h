#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTemporaryDir>
#include <QVector>
#include <QWidget>

// Pictures written at test time: strips whose cells are flat in one colour each,
// so one pixel tells which cell a widget drew.
namespace WidgetPictures {

inline QVector<QColor> cellColors()
{
    return {QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200), QColor(120, 120, 120)};
}

inline QString strip(const QTemporaryDir& dir, const QString& name, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::black);
    const QVector<QColor> colors = cellColors();
    QPainter painter(&image);
    const int cell = width / 4;
    for (int i = 0; i < 4; ++i)
        painter.fillRect(cell * i, 0, cell, height, colors.at(i));
    painter.end();
    const QString path = dir.filePath(name);
    image.save(path);
    return path;
}

inline QString flat(const QTemporaryDir& dir, const QString& name, int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    const QString path = dir.filePath(name);
    image.save(path);
    return path;
}

// The colour at a logical point of a widget's own drawing.
inline QColor colorAt(QWidget& widget, QPoint at)
{
    const QImage image = widget.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(int(at.x() * ratio), int(at.y() * ratio));
}

} // namespace WidgetPictures
