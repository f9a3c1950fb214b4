#pragma once

#include "SkinManifest.h"

#include <QHash>
#include <QImage>
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
    // `drawn` holds the pictures drawn so far, by path; a video thumbnail shows its
    // pack's 16:9 picture. Throws std::runtime_error on an unknown style or bad input.
    QImage draw(const ManifestLine &line, const QHash<QString, QImage> &drawn) const;

private:
    static void snow(QImage &image);
    static void lightLeak(QImage &image);
    static void vignette(QImage &image);
    static void classicFrame(QImage &image);
    static void roundedFrame(QImage &image);
    static void filmFrame(QImage &image);
    static void videoThumbnail(QPainter &p, double side, const QImage &overlay);
    static void eqThumbnail(QPainter &p, double side, const QMap<double, double> &bands);
    static void noneThumbnail(QPainter &p, double side);
    QMap<double, double> readBands(const ManifestLine &line) const;

    QString m_packSourceDir;
};
