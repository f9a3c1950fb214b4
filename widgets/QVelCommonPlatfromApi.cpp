#include "QVelCommonPlatfromApi.h"

#include "VelCommonInterface.h"

#include <QWidget>
#include <QWindow>

QVelCommonPlatfromApi::QVelCommonPlatfromApi() {}

static void floatAboveAndLetMouseThrough(void* widget, const QColor& color)
{
    auto* w = static_cast<QWidget*>(widget);
    if (!w)
        return;
    QWidget* top = w->window();
    if (!top->windowHandle())
        return;
    QPalette palette = top->palette();
    palette.setColor(QPalette::Window, color);
    top->setPalette(palette);
    top->setAutoFillBackground(true);
    top->setWindowOpacity(1.0);
    top->setWindowFlags(top->windowFlags() | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput);
    top->show();
    top->raise();
}

void QVelCommonPlatfromApi::setWindowsIgnoresMouse(void* widget)
{
    floatAboveAndLetMouseThrough(widget, Qt::red);
}

void QVelCommonPlatfromApi::setMacTransBackgroundColor(void* widget, QColor color)
{
    floatAboveAndLetMouseThrough(widget, color);
}

void QVelCommonPlatfromApi::showFileInFolder(std::string path)
{
    VelCommonInterface::showFileInFolder(path);
}
