#include "SkinPainter.h"

#include "BreezeIcons.h"
#include "SkinTheme.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <stdexcept>

using namespace SkinTheme;

namespace {
[[noreturn]] void fail(const ManifestLine &line, const QString &why)
{
    throw std::runtime_error(QStringLiteral("%1: %2").arg(line.path, why).toStdString());
}

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// A rounded rectangle whose chosen corners are rounded, the others square.
QPainterPath roundedPath(const QRectF &r, double radius, bool tl, bool tr, bool br, bool bl)
{
    QPainterPath path;
    const double d = radius * 2;
    path.moveTo(r.left() + (tl ? radius : 0), r.top());
    path.lineTo(r.right() - (tr ? radius : 0), r.top());
    if (tr)
        path.arcTo(QRectF(r.right() - d, r.top(), d, d), 90, -90);
    path.lineTo(r.right(), r.bottom() - (br ? radius : 0));
    if (br)
        path.arcTo(QRectF(r.right() - d, r.bottom() - d, d, d), 0, -90);
    path.lineTo(r.left() + (bl ? radius : 0), r.bottom());
    if (bl)
        path.arcTo(QRectF(r.left(), r.bottom() - d, d, d), 270, -90);
    path.lineTo(r.left(), r.top() + (tl ? radius : 0));
    if (tl)
        path.arcTo(QRectF(r.left(), r.top(), d, d), 180, -90);
    path.closeSubpath();
    return path;
}
}

SkinPainter::SkinPainter(BreezeIcons &icons)
    : m_icons(icons)
{
    m_styles = {
        {QStringLiteral("dialog"), &SkinPainter::dialog},
        {QStringLiteral("window"), &SkinPainter::window},
        {QStringLiteral("panel"), &SkinPainter::panel},
        {QStringLiteral("button"), &SkinPainter::button},
        {QStringLiteral("field"), &SkinPainter::field},
        {QStringLiteral("check"), &SkinPainter::check},
        {QStringLiteral("radio"), &SkinPainter::radio},
        {QStringLiteral("bar"), &SkinPainter::bar},
        {QStringLiteral("flat"), &SkinPainter::flat},
        {QStringLiteral("handle"), &SkinPainter::handle},
        {QStringLiteral("formattile"), &SkinPainter::formatTile},
        {QStringLiteral("cover"), &SkinPainter::cover},
        {QStringLiteral("badge"), &SkinPainter::badge},
        {QStringLiteral("textbadge"), &SkinPainter::textBadge},
        {QStringLiteral("formatcard"), &SkinPainter::formatCard},
        {QStringLiteral("dot"), &SkinPainter::dot},
        {QStringLiteral("glyph"), &SkinPainter::glyph},
        {QStringLiteral("icon"), &SkinPainter::icon},
        {QStringLiteral("mark"), &SkinPainter::mark},
        {QStringLiteral("dropcard"), &SkinPainter::dropCard},
        {QStringLiteral("triangle"), &SkinPainter::triangle},
        {QStringLiteral("bracket"), &SkinPainter::bracket},
        {QStringLiteral("grip"), &SkinPainter::grip},
        {QStringLiteral("placeholder"), &SkinPainter::placeholder},
        {QStringLiteral("borderline"), &SkinPainter::borderLine},
        {QStringLiteral("addimage"), &SkinPainter::addImage},
        {QStringLiteral("trimplay"), &SkinPainter::trimPlay},
        {QStringLiteral("keystep"), &SkinPainter::keyStep},
    };
}

bool SkinPainter::handles(const QString &style) const
{
    return m_styles.contains(style);
}

