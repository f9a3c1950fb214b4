#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// Mouse events at a chosen local position (global = local + offset), sent straight
// to a widget, with the keyboard modifiers of the press.
namespace EditorMouse {

inline void send(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier, QPoint global = QPoint(-1, -1))
{
    if (global == QPoint(-1, -1))
        global = widget->mapToGlobal(local);
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(local), QPointF(local), QPointF(global), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

inline void press(QWidget* widget, QPoint local, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    send(widget, QEvent::MouseButtonPress, local, button, modifiers);
}

inline void release(QWidget* widget, QPoint local, Qt::MouseButton button = Qt::LeftButton)
{
    send(widget, QEvent::MouseButtonRelease, local, button);
}

inline void move(QWidget* widget, QPoint local, Qt::MouseButton held = Qt::NoButton)
{
    send(widget, QEvent::MouseMove, local, held);
}

} // namespace EditorMouse
