#pragma once

#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QVector>

#include "rectSize.h"

class QPainter;

// Draws double-resolution pictures: source rectangles are logical and doubled here.
class QImagaeRatioDraw : public QObject
{
    Q_OBJECT

public:
    // One piece of a nine-grid: where it lands (logical) and what it reads (logical).
    struct Piece
    {
        QRect target;
        QRect source;
    };

    explicit QImagaeRatioDraw(QObject* parent = nullptr);

    static void drawImage(QPainter& painter, QRect target, QRect source, QImage image);
    static void drawPixmap(QPainter& painter, QRect target, QRect source, QPixmap pixmap);

    // The nine pieces of a W x H target over a PW x PH (logical) picture with the four
    // corner cells top-left, top-right, bottom-left, bottom-right, in drawing order;
    // pieces that are not drawn are left out.
    static QVector<Piece> ninePieces(int W, int H, int PW, int PH, rectSize tl, rectSize tr, rectSize bl,
                                     rectSize br);
    // The same with four equal corners of a third of the smaller of target and
    // picture, each way; pieces without area are left out.
    static QVector<Piece> thirdPieces(int W, int H, int PW, int PH);
    // Draws the pieces (a target offset moves them all) from a double-resolution picture.
    static void drawPieces(QPainter& painter, const QVector<Piece>& pieces, const QImage& image,
                           QPoint offset = QPoint());
    // A double-resolution logo into its rectangle, an empty side of which takes
    // the logo's logical size; nothing for a null logo.
    static void drawLogo(QPainter& painter, QRect& rect, const QImage& logo);

private:
    Q_DISABLE_COPY(QImagaeRatioDraw)
};