QImage SkinPainter::draw(const ManifestLine &line)
{
    const CellStyle style = m_styles.value(line.style);
    if (!style)
        fail(line, QStringLiteral("unknown style \"%1\"").arg(line.style));
    m_dpr = line.devicePixelRatio();
    if (m_dpr != 1 && m_dpr != 2)
        fail(line, QStringLiteral("device pixel ratio must be 1 or 2"));
    const int cells = line.hasFourCells() ? 4 : 1;
    if (line.width % (cells * m_dpr) != 0 || line.height % m_dpr != 0)
        fail(line, QStringLiteral("%1x%2 does not split into %3 cells of whole logical pixels")
                       .arg(line.width).arg(line.height).arg(cells));

    QImage image(line.width, line.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(m_dpr);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF cell(0, 0, double(line.width) / m_dpr / cells, double(line.height) / m_dpr);
    for (int state = 0; state < cells; ++state) {
        p.save();
        p.translate(state * cell.width(), 0);
        p.setClipRect(cell);
        (this->*style)(p, cell, state, line);
        p.restore();
    }
    p.end();
    return image;
}

QColor SkinPainter::colourOption(const ManifestLine &line, const QString &key, const QColor &fallback) const
{
    const QString name = line.option(key);
    if (name.isEmpty())
        return fallback;
    const QColor colour = named(name);
    if (!colour.isValid())
        fail(line, QStringLiteral("bad colour %1=%2").arg(key, name));
    return colour;
}

// Backgrounds keep every detail (band, corners, border) inside the corner cells, so the
// nine-grid stretch of their middle rows and columns changes nothing.
void SkinPainter::dialog(QPainter &p, const QRectF &r, int, const ManifestLine &line)
{
    const double band = line.number(QStringLiteral("band"), 0);
    const QColor body = colourOption(line, QStringLiteral("ground"), groundPanel);
    const QColor bandColour = colourOption(line, QStringLiteral("bandcolor"), groundRaised);
    const QRectF outline = r.adjusted(px() / 2, px() / 2, -px() / 2, -px() / 2);
    QPainterPath shape;
    shape.addRoundedRect(outline, 6, 6);
    p.fillPath(shape, body);
    if (band > 0) {
        p.save();
        p.setClipPath(shape, Qt::IntersectClip);
        p.fillRect(QRectF(r.left(), r.top(), r.width(), band), bandColour);
        p.fillRect(QRectF(r.left(), r.top() + band, r.width(), px()), SkinTheme::line);
        p.restore();
    }
    p.setPen(QPen(SkinTheme::line, px()));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

void SkinPainter::window(QPainter &p, const QRectF &r, int state, const ManifestLine &line)
{
    ManifestLine main = line;
    main.options.insert(QStringLiteral("band"), QStringLiteral("22"));
    main.options.insert(QStringLiteral("ground"), QStringLiteral("window"));
    main.options.insert(QStringLiteral("bandcolor"), QStringLiteral("deep"));
    dialog(p, r, state, main);
}

void SkinPainter::panel(QPainter &p, const QRectF &r, int state, const ManifestLine &line)
{
    ManifestLine plain = line;
    plain.options.remove(QStringLiteral("band"));
    dialog(p, r, state, plain);
}

void SkinPainter::button(QPainter &p, const QRectF &r, int state, const ManifestLine &line)
{
    const QString fill = line.option(QStringLiteral("fill"));
    const QRectF box = r.adjusted(px() / 2, px() / 2, -px() / 2, -px() / 2);
    QBrush brush;
    QColor border;
    QPainterPath shape;
    double radius = line.number(QStringLiteral("radius"), 4);

    if (fill == QLatin1String("light")) {
        const bool lightDisabled = line.option(QStringLiteral("disabled")) == QLatin1String("light");
        const QBrush fills[] = {vertical(box, lightTop, lightBottom), vertical(box, accent, accentDeep),
                                accentPressed, lightDisabled ? disabledLightFill : disabledFill};
        const QColor borders[] = {QColor(150, 150, 150), accentEdge, QColor(170, 150, 60), QColor(100, 100, 100)};
        brush = fills[state];
        border = borders[state];
    } else if (fill == QLatin1String("accent")) {
        radius = line.number(QStringLiteral("radius"), 6);
        const bool lightDisabled = line.option(QStringLiteral("disabled")) == QLatin1String("light");
        const QBrush fills[] = {vertical(box, accent, accentDeep), vertical(box, accentHover, accent),
                                accentPressed, lightDisabled ? disabledLightFill : disabledFill};
        const QColor borders[] = {accentEdge, accentEdge, QColor(170, 150, 60), QColor(100, 100, 100)};
        brush = fills[state];
        border = borders[state];
    } else if (fill == QLatin1String("chip")) {
        const QBrush fills[] = {vertical(box, groundRaised, SkinTheme::line), QColor(90, 90, 90), alert, groundPanel};
        const QColor borders[] = {QColor(88, 88, 88), QColor(110, 110, 110), QColor(120, 0, 0), QColor(64, 64, 64)};
        brush = fills[state];
        border = borders[state];
    } else if (fill == QLatin1String("tab")) {
        const QColor fills[] = {groundRaised, SkinTheme::line, groundField, groundPanel};
        const bool turned = line.option(QStringLiteral("vertical")) == QLatin1String("1");
        // A tab stands on its lower edge; the preference list's tabs stand on their left one.
        shape = turned ? roundedPath(box, radius, false, true, true, false)
                       : roundedPath(box, radius, true, true, false, false);
        p.fillPath(shape, fills[state]);
        p.setPen(QPen(state == 3 ? QColor(64, 64, 64) : SkinTheme::line, px()));
        p.drawPath(shape);
        if (state == 2) {
            const QRectF bar = turned ? QRectF(r.left(), r.top(), 2, r.height())
                                      : QRectF(r.left(), r.bottom() - 2, r.width(), 2);
            p.fillRect(bar, accent);
        }
        return;
    } else if (fill == QLatin1String("segL") || fill == QLatin1String("segR")) {
        const QColor fills[] = {groundRaised, lightBottom, accent, disabledFill};
        const QColor borders[] = {SkinTheme::line, QColor(150, 150, 150), accentEdge, QColor(100, 100, 100)};
        const bool left = fill == QLatin1String("segL");
        shape = roundedPath(box, radius, left, !left, !left, left);
        p.fillPath(shape, fills[state]);
        p.setPen(QPen(borders[state], px()));
        p.drawPath(shape);
        return;
    } else {
        fail(line, QStringLiteral("unknown button fill \"%1\"").arg(fill));
    }
    shape.addRoundedRect(box, radius, radius);
    p.fillPath(shape, brush);
    p.setPen(QPen(border, px()));
    p.drawPath(shape);
}

void SkinPainter::field(QPainter &p, const QRectF &r, int state, const ManifestLine &line)
{
    // disabled=light: for fields whose users paint the disabled caption in a dark
    // grey, which only a light ground keeps readable.
    const bool lightDisabled = line.option(QStringLiteral("disabled")) == QLatin1String("light");
    const QColor fills[] = {groundField, groundField, groundField,
                            lightDisabled ? QColor(160, 160, 160) : groundWindow};
    const QColor borders[] = {SkinTheme::line, selectRow, accent,
                              lightDisabled ? QColor(120, 120, 120) : QColor(58, 58, 58)};
    const QRectF box = r.adjusted(px() / 2, px() / 2, -px() / 2, -px() / 2);
    p.setPen(QPen(borders[state], px()));
    p.setBrush(fills[state]);
    p.drawRoundedRect(box, 3, 3);
    // arrow=down: a choice field whose widget draws no arrow of its own carries
    // it in its picture, at the right end.
    if (line.option(QStringLiteral("arrow")) == QLatin1String("down")) {
        const QColor arrows[] = {textOnDark, textOnDark, accent, SkinTheme::line};
        const double w = 7, h = 4;
        const QPointF c(r.right() - 9, std::floor((r.height() - h) / 2) + h / 2);
        QPainterPath arrow;
        arrow.moveTo(c.x() - w / 2, c.y() - h / 2);
        arrow.lineTo(c.x() + w / 2, c.y() - h / 2);
        arrow.lineTo(c.x(), c.y() + h / 2);
        arrow.closeSubpath();
        p.fillPath(arrow, arrows[state]);
    }
}

void SkinPainter::check(QPainter &p, const QRectF &r, int, const ManifestLine &line)
{
    const QString state = line.option(QStringLiteral("state"));
    const bool on = state == QLatin1String("on");
    // Partly checked: the filled box of "on" with a dash for a mark, never the empty box.
    const bool partial = state == QLatin1String("partial");
    const bool dark = line.option(QStringLiteral("ground")) == QLatin1String("dark");
    QColor fill, border;
    if (dark) {
        fill = (on || partial) ? accent : groundField;
        border = (on || partial) ? accentEdge : QColor(140, 140, 140);
    } else {
        fill = QColor(250, 250, 250);
        border = QColor(110, 110, 110);
    }
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    if (on) {
        const double w = r.width(), h = r.height();
        QPen tick(textOnLight, qMax(1.5, w / 9));
        tick.setCapStyle(Qt::RoundCap);
        tick.setJoinStyle(Qt::RoundJoin);
        p.setPen(tick);
        const QPointF points[] = {{w * 0.26, h * 0.52}, {w * 0.43, h * 0.69}, {w * 0.75, h * 0.33}};
        p.drawPolyline(points, 3);
    } else if (partial) {
        QPen dash(textOnLight, qMax(1.5, r.width() / 9));
        dash.setCapStyle(Qt::RoundCap);
        p.setPen(dash);
        p.drawLine(QPointF(r.width() * 0.28, r.height() / 2), QPointF(r.width() * 0.72, r.height() / 2));
    }
}

void SkinPainter::radio(QPainter &p, const QRectF &r, int, const ManifestLine &line)
{
    const bool on = line.option(QStringLiteral("state")) == QLatin1String("on");
    p.setPen(QPen(on ? accent : QColor(160, 160, 160), 1));
    p.setBrush(groundField);
    p.drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
    if (on) {
        const double d = r.width() / 2;
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawEllipse(QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d));
    }
}

void SkinPainter::bar(QPainter &p, const QRectF &r, int, const ManifestLine &line)
{
    const bool track = line.option(QStringLiteral("role")) == QLatin1String("track");
    const QString ground = line.option(QStringLiteral("ground"));
    QColor fill = accent, border;
    if (track && ground == QLatin1String("dark")) {
        fill = groundField;
        border = SkinTheme::line;
    } else if (track && ground == QLatin1String("light")) {
        fill = QColor(168, 168, 168);
        border = QColor(140, 140, 140);
    } else if (track) {
        // A sunken groove without a rim: darker than every panel it is laid on (the
        // editing forms' panels are as light as the rim colour).
        fill = groundField;
    }
    border = colourOption(line, QStringLiteral("border"), border);
    const QRectF pill = border.isValid() ? r.adjusted(px() / 2, px() / 2, -px() / 2, -px() / 2) : r;
    const double radius = pill.height() / 2;
    p.setPen(border.isValid() ? QPen(border, px()) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawRoundedRect(pill, radius, radius);
}

void SkinPainter::flat(QPainter &p, const QRectF &r, int, const ManifestLine &line)
{
    p.fillRect(r, colourOption(line, QStringLiteral("color"), groundField));
}

void SkinPainter::handle(QPainter &p, const QRectF &r, int state, const ManifestLine &line)
{
    const QString shape = line.option(QStringLiteral("shape"));
    if (shape == QLatin1String("knob")) {
        const QColor fills[] = {textOnDark, Qt::white, accent, QColor(90, 90, 90)};
        const QRectF knob(r.center().x() - 6, 15 - 6, 12, 12);
        p.setPen(QPen(QColor(0, 0, 0, 90), px()));
        p.setBrush(fills[state]);
        p.drawEllipse(knob.adjusted(px() / 2, px() / 2, -px() / 2, -px() / 2));
    } else if (shape == QLatin1String("bracketL") || shape == QLatin1String("bracketR")) {
        const QColor fills[] = {accent, accentHover, accentPressed, disabled};
        const bool left = shape == QLatin1String("bracketL");
        const double foot = 5;
        // The bar stands on the range's edge (the cell's inner side); the foot points outwards.
        const QRectF bar(left ? r.right() - 2 : r.left(), r.top(), 2, r.height());
        const QRectF tab(r.left(), r.bottom() - foot, r.width(), foot);
        QPainterPath path;
        path.addRect(bar);
        path.addPath(roundedPath(tab, 2, false, false, !left, left));
        p.fillPath(path.simplified(), fills[state]);
    } else if (shape == QLatin1String("playhead")) {
        const QColor fills[] = {alert, alertHover, alertPressed, disabled};
        const double w = r.width();
        const double head = line.number(QStringLiteral("head"), std::round(w * 0.6));
        QPainterPath path;
        path.moveTo(0.5, 0);
        path.lineTo(w - 0.5, 0);
        path.lineTo(w - 0.5, head * 0.5);
        path.lineTo(w / 2, head);
        path.lineTo(0.5, head * 0.5);
        path.closeSubpath();
        path.addRect(QRectF(w / 2 - 1, head - 1, 2, r.height() - head + 1));
        p.fillPath(path.simplified(), fills[state]);
    } else {
        fail(line, QStringLiteral("unknown handle shape \"%1\"").arg(shape));
    }
}

void SkinPainter::formatTile(QPainter &p, const QRectF &r, int state, const ManifestLine &)
{
    const QColor fills[] = {QColor(46, 46, 46), groundRaised, groundRaised, QColor(46, 46, 46)};
    const QColor borders[] = {SkinTheme::line, selectRow, accent, SkinTheme::line};
    const double width = state == 2 ? 2 : px();
    p.setPen(QPen(borders[state], width));
    p.setBrush(fills[state]);
    p.drawRoundedRect(r.adjusted(width / 2, width / 2, -width / 2, -width / 2), 6, 6);
}

void SkinPainter::cover(QPainter &p, const QRectF &r, int state, const ManifestLine &)
{
    const QColor borders[] = {SkinTheme::line, textOnDark, accent, SkinTheme::line};
    const double width = (state == 1 || state == 2) ? 2 : px();
    p.setPen(QPen(borders[state], width));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(width / 2, width / 2, -width / 2, -width / 2), 3, 3);
}

// A plain disc edge to edge: no ring, so the whole circle is room for "99+".
void SkinPainter::badge(QPainter &p, const QRectF &r, int, const ManifestLine &)
{
    p.setPen(Qt::NoPen);
    p.setBrush(countTag);
    p.drawEllipse(r);
}

void SkinPainter::textBadge(QPainter &p, const QRectF &r, int, const ManifestLine &line)
{
    // Outline 64x44 px with a 2-px stroke, text 30 px: halved at ratio 2.
    const QRectF frame(r.center().x() - 16, r.center().y() - 11, 32, 22);
    p.setPen(QPen(accent, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(15);
    font.setBold(true);
    if (QFontInfo(font).family() != QLatin1String("Tahoma"))
        fail(line, QStringLiteral("Tahoma is not registered (pass the shipped fonts with --font)"));
    p.setFont(font);
    p.setPen(accent);
    p.drawText(frame, Qt::AlignCenter, line.option(QStringLiteral("text")));
}

// A container format's tile icon: a film frame (family=video) or a card with a
// sound wave (family=audio), the format's name across it, so that the tiles of
// one category tell their formats apart at a glance.
void SkinPainter::formatCard(QPainter &p, const QRectF &r, int, const ManifestLine &line)
{
    const bool video = line.option(QStringLiteral("family")) == QLatin1String("video");
    if (!video && line.option(QStringLiteral("family")) != QLatin1String("audio"))
        fail(line, QStringLiteral("family must be video or audio"));
    const QColor ink = video ? textOnDark : accent;
    const QRectF card(r.center().x() - 16, r.center().y() - 12, 32, 24);
    p.setPen(QPen(ink, 1));
    p.setBrush(groundRaised);
    p.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    if (video) {
        // Sprocket holes along the top and the bottom edge.
        for (double x = card.left() + 3; x + 2 <= card.right() - 2; x += 4) {
            p.drawRect(QRectF(x, card.top() + 2, 2, 2));
            p.drawRect(QRectF(x, card.bottom() - 4, 2, 2));
        }
    } else {
        // A row of level bars over the name.
        const double heights[] = {2, 4, 3, 5, 2, 4, 3};
        for (int i = 0; i < 7; ++i)
            p.drawRect(QRectF(card.left() + 6 + i * 3, card.top() + 7 - heights[i], 2, heights[i]));
    }
    QFont font(QStringLiteral("Tahoma"));
    font.setBold(true);
    if (QFontInfo(font).family() != QLatin1String("Tahoma"))
        fail(line, QStringLiteral("Tahoma is not registered (pass the shipped fonts with --font)"));
    const QString text = line.option(QStringLiteral("text"));
    const QRectF band(card.left() + 2, card.top() + (video ? 5 : 8), card.width() - 4, card.height() - (video ? 10 : 10));
    // The largest size whose name fits the band.
    for (int size = 10; size >= 6; --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(text) <= band.width())
            break;
    }
    p.setFont(font);
    p.setPen(ink);
    p.drawText(band, Qt::AlignCenter, text);
}
