#include "QTimeItem.h"

#include "QBaseImageDraw.h"

#include <QMouseEvent>
#include <QPainter>

QTimeItem::QTimeItem(QWidget* parent) : QHoverStateWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void QTimeItem::setTimeItemBGColor(QColor normal, QColor hover, QColor selected, QColor other)
{
    m_colors[0] = normal;
    m_colors[1] = hover;
    m_colors[2] = selected;
    m_colors[3] = other;
    update();
}

QColor QTimeItem::borderColor() const
{
    return (m_state >= 0 && m_state <= 2) ? m_colors[m_state] : m_colors[3];
}

int QTimeItem::getDragAreaPos() const
{
    return width() < 4 ? 1 : 2;
}

int QTimeItem::getDragAreaSize() const
{
    return width() < 4 ? width() - 2 : width() - 4;
}

void QTimeItem::mousePressEvent(QMouseEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (mods == Qt::ShiftModifier) {
        if (event->button() == Qt::RightButton)
            selectForMenu();
    } else if (mods == Qt::ControlModifier) {
        if (event->button() == Qt::RightButton)
            selectForMenu();
        update();
    } else {
        plainPress(event->button());
    }
    // The strip and the time line handle the drag that may follow.
    event->ignore();
}

void QTimeItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(borderColor(), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(QBaseImageDraw::GetRoundedRectanglePath(QRectF(1, 1, width() - 2, height() - 2), 3.0));
}
