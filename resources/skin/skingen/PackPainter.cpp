#include "PackPainter.h"

#include "SkinTheme.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLinearGradient>
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

QImage PackPainter::draw(const ManifestLine &line) const
{
    const int dpr = line.devicePixelRatio();
    QImage image(line.width, line.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    using Draw = void (*)(QImage &, bool);
    static const QHash<QString, Draw> looks = {
        {QStringLiteral("overlay:snow"), &PackPainter::snow},
        {QStringLiteral("overlay:light_leak"), &PackPainter::lightLeak},
        {QStringLiteral("overlay:vignette"), &PackPainter::vignette},
        {QStringLiteral("frame:classic"), &PackPainter::classicFrame},
        {QStringLiteral("frame:rounded"), &PackPainter::roundedFrame},
        {QStringLiteral("frame:film"), &PackPainter::filmFrame},
    };
    if (const Draw f = looks.value(line.style)) {
        if (dpr != 1)
            fail(line, QStringLiteral("overlay and frame pictures are drawn at 1:1 (dpr=1)"));
        f(image, false);
        return image;
    }

    const bool effect = line.style == QLatin1String("thumb:effect");
    if (effect || line.style == QLatin1String("thumb:frame")) {
        const QString look = (effect ? QStringLiteral("overlay:") : QStringLiteral("frame:")) + line.option(QStringLiteral("of"));
        const Draw f = looks.value(look);
        if (!f)
            fail(line, QStringLiteral("no look \"%1\" to show").arg(look));
        // Drawn in pixels, over a small landscape.
        QImage layer = image;
        f(layer, true);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        scene(p, QRectF(image.rect()));
        p.drawImage(0, 0, layer);
        p.end();
        image.setDevicePixelRatio(dpr);
        return image;
    }

    image.setDevicePixelRatio(dpr);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const double side = double(line.width) / dpr;
    if (line.style == QLatin1String("thumb:eq"))
        eqThumbnail(p, side, readBands(line));
    else if (line.style == QLatin1String("thumb:none"))
        noneThumbnail(p, side);
    else
        fail(line, QStringLiteral("unknown style \"%1\"").arg(line.style));
    return image;
}

// Flakes from a fixed seed and the generator's raw output, so every build draws the same.
void PackPainter::snow(QImage &image, bool thumbnail)
{
    std::mt19937 random(20240611u);
    auto uniform = [&random](double lo, double hi) { return lo + (hi - lo) * (random() / 4294967296.0); };
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const double h = image.height();
    const int flakes = thumbnail ? 40 : 600;
    const double smallest = thumbnail ? h * 0.02 : 2, largest = thumbnail ? h * 0.05 : 7;
    for (int i = 0; i < flakes; ++i) {
        const QPointF centre(uniform(0, image.width()), uniform(0, image.height()));
        const double radius = uniform(smallest, largest);
        const double alpha = uniform(0.5, 0.9);
        QRadialGradient g(centre, radius);
        g.setColorAt(0, QColor(255, 255, 255, int(alpha * 255)));
        g.setColorAt(0.55, QColor(255, 255, 255, int(alpha * 255)));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(g);
        p.drawEllipse(centre, radius, radius);
    }
}

void PackPainter::lightLeak(QImage &image, bool thumbnail)
{
    const double h = image.height();
    const double alpha = thumbnail ? 0.75 : 0.55;
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    glow(p, QPointF(0, 0), h * 0.8, QColor(255, 170, 60), alpha);
    glow(p, QPointF(image.width(), h * 0.55), h * 0.6, QColor(255, 90, 40), alpha);
}

void PackPainter::vignette(QImage &image, bool thumbnail)
{
    const double cx = image.width() / 2.0, cy = image.height() / 2.0;
    const double corner = std::sqrt(2.0);
    const double start = thumbnail ? 0.45 : 0.7, strength = thumbnail ? 0.9 : 0.75;
    for (int y = 0; y < image.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        const double dy = (y + 0.5 - cy) / cy;
        for (int x = 0; x < image.width(); ++x) {
            const double dx = (x + 0.5 - cx) / cx;
            const double d = std::sqrt(dx * dx + dy * dy);
            const int alpha = int(std::lround(255 * strength * smoothstep(start, corner, d)));
            row[x] = qRgba(0, 0, 0, alpha); // black premultiplied is black
        }
    }
}

void PackPainter::classicFrame(QImage &image, bool thumbnail)
{
    const int h = image.height();
    const int border = int(std::lround(h * (thumbnail ? 0.12 : 0.04)));
    const int line = thumbnail ? qMax(2, int(std::lround(h * 0.02))) : 2;
    const QRect window = image.rect().adjusted(border, border, -border, -border);
    QPainter p(&image);
    p.fillRect(image.rect(), Qt::white);
    p.fillRect(window.adjusted(-line, -line, line, line), QColor(40, 40, 40));
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(window, Qt::transparent);
}

void PackPainter::roundedFrame(QImage &image, bool thumbnail)
{
    const double h = image.height();
    const double inset = h * (thumbnail ? 0.1 : 0.03), radius = h * (thumbnail ? 0.2 : 0.08);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), Qt::black);
    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(image.rect()).adjusted(inset, inset, -inset, -inset), radius, radius);
}

void PackPainter::filmFrame(QImage &image, bool thumbnail)
{
    const double w = image.width(), h = image.height();
    const double band = std::round(h * (thumbnail ? 0.18 : 0.09));
    const double holeW = w * (thumbnail ? 0.07 : 0.03), holeH = h * (thumbnail ? 0.08 : 0.045);
    const double step = w * (thumbnail ? 0.14 : 0.06);
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

// Sky, sun and meadow: the picture every effect and frame thumbnail is shown on.
void PackPainter::scene(QPainter &p, const QRectF &area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(120, 180, 235));
    sky.setColorAt(0.62, QColor(175, 215, 240));
    sky.setColorAt(0.64, QColor(110, 170, 90));
    sky.setColorAt(1, QColor(70, 130, 60));
    p.fillRect(area, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 245, 200));
    const double side = qMin(area.width(), area.height());
    p.drawEllipse(QPointF(area.left() + area.width() * 0.7, area.top() + area.height() * 0.3), side * 0.12, side * 0.12);
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
