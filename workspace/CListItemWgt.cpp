#include "CListItemWgt.h"

#include <QMouseEvent>
#include <QPainter>

CListItemWgt::CListItemWgt(QWidget* parent) : QHoverStateWidget(parent) {}

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
    } else {
        plainPress(event->button());
    }
    event->accept();
}

void CListItemWgt::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

void CListItemWgt::paintEvent(QPaintEvent*)
{
    const QColor colour = stateColor(m_state);
    if (!colour.isValid())
        return;
    QPainter painter(this);
    painter.fillRect(rect(), colour);
}
