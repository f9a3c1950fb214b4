#include "QStripWidget.h"

#include "QStripDraw.h"
#include "QStripState.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

template <class Base>
void QStripWidget<Base>::setTextColor(QColor color)
{
    m_curColor = color;
    for (QColor& c : m_colors)
        c = color;
}

template <class Base>
void QStripWidget<Base>::setTextColor(QColor normal, QColor hover, QColor pressed, QColor disabled)
{
    m_colors[0] = normal;
    m_colors[1] = hover;
    m_colors[2] = pressed;
    m_colors[3] = disabled;
}

template <class Base>
void QStripWidget<Base>::setCheckState(bool checked)
{
    m_check = checked;
    this->update();
}

template <class Base>
void QStripWidget<Base>::setStateNow(int state)
{
    if (state == m_state)
        return;
    m_state = state;
    this->repaint();
}

template <class Base>
void QStripWidget<Base>::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (this->isEnabled())
            setStateNow(QStripState::next(m_state, QStripState::LeftPress, true));
        else
            m_state = 3;
    }
    Base::mousePressEvent(event);
}

template <class Base>
void QStripWidget<Base>::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setStateNow(QStripState::next(m_state, QStripState::LeftRelease, this->isEnabled()));
    Base::mouseReleaseEvent(event);
}

template <class Base>
void QStripWidget<Base>::enterEvent(QEvent* event)
{
    if (showsHandCursor())
        this->setCursor(Qt::PointingHandCursor);
    setStateNow(QStripState::next(m_state, QStripState::Enter, this->isEnabled()));
    Base::enterEvent(event);
}

template <class Base>
void QStripWidget<Base>::leaveEvent(QEvent* event)
{
    setStateNow(QStripState::next(m_state, QStripState::Leave, this->isEnabled()));
    Base::leaveEvent(event);
}

template <class Base>
void QStripWidget<Base>::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        m_state = QStripState::next(m_state, QStripState::EnabledChange, this->isEnabled());
    Base::changeEvent(event);
}

template <class Base>
int QStripWidget<Base>::cellToDraw(bool checkedColour)
{
    if (m_check) {
        if (checkedColour)
            m_curColor = m_colors[2];
        return 2;
    }
    if (m_state < 0 || m_state > 3)
        return -1;
    m_curColor = m_colors[m_state];
    return m_state == 3 && m_overState ? 2 : m_state;
}

template <class Base>
void QStripWidget<Base>::drawIcon(QPainter& painter, const QPixmap& icon)
{
    if (m_iconRect.width() == 0)
        m_iconRect.setWidth(icon.width());
    if (m_iconRect.height() == 0)
        m_iconRect.setHeight(icon.height());
    QStripDraw::drawIcon(painter, m_iconRect, icon);
}

template class QStripWidget<QWidget>;
template class QStripWidget<QPushButton>;
