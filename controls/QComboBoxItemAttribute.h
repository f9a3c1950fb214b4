#pragma once

#include <QColor>
#include <QPoint>

// Look shared by every row of a skinned combo box's pop-up list.
class QComboBoxItemAttribute
{
public:
    QComboBoxItemAttribute() = default;
    QComboBoxItemAttribute(const QComboBoxItemAttribute&) = default;
    QComboBoxItemAttribute& operator=(const QComboBoxItemAttribute&) = default;

    QColor bgColor = QColor(255, 255, 255);
    QColor hoverColor = QColor(229, 243, 255);
    QColor selectedColor = QColor(205, 232, 255);
    int reserved = -1;
    QColor reservedColor = Qt::black;
    int spacing = 0;
    QColor spacingColor = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool hoverColorSet = false;
    QPoint widgetPos = QPoint(-1, -1);
    QColor separatorColor = Qt::black;
};
