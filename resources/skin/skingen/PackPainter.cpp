#include "PackPainter.h"

#include "SkinTheme.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QXmlStreamReader>

#include <cmath>
#include <random>
#include <stdexcept>

namespace {
[[noreturn]] void fail(const ManifestLine &line, const QString &why)
{
    throw std::runtime_error(QStringLiteral("%1: %2").arg(line.path, why).toStdString());
}

double smoothstep(double edge0, double edge1, double x)
{
    const double t = qBound(0.0, (x - edge0) / (edge1 - edge0), 1.0);
    return t * t * (3 - 2 * t);
}

void glow(QPainter &p, const QPointF &centre, double radius, const QColor &colour, double alpha)
{
    QRadialGradient g(centre, radius);
    QColor inner = colour, outer = colour;
    inner.setAlphaF(alpha);
    QColor middle = colour;
    middle.setAlphaF(alpha * 0.35);
    outer.setAlphaF(0);
    g.setColorAt(0, inner);
    g.setColorAt(0.5, middle);
    g.setColorAt(1, outer);
    p.fillRect(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), g);
}
}

PackPainter::PackPainter(const QString &packSourceDir)
    : m_packSourceDir(packSourceDir)
{
}

bool PackPainter::handles(const QString &style) const
{
    return style.startsWith(QLatin1String("overlay:")) || style.startsWith(QLatin1String("frame:"))
        || style.startsWith(QLatin1String("thumb:"));
}

QImage PackPainter::draw(const ManifestLine &line, const QHash<QString, QImage> &drawn) const
{
    const int dpr = line.devicePixelRatio();
    QImage image(line.width, line.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    using Draw = void (*)(QImage &);
    static const QHash<QString, Draw> full = {
        {QStringLiteral("overlay:snow"), &PackPainter::snow},
        {QStringLiteral("overlay:light_leak"), &PackPainter::lightLeak},
        {QStringLiteral("overlay:vignette"), &PackPainter::vignette},
        {QStringLiteral("frame:classic"), &PackPainter::classicFrame},
        {QStringLiteral("frame:rounded"), &PackPainter::roundedFrame},
        {QStringLiteral("frame:film"), &PackPainter::filmFrame},
    };
    if (const Draw f = full.value(line.style)) {
        if (dpr != 1)
            fail(line, QStringLiteral("overlay and frame pictures are drawn at 1:1 (dpr=1)"));
        f(image);
        return image;
    }

    image.setDevicePixelRatio(dpr);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const double side = double(line.width) / dpr;
    if (line.style == QLatin1String("thumb:video")) {
        const QString over = QFileInfo(line.path).path() + QLatin1Char('/') + line.option(QStringLiteral("over"));
        if (!drawn.contains(over))
            fail(line, QStringLiteral("%1 must be drawn before its thumbnail").arg(over));
        videoThumbnail(p, side, drawn.value(over));
    } else if (line.style == QLatin1String("thumb:eq")) {
        eqThumbnail(p, side, readBands(line));
    } else if (line.style == QLatin1String("thumb:none")) {
        noneThumbnail(p, side);
    } else {
        fail(line, QStringLiteral("unknown style \"%1\"").arg(line.style));
    }
    return image;
}

// Flakes from a fixed seed and the generator's raw output, so every build draws the same.
void PackPainter::snow(QImage &image)
{
    std::mt19937 random(20240611u);
    auto uniform = [&random](double lo, double hi) { return lo + (hi - lo) * (random() / 4294967296.0); };
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 600; ++i) {
        const QPointF centre(uniform(0, image.width()), uniform(0, image.height()));
        const double radius = uniform(2, 7);
        const double alpha = uniform(0.5, 0.9);
        QRadialGradient g(centre, radius);
        g.setColorAt(0, QColor(255, 255, 255, int(alpha * 255)));
        g.setColorAt(0.55, QColor(255, 255, 255, int(alpha * 255)));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(g);
        p.drawEllipse(centre, radius, radius);
    }
}

void PackPainter::lightLeak(QImage &image)
{
    const double h = image.height();
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    glow(p, QPointF(0, 0), h * 0.8, QColor(255, 170, 60), 0.55);
    glow(p, QPointF(image.width(), h * 0.55), h * 0.6, QColor(255, 90, 40), 0.55);
}

void PackPainter::vignette(QImage &image)
{
    const double cx = image.width() / 2.0, cy = image.height() / 2.0;
    const double corner = std::sqrt(2.0);
    for (int y = 0; y < image.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        const double dy = (y + 0.5 - cy) / cy;
        for (int x = 0; x < image.width(); ++x) {
            const double dx = (x + 0.5 - cx) / cx;
            const double d = std::sqrt(dx * dx + dy * dy);
            const int alpha = int(std::lround(255 * 0.75 * smoothstep(0.7, corner, d)));
            row[x] = qRgba(0, 0, 0, alpha); // black premultiplied is black
        }
    }
}

void PackPainter::classicFrame(QImage &image)
{
    const int border = int(std::lround(image.height() * 0.04));
    const QRect window = image.rect().adjusted(border, border, -border, -border);
    QPainter p(&image);
    p.fillRect(image.rect(), Qt::white);
    p.fillRect(window.adjusted(-2, -2, 2, 2), QColor(40, 40, 40));
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(window, Qt::transparent);
}

