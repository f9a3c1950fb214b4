#include "QImagaeRatioDraw.h"

#include <QPainter>

#include <algorithm>

QImagaeRatioDraw::QImagaeRatioDraw(QObject* parent) : QObject(parent) {}

void QImagaeRatioDraw::drawImage(QPainter& painter, QRect target, QRect source, QImage image)
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QRect doubled(source.x() * 2, source.y() * 2, source.width() * 2, source.height() * 2);
    painter.drawImage(target, image, doubled);
}

void QImagaeRatioDraw::drawPixmap(QPainter& painter, QRect target, QRect source, QPixmap pixmap)
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QRect doubled(source.x() * 2, source.y() * 2, source.width() * 2, source.height() * 2);
    painter.drawPixmap(target, pixmap, doubled);
}

QVector<QImagaeRatioDraw::Piece> QImagaeRatioDraw::ninePieces(int W, int H, int PW, int PH, rectSize tl,
                                                              rectSize tr, rectSize bl, rectSize br)
{
    QVector<Piece> pieces;
    pieces.append({QRect(0, 0, tl.width, tl.height), QRect(0, 0, tl.width, tl.height)});
    pieces.append({QRect(W - tr.width, 0, tr.width, tr.height), QRect(PW - tr.width, 0, tr.width, tr.height)});
    if (W - tl.width - tr.width > 0)
        pieces.append({QRect(tl.width, 0, W - tl.width - tr.width, tr.height),
                       QRect(tl.width, 0, PW - tl.width - tr.width, tr.height)});
    pieces.append({QRect(0, H - bl.height, bl.width, bl.height), QRect(0, PH - bl.height, bl.width, bl.height)});
    pieces.append({QRect(W - br.width, H - br.height, br.width, br.height),
                   QRect(PW - br.width, PH - br.height, br.width, br.height)});
    if (W - bl.width - br.width > 0)
        pieces.append({QRect(bl.width, H - br.height, W - bl.width - br.width, br.height),
                       QRect(bl.width, PH - br.height, PW - bl.width - br.width, br.height)});
    if (H - tl.height - bl.height > 0)
        pieces.append({QRect(0, tl.height, tl.width, H - tl.height - bl.height),
                       QRect(0, tl.height, tl.width, PH - tl.height - bl.height)});
    if (H - tr.height - br.height != 0)
        pieces.append({QRect(W - tr.width, tr.height, tr.width, H - tr.height - br.height),
                       QRect(PW - tr.width, tr.height, tr.width, PH - tr.height - br.height)});
    if (H - tl.height - bl.height != 0 && PH - tl.height - bl.height != 0)
        pieces.append({QRect(tl.width, tl.height, W - tl.width - tr.width, H - tl.height - bl.height),
                       QRect(tl.width, tl.height, PW - tl.width - tr.width, PH - tl.height - bl.height)});
    return pieces;
}

QVector<QImagaeRatioDraw::Piece> QImagaeRatioDraw::thirdPieces(int W, int H, int PW, int PH)
{
    const rectSize c{std::min(W, PW) / 3, std::min(H, PH) / 3};
    QVector<Piece> pieces = ninePieces(W, H, PW, PH, c, c, c, c);
    pieces.erase(std::remove_if(pieces.begin(), pieces.end(),
                                [](const Piece& p) { return p.target.width() <= 0 || p.target.height() <= 0; }),
                 pieces.end());
    return pieces;
}

void QImagaeRatioDraw::drawPieces(QPainter& painter, const QVector<Piece>& pieces, const QImage& image, QPoint offset)
{
    for (const Piece& piece : pieces)
        drawImage(painter, piece.target.translated(offset), piece.source, image);
}

void QImagaeRatioDraw::drawLogo(QPainter& painter, QRect& rect, const QImage& logo)
{
    if (logo.isNull())
        return;
    if (rect.width() == 0)
        rect.setWidth(logo.width() / 2);
    if (rect.height() == 0)
        rect.setHeight(logo.height() / 2);
    painter.drawImage(rect, logo, logo.rect());
}
