#include "CListItemWgt.h"

#include <QMouseEvent>
#include <QPainter>

CListItemWgt::CListItemWgt(QWidget* parent) : QWidget(parent) {}

void CListItemWgt::setMouseState(QConvertMouseState state)
{
    m_state = state;
    update();
}

QColor CListItemWgt::stateColor(int state)
{
    switch (state) {
    case Normal:
        return QColor(51, 51, 51);
    case Hover:
        return QColor(126, 126, 126);
    case Selected:
        return QColor(92, 92, 92);
    default:
        return QColor();
    }
}

void CListItemWgt::selectForMenu()
{
    if (m_state != Selected) {
        setMouseState(Selected);
        emit emitMousePress();
    }
    emit emitshowTreeMenu();
}

void CListItemWgt::mousePressEvent(QMouseEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (mods == Qt::ShiftModifier) {
        if (event->button() == Qt::LeftButton)
            emit emitMouseShiftPress();
        else if (event->button() == Qt::RightButton)
            selectForMenu();
    } else if (mods == Qt::ControlModifier) {
        if (event->button() == Qt::LeftButton) {
            m_state = m_state == Selected ? Normal : Selected;
            emit emitMouseCtrlPress();
        } else if (event->button() == Qt::RightButton) {
            selectForMenu();
        }
        update();
    } else if (event->button() == Qt::LeftButton) {
        setMouseState(Selected);
        emit emitMousePress();
    } else if (event->button() == Qt::RightButton) {
        selectForMenu();
    }
    event->accept();
}

void CListItemWgt::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void CListItemWgt::enterEvent(QEvent* event)
{
    if (m_state != Hover && m_state != Selected)
        setMouseState(Hover);
    QWidget::enterEvent(event);
}

void CListItemWgt::leaveEvent(QEvent* event)
{
    if (m_state == Hover)
        setMouseState(Normal);
    QWidget::leaveEvent(event);
}

void CListItemWgt::paintEvent(QPaintEvent*)
{
    const QColor colour = stateColor(m_state);
    if (!colour.isValid())
        return;
    QPainter painter(this);
    painter.fillRect(rect(), colour);
}
