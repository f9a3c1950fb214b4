#pragma once

#include "QFrameEdge.h"

#include <QPoint>
#include <QRect>

class QMouseEvent;
class QWidget;

// Moving, edge resizing and maximising of a frameless window by the mouse: the
// window base's mouse handlers hand their events here.
class QFrameMover
{
public:
    QFrameMover(QWidget* window, QFrameEdge::Bands bands);

    void press(QMouseEvent* event);
    void release() { m_pressed = false; }
    // Follows the pointer: over the edges of a resizable window the cursor
    // shows the edge, a grabbed edge resizes, and a press less than moveTop
    // pixels below the top moves the window.
    void move(QMouseEvent* event, bool resizable, bool movable, int moveTop);
    // Fills `area`, or gives back the geometry from before.
    void toggleMaximised(QRect area);

    bool isMaximised() const { return m_isMax; }
    bool horizontalEnabled() const { return m_horizontal; }
    void setHorizontalEnabled(bool on) { m_horizontal = on; }
    int edge() const { return m_edge; }
    void clearEdge() { m_edge = 0; }
    QPoint pressOffset() const { return m_dragPos; }

private:
    void trackEdge(QMouseEvent* event);
    void resizeByEdge(QMouseEvent* event);

    QWidget* m_window;
    QFrameEdge::Bands m_bands;
    bool m_pressed = false;
    QPoint m_dragPos;
    bool m_isMax = false;
    quint64 m_frameCounter = 1;
    QPoint m_edgeOffset;
    QRect m_normalRect;
    int m_edge = 0;
    bool m_horizontal = true;
};

// The global pointer position of a mouse event, rounded to whole pixels.
QPoint globalPixel(const QMouseEvent* event);
