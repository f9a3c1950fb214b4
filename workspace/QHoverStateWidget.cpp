#include "QHoverStateWidget.h"

QHoverStateWidget::QHoverStateWidget(QWidget* parent) : QWidget(parent) {}

void QHoverStateWidget::setMouseState(int state)
{
    m_state = state;
    update();
}

void QHoverStateWidget::selectForMenu()
{
    if (m_state != Selected) {
        setMouseState(Selected);
        emit emitMousePress();
    }
    emit emitShowTreeMenu();
}

void QHoverStateWidget::plainPress(Qt::MouseButton button)
{
    if (button == Qt::LeftButton) {
        setMouseState(Selected);
        emit emitMousePress();
    } else if (button == Qt::RightButton) {
        selectForMenu();
    }
}

void QHoverStateWidget::enterEvent(QEvent* event)
{
    if (m_state != Hover && m_state != Selected)
        setMouseState(Hover);
    QWidget::enterEvent(event);
}

void QHoverStateWidget::leaveEvent(QEvent* event)
{
    if (m_state == Hover)
        setMouseState(Normal);
    QWidget::leaveEvent(event);
}
