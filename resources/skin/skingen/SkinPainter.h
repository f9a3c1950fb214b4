#pragma once

#include "SkinManifest.h"

#include <QHash>
#include <QImage>

class BreezeIcons;
class QPainter;
class QRectF;
class QColor;
class QPointF;

// Draws the skin pictures of the manifest: backgrounds, buttons, fields, marks, bars,
// handles and glyphs. Every style draws one cell in logical units; strips and tiles
// get four cells (0 normal, 1 hover, 2 pressed, 3 disabled), other pictures one.
class SkinPainter
{
public:
    explicit SkinPainter(BreezeIcons &icons);

    bool handles(const QString &style) const;
    // Throws std::runtime_error for an unknown style, a bad option or a missing icon.
    QImage draw(const ManifestLine &line);

private:
    using CellStyle = void (SkinPainter::*)(QPainter &, const QRectF &, int, const ManifestLine &);

    // Backgrounds and frames (SkinPainter.cpp)
    void dialog(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void window(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void panel(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void button(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void field(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void check(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void radio(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void bar(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void flat(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void handle(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void formatTile(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void cover(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void badge(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void textBadge(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void formatCard(QPainter &p, const QRectF &r, int state, const ManifestLine &line);

    // Glyphs, icons and drawn symbols (SkinPainterGlyphs.cpp)
    void dot(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void glyph(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void icon(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void mark(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void dropCard(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void triangle(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void bracket(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void grip(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void placeholder(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void borderLine(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void addImage(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void trimPlay(QPainter &p, const QRectF &r, int state, const ManifestLine &line);
    void keyStep(QPainter &p, const QRectF &r, int state, const ManifestLine &line);

    // Glyph colour of the "dark" tone (on dark ground) for a state.
    static QColor darkTone(int state);
    // The light tone's plate behind the glyph and the glyph colour.
    void lightPlate(QPainter &p, const QRectF &r, int state) const;
    static QColor lightTone(int state);
    // An icon of `size` logical centred on `centre`, snapped to whole pixels.
    void drawIcon(QPainter &p, const QString &source, double size, const QPointF &centre, const QColor &tint);
    QColor colourOption(const ManifestLine &line, const QString &key, const QColor &fallback) const;
    // Hairline width: one device pixel in logical units.
    double px() const { return 1.0 / m_dpr; }

    BreezeIcons &m_icons;
    QHash<QString, CellStyle> m_styles;
    int m_dpr = 2;
};
