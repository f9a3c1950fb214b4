// Glyph, icon and symbol styles of SkinPainter.
#include "SkinPainter.h"

#include "BreezeIcons.h"
#include "SkinTheme.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <stdexcept>

using namespace SkinTheme;

namespace {
QPen roundPen(const QColor &colour, double width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// A down-pointing triangle of w x h centred on `centre`.
QPainterPath downTriangle(const QPointF &centre, double w, double h)
{
    QPainterPath path;
    path.moveTo(centre.x() - w / 2, centre.y() - h / 2);
    path.lineTo(centre.x() + w / 2, centre.y() - h / 2);
    path.lineTo(centre.x(), centre.y() + h / 2);
    path.closeSubpath();
    return path;
}

// "[" (open = true) or "]" of height h whose upright stands at x.
void drawBracket(QPainter &p, double x, double top, double h, double serif, bool open, const QColor &colour)
{
    p.setPen(roundPen(colour, 1.5));
    const double dx = open ? serif : -serif;
    const QPointF points[] = {{x + dx, top}, {x, top}, {x, top + h}, {x + dx, top + h}};
    p.drawPolyline(points, 4);
}
}

QColor SkinPainter::darkTone(int state)
{
    const QColor tones[] = {textOnDark, accent, accentPressed, disabledGlyph};
    return tones[state];
}

QColor SkinPainter::lightTone(int state)
{
    const QColor tones[] = {textOnLight, Qt::black, Qt::black, QColor(160, 160, 160)};
    return tones[state];
}

void SkinPainter::lightPlate(QPainter &p, const QRectF &r, int state) const
{
    const int alpha[] = {0, 28, 56, 0};
    if (!alpha[state])
        return;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, alpha[state]));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 3, 3);
}

void SkinPainter::drawIcon(QPainter &p, const QString &source, double size, const QPointF &centre,
                           const QColor &tint)
{
    const int pixels = int(std::lround(size * m_dpr));
    QImage image = m_icons.render(source, pixels, tint);
    image.setDevicePixelRatio(m_dpr);
    // Whole device pixels keep the icon's strokes crisp.
    const QPointF topLeft(std::round((centre.x() - size / 2) * m_dpr) / m_dpr,
                          std::round((centre.y() - size / 2) * m_dpr) / m_dpr);
    p.drawImage(topLeft, image);
}

void SkinPainter::dot(QPainter &p, const QRectF &r, int state, const ManifestLine &line)
{
    const QString kind = line.option(QStringLiteral("kind"));
    const bool close = kind == QLatin1String("close");
    QColor fill, glyphColour;
    if (close) {
        const QColor fills[] = {alert, alertHover, alertPressed, SkinTheme::line};
        fill = fills[state];
        glyphColour = state == 3 ? QColor() : QColor(Qt::white);
    } else {
        const QColor fills[] = {QColor(106, 106, 106), QColor(138, 138, 138), QColor(80, 80, 80), QColor(64, 64, 64)};
        fill = fills[state];
        glyphColour = state == 3 ? disabledGlyph : textOnDark;
    }
    const QPointF c = r.center();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(c, 6, 6);
    if (!glyphColour.isValid())
        return;

    p.setPen(roundPen(glyphColour, 1.5));
    p.setBrush(Qt::NoBrush);
    const double a = 2.5;
    if (close) {
        p.drawLine(QPointF(c.x() - a, c.y() - a), QPointF(c.x() + a, c.y() + a));
        p.drawLine(QPointF(c.x() - a, c.y() + a), QPointF(c.x() + a, c.y() - a));
    } else if (kind == QLatin1String("min")) {
        p.drawLine(QPointF(c.x() - 3, c.y()), QPointF(c.x() + 3, c.y()));
    } else if (kind == QLatin1String("max")) {
        p.drawLine(QPointF(c.x() - 3, c.y()), QPointF(c.x() + 3, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - 3), QPointF(c.x(), c.y() + 3));
    } else if (kind == QLatin1String("restore")) {
        p.setPen(roundPen(glyphColour, 1));
        p.drawRect(QRectF(c.x() - 3, c.y() - 1, 4, 4));
        p.drawPolyline(QVector<QPointF>{{c.x() - 1, c.y() - 2}, {c.x() - 1, c.y() - 3},
                                        {c.x() + 3, c.y() - 3}, {c.x() + 3, c.y() + 1}, {c.x() + 2, c.y() + 1}});
    } else if (kind == QLatin1String("menu")) {
        p.setPen(roundPen(glyphColour, 1.2));
        for (double dy : {-2.5, 0.0, 2.5})
            p.drawLine(QPointF(c.x() - 3, c.y() + dy), QPointF(c.x() + 3, c.y() + dy));
    } else {
        throw std::runtime_error(QStringLiteral("%1: unknown dot kind \"%2\"").arg(line.path, kind).toStdString());
    }
}

