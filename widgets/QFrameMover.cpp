#include "QFrameMover.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

#include <cmath>

QPoint globalPixel(const QMouseEvent* event)
{
    return QPoint(int(std::lround(event->screenPos().x())), int(std::lround(event->screenPos().y())));
}

QFrameMover::QFrameMover(QWidget* window, QFrameEdge::Bands bands) : m_window(window), m_bands(bands) {}

void QFrameMover::press(QMouseEvent* event)
{
    m_dragPos = globalPixel(event) - m_window->frameGeometry().topLeft();
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void QFrameMover::move(QMouseEvent* event, bool resizable, bool movable, int moveTop)
{
    if (!m_pressed && !m_isMax && resizable) {
        trackEdge(event);
    } else if (m_edge != 0) {
        resizeByEdge(event);
        return;
    }
    if (m_pressed && m_dragPos.y() < moveTop && !m_isMax && movable)
        m_window->move(globalPixel(event) - m_dragPos);
}

void QFrameMover::toggleMaximised(QRect area)
{
    if (!m_isMax) {
        m_normalRect = m_window->geometry();
        m_window->setGeometry(area);
    } else {
        m_window->setGeometry(m_normalRect);
    }
    m_isMax = !m_isMax;
}

void QFrameMover::trackEdge(QMouseEvent* event)
{
    m_edge = QFrameEdge::edgeAt(globalPixel(event), m_window->geometry(), m_horizontal, m_bands, &m_edgeOffset);
    m_window->setCursor(QFrameEdge::cursorFor(m_edge));
}

void QFrameMover::resizeByEdge(QMouseEvent* event)
{
    const quint64 count = m_frameCounter++;
    if (count % 2 != 0)
        return;
    const int desktopWidth = QApplication::desktop()->geometry().width();
    const int availableHeight = QGuiApplication::primaryScreen()->availableGeometry().height();
    m_window->setGeometry(QFrameEdge::resized(m_window->geometry(), m_edge, globalPixel(event), m_edgeOffset,
                                              m_window->minimumSize(), desktopWidth - 4, availableHeight));
    m_window->update();
}
