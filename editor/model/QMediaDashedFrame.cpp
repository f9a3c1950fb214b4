#include "QMediaDashedFrame.h"

#include <QPainter>
#include <QTimer>

namespace {
const int kPiece = 6;
const int kCentre = 16;
const int kDelayMs = 50;
}

QMediaDashedFrame::QMediaDashedFrame(QWidget* parent) : QWidget(parent), m_timer(new QTimer(this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    connect(m_timer, &QTimer::timeout, this, &QMediaDashedFrame::UpdateTimer);
}

QMediaDashedFrame::~QMediaDashedFrame() = default;

void QMediaDashedFrame::setImage(QString path)
{
    m_image = QImage(path);
}

void QMediaDashedFrame::showCenterImage(bool show)
{
    m_showCenterImage = show;
}

void QMediaDashedFrame::setVisible(bool visible)
{
    if (!visible) {
        // Shown again soon, the box waits for its delay once more.
        m_paintCount = 0;
        repaint();
    }
    QWidget::setVisible(visible);
}

void QMediaDashedFrame::UpdateTimer()
{
    if (m_paintCount++ >= 1) {
        m_timer->stop();
        update();
    }
}

void QMediaDashedFrame::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (m_paintCount == 0) {
        m_timer->start(kDelayMs);
        return;
    }
    if (m_image.isNull())
        return;
    QPainter painter(this);
    paintDashedBorderAngle(painter, m_image);
}

void QMediaDashedFrame::paintDashedBorderAngle(QPainter& painter, QImage image)
{
    const int w = width();
    const int h = height();
    const int iw = image.width();
    const int ih = image.height();
    const int a = (w - kPiece) / 2;
    const int b = (h - kPiece) / 2;
    const int ia = (iw - kPiece) / 2;
    const int ib = (ih - kPiece) / 2;
    const auto piece = [&](int toX, int toY, int fromX, int fromY, int size) {
        painter.drawImage(QPoint(toX, toY), image, QRect(fromX, fromY, size, size));
    };
    piece(0, 0, 0, 0, kPiece);
    piece(a, 0, ia, 0, kPiece);
    piece(w - kPiece, 0, iw - kPiece, 0, kPiece);
    piece(0, b, 0, ib, kPiece);
    if (m_showCenterImage)
        piece((w - kCentre) / 2, (h - kCentre) / 2, (iw - kCentre) / 2, (ih - kCentre) / 2, kCentre);
    piece(w - kPiece, b, iw - kPiece, ib, kPiece);
    piece(0, h - kPiece, 0, ih - kPiece, kPiece);
    piece(a, h - kPiece, ia, ih - kPiece, kPiece);
    piece(w - kPiece, h - kPiece, iw - kPiece, ih - kPiece, kPiece);

    painter.setPen(QPen(QColor(255, 255, 255, 255), 2.0, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin));
    const auto across = [&](int y) {
        painter.drawLine(kPiece, y, a, y);
        painter.drawLine(a + kPiece, y, w - kPiece, y);
    };
    const auto down = [&](int x) {
        painter.drawLine(x, kPiece, x, b);
        painter.drawLine(x, b + kPiece, x, h - kPiece);
    };
    across(0);
    down(w);
    down(0);
    across(h);
}
