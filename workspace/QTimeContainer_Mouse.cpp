#include "QTimeContainer.h"

#include "QTimeItem.h"

#include <QMouseEvent>

// The strip's own handlers leave every event to the time line, which hands it
// back through the main* slots below; positions come from the screen, so the
// result is the same whichever child the pointer was over.

void QTimeContainer::mousePressEvent(QMouseEvent* event)
{
    event->ignore();
}

void QTimeContainer::mouseMoveEvent(QMouseEvent* event)
{
    event->ignore();
}

void QTimeContainer::mouseReleaseEvent(QMouseEvent* event)
{
    event->ignore();
}

void QTimeContainer::recordPress(QPoint p)
{
    m_pressPt = p;
    m_pressW = m_selected->width();
    m_pressH = m_selected->height();
    m_pressX = m_selected->x();
    m_pressY = m_selected->y();
    const int index = m_items.indexOf(m_selected);
    if (m_items.size() == 1) {
        m_leftBound = 0;
        m_rightBound = width();
        return;
    }
    m_leftBound = index > 0 ? m_items[index - 1]->right() + 1 : 0;
    m_rightBound = index < m_items.size() - 1 ? m_items[index + 1]->x() : width();
}

void QTimeContainer::mainMousePressEvent(QMouseEvent* event)
{
    m_lastGlobal = event->globalPos();
    const QPoint p = mapFromGlobal(m_lastGlobal);
    if (!m_selected)
        return;
    bool onBox = false;
    for (QTimeItem* item : qAsConst(m_items))
        onBox = onBox || item->geometry().contains(p);
    if (!onBox) {
        setCursor(Qt::ArrowCursor);
        return;
    }
    QTimeItem* r = m_selected;
    const int x = r->x();
    const int x2 = r->right();
    const int y = r->y();
    const int y2 = r->y() + r->height() - 1;
    const QRect moveZone(x + r->getDragAreaPos(), y, r->getDragAreaSize(), r->height());
    if (moveZone.contains(p)) {
        m_pressTimer.start(100);
        return;
    }
    const bool inside = y < p.y() && p.y() < y2;
    if (x2 - x > 3) {
        if (p.x() < x + 3 && inside) {
            m_state = LeftEdge;
            setCursor(Qt::SizeHorCursor);
        } else if (x2 - p.x() > 2) {
            m_state = Idle;
            setCursor(Qt::ArrowCursor);
        } else if (inside) {
            m_state = RightEdge;
            setCursor(Qt::SizeHorCursor);
        }
    } else if (r->geometry().contains(p)) {
        m_state = Narrow;
    }
    if (m_state != Idle)
        recordPress(p);
}

void QTimeContainer::pressTimer()
{
    m_pressTimer.stop();
    if (!m_selected)
        return;
    m_state = Moving;
    setCursor(Qt::SizeAllCursor);
    recordPress(mapFromGlobal(m_lastGlobal));
}

void QTimeContainer::dragLeftEdge(int dx)
{
    const int newX = m_pressX + dx;
    int x;
    int w;
    if (newX >= m_leftBound) {
        w = m_pressW - dx;
        x = newX;
        if (w < 3) {
            w = 3;
            x = m_pressX + m_pressW - 3;
        }
    } else {
        x = m_leftBound;
        w = m_pressX - m_leftBound + m_pressW;
    }
    m_selected->setGeometry(x, 0, w, m_pressH);
}

void QTimeContainer::dragRightEdge(int dx)
{
    int w;
    if (m_pressX + dx + m_pressW <= m_rightBound)
        w = qMax(3, m_pressW + dx);
    else
        w = m_rightBound - m_pressX;
    m_selected->resize(w, m_selected->height());
}

void QTimeContainer::reportSelected(bool startSide)
{
    TimeItemInfo info = m_selected->getItemInfo();
    const float w = float(width());
    const int x = m_selected->x();
    const int x2 = m_selected->right();
    info.start = float(x) / w;
    info.end = float(x2 + 1) / w;
    info.length = float(x2 + 1 - x) / w;
    m_selected->setItemInfo(info);
    emit emitTimeItemInfoChange(info, m_currentIndex, startSide);
}

void QTimeContainer::hoverFeedback(QPoint p)
{
    QTimeItem* r = m_selected;
    if (!r)
        return;
    const int x = r->x();
    const int x2 = r->right();
    const bool inside = r->y() < p.y() && p.y() < r->y() + r->height() - 1;
    const QRect moveZone(x + r->getDragAreaPos(), r->y(), r->getDragAreaSize(), r->height());
    if (moveZone.contains(p))
        setCursor(Qt::ArrowCursor);
    else if (r->width() <= 4)
        setCursor(r->geometry().contains(p) ? Qt::SizeHorCursor : Qt::ArrowCursor);
    else if (inside && ((p.x() - x >= 0 && p.x() - x <= 2) || (x2 - p.x() >= 0 && x2 - p.x() <= 2)))
        setCursor(Qt::SizeHorCursor);
    else
        setCursor(Qt::ArrowCursor);
}

void QTimeContainer::mainMouseMoveEvent(QMouseEvent* event)
{
    m_lastGlobal = event->globalPos();
    const QPoint p = mapFromGlobal(m_lastGlobal);
    if (!m_selected) {
        m_state = Idle;
        return;
    }
    const int dx = p.x() - m_pressPt.x();
    switch (m_state) {
    case LeftEdge:
        dragLeftEdge(dx);
        reportSelected(true);
        break;
    case RightEdge:
        dragRightEdge(dx);
        reportSelected(false);
        break;
    case Moving: {
        setCursor(Qt::SizeAllCursor);
        const int newX = m_pressX + dx;
        const int x = newX + m_pressW <= m_rightBound ? qMax(newX, m_leftBound) : m_rightBound - m_pressW;
        m_selected->move(x, m_pressY);
        reportSelected(true);
        break;
    }
    case Narrow:
        if (p.x() <= m_pressPt.x()) {
            dragLeftEdge(dx);
            reportSelected(true);
        } else {
            dragRightEdge(dx);
            reportSelected(false);
        }
        break;
    default:
        hoverFeedback(p);
        break;
    }
}

void QTimeContainer::mainMouseReleaseEvent(QMouseEvent* event)
{
    m_pressTimer.stop();
    mouseReleaseStateInSelectedItem();
    if (m_state == Idle)
        hoverFeedback(mapFromGlobal(event->globalPos()));
}

void QTimeContainer::mouseReleaseStateInSelectedItem()
{
    if (m_state == Idle)
        return;
    setCursor(Qt::ArrowCursor);
    m_state = Idle;
}
