#include "QDrawLine.h"

#include <QPainter>

QDrawLine::QDrawLine(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
}

void QDrawLine::setPenWidth(int width)
{
    m_penWidth = width;
    update();
}

void QDrawLine::setPenColor(QColor color)
{
    m_color = color;
    update();
}

void QDrawLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(m_color, m_penWidth, Qt::DashLine));
    painter.drawLine(width() / 2, 0, width() / 2, height());
}
