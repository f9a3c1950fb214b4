#pragma once

#include "SkinManifest.h"

#include <QImage>
#include <QRectF>
#include <QMap>

class QPainter;

// Draws the pictures of the starter resource packs: full-frame overlays and frames,
// each for its own size, and the 48x48-logical thumbnails of the pack lists.
class PackPainter
{
public:
    // packSourceDir holds <kind>/<NN_name>/config.xml; audio thumbnails read their EQ there.
    explicit PackPainter(const QString &packSourceDir);

    bool handles(const QString &style) const;
    // Throws std::runtime_error on an unknown style or bad input.
    QImage draw(const ManifestLine &line) const;

private:
    // Each look is drawn for the picture it fills. A thumbnail is the same look drawn
    // bolder for its 48 logical pixels, so effects and frames read at a glance: frames
    // as a border around the picture, effects over the whole of it.
    static void snow(QImage &image, bool thumbnail);
    static void lightLeak(QImage &image, bool thumbnail);
    static void vignette(QImage &image, bool thumbnail);
    static void classicFrame(QImage &image, bool thumbnail);
    static void roundedFrame(QImage &image, bool thumbnail);
    static void filmFrame(QImage &image, bool thumbnail);
    static void scene(QPainter &p, const QRectF &area);
    static void eqThumbnail(QPainter &p, double side, const QMap<double, double> &bands);
    static void noneThumbnail(QPainter &p, double side);
    QMap<double, double> readBands(const ManifestLine &line) const;

    QString m_packSourceDir;
};
