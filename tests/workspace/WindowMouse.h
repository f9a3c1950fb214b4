#pragma once

#include <QTest>
#include <QWidget>
#include <QWindow>

// Mouse events delivered through the widget's window, as the platform delivers
// them: the widget under the pointer gets the press, ignored events travel to
// the parents, and moves carry the held button.
namespace WindowMouse {

inline QPoint inWindow(QWidget* w, QPoint local)
{
    return w->window()->windowHandle()->mapFromGlobal(w->mapToGlobal(local));
}

inline void press(QWidget* w, QPoint local, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::mousePress(w->window()->windowHandle(), Qt::LeftButton, mods, inWindow(w, local));
}

inline void move(QWidget* w, QPoint local)
{
    QTest::mouseMove(w->window()->windowHandle(), inWindow(w, local));
}

inline void release(QWidget* w, QPoint local)
{
    QTest::mouseRelease(w->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow(w, local));
}

} // namespace WindowMouse
