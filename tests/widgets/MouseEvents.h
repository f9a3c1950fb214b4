#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// Mouse events with a chosen global position, sent straight to a widget.
namespace MouseEvents {

inline void send(QWidget* widget, QEvent::Type type, QPoint global, Qt::MouseButton button,
                 Qt::MouseButtons buttons)
{
    const QPointF local = widget->mapFromGlobal(global);
    QMouseEvent event(type, local, local, QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void press(QWidget* w, QPoint global, Qt::MouseButton button = Qt::LeftButton)
{
    send(w, QEvent::MouseButtonPress, global, button, button);
}

inline void release(QWidget* w, QPoint global, Qt::MouseButton button = Qt::LeftButton)
{
    send(w, QEvent::MouseButtonRelease, global, button, Qt::NoButton);
}

inline void move(QWidget* w, QPoint global, Qt::MouseButtons buttons = Qt::NoButton)
{
    send(w, QEvent::MouseMove, global, Qt::NoButton, buttons);
}

inline void doubleClick(QWidget* w, QPoint global)
{
    send(w, QEvent::MouseButtonDblClick, global, Qt::LeftButton, Qt::LeftButton);
}

// A move event object for slots that take the event itself.
inline QMouseEvent moveAt(QWidget* w, QPoint global)
{
    const QPointF local = w->mapFromGlobal(global);
    return QMouseEvent(QEvent::MouseMove, local, local, QPointF(global), Qt::NoButton, Qt::LeftButton,
                       Qt::NoModifier);
}

} // namespace MouseEvents
