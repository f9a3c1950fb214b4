#include "VelMacosInterface.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QWidget>

#include <string>

QPoint VelMacosInterface::getGlobalPos()
{
    return QCursor::pos();
}

QPoint VelMacosInterface::getWindowPos(QWidget* widget)
{
    if (!widget)
        return QPoint(0, 0);
    QWidget* window = widget->window();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenHeight = screen ? screen->geometry().height() : 0;
    const QPoint topLeft = window->pos();
    return QPoint(topLeft.x(), screenHeight - topLeft.y() - window->height());
}

void VelMacosInterface::showMinimize(QWidget* widget)
{
    if (widget)
        widget->window()->showMinimized();
}

// X11 and Wayland desktops have no per-application dock icon to hide.
void VelMacosInterface::hideDock() {}

const char* VelMacosInterface::ConvertCharToUtft32(char* utf8)
{
    thread_local std::u32string buffer;
    if (!utf8)
        return nullptr;
    const QVector<uint> ucs4 = QString::fromUtf8(utf8).toUcs4();
    buffer.assign(ucs4.begin(), ucs4.end());
    return reinterpret_cast<const char*>(buffer.c_str());
}