void SkinPainter::glyph(QPainter &p, const QRectF &r, int state, const ManifestLine &line)
{
    const QString tone = line.option(QStringLiteral("tone"), QStringLiteral("dark"));
    const double size = line.number(QStringLiteral("size"), 16);
    QColor colour = darkTone(state);
    if (tone == QLatin1String("light")) {
        lightPlate(p, r, state);
        colour = lightTone(state);
    } else if (tone == QLatin1String("plate")) {
        const QColor plates[] = {groundRaised, SkinTheme::line, groundField, groundPanel};
        p.setPen(Qt::NoPen);
        p.setBrush(plates[state]);
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 2, 2);
    } else if (tone != QLatin1String("dark")) {
        throw std::runtime_error(QStringLiteral("%1: unknown tone \"%2\"").arg(line.path, tone).toStdString());
    }
    if (line.options.contains(QStringLiteral("disc"))) {
        const double d = line.number(QStringLiteral("disc"), r.height());
        p.setPen(Qt::NoPen);
        p.setBrush(colourOption(line, QStringLiteral("disccolor"), groundRaised));
        p.drawEllipse(r.center(), d / 2, d / 2);
    }
    QPointF centre = r.center();
    if (line.options.contains(QStringLiteral("x")))
        centre.setX(r.left() + line.number(QStringLiteral("x"), 0) + size / 2);
    drawIcon(p, line.option(QStringLiteral("src")), size, centre, colour);
}

void SkinPainter::icon(QPainter &p, const QRectF &r, int, const ManifestLine &line)
{
    const QString mode = line.option(QStringLiteral("mode"));
    QColor tint;
    if (mode == QLatin1String("tint"))
        tint = colourOption(line, QStringLiteral("color"), textOnDark);
    else if (mode != QLatin1String("colour"))
        throw std::runtime_error(QStringLiteral("%1: unknown icon mode \"%2\"").arg(line.path, mode).toStdString());
    const double size = line.options.contains(QStringLiteral("px"))
        ? line.number(QStringLiteral("px"), 0) / m_dpr : qMin(r.width(), r.height());
    // dy: the glyph sits off the picture's centre, for a user that offsets the
    // whole picture by a fixed amount.
    drawIcon(p, line.option(QStringLiteral("src")), size, r.center() + QPointF(0, line.number(QStringLiteral("dy"), 0)),
             tint);
}

void SkinPainter::mark(QPainter &p, const QRectF &r, int, const ManifestLine &)
{
    const double side = qMin(r.width(), r.height());
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawRoundedRect(r, side / 5, side / 5);
    drawIcon(p, QStringLiteral("breeze:actions/22/edit-cut.svg"), side * 0.6, r.center(), textOnLight);
}

void SkinPainter::dropCard(QPainter &p, const QRectF &r, int, const ManifestLine &line)
{
    p.setPen(Qt::NoPen);
    // A muted card: light enough for the dark hint text over it, not a white
    // block in the dark window.
    p.setBrush(QColor(186, 186, 186));
    p.drawRoundedRect(r, 10, 10);
    QPen dash(QColor(128, 128, 128), 2);
    dash.setDashPattern({3, 2});
    p.setPen(dash);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(8, 8, -8, -8), 6, 6);
    drawIcon(p, line.option(QStringLiteral("src")), 64, QPointF(r.center().x(), 50 + 32), disabled);
}

void SkinPainter::triangle(QPainter &p, const QRectF &r, int state, const ManifestLine &line)
{
    QColor colour = darkTone(state);
    if (line.option(QStringLiteral("tone")) == QLatin1String("quality"))
        colour = state == 3 ? SkinTheme::line : QColor(245, 245, 245);
    const double w = line.number(QStringLiteral("w"), 8), h = line.number(QStringLiteral("h"), 5);
    // Centred on whole pixels so a 1:1 picture keeps a sharp top edge.
    const QPointF centre(r.center().x(), std::floor((r.height() - h) / 2) + h / 2);
    p.fillPath(downTriangle(centre, w, h), colour);
}

void SkinPainter::bracket(QPainter &p, const QRectF &r, int state, const ManifestLine &line)
{
    const bool start = line.option(QStringLiteral("side")) == QLatin1String("start");
    const QColor colour = darkTone(state);
    const double x = start ? r.center().x() - 2 : r.center().x() + 2;
    drawBracket(p, x, r.top() + 7.5, 10, 4, start, colour);
    p.fillPath(downTriangle(QPointF(x, r.top() + 3.5), 6, 4), colour);
}