void PackPainter::roundedFrame(QImage &image)
{
    const double h = image.height();
    const double inset = h * 0.03, radius = h * 0.08;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), Qt::black);
    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(image.rect()).adjusted(inset, inset, -inset, -inset), radius, radius);
}

void PackPainter::filmFrame(QImage &image)
{
    const double w = image.width(), h = image.height();
    const double band = std::round(h * 0.09);
    const double holeW = w * 0.03, holeH = h * 0.045, step = w * 0.06;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, w, band), Qt::black);
    p.fillRect(QRectF(0, h - band, w, band), Qt::black);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 230, 230));
    const double first = std::fmod(w, step) / 2 + (step - holeW) / 2;
    for (double x = first; x + holeW <= w; x += step) {
        for (double top : {(band - holeH) / 2, h - band + (band - holeH) / 2})
            p.drawRoundedRect(QRectF(x, top, holeW, holeH), holeH * 0.2, holeH * 0.2);
    }
}

void PackPainter::videoThumbnail(QPainter &p, double side, const QImage &overlay)
{
    QLinearGradient sky(0, 0, 0, side);
    sky.setColorAt(0, QColor(120, 180, 235));
    sky.setColorAt(0.62, QColor(175, 215, 240));
    sky.setColorAt(0.64, QColor(110, 170, 90));
    sky.setColorAt(1, QColor(70, 130, 60));
    p.fillRect(QRectF(0, 0, side, side), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 245, 200));
    p.drawEllipse(QPointF(side * 0.7, side * 0.3), side * 0.12, side * 0.12);
    // Scaled to the thumbnail's height, its middle cut out.
    const qreal dpr = p.device()->devicePixelRatioF();
    const int pixelsHigh = int(std::lround(side * dpr));
    const QImage scaled = overlay.scaledToHeight(pixelsHigh, Qt::SmoothTransformation);
    const int cropX = (scaled.width() - pixelsHigh) / 2;
    QImage cut = scaled.copy(cropX, 0, pixelsHigh, pixelsHigh);
    cut.setDevicePixelRatio(dpr);
    p.drawImage(QPointF(0, 0), cut);
}

void PackPainter::eqThumbnail(QPainter &p, double side, const QMap<double, double> &bands)
{
    using namespace SkinTheme;
    p.setPen(Qt::NoPen);
    p.setBrush(groundField);
    p.drawRoundedRect(QRectF(0, 0, side, side), 4, 4);
    const double margin = 6, zero = side / 2, span = side / 2 - margin;
    p.setPen(QPen(SkinTheme::line, 1));
    p.drawLine(QPointF(margin, zero), QPointF(side - margin, zero));

    // One-octave peaking bands, approximated by a bell in octaves (half gain at +-1/2 octave).
    const double sigma = 0.5 / std::sqrt(2 * std::log(2.0));
    QPainterPath curve;
    const int steps = 96;
    for (int i = 0; i <= steps; ++i) {
        const double octaves = std::log2(1000.0) * (double(i) / steps); // 20 Hz .. 20 kHz
        const double hz = 20 * std::pow(2.0, octaves);
        double db = 0;
        for (auto band = bands.cbegin(); band != bands.cend(); ++band) {
            const double distance = std::log2(hz / band.key());
            db += band.value() * std::exp(-distance * distance / (2 * sigma * sigma));
        }
        db = qBound(-12.0, db, 12.0);
        const QPointF point(margin + (side - 2 * margin) * i / steps, zero - db / 12 * span);
        if (i == 0)
            curve.moveTo(point);
        else
            curve.lineTo(point);
    }
    QPen pen(accent, 2);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
}

void PackPainter::noneThumbnail(QPainter &p, double side)
{
    p.setPen(Qt::NoPen);
    p.setBrush(SkinTheme::groundField);
    p.drawRoundedRect(QRectF(0, 0, side, side), 4, 4);
    const QPointF c(side / 2, side / 2);
    const double r = side * 0.26;
    QPen pen(QColor(150, 150, 150), 2);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    const double d = r / std::sqrt(2.0);
    p.drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
}

QMap<double, double> PackPainter::readBands(const ManifestLine &line) const
{
    const QString path = m_packSourceDir + QLatin1Char('/') + QFileInfo(line.path).path() + QStringLiteral("/config.xml");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(line, QStringLiteral("cannot open %1").arg(path));
    QMap<double, double> bands;
    QXmlStreamReader xml(&file);
    bool inEq = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("EQ"))
            inEq = true;
        else if (xml.isEndElement() && xml.name() == QLatin1String("EQ"))
            inEq = false;
        else if (xml.isStartElement() && inEq)
            bands.insert(xml.attributes().value(QLatin1String("hz")).toDouble(),
                         xml.attributes().value(QLatin1String("db")).toDouble());
    }
    if (xml.hasError())
        fail(line, QStringLiteral("%1: %2").arg(path, xml.errorString()));
    return bands;
}
