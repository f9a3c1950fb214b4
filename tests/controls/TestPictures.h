#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTemporaryDir>
#include <QVector>

// Small pictures written at test time: strips of flat-coloured frames, so a test can
// tell from one pixel which frame a control drew.
namespace TestPictures {

inline QVector<QColor> frameColors()
{
    return {QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200), QColor(120, 120, 120)};
}

// A strip of `frames` cells side by side, each cell flat in its own colour.
inline QString strip(const QTemporaryDir& dir, const QString& name, int width, int height, int frames = 4)
{
    QImage image(width, height, QImage::Format_ARGB32);
    const QVector<QColor> colors = frameColors();
    const int cell = width / frames;
    QPainter painter(&image);
    for (int i = 0; i < frames; ++i)
        painter.fillRect(cell * i, 0, cell, height, colors.at(i % colors.size()));
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

} // namespace TestPictures
