#pragma once

#include <QPoint>

class QWidget;

// Window and mouse services of the platform, in the coordinate conventions the
// window bases expect (window origins count upward from the primary screen's bottom).
class VelMacosInterface
{
public:
    VelMacosInterface() = default;

    static QPoint getGlobalPos();
    static QPoint getWindowPos(QWidget* widget);
    static void showMinimize(QWidget* widget);
    static void hideDock();
    // The returned buffer belongs to the calling thread and stays valid until its next call.
    static const char* ConvertCharToUtft32(char* utf8);
};
