#pragma once

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <QRect>
#include <QVector>

class QPainter;

// Drawing of double-resolution art (device pixel ratio 2): source rectangles are
// given in logical units and doubled, nine-part drawing keeps corners unstretched.
class QBaseImageDraw
{
public:
    // One cell of a nine-part drawing: where it goes and which image pixels it reads.
    struct NineCell
    {
        QRect target;
        QRect source;
    };

    QBaseImageDraw() = default;

    static void drawImage(QPainter& painter, QRect target, QRect source, QImage& image);
    static void drawPixmap(QPainter& painter, QRect target, QRect source, QPixmap& pixmap);
    static void drawBtnImageBg(QPainter& painter, QRect target, QImage& image, bool grid);
    static QPainterPath GetRoundedRectanglePath(QRectF rect, double radius);

    // Narrows the font (never below half width) until the text is at most `width`
    // wide, keeping its pixel size: a count like "99+" then stays inside its round tag.
    static QFont fontFittingWidth(QFont font, const QString& text, qreal width);

    // The cells drawBtnImageBg draws in grid mode, in drawing order.
    static QVector<NineCell> ninePartCells(const QRect& target, const QSize& imagePixels);
};
