#pragma once

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QPalette>
#include <QPoint>
#include <QSize>
#include <QString>

// The look of one message box; starts from the control library's configuration and
// may be rewritten for every box by the application-wide hook.
class QVelMessageBoxOption
{
public:
    QVelMessageBoxOption();
    QVelMessageBoxOption(const QVelMessageBoxOption&) = default;
    QVelMessageBoxOption& operator=(const QVelMessageBoxOption&) = default;

    QString okText = "OK";
    QString cancelText = "Cancel";
    QString yesText = "Yes";
    QString noText = "No";
    QFont buttonFont;
    QColor buttonTextColor[4] = {QColor(0, 0, 0), QColor(0, 0, 0), QColor(0, 0, 0), QColor(0, 0, 0)};
    int buttonSidePadding = 20;
    int buttonSpacing = 15;
    QPalette palette;
    QFont titleFont;
    QFont messageFont;
    int dlgTop = 22;
    int dlgBottom = 50;
    QMargins transparentMargins;
    QPoint closeButtonOffset = QPoint(0, 0);
    bool closeButtonEnabled = true;
    QSize fixedSize = QSize(-1, -1);
    int iconOffset = 0;
    QString imagePath;
};
