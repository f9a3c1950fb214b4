#include "QTimeItem.h"

#include "QBaseImageDraw.h"

#include <QMouseEvent>
#include <QPainter>

QTimeItem::QTimeItem(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void QTimeItem::setMouseState(int state)
{
    m_state = state;
    update();
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

void QTimeItem::selectForMenu()
{
    if (m_state != Selected) {
        setMouseState(Selected);
        emit emitMousePress();
    }
    emit emitShowTreeMenu();
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
    } else if (event->button() == Qt::LeftButton) {
        setMouseState(Selected);
        emit emitMousePress();
    } else if (event->button() == Qt::RightButton) {
        selectForMenu();
    }
    // The strip and the time line handle the drag that may follow.
    event->ignore();
}

void QTimeItem::enterEvent(QEvent* event)
{
    if (m_state != Hover && m_state != Selected)
        setMouseState(Hover);
    QWidget::enterEvent(event);
}

void QTimeItem::leaveEvent(QEvent* event)
{
    if (m_state == Hover)
        setMouseState(Normal);
    QWidget::leaveEvent(event);
}

void QTimeItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(borderColor(), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(QBaseImageDraw::GetRoundedRectanglePath(QRectF(1, 1, width() - 2, height() - 2), 3.0));
}