void SkinPainter::grip(QPainter &p, const QRectF &r, int state, const ManifestLine &)
{
    lightPlate(p, r, state);
    p.setPen(roundPen(lightTone(state), 1));
    const double left = r.center().x() - 8;
    for (double y : {3.0, 6.0, 9.0})
        p.drawLine(QPointF(left, y), QPointF(left + 16, y));
}

void SkinPainter::placeholder(QPainter &p, const QRectF &r, int, const ManifestLine &line)
{
    p.setPen(Qt::NoPen);
    p.setBrush(groundField);
    p.drawRoundedRect(r, 4, 4);
    drawIcon(p, line.option(QStringLiteral("src")), 28, r.center(), disabled);
}

// Drawn at 1:1 pixels: the dashed frame cuts it into 6x6 and 16x16 pixel cells.
void SkinPainter::borderLine(QPainter &p, const QRectF &, int, const ManifestLine &line)
{
    const QPoint squares[] = {{0, 0}, {11, 0}, {22, 0}, {0, 11}, {22, 11}, {0, 22}, {11, 22}, {22, 22}};
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const QPoint &at : squares) {
        p.fillRect(QRect(at, QSize(6, 6)), groundField);
        p.fillRect(QRect(at + QPoint(1, 1), QSize(4, 4)), Qt::white);
    }
    const QString source = line.option(QStringLiteral("src"));
    const QImage halo = m_icons.render(source, 16, groundField);
    const QImage glyphImage = m_icons.render(source, 16, Qt::white);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (dx || dy)
                p.drawImage(QPoint(6 + dx, 6 + dy), halo);
    p.drawImage(QPoint(6, 6), glyphImage);
}

void SkinPainter::addImage(QPainter &p, const QRectF &r, int state, const ManifestLine &line)
{
    const QColor neutral(160, 160, 160);
    const QColor colours[] = {neutral, accent, neutral, disabled};
    const QRectF box = r.adjusted(1, 1, -1, -1);
    if (state == 2) {
        p.setPen(Qt::NoPen);
        p.setBrush(groundField);
        p.drawRoundedRect(box, 6, 6);
    }
    QPen dash(colours[state], 2);
    dash.setDashPattern({2.5, 1.5});
    p.setPen(dash);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box, 6, 6);
    drawIcon(p, line.option(QStringLiteral("src")), 28, r.center(), colours[state]);
}

void SkinPainter::trimPlay(QPainter &p, const QRectF &r, int state, const ManifestLine &line)
{
    const QColor colour = darkTone(state);
    const double top = r.center().y() - 6;
    drawBracket(p, r.left() + 3.5, top, 12, 2.5, true, colour);
    drawBracket(p, r.right() - 3.5, top, 12, 2.5, false, colour);
    drawIcon(p, line.option(QStringLiteral("src")), line.number(QStringLiteral("size"), 12), r.center(), colour);
}

// Key-frame stepping: a solid arrow pointing at a diamond, the usual key-frame mark, so
// the buttons read apart from the single-frame steps' chevrons.
void SkinPainter::keyStep(QPainter &p, const QRectF &r, int state, const ManifestLine &line)
{
    const QString direction = line.option(QStringLiteral("dir"));
    if (direction != QLatin1String("previous") && direction != QLatin1String("next"))
        throw std::runtime_error(QStringLiteral("%1: dir must be previous or next").arg(line.path).toStdString());
    const bool previous = direction == QLatin1String("previous");
    const double size = line.number(QStringLiteral("size"), 14);
    const QPointF c = r.center();
    const double side = previous ? -1 : 1;
    // The diamond sits on the side the step goes to, the arrow behind it points at it.
    const QPointF key(c.x() + side * size * 0.25, c.y());
    const double kw = size * 0.24, kh = size * 0.34;
    QPainterPath diamond;
    diamond.moveTo(key.x(), key.y() - kh);
    diamond.lineTo(key.x() + kw, key.y());
    diamond.lineTo(key.x(), key.y() + kh);
    diamond.lineTo(key.x() - kw, key.y());
    diamond.closeSubpath();
    const double tip = key.x() - side * (kw + size * 0.08);
    const double base = tip - side * size * 0.42;
    const double half = size * 0.3;
    QPainterPath arrow;
    arrow.moveTo(tip, c.y());
    arrow.lineTo(base, c.y() - half);
    arrow.lineTo(base, c.y() + half);
    arrow.closeSubpath();
    const QColor colour = darkTone(state);
    p.fillPath(arrow, colour);
    p.fillPath(diamond, colour);
}
