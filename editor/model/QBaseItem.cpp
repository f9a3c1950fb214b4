#include "QBaseItem.h"

#include <QMouseEvent>
#include <QPainter>

QBaseItem::QBaseItem(QWidget* parent) : QWidget(parent) {}

QBaseItem::~QBaseItem() = default;

void QBaseItem::setMouseState(QBaseItem::QMouseState state)
{
    m_mouseState = state;
    update();
}

QBaseItem::QMouseState QBaseItem::getMouseState() const
{
    return m_mouseState;
}

void QBaseItem::setBackgroundColor(QColor normal, QColor hover, QColor selected, QColor fourth)
{
    m_normalColor = normal;
    m_hoverColor = hover;
    m_selectedColor = selected;
    m_fourthColor = fourth;
    update();
}

void QBaseItem::setBackgroundColor(QColor color)
{
    setBackgroundColor(color, color, color, color);
}

void QBaseItem::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        leftPress(event->modifiers());
    else if (event->button() == Qt::RightButton)
        rightPress();
}

// Modifiers count only when held alone: Shift with Control is a plain click.
void QBaseItem::leftPress(Qt::KeyboardModifiers modifiers)
{
    if (modifiers == Qt::ShiftModifier) {
        emit emitMouseShiftPress();
    } else if (modifiers == Qt::ControlModifier) {
        setMouseState(m_mouseState == SelectedState ? NormalState : SelectedState);
        emit emitMouseCtrlPress();
    } else {
        setMouseState(SelectedState);
        emit emitMousePress();
    }
}

// A context click selects first, so the menu acts on this item.
void QBaseItem::rightPress()
{
    if (m_mouseState != SelectedState) {
        setMouseState(SelectedState);
        emit emitMousePress();
    }
    emit emitShowTreeMenu();
}

// The second press of a double click is not a new selection.
void QBaseItem::mouseDoubleClickEvent(QMouseEvent*) {}

void QBaseItem::enterEvent(QEvent*)
{
    if (m_mouseState != HoverState && m_mouseState != SelectedState)
        setMouseState(HoverState);
}

void QBaseItem::leaveEvent(QEvent*)
{
    if (m_mouseState == HoverState)
        setMouseState(NormalState);
}

void QBaseItem::paintEvent(QPaintEvent*)
{
    QColor color = m_fourthColor;
    if (m_mouseState == NormalState)
        color = m_normalColor;
    else if (m_mouseState == HoverState)
        color = m_hoverColor;
    else if (m_mouseState == SelectedState)
        color = m_selectedColor;
    QPainter painter(this);
    painter.fillRect(rect(), color);
}
