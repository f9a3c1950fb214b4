#pragma once

#include <QColor>
#include <QImage>

// Colours and sizes of the flat scroll bar.
class QVelScrollBarStyleAttribute
{
public:
    QVelScrollBarStyleAttribute() = default;
    QVelScrollBarStyleAttribute(const QVelScrollBarStyleAttribute&) = default;
    QVelScrollBarStyleAttribute& operator=(const QVelScrollBarStyleAttribute&) = default;

    QColor grooveColor = QColor(240, 240, 240);
    QColor hoverGrooveColor = QColor(149, 149, 153);
    QImage arrowImage;
    int extent = 11;
    bool hoverAlways = false;
    QColor buttonAreaColor = QColor(240, 240, 240);
    QColor arrowColor = QColor(111, 115, 123);
    QColor arrowHoverColor = QColor(89, 90, 93);
    QColor arrowPressedColor = QColor(124, 125, 128);
    QColor buttonAreaColorCopy = QColor(240, 240, 240);
    int flag = 1;
    QColor handleColor = QColor(96, 96, 96);
    QColor handlePressedColor = QColor(96, 96, 96);
    QColor handleHoverColor = QColor(96, 96, 96);
    int handleMargin = 0;
    int radius = -1;
};
