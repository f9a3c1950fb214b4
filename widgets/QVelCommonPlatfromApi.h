#pragma once

#include <QColor>

#include <string>

// Window and file-manager operations. The windows get Qt's own means: an input-
// transparent, stay-on-top window with the given background.
class QVelCommonPlatfromApi
{
public:
    QVelCommonPlatfromApi();

    static void setWindowsIgnoresMouse(void* widget);
    static void setMacTransBackgroundColor(void* widget, QColor color);
    // Shows the file selected in the desktop's file manager.
    static void showFileInFolder(std::string path);
};
